#include "tools/lib/check/check_report.h"

#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>
#include <tuple>
#include <utility>

namespace orvane::content_check {

namespace {

auto orderKey(const Finding& f) {
    return std::tie(f.file, f.record, f.where, f.kind, f.message);
}

std::string place(const Finding& f) {
    std::string out;
    if (f.record != kNone) out = "record " + std::to_string(f.record);
    if (!f.where.empty()) out += (out.empty() ? "" : ", ") + f.where;
    return out;
}

std::string fileHeading(const Finding& f) {
    if (f.file.empty()) return "folder";
    std::string heading = f.file;
    if (f.database != kNone) heading += " (database " + std::to_string(f.database) + ")";
    return heading;
}

// A number of a finding, or null where none applies.
nlohmann::ordered_json numberOrNull(int32_t n) {
    return n == kNone ? nlohmann::ordered_json() : nlohmann::ordered_json(n);
}

}  // namespace

const char* severityName(Severity severity) {
    switch (severity) {
        case Severity::kError:
            return "error";
        case Severity::kWarning:
            return "warning";
        case Severity::kNote:
            return "note";
    }
    return "error";
}

void CheckReport::add(Finding finding) {
    findings_.push_back(std::move(finding));
}

void CheckReport::addOnce(Finding finding) {
    for (const Finding& f : findings_) {
        if (orderKey(f) == orderKey(finding)) return;
    }
    findings_.push_back(std::move(finding));
}

std::vector<Finding> CheckReport::ordered() const {
    std::vector<Finding> sorted = findings_;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const Finding& a, const Finding& b) { return orderKey(a) < orderKey(b); });
    return sorted;
}

int32_t CheckReport::count(Severity severity) const {
    return static_cast<int32_t>(
        std::count_if(findings_.begin(), findings_.end(),
                      [&](const Finding& f) { return f.severity == severity; }));
}

std::string CheckReport::text(const std::string& folder) const {
    std::string out = "orvane-content check " + folder + "\n";
    const std::vector<Finding> sorted = ordered();
    // How many of each kind each file has, and how many of them are shown so far.
    std::map<std::pair<std::string, std::string>, int32_t> total;
    for (const Finding& f : sorted) ++total[{f.file, f.kind}];
    std::map<std::pair<std::string, std::string>, int32_t> shown;
    std::string currentFile = "\x01";  // no file has this name
    for (const Finding& f : sorted) {
        if (f.file != currentFile) {
            currentFile = f.file;
            // Appended piece by piece ("\n" + a temporary trips GCC 12's false -Wrestrict).
            out += '\n';
            out += fileHeading(f);
            out += '\n';
        }
        const std::pair key{f.file, f.kind};
        const int32_t n = ++shown[key];
        if (n > kShownPerKind) continue;
        const std::string at = place(f);
        out += std::string("  ") + severityName(f.severity) + " [" + f.kind + "] " +
               (at.empty() ? "" : at + ": ") + f.message + "\n";
        const int32_t rest = total[key] - kShownPerKind;
        if (n == kShownPerKind && rest > 0) {
            out += "  ... and " + std::to_string(rest) + " more [" + f.kind + "] in this file\n";
        }
    }
    out += "\nchecked " + std::to_string(totals_.files) + " files, " +
           std::to_string(totals_.records) + " records, " + std::to_string(totals_.links) +
           " links and entries, " + std::to_string(totals_.images) + " images, " +
           std::to_string(totals_.pages) + " pages\n";
    out += std::to_string(count(Severity::kError)) + " errors, " +
           std::to_string(count(Severity::kWarning)) + " warnings, " +
           std::to_string(count(Severity::kNote)) + " notes\n";
    return out;
}

std::string CheckReport::json(const std::string& folder) const {
    nlohmann::ordered_json doc;
    doc["folder"] = folder;
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const Finding& f : ordered()) {
        nlohmann::ordered_json item;
        item["severity"] = severityName(f.severity);
        item["file"] = f.file;
        item["database"] = numberOrNull(f.database);
        item["record"] = numberOrNull(f.record);
        item["where"] = f.where;
        item["kind"] = f.kind;
        item["message"] = f.message;
        list.push_back(std::move(item));
    }
    doc["findings"] = std::move(list);
    doc["checked"] = {{"files", totals_.files},
                      {"records", totals_.records},
                      {"links", totals_.links},
                      {"images", totals_.images},
                      {"pages", totals_.pages}};
    doc["errors"] = count(Severity::kError);
    doc["warnings"] = count(Severity::kWarning);
    doc["notes"] = count(Severity::kNote);
    // Content texts are Windows-1252; bytes that are not valid UTF-8 are replaced, not fatal.
    return doc.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
}

}  // namespace orvane::content_check
