// The scoring calculators as modules over the fixture scoring table: the choice page and the
// toggles, answering and clearing criteria, the scores and their bands, and the fixed texts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "calculators/formulas/score_bands.h"
#include "calculators/scores/mi_risk_score.h"
#include "tests/calculators/calculator_session.h"

namespace orvane {
namespace {

using test_support::OpenCalculator;

bool contains(const std::string& page, const std::string& text) {
    return page.find(text) != std::string::npos;
}

TEST(ApgarTest, ChoicePageThenScore) {
    OpenCalculator apgar(4);
    ASSERT_TRUE(apgar.module()->isAvailable());
    EXPECT_EQ(apgar.module()->title().str(), "Calculators");
    EXPECT_EQ(apgar.module()->caption().str(), "Calc 4");
    const std::string first = apgar.page();
    // Unanswered: the bold heading and one link per answer with the image "drug".
    // (33, 1, 1) is 33 × 2^24 + 1 × 2^16 + 1 = 553713665.
    const std::string firstStart =
        "<STRONG>Heart rate : &nbsp;</STRONG><BR><A HREF=\"553713665\"><IMG "
        "src=\"drug\">&nbsp;<U>none</U></A><BR><A HREF=\"553713666\"><IMG src=\"drug\">";
    EXPECT_EQ(first.substr(0, firstStart.size()), firstStart);
    for (int32_t k = 1; k <= 4; ++k) apgar.send(33, 3, k);  // "full", 2 points each
    apgar.send(33, 2, 5);                                   // "some", 1 point
    const std::string page = apgar.page();
    EXPECT_TRUE(contains(page, "<BR><B>Apgar Score&nbsp;=&nbsp;9</B>"));
    // An answered criterion: its label and its answer as a link back to the list.
    // (33, 0, 1) = 553713664; no extra line break while the next criterion is answered too.
    const std::string answeredStart =
        "<STRONG>Heart rate : &nbsp;</STRONG><A HREF=\"553713664\"><U>full</U></A><BR><STRONG>"
        "Respiratory effort : &nbsp;</STRONG>";
    EXPECT_EQ(page.substr(0, answeredStart.size()), answeredStart);
}

TEST(ApgarTest, TappingTheAnswerOffersTheListAgain) {
    OpenCalculator apgar(4);
    for (int32_t k = 1; k <= 5; ++k) apgar.send(33, 1, k);
    EXPECT_TRUE(contains(apgar.page(), "Apgar Score&nbsp;=&nbsp;0</B>"));
    apgar.send(33, 0, 2);  // the answer link of criterion 2
    const std::string page = apgar.page();
    EXPECT_FALSE(contains(page, "Apgar Score"));
    EXPECT_TRUE(contains(page, "<STRONG>Respiratory effort : &nbsp;</STRONG><BR>"));
    apgar.send(33, 1, 9);  // no criterion 9: ignored
    apgar.send(33, 7, 1);  // no answer 7: the criterion is cleared
    EXPECT_EQ(apgar.scoring().criteria()[0].unit, 0);
}

TEST(CroupTest, SevereAnswerOverridesAMildTotal) {
    OpenCalculator croup(17);
    // Color normal 0, air movement mild 1, retraction moderate 2, mentation normal 0, stridor
    // severe 3 (answer 4): total 6, band 5-6, but the stridor answer makes it severe.
    croup.send(33, 1, 1);
    croup.send(33, 2, 2);
    croup.send(33, 3, 3);
    croup.send(33, 1, 4);
    croup.send(33, 4, 5);
    croup.page();
    EXPECT_EQ(croup.result(1), "6");
    EXPECT_EQ(croup.result(2), " 5-6 ");
    EXPECT_EQ(croup.result(3), " 'Mild/Moderate' ");
    EXPECT_EQ(croup.result(4), kCroupSevereAdvice);
    EXPECT_EQ(croup.result(5), "<STRONG> 'Severe' </STRONG> ");
    EXPECT_EQ(croup.result(6),
              " But the selection of ' Stridor = severe' indicates severity of "
              "<STRONG>'Severe' </STRONG>not 'Mild/Moderate' ");
}

TEST(CroupTest, TerminalAndModerateBands) {
    OpenCalculator croup(17);
    for (int32_t k = 1; k <= 5; ++k) croup.send(33, 4, k);
    croup.page();
    EXPECT_EQ(croup.result(1), "15");
    EXPECT_EQ(croup.result(2), " 15 ");
    EXPECT_EQ(croup.result(3), " 'Terminal' ");
    EXPECT_EQ(croup.result(5), " 'Terminal' ");
    EXPECT_EQ(croup.result(6), " ");  // above 8 the severe answers need no sentence

    OpenCalculator moderate(17);
    for (int32_t k = 1; k <= 4; ++k) moderate.send(33, 3, k);  // 2 each: 8
    moderate.send(33, 1, 5);
    const std::string page = moderate.page();
    EXPECT_EQ(moderate.result(3), " 'Moderate' ");
    EXPECT_EQ(moderate.result(4), " racemic epinephrine, consider steroids, admit most ");
    EXPECT_EQ(moderate.result(6), " ");
    EXPECT_TRUE(contains(page, "<BR>T|<STRONG>8&nbsp;</STRONG>"));
}

TEST(GlasgowComaScaleTest, BandsAndPediatricWording) {
    OpenCalculator gcs(18);
    std::string page = gcs.page();
    EXPECT_TRUE(contains(page, "Age : &nbsp;"));
    EXPECT_FALSE(contains(page, "Eye opening"));  // only once the age band is chosen
    gcs.send(33, 2, 1);                           // 1-2 years: records 9-11
    page = gcs.page();
    EXPECT_TRUE(contains(page, "Best verbal band2 :"));
    gcs.send(33, 2, 2);  // E3
    gcs.send(33, 3, 3);  // M4
    gcs.send(33, 5, 4);  // V1: 3 + 4 + 1 = 8
    page = gcs.page();
    EXPECT_EQ(gcs.result(1), "8");
    EXPECT_EQ(gcs.result(2), "Severe");
    EXPECT_TRUE(contains(page,
                         "<BR>Calc. Pediatric Glasgow Coma Scale is : <B>8</B><BR><BR><B>"
                         "Interpretation :</B><BR>This score indicates that injury is "
                         "<B>'Severe</B>'"));
    gcs.send(33, 4, 4);  // V2: 9
    gcs.page();
    EXPECT_EQ(gcs.result(2), "Moderate");
    gcs.send(33, 4, 1);  // adult band: the answers keep their numbers
    gcs.send(33, 1, 4);  // V5: 3 + 4 + 5 = 12
    gcs.send(33, 2, 3);  // M5: 13
    page = gcs.page();
    EXPECT_EQ(gcs.result(1), "13");
    EXPECT_EQ(gcs.result(2), "Mild");
    EXPECT_TRUE(contains(page, "<BR>Calc. Glasgow Coma Scale is : <B>13</B>"));
    EXPECT_TRUE(contains(page, "V5 band4"));  // the answer's text follows the new band
    gcs.send(33, 0, 1);                       // clearing the age clears the rest
    for (int32_t k = 2; k <= 4; ++k) EXPECT_EQ(gcs.scoring().criteria()[k - 1].unit, 0);
}

TEST(TraumaScoreTest, HeadingsBecomeLabelsAndPointsAdd) {
    OpenCalculator trauma(32);
    EXPECT_EQ(trauma.scoring().criteria()[0].label.str(), "RTS 24");
    trauma.send(33, 1, 1);
    trauma.send(33, 2, 2);
    trauma.send(33, 5, 3);
    EXPECT_TRUE(contains(trauma.page(), "<BR>T|<STRONG>7&nbsp;</STRONG>"));

    OpenCalculator pediatric(27);
    ASSERT_EQ(pediatric.scoring().criteria().count(), 6);
    EXPECT_EQ(pediatric.scoring().criteria()[5].label.str(), "Ped 23");
    for (int32_t k = 1; k <= 5; ++k) pediatric.send(33, 1, k);
    pediatric.send(33, 3, 6);  // 5 × 2 − 1
    pediatric.page();
    EXPECT_EQ(pediatric.result(1), "9");
}

TEST(OxygenTankTest, MinutesSentence) {
    OpenCalculator oxygen(25);
    oxygen.send(33, 2, 1);  // E Tank
    oxygen.send(33, 3, 2);  // 2000 PSI
    oxygen.send(33, 5, 3);  // 2 liters/min
    const std::string page = oxygen.page();
    EXPECT_TRUE(contains(page,
                         "<BR><B>252</B>&nbsp;minutes of oxygen is estimated with a <B>E "
                         "Tank</B>&nbsp; at <B>2000 PSI</B>&nbsp; with flow rate of <B>2 "
                         "liters/min</B>"));
}

TEST(RansonTest, TogglesAndResult) {
    OpenCalculator ranson(31);
    const InputField* menu = ranson.module()->choiceList(makeRequest(80, 0));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->entries.count(), 2);
    EXPECT_EQ(menu->entries[0].label().str(), "Selections");
    EXPECT_EQ(menu->entries[1].request(), makeRequest(50, 1));
    EXPECT_EQ(ranson.scoring().criteria()[9].label.str(), "Base deficit >4 mEq/L");
    ranson.send(33, 1, 1);
    ranson.send(33, 1, 10);
    std::string page = ranson.page(0);
    EXPECT_TRUE(contains(page, "<STRONG>On Admission or Presentation :</STRONG><BR><A HREF=\"" +
                                   std::to_string(makeRequest(33, 0, 1)) +
                                   "\"><IMG src=\"yes\">&nbsp;Age &gt;55 years</A><BR>") ||
                contains(page, "<IMG src=\"yes\">&nbsp;Age >55 years</A><BR>"));
    EXPECT_TRUE(contains(page, "<IMG src=\"no\">&nbsp;WBC >16,000</A><BR>"));
    page = ranson.page(1);
    EXPECT_EQ(ranson.result(1), "2");
    EXPECT_TRUE(contains(page,
                         "<STRONG>Results based on:</STRONG><BR>Age >55 years<BR>Base "
                         "deficit >4 mEq/L<BR>"));
}

TEST(MiRiskTest, MortalityBandsAtTheirEdges) {
    struct Case {
        int32_t answers[7];
        std::vector<int32_t> factors;
        const char* band;
        const char* score;
    };
    // Score = 5 + 11 × age answer + the other answer numbers + factor numbers.
    const Case cases[] = {{{9, 9, 9, 9, 3, 7, 1}, {}, "20", "142"},
                          {{9, 9, 9, 9, 3, 6, 1}, {}, "10-20", "141"},
                          {{9, 9, 9, 9, 3, 9, 9}, {4, 5}, ">50", "161"},
                          {{1, 1, 1, 1, 1, 1, 1}, {}, "<10", "22"}};
    for (const Case& c : cases) {
        OpenCalculator mi(10);
        for (int32_t k = 1; k <= 7; ++k) mi.send(33, c.answers[k - 1], k);
        for (int32_t f : c.factors) mi.send(33, 1, 7 + f);
        const std::string page = mi.page(1);
        EXPECT_EQ(mi.result(1), c.band) << c.score;
        EXPECT_TRUE(contains(page, std::string("<B>Score</B>: ") + c.score + "<BR>")) << page;
    }
}

TEST(MiRiskTest, SelectionsShowKillipClassUpToItsColon) {
    OpenCalculator mi(10);
    mi.send(33, 2, 5);
    const std::string page = mi.page(0);
    EXPECT_TRUE(contains(page, "<STRONG>Killip Class : </STRONG><A HREF=\"" +
                                   std::to_string(makeRequest(33, 0, 5)) +
                                   "\"><U>Class II</U></A><BR><BR>"));
    EXPECT_TRUE(contains(page, "<STRONG>Check Additional Risk Factors :</STRONG><BR>"));
    EXPECT_EQ(mi.scoring().criteria()[4].text.str(), "Class II: Rales \xBD way up lung fields");
    EXPECT_FALSE(contains(page, "<A name=\"anchor\">"));
    mi.send(33, 1, 9);
    EXPECT_TRUE(contains(mi.page(0), "<A name=\"anchor\"></A>"));
}

TEST(MiRiskTest, NoScoreWhileACriterionIsUnanswered) {
    OpenCalculator mi(10);
    for (int32_t k = 1; k <= 6; ++k) mi.send(33, 1, k);
    EXPECT_EQ(mi.page(1), kMiRiskIncompleteText);
}

TEST(WellsTest, DeepVeinThrombosisLastItemAlone) {
    OpenCalculator dvt(38);
    EXPECT_EQ(dvt.result(1), " ");
    dvt.send(33, 1, 10);
    const std::string selections = dvt.page(0);
    EXPECT_TRUE(contains(selections, "<A name=\"anchor\"></A>"));
    EXPECT_TRUE(contains(dvt.page(1), "T|<STRONG>-2&nbsp;</STRONG>"));
    EXPECT_EQ(dvt.result(1), "-2");
}

TEST(WellsTest, PulmonaryEmbolismPoints) {
    OpenCalculator pe(39);
    pe.send(33, 1, 1);  // 3
    pe.send(33, 1, 3);  // 1.5
    pe.send(33, 1, 6);  // 1
    pe.page(1);
    EXPECT_EQ(pe.result(1), "5.5");
    pe.send(33, 0, 1);
    pe.page(1);
    EXPECT_EQ(pe.result(1), "2.5");
    const std::string selections = pe.page(0);
    EXPECT_TRUE(contains(selections, "<IMG src=\"no\">&nbsp;Suspected DVT</A><BR><BR>"));
    EXPECT_TRUE(contains(selections, "<IMG src=\"yes\">&nbsp;Hemoptysis</A><BR><BR>"));
}

TEST(ScoringFactoryTest, EveryScoringNumberAndNoOther) {
    const std::vector<int32_t> scoring = {4, 10, 17, 18, 25, 27, 31, 32, 38, 39};
    OpenCalculator any(4);
    for (int32_t n = 0; n <= 41; ++n) {
        const bool isScoring = std::find(scoring.begin(), scoring.end(), n) != scoring.end();
        auto module = test_support::makeCalculator(n, any.context());
        EXPECT_EQ(dynamic_cast<ScoringCalculator*>(module.get()) != nullptr, isScoring) << n;
    }
}

TEST(ScoringAvailabilityTest, NoCalculatorTableNoModuleContent) {
    test_support::CalculatorContentDir empty;
    test_support::ContentSession session(empty.path());
    auto apgar = test_support::makeCalculator(4, session.context);
    EXPECT_FALSE(apgar->isAvailable());
    // No scoring table: only the headings.
    const std::string page = apgar->buildPage(0);
    EXPECT_EQ(page.substr(0, 47), "<STRONG>Heart rate : &nbsp;</STRONG><BR><BR><ST");
}

}  // namespace
}  // namespace orvane
