// Calendar arithmetic of the pregnancy calculator on CivilDate (Gregorian, leap years by 4, 100
// and 400): adding and subtracting days, days between two dates, the order of dates, the
// month/day/year text, and the expected B-HCG range by completed week. No clock (the caller
// passes today) and no page.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"
#include "modules/civil_date.h"

namespace orvane {

bool isLeapYear(int32_t year);
// 365 or 366.
int32_t yearLength(int32_t year);
// 1 for January 1st.
int32_t dayOfYear(const CivilDate& date);

// The date n days later (n ≥ 0): past a month's last day to the 1st of the next, past December
// to January of the next year.
CivilDate addDays(const CivilDate& date, int32_t n);
// The date n days earlier (n ≥ 0).
CivilDate subtractDays(const CivilDate& date, int32_t n);

// Days from b to a: positive when a is later, negative when earlier, 0 for the same day.
int32_t daysBetween(const CivilDate& a, const CivilDate& b);

// True when a is later than b (by year, then month, then day).
bool isLater(const CivilDate& a, const CivilDate& b);

// month "/" day "/" year without leading zeros, e.g. "3/7/2006".
SharedString dateText(const CivilDate& date);

// The expected serum B-HCG range (mIU/mL) for w completed weeks, e.g. "30,000-180,000"; below 3
// weeks "&lt;5".
const char* hcgRange(int32_t weeks);

}  // namespace orvane
