#include "content/content_folder.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "content/program_data_folder.h"

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

// True when the folder lists at least one content database file (a name ending in ".pdb").
bool holdsContentFiles(const std::string& folder) {
    std::error_code error;
    std::filesystem::directory_iterator entries(folder, error);
    if (error) return false;
    for (const auto& entry : entries) {
        if (entry.path().extension() == ContentFolder::kContentFileExtension) return true;
    }
    return false;
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
    if (env != nullptr && *env != '\0') return ContentFolder(exePath, env);
    return forExecutable(exePath);
}

ContentFolder ContentFolder::forExecutable(std::string_view executablePath) {
    ContentFolder byRule(executablePath, "");
    // An installed program keeps its files apart from its executable: with no content beside the
    // executable, the content installed in the program's data folder.
    const std::string installed = installedContentFolder(executablePath);
    if (!holdsContentFiles(byRule.folder()) && holdsContentFiles(installed)) {
        return ContentFolder(executablePath, installed);
    }
    return byRule;
}

std::string ContentFolder::installedContentFolder(std::string_view executablePath) {
    const std::string data = programDataFolder(executablePath);
    return data.empty() ? std::string() : data + std::string(kInstalledSubfolder);
}

std::string ContentFolder::fullPath(std::string_view fileName) const {
    if (folder_.size() + fileName.size() > static_cast<size_t>(kMaxPath)) return std::string();
    std::string path = folder_;
    path.append(fileName);
    return path;
}

}  // namespace orvane
