// The burn area calculator: age bands load their surfaces (the Right member of a pair repeating
// the Left), extents are chosen region by region and the summary shows the total.
#include "calculators/burn_area.h"

#include <gtest/gtest.h>

#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.starts_with(prefix);
}

using ContentDir = test_support::PediatricContentDir;
using Fixture = test_support::PediatricFixture;
using test_support::kBurnBand1;
using test_support::kBurnBand2;
using test_support::pageText;
using Session = test_support::ContentSession;

Request choose(int32_t k, int32_t list) {
    return makeRequest(33, k, list);
}

TEST(BurnAreaTest, StartsWithTheAgeLinks) {
    Fixture f;
    BurnArea burn(f.context(), makeRequest(4, 8));
    EXPECT_EQ(burn.title().str(), "Calculators");
    EXPECT_EQ(burn.caption().str(), "% BSA Burn Calculator");
    const std::string page = pageText(burn.buildPage(0));
    // (33, 1, 1) = 33 × 2^24 + 2^16 + 1 = 553713665
    EXPECT_PRED2(startsWith, page,
                 "<STRONG>Select Age : </STRONG><BR><A HREF=\"553713665\"><IMG src=\"drug\">&nbsp;"
                 "< 1 year</A><BR>");
    InputField* ages = burn.choiceList(choose(0, 1));
    ASSERT_NE(ages, nullptr);
    EXPECT_EQ(ages->label.str(), "Select Age");
    EXPECT_EQ(ages->entries.count(), 5);
    EXPECT_EQ(burn.choiceList(makeRequest(80, 0)), nullptr);
}

TEST(BurnAreaTest, AgeLoadsTheSurfacesWithPairsRepeated) {
    Fixture f;
    BurnArea burn(f.context(), makeRequest(4, 8));
    burn.handleRequest(choose(1, 1));
    EXPECT_FLOAT_EQ(burn.surfaceFraction(1), kBurnBand1[0]);
    EXPECT_FLOAT_EQ(burn.surfaceFraction(3), kBurnBand1[2]);   // back
    EXPECT_FLOAT_EQ(burn.surfaceFraction(4), kBurnBand1[3]);   // shoulder to elbow, left
    EXPECT_FLOAT_EQ(burn.surfaceFraction(5), kBurnBand1[3]);   // and right
    EXPECT_FLOAT_EQ(burn.surfaceFraction(12), kBurnBand1[7]);  // genitalia
    EXPECT_FLOAT_EQ(burn.surfaceFraction(20), kBurnBand1[11]);
    burn.handleRequest(choose(2, 1));
    EXPECT_FLOAT_EQ(burn.surfaceFraction(3), kBurnBand2[2]);
}

TEST(BurnAreaTest, ExtentOfTheBackThenTheTotal) {
    Fixture f;
    BurnArea burn(f.context(), makeRequest(4, 8));
    burn.handleRequest(choose(1, 1));
    burn.handleRequest(choose(3, 2));  // the back
    EXPECT_EQ(burn.caption().str(), "Back");
    const std::string list = pageText(burn.buildPage(0));
    // entry 1 "0 %" (33, 1, 3) = 553844737; entry 4 (33, 4, 3) "10-15% of entire Back"
    EXPECT_PRED2(startsWith, list, "<A HREF=\"553844737\"><IMG src=\"drug\">&nbsp;0 %</A><BR>");
    EXPECT_NE(list.find("<A HREF=\"553844740\"><IMG src=\"drug\">&nbsp;10-15% of entire Back</A>"),
              std::string::npos);
    InputField* extents = burn.choiceList(choose(0, 3));
    ASSERT_NE(extents, nullptr);
    EXPECT_EQ(extents->entries.count(), 21);

    burn.handleRequest(choose(4, 3));  // 10-15 %
    EXPECT_EQ(burn.extent(3), 3);
    EXPECT_EQ(burn.region(), 0);  // back to the summary
    const std::string summary = pageText(burn.buildPage(0));
    // 12.5 % of 0.16 = 0.02 of the body
    EXPECT_EQ(burn.caption().str(), "Calculated % BSA Burned = 2");
    EXPECT_NE(summary.find("Back&nbsp;:&nbsp;&nbsp;<A HREF=\"553779203\"><B><U>10-15</U></B></A>"
                           "<BR>"),
              std::string::npos);
    EXPECT_NE(summary.find("<STRONG>Age : </STRONG><A HREF=\"553713664\"><U>< 1 year</U></A>"),
              std::string::npos);
    EXPECT_NE(summary.find("<A HREF=\"553779200\"><B><U>Reset All</U></B></A>"), std::string::npos);

    // Right hand 95-100 %: 97.5 % of 0.025 = 0.024375; total 4.4375 % → 4.4
    burn.handleRequest(choose(9, 2));
    burn.handleRequest(choose(21, 3));
    burn.buildPage(0);
    EXPECT_EQ(burn.caption().str(), "Calculated % BSA Burned = 4.4");

    // "0 %" sets an extent back to none
    burn.handleRequest(choose(9, 2));
    burn.handleRequest(choose(1, 3));
    burn.buildPage(0);
    EXPECT_EQ(burn.extent(9), 0);
    EXPECT_EQ(burn.caption().str(), "Calculated % BSA Burned = 2");
}

TEST(BurnAreaTest, ResetAllKeepsTheAgeAndAnotherAgeClearsTheExtents) {
    Fixture f;
    BurnArea burn(f.context(), makeRequest(4, 8));
    burn.handleRequest(choose(1, 1));
    burn.handleRequest(choose(1, 2));
    burn.handleRequest(choose(5, 3));
    burn.handleRequest(choose(0, 2));  // Reset All
    EXPECT_EQ(burn.age(), 1);
    EXPECT_EQ(burn.extent(1), 0);
    burn.buildPage(0);
    EXPECT_EQ(burn.caption().str(), "Calculated % BSA Burned = 0");

    burn.handleRequest(choose(1, 2));
    burn.handleRequest(choose(5, 3));
    burn.handleRequest(choose(2, 1));
    EXPECT_EQ(burn.extent(1), 0);
    EXPECT_EQ(burn.region(), 0);
}

TEST(BurnAreaTest, RequestsOutsideTheListsAreIgnored) {
    Fixture f;
    BurnArea burn(f.context(), makeRequest(4, 8));
    burn.handleRequest(choose(4, 3));  // no region chosen: nothing to set
    burn.handleRequest(choose(9, 1));
    EXPECT_EQ(burn.age(), 0);
    burn.handleRequest(choose(1, 1));
    burn.handleRequest(choose(21, 2));
    EXPECT_EQ(burn.region(), 0);
    burn.handleRequest(choose(2, 2));
    burn.handleRequest(choose(22, 3));
    EXPECT_EQ(burn.extent(2), 0);
}

TEST(BurnAreaTest, MissingTableGivesZeroSurfaces) {
    ContentDir dir;
    dir.writeCalculatorTable();
    Session session(dir.path());
    BurnArea burn(session.context, makeRequest(4, 8));
    burn.handleRequest(choose(1, 1));
    burn.handleRequest(choose(3, 2));
    burn.handleRequest(choose(21, 3));
    burn.buildPage(0);
    EXPECT_EQ(burn.caption().str(), "Calculated % BSA Burned = 0");
}

}  // namespace
}  // namespace orvane
