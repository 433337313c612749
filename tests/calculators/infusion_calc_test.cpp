// Infusion Calc: the choice of known items, the forms they build, results in both directions,
// the dosing units that follow the drug unit (with a chosen index beyond a shorter list going back
// to the first entry) and no result for a 0 amount, volume or concentration.
#include "calculators/infusion_calc.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"
#include "modules/form_binding.h"
#include "rendering/page_builder.h"
#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

using Fixture = test_support::PediatricFixture;
using test_support::pageText;

class InfusionCalcTest : public ::testing::Test {
  protected:
    InfusionCalcTest() : calc_(f_.context(), makeRequest(27, 0)) {}

    void known(int a, int b) {
        calc_.handleRequest(makeRequest(33, a, 1));
        calc_.handleRequest(makeRequest(33, b, 2));
        bindFormInputs(calc_.inputs(), f_.context());
        f_.context().calcWeight().value = 70;
        f_.context().calcWeight().unit = unit::kKilograms;
    }
    void set(int i, float v) {
        InputField& field = calc_.inputs()[i - 1];
        field.value = v;
        field.text = formatNumber(v, field.decimals, false);
        field.entered = 1;
    }
    // A list entry chosen on the screen (index from 0), then the module told.
    void select(int i, int16_t index) {
        InputField& field = calc_.inputs()[i - 1];
        field.unit = index;
        field.value = index;
        calc_.handleRequest(makeRequest(70, i - 1));
    }
    std::string page() {
        copyBoundValues(calc_.inputs(), f_.context());
        return pageText(calc_.buildPage(0));
    }
    const InputField& dosing() { return calc_.inputs()[calc_.inputs().count() - 1]; }

    Fixture f_;
    InfusionCalc calc_;
};

TEST_F(InfusionCalcTest, ChoosingTheKnownItems) {
    EXPECT_EQ(calc_.title().str(), "Infusion Calc");
    const std::string first = page();
    EXPECT_EQ(calc_.caption().str(), "Select Known Items:");
    EXPECT_EQ(f_.context().pageBuilder().showImage, 0);
    EXPECT_EQ(f_.context().pageBuilder().inputs(), nullptr);
    EXPECT_EQ(first,
              "<STRONG>Solution Concentration Data :</STRONG><BR>"
              "<A HREF=\"553713665\"><IMG src=\"drug\">&nbsp;I know amt of drug and fluid</A><BR>"
              "<A HREF=\"553713666\"><IMG src=\"drug\">&nbsp;I know the concentration</A><BR>"
              "<BR><STRONG>Select known item :</STRONG><BR>"
              "<A HREF=\"553779201\"><IMG src=\"drug\">&nbsp;I know the desired drug dose</A><BR>"
              "<A HREF=\"553779202\"><IMG src=\"drug\">&nbsp;I know current infusion mL/hr</A>"
              "<BR>");
    calc_.handleRequest(makeRequest(33, 2, 2));
    // Only B chosen: a line break, the heading and B's label with (33, 0, 2) = 553779200
    EXPECT_EQ(page().substr(page().find("</A><BR><BR>") + 12),
              "<STRONG>Select known item :</STRONG><BR><A HREF=\"553779200\"><IMG src=\"drug\">"
              "&nbsp;I know current infusion mL/hr</A><BR>");
    calc_.handleRequest(makeRequest(33, 1, 1));
    EXPECT_EQ(calc_.caption().str(), "Select Known Items:");
    page();
    EXPECT_EQ(calc_.caption().str(), "Calculate Drug Dose");
    EXPECT_EQ(f_.context().pageBuilder().showImage, 1);
    EXPECT_EQ(f_.context().pageBuilder().inputs(), &calc_.inputs());
    // Clearing A clears B too
    calc_.handleRequest(makeRequest(33, 0, 1));
    EXPECT_EQ(calc_.knownA(), 0);
    EXPECT_EQ(calc_.knownB(), 0);
}

TEST_F(InfusionCalcTest, AmountForm) {
    known(1, 1);
    ASSERT_EQ(calc_.inputs().count(), 6);
    EXPECT_EQ(calc_.inputs()[0].kindCode(), 71);
    EXPECT_EQ(calc_.inputs()[1].label.str(), "Drug Amount");
    EXPECT_EQ(calc_.inputs()[1].endsRow, 0);
    EXPECT_FLOAT_EQ(calc_.inputs()[1].max, 100000000);
    EXPECT_EQ(calc_.inputs()[2].kindCode(), 52);
    EXPECT_EQ(calc_.inputs()[2].entries[3].label().str(), "Units");
    EXPECT_EQ(calc_.inputs()[2].entries[3].request(), makeRequest(33, 4, 4));
    EXPECT_EQ(calc_.inputs()[3].label.str(), "in Total Volume");
    EXPECT_EQ(calc_.inputs()[4].label.str(), "Desired Dose");
    EXPECT_EQ(dosing().label.str(), "Dosing Units");
    EXPECT_EQ(dosing().kindCode(), 86);
    EXPECT_EQ(dosing().entries.count(), 6);
    EXPECT_EQ(dosing().text.str(), "mcg/kg/min");
}

