// The four computed sedation pages: their doses and caps worked out by hand, and the choice of a
// page by the record's whole code.
#include "dosing/airway/sedation_fixed_pages.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_checks.h"

namespace orvane::airway {
namespace {

std::string page(SedationPage make, float weight) {
    SharedString out;
    make(out, weight);
    return out.str();
}

using test_support::between;

TEST(SedationFixedPagesTest, PagesByWholeCode) {
    EXPECT_EQ(fixedSedationPage("F20"), &appendFlumazenilPage);
    EXPECT_EQ(fixedSedationPage("K20"), &appendKetamineImPage);
    EXPECT_EQ(fixedSedationPage("K25"), &appendKetamineIvPage);
    EXPECT_EQ(fixedSedationPage("M35"), &appendOralLiquidPage);
    for (const char* code : {"", "F2", "F20 ", "f20", "M30", "K250"}) {
        EXPECT_EQ(fixedSedationPage(code), nullptr) << code;
    }
}

struct LineCase {
    float weight;
    const char* line;
};

TEST(SedationFixedPagesTest, FlumazenilDoseLine) {
    const LineCase cases[] = {
        // 0.01 and 0.03 mg/kg × 5 = 0.05-0.15 mg; × 10 mL/mg = 0.5-1.5 mL.
        {5.0f, "0.05-0.15 mg/dose (0.5-1.5 mL)"},
        // × 6: 0.06-0.18 mg, 0.6-1.8 mL; the high end is still under the 0.2 mg cap.
        {6.0f, "0.06-0.18 mg/dose (0.6-1.8 mL)"},
        // × 7: 0.07 mg, and 0.21 mg capped at 0.2 mg (2 mL).
        {7.0f, "0.07-0.2 mg/dose (0.7-2 mL) [Max Dose]"},
        // × 19: 0.19 mg is still a low end; 0.57 mg capped.
        {19.0f, "0.19-0.2 mg/dose (1.9-2 mL) [Max Dose]"},
        // × 30: 0.3 and 0.9 mg both become 0.2 mg: no low end is printed.
        {30.0f, "0.2 mg/dose (2 mL) [Max Dose]"},
        // × 0.5: 0.005 mg with two decimals would read 0.01, twice the dose (0.015 mg: 0.02,
        // 33% over), and the volumes 0.1 and 0.2 mL: each gets the decimals it needs.
        {0.5f, "0.005-0.015 mg/dose (0.05-0.15 mL)"},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(between(page(appendFlumazenilPage, c.weight), "<B>Calculated Dose:</B><BR>",
                          "<BR>May be repeated"),
                  c.line)
            << c.weight;
    }
}

TEST(SedationFixedPagesTest, FlumazenilTextsAroundTheDose) {
    const std::string text = page(appendFlumazenilPage, 30.0f);
    EXPECT_EQ(text.rfind("Conc: 0.1 mg/mL<BR><BR><B>Calculated Dose:</B><BR>", 0), 0u);
    EXPECT_NE(text.find("<BR>May be repeated q1 minute up to 5 doses as needed.<BR><BR><B>Dosing:"
                        "</B><BR>0.01 - 0.03 mg/kg/dose.<BR><BR><B>Route:</B> IM/IV<BR><BR>"),
              std::string::npos);
    EXPECT_NE(text.find("repeated dosing may be needed.<BR>"), std::string::npos);
}

TEST(SedationFixedPagesTest, KetamineImAtTenKilograms) {
    // 2, 3, 4 mg/kg × 10 = 20, 30, 40 mg. Atropine 0.02 × 10 = 0.2 mg, between the 0.1 minimum
    // and the 0.4 maximum: 0.2 × 2.5 = 0.5 mL of 0.4 mg/mL.
    EXPECT_EQ(page(appendKetamineImPage, 10.0f),
              "<B>Calculated Dose:</B><BR>2 mg/kg = <B>20</B> mg<BR>3 mg/kg = <B>30</B> mg<BR>"
              "4 mg/kg = <B>40</B> mg<BR><BR><B>Dosing:</B><BR>2-4 mg/kg<BR><BR>Atropine to "
              "blunt bradycardia/secretions recommended:<BR>0.02 mg/kg = 0.2 mg, IV/IO. (may be "
              "placed in same syringe with ketamine)<BR>[0.5 mL of 0.4 mg/mL soln of atropine; use "
              "this concentration of atropine for IM instead of the 1mg/10mL soln].<BR><BR>Route: "
              "IM<BR><BR>Reversal Agent:<BR>None<BR><BR>Practice tip:<BR>Most practitioners use 4 "
              "mg/kg in pediatric patients when administering ketamine IM. Induces 10-20 minutes "
              "dissociative state.<BR>");
}

TEST(SedationFixedPagesTest, KetamineImAtropineBands) {
    const LineCase cases[] = {
        // 0.02 × 4 = 0.08 mg, under the minimum.
        {4.0f,
         "0.1 mg, IV/IO (Min Dose) (may be placed in same syringe with ketamine).<BR>[0.25 mL of "
         "0.4 mg/mL soln of atropine;"},
        // 0.02 × 19.5 = 0.39 mg; 0.39 × 2.5 = 0.975 mL, rounded to tenths: 1 mL.
        {19.5f,
         "0.39 mg, IV/IO. (may be placed in same syringe with ketamine)<BR>[1 mL of 0.4 mg/mL "
         "soln of atropine;"},
        // 0.02 × 25 = 0.5 mg, above the maximum.
        {25.0f,
         "0.4 mg, IV/IO (Max dose) (may be placed in same syringe with ketamine).<BR>[1 mL of "
         "0.4 mg/mL soln of atropine;"},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(between(page(appendKetamineImPage, c.weight),
                          "0.02 mg/kg = ", " use this concentration"),
                  c.line)
            << c.weight;
    }
    // From 50 kg no atropine advice: 100, 150, 200 mg.
    const std::string adult = page(appendKetamineImPage, 50.0f);
    EXPECT_EQ(adult.find("Atropine"), std::string::npos);
    EXPECT_NE(adult.find("4 mg/kg = <B>200</B> mg<BR><BR><B>Dosing:</B><BR>2-4 mg/kg<BR><BR>"
                         "Route: IM"),
              std::string::npos);
}

TEST(SedationFixedPagesTest, KetamineIv) {
    // 1, 1.5, 2 mg/kg × 10 = 10, 15, 20 mg; the atropine block: 0.2 mg in 2 mL of 1 mg/10 mL.
    EXPECT_EQ(page(appendKetamineIvPage, 10.0f),
              "<B>Calculated Dose:</B><BR>1 mg/kg = <B>10</B> mg<BR>1.5 mg/kg = <B>15</B> mg<BR>"
              "2 mg/kg = <B>20</B> mg<BR><BR><B>Dosing:</B><BR>1-2 mg/kg<BR><BR>Atropine to blunt "
              "bradycardia/secretions recommended:<BR>0.02 mg/kg = 0.2 mg, IV/IO.<BR>[2 mL of 1 "
              "mg/10 mL soln].<BR><BR>Route: IV<BR><BR>Reversal Agent:<BR>None<BR><BR>Practice "
              "tip:<BR>Many practitioners will add additional 1 mg/kg doses as needed. Induces "
              "10-20 minutes dissociative state.<BR>");
    // 13.3 kg: 13.3 → 13.5 (halves), 19.95 → 20, 26.6 → 26.5.
    EXPECT_NE(page(appendKetamineIvPage, 13.3f)
                  .find("1 mg/kg = <B>13.5</B> mg<BR>1.5 mg/kg = <B>20</B> mg<BR>2 mg/kg = "
                        "<B>26.5</B> mg<BR>"),
              std::string::npos);
    // 60 kg: 60, 90, 120 mg and no atropine.
    const std::string adult = page(appendKetamineIvPage, 60.0f);
    EXPECT_NE(adult.find("<B>60</B> mg<BR>1.5 mg/kg = <B>90</B> mg<BR>2 mg/kg = <B>120</B>"),
              std::string::npos);
    EXPECT_EQ(adult.find("Atropine"), std::string::npos);
}

TEST(SedationFixedPagesTest, OralLiquidLinesAndCap) {
    const LineCase cases[] = {
        // 2.5, 5, 7.5, 10 mg; half as many mL: 1.25 → 1.2 and 3.75 → 3.8 (tenths, halves to
        // the even neighbour), 2.5, 5.
        {10.0f,
         "0.25 mg/kg = 2.5 mg (1.2 mL)<BR>0.5 mg/kg = 5 mg (2.5 mL)<BR>0.75 mg/kg = 7.5 mg (3.8 "
         "mL)<BR>1 mg/kg = 10 mg (5 mL)"},
        // 9.75 → 9.8 mg (4.9 mL); 19.5 mg (9.75 → 9.8 mL), under the cap; 29.25 and 39 mg capped
        // at 20 mg (10 mL).
        {39.0f,
         "0.25 mg/kg = 9.8 mg (4.9 mL)<BR>0.5 mg/kg = 19.5 mg (9.8 mL)<BR>0.75 mg/kg = 20 mg (10 "
         "mL) [Max Dose]<BR>1 mg/kg = 20 mg (10 mL) [Max Dose]"},
        // 0.5 × 40 = 20 mg exactly: it reaches the cap and is marked.
        {40.0f,
         "0.25 mg/kg = 10 mg (5 mL)<BR>0.5 mg/kg = 20 mg (10 mL) [Max Dose]<BR>0.75 mg/kg = 20 "
         "mg (10 mL) [Max Dose]<BR>1 mg/kg = 20 mg (10 mL) [Max Dose]"},
    };
    for (const LineCase& c : cases) {
        EXPECT_EQ(between(page(appendOralLiquidPage, c.weight), "Calculated Dose:<BR>",
                          "<BR><BR>Dosing:"),
                  c.line)
            << c.weight;
    }
    const std::string text = page(appendOralLiquidPage, 10.0f);
    EXPECT_EQ(text.rfind("Oral Liquid Conc: 2 mg/mL.<BR><BR>Calculated Dose:<BR>", 0), 0u);
    EXPECT_NE(text.find("Maximum dose is 20 mg.<BR><BR>Route: PO<BR><BR>Reversal Agent:<BR>"
                        "Flumazenil (Romazicon)<BR>"),
              std::string::npos);
}

}  // namespace
}  // namespace orvane::airway
