// The formula calculators as modules: forms as the screen fills them (plain inputs, weights in
// kilograms or pounds with ounces, heights in centimetres or inches with eighths), the result
// texts, the filled template, the pages with their own texts, and the refused inputs. Expected
// texts worked out by hand from the formulas.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "calculators/creatinine_clearance_calculator.h"
#include "calculators/gas_exchange_calculators.h"
#include "calculators/unit_converter.h"
#include "tests/calculators/calculator_session.h"

namespace orvane {
namespace {

using test_support::OpenCalculator;

struct ResultCase {
    const char* name;
    int32_t number;
    std::function<void(OpenCalculator&)> fill;
    std::vector<const char*> results;
    const char* before = "";  // what the page writes before the template
};

class FormulaResultTest : public testing::TestWithParam<ResultCase> {};

TEST_P(FormulaResultTest, ResultsAndFilledTemplate) {
    const ResultCase& c = GetParam();
    OpenCalculator calc(c.number);
    ASSERT_NE(calc.module(), nullptr);
    c.fill(calc);
    const std::string page = calc.page();
    std::string expectedStart = std::string(c.before) + "T";
    for (size_t i = 0; i < c.results.size(); ++i) {
        EXPECT_EQ(calc.result(static_cast<int32_t>(i) + 1), c.results[i]) << "result " << i + 1;
        expectedStart += std::string("|<STRONG>") + c.results[i] + "&nbsp;</STRONG>";
    }
    EXPECT_EQ(page.substr(0, expectedStart.size()), expectedStart);
}

std::string caseName(const testing::TestParamInfo<ResultCase>& info) {
    return info.param.name;
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, FormulaResultTest,
    testing::Values(ResultCase{"AaGradient",
                               1,
                               [](OpenCalculator& c) {
                                   c.age(40);
                                   c.set(2, 90);
                                   c.set(3, 40);
                                   c.set(4, 21);
                               },
                               {"9.7", "10.9"}},
                    ResultCase{"AaGradientOldAge",
                               1,
                               [](OpenCalculator& c) {  // 65 × 0.21 = 13.6499996: 16.1499996 → 16.1
                                   c.age(65);
                                   c.set(2, 60);
                                   c.set(3, 30);
                                   c.set(4, 40);
                               },
                               {"187.7", "16.1"}},
                    ResultCase{"NeutrophilCount",
                               2,
                               [](OpenCalculator& c) {
                                   c.set(1, 5000);
                                   c.set(2, 60);
                                   c.set(3, 5);
                               },
                               {"3250"}},
                    ResultCase{"BasalEnergyMale",
                               5,
                               [](OpenCalculator& c) {
                                   c.sex(0);
                                   c.age(30);
                                   c.weightKg(70);
                                   c.heightCm(175);
                               },
                               {"1701.3"}},
                    ResultCase{"BasalEnergyFemale",
                               5,
                               [](OpenCalculator& c) {
                                   c.sex(1);
                                   c.age(30);
                                   c.weightKg(60);
                                   c.heightCm(160);
                               },
                               {"1384.6"}},
                    ResultCase{"BodyMassIndex",
                               6,
                               [](OpenCalculator& c) {
                                   c.weightKg(70);
                                   c.heightCm(175);
                               },
                               {"22.86"}},
                    ResultCase{"BodyMassIndexPoundsInches",
                               6,
                               [](OpenCalculator& c) {  // 154 lb = 70 kg; 68 7/8 in = 174.9425 cm
                                   c.weightPounds(154, 0);
                                   c.heightInches(68, 7);
                               },
                               {"22.87"}},
                    ResultCase{
                        "BodyMassIndexOunces",
                        6,
                        [](OpenCalculator& c) {  // 11 lb 8 oz = 5.2272725 kg; 30 4/8 in = 77.47 cm
                            c.weightPounds(11, 8);
                            c.heightInches(30, 4);
                        },
                        {"8.71"}},
                    ResultCase{"BodySurfaceArea",
                               7,
                               [](OpenCalculator& c) {
                                   c.weightKg(70);
                                   c.heightCm(175);
                               },
                               {"1.85"},
                               "<BR>"},
                    ResultCase{"Fick",
                               9,
                               [](OpenCalculator& c) {
                                   c.set(1, 250);
                                   c.set(2, 15);
                                   c.set(3, 98);
                                   c.set(4, 75);
                               },
                               {"5.21"}},
                    ResultCase{"CorrectedCalciumTie",
                               12,
                               [](OpenCalculator& c) {
                                   c.set(1, 8.25f);
                                   c.set(2, 4);
                               },
                               {"8.3"}},
                    ResultCase{"CorrectedPhenytoin",
                               13,
                               [](OpenCalculator& c) {
                                   c.set(1, 8);
                                   c.set(2, 3);
                               },
                               {"11.4"}},
                    ResultCase{"CorrectedQtTie",
                               14,
                               [](OpenCalculator& c) {  // 32.5 hundredths go to the even 32
                                   c.set(1, 0.325f);
                                   c.set(2, 1);
                               },
                               {"0.32"}},
                    ResultCase{"CorrectedSodium",
                               15,
                               [](OpenCalculator& c) {
                                   c.set(1, 135);
                                   c.set(2, 600);
                               },
                               {"143"}},
                    ResultCase{"CreatinineClearanceWhole",
                               16,
                               [](OpenCalculator& c) {  // 125.60 from 100 up: whole numbers
                                   c.sex(0);
                                   c.age(20);
                                   c.weightKg(75.3f);
                                   c.set(4, 1.0f);
                               },
                               {"126"}},
                    ResultCase{"CreatinineClearanceTenths",
                               16,
                               [](OpenCalculator& c) {  // 99.933 below 100: tenths
                                   c.sex(0);
                                   c.age(20);
                                   c.weightKg(59.91f);
                                   c.set(4, 1.0f);
                               },
                               {"99.9"}},
                    ResultCase{"CreatinineClearanceFemalePounds",
                               16,
                               [](OpenCalculator& c) {  // 80 × 0.85 × 68.295 / (1.2 × 71.94) = 53.8
                                   c.sex(1);
                                   c.age(60);
                                   c.weightPounds(150, 4);
                                   c.set(4, 1.2f);
                               },
                               {"53.8"}},
                    ResultCase{"CreatinineClearanceMicromoles",
                               16,
                               [](OpenCalculator& c) {  // 7000 / (88 × 0.8138) = 97.75
                                   c.sex(0);
                                   c.age(40);
                                   c.weightKg(70);
                                   c.set(4, 88);
                                   c.select(5, 1);
                               },
                               {"97.7"}},
                    ResultCase{"Ph",
                               19,
                               [](OpenCalculator& c) {
                                   c.set(1, 24);
                                   c.set(2, 40);
                               },
                               {"7.4"}},
                    ResultCase{"IdealBodyWeightMaleInches",
                               20,
                               [](OpenCalculator& c) {  // 70 in: 50 + 2.3 × 10
                                   c.sex(0);
                                   c.heightInches(70, 0);
                               },
                               {"73"}},
                    ResultCase{"IdealBodyWeightFemaleEighths",
                               20,
                               [](OpenCalculator& c) {  // 64 4/8 in: 49 + 1.65 × 4.5 = 56.425
                                   c.sex(1);
                                   c.heightInches(64, 4);
                               },
                               {"56.43"}},
                    ResultCase{"LeanBodyWeight",
                               21,
                               [](OpenCalculator& c) {
                                   c.sex(1);
                                   c.heightCm(160);
                                   c.weightKg(60);
                               },
                               {"43.39"}},
                    ResultCase{"MeanArterialPressureTie",
                               23,
                               [](OpenCalculator& c) {  // 62.5 exactly: the clinical tie goes to 62
                                   c.set(1, 107.5f);
                                   c.set(2, 40);
                               },
                               {"62"}},
                    ResultCase{"MeanArterialPressureTens",
                               23,
                               [](OpenCalculator& c) {  // 105: tens above 100, 10.5 → 10
                                   c.set(1, 135);
                                   c.set(2, 90);
                               },
                               {"100"}},
                    ResultCase{"OsmolalGap",
                               24,
                               [](OpenCalculator& c) {
                                   c.set(1, 310);
                                   c.set(2, 290.5f);
                               },
                               {"19.5"}},
                    ResultCase{"PulmonaryResistance",
                               30,
                               [](OpenCalculator& c) {
                                   c.set(1, 18);
                                   c.set(2, 10);
                                   c.set(3, 5);
                               },
                               {"130"}},
                    ResultCase{"Osmolality",
                               33,
                               [](OpenCalculator& c) {
                                   c.set(1, 140);
                                   c.set(2, 90);
                                   c.set(3, 14);
                                   for (int32_t i = 4; i <= 8; ++i) c.set(i, 0);
                                   c.set(6, 62);  // ethylene glycol × 0.2
                               },
                               {"302.4"}},
                    ResultCase{"SystemicResistance",
                               34,
                               [](OpenCalculator& c) {
                                   c.set(1, 90);
                                   c.set(2, 8);
                                   c.set(3, 5);
                               },
                               {"1300"}},
                    ResultCase{"FreeWaterDeficit",
                               37,
                               [](OpenCalculator& c) {
                                   c.sex(0);
                                   c.weightKg(70);
                                   c.set(3, 160);
                               },
                               {"6"}}),
    caseName);

// Inputs that must give no result: the page stays empty.
struct RefusedCase {
    const char* name;
    int32_t number;
    std::function<void(OpenCalculator&)> fill;
};

class RefusedInputTest : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedInputTest, NoResultOnThePage) {
    OpenCalculator calc(GetParam().number);
    GetParam().fill(calc);
    EXPECT_EQ(calc.page(), "");
    EXPECT_EQ(calc.result(1), "");
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, RefusedInputTest,
    testing::Values(RefusedCase{"AaGradientPo2AboveLimit", 1,
                                [](OpenCalculator& c) {
                                    c.age(40);
                                    c.set(2, 761);
                                    c.set(3, 40);
                                    c.set(4, 21);
                                }},
                    RefusedCase{"AaGradientFio2BelowLimit", 1,
                                [](OpenCalculator& c) {
                                    c.age(40);
                                    c.set(2, 90);
                                    c.set(3, 40);
                                    c.set(4, 17.9f);
                                }},
                    RefusedCase{"AaGradientNothingTyped", 1, [](OpenCalculator&) {}},
                    RefusedCase{"CreatinineZero", 16,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.age(40);
                                    c.weightKg(70);
                                    c.set(4, 0);
                                }},
                    RefusedCase{"CreatinineZeroMicromoles", 16,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.age(40);
                                    c.weightKg(70);
                                    c.set(4, 0);
                                    c.select(5, 1);
                                }},
                    RefusedCase{"CreatinineWeightAboveLimit", 16,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.age(40);
                                    c.weightPounds(501, 0);
                                    c.set(4, 1);
                                }},
                    RefusedCase{"PhBicarbonateZero", 19,
                                [](OpenCalculator& c) {
                                    c.set(1, 0);
                                    c.set(2, 40);
                                }},
                    RefusedCase{"PhCarbonDioxideZero", 19,
                                [](OpenCalculator& c) {
                                    c.set(1, 24);
                                    c.set(2, 0);
                                }},
                    RefusedCase{"BodyMassIndexHeightBelowLimit", 6,
                                [](OpenCalculator& c) {
                                    c.weightKg(70);
                                    c.heightInches(
                                        15, 7);  // the eighths are not added: below 16 inches
                                }},
                    RefusedCase{"FreeWaterDeficitNoWeight", 37,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.set(3, 160);
                                }},
                    RefusedCase{"TimiUnanswered", 35, [](OpenCalculator&) {}},
                    RefusedCase{"DrugDilutionDefaults", 36, [](OpenCalculator&) {}},
                    RefusedCase{"PeakFlowNoHeight", 26,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.set(2, 30);
                                }},
                    RefusedCase{"PeakFlowZeroHeight", 26,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.set(2, 30);
                                    c.heightCm(0);
                                }},
                    RefusedCase{"PeakFlowNoAge", 26,
                                [](OpenCalculator& c) {
                                    c.sex(0);
                                    c.heightCm(170);
                                }}),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.name); });

