// The menu modules on small fixture content and on the sample content: the module registry, the
// Calculators menu, the A-Z Index, the document list module and the Clinical Consult browser.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "modules/az_index.h"
#include "modules/calculators_menu.h"
#include "modules/clinical_consult.h"
#include "modules/document_list.h"
#include "modules/module_registry.h"
#include "rendering/page_builder.h"
#include "tests/support/content/module_records.h"

namespace orvane {
namespace {

using ContentDir = test_support::ModuleContentDir;
using test_support::Field;
using test_support::record;
using Session = test_support::ContentSession;

std::vector<std::string> labels(const InputField& list) {
    std::vector<std::string> out;
    for (const MenuItem& item : list.entries) out.push_back(item.label().str());
    return out;
}

// ---- Module registry ----

TEST(ModuleRegistryTest, ListsTheTwentyThreeModulesInOrder) {
    ContentDir dir;
    Session session(dir.path());
    ModuleRegistry registry(session.context, makeRequest(32, 0));
    EXPECT_TRUE(registry.isAvailable());
    EXPECT_TRUE(registry.title().empty());
    EXPECT_TRUE(registry.caption().empty());
    InputField* list = registry.choiceList(makeRequest(32, 0));
    ASSERT_NE(list, nullptr);
    const struct {
        const char* label;
        int32_t code;
    } expected[] = {
        {"AbxNavix", 1},         {"ACLS", 2},           {"Adult Drips", 3}, {"Calculators", 59},
        {"Clinical Consult", 5}, {"Emergency Meds", 6}, {"Fluid Navix", 7}, {"Induction Meds", 39},
        {"Infusion Calc", 27},   {"PALS", 8},           {"Paralytics", 37}, {"TykoAbx", 30},
        {"TykoCode", 10},        {"TykoDrips", 11},     {"TykoDrugs", 12},  {"TykoFever", 13},
        {"TykoGrowth", 14},      {"TykoOTC", 17},       {"RSI Navix", 22},  {"Sedation Meds", 23},
        {"Toxicology", 57},      {"Transfusions", 26},  {"References", 49},
    };
    ASSERT_EQ(list->entries.count(), 23);
    for (int i = 0; i < 23; ++i) {
        EXPECT_EQ(list->entries[i].label().str(), expected[i].label);
        EXPECT_EQ(list->entries[i].request(), static_cast<Request>(expected[i].code) << 24);
    }
    EXPECT_EQ(list->unit, 0);
}

TEST(ModuleRegistryTest, SelectsTheFirstEntryWithTheSameCode) {
    ContentDir dir;
    Session session(dir.path());
    ModuleRegistry registry(session.context, makeRequest(32, 0));
    registry.handleRequest(makeRequest(57, 4));
    EXPECT_EQ(registry.selected(), 20);
    EXPECT_EQ(registry.choiceList(0)->unit, 20);
    registry.handleRequest(makeRequest(24, 1));  // no entry carries 24
    EXPECT_EQ(registry.selected(), 20);
    registry.handleRequest(makeRequest(59, 0));
    EXPECT_EQ(registry.selected(), 3);
}

TEST(ModuleRegistryTest, BuildsAnEmptyPage) {
    ContentDir dir;
    Session session(dir.path());
    ModuleRegistry registry(session.context, makeRequest(32, 0));
    const char* page = registry.buildPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page, "");
}

// ---- Calculators menu ----

class CalculatorsMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.write(4, {record({"c1", "First calc", "", "<$result1>"}),
                      record({"c2", "Second calc", "", ""}), record({"c3", "Third calc"})});
    }
    ContentDir dir;
};

