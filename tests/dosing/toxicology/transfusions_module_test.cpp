// The transfusions module: its category list, the seven views, the calculator view filled for
// the weight (with and without the weight row), the views menu with and without "Monitoring",
// and the values it must ignore.
#include "dosing/toxicology/transfusions_module.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/toxicology_content.h"

namespace orvane {
namespace {

using ContentDir = test_support::ToxicologyContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::setAdultWeight;

struct Fixture {
    Fixture() : session((dir.writeTransfusions(), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(TransfusionsModuleTest, CategoryList) {
    Fixture f;
    TransfusionsModule module(f.context(), makeRequest(26, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "Transfusions");
    EXPECT_EQ(module.caption().str(), "Information");
    EXPECT_EQ(module.buildPage(0), nullptr);
    InputField* list = module.choiceList(makeRequest(26, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Category :");
    ASSERT_EQ(list->entries.count(), 10);
    EXPECT_EQ(list->entries[0].label().str(), "Category 1");
    EXPECT_EQ(list->entries[9].request(), makeRequest(26, 10));
    EXPECT_EQ(list->unit, -1);
    EXPECT_EQ(module.choiceList(makeRequest(46, 0)), nullptr);
}

TEST(TransfusionsModuleTest, ViewsOfACategory) {
    Fixture f;
    TransfusionsModule module(f.context(), makeRequest(26, 3));
    EXPECT_EQ(module.choiceList(makeRequest(26, 0))->unit, 2);
    const struct {
        int32_t view;
        const char* page;
    } cases[] = {
        {0, "Information of Category 3"}, {1, "Indications of Category 3"},
        {2, "Dosing of Category 3"},      {4, "Precautions of Category 3"},
        {5, "Monitoring of Category 3"},  {6, "References of Category 3"},
    };
    EXPECT_EQ(pageText(module.buildPage(0)), "Information of Category 3");
    EXPECT_EQ(module.caption().str(), "Category 3");
    for (const auto& c : cases) {
        module.handleRequest(makeRequest(50, c.view));
        EXPECT_EQ(pageText(module.buildPage(0)), c.page) << c.view;
        EXPECT_EQ(f.context().pageBuilder().weightInput, 0) << c.view;
    }
    // Choosing a category goes back to its first view.
    module.handleRequest(makeRequest(26, 4));
    EXPECT_EQ(pageText(module.buildPage(0)), "Information of Category 4");
}

struct CalculatorCase {
    float weight;
    int32_t category;
    const char* page;
    int16_t weightInput;
};

TEST(TransfusionsModuleTest, CalculatorView) {
    // 10 mL/kg, at most 300 mL, through the dose bands: 0.5 kg → 5 (tenths); 3 kg → 30
    // (halves); 13.3 kg → 133 → 130 (tens); 29 kg → 290; 30 kg → 300, the maximum; 100 kg →
    // 1000, capped at 300.
    const CalculatorCase cases[] = {
        {0.5f, 1, "Give <B>5</B>&nbsp;mL", 3},
        {3.0f, 1, "Give <B>30</B>&nbsp;mL", 3},
        {13.3f, 7, "Give <B>130</B>&nbsp;mL", 3},
        {29.0f, 1, "Give <B>290</B>&nbsp;mL", 3},
        {30.0f, 1, "Give <B>300</B>&nbsp;mL [Max dose]", 3},
        {100.0f, 1, "Give <B>300</B>&nbsp;mL [Max dose]", 3},
        // Categories 8 to 10 fill the templates but ask for no weight.
        {13.3f, 8, "Give <B>130</B>&nbsp;mL", 0},
        {13.3f, 9, "Give <B>130</B>&nbsp;mL", 0},
        {13.3f, 10, "Give <B>130</B>&nbsp;mL", 0},
    };
    for (const CalculatorCase& c : cases) {
        Fixture f;
        setAdultWeight(f.context(), c.weight);
        TransfusionsModule module(f.context(), makeRequest(26, c.category));
        module.handleRequest(makeRequest(50, TransfusionsModule::kCalculator));
        EXPECT_EQ(pageText(module.buildPage(0)), c.page) << c.weight << " " << c.category;
        EXPECT_EQ(f.context().pageBuilder().weightInput, c.weightInput) << c.category;
    }
}

TEST(TransfusionsModuleTest, ViewsMenuWithAndWithoutMonitoring) {
    Fixture f;
    TransfusionsModule module(f.context(), makeRequest(26, 1));
    module.buildPage(0);
    InputField* menu = module.choiceList(makeRequest(80, 0));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->label.str(), "Category 1");
    const char* all[] = {"Information", "Indications", "Dosing Info", "Calculator",
                         "Precautions", "Monitoring",  "References"};
    ASSERT_EQ(menu->entries.count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(menu->entries[i].label().str(), all[i]);
        EXPECT_EQ(menu->entries[i].request(), makeRequest(50, i));
    }

    // Category 2 has the code "D20": six entries, "References" still (50, 6).
    module.handleRequest(makeRequest(26, 2));
    module.buildPage(0);
    menu = module.choiceList(makeRequest(80, 0));
    ASSERT_EQ(menu->entries.count(), 6);
    EXPECT_EQ(menu->entries[4].label().str(), "Precautions");
    EXPECT_EQ(menu->entries[5].label().str(), "References");
    EXPECT_EQ(menu->entries[5].request(), makeRequest(50, 6));
    module.handleRequest(makeRequest(50, 6));
    EXPECT_EQ(module.choiceList(makeRequest(80, 0))->unit, 5);
    EXPECT_EQ(pageText(module.buildPage(0)), "References of Category 2");
    // Its monitoring view is not in its menu: ignored.
    module.handleRequest(makeRequest(50, 5));
    EXPECT_EQ(pageText(module.buildPage(0)), "References of Category 2");
}

TEST(TransfusionsModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    TransfusionsModule fresh(f.context(), makeRequest(26, 11));
    EXPECT_EQ(fresh.buildPage(0), nullptr);

    TransfusionsModule module(f.context(), makeRequest(26, 5));
    module.handleRequest(makeRequest(50, 1));
    const std::string before = pageText(module.buildPage(0));
    for (Request request : {makeRequest(26, 11), makeRequest(26, 0x7FFF), makeRequest(50, 7),
                            makeRequest(50, 0x7FFF), makeRequest(49, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(pageText(module.buildPage(0)), before) << request;
        EXPECT_EQ(module.caption().str(), "Category 5");
    }
}

TEST(TransfusionsModuleTest, MissingTable) {
    ContentDir empty;
    Session session(empty.path());
    TransfusionsModule module(session.context, makeRequest(26, 1));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.choiceList(makeRequest(26, 0))->entries.count(), 0);
    EXPECT_EQ(module.buildPage(0), nullptr);
}

}  // namespace
}  // namespace orvane
