// The program's module table: every module code and calculator number of this version with the
// class that answers it and the screen that shows it. Adding a module is one row here (and its
// folder under calculators/ or dosing/); nothing else in the program lists module codes.
#pragma once

#include "modules/module_table.h"

namespace orvane {

// The one table of the program (constant data; the patient context is handed it).
const ModuleTable& programModules();

}  // namespace orvane
