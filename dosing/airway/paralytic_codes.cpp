#include "dosing/airway/paralytic_codes.h"

#include <array>

namespace orvane::airway {

namespace {

struct PageCode {
    std::string_view code;
    int32_t page;
};

// Records 0 to 7 of the paralytic table; record 2 (doxacurium) has no code.
constexpr std::array kPageCodes{
    PageCode{"A30", 0}, PageCode{"C10", 1}, PageCode{"M30", 3}, PageCode{"P10", 4},
    PageCode{"R20", 5}, PageCode{"S30", 6}, PageCode{"V20", 7},
};

}  // namespace

int32_t paralyticPageOf(std::string_view code) {
    for (const PageCode& entry : kPageCodes) {
        if (entry.code == code) return entry.page;
    }
    return -1;
}

}  // namespace orvane::airway
