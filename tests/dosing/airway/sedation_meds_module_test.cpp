// The sedation list: its drug list, the computed pages chosen by code, the documents filled for
// the weight, and the values it must ignore.
#include "dosing/airway/sedation_meds_module.h"

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
    Fixture() : session((dir.writeSedatives(), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

TEST(SedationMedsModuleTest, ListsAndStartsWithNoDrug) {
    Fixture f;
    SedationMedsModule module(f.context(), makeRequest(23, 0));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.title().str(), "Sedation Meds");
    EXPECT_EQ(module.caption().str(), "Select a Sedative");
    EXPECT_EQ(module.buildPage(0), nullptr);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0)), nullptr);
    InputField* drugs = module.choiceList(makeRequest(23, 0));
    ASSERT_NE(drugs, nullptr);
    EXPECT_EQ(drugs->label.str(), "Select a Sedative :");
    ASSERT_EQ(drugs->entries.count(), 7);
    EXPECT_EQ(drugs->entries[3].label().str(), "Midazolam Oral");
    EXPECT_EQ(drugs->entries[3].request(), makeRequest(23, 4));
}

TEST(SedationMedsModuleTest, CreatingWithADrugDrawsItsPageButKeepsTheCaption) {
    Fixture f;
    setAdultWeight(f.context(), 30);
    SedationMedsModule module(f.context(), makeRequest(23, 1));
    EXPECT_EQ(module.caption().str(), "Select a Sedative");
    EXPECT_EQ(module.choiceList(makeRequest(23, 0))->unit, 0);
    // Flumazenil at 30 kg: both ends capped at 0.2 mg.
    const std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "Conc: 0.1 mg/mL")) << page;
    EXPECT_TRUE(contains(page, "0.2 mg/dose (2 mL) [Max Dose]")) << page;
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
}

TEST(SedationMedsModuleTest, PagesByCode) {
    Fixture f;
    setAdultWeight(f.context(), 40);
    SedationMedsModule module(f.context(), makeRequest(23, 0));
    module.handleRequest(makeRequest(23, 4));
    EXPECT_EQ(module.caption().str(), "Midazolam Oral");
    // 0.5 mg/kg × 40 = 20 mg, the cap, in 10 mL.
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "0.5 mg/kg = 20 mg (10 mL) [Max Dose]"));

    module.handleRequest(makeRequest(23, 5));
    // 0.1 mg/kg × 40 = 4 mg, the document's maximum.
    EXPECT_EQ(pageText(module.buildPage(0)), "Dose <B>4</B>&nbsp;mg [Max dose]");
    setAdultWeight(f.context(), 20);
    EXPECT_EQ(pageText(module.buildPage(0)), "Dose <B>2</B>&nbsp;mg");

    // A code is compared as a whole text.
    module.handleRequest(makeRequest(23, 6));
    EXPECT_EQ(pageText(module.buildPage(0)), "Own document");

    // A record with nothing but a fixed code still gives its computed page (ketamine IM,
    // 3 mg/kg × 20 = 60 mg; the page conversion writes the second space as &nbsp;).
    module.handleRequest(makeRequest(23, 7));
    EXPECT_TRUE(contains(pageText(module.buildPage(0)), "3 mg/kg = <B>60</B> mg"));

    module.handleRequest(makeRequest(23, 0));
    EXPECT_EQ(module.buildPage(0), nullptr);
}

TEST(SedationMedsModuleTest, ValuesOutsideTheListAreIgnored) {
    Fixture f;
    SedationMedsModule fresh(f.context(), makeRequest(23, 8));
    EXPECT_EQ(fresh.buildPage(0), nullptr);

    setAdultWeight(f.context(), 10);
    SedationMedsModule module(f.context(), makeRequest(23, 0));
    module.handleRequest(makeRequest(23, 3));
    const std::string before = pageText(module.buildPage(0));
    for (Request request : {makeRequest(23, 8), makeRequest(23, 0xFFFF), makeRequest(37, 1)}) {
        EXPECT_TRUE(module.handleRequest(request));
        EXPECT_EQ(module.caption().str(), "Ketamine IV");
        EXPECT_EQ(pageText(module.buildPage(0)), before);
    }
}

TEST(SedationMedsModuleTest, MissingTable) {
    ContentDir empty;
    Session session(empty.path());
    SedationMedsModule module(session.context, makeRequest(23, 1));
    EXPECT_TRUE(module.isAvailable());
    EXPECT_EQ(module.choiceList(makeRequest(23, 0))->entries.count(), 0);
    EXPECT_EQ(module.buildPage(0), nullptr);
}

}  // namespace
}  // namespace orvane
