#include "tools/lib/check/record_findings.h"

#include <cmath>

#include "content/content_catalogue.h"

namespace orvane::content_check {

void RecordFindings::add(Severity severity, std::string where, std::string kind,
                         std::string message) {
    Finding f;
    f.severity = severity;
    f.file = fileNameFor(static_cast<uint32_t>(database_));
    f.database = database_;
    f.record = record_;
    f.where = std::move(where);
    f.kind = std::move(kind);
    f.message = std::move(message);
    report_.add(std::move(f));
}

bool RecordFindings::amount(const std::string& where, float value, bool positive,
                            const char* what) {
    if (!std::isfinite(value)) {
        error(where, "not-a-number",
              std::string(what) + " is not a finite number; the page shows no amount from it");
    } else if (value < 0.0f) {
        error(where, "negative-amount",
              std::string(what) + " is below 0; the page shows no amount from it");
    } else if (positive && value == 0.0f) {
        error(where, "zero-divisor",
              std::string(what) + " is 0 and cannot make a dose; the page shows no amount from it");
    } else {
        return true;
    }
    return false;
}

void RecordFindings::cutShort(const std::string& outcome) {
    error("", "damaged-record",
          "the record ends before the last field its module reads (the fields after the end read "
          "as empty or 0); " +
              outcome);
}

}  // namespace orvane::content_check
