// The verdict on one file offered as content, for instance a file a user picked to be read as a
// content file: whether its name is one of the content files the catalogue names, and whether the
// content reader opens it as the program would (header, record list, offsets). It reads the file
// the way the program does and keeps nothing open; it says nothing of what the records mean
// (each module's own reader judges those when it reads them).
#pragma once

#include <string_view>

#include "content/content_folder.h"

namespace orvane {

enum class ContentFileVerdict {
    kContent,  // a content file's name, and the reader opens it
    kDamaged,  // a content file's name, but the reader cannot open it (cut short, damaged, empty)
    kForeign,  // not the name of any content file
};

// The verdict on fileName (no folder) in the folder.
ContentFileVerdict checkContentFile(const ContentFolder& folder, std::string_view fileName);

}  // namespace orvane
