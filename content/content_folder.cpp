#include "content/content_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace orvane {

namespace {

// The folder part of a path: everything up to and including its last "/".
std::string folderOf(std::string_view path) {
    const size_t slash = path.rfind('/');
    if (slash == std::string_view::npos) return std::string();
    return std::string(path.substr(0, slash + 1));
}

std::string withTrailingSlash(std::string_view dir) {
    std::string folder(dir);
    if (folder.back() != '/') folder.push_back('/');
    return folder;
}

}  // namespace

std::string ContentFolder::ruleFolder(std::string_view programFolder) {
    if (programFolder.find(kProgramMarker) == std::string_view::npos) {
        return std::string(programFolder);
    }
    // Two levels up: drop the trailing "/", drop the last element with the "/" before it, then
    // drop the new last element but keep the "/" before it. A folder too shallow for that ends
    // at the root.
    std::string_view up = programFolder;
    if (!up.empty() && up.back() == '/') up.remove_suffix(1);
    size_t slash = up.rfind('/');
    up = slash == std::string_view::npos ? std::string_view() : up.substr(0, slash);
    slash = up.rfind('/');
    std::string folder =
        slash == std::string_view::npos ? std::string("/") : std::string(up.substr(0, slash + 1));
    folder.append(kContentSubfolder);
    return folder;
}

ContentFolder::ContentFolder(std::string_view executablePath, std::string_view overrideDir) {
    if (!overrideDir.empty()) {
        folder_ = withTrailingSlash(overrideDir);
    } else {
        folder_ = ruleFolder(folderOf(executablePath));
    }
}

ContentFolder ContentFolder::forRunningProgram(std::string_view contentOption) {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::string exePath = error ? std::string() : exe.string();
    if (!contentOption.empty()) return ContentFolder(exePath, contentOption);
    const char* env = std::getenv("ORVANE_CONTENT");
    return ContentFolder(exePath, env != nullptr ? std::string_view(env) : std::string_view());
}

std::string ContentFolder::fullPath(std::string_view fileName) const {
    if (folder_.size() + fileName.size() > static_cast<size_t>(kMaxPath)) return std::string();
    std::string path = folder_;
    path.append(fileName);
    return path;
}

}  // namespace orvane
