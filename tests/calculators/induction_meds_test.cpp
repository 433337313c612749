// Induction Meds: the drug list from database 39 and each drug's document with its dose templates
// filled for the current weight.
#include "calculators/induction_meds.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

using ContentDir = test_support::PediatricContentDir;
using Fixture = test_support::PediatricFixture;
using test_support::pageText;
using Session = test_support::ContentSession;

TEST(InductionMedsTest, ListsTheDrugs) {
    Fixture f;
    InductionMeds meds(f.context(), makeRequest(39, 0));
    EXPECT_EQ(meds.title().str(), "Induction Meds");
    EXPECT_EQ(meds.caption().str(), "");
    EXPECT_EQ(meds.buildPage(0), nullptr);
    EXPECT_EQ(meds.choiceList(makeRequest(80, 0)), nullptr);
    InputField* list = meds.choiceList(makeRequest(39, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Induction Drug :");
    ASSERT_EQ(list->entries.count(), 2);
    EXPECT_EQ(list->entries[1].label().str(), "Drug Two");
    EXPECT_EQ(list->entries[1].request(), makeRequest(39, 2));
}

TEST(InductionMedsTest, DocumentFilledForTheWeight) {
    Fixture f;
    f.context().adultWeight().value = 20;
    f.context().adultWeight().unit = unit::kKilograms;
    f.context().setCurrentWeight(1);
    InductionMeds meds(f.context(), makeRequest(39, 1));
    EXPECT_EQ(meds.caption().str(), "Drug One");
    // 0.1 mg/kg × 20 kg = 2 mg, below the maximum of 4
    EXPECT_EQ(pageText(meds.buildPage(0)), "Dose <B>2</B>&nbsp;mg<BR>End");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    f.context().adultWeight().value = 50;  // 5 mg is above the maximum
    EXPECT_EQ(pageText(meds.buildPage(0)), "Dose <B>4</B>&nbsp;mg [Max dose]<BR>End");
    meds.handleRequest(makeRequest(39, 2));
    EXPECT_EQ(meds.caption().str(), "Drug Two");
    EXPECT_EQ(pageText(meds.buildPage(0)), "Range <B>50</B>&nbsp;-&nbsp;<B>100</B>&nbsp;mg");
}

TEST(InductionMedsTest, MissingTableGivesAnEmptyListAndDocument) {
    ContentDir dir;
    Session session(dir.path());
    InductionMeds meds(session.context, makeRequest(39, 1));
    EXPECT_TRUE(meds.isAvailable());
    EXPECT_EQ(meds.choiceList(makeRequest(39, 0))->entries.count(), 0);
    EXPECT_EQ(pageText(meds.buildPage(0)), "");
}

}  // namespace
}  // namespace orvane
