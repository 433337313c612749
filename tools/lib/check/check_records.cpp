#include "tools/lib/check/check_records.h"

#include <memory>
#include <string>

#include "dosing/infusions/adult_drips_module.h"
#include "dosing/infusions/adult_drips_record.h"
#include "dosing/infusions/tyko_drips_module.h"
#include "dosing/infusions/tyko_drips_record.h"
#include "dosing/weight_based/drug_record.h"
#include "dosing/weight_based/frequency_table.h"
#include "dosing/weight_based/tyko_drugs_module.h"
#include "tools/lib/check/record_findings.h"

namespace orvane::content_check {

namespace {

template <class Read>
void checkInfusionTable(const ContentCatalogue& catalogue, int32_t database, Read read,
                        CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = catalogue.openDatabase(database);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        const infusion::InfusionRecord r = read(table->getRecord(i));
        RecordFindings found(report, database, i);
        if (r.damaged) {
            found.error("", "damaged-record",
                        "the record does not fit the infusion layout (a count beyond its range, "
                        "a number that is not finite, or fields missing at its end); the page "
                        "shows no rate for this drug");
            continue;
        }
        for (int32_t c = 0; c < r.concentrationCount; ++c) {
            found.amount("concentration " + std::to_string(c + 1), r.concentrations[c], true,
                         "the concentration");
        }
        for (int32_t k = 0; k < r.rateCount; ++k) {
            found.amount("rate " + std::to_string(k + 1), r.rates[k], false, "the standard rate");
        }
        if (r.customHighest > 0.0f) {
            found.amount("custom rate step", r.customStep, true, "the custom rate step");
            found.amount("custom rate lowest", r.customLowest, true, "the lowest custom rate");
            if (r.customHighest < r.customLowest) {
                found.error("custom rate range", "maximum-below-minimum",
                            "the highest custom rate is below the lowest; the custom rate list "
                            "is empty");
            }
        }
    }
}

bool needsConcentration(int32_t kind) {
    return kind == dose_kind::kOralLiquid || kind == dose_kind::kOralLiquidFifths ||
           kind == dose_kind::kPerDayOralLiquid;
}

void checkDrugTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = catalogue.openDatabase(TykoDrugsModule::kCode);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        const DrugRecord r = readDrugRecord(table->getRecord(i));
        RecordFindings found(report, TykoDrugsModule::kCode, i);
        if (r.damaged) {
            found.error("", "damaged-record",
                        "the record ends before its last field; the page offers no dose for "
                        "this drug");
            continue;
        }
        if (r.kind < dose_kind::kOralLiquid || r.kind > dose_kind::kLastStepped) {
            found.error("dose kind", "code-outside-list",
                        "the dose kind " + std::to_string(r.kind) +
                            " is not one the page knows; it offers no dose");
            continue;
        }
        if (r.isStepped()) {
            found.amount("lowest dose", r.lowest(), true, "the lowest dose per kg");
            found.amount("highest dose", r.highest(), true, "the highest dose per kg");
            found.amount("dose step", r.step(), true, "the dose step");
            if (r.lowest() > r.highest()) {
                found.error("dose range", "low-above-high",
                            "the lowest dose per kg is above the highest; the dose list is empty");
            }
            if (frequencyListFor(r.frequencyCode().view()) == nullptr) {
                found.error("frequency code", "code-outside-list",
                            "the frequency code \"" + r.frequencyCode().str() +
                                "\" is not in the frequency table; the page offers no frequency");
            }
        } else {
            for (int32_t o = 0; o < kDoseOptions; ++o) {
                if (r.options[o].text.empty()) continue;
                found.amount("dose option " + std::to_string(o + 1), r.options[o].perKg, true,
                             "the dose per kg");
            }
        }
        found.amount("concentration", r.concentration, needsConcentration(r.kind),
                     "the concentration");
        found.amount("maximum", r.maximum, false, "the maximum dose");
    }
}

}  // namespace

void checkRecords(const ContentCatalogue& catalogue, CheckReport& report) {
    checkInfusionTable(catalogue, AdultDripsModule::kCode, infusion::readAdultDripsRecord, report);
    checkInfusionTable(catalogue, TykoDripsModule::kCode, infusion::readTykoDripsRecord, report);
    checkDrugTable(catalogue, report);
    checkAntibioticRecords(catalogue, report);
    checkTextRecords(catalogue, report);
    checkIndexRecords(catalogue, report);
    checkRecordRanges(catalogue, report);
    checkCalculatorRecords(catalogue, report);
}

}  // namespace orvane::content_check
