// TykoDrips on small test tables: its lists and labels, custom rates, refused section changes,
// values outside the lists, the drip arithmetic at light and heavy weights (worked out by hand
// below each case), the Rule of 6's edges, the weight-band and capped pages, both "T10" mixes,
// the three "P20" mixes, and no rate for a zero weight or concentration or a damaged record.
#include "dosing/infusions/tyko_drips_module.h"

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
using infusion::kInfuse;
using infusion::kMix;
using infusion::kSelections;

constexpr Request rate(int32_t k) {
    return makeRequest(33, k, 2);
}
constexpr Request conc(int32_t k) {
    return makeRequest(33, k, 3);
}
constexpr Request section(int32_t k) {
    return makeRequest(50, k);
}

struct Fixture {
    explicit Fixture(const std::vector<Drug>& drugs)
        : session((dir.writeChild(drugs), dir.path())) {}
    ContentDir dir;
    Session session;
    PatientContext& context() { return session.context; }
};

// Opens drug 1 at the weight, with the given choices, and builds the page once.
struct Opened {
    Opened(const std::vector<Drug>& drugs, float kg, std::vector<Request> choices)
        : f(drugs), module(f.context(), makeRequest(11, 1)) {
        setChildWeight(f.context(), kg);
        for (Request r : choices) module.handleRequest(r);
        page = pageText(module.buildPage(0));
    }
    std::string text(infusion::Section s) const { return module.sections()[s]; }
    Fixture f;
    TykoDripsModule module;
    std::string page;
};

TEST(TykoDripsModuleTest, ListsLabelsAndChoices) {
    Fixture f({rateDrug("D10"), rateDrug("D15")});
    TykoDripsModule module(f.context(), makeRequest(11, 0));
    EXPECT_EQ(module.title().str(), "TykoDrips");
    EXPECT_EQ(module.buildPage(0), nullptr);
    InputField* drugs = module.choiceList(makeRequest(11, 0));
    ASSERT_EQ(drugs->entries.count(), 2);
    EXPECT_EQ(drugs->label.str(), "Select Drug :");
    EXPECT_EQ(drugs->entries[1].request(), makeRequest(11, 2));

    module.handleRequest(makeRequest(11, 2));
    EXPECT_EQ(module.caption().str(), "Drug D15");
    setChildWeight(f.context(), 10);
    std::string page = pageText(module.buildPage(0));
    EXPECT_EQ(f.context().pageBuilder().weightInput, 2);
    const InputField& rates = module.rateList();
    ASSERT_EQ(rates.entries.count(), 4);
    EXPECT_EQ(rates.entries[0].label().str(), "5 mcg/kg/min (low)");
    EXPECT_EQ(rates.entries[3].label().str(), "Select Custom Rate");
    EXPECT_EQ(rates.entries[2].request(), rate(3));
    EXPECT_TRUE(contains(page, "<STRONG>Select Rate:</STRONG><BR>")) << page;
    // No concentration section before a rate is chosen.
    EXPECT_FALSE(contains(page, "Concentration")) << page;

    module.handleRequest(rate(2));
    page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<STRONG>Rate: </STRONG><A HREF=\"553779200\">")) << page;
    EXPECT_TRUE(contains(page, "<STRONG>Select Concentration :</STRONG><BR>")) << page;
    module.handleRequest(conc(2));
    page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<STRONG>Conc: </STRONG>")) << page;
    EXPECT_TRUE(contains(page,
                         "Selections:<BR>Drip Conc = 3200 mcg/mL<BR>Selected Rate = "
                         "10 mcg/kg/min<BR><BR>"))
        << page;
}

TEST(TykoDripsModuleTest, SectionChangeRefusedUntilEveryChoiceIsMade) {
    Fixture f({rateDrug("D10")});
    TykoDripsModule module(f.context(), makeRequest(11, 1));
    setChildWeight(f.context(), 10);
    EXPECT_FALSE(module.handleRequest(section(2)));
    EXPECT_EQ(module.section(), 0);
    module.handleRequest(rate(1));
    EXPECT_FALSE(module.handleRequest(section(2)));
    module.handleRequest(conc(1));
    EXPECT_TRUE(module.handleRequest(section(2)));
    EXPECT_EQ(module.section(), 2);
    EXPECT_EQ(module.choiceList(makeRequest(80, 0))->label.str(), "Infuse");
    const std::string page = pageText(module.buildPage(0));
    EXPECT_EQ(page.rfind("Directions on Infusing Drip:<BR>", 0), 0u) << page;
}

