// copyShortRun: copies a run of bytes inline, without a call per run, touching exactly the bytes
// of the run (no byte before or past it is read or written). Meant for record-sized runs; it is no
// replacement for std::memcpy on large blocks.
#pragma once

#include <cstdint>
#include <cstring>

namespace orvane {

// Runs of 16 to 64 bytes as four 16-byte pieces, two from the front and two ending exactly at the
// run's end (pieces overlap rather than run past it), with no branch on the length; longer runs as
// 32-byte steps and the same two closing pieces; shorter runs as two overlapping 8- or 4-byte
// pieces, or byte by byte.
inline void copyShortRun(uint8_t* dest, const uint8_t* src, uint32_t length) {
    const auto piece16 = [dest, src](uint32_t at) { std::memcpy(dest + at, src + at, 16); };
    if (length - 16u <= 48u) {
        // The second piece starts at 16, or earlier when the run is shorter than 32 bytes; the
        // third ends at length - 16, or at 16 when the run is shorter than 32.
        const uint32_t second = length < 32 ? length - 16 : 16;
        const uint32_t third = length < 32 ? 0 : length - 32;
        piece16(0);
        piece16(second);
        piece16(third);
        piece16(length - 16);
    } else if (length > 64) {
        uint32_t i = 0;
        for (; i + 32 < length; i += 32) {
            piece16(i);
            piece16(i + 16);
        }
        piece16(length - 32);
        piece16(length - 16);
    } else if (length >= 8) {
        std::memcpy(dest, src, 8);
        std::memcpy(dest + length - 8, src + length - 8, 8);
    } else if (length >= 4) {
        std::memcpy(dest, src, 4);
        std::memcpy(dest + length - 4, src + length - 4, 4);
    } else {
        for (uint32_t i = 0; i < length; ++i) dest[i] = src[i];
    }
}

}  // namespace orvane
