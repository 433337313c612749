// The result text of the intubation plan: the dose of every chosen drug for one weight (adjunct,
// sedative, narcotic, then the paralytic's page), the atropine block that ketamine needs when no
// atropine is given otherwise, and the equipment table for children. Text only; the choices are
// entry numbers of the lists in rsi_choices.h and are not checked beyond them.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"

namespace orvane {

class ParalyticsModule;

namespace airway {

// The chosen entry of each list (0: none chosen; 1: "No ...").
struct RsiChoices {
    int32_t adjunct = 0;
    int32_t sedative = 0;
    int32_t narcotic = 0;
    int32_t paralytic = 0;
};

// Appends the result text for a weight in kg; the paralytic's page is drawn through paralytics.
void appendRsiDoseText(SharedString& out, const RsiChoices& choices, float weight,
                       ParalyticsModule& paralytics);

// The adjunct's atropine range: 0.01-0.02 mg/kg between 0.1 mg and the premedication maximum
// (caps::kAtropinePremedicationMg), with its volumes of the 1 mg/10 mL solution.
void appendRsiAtropineRange(SharedString& out, float weight);

}  // namespace airway
}  // namespace orvane
