// InductionMeds: the induction drug list (request 39). One entry per record of database 39; the
// chosen drug's document is shown with its dose templates filled for the current weight and the
// weight row under it. It computes no dose itself (see rendering/dose_templates.h).
#pragma once

#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class InductionMeds : public Module {
  public:
    static constexpr int32_t kCode = 39;

    // Opens database 39 (kept open) and lists its drugs; the chosen drug is the request's value.
    InductionMeds(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Induction Meds"); }
    // The chosen drug's name.
    SharedString caption() const override { return caption_; }
    // None while no drug is chosen; else the drug's document filled for the current weight.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the drug list under "Select Induction Drug :".
    InputField* choiceList(Request request) override;
    // (39, v): drug v is chosen (the caption becomes its name).
    bool handleRequest(Request request) override;

  private:
    void choose(int32_t drug);

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString record_[4];
    SharedString caption_;
    int32_t chosen_ = 0;
    InputField list_;
};

}  // namespace orvane