TEST(TykoDripsModuleTest, ValuesOutsideTheListsAreIgnored) {
    Opened o({rateDrug("D10")}, 8, {rate(2), conc(1)});
    const std::string before = o.page;
    for (Request r : {rate(9), conc(7), section(9), makeRequest(11, 5)}) {
        EXPECT_TRUE(o.module.handleRequest(r));
        EXPECT_EQ(pageText(o.module.buildPage(0)), before);
    }
}

struct RateCase {
    float kg;
    const char* drip;  // the drip line's rate and amount
};

TEST(TykoDripsModuleTest, RatePerKgPerMinute) {
    // v = CR(10 × W × 60 ÷ 1600), amount HE(1600 v):
    const RateCase cases[] = {
        {3, "1.1 mL/hr (1760 mcg/hr)"},      // 1.125 → tenths 11.25 → 11 → 1.1
        {8, "3 mL/hr (4800 mcg/hr)"},        // 3
        {13.3f, "5 mL/hr (8000 mcg/hr)"},    // 4.9875 → 49.875 → 50 → 5
        {100, "37.5 mL/hr (60000 mcg/hr)"},  // 37.5 in the halves band
    };
    for (const RateCase& c : cases) {
        Opened o({rateDrug("N05")}, c.kg, {rate(2), conc(1)});
        EXPECT_EQ(o.text(kInfuse).rfind(std::string("Directions on Infusing Drip:<BR>") + c.drip +
                                            " of 1600 mcg/mL solution, to deliver 10 mcg/kg/min."
                                            "<BR><BR>Common Rates:<BR>",
                                        0),
                  0u)
            << c.kg << " " << o.text(kInfuse);
    }
    // Common rates at 8 kg: R × (60 ÷ 1600) × 8 = 0.3 R.
    Opened o({rateDrug("N05")}, 8, {rate(1), conc(1)});
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "Common Rates:<BR>5 mcg/kg/min = 1.5 mL/hr<BR>"
                         "10 mcg/kg/min = 3 mL/hr<BR>20 mcg/kg/min = 6 mL/hr<BR>"))
        << o.text(kInfuse);
    EXPECT_EQ(o.text(kMix), "How to Mix Drip Solution: <BR>Mix A<BR><BR>");
    EXPECT_EQ(o.module.sections()[infusion::kInformation], "Info one<BR>Info two");
    EXPECT_EQ(o.module.sections()[infusion::kCompatibility], "Compat");
}

// Dextrose: K is the percentage, so D10W holds 100 mg/mL and D12.5W 125 mg/mL. R mg/kg/min is
// R × W × 60 ÷ (10 K) mL/hr, which the page works as R × W ÷ (0.167 K). The common rates are
// the same mL/hr for each rate, not R × 60 ÷ K × W (ten times as much).
TEST(TykoDripsModuleTest, DextroseCommonRatesAreTheDripRates) {
    Drug d;
    d.code = "D05";
    d.name = "Dextrose";
    d.unit = "mg";
    d.concs = {{10, "D10W", "Mix 10"}, {12.5f, "D12.5W", "Mix 12.5"}};
    d.rates = {{4, "4 mg/kg/min", "(low)"}, {6, "6 mg/kg/min", ""}, {8, "8 mg/kg/min", ""}};
    d.customUnit = "mg/kg/min";
    // 3 kg of D10W: 4, 6 and 8 mg/kg/min are 720, 1080 and 1440 mg/hr, or 7.2, 10.8 and
    // 14.4 mL/hr of 100 mg/mL (7.19, 10.78 and 14.37 by 0.167); dose-rounded 7.2, 11 and
    // 14.5 (halves from 10 mL/hr).
    Opened d10({d}, 3, {rate(1), conc(1)});
    EXPECT_TRUE(contains(d10.text(kInfuse),
                         "Directions on Infusing Drip:<BR>7.2 mL/hr (720 mg/hr) of D10W (100 "
                         "mg/mL), to deliver 4 mg/kg/min.<BR><BR>"))
        << d10.text(kInfuse);
    EXPECT_TRUE(contains(d10.text(kInfuse),
                         "Common Rates:<BR>4 mg/kg/min = 7.2 mL/hr<BR>6 mg/kg/min = 11 mL/hr<BR>"
                         "8 mg/kg/min = 14.5 mL/hr<BR>"))
        << d10.text(kInfuse);
    // 3 kg of D12.5W: 4 mg/kg/min = 12 ÷ (0.167 × 12.5) = 5.75 mL/hr, tenths 5.7 (720 mg/hr
    // is 5.76 mL/hr of 125 mg/mL); 6: 8.62 → 8.6; 8: 11.50 → halves 11.5.
    Opened d125({d}, 3, {rate(1), conc(2)});
    EXPECT_TRUE(contains(d125.text(kInfuse), "Directions on Infusing Drip:<BR>5.7 mL/hr ("))
        << d125.text(kInfuse);
    EXPECT_TRUE(contains(d125.text(kInfuse),
                         "Common Rates:<BR>4 mg/kg/min = 5.7 mL/hr<BR>6 mg/kg/min = 8.6 mL/hr<BR>"
                         "8 mg/kg/min = 11.5 mL/hr<BR>"))
        << d125.text(kInfuse);
}

