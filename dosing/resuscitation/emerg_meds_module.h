// EmergMedsModule: the emergency medicines list (database 6, module 6). Each record is a drug
// code, a name, a text not shown and a document. The chosen drug's page is, by its code, one of
// the paralytic pages (drawn by a paralytics object of its own), the diazepam page ("D20"), or
// the record's document with its dose templates filled for the current weight. It does not check
// the weight.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "dosing/airway/paralytics_module.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class EmergMedsModule : public Module {
  public:
    // The four texts of a record, in their stored order.
    enum Field : int32_t { kCodeText, kName, kUnshown, kDocument, kFieldCount };

    static constexpr int32_t kCode = 6;

    // Opens database 6 (kept open) and lists every record; a request with a drug chooses it.
    EmergMedsModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Emerg Meds"); }
    SharedString caption() const override { return caption_; }
    // None while no drug is chosen; else the chosen drug's page for the current weight.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the drug list with the chosen drug selected.
    InputField* choiceList(Request request) override;
    // (6, n) chooses drug n (0: none); a drug that is not in the list is ignored.
    bool handleRequest(Request request) override;

  private:
    void choose(int32_t drug);
    // The page text of the chosen record for a weight in kg.
    SharedString pageText(float weight);

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    ParalyticsModule paralytics_;
    InputField drugs_;
    SharedString caption_;
    int32_t drug_ = 0;
};

}  // namespace orvane
