// HistoryList: the navigation history's storage, one byte record per entry (the entry's kind as a
// 32-bit number, then its encoding). It never keeps entry objects: every get() decodes a new,
// independent entry that the caller owns. It does not know which entry is current.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/dyn_array.h"
#include "shell/history_entry.h"

namespace orvane {

class AppShell;

class HistoryList {
  public:
    // shell receives the "Invalid Document Type" message when a record cannot be decoded into a
    // recordable entry; it may be null (nothing is shown then).
    explicit HistoryList(AppShell* shell) : shell_(shell) {}
    HistoryList(const HistoryList&) = delete;
    HistoryList& operator=(const HistoryList&) = delete;
    virtual ~HistoryList() = default;

    // A new entry decoded from record i; null for a negative i or a record that does not decode
    // (a request record with a code that cannot be recorded shows the message of kind 0). i at
    // or beyond the count is fatal ("Index out of range").
    virtual std::unique_ptr<HistoryEntry> get(int32_t i) const;
    virtual void append(const HistoryEntry& entry);
    // Encodes over record i; i outside the records is fatal ("Index out of range").
    virtual void replace(int32_t i, const HistoryEntry& entry);
    virtual void removeLast();
    virtual void clear();
    virtual int32_t count() const { return records_.count(); }

    // The raw record i (kind word and encoding), for inspection.
    const std::vector<uint8_t>& record(int32_t i) const { return records_.at(i); }

  private:
    static std::vector<uint8_t> encodeRecord(const HistoryEntry& entry);

    AppShell* shell_;
    DynArray<std::vector<uint8_t>> records_;
};

// Decodes one record (kind word and encoding); null when it is short, of an unknown kind, or a
// request entry whose module code is not recordable.
std::unique_ptr<HistoryEntry> decodeHistoryRecord(const std::vector<uint8_t>& record);

}  // namespace orvane
