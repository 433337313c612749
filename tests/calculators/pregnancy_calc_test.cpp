// The pregnancy calculator on a fixed today (15 March 2024): its form, the three modes driven as
// the calculator screen drives them (a picked date or list entry stored in the field, then
// (70, i)), the derived dates written back into the form, and the page flags.
#include "calculators/pregnancy_calc.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

using Fixture = test_support::PediatricFixture;
using test_support::pageText;

class PregnancyCalcTest : public ::testing::Test {
  protected:
    PregnancyCalcTest() {
        f_.context().setToday(CivilDate{2024, 3, 15});
        calc_ = std::make_unique<PregnancyCalc>(f_.context(), makeRequest(4, 29));
    }
    // The calendar picked a day for date input i (0 LMP, 3 due date).
    void pick(int32_t i, int32_t year, int32_t month, int32_t day) {
        InputField& field = calc_->inputs()[i];
        field.unit = static_cast<int16_t>(day);
        field.decimals = month;
        field.fraction = static_cast<int16_t>(year);
        calc_->handleRequest(makeRequest(70, i));
    }
    // A list entry (index from 0) chosen for input i (1 weeks, 2 days).
    void choose(int32_t i, int16_t index) {
        InputField& field = calc_->inputs()[i];
        field.unit = index;
        field.value = index;
        calc_->handleRequest(makeRequest(70, i));
    }
    std::string page() { return pageText(calc_->buildPage(0)); }
    InputField& input(int i) { return calc_->inputs()[i]; }

    Fixture f_;
    std::unique_ptr<PregnancyCalc> calc_;
};

TEST_F(PregnancyCalcTest, FormStartsWithTodayAndNothingChosen) {
    ASSERT_EQ(calc_->inputs().count(), 4);
    EXPECT_EQ(input(0).label.str(), "1st day LMP:");
    EXPECT_EQ(input(0).kind, makeRequest(84, 1));
    EXPECT_EQ(input(0).text.str(), "3/15/2024");
    EXPECT_EQ(input(1).kind, makeRequest(52, 1));
    ASSERT_EQ(input(1).entries.count(), 45);
    EXPECT_EQ(input(1).entries[44].label().str(), "44");
    EXPECT_EQ(input(1).entries[44].request(), makeRequest(33, 45, 2));
    EXPECT_EQ(input(1).unit, -1);
    EXPECT_EQ(input(2).kind, makeRequest(86, 1));
    ASSERT_EQ(input(2).entries.count(), 7);
    EXPECT_EQ(input(2).entries[6].request(), makeRequest(33, 7, 3));
    EXPECT_EQ(input(3).label.str(), "Due Date:");
    EXPECT_EQ(input(3).kind, makeRequest(84, 2));
    EXPECT_EQ(page(), "");
    EXPECT_EQ(f_.context().pageBuilder().showImage, 0);
    EXPECT_EQ(f_.context().pageBuilder().showInputs, 0);
    InputField* modes = calc_->choiceList(makeRequest(33, 0, 1));
    ASSERT_NE(modes, nullptr);
    EXPECT_EQ(modes->entries[2].label().str(), "Due Date");
}

TEST_F(PregnancyCalcTest, FromTheLmp) {
    calc_->handleRequest(makeRequest(33, 1, 1));
    EXPECT_EQ(calc_->caption().str(), "Select 1st day LMP");
    EXPECT_EQ(input(0).text.str(), "1st day LMP");
    EXPECT_EQ(page(), "");  // no day picked yet
    EXPECT_EQ(f_.context().pageBuilder().showImage, 1);
    pick(0, 2024, 3, 1);
    const std::string text = page();
    EXPECT_EQ(text,
              "<STRONG>Todays Date</STRONG>:&nbsp;&nbsp;3/15/2024<BR><STRONG>First day LMP"
              "</STRONG>:&nbsp;&nbsp;3/1/2024<BR><STRONG>Currently:</STRONG>&nbsp;&nbsp;2&nbsp;"
              "wks&nbsp;pregnant<BR><STRONG>Due Date</STRONG>:&nbsp;&nbsp;12/6/2024<BR><STRONG>"
              "Expected B-HCG</STRONG>:&nbsp;&lt;5");
    EXPECT_EQ(calc_->caption().str(), "Pregnancy Calculator");
    // The derived values go back into the form
    EXPECT_EQ(input(3).text.str(), "12/6/2024");
    EXPECT_EQ(input(3).unit, 6);
    EXPECT_EQ(input(3).decimals, 12);
    EXPECT_EQ(input(3).fraction, 2024);
    EXPECT_EQ(input(1).unit, 2);
    EXPECT_EQ(input(1).text.str(), "2");
    EXPECT_EQ(input(2).unit, 0);
}

TEST_F(PregnancyCalcTest, FromTheWeeksPregnant) {
    calc_->handleRequest(makeRequest(33, 2, 1));
    EXPECT_EQ(calc_->caption().str(), "Weeks Pregnant");
    choose(1, 10);
    EXPECT_EQ(page(), "");  // the days are not chosen yet
    choose(2, 3);
    EXPECT_EQ(page(),
              "<STRONG>Todays Date</STRONG>:&nbsp;&nbsp;3/15/2024<BR><STRONG>First day LMP"
              "</STRONG>:&nbsp;&nbsp;1/2/2024<BR><STRONG>Currently:</STRONG>&nbsp;&nbsp;10&nbsp;"
              "&&nbsp;3/7th&nbsp;wks&nbsp;pregnant<BR><STRONG>Due Date</STRONG>:&nbsp;&nbsp;"
              "10/8/2024<BR><STRONG>Expected B-HCG</STRONG>:&nbsp;30,000-180,000");
    EXPECT_EQ(input(0).text.str(), "1/2/2024");
    // The list entries chosen by link work the same way
    calc_->handleRequest(makeRequest(33, 1, 2));
    calc_->handleRequest(makeRequest(33, 1, 3));
    EXPECT_NE(page().find("First day LMP</STRONG>:&nbsp;&nbsp;3/15/2024"), std::string::npos);
}

