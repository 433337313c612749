// Adult Drips on small test tables: its lists (the fixed "B10" lists, the single rates, the
// "A22" 0.05 grid, standard and custom), the refused section change, values outside the lists,
// drip arithmetic at light and heavy weights, per-hour against per-minute common rates, and the
// capped and banded pages at their edges (expected texts worked out by hand beside each case).
#include "dosing/infusions/adult_drips_module.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rendering/page_builder.h"
#include "tests/support/content/infusion_content.h"

namespace orvane {
namespace {

using namespace test_support;
using ContentDir = InfusionContentDir;
using Drug = InfusionDrug;
using Session = ContentSession;
using infusion::kInformation;
using infusion::kInfuse;
using infusion::kMix;
using infusion::kSelections;

constexpr Request rate(int32_t k) {
    return makeRequest(33, k, 2);
}
constexpr Request conc(int32_t k) {
    return makeRequest(33, k, 3);
}

struct Opened {
    Opened(const std::vector<Drug>& drugs, float kg, std::vector<Request> choices)
        : session((dir.writeAdult(drugs), dir.path())), module(session.context, makeRequest(3, 1)) {
        setAdultWeight(session.context, kg);
        for (Request r : choices) module.handleRequest(r);
        page = pageText(module.buildPage(0));
    }
    std::string text(infusion::Section s) const { return module.sections()[s]; }
    ContentDir dir;
    Session session;
    AdultDripsModule module;
    std::string page;
};

Drug fixedDrug(const std::string& code) {
    Drug d;
    d.code = code;
    d.name = "Fixed " + code;
    d.concs = {{1, "1 mg/mL", "Drip mix"}};
    return d;
}

Drug pairDrug(const std::string& code) {
    Drug d;
    d.code = code;
    d.name = "Pair " + code;
    d.concs = {{750, "0.75 mg/mL", ""}};
    d.rates = {{2, "2 mcg/kg/min", ""}};
    return d;
}

TEST(AdultDripsModuleTest, GridCustomRatesAndReturnToStandard) {
    Drug d = rateDrug("A22", {{1, "1 mg/mL", "Mix"}});
    d.low = 0.1f;
    d.high = 0.3f;
    d.step = 0.05f;
    d.customUnit = "mg/kg/hr";
    d.unit = "mg";
    Opened o({d}, 70, {rate(4)});
    EXPECT_TRUE(o.module.customMode());
    const InputField& rates = o.module.rateList();
    ASSERT_EQ(rates.entries.count(), 6);
    const char* shown[] = {"0.1 mg/kg/hr",  "0.15 mg/kg/hr", "0.2 mg/kg/hr",
                           "0.25 mg/kg/hr", "0.3 mg/kg/hr",  "Return to Standard Dosing"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(rates.entries[i].label().str(), shown[i]);
    // 0.3 mg/kg/hr at 70 kg and 1 mg/mL: 0.3 ÷ 60 × 70 × 60 = 21 mL/hr.
    o.module.handleRequest(rate(5));
    o.module.buildPage(0);
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "21 mL/hr (21 mg/hr) of 1 mg/mL solution, to deliver "
                         "0.3 mg/kg/hr."))
        << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kSelections), "Bolus Conc = 25 mg/mL<BR>")) << o.text(kSelections);
    // 3 mg/kg at 70 kg = 210 mg, in 8.4 mL of 25 mg/mL.
    EXPECT_TRUE(contains(o.text(kInfuse), "3 mg/kg = 210 mg (8.4 mL)<BR>"));
    o.module.handleRequest(rate(0));
    o.module.handleRequest(rate(4));
    o.module.handleRequest(rate(6));  // Return to Standard Dosing
    EXPECT_FALSE(o.module.customMode());
    EXPECT_EQ(o.module.rateChoice(), 0);
    EXPECT_EQ(o.module.rateList().entries[3].label().str(), "Select Custom Rate");
}

TEST(AdultDripsModuleTest, OneConcentrationIsChosenAtOnceAndShownPlain) {
    Opened o({rateDrug("D15", {{1600, "1600 mcg/mL", "Mix"}})}, 70, {rate(1)});
    EXPECT_EQ(o.module.concentrationChoice(), 1);
    EXPECT_TRUE(contains(o.page, "<STRONG>Conc: &nbsp;</STRONG>1600 mcg/mL<BR>")) << o.page;
    EXPECT_TRUE(contains(o.page, "<STRONG>Rate: &nbsp;</STRONG><A HREF=\"553779200\">")) << o.page;
}

