#include "shell/preferences.h"

#include <bit>

namespace orvane {

namespace {

class Writer {
  public:
    explicit Writer(std::array<uint8_t, kPreferencesValueSize>& out) : out_(out) {}
    void u8(size_t at, uint8_t v) { out_[at] = v; }
    void u16(size_t at, uint16_t v) {
        out_[at] = static_cast<uint8_t>(v & 0xFFu);
        out_[at + 1] = static_cast<uint8_t>(v >> 8);
    }
    void u32(size_t at, uint32_t v) {
        for (size_t i = 0; i < 4; ++i) out_[at + i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFFu);
    }
    void f32(size_t at, float v) { u32(at, std::bit_cast<uint32_t>(v)); }
    void measure(size_t at, const StoredMeasure& m) {
        u16(at, static_cast<uint16_t>(m.unit));
        u16(at + 2, static_cast<uint16_t>(m.fraction));
        f32(at + 4, m.value);
    }

  private:
    std::array<uint8_t, kPreferencesValueSize>& out_;
};

// Reads from a value already known to hold all 60 bytes.
class Reader {
  public:
    explicit Reader(const uint8_t* in) : in_(in) {}
    uint8_t u8(size_t at) const { return in_[at]; }
    uint16_t u16(size_t at) const { return static_cast<uint16_t>(in_[at] | (in_[at + 1] << 8)); }
    uint32_t u32(size_t at) const {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v |= static_cast<uint32_t>(in_[at + i]) << (8 * i);
        return v;
    }
    float f32(size_t at) const { return std::bit_cast<float>(u32(at)); }
    StoredMeasure measure(size_t at) const {
        return StoredMeasure{static_cast<int16_t>(u16(at)), static_cast<int16_t>(u16(at + 2)),
                             f32(at + 4)};
    }

  private:
    const uint8_t* in_;
};

}  // namespace

std::array<uint8_t, kPreferencesValueSize> encodePreferences(const Preferences& prefs) {
    std::array<uint8_t, kPreferencesValueSize> out{};
    Writer w(out);
    w.u32(0, kPreferencesVersion);
    // Offsets 4 to 11 stay zero.
    w.u8(12, prefs.spare12);
    w.u8(13, prefs.reserved13);
    w.u16(14, static_cast<uint16_t>(prefs.historyPosition));
    w.u8(16, prefs.showDisclaimer);
    w.u8(17, prefs.secondDisclaimer);
    w.u8(18, prefs.spare18);
    w.u8(19, prefs.reserved19);
    w.measure(20, prefs.adultWeight);
    w.measure(28, prefs.childWeight);
    w.measure(36, prefs.height);
    w.measure(44, prefs.headCircumference);
    w.f32(52, prefs.age);
    w.u16(56, static_cast<uint16_t>(prefs.sex));
    w.u16(58, static_cast<uint16_t>(prefs.keypadShown));
    return out;
}

Preferences decodePreferences(const uint8_t* bytes, size_t size) {
    Preferences prefs;
    if (bytes == nullptr || size != kPreferencesValueSize) return prefs;
    const Reader r(bytes);
    if (r.u32(0) != kPreferencesVersion) return prefs;
    prefs.spare12 = r.u8(12);
    prefs.reserved13 = r.u8(13);
    prefs.historyPosition = static_cast<int16_t>(r.u16(14));
    prefs.showDisclaimer = r.u8(16);
    prefs.secondDisclaimer = r.u8(17);
    prefs.spare18 = r.u8(18);
    prefs.reserved19 = r.u8(19);
    prefs.adultWeight = r.measure(20);
    prefs.childWeight = r.measure(28);
    prefs.height = r.measure(36);
    prefs.headCircumference = r.measure(44);
    prefs.age = r.f32(52);
    prefs.sex = static_cast<int16_t>(r.u16(56));
    prefs.keypadShown = static_cast<int16_t>(r.u16(58));
    return prefs;
}

}  // namespace orvane
