// The month calendar's grid: how many week rows a month takes, and that every day of a six-week
// month lies inside the control and is found again by a tap at its cell, on both screens.
#include "platform/controls/month_grid.h"

#include <gtest/gtest.h>

#include "platform/common_controls.h"
#include "platform/text_metrics.h"
#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

struct MonthCase {
    int year;
    int month;
    int firstColumn;  // 0 = Sunday, worked out from a known weekday by counting days
    int days;
    int weekRows;
};

// 1 Jan 2026 was a Thursday, 1 Jan 2025 a Wednesday, 1 Jan 2015 a Thursday.
const MonthCase kMonths[] = {
    {2026, 8, 6, 31, 6},   // Jan-Jul 2026: 212 days after a Thursday -> Saturday; 6 + 31 = 37
    {2026, 5, 5, 31, 6},   // 120 days -> Friday; 5 + 31 = 36
    {2025, 11, 6, 30, 6},  // 304 days after a Wednesday -> Saturday; 6 + 30 = 36
    {2026, 3, 0, 31, 5},   // 59 days -> Sunday; 31 days fill 5 rows
    {2015, 2, 0, 28, 4},   // 31 days -> Sunday; 28 days fill exactly 4 rows
    {2024, 2, 4, 29, 5},   // 1 Jan 2024 a Monday, 31 days -> Thursday; leap February
};

TEST(MonthGrid, WeekRowsOfMonths) {
    for (const MonthCase& c : kMonths) {
        SCOPED_TRACE(::testing::Message() << c.year << "-" << c.month);
        EXPECT_EQ(FirstColumnOfMonth(c.year, c.month), c.firstColumn);
        EXPECT_EQ(DaysInMonth(c.year, c.month), c.days);
        EXPECT_EQ(WeekRowsOfMonth(c.year, c.month), c.weekRows);
    }
}

struct SizeCase {
    int width;
    int height;
    int lineHeight;  // the window font's line height on that screen
};

// The calculator screen's calendar is 162 pixels high on both screens.
const SizeCase kSizes[] = {{240, 162, 13}, {480, 162, 26}, {480, 400, 26}, {240, 100, 13}};

TEST(MonthGrid, EveryDayOfSixWeekMonthsIsInsideAndFoundByItsCell) {
    for (const SizeCase& size : kSizes) {
        const MonthGrid g = FitMonthGrid(size.width, size.height, size.lineHeight);
        SCOPED_TRACE(::testing::Message() << size.width << "x" << size.height);
        EXPECT_LE(g.textHeight, size.lineHeight);
        EXPECT_GE(g.rowHeight, g.textHeight) << "a week row holds a line of text";
        EXPECT_LE(g.titleHeight + g.weekdayHeight, g.top);
        EXPECT_LE(g.top + kMonthGridWeekRows * g.rowHeight, size.height);
        for (const MonthCase& c : kMonths) {
            for (int day = 1; day <= c.days; ++day) {
                const RECT r = DayCell(g, c.year, c.month, day);
                EXPECT_GE(r.top, g.top);
                EXPECT_LE(r.bottom, size.height) << c.month << "/" << day;
                EXPECT_LE(r.right, size.width);
                const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
                EXPECT_EQ(DayAtPoint(g, c.year, c.month, centre), day);
            }
        }
    }
}

TEST(MonthGrid, TheFontIsKeptWhenItFitsAndShrunkWhenNot) {
    // 240 x 162 with a 13-pixel line: 2 x 13 + 4 = 30 above the weeks, (162 - 30) / 6 = 22.
    const MonthGrid small = FitMonthGrid(240, 162, 13);
    EXPECT_EQ(small.textHeight, 13);
    EXPECT_EQ(small.top, 30);
    EXPECT_EQ(small.rowHeight, 22);
    EXPECT_EQ(small.cellWidth, 34);
    // 480 x 162 with a 26-pixel line would leave (162 - 56) / 6 = 17 per week: the text becomes
    // (162 - 4) / 8 = 19 high, 2 x 19 + 4 = 42 above the weeks, (162 - 42) / 6 = 20 each.
    const MonthGrid large = FitMonthGrid(480, 162, 26);
    EXPECT_EQ(large.textHeight, 19);
    EXPECT_EQ(large.top, 42);
    EXPECT_EQ(large.rowHeight, 20);
}

TEST(MonthGrid, PointsOutsideTheDaysGiveNoDay) {
    const MonthGrid g = FitMonthGrid(240, 162, 13);
    EXPECT_EQ(DayAtPoint(g, 2026, 8, POINT{5, 5}), 0);          // title
    EXPECT_EQ(DayAtPoint(g, 2026, 8, POINT{5, g.top + 2}), 0);  // Sunday before the 1st
    EXPECT_EQ(DayAtPoint(g, 2026, 8, POINT{6 * g.cellWidth + 1, g.top + 2}), 1);  // Saturday
    EXPECT_EQ(DayAtPoint(g, 2026, 3, POINT{239, 160}), 0);  // after the 31st of March
    EXPECT_EQ(DayAtPoint(g, 2026, 8, POINT{-1, 100}), 0);
}

TEST(MonthCal, TheSixthWeekIsTappableOnTheLargeScreen) {
    test_support::WindowHarness h(DisplayConfig{480, 640});
    HWND cal = h.ws.CreateWindowEx(0, kMonthCalClass, u"", WS_CHILD | WS_VISIBLE, 0, 2, 480, 162,
                                   h.host, 1301);
    SYSTEMTIME d;
    d.wYear = 2026;
    d.wMonth = 8;
    d.wDay = 3;
    h.ws.SendMessage(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&d));
    const MonthGrid g = h.driver.snapshotWindow(cal).control.monthGrid;
    EXPECT_EQ(g.textHeight, 19);
    // The 31st of August 2026 is a Monday in the sixth week: column 1, row 5.
    const POINT at{g.cellWidth + g.cellWidth / 2, g.top + 5 * g.rowHeight + g.rowHeight / 2};
    ASSERT_LT(at.y, 162);
    ASSERT_TRUE(h.driver.tapWindowAt(cal, at));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.notifications(), (std::vector<UINT>{MCN_SELCHANGE, MCN_SELECT}));
    SYSTEMTIME got;
    h.ws.SendMessage(cal, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.wDay, 31);
}

}  // namespace
}  // namespace orvane::platform