TEST(AdultDripsModuleTest, SectionRefusedWhileARateIsMissing) {
    Opened o({rateDrug("D15")}, 70, {});
    EXPECT_FALSE(o.module.handleRequest(makeRequest(50, 2)));
    EXPECT_EQ(o.module.section(), 0);
    EXPECT_TRUE(contains(pageText(o.module.buildPage(0)), "Select Rate:"));
    for (Request r : {rate(8), conc(3), makeRequest(50, 5), makeRequest(3, 9)}) {
        EXPECT_TRUE(o.module.handleRequest(r));
    }
    EXPECT_EQ(pageText(o.module.buildPage(0)), o.page);
}

struct DripCase {
    float kg;
    const char* line;
};

TEST(AdultDripsModuleTest, PerKgPerMinuteAtLightAndHeavyWeights) {
    // v = 5 × W × 60 ÷ 1600 = 0.1875 W, printed F1(CR(v)); amount HE(1600 v).
    const DripCase cases[] = {
        {3, "0.6 mL/hr (900 mcg/hr)"},       // 0.5625 → 5.625 → 6 → 0.6
        {13.3f, "2.5 mL/hr (3990 mcg/hr)"},  // 2.49375 → 24.9 → 25 → 2.5
        {100, "19 mL/hr (30000 mcg/hr)"},    // 18.75 → halves: 37.5 → 38 (even) → 19
    };
    for (const DripCase& c : cases) {
        Opened o({rateDrug("D15")}, c.kg, {rate(1), conc(1)});
        EXPECT_TRUE(contains(o.text(kInfuse), std::string("Directions on Infusing Drip:<BR>") +
                                                  c.line +
                                                  " of 1600 mcg/mL solution, to "
                                                  "deliver 5 mcg/kg/min.<BR><BR>"))
            << c.kg << " " << o.text(kInfuse);
    }
}

TEST(AdultDripsModuleTest, PerHourAndPerMinuteCommonRates) {
    // Per hour: R ÷ 0.25 mL/hr; per minute: R × 60 ÷ 4 mL/hr, at any weight.
    Drug hourly = rateDrug("B15", {{0.25f, "0.25 mg/mL", "Mix"}});
    hourly.rates = {{0.5f, "0.5 mg/hr", ""}, {1, "1 mg/hr", ""}, {2, "2 mg/hr", ""}};
    hourly.unit = "mg";
    Opened h({hourly}, 80, {rate(2)});
    EXPECT_TRUE(contains(h.text(kInfuse),
                         "4 mL/hr (1 mg/hr) of 0.25 mg/mL solution, to deliver "
                         "1 mg/hr<BR><BR>Common Rates:<BR>0.5 mg/hr = 2 "
                         "mL/hr<BR>1 mg/hr = 4 mL/hr<BR>2 mg/hr = 8 mL/hr<BR>"))
        << h.text(kInfuse);
    Drug perMinute = rateDrug("E04", {{4, "4 mcg/mL", "Mix"}});
    perMinute.rates = {{1, "1 mcg/min", ""}, {2, "2 mcg/min", ""}};
    Opened m({perMinute}, 80, {rate(1)});
    EXPECT_TRUE(contains(m.text(kInfuse),
                         "Common Rates:<BR>1 mcg/min = 15 mL/hr<BR>2 mcg/min = "
                         "30 mL/hr<BR>"))
        << m.text(kInfuse);
    // 1 mcg/min of 4 mcg/mL: 15 mL/hr, 60 mcg/hr.
    EXPECT_TRUE(contains(m.text(kInfuse), "15 mL/hr (60 mcg/hr) of 4 mcg/mL solution"));
}

TEST(AdultDripsModuleTest, UnitsPerKgPerHour) {
    Drug d = rateDrug("H05", {{100, "100 U/mL", "Mix"}});
    d.unit = "U";
    d.rates = {{18, "18 U/kg/hr", ""}, {12, "12 U/kg/hr", ""}};
    // 18 × 80 ÷ 100 = 14.4 → halves 28.8 → 29 → 14.5 mL/hr; 100 × 14.4 = 1440 → 25s: 1450 U/hr.
    // Common rates R × (1 ÷ 100) × 80: 14.4 → 14.5 and 9.6 → 9.6.
    Opened o({d}, 80, {rate(1)});
    EXPECT_TRUE(contains(o.text(kInfuse), "50 U/kg = 4000 U<BR>")) << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kInfuse), "100 U/kg = 8000 U<BR>")) << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kInfuse), "14.5 mL/hr (1450 U/hr) of 100 U/mL solution"))
        << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kInfuse), "18 U/kg/hr = 14.5 mL/hr<BR>12 U/kg/hr = 9.6 mL/hr<BR>"))
        << o.text(kInfuse);
}

