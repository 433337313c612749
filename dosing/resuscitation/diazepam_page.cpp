#include "dosing/resuscitation/diazepam_page.h"

#include "dosing/builders/dose_range_line.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr float kLowMgPerKg = 0.2f;
constexpr float kHighMgPerKg = 0.5f;
constexpr float kMaxDoseMg = 10.0f;
constexpr float kMgPerMl = 5.0f;
// The umbilical venous route is offered up to this weight in kg.
constexpr float kUmbilicalUpToKg = 5.0f;
// Once the rectal dose (0.5 mg/kg) reaches the young child's cap of 5 mg, the cap is noted.
constexpr float kRectalMgPerKg = 0.5f;
constexpr float kYoungChildCapMg = 5.0f;

constexpr const char* kDosing =
    "<BR><BR><B>Dosing:</B><BR>Status epilepticus:<BR>0.2-0.5 mg/kg/dose.<BR>Rectal: 0.5 "
    "mg/kg/dose.<BR><BR>";
constexpr const char* kYoungChildNote =
    "<B>Note:</B> if child < 5 yrs of age, Max dose 5 mg.<BR><BR>";
constexpr const char* kComments =
    "<B>Comments:</B><BR>Generally use Lorazepam (Ativan) for neonates. May repeat IV dose in "
    "15-30 min and rectal dose in 10 minutes if needed. Can use IV solution rectally or use "
    "Diastat rectal gel. For children under 5 years of age, a single dose is at most 5 mg; for "
    "older children and adults, at most 10 mg. Watch breathing closely, above all after a "
    "repeated dose or with other sedating drugs.";

}  // namespace

void appendDiazepamPage(SharedString& out, float weight) {
    out.append("<B>Calc Result</B> ");
    out.append(weight > kUmbilicalUpToKg ? "(IV/IO):<BR>" : "(IV/IO/UVC):<BR>");
    appendDoseRangeLine(out, DoseRange{.weight = weight,
                                       .low = kLowMgPerKg,
                                       .lowText = "0.2",
                                       .high = kHighMgPerKg,
                                       .highText = "0.5",
                                       .maximum = kMaxDoseMg,
                                       .unit = "mg",
                                       .concentration = kMgPerMl});
    out.append(kDosing);
    if (doseRound(kRectalMgPerKg * weight) >= kYoungChildCapMg) out.append(kYoungChildNote);
    out.append(kComments);
}

}  // namespace orvane
