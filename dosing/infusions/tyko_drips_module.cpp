#include "dosing/infusions/tyko_drips_module.h"

#include <algorithm>
#include <string_view>

#include "dosing/infusions/drip_steps.h"
#include "dosing/infusions/tyko_drips_generators.h"
#include "dosing/infusions/tyko_drips_record.h"
#include "modules/patient_context.h"

namespace orvane {

namespace {

// The standard list always offers its first two rates.
constexpr int32_t kFewestListedRates = 2;
// The custom rates of these codes are per hour; the generators take them per minute.
constexpr std::string_view kHourlyCustomCodes[] = {"A20", "F10", "I03", "L05", "M07"};

}  // namespace

TykoDripsModule::TykoDripsModule(PatientContext& context, Request request)
    : InfusionModule(context, kCode, "TykoDrips", weight_mode::kChild) {
    open(request);
}

infusion::InfusionRecord TykoDripsModule::readRecord(RecordHandle record) const {
    return infusion::readTykoDripsRecord(record);
}

std::vector<std::string> TykoDripsModule::standardRates(
    const infusion::InfusionRecord& record) const {
    std::vector<std::string> list;
    if (record.rateCount == 0) return list;
    const int32_t count = std::max(record.rateCount, kFewestListedRates);
    for (int32_t i = 0; i < count; ++i) {
        list.push_back(record.rateTexts[i] + " " + record.rateNotes[i]);
    }
    list.emplace_back(infusion::kSelectCustomRate);
    return list;
}

std::vector<std::string> TykoDripsModule::concentrationTexts(
    const infusion::InfusionRecord& record) const {
    if (record.rateCount == 0) return {};
    return {record.concentrationTexts, record.concentrationTexts + record.concentrationCount};
}

infusion::CustomRateStyle TykoDripsModule::customStyle(
    const infusion::InfusionRecord& /*record*/) const {
    return {.decimals = 3, .twentieths = false};
}

infusion::ChoiceLabels TykoDripsModule::labels(const infusion::InfusionRecord& /*record*/) const {
    return {.rate = "Rate: ",
            .selectConcentration = "Select Concentration :",
            .concentration = "Conc: "};
}

void TykoDripsModule::setValues(infusion::DripInputs& inputs) const {
    const infusion::InfusionRecord& record = inputs.record;
    if (record.code == "T10") {
        inputs.concentration =
            infusion::tyko::weightScaledConcentration(inputs.concentrationChoice, inputs.weight);
    }
    if (inputs.custom && std::find(std::begin(kHourlyCustomCodes), std::end(kHourlyCustomCodes),
                                   record.code) != std::end(kHourlyCustomCodes)) {
        inputs.rate = inputs.rate * infusion::kOneSixtieth;
    }
}

void TykoDripsModule::generate(const infusion::DripInputs& inputs,
                               infusion::DripSections& sections) const {
    infusion::tyko::generate(inputs, sections);
}

}  // namespace orvane
