#include "dosing/infusions/tyko_drips_generators.h"

#include <string_view>

#include "dosing/builders/short_amounts.h"
#include "dosing/infusions/drip_steps.h"
#include "dosing/infusions/tyko_drip_pages.h"
#include "foundation/rounding.h"

namespace orvane::infusion::tyko {

namespace {

constexpr ChosenFigures kBoth = ChosenFigures::kRateAndConcentration;

struct PageRow {
    std::string_view code;
    DripPage page;
    ChosenFigures takes = kBoth;  // "A26" and "P20" have mixes and rates of their own
};

constexpr PageRow kPages[] = {
    {"A20", perKgPerMinutePage},
    {"D10", perKgPerMinutePage},
    {"D15", perKgPerMinutePage},
    {"E05", perKgPerMinutePage},
    {"F05", perKgPerMinutePage},
    {"F10", perKgPerMinutePage},
    {"I05", perKgPerMinutePage},
    {"L10", perKgPerMinutePage},
    {"M02", perKgPerMinutePage},
    {"M07", perKgPerMinutePage},
    {"N05", perKgPerMinutePage},
    {"N10", perKgPerMinutePage},
    {"N15", perKgPerMinutePage},
    {"N25", perKgPerMinutePage},
    {"P10", perKgPerMinutePage},
    {"D05", dextrosePage},
    {"I03", insulinPage},
    {"L05", cappedBolusLinesPage},
    {"T10", weightScaledMixPage},
    {"I01", bolusPerKgPage},
    {"E15", bolusAndDripPage},
    {"H05", unitsPerKgPage},
    {"M05", microgramBolusPage},
    {"A26", loadingBolusPage, ChosenFigures::kNone},
    {"P20", threeMixesPage, ChosenFigures::kNone},
};

// The mix factors of "T10": mcg/mL per kg of weight.
constexpr float kFirstMixPerKg = 6.0f;
constexpr float kSecondMixPerKg = 25.0f;

}  // namespace

float weightScaledConcentration(int32_t choice, float weight) {
    return (choice == 1 ? kFirstMixPerKg : kSecondMixPerKg) * weight;
}

void generate(const DripInputs& inputs, DripSections& sections) {
    sections.clear();
    for (const PageRow& row : kPages) {
        if (row.code == inputs.record.code) {
            drawPage(row.page, row.takes, inputs, sections);
            return;
        }
    }
}

std::string tykoDripLine(float v, const std::string& amount, const char* unitPhrase,
                         const DripInputs& inputs) {
    return dripLine(amountTo3Decimals(v), amount, unitPhrase, inputs);
}

void finishWithCommonRates(const DripInputs& inputs, float a, float f, DripSections& sections) {
    setInfoAndCompatibility(inputs.record, sections);
    appendCommonRates(inputs, a, f, roundedAmountTo2Decimals, sections[kInfuse]);
}

std::string dripMixing(const DripInputs& inputs) {
    const int32_t c = inputs.concentrationChoice;
    const std::string& text =
        c >= 1 && c <= kMostConcentrations ? inputs.record.dripMixing[c - 1] : std::string();
    return "How to Mix Drip Solution: <BR>" + text + "<BR><BR>";
}

}  // namespace orvane::infusion::tyko
