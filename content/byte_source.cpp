#include "content/byte_source.h"

#include <cstring>
#include <limits>

namespace orvane {

FileByteSource::FileByteSource(const std::string& path) {
    if (path.empty()) return;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) return;
    // Reads go straight to the file: no buffering of our own.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    if (std::fseek(file_, 0, SEEK_END) != 0) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    const long end = std::ftell(file_);
    if (end < 0) {
        std::fclose(file_);
        file_ = nullptr;
        return;
    }
    size_ = static_cast<uint64_t>(end);
}

FileByteSource::~FileByteSource() {
    if (file_ != nullptr) std::fclose(file_);
}

size_t FileByteSource::readAt(uint64_t offset, void* dest, size_t count) {
    if (file_ == nullptr || count == 0) return 0;
    // Reads that carry on where the last one ended (records read in file order) skip the seek.
    if (offset != position_) {
        position_ = kUnknownPosition;
        if (offset > static_cast<uint64_t>(std::numeric_limits<long>::max())) return 0;
        if (std::fseek(file_, static_cast<long>(offset), SEEK_SET) != 0) return 0;
    }
    const size_t got = std::fread(dest, 1, count, file_);
    // After a short read (end of file or an error) the next read seeks again, which also clears
    // the end-of-file state of the stream.
    position_ = got == count ? offset + got : kUnknownPosition;
    return got;
}

size_t MemoryByteSource::readAt(uint64_t offset, void* dest, size_t count) {
    if (offset >= bytes_.size() || count == 0) return 0;
    const size_t available = bytes_.size() - static_cast<size_t>(offset);
    const size_t n = count < available ? count : available;
    std::memcpy(dest, bytes_.data() + offset, n);
    return n;
}

}  // namespace orvane
