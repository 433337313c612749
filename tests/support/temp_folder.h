// The tests' one temporary-folder helper: a new, empty folder of its own under the system's
// temporary directory (a unique name from a prefix), and an owner that removes it with everything
// in it. Needs no test framework (the whole-program fuzz target uses it too); what a caller does
// when no folder could be made (an empty path) is the caller's.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <string>
#include <system_error>

namespace orvane::test_support {

// Makes "<temp>/<prefix>-XXXXXX" with a unique ending; the empty string when it cannot.
inline std::string makeTempFolder(const std::string& prefix) {
    std::string pattern = (std::filesystem::temp_directory_path() / (prefix + "-XXXXXX")).string();
    const char* made = ::mkdtemp(pattern.data());
    return made != nullptr ? std::string(made) : std::string();
}

// A new temporary folder, removed with the object.
class TempFolder {
  public:
    explicit TempFolder(const std::string& prefix) : path_(makeTempFolder(prefix)) {}
    ~TempFolder() {
        std::error_code ignored;
        if (!path_.empty()) std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path; empty when it could not be made.
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

}  // namespace orvane::test_support
