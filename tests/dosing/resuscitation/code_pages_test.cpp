// The computed resuscitation pages for chosen weights: band edges, caps and the amounts that
// must never read "0". Each expected text is worked out by hand from the dose per kg, the dose
// bands (thousandths below 0.1, hundredths below 0.5, tenths below 10, halves below 40, wholes
// below 100, tens below 1000) and the cap, and noted beside the case.
#include "dosing/resuscitation/code_pages.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane::code {
namespace {

std::string page(int32_t number, float weight, const char* trailing = "") {
    SharedString out;
    const CodePage generate = codePage(number);
    if (generate != nullptr) generate(out, weight, SharedString(trailing));
    return out.str();
}

struct Case {
    int32_t page;
    float weight;
    const char* part;  // must appear on the page
    const char* note;
};

void expectParts(const Case* cases, int count) {
    for (int i = 0; i < count; ++i) {
        const Case& c = cases[i];
        const std::string text = page(c.page, c.weight);
        EXPECT_NE(text.find(c.part), std::string::npos)
            << "page " << c.page << " at " << c.weight << " kg (" << c.note << "): expected "
            << c.part << "\nin " << text;
    }
}

TEST(CodePagesTest, AdrenalineIsCappedOnEveryPage) {
    const Case cases[] = {
        {3, 60.0f, "6 mL (0.6 mg) of 1:10,000 [0.01 mg/kg]", "0.6 mg under the cap"},
        {3, 150.0f, "10 mL (1 mg) of 1:10,000 [0.01 mg/kg]", "1.5 mg capped at 1 mg"},
        {8, 150.0f, "0.01 mg/kg/dose = 10 mL (1mg) of 1:10,000 Epi.", "15 mL capped at 10 mL"},
        {8, 60.0f, "0.01 mg/kg/dose = 6 mL (0.6mg) of 1:10,000 Epi.", "under the cap"},
        {24, 150.0f, "(0.01 mg/kg): 10 mL (1mg) of 1:10,000 Epi.", "IV capped at 1 mg"},
        {24, 60.0f, "(0.01 mg/kg): 6 mL (0.6mg) of 1:10,000 Epi.", "under the cap"},
    };
    expectParts(cases, static_cast<int>(std::size(cases)));
}

TEST(CodePagesTest, EndotrachealAdrenalineAtMostTwoAndAHalfMg) {
    // 0.1 mg/kg of 1:1,000 (1 mg/mL), at most 2.5 mg (the adult endotracheal dose): 10 kg gives
    // 1 mg in 1 mL; 20 kg 2 mg; 25 kg reaches 2.5 mg exactly; 70 and 150 kg (7 and 15 mg) are
    // held at 2.5 mg. From the maximum up the page says so.
    const struct {
        float weight;
        const char* summary;  // page 3, from the ETT heading to the atropine heading
        const char* drug;     // page 24, from the ETT result to the indications
    } cases[] = {
        {10.0f, "1 mL (1 mg) of 1:1000 [0.1 mg/kg].<BR>", "1 mL (1mg) of 1:1,000 Epi.<BR><BR>"},
        {20.0f, "2 mL (2 mg) of 1:1000 [0.1 mg/kg].<BR>", "2 mL (2mg) of 1:1,000 Epi.<BR><BR>"},
        {25.0f, "2.5 mL (2.5 mg) of 1:1000 [0.1 mg/kg].<BR>[2.5 mg = Max dose]<BR>",
         "2.5 mL (2.5mg) of 1:1,000 Epi.<BR>[2.5 mg = Max dose]<BR><BR>"},
        {70.0f, "2.5 mL (2.5 mg) of 1:1000 [0.1 mg/kg].<BR>[2.5 mg = Max dose]<BR>",
         "2.5 mL (2.5mg) of 1:1,000 Epi.<BR>[2.5 mg = Max dose]<BR><BR>"},
        {150.0f, "2.5 mL (2.5 mg) of 1:1000 [0.1 mg/kg].<BR>[2.5 mg = Max dose]<BR>",
         "2.5 mL (2.5mg) of 1:1,000 Epi.<BR>[2.5 mg = Max dose]<BR><BR>"},
    };
    for (const auto& c : cases) {
        const std::string summary = page(3, c.weight);
        const std::string ettStart = "<B>Epinephrine (ETT):</B><BR>";
        const std::size_t from = summary.find(ettStart);
        const std::size_t to = summary.find("<BR><B>Atropine", from);
        ASSERT_NE(from, std::string::npos) << c.weight;
        ASSERT_NE(to, std::string::npos) << c.weight;
        EXPECT_EQ(summary.substr(from + ettStart.size(), to - from - ettStart.size()), c.summary)
            << c.weight;
        const std::string drug = page(24, c.weight);
        EXPECT_NE(drug.find(std::string("ETT Dosing:<BR>Calc Result (0.1 mg/kg): ") + c.drug +
                            "Indications:"),
                  std::string::npos)
            << c.weight << "\n"
            << drug;
    }
}

TEST(CodePagesTest, SmallDosesNeverReadZero) {
    const Case cases[] = {
        // 0.1 mL of 1:10,000 is 0.01 mg: one decimal would read 0.
        {24, 1.0f, "(0.01 mg/kg): 0.1 mL (0.01mg) of 1:10,000 Epi.", "1 kg"},
        {8, 1.0f, "0.01 mg/kg/dose = 0.1 mL (0.01mg) of 1:10,000 Epi.", "1 kg"},
        // 0.4 kg: 0.004 mg in 0.04 mL; both widened.
        {3, 0.4f, "0.04 mL (0.004 mg) of 1:10,000 [0.01 mg/kg]", "0.4 kg"},
        // Neonatal range at 7 kg: 0.07-0.21 mg in 0.7-2.1 mL.
        {3, 7.0f, "0.7-2.1 mL (0.07-0.21 mg) of 1:10,000 [0.01-0.03 mg/kg]", "7 kg"},
        // IM adrenaline 0.03 mg at 3 kg.
        {1, 3.0f, "Calc Dose: 0.03 mg (0.03 mL of 1:1,000 epi)<BR>Route", "3 kg"},
        // Atropine with ketamine: 0.02 mg/kg at 1 kg is 0.02 mg.
        {3, 1.0f, "0.02 mg/kg = 0.02 mg, IV/IO<BR>", "1 kg"},
    };
    expectParts(cases, static_cast<int>(std::size(cases)));
}

TEST(CodePagesTest, NeonatalAdrenalineUpToSevenKg) {
    EXPECT_NE(page(3, 7.0f).find("Epinephrine (IV/IO) Neonate:"), std::string::npos);
    EXPECT_EQ(page(3, 7.1f).find("Neonate"), std::string::npos);
}

TEST(CodePagesTest, BandEdgesAtFiveKg) {
    const Case cases[] = {
        {3, 4.9f, "<B>Atropine(IV/IO/UVC):</B><BR>0.25 mL (0.1 mg) of 0.4 mg/mL", "fixed dose"},
        // 5 kg: 0.1 mg in 0.25 mL (one decimal, 0.3, would be 20% over).
        {3, 5.0f, "<B>Atropine(IV/IO):</B><BR>0.25 mL (0.1 mg) of 0.4 mg/mL<BR>1 mL (0.1 mg)",
         "computed"},
        {3, 5.0f, "<B>Bicarbonate(IV/IO/UVC):</B>", "5 kg is still a newborn's route"},
        {3, 5.1f, "<B>Bicarbonate(IV/IO):</B>", "above 5 kg"},
        {8, 4.9f, "ATROPINE: 0.1 mg/dose<BR>Route:IV/IO/UVC", "fixed dose"},
        {8, 5.0f,
         "ATROPINE (Route IV/IO):<BR>0.1 mg/dose<BR>0.4 mg/mL = 0.25 mL<BR>1 mg/10 mL = 1 mL",
         "computed"},
        {13, 4.9f, "Calc Result = 0.1 mg/dose<BR>Route:IV/IO/UVC", "fixed dose"},
        {13, 4.9f, "0.3 mg/dose.<BR>0.4 mg/mL = 0.75 mL", "fixed ETT dose"},
        {13, 5.0f, "Calc Result (Route IV/IO):<BR>0.1 mg/dose\r\n0.4 mg/mL = 0.25 mL", "computed"},
        // ETT 0.3 mg: 2.5 × 0.3f is 0.75000003, × 10 is 7.5000005 in float: a hair above the
        // half, which still rounds down (only above 0.500001 rounds up), so 0.7 mL.
        {13, 5.0f, "(Route ETT):<BR>0.3 mg/dose<BR>0.4 mg/mL = 0.7 mL<BR>1 mg/10 mL = 3 mL",
         "computed ETT"},
        {13, 5.0f, "IV/IO/UVC: 0.02 mg/kg/dose", "5 kg"},
        {13, 5.1f, "<BR>IV/IO: 0.02 mg/kg/dose", "above 5 kg"},
        {14, 5.0f, "Calc Result (IV/IO/UVC):", "5 kg"},
        {14, 5.1f, "Calc Result (IV/IO):", "above 5 kg"},
        {19, 4.9f, "(IV/IO/UAC/UVC):", "below 5 kg"},
        {19, 4.9f, "Neonatal uses D10 or D12.5", "below 5 kg"},
        {19, 5.0f, "Calc Result:<BR>(IV/IO):", "from 5 kg"},
        {24, 5.0f, "IV/IO/UAC/UVC: 0.01 mg/kg", "5 kg"},
        {24, 5.1f, "<BR>IV/IO: 0.01 mg/kg", "above 5 kg"},
        {25, 5.0f, "Route: IV/IO/UAC/UVC.", "5 kg"},
        {33, 5.1f, "Route: IV/IO/SubCut/ETT.<BR>", "above 5 kg"},
        {35, 5.0f, "Route: IV/IO/UVC (slow).", "5 kg"},
        {36, 5.1f, "Route: IV/IO", "above 5 kg"},
    };
    expectParts(cases, static_cast<int>(std::size(cases)));
    EXPECT_EQ(page(19, 5.0f).find("Neonatal uses"), std::string::npos);
    EXPECT_EQ(page(14, 5.1f).find("UVC"), std::string::npos);
}

TEST(CodePagesTest, CapsOfAmiodaroneCalciumDefibrillationAndNaloxone) {
    const Case cases[] = {
        // 61 kg: 0.33 × 61 = 20.13 mL, banded to 20, the cap; 15 × 20 = 300 mg, the maximum.
        {11, 61.0f, "5 mg/kg = 20 mL (300 mg) [Max]<BR><BR>", "capped"},
        // 10 kg: 3.3 mL, 49.5 mg banded to wholes: 49.5 is a half, 49 odd, so 50.
        {11, 10.0f, "5 mg/kg = 3.3 mL (50 mg)<BR><BR>", "under the cap"},
        // 20 kg: CaCl 4 mL = 400 mg; gluconate 20 mL = 2000 mg.
        {15, 20.0f, "20 mg/kg = 4 mL (400 mg)<BR>", "CaCl"},
        {15, 20.0f, "100 mg/kg = 20 mL (2000 mg)<BR>", "gluconate"},
        // 60 kg: CaCl 12 mL capped at 10 (1000 mg); gluconate 60 mL capped at 50 (5000 mg).
        {15, 60.0f, "20 mg/kg = 10 mL (1000 mg) [Max]<BR>", "CaCl capped"},
        {15, 60.0f, "100 mg/kg = 50 mL (5000 mg) [Max]<BR>", "gluconate capped"},
        // 88 kg: 352 J banded to tens is 350, below 360. 2 J/kg: 176 → 180.
        {18, 88.0f, "2 J/kg = 180 J<BR>4 J/kg = 350 J<BR><BR>", "under the maximum"},
        {18, 90.0f, "4 J/kg = 360 J (Max)<BR><BR>", "at the maximum"},
        {3, 90.0f, "4 J/kg = 360 J (Max)<BR>", "code summary"},
        // Naloxone: 5 kg gives 0.5 mg, above the usual 0.4 mg; 25 kg 2.5 mg, capped at 2.
        {33, 5.0f, "0.1 mg/kg = 0.5 mg.<BR><BR>Route: IV/IO/SubCut/ETT/UVC.", "5 kg"},
        {33, 5.0f, "Note: Although the program has recommended", "note above 0.4 mg"},
        {33, 25.0f, "0.1 mg/kg = 2 mg (Max Dose).", "capped"},
        {33, 25.0f, "Note: Although the program has recommended", "note"},
        {33, 20.0f, "0.1 mg/kg = 2 mg.<BR>", "exactly 2 mg is not above the maximum"},
        {41, 50.0f, "0.8 U/kg = 40 U (Max Dose).<BR>", "vasopressin 40 U"},
        {41, 10.0f, "0.8 U/kg = 8 U.<BR>", "vasopressin 8 U"},
    };
    expectParts(cases, static_cast<int>(std::size(cases)));
    EXPECT_EQ(page(33, 4.0f).find("Note:"), std::string::npos) << "0.4 mg needs no note";
}

TEST(CodePagesTest, Kayexalate) {
    const char* note =
        "May mix in sorbitol or water. Avoid sorbitol in younger children as may cause "
        "substantial diarrhea.";
    const struct {
        float weight;
        std::string text;
    } cases[] = {
        {20.0f, std::string("20 grams<BR>Route: PO or PR<BR>Note: Max dose PO 30 grams, PR 50 "
                            "grams. ") +
                    note},
        {30.0f, std::string("30 grams<BR>[30 grams = Max dose PO]<BR>Route: PO or PR<BR>Note: Max "
                            "dose PR 50 grams. ") +
                    note},
        {45.0f, std::string("30-45 grams<BR>[30 grams = Max dose PO]<BR>Route: PO or PR<BR>Note: "
                            "Max dose PR 50 grams. ") +
                    note},
        {50.0f, std::string("30-50 grams<BR>[30 grams = Max dose PO]<BR>[50 grams = Max dose PR]"
                            "<BR>Route: PO or PR<BR>Note: ") +
                    note},
        {70.0f, std::string("30-50 grams<BR>[30 grams = Max dose PO]<BR>[50 grams = Max dose PR]"
                            "<BR>Route: PO or PR<BR>Note: ") +
                    note},
    };
    for (const auto& c : cases) {
        const std::string text = page(4, c.weight);
        const std::string tail = "<B>Kayexalate (1 g/kg)</B><BR>Calc Dose: " + c.text;
        ASSERT_GE(text.size(), tail.size());
        EXPECT_EQ(text.substr(text.size() - tail.size()), tail) << c.weight;
    }
}

TEST(CodePagesTest, MaintenanceByTheFourTwoOneRule) {
    const struct {
        float weight;
        const char* text;
    } cases[] = {
        // 10 kg: 4 × 10 = 40; × 1.5 = 60; × 2 = 80.
        {10.0f,
         "Maintenance x 1 = 40 mL/hr.<BR>Maintenance x 1.5 = 60 mL/hr.<BR>"
         "Maintenance x 2 = 80 mL/hr.<BR>"},
        // 15 kg: 40 + 2 × 5 = 50; 75; 100.
        {15.0f,
         "Maintenance x 1 = 50 mL/hr.<BR>Maintenance x 1.5 = 75 mL/hr.<BR>"
         "Maintenance x 2 = 100 mL/hr.<BR>"},
        // 25 kg: 60 + 5 = 65; 97.5 is a half, 97 odd, so 98; 130.
        {25.0f,
         "Maintenance x 1 = 65 mL/hr.<BR>Maintenance x 1.5 = 98 mL/hr.<BR>"
         "Maintenance x 2 = 130 mL/hr.<BR>"},
        // 20 kg: 40 + 2 × 10 = 60 from both sides of the band edge.
        {20.0f, "Maintenance x 1 = 60 mL/hr.<BR>"},
    };
    for (const auto& c : cases) {
        EXPECT_NE(page(27, c.weight).find(c.text), std::string::npos) << c.weight;
    }
    EXPECT_NE(page(27, 10.0f).find("Calc Result:<BR>5 mL/kg = 50 mL IVPB<BR>10 mL/kg = 100 mL"),
              std::string::npos);
}

TEST(CodePagesTest, RuleOfSixSwitches) {
    const Case cases[] = {
        // Below 10 kg 60 mg/kg: 9.9 kg gives 594, banded to tens: 590.
        {22, 9.9f,
         "Place 590 mg of Dobutamine in 100 mL (total volume) of NS, LR or D5W.<BR>"
         "0.1 mL/hr = 1 mcg/kg/min<BR>",
         "60 mg/kg, table A small"},
        {22, 10.0f,
         "Place 60 mg of Dobutamine in 100 mL (total volume) of NS, LR or D5W.<BR>"
         "1 mL/hr = 1 mcg/kg/min<BR>",
         "6 mg/kg, table A large"},
        {23, 10.0f, "Place 60 mg of Dopamine in 100 mL", "6 mg/kg"},
        // Below 20 kg 0.6 mg/kg: 19.5 kg gives 11.7, banded to halves: 11.5.
        {25, 19.5f,
         "Place 11.5 mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>"
         "1 mL/hr = 0.1 mcg/kg/min<BR>",
         "0.6 mg/kg, table B small"},
        {25, 20.0f,
         "Place 1.2 mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>"
         "10 mL/hr = 0.1 mcg/kg/min<BR>",
         "0.06 mg/kg, table B large"},
        {8, 20.0f, "EPI Drip (Rule of 6's):<BR>Place 1.2 mg of Epinephrine", "drug summary"},
    };
    expectParts(cases, static_cast<int>(std::size(cases)));
}

TEST(CodePagesTest, AntibioticsOfTheDrugSummary) {
    // 40 kg: ampicillin 50 mg/kg is computed (2000 mg); the 75 mg/kg lines and ceftriaxone
    // 50 mg/kg have reached their limits and are fixed texts.
    const std::string text = page(8, 40.0f);
    EXPECT_NE(text.find("ANTIBIOTICS (IV):<BR>Ampicillin 50 mg/kg = 2000 mg<BR>"
                        "Ampicillin 75 mg/kg = 3 grams [Max Dose]<BR>"
                        "Ampicillin 100 mg/kg = 3 grams [Max Dose]<BR>"
                        "Cefotaxime 50 mg/kg = 2000 mg<BR>"
                        "Cefotaxime 75 mg/kg = 3 grams [Max Dose]<BR>"
                        "Ceftriaxone 50 mg/kg = 2 grams [Max Dose]<BR>"
                        "Ceftriaxone 100 mg/kg = 2 grams [Max Dose]<BR>"
                        "Vancomycin 10 mg/kg = 400 mg<BR>Vancomycin 15 mg/kg = 600 mg<BR><BR>"),
              std::string::npos)
        << text;
    // 10 kg: every line computed: 500, 750, 1000, 500, 750, 500, 1000 mg.
    EXPECT_NE(page(8, 10.0f).find("Ampicillin 75 mg/kg = 750 mg<BR>Ampicillin 100 mg/kg = 1000 mg"),
              std::string::npos);
}

TEST(CodePagesTest, DextroseBlockAndAdenosine) {
    const Case cases[] = {
        {6, 10.0f, "5-10 grams<BR>D10 = 50-100 mL<BR>D25 = 20-40 mL<BR>D50 = 10-20 mL", "range"},
        {4, 30.0f,
         "15-25 grams<BR>[25 grams = Max dose]<BR>D10 = 150-250 mL<BR>D25 = 60-100 mL"
         "<BR>D50 = 30-50 mL",
         "high end capped"},
        {6, 50.0f,
         "25 grams<BR>[25 grams = Max dose]<BR>D10 = 250 mL<BR>D25 = 100 mL<BR>"
         "D50 = 50 mL",
         "both ends capped"},
        // 10 kg: 0.33 mL → 0.99 mg banded to tenths: 1 mg; 0.67 mL → 0.7 mL, 2.1 mg.
        {10, 10.0f, "IV/IO:<BR>1 mg [0.33 mL of 3 mg/mL soln]", "initial"},
        {10, 10.0f, "IV/IO:<BR>2.1 mg [0.7 mL of 3 mg/mL soln]", "subsequent"},
        {9, 10.0f, "<BR>1 mg [0.3 mL of 3 mg/mL soln]", "SVT initial, one decimal"},
        // 100 kg: 3.3 mL capped at 2 (6 mg, the maximum); 6.7 capped at 4 (12 mg).
        {10, 100.0f, "6 mg (Max) [2 mL of 3 mg/mL soln]", "initial capped"},
        {10, 100.0f, "12 mg (Max) [4 mL of 3 mg/mL soln]", "subsequent capped"},
        {1, 50.0f, "0.5 mg (0.5 mL of 1:1,000 epi)<BR>[0.5 mg = Max dose]<BR>Route", "IM cap"},
        {1, 25.0f, "Calc Dose: 12.5-50 mg.<BR>[50 mg = Max dose]<BR>", "high end capped"},
        {1, 100.0f, "Calc Dose: 50 mg.<BR>[50 mg = Max dose]<BR>", "low end capped"},
        {1, 10.0f, "Calc Dose: 5-20 mg.<BR>", "range"},
    };
    expectParts(cases, static_cast<int>(std::size(cases)));
}

TEST(CodePagesTest, FixedTextsAndTrailingTexts) {
    EXPECT_EQ(page(37, 10.0f).rfind("Calc Result (IV/IO):<BR>15 mg/kg = 150 mg<BR><BR>", 0), 0u);
    EXPECT_EQ(page(16, 10.0f, "TAIL"),
              "Calc Result:<BR>0.5 J/kg = 5 J<BR>1.0 J/kg = 10 J<BR>2.0 J/kg = 20 J<BR><BR>TAIL");
    const std::string calcium = page(15, 10.0f, "TAIL");
    EXPECT_EQ(calcium.substr(calcium.size() - 17), "Route: IV/IO.TAIL");
    EXPECT_EQ(page(21, 10.0f, "TAIL"), "Calc Dose:<BR>0.5-2 mg/kg = 5-20 mg.TAIL");
    const std::string phenytoin = page(36, 10.0f, "TAIL");
    EXPECT_EQ(phenytoin.substr(phenytoin.size() - 16), "Route: IV/IOTAIL");
    EXPECT_EQ(page(1, 10.0f, "TAIL").find("TAIL"), std::string::npos) << "page 1 has no tail";
    // Drug names in the fixed prose are spelt as the drugs are.
    EXPECT_NE(page(5, 10.0f).find("Nitroprusside or Hydralazine."), std::string::npos);
}

TEST(CodePagesTest, PagesOutsideTheRangeAndParalyticPages) {
    for (int32_t number : {-1, 0, 43, 1000}) {
        EXPECT_EQ(codePage(number), nullptr) << number;
        EXPECT_EQ(paralyticRecord(number), -1) << number;
    }
    const struct {
        int32_t page;
        int32_t record;
    } paralytics[] = {{12, 0}, {17, 1}, {31, 3}, {34, 4}, {38, 5}, {39, 6}, {42, 7}};
    for (const auto& p : paralytics) {
        EXPECT_EQ(codePage(p.page), nullptr) << p.page;
        EXPECT_EQ(paralyticRecord(p.page), p.record) << p.page;
    }
    int generated = 0;
    for (int32_t number = kFirstPage; number <= kLastPage; ++number) {
        if (codePage(number) != nullptr) ++generated;
        EXPECT_NE(codePage(number) != nullptr, paralyticRecord(number) >= 0) << number;
    }
    EXPECT_EQ(generated, 35);
}

}  // namespace
}  // namespace orvane::code
