// Fuzz target for link targets and image names: any bytes decoded as a link target (checked
// against the standard conversion in 64 bits) and checked as an image name.
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "rendering/image_names.h"
#include "rendering/link_target.h"

namespace {

// The standard conversion, on the text up to its first NUL byte; nullopt when it reads no digit
// or the number leaves the signed 32-bit range.
std::optional<uint32_t> reference(std::string_view text) {
    const std::string copy(text.substr(0, text.find('\0')));
    const char* begin = copy.c_str();
    char* end = nullptr;
    errno = 0;
    const long long value = std::strtoll(begin, &end, 10);
    if (end == begin) return std::nullopt;
    // strtoll also skips white space and takes a sign; a text of only those has end == begin.
    if (errno == ERANGE || value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<uint32_t>(static_cast<int32_t>(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    if (orvane::decodeLinkTarget(text) != reference(text)) std::abort();

    if (orvane::isBareImageFileName(text)) {
        if (text.empty() || text.size() > orvane::kMaxImageNameLength) std::abort();
        if (text.find_first_of("/\\:") != std::string_view::npos) std::abort();
        if (text.find("..") != std::string_view::npos) std::abort();
    }
    const int32_t id = orvane::programBitmapId(text);
    if (id != 0 && (text.size() > 8 || text.find('.') != std::string_view::npos)) std::abort();
    return 0;
}
