#include "dosing/toxicology/antidote_pages.h"

#include <array>

#include "dosing/builders/dose_templates.h"

namespace orvane::toxicology {

namespace {

struct FixedPage {
    std::string_view code;
    AntidotePage page;
};

constexpr std::array kFixedPages{
    FixedPage{"S20", appendSuccinylcholineAntidotePage},
    FixedPage{"D80", appendDopaminePage},
    FixedPage{"E20", appendEpinephrinePage},
};

}  // namespace

AntidotePage fixedAntidotePage(std::string_view code) {
    for (const FixedPage& fixed : kFixedPages) {
        if (fixed.code == code) return fixed.page;
    }
    return nullptr;
}

bool appendFixedAntidotePage(SharedString& out, std::string_view code, float weight) {
    const AntidotePage page = fixedAntidotePage(code);
    if (page == nullptr) return false;
    if (isUsableWeight(weight) && weight > 0) {
        page(out, weight);
    } else {
        out.append(kTemplateErrorText);
    }
    return true;
}

}  // namespace orvane::toxicology
