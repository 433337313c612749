// recordOffsetsAscend: checks that the offsets in a Palm database record table (8-byte entries,
// each starting with a big-endian offset) never descend, many entries at a time. It only compares
// offsets with each other; checking them against the file's size is the caller's.
#pragma once

#include <cstddef>
#include <cstdint>

namespace orvane {

// True when the offsets of the count entries of table never descend (equal ones are fine); last
// receives the final offset (0 for no entries). Uses the widest way the processor offers.
bool recordOffsetsAscend(const uint8_t* table, size_t count, uint32_t& last);

// The ways themselves, so that each can be tested on any machine: four lanes works everywhere;
// eight lanes needs eightLanesAvailable() (x86-64 with AVX2) and otherwise answers with four.
bool recordOffsetsAscendFourLanes(const uint8_t* table, size_t count, uint32_t& last);
bool recordOffsetsAscendEightLanes(const uint8_t* table, size_t count, uint32_t& last);
bool eightLanesAvailable();

}  // namespace orvane
