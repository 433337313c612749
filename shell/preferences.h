// Preferences: the in-memory record of the stored settings (flags, the last history position and
// the patient values of the last run) and its exact 60-byte stored form (a 32-bit version 1, then
// the record; little-endian numbers, IEEE single floats). Conversion only; reading and writing the
// store is PreferencesStore's.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace orvane {

// One patient measurement as stored: unit index, fraction (ounces or eighths) and value.
struct StoredMeasure {
    int16_t unit = 0;
    int16_t fraction = 0;
    float value = 0.0f;
    friend bool operator==(const StoredMeasure&, const StoredMeasure&) = default;
};

struct Preferences {
    uint8_t spare12 = 0;
    uint8_t reserved13 = 0;
    int16_t historyPosition = -1;  // written at exit, never read back
    uint8_t showDisclaimer = 1;    // 1: the disclaimer is shown during start-up
    uint8_t secondDisclaimer = 1;  // kept unchanged
    uint8_t spare18 = 0;
    uint8_t reserved19 = 0;
    StoredMeasure adultWeight{0, 0, 200.0f};
    StoredMeasure childWeight{0, 0, 10.0f};
    StoredMeasure height{0, 0, 72.0f};
    StoredMeasure headCircumference{0, 0, 25.0f};
    float age = 35.0f;
    int16_t sex = 0;  // 0 male, 1 female
    int16_t keypadShown = 1;
    friend bool operator==(const Preferences&, const Preferences&) = default;
};

inline constexpr size_t kPreferencesValueSize = 60;
inline constexpr uint32_t kPreferencesVersion = 1;

// The stored value: version 1, eight zero bytes, then the record from offset 12.
std::array<uint8_t, kPreferencesValueSize> encodePreferences(const Preferences& prefs);

// The record of a stored value; the defaults unless the value is exactly 60 bytes long and
// starts with version 1. The eight bytes after the version are ignored. Reads nothing beyond size.
Preferences decodePreferences(const uint8_t* bytes, size_t size);

}  // namespace orvane
