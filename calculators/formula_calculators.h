// The factory of the formula calculators: which class answers calculator number n of request
// (4, n). Numbers that are not formula calculators give none.
#pragma once

#include <memory>

#include "modules/module.h"

namespace orvane {

class PatientContext;

// A new formula calculator for request (4, n), n the request's long value; null for any number
// that is not one of the twenty-seven formula calculators.
std::unique_ptr<Module> createFormulaCalculator(Request request, PatientContext& context);

}  // namespace orvane
