#include "dosing/infusions/adult_drips_module.h"

#include <algorithm>
#include <iterator>
#include <string_view>

#include "dosing/infusions/adult_drips_generators.h"
#include "dosing/infusions/adult_drips_record.h"
#include "dosing/infusions/drip_steps.h"
#include "modules/patient_context.h"

namespace orvane {

namespace {

using infusion::DripInputs;
using infusion::InfusionRecord;

// "B10": rates and renal-function choices are the program's own.
constexpr const char* kTwoStageRates[] = {"0.75 mg/kg bolus then 1.75 mg/kg/h",
                                          "1 mg/kg bolus then 2.5 mg/kg/h"};
constexpr const char* kRenalFunctions[] = {"Normal Function", "GFR 30-59 mL/min",
                                           "GFR 10-29 mL/min", "Dialysis Dependent"};
// mg/mL of the "B10" bolus solution; its first-stage and later rates by rate choice; the
// reduction of both by renal function.
constexpr float kTwoStageConcentration = 5.0f;
constexpr float kFirstStageRates[] = {1.75f, 2.5f};
constexpr float kLaterStageRate = 0.2f;
constexpr float kRenalFactors[] = {1.0f, 0.8f, 0.4f, 0.1f};

// The single entry of the rate list of "D20" (the bolus-pair codes list the dose they deliver).
constexpr const char* kPerHourRate = "24 mcg/kg/hr";
constexpr const char* kBolusPairSecondConcentration = "2 mg/mL";
// mcg/mL of the bolus-pair drips: the first concentration, and the 2 mg/mL one.
constexpr float kBolusPairFirst = 750.0f;
constexpr float kBolusPairSecond = 2000.0f;

// The rate-text kind whose first rate reads kPerHourRate.
constexpr uint8_t kPerHourTextKind = 12;

// Custom rates of these codes are per hour; the generators take them per minute.
constexpr std::string_view kHourlyCustomCodes[] = {"A22", "L01"};
constexpr std::string_view kTwentiethsCode = "A22";

template <size_t N>
bool listed(const std::string_view (&codes)[N], std::string_view code) {
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

}  // namespace

AdultDripsModule::AdultDripsModule(PatientContext& context, Request request)
    : InfusionModule(context, kCode, "Adult Drips", weight_mode::kAdult) {
    open(request);
}

InfusionRecord AdultDripsModule::readRecord(RecordHandle record) const {
    return infusion::readAdultDripsRecord(record);
}

std::vector<std::string> AdultDripsModule::standardRates(const InfusionRecord& record) const {
    if (record.code == "B10") return {std::begin(kTwoStageRates), std::end(kTwoStageRates)};
    if (record.rateCount == 0) return {};
    if (record.code == "D20") return {kPerHourRate};
    if (infusion::adult::isBolusPairCode(record.code)) {
        return {infusion::adult::bolusPairDose(record.code)};
    }
    std::vector<std::string> list;
    for (int32_t i = 0; i < record.rateCount; ++i) {
        list.push_back(record.rateTexts[i] + " " + record.rateNotes[i]);
    }
    if (record.customHighest > 0.0f && record.customStep > 0.0f) {
        list.emplace_back(infusion::kSelectCustomRate);
    }
    return list;
}

std::vector<std::string> AdultDripsModule::concentrationTexts(const InfusionRecord& record) const {
    if (record.code == "B10") return {std::begin(kRenalFunctions), std::end(kRenalFunctions)};
    std::vector<std::string> list(record.concentrationTexts,
                                  record.concentrationTexts + record.concentrationCount);
    if (infusion::adult::isBolusPairCode(record.code))
        list.emplace_back(kBolusPairSecondConcentration);
    return list;
}

infusion::CustomRateStyle AdultDripsModule::customStyle(const InfusionRecord& record) const {
    return {.decimals = 1, .twentieths = record.code == kTwentiethsCode};
}

bool AdultDripsModule::fixedPage(const InfusionRecord& record) const {
    return infusion::adult::isFixedPageCode(record.code);
}

infusion::ChoiceLabels AdultDripsModule::labels(const InfusionRecord& record) const {
    if (!infusion::adult::isBolusPairCode(record.code)) return {};
    return {.selectConcentration = "Select Infusion Conc.:", .concentration = "Infusion Conc.:  "};
}

void AdultDripsModule::setValues(DripInputs& inputs) const {
    const InfusionRecord& record = inputs.record;
    if (infusion::adult::isBolusPairCode(record.code)) {
        inputs.concentration = inputs.concentrationChoice == 1 ? kBolusPairFirst : kBolusPairSecond;
        return;
    }
    if (record.code == "B10") {
        inputs.concentration = kTwoStageConcentration;
        const int32_t k = inputs.rateChoice == 1 ? 0 : 1;
        const int32_t c = std::clamp(inputs.concentrationChoice, 1, 4) - 1;
        inputs.rate = kFirstStageRates[k] * kRenalFactors[c];
        inputs.secondRate = kLaterStageRate * kRenalFactors[c];
        return;
    }
    if (!inputs.custom && inputs.rateChoice == 1 && record.rateTextKind == kPerHourTextKind) {
        inputs.rateText = kPerHourRate;
    }
    if (inputs.custom && listed(kHourlyCustomCodes, record.code)) {
        inputs.rate = inputs.rate * infusion::kOneSixtieth;
    }
}

void AdultDripsModule::generate(const DripInputs& inputs, infusion::DripSections& sections) const {
    infusion::adult::generate(inputs, sections);
}

}  // namespace orvane
