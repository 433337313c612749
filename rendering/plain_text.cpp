#include "rendering/plain_text.h"

#include <array>
#include <string>

namespace orvane {
namespace {

constexpr std::u16string_view kCodeStart = u"<SC id=";

// Characters of the private codes 1 to 41; 0 marks a code without a character (37 and 38).
constexpr std::array<char16_t, 42> kCodeCharacters{
    0,         u'\u03B1', u'\u03B2', u'\u03B3', u'\u03B4', u'\u03BC', u'\u00B0',
    u'\u2020', u'\u011C', u'\u0122', u'\u2264', u'\u2265', u'\u2206', u'\u00B1',
    u'\u00BD', u'\u00F7', u'\u00BC', u'\u01F4', u'\u0118', u'\u00AE', u'\u00D6',
    u'\u2159', u'\u2153', u'\u2155', u'\u215B', u'\u00BE', u'\u0112', u'\u00E9',
    u'\u2022', u'\u015B', u'\u2021', u'\u00F6', u'\u00C5', u'\u2014', u'\u00A9',
    u'\u221A', u'\u2007', 0,         0,         u'\u2005', u'\u003C', u'\u00B3',
};

}  // namespace

char16_t plainCharacterFor(std::u16string_view code) {
    // Exactly "1" to "41": one or two decimal digits, no leading zero.
    if (code.empty() || code.size() > 2 || code[0] < u'1' || code[0] > u'9') return u'x';
    int number = code[0] - u'0';
    if (code.size() == 2) {
        if (code[1] < u'0' || code[1] > u'9') return u'x';
        number = number * 10 + (code[1] - u'0');
    }
    if (number >= static_cast<int>(kCodeCharacters.size())) return u'x';
    const char16_t character = kCodeCharacters[static_cast<size_t>(number)];
    return character == 0 ? u'x' : character;
}

// The search starts again from the beginning after every replacement. Everything before the
// replaced code holds no "<SC id=" (the search found the first one), and a put-in character can
// only begin a new code itself (only code 40 gives '<', the first character of "<SC id="). So
// the walk continues at the put-in character, which gives the same text in linear time. The text
// only shrinks, so it is rewritten in place behind the read position.
void toPlainText(std::u16string& text) {
    const size_t n = text.size();
    size_t read = 0;
    size_t write = 0;
    while (read < n) {
        if (text[read] == u'<' && text.compare(read, kCodeStart.size(), kCodeStart) == 0) {
            const size_t codeStart = read + kCodeStart.size();
            const size_t close = text.find(u'>', codeStart);
            if (close == std::u16string::npos) break;  // the rest stays unchanged
            const std::u16string_view code(text.data() + codeStart, close - codeStart);
            text[close] = plainCharacterFor(code);
            read = close;  // the put-in character is read again: it may begin a code
            continue;
        }
        text[write++] = text[read++];
    }
    while (read < n) text[write++] = text[read++];
    text.resize(write);
}

std::string codesAsCharacterReferences(std::string_view text) {
    constexpr std::string_view start = "<SC id=";
    std::string out;
    out.reserve(text.size());
    size_t read = 0;
    while (read < text.size()) {
        const size_t at = text.find(start, read);
        const size_t close = at == std::string_view::npos ? at : text.find('>', at + start.size());
        if (close == std::string_view::npos) break;  // the rest stays unchanged
        out.append(text.substr(read, at - read));
        const std::string_view code = text.substr(at + start.size(), close - at - start.size());
        const std::u16string wide(code.begin(), code.end());
        out.append("&#");
        out.append(std::to_string(static_cast<uint32_t>(plainCharacterFor(wide))));
        out.push_back(';');
        read = close + 1;
    }
    out.append(text.substr(read));
    return out;
}

void doubleAmpersand(std::u16string& text) {
    const size_t at = text.find(u'&');
    if (at != std::u16string::npos) text.insert(at, 1, u'&');
}

bool fitWithEllipsis(std::u16string& text, const TextMeasurer& measurer, int32_t width) {
    bool shortened = false;
    while (text.size() >= 4 && measurer.textWidth(text) > width) {
        text.pop_back();
        text.replace(text.size() - 3, 3, u"...");
        shortened = true;
    }
    return shortened;
}

}  // namespace orvane
