// TykoAbx on a small antibiotic table: the category list, the lazy drug lists over the three
// index ranges, choosing drugs, doses and frequencies, the creating requests, and the values
// (from links, stale history entries or the command line) it must ignore.
#include "dosing/antibiotics/tyko_abx_module.h"

#include <gtest/gtest.h>

#include "model/input_field.h"
#include "tests/support/content/tyko_abx_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::TykoAbxContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::fillChildWeight;

struct Fixture {
    Fixture() : session(dir.path()) { fillChildWeight(context(), 13.3f); }
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

Request dose(int32_t k) {
    return makeRequest(33, k, TykoAbxModule::kDoseList);
}
Request frequency(int32_t k) {
    return makeRequest(33, k, TykoAbxModule::kFrequencyList);
}

TEST(TykoAbxModuleTest, CategoryList) {
    Fixture f;
    TykoAbxModule module(f.context(), makeRequest(30, 0));
    EXPECT_EQ(module.title().str(), "TykoAbx");
    EXPECT_EQ(module.buildPage(0), nullptr);
    for (const Request r : {makeRequest(9, 0), makeRequest(47, 0), makeRequest(30, 0)}) {
        InputField* list = module.choiceList(r);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->label.str(), "Select TykoAbx Category:");
        ASSERT_EQ(list->entries.count(), 3);
        EXPECT_EQ(list->entries[0].label().str(), "PO Pediatric Antibiotics");
        EXPECT_EQ(list->entries[0].request(), makeRequest(30, 3));
        EXPECT_EQ(list->entries[1].label().str(), "IV/IM Pediatric Antibiotics");
        EXPECT_EQ(list->entries[2].label().str(), "IV/IM Neonatal Antibiotics");
        EXPECT_EQ(list->entries[2].request(), makeRequest(30, 1));
    }
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
}

struct RangeCase {
    int32_t category;
    const char* caption;
    int32_t count;
    int32_t first;  // the index record of entry 0
};

TEST(TykoAbxModuleTest, LazyDrugListsOverTheThreeRanges) {
    const RangeCase cases[] = {
        {1, "IV/IM Neonatal Antibiotics", 127, 0},
        {2, "IV/IM Pediatric Antibiotics", 98, 127},
        {3, "PO Pediatric Antibiotics", 84, 225},
    };
    for (const RangeCase& c : cases) {
        Fixture f;
        TykoAbxModule module(f.context(), makeRequest(30, c.category));
        InputField* list = module.choiceList(makeRequest(30, c.category));
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->label.str(), c.caption);
        EXPECT_EQ(list->max, static_cast<float>(c.count));
        EXPECT_EQ(list->lazyList, 1);
        for (const int32_t i : {0, c.count - 1}) {
            InputField* one = module.choiceList(makeRequest(33, i));
            ASSERT_NE(one, nullptr) << c.category << " " << i;
            ASSERT_EQ(one->entries.count(), 1);
            const std::string name = one->entries[0].label().str();
            EXPECT_TRUE(contains(name, " " + std::to_string(c.first + i))) << name;
        }
        // Beyond the range: no entry.
        EXPECT_EQ(module.choiceList(makeRequest(33, c.count)), nullptr);
    }
}

TEST(TykoAbxModuleTest, DoseAndFrequency) {
    Fixture f;
    TykoAbxModule module(f.context(), makeRequest(30, 2));
    module.handleRequest(makeRequest(9, 1));
    EXPECT_EQ(module.caption().str(), "Cefazolin");
    std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "Select Dose:")) << page;
    EXPECT_FALSE(contains(page, "Sig")) << page;
    module.handleRequest(dose(2));
    // One frequency (code 1, q8h) is chosen at once: 13.3 × 75 = 997.5 ÷ 3 = 332.5, to tens 330.
    page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "Frequency: &nbsp;</STRONG>q8h")) << page;
    EXPECT_TRUE(contains(page, "Sig: 330 mg/dose q8h")) << page;
    EXPECT_TRUE(contains(page, "Cefazolin note.")) << page;
    // Choosing a category clears the drug.
    module.handleRequest(makeRequest(30, 1));
    EXPECT_EQ(module.buildPage(0), nullptr);
}

TEST(TykoAbxModuleTest, NeonatalProtocolWarningAndFrequencyChoice) {
    Fixture f;
    fillChildWeight(f.context(), 2.1f);
    // Created by a link to drug 3 (below 55): the pediatric category, then the drug.
    TykoAbxModule module(f.context(), makeRequest(9, 3));
    EXPECT_EQ(module.caption().str(), "Genta 1200-2000 g");
    module.handleRequest(frequency(2));  // one dose entry, chosen at once
    // 2.1 × 4 = 8.4 given as one dose every 48 hours.
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<B>WARNING:</B> Selected Protocol is for 1200-2000 grams")) << page;
    EXPECT_TRUE(contains(page, "Sig: 8.4 mg/dose q48h")) << page;
    EXPECT_LT(page.find("WARNING"), page.find("Sig:"));
}

TEST(TykoAbxModuleTest, LoadingRegimen) {
    Fixture f;
    fillChildWeight(f.context(), 45.0f);
    TykoAbxModule module(f.context(), makeRequest(9, 2));
    module.handleRequest(dose(2));  // 10 then 4 mg/kg/d
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "Sig: 400 mg (10 mg/kg) loading dose")) << page;
    EXPECT_TRUE(contains(page, "then 180 mg/dose q24 hrs.")) << page;
}

TEST(TykoAbxModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    TykoAbxModule module(f.context(), makeRequest(9, 1));
    module.handleRequest(dose(2));
    const std::string before = pageText(module.buildPage(0));
    for (const Request r :
         {dose(4), dose(-1), frequency(2), frequency(9), makeRequest(9, 4), makeRequest(9, 999),
          makeRequest(30, 4), makeRequest(30, 99), makeRequest(33, 5, 5), makeRequest(33, 5, 6),
          makeRequest(70, 999), makeRequest(47, 99)}) {
        module.handleRequest(r);
        EXPECT_EQ(pageText(module.buildPage(0)), before) << r;
    }
    EXPECT_EQ(module.choiceList(makeRequest(33, 999)), nullptr);
}

TEST(TykoAbxModuleTest, ADamagedOralRecordGivesNoAmount) {
    Fixture f;
    // The fixture's oral table holds one record of a single byte.
    TykoAbxModule module(f.context(), makeRequest(47, 1));
    module.handleRequest(dose(1));
    module.handleRequest(frequency(1));
    module.handleRequest(makeRequest(33, 1, TykoAbxModule::kConcentrationList));
    module.handleRequest(makeRequest(33, 5, TykoAbxModule::kDurationList));
    const std::string page = pageText(module.buildPage(0));
    EXPECT_FALSE(contains(page, "Sig")) << page;
    EXPECT_FALSE(contains(page, "0 &nbsp;mg")) << page;
    EXPECT_FALSE(contains(page, "0 mg")) << page;
    EXPECT_FALSE(contains(page, "nan")) << page;
}

}  // namespace
}  // namespace orvane
