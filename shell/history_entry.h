// History entries: what one step of the navigation history records (the home list, or a request)
// and their byte encoding for the history list. They show nothing and navigate nowhere; the
// navigation history decides what an entry means.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/shared_string.h"
#include "model/request.h"

namespace orvane {

// The entry kinds as stored in front of every record of the history list.
namespace history_kind {
inline constexpr int32_t kHome = 0;
inline constexpr int32_t kRequest = 1;
}  // namespace history_kind

class HistoryEntry {
  public:
    explicit HistoryEntry(int32_t kind) : kind_(kind) {}
    HistoryEntry(const HistoryEntry&) = delete;
    HistoryEntry& operator=(const HistoryEntry&) = delete;
    virtual ~HistoryEntry() = default;

    // The number of bytes encode() writes.
    virtual int32_t encodedSize() const = 0;
    // Writes exactly encodedSize() bytes (little-endian numbers) to out.
    virtual void encode(uint8_t* out) const = 0;

    int32_t kind() const { return kind_; }
    // An independent copy of this entry.
    virtual std::unique_ptr<HistoryEntry> clone() const = 0;

  private:
    int32_t kind_;
};

// The home list. Every home entry the program makes is (0, 0, "", 0).
class HomeEntry final : public HistoryEntry {
  public:
    HomeEntry() : HistoryEntry(history_kind::kHome) {}
    HomeEntry(int16_t first, int16_t second, SharedString text, int32_t number)
        : HistoryEntry(history_kind::kHome),
          first_(first),
          second_(second),
          text_(std::move(text)),
          number_(number) {}

    // Text length + 7: two 16-bit numbers, the low 16 bits of the number, the text, a zero byte.
    int32_t encodedSize() const override { return text_.length() + 7; }
    void encode(uint8_t* out) const override;
    std::unique_ptr<HistoryEntry> clone() const override;

    int16_t first() const { return first_; }
    int16_t second() const { return second_; }
    const SharedString& text() const { return text_; }
    int32_t number() const { return number_; }

  private:
    int16_t first_ = 0;
    int16_t second_ = 0;
    SharedString text_;
    int32_t number_ = 0;
};

// A request that was opened. Both extra numbers are 0 in every entry the program makes.
class RequestEntry final : public HistoryEntry {
  public:
    explicit RequestEntry(Request request, int16_t first = 0, int16_t second = 0)
        : HistoryEntry(history_kind::kRequest), request_(request), first_(first), second_(second) {}

    // 8: the request as a 32-bit value, then the two 16-bit numbers.
    int32_t encodedSize() const override { return 8; }
    void encode(uint8_t* out) const override;
    std::unique_ptr<HistoryEntry> clone() const override;

    Request request() const { return request_; }
    int16_t first() const { return first_; }
    int16_t second() const { return second_; }

  private:
    Request request_;
    int16_t first_;
    int16_t second_;
};

// Whether a request's module code may enter the history: 1 to 27, 30 to 33, 37, 39, 41, 43,
// 46 to 49, 53, 57, 59, 60 and 63.
bool isRecordableCode(int32_t code);

// A request entry for a recordable request; null otherwise (the caller reports it).
std::unique_ptr<RequestEntry> makeRequestEntry(Request request);

}  // namespace orvane
