// Writes numbers for pages: at most a given number of decimals, halves rounded up, no trailing
// zeros, optionally after the dose bands. Each call returns its own string (no shared buffer).
// How many decimals a dose's amount needs is printed_amount.h's.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"

namespace orvane {

// The text written for a value that cannot be shown as a number: NaN, an infinity, or a value whose
// whole part does not fit a signed 32-bit integer. A page never shows "nan" or "inf".
inline constexpr const char* kInvalidNumberText = "ERR";

// Writes x with at most `decimals` (0 to 6) decimals into buffer (at least 32 bytes),
// NUL-terminated. Returns the buffer.
char* formatFixed(char* buffer, float x, int32_t decimals);

// doseRound first when asked, then adds 0.0000001 (as a double, back to a float) and formats.
SharedString formatNumber(float x, int32_t decimals, bool applyDoseRound);

}  // namespace orvane
