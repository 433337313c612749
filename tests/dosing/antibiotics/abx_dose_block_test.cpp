// The calculated dose lines of the antibiotic guide, with every expected text worked out by hand
// from the per-kg doses, the weight, the guide's bands and the dose bands of the printed amount:
// per-day and per-dose entries, the band edges, the caps at, below and above the maximum, the
// penicillin units whatever the letter case, and the entries that must give no amount.
#include "dosing/antibiotics/abx_dose_block.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>
#include <vector>

#include "foundation/printed_amount.h"

namespace orvane {
namespace {

constexpr float kNaN = std::numeric_limits<float>::quiet_NaN();
constexpr float kInf = std::numeric_limits<float>::infinity();

struct LineCase {
    const char* name;
    float low;
    float high;
    uint8_t perDay;
    uint8_t count;
    uint8_t route;
    float maximum;
    float weight;
    const char* expected;  // the whole line
};

AbxDoseEntry entryOf(const LineCase& c) {
    AbxDoseEntry entry;
    entry.name = c.name;
    entry.low = c.low;
    entry.high = c.high;
    entry.perDayFlag = c.perDay;
    entry.dosesPerDay = c.count;
    entry.route = c.route;
    entry.maximum = c.maximum;
    return entry;
}

void expectLines(const std::vector<LineCase>& cases) {
    for (const LineCase& c : cases) {
        EXPECT_EQ(abxDoseLine(entryOf(c), c.weight), c.expected) << c.name << " at " << c.weight;
    }
}

TEST(AbxDoseBlockTest, PerDayAndPerDoseLines) {
    expectLines({
        // 30 × 40 / 3 = 400; 50 × 40 / 3 = 666.7, in fives 665; the cap 1500 / 3 = 500 is
        // reached by the high end.
        {"Amoxicillin", 30, 50, 1, 3, 1, 1500, 40,
         "<BR><SC id=28><B>Amoxicillin&nbsp;</B> &nbsp;400-500&nbsp;mg PO tid (30-50 mg/kg/d "
         "div tid) [max 1500 mg/day]<BR>"},
        // 20 × 40 = 800 per dose reaches the 500 maximum: the maximum alone.
        {"Cefazolin", 20, 0, 0, 3, 2, 500, 40,
         "<BR><SC id=28><B>Cefazolin&nbsp;</B> &nbsp;500&nbsp;mg/dose IV q8h (20 mg/kg/dose div "
         "q8h) [max 500 mg/dose]<BR>"},
        // 2.5 × 13.3 = 33.25: halves between 10 and 40, 66.5 to the even 66, so 33.
        {"Gentamicin", 2.5f, 0, 0, 3, 4, 0, 13.3f,
         "<BR><SC id=28><B>Gentamicin&nbsp;</B> &nbsp;33&nbsp;mg/dose IV/IM q8h (2.5 mg/kg/dose "
         "div q8h) <BR>"},
        // A maximum whose nearest printed step is above it takes the step below: 1750 / 2 = 875,
        // printed to tens as 880 (x 2 = 1760 a day), so 870; 45 × 70 / 2 = 1575 reaches it.
        {"Amoxicillin-Clavulanate", 45, 0, 1, 2, 1, 1750, 70,
         "<BR><SC id=28><B>Amoxicillin-Clavulanate&nbsp;</B> &nbsp;870&nbsp;mg PO bid (45 "
         "mg/kg/d div bid) [max 1750 mg/day]<BR>"},
        // 8000 / 3 = 2666.7, in 25s 2675 (x 3 = 8025), so 2650; 150 × 70 / 3 = 3500 reaches it.
        {"Cefotaxime", 150, 0, 1, 3, 2, 8000, 70,
         "<BR><SC id=28><B>Cefotaxime&nbsp;</B> &nbsp;2650&nbsp;mg IV q8h (150 mg/kg/d div "
         "q8h) [max 8000 mg/day]<BR>"},
        // 150 × 70 / 4 = 2625 and 200 × 70 / 4 = 3500, capped at 12000 / 4 = 3000.
        {"Ampicillin", 150, 200, 1, 4, 2, 12000, 70,
         "<BR><SC id=28><B>Ampicillin&nbsp;</B> &nbsp;2625-3000&nbsp;mg IV q6h (150-200 mg/kg/d "
         "div q6h) [max 12000 mg/day]<BR>"},
        // Once a day: 50 × 20 = 1000, given q24h.
        {"Ceftriaxone", 50, 0, 1, 1, 4, 0, 20,
         "<BR><SC id=28><B>Ceftriaxone&nbsp;</B> &nbsp;1000&nbsp;mg IV/IM q24h (50 mg/kg/d given "
         "q24h) <BR>"},
        // 80 × 10 / 5 = 160, five times a day by mouth.
        {"Acyclovir", 80, 0, 1, 5, 1, 0, 10,
         "<BR><SC id=28><B>Acyclovir&nbsp;</B> &nbsp;160&nbsp;mg PO 5x/day (80 mg/kg/d div "
         "5x/day) <BR>"},
        // A count of 0 is read as twice a day for a per-dose entry: 20 × 10 = 200.
        {"Cephalexin", 20, 0, 0, 0, 6, 0, 10,
         "<BR><SC id=28><B>Cephalexin&nbsp;</B> &nbsp;200&nbsp;mg/dose IV/PO q12h (20 mg/kg/dose "
         "div q12h) <BR>"},
        // 0.1 mg/kg per day in six doses at 3 kg: 0.05, kept in hundredths.
        {"Tiny", 0.1f, 0, 1, 6, 5, 0, 3,
         "<BR><SC id=28><B>Tiny&nbsp;</B> &nbsp;0.05&nbsp;mg IV/IM/PO q4h (0.1 mg/kg/d div q4h) "
         "<BR>"},
    });
}

TEST(AbxDoseBlockTest, CapAtBelowAndAboveTheMaximum) {
    constexpr const char* kFreq = " IV q6h (10-20 mg/kg/dose div q6h)";
    const std::string start = "<BR><SC id=28><B>Drug&nbsp;</B> &nbsp;";
    struct Case {
        float weight;
        std::string expected;
    };
    const Case cases[] = {
        {9.5f, start + "95-190&nbsp;mg/dose" + kFreq + " <BR>"},                  // below
        {10, start + "100-200&nbsp;mg/dose" + kFreq + " [max 200 mg/dose]<BR>"},  // at
        {12, start + "120-200&nbsp;mg/dose" + kFreq + " [max 200 mg/dose]<BR>"},  // above
        {20, start + "200&nbsp;mg/dose" + kFreq + " [max 200 mg/dose]<BR>"},      // low at
        {25, start + "200&nbsp;mg/dose" + kFreq + " [max 200 mg/dose]<BR>"},      // low above
    };
    for (const Case& c : cases) {
        EXPECT_EQ(abxDoseLine(entryOf({"Drug", 10, 20, 0, 4, 2, 200, c.weight, ""}), c.weight),
                  c.expected)
            << c.weight;
    }
}

TEST(AbxDoseBlockTest, BandEdges) {
    // One mg/kg per dose at 1 kg: the amount is the per-kg dose. The guide's bands, then the dose
    // bands of the printed amount.
    struct Case {
        float perKg;
        const char* amount;
    };
    constexpr Case kCases[] = {
        {0.0456f, "0.05"},  // hundredths below 0.5 (the dose bands alone would keep 0.046)
        {0.004f, "0.004"},  // the guide's bands make it 0: a positive amount keeps its own value
        {0.55f, "0.6"},     // 5.5 goes to the even 6
        {2.25f, "2.2"},     // 22.5 to the even 22
        {12.3f, "12.5"},   {33.75f, "34"},    {99.9f, "100"},
        {102.5f, "100"},  // 20.5 fives to the even 20
        {123, "120"},     // 125 in fives, printed in tens (12.5 to the even 12)
        {999.9f, "1000"},  {1012.5f, "1000"},  // 40.5 to the even 40
        {1234, "1225"},    {9990, "10000"},   {54321, "54300"},
    };
    for (const Case& c : kCases) {
        const std::string line = abxDoseLine(entryOf({"X", c.perKg, 0, 0, 2, 2, 0, 1, ""}), 1);
        const std::string expected =
            std::string("</B> &nbsp;") + c.amount + "&nbsp;mg/dose IV q12h (";
        EXPECT_NE(line.find(expected), std::string::npos) << c.perKg << ": " << line;
    }
}

TEST(AbxDoseBlockTest, PenicillinUnitsWhateverTheLetterCase) {
    expectLines({
        // 100000 × 10 / 4 = 250000 units.
        {"Penicillin G", 100000, 0, 1, 4, 2, 0, 10,
         "<BR><SC id=28><B>Penicillin G&nbsp;</B> &nbsp;250000 U  IV q6h (100000 U /kg/d div "
         "q6h) <BR>"},
        // Lower case: units in the amount, the per-kg words and the maximum alike.
        // 50000 × 30 = 1500000 reaches the 1200000 maximum.
        {"Benzathine penicillin", 50000, 0, 0, 1, 3, 1200000, 30,
         "<BR><SC id=28><B>Benzathine penicillin&nbsp;</B> &nbsp;1200000 U  IM q24h (50000 U "
         "/kg/dose given q24h) [max 1200000 U ]<BR>"},
        {"PENICILLIN V", 25000, 50000, 1, 4, 1, 0, 8,
         "<BR><SC id=28><B>PENICILLIN V&nbsp;</B> &nbsp;50000-100000 U  PO qid (25000-50000 U "
         "/kg/d div qid) <BR>"},
    });
    struct Case {
        const char* name;
        bool penicillin;
    };
    constexpr Case kNames[] = {
        {"Penicillin G", true},  {"benzathine penicillin", true},
        {"PeNiCiLlIn", true},    {"Amoxicillin", false},
        {"Penicilli", false},    {"", false},
        {"Piperacillin", false}, {"Pen VK", false},
    };
    for (const Case& c : kNames) EXPECT_EQ(isPenicillin(c.name), c.penicillin) << c.name;
}

TEST(AbxDoseBlockTest, DamagedEntriesGiveNoAmount) {
    expectLines({
        // A daily dose with no count to divide it by.
        {"ZeroCount", 30, 0, 1, 0, 1, 1000, 10,
         "<BR><SC id=28><B>ZeroCount&nbsp;</B>  PO bid (30 mg/kg/d div bid) <BR>"},
        // A daily dose divided by a count its route names no frequency for.
        {"Seven", 30, 0, 1, 7, 1, 0, 10, "<BR><SC id=28><B>Seven&nbsp;</B>  PO (30 mg/kg/d) <BR>"},
        {"FiveIv", 30, 0, 1, 5, 2, 0, 10,
         "<BR><SC id=28><B>FiveIv&nbsp;</B>  IV (30 mg/kg/d) <BR>"},
        // A per-dose amount does not depend on the count.
        {"SevenDoses", 10, 0, 0, 7, 1, 0, 10,
         "<BR><SC id=28><B>SevenDoses&nbsp;</B> &nbsp;100&nbsp;mg/dose PO (10 mg/kg/dose) <BR>"},
        // Numbers that are not doses.
        {"NaN", kNaN, 0, 0, 2, 2, 0, 10, "<BR><SC id=28><B>NaN&nbsp;</B>  IV<BR>"},
        {"NegHigh", 10, -5, 0, 2, 2, 0, 10, "<BR><SC id=28><B>NegHigh&nbsp;</B>  IV<BR>"},
        {"InfMax", 10, 0, 0, 2, 2, kInf, 10,
         "<BR><SC id=28><B>InfMax&nbsp;</B>  IV q12h (10 mg/kg/dose div q12h) <BR>"},
        // A stored dose per kg of 0 is no dose: no "(0 mg/kg/dose)" that reads as one.
        {"ZeroLow", 0, 0, 0, 2, 2, 0, 10, "<BR><SC id=28><B>ZeroLow&nbsp;</B>  IV<BR>"},
        {"Flag", 10, 0, 2, 2, 2, 0, 10,
         "<BR><SC id=28><B>Flag&nbsp;</B>  IV q12h (10 mg/kg/dose div q12h) <BR>"},
        // No weight, or one that is not a number.
        {"NoWeight", 10, 0, 0, 2, 2, 0, 0,
         "<BR><SC id=28><B>NoWeight&nbsp;</B>  IV q12h (10 mg/kg/dose div q12h) <BR>"},
        {"NaNWeight", 10, 0, 0, 2, 2, 0, kNaN,
         "<BR><SC id=28><B>NaNWeight&nbsp;</B>  IV q12h (10 mg/kg/dose div q12h) <BR>"},
        // Too small to print even in ten-thousandths within 10%: neither an amount nor a dose
        // per kg that would read "0".
        {"Trace", 0.0004f, 0, 0, 2, 2, 0, 1, "<BR><SC id=28><B>Trace&nbsp;</B>  IV<BR>"},
        // Amounts past what a number can show: 1e9 × 10 per dose.
        {"Huge", 1e9f, 0, 0, 2, 2, 0, 10,
         "<BR><SC id=28><B>Huge&nbsp;</B>  IV q12h (1000000000 mg/kg/dose div q12h) <BR>"},
        // A route outside the table: no route word, the words of the other routes.
        {"Route9", 10, 0, 0, 3, 9, 0, 10,
         "<BR><SC id=28><B>Route9&nbsp;</B> &nbsp;100&nbsp;mg/dose q8h (10 mg/kg/dose div q8h) "
         "<BR>"},
    });
}

// A damaged record's tiny maximum (0.0004 to 0.004 mg, per dose or per day over 1 to 4 doses):
// wherever the line holds the maximum, its "[max ...]" note and the capped amount are printed by
// the amount rule, never as "0" (found by dosing_records_fuzz: "[max 0 mg/day]").
TEST(AbxDoseBlockTest, TinyMaximumNeverReadsZero) {
    for (const float maximum : {0.0004f, 0.0006f, 0.001f, 0.0024f, 0.004f}) {
        for (const uint8_t perDay : {uint8_t{0}, uint8_t{1}}) {
            for (const uint8_t count : {uint8_t{1}, uint8_t{2}, uint8_t{3}, uint8_t{4}}) {
                const LineCase c{"Tiny", 30, 0, perDay, count, 1, maximum, 10, ""};
                const std::string line = abxDoseLine(entryOf(c), c.weight);
                EXPECT_EQ(line.find("[max 0 "), std::string::npos) << line;
                EXPECT_EQ(line.find(";0&nbsp;"), std::string::npos) << line;
                const size_t note = line.find("[max ");
                if (note == std::string::npos) continue;
                // Too small for the rule: said in words.
                if (line.compare(note + 5, std::string(kTooSmallToGiveText).size(),
                                 kTooSmallToGiveText) == 0) {
                    continue;
                }
                // The note's number, read back, is within 10% of the stored maximum.
                const double shown = std::strtod(line.c_str() + note + 5, nullptr);
                EXPECT_NEAR(shown, maximum, 0.1 * maximum) << line;
            }
        }
    }
}

TEST(AbxDoseBlockTest, BlockHasTheHeadingAndEveryLine) {
    std::vector<AbxDoseEntry> entries;
    EXPECT_EQ(abxDoseBlock(entries, 10), "<BR><STRONG>Calculated Dose: </STRONG>");
    entries.push_back(entryOf({"A", 10, 0, 0, 2, 2, 0, 10, ""}));
    entries.push_back(entryOf({"B", 20, 0, 0, 2, 2, 0, 10, ""}));
    EXPECT_EQ(abxDoseBlock(entries, 10),
              "<BR><STRONG>Calculated Dose: </STRONG>"
              "<BR><SC id=28><B>A&nbsp;</B> &nbsp;100&nbsp;mg/dose IV q12h (10 mg/kg/dose div "
              "q12h) <BR>"
              "<BR><SC id=28><B>B&nbsp;</B> &nbsp;200&nbsp;mg/dose IV q12h (20 mg/kg/dose div "
              "q12h) <BR>");
}

}  // namespace
}  // namespace orvane
