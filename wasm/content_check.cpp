// The offline page's check of content files a user picked, before the page keeps them: every file
// in a folder of the module's memory file system is judged by the content reader the program reads
// content with (content/content_file_check.h), and the content files the folder lacks are named.
// It reads the files only; keeping them, and what the page then says, is the page's
// (web/static/content-files.js).
#include <emscripten/emscripten.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <system_error>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_file_check.h"
#include "content/content_folder.h"

namespace {

const char* verdictName(orvane::ContentFileVerdict verdict) {
    switch (verdict) {
        case orvane::ContentFileVerdict::kContent:
            return "content";
        case orvane::ContentFileVerdict::kDamaged:
            return "damaged";
        case orvane::ContentFileVerdict::kForeign:
            break;
    }
    return "foreign";
}

}  // namespace

// Writes to outPath, as JSON, {"files": [{"name", "verdict": "content"|"damaged"|"foreign"}],
// "missing": [content file names the folder lacks or cannot open]} for the folder dir (with its
// trailing "/"). Returns 0, or 1 when the folder cannot be listed or the report not written.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_check_content(const char* dir, const char* outPath) {
    using namespace orvane;
    const ContentFolder folder("", dir);
    nlohmann::json files = nlohmann::json::array();
    std::error_code error;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        names.push_back(entry.path().filename().string());
    }
    if (error) return 1;
    for (const std::string& name : names) {
        files.push_back({{"name", name}, {"verdict", verdictName(checkContentFile(folder, name))}});
    }
    const nlohmann::json report{{"files", files},
                                {"missing", ContentCatalogue(folder).unopenedFiles()}};
    std::ofstream out(outPath, std::ios::trunc);
    // A name that is not UTF-8 is written with replacement characters, never an error.
    out << report.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
    return out ? 0 : 1;
}
