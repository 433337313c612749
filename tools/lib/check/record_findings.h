// The findings of one record of a content check: each names the record's file, database number
// and index, the field concerned, a severity and one sentence. It also holds the rule every dose
// number is held to (finite, not below 0, above 0 where it divides or steps). It reads no record.
#pragma once

#include <cstdint>
#include <string>

#include "tools/lib/check/check_report.h"

namespace orvane::content_check {

class RecordFindings {
  public:
    RecordFindings(CheckReport& report, int32_t database, int32_t record)
        : report_(report), database_(database), record_(record) {}

    void add(Severity severity, std::string where, std::string kind, std::string message);
    void error(std::string where, std::string kind, std::string message) {
        add(Severity::kError, std::move(where), std::move(kind), std::move(message));
    }

    // A number that a dose is computed from: it must be finite and not below 0; with `positive`
    // it must be above 0 (a concentration, divisor or step). False when it is not.
    bool amount(const std::string& where, float value, bool positive, const char* what);

    // A record that ends before the last field its module reads: `outcome` says what the page
    // does with it.
    void cutShort(const std::string& outcome);

  private:
    CheckReport& report_;
    int32_t database_;
    int32_t record_;
};

}  // namespace orvane::content_check
