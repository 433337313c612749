// ToxicologyModule: the toxicology reference (module codes 24, 46 and 57). A top page leads to two
// lists: the toxic ingestions (database 24, whose first record is the poison-control page) and the
// antidotes (database 46). Ingestion documents are shown as stored; an antidote's page is its
// document with the weight templates filled, or one of the three pages the program computes
// (antidote_pages.h), chosen by the record's code. It does not check the weight.
#pragma once

#include <cstdint>
#include <memory>

#include "content/content_database.h"
#include "modules/module.h"

namespace orvane {

class PatientContext;

class ToxicologyModule : public Module {
  public:
    // The four texts of a record, in their stored order.
    enum Field : int32_t { kCodeText, kName, kUnshown, kDocument, kFieldCount };

    static constexpr int32_t kIngestionCode = 24;
    static constexpr int32_t kAntidoteCode = 46;
    static constexpr int32_t kTopPageCode = 57;

    enum Section : int32_t { kTopPage = 0, kIngestions = 1, kAntidotes = 2 };

    // Opens databases 24 and 46 (kept open) and builds the section list. (24, v) or (46, v)
    // chooses item v of that section; any other request, or an item that is not in its list,
    // opens the top page.
    ToxicologyModule(PatientContext& context, Request request);

    // Only when the ingestion table could be opened.
    bool isAvailable() const override { return ingestionTable_->isOpen(); }
    SharedString title() const override { return SharedString("Toxicology"); }
    SharedString caption() const override { return caption_; }
    // The top page; none for a section without a chosen item; else the item's page.
    const char* buildPage(int32_t view) override;
    // 57: the section list; 24: the ingestion list; 80: none; anything else: the antidote list.
    // Each list also becomes the patient context's list position.
    InputField* choiceList(Request request) override;
    // 57: the top page; (24, v) and (46, v): item v of that section; (33, a, 1): section a with no
    // item. Values outside their lists are ignored.
    bool handleRequest(Request request) override;

  private:
    // Whether item v is in a section's list (0, no item, always is).
    bool inSection(int32_t section, int32_t item) const;
    void fillList(int32_t section);
    InputField* answer(InputField& list, const char* label, int32_t selected);
    void appendTopPage();
    void appendIngestion();
    void appendAntidote(float weight);

    PatientContext& context_;
    Request request_;
    std::unique_ptr<ContentDatabase> ingestionTable_;
    std::unique_ptr<ContentDatabase> antidoteTable_;
    SharedString ingestion_[kFieldCount];
    SharedString antidote_[kFieldCount];
    SharedString caption_;
    int32_t item_ = 0;
    int32_t section_ = kTopPage;
    InputField ingestions_;
    InputField antidotes_;
    InputField sections_;
};

}  // namespace orvane
