// The tables of a content check whose records are texts only, the index tables and the fixed
// record ranges of the modules' lists. Text records are read with the modules' own reader and
// text count; index records with the index reader; ranges are the modules' own constants.
#include <memory>
#include <string>
#include <vector>

#include "calculators/induction_meds.h"
#include "content/index_record.h"
#include "content/record_texts.h"
#include "dosing/airway/paralytics_module.h"
#include "dosing/airway/sedation_meds_module.h"
#include "dosing/antibiotics/tyko_abx_module.h"
#include "dosing/resuscitation/code_list_module.h"
#include "dosing/resuscitation/emerg_meds_module.h"
#include "dosing/resuscitation/tyko_code_module.h"
#include "dosing/toxicology/references_module.h"
#include "dosing/toxicology/toxicology_module.h"
#include "dosing/toxicology/transfusions_module.h"
#include "dosing/weight_based/otc_categories.h"
#include "dosing/weight_based/tyko_drugs_module.h"
#include "dosing/weight_based/tyko_fever_module.h"
#include "dosing/weight_based/tyko_otc_module.h"
#include "modules/calculator_module.h"
#include "tools/lib/check/check_records.h"
#include "tools/lib/check/record_findings.h"

namespace orvane::content_check {

namespace {

struct TextTable {
    int32_t database;
    int32_t texts;  // the texts its module reads from each record
};

// One database number per file: ACLS and PALS (2 and 8) share one table.
constexpr TextTable kTextTables[] = {
    {CalculatorModule::kTableCode, CalculatorModule::kRecordTexts},
    {CodeListModule::kAclsCode, CodeListModule::kFieldCount},
    {EmergMedsModule::kCode, EmergMedsModule::kFieldCount},
    {TykoCodeModule::kCode, TykoCodeModule::kFieldCount},
    {TykoFeverModule::kCode, TykoFeverModule::kFieldCount},
    {TykoOtcModule::kCode, TykoOtcModule::kRecordTexts},
    {SedationMedsModule::kCode, SedationMedsModule::kFieldCount},
    {ToxicologyModule::kIngestionCode, ToxicologyModule::kFieldCount},
    {ToxicologyModule::kAntidoteCode, ToxicologyModule::kFieldCount},
    {TransfusionsModule::kCode, TransfusionsModule::kFieldCount},
    {ParalyticsModule::kCode, ParalyticsModule::kFieldCount},
    {InductionMeds::kCode, InductionMeds::kRecordTexts},
    {ReferencesModule::kCode, ReferencesModule::kFieldCount},
};

// The index tables: the A-Z index, TykoDrugs' drug index, TykoAbx's antibiotic index.
constexpr int32_t kIndexTables[] = {request_code::kAzIndex, TykoDrugsModule::kIndexDatabase,
                                    TykoAbxModule::kIndexCode};

// A fixed range of records that one list shows, counted from 0, `count` records long.
struct ListRange {
    int32_t database;
    std::string name;
    int32_t first;
    int32_t count;
};

std::vector<ListRange> listRanges() {
    std::vector<ListRange> ranges;
    for (const OtcCategory& c : kOtcCategories) {
        ranges.push_back({TykoOtcModule::kCode, c.text, c.first - 1, c.last - c.first + 1});
    }
    for (const TykoAbxModule::CategoryRange& c : TykoAbxModule::kCategories) {
        ranges.push_back({TykoAbxModule::kIndexCode, c.name, c.first, c.count});
    }
    const auto codeList = [&](const char* name, CodeListModule::ListRange r) {
        ranges.push_back({CodeListModule::kAclsCode, name, r.first - 1, r.last - r.first + 1});
    };
    codeList("ACLS", CodeListModule::kAclsRecords);
    codeList("PALS", CodeListModule::kPalsRecords);
    return ranges;
}

Finding rangeFinding(const ListRange& range, Severity severity, std::string kind,
                     std::string message) {
    Finding f;
    f.severity = severity;
    f.file = fileNameFor(static_cast<uint32_t>(range.database));
    f.database = range.database;
    f.where = "list \"" + range.name + "\" (records " + std::to_string(range.first) + " to " +
              std::to_string(range.first + range.count - 1) + ")";
    f.kind = std::move(kind);
    f.message = std::move(message);
    return f;
}

}  // namespace

void checkTextRecords(const ContentCatalogue& catalogue, CheckReport& report) {
    for (const TextTable& t : kTextTables) {
        const std::unique_ptr<ContentDatabase> table =
            catalogue.openDatabase(static_cast<uint32_t>(t.database));
        std::vector<SharedString> texts(static_cast<std::size_t>(t.texts));
        for (int32_t i = 0; i < table->recordCount(); ++i) {
            if (readRecordTexts(*table, i, texts)) continue;
            RecordFindings(report, t.database, i)
                .cutShort("the record holds fewer than the " + std::to_string(t.texts) +
                          " texts its module reads; the page shows the missing ones empty");
        }
    }
}

void checkIndexRecords(const ContentCatalogue& catalogue, CheckReport& report) {
    for (const int32_t database : kIndexTables) {
        const std::unique_ptr<ContentDatabase> table =
            catalogue.openDatabase(static_cast<uint32_t>(database));
        for (uint16_t i = 0; i < table->recordCount(); ++i) {
            const IndexRecord entry = readIndexRecord(table->getRecord(i));
            RecordFindings found(report, database, i);
            if (!entry.complete) {
                found.cutShort("the entry has no target and opens nothing");
            } else if (entry.target == 0) {
                found.error("target", "not-a-number",
                            "the entry's target is not a decimal number; the entry opens "
                            "nothing");
            }
        }
    }
}

void checkRecordRanges(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::vector<ListRange> ranges = listRanges();
    for (std::size_t a = 0; a < ranges.size(); ++a) {
        const ListRange& range = ranges[a];
        const int32_t records =
            catalogue.openDatabase(static_cast<uint32_t>(range.database))->recordCount();
        if (records > 0 && range.first + range.count > records) {
            report.add(rangeFinding(range, Severity::kError, "range-past-file",
                                    "the list runs past the file's last record (" +
                                        std::to_string(records) +
                                        " records); it shows only the records the file has"));
        }
        for (std::size_t b = a + 1; b < ranges.size(); ++b) {
            const ListRange& other = ranges[b];
            if (other.database != range.database) continue;
            if (range.first < other.first + other.count &&
                other.first < range.first + range.count) {
                report.add(rangeFinding(range, Severity::kError, "ranges-overlap",
                                        "the list shares records with the list \"" + other.name +
                                            "\"; those records show under both"));
            }
        }
    }
}

}  // namespace orvane::content_check