TEST_F(PregnancyCalcTest, FromTheDueDatePastIt) {
    calc_->handleRequest(makeRequest(33, 3, 1));
    EXPECT_EQ(calc_->caption().str(), "Due Date");
    EXPECT_EQ(input(3).text.str(), "Due Date");
    pick(3, 2024, 2, 24);  // 20 days ago: counted on to today, 300 days = 42 weeks 6 days
    EXPECT_EQ(page(),
              "<STRONG>First day LMP</STRONG>:&nbsp;&nbsp;5/20/2023<BR><STRONG>Currently:"
              "</STRONG>&nbsp;&nbsp;42&nbsp;&&nbsp;6/7th&nbsp;wks&nbsp;pregnant<BR><STRONG>"
              "Expected B-HCG</STRONG>:&nbsp;4,000-50,000");
    EXPECT_EQ(input(1).unit, 42);
    EXPECT_EQ(input(2).unit, 6);
    pick(3, 2024, 2, 23);  // 21 days ago
    EXPECT_NE(page().find("ENTERED DATA NOT VALID; PRESS SELECT DATE AND ENTER A VALID DATE."),
              std::string::npos);
    // Nothing worked out from the earlier due date stays in the form.
    EXPECT_EQ(input(1).unit, -1);
    EXPECT_EQ(input(2).unit, -1);
    EXPECT_EQ(input(0).text.str(), "1st day LMP");
    EXPECT_EQ(input(3).text.str(), "2/23/2024");
}

// After a valid LMP, one that is refused (today or later, or more than 301 days ago) shows the
// message and nothing from the earlier date: no weeks, days or due date in the page or the form.
TEST_F(PregnancyCalcTest, AValidThenAnInvalidLmpKeepsNoEarlierResult) {
    const int16_t refused[][3] = {{2024, 3, 15}, {2024, 3, 20}, {2023, 5, 18}};
    for (const auto& date : refused) {
        calc_->handleRequest(makeRequest(33, 1, 1));
        pick(0, 2024, 3, 1);  // 14 days ago: 2 weeks, due 12/6/2024
        page();
        ASSERT_EQ(input(1).unit, 2);
        ASSERT_EQ(input(3).text.str(), "12/6/2024");
        pick(0, date[0], date[1], date[2]);
        const std::string text = page();
        EXPECT_NE(text.find("ENTERED DATA NOT VALID;<BR>PLEASE RE-SELECT 1st DAY LMP DATE."),
                  std::string::npos)
            << text;
        for (const char* stale : {"Currently", "Due Date", "12/6/2024", "B-HCG"}) {
            EXPECT_EQ(text.find(stale), std::string::npos) << stale << " in " << text;
        }
        EXPECT_EQ(input(1).unit, -1);
        EXPECT_EQ(input(1).text.str(), "");
        EXPECT_EQ(input(2).unit, -1);
        EXPECT_EQ(input(2).text.str(), "");
        EXPECT_EQ(input(3).text.str(), "Due Date");
        // The picked date itself stays, as the user chose it.
        EXPECT_EQ(input(0).unit, date[2]);
    }
}

// A due date more than 280 days ahead after a valid one: the LMP and age worked out from the
// valid one are gone.
TEST_F(PregnancyCalcTest, AValidThenAnInvalidDueDateKeepsNoEarlierResult) {
    calc_->handleRequest(makeRequest(33, 3, 1));
    pick(3, 2024, 6, 1);
    page();
    ASSERT_NE(input(1).unit, -1);
    ASSERT_NE(input(0).text.str(), "1st day LMP");
    pick(3, 2025, 1, 1);  // 292 days ahead
    EXPECT_NE(page().find("ENTERED DATA NOT VALID;<BR>PLEASE RE-SELECT DUE DATE."),
              std::string::npos);
    EXPECT_EQ(page().find("Currently"), std::string::npos);
    EXPECT_EQ(input(1).unit, -1);
    EXPECT_EQ(input(2).unit, -1);
    EXPECT_EQ(input(0).text.str(), "1st day LMP");
}

TEST_F(PregnancyCalcTest, SelectingAnInputSetsTheMode) {
    calc_->handleRequest(makeRequest(70, 3));
    EXPECT_EQ(calc_->mode(), 3);
    EXPECT_EQ(calc_->caption().str(), "Select Due Date");
    calc_->handleRequest(makeRequest(70, 0));
    EXPECT_EQ(calc_->mode(), 1);
    calc_->handleRequest(makeRequest(70, 2));
    EXPECT_EQ(calc_->mode(), 2);
    calc_->handleRequest(makeRequest(0, 0));  // Clear All
    EXPECT_EQ(calc_->mode(), 0);
    EXPECT_EQ(input(0).text.str(), "3/15/2024");
}

TEST_F(PregnancyCalcTest, AnImpossiblePickedDateGivesNothing) {
    pick(0, 2023, 2, 30);
    EXPECT_EQ(page(), "");
}

}  // namespace
}  // namespace orvane
