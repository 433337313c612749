#include "screens/list_entry_text.h"

#include "foundation/windows1252.h"
#include "rendering/plain_text.h"

namespace orvane {

namespace {

// Replaces every occurrence scanning left to right; replaced text is not scanned again.
std::string replaceEach(std::string_view text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    size_t at = 0;
    while (at < text.size()) {
        const size_t found = text.find(from, at);
        if (found == std::string_view::npos) break;
        out.append(text.substr(at, found - at));
        out.append(to);
        at = found + from.size();
    }
    if (at < text.size()) out.append(text.substr(at));
    return out;
}

}  // namespace

std::string withComparisonCodes(std::string_view text) {
    std::string out = replaceEach(text, "<=", "<SC id=10>");
    out = replaceEach(out, "=<", "<SC id=10>");
    out = replaceEach(out, "=>", "<SC id=11>");
    return replaceEach(out, ">=", "<SC id=11>");
}

std::u16string indexEntryText(std::string_view label) {
    std::string text = withComparisonCodes(label);
    if (text.size() > kEntryTextLimit) text.resize(kEntryTextLimit);
    std::u16string wide = widenWindows1252(text);
    toPlainText(wide);
    return wide;
}

std::u16string moduleEntryText(std::string_view label) {
    return widenWindows1252(label.substr(0, kEntryTextLimit));
}

char16_t upperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

std::u16string upperAscii(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) c = upperAscii(c);
    return out;
}

}  // namespace orvane
