#include "rendering/image_names.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace orvane {

namespace {

struct ProgramBitmap {
    std::string_view name;
    int32_t id;
};

// In the order of the table's columns, top to bottom.
constexpr ProgramBitmap kProgramBitmaps[] = {
    {"home", 108},   {"index", 119},   {"drug", 161},    {"enter", 412},   {"uparr", 905},
    {"dnarr", 906},  {"azindex", 445}, {"calc", 110},    {"prev", 150},    {"next", 117},
    {"yes", 164},    {"no", 165},      {"on", 163},      {"off", 162},     {"ok48", 450},
    {"cancel", 451}, {"up", 126},      {"btn", 125},     {"folder", 155},  {"foldopen", 156},
    {"foldup", 166}, {"ref", 150},     {"blank", 160},   {"exit", 135},    {"nresult", 319},
    {"result", 320}, {"input", 321},   {"ok", 188},      {"ninput", 325},  {"info", 151},
    {"ninfo", 324},  {"dosing", 322},  {"ndosing", 323}, {"orvane", 1501}, {"poison", 333},
    {"0", 199},      {"1", 190},       {"2", 191},       {"3", 192},       {"4", 193},
    {"5", 194},      {"6", 195},       {"7", 196},       {"8", 197},       {"9", 198},
    {"a", 622},      {"b", 623},       {"c", 624},       {"d", 625},       {"e", 626},
    {"f", 627},
};

// Reads a whole regular file of at most maxBytes; false for anything else (a symbolic link, a
// folder, a device, a missing or unreadable file).
bool readRegularFile(const std::filesystem::path& path, uintmax_t maxBytes, std::string* out) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    if (error || status.type() != std::filesystem::file_type::regular) return false;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size == 0 || size > maxBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<uintmax_t>(in.gcount()) != size) return false;
    *out = std::move(bytes);
    return true;
}

// The media type of a raster picture by its first bytes; empty for anything else.
std::string_view pictureType(std::string_view bytes) {
    if (bytes.substr(0, 2) == "BM") return "image/bmp";
    if (bytes.substr(0, 8) == std::string_view("\x89PNG\r\n\x1a\n", 8)) return "image/png";
    if (bytes.substr(0, 6) == "GIF87a" || bytes.substr(0, 6) == "GIF89a") return "image/gif";
    if (bytes.substr(0, 3) == "\xFF\xD8\xFF") return "image/jpeg";
    return {};
}

}  // namespace

int32_t programBitmapId(std::string_view name) {
    if (name.find('.') != std::string_view::npos) return 0;
    for (const ProgramBitmap& bitmap : kProgramBitmaps) {
        if (bitmap.name == name) return bitmap.id;
    }
    return 0;
}

std::string programBitmapFile(int32_t bitmapId) {
    return "bitmaps/bitmap_" + std::to_string(bitmapId) + ".svg";
}

bool isBareImageFileName(std::string_view name) {
    if (name.empty() || name.size() > kMaxImageNameLength) return false;
    for (char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '/' || c == '\\' || c == ':') return false;
    }
    return name.find("..") == std::string_view::npos;
}

ResolvedImage resolveImage(std::string_view name, const ContentFolder& folder,
                           std::string_view resourceDir) {
    ResolvedImage image;
    if (const int32_t id = programBitmapId(name); id != 0) {
        const std::filesystem::path path =
            std::filesystem::path(resourceDir) / programBitmapFile(id);
        // The program's own pictures are small drawings.
        if (readRegularFile(path, 64 * 1024, &image.bytes)) {
            image.bitmapId = id;
            image.mediaType = "image/svg+xml";
        }
        return image;
    }
    if (!isBareImageFileName(name) || folder.folder().empty()) return image;
    const std::string path = folder.fullPath(name);
    if (path.empty()) return image;  // longer than a content path may be
    std::string bytes;
    if (!readRegularFile(path, kMaxImageFileBytes, &bytes)) return image;
    const std::string_view type = pictureType(bytes);
    if (type.empty()) return image;
    image.mediaType = std::string(type);
    image.bytes = std::move(bytes);
    return image;
}

}  // namespace orvane
