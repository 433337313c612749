// TykoGrowth: bands and their forms, boys reading the boys' rows, percentile bands, Z-scores and
// the percentile tables in each unit, BMI from band 27, and no page for implausible values. The
// test rows have L = 1, so Z = (X / M − 1) / S and the value at Z is M (1 + S Z).
#include "calculators/tyko_growth.h"

#include <gtest/gtest.h>

#include "modules/form_binding.h"
#include "rendering/page_builder.h"
#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.starts_with(prefix);
}

using Fixture = test_support::PediatricFixture;
using test_support::pageText;

class TykoGrowthTest : public ::testing::Test {
  protected:
    TykoGrowth& open(int32_t band) {
        growth_ = std::make_unique<TykoGrowth>(f_.context(), makeRequest(14, band));
        bindFormInputs(growth_->inputs(), f_.context());
        return *growth_;
    }
    void sex(int16_t s) {
        f_.context().sex().unit = s;
        f_.context().sex().value = s;
    }
    void measure(float kg, float cm, float head, int16_t weightUnit = unit::kKilograms,
                 int16_t lengthUnit = unit::kCentimetres) {
        f_.context().calcWeight().value = kg;
        f_.context().calcWeight().unit = weightUnit;
        f_.context().height().value = cm;
        f_.context().height().unit = lengthUnit;
        f_.context().headCircumference().value = head;
        f_.context().headCircumference().unit = lengthUnit;
    }
    std::string page() {
        copyBoundValues(growth_->inputs(), f_.context());
        return pageText(growth_->buildPage(0));
    }

    Fixture f_;
    std::unique_ptr<TykoGrowth> growth_;
};

TEST_F(TykoGrowthTest, AgeListAndCaption) {
    TykoGrowth& g = open(0);
    EXPECT_EQ(g.title().str(), "TykoGrowth");
    EXPECT_EQ(g.caption().str(), "Select Child's Age:");
    EXPECT_EQ(page(), "(none)");
    InputField* ages = g.choiceList(makeRequest(14, 0));
    ASSERT_NE(ages, nullptr);
    EXPECT_EQ(ages->label.str(), "Select Child's Age :");
    ASSERT_EQ(ages->entries.count(), 72);
    EXPECT_EQ(ages->unit, 37);  // opens at 3 yrs
    EXPECT_EQ(ages->entries[38].label().str(), "3 yrs 3 mos");
    EXPECT_EQ(ages->entries[38].request(), makeRequest(14, 39));
    g.handleRequest(makeRequest(14, 38));
    EXPECT_EQ(g.caption().str(), "Age : 3 yrs");
    InputField* views = g.choiceList(makeRequest(80, 0));
    ASSERT_NE(views, nullptr);
    ASSERT_EQ(views->entries.count(), 2);
    EXPECT_EQ(views->entries[0].label().str(), "Selections");
    EXPECT_EQ(views->entries[1].request(), makeRequest(50, 1));
}

TEST_F(TykoGrowthTest, InfantBandsAskLengthAndHeadOlderOnesHeight) {
    TykoGrowth& g = open(38);
    ASSERT_EQ(g.inputs().count(), 4);
    EXPECT_EQ(g.inputs()[0].label.str(), "Male");
    EXPECT_EQ(g.inputs()[0].kind, makeRequest(77, 2, 1));
    EXPECT_EQ(g.inputs()[1].label.str(), "Weight:");
    EXPECT_EQ(g.inputs()[2].kindCode(), 78);
    EXPECT_EQ(g.inputs()[3].kindCode(), 79);
    EXPECT_FLOAT_EQ(g.inputs()[3].max, 63);
    g.handleRequest(makeRequest(14, 39));
    ASSERT_EQ(g.inputs().count(), 3);
    EXPECT_EQ(g.inputs()[2].label.str(), "Height:");
    EXPECT_EQ(g.inputs()[2].kindCode(), 73);
}

TEST_F(TykoGrowthTest, BoysReadTheBoysRows) {
    open(10);
    sex(unit::kMale);
    measure(12, 0, 0);
    // boys' median weight 12: Z = 0
    EXPECT_PRED2(startsWith, page(), "Weight %tile = &nbsp;50-75% (Z = 0)");
    sex(unit::kFemale);
    // girls' median 10: (1.2 − 1) / 0.1 = 2
    EXPECT_PRED2(startsWith, page(), "Weight %tile = &nbsp;97% (Z = 2)<BR");
}

TEST_F(TykoGrowthTest, InfantReportAndTables) {
    open(20);
    sex(unit::kFemale);
    // weight 9: Z = −1 (15-25 %); length 84: (1.05 − 1) / 0.05 = 1 (75-85 %); head 45: 0
    measure(9, 84, 45);
    const std::string text = page();
    EXPECT_PRED2(startsWith, text,
                 "Weight %tile = &nbsp;15-25% (Z = -1)<BR>Length %tile = &nbsp;75-85% (Z = 1)"
                 "<BR>Head Circ %tile = &nbsp;50-75% (Z = 0)<BR><BR><B>Weight Percentiles</B><BR>");
    // 3 %: 10 × (1 − 0.1881) = 8.119 → 8.1; 97 %: 11.881 → 11.9
    EXPECT_NE(text.find("<B>Weight Percentiles</B><BR>3% = 8.1kgs.<BR>5% = 8.4kgs.<BR>"),
              std::string::npos);
    EXPECT_NE(text.find("50% = 10kgs.<BR>"), std::string::npos);
    EXPECT_NE(text.find("97% = 11.9kgs.<BR><BR><B>Length Percentiles</B><BR>"), std::string::npos);
    // length 80 × (1 + 0.05 × 1.881) = 87.524 → 87.5; the "\r\n" of the unit becomes <BR>
    EXPECT_NE(text.find("97% = 87.5 cm.<BR><BR><B>Head Circumference Percentiles</B><BR>"),
              std::string::npos);
    EXPECT_EQ(text.find("BMI"), std::string::npos);  // band 20 is below 27
}

