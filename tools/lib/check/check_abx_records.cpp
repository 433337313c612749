// The antibiotic tables of a content check, read with the modules' own readers and list builders:
// TykoAbx's IV/IM drugs (database 9) and oral drugs (47), AbxNavix's categories (1) and dose lists
// (45). A record whose numbers give no dose list, no frequency or no concentration is an error.
#include <memory>
#include <string>
#include <vector>

#include "dosing/antibiotics/abx_dose_table.h"
#include "dosing/antibiotics/abx_frequency_words.h"
#include "dosing/antibiotics/abx_navix_module.h"
#include "dosing/antibiotics/iv_abx_lists.h"
#include "dosing/antibiotics/iv_abx_record.h"
#include "dosing/antibiotics/po_abx_lists.h"
#include "dosing/antibiotics/po_abx_record.h"
#include "dosing/antibiotics/tyko_abx_module.h"
#include "tools/lib/check/check_records.h"
#include "tools/lib/check/record_findings.h"

namespace orvane::content_check {

namespace {

// The stepped dose range per kg per day of a TykoAbx drug: each number sound, the low dose not
// above the high one, a step above 0 when the range is wider than one dose, and a list that the
// module's own builder makes.
void checkSteppedRange(RecordFindings& found, float low, float high, float step, bool listed) {
    const bool lowSound = found.amount("lowest dose", low, true, "the lowest dose per kg");
    const bool highSound = found.amount("highest dose", high, false, "the highest dose per kg");
    const bool stepSound = found.amount("dose step", step, high > low, "the dose step");
    const bool sound = lowSound && highSound && stepSound;
    if (sound && low > high) {
        found.error("dose range", "low-above-high",
                    "the lowest dose per kg is above the highest; the dose list offers the lowest "
                    "dose alone");
    }
    if (sound && !listed) {
        found.error("dose range", "no-dose-list",
                    "the module makes no dose list from these numbers; the page offers no dose");
    }
}

bool inIvFrequencyTable(float code) {
    return ivDosesPerDay(code, 0).has_value() || ivDosesPerDay(code, 1).has_value();
}

void checkIvTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = catalogue.openDatabase(TykoAbxModule::kIvCode);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        const IvAbxRecord r = readIvAbxRecord(table->getRecord(i));
        RecordFindings found(report, TykoAbxModule::kIvCode, i);
        if (r.damaged) {
            found.cutShort("its dose, frequency or notes read as 0 or empty on the page");
            continue;
        }
        if (r.isLoadingRegimen()) continue;  // dosed by its own regimen list
        checkSteppedRange(found, r.low, r.high, r.step, !ivDoseList(r).empty());
        if (!inIvFrequencyTable(r.frequencyCode)) {
            found.error("frequency code", "code-outside-list",
                        "the frequency code is not in the frequency table; the page offers no "
                        "frequency and shows no dose");
        }
        if (r.route != abx_route::kIvOnly && r.route != abx_route::kImOnly &&
            r.route != abx_route::kIvOrIm) {
            found.add(Severity::kWarning, "route", "code-outside-list",
                      "the route code " + std::to_string(r.route) +
                          " is not one the page knows; it names no route");
        }
    }
}

void checkOralTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = catalogue.openDatabase(TykoAbxModule::kOralCode);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        const PoAbxRecord r = readPoAbxRecord(table->getRecord(i));
        RecordFindings found(report, TykoAbxModule::kOralCode, i);
        if (r.damaged) {
            found.cutShort("its dose, frequency or concentrations read as 0 or empty on the page");
            continue;
        }
        if (r.concentrationCount < 1 || r.concentrationCount > kMostOralConcentrations) {
            found.error("concentration count", "count-out-of-range",
                        "the count of concentrations, " + std::to_string(r.concentrationCount) +
                            ", is not 1 to " + std::to_string(kMostOralConcentrations) +
                            "; the page reads it as " + std::to_string(r.usableConcentrations()));
        }
        if (!r.isTablets() && r.special() != SpecialOral::kNystatin) {
            const auto offered = static_cast<int32_t>(poConcentrationList(r).size());
            for (int32_t c = 0; c < r.usableConcentrations(); ++c) {
                const float mg = r.concentrations[static_cast<size_t>(c)].mgPer5Ml;
                // A concentration that is not above 0 ends the list the page offers.
                if (!found.amount("concentration " + std::to_string(c + 1), mg, true,
                                  "the concentration")) {
                    break;
                }
            }
            if (offered == 0) continue;  // said above: no concentration, no volume
        }
        if (r.isSpecial()) continue;  // dosed by their own regimen lists
        checkSteppedRange(found, r.low, r.high, r.step, !poDoseList(r).empty());
        if (poFrequencyList(r).empty()) {
            found.error("frequency code", "code-outside-list",
                        "the frequency code " + std::to_string(r.frequencyCode) +
                            " is not in the frequency table; the page offers no frequency and "
                            "shows no dose");
        }
    }
}

