// TykoFeverModule: the fever medicines (module 13), one stored document per medicine (database
// 13) whose dose templates are filled from the child weight. Its medicine list doubles as the
// document screen's view buttons. It does not check the weight and computes nothing itself.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class TykoFeverModule : public Module {
  public:
    // The four texts of a record, in their stored order.
    enum Field : int32_t { kKey, kName, kUnshown, kDocument, kFieldCount };

    static constexpr int32_t kCode = 13;

    // Opens database 13 (kept open) and lists its records. The request's value chooses the
    // medicine shown first (0: the one last chosen in this run, else the first).
    TykoFeverModule(PatientContext& context, Request request);

    // Only when the table could be opened.
    bool isAvailable() const override { return table_->isOpen(); }
    SharedString title() const override { return SharedString("TykoFever"); }
    SharedString caption() const override { return SharedString("Select Fever Medication:"); }
    // The chosen medicine's document for the child weight.
    const char* buildPage(int32_t view) override;
    // The medicine list (for every request), labelled by the medicine shown.
    InputField* choiceList(Request request) override;
    // (13, n) chooses medicine n and remembers it for the run; a medicine that is not in the list
    // is ignored.
    bool handleRequest(Request request) override;

  private:
    bool inList(int32_t medicine) const {
        return medicine >= 1 && medicine <= medicines_.entries.count();
    }

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    int32_t medicine_ = 1;
    InputField medicines_;
};

}  // namespace orvane
