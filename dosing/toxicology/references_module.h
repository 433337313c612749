// ReferencesModule: the reference lists of the system's modules (database 49, module 49), one
// stored document per module. It lists the modules and shows the chosen one's references as
// stored; it computes nothing.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class ReferencesModule : public Module {
  public:
    // The three texts of a record, in their stored order.
    enum Field : int32_t { kKey, kName, kDocument, kFieldCount };

    static constexpr int32_t kCode = 49;

    // Opens database 49 (kept open) and lists every record; (49, v) chooses module v.
    ReferencesModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("References"); }
    SharedString caption() const override { return caption_; }
    // None while no module is chosen; else the chosen module's reference document.
    const char* buildPage(int32_t view) override;
    // 80: none; anything else: the module list (the caption then asks for a module).
    InputField* choiceList(Request request) override;
    // (49, v) chooses module v (0: none); a module that is not in the list is ignored.
    bool handleRequest(Request request) override;

  private:
    bool inList(int32_t item) const { return item >= 0 && item <= modules_.entries.count(); }

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString record_[kFieldCount];
    SharedString caption_;
    int32_t item_ = 0;
    InputField modules_;
};

}  // namespace orvane
