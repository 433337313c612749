// The flumazenil page: 0.01 to 0.03 mg/kg per dose of the 0.1 mg/mL solution, each end capped
// at 0.2 mg; the low end is left out once it reaches the cap.
#include <string>

#include "dosing/airway/sedation_fixed_pages.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

constexpr float kLowMgPerKg = 0.01f;
constexpr float kHighMgPerKg = 0.03f;
constexpr float kMaxDoseMg = 0.2f;
// A dose at or above this is the cap: no range is printed below it.
constexpr double kCapReachedFrom = 0.199;
constexpr float kMlPerMg = 10.0f;  // 0.1 mg/mL

constexpr const char* kAfterDose =
    "<BR>May be repeated q1 minute up to 5 doses as needed.<BR><BR><B>Dosing:</B><BR>"
    "0.01 - 0.03 mg/kg/dose.<BR><BR><B>Route:</B> IM/IV<BR><BR><B>!Caution!</B><BR>"
    "Do not use in patients who chronically use benzodiazepines or those on TCA's as very "
    "difficult to control seizures may result.<BR><BR><B>Comments:</B><BR>"
    "The cumulative initial doses required for effect given during the first 5 minutes may be "
    "repeated q20 minutes to a maximum of 3 mg/hr (e.g. 0.2 mg given 3 times to get response in "
    "first 5 minutes; the cumulative used is 0.6 mg and thus may utilize 0.6 mg q20 minutes as "
    "needed).<BR>Note that all benzodiazepines have half lives greater than that of flumazenil "
    "and repeated dosing may be needed.<BR>";

float capped(float dose) {
    return dose > kMaxDoseMg ? kMaxDoseMg : dose;
}

}  // namespace

void appendFlumazenilPage(SharedString& out, float weight) {
    const float low = capped(doseRound(kLowMgPerKg * weight));
    const float high = capped(doseRound(kHighMgPerKg * weight));
    const bool range = low < kCapReachedFrom;
    std::string page = "Conc: 0.1 mg/mL<BR><BR><B>Calculated Dose:</B><BR>";
    if (range) page += amountTo2Decimals(low) + "-";
    page += amountTo2Decimals(high) + " mg/dose (";
    if (range) page += amountTo1Decimal(doseRound(kMlPerMg * low)) + "-";
    page += amountTo1Decimal(doseRound(kMlPerMg * high)) + " mL)";
    if (high > kCapReachedFrom) page += " [Max Dose]";
    page += kAfterDose;
    out.append(page);
}

}  // namespace orvane::airway
