// The notice given at start when content files cannot be opened: which content folder is used,
// whether it exists, and which of its files are missing or damaged. It only words what the
// catalogue finds; where the notice is shown (standard error, the home page) is the caller's.
#pragma once

#include <string>

#include "content/content_catalogue.h"

namespace orvane {

struct ContentNotice {
    // True when no content file at all could be opened (the folder is missing or empty).
    bool noContent = false;
    // The notice; empty when every content file opens.
    std::string text;
    // The same without the names of the files, for where room is short (the home screen).
    std::string summary;
};

ContentNotice contentNotice(const ContentCatalogue& catalogue);

}  // namespace orvane
