// The succinylcholine antidote page: the 1-2 mg/kg range of the 20 mg/mL solution capped at
// the succinylcholine maximum of every page, and for children (under 50 kg) the atropine block and
// the premedication comment.
#include "dosing/builders/atropine_block.h"
#include "dosing/builders/dose_caps.h"
#include "dosing/builders/dose_range_line.h"
#include "dosing/toxicology/antidote_pages.h"

namespace orvane::toxicology {

namespace {

constexpr float kLowMgPerKg = 1.0f;
constexpr float kHighMgPerKg = 2.0f;
constexpr float kMaximumMg = caps::kSuccinylcholineMg;
constexpr float kMgPerMl = 20.0f;

constexpr const char* kDosingText =
    "<BR><BR>Dosing:<BR>1-2 mg/kg/dose given IVP.<BR><BR>Route: IV/IO.<BR><BR>Precautions: Do "
    "not redose in children. Do not use in patients with crush injuries, significant burns, "
    "paraplegia or pre-existing hyperkalemia.";
constexpr const char* kChildComment =
    "<BR><BR>Comments:<BR>When using succinylcholine in children, should premedicate with "
    "0.02 mg/kg Atropine with minimum dose 0.1 mg.";
constexpr const char* kClosingText =
    "<BR><BR>As with any paralytic, only use once fully prepared for intubation. Onset is 30-60 "
    "seconds with duration 4-6 minutes.";

}  // namespace

void appendSuccinylcholineAntidotePage(SharedString& out, float weight) {
    const bool child = weight < kAtropineBlockBelowKg;
    out.append("Calculated Result:<BR>");
    DoseRange range;
    range.weight = weight;
    range.low = kLowMgPerKg;
    range.lowText = "1";
    range.high = kHighMgPerKg;
    range.highText = "2";
    range.maximum = kMaximumMg;
    range.unit = "mg";
    range.concentration = kMgPerMl;
    appendDoseRangeLine(out, range);
    if (child) {
        out.append("<BR><BR>");
        appendAtropineBlock(out, weight);
    }
    out.append(kDosingText);
    if (child) out.append(kChildComment);
    out.append(kClosingText);
}

}  // namespace orvane::toxicology
