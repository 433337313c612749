// The body of a record fuzz target: the first byte picks a module of the family, the rest are its
// databases (see record_input.h); the module is opened on them over the sample content and walked
// (see module_walk.h) from each of its requests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz/module_walk.h"
#include "fuzz/record_input.h"
#include "modules/civil_date.h"
#include "modules/patient_context.h"
#include "suite/program_modules.h"

namespace orvane::fuzzing {

inline int runRecordTarget(const std::vector<RecordModule>& family, const uint8_t* data,
                           size_t size) {
    if (size == 0) return 0;
    const RecordModule& module = family[data[0] % family.size()];
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    const MemoryCatalogue catalogue = catalogueFor(module, input, ORVANE_BIN_DIR);
    PatientContext context(catalogue, programModules());
    context.setToday(CivilDate{2024, 2, 29});
    ModuleWalk walk(context, input);
    for (const Request request : module.opens) walk.walk(request);
    return 0;
}

}  // namespace orvane::fuzzing
