// The program's one rule for its 8-bit text: content, labels and pages are Windows-1252, so every
// byte becomes the 16-bit character of that code page when text leaves the program (window
// texts, the HTML viewer, the browser page, printed output). Bytes below 0x80 and from 0xA0 are
// the character of the same number; 0x80 to 0x9F are the code page's letters and signs (0x8C is
// U+0152 "Œ", 0x9C is U+0153 "œ", 0x80 is U+20AC "€"). The five bytes the code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) become the control character of the same number, as
// Windows converts them, so that every byte converts and converts back unchanged. It does not
// deal with UTF-8 or any other encoding.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

char16_t wideFromWindows1252(unsigned char byte);
// The byte of a character, or nothing for a character outside the code page.
std::optional<unsigned char> windows1252FromWide(char16_t c);

std::u16string widenWindows1252(std::string_view text);

}  // namespace orvane
