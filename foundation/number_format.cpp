#include "foundation/number_format.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "foundation/rounding.h"

namespace orvane {

char* formatFixed(char* buffer, float x, int32_t decimals) {
    if (decimals < 0) decimals = 0;
    if (decimals > 6) decimals = 6;
    double p = 1.0;
    for (int32_t k = 0; k < decimals; ++k) p *= 10.0;
    bool negative = x < 0;
    auto m = static_cast<float>(static_cast<double>(std::fabs(x)) + 0.5 / p);
    if (!(m < 2147483648.0f)) {  // NaN, infinities and values past the 32-bit range
        std::strcpy(buffer, kInvalidNumberText);
        return buffer;
    }
    auto i = static_cast<int32_t>(m);
    float f = m - static_cast<float>(i);
    auto d = static_cast<int32_t>(static_cast<double>(f) * p);
    char* out = buffer;
    if (negative && (i != 0 || d != 0)) *out++ = '-';
    out += std::snprintf(out, 16, "%d", i);
    if (d != 0) {
        *out++ = '.';
        std::snprintf(out, 8, "%0*d", decimals, d);
        out += decimals;
        while (out[-1] == '0') --out;
    }
    *out = '\0';
    return buffer;
}

SharedString formatNumber(float x, int32_t decimals, bool applyDoseRound) {
    if (applyDoseRound) x = doseRound(x);
    x = static_cast<float>(static_cast<double>(x) + 0.0000001);
    char buffer[32];
    return SharedString(formatFixed(buffer, x, decimals));
}

}  // namespace orvane
