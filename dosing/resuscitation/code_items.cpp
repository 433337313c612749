#include "dosing/resuscitation/code_items.h"

#include "dosing/builders/dose_range_line.h"
#include "dosing/builders/rule_of_six_tables.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/rounding.h"

namespace orvane::code {

namespace {

constexpr float kDextroseLowGPerKg = 0.5f;
constexpr float kDextroseMaxG = caps::kDextroseG;
// mL of D10, D25 and D50 per gram.
constexpr float kMlPerGramD10 = 10.0f;
constexpr float kMlPerGramD25 = 4.0f;
constexpr float kMlPerGramD50 = 2.0f;

constexpr float kEpinephrineImMgPerKg = 0.01f;

constexpr float kMlPerMgAtropine04 = 2.5f;   // 0.4 mg/mL
constexpr float kMlPerMgAtropine01 = 10.0f;  // 1 mg/10 mL

// Rate table B's mixtures: mg per kg in 100 mL, below and from its switch weight.
constexpr float kRuleOfSixBSwitchKg = 20.0f;
constexpr float kRuleOfSixBSmallMgPerKg = 0.6f;
constexpr float kRuleOfSixBLargeMgPerKg = 0.06f;

constexpr float kAdenosineMgPerMl = 3.0f;

constexpr float kDefibrillationJPerKg = 4.0f;
constexpr float kDefibrillationMaxJ = 360.0f;

// Newborns are those of 5 kg and less.
constexpr float kNewbornUpToKg = 5.0f;

DoseRange doseRange(float weight, const RangeLine& line) {
    DoseRange range;
    range.weight = weight;
    range.low = line.low;
    range.lowText = line.lowText;
    range.high = line.high;
    range.highText = line.highText;
    range.maximum = line.maximum;
    range.unit = line.unit;
    range.concentration = line.concentration;
    return range;
}

}  // namespace

void appendAmount(SharedString& out, float x) {
    out.append(doseRoundedAmount(x));
}

void appendAmount2(SharedString& out, float x) {
    out.append(amountTo2Decimals(x));
}

void appendCappedRange(SharedString& out, float weight, const CappedRange& range) {
    const float lo = doseRound(range.low * weight);
    const float hi = doseRound(range.high * weight);
    if (lo >= range.maximum) {
        appendAmount(out, range.maximum);
    } else {
        out.append(rangeText(doseRoundedAmount(lo),
                             doseRoundedAmount(hi >= range.maximum ? range.maximum : hi)));
        if (hi < range.maximum) {
            out.append(range.ending);
            return;
        }
    }
    out.append(range.unit);
    out.append("<BR>");
    out.append(caps::maxDoseNote(range.maximum, range.noteUnit));
}

void appendRangeBlocks(SharedString& out, float weight, const RangeBlock* blocks, int count) {
    for (int i = 0; i < count; ++i) {
        out.append(blocks[i].head);
        appendCappedRange(out, weight, blocks[i].range);
        out.append(blocks[i].tail);
    }
}

void appendCappedDose(SharedString& out, float weight, const CappedDose& dose) {
    const float amount = doseRound(dose.perKg * weight);
    const bool capped = amount >= dose.maximum;
    appendAmount(out, capped ? dose.maximum : amount);
    out.append(dose.unit);
    if (!capped) return;
    out.append("<BR>");
    out.append(caps::maxDoseNote(dose.maximum, dose.noteUnit));
}

void appendAtropineDose(SharedString& out, float weight, const AtropineDose& dose) {
    float mg = doseRound(dose.perKg * weight);
    const bool capped = mg >= dose.maximum;
    if (capped) mg = dose.maximum;
    appendAmount(out, mg);
    out.append(capped ? dose.cappedEnd : dose.plainEnd);
    out.append("0.4 mg/mL = ");
    appendAmount(out, kMlPerMgAtropine04 * mg);
    out.append(" mL<BR>1 mg/10 mL = ");
    appendAmount(out, kMlPerMgAtropine01 * mg);
    out.append(" mL");
}

void appendEpinephrineRuleOfSix(SharedString& out, float weight) {
    const float mgPerKg =
        weight < kRuleOfSixBSwitchKg ? kRuleOfSixBSmallMgPerKg : kRuleOfSixBLargeMgPerKg;
    out.append("Place ");
    appendAmount(out, mgPerKg * weight);
    out.append(" mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>");
    appendRateTableB(out, weight);
}

void appendDextroseBlock(SharedString& out, float weight) {
    const float low = doseRound(kDextroseLowGPerKg * weight);
    const float high = doseRound(weight);
    const bool lowCapped = low >= kDextroseMaxG;
    const bool highCapped = lowCapped || high >= kDextroseMaxG;
    // One line per solution: "-" + its high end follows the low end unless the low end is capped.
    auto solution = [&](const char* name, float mlPerGram) {
        out.append(name);
        if (!lowCapped) appendAmount(out, mlPerGram * low);
        if (!lowCapped) out.append("-");
        appendAmount(out, mlPerGram * (highCapped ? kDextroseMaxG : high));
        out.append(" mL");
    };
    if (!lowCapped) {
        appendAmount(out, low);
        out.append("-");
    }
    appendAmount(out, highCapped ? kDextroseMaxG : high);
    out.append(" grams<BR>");
    if (highCapped) out.append(caps::maxDoseNote(kDextroseMaxG, "grams") + "<BR>");
    solution("D10 = ", kMlPerGramD10);
    out.append("<BR>");
    solution("D25 = ", kMlPerGramD25);
    out.append("<BR>");
    solution("D50 = ", kMlPerGramD50);
}

void appendEpinephrineIm(SharedString& out, float weight) {
    float dose = doseRound(kEpinephrineImMgPerKg * weight);
    const bool capped = dose >= caps::kEpinephrineImMg;
    if (capped) dose = caps::kEpinephrineImMg;
    appendAmount(out, dose);
    out.append(" mg (");
    appendAmount(out, dose);  // 1:1,000 is 1 mg/mL
    out.append(" mL of 1:1,000 epi)<BR>");
    if (!capped) return;
    out.append(caps::maxDoseNote(caps::kEpinephrineImMg, "mg"));
    out.append("<BR>");
}

float appendAdenosine(SharedString& out, float weight, const AdenosineDose& dose) {
    float volume = doseRound(dose.mlPerKg * weight);
    if (volume > dose.maxMl) volume = dose.maxMl;
    const float mg = doseRound(kAdenosineMgPerMl * volume);
    if (mg >= dose.maxMg) {
        appendAmount(out, dose.maxMg);
        out.append(" mg (Max)");
    } else {
        appendAmount(out, mg);
        out.append(" mg");
    }
    return volume;
}

void appendFourJoulesPerKg(SharedString& out, float weight) {
    const float energy = doseRound(kDefibrillationJPerKg * weight);
    if (energy >= kDefibrillationMaxJ) {
        appendAmount(out, kDefibrillationMaxJ);
        out.append(" J (Max)");
    } else {
        appendAmount(out, energy);
        out.append(" J");
    }
}

void appendCappedVolume(SharedString& out, float weight, const CappedVolume& volume) {
    float ml = doseRound(volume.mlPerKg * weight);
    if (ml > volume.maxMl) ml = volume.maxMl;
    const float mg = doseRound(volume.mgPerMl * ml);
    out.append(volume.label);
    appendAmount(out, ml);
    out.append(" mL (");
    if (mg >= volume.maxMg) {
        appendAmount(out, volume.maxMg);
        out.append(" mg) [Max]");
    } else {
        appendAmount(out, mg);
        out.append(" mg)");
    }
}

void appendRangeLine(SharedString& out, float weight, const RangeLine& line) {
    appendDoseRangeLine(out, doseRange(weight, line));
}

void appendVolumeFirstLine(SharedString& out, float weight, const RangeLine& line) {
    SharedString text;  // the builder replaces its output
    setVolumeFirstDoseLine(text, doseRange(weight, line));
    out.append(text);
}

void appendPerKgLines(SharedString& out, float weight, const PerKgLine* lines, int count) {
    for (int i = 0; i < count; ++i) {
        out.append(lines[i].label);
        appendAmount(out, lines[i].perKg * weight);
        out.append(lines[i].unit);
    }
}

void appendFluidBoluses(SharedString& out, float weight, const FluidBolus* boluses, int count) {
    for (int i = 0; i < count; ++i) {
        const float ml = doseRound(boluses[i].mlPerKg * weight);
        const bool capped = ml >= caps::kFluidBolusMl;
        out.append(boluses[i].label);
        appendAmount(out, capped ? caps::kFluidBolusMl : ml);
        out.append(capped ? " mL IVPB (Max Dose)<BR>" : " mL IVPB<BR>");
    }
}

void appendSection(SharedString& out, std::string_view title, std::string_view text) {
    appendLastSection(out, title, text);
    out.append("<BR><BR>");
}

void appendLastSection(SharedString& out, std::string_view title, std::string_view text) {
    out.append(title);
    out.append("<BR>");
    out.append(text);
}

const char* byUmbilicalBand(float weight, const char* child, const char* newborn) {
    return weight > kNewbornUpToKg ? child : newborn;
}

}  // namespace orvane::code
