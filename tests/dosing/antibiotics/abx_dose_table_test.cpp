// Reading the antibiotic dose table: the entries up to the empty name, at most sixteen, and a
// record cut short in an entry's numbers.
#include "dosing/antibiotics/abx_dose_table.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "tests/support/content/abx_navix_content.h"

namespace orvane {
namespace {

using test_support::Antibiotic;
using ContentDir = test_support::AbxNavixContentDir;
using test_support::doseRecord;

std::vector<AbxDoseEntry> readBack(const tools::ByteVector& record) {
    ContentDir dir;
    dir.write(45, {record});
    ContentCatalogue catalogue(ContentFolder("", dir.path()));
    std::unique_ptr<ContentDatabase> table = catalogue.openDatabase(45);
    return readAbxDoseEntries(table->getRecord(0));
}

TEST(AbxDoseTableTest, EntriesUpToTheEmptyName) {
    const std::vector<AbxDoseEntry> entries = readBack(
        doseRecord({{"Amoxicillin", 30, 50, 1, 3, 1, 1500}, {"Gentamicin", 2.5f, 0, 0, 3, 4, 0}}));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].name.str(), "Amoxicillin");
    EXPECT_EQ(entries[0].low, 30.0f);
    EXPECT_EQ(entries[0].high, 50.0f);
    EXPECT_TRUE(entries[0].perDay());
    EXPECT_EQ(entries[0].dosesPerDay, 3);
    EXPECT_EQ(entries[0].route, 1);
    EXPECT_EQ(entries[0].maximum, 1500.0f);
    EXPECT_EQ(entries[1].name.str(), "Gentamicin");
    EXPECT_EQ(entries[1].low, 2.5f);
    EXPECT_FALSE(entries[1].perDay());
    EXPECT_EQ(entries[1].route, 4);
}

TEST(AbxDoseTableTest, AtMostSixteen) {
    std::vector<Antibiotic> many;
    for (int i = 1; i <= 17; ++i) many.push_back({"Drug " + std::to_string(i), 1, 0, 0, 2, 2, 0});
    const std::vector<AbxDoseEntry> entries = readBack(doseRecord(many, false));
    ASSERT_EQ(entries.size(), 16u);
    EXPECT_EQ(entries[15].name.str(), "Drug 16");
}

TEST(AbxDoseTableTest, AnEntryCutShortIsLeftOut) {
    tools::ByteVector record =
        doseRecord({{"Whole", 10, 0, 0, 2, 2, 0}, {"Cut", 10, 0, 0, 2, 2, 0}}, false);
    record.resize(record.size() - 1);  // the last byte of Cut's maximum
    const std::vector<AbxDoseEntry> entries = readBack(record);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name.str(), "Whole");
    EXPECT_TRUE(readBack(tools::ByteVector{'k', 'e', 'y'}).empty());
}

}  // namespace
}  // namespace orvane
