// The dextrose, fluids and equipment pages: dextrose as grams and as volumes of each strength,
// boluses and hourly maintenance by the 4-2-1 rule, and the equipment table alone.
#include "dosing/builders/equipment_table.h"
#include "dosing/resuscitation/code_items.h"
#include "dosing/resuscitation/code_pages.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr RangeLine kDextrose{0.25f, "0.25", 1.0f, "1.0", caps::kDextroseG, "g", 0.0f};
// Below this weight the umbilical routes and the neonatal strengths are shown.
constexpr float kNeonatalBelowKg = 5.0f;

// 0.25 to 1 g/kg as mL of each strength: low and high mL per kg.
struct DextroseVolume {
    const char* name;
    float lowMlPerKg;
    float highMlPerKg;
};
constexpr DextroseVolume kDextroseVolumes[] = {
    {"D10 = ", 2.5f, 10.0f},
    {"D12.5 = ", 2.0f, 8.0f},
    {"D25 = ", 1.0f, 4.0f},
    {"D50 = ", 0.5f, 2.0f},
};

constexpr FluidBolus kBoluses[] = {
    {"Calc Result:<BR>5 mL/kg = ", 5.0f},
    {"10 mL/kg = ", 10.0f},
    {"15 mL/kg = ", 15.0f},
    {"20 mL/kg = ", 20.0f},
};

// Hourly maintenance by the 4-2-1 rule: 4 mL/kg for the first 10 kg, 2 mL/kg for the next 10,
// 1 mL/kg above 20 kg.
constexpr float kFirstBandKg = 10.0f;
constexpr float kSecondBandKg = 20.0f;
constexpr float kFirstBandMlPerKg = 4.0f;
constexpr float kSecondBandMlPerKg = 2.0f;
constexpr float kAboveMlPerKg = 1.0f;
constexpr float kFirstBandMl = kFirstBandMlPerKg * kFirstBandKg;  // 40
constexpr float kSecondBandMl =
    kFirstBandMl + kSecondBandMlPerKg * (kSecondBandKg - kFirstBandKg);  // 60

float maintenanceMlPerHour(float weight) {
    if (weight <= kFirstBandKg) return kFirstBandMlPerKg * weight;
    if (weight < kSecondBandKg) return kFirstBandMl + kSecondBandMlPerKg * (weight - kFirstBandKg);
    return kSecondBandMl + kAboveMlPerKg * (weight - kSecondBandKg);
}

struct MaintenanceLine {
    const char* label;
    float factor;
};
constexpr MaintenanceLine kMaintenance[] = {
    {"Maintenance x 1 = ", 1.0f},
    {"Maintenance x 1.5 = ", 1.5f},
    {"Maintenance x 2 = ", 2.0f},
};

}  // namespace

void appendDextrosePage(SharedString& out, float weight, const SharedString&) {
    const bool neonatal = weight < kNeonatalBelowKg;
    out.append("Calc Result:<BR>");
    out.append(neonatal ? "(IV/IO/UAC/UVC):" : "(IV/IO):");
    out.append("<BR>");
    appendRangeLine(out, weight, kDextrose);
    out.append("<BR><BR>");
    // Each volume is that of at most the dextrose maximum: mL per kg ÷ g per kg is mL per gram.
    for (const DextroseVolume& volume : kDextroseVolumes) {
        const float mostMl = volume.highMlPerKg / kDextrose.high * caps::kDextroseG;
        const float low = doseRound(volume.lowMlPerKg * weight);
        const float high = doseRound(volume.highMlPerKg * weight);
        out.append(volume.name);
        if (low < mostMl) {  // from the low end at the maximum, the maximum's volume alone
            appendAmount(out, low);
            out.append(" - ");
        }
        appendAmount(out, high < mostMl ? high : mostMl);
        out.append(" mL.<BR>");
    }
    out.append(
        "<BR>Concentration:<BR>D10 = 100 mg/mL.<BR>D12.5 = 125 mg/mL.<BR>D25 = 250 mg/mL.<BR>"
        "D50 = 500 mg/mL.<BR><BR>");
    appendSection(out,
                  "Indications:", "Hypoglycemia or Hyperkalemia (in combination with insulin).");
    appendSection(out, "Dosing:", "250 - 1000 mg/kg/dose");
    if (neonatal) {
        out.append("Neonatal uses D10 or D12.5 unless has central line then D25 is okay.<BR><BR>");
    }
    appendSection(out, "Precaution:",
                  "For children do not use D50, maximum concentration is D25. Can use D50 for "
                  "Adolescents.");
    appendSection(out, "Comments:",
                  "For hypoglycemia, remember that dextrose has only 4 Calories per gram -- "
                  "unless there is diminished mental status FEED the Child or Infant!");
    appendSection(out, "Mixing:",
                  "D10: Add 12.5 mL of D50 to 50 mL bag of NS (or add 25 mL of D50 to 100 mL bag "
                  "of NS).");
    out.append(
        "D12.5: Obtain 50 mL bag of NS, withdraw 12.5 mL and add 12.5 mL of D50 (or withdraw 25 "
        "mL from 100 mL bag of NS and add 25 mL of D50).<BR><BR>D25: Obtain 50 mL bag of NS, "
        "withdraw 25 mL and add 25 mL of D50 (or withdraw 50 mL from 100 mL bag of NS and add 50 "
        "mL D50).");
}

void appendFluidsPage(SharedString& out, float weight, const SharedString&) {
    appendFluidBoluses(out, weight, kBoluses);
    out.append("<BR>Maintenance Fluids:<BR>");
    const float maintenance = maintenanceMlPerHour(weight);
    for (const MaintenanceLine& line : kMaintenance) {
        out.append(line.label);
        appendAmount(out, line.factor * maintenance);
        out.append(" mL/hr.<BR>");
    }
    out.append("<BR>");
    appendSection(out, "Indications:", "Hypotension, Hypovolemia.");
    out.append(
        "Bolus Recommendations:<BR>Neonates (<28 Days): 10 mL/kg<BR>>28 Days of age: 20 mL/kg"
        "<BR><BR>");
    appendLastSection(out, "Comments:",
                      "Use NS or LR for Bolus; repeat as needed. Maintain continuous infusion once "
                      "stabilized. Some children may require up to 100 mL/kg to acutely stabilize "
                      "severe hypovolemia.");
}

void appendEquipmentPage(SharedString& out, float weight, const SharedString&) {
    appendEquipmentTable(out, weight);
}

}  // namespace orvane::code
