// CivilDate: a calendar day (year, month 1-12, day 1-31), the local clock's today, and the
// YYYY-MM-DD text form. It knows nothing of time zones beyond the local clock.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane {

struct CivilDate {
    int32_t year = 0;
    int32_t month = 0;
    int32_t day = 0;

    bool operator==(const CivilDate& other) const = default;
};

// The number of days of a month of the Gregorian calendar (0 for a month outside 1-12).
int32_t daysInMonth(int32_t year, int32_t month);

// True when the date names a real day (years 1 to 9999).
bool isValidDate(const CivilDate& date);

// The day of the local clock.
CivilDate localToday();

// Reads exactly "YYYY-MM-DD" naming a real day; false (date untouched) for anything else.
bool parseIsoDate(std::string_view text, CivilDate& date);

}  // namespace orvane
