// PdbRecordStream: reads the records of one PdbFile in file order, each into the caller's buffer,
// through a read-ahead window of its own, so a short record costs one bounds check and one copy.
// It does not jump between records (PdbFile::readRecord does) and the file must outlive it.
#pragma once

#include <cstdint>
#include <memory>

#include "content/pdb_file.h"
#include "content/short_copy.h"

namespace orvane {

class PdbRecordStream {
  public:
    // The window is refilled by one read that carries on where the previous read ended (the
    // unread part of the current record moved to its front); records of kDirectReadSize bytes or
    // more are read straight into the caller's buffer.
    static constexpr uint32_t kWindowSize = 128 * 1024;
    static constexpr uint32_t kDirectReadSize = PdbFile::kDirectReadSize;

    // At the first record of the file; a file that is not open gives a stream already at its end.
    explicit PdbRecordStream(const PdbFile& file)
        : source_(file.source_.get()),
          table_(file.table_.get()),
          entry_(table_),
          end_(table_),
          fileSize_(file.fileSize_) {
        if (!file.isOpen() || file.recordCount_ == 0) return;
        end_ = table_ + size_t{PdbFile::kEntrySize} * file.recordCount_;
        offset_ = PdbFile::be32(table_);
        window_.reset(new uint8_t[kWindowSize]);  // filled by the reads
        at_ = window_.get();
        windowEnd_ = at_;
    }
    PdbRecordStream(const PdbRecordStream&) = delete;
    PdbRecordStream& operator=(const PdbRecordStream&) = delete;

    // True when every record has been read (or the file is not open).
    bool atEnd() const { return entry_ == end_; }
    // The index of the record readNext reads (the record count at the end).
    uint16_t index() const {
        return static_cast<uint16_t>(static_cast<size_t>(entry_ - table_) / PdbFile::kEntrySize);
    }
    // The length of the record readNext reads; 0 at the end.
    uint32_t nextLength() const {
        if (atEnd()) return 0;
        // The table's extra entry after the last holds the end of the file; offsets ascend
        // (checked at open), so the difference cannot wrap.
        return PdbFile::be32(entry_ + PdbFile::kEntrySize) - offset_;
    }
    // Reads the next record into dest (room for at least nextLength bytes) and moves past it.
    // True when exactly its length came back; false at the end (nothing moves) or when the read
    // came back short (dest then holds what was read).
    bool readNext(uint8_t* dest) {
        if (atEnd()) return false;
        const uint32_t length = nextLength();
        bool whole = true;
        if (length <= static_cast<size_t>(windowEnd_ - at_)) [[likely]] {
            copyShortRun(dest, at_, length);
            at_ += length;
        } else {
            const Refill refill = readPastWindow(*source_, fileSize_, offset_, length, dest,
                                                 window_.get(), at_, windowEnd_);
            at_ = refill.at;
            windowEnd_ = refill.end;
            whole = refill.whole;
        }
        offset_ += length;
        entry_ += PdbFile::kEntrySize;
        return whole;
    }

  private:
    // The window after a read past it, and whether the record came back whole.
    struct Refill {
        const uint8_t* at;
        const uint8_t* end;
        bool whole;
    };
    // Works on copies of the window's state (given and returned by value) so that the stream's
    // own state can stay in registers while records are read in a loop.
    static Refill readPastWindow(ByteSource& source, uint64_t fileSize, uint32_t offset,
                                 uint32_t length, uint8_t* dest, uint8_t* window, const uint8_t* at,
                                 const uint8_t* end);

    ByteSource* source_;
    const uint8_t* table_;
    const uint8_t* entry_;  // the table entry of the next record
    const uint8_t* end_;    // past the last entry
    uint64_t fileSize_;
    uint32_t offset_ = 0;  // the next record's offset in the file
    // window_ holds the file's bytes from the next record's offset minus (at_ - window_) on, up to
    // windowEnd_; window_ <= at_ <= windowEnd_ <= window_ + kWindowSize.
    std::unique_ptr<uint8_t[]> window_;
    const uint8_t* at_ = nullptr;
    const uint8_t* windowEnd_ = nullptr;
};

}  // namespace orvane
