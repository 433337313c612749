#include "rendering/link_target.h"

#include <cstdint>

namespace orvane {

std::optional<Request> decodeLinkTarget(std::string_view target) {
    size_t i = 0;
    const size_t n = target.size();
    // The white space that the standard conversion skips: space, \t, \n, \v, \f, \r.
    while (i < n && (target[i] == ' ' || (target[i] >= '\t' && target[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < n && (target[i] == '+' || target[i] == '-')) negative = target[i++] == '-';
    if (i >= n || target[i] < '0' || target[i] > '9') return std::nullopt;
    // Accumulate in 64 bits and stop as soon as the magnitude leaves the 32-bit range, so that any
    // number of digits is read in one pass without overflow.
    constexpr int64_t kLimit = int64_t{INT32_MAX} + 1;  // the magnitude of INT32_MIN
    int64_t magnitude = 0;
    for (; i < n && target[i] >= '0' && target[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (target[i] - '0');
        if (magnitude > kLimit) return std::nullopt;
    }
    if (!negative && magnitude > INT32_MAX) return std::nullopt;
    const int64_t value = negative ? -magnitude : magnitude;
    return static_cast<Request>(static_cast<uint32_t>(static_cast<int32_t>(value)));
}

}  // namespace orvane