// The "E15" drip rate goes through the dose bands as every drip line does: 0.05 mg/kg/min at
// 13.3 kg of 10 mg/mL is 0.05 × 13.3 × 60 ÷ 10 = 3.99 mL/hr, written 4 mL/hr (40 mg/hr), as its
// common rate reads.
TEST(TykoDripsModuleTest, BolusAndDripRateIsDoseRounded) {
    Drug d;
    d.code = "E15";
    d.name = "Bolus and drip";
    d.unit = "mg";
    d.concs = {{10, "10 mg/mL", "Mix"}};
    d.rates = {{0.05f, "50 mcg/kg/min", ""}, {0.1f, "100 mcg/kg/min", ""}};
    Opened o({d}, 13.3f, {rate(1)});
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "Directions on Infusing Drip:<BR>4 mL/hr (40 mg/hr) of 10 mg/mL solution, "
                         "to deliver 50 mcg/kg/min."))
        << o.text(kInfuse);
    // 0.1 × 13.3 × 6 = 7.98 → 8.
    EXPECT_TRUE(
        contains(o.text(kInfuse),
                 "Common Rates:<BR>50 mcg/kg/min = 4 mL/hr<BR>100 mcg/kg/min = 8 mL/hr<BR>"))
        << o.text(kInfuse);
}

TEST(TykoDripsModuleTest, UnitsPerKgPerHour) {
    Drug d = rateDrug("H05", {{50, "50 U/mL", "Mix"}});
    d.unit = "U";
    d.rates = {{20, "20 U/kg/hr", ""}, {28, "28 U/kg/hr", ""}};
    // 20 × 10 ÷ 50 = 4 mL/hr, 200 U/hr; common rates R × (1 ÷ 50) × 10: 4 and 5.6.
    Opened o({d}, 10, {rate(1)});
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "Bolus Information:<BR>50 U/kg = 500 U<BR>60 U/kg = "
                         "600 U<BR>70 U/kg = 700 U<BR>80 U/kg = 800 U<BR>"))
        << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kInfuse), "4 mL/hr (200 U/hr) of 50 U/mL solution"));
    EXPECT_TRUE(contains(o.text(kInfuse), "20 U/kg/hr = 4 mL/hr<BR>28 U/kg/hr = 5.6 mL/hr<BR>"));
}

struct RuleCase {
    const char* code;
    float kg;
    const char* place;
    const char* firstTableLine;
};

TEST(TykoDripsModuleTest, RuleOfSixEdges) {
    const RuleCase cases[] = {
        {"D15", 8, "Place 480 mg of Dopamine", "0.1 mL/hr = 1 mcg/kg/min<BR>"},
        {"D15", 10, "Place 60 mg of Dopamine", "1 mL/hr = 1 mcg/kg/min<BR>"},
        {"D10", 9.9f, "Place 590 mg of Dobutamine", "0.1 mL/hr = 1 mcg/kg/min<BR>"},  // 594 → 590
        {"E05", 19.9f, "Place 12 mg of Epinephrine", "1 mL/hr = 0.1 mcg/kg/min<BR>"},  // 11.94 → 12
        {"E05", 20, "Place 1.2 mg of Epinephrine", "10 mL/hr = 0.1 mcg/kg/min<BR>"},
    };
    for (const RuleCase& c : cases) {
        Opened o({rateDrug(c.code)}, c.kg, {rate(1), conc(1)});
        const std::string& infuse = o.text(kInfuse);
        const std::string expected =
            std::string("<BR>Alternatively, using Rule of 6's:<BR>") + c.place + " in 100 mL";
        EXPECT_TRUE(contains(infuse, expected)) << c.code << " " << c.kg << " " << infuse;
        EXPECT_TRUE(contains(infuse, c.firstTableLine)) << c.code << " " << c.kg << " " << infuse;
    }
}

