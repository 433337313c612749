// The succinylcholine page: the two intubating doses with their volumes of the 20 mg/mL solution,
// and the atropine block, document and equipment table around them by option and weight.
#include "dosing/airway/succinylcholine_page.h"

#include <gtest/gtest.h>

#include <string>

#include "dosing/builders/equipment_table.h"

namespace orvane::airway {
namespace {

std::string doses(const char* adolescentMg, const char* adolescentMl, const char* childMg,
                  const char* childMl) {
    return std::string("<B>Initial Dose (>12 yrs):</B><BR>1 mg/kg = ") + adolescentMg +
           " mg.<BR>[" + adolescentMl + " mL of 20 mg/mL soln].<BR><BR><B>Initial Dose (2-12 " +
           "yrs):</B><BR>2 mg/kg = " + childMg + " mg.<BR>[" + childMl + " mL of 20 mg/mL soln].";
}

std::string page(float weight, SuccinylcholineOptions options) {
    SharedString out = "X:";
    appendSuccinylcholinePage(out, weight, "DOC <$dose=1 units=mg>", options);
    return out.str();
}

constexpr SuccinylcholineOptions kDosesOnly{.atropine = false, .equipment = false};

struct DoseCase {
    float weight;
    const char* adolescentMg;
    const char* adolescentMl;
    const char* childMg;
    const char* childMl;
};

TEST(SuccinylcholinePageTest, DosesByWeight) {
    const DoseCase cases[] = {
        // 1 mg/kg × 20 = 20 mg in 20 × 0.05 = 1 mL; 2 mg/kg × 20 = 40 mg in 2 mL.
        {20.0f, "20", "1", "40", "2"},
        // 12.3 kg: 12.3 mg rounds to the half (12.5); 0.615 mL to tenths (0.6); 24.6 mg to the
        // half (24.5) and 1.23 mL to 1.2.
        {12.3f, "12.5", "0.6", "24.5", "1.2"},
        // 50 kg: 50 mg in 2.5 mL; 100 mg in 5 mL.
        {50.0f, "50", "2.5", "100", "5"},
        // 1 kg: 1 mg in 0.05 mL (one decimal, 0.1, would be twice it); 2 mg in 0.1 mL.
        {1.0f, "1", "0.05", "2", "0.1"},
        // 0.5 kg: 0.025 mL reads 0 with one decimal and 0.03 (20% over) with two: three; 1 mg in
        // 0.05 mL.
        {0.5f, "0.5", "0.025", "1", "0.05"},
    };
    for (const DoseCase& c : cases) {
        EXPECT_EQ(page(c.weight, kDosesOnly),
                  "X:" + doses(c.adolescentMg, c.adolescentMl, c.childMg, c.childMl) +
                      "<BR><BR>DOC <$dose=1 units=mg>")
            << c.weight;
    }
}

TEST(SuccinylcholinePageTest, BothOptionsAtTwentyKilograms) {
    // Atropine 0.02 mg/kg × 20 = 0.4 mg in 4 mL of 1 mg/10 mL. In float arithmetic 0.02 × 20
    // lands a hair under 0.4, so the block writes its plain form rather than "(Max dose)": the
    // amount is the same.
    SharedString table;
    appendEquipmentTable(table, 20.0f);
    EXPECT_EQ(page(20.0f, {}), "X:" + doses("20", "1", "40", "2") +
                                   "<BR><BR>Atropine to blunt bradycardia/secretions "
                                   "recommended:<BR>0.02 mg/kg = 0.4 mg, IV/IO.<BR>[4 mL "
                                   "of 1 mg/10 mL soln].<BR><BR>DOC <$dose=1 units=mg><BR>" +
                                   table.str());
}

TEST(SuccinylcholinePageTest, NoAtropineFromFiftyKilograms) {
    SharedString table;
    appendEquipmentTable(table, 50.0f);
    EXPECT_EQ(page(50.0f, {}), "X:" + doses("50", "2.5", "100", "5") +
                                   "<BR><BR>DOC <$dose=1 units=mg><BR>" + table.str());
    // Just under 50 kg the block is there: 0.02 × 49.9 = 0.998 mg, above the 0.4 mg maximum.
    EXPECT_NE(page(49.9f, {.atropine = true, .equipment = false}).find("0.4 mg, IV/IO (Max dose)"),
              std::string::npos);
}

TEST(SuccinylcholinePageTest, AtropineWithoutEquipment) {
    // 10 kg: atropine 0.2 mg in 2 mL; no equipment table after the document.
    EXPECT_EQ(page(10.0f, {.atropine = true, .equipment = false}),
              "X:" + doses("10", "0.5", "20", "1") +
                  "<BR><BR>Atropine to blunt bradycardia/secretions recommended:<BR>0.02 mg/kg = "
                  "0.2 mg, IV/IO.<BR>[2 mL of 1 mg/10 mL soln].<BR><BR>DOC <$dose=1 units=mg>");
}

}  // namespace
}  // namespace orvane::airway
