// The month calendar's grid: row heights fitted to the client height, and the mapping between
// days and cells both ways.
#include "platform/controls/month_grid.h"

#include <algorithm>

#include "platform/clock.h"

namespace orvane::platform {

namespace {

constexpr int kMonthsPerYear = 12;
// The title row is this much taller than a line; the weekday row ends this far above the weeks.
constexpr int kTitlePadding = 2;
constexpr int kWeekdayGap = 2;
// Title and weekday rows above the week rows.
constexpr int kHeaderRows = 2;

MonthGrid gridFor(int width, int height, int lineHeight) {
    MonthGrid g;
    g.textHeight = lineHeight;
    g.titleHeight = lineHeight + kTitlePadding;
    g.weekdayHeight = lineHeight;
    g.top = kHeaderRows * lineHeight + kTitlePadding + kWeekdayGap;
    g.rowHeight = std::max(1, (height - g.top) / kMonthGridWeekRows);
    g.cellWidth = std::max(1, width / kMonthGridColumns);
    return g;
}

}  // namespace

MonthGrid FitMonthGrid(int width, int height, int lineHeight) {
    const MonthGrid natural = gridFor(width, height, std::max(1, lineHeight));
    if (natural.rowHeight >= natural.textHeight) return natural;
    // Eight rows of one line each, less the title padding and the weekday gap.
    const int fitted = (height - kTitlePadding - kWeekdayGap) / (kHeaderRows + kMonthGridWeekRows);
    return gridFor(width, height, std::max(1, fitted));
}

int FirstColumnOfMonth(int year, int month) {
    constexpr int64_t kMsPerDay = 86400000LL;
    return SystemTimeFromMs1601(DaysFromCivil(year, month, 1) * kMsPerDay).wDayOfWeek;
}

int DaysInMonth(int year, int month) {
    const bool december = month == kMonthsPerYear;
    return static_cast<int>(DaysFromCivil(december ? year + 1 : year, december ? 1 : month + 1, 1) -
                            DaysFromCivil(year, month, 1));
}

int WeekRowsOfMonth(int year, int month) {
    const int cells = FirstColumnOfMonth(year, month) + DaysInMonth(year, month);
    return (cells + kMonthGridColumns - 1) / kMonthGridColumns;
}

RECT DayCell(const MonthGrid& grid, int year, int month, int day) {
    const int cell = FirstColumnOfMonth(year, month) + day - 1;
    const int column = cell % kMonthGridColumns;
    const int row = cell / kMonthGridColumns;
    return RECT{column * grid.cellWidth, grid.top + row * grid.rowHeight,
                (column + 1) * grid.cellWidth, grid.top + (row + 1) * grid.rowHeight};
}

int DayAtPoint(const MonthGrid& grid, int year, int month, POINT p) {
    if (p.x < 0 || p.y < grid.top) return 0;
    const int column = p.x / grid.cellWidth;
    const int row = (p.y - grid.top) / grid.rowHeight;
    if (column >= kMonthGridColumns || row >= kMonthGridWeekRows) return 0;
    const int day = row * kMonthGridColumns + column - FirstColumnOfMonth(year, month) + 1;
    return day >= 1 && day <= DaysInMonth(year, month) ? day : 0;
}

}  // namespace orvane::platform
