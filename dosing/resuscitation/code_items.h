// The computed pieces that several resuscitation pages share: the capped range item, the dextrose
// block, intramuscular adrenaline, adenosine, the 4 J/kg energy, the adrenaline caps, and the
// titled sections. Each appends text for a weight in kg; none reads content or checks the weight.
// Every amount is dose-rounded and printed with at most 1 decimal unless named otherwise, widened
// (short_amounts.h) so that no positive amount reads "0".
#pragma once

#include <cstddef>
#include <string_view>

#include "dosing/builders/dose_caps.h"
#include "foundation/shared_string.h"

namespace orvane::code {

// mL of 1:10,000 adrenaline per mg. The adrenaline maxima are in dose_caps.h.
inline constexpr float kMlPerMgOneIn10000 = 10.0f;

// A dose range per kg with a maximum: lo = doseRound(low W), hi = doseRound(high W).
// From lo at the maximum: the maximum + unit + "<BR>" + its note; from hi at the maximum:
// lo + "-" + the maximum + unit + "<BR>" + its note; below it: lo + "-" + hi + ending. The note
// is "[" + maximum + " " + noteUnit + " = Max dose]" (caps::maxDoseNote).
struct CappedRange {
    float low;
    float high;
    float maximum;
    const char* unit;
    const char* noteUnit;
    const char* ending;
};
void appendCappedRange(SharedString& out, float weight, const CappedRange& range);

// A drug block of a protocol page: head + the capped range + tail.
struct RangeBlock {
    const char* head;
    CappedRange range;
    const char* tail;
};
void appendRangeBlocks(SharedString& out, float weight, const RangeBlock* blocks, int count);
template <std::size_t N>
void appendRangeBlocks(SharedString& out, float weight, const RangeBlock (&blocks)[N]) {
    appendRangeBlocks(out, weight, blocks, static_cast<int>(N));
}

// A single dose doseRound(perKg W): from the maximum up, the maximum + unit + "<BR>" + its note
// (as for CappedRange); below it the dose + unit.
struct CappedDose {
    float perKg;
    float maximum;
    const char* unit;
    const char* noteUnit;
};
void appendCappedDose(SharedString& out, float weight, const CappedDose& dose);

// Atropine doseRound(perKg W), at most `maximum`: the dose + its ending (cappedEnd at the
// maximum, plainEnd below it) + "0.4 mg/mL = " + mL + " mL<BR>1 mg/10 mL = " + mL + " mL".
struct AtropineDose {
    float perKg;
    float maximum;
    const char* cappedEnd;
    const char* plainEnd;
};
void appendAtropineDose(SharedString& out, float weight, const AtropineDose& dose);

// "Place " + mg + " mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>" and rate
// table B: 0.6 mg/kg below 20 kg, 0.06 mg/kg from 20 kg.
void appendEpinephrineRuleOfSix(SharedString& out, float weight);

// Dextrose 0.5-1 g/kg as grams and as mL of D10, D25 and D50, capped at 25 g.
void appendDextroseBlock(SharedString& out, float weight);

// Adrenaline 0.01 mg/kg IM of 1:1,000, at most 0.5 mg (then followed by its maximum note).
void appendEpinephrineIm(SharedString& out, float weight);

// Adenosine of 3 mg/mL: the volume doseRound(factor W) capped at maxMl, the dose 3 mg per mL
// capped at maxMg. Appends the dose text and returns the volume in mL.
struct AdenosineDose {
    float mlPerKg;
    float maxMl;
    float maxMg;
};
inline constexpr AdenosineDose kAdenosineInitial{0.033f, 2.0f, 6.0f};
inline constexpr AdenosineDose kAdenosineSubsequent{0.067f, 4.0f, 12.0f};
float appendAdenosine(SharedString& out, float weight, const AdenosineDose& dose);

// The 4 J/kg defibrillation energy, at most 360 J.
void appendFourJoulesPerKg(SharedString& out, float weight);

// A volume of doseRound(mlPerKg W), capped at maxMl, and the dose conc × volume, written
// label + volume + " mL (" + dose + " mg)", or "... mL (" + maximum + " mg) [Max]" from the
// maximum dose up.
struct CappedVolume {
    const char* label;
    float mlPerKg;
    float maxMl;
    float mgPerMl;
    float maxMg;
};
void appendCappedVolume(SharedString& out, float weight, const CappedVolume& volume);

// The dose range line and its volume-first variant (dose_range_line.h) for a weight, with the
// per-kg texts as given; a maximum or concentration of 0 means none.
struct RangeLine {
    float low;
    const char* lowText;
    float high;
    const char* highText;
    float maximum;
    const char* unit;
    float concentration;
};
void appendRangeLine(SharedString& out, float weight, const RangeLine& line);
void appendVolumeFirstLine(SharedString& out, float weight, const RangeLine& line);

// Lines of label + doseRound(perKg W) + unit, one after another.
struct PerKgLine {
    const char* label;
    float perKg;
    const char* unit;
};
void appendPerKgLines(SharedString& out, float weight, const PerKgLine* lines, int count);
template <std::size_t N>
void appendPerKgLines(SharedString& out, float weight, const PerKgLine (&lines)[N]) {
    appendPerKgLines(out, weight, lines, static_cast<int>(N));
}

// Fluid boluses of NS or LR, one line each: label + doseRound(mlPerKg W) + " mL IVPB<BR>", from
// the bolus maximum (caps::kFluidBolusMl) up the maximum + " mL IVPB (Max Dose)<BR>".
struct FluidBolus {
    const char* label;
    float mlPerKg;
};
void appendFluidBoluses(SharedString& out, float weight, const FluidBolus* boluses, int count);
template <std::size_t N>
void appendFluidBoluses(SharedString& out, float weight, const FluidBolus (&boluses)[N]) {
    appendFluidBoluses(out, weight, boluses, static_cast<int>(N));
}

// title + "<BR>" + text + "<BR><BR>", and the same without the closing breaks.
void appendSection(SharedString& out, std::string_view title, std::string_view text);
void appendLastSection(SharedString& out, std::string_view title, std::string_view text);

// The route text for newborns, who may have an umbilical line: `child` above 5 kg, else `newborn`.
const char* byUmbilicalBand(float weight, const char* child, const char* newborn);

// The printed amounts: doseRound(x) with at most 1 decimal, and x with at most 2.
void appendAmount(SharedString& out, float x);
void appendAmount2(SharedString& out, float x);

}  // namespace orvane::code
