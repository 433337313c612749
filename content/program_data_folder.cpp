#include "content/program_data_folder.h"

#include <filesystem>
#include <system_error>

namespace orvane {

namespace {

// The data folder relative to the executable's folder, as the build configured the install
// folders (bin/ and share/orvane/ by default).
#ifndef ORVANE_DATA_FROM_BIN
#define ORVANE_DATA_FROM_BIN "../share/orvane"
#endif
constexpr std::string_view kDataFromExecutableFolder = ORVANE_DATA_FROM_BIN;

}  // namespace

std::string programDataFolder(std::string_view executablePath) {
    const size_t slash = executablePath.rfind('/');
    if (slash == std::string_view::npos) return std::string();
    const std::filesystem::path folder(executablePath.substr(0, slash + 1));
    std::string data = (folder / kDataFromExecutableFolder).lexically_normal().string();
    if (data.empty() || data.back() != '/') data.push_back('/');
    return data;
}

std::string runningProgramDataFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : programDataFolder(exe.string());
}

}  // namespace orvane
