// Pregnancy dates: calendar steps across month, year and leap-day ends, days between dates, the
// B-HCG ranges, and the three modes on a fixed today (Friday 15 March 2024, day 75 of a leap
// year). Expected dates counted by hand from days of the year.
#include "calculators/pregnancy_dates.h"

#include <gtest/gtest.h>

#include "calculators/pregnancy_report.h"

namespace orvane {
namespace {

constexpr CivilDate kToday{2024, 3, 15};

std::string text(const CivilDate& d) {
    return dateText(d).str();
}

TEST(CalendarTest, LeapYears) {
    EXPECT_TRUE(isLeapYear(2008));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2007));
    EXPECT_EQ(yearLength(2024), 366);
    EXPECT_EQ(yearLength(2023), 365);
    EXPECT_EQ(dayOfYear({2024, 3, 15}), 75);  // 31 + 29 + 15
    EXPECT_EQ(dayOfYear({2023, 12, 31}), 365);
}

TEST(CalendarTest, AddingDays) {
    // 15 + 280 = day 295: 2008 is a leap year, September ends on day 274 → October 21
    EXPECT_EQ(text(addDays({2008, 1, 15}, 280)), "10/21/2008");
    EXPECT_EQ(text(addDays({2007, 1, 15}, 280)), "10/22/2007");  // September ends on day 273
    EXPECT_EQ(text(addDays({1900, 2, 28}, 1)), "3/1/1900");
    EXPECT_EQ(text(addDays({2000, 2, 28}, 1)), "2/29/2000");
    EXPECT_EQ(text(addDays({2023, 12, 31}, 1)), "1/1/2024");
    EXPECT_EQ(text(addDays({2024, 1, 31}, 0)), "1/31/2024");
    EXPECT_EQ(text(addDays({2023, 3, 1}, 366)), "3/1/2024");  // 365 days to 2/29/2024, then one
}

TEST(CalendarTest, SubtractingDays) {
    EXPECT_EQ(text(subtractDays({2000, 3, 1}, 1)), "2/29/2000");
    EXPECT_EQ(text(subtractDays({1900, 3, 1}, 1)), "2/28/1900");
    EXPECT_EQ(text(subtractDays({2024, 1, 1}, 1)), "12/31/2023");
    EXPECT_EQ(text(subtractDays(kToday, 73)), "1/2/2024");  // day 75 − 73 = day 2
    EXPECT_EQ(text(subtractDays(kToday, 75)), "12/31/2023");
    EXPECT_EQ(text(subtractDays(kToday, 301)), "5/19/2023");  // 226 days before 2023's end
}

TEST(CalendarTest, DaysBetweenAndOrder) {
    EXPECT_EQ(daysBetween({2025, 1, 1}, {2024, 12, 31}), 1);
    EXPECT_EQ(daysBetween({2024, 12, 31}, {2024, 1, 1}), 365);
    EXPECT_EQ(daysBetween({2001, 1, 1}, {2000, 1, 1}), 366);
    EXPECT_EQ(daysBetween({1901, 1, 1}, {1900, 1, 1}), 365);
    EXPECT_EQ(daysBetween({2024, 1, 1}, {2020, 1, 1}), 1461);  // 366 + 3 × 365
    EXPECT_EQ(daysBetween({2020, 1, 1}, {2024, 1, 1}), -1461);
    EXPECT_EQ(daysBetween(kToday, kToday), 0);
    EXPECT_TRUE(isLater({2024, 3, 16}, kToday));
    EXPECT_TRUE(isLater({2025, 1, 1}, kToday));
    EXPECT_FALSE(isLater(kToday, kToday));
    EXPECT_FALSE(isLater({2024, 2, 29}, kToday));
    EXPECT_EQ(text({2006, 3, 7}), "3/7/2006");
}

struct HcgCase {
    int32_t weeks;
    const char* range;
};

class HcgTest : public testing::TestWithParam<HcgCase> {};

TEST_P(HcgTest, RangeByCompletedWeek) {
    EXPECT_STREQ(hcgRange(GetParam().weeks), GetParam().range) << GetParam().weeks;
}

INSTANTIATE_TEST_SUITE_P(Cases, HcgTest,
                         testing::Values(HcgCase{0, "&lt;5"}, HcgCase{2, "&lt;5"},
                                         HcgCase{3, "5-50"}, HcgCase{4, "36-900"},
                                         HcgCase{5, "90-3,600"}, HcgCase{6, "1,080-56,500"},
                                         HcgCase{7, "7,650-229,000"}, HcgCase{8, "7,650-229,000"},
                                         HcgCase{9, "30,000-180,000"},
                                         HcgCase{12, "30,000-180,000"},
                                         HcgCase{13, "7,200-250,000"}, HcgCase{16, "7,200-250,000"},
                                         HcgCase{17, "4,000-150,000"}, HcgCase{24, "4,000-150,000"},
                                         HcgCase{25, "4,000-50,000"}, HcgCase{44, "4,000-50,000"}));

const std::string kTodayText = "<STRONG>Todays Date</STRONG>:&nbsp;&nbsp;3/15/2024<BR>";
std::string lmpText(const char* d) {
    return std::string("<STRONG>First day LMP</STRONG>:&nbsp;&nbsp;") + d + "<BR>";
}
std::string dueText(const char* d) {
    return std::string("<STRONG>Due Date</STRONG>:&nbsp;&nbsp;") + d + "<BR>";
}
std::string nowText(const char* weeksAndDays) {
    return std::string("<STRONG>Currently:</STRONG>&nbsp;&nbsp;") + weeksAndDays +
           "&nbsp;wks&nbsp;pregnant<BR>";
}
std::string hcgText(const char* range) {
    return std::string("<STRONG>Expected B-HCG</STRONG>:&nbsp;") + range;
}
const std::string kLmpRefused =
    "<BR><STRONG>ENTERED DATA NOT VALID;<BR>PLEASE RE-SELECT 1st DAY LMP DATE.</STRONG>";
