#include "content/pdb_record_stream.h"

#include <cstring>

namespace orvane {

// The record at offset is not wholly in the window. A long one is read straight into dest; a short
// one keeps its part already in the window, moved to the front, and the rest of the window is
// filled by one read from where the window ended.
PdbRecordStream::Refill PdbRecordStream::readPastWindow(ByteSource& source, uint64_t fileSize,
                                                        uint32_t offset, uint32_t length,
                                                        uint8_t* dest, uint8_t* window,
                                                        const uint8_t* at, const uint8_t* end) {
    if (length >= kDirectReadSize) {
        // The window starts empty after this record.
        return {window, window, source.readAt(offset, dest, length) == length};
    }
    // Fewer than length bytes, so they leave room for the rest of the record.
    const auto kept = static_cast<size_t>(end - at);
    std::memmove(window, at, kept);
    // Never ask past the end of the file (records lie inside it, checked at open).
    const uint64_t from = uint64_t{offset} + kept;
    const uint64_t toEnd = fileSize > from ? fileSize - from : 0;
    const size_t room = kWindowSize - kept;
    const size_t want = toEnd < room ? static_cast<size_t>(toEnd) : room;
    size_t got = want == 0 ? 0 : source.readAt(from, window + kept, want);
    if (got > want) got = want;
    const size_t filled = kept + got;
    if (length <= filled) {
        copyShortRun(dest, window, length);
        return {window + length, window + filled, true};
    }
    // A short read: dest gets what came, and the next record starts an empty window.
    std::memcpy(dest, window, filled);
    return {window, window, false};
}

}  // namespace orvane
