#include "dosing/airway/sedation_fixed_pages.h"

#include <array>

namespace orvane::airway {

namespace {

struct FixedPage {
    std::string_view code;
    SedationPage page;
};

constexpr std::array kFixedPages{
    FixedPage{"F20", appendFlumazenilPage},
    FixedPage{"K20", appendKetamineImPage},
    FixedPage{"K25", appendKetamineIvPage},
    FixedPage{"M35", appendOralLiquidPage},
};

}  // namespace

SedationPage fixedSedationPage(std::string_view code) {
    for (const FixedPage& fixed : kFixedPages) {
        if (fixed.code == code) return fixed.page;
    }
    return nullptr;
}

}  // namespace orvane::airway
