// ParalyticsModule: the neuromuscular blockers of the paralytic table (database 37, module 37).
// For the chosen drug it shows an information page or a dosing page for the current weight; the
// dosing pages (paralytic pages, one per record) are also drawn by the intubation plan and the
// resuscitation pages through appendPage. Every page but succinylcholine's is the record's stored
// document with its weight templates filled; it does not check the weight it is given.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "dosing/airway/succinylcholine_page.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class ParalyticsModule : public Module {
  public:
    // The five texts of a record, in their stored order.
    enum Field : int32_t { kKey, kName, kUnshown, kInformationText, kDosingDocument, kFieldCount };

    static constexpr int32_t kCode = 37;
    // The paralytic pages, records 0 to 7 in this order: atracurium, cisatracurium, doxacurium,
    // mivacurium, pancuronium, rocuronium, succinylcholine, vecuronium.
    static constexpr int32_t kPageCount = 8;
    static constexpr int32_t kSuccinylcholinePage = 6;

    // The sections of the chosen drug.
    enum Section : int32_t { kInformation = 0, kDosing = 1 };

    // Opens database 37 (kept open) and lists every record; a request with a drug chooses it.
    ParalyticsModule(PatientContext& context, Request request);

    bool isAvailable() const override { return true; }
    SharedString title() const override { return SharedString("Paralytics"); }
    SharedString caption() const override { return caption_; }
    // None while no drug is chosen; else the information or dosing page of the chosen drug.
    const char* buildPage(int32_t view) override;
    // 80: the section list; anything else: the drug list.
    InputField* choiceList(Request request) override;
    // (37, v) chooses drug v (0: none), (50, v) section v, 70 the information section. A drug or
    // section that is not in its list is ignored.
    bool handleRequest(Request request) override;

    // Paralytic page `page` (a record, from 0) for a weight in kg: appends its text to out and
    // sets information to the record's information text. A page outside 0 to 7 appends nothing
    // and gives an empty information text.
    void appendPage(int32_t page, float weight, SharedString& out, SharedString& information,
                    airway::SuccinylcholineOptions options);

  private:
    void readRecord(int32_t index);
    void chooseDrug(int32_t drug);
    void chooseSection(int32_t section);

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> table_;
    SharedString record_[kFieldCount];
    SharedString caption_ = "Select a Paralytic :";
    InputField drugs_;
    InputField sections_;
    int32_t drug_ = 0;
    int32_t section_ = kInformation;
    SharedString chosenName_;
};

}  // namespace orvane
