// The calculators' tables of a content check, read with the calculators' own readers: the burn
// surfaces of each age band (54), the peak-flow coefficients (55), the points of the scores (56)
// and the growth reference's LMS parameters (14). A number that is not finite, a surface below 0,
// or an M or S that is not above 0 gives a wrong or missing result.
#include <cmath>
#include <iterator>
#include <memory>
#include <string>

#include "calculators/burn_area.h"
#include "calculators/peak_flow_calculator.h"
#include "calculators/scores/points_table.h"
#include "calculators/tyko_growth.h"
#include "tools/lib/check/check_records.h"
#include "tools/lib/check/record_findings.h"

namespace orvane::content_check {

namespace {

// The database a calculator reads from the catalogue: the number is the calculator's own.
std::unique_ptr<ContentDatabase> open(const ContentCatalogue& catalogue, int32_t database) {
    return catalogue.openDatabase(static_cast<uint32_t>(database));
}

void checkBurnTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = open(catalogue, BurnArea::kTableCode);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        float surfaces[kBurnSurfaceCount] = {};
        RecordFindings found(report, BurnArea::kTableCode, i);
        if (!readBurnSurfaces(table->getRecord(i), surfaces)) {
            found.cutShort("the missing surfaces count as 0 % and the burned area reads too small");
            continue;
        }
        for (int32_t s = 0; s < kBurnSurfaceCount; ++s) {
            found.amount("surface " + std::to_string(s + 1), surfaces[s], false,
                         "the surface's percentage");
        }
    }
}

void checkPeakFlowTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = open(catalogue, kPeakFlowTable);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        PeakFlowCoefficients row;
        RecordFindings found(report, kPeakFlowTable, i);
        if (!readPeakFlowCoefficients(table->getRecord(i), row)) {
            found.cutShort("the missing coefficients read as 0 and the prediction is wrong");
            continue;
        }
        for (std::size_t b = 0; b < std::size(row.b); ++b) {
            if (std::isfinite(row.b[b])) continue;
            found.error("coefficient " + std::to_string(b + 1), "not-a-number",
                        "the coefficient is not a finite number; the calculator shows no "
                        "prediction");
        }
    }
}

void checkPointsTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = open(catalogue, kPointsTable);
    for (int32_t i = 0; i < table->recordCount(); ++i) {
        const PointsRecord record = readPointsRecord(*table, i);
        RecordFindings found(report, kPointsTable, i);
        if (!record.complete) {
            found.cutShort("the missing answers are not offered and their points read as 0");
            continue;
        }
        for (int32_t j = 1; j < kPointsPairs; ++j) {
            if (std::isfinite(record.points[j])) continue;
            found.error("answer " + std::to_string(j) + " points", "not-a-number",
                        "the answer's points are not a finite number; the score shows no total");
        }
    }
}

// A measure the band has no curves for is stored as three zeros; any other M or S must be above
// 0 (the Z-score divides by both).
void checkLms(RecordFindings& found, const char* measure, const LmsParameters& lms) {
    if (lms.l == 0.0f && lms.m == 0.0f && lms.s == 0.0f) return;
    const std::string where = std::string(measure) + " LMS";
    const float values[] = {lms.l, lms.m, lms.s};
    const char* names[] = {"L", "M", "S"};
    for (int32_t k = 0; k < 3; ++k) {
        const bool needsPositive = k > 0;
        if (std::isfinite(values[k]) && (!needsPositive || values[k] > 0.0f)) continue;
        found.error(where + " " + names[k], needsPositive ? "zero-divisor" : "not-a-number",
                    std::string("the ") + names[k] + " parameter of " + measure + " is " +
                        (needsPositive ? "not a number above 0" : "not a finite number") +
                        "; the page shows no percentile for it");
    }
}

void checkGrowthTable(const ContentCatalogue& catalogue, CheckReport& report) {
    const std::unique_ptr<ContentDatabase> table = open(catalogue, kGrowthTable);
    for (uint16_t i = 0; i < table->recordCount(); ++i) {
        const GrowthReference r = readGrowthReference(table->getRecord(i));
        RecordFindings found(report, kGrowthTable, i);
        if (!r.complete) {
            found.cutShort("the missing parameters read as 0 and the percentiles are not shown");
            continue;
        }
        checkLms(found, "weight", r.weight);
        checkLms(found, "length", r.length);
        checkLms(found, "head circumference", r.head);
        checkLms(found, "BMI", r.bmi);
    }
}

}  // namespace

void checkCalculatorRecords(const ContentCatalogue& catalogue, CheckReport& report) {
    checkBurnTable(catalogue, report);
    checkPeakFlowTable(catalogue, report);
    checkPointsTable(catalogue, report);
    checkGrowthTable(catalogue, report);
}

}  // namespace orvane::content_check