TEST_F(CalculatorsMenuTest, ListsEveryRecordOfTheTable) {
    Session session(dir.path());
    CalculatorsMenu menu(session.context, makeRequest(59, 0));
    EXPECT_TRUE(menu.isAvailable());
    EXPECT_EQ(menu.title().str(), "Calculators");
    EXPECT_TRUE(menu.caption().empty());
    InputField* list = menu.choiceList(makeRequest(59, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(labels(*list), (std::vector<std::string>{"First calc", "Second calc", "Third calc"}));
    EXPECT_EQ(list->entries[0].request(), makeRequest(4, 1));
    EXPECT_EQ(list->entries[2].request(), makeRequest(4, 3));
    EXPECT_EQ(list->label.str(), "Select a Calculator :");
    EXPECT_EQ(list->unit, -1);
    EXPECT_EQ(menu.choiceList(makeRequest(80, 0)), nullptr);
}

TEST_F(CalculatorsMenuTest, WritesTheHeadingAndShowsNoPageUntilACalculatorIsChosen) {
    Session session(dir.path());
    CalculatorsMenu menu(session.context, makeRequest(59, 0));
    EXPECT_EQ(menu.buildPage(0), nullptr);
    EXPECT_EQ(session.context.pageBuilder().html().str(), "<STRONG>Select a Calculator</STRONG>");
    for (const int32_t code : {4, 70}) {
        CalculatorsMenu chosen(session.context, makeRequest(59, 0));
        chosen.handleRequest(makeRequest(code, 3));
        const char* page = chosen.buildPage(0);
        ASSERT_NE(page, nullptr) << code;
        EXPECT_STREQ(page, "");
        EXPECT_EQ(chosen.choiceList(makeRequest(59, 0))->unit, 2) << code;
    }
}

TEST(CalculatorsMenuMissingTest, AMissingTableGivesAnEmptyList) {
    ContentDir dir;
    Session session(dir.path());
    CalculatorsMenu menu(session.context, makeRequest(59, 2));
    EXPECT_TRUE(menu.isAvailable());
    EXPECT_EQ(menu.choiceList(makeRequest(59, 0))->entries.count(), 0);
    EXPECT_EQ(menu.selectedNumber(), 2);
}

// ---- A-Z Index ----

class AzIndexTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.write(53, {record({"a", "Alpha", Field::number(889192448)}),
                       record({"b", "Beta <SC id=2>", Field::number(553713666)}),
                       record({"c", "Gamma", "not a number"})});
    }
    ContentDir dir;
};

// Without its table the index is unavailable: the screens say the content is missing.
TEST(AzIndexWithoutContentTest, IsUnavailable) {
    ContentDir empty;
    Session session(empty.path());
    AzIndex index(session.context, makeRequest(53, 0));
    EXPECT_FALSE(index.isAvailable());
}

TEST_F(AzIndexTest, IsALazyListOfTheIndexRecords) {
    Session session(dir.path());
    AzIndex index(session.context, makeRequest(53, 2));
    EXPECT_TRUE(index.isAvailable());
    EXPECT_EQ(index.title().str(), "A-Z Index");
    EXPECT_EQ(index.caption().str(), "Orvane 6.0 Index");
    InputField* list = index.choiceList(makeRequest(53, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->lazyList, 1);
    EXPECT_EQ(list->max, 3.0f);
    EXPECT_EQ(list->unit, 2);
    EXPECT_EQ(list->label.str(), "Orvane 6.0 Index");
    EXPECT_EQ(list->kind, makeRequest(53, 0));
    EXPECT_EQ(list->entries.count(), 0);

    const struct {
        int32_t index;
        const char* label;
        Request target;
    } entries[] = {{0, "Alpha", 889192448u}, {1, "Beta <SC id=2>", 553713666u}, {2, "Gamma", 0u}};
    for (const auto& e : entries) {
        InputField* one = index.choiceList(makeRequest(33, e.index, 1));
        ASSERT_NE(one, nullptr);
        ASSERT_EQ(one->entries.count(), 1);
        EXPECT_EQ(one->entries[0].label().str(), e.label);
        EXPECT_EQ(one->entries[0].request(), e.target);
    }
    EXPECT_EQ(index.choiceList(makeRequest(80, 0)), nullptr);
}

TEST_F(AzIndexTest, ShowsNoPageAndRemembersTheSelection) {
    Session session(dir.path());
    AzIndex index(session.context, makeRequest(53, 0));
    EXPECT_EQ(index.buildPage(0), nullptr);
    index.handleRequest(makeRequest(70, 1));
    EXPECT_EQ(index.choiceList(makeRequest(53, 0))->unit, 1);
}

TEST_F(AzIndexTest, TheFirstRequestChoosesTheSelectionForTheWholeRun) {
    Session session(dir.path());
    ModuleRef first = session.context.moduleFor(makeRequest(53, 120));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->choiceList(makeRequest(53, 0))->unit, 120);
    session.context.moduleFor(makeRequest(32, 0));
    ModuleRef again = session.context.moduleFor(makeRequest(53, 5));
    EXPECT_EQ(again, first);
    EXPECT_EQ(again->choiceList(makeRequest(53, 5))->unit, 120);
}

// ---- Document list ----