TEST(AdultDripsModuleTest, DiltiazemStyleBolusCapsAt100Kg) {
    Drug d = rateDrug("D05", {{1, "1 mg/mL", "Mix"}});
    Opened heavy({d}, 100, {rate(1)});
    EXPECT_TRUE(contains(heavy.text(kInfuse), "4 mL (20 mg) over 2 minutes."))
        << heavy.text(kInfuse);
    EXPECT_TRUE(contains(heavy.text(kInfuse), "with 5 mL (25 mg) over 2 minutes."));
    // 60 kg: 3 mL (15 mg), repeat 4.2 mL (21 mg).
    Opened light({d}, 60, {rate(1)});
    EXPECT_TRUE(contains(light.text(kInfuse), "3 mL (15 mg) over 2 minutes."));
    EXPECT_TRUE(contains(light.text(kInfuse), "with 4.2 mL (21 mg) over 2 minutes."));
}

TEST(AdultDripsModuleTest, CappedAndBandedFixedPages) {
    const struct {
        const char* code;
        float kg;
        const char* part;
    } cases[] = {
        {"A15", 110, "9 mL (9 mg) over 1 minute to deliver Maximum Bolus Dose."},
        {"A15", 110, "81 mL/hr (81 mg/hr) for 60 minutes, to deliver Maximum Dose."},
        {"A15", 50, "4.5 mL (4.5 mg) over 1 minute (0.09 mg/kg bolus)."},
        {"A15", 50, "40 mL/hr (40 mg/hr) for 60 minutes, to deliver 0.81 mg/kg."},  // 40.5 → 40
        {"T05", 59.9f, "6 mL (30 mg) over 5 seconds"},
        {"T05", 60, "7 mL (35 mg) over 5 seconds"},
        {"T05", 89.9f, "9 mL (45 mg) over 5 seconds"},
        {"T05", 90, "10 mL (50 mg) over 5 seconds"},
        {"T05", 120, "30 mg IVP then 100 mg subcut"},
        {"I01", 100,
         "60 mL (1000 mcg) of 16.7 mcg/mL solution over 10 minutes [set infusion rate "
         "at 360 mL/hr]"},               // b = 59.88 → 60; 6 b = 359.3 → 360
        {"I01", 50, "30 mL (500 mcg)"},  // 500 × 0.05988 = 29.94 → 30
        // 0.2143 × 79 = 16.93, not above 17: CR → 17, 35 × 16.93 = 592.5 → 590.
        {"A10", 79, "17 mL/hr (590 mcg/hr) of 35 mcg/mL solution, to deliver 0.125 mcg/kg/min."},
        {"A10", 80, "17 mL/hr (600 mcg/hr) of 35 mcg/mL solution, to deliver Maximum Dose."},
        {"A05", 80, "17 mL/hr (600 mcg/hr) of 35 mcg/mL solution, to deliver 10 mcg/min."},
        // 60 × 80 = 4800 capped at 4000; 12 × 80 = 960.
        {"A20", 80, "4000 U Bolus then 960 U/hr."},
        {"A20", 80, "50 mL (50 mg) over 30 minutes (0.75 mg/kg) to run at 100 mL/hr"},
        // 0.24 × 70 = 16.8 → halves 33.6 → 34 → 17; 50 × 16.8 = 840; 33.6 → 67.2 → 67 → 33.5.
        {"T10", 70, "17 mL (840 mcg) at 33.5 mL/hr"},
        {"N01", 70, "7 mL/hr (42 mcg/hr)"},
    };
    for (const auto& c : cases) {
        Opened o({fixedDrug(c.code)}, c.kg, {});
        EXPECT_TRUE(contains(o.text(kInfuse), c.part))
            << c.code << " " << c.kg << " " << o.text(kInfuse);
        // No lists on a fixed page.
        EXPECT_FALSE(contains(o.page, "Select Rate")) << o.page;
        EXPECT_FALSE(contains(o.page, "Select Conc")) << o.page;
    }
}

