#include "calculators/pregnancy_report.h"

#include "calculators/pregnancy_dates.h"
#include "foundation/number_format.h"

namespace orvane {

namespace {

void appendToday(PregnancyReport& r, const CivilDate& today) {
    r.text.append("<STRONG>Todays Date</STRONG>:&nbsp;&nbsp;");
    r.text.append(dateText(today));
    r.text.append("<BR>");
}

void appendLmp(PregnancyReport& r, const CivilDate& lmp) {
    r.text.append("<STRONG>First day LMP</STRONG>:&nbsp;&nbsp;");
    r.text.append(dateText(lmp));
    r.text.append("<BR>");
    r.hasLmp = true;
    r.lmp = lmp;
}

void appendDue(PregnancyReport& r, const CivilDate& due) {
    r.text.append("<STRONG>Due Date</STRONG>:&nbsp;&nbsp;");
    r.text.append(dateText(due));
    r.text.append("<BR>");
    r.hasDue = true;
    r.due = due;
}

// Weeks and sevenths of a count of days since the LMP.
void appendNow(PregnancyReport& r, int32_t daysSinceLmp) {
    r.hasAge = true;
    r.weeks = daysSinceLmp / 7;
    r.days = daysSinceLmp % 7;
    r.text.append("<STRONG>Currently:</STRONG>&nbsp;&nbsp;");
    r.text.append(formatNumber(static_cast<float>(r.weeks), 1, false));
    if (r.days > 0) {
        r.text.append("&nbsp;&&nbsp;");
        r.text.append(formatNumber(static_cast<float>(r.days), 1, false));
        r.text.append("/7th");
    }
    r.text.append("&nbsp;wks&nbsp;pregnant<BR>");
}

void appendHcg(PregnancyReport& r, int32_t weeks) {
    r.text.append("<STRONG>Expected B-HCG</STRONG>:&nbsp;");
    r.text.append(hcgRange(weeks));
}

}  // namespace

PregnancyReport pregnancyFromLmp(const CivilDate& lmp, const CivilDate& today) {
    PregnancyReport r;
    appendToday(r, today);
    appendLmp(r, lmp);
    const int32_t g = daysBetween(today, lmp);
    if (!isLater(today, lmp) || g > 301) {
        r.valid = false;
        r.text.append(
            "<BR><STRONG>ENTERED DATA NOT VALID;<BR>PLEASE RE-SELECT 1st DAY LMP DATE.</STRONG>");
        return r;
    }
    appendNow(r, g);
    appendDue(r, addDays(lmp, kPregnancyDays));
    appendHcg(r, r.weeks);
    return r;
}

PregnancyReport pregnancyFromAge(int32_t weeks, int32_t days, const CivilDate& today) {
    PregnancyReport r;
    const int32_t total = weeks * 7 + days;
    const CivilDate lmp = subtractDays(today, total);
    appendToday(r, today);
    appendLmp(r, lmp);
    appendNow(r, total);
    appendDue(r, addDays(lmp, kPregnancyDays));
    appendHcg(r, r.weeks);
    return r;
}

PregnancyReport pregnancyFromDueDate(const CivilDate& due, const CivilDate& today) {
    PregnancyReport r;
    if (isLater(due, today)) {
        const int32_t ahead = daysBetween(due, today);
        appendDue(r, due);
        appendToday(r, today);
        if (ahead > kPregnancyDays) {
            r.valid = false;
            r.text.append(
                "<BR><STRONG>ENTERED DATA NOT VALID;<BR>PLEASE RE-SELECT DUE DATE.</STRONG>");
            return r;
        }
        const CivilDate lmp = subtractDays(today, kPregnancyDays - ahead);
        appendLmp(r, lmp);
        appendNow(r, daysBetween(today, lmp));
        appendHcg(r, r.weeks);
        return r;
    }
    const int32_t past = daysBetween(today, due);
    if (past > 20) {
        appendDue(r, due);
        appendToday(r, today);
        r.valid = false;
        r.text.append(
            "<BR><STRONG>ENTERED DATA NOT VALID; PRESS SELECT DATE AND ENTER A VALID "
            "DATE.</STRONG>");
        return r;
    }
    // Past the due date the pregnancy is counted on to today (40 weeks plus the days past).
    const CivilDate lmp = subtractDays(due, kPregnancyDays);
    appendLmp(r, lmp);
    appendNow(r, daysBetween(today, lmp));
    appendHcg(r, r.weeks);
    return r;
}

}  // namespace orvane