TEST(FickPageTest, EqualSaturationsShowOnlyTheMessage) {
    OpenCalculator calc(9);
    calc.set(1, 250);
    calc.set(2, 15);
    calc.set(3, 75);
    calc.set(4, 75);
    EXPECT_EQ(calc.page(), "SaO2 cannot equal SvO2.");
}

TEST(FickPageTest, VenousAboveArterialIsRefusedWithItsMessage) {
    OpenCalculator calc(9);
    calc.set(1, 250);
    calc.set(2, 15);
    calc.set(3, 75);
    calc.set(4, 80);
    EXPECT_EQ(calc.page(), kFickVenousAboveArterialText);
    EXPECT_EQ(calc.result(1), "");
}

TEST(AnionGapPageTest, ValueThenFormulaAndReference) {
    OpenCalculator calc(3);
    calc.set(1, 140);
    calc.set(2, 100);
    calc.set(3, 24);
    const std::string reference =
        "<BR>Anion Gap = Na<SUP>+</SUP> - (Cl<SUP>-</SUP> + HCO3<SUP>-</SUP>)<BR>Reference "
        "(Normal = 8-16 mEq/L)<BR>";
    EXPECT_EQ(calc.page(), "<BR><STRONG>Anion Gap = </STRONG><B>16 mEq/L.</B><BR>" + reference);
    calc.set(1, 100000);  // above the limit: only the reference lines
    EXPECT_EQ(calc.page(), reference);
}