TEST(TykoDripsModuleTest, CustomRatesPerHourAndReturnToStandard) {
    Drug d = rateDrug("A20", {{1, "1 mg/mL", "Mix"}});
    d.unit = "mg";
    d.low = 6;
    d.high = 12;
    d.step = 3;
    d.customUnit = "mg/kg/hr";
    Fixture f({d});
    TykoDripsModule module(f.context(), makeRequest(11, 1));
    setChildWeight(f.context(), 10);
    module.handleRequest(rate(4));  // Select Custom Rate
    EXPECT_TRUE(module.customMode());
    std::string page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<STRONG>Select Custom Rate:</STRONG><BR>")) << page;
    ASSERT_EQ(module.rateList().entries.count(), 4);
    EXPECT_EQ(module.rateList().entries[0].label().str(), "6 mg/kg/hr");
    EXPECT_EQ(module.rateList().entries[3].label().str(), "Return to Standard Dosing");
    // 6 mg/kg/hr is 0.1 mg/kg/min: 0.1 × 10 × 60 ÷ 1 = 60 mL/hr, 60 mg/hr. The one
    // concentration was chosen at once.
    module.handleRequest(rate(1));
    page = pageText(module.buildPage(0));
    EXPECT_TRUE(contains(page, "<STRONG>Conc: </STRONG>1 mg/mL<BR>")) << page;
    EXPECT_TRUE(contains(module.sections()[kInfuse],
                         "60 mL/hr (60 mg/hr) of 1 mg/mL solution, to deliver 6 mg/kg/hr."))
        << module.sections()[kInfuse];
    module.handleRequest(rate(0));
    EXPECT_FALSE(module.customMode());
    module.handleRequest(rate(4));
    module.handleRequest(rate(4));  // Return to Standard Dosing
    EXPECT_FALSE(module.customMode());
    EXPECT_EQ(module.rateChoice(), 0);
    EXPECT_EQ(module.rateList().entries[0].label().str(), "5 mcg/kg/min (low)");
}

TEST(TykoDripsModuleTest, LoadingBolusByWeightBand) {
    Drug d;
    d.code = "A26";
    d.name = "Loader";
    d.concs = {{1.8f, "1.8 mg/mL", "Drip mix"}};
    const struct {
        float kg;
        const char* syringe;
        const char* bolus;
    } cases[] = {
        {30, "(150 mg)", "9.9 mL (150 mg) either IVP"},  // 9.9 mL, 148.5 mg → 150
        {31, "(300 mg)", "10 mL (150 mg) either IVP"},   // 10.23 → halves 20.46 → 20 → 10
        {70, "(300 mg)", "20 mL (300 mg) either IVP"},   // 23.1 → 23, capped at 20
    };
    for (const auto& c : cases) {
        Opened o({d}, c.kg, {});
        EXPECT_TRUE(contains(o.text(kMix), c.syringe)) << c.kg << o.text(kMix);
        EXPECT_TRUE(contains(o.text(kInfuse), c.bolus)) << c.kg << o.text(kInfuse);
    }
    // 70 kg: b = CR(0.16666667 × 70) = CR(11.67) = 11.5; 1.5 b = 17.25 → 17; 2 b = 23.
    Opened o({d}, 70, {});
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "5 mcg/kg/min = 11.5 mL/hr.<BR>7.5 mcg/kg/min = 17 "
                         "mL/hr.<BR>10 mcg/kg/min = 23 mL/hr."))
        << o.text(kInfuse);
}

