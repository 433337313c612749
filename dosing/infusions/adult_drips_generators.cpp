#include "dosing/infusions/adult_drips_generators.h"

#include <algorithm>

#include "dosing/builders/short_amounts.h"
#include "dosing/infusions/adult_drip_pages.h"
#include "dosing/infusions/drip_steps.h"
#include "foundation/rounding.h"

namespace orvane::infusion::adult {

namespace {

constexpr ChosenFigures kFixed = ChosenFigures::kNone;

struct PageRow {
    std::string_view code;
    DripPage page;
    // The fixed pages take nothing from the lists and need no choice; the bolus-pair and per-day
    // drips run at a dose of their own on the chosen concentration.
    ChosenFigures takes = ChosenFigures::kRateAndConcentration;
};

constexpr PageRow kPages[] = {
    {"A22", perKgPerMinutePage},
    {"D10", perKgPerMinutePage},
    {"D15", perKgPerMinutePage},
    {"F05", perKgPerMinutePage},
    {"L10", perKgPerMinutePage},
    {"N10", perKgPerMinutePage},
    {"N15", perKgPerMinutePage},
    {"P02", perKgPerMinutePage},
    {"P18", perKgPerMinutePage},
    {"P20", perKgPerMinutePage},
    {"V05", perKgPerMinutePage},
    {"I02", milligramBolusPage},
    {"B15", perHourPage},
    {"D05", perHourPage},
    {"F15", perHourPage},
    {"L20", perHourPage},
    {"M02", perHourPage},
    {"N02", perHourPage},
    {"O05", perHourPage},
    {"D20", perDayPage, ChosenFigures::kConcentration},
    {"E04", perMinutePage},
    {"I03", perMinutePage},
    {"N05", perMinutePage},
    {"E15", bolusAndDripPage},
    {"H05", unitsPerKgPage},
    {"L02", wholeAmountPerMinutePage},
    {"L05", wholeAmountPerMinutePage},
    {"N20", wholeAmountPerMinutePage},
    {"P05", wholeAmountPerMinutePage},
    {"M05", microgramBolusPage},
    {"P15", loadingRatePage},
    {"E10", bolusPairPage, ChosenFigures::kConcentration},
    {"E12", bolusPairPage, ChosenFigures::kConcentration},
    {"E13", bolusPairPage, ChosenFigures::kConcentration},
    {"E14", bolusPairPage, ChosenFigures::kConcentration},
    {"B10", twoStagePage},
    {"A05", filteredBolusPage, kFixed},
    {"A10", filteredBolusPage, kFixed},
    {"A15", cappedBolusPage, kFixed},
    {"A20", lyticPage, kFixed},
    {"A25", fixedLoadPage, kFixed},
    {"A26", pushLoadPage, kFixed},
    {"N01", lowDosePage, kFixed},
    {"T05", weightBandPage, kFixed},
    {"T10", bolusThenDripPage, kFixed},
    {"I01", cappedInfusionPage, kFixed},
};

const PageRow* rowFor(std::string_view code) {
    for (const PageRow& row : kPages) {
        if (row.code == code) return &row;
    }
    return nullptr;
}

// F1(CR(CR(x))), the common rates' form.
std::string commonRate(float x) {
    return orvane::amountTo1Decimal(doseRound(doseRound(x)));
}

}  // namespace

bool isBolusPairCode(std::string_view code) {
    const PageRow* row = rowFor(code);
    return row != nullptr && row->page == bolusPairPage;
}

bool isFixedPageCode(std::string_view code) {
    const PageRow* row = rowFor(code);
    return row != nullptr && row->takes == ChosenFigures::kNone;
}

void generate(const DripInputs& inputs, DripSections& sections) {
    sections.clear();
    if (const PageRow* row = rowFor(inputs.record.code)) {
        drawPage(row->page, row->takes, inputs, sections);
    }
}

std::string wholeAmountTo1Decimal(float x) {
    return orvane::amountTo1Decimal(wholeAmount(x));
}

std::string dripMixing(const DripInputs& inputs) {
    const int32_t c = inputs.concentrationChoice;
    const std::string& text =
        c >= 1 && c <= kMostConcentrations ? inputs.record.dripMixing[c - 1] : std::string();
    return kDripMixingPhrase + text + "<BR><BR>";
}

std::string bolusMixing(const DripInputs& inputs) {
    return kBolusMixingPhrase + inputs.record.bolusMixing + "<BR><BR>";
}

std::string standardSelections(const DripInputs& inputs) {
    return "Drip Conc = " + inputs.concentrationText + "<BR>Selected Rate = " + inputs.rateText +
           "<BR><BR>";
}

std::string adultDripLine(float v, const std::string& amount, const char* unitPhrase,
                          const DripInputs& inputs) {
    return dripLine(roundedAmountTo1Decimal(v), amount, unitPhrase, inputs);
}

void finish(const DripInputs& inputs, DripSections& sections) {
    setInfoAndCompatibility(inputs.record, sections);
}

void finishWithCommonRates(const DripInputs& inputs, float a, float f, DripSections& sections) {
    setInfoAndCompatibility(inputs.record, sections);
    appendCommonRates(inputs, a, f, commonRate, sections[kInfuse]);
}

std::string heparinBlock(float w) {
    // 60 U/kg at most 4000 U, then 12 U/kg/hr at most 1000 U/hr.
    constexpr float kBolusUnitsPerKg = 60.0f;
    constexpr float kMostBolusUnits = 4000.0f;
    constexpr float kDripUnitsPerKg = 12.0f;
    constexpr float kMostDripUnits = 1000.0f;
    return "Heparin Dosing:<BR>" +
           roundedAmountTo1Decimal(std::min(kBolusUnitsPerKg * w, kMostBolusUnits)) +
           " U Bolus then " +
           roundedAmountTo1Decimal(std::min(kDripUnitsPerKg * w, kMostDripUnits)) +
           " U/hr.<BR>[60 U/kg bolus (Max 4000 U)]<BR>[12 U/kg/hr drip (Max 1000 U/hr)]<BR>Adjust "
           "drip as needed to maintain aPTT at 50-75 seconds.<BR><BR>";
}

}  // namespace orvane::infusion::adult
