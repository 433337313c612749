// Fuzz target for the records of the dosing modules: any bytes as a module's own databases (the
// module, its opening request and the weight, 0.5, 13.3 or 150 kg, chosen by the first two
// bytes), every list entry, view and page walked with the page checks after each.
#include <cstddef>
#include <cstdint>

#include "fuzz/record_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return orvane::fuzzing::runRecordTarget(orvane::fuzzing::dosingModules(), data, size);
}