TEST_F(InfusionCalcTest, RateFromTheDesiredDose) {
    known(1, 1);
    set(2, 400);  // mg
    select(3, 1);
    set(4, 250);
    set(5, 5);
    select(6, 0);  // mcg/kg/min
    // 5 × 70 × 60 / 1600 = 13.125 → 13
    EXPECT_EQ(page(), "<BR><B>Calculated Result = 13&nbsp;mL/hr</B>");
    EXPECT_EQ(calc_.caption().str(), "Calculate Rate of Infusion");
    select(6, 4);  // mg/kg/hr: 350000 / 1600 = 218.75 → 220
    EXPECT_EQ(page(), "<BR><B>Calculated Result = 220&nbsp;mL/hr</B>");
}

TEST_F(InfusionCalcTest, DoseFromTheRate) {
    known(2, 2);
    ASSERT_EQ(calc_.inputs().count(), 5);
    EXPECT_EQ(calc_.inputs()[1].label.str(), "Conc.");
    EXPECT_EQ(calc_.inputs()[2].entries[0].label().str(), "mcg/mL");
    EXPECT_EQ(calc_.inputs()[3].label.str(), "Rate of Infusion");
    EXPECT_EQ(calc_.inputs()[3].units.str(), "mL/hr");
    set(2, 1.6f);
    select(3, 1);  // mg/mL
    set(4, 10);
    select(5, 2);  // mcg/min: 16000 / 60 = 266.67 → 270
    EXPECT_EQ(page(), "<BR><B>Calculated Result = 270&nbsp;mcg/min</B>");
}

TEST_F(InfusionCalcTest, UnitsDrugSwapsTheDosingUnits) {
    known(1, 2);
    select(6, 5);  // mg/min
    select(3, 3);  // Units: four entries; index 5 is beyond them → the first entry
    ASSERT_EQ(dosing().entries.count(), 4);
    EXPECT_EQ(dosing().entries[1].label().str(), "Units/hr");
    EXPECT_EQ(dosing().entries[1].request(), makeRequest(33, 2, 8));
    EXPECT_EQ(dosing().unit, 0);
    EXPECT_EQ(dosing().text.str(), "Units/min");
    set(2, 25000);
    set(4, 250);
    set(5, 10);
    select(6, 1);  // Units/hr: 100 Units/mL × 10 mL/hr
    EXPECT_EQ(page(), "<BR><B>Calculated Result = 1000&nbsp;Units/hr</B>");
    select(3, 1);  // mg again: the six mass units, the chosen index 1 kept
    ASSERT_EQ(dosing().entries.count(), 6);
    EXPECT_EQ(dosing().unit, 1);
    EXPECT_EQ(dosing().text.str(), "mcg/kg/hr");
}

TEST_F(InfusionCalcTest, ZeroAmountVolumeOrConcentrationGivesNoResult) {
    known(1, 1);
    set(2, 0);
    select(3, 1);
    set(4, 250);
    set(5, 5);
    EXPECT_EQ(page(), "");
    set(2, 400);
    set(4, 0);
    EXPECT_EQ(page(), "");
    known(2, 1);
    set(2, 0);
    set(4, 5);
    EXPECT_EQ(page(), "");
    known(2, 2);
    set(2, 0);
    set(4, 10);
    EXPECT_EQ(page(), "");
    EXPECT_EQ(calc_.results()[0].str(), "");
}

// A result too large to print (the fields allow up to 10^8) gives no result, never "ERR": a
// concentration of 1 mcg/mL (10^-3 mg/mL) dosed at 10^8 mg/kg/hr for 70 kg is 7 × 10^12 mL/hr.
TEST_F(InfusionCalcTest, AResultTooLargeToPrintGivesNoResult) {
    known(2, 1);
    set(2, 1);
    select(3, 0);  // mcg/mL
    set(4, 100000000.0f);
    select(5, 4);  // mg/kg/hr
    EXPECT_EQ(page(), "");
    set(4, 5);  // 350 mg/hr at 0.001 mg/mL: 350000 mL/hr, still printable
    EXPECT_EQ(page(), "<BR><B>Calculated Result = 350000&nbsp;mL/hr</B>");
}

TEST_F(InfusionCalcTest, ClearAllGoesBackToTheChoice) {
    known(1, 1);
    calc_.handleRequest(makeRequest(0, 0));
    EXPECT_EQ(calc_.knownA(), 0);
    EXPECT_EQ(calc_.knownB(), 0);
    EXPECT_EQ(calc_.choiceList(makeRequest(80, 0)), nullptr);
    EXPECT_NE(calc_.choiceList(makeRequest(70, 1)), nullptr);
    EXPECT_EQ(calc_.choiceList(makeRequest(70, 7)), nullptr);
}

}  // namespace
}  // namespace orvane
