// Test content for the fluids, burn, infusion, induction, growth and pregnancy modules: a
// temporary content folder with a calculator table (database 4), burn surfaces by age band (54),
// two induction documents (39) and growth rows (14) whose LMS values make every expected number
// easy to work out by hand (L = 1 everywhere, boys and girls with different medians).
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "modules/patient_context.h"
#include "tests/support/content/content_writer.h"
#include "tests/support/page_text_checks.h"
#include "tools/lib/pdb_writer.h"

namespace orvane::test_support {

using tools::ByteVector;

// Burn surfaces of age bands 1 and 2: head/neck, chest/abdomen, back, shoulder to elbow, elbow to
// wrist, hand, buttock, genitalia, hip to knee, knee to ankle, ankle/top of foot, heel+sole.
inline constexpr float kBurnBand1[12] = {0.2f,  0.1f,  0.16f, 0.04f, 0.03f, 0.025f,
                                         0.02f, 0.01f, 0.05f, 0.05f, 0.02f, 0.015f};
inline constexpr float kBurnBand2[12] = {0.18f, 0.13f, 0.13f, 0.04f, 0.03f,  0.025f,
                                         0.02f, 0.01f, 0.06f, 0.05f, 0.015f, 0.015f};

// Growth LMS (L, M, S) of girls and boys, the same for every band.
struct GrowthRow {
    float weight[3], length[3], head[3], bmi[3];
};
inline constexpr GrowthRow kGirls = {{1, 10, 0.1f}, {1, 80, 0.05f}, {1, 45, 0.04f}, {1, 16, 0.1f}};
inline constexpr GrowthRow kBoys = {{1, 12, 0.1f}, {1, 84, 0.05f}, {1, 46, 0.04f}, {1, 16, 0.1f}};

// The fixture's folder with writers of its tables.
class PediatricContentDir : public TempContentDir {
  public:
    PediatricContentDir() : TempContentDir("orvane-pediatric") {}

    // Everything the modules read.
    void writeAll() const {
        writeCalculatorTable();
        writeBurnTable();
        writeInductionTable();
        writeGrowthTable();
    }

    void writeCalculatorTable() const { write(4, calculatorTableRecords("")); }

    void writeBurnTable() const {
        std::vector<ByteVector> records;
        for (const float* band : {kBurnBand1, kBurnBand2}) {
            ByteVector r;
            putText(r, "band");
            for (int i = 0; i < 12; ++i) putFloat(r, band[i]);
            records.push_back(r);
        }
        write(54, records);
    }

    void writeInductionTable() const {
        std::vector<ByteVector> records;
        ByteVector a;
        putText(a, "A");
        putText(a, "Drug One");
        putText(a, "");
        putText(a, "Dose <$dose=0.1 max=4 units=mg>\nEnd");
        records.push_back(a);
        ByteVector b;
        putText(b, "B");
        putText(b, "Drug Two");
        putText(b, "");
        putText(b, "Range <$doserange=1 up=2 units=mg>");
        records.push_back(b);
        write(39, records);
    }

    void writeGrowthTable() const {
        std::vector<ByteVector> records;
        for (const GrowthRow* row : {&kGirls, &kBoys}) {
            for (int band = 1; band <= 72; ++band) {
                ByteVector r;
                putText(r, "Test growth rows");
                r.push_back(0);
                putFloat(r, static_cast<float>(band));
                for (const float* lms : {row->weight, row->length, row->head, row->bmi}) {
                    for (int i = 0; i < 3; ++i) putFloat(r, lms[i]);
                }
                records.push_back(r);
            }
        }
        write(14, records);
    }
};

// A folder with all the test content and a session over it.
struct PediatricFixture {
    PediatricFixture() : session((dir.writeAll(), dir.path())) {}
    PediatricContentDir dir;
    ContentSession session;
    PatientContext& context() { return session.context; }
};

}  // namespace orvane::test_support