TEST(AdultDripsModuleTest, BolusPairByConcentrationAndWeight) {
    const struct {
        const char* code;
        float kg;
        int32_t conc;
        const char* part;
    } cases[] = {
        // 120 × 70 ÷ 2000 = 4.2, below the 7.5 cap; 2000 × 4.2 = 8400.
        {"E10", 70, 2,
         "4.2 mL/hr (8400 mcg/hr) of 2 mg/mL solution, to deliver 2 mcg/kg/min "
         "[Max 7.5 mL/hr]."},
        // 120 × 70 ÷ 750 = 11.2 → halves 22.4 → 22 → 11.
        {"E10", 70, 1,
         "11 mL/hr (8400 mcg/hr) of 0.75 mg/mL solution, to deliver 2 mcg/kg/min "
         "[Max 20 mL/hr]."},
        {"E10", 150, 1, "20 mL/hr (15000 mcg/hr)"},
        {"E10", 150, 2, "7.5 mL/hr (15000 mcg/hr)"},
        // Bolus: 0.09 × 70 = 6.3 mL, 12600 mcg; above 125.6 kg it stays at 11.3 mL, written as
        // it is (the halves band would print 11.5 mL, above the maximum).
        {"E10", 70, 1, "6.3 mL (12600 mcg) over 1 minute"},
        {"E10", 150, 1,
         "11.3 mL (22600 mcg) over 1 minute of 2 mg/mL solution to deliver 180 "
         "mcg/kg [Max 11.3 mL Bolus].<BR><BR>"},
        {"E13", 150, 1, "[Max 11.3 mL Bolus], this bolus is repeated in 10 minutes."},
        // 60 × 150 ÷ 2000 = 4.5, capped at 3.75, whose tenths step 3.8 (37.5 to the even 38) is
        // above the cap the line states: 3.7. 2000 × 3.75 = 7500 mcg/hr.
        {"E12", 150, 2,
         "3.7 mL/hr (7500 mcg/hr) of 2 mg/mL solution, to deliver 1 mcg/kg/min "
         "[Max 3.75 mL/hr]."},
        {"E14", 150, 2,
         "3.7 mL/hr (7500 mcg/hr) of 2 mg/mL solution, to deliver 1 mcg/kg/min "
         "[Max 3.75 mL/hr]."},
        // 60 × 100 ÷ 2000 = 3, below 3.75.
        {"E12", 100, 2,
         "3 mL/hr (6000 mcg/hr) of 2 mg/mL solution, to deliver 1 mcg/kg/min "
         "[Max 3.75 mL/hr]."},
    };
    for (const auto& c : cases) {
        Opened o({pairDrug(c.code)}, c.kg, {rate(1), conc(c.conc)});
        EXPECT_TRUE(contains(o.text(kInfuse), c.part))
            << c.code << " " << c.kg << " " << o.text(kInfuse);
    }
    Opened o({pairDrug("E10")}, 70, {rate(1)});
    EXPECT_TRUE(contains(o.page, "<STRONG>Select Infusion Conc.:</STRONG><BR>")) << o.page;
    EXPECT_EQ(o.module.concentrationList().entries[1].label().str(), "2 mg/mL");
}

// The single rate entry of each bolus-pair drip names what its drip delivers: 120 mcg/kg/hr ÷ 60
// = 2 mcg/kg/min ("E10", "E13"), 60 mcg/kg/hr ÷ 60 = 1 mcg/kg/min ("E12", "E14").
TEST(AdultDripsModuleTest, BolusPairRateEntryIsTheDoseItsDripDelivers) {
    const struct {
        const char* code;
        const char* dose;
    } cases[] = {{"E10", "2 mcg/kg/min"},
                 {"E13", "2 mcg/kg/min"},
                 {"E12", "1 mcg/kg/min"},
                 {"E14", "1 mcg/kg/min"}};
    for (const auto& c : cases) {
        // The stored rate text is not what the list shows.
        Drug d = pairDrug(c.code);
        d.rates = {{2, "stored rate", ""}};
        Opened o({d}, 70, {rate(1), conc(1)});
        ASSERT_EQ(o.module.rateList().entries.count(), 1) << c.code;
        EXPECT_EQ(o.module.rateList().entries[0].label().str(), c.dose) << c.code;
        EXPECT_TRUE(contains(o.page, std::string("</STRONG>") + c.dose + "<BR>")) << o.page;
        EXPECT_TRUE(contains(o.text(kInfuse), std::string("to deliver ") + c.dose + " [Max"))
            << o.text(kInfuse);
    }
}

