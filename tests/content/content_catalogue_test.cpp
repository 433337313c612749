#include "content/content_catalogue.h"

#include <gtest/gtest.h>

#include <string>

#include "content/record_cursor.h"
#include "model/request.h"

namespace orvane {
namespace {

struct NameCase {
    uint32_t number;
    const char* fileName;
};

class FileNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(FileNameTest, NumberNamesItsFile) {
    const char* name = fileNameFor(GetParam().number);
    ASSERT_NE(name, nullptr) << GetParam().number;
    EXPECT_STREQ(name, GetParam().fileName);
}

INSTANTIATE_TEST_SUITE_P(
    Catalogue, FileNameTest,
    ::testing::Values(NameCase{31, "vemra6_00a.pdb"}, NameCase{41, "vemra6_00a.pdb"},
                      NameCase{43, "vemra6_00a.pdb"}, NameCase{63, "vemra6_00a.pdb"},
                      NameCase{1, "vemra6_01a.pdb"}, NameCase{45, "vemra6_02a.pdb"},
                      NameCase{2, "vemra6_03a.pdb"}, NameCase{8, "vemra6_03a.pdb"},
                      NameCase{3, "vemra6_04a.pdb"}, NameCase{54, "vemra6_05a.pdb"},
                      NameCase{4, "vemra6_06a.pdb"}, NameCase{48, "vemra6_07a.pdb"},
                      NameCase{5, "vemra6_08a.pdb"}, NameCase{14, "vemra6_09a.pdb"},
                      NameCase{47, "vemra6_10a.pdb"}, NameCase{9, "vemra6_11a.pdb"},
                      NameCase{12, "vemra6_12a.pdb"}, NameCase{11, "vemra6_13a.pdb"},
                      NameCase{17, "vemra6_14a.pdb"}, NameCase{24, "vemra6_15a.pdb"},
                      NameCase{46, "vemra6_16a.pdb"}, NameCase{39, "vemra6_17a.pdb"},
                      NameCase{10, "vemra6_18a.pdb"}, NameCase{26, "vemra6_19a.pdb"},
                      NameCase{37, "vemra6_20a.pdb"}, NameCase{6, "vemra6_21a.pdb"},
                      NameCase{23, "vemra6_22a.pdb"}, NameCase{13, "vemra6_23a.pdb"},
                      NameCase{55, "vemra6_24a.pdb"}, NameCase{56, "vemra6_25a.pdb"},
                      NameCase{49, "vemra6_26a.pdb"}, NameCase{58, "vemra6_27a.pdb"},
                      NameCase{30, "vemra6_28a.pdb"}, NameCase{61, "vemra6_29a.pdb"},
                      NameCase{53, "orvane_index.pdb"}));

TEST(FileNameTest, OtherNumbersHaveNoFile) {
    for (const uint32_t number : {0u, 7u, 15u, 32u, 59u, 62u, 64u, 255u, 256u + 31u}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(fileNameFor(number), nullptr) << number;
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << number;
    }
}

TEST(FileNameTest, UndefinedNamesGoToTheDiagnosticHook) {
    for (const uint32_t number : {29u, 87u}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(fileNameFor(number), nullptr);
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "Database name not defined\n");
    }
}

ContentCatalogue sampleCatalogue() {
    return ContentCatalogue(ContentFolder("", ORVANE_BIN_DIR));
}

TEST(ContentCatalogueTest, NumberWithoutAFileGivesADatabaseThatIsNotOpen) {
    const ContentCatalogue catalogue = sampleCatalogue();
    for (const uint32_t number : {29u, 7u}) {
        ::testing::internal::CaptureStderr();
        std::unique_ptr<ContentDatabase> db = catalogue.openDatabase(number);
        ::testing::internal::GetCapturedStderr();
        ASSERT_NE(db, nullptr);
        EXPECT_FALSE(db->isOpen());
        EXPECT_EQ(db->recordCount(), 0);
        EXPECT_TRUE(db->getRecord(0).isNull());
    }
}

TEST(ContentCatalogueTest, MissingFolderGivesDatabasesThatAreNotOpen) {
    const ContentCatalogue catalogue(ContentFolder("", "/nonexistent/orvane/content"));
    EXPECT_FALSE(catalogue.openDatabase(53)->isOpen());
}

// Every number with a file opens in the sample content, which has at least one record each.
TEST(ContentCatalogueTest, EverySampleDatabaseOpens) {
    const ContentCatalogue catalogue = sampleCatalogue();
    for (uint32_t number = 0; number < 100; ++number) {
        if (number == 29 || number == 87 || fileNameFor(number) == nullptr) continue;
        std::unique_ptr<ContentDatabase> db = catalogue.openDatabase(number);
        EXPECT_TRUE(db->isOpen()) << number;
        EXPECT_GE(db->recordCount(), 1) << number;
        EXPECT_FALSE(db->getRecord(0).isNull()) << number;
    }
}

TEST(ContentCatalogueTest, SampleIndexEntriesReadAsLabelAndTarget) {
    std::unique_ptr<ContentDatabase> index = sampleCatalogue().openDatabase(53);
    ASSERT_TRUE(index->isOpen());
    ASSERT_GE(index->recordCount(), 1);
    for (uint16_t i = 0; i < index->recordCount(); ++i) {
        RecordCursor cursor(index->getRecord(i));
        cursor.readText();
        EXPECT_FALSE(cursor.readText().empty()) << i;
        const auto target = static_cast<Request>(cursor.readNumberText());
        EXPECT_NE(moduleCode(target), 0) << i;
    }
}

TEST(ContentCatalogueTest, DocumentTableHoldsFourDocuments) {
    const ContentCatalogue catalogue = sampleCatalogue();
    std::unique_ptr<ContentDatabase> a = catalogue.openDatabase(43);
    std::unique_ptr<ContentDatabase> b = catalogue.openDatabase(31);
    ASSERT_TRUE(a->isOpen());
    EXPECT_EQ(a->recordCount(), 4);
    // Two databases on one file are independent objects.
    RecordHandle first = a->getRecord(0);
    RecordHandle second = b->getRecord(0);
    EXPECT_NE(first.data(), second.data());
    RecordCursor cursor(first);
    cursor.readText();
    EXPECT_FALSE(cursor.readText().empty());
    EXPECT_NE(cursor.readText().str().find("SAMPLE DATA"), std::string::npos);
}

}  // namespace
}  // namespace orvane
