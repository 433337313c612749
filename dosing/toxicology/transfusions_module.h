// TransfusionsModule: the blood-product categories of the transfusion table (database 26, module
// 26). Each category has up to seven views of stored text; the "Calculator" view is a document
// whose weight templates are filled for the current weight. It does not check the weight.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class TransfusionsModule : public Module {
  public:
    static constexpr int32_t kCode = 26;

    // The views of a category, by the value of their (50, v) requests.
    enum View : int32_t {
        kInformation = 0,
        kIndications = 1,
        kDosingInfo = 2,
        kCalculator = 3,
        kPrecautions = 4,
        kMonitoring = 5,
        kReferences = 6,
    };

    // Opens database 26 (kept open) and lists every record; (26, v) chooses category v.
    TransfusionsModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Transfusions"); }
    SharedString caption() const override { return caption_; }
    // None while no category is chosen; else the chosen view of the category.
    const char* buildPage(int32_t view) override;
    // 26: the category list; 80: the views of the chosen category; anything else: none.
    InputField* choiceList(Request request) override;
    // (26, v) chooses category v and its first view; (50, v) chooses view v. A category or view
    // that is not in its list is ignored.
    bool handleRequest(Request request) override;

    // The ten texts of a record, in their stored order.
    enum Field : int32_t {
        kCodeText,
        kName,
        kUnshown,
        kInformationText,
        kIndicationsText,
        kDosingInfoText,
        kPrecautionsText,
        kMonitoringText,
        kReferencesText,
        kCalculatorText,
        kFieldCount,
    };

  private:
    void readRecord(int32_t category);
    // Whether the chosen category offers view v.
    bool offersView(int32_t view);

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString record_[kFieldCount];
    SharedString caption_ = "Information";
    int32_t category_ = 0;
    int32_t view_ = kInformation;
    InputField categories_;
    InputField views_;
};

}  // namespace orvane
