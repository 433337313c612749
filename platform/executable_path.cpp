#include "platform/executable_path.h"

#include <unistd.h>

#include <vector>

namespace orvane::platform {

std::string ExecutablePath() {
    std::vector<char> buffer(4096);
    const ssize_t n = ::readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (n <= 0) return {};
    return std::string(buffer.data(), static_cast<size_t>(n));
}

std::string ExecutableDirectory() {
    const std::string path = ExecutablePath();
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace orvane::platform
