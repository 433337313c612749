// The two "Rule of 6's" rate tables: for an infusion mixed from a weight-scaled amount in 100 mL,
// which pump rates give which doses. Fixed texts chosen by a weight threshold only.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// Table A (6 W or 60 W mg in 100 mL): the small-child table below 10 kg, else the larger one.
void appendRateTableA(SharedString& out, float weight);

// Table B (0.6 W or 0.06 W mg in 100 mL): the small-child table below 20 kg, else the larger one.
void appendRateTableB(SharedString& out, float weight);

}  // namespace orvane