TEST(HeartRatePageTest, MaximumAndTargetsForAgeForty) {
    OpenCalculator calc(22);
    calc.age(40);
    // The markup conversion turns each pair of blanks into a blank and "&nbsp;".
    EXPECT_EQ(
        calc.page(),
        "<B>MPHR</B> = 180<BR><BR>100% MPHR = &nbsp; 180 &nbsp; BPM"
        "<BR> &nbsp;95% MPHR = &nbsp;171 &nbsp;BPM<BR> &nbsp;90% MPHR = &nbsp;162 &nbsp;BPM"
        "<BR> &nbsp;85% MPHR = &nbsp;153 &nbsp;BPM<BR> &nbsp;80% MPHR = &nbsp;144 &nbsp;BPM"
        "<BR> &nbsp;75% MPHR = &nbsp;135 &nbsp;BPM<BR> &nbsp;70% MPHR = &nbsp;126 &nbsp;BPM"
        "<BR> &nbsp;50% MPHR = &nbsp;90 &nbsp;BPM<BR><BR>Formula is : &nbsp;MPHR = 220 - Age");
}

TEST(WeightLossPageTest, FourSentences) {
    OpenCalculator calc(28);
    EXPECT_EQ(calc.page(), " ");  // both weights empty
    PatientContext& p = calc.context();
    p.calcWeight().value = 63;
    p.calcWeight().unit = unit::kKilograms;
    p.adultWeight().value = 70;
    p.adultWeight().unit = unit::kKilograms;
    EXPECT_EQ(calc.page(), "<BR><BR>Percent weight loss is <B>10%</B>.");
    p.calcWeight().value = 75;
    EXPECT_EQ(calc.page(),
              "<BR><BR>For dehydration, the baseline weight should be greater than the current "
              "measured weight. Please review entered data.");
    p.calcWeight().value = 0;
    EXPECT_EQ(calc.page(), " ");
}

