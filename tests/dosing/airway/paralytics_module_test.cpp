// The paralytics list: its drug and section lists, the information and dosing pages, the
// paralytic pages other modules draw, and the values it must ignore.
#include "dosing/airway/paralytics_module.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/airway_content.h"

namespace orvane {
namespace {

using test_support::contains;
using ContentDir = test_support::AirwayContentDir;
using test_support::pageText;
using Session = test_support::ContentSession;
using test_support::setAdultWeight;

struct Fixture {
    explicit Fixture(int extra = 0) : session((dir.writeParalytics(extra), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(ParalyticsModuleTest, ListsAndStartsWithNoDrug) {
    Fixture f;
    ParalyticsModule module(f.context(), makeRequest(37, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "Paralytics");
    EXPECT_EQ(module.caption().str(), "Select a Paralytic :");
    EXPECT_EQ(module.buildPage(0), nullptr);
    InputField* drugs = module.choiceList(makeRequest(37, 0));
    ASSERT_NE(drugs, nullptr);
    EXPECT_EQ(drugs->label.str(), "Select a Paralytic :");
    EXPECT_EQ(drugs->unit, -1);
    ASSERT_EQ(drugs->entries.count(), 8);
    EXPECT_EQ(drugs->entries[6].label().str(), "Succinylcholine");
    EXPECT_EQ(drugs->entries[6].request(), makeRequest(37, 7));
    InputField* sections = module.choiceList(makeRequest(80, 0));
    ASSERT_NE(sections, nullptr);
    EXPECT_EQ(sections->label.str(), "Info");
    ASSERT_EQ(sections->entries.count(), 2);
    EXPECT_EQ(sections->entries[0].label().str(), "Information");
    EXPECT_EQ(sections->entries[1].request(), makeRequest(50, 1));
}

TEST(ParalyticsModuleTest, InformationThenDosing) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    ParalyticsModule module(f.context(), makeRequest(37, 1));
    EXPECT_EQ(module.caption().str(), "Atracurium");
    EXPECT_EQ(module.choiceList(makeRequest(37, 0))->unit, 0);
    EXPECT_EQ(pageText(module.buildPage(0)), "Info of Atracurium");
    EXPECT_EQ(f.context().pageBuilder().hideChoiceList, 1);
    EXPECT_EQ(f.context().pageBuilder().weightInput, 0);

    module.handleRequest(makeRequest(50, 1));
    EXPECT_EQ(module.choiceList(makeRequest(80, 0))->label.str(), "Dosing Calculator");
    EXPECT_EQ(module.choiceList(makeRequest(80, 0))->unit, 1);
    // 0.1 mg/kg × 20 kg = 2 mg, under the 4 mg maximum.
    EXPECT_EQ(pageText(module.buildPage(0)), "Dose <B>2</B>&nbsp;mg");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    setAdultWeight(f.context(), 50);  // 5 mg is above the maximum
    EXPECT_EQ(pageText(module.buildPage(0)), "Dose <B>4</B>&nbsp;mg [Max dose]");

    // Another drug keeps the section; 70 and (37, 0) go back to the information.
    module.handleRequest(makeRequest(37, 8));
    EXPECT_EQ(module.caption().str(), "Vecuronium");
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "Dose <B>4</B>"));
    module.handleRequest(makeRequest(70, 0));
    EXPECT_EQ(pageText(module.buildPage(0)), "Info of Vecuronium");
    module.handleRequest(makeRequest(50, 1));
    module.handleRequest(makeRequest(37, 0));
    EXPECT_EQ(module.buildPage(0), nullptr);
    module.handleRequest(makeRequest(37, 2));
    EXPECT_EQ(pageText(module.buildPage(0)), "Info of Cisatracurium");
}

TEST(ParalyticsModuleTest, SuccinylcholineDosingPage) {
    Fixture f;
    setAdultWeight(f.context(), 20);
    ParalyticsModule module(f.context(), makeRequest(37, 7));
    module.handleRequest(makeRequest(50, 1));
    const std::string page = pageText(module.buildPage(0));
    // 1 mg/kg × 20 = 20 mg in 1 mL; 2 mg/kg = 40 mg in 2 mL; atropine 0.02 × 20 = 0.4 mg;
    // the document unfilled; the blue band of the equipment table.
    EXPECT_TRUE(contains(page, "1 mg/kg = 20 mg.<BR>[1 mL of 20 mg/mL soln]")) << page;
    EXPECT_TRUE(contains(page, "2 mg/kg = 40 mg.<BR>[2 mL of 20 mg/mL soln]")) << page;
    EXPECT_TRUE(contains(page, "0.02 mg/kg = 0.4 mg, IV/IO")) << page;
    EXPECT_TRUE(contains(page, "(Blue)")) << page;
    EXPECT_FALSE(contains(page, "Dose <B>")) << page;
}

TEST(ParalyticsModuleTest, PagesForOtherModules) {
    Fixture f;
    ParalyticsModule module(f.context(), makeRequest(37, 0));
    SharedString out = "Before ";
    SharedString information = "old";
    // Page 0 for 30 kg: 0.1 × 30 = 3 mg; the templates of the whole text are filled.
    module.appendPage(0, 30, out, information, {});
    EXPECT_EQ(information.str(), "Info of Atracurium");
    EXPECT_TRUE(contains(out.str(), "Before Dose <B>3</B>")) << out.str();

    SharedString succinylcholine;
    module.appendPage(ParalyticsModule::kSuccinylcholinePage, 30, succinylcholine, information,
                      {.atropine = true, .equipment = false});
    EXPECT_EQ(information.str(), "Info of Succinylcholine");
    // 30 mg in 1.5 mL; 60 mg in 3 mL; atropine 0.6 mg is above its maximum; no equipment.
    EXPECT_TRUE(contains(succinylcholine.str(), "1 mg/kg = 30 mg.<BR>[1.5 mL"));
    EXPECT_TRUE(contains(succinylcholine.str(), "2 mg/kg = 60 mg.<BR>[3 mL"));
    EXPECT_TRUE(contains(succinylcholine.str(), "0.4 mg, IV/IO (Max dose)"));
    EXPECT_FALSE(contains(succinylcholine.str(), "ETT"));

    for (int32_t page : {-1, 8, 100}) {
        SharedString none = "kept";
        module.appendPage(page, 30, none, information, {});
        EXPECT_EQ(none.str(), "kept") << page;
        EXPECT_EQ(information.str(), "") << page;
    }
}

TEST(ParalyticsModuleTest, ValuesOutsideTheListsAreIgnored) {
    Fixture f;
    ParalyticsModule fresh(f.context(), makeRequest(37, 99));
    EXPECT_EQ(fresh.buildPage(0), nullptr);
    EXPECT_EQ(fresh.caption().str(), "Select a Paralytic :");

    ParalyticsModule module(f.context(), makeRequest(37, 3));
    module.handleRequest(makeRequest(50, 1));
    for (Request request : {makeRequest(37, 9), makeRequest(37, 0xFFFF), makeRequest(50, 2),
                            makeRequest(50, 0xFFFF), makeRequest(12, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(module.caption().str(), "Doxacurium");
        EXPECT_EQ(module.choiceList(makeRequest(80, 0))->label.str(), "Dosing Calculator");
    }
}

TEST(ParalyticsModuleTest, DrugsAfterTheEighthGiveAnEmptyDosingPage) {
    Fixture f(1);
    ParalyticsModule module(f.context(), makeRequest(37, 9));
    EXPECT_EQ(module.caption().str(), "Extra");
    EXPECT_EQ(pageText(module.buildPage(0)), "Info of Extra");
    module.handleRequest(makeRequest(50, 1));
    EXPECT_EQ(pageText(module.buildPage(0)), "");
}

TEST(ParalyticsModuleTest, MissingOrDamagedTable) {
    ContentDir empty;
    Session missing(empty.path());
    ParalyticsModule none(missing.context, makeRequest(37, 1));
    EXPECT_TRUE(none.isAvailable());
    EXPECT_EQ(none.choiceList(makeRequest(37, 0))->entries.count(), 0);
    EXPECT_EQ(none.buildPage(0), nullptr);

    ContentDir damaged;
    damaged.writeDamagedParalytics();
    Session session(damaged.path());
    ParalyticsModule module(session.context, makeRequest(37, 2));
    EXPECT_EQ(module.caption().str(), "Cis");
    EXPECT_EQ(pageText(module.buildPage(0)), "");
    module.handleRequest(makeRequest(50, 1));
    EXPECT_EQ(pageText(module.buildPage(0)), "");
}

}  // namespace
}  // namespace orvane
