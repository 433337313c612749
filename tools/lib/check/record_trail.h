// The records a page was built from: a catalogue for the content check that hands out databases
// noting every record a module reads, with the page the page builder was building then. After a
// page is built, the reads since the builder last started a page name the records that page was
// built from exactly (a drug's record, a category's dose list, a calculator's row); a module that
// reads its record when it is created or a choice is made is named by the reads since it was
// opened. It changes no byte that a module reads.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "content/content_catalogue.h"
#include "rendering/page_builder.h"

namespace orvane::content_check {

struct RecordRead {
    int32_t database;
    int32_t record;
};

class RecordTrail {
  public:
    // The builder whose pages the reads are counted by (set once the patient context exists).
    void follow(const PageBuilder& builder) { builder_ = &builder; }
    void note(int32_t database, int32_t record);
    // A module is opened anew: the records read from here on are the opening's.
    void startOpening() { openingReads_.clear(); }
    // The records read since the builder last started a page, in reading order.
    std::vector<RecordRead> pageReads() const;
    // The records read since the module was last opened (its creation and choices included).
    const std::vector<RecordRead>& openingReads() const { return openingReads_; }

  private:
    const PageBuilder* builder_ = nullptr;
    uint32_t page_ = 0;
    std::vector<RecordRead> reads_;
    std::vector<RecordRead> openingReads_;
};

class TrailCatalogue : public ContentCatalogue {
  public:
    TrailCatalogue(ContentFolder folder, RecordTrail& trail)
        : ContentCatalogue(std::move(folder)), trail_(trail) {}

    std::unique_ptr<ContentDatabase> openDatabase(uint32_t number) const override;

  private:
    RecordTrail& trail_;
};

}  // namespace orvane::content_check
