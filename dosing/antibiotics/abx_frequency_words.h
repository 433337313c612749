// The route and frequency words of an AbxNavix dose line: the route word by route code, and the
// two word sets (oral, and every other route) that name the number of doses a day and how a daily
// dose is divided. It holds words only; the line is abx_dose_block's.
#pragma once

#include <cstdint>

namespace orvane {

// The route codes of the dose table.
enum AbxRoute : int32_t {
    kAbxRouteOral = 1,
    kAbxRouteIv = 2,
    kAbxRouteIm = 3,
    kAbxRouteIvIm = 4,
    kAbxRouteIvImOral = 5,
    kAbxRouteIvOral = 6,
};

// The route word (" PO", " IV", ...); empty for a code outside the table.
const char* abxRouteWord(int32_t route);

struct AbxFrequencyWords {
    const char* word;      // " tid", " q8h"
    const char* division;  // " div tid", " given q24h"
};

// The words for a number of doses a day: the oral set for the oral route, the other set for
// every other route code. Null when the set has no word for the count.
const AbxFrequencyWords* abxFrequencyWords(int32_t route, int32_t dosesPerDay);

}  // namespace orvane