TEST(DocumentListTest, EachCodeShowsItsRecord) {
    ContentDir dir;
    dir.write(43, {record({"x", "Doc zero", "Body zero"}), record({"x", "Doc one", "Body\none"}),
                   record({"x", "Doc two", "Body two"}), record({"x", "Doc three", "x >= y"})});
    Session session(dir.path());
    const struct {
        int32_t code;
        const char* title;
        const char* page;
    } cases[] = {{43, "Doc zero", "Body zero"},
                 {31, "Doc one", "Body<BR>one"},
                 {41, "Doc two", "Body two"},
                 {63, "Doc three", "x &#8805; y"}};
    for (const auto& c : cases) {
        DocumentList module(session.context, makeRequest(c.code, 0));
        EXPECT_TRUE(module.isAvailable());
        EXPECT_EQ(module.title().str(), c.title);
        EXPECT_EQ(module.caption().str(), c.title);
        const char* page = module.buildPage(0);
        ASSERT_NE(page, nullptr);
        EXPECT_STREQ(page, c.page);
        EXPECT_EQ(module.choiceList(makeRequest(c.code, 0)), nullptr);
        EXPECT_TRUE(module.handleRequest(makeRequest(33, 1)));
    }
    EXPECT_EQ(DocumentList::recordFor(42), -1);
}

// A missing table leaves the page empty and the module unavailable, so that the screens and the
// renderer say the content is missing rather than show a blank document.
TEST(DocumentListTest, AMissingTableGivesAnEmptyPageAndAnUnavailableModule) {
    ContentDir dir;
    Session session(dir.path());
    DocumentList module(session.context, makeRequest(43, 0));
    EXPECT_FALSE(module.isAvailable());
    EXPECT_TRUE(module.title().empty());
    const char* page = module.buildPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page, "");
}

// ---- Clinical Consult ----

class ClinicalConsultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.write(
            48, {record({"Cardio", "Cardio", "C01", "C01"}), record({"Peds", "Peds", "C12", "C12"}),
                 record({"Short", "Short", "C1", "C1"})});
        dir.write(
            5, {record({"T0001", "C01,C12", "Both topic", "", "Sec one", "", "", "Sec four", "",
                        "Sec six"}),
                record({"D0006", "C01", "Dermatomes", "", "Back", "Front", "Motor", "A", "P", "R"}),
                record({"S0005", "C12", "Salter", "", "N", "I", "", "", "", ""}),
                record({"T0004", "C1", "Only short", "", "x", "", "", "", "", ""})});
    }
    ContentDir dir;
};

TEST_F(ClinicalConsultTest, ListsCategoriesAndTheirTopicsByKey) {
    Session session(dir.path());
    ClinicalConsult cc(session.context, makeRequest(5, 0));
    EXPECT_TRUE(cc.isAvailable());
    EXPECT_EQ(cc.title().str(), "Clin. Consult");
    InputField* categories = cc.choiceList(makeRequest(5, 0));
    ASSERT_NE(categories, nullptr);
    EXPECT_EQ(categories->label.str(), "Select Category :");
    EXPECT_EQ(labels(*categories), (std::vector<std::string>{"Cardio", "Peds", "Short"}));
    EXPECT_EQ(categories->entries[1].request(), makeRequest(48, 2, 1));

    const struct {
        int32_t category;
        std::vector<std::string> topics;
    } cases[] = {
        {1, {"Both topic", "Dermatomes"}}, {2, {"Both topic", "Salter"}}, {3, {"Only short"}}};
    for (const auto& c : cases) {
        InputField* topics = cc.choiceList(makeRequest(48, c.category, 1));
        ASSERT_NE(topics, nullptr);
        EXPECT_EQ(labels(*topics), c.topics) << c.category;
    }
    InputField* cardio = cc.choiceList(makeRequest(33, 1, 1));
    EXPECT_EQ(cardio->entries[1].request(), makeRequest(5, 2));
}

TEST_F(ClinicalConsultTest, ShowsTheSectionsOfATopic) {
    Session session(dir.path());
    ClinicalConsult cc(session.context, makeRequest(5, 1));
    EXPECT_EQ(cc.currentTopic(), 1);
    const char* page = cc.buildPage(0);
    ASSERT_NE(page, nullptr);
    EXPECT_STREQ(page, "Sec one");
    EXPECT_EQ(cc.caption().str(), "Both topic");
    EXPECT_EQ(cc.currentView(), 1);

    InputField* menu = cc.choiceList(makeRequest(80, 0));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->label.str(), "Clin. Consult");
    EXPECT_EQ(labels(*menu), (std::vector<std::string>{"General Information", "Assessment",
                                                       "Referral/References"}));
    EXPECT_EQ(menu->entries[1].request(), makeRequest(50, 4));

    cc.handleRequest(makeRequest(50, 6));
    EXPECT_STREQ(cc.buildPage(6), "Sec six");
    cc.handleRequest(makeRequest(50, 2));
    EXPECT_STREQ(cc.buildPage(2), "");  // an absent section: empty body
    cc.handleRequest(makeRequest(50, 9));
    EXPECT_STREQ(cc.buildPage(9), "");
}

