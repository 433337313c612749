// What the program's code takes from C++20's library and Emscripten 3.1.6's older libc++ lacks,
// put in front of every source of the WebAssembly build (wasm.cmake, -include): std::bit_cast, and
// std::from_chars for float. The float reading is musl's strtof, which rounds correctly to nearest
// as from_chars does, so typed numbers read to the same float as in the native build (the parity
// test compares the pages). Also <sys/time.h>, which glibc's socket header brings along.
#pragma once

#include <sys/time.h>

#include <bit>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cstdlib>
#include <cstring>

#if defined(__EMSCRIPTEN__) && defined(_LIBCPP_VERSION) && _LIBCPP_VERSION < 14000

namespace std {

template <class To, class From>
constexpr To bit_cast(const From& from) noexcept {
    return __builtin_bit_cast(To, from);
}

// Fixed or general notation without a leading '+', as from_chars reads it; the longest text
// read is far beyond any typed number.
inline from_chars_result from_chars(const char* first, const char* last, float& value,
                                    chars_format format = chars_format::general) {
    constexpr size_t kLongest = 512;
    const size_t length = static_cast<size_t>(last - first);
    char text[kLongest + 1];
    if (length == 0 || length > kLongest || *first == '+' || *first == ' ') {
        return {first, errc::invalid_argument};
    }
    std::memcpy(text, first, length);
    text[length] = '\0';
    // Only the notation asked for: no exponent in fixed, no hexadecimal, infinity or nan.
    size_t usable = 0;
    while (usable < length) {
        const char c = text[usable];
        const bool digit = c >= '0' && c <= '9';
        const bool exponent = (c == 'e' || c == 'E') && format != chars_format::fixed;
        const bool sign =
            (c == '-' || c == '+') &&
            (usable == 0 ? c == '-' : (text[usable - 1] == 'e' || text[usable - 1] == 'E'));
        if (!digit && c != '.' && !exponent && !sign) break;
        ++usable;
    }
    text[usable] = '\0';
    char* end = nullptr;
    errno = 0;
    const float read = std::strtof(text, &end);
    if (end == text) return {first, errc::invalid_argument};
    const char* stop = first + (end - text);
    if (errno == ERANGE) return {stop, errc::result_out_of_range};
    value = read;
    return {stop, errc()};
}

}  // namespace std

#endif
