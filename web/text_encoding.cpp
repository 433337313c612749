#include "web/text_encoding.h"

#include <cstdint>

#include "foundation/windows1252.h"

namespace orvane::web {

namespace {

void appendUtf8(std::string& out, uint32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Decodes the code points of well-formed UTF-8 (no overlong forms, no surrogates); false at the
// first fault.
template <class Sink>
bool decodeUtf8(std::string_view text, Sink sink) {
    size_t i = 0;
    while (i < text.size()) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        uint32_t c = 0;
        size_t extra = 0;
        uint32_t minimum = 0;
        if (b0 < 0x80) {
            c = b0;
        } else if ((b0 & 0xE0) == 0xC0) {
            c = b0 & 0x1F;
            extra = 1;
            minimum = 0x80;
        } else if ((b0 & 0xF0) == 0xE0) {
            c = b0 & 0x0F;
            extra = 2;
            minimum = 0x800;
        } else if ((b0 & 0xF8) == 0xF0) {
            c = b0 & 0x07;
            extra = 3;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (extra > 0 && i + extra >= text.size()) return false;
        for (size_t k = 1; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80) return false;
            c = (c << 6) | (b & 0x3F);
        }
        if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        if (!sink(c)) return false;
        i += extra + 1;
    }
    return true;
}

}  // namespace

std::string utf8FromUtf16(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = 0xFFFD;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::string utf8FromWindows1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) appendUtf8(out, wideFromWindows1252(static_cast<unsigned char>(ch)));
    return out;
}

std::optional<std::u16string> utf16FromUtf8(std::string_view text) {
    std::u16string out;
    const bool ok = decodeUtf8(text, [&out](uint32_t c) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(c));
        }
        return true;
    });
    if (!ok) return std::nullopt;
    return out;
}

std::optional<std::string> windows1252FromUtf8(std::string_view text) {
    std::string out;
    const bool ok = decodeUtf8(text, [&out](uint32_t c) {
        if (c > 0xFFFF) return false;
        const std::optional<unsigned char> byte = windows1252FromWide(static_cast<char16_t>(c));
        if (!byte) return false;
        out.push_back(static_cast<char>(*byte));
        return true;
    });
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace orvane::web
