// RsiNavixModule: the rapid-sequence intubation plan (module 22). The clinician picks one entry
// from each of four lists (adjunct, sedative, narcotic, paralytic); the selections page shows the
// lists and the choices made, the result page every chosen drug's dose for the current weight
// (see rsi_dose_text.h) with the equipment table. It draws paralytic pages through a paralytics
// object of its own and does not check the weight.
#pragma once

#include <array>
#include <cstdint>

#include "dosing/airway/paralytics_module.h"
#include "dosing/airway/rsi_choices.h"
#include "modules/module.h"

namespace orvane {

class PageBuilder;
class PatientContext;

class RsiNavixModule : public Module {
  public:
    static constexpr int32_t kCode = 22;

    // The two views.
    enum Section : int32_t { kSelections = 0, kResult = 1 };

    // Builds the four lists; nothing is chosen.
    RsiNavixModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("RSI Navix"); }
    SharedString caption() const override { return SharedString("Select Desired Medication(s):"); }
    // The selections page (section 0) or the result page (section 1).
    const char* buildPage(int32_t view) override;
    // 80: the two views "Selections" and "Result"; anything else none.
    InputField* choiceList(Request request) override;
    // 22: clears every choice and goes back to the selections; (50, v) view v; (33, k, s) entry
    // k of list s (0 clears the choice). A view, list or entry that does not exist is ignored.
    bool handleRequest(Request request) override;

  private:
    void appendSelections(PageBuilder& builder) const;
    int32_t& choice(int32_t list) { return choices_[static_cast<std::size_t>(list - 1)]; }
    int32_t choice(int32_t list) const { return choices_[static_cast<std::size_t>(list - 1)]; }

    PatientContext& context_;
    Request request_;
    ParalyticsModule paralytics_;
    float weight_ = 0.0f;                                   // the weight of the last page
    std::array<int32_t, airway::kRsiListCount> choices_{};  // by list, from the adjunct's
    int32_t section_ = kSelections;
    InputField views_;
};

}  // namespace orvane
