#include "content/content_notice.h"

#include <filesystem>
#include <system_error>
#include <vector>

namespace orvane {

ContentNotice contentNotice(const ContentCatalogue& catalogue) {
    ContentNotice notice;
    const std::vector<std::string> missing = catalogue.unopenedFiles();
    if (missing.empty()) return notice;
    const std::string& folder = catalogue.folder().folder();
    const int32_t total = ContentCatalogue::fileCount();
    notice.noContent = static_cast<int32_t>(missing.size()) >= total;
    std::error_code error;
    const bool exists = !folder.empty() && std::filesystem::is_directory(folder, error);
    const std::string shown = folder.empty() ? std::string("(none)") : folder;
    const std::string count = std::to_string(missing.size()) + " of " + std::to_string(total);
    if (!exists) {
        notice.text = "Content folder " + shown + " does not exist: the content files are missing.";
        notice.summary = notice.text;
    } else if (notice.noContent) {
        notice.text = "Content folder " + shown + ": the content files are missing (none of the " +
                      std::to_string(total) + " opens).";
        notice.summary = "Content files missing (" + count + ") in content folder " + shown;
    } else {
        notice.text = "Content folder " + shown + ": " + std::to_string(missing.size()) +
                      " of the " + std::to_string(total) + " content files are missing or damaged:";
        for (size_t i = 0; i < missing.size(); ++i) {
            notice.text += (i == 0 ? " " : ", ") + missing[i];
        }
        notice.text += ".";
        notice.summary = "Content files missing (" + count + ") in content folder " + shown;
    }
    return notice;
}

}  // namespace orvane
