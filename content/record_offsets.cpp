#include "content/record_offsets.h"

#include <bit>
#include <climits>
#include <cstring>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ORVANE_EIGHT_LANES 1
#else
#define ORVANE_EIGHT_LANES 0
#endif

namespace orvane {

namespace {

constexpr size_t kEntry = 8;

uint32_t be32(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

// The offsets of entries from..count-1 never descend from previous on; last receives the final one.
bool ascendOneByOne(const uint8_t* table, size_t from, size_t count, uint32_t previous,
                    uint32_t descending, uint32_t& last) {
    for (size_t i = from; i < count; ++i) {
        const uint32_t offset = be32(table + i * kEntry);
        descending |= offset < previous ? 1u : 0u;
        previous = offset;
    }
    last = previous;
    return descending == 0;
}

// Four 32-bit lanes, and the same lanes as signed values and as sixteen-bit halves.
using Lanes = uint32_t __attribute__((vector_size(16)));
using SignedLanes = int32_t __attribute__((vector_size(16)));
using HalfLanes = uint16_t __attribute__((vector_size(16)));

// Big-endian lanes converted to native values and shifted by 2^31, so that a signed comparison of
// the results orders them as unsigned values.
inline SignedLanes orderedLanes(Lanes raw) {
    if constexpr (std::endian::native == std::endian::little) {
        HalfLanes halves = reinterpret_cast<HalfLanes>(raw);
        halves = (halves << 8) | (halves >> 8);
        halves = __builtin_shufflevector(halves, halves, 1, 0, 3, 2, 5, 4, 7, 6);
        raw = reinterpret_cast<Lanes>(halves);
    }
    const SignedLanes flip = {INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN};
    return reinterpret_cast<SignedLanes>(raw) ^ flip;
}

}  // namespace

// True when the offsets of the count entries of table never descend; last receives the final
// offset. The table is walked as four quarters side by side, one quarter per lane and two entries
// per lane and step, so that each lane compares an entry with its neighbour in the same lane with
// no shuffling between steps; the three pairs that straddle quarters and the entries left over
// are compared one by one.
bool recordOffsetsAscendFourLanes(const uint8_t* table, size_t count, uint32_t& last) {
    const size_t quarter = count / 4 & ~size_t{1};  // entries per lane, whole steps only
    uint32_t descending = 0;
    if (quarter != 0) {
        const uint8_t* lane0 = table;
        const uint8_t* lane1 = table + quarter * kEntry;
        const uint8_t* lane2 = table + 2 * quarter * kEntry;
        const uint8_t* lane3 = table + 3 * quarter * kEntry;
        SignedLanes previous = orderedLanes(Lanes{0, 0, 0, 0});
        SignedLanes descendingLanes = {0, 0, 0, 0};
        for (size_t at = 0; at < quarter * kEntry; at += 2 * kEntry) {
            // Two entries (16 bytes) of each quarter; the offsets are lanes 0 and 2 of each.
            Lanes a;
            Lanes b;
            Lanes c;
            Lanes d;
            std::memcpy(&a, lane0 + at, sizeof a);
            std::memcpy(&b, lane1 + at, sizeof b);
            std::memcpy(&c, lane2 + at, sizeof c);
            std::memcpy(&d, lane3 + at, sizeof d);
            const Lanes ab = __builtin_shufflevector(a, b, 0, 2, 4, 6);
            const Lanes cd = __builtin_shufflevector(c, d, 0, 2, 4, 6);
            const SignedLanes first = orderedLanes(__builtin_shufflevector(ab, cd, 0, 2, 4, 6));
            const SignedLanes second = orderedLanes(__builtin_shufflevector(ab, cd, 1, 3, 5, 7));
            descendingLanes |= first < previous;
            descendingLanes |= second < first;
            previous = second;
        }
        descending = static_cast<uint32_t>(descendingLanes[0] | descendingLanes[1] |
                                           descendingLanes[2] | descendingLanes[3]);
        for (size_t k = 1; k < 4; ++k) {
            const uint8_t* start = table + k * quarter * kEntry;
            descending |= be32(start) < be32(start - kEntry) ? 1u : 0u;
        }
    }
    const size_t done = 4 * quarter;
    const uint32_t previous = done != 0 ? be32(table + (done - 1) * kEntry) : 0;
    return ascendOneByOne(table, done, count, previous, descending, last);
}

namespace {

#if ORVANE_EIGHT_LANES
// Eight entries per step in 256-bit lanes: their offsets gathered into eight lanes, byte-swapped
// by one byte shuffle, and each compared with the one before it (the last lane of the previous
// step for the first).
__attribute__((target("avx2"))) bool ascendEightLanes(const uint8_t* table, size_t count,
                                                      uint32_t& last) {
    using Lanes8 = uint32_t __attribute__((vector_size(32)));
    using SignedLanes8 = int32_t __attribute__((vector_size(32)));
    using Bytes32 = uint8_t __attribute__((vector_size(32)));
    const SignedLanes8 flip = {INT_MIN, INT_MIN, INT_MIN, INT_MIN,
                               INT_MIN, INT_MIN, INT_MIN, INT_MIN};
    SignedLanes8 before = flip;  // offset 0, shifted like the others
    SignedLanes8 descendingLanes = {0, 0, 0, 0, 0, 0, 0, 0};
    size_t i = 0;
    for (; i + 8 <= count; i += 8) {
        Lanes8 a;
        Lanes8 b;
        std::memcpy(&a, table + i * kEntry, sizeof a);
        std::memcpy(&b, table + i * kEntry + sizeof a, sizeof b);
        const Lanes8 raw = __builtin_shufflevector(a, b, 0, 2, 4, 6, 8, 10, 12, 14);
        const Bytes32 swapped =
            __builtin_shufflevector(reinterpret_cast<Bytes32>(raw), reinterpret_cast<Bytes32>(raw),
                                    3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12, 19, 18,
                                    17, 16, 23, 22, 21, 20, 27, 26, 25, 24, 31, 30, 29, 28);
        const SignedLanes8 current = reinterpret_cast<SignedLanes8>(swapped) ^ flip;
        const SignedLanes8 predecessor =
            __builtin_shufflevector(before, current, 7, 8, 9, 10, 11, 12, 13, 14);
        descendingLanes |= current < predecessor;
        before = current;
    }
    uint32_t descending = 0;
    for (int lane = 0; lane < 8; ++lane) descending |= static_cast<uint32_t>(descendingLanes[lane]);
    const uint32_t previous = i != 0 ? be32(table + (i - 1) * kEntry) : 0;
    return ascendOneByOne(table, i, count, previous, descending, last);
}
#endif

}  // namespace

bool eightLanesAvailable() {
#if ORVANE_EIGHT_LANES
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

bool recordOffsetsAscendEightLanes(const uint8_t* table, size_t count, uint32_t& last) {
#if ORVANE_EIGHT_LANES
    if (eightLanesAvailable()) return ascendEightLanes(table, count, last);
#endif
    return recordOffsetsAscendFourLanes(table, count, last);
}

bool recordOffsetsAscend(const uint8_t* table, size_t count, uint32_t& last) {
    return recordOffsetsAscendEightLanes(table, count, last);
}

}  // namespace orvane
