// TykoDrugsModule: single doses of a child's drugs by weight (module 12). The drug list comes
// from the drug index (database 58), the drugs from the drug table (database 12): the user picks
// a drug, a dose option (or a dose per kg from a stepped range) and, for drugs dosed per day, a
// frequency; the page shows the route, the calculated dose with its cap and the drug's notes.
// The thirteen resuscitation drugs after the table's records are drawn as TykoCode pages. It does
// not check the weight; values outside its lists are ignored.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "content/content_database.h"
#include "dosing/weight_based/dose_list.h"
#include "dosing/weight_based/drug_record.h"
#include "dosing/weight_based/frequency_table.h"
#include "modules/module.h"

namespace orvane {

class PageBuilder;
class PatientContext;
class TykoCodeModule;

class TykoDrugsModule : public Module {
  public:
    static constexpr int32_t kCode = 12;
    static constexpr int32_t kIndexDatabase = 58;
    // The sub-codes of (33, k): dose choice k, frequency choice k.
    static constexpr int32_t kDoseList = 1;
    static constexpr int32_t kFrequencyList = 2;

    // Opens both tables and reads the drug count; a request with a drug chooses it at once.
    TykoDrugsModule(PatientContext& context, Request request);
    ~TykoDrugsModule() override;

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("TykoDrugs"); }
    // The chosen drug's name, or "Select Drug".
    SharedString caption() const override { return caption_; }
    // None while no drug is chosen; else the drug's page for the child weight.
    const char* buildPage(int32_t view) override;
    // 80: none. (33, i): a list of the one drug-index entry i (none outside the index).
    // Anything else: the lazy drug list.
    InputField* choiceList(Request request) override;
    // (12, n) drug n; (70, p) list position p; (33, k, 1) dose k (0 offers the list again);
    // (33, k, 2) frequency k. Values outside the lists are ignored.
    bool handleRequest(Request request) override;

  private:
    static constexpr int32_t kNoPosition = -1;

    void chooseDrug(int32_t n);
    void chooseDose(int32_t k);
    void chooseFrequency(int32_t k);
    // The display name and request of drug-index record i; false when there is none.
    bool readIndexEntry(int32_t i, SharedString& name, Request& target);
    int32_t frequencyCount() const { return frequencies_ != nullptr ? frequencies_->count : 0; }

    void appendDoseSection(PageBuilder& builder) const;
    void appendFrequencySection(PageBuilder& builder);
    std::string resultText(float weight) const;

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> index_;
    std::unique_ptr<ContentDatabase> table_;
    int32_t drugCount_ = 0;
    int32_t drug_ = 0;
    int32_t codePage_ = 0;  // the TykoCode page of a resuscitation drug; 0 for a table drug
    std::unique_ptr<TykoCodeModule> codePages_;  // made when a resuscitation drug is first shown
    int32_t position_ = kNoPosition;
    DrugRecord record_;
    std::vector<DoseEntry> doses_;
    int32_t dose_ = 0;
    SharedString doseText_;
    const FrequencyList* frequencies_ = nullptr;
    int32_t frequency_ = 0;
    SharedString frequencyText_;
    SharedString caption_ = "Select Drug";
    InputField list_;
};

}  // namespace orvane
