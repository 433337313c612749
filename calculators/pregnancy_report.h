// The report of the pregnancy calculator for each of its three starting points (first day of the
// last menstrual period, weeks and days pregnant today, due date), given today: the report text
// and the dates and gestational age it derived, for the form to show. Pure: no clock, no page.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"
#include "modules/civil_date.h"

namespace orvane {

// The pregnancy is 280 days (40 weeks) from the first day of the last menstrual period.
inline constexpr int32_t kPregnancyDays = 280;

struct PregnancyReport {
    SharedString text;
    bool valid = true;    // false: the date was refused, the text ends with the message
    bool hasLmp = false;  // lmp derived or confirmed: the form's LMP date shows it
    CivilDate lmp;
    bool hasDue = false;  // due date derived or confirmed
    CivilDate due;
    bool hasAge = false;  // weeks and days pregnant today were worked out
    int32_t weeks = 0;
    int32_t days = 0;
};

// From the first day of the LMP: refused when it is today or later, or more than 301 days ago.
PregnancyReport pregnancyFromLmp(const CivilDate& lmp, const CivilDate& today);

// From the weeks (0 to 44) and days (0 to 6) pregnant today.
PregnancyReport pregnancyFromAge(int32_t weeks, int32_t days, const CivilDate& today);

// From the due date: at most 280 days ahead, or at most 20 days past (the weeks are then counted
// from the LMP it implies to today, so past 40 weeks). Refused otherwise.
PregnancyReport pregnancyFromDueDate(const CivilDate& due, const CivilDate& today);

}  // namespace orvane