TEST_F(ClinicalConsultTest, SpecialTopicsNameTheirSectionsTheirOwnWay) {
    Session session(dir.path());
    ClinicalConsult cc(session.context, makeRequest(5, 2));
    cc.buildPage(0);
    EXPECT_EQ(labels(*cc.choiceList(makeRequest(80, 0))),
              (std::vector<std::string>{"Dermatomes - Back View", "Dermatomes - Front View",
                                        "Dermatomes - Motor Levels", "Assessment",
                                        "Plan/Treatment Options", "Referral/References"}));
    cc.handleRequest(makeRequest(5, 3));
    cc.buildPage(0);
    EXPECT_EQ(labels(*cc.choiceList(makeRequest(80, 0))),
              (std::vector<std::string>{"Normal Anatomy", "Salter-Harris I"}));
}

TEST_F(ClinicalConsultTest, NoTopicNoPage) {
    Session session(dir.path());
    ClinicalConsult cc(session.context, makeRequest(48, 1, 1));
    EXPECT_EQ(cc.currentCategory(), 1);
    EXPECT_EQ(cc.buildPage(0), nullptr);
    cc.handleRequest(makeRequest(48, 0));
    EXPECT_EQ(cc.currentCategory(), 0);
    cc.handleRequest(makeRequest(48, 99));  // beyond the table: no category
    EXPECT_EQ(cc.currentCategory(), 0);
}

TEST_F(ClinicalConsultTest, ListPositionsFollowTheChoices) {
    Session session(dir.path());
    ClinicalConsult cc(session.context, makeRequest(5, 0));
    cc.choiceList(makeRequest(5, 0));
    cc.handleRequest(makeRequest(70, 1));  // category entry 1 chosen in the list
    EXPECT_EQ(session.context.listPosition(), 0);
    cc.handleRequest(makeRequest(70, 1));  // now topic entry 1
    InputField* topics = cc.choiceList(makeRequest(48, 2, 1));
    EXPECT_EQ(topics->unit, 1);
    EXPECT_EQ(session.context.listPosition(), 1);
}

TEST(ClinicalConsultMissingTest, WithoutTheTopicTableItIsNotAvailable) {
    ContentDir dir;
    Session session(dir.path());
    ModuleRef handle = session.context.moduleFor(makeRequest(5, 0));
    ASSERT_NE(handle, nullptr);
    EXPECT_FALSE(handle->ready());
    EXPECT_FALSE(handle->isAvailable());
}

// ---- The sample content ----

TEST(SampleContentTest, TheMenusReadTheSampleDatabases) {
    Session session(test_support::sampleContentDir());
    CalculatorsMenu menu(session.context, makeRequest(59, 0));
    InputField* calculators = menu.choiceList(makeRequest(59, 0));
    ASSERT_EQ(calculators->entries.count(), 40);
    EXPECT_EQ(calculators->entries[0].label().str(), "A-a Gradient");
    EXPECT_EQ(calculators->entries[39].request(), makeRequest(4, 40));

    AzIndex index(session.context, makeRequest(53, 0));
    InputField* list = index.choiceList(makeRequest(53, 0));
    const int32_t count = static_cast<int32_t>(list->max);
    ASSERT_GT(count, 20);
    // Every module family has an entry, and the entries are in alphabetical order.
    std::vector<int32_t> codes;
    std::string previous;
    for (int32_t i = 0; i < count; ++i) {
        const MenuItem item = index.choiceList(makeRequest(33, i, 1))->entries[0];
        codes.push_back(moduleCode(item.request()));
        std::string label = item.label().str();
        for (char& c : label) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_LE(previous, label);
        previous = label;
    }
    for (const int32_t family : {1,  2,  3,  4,  5,  6,  7,  8,  10, 11, 12, 13, 14, 17,
                                 22, 23, 24, 26, 27, 30, 32, 37, 39, 43, 49, 53, 59}) {
        EXPECT_NE(std::find(codes.begin(), codes.end(), family), codes.end()) << family;
    }

    ClinicalConsult cc(session.context, makeRequest(5, 0));
    EXPECT_TRUE(cc.isAvailable());
    EXPECT_GE(cc.choiceList(makeRequest(5, 0))->entries.count(), 3);

    DocumentList doc(session.context, makeRequest(43, 0));
    EXPECT_FALSE(doc.title().empty());
    EXPECT_NE(std::string(doc.buildPage(0)).find("SAMPLE DATA"), std::string::npos);
}

}  // namespace
}  // namespace orvane
