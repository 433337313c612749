#include "tools/lib/check/content_check.h"

#include <filesystem>
#include <set>
#include <system_error>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "tools/lib/check/check_files.h"
#include "tools/lib/check/check_pages.h"
#include "tools/lib/check/check_records.h"

namespace orvane::content_check {

bool checkContentFolder(const std::string& dir, const std::vector<float>& weights,
                        CheckReport& report) {
    std::error_code error;
    if (dir.empty() || !std::filesystem::is_directory(dir, error)) return false;
    std::filesystem::directory_iterator probe(dir, error);
    if (error) return false;

    // The same folder rule and catalogue as the program given --content DIR.
    const ContentCatalogue catalogue(ContentFolder("", dir));
    checkCatalogueFiles(catalogue.folder(), report);
    checkRecords(catalogue, report);
    std::set<std::string> pictures;
    sweepPages(catalogue, weights, report, pictures);
    checkOtherFiles(catalogue.folder(), pictures, report);
    return true;
}

}  // namespace orvane::content_check
