// The result texts of TykoDrugs pages: routes, volume lines, intervals and cap marks, the
// diazepam warning at 5 and 6 mg, the per-day results and the notes.
#include "dosing/weight_based/drug_result_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "dosing/builders/dose_templates.h"
#include "foundation/printed_amount.h"
#include "tests/support/page_text_checks.h"

namespace orvane {
namespace {

DrugRecord drug(int32_t kind, float perKg, const char* interval, float concentration,
                float maximum) {
    DrugRecord d;
    d.name = "Drug";
    d.secondName = "Drug second";
    d.kind = kind;
    d.unit = "mg";
    d.options[0] = DoseOption{perKg, "x", interval};
    d.concentration = concentration;
    d.maximum = maximum;
    d.notes = "Notes.";
    return d;
}

std::string option1(const DrugRecord& d, float weight) {
    return optionResultText(d, 0, d.options[0].perKg, weight);
}

TEST(DrugResultTextTest, OptionKinds) {
    struct Case {
        const char* what;
        DrugRecord drug;
        float weight;
        const char* text;
    };
    DrugRecord rectal = drug(3, 15.0f, "4", 0.0f, 650.0f);
    rectal.availability = "120 mg";
    rectal.furtherNotes = "More.";
    const Case cases[] = {
        // 15 / 32 × 13.3 = 6.23 → 6 mL; 192 → 190 mg.
        {"oral liquid", drug(1, 15.0f, "4", 32.0f, 20.0f), 13.3f,
         "<BR>Route: PO<BR><BR>Calculated Result:<BR>6&nbsp;mL&nbsp;(190&nbsp;mg) q4h.<BR><BR>"
         "Notes."},
        // 10 / 20 × 100 × 5 fifths = 50 mL, capped at 20 mL = 400 mg.
        {"fifths capped", drug(2, 10.0f, "6", 20.0f, 20.0f), 100.0f,
         "<BR>Route: PO<BR><BR>Calculated Result:<BR>20&nbsp;mL&nbsp;(400&nbsp;mg) q6h (Max "
         "dose).<BR><BR>Notes."},
        // 15 × 100 = 1500 above 650.
        {"rectal capped", rectal, 100.0f,
         "<BR>Route: Rectal<BR><BR>Calculated Result:<BR>650&nbsp;mg q4h (Max dose).<BR><BR>"
         "Suppositories Available: 120 mg<BR><BR>Notes.<BR><BR>More."},
        // A loading dose has no interval.
        {"iv loading", drug(4, 0.1f, "0", 0.0f, 0.0f), 13.3f,
         "<BR>Route: IV<BR><BR>Calculated Result:<BR>1.3&nbsp;mg.<BR><BR>Notes."},
        // 50 × 13.3 = 665 → tens: 66.5 → the even 66 = 660.
        {"im/iv", drug(5, 50.0f, "24", 0.0f, 2000.0f), 13.3f,
         "<BR>Route: IM/IV<BR><BR>Calculated Result:<BR>660&nbsp;mg q24h.<BR><BR>Notes."},
        // 0.01 × 0.5 = 0.005 mg: two decimals would read 0.01, twice it: three.
        {"im, smallest child", drug(6, 0.01f, "0", 0.0f, 0.5f), 0.5f,
         "<BR>Route: IM<BR><BR>Calculated Result:<BR>0.005&nbsp;mg.<BR><BR>Notes."},
        {"subcut", drug(7, 0.01f, "20 min", 0.0f, 0.4f), 13.3f,
         "<BR>Route: Subcut<BR><BR>Calculated Result:<BR>0.13&nbsp;mg q20 min.<BR><BR>Notes."},
        {"nasal", drug(8, 0.2f, "0", 0.0f, 10.0f), 13.3f,
         "<BR>Route: Nasal<BR><BR>Calculated Result:<BR>2.7&nbsp;mg.<BR><BR>Notes."},
        {"oral decadron", drug(9, 0.6f, "24", 0.0f, 16.0f), 100.0f,
         "<BR>Route: oral decadron<BR><BR>Calculated Result:<BR>16&nbsp;mg q24h (Max dose)."
         "<BR><BR>Notes."},
        // A missing interval is no interval (not " qh").
        {"no interval", drug(4, 0.1f, "", 0.0f, 0.0f), 13.3f,
         "<BR>Route: IV<BR><BR>Calculated Result:<BR>1.3&nbsp;mg.<BR><BR>Notes."},
        // A kind with no result of its own: the notes after the breaks.
        {"kind 0", drug(0, 1.0f, "4", 0.0f, 0.0f), 13.3f, "<BR><BR><BR>Notes."},
        // An oral liquid without a concentration shows no amount.
        {"no concentration", drug(1, 15.0f, "4", 0.0f, 20.0f), 13.3f, nullptr},
    };
    for (const Case& c : cases) {
        const std::string text = option1(c.drug, c.weight);
        if (c.text != nullptr) {
            EXPECT_EQ(text, c.text) << c.what;
        } else {
            EXPECT_EQ(text, std::string("<BR>Route: PO<BR><BR>Calculated Result:<BR>") +
                                kTemplateErrorText + "<BR><BR>Notes.")
                << c.what;
        }
    }
}

TEST(DrugResultTextTest, DiazepamWarningAboveFiveMg) {
    DrugRecord d = drug(4, 0.3f, "0", 0.0f, 0.0f);
    d.secondName = kIvDiazepamName;
    const std::string warning = "WARNING: Program calculated >5 mg for Valium dose.";
    // 0.3 × 20 = 6 mg: warned.
    const std::string six = option1(d, 20.0f);
    EXPECT_NE(six.find("6&nbsp;mg.<BR><BR>" + warning), std::string::npos) << six;
    // 0.25 × 20 = 5 mg exactly: no warning.
    d.options[0].perKg = 0.25f;
    const std::string five = option1(d, 20.0f);
    EXPECT_NE(five.find("5&nbsp;mg."), std::string::npos) << five;
    EXPECT_EQ(five.find("WARNING"), std::string::npos) << five;
    // The same dose under another name, or capped at 5, is not warned.
    d.options[0].perKg = 0.3f;
    d.maximum = 5.0f;
    EXPECT_EQ(option1(d, 20.0f).find("WARNING"), std::string::npos);
    d.maximum = 0.0f;
    d.secondName = "Diazepam";
    EXPECT_EQ(option1(d, 20.0f).find("WARNING"), std::string::npos);
}

TEST(DrugResultTextTest, DailyKinds) {
    struct Case {
        const char* what;
        DrugRecord drug;
        const char* code;
        FrequencyChoice frequency;
        float perKg;
        float weight;
        const char* text;
    };
    DrugRecord rectal = drug(10, 0.2f, "", 0.0f, 20.0f);
    rectal.name = kRectalDiazepamName;
    DrugRecord tablets = drug(13, 25.0f, "", 0.0f, 4000.0f);
    tablets.availability = "250 mg capsules";
    tablets.furtherNotes = "More.";
    const Case cases[] = {
        // 0.5 × 13.3 = 6.65 → 6.6 mg, per dose.
        {"rectal per dose",
         rectal,
         "8",
         {"/dose", 1},
         0.5f,
         13.3f,
         "<BR>Route: PR<BR><BR>Calculated Result<BR>6.6&nbsp;mg&nbsp;/dose.<BR><BR>Dosing:<BR>"
         "Notes."},
        {"iv",
         drug(10, 1.0f, "", 0.0f, 0.0f),
         "10",
         {"q8h", 3},
         30.0f,
         10.0f,
         "<BR>Route: IV<BR><BR>Calculated Result<BR>100&nbsp;mg.<BR><BR>Dosing:<BR>Notes."},
        // 60 × 13.3 = 798 ÷ 2 = 399 → 4.9875 mL → 5 mL of 80 = 400 mg.
        {"solution",
         drug(11, 40.0f, "", 80.0f, 3000.0f),
         "9",
         {"q12h", 2},
         60.0f,
         13.3f,
         "<BR>Route: PO<BR><BR>Calculated Result<BR>400&nbsp;mg (5&nbsp;mL of 80&nbsp;mg/mL "
         "soln).<BR><BR>Dosing:<BR>Notes."},
        // 100 × 20 = 2000, equal to the maximum: not marked.
        {"iv/im at the maximum",
         drug(12, 1.0f, "", 0.0f, 2000.0f),
         "2",
         {"q6h", 4},
         100.0f,
         20.0f,
         "<BR>Route: IV/IM<BR><BR>Calculated Result<BR>500&nbsp;mg.<BR><BR>Dosing:<BR>Notes."},
        {"iv/im above the maximum",
         drug(12, 1.0f, "", 0.0f, 2000.0f),
         "2",
         {"q6h", 4},
         100.0f,
         30.0f,
         "<BR>Route: IV/IM<BR><BR>Calculated Result<BR>500&nbsp;mg (Max dose).<BR><BR>Dosing:"
         "<BR>Notes."},
        {"tablets",
         tablets,
         "6",
         {"q6h", 4},
         100.0f,
         13.3f,
         "<BR>Route: PO Tab/Cap<BR><BR>Calculated Result<BR>330&nbsp;mg.<BR><BR>Available as "
         "250 mg capsules<BR><BR>Dosing:<BR>Notes.<BR><BR>More."},
        {"nebulized",
         drug(14, 0.15f, "", 0.0f, 5.0f),
         "8",
         {"/dose", 1},
         0.3f,
         20.0f,
         "<BR>Route: Nebulized<BR><BR>Calculated Result<BR>5&nbsp;mg&nbsp;/dose (Max dose)."
         "<BR><BR>Dosing:<BR>Notes."},
    };
    for (const Case& c : cases) {
        DrugRecord d = c.drug;
        d.options[0].text = c.code;
        EXPECT_EQ(dailyResultText(d, c.perKg, c.frequency, c.weight), c.text) << c.what;
    }
}

// A damaged record's tiny maximum caps every kind's dose: the capped amount marked "(Max dose)"
// is printed by the amount rule like every amount, so it is within 10% of the maximum or said to
// be too small, never "0 mg q15h (Max dose)."
TEST(DrugResultTextTest, TinyMaximumNeverPrintsZero) {
    for (const float maximum : {1e-30f, 0.0001f, 0.0004f, 0.0006f, 0.003f}) {
        for (int32_t kind = dose_kind::kOralLiquid; kind <= dose_kind::kLastOption; ++kind) {
            const DrugRecord d = drug(kind, 10.0f, "15", 1.0f, maximum);
            const std::string text = option1(d, 13.3f);
            EXPECT_FALSE(test_support::showsZeroAmount(text)) << kind << ": " << text;
            const size_t capped = text.find(" (Max dose).");
            if (capped == std::string::npos ||
                text.find(kTooSmallToGiveText) != std::string::npos) {
                continue;
            }
            // The number before the unit, read back, is within 10% of the capped amount.
            const size_t start = text.rfind("<BR>", capped) + 4;
            const double shown = std::strtod(text.c_str() + start, nullptr);
            EXPECT_NEAR(shown, maximum, 0.1 * maximum) << text;
        }
        for (int32_t kind = dose_kind::kFirstStepped; kind <= dose_kind::kLastStepped; ++kind) {
            DrugRecord d = drug(kind, 10.0f, "", 1.0f, maximum);
            d.options[0].text = "2";
            const std::string text = dailyResultText(d, 10.0f, FrequencyChoice{"q6h", 4}, 13.3f);
            EXPECT_FALSE(test_support::showsZeroAmount(text)) << kind << ": " << text;
        }
    }
}

TEST(DrugResultTextTest, Notes) {
    DrugRecord d = drug(4, 1.0f, "", 0.0f, 0.0f);
    EXPECT_EQ(drugNotesText(d), "Notes.");
    d.furtherNotes = "More.";
    EXPECT_EQ(drugNotesText(d), "Notes.<BR><BR>More.");
    d.notes = "";
    EXPECT_EQ(drugNotesText(d), "");
}

}  // namespace
}  // namespace orvane