TEST(TykoDripsModuleTest, CappedBolusLinesAt120Kg) {
    Drug d = rateDrug("L05", {{1, "1 mg/mL", "Mix"}});
    Opened o({d}, 120, {rate(1)});
    const std::string& infuse = o.text(kInfuse);
    for (const char* dose : {"0.2", "0.4", "0.6", "0.8", "1.0"}) {
        EXPECT_TRUE(contains(infuse, std::string(dose) + " mg/kg Bolus = 4 mL (20 mg).<BR>"))
            << dose << infuse;
    }
    // 10 kg: 0.2 × 10 ÷ 5 = 0.4 mL (2 mg); 0.6 × 10 ÷ 5 = 1.2 mL (6 mg).
    Opened light({d}, 10, {rate(1)});
    EXPECT_TRUE(contains(light.text(kInfuse), "0.2 mg/kg Bolus = 0.4 mL (2 mg).<BR>"));
    EXPECT_TRUE(contains(light.text(kInfuse), "0.6 mg/kg Bolus = 1.2 mL (6 mg).<BR>"));
}

TEST(TykoDripsModuleTest, WeightScaledMixesAndTheirCommonRates) {
    Drug d = rateDrug("T10", {{1, "6 x W", ""}, {1, "25 x W", ""}});
    d.rates = {{0.1f, "0.1 mcg/kg/min", ""}, {1, "1 mcg/kg/min", ""}};
    // Mix 1 at 10 kg: K = 60 mcg/mL; 0.1 × 10 × 60 ÷ 60 = 1 mL/hr; 0.6 × 10 = 6 mg.
    Opened first({d}, 10, {rate(1), conc(1)});
    EXPECT_EQ(first.text(kSelections),
              "Bolus Conc = 1 mg (1000 mcg)/mL<BR>Drip Conc = 60 "
              "mcg/mL<BR>[6 x W]<BR>Selected Rate = 0.1 mcg/kg/min");
    EXPECT_TRUE(contains(first.text(kMix),
                         "Withdraw 6 mL out of 100 mL D5W bag. Inject 6 mL "
                         "of 1 mg/mL solution (6 mg)."));
    EXPECT_TRUE(contains(first.text(kInfuse), "1 mL/hr (60 mcg/hr) of 6 x W solution"));
    EXPECT_TRUE(contains(first.text(kInfuse),
                         "Common Rates:<BR>0.1 mcg/kg/min = 1 mL/hr<BR>0.2 mcg/kg/min = 2 mL/hr"));
    EXPECT_TRUE(contains(first.text(kInfuse), "<BR>6 mcg/kg/min = 60 mL/hr"));
    // Mix 2 at 10 kg: K = 250; the rates are dose × 60 ÷ 25 = 2.4 mL/hr per mcg/kg/min, taken
    // to the dose bands as the drip line's rate is (0.72 → tenths 0.7, 0.96 → 1, 1.44 → 1.4,
    // 1.92 → 1.9, 14.4 → halves 14.5), so that each row reads as the drip line of its dose.
    Opened second({d}, 10, {rate(1), conc(2)});
    EXPECT_TRUE(contains(second.text(kSelections), "Drip Conc = 250 mcg/mL"));
    EXPECT_TRUE(contains(second.text(kMix), "Withdraw 25 mL"));
    EXPECT_TRUE(contains(second.text(kInfuse), "0.24 mL/hr (60 mcg/hr) of 25 x W solution"));
    const char* table =
        "Common Rates:<BR>0.1 mcg/kg/min = 0.24 mL/hr<BR>0.2 mcg/kg/min = 0.48 mL/hr<BR>0.3 "
        "mcg/kg/min = 0.7 mL/hr<BR>0.4 mcg/kg/min = 1 mL/hr<BR>0.6 mcg/kg/min = 1.4 "
        "mL/hr<BR>0.8 mcg/kg/min = 1.9 mL/hr<BR>1 mcg/kg/min = 2.4 mL/hr<BR>2 mcg/kg/min = 4.8 "
        "mL/hr<BR>3 mcg/kg/min = 7.2 mL/hr<BR>4 mcg/kg/min = 9.6 mL/hr<BR>5 mcg/kg/min = 12 "
        "mL/hr<BR>6 mcg/kg/min = 14.5 mL/hr";
    const std::string& infuse = second.text(kInfuse);
    EXPECT_EQ(infuse.substr(infuse.size() - std::string(table).size()), table);
}

