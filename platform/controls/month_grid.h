// Where a month calendar puts its rows and days: a title row, a weekday row and six week rows
// (the most a month can need: a 31-day month that starts on a Friday or Saturday, or a 30-day
// month that starts on a Saturday). The rows always fit the control's height; when the window's
// font is too tall for that, the grid says which smaller text height to draw with. It knows
// nothing of windows, drawing or the selected date.
#pragma once

#include "platform/win_types.h"

namespace orvane::platform {

// The week rows of every month's grid, whether or not the month uses the last one.
inline constexpr int kMonthGridWeekRows = 6;
inline constexpr int kMonthGridColumns = 7;

struct MonthGrid {
    int textHeight = 0;     // the line height to draw the calendar's text with
    int titleHeight = 0;    // the month and year
    int weekdayHeight = 0;  // the day letters
    int top = 0;            // where the first week row starts
    int rowHeight = 0;      // each week row
    int cellWidth = 0;      // each day column
};

// The grid for a client area of width x height, drawn with a font whose line height is
// lineHeight (shrunk when the eight rows do not fit in the height).
MonthGrid FitMonthGrid(int width, int height, int lineHeight);

// The column (0 = Sunday) of the first day of the month, and the month's length in days.
int FirstColumnOfMonth(int year, int month);
int DaysInMonth(int year, int month);
// How many week rows the month's days occupy (4 to 6).
int WeekRowsOfMonth(int year, int month);

// The cell of a day of the month (1 to its length).
RECT DayCell(const MonthGrid& grid, int year, int month, int day);
// The day of the month under a point of the client area, or 0 for none (the title and weekday
// rows, the empty cells before the first and after the last day, outside the grid).
int DayAtPoint(const MonthGrid& grid, int year, int month, POINT p);

}  // namespace orvane::platform
