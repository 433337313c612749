#include "calculators/pregnancy_dates.h"

#include "foundation/number_format.h"

namespace orvane {

namespace {

// Days from the start of year 1 to the day before January 1st of `year`.
int64_t daysBeforeYear(int64_t year) {
    const int64_t y = year - 1;
    return 365 * y + y / 4 - y / 100 + y / 400;
}

int64_t dayNumber(const CivilDate& date) {
    return daysBeforeYear(date.year) + dayOfYear(date);
}

}  // namespace

bool isLeapYear(int32_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int32_t yearLength(int32_t year) {
    return isLeapYear(year) ? 366 : 365;
}

int32_t dayOfYear(const CivilDate& date) {
    int32_t days = date.day;
    for (int32_t m = 1; m < date.month && m <= 12; ++m) days += daysInMonth(date.year, m);
    return days;
}

CivilDate addDays(const CivilDate& date, int32_t n) {
    CivilDate d = date;
    while (n > 0) {
        const int32_t left = daysInMonth(d.year, d.month) - d.day;  // days to the month's end
        if (n <= left) {
            d.day += n;
            break;
        }
        n -= left + 1;
        d.day = 1;
        if (++d.month > 12) {
            d.month = 1;
            ++d.year;
        }
    }
    return d;
}

CivilDate subtractDays(const CivilDate& date, int32_t n) {
    CivilDate d = date;
    while (n > 0) {
        if (n < d.day) {
            d.day -= n;
            break;
        }
        n -= d.day;
        if (--d.month < 1) {
            d.month = 12;
            --d.year;
        }
        d.day = daysInMonth(d.year, d.month);
    }
    return d;
}

int32_t daysBetween(const CivilDate& a, const CivilDate& b) {
    return static_cast<int32_t>(dayNumber(a) - dayNumber(b));
}

bool isLater(const CivilDate& a, const CivilDate& b) {
    if (a.year != b.year) return a.year > b.year;
    if (a.month != b.month) return a.month > b.month;
    return a.day > b.day;
}

SharedString dateText(const CivilDate& date) {
    SharedString text = formatNumber(static_cast<float>(date.month), 1, false);
    text.append("/");
    text.append(formatNumber(static_cast<float>(date.day), 1, false));
    text.append("/");
    text.append(formatNumber(static_cast<float>(date.year), 1, false));
    return text;
}

const char* hcgRange(int32_t weeks) {
    if (weeks < 3) return "&lt;5";
    if (weeks == 3) return "5-50";
    if (weeks == 4) return "36-900";
    if (weeks == 5) return "90-3,600";
    if (weeks == 6) return "1,080-56,500";
    if (weeks <= 8) return "7,650-229,000";
    if (weeks <= 12) return "30,000-180,000";
    if (weeks <= 16) return "7,200-250,000";
    if (weeks <= 24) return "4,000-150,000";
    return "4,000-50,000";
}

}  // namespace orvane
