// Fuzz target for the records of the dosing modules: any bytes as a module's own databases (the
// module chosen by the first byte), every list entry, view and page walked at 0.5, 13.3 and
// 150 kg with the page checks after each.
#include <cstddef>
#include <cstdint>

#include "fuzz/record_target.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    return orvane::fuzzing::runRecordTarget(orvane::fuzzing::dosingModules(), data, size);
}
