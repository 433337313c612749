// The "Calculated Dose" block of an AbxNavix page: one line per antibiotic of a dose record with
// the dose for the weight (per kg times weight, divided into single doses when the record gives
// daily doses, rounded by the guide's bands and capped at the maximum, which it never exceeds once
// rounded), its unit, route and frequency words, the dose per kg and the maximum when it caps.
// Penicillins are dosed in units.
// A line whose numbers are damaged (not finite, negative, a per-day dose divided by 0 or by a count
// its route has no word for) shows no amount. It writes markup text; it reads no records.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dosing/antibiotics/abx_dose_table.h"

namespace orvane {

// True when the name names a penicillin, whatever its letter case: such doses are in units.
bool isPenicillin(std::string_view name);

// One antibiotic's line, from "<BR>" before its name to the "<BR>" that ends it.
std::string abxDoseLine(const AbxDoseEntry& entry, float weight);

// The block's heading and the lines of every entry.
std::string abxDoseBlock(const std::vector<AbxDoseEntry>& entries, float weight);

}  // namespace orvane