const std::string kDueRefused =
    "<BR><STRONG>ENTERED DATA NOT VALID;<BR>PLEASE RE-SELECT DUE DATE.</STRONG>";
const std::string kPastRefused =
    "<BR><STRONG>ENTERED DATA NOT VALID; PRESS SELECT DATE AND ENTER A VALID DATE.</STRONG>";

TEST(PregnancyFromLmpTest, TwoWeeks) {
    // 1 March is 14 days back; due: day 61 + 280 = day 341 of 2024 = 6 December
    const PregnancyReport r = pregnancyFromLmp({2024, 3, 1}, kToday);
    EXPECT_EQ(r.text.str(), kTodayText + lmpText("3/1/2024") + nowText("2") + dueText("12/6/2024") +
                                hcgText("&lt;5"));
    EXPECT_TRUE(r.hasAge);
    EXPECT_EQ(r.weeks, 2);
    EXPECT_EQ(r.days, 0);
    EXPECT_TRUE(r.hasDue);
    EXPECT_EQ(r.due, (CivilDate{2024, 12, 6}));
}

TEST(PregnancyFromLmpTest, ThreeHundredAndOneDaysIsTheLimit) {
    // 301 days = 43 weeks; due 5/19/2023 + 280 = day 139 + 280 = day 54 of 2024 = 23 February
    const PregnancyReport r = pregnancyFromLmp({2023, 5, 19}, kToday);
    EXPECT_EQ(r.text.str(), kTodayText + lmpText("5/19/2023") + nowText("43") +
                                dueText("2/23/2024") + hcgText("4,000-50,000"));
    const PregnancyReport late = pregnancyFromLmp({2023, 5, 18}, kToday);
    EXPECT_EQ(late.text.str(), kTodayText + lmpText("5/18/2023") + kLmpRefused);
    EXPECT_FALSE(late.hasAge);
    EXPECT_FALSE(late.hasDue);
}

TEST(PregnancyFromLmpTest, TodayOrLaterIsRefused) {
    EXPECT_EQ(pregnancyFromLmp(kToday, kToday).text.str(),
              kTodayText + lmpText("3/15/2024") + kLmpRefused);
    EXPECT_EQ(pregnancyFromLmp({2024, 4, 1}, kToday).text.str(),
              kTodayText + lmpText("4/1/2024") + kLmpRefused);
}

TEST(PregnancyFromAgeTest, TenWeeksThreeDays) {
    // LMP = today − 73 days = 2 January; due = day 2 + 280 = day 282 = 8 October
    const PregnancyReport r = pregnancyFromAge(10, 3, kToday);
    EXPECT_EQ(r.text.str(), kTodayText + lmpText("1/2/2024") + nowText("10&nbsp;&&nbsp;3/7th") +
                                dueText("10/8/2024") + hcgText("30,000-180,000"));
    EXPECT_EQ(r.lmp, (CivilDate{2024, 1, 2}));
}

TEST(PregnancyFromAgeTest, NoWeeksIsToday) {
    // due = day 75 + 280 = day 355 = 20 December
    EXPECT_EQ(pregnancyFromAge(0, 0, kToday).text.str(), kTodayText + lmpText("3/15/2024") +
                                                             nowText("0") + dueText("12/20/2024") +
                                                             hcgText("&lt;5"));
}

TEST(PregnancyFromDueDateTest, AheadUpTo280Days) {
    EXPECT_EQ(pregnancyFromDueDate({2024, 12, 20}, kToday).text.str(),
              dueText("12/20/2024") + kTodayText + lmpText("3/15/2024") + nowText("0") +
                  hcgText("&lt;5"));
    EXPECT_EQ(pregnancyFromDueDate({2024, 12, 21}, kToday).text.str(),
              dueText("12/21/2024") + kTodayText + kDueRefused);
    // 100 days ahead (23 June, day 175): 180 days since the LMP = 25 weeks 5 days; LMP = day
    // 75 − 180 → 105 days before 2023's end = day 260 of 2023 = 17 September
    EXPECT_EQ(pregnancyFromDueDate({2024, 6, 23}, kToday).text.str(),
              dueText("6/23/2024") + kTodayText + lmpText("9/17/2023") +
                  nowText("25&nbsp;&&nbsp;5/7th") + hcgText("4,000-50,000"));
}

TEST(PregnancyFromDueDateTest, PastTheDueDateCountsOnToToday) {
    // Due today: 40 weeks
    const PregnancyReport due = pregnancyFromDueDate(kToday, kToday);
    EXPECT_EQ(due.text.str(), lmpText("6/9/2023") + nowText("40") + hcgText("4,000-50,000"));
    // 20 days past (24 February, day 55): LMP = day 55 − 280 → 225 days before 2023's end = day
    // 140 = 20 May 2023; today is 300 days on: 42 weeks 6 days, not 40 weeks
    const PregnancyReport past = pregnancyFromDueDate({2024, 2, 24}, kToday);
    EXPECT_EQ(past.text.str(),
              lmpText("5/20/2023") + nowText("42&nbsp;&&nbsp;6/7th") + hcgText("4,000-50,000"));
    EXPECT_EQ(past.weeks, 42);
    EXPECT_EQ(past.days, 6);
    // 21 days past: refused
    EXPECT_EQ(pregnancyFromDueDate({2024, 2, 23}, kToday).text.str(),
              dueText("2/23/2024") + kTodayText + kPastRefused);
}

}  // namespace
}  // namespace orvane
