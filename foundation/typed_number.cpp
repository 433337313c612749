#include "foundation/typed_number.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace orvane {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digits of a group of thousands.
constexpr size_t kGroupDigits = 3;

bool isPoint(char c) {
    return c == '.' || c == ',';
}

// "1,000" or "7,500": a comma followed by exactly three digits after a whole part other than 0
// is a thousands separator as often as a decimal comma, and the two readings differ a
// thousandfold. Such a text is refused rather than guessed ("0,125" and "7,5" are not ambiguous).
bool looksLikeThousands(std::string_view unsigned_text) {
    const size_t comma = unsigned_text.find(',');
    if (comma == std::string_view::npos || unsigned_text.size() - comma - 1 != kGroupDigits) {
        return false;
    }
    const std::string_view whole = unsigned_text.substr(0, comma);
    return whole.find_first_not_of('0') != std::string_view::npos;
}

}  // namespace

std::optional<float> readTypedNumber(std::string_view text) {
    size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    // The unsigned part, with its point written '.', is what the conversion reads.
    std::string number;
    bool point = false;
    bool digits = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isDigit(c)) {
            digits = true;
            number.push_back(c);
        } else if (isPoint(c) && !point) {
            point = true;
            number.push_back('.');
        } else {
            return std::nullopt;
        }
    }
    if (!digits) return std::nullopt;
    if (looksLikeThousands(text.substr(text[0] == '-' || text[0] == '+' ? 1 : 0))) {
        return std::nullopt;
    }
    float magnitude = 0.0f;
    const char* end = number.data() + number.size();
    const std::from_chars_result read =
        std::from_chars(number.data(), end, magnitude, std::chars_format::fixed);
    // Too large (or too small to tell from 0) for a float: not a number that can be used.
    if (read.ec != std::errc() || read.ptr != end || !std::isfinite(magnitude)) {
        return std::nullopt;
    }
    return negative ? -magnitude : magnitude;
}

bool hasDecimalPoint(std::string_view text) {
    for (const char c : text) {
        if (isPoint(c)) return true;
    }
    return false;
}

}  // namespace orvane
