// The catalogue of content databases: which file each database number stands for, and opening a
// database by number in one content folder. It holds no open files itself.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "content/content_database.h"
#include "content/content_folder.h"

namespace orvane {

// The file name of a database number, or null when the number has none. For 29 and 87 the text
// "Database name not defined" also goes to the diagnostic hook.
const char* fileNameFor(uint32_t number);

class ContentCatalogue {
  public:
    explicit ContentCatalogue(ContentFolder folder) : folder_(std::move(folder)) {}
    virtual ~ContentCatalogue() = default;

    // A new database for the number, owned by the caller; each call opens the file anew. A number
    // without a file, or a missing or damaged file, gives a database that is not open.
    virtual std::unique_ptr<ContentDatabase> openDatabase(uint32_t number) const;

    const ContentFolder& folder() const { return folder_; }

    // The content files that cannot be opened as a database in the folder (missing, unreadable
    // or damaged), each named once, in catalogue order; empty when every file opens.
    std::vector<std::string> unopenedFiles() const;
    // How many content files the catalogue names.
    static int32_t fileCount();
    // Each content file the catalogue names, once, in catalogue order.
    static std::vector<std::string> fileNames();
    // The database numbers that stand for a file, in catalogue order (empty for another name).
    static std::vector<uint32_t> numbersOf(std::string_view fileName);

  private:
    ContentFolder folder_;
};

}  // namespace orvane
