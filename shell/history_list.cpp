#include "shell/history_list.h"

#include "foundation/fatal.h"
#include "shell/app_shell.h"

namespace orvane {

namespace {

uint16_t get16(const uint8_t* in) {
    return static_cast<uint16_t>(in[0] | (in[1] << 8));
}

uint32_t get32(const uint8_t* in) {
    return static_cast<uint32_t>(in[0]) | (static_cast<uint32_t>(in[1]) << 8) |
           (static_cast<uint32_t>(in[2]) << 16) | (static_cast<uint32_t>(in[3]) << 24);
}

}  // namespace

std::unique_ptr<HistoryEntry> decodeHistoryRecord(const std::vector<uint8_t>& record) {
    if (record.size() < 4) return nullptr;
    const uint8_t* bytes = record.data();
    const size_t size = record.size();
    const int32_t kind = static_cast<int32_t>(get32(bytes));
    if (kind == history_kind::kHome) {
        // Two numbers, the low half of the third, the text and its terminating zero byte.
        if (size < 4 + 7 || bytes[size - 1] != 0) return nullptr;
        const auto first = static_cast<int16_t>(get16(bytes + 4));
        const auto second = static_cast<int16_t>(get16(bytes + 6));
        const auto number = static_cast<int32_t>(static_cast<int16_t>(get16(bytes + 8)));
        const char* text = reinterpret_cast<const char*>(bytes + 10);
        const size_t textLength = size - 4 - 7;
        return std::make_unique<HomeEntry>(
            first, second, SharedString(std::string_view(text, textLength)), number);
    }
    if (kind == history_kind::kRequest) {
        if (size != 4 + 8) return nullptr;
        const Request request = get32(bytes + 4);
        if (!isRecordableCode(moduleCode(request))) return nullptr;
        return std::make_unique<RequestEntry>(request, static_cast<int16_t>(get16(bytes + 8)),
                                              static_cast<int16_t>(get16(bytes + 10)));
    }
    return nullptr;
}

std::vector<uint8_t> HistoryList::encodeRecord(const HistoryEntry& entry) {
    std::vector<uint8_t> record(4 + static_cast<size_t>(entry.encodedSize()));
    const auto kind = static_cast<uint32_t>(entry.kind());
    for (int i = 0; i < 4; ++i)
        record[static_cast<size_t>(i)] = static_cast<uint8_t>(kind >> (8 * i));
    entry.encode(record.data() + 4);
    return record;
}

std::unique_ptr<HistoryEntry> HistoryList::get(int32_t i) const {
    if (i < 0) return nullptr;
    if (i >= records_.count()) fatalError("Index out of range");
    std::unique_ptr<HistoryEntry> entry = decodeHistoryRecord(records_.at(i));
    if (!entry && shell_ != nullptr) shell_->ShowError(0, SharedString());
    return entry;
}

void HistoryList::append(const HistoryEntry& entry) {
    records_.append(encodeRecord(entry));
}

void HistoryList::replace(int32_t i, const HistoryEntry& entry) {
    if (i < 0 || i >= records_.count()) fatalError("Index out of range");
    records_.at(i) = encodeRecord(entry);
}

void HistoryList::removeLast() {
    if (records_.count() > 0) records_.erase(records_.count() - 1, 1);
}

void HistoryList::clear() {
    records_.resize(0);
}

}  // namespace orvane