TEST(TykoDripsModuleTest, ThreeMixes) {
    Drug d;
    d.code = "P20";
    d.name = "Three";
    d.concs = {{6, "6 mcg/mL", "First mix"}};
    // 10 kg: mix 2 is 3 mg (remove 6 mL), mix 3 is 6 mg (remove 12 mL); mix 1 rates 5-20 mL/hr.
    Opened o({d}, 10, {});
    EXPECT_EQ(o.text(kMix),
              "How to Mix Drip Solution:<BR><BR>Mix #1:<BR>First mix<BR><BR>Mix #2 (0.3 mg/kg in "
              "100 mL)<BR>3 mg in 100 mL of D5W, D10W or NS. Remove 6 mL from 100 mL bag and "
              "replace this amount with 500 mcg/mL (0.5 mg/mL) PGE1.<BR><BR>Mix #3 (0.6 mg/kg in "
              "100 mL)<BR>6 mg in 100 mL of D5W, D10W or NS. Remove 12 mL from 100 mL bag and "
              "replace this amount with 500 mcg/mL (0.5 mg/mL) PGE1.");
    EXPECT_TRUE(contains(o.text(kInfuse),
                         "Using Mix #1 (6 mcg/mL):<BR>0.05 mcg/kg/min = 5 "
                         "mL/hr<BR>0.1 mcg/kg/min = 10 mL/hr<BR>0.15 mcg/kg/min "
                         "= 15 mL/hr<BR>0.2 mcg/kg/min = 20 mL/hr<BR><BR>"));
    EXPECT_TRUE(contains(o.page, "Drip Can be made in 1 of 3 ways.")) << o.page;
}

TEST(TykoDripsModuleTest, NoRateWithoutWeightConcentrationOrSoundRecord) {
    Drug zero = rateDrug("D10", {{0, "none", "Mix"}, {1600, "1600 mcg/mL", "Mix"}});
    Drug damaged = rateDrug("D10");
    damaged.storedConcCount = 40;
    const struct {
        const char* name;
        Drug drug;
        float kg;
    } cases[] = {{"zero concentration", zero, 10},
                 {"zero weight", rateDrug("D10"), 0},
                 {"damaged", damaged, 10}};
    for (const auto& c : cases) {
        Opened o({c.drug}, c.kg, {rate(1), conc(1)});
        EXPECT_EQ(o.text(kInfuse), infusion::kNoRateNotice) << c.name;
        EXPECT_FALSE(contains(o.page, "inf")) << c.name;
        EXPECT_FALSE(contains(o.page, "nan")) << c.name;
    }
}

// A damaged record that lists no rate or no concentration leaves R or K at 0: the drip pages give
// no amount (R × W × 60 ÷ 0 printed "ERR mL/hr"), while "A26" and "P20", which mix and rate by
// themselves, still draw their pages without either list.
TEST(TykoDripsModuleTest, NoRateWithoutARateOrConcentrationList) {
    Drug noLists = rateDrug("D10", {});
    noLists.rates = {};
    const struct {
        const char* name;
        Drug drug;
        std::vector<Request> choices;
    } cases[] = {{"neither list", noLists, {}},
                 {"no concentration list", rateDrug("D10", {}), {rate(1)}}};
    for (const auto& c : cases) {
        Opened o({c.drug}, 10, c.choices);
        EXPECT_EQ(o.text(kInfuse), infusion::kNoRateNotice) << c.name;
        EXPECT_FALSE(contains(o.page, "ERR")) << c.name;
        EXPECT_FALSE(contains(o.page, "mL/hr")) << c.name;
    }
    Drug loading;
    loading.code = "A26";
    loading.name = "Loading";
    // 30 kg, no list at all: the bolus is CR(0.33 × 30) = 9.9 mL (148.5 mg → 150), the
    // 5 mcg/kg/min infusion CR(0.16666667 × 30) = 5 mL/hr.
    Opened o({loading}, 30, {});
    EXPECT_TRUE(contains(o.text(kInfuse), "Bolus:<BR>9.9 mL (150 mg) either IVP"))
        << o.text(kInfuse);
    EXPECT_TRUE(contains(o.text(kInfuse), "5 mcg/kg/min = 5 mL/hr.")) << o.text(kInfuse);
}

}  // namespace
}  // namespace orvane
