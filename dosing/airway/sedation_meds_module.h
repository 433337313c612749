// SedationMedsModule: the drugs of the sedation table (database 23, module 23), one page per
// drug for the current weight: the drug's stored document with its weight templates filled, or
// one of the four pages computed by the program (see sedation_fixed_pages.h) chosen by the
// record's code. It does not check the weight.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class SedationMedsModule : public Module {
  public:
    // The four texts of a record, in their stored order.
    enum Field : int32_t { kCodeText, kName, kUnshown, kDocument, kFieldCount };

    static constexpr int32_t kCode = 23;

    // Opens database 23 (kept open) and lists every record. A request with a drug chooses it
    // without changing the caption.
    SedationMedsModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Sedation Meds"); }
    SharedString caption() const override { return caption_; }
    // None while no drug is chosen; else the chosen drug's page for the current weight.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the drug list.
    InputField* choiceList(Request request) override;
    // (23, v) chooses drug v (0: none); a drug that is not in the list is ignored.
    bool handleRequest(Request request) override;

  private:
    bool inList(int32_t drug) const { return drug >= 0 && drug <= drugs_.entries.count(); }

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString caption_ = "Select a Sedative";
    SharedString chosenName_;
    int32_t drug_ = 0;
    SharedString record_[kFieldCount];
    InputField drugs_;
};

}  // namespace orvane
