#include "web/web_options.h"

#include <random>

namespace orvane::web {

namespace {

bool parseNumber(std::string_view text, int maxDigits, int& out) {
    if (text.empty() || static_cast<int>(text.size()) > maxDigits) return false;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        n = n * 10 + (c - '0');
    }
    out = n;
    return true;
}

}  // namespace

bool parseScreenSize(std::string_view text, int& width, int& height) {
    if (text == "240x320") {
        width = 240;
        height = 320;
        return true;
    }
    if (text == "480x640") {
        width = 480;
        height = 640;
        return true;
    }
    return false;
}

bool parsePort(std::string_view text, int& port) {
    int n = 0;
    if (!parseNumber(text, 5, n) || n > 65535) return false;
    port = n;
    return true;
}

bool isIpv4Address(std::string_view text) {
    int parts = 0;
    size_t start = 0;
    while (true) {
        const size_t dot = text.find('.', start);
        const std::string_view part = text.substr(
            start, dot == std::string_view::npos ? std::string_view::npos : dot - start);
        int value = 0;
        if (!parseNumber(part, 3, value) || value > 255) return false;
        ++parts;
        if (dot == std::string_view::npos) break;
        start = dot + 1;
    }
    return parts == 4;
}

std::string makeSessionToken() {
    std::random_device source;
    static constexpr char kHex[] = "0123456789abcdef";
    std::string token;
    for (int i = 0; i < 4; ++i) {
        uint32_t word = source();
        for (int k = 0; k < 8; ++k) {
            token.push_back(kHex[word & 0xF]);
            word >>= 4;
        }
    }
    return token;
}

bool sameSecret(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    unsigned char diff = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        diff |= static_cast<unsigned char>(a[i] ^ b[i]);
    }
    return diff == 0;
}

}  // namespace orvane::web
