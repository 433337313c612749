#include "web/content_length.h"

#include <optional>

namespace orvane::web {

namespace {

// Digits beyond which a length is above any limit a 64-bit count holds.
constexpr size_t kMaxLengthDigits = 19;

// The value of a length written in decimal digits only; a longer number than kMaxLengthDigits
// counts as the largest value (it is above every limit). Nothing for any other text.
std::optional<uint64_t> lengthValue(const std::string& text) {
    if (text.empty()) return std::nullopt;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    size_t first = text.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    if (text.size() - first > kMaxLengthDigits) return UINT64_MAX;
    uint64_t value = 0;
    for (size_t i = first; i < text.size(); ++i) {
        value = value * 10 + static_cast<uint64_t>(text[i] - '0');
    }
    return value;
}

}  // namespace

DeclaredLength checkContentLength(const std::vector<std::string>& values, uint64_t limit) {
    if (values.empty()) return DeclaredLength::kNone;
    std::optional<uint64_t> length;
    for (const std::string& text : values) {
        const std::optional<uint64_t> value = lengthValue(text);
        if (!value || (length && *length != *value)) return DeclaredLength::kMalformed;
        length = value;
    }
    return *length > limit ? DeclaredLength::kTooLarge : DeclaredLength::kAccepted;
}

}  // namespace orvane::web