TEST(DrugDilutionPageTest, SentenceWithTheTypedNumbers) {
    OpenCalculator calc(36);
    calc.set(1, 400);
    calc.set(2, 250);
    calc.set(3, 50);
    EXPECT_EQ(calc.page(),
              "Use <B>31.2</B>&nbsp;mL of a <B>400</B>&nbsp;mg/<B>250</B>&nbsp;mL solution to "
              "administer <B>50</B>&nbsp;mg.<BR><BR>Result mL = mL drug dissolved x desired mg / "
              "total mg of drug dissolved.");
}

TEST(ResistanceLegendTest, PulmonaryAlwaysEndsWithItsLegend) {
    OpenCalculator calc(30);
    const std::string legend =
        "<BR><BR>MPAP = Mean Pulm Arterial Pressure<BR>PCWP = Pulm Cap Wedge Pressure<BR>CO = "
        "Cardiac Output";
    EXPECT_EQ(calc.page(), legend);
    calc.set(1, 25);
    calc.set(2, 10);
    calc.set(3, 5);
    const std::string page = calc.page();
    EXPECT_EQ(page.substr(0, 32), "T|<STRONG>240&nbsp;</STRONG>|<$r");
    EXPECT_EQ(page.substr(page.size() - legend.size()), legend);
}

