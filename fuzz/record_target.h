// The body of a record fuzz target: the first two bytes pick a module of the family, the request
// it is opened with and the weight, the rest are its databases (see record_input.h); the module is
// opened on them over the sample content (held in memory) and walked (see module_walk.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
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
    // The sample content is read once per process; every input opens its databases in memory.
    static const ContentInMemory sample(ORVANE_BIN_DIR);
    const std::optional<RecordChoice> choice = recordChoice(family, data, size);
    if (!choice) return 0;
    const MemoryCatalogue catalogue = catalogueFor(*choice->module, choice->databases, sample);
    PatientContext context(catalogue, programModules());
    context.setToday(CivilDate{2024, 2, 29});
    ModuleWalk walk(context, choice->databases);
    walk.walk(choice->open, choice->kg);
    return 0;
}

}  // namespace orvane::fuzzing
