// The toxicology module: the top page, the two lists with their values, ingestion pages as
// stored, antidote pages filled or computed for the weight, and the values it must ignore.
#include "dosing/toxicology/toxicology_module.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/toxicology_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::ToxicologyContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::setAdultWeight;

struct Fixture {
    Fixture() : session((dir.writeIngestions(), dir.writeAntidotes(), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

// Decimal requests as the page writes them: (24, 0) and (46, 0).
constexpr const char* kIngestionsLink =
    "<A HREF=\"402653184\"><IMG src=\"folder\">&nbsp;<B><U>Toxic Ingestions & "
    "Poisons</U></B></A><BR>";
constexpr const char* kAntidotesLink =
    "<A HREF=\"771751936\"><IMG src=\"folder\">&nbsp;<B><U>Antidotes</U></B></A><BR>";

TEST(ToxicologyModuleTest, TopPage) {
    Fixture f;
    ToxicologyModule module(f.context(), makeRequest(57, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "Toxicology");
    EXPECT_EQ(module.caption().str(), "");
    EXPECT_EQ(pageText(module.buildPage(0)),
              std::string("<IMG src=\"poison\"><BR><BR>") + kIngestionsLink + kAntidotesLink);
    EXPECT_EQ(module.caption().str(), "National Poison Control");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 0);
}

TEST(ToxicologyModuleTest, SectionList) {
    Fixture f;
    ToxicologyModule module(f.context(), makeRequest(57, 0));
    InputField* sections = module.choiceList(makeRequest(57, 0));
    ASSERT_NE(sections, nullptr);
    EXPECT_EQ(sections->label.str(), "Select Section :");
    ASSERT_EQ(sections->entries.count(), 3);
    const struct {
        const char* label;
        Request request;
    } expected[] = {
        {"National Poison Control", makeRequest(24, 1)},
        {"Toxic Ingestions & Poisons", makeRequest(24, 0)},
        {"Antidotes", makeRequest(46, 0)},
    };
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(sections->entries[i].label().str(), expected[i].label);
        EXPECT_EQ(sections->entries[i].request(), expected[i].request);
    }
    EXPECT_EQ(sections->unit, -1);
    EXPECT_EQ(f.context().listPosition(), -1);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
}

TEST(ToxicologyModuleTest, PoisonControlIsIngestionRecordZero) {
    Fixture f;
    ToxicologyModule module(f.context(), makeRequest(24, 1));
    EXPECT_EQ(pageText(module.buildPage(0)), "Call the centre.");
    EXPECT_EQ(module.caption().str(), "Poison Control");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 0);
}

TEST(ToxicologyModuleTest, IngestionListStartsAtValueTwo) {
    Fixture f;
    ToxicologyModule module(f.context(), makeRequest(24, 0));
    InputField* list = module.choiceList(makeRequest(24, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Item:");
    ASSERT_EQ(list->entries.count(), 3);  // records 1 to 3
    EXPECT_EQ(list->entries[0].label().str(), "Acetaminophen");
    EXPECT_EQ(list->entries[0].request(), makeRequest(24, 2));
    EXPECT_EQ(list->entries[2].label().str(), "Cut");  // the name of the damaged record
    EXPECT_EQ(list->entries[2].request(), makeRequest(24, 4));

    module.handleRequest(makeRequest(24, 3));
    EXPECT_EQ(module.choiceList(makeRequest(24, 0))->unit, 1);  // item − 2
    EXPECT_EQ(f.context().listPosition(), 1);
    // Shown as stored: the dose template is not filled.
    setAdultWeight(f.context(), 20);
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(page.starts_with("Iron ")) << page;
    EXPECT_FALSE(contains(page, "<B>2</B>")) << page;
    EXPECT_EQ(module.caption().str(), "Iron");
    // The record cut short: its name, and an empty page.
    module.handleRequest(makeRequest(24, 4));
    EXPECT_EQ(pageText(module.buildPage(0)), "");
    EXPECT_EQ(module.caption().str(), "Cut");
}

TEST(ToxicologyModuleTest, AntidoteListAndPages) {
    Fixture f;
    setAdultWeight(f.context(), 10);
    ToxicologyModule module(f.context(), makeRequest(46, 0));
    // Made without an antidote: the top page; the antidote section without one: no page.
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "poison"));
    module.handleRequest(makeRequest(46, 0));
    EXPECT_EQ(module.buildPage(0), nullptr);
    InputField* list = module.choiceList(makeRequest(46, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Item :");
    ASSERT_EQ(list->entries.count(), 6);
    EXPECT_EQ(list->entries[0].request(), makeRequest(46, 1));
    EXPECT_EQ(list->entries[3].label().str(), "Naloxone");
    EXPECT_EQ(list->unit, -1);

    // Dopamine at 10 kg: 10 × 0.09375 = 0.9375 → 0.9 mL/hr.
    module.handleRequest(makeRequest(46, 2));
    std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(page.starts_with("Infusion (1600 mcg/mL):<BR>2.5 mcg/kg/min = <B>0.9</B>")) << page;
    EXPECT_EQ(module.caption().str(), "Dopamine");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    EXPECT_EQ(module.choiceList(makeRequest(46, 0))->unit, 1);

    // A document antidote: 0.1 mg/kg × 10 = 1 mg; × 30 = 3 mg, capped at 2 mg.
    module.handleRequest(makeRequest(46, 4));
    EXPECT_EQ(pageText(module.buildPage(0)), "Dose <B>1</B>&nbsp;mg");
    setAdultWeight(f.context(), 30);
    EXPECT_EQ(pageText(module.buildPage(0)), "Dose <B>2</B>&nbsp;mg [Max dose]");

    // A code is compared as a whole text; a record with only a fixed code still computes.
    module.handleRequest(makeRequest(46, 5));
    EXPECT_EQ(pageText(module.buildPage(0)), "Own document");
    module.handleRequest(makeRequest(46, 6));
    page = pageText(module.buildPage(0));
    // Epinephrine at 30 kg: 0.6 × 30 = 18 mL/hr.
    EXPECT_TRUE(page.starts_with("Infusion (10 mcg/mL):<BR>0.1 mcg/kg/min = <B>18</B>")) << page;
    EXPECT_EQ(module.caption().str(), "");
}

TEST(ToxicologyModuleTest, RequestsMoveBetweenSections) {
    Fixture f;
    ToxicologyModule module(f.context(), makeRequest(46, 1));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "Calculated Result:"));
    // (33, a, 1) chooses a section with no item.
    module.handleRequest(makeRequest(33, 1, 1));
    EXPECT_EQ(module.buildPage(0), nullptr);
    module.handleRequest(makeRequest(24, 2));
    EXPECT_EQ(pageText(module.buildPage(0)), "Acetaminophen text.");
    module.handleRequest(makeRequest(57, 0));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "poison"));
    module.handleRequest(makeRequest(24, 2));
    module.handleRequest(makeRequest(33, 0, 1));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "poison"));
}

