#include "tools/lib/check/check_files.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

#include "content/content_catalogue.h"
#include "content/pdb_file.h"
#include "content/record_buffer.h"

namespace orvane::content_check {

namespace {

int32_t databaseOf(const std::string& fileName) {
    const std::vector<uint32_t> numbers = ContentCatalogue::numbersOf(fileName);
    return numbers.empty() ? kNone : static_cast<int32_t>(numbers.front());
}

Finding fileFinding(const std::string& name, Severity severity, std::string kind,
                    std::string message) {
    Finding f;
    f.severity = severity;
    f.file = name;
    f.database = databaseOf(name);
    f.kind = std::move(kind);
    f.message = std::move(message);
    return f;
}

bool canRead(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

// Every record of an open file read once: a short read or an empty record is reported.
void checkRecords(const std::string& name, PdbFile& file, CheckReport& report) {
    for (uint32_t i = 0; i < file.recordCount(); ++i) {
        const auto index = static_cast<uint16_t>(i);
        ++report.totals().records;
        const uint32_t length = file.recordLength(index);
        Finding f = fileFinding(name, Severity::kWarning, "empty-record",
                                "the record has no bytes; its module reads it as empty texts and "
                                "zeros and shows nothing from it");
        f.record = static_cast<int32_t>(i);
        if (length == 0) {
            report.add(std::move(f));
            continue;
        }
        auto buffer = std::make_unique<uint8_t[]>(length);
        if (!file.readRecord(index, buffer.get())) {
            f.severity = Severity::kError;
            f.kind = "unreadable-record";
            f.message =
                "the record's bytes cannot be read to its end; the program reads it as "
                "missing and its page shows nothing from it";
            report.add(std::move(f));
        }
    }
}

}  // namespace

void checkCatalogueFiles(const ContentFolder& folder, CheckReport& report) {
    for (const std::string& name : ContentCatalogue::fileNames()) {
        const std::string path = folder.fullPath(name);
        std::error_code error;
        if (path.empty() || !std::filesystem::exists(path, error)) {
            report.add(fileFinding(name, Severity::kError, "missing-file",
                                   "the file is missing; its modules show no list and no page"));
            continue;
        }
        if (!std::filesystem::is_regular_file(path, error) || !canRead(path)) {
            report.add(fileFinding(name, Severity::kError, "unreadable-file",
                                   "the file cannot be read; the program takes it as missing and "
                                   "its modules show no list and no page"));
            continue;
        }
        PdbFile file(folder, name);
        if (!file.isOpen()) {
            const uintmax_t size = std::filesystem::file_size(path, error);
            const bool tooShort = !error && size < PdbFile::kHeaderSize;
            report.add(fileFinding(
                name, Severity::kError, "damaged-file",
                std::string(tooShort ? "the file is shorter than a database header"
                                     : "the file's header, record list or record offsets are "
                                       "damaged (or it has no records)") +
                    "; the program takes it as missing and its modules show no list and no "
                    "page"));
            continue;
        }
        ++report.totals().files;
        checkRecords(name, file, report);
    }
}

void checkOtherFiles(const ContentFolder& folder, const std::set<std::string>& pictures,
                     CheckReport& report) {
    const std::vector<std::string> known = ContentCatalogue::fileNames();
    std::error_code error;
    std::vector<std::string> others;
    for (const auto& item : std::filesystem::directory_iterator(folder.folder(), error)) {
        const std::string name = item.path().filename().string();
        if (std::find(known.begin(), known.end(), name) != known.end()) continue;
        if (pictures.count(name) != 0) continue;
        others.push_back(name);
    }
    for (const std::string& name : others) {
        Finding f;
        f.severity = Severity::kWarning;
        f.where = name;
        f.kind = "unknown-file";
        f.message =
            "a file that is no content database and no picture a page shows; the program "
            "never reads it";
        report.add(std::move(f));
    }
}

}  // namespace orvane::content_check