void checkDoseEntries(RecordFindings& found, const std::vector<AbxDoseEntry>& entries) {
    for (std::size_t e = 0; e < entries.size(); ++e) {
        const AbxDoseEntry& entry = entries[e];
        const std::string where =
            "antibiotic " + std::to_string(e + 1) + " \"" + entry.name.str() + "\"";
        found.amount(where + " low dose", entry.low, true, "the dose per kg");
        if (found.amount(where + " high dose", entry.high, false, "the high dose per kg") &&
            entry.high != 0.0f && entry.high < entry.low) {
            found.error(where + " dose range", "low-above-high",
                        "the low dose per kg is above the high one; the line shows a range "
                        "running backwards");
        }
        found.amount(where + " maximum", entry.maximum, false, "the maximum");
        if (abxRouteWord(entry.route)[0] == '\0') {
            found.error(where + " route", "code-outside-list",
                        "the route code " + std::to_string(entry.route) +
                            " is not in the route list; the line names no route");
        }
        if (entry.perDayFlag > AbxDoseEntry::kPerDay) {
            found.error(where + " per-day flag", "code-outside-list",
                        "the per-day flag is neither 0 nor 1; the line shows no dose");
        } else if (entry.perDay() &&
                   (entry.dosesPerDay == 0 ||
                    abxFrequencyWords(entry.route, entry.dosesPerDay) == nullptr)) {
            found.error(where + " doses a day",
                        entry.dosesPerDay == 0 ? "zero-divisor" : "code-outside-list",
                        "the daily dose is divided by " + std::to_string(entry.dosesPerDay) +
                            " doses a day, which the route has no frequency for; the line shows "
                            "no dose");
        }
    }
}

void checkAbxNavix(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> categories =
        catalogue.openDatabase(AbxNavixModule::kCode);
    const std::unique_ptr<ContentDatabase> doses =
        catalogue.openDatabase(AbxNavixModule::kDoseTable);
    const int32_t doseRecords = doses->recordCount();
    for (uint16_t i = 0; i < categories->recordCount(); ++i) {
        const AbxCategoryRecord category = readAbxCategory(categories->getRecord(i));
        RecordFindings found(report, AbxNavixModule::kCode, i);
        if (!category.complete) {
            found.cutShort("the category shows no dose list");
        } else if (category.doseRecord < 0 || category.doseRecord >= doseRecords) {
            found.error("dose record", "index-past-file",
                        "the dose record " + std::to_string(category.doseRecord) +
                            " is not in the dose table (" + std::to_string(doseRecords) +
                            " records); the category shows no dose list");
        }
    }
    for (uint16_t i = 0; i < doseRecords; ++i) {
        bool cut = false;
        const std::vector<AbxDoseEntry> entries = readAbxDoseEntries(doses->getRecord(i), &cut);
        RecordFindings found(report, AbxNavixModule::kDoseTable, i);
        if (cut) {
            found.cutShort(
                "the antibiotic cut short and every one after it are left out of the "
                "page");
        }
        checkDoseEntries(found, entries);
    }
}

}  // namespace

void checkAntibioticRecords(const ContentCatalogue& catalogue, CheckReport& report) {
    checkIvTable(catalogue, report);
    checkOralTable(catalogue, report);
    checkAbxNavix(catalogue, report);
}

}  // namespace orvane::content_check
