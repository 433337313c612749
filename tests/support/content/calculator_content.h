// Test fixture for the calculator modules: a temporary content folder with a calculator table
// (database 4) whose templates list every input and result tag, a peak-flow table (55) and a
// scoring table (56) with made-up answers and points, and a patient context over it.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "modules/form_binding.h"
#include "modules/module.h"
#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::test_support {

using tools::ByteVector;

// The template every calculator record gets: "T" then each result and input tag once, separated
// by '|' so that a filled page reads "T|r1|r2...|i1|i2...".
inline std::string allTagsTemplate() {
    std::string t = "T";
    for (int i = 1; i <= 9; ++i) t += "|<$result" + std::to_string(i) + ">";
    for (int i = 1; i <= 11; ++i) t += "|<$input" + std::to_string(i) + ">";
    return t;
}

// One scoring-table record: heading, then answers (text, points).
struct PointsRow {
    std::string heading;
    std::vector<std::pair<std::string, float>> answers;
};

inline ByteVector pointsRecord(const PointsRow& row) {
    ByteVector out;
    tools::putBigEndian32(out, 0);
    putText(out, row.heading);
    putFloat(out, 0);
    for (size_t j = 0; j < 9; ++j) {
        putText(out, j < row.answers.size() ? row.answers[j].first : "");
        putFloat(out, j < row.answers.size() ? row.answers[j].second : 0.0f);
    }
    return out;
}

// The scoring table of the fixture (records 0-39), with points chosen so that the tests can reach
// every band: Apgar 0-2 per criterion; Glasgow Coma Scale by band (eye 1-4, motor 1-6, verbal
// 1-5, the verbal answers named after their band); pediatric trauma +2/+1/−1; trauma 4..0;
// croup 0-3 per criterion; MI risk criteria worth 11 × answer for age and 1 × answer for the
// others, factors worth 1, 2, 3, 4 and 5.
inline std::vector<PointsRow> fixturePoints() {
    std::vector<PointsRow> rows(40);
    const char* apgar[] = {"Heart rate", "Respiratory effort", "Muscle tone", "Reflex irritability",
                           "Color"};
    for (int k = 0; k < 5; ++k) {
        rows[k] = {apgar[k], {{"none", 0.0f}, {"some", 1.0f}, {"full", 2.0f}}};
    }
    rows[5] = {"not used", {}};
    for (int band = 0; band < 4; ++band) {
        const int base = 6 + 3 * band;
        const std::string tag = "band" + std::to_string(band + 1);
        rows[base] = {"Eye opening " + tag + " :", {{"E4", 4}, {"E3", 3}, {"E2", 2}, {"E1", 1}}};
        rows[base + 1] = {"Best motor " + tag + " :",
                          {{"M6", 6}, {"M5", 5}, {"M4", 4}, {"M3", 3}, {"M2", 2}, {"M1", 1}}};
        rows[base + 2] = {"Best verbal " + tag + " :",
                          {{"V5 " + tag, 5}, {"V4", 4}, {"V3", 3}, {"V2", 2}, {"V1", 1}}};
    }
    for (int k = 18; k <= 23; ++k) {
        rows[k] = {"Ped " + std::to_string(k), {{"good", 2}, {"fair", 1}, {"poor", -1}}};
    }
    for (int k = 24; k <= 26; ++k) {
        rows[k] = {"RTS " + std::to_string(k),
                   {{"four", 4}, {"three", 3}, {"two", 2}, {"one", 1}, {"zero", 0}}};
    }
    for (int k = 27; k <= 31; ++k) {
        rows[k] = {"Croup " + std::to_string(k),
                   {{"normal", 0}, {"mild", 1}, {"moderate", 2}, {"severe", 3}}};
    }
    // MI risk: age record 32 worth 11 per answer number (up to 99), the others 1 per answer number
    // (the Killip class, record 36, likewise); an answer 9 exists everywhere.
    for (int k = 32; k <= 38; ++k) {
        PointsRow row{"MI " + std::to_string(k), {}};
        for (int j = 1; j <= 9; ++j) {
            row.answers.push_back(
                {"a" + std::to_string(j), static_cast<float>(k == 32 ? 11 * j : j)});
        }
        rows[k] = row;
    }
    rows[39] = {"factors", {{"f1", 1}, {"f2", 2}, {"f3", 3}, {"f4", 4}, {"f5", 5}}};
    return rows;
}

// The fixture's folder with writers of its tables.
class CalculatorContentDir : public TempContentDir {
  public:
    CalculatorContentDir() : TempContentDir("orvane-calc") {}

    // Forty calculator records: "id", "Calc n", "", and the all-tags template.
    void writeCalculatorTable() const { write(4, calculatorTableRecords(allTagsTemplate())); }

    // Twelve peak-flow rows whose b0 is the row number (other coefficients given).
    void writePeakFlowTable(double b1, double b2, double b3, double b4) const {
        std::vector<ByteVector> records;
        for (int r = 0; r < 12; ++r) {
            ByteVector out;
            putText(out, "row " + std::to_string(r));
            for (double b : {static_cast<double>(r), b1, b2, b3, b4}) {
                putFloat(out, static_cast<float>(b));
            }
            records.push_back(out);
        }
        write(55, records);
    }

    void writePointsTable(const std::vector<PointsRow>& rows) const {
        std::vector<ByteVector> records;
        for (const PointsRow& row : rows) records.push_back(pointsRecord(row));
        write(56, records);
    }
};

}  // namespace orvane::test_support
