#include "content/content_database.h"

namespace orvane {

ContentDatabase::ContentDatabase(std::unique_ptr<PdbFile> file) : file_(std::move(file)) {}

ContentDatabase::~ContentDatabase() = default;

bool ContentDatabase::isOpen() const {
    return file_ != nullptr && file_->isOpen();
}

uint16_t ContentDatabase::recordCount() const {
    return isOpen() ? file_->recordCount() : 0;
}

RecordHandle ContentDatabase::getRecord(uint16_t index) {
    // The previous buffer is released first: its bytes are not to be used after this call.
    current_.reset();
    if (!isOpen()) return RecordHandle();
    const uint32_t length = file_->recordLength(index);
    if (length == 0) return RecordHandle();
    auto* buffer = new RecordBuffer(length);
    RecordHandle record(buffer);
    // A short read hands out nothing rather than a partly filled buffer.
    if (!file_->readRecord(index, buffer->data())) return RecordHandle();
    current_ = record;
    return record;
}

}  // namespace orvane
