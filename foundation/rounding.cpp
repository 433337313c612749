#include "foundation/rounding.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace orvane {

namespace {
// 0.5000010132789612, the float whose bits are 0x3F000011.
float roundUpThreshold() {
    uint32_t bits = 0x3F000011u;
    float value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}
}  // namespace

float roundWhole(float x) {
    // Beyond the 32-bit range every float is whole already; NaN fails the test too.
    if (!(std::fabs(x) < 2147483648.0f)) return x;
    auto w = static_cast<int32_t>(x);
    float f = x - static_cast<float>(w);
    if (f > roundUpThreshold()) {
        w += 1;
    } else if (f == 0.5f && (w % 2) != 0) {
        w += 1;
    }
    return static_cast<float>(w);
}

float doseRound(float x) {
    float s = 1.0f;
    if (x < 0) {
        x = -x;
        s = -1.0f;
    }
    float r;
    if (static_cast<double>(x) < 0.1) {
        r = roundWhole(x * 1000.0f) * 0.001f;
    } else if (static_cast<double>(x) < 0.5) {
        r = roundWhole(x * 100.0f) * 0.01f;
    } else if (x < 10.0f) {
        r = roundWhole(x * 10.0f) * 0.1f;
    } else if (x < 40.0f) {
        r = roundWhole(x * 2.0f) * 0.5f;
    } else if (x < 100.0f) {
        r = roundWhole(x);
    } else if (x < 1000.0f) {
        r = roundWhole(x * 0.1f) * 10.0f;
    } else if (x < 10000.0f) {
        r = roundWhole(x * 0.04f) * 25.0f;
    } else if (x < 100000.0f) {
        r = roundWhole(x * 0.01f) * 100.0f;
    } else if (x < 1000000.0f) {
        r = roundWhole(x * 0.001f) * 1000.0f;
    } else if (x > 1000000.0f) {
        r = roundWhole(x * 0.0001f) * 10000.0f;
    } else {
        r = x;  // exactly 1000000, or NaN
    }
    return s * r;
}

float bandRound(float x) {
    if (static_cast<double>(x) < 0.5) x = roundWhole(x * 100.0f) * 0.01f;
    if (x < 1.0f && static_cast<double>(x) >= 0.5) x = roundWhole(x * 10.0f) * 0.1f;
    if (x >= 1.0f && x < 10.0f) x = roundWhole(x * 10.0f) * 0.1f;
    if (x >= 10.0f && x < 40.0f) x = roundWhole(x * 2.0f) * 0.5f;
    if (x >= 40.0f && x < 100.0f) x = roundWhole(x);
    if (x >= 100.0f && x < 1000.0f) x = roundWhole(x * 0.2f) * 5.0f;
    if (x >= 1000.0f && x < 10000.0f) x = roundWhole(x * 0.04f) * 25.0f;
    if (x >= 10000.0f && x < 100000.0f) x = roundWhole(x * 0.01f) * 100.0f;
    if (x >= 100000.0f && x < 1000000.0f) x = roundWhole(x * 0.001f) * 1000.0f;
    if (x > 1000000.0f) x = roundWhole(x * 0.0001f) * 10000.0f;
    return x;
}

float roundedNotAbove(float x, float limit, StepRounding round) {
    const float rounded = round(x);
    if (!(limit > 0.0f) || !std::isfinite(limit) || !(rounded > limit)) return rounded;
    // Halve [low, high] with round(low) <= limit < round(high) until no float lies between them:
    // round(low) is then the largest step not above the limit.
    float low = 0.0f;
    float high = std::isfinite(x) && x > limit ? x : limit;
    if (!(round(high) > limit)) return round(high);
    for (;;) {
        const float middle = low + (high - low) * 0.5f;
        if (!(middle > low && middle < high)) break;
        if (round(middle) > limit) {
            high = middle;
        } else {
            low = middle;
        }
    }
    return round(low);
}

}  // namespace orvane