TEST(ToxicologyModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    setAdultWeight(f.context(), 10);
    // At creation: an item past the table opens the top page.
    for (Request request : {makeRequest(24, 5), makeRequest(46, 7), makeRequest(46, 0xFFFF)}) {
        ToxicologyModule fresh(f.context(), request);
        EXPECT_TRUE(contains(pageText(fresh.buildPage(0)), "poison")) << request;
    }
    ToxicologyModule module(f.context(), makeRequest(46, 2));
    const std::string before = pageText(module.buildPage(0));
    for (Request request :
         {makeRequest(46, 7), makeRequest(24, 5), makeRequest(24, 0xFFFF), makeRequest(33, 3, 1),
          makeRequest(33, 0xFFFF, 1), makeRequest(26, 1), makeRequest(33, 1, 2)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(pageText(module.buildPage(0)), before) << request;
        EXPECT_EQ(module.caption().str(), "Dopamine");
    }
}

TEST(ToxicologyModuleTest, MissingTables) {
    ContentDir empty;
    Session session(empty.path());
    ToxicologyModule module(session.context, makeRequest(24, 1));
    EXPECT_FALSE(module.isAvailable());
    EXPECT_EQ(module.choiceList(makeRequest(24, 0))->entries.count(), 0);
    EXPECT_EQ(module.choiceList(makeRequest(46, 0))->entries.count(), 0);
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "poison"));
}

}  // namespace
}  // namespace orvane
