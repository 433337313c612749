// The adjunct's atropine range. The low end is 0.01 mg/kg but never below 0.1 mg; the high end
// 0.02 mg/kg but never above the premedication maximum that every atropine given with the
// intubation drugs has (caps::kAtropinePremedicationMg). Where both ends meet a bound a single dose
// and volume are written.
#include <string>

#include "dosing/airway/rsi_dose_text.h"
#include "dosing/builders/dose_caps.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::airway {

namespace {

constexpr float kLowMgPerKg = 0.01f;
constexpr float kHighMgPerKg = 0.02f;
constexpr float kMaxMg = caps::kAtropinePremedicationMg;
// The minimum dose; compared with the float doses widened to double, so that a float 0.1 counts
// as above it.
constexpr double kMinMg = 0.1;
constexpr float kMlPerMg = 10.0f;  // 1 mg/10 mL
constexpr float kMinDoseMl = 1.0f;
// Under this weight in kg the minimum dose is recalled under the range.
constexpr float kMinNoteBelowKg = 10.0f;

std::string single(float volume) {
    return "<BR>[" + doseRoundedAmount(volume) + " mL of 1 mg/10 mL soln].";
}

}  // namespace

void appendRsiAtropineRange(SharedString& out, float weight) {
    const float e = kLowMgPerKg * weight;
    const float low = doseRound(e);
    const float high = doseRound(kHighMgPerKg * weight);
    // A dose that rounds to the maximum is at it (0.4 in hundredths is a hair under 0.4f).
    const float most = doseRound(kMaxMg);
    std::string text;

    if (low >= most) {
        text = "0.01 mg/kg = " + doseRoundedAmount(kMaxMg) + " mg (Max Dose)." +
               single(doseRound(kMlPerMg * kMaxMg));
        out.append(text);
        return;
    }
    float lowVolume;
    text = "0.01-0.02 mg/kg = ";
    if (static_cast<double>(low) < kMinMg) {
        text +=
            static_cast<double>(kHighMgPerKg * weight) < kMinMg ? "0.1 mg (Min Dose)." : "0.1 mg -";
        lowVolume = kMinDoseMl;
    } else {
        text += doseRoundedAmount(low) + "-";
        lowVolume = doseRound(kMlPerMg * e);
    }

    float highVolume = 0.0f;
    if (high < most) {
        if (static_cast<double>(high) <= kMinMg) {
            out.append(text + single(lowVolume));
            return;
        }
        text += doseRoundedAmount(high) + " mg.";
        if (weight < kMinNoteBelowKg) text += "<BR>[0.1 mg = Min Dose]";
        highVolume = doseRound(kMlPerMg * high);
    } else {
        // The high dose per kg is twice the low one: the maximum is noted while the high dose
        // stays under twice the maximum.
        if (high < 2.0f * kMaxMg) {
            text += doseRoundedAmount(kMaxMg) + " mg.<BR>[" + doseRoundedAmount(kMaxMg) +
                    " mg = Max dose]";
        }
        highVolume = doseRound(kMlPerMg * kMaxMg);
    }
    if (highVolume != 0.0f) {
        text += "<BR>[" + doseRoundedAmount(lowVolume) + " - " + doseRoundedAmount(highVolume) +
                " mL of 1 mg/10 mL soln].";
    } else {
        text += single(lowVolume);
    }
    out.append(text);
}

}  // namespace orvane::airway