TEST_F(TykoGrowthTest, WeightTablesInGramsAndPounds) {
    open(5);
    sex(unit::kFemale);
    measure(10000, 0, 0, unit::kGrams);
    const std::string grams = page();
    // 8.119 kg = 8119 g → 25s: 324.76 → 325 × 25 = 8125; the median 10000 g
    EXPECT_NE(grams.find("3% = 8125 Grams.<BR>"), std::string::npos);
    EXPECT_NE(grams.find("50% = 10000 Grams.<BR>"), std::string::npos);
    measure(22, 0, 0, unit::kPounds);
    const std::string pounds = page();
    EXPECT_NE(pounds.find("50% = 22 Pounds.<BR>"), std::string::npos);  // 10 kg × 2.2
    // 11.881 × 2.2 = 26.138 → 26.1
    EXPECT_NE(pounds.find("97% = 26.1 Pounds.<BR>"), std::string::npos);
}

TEST_F(TykoGrowthTest, LengthInInches) {
    open(5);
    sex(unit::kFemale);
    // 31.5 inches = 80.01 cm: Z = (80.01 / 80 − 1) / 0.05 = 0.0025
    measure(0, 31.5f, 0, unit::kKilograms, unit::kInches);
    const std::string text = page();
    EXPECT_PRED2(startsWith, text, "<BR>Length %tile = &nbsp;50-75% (Z = 0)<");
    // 80 cm × 0.394 = 31.52 → 31.5
    EXPECT_NE(text.find("50% = 31.5 Inches.<BR>"), std::string::npos);
}

TEST_F(TykoGrowthTest, BodyMassIndexFromBand27) {
    open(26);
    sex(unit::kMale);
    measure(12, 84, 0);
    EXPECT_EQ(page().find("BMI"), std::string::npos);
    growth_->handleRequest(makeRequest(14, 27));
    bindFormInputs(growth_->inputs(), f_.context());
    measure(12, 84, 0);
    const std::string text = page();
    // 12 / 0.84² = 17.0068 → 17.0; Z = (17.0068 / 16 − 1) / 0.1 = 0.629 → 0.63
    EXPECT_PRED2(startsWith, text, "<STRONG>Calculated BMI </STRONG>:<B> 17</B><BR><BR>Weight");
    EXPECT_NE(text.find("<BR>BMI %tile = &nbsp;50-75% (Z = 0.63)"), std::string::npos);
    EXPECT_NE(text.find("<BR><B>BMI Percentiles</B><BR>3% = 13 Kg/M<SUP>2 </SUP> <BR>"),
              std::string::npos);  // 16 × 0.8119 = 12.99 → 13
}

TEST_F(TykoGrowthTest, HeightBandsHaveNoHeadTable) {
    open(39);
    sex(unit::kMale);
    measure(0, 84, 0);
    const std::string text = page();
    EXPECT_PRED2(startsWith, text, "<BR>Height %tile = &nbsp;50-75% (Z = 0)<");
    EXPECT_NE(text.find("<B>Height Percentiles</B>"), std::string::npos);
    EXPECT_EQ(text.find("Head"), std::string::npos);
    EXPECT_NE(text.find("<B>BMI Percentiles</B>"), std::string::npos);
}

TEST_F(TykoGrowthTest, PageWithTablesNamesItsReference) {
    // The records' label names the reference the rows come from, on the page's last line.
    open(10);
    sex(unit::kMale);
    measure(12, 0, 0);
    EXPECT_TRUE(page().ends_with("<BR><BR>Test growth rows"));
    open(30);
    measure(0, 0, 0);  // the BMI table alone
    EXPECT_TRUE(page().ends_with(" <BR><BR>Test growth rows"));
    open(10);
    measure(0, 0, 0);
    EXPECT_EQ(page(), "");  // no table: no reference line either
}

TEST_F(TykoGrowthTest, NothingGivenAndImplausibleValues) {
    open(10);
    measure(0, 0, 0);
    EXPECT_EQ(page(), "");  // below band 27 with nothing given: an empty report
    measure(0.3f, 0, 0);
    EXPECT_EQ(page(), "(none)");
    measure(0, 50, 0);
    EXPECT_NE(page().find("Length %tile"), std::string::npos);
    measure(0, 0, 65);
    EXPECT_EQ(page(), "(none)");
    open(30);
    measure(0, 0, 0);
    EXPECT_PRED2(startsWith, page(), "<BR><B>BMI Percentiles</B><BR>");
}

}  // namespace
}  // namespace orvane
