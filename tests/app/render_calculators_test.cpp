// `orvane render` run as a process on the sample content for every formula and scoring calculator:
// the result as the page shows it, computed by hand from the formulas and the sample points and
// coefficients, and the refused inputs that leave the page without a result.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>

#include "tests/support/process_run.h"

namespace {

using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

struct PageCase {
    const char* name;
    const char* arguments;
    const char* expected;  // a part of the page
};

class RenderCalculatorTest : public testing::TestWithParam<PageCase> {};

TEST_P(RenderCalculatorTest, PageShowsTheResult) {
    const RenderRun run = render(GetParam().arguments);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find(GetParam().expected), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    SampleContent, RenderCalculatorTest,
    testing::Values(
        PageCase{"AaGradient", "4:1 --age 40 --input 2=90 --input 3=40 --input 4=21",
                 "A-a gradient = <STRONG>9.7&nbsp;</STRONG> mmHg</B><BR>Expected for age = "
                 "<STRONG>10.9&nbsp;</STRONG>"},
        PageCase{"NeutrophilCount", "4:2 --input 1=5000 --input 2=60 --input 3=5",
                 "ANC = <STRONG>3250&nbsp;</STRONG>"},
        PageCase{"AnionGap", "4:3 --input 1=140 --input 2=100 --input 3=24",
                 "<BR><STRONG>Anion Gap = </STRONG><B>16 mEq/L.</B><BR>"},
        // Sample Apgar points: the third answer of each criterion is worth 2.
        PageCase{"Apgar", "4:4 --choose 1=3 --choose 2=3 --choose 3=3 --choose 4=3 --choose 5=2",
                 "<BR><B>Apgar Score&nbsp;=&nbsp;9</B>"},
        PageCase{"BasalEnergy", "4:5 --sex male --age 30 --calc-weight 70kg --height 175cm",
                 "<STRONG>1701.3&nbsp;</STRONG> kcal/day"},
        // 154 lb = 70 kg and 68 7/8 in = 174.9425 cm
        PageCase{"BodyMassIndex", "4:6 --calc-weight 154lb --height 68in7",
                 "Body mass index = <STRONG>22.87&nbsp;</STRONG>"},
        PageCase{"BodySurfaceArea", "4:7 --calc-weight 70kg --height 175cm",
                 "<BR><B>Body surface area = <STRONG>1.85&nbsp;</STRONG>"},
        PageCase{"Fick", "4:9 --input 1=250 --input 2=15 --input 3=98 --input 4=75",
                 "Cardiac output = <STRONG>5.21&nbsp;</STRONG> L/min"},
        PageCase{"FickEqual", "4:9 --input 1=250 --input 2=15 --input 3=75 --input 4=75",
                 "SaO2 cannot equal SvO2."},
        PageCase{"FickVenousAbove", "4:9 --input 1=250 --input 2=15 --input 3=75 --input 4=80",
                 "SvO2 cannot be higher than SaO2."},
        // Sample MI points: 5 + 75 + 15 + 10 + 6 + 10 + 6 + 4 = 131, + prior MI 5, prior CABG 4
        // and female 2 = 142: the 20 % band.
        PageCase{"MiRisk",
                 "4:10 --choose 1=5 --choose 2=4 --choose 3=3 --choose 4=3 --choose 5=2 "
                 "--choose 6=3 --choose 7=2 --choose 8=1 --choose 9=1 --choose 11=1 --view 1",
                 "<B>Score</B>: 142<BR><B>Estimated 30-day mortality: <STRONG>20&nbsp;</STRONG>"},
        PageCase{"CorrectedCalcium", "4:12 --input 1=8.25 --input 2=4",
                 "Corrected calcium = <STRONG>8.3&nbsp;</STRONG>"},
        PageCase{"CorrectedPhenytoin", "4:13 --input 1=8 --input 2=3",
                 "Corrected phenytoin = <STRONG>11.4&nbsp;</STRONG> mcg/mL"},
        PageCase{"CorrectedQt", "4:14 --input 1=0.325 --input 2=1",
                 "QTc = <STRONG>0.32&nbsp;</STRONG>"},
        PageCase{"CorrectedSodium", "4:15 --input 1=135 --input 2=600",
                 "Corrected sodium = <STRONG>143&nbsp;</STRONG>"},
        PageCase{"CreatinineMicromoles",
                 "4:16 --sex male --age 40 --calc-weight 70kg --input 4=88 --input 5=2",
                 "Creatinine clearance = <STRONG>97.7&nbsp;</STRONG>"},
        PageCase{"CreatinineWhole", "4:16 --sex male --age 20 --calc-weight 75.3kg --input 4=1",
                 "Creatinine clearance = <STRONG>126&nbsp;</STRONG>"},
        PageCase{"Croup", "4:17 --choose 1=1 --choose 2=2 --choose 3=3 --choose 4=1 --choose 5=4",
                 "Croup score = <STRONG>6&nbsp;</STRONG></B><BR>Score range<STRONG> 5-6 "
                 "&nbsp;</STRONG>:<STRONG><STRONG> 'Severe' </STRONG>"},
        PageCase{"GlasgowComaScale", "4:18 --choose 1=4 --choose 2=2 --choose 3=3 --choose 4=4",
                 "Calc. Glasgow Coma Scale is : <B>9</B><BR><BR><B>Interpretation :</B><BR>This "
                 "score indicates that injury is <B>'Moderate</B>'"},
        PageCase{"Ph", "4:19 --input 1=24 --input 2=40", "pH = <STRONG>7.4&nbsp;</STRONG>"},
        PageCase{"IdealBodyWeight", "4:20 --sex male --height 175cm",
                 "Ideal body weight = <STRONG>70.46&nbsp;</STRONG>"},
        PageCase{"LeanBodyWeight", "4:21 --sex female --height 160cm --calc-weight 60kg",
                 "Lean body weight = <STRONG>43.39&nbsp;</STRONG>"},
        PageCase{"MaxHeartRate", "4:22 --age 40",
                 "<B>MPHR</B> = 180<BR><BR>100% MPHR = &nbsp; 180 &nbsp; BPM<BR> &nbsp;95% MPHR "
                 "= &nbsp;171 &nbsp;BPM"},
        PageCase{"MeanArterialPressure", "4:23 --input 1=107.5 --input 2=40",
                 "Mean arterial pressure = <STRONG>62&nbsp;</STRONG>"},
        PageCase{"OsmolalGap", "4:24 --input 1=310 --input 2=290.5",
                 "Osmolal gap = <STRONG>19.5&nbsp;</STRONG>"},
        PageCase{"OxygenTank", "4:25 --choose 1=2 --choose 2=3 --choose 3=5",
                 "<BR><B>252</B>&nbsp;minutes of oxygen is estimated with a <B>E Tank</B>"},
        // Sample row 9 (female African American adult): (0.00017 × 170² + 1.2 + 0.05 × 30
        // − 0.0009 × 30²) × 60 = 6.803 × 60 = 408.18; lower limit 5.3002 × 60 = 318.01.
        PageCase{"PeakFlow", "4:26 --sex female --input 2=30 --input 3=2 --height 170cm",
                 "Predicted peak flow = <STRONG>408.2&nbsp;</STRONG> L/min</B><BR>Lower limit of "
                 "normal = <STRONG>318&nbsp;</STRONG>"},
        PageCase{"PediatricTrauma",
                 "4:27 --choose 1=1 --choose 2=1 --choose 3=1 --choose 4=1 --choose 5=1 "
                 "--choose 6=3",
                 "Pediatric trauma score = <STRONG>9&nbsp;</STRONG>"},
        PageCase{"WeightLoss", "4:28 --calc-weight 63kg --adult-weight 70kg",
                 "<BR><BR>Percent weight loss is <B>10%</B>."},
        PageCase{"PulmonaryResistance", "4:30 --input 1=18 --input 2=10 --input 3=5",
                 "PVR = <STRONG>130&nbsp;</STRONG>"},
        PageCase{"Ranson", "4:31 --choose 1=1 --choose 10=1 --view 1",
                 "Ranson score = <STRONG>2&nbsp;</STRONG>"},
        PageCase{"TraumaScore", "4:32 --choose 1=1 --choose 2=2 --choose 3=5",
                 "Trauma score = <STRONG>7&nbsp;</STRONG>"},
        PageCase{"Osmolality",
                 "4:33 --input 1=140 --input 2=90 --input 3=14 --input 4=0 --input 5=0 "
                 "--input 6=62 --input 7=0 --input 8=0",
                 "Calculated osmolality = <STRONG>302.4&nbsp;</STRONG>"},
        PageCase{"SystemicResistance", "4:34 --input 1=90 --input 2=8 --input 3=5",
                 "SVR = <STRONG>1300&nbsp;</STRONG>"},
        PageCase{"Timi",
                 "4:35 --input 1=yes --input 2=no --input 3=yes --input 4=no --input 5=no "
                 "--input 6=no --input 7=yes",
                 "TIMI risk score = <STRONG>3&nbsp;</STRONG> of 7"},
        PageCase{"DrugDilution", "4:36 --input 1=400 --input 2=250 --input 3=50",
                 "Use <B>31.2</B>&nbsp;mL of a <B>400</B>&nbsp;mg/<B>250</B>&nbsp;mL solution"},
        PageCase{"FreeWaterDeficit", "4:37 --sex male --calc-weight 70kg --input 3=160",
                 "Free water deficit = <STRONG>6&nbsp;</STRONG> L"},
        PageCase{"WellsDvt", "4:38 --choose 10=1 --view 1",
                 "Wells DVT score = <STRONG>-2&nbsp;</STRONG>"},
        PageCase{"WellsPe", "4:39 --choose 1=1 --choose 3=1 --view 1",
                 "Wells PE score = <STRONG>4.5&nbsp;</STRONG>"}),
    [](const testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

// Inputs that cannot give a result: the page holds no result (never inf or nan).
class RenderRefusedTest : public testing::TestWithParam<PageCase> {};

TEST_P(RenderRefusedTest, NoResult) {
    const RenderRun run = render(GetParam().arguments);
    EXPECT_EQ(run.out.find(GetParam().expected), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("inf"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("nan"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("ERR"), std::string::npos) << run.out;
}

INSTANTIATE_TEST_SUITE_P(
    SampleContent, RenderRefusedTest,
    testing::Values(
        PageCase{"CreatinineZero", "4:16 --sex male --age 40 --calc-weight 70kg --input 4=0",
                 "Creatinine clearance"},
        PageCase{"PhBicarbonateZero", "4:19 --input 1=0 --input 2=40", "pH ="},
        PageCase{"PhCarbonDioxideZero", "4:19 --input 1=24 --input 2=0", "pH ="},
        PageCase{"PeakFlowNoHeight", "4:26 --sex male --input 2=30", "Predicted peak flow"},
        PageCase{"PeakFlowZeroHeight", "4:26 --sex male --input 2=30 --height 0cm",
                 "Predicted peak flow"},
        PageCase{"MiRiskIncomplete", "4:10 --choose 8=1 --view 1", "Score</B>"}),
    [](const testing::TestParamInfo<PageCase>& info) { return std::string(info.param.name); });

TEST(RenderCalculatorFormTest, RangeMessageOfAPlainInput) {
    const RenderRun run = render("4:1 --age 40 --input 2=800");
    EXPECT_NE(run.status, 0);
}

// Typed numbers are read whole, as the calculator screen reads its boxes: mean arterial pressure
// (2 x 80 + 120) / 3 = 93.3, shown 93; a decimal comma is a decimal point ((160 + 121.5) / 3 =
// 93.8, shown 94); "12a0" is not 12 (which would give 57) but the systolic box's red message.
TEST(RenderCalculatorFormTest, TypedNumbersAreReadWhole) {
    const struct {
        const char* systolic;
        int status;
        const char* expected;
    } cases[] = {
        {"120", 0, "Mean arterial pressure = <STRONG>93&nbsp;"},
        {"121,5", 0, "Mean arterial pressure = <STRONG>94&nbsp;"},
        {"12a0", 5, "Systolic BP\r\nMust be in range 1 to 300 mmHg"},
        {"1e2", 5, "Systolic BP\r\nMust be in range 1 to 300 mmHg"},
        {"12.5.5", 5, "Systolic BP\r\nMust be in range 1 to 300 mmHg"},
        {"7,5,1", 5, "Systolic BP\r\nMust be in range 1 to 300 mmHg"},
    };
    for (const auto& c : cases) {
        const RenderRun run = render(std::string("4:23 --input 2=80 --input 1=") + c.systolic);
        EXPECT_EQ(run.status, c.status) << c.systolic;
        EXPECT_NE(run.out.find(c.expected), std::string::npos) << c.systolic << ": " << run.out;
        EXPECT_EQ(run.out.find("57"), std::string::npos) << c.systolic << ": " << run.out;
    }
}

// The maintenance rate of a 7,5 kg child is 4 x 7.5 = 30 mL/hr (not the 28 of 7 kg).
TEST(RenderCalculatorFormTest, AWeightWithADecimalComma) {
    const RenderRun run = render("7:4 --child-weight 7,5kg");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("Maint x 1 = 30 mL/hr"), std::string::npos) << run.out;
    EXPECT_NE(render("7:4 --child-weight 7,5,1kg").status, 0);
}

}  // namespace
