// The texts the list screens put into their list controls and compare when searching: an entry
// label with its comparison signs and private codes turned into characters, cut to the control's
// limit, and upper-casing for case-blind comparison. Text only; no controls, no modules.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The longest entry text a list control is given.
inline constexpr size_t kEntryTextLimit = 255;

// "<=" and "=<" become the private code 10, "=>" and ">=" the code 11 (one plain left-to-right
// replacement after the other).
std::string withComparisonCodes(std::string_view text);

// An index entry as its row shows it: comparison codes, cut to kEntryTextLimit bytes, widened,
// private codes turned into characters.
std::u16string indexEntryText(std::string_view label);

// A home-list entry: cut to kEntryTextLimit bytes and widened.
std::u16string moduleEntryText(std::string_view label);

// ASCII letters upper-cased; every other character unchanged.
char16_t upperAscii(char16_t c);
std::u16string upperAscii(std::u16string_view text);

}  // namespace orvane
