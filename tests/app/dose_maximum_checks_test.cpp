// The page check that no rounded dose is above a maximum its page states: the faults it must find
// (a dose a day, a dose, a rate and a bolus above their maximum, a range by its upper end, the
// "Max dose/day" of the antibiotic pages) and the lines it must let pass.
#include "tests/support/dose_maximum_checks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using orvane::test_support::dosesAboveStatedMaximum;

TEST(DoseMaximumChecksTest, FindsDosesAboveTheirMaximum) {
    for (const char* page : {
             // 880 x 2 = 1760 a day; 2675 x 3 = 8025; 3100 x 4 = 12400.
             "&nbsp;880&nbsp;mg PO bid (45 mg/kg/d div bid)  [max 1750 mg/day]<BR>",
             "&nbsp;2675&nbsp;mg IV q8h (150 mg/kg/d div q8h)  [max 8000 mg/day]<BR>",
             "&nbsp;2625-3100&nbsp;mg IV q6h (150-200 mg/kg/d div q6h)  [max 12000 mg/day]<BR>",
             "&nbsp;210&nbsp;mg/dose IV q8h (10 mg/kg/dose div q8h)  [max 200 mg/dose]<BR>",
             "&nbsp;2100000 U &nbsp;IV q4h (200000 U /kg/d div q4h)  [max 12000000 U ]<BR>",
             "<BR>3.8 mL/hr (7500 mcg/hr) of 2 mg/mL solution, to deliver 1 mcg/kg/min [Max "
             "3.75 mL/hr].",
             "<BR>11.5 mL (23000 mcg) over 1 minute of 2 mg/mL solution to deliver 180 mcg/kg "
             "[Max 11.3 mL Bolus].<BR>",
             "<BR>Sig: 2675 mg/dose q8h<BR>Max dose/day = 8000 mg.<BR>",
             "<BR>Sig: 300 mg/dose q24 hrs.<BR>Max dose/day = 250 mg.<BR>",
         }) {
        EXPECT_EQ(dosesAboveStatedMaximum(page).size(), 1u) << page;
    }
}

TEST(DoseMaximumChecksTest, LetsDosesWithinTheirMaximumPass) {
    for (const char* page : {
             "&nbsp;870&nbsp;mg PO bid (45 mg/kg/d div bid)  [max 1750 mg/day]<BR>",
             "&nbsp;2650&nbsp;mg IV q8h (150 mg/kg/d div q8h)  [max 8000 mg/day]<BR>",
             "&nbsp;2625-3000&nbsp;mg IV q6h (150-200 mg/kg/d div q6h)  [max 12000 mg/day]<BR>",
             "&nbsp;200&nbsp;mg/dose IV q8h (10 mg/kg/dose div q8h)  [max 200 mg/dose]<BR>",
             "&nbsp;2000000 U &nbsp;IV q4h (200000 U /kg/d div q4h)  [max 12000000 U ]<BR>",
             "<BR>3.7 mL/hr (7500 mcg/hr) of 2 mg/mL solution, to deliver 1 mcg/kg/min [Max "
             "3.75 mL/hr].",
             "<BR>11.3 mL (22600 mcg) over 1 minute of 2 mg/mL solution to deliver 180 mcg/kg "
             "[Max 11.3 mL Bolus].<BR>",
             "<BR>Sig: 2650 mg/dose q8h<BR>Max dose/day = 8000 mg.<BR>",
             // No amount of the stated unit before the statement: nothing to hold to it.
             "May initiate therapy with a bolus of 0.2-1.0 mg/kg [Max 20 mg] over 2 min.<BR>",
         }) {
        EXPECT_TRUE(dosesAboveStatedMaximum(page).empty()) << page;
    }
}

TEST(DoseMaximumChecksTest, ADailyMaximumWithoutAFrequencyIsReported) {
    EXPECT_EQ(
        dosesAboveStatedMaximum("&nbsp;800&nbsp;mg PO (45 mg/kg/d)  [max 1750 mg/day]").size(), 1u);
}

}  // namespace
