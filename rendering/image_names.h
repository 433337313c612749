// Resolves the image names of pages ("<IMG src=\"NAME\">") to pictures: the program's own bitmaps
// for the names of its table, else a bitmap file lying directly in the content folder. It opens
// nothing outside the content folder and the program's resource folder, and never a file named
// by a path.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "content/content_folder.h"
#include "content/program_data_folder.h"

namespace orvane {

// The longest image name that is looked for as a file.
inline constexpr size_t kMaxImageNameLength = 64;
// The largest picture file that is read.
inline constexpr uintmax_t kMaxImageFileBytes = 4u * 1024u * 1024u;

// A picture, ready to hand to the viewer; empty (no bitmap) when the name resolves to nothing.
struct ResolvedImage {
    int32_t bitmapId = 0;  // the program bitmap's identifier; 0 for a content file
    std::string
        mediaType;  // "image/svg+xml", "image/bmp", "image/png", "image/gif" or "image/jpeg"
    std::string bytes;
    bool empty() const { return bytes.empty(); }
};

// The program bitmap for a name of the table ("home" 108, "0" 199, "a" 622 ...), compared exactly;
// 0 for any other name, and for every name with a '.'.
int32_t programBitmapId(std::string_view name);

// The file of a program bitmap inside the resource folder: "bitmaps/bitmap_<id>.svg".
std::string programBitmapFile(int32_t bitmapId);

// True for a name that may be looked for in the content folder: 1 to kMaxImageNameLength
// characters, none of them a control character, '/', '\\' or ':', and no "..".
bool isBareImageFileName(std::string_view name);

// The picture for an image name: a table name gives the program's bitmap (read from
// resourceDir, by default the running program's data folder); any other bare file name gives the
// regular file of that name in the content folder when it is a BMP, PNG, GIF or JPEG picture of at
// most kMaxImageFileBytes. Anything else gives no bitmap; nothing is reported.
ResolvedImage resolveImage(std::string_view name, const ContentFolder& folder,
                           std::string_view resourceDir = runningProgramDataFolder());

}  // namespace orvane
