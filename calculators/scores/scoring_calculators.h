// The factory of the scoring calculators: which class answers calculator number n of request
// (4, n). Numbers that are not scoring calculators give none.
#pragma once

#include <memory>

#include "modules/module.h"

namespace orvane {

class PatientContext;

// A new scoring calculator for request (4, n): Apgar (4), MI risk (10), croup (17), Glasgow Coma
// Scale (18), oxygen tank (25), pediatric trauma (27), Ranson (31), trauma (32), Wells DVT (38)
// and Wells PE (39); null for any other number.
std::unique_ptr<Module> createScoringCalculator(Request request, PatientContext& context);

}  // namespace orvane
