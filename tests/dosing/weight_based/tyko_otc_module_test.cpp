// TykoOTC: the category page and lists, the fixed record ranges of the categories (16 is the
// first category, 17 and 81 the second, 82 the third), the paragraphs, and the values it must
// ignore.
#include "dosing/weight_based/tyko_otc_module.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/weight_based_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::WeightBasedContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;

struct Fixture {
    Fixture() : session((dir.writeOtc(89), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

std::string paragraphs(int32_t m) {
    return "P1 of " + std::to_string(m) + " joined<BR><BR>P4";
}

TEST(TykoOtcModuleTest, CategoriesAndTheirMedicines) {
    Fixture f;
    TykoOtcModule module(f.context(), makeRequest(17, 0));
    EXPECT_EQ(module.title().str(), "TykoOTC");
    EXPECT_EQ(module.caption().str(), "");
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page,
                         "<A HREF=\"1006632962\"><IMG src=\"folder\">&nbsp;<U>Allergy/Cold/"
                         "Cough Medications</U></A><BR>"))
        << page;
    InputField* categories = module.choiceList(makeRequest(17, 0));
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->label.str(), "Select Medication Category:");
    ASSERT_EQ(categories->entries.count(), 3);
    EXPECT_EQ(categories->entries[2].label().str(), "Gastrointestinal Medications");
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);

    module.handleRequest(makeRequest(60, 3));
    EXPECT_EQ(module.caption().str(), "Gastrointestinal Medications");
    EXPECT_EQ(module.buildPage(0), nullptr);
    InputField* medicines = module.choiceList(makeRequest(60, 3));
    ASSERT_EQ(medicines->entries.count(), 8);
    EXPECT_EQ(medicines->entries[0].label().str(), "Medicine 82");
    EXPECT_EQ(medicines->entries[7].request(), makeRequest(17, 8));
    EXPECT_EQ(module.choiceList(makeRequest(17, 0))->unit, 2);

    module.handleRequest(makeRequest(17, 8));
    EXPECT_EQ(pageText(module.buildPage(0)), paragraphs(89));
    EXPECT_EQ(module.caption().str(), "Medicine 89");
    EXPECT_EQ(module.choiceList(makeRequest(60, 3))->unit, 7);
    EXPECT_EQ(f.context().listPosition(), 7);

    // Category 0 clears the caption and offers the categories again.
    module.handleRequest(makeRequest(33, 0));
    EXPECT_EQ(module.caption().str(), "");
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "Fever/Pain Medications"));
}

TEST(TykoOtcModuleTest, CreationOpensTheMedicineInTheCategoryThatHoldsIt) {
    struct Case {
        int32_t record;
        int32_t category;
    };
    const Case cases[] = {{1, 1}, {16, 1}, {17, 2}, {20, 2}, {81, 2}, {82, 3}, {89, 3}};
    for (const Case& c : cases) {
        Fixture f;
        const Request opening = makeRequest(17, c.record);
        TykoOtcModule module(f.context(), opening);
        // The document screen hands the opening request on: still the same medicine.
        module.handleRequest(opening);
        EXPECT_EQ(pageText(module.buildPage(0)), paragraphs(c.record)) << c.record;
        EXPECT_EQ(module.caption().str(), "Medicine " + std::to_string(c.record));
        EXPECT_EQ(module.choiceList(makeRequest(17, 0))->unit, c.category - 1) << c.record;
        // A later request of the list counts within the category.
        module.handleRequest(makeRequest(17, 1));
        const int32_t first[] = {1, 17, 82};
        EXPECT_EQ(pageText(module.buildPage(0)), paragraphs(first[c.category - 1])) << c.record;
    }
}

TEST(TykoOtcModuleTest, AListRequestNamesItsCategory) {
    // A stale history entry (60, 3) shown while category 2 is current lists category 3.
    Fixture f;
    TykoOtcModule module(f.context(), makeRequest(60, 2));
    InputField* medicines = module.choiceList(makeRequest(60, 3));
    ASSERT_EQ(medicines->entries.count(), 8);
    EXPECT_EQ(medicines->entries[0].label().str(), "Medicine 82");
    EXPECT_EQ(module.caption().str(), "Gastrointestinal Medications");
    // A category outside the list leaves the current one.
    EXPECT_EQ(module.choiceList(makeRequest(60, 7))->entries.count(), 8);
}

TEST(TykoOtcModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    TykoOtcModule beyond(f.context(), makeRequest(17, 90));
    EXPECT_TRUE(contains(pageText(beyond.buildPage(0)), "Fever/Pain Medications"));
    TykoOtcModule module(f.context(), makeRequest(60, 1));
    module.handleRequest(makeRequest(17, 16));
    const std::string page = pageText(module.buildPage(0));
    EXPECT_EQ(page, paragraphs(16));
    for (const Request ignored : {makeRequest(17, 17), makeRequest(60, 4), makeRequest(33, 9),
                                  makeRequest(17, 5, 1), makeRequest(12, 1)}) {
        module.handleRequest(ignored);
        EXPECT_EQ(pageText(module.buildPage(0)), page) << ignored;
    }
}

TEST(TykoOtcModuleTest, AShortTableListsWhatItHas) {
    ContentDir dir;
    dir.writeOtc(20);
    Session session(dir.path());
    TykoOtcModule module(session.context, makeRequest(60, 2));
    EXPECT_EQ(module.choiceList(makeRequest(60, 2))->entries.count(), 4);
    module.handleRequest(makeRequest(17, 5));
    EXPECT_EQ(module.buildPage(0), nullptr);
    TykoOtcModule gastro(session.context, makeRequest(60, 3));
    EXPECT_EQ(gastro.choiceList(makeRequest(60, 3))->entries.count(), 0);
}

}  // namespace
}  // namespace orvane
