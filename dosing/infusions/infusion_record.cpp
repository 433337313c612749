#include "dosing/infusions/infusion_record.h"

#include <cmath>

namespace orvane::infusion {

int32_t boundedCount(uint32_t stored, int32_t most, InfusionRecord& record) {
    if (stored > static_cast<uint32_t>(most)) {
        record.damaged = true;
        return most;
    }
    return static_cast<int32_t>(stored);
}

float finiteValue(float stored, InfusionRecord& record) {
    if (std::isfinite(stored)) return stored;
    record.damaged = true;
    return 0.0f;
}

}  // namespace orvane::infusion
