// TykoDripsModule: the children's infusion module (module 11, database 11), on the child weight.
// It brings to the shared infusion model its record layout, its lists (both lists only for a drug
// with standard rates, "Select Custom Rate" always offered, custom rates with up to 3 decimals),
// its labels, the values of its arithmetic (K from the weight for "T10") and its generators (see
// tyko_drips_generators.h).
#pragma once

#include <cstdint>

#include "dosing/infusions/infusion_module.h"

namespace orvane {

class TykoDripsModule : public InfusionModule {
  public:
    static constexpr int32_t kCode = 11;

    // Opens database 11 and lists its drugs; a request with a drug n > 0 chooses it.
    TykoDripsModule(PatientContext& context, Request request);

  protected:
    infusion::InfusionRecord readRecord(RecordHandle record) const override;
    std::vector<std::string> standardRates(const infusion::InfusionRecord& record) const override;
    std::vector<std::string> concentrationTexts(
        const infusion::InfusionRecord& record) const override;
    infusion::CustomRateStyle customStyle(const infusion::InfusionRecord& record) const override;
    infusion::ChoiceLabels labels(const infusion::InfusionRecord& record) const override;
    void setValues(infusion::DripInputs& inputs) const override;
    void generate(const infusion::DripInputs& inputs,
                  infusion::DripSections& sections) const override;
};

}  // namespace orvane
