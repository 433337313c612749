// Text conversions at the browser boundary: the window system's 16-bit texts and the program's
// 8-bit page texts (Windows-1252, the program's one rule for 8-bit text) to UTF-8 for the page,
// and UTF-8 from the page back.
// Malformed input never fails: it becomes U+FFFD (or is refused where noted).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane::web {

std::string utf8FromUtf16(std::u16string_view text);
std::string utf8FromWindows1252(std::string_view text);
// Nothing when the text is not well-formed UTF-8.
std::optional<std::u16string> utf16FromUtf8(std::string_view text);
// Nothing when the text is not well-formed UTF-8 or has a character outside Windows-1252.
std::optional<std::string> windows1252FromUtf8(std::string_view text);

}  // namespace orvane::web