TEST(ResistanceLegendTest, SystemicLegendWithOrWithoutResult) {
    OpenCalculator calc(34);
    EXPECT_EQ(calc.page(),
              "<BR>MAP = Mean Arterial Pressure<BR>CVP = Central Venous Pressure<BR>CO = Cardiac "
              "Output");
    calc.set(1, 90);
    calc.set(2, 8);
    calc.set(3, 5);
    const std::string page = calc.page();
    const std::string legend =
        "<BR><BR>MAP = Mean Arterial Pressure<BR>CVP = Central Venous Pressure<BR>CO = Cardiac "
        "Output";
    EXPECT_EQ(page.substr(0, 10), "T|<STRONG>");
    EXPECT_EQ(page.substr(page.size() - legend.size()), legend);
}

TEST(TimiTest, BoxesCountOnceAllAreAnswered) {
    OpenCalculator calc(35);
    Module& m = *calc.module();
    m.handleRequest(makeRequest(33, 1, 1));
    m.handleRequest(makeRequest(33, 1, 3));
    EXPECT_EQ(calc.page(), "");  // five boxes still unanswered
    for (int32_t k : {2, 4, 5, 6}) m.handleRequest(makeRequest(33, 0, k));
    m.handleRequest(makeRequest(33, 1, 7));
    calc.page();
    EXPECT_EQ(calc.result(1), "3");
    for (int32_t k = 1; k <= 7; ++k) m.handleRequest(makeRequest(33, 0, k));
    calc.page();
    EXPECT_EQ(calc.result(1), "0");
}

TEST(PeakFlowTest, RowByRaceSexAndAgeAndEightResults) {
    // Fixture rows: b0 = row number, b1 0.05, b2 −0.001, b3 0.0002, b4 0.00015.
    OpenCalculator calc(26);
    calc.sex(1);
    calc.set(2, 30);
    calc.heightCm(170);
    calc.module()->handleRequest(makeRequest(33, 2, 3));  // African American: female adult row 9
    calc.page();
    // (0.0002 × 28900 + 9 + 1.5 − 0.9) × 60 = 15.38 × 60 = 922.8; lower: 4.335 → 13.935 × 60
    // = 836.1; then × 0.7, 0.6, 0.5, 0.4, 0.3, 0.25 of 922.8.
    const char* expected[] = {"922.8", "836.1", "646", "553.7", "461.4", "369.1", "276.8", "230.7"};
    for (int32_t i = 0; i < 8; ++i) EXPECT_EQ(calc.result(i + 1), expected[i]) << i + 1;
    EXPECT_EQ(calc.calc().inputs()[2].text.str(), "African American");
}

