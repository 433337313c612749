// RecordCursor: reads a record's fields front to back (text, byte, long, number text, float). Every
// read stops at the record's end; nothing past the record is ever touched. It keeps the record's
// buffer alive while it exists; it does not know which layout a record has.
#pragma once

#include <cstdint>

#include "content/record_buffer.h"
#include "foundation/shared_string.h"

namespace orvane {

class RecordCursor {
  public:
    // A cursor over no bytes: every field reads empty or 0 (and the first read runs out).
    RecordCursor() = default;
    // A cursor at the first byte of the record (a null handle reads like no bytes).
    explicit RecordCursor(RecordHandle record);

    // The text up to its NUL (or up to the record's end when the NUL is missing, which runs out);
    // the cursor moves past the NUL. At the end: the empty text, and the cursor runs out.
    SharedString readText();
    // One unsigned byte; 0 when none is left (the cursor runs out).
    uint8_t readByte();
    // An unsigned 32-bit big-endian value; 0 (and the cursor at the end, run out) when fewer than
    // 4 bytes are left.
    uint32_t readLong();
    // The bits of a 32-bit big-endian IEEE float; 0 when fewer than 4 bytes are left (run out).
    float readFloat();
    // A signed decimal number text: optional blanks, an optional sign, then digits, read within
    // the record and up to the first other character. No digits, or a value outside the signed
    // 32-bit range, reads as 0 (no number). The cursor moves 4 (at most to the end). As the last
    // field it may be shorter than 4 bytes; only a cursor already at the end runs out.
    int32_t readNumberText();

    uint32_t position() const { return position_; }
    uint32_t remaining() const { return record_.length() - position_; }
    bool atEnd() const { return position_ >= record_.length(); }
    // True once a read wanted bytes past the record's end (the record is cut short for the layout
    // read from it); it stays true for the cursor's life.
    bool ranOut() const { return ranOut_; }

  private:
    RecordHandle record_;
    uint32_t position_ = 0;
    bool ranOut_ = false;
};

}  // namespace orvane
