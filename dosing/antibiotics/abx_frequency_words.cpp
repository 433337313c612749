#include "dosing/antibiotics/abx_frequency_words.h"

#include <array>
#include <cstddef>

namespace orvane {

namespace {

constexpr std::array<const char*, 7> kRouteWords{
    "", " PO", " IV", " IM", " IV/IM", " IV/IM/PO", " IV/PO",
};

// Indexed by doses a day; 0 is read as twice a day. A null word: the set has none for the count.
constexpr std::array<AbxFrequencyWords, 7> kOralWords{{
    {" bid", " div bid"},
    {" qd", " given qd"},
    {" bid", " div bid"},
    {" tid", " div tid"},
    {" qid", " div qid"},
    {" 5x/day", " div 5x/day"},
    {nullptr, nullptr},
}};

constexpr std::array<AbxFrequencyWords, 7> kOtherWords{{
    {" q12h", " div q12h"},
    {" q24h", " given q24h"},
    {" q12h", " div q12h"},
    {" q8h", " div q8h"},
    {" q6h", " div q6h"},
    {nullptr, nullptr},
    {" q4h", " div q4h"},
}};

}  // namespace

const char* abxRouteWord(int32_t route) {
    if (route < kAbxRouteOral || route > kAbxRouteIvOral) return "";
    return kRouteWords[static_cast<std::size_t>(route)];
}

const AbxFrequencyWords* abxFrequencyWords(int32_t route, int32_t dosesPerDay) {
    const auto& words = route == kAbxRouteOral ? kOralWords : kOtherWords;
    if (dosesPerDay < 0 || dosesPerDay >= static_cast<int32_t>(words.size())) return nullptr;
    const AbxFrequencyWords& found = words[static_cast<std::size_t>(dosesPerDay)];
    return found.word != nullptr ? &found : nullptr;
}

}  // namespace orvane