TEST(PeakFlowTest, FirstRaceIsTheDefault) {
    OpenCalculator calc(26);
    calc.sex(0);
    calc.set(2, 10);
    calc.heightCm(140);
    calc.page();
    // Male Caucasian child, row 0: 0.0002 × 19600 + 0 + 0.5 − 0.1 = 4.32 L/s = 259.2 L/min.
    EXPECT_EQ(calc.result(1), "259.2");
}

TEST(UnitConverterTest, PartnersFilledAtOnce) {
    OpenCalculator calc(11);
    Module& m = *calc.module();
    EXPECT_EQ(calc.page(), "");
    calc.set(1, 100);
    m.handleRequest(makeRequest(70, 0));
    EXPECT_EQ(calc.calc().inputs()[1].text.str(), "37.78");
    calc.set(5, 70);
    m.handleRequest(makeRequest(70, 4));
    EXPECT_EQ(calc.calc().inputs()[5].value, 154.0f);
    EXPECT_EQ(calc.calc().inputs()[6].unit, 0);
    calc.set(8, 3500);
    m.handleRequest(makeRequest(70, 7));
    EXPECT_EQ(calc.calc().inputs()[8].value, 7.0f);
    EXPECT_EQ(calc.calc().inputs()[9].unit, 11);
    EXPECT_EQ(calc.calc().inputs()[9].text.str(), "11 oz");
    calc.set(6, 11);
    calc.select(7, 8);
    m.handleRequest(makeRequest(70, 6));
    EXPECT_EQ(calc.calc().inputs()[4].text.str(), "5.23");
    EXPECT_EQ(calc.calc().inputs()[4].entered, 1);
}

TEST(FormTest, FixedLabelsAndUnits) {
    OpenCalculator crcl(16);
    const InputField& units = crcl.calc().inputs()[4];
    ASSERT_EQ(units.entries.count(), 2);
    EXPECT_EQ(units.entries[0].label().str(), "mg/dL");
    EXPECT_EQ(units.entries[1].label().str(), "\xB5mol/L");
    EXPECT_EQ(units.entries[1].request(), makeRequest(33, 2));
    EXPECT_EQ(crcl.calc().inputs()[3].endsRow, 0);

    OpenCalculator phenytoin(13);
    EXPECT_EQ(phenytoin.calc().inputs()[0].units.str(), "mcg/mL");

    OpenCalculator gradient(1);
    ASSERT_EQ(gradient.calc().inputs().count(), 7);
    EXPECT_EQ(gradient.calc().inputs()[4].text.str(), "760");
    EXPECT_EQ(gradient.calc().inputs()[6].text.str(), "0.8");
    EXPECT_EQ(gradient.calc().inputs()[1].text.str(), "");
}

TEST(FactoryTest, EveryFormulaNumberAndNoOther) {
    const std::vector<int32_t> formula = {1,  2,  3,  5,  6,  7,  9,  11, 12, 13, 14, 15, 16, 19,
                                          20, 21, 22, 23, 24, 26, 28, 30, 33, 34, 35, 36, 37};
    test_support::CalculatorContentDir dir;
    dir.writeCalculatorTable();
    test_support::ContentSession session(dir.path());
    for (int32_t n = 0; n <= 41; ++n) {
        const bool isFormula = std::find(formula.begin(), formula.end(), n) != formula.end();
        auto module = test_support::makeCalculator(n, session.context);
        const bool madeFormula = dynamic_cast<FormulaCalculator*>(module.get()) != nullptr ||
                                 dynamic_cast<UnitConverter*>(module.get()) != nullptr;
        EXPECT_EQ(madeFormula, isFormula) << n;
        if (madeFormula) {
            EXPECT_TRUE(module->isAvailable()) << n;
            EXPECT_EQ(module->caption().str(), "Calc " + std::to_string(n));
        }
    }
}

}  // namespace
}  // namespace orvane
