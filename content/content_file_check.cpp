#include "content/content_file_check.h"

#include <algorithm>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "content/pdb_file.h"

namespace orvane {

ContentFileVerdict checkContentFile(const ContentFolder& folder, std::string_view fileName) {
    const std::vector<std::string> names = ContentCatalogue::fileNames();
    if (std::find(names.begin(), names.end(), fileName) == names.end()) {
        return ContentFileVerdict::kForeign;
    }
    return PdbFile(folder, fileName).isOpen() ? ContentFileVerdict::kContent
                                              : ContentFileVerdict::kDamaged;
}

}  // namespace orvane
