// The three antidote pages whose arithmetic the program does itself instead of the record's dose
// templates: succinylcholine ("S20"), the dopamine infusion ("D80") and the epinephrine infusion
// ("E20"). Each appends its whole page for a weight in kg; none reads content. The antidote list
// picks the page by the record's code.
#pragma once

#include <string_view>

#include "foundation/shared_string.h"

namespace orvane::toxicology {

using AntidotePage = void (*)(SharedString& out, float weight);

// The fixed page of a record code (compared as a whole text), or null when the record's page is
// its own document.
AntidotePage fixedAntidotePage(std::string_view code);

// Appends the fixed page of `code` for the weight and returns true; returns false and appends
// nothing when the code has no fixed page. A weight that gives no amounts (0 or below, not a
// number, or beyond any patient) appends the content error text instead of the page, never an
// amount computed from it.
bool appendFixedAntidotePage(SharedString& out, std::string_view code, float weight);

// Succinylcholine 1-2 mg/kg of 20 mg/mL, at most 300 mg, with the atropine advice under 50 kg.
void appendSuccinylcholineAntidotePage(SharedString& out, float weight);
// Dopamine 1600 mcg/mL: the pump rates of ten doses, and the rule of six under 50 kg.
void appendDopaminePage(SharedString& out, float weight);
// Epinephrine 10 mcg/mL: the pump rates of seven doses, and the rule of six under 50 kg.
void appendEpinephrinePage(SharedString& out, float weight);

}  // namespace orvane::toxicology
