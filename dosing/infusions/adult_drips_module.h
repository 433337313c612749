// AdultDripsModule: the adult infusion module (module 3, database 3), on the adult weight. It
// brings to the shared infusion model its record layout, its lists (the fixed lists of "B10",
// the single rates of "D20" and "E10"-"E14", the 0.05 grid of the "A22" custom rates, "Select
// Custom Rate" when the record has a custom range), the fixed pages that need no choice, its
// labels, the values of its arithmetic and its generators (see adult_drips_generators.h).
#pragma once

#include <cstdint>

#include "dosing/infusions/infusion_module.h"

namespace orvane {

class AdultDripsModule : public InfusionModule {
  public:
    static constexpr int32_t kCode = 3;

    // Opens database 3 and lists its drugs; a request with a drug n > 0 chooses it.
    AdultDripsModule(PatientContext& context, Request request);

  protected:
    infusion::InfusionRecord readRecord(RecordHandle record) const override;
    std::vector<std::string> standardRates(const infusion::InfusionRecord& record) const override;
    std::vector<std::string> concentrationTexts(
        const infusion::InfusionRecord& record) const override;
    infusion::CustomRateStyle customStyle(const infusion::InfusionRecord& record) const override;
    bool fixedPage(const infusion::InfusionRecord& record) const override;
    infusion::ChoiceLabels labels(const infusion::InfusionRecord& record) const override;
    void setValues(infusion::DripInputs& inputs) const override;
    void generate(const infusion::DripInputs& inputs,
                  infusion::DripSections& sections) const override;
};

}  // namespace orvane
