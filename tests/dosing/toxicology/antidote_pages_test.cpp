// The three computed antidote pages: their rates, amounts and caps at the band edges worked out by
// hand from the dose bands (thousandths below 0.1, hundredths below 0.5, tenths below 10, halves
// below 40, wholes below 100, tens below 1000; exact halves to the even neighbour), the choice of
// a page by the whole code, and weights that must give no amount.
#include "dosing/toxicology/antidote_pages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "dosing/builders/dose_templates.h"
#include "tests/support/page_checks.h"

namespace orvane::toxicology {
namespace {

std::string page(AntidotePage make, float weight) {
    SharedString out;
    make(out, weight);
    return out.str();
}

using test_support::between;

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

std::string rate(const char* dose, const char* mlPerHour) {
    return std::string(dose) + " mcg/kg/min = <B>" + mlPerHour + "</B>&nbsp;mL/hr<BR>";
}

constexpr const char* kTableASmall =
    "0.1 mL/hr = 1 mcg/kg/min<BR>0.25 mL/hr = 2.5 mcg/kg/min<BR>0.5 mL/hr = 5 mcg/kg/min<BR>"
    "1 mL/hr = 10 mcg/kg/min<BR><BR>";
constexpr const char* kTableALarge =
    "1 mL/hr = 1 mcg/kg/min<BR>2.5 mL/hr = 2.5 mcg/kg/min<BR>5 mL/hr = 5 mcg/kg/min<BR>"
    "10 mL/hr = 10 mcg/kg/min<BR><BR>";
constexpr const char* kTableBSmall =
    "1 mL/hr = 0.1 mcg/kg/min<BR>2 mL/hr = 0.2 mcg/kg/min<BR>5 mL/hr = 0.5 mcg/kg/min<BR>"
    "10 mL/hr = 1 mcg/kg/min<BR><BR>";
constexpr const char* kTableBLarge =
    "10 mL/hr = 0.1 mcg/kg/min<BR>20 mL/hr = 0.2 mcg/kg/min<BR>50 mL/hr = 0.5 mcg/kg/min<BR>"
    "100 mL/hr = 1 mcg/kg/min<BR><BR>";

constexpr const char* kDopamineFixed =
    "<BR>Dosing:<BR>2.5 - 20 mcg/kg/min, max dose 50 mcg/kg/min. Usually start at 5-10 "
    "mcg/kg/min.<BR><BR>Route: IV/IO.<BR><BR>Concentration: 1600 mcg/mL<BR><BR>Mixing "
    "Instructions: [1600 mcg/mL]<BR>Add a 400 mg of Dopamine to 250 mL of NS, LR or D5W or use "
    "premixed 1600 mcg/mL.<BR><BR>";
constexpr const char* kEpinephrineFixed =
    "<BR>Dosing:<BR>Start at higher range and titrate to effect. Doses over 1 mcg/kg/min may be "
    "needed.<BR><BR>Route: IV/IO.<BR><BR>Mixing Instructions: [10 mcg/mL]<BR>Add 1 mL (1:1,000) "
    "or 10 mL (1:10,000) to 100 mL D5W or NS (Withdraw 10 mL first if 1:10,000 used).<BR><BR>";
constexpr const char* kRuleOfSix = "<BR>Alternatively, for Pediatric use, using Rule of 6's:<BR>";

TEST(AntidotePagesTest, PagesByWholeCode) {
    EXPECT_EQ(fixedAntidotePage("S20"), &appendSuccinylcholineAntidotePage);
    EXPECT_EQ(fixedAntidotePage("D80"), &appendDopaminePage);
    EXPECT_EQ(fixedAntidotePage("E20"), &appendEpinephrinePage);
    for (const char* code : {"", "S2", "S20 ", "d80", "D800", "E2", "S30", "F20"}) {
        EXPECT_EQ(fixedAntidotePage(code), nullptr) << code;
        SharedString out("kept");
        EXPECT_FALSE(appendFixedAntidotePage(out, code, 10.0f)) << code;
        EXPECT_EQ(out.str(), "kept");
    }
}

TEST(AntidotePagesTest, DopamineAtTenKilograms) {
    // W × factor, then the bands: 0.9375 → 0.9, 1.88 → 1.9, 2.81 → 2.8, 3.75 → 3.8 (37.5 to the
    // even 38), 4.69 → 4.7, 5.63 → 5.6, 7.5, 11.3 → 11.5 (halves), 15, 18.75 → 19 (37.5 halves
    // to the even 38). Rule of six: W is not below 10, so 6 × 10 = 60 mg and table A's larger
    // rows.
    const std::string expected =
        std::string("Infusion (1600 mcg/mL):<BR>") + rate("2.5", "0.9") + rate("5.0", "1.9") +
        rate("7.5", "2.8") + rate("10", "3.8") + rate("12.5", "4.7") + rate("15", "5.6") +
        rate("20", "7.5") + rate("30", "11.5") + rate("40", "15") + rate("50", "19") +
        kDopamineFixed + kRuleOfSix +
        "Place 60 mg of Dopamine in 100 mL (total volume) of NS, LR or D5W.<BR>" + kTableALarge;
    EXPECT_EQ(page(appendDopaminePage, 10.0f), expected);
}

struct AmountCase {
    float weight;
    const char* amount;  // the rule-of-six amount; empty when the page has none
    const char* table;
};

TEST(AntidotePagesTest, DopamineRuleOfSixEdges) {
    const AmountCase cases[] = {
        // Below 10 kg: 60 × W. 9.9 × 60 = 594 → tens → 590, with table A's small rows.
        {9.9f, "590", kTableASmall},
        {10.0f, "60", kTableALarge},
        // 6 × 49.9 = 299.4 → tens → 300.
        {49.9f, "300", kTableALarge},
        // 60 × 0.5 = 30 (halves).
        {0.5f, "30", kTableASmall},
        // From 50 kg the page ends after the mixing instructions.
        {50.0f, "", ""},
        {120.0f, "", ""},
    };
    for (const AmountCase& c : cases) {
        const std::string text = page(appendDopaminePage, c.weight);
        if (c.amount[0] == '\0') {
            EXPECT_TRUE(text.ends_with(kDopamineFixed)) << c.weight << ": " << text;
            EXPECT_FALSE(contains(text, "Rule of 6")) << c.weight;
            continue;
        }
        EXPECT_TRUE(text.ends_with(
            std::string(kRuleOfSix) + "Place " + c.amount +
            " mg of Dopamine in 100 mL (total volume) of NS, LR or D5W.<BR>" + c.table))
            << c.weight << ": " << text;
    }
}

TEST(AntidotePagesTest, DopamineRatesOfTheSmallestChild) {
    // 0.5 kg: 0.046875 → 0.047, 0.094, 0.1405 → 0.14, 0.1875 → 0.19, 0.2345 → 0.23,
    // 0.2815 → 0.28, 0.375 → 0.38 (37.5 to the even 38), 0.565 → 0.6, 0.75 → 0.8 (7.5 to the
    // even 8), 0.9375 → 0.9.
    const std::string expected = std::string("Infusion (1600 mcg/mL):<BR>") + rate("2.5", "0.047") +
                                 rate("5.0", "0.094") + rate("7.5", "0.14") + rate("10", "0.19") +
                                 rate("12.5", "0.23") + rate("15", "0.28") + rate("20", "0.38") +
                                 rate("30", "0.6") + rate("40", "0.8") + rate("50", "0.9") +
                                 kDopamineFixed;
    EXPECT_EQ(page(appendDopaminePage, 0.5f).substr(0, expected.size()), expected);
}

TEST(AntidotePagesTest, EpinephrineAtTwentyKilograms) {
    // 0.6, 1.2, ... 6 mL/hr per kg × 20: 12, 24, 36 (halves), 48, 60, 90 (wholes), 120 (tens).
    // Rule of six: W is not below 20, so 0.06 × 20 = 1.2 mg and table B's larger rows.
    const std::string expected =
        std::string("Infusion (10 mcg/mL):<BR>") + rate("0.1", "12") + rate("0.2", "24") +
        rate("0.3", "36") + rate("0.4", "48") + rate("0.5", "60") + rate("0.75", "90") +
        rate("1", "120") + kEpinephrineFixed + kRuleOfSix +
        "Place 1.2 mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>" + kTableBLarge;
    EXPECT_EQ(page(appendEpinephrinePage, 20.0f), expected);
}

TEST(AntidotePagesTest, EpinephrineRuleOfSixEdges) {
    const AmountCase cases[] = {
        // Below 20 kg: 0.6 × W. 0.6 × 19.9 = 11.94 → halves → 12.
        {19.9f, "12", kTableBSmall},
        {20.0f, "1.2", kTableBLarge},
        // 0.06 × 49.9 = 2.994 → tenths → 3.
        {49.9f, "3", kTableBLarge},
        // 0.6 × 0.5 = 0.3 (hundredths).
        {0.5f, "0.3", kTableBSmall},
        // 0.6 × 0.05 = 0.03: one decimal would read 0, so it keeps its hundredths.
        {0.05f, "0.03", kTableBSmall},
        {50.0f, "", ""},
    };
    for (const AmountCase& c : cases) {
        const std::string text = page(appendEpinephrinePage, c.weight);
        if (c.amount[0] == '\0') {
            EXPECT_TRUE(text.ends_with(kEpinephrineFixed)) << c.weight << ": " << text;
            continue;
        }
        EXPECT_TRUE(text.ends_with(std::string(kRuleOfSix) + "Place " + c.amount +
                                   " mg of Epinephrine in 100 mL of NS or D5W (total volume).<BR>" +
                                   c.table))
            << c.weight << ": " << text;
    }
}

TEST(AntidotePagesTest, EpinephrineRatesOfTheSmallestChild) {
    // 0.5 kg: 0.3, 0.6, 0.9, 1.2, 1.5, 2.25 → 2.2 (22.5 to the even 22), 3.
    EXPECT_EQ(
        between(page(appendEpinephrinePage, 0.5f), "Infusion (10 mcg/mL):<BR>", "<BR>Dosing:"),
        rate("0.1", "0.3") + rate("0.2", "0.6") + rate("0.3", "0.9") + rate("0.4", "1.2") +
            rate("0.5", "1.5") + rate("0.75", "2.2") + rate("1", "3"));
}

constexpr const char* kSuccinylcholineDosing =
    "<BR><BR>Dosing:<BR>1-2 mg/kg/dose given IVP.<BR><BR>Route: IV/IO.<BR><BR>Precautions: Do "
    "not redose in children. Do not use in patients with crush injuries, significant burns, "
    "paraplegia or pre-existing hyperkalemia.";
constexpr const char* kSuccinylcholineComment =
    "<BR><BR>Comments:<BR>When using succinylcholine in children, should premedicate with "
    "0.02 mg/kg Atropine with minimum dose 0.1 mg.";
constexpr const char* kSuccinylcholineClosing =
    "<BR><BR>As with any paralytic, only use once fully prepared for intubation. Onset is 30-60 "
    "seconds with duration 4-6 minutes.";

TEST(AntidotePagesTest, SuccinylcholineForAChild) {
    // 10 kg: 1-2 mg/kg = 10-20 mg, 0.5-1 mL of 20 mg/mL. Atropine 0.02 × 10 = 0.2 mg, between
    // the minimum and the maximum, in 2 mL of 1 mg/10 mL.
    EXPECT_EQ(page(appendSuccinylcholineAntidotePage, 10.0f),
              std::string("Calculated Result:<BR>1-2 mg/kg = 10-20 mg.<BR>[0.5 - 1 mL of 20 mg/mL "
                          "soln].<BR><BR>Atropine to blunt bradycardia/secretions recommended:"
                          "<BR>0.02 mg/kg = 0.2 mg, IV/IO.<BR>[2 mL of 1 mg/10 mL soln].") +
                  kSuccinylcholineDosing + kSuccinylcholineComment + kSuccinylcholineClosing);
}

struct DoseCase {
    float weight;
    const char* line;
    bool child;  // atropine block and comment
};

TEST(AntidotePagesTest, SuccinylcholineBandsAndCap) {
    const DoseCase cases[] = {
        // 49.9 → 50 and 99.8 → 100 (wholes), 2.5 - 5 mL: still a child's page.
        {49.9f, "1-2 mg/kg = 50-100 mg.<BR>[2.5 - 5 mL of 20 mg/mL soln].", true},
        {50.0f, "1-2 mg/kg = 50-100 mg.<BR>[2.5 - 5 mL of 20 mg/mL soln].", false},
        // The maximum is 210 mg, that of every page that prints succinylcholine.
        // 100 kg: 100-200 mg (tens), under it; 5-10 mL.
        {100.0f, "1-2 mg/kg = 100-200 mg.<BR>[5 - 10 mL of 20 mg/mL soln].", false},
        // 140 kg: 140 mg up to 280 mg, held at 210 mg; 7-10.5 mL.
        {140.0f,
         "1-2 mg/kg = 140-210 mg.<BR>[210 mg = Max dose].<BR>[7 - 10.5 mL of 20 mg/mL soln].",
         false},
        // 150 kg: 150 mg up to 300 mg, held at 210 mg; 7.5-10.5 mL.
        {150.0f,
         "1-2 mg/kg = 150-210 mg.<BR>[210 mg = Max dose].<BR>[7.5 - 10.5 mL of 20 mg/mL soln].",
         false},
        // 210 kg: the low end is the maximum; printed once, 10.5 mL.
        {210.0f, "1 mg/kg = 210 mg (Max Dose).<BR>[10.5 mL of 20 mg/mL soln].", false},
        // 0.5 kg: 0.5-1 mg, 0.025 mL (0.03 would be 20% over) and 0.05 mL.
        {0.5f, "1-2 mg/kg = 0.5-1 mg.<BR>[0.025 - 0.05 mL of 20 mg/mL soln].", true},
    };
    for (const DoseCase& c : cases) {
        const std::string text = page(appendSuccinylcholineAntidotePage, c.weight);
        EXPECT_EQ(between(text, "Calculated Result:<BR>",
                          c.child ? "<BR><BR>Atropine" : "<BR><BR>Dosing:"),
                  c.line)
            << c.weight << ": " << text;
        EXPECT_EQ(contains(text, "Atropine to blunt"), c.child) << c.weight;
        EXPECT_EQ(contains(text, kSuccinylcholineComment), c.child) << c.weight;
        EXPECT_TRUE(text.ends_with(kSuccinylcholineClosing)) << c.weight;
    }
}

TEST(AntidotePagesTest, AWeightThatGivesNoAmountShowsTheErrorText) {
    const float bad[] = {0.0f, -3.0f, std::nanf(""), std::numeric_limits<float>::infinity(),
                         2.0e6f};
    for (const char* code : {"S20", "D80", "E20"}) {
        for (const float weight : bad) {
            SharedString out;
            EXPECT_TRUE(appendFixedAntidotePage(out, code, weight)) << code << " " << weight;
            EXPECT_EQ(out.str(), kTemplateErrorText) << code << " " << weight;
        }
        SharedString out;
        EXPECT_TRUE(appendFixedAntidotePage(out, code, 20.0f));
        EXPECT_EQ(out.str(), page(fixedAntidotePage(code), 20.0f));
    }
}

}  // namespace
}  // namespace orvane::toxicology
