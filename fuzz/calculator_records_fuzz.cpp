// Fuzz target for the records of the calculators and menus that read their own databases (the
// calculator table, growth, burn area, peak flow, score tables, document lists, Clinical Consult,
// the A-Z index): any bytes as those databases (the module, its opening request and the weight
// chosen by the first two bytes), every form filled within its limits, every entry, view and
// page walked with the page checks after each.
#include <cstddef>
#include <cstdint>

#include "fuzz/record_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return orvane::fuzzing::runRecordTarget(orvane::fuzzing::calculatorModules(), data, size);
}
