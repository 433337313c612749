// The report of a content check: every problem found, with the file, database number, record and
// place it concerns, its severity and one sentence on what is wrong and what the program does with
// it; and the totals of what was checked. It orders, groups and writes the findings (text for a
// reader, JSON for scripts); it finds nothing itself.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orvane::content_check {

// error: a page shows a wrong or missing dose, or cannot open; warning: content the program
// never reaches or a file it does not know; note: worth a look, harmless to the clinician.
enum class Severity { kError, kWarning, kNote };

inline constexpr int32_t kNone = -1;

struct Finding {
    Severity severity = Severity::kError;
    std::string file;          // the content file; empty for the folder itself
    int32_t database = kNone;  // the database number, when one applies
    int32_t record = kNone;    // the record index, when one applies
    std::string where;         // the field, link, entry or page concerned ("" for none)
    std::string kind;          // a short name of the kind of problem ("zero-concentration")
    std::string message;       // what is wrong and what the program does with it
};

struct CheckTotals {
    int32_t files = 0;    // content files opened
    int32_t records = 0;  // records read
    int32_t links = 0;    // links and list entries followed
    int32_t images = 0;   // image names resolved
    int32_t pages = 0;    // pages built
};

class CheckReport {
  public:
    // How many findings of one kind in one file the text report shows before it only counts.
    static constexpr int32_t kShownPerKind = 3;

    void add(Finding finding);
    // The same finding (file, record, kind, where and message) only once.
    void addOnce(Finding finding);

    CheckTotals& totals() { return totals_; }
    const CheckTotals& totals() const { return totals_; }

    // The findings ordered by file (the folder first), record, place and kind.
    std::vector<Finding> ordered() const;
    int32_t count(Severity severity) const;
    bool hasErrors() const { return count(Severity::kError) > 0; }

    // The report for a reader: findings by file, repeated kinds counted, the totals last.
    std::string text(const std::string& folder) const;
    // The same report as one JSON document.
    std::string json(const std::string& folder) const;

  private:
    std::vector<Finding> findings_;
    CheckTotals totals_;
};

const char* severityName(Severity severity);

}  // namespace orvane::content_check