TEST(AdultDripsModuleTest, TwoStageDripByRenalFunction) {
    Drug d = fixedDrug("B10");
    // Rate 2 (2.5 mg/kg/h) at GFR 30-59 (× 0.8): 2 mg/kg/h and 0.16 mg/kg/h. 80 kg: 160 mg/hr
    // is 32 mL/hr of 5 mg/mL; 12.8 mg/hr is 25.6 → 25.5 mL/hr of 0.5 mg/mL.
    Opened o({d}, 80, {rate(2), conc(2)});
    EXPECT_EQ(o.module.rateList().entries.count(), 2);
    EXPECT_EQ(o.module.concentrationList().entries[3].label().str(), "Dialysis Dependent");
    EXPECT_TRUE(contains(o.text(kSelections), "Rate(0-4 hrs GFR adjusted): 2 mg/kg/h"))
        << o.text(kSelections);
    EXPECT_TRUE(contains(o.text(kInfuse), "16 mL(80 mg) of 5 mg/mL solution slow IVP."));
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "32 mL/hr(160 mg/hr) of 5 mg/mL solution,to deliver 2 "
                         "mg/kg/h"))
        << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kInfuse), "25.5 mL/hr(13 mg/hr) of 0.5 mg/mL solution"))
        << o.text(kInfuse);
}

TEST(AdultDripsModuleTest, PrimingNoteAndRateTextKind) {
    Drug d = fixedDrug("D20");
    d.concs = {{200, "200 mcg/mL", "Mix"}};
    d.rates = {{24, "stored text", ""}};
    d.rateTextKind = 12;
    // 24 × 40 ÷ 200 = 4.8 mL/hr: below 5 at 200 mcg/mL.
    Opened light({d}, 40, {rate(1)});
    EXPECT_TRUE(contains(light.text(kInfuse),
                         "4.8 mL/hr (960 mcg/hr) of 200 mcg/mL solution, to "
                         "deliver 24 mcg/kg/hr.<BR><BR>Infusion to continue"))
        << light.text(kInfuse);
    EXPECT_TRUE(contains(light.text(kInfuse), "priming the infusion line"));
    Opened heavy({d}, 50, {rate(1)});
    EXPECT_FALSE(contains(heavy.text(kInfuse), "priming"));
    EXPECT_TRUE(contains(heavy.text(kInfuse), "6 mL/hr (1200 mcg/hr)"));
}

TEST(AdultDripsModuleTest, EggAllergyNoteAndNoRateForZeroWeight) {
    Opened o({rateDrug("P18")}, 70, {rate(1), conc(1)});
    EXPECT_EQ(o.text(kInformation),
              "Info one<BR>Info two<BR><BR>Avoid in patients allergic to eggs.");
    Opened zero({rateDrug("P18")}, 0, {rate(1), conc(1)});
    EXPECT_EQ(zero.text(kInfuse), infusion::kNoRateNotice);
    Opened fixedZero({fixedDrug("A15")}, 0, {});
    EXPECT_EQ(fixedZero.text(kInfuse), infusion::kNoRateNotice);
}

// A damaged record that lists no rate or no concentration leaves R or K at 0: the per-hour page
// printed "0 mL/hr (0 mg/hr)" from R = 0 and the per-kg one "ERR mL/hr" from K = 0; both give no
// amount. The bolus-pair drips run at their own dose and need no rate list.
TEST(AdultDripsModuleTest, NoRateWithoutARateOrConcentrationList) {
    Drug noRates = rateDrug("B15", {{1, "1 mg/mL", "Mix"}});
    noRates.rates = {};
    Drug neither = rateDrug("D10", {});
    neither.rates = {};
    const struct {
        const char* name;
        Drug drug;
        std::vector<Request> choices;
    } cases[] = {{"no rate list", noRates, {conc(1)}},
                 {"neither list", neither, {}},
                 {"no concentration list", rateDrug("D10", {}), {rate(1)}}};
    for (const auto& c : cases) {
        Opened o({c.drug}, 70, c.choices);
        EXPECT_EQ(o.text(kInfuse), infusion::kNoRateNotice) << c.name;
        EXPECT_FALSE(contains(o.page, "ERR")) << c.name;
        EXPECT_FALSE(contains(o.page, "mL/hr")) << c.name;
    }
    Drug pair = pairDrug("E10");
    pair.rates = {};
    // 70 kg: the 180 mcg/kg bolus is 0.09 mL/kg × 70 = 6.3 mL of 2 mg/mL (12600 mcg).
    Opened o({pair}, 70, {conc(1)});
    EXPECT_TRUE(contains(o.text(kInfuse), "6.3 mL (12600 mcg)")) << o.text(kInfuse);
}

}  // namespace
}  // namespace orvane
