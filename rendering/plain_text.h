// Helpers for content text drawn in native controls (lists, labels, menus) rather than the HTML
// viewer: private codes as single characters, the '&' escape of menus, and shortening a text with
// "..." to a width. They work on 16-bit text and know nothing of fonts beyond a measuring callback.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// Measures the drawn width of a 16-bit text in pixels (the platform implements it with a font).
class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual int32_t textWidth(std::u16string_view text) const = 0;
};

// Replaces every private code "<SC id=" code ">" by its character; a code outside the table
// becomes 'x'; when no '>' follows "<SC id=" the rest of the text stays as it is. In place.
void toPlainText(std::u16string& text);

// The character a private code (the text between "<SC id=" and ">") stands for; 'x' when the code
// is not in the table (compared exactly as text: "02" or " 2" are not 2).
char16_t plainCharacterFor(std::u16string_view code);

// The 8-bit text with every private code "<SC id=" code ">" written as the HTML character
// reference of the character toPlainText puts in ("&#946;", "&#120;" for a code outside the
// table), for a text that stays 8-bit but is shown in a page without the content markup
// conversion (a label inside a message). When no '>' follows "<SC id=" the rest stays as it is.
std::string codesAsCharacterReferences(std::string_view text);

// Replaces the first '&' of the text by "&&"; later ones stay.
void doubleAmpersand(std::u16string& text);

// While the text is wider than width: drops its last character and overwrites the last three
// remaining characters with "...". Stops when fewer than four characters are left (there is no
// room to drop one and still hold "..."), so it never writes before the start of the text and
// always ends. Returns whether the text was shortened.
bool fitWithEllipsis(std::u16string& text, const TextMeasurer& measurer, int32_t width);

}  // namespace orvane
