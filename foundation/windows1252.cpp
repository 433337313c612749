// The Windows-1252 table of the bytes 0x80 to 0x9F, both ways.
#include "foundation/windows1252.h"

#include <array>

namespace orvane {

namespace {

constexpr unsigned char kFirstSpecial = 0x80;
constexpr unsigned char kPastSpecial = 0xA0;

// Bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr std::array<char16_t, kPastSpecial - kFirstSpecial> kSpecial = {
    u'\u20AC', u'\u0081', u'\u201A', u'\u0192', u'\u201E', u'\u2026', u'\u2020', u'\u2021',
    u'\u02C6', u'\u2030', u'\u0160', u'\u2039', u'\u0152', u'\u008D', u'\u017D', u'\u008F',
    u'\u0090', u'\u2018', u'\u2019', u'\u201C', u'\u201D', u'\u2022', u'\u2013', u'\u2014',
    u'\u02DC', u'\u2122', u'\u0161', u'\u203A', u'\u0153', u'\u009D', u'\u017E', u'\u0178'};

}  // namespace

char16_t wideFromWindows1252(unsigned char byte) {
    if (byte >= kFirstSpecial && byte < kPastSpecial) return kSpecial[byte - kFirstSpecial];
    return byte;
}

std::optional<unsigned char> windows1252FromWide(char16_t c) {
    if (c < kFirstSpecial || (c >= kPastSpecial && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (size_t i = 0; i < kSpecial.size(); ++i) {
        if (kSpecial[i] == c) return static_cast<unsigned char>(kFirstSpecial + i);
    }
    return std::nullopt;
}

std::u16string widenWindows1252(std::string_view text) {
    std::u16string wide;
    wide.reserve(text.size());
    for (const char c : text) wide.push_back(wideFromWindows1252(static_cast<unsigned char>(c)));
    return wide;
}

}  // namespace orvane
