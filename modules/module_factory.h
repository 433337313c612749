// The module factory: which module class answers a request. It is the one table of module codes
// and calculator numbers; a code or number whose module is not built yet gives none. It only
// creates; PatientContext::moduleFor decides when to reuse a module.
#pragma once

#include <memory>

#include "modules/module.h"

namespace orvane {

class PatientContext;

// A new module for the request, or null for an unknown code or calculator number.
std::unique_ptr<Module> createModuleFor(Request request, PatientContext& context);

// A new calculator for request (4, n), n being the long value; null for a number outside 1-40.
std::unique_ptr<Module> createCalculator(Request request, PatientContext& context);

}  // namespace orvane
