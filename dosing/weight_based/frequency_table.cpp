#include "dosing/weight_based/frequency_table.h"

namespace orvane {

namespace {

constexpr FrequencyList kLists[] = {
    {"1", 2, {{"q12h", 2}, {"q24h", 1}}},
    {"2", 3, {{"q6h", 4}, {"q8h", 3}, {"q12h", 2}}},
    {"3", 2, {{"q6h", 4}, {"q8h", 3}}},
    {"4", 2, {{"q4h", 6}, {"q6h", 4}}},
    {"5", 3, {{"q8h", 3}, {"q12h", 2}, {"q24h", 1}}},
    {"6", 4, {{"q6h", 4}, {"q8h", 3}, {"q12h", 2}, {"q24h", 1}}},
    {"7", 1, {{"q12h", 2}}},
    {"8", 1, {{"/dose", 1}}},
    {"9", 2, {{"q8h", 3}, {"q12h", 2}}},
    {"10", 1, {{"q8h", 3}}},
};

}  // namespace

const FrequencyList* frequencyListFor(std::string_view code) {
    for (const FrequencyList& list : kLists) {
        if (code == list.code) return &list;
    }
    return nullptr;
}

}  // namespace orvane
