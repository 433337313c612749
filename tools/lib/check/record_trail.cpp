#include "tools/lib/check/record_trail.h"

namespace orvane::content_check {

namespace {

// A database that notes each record read from it in the trail, then reads it as any database.
class TrailDatabase : public ContentDatabase {
  public:
    TrailDatabase(std::unique_ptr<PdbFile> file, int32_t number, RecordTrail& trail)
        : ContentDatabase(std::move(file)), number_(number), trail_(trail) {}

    RecordHandle getRecord(uint16_t index) override {
        if (index < recordCount()) trail_.note(number_, index);
        return ContentDatabase::getRecord(index);
    }

  private:
    int32_t number_;
    RecordTrail& trail_;
};

}  // namespace

void RecordTrail::note(int32_t database, int32_t record) {
    const uint32_t page = builder_ != nullptr ? builder_->pagesStarted() : 0;
    if (page != page_) {
        page_ = page;
        reads_.clear();
    }
    reads_.push_back({database, record});
    openingReads_.push_back({database, record});
}

std::vector<RecordRead> RecordTrail::pageReads() const {
    if (builder_ == nullptr || builder_->pagesStarted() != page_) return {};
    return reads_;
}

std::unique_ptr<ContentDatabase> TrailCatalogue::openDatabase(uint32_t number) const {
    const char* fileName = fileNameFor(number);
    if (fileName == nullptr) return ContentCatalogue::openDatabase(number);
    return std::make_unique<TrailDatabase>(std::make_unique<PdbFile>(folder(), fileName),
                                           static_cast<int32_t>(number), trail_);
}

}  // namespace orvane::content_check
