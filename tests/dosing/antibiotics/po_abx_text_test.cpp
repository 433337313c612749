// The oral antibiotic text and lists of TykoAbx: Sig lines and volumes to dispense worked out by
// hand (below and at the daily maximum, 1 day and several), tablets, the azithromycin caps (the
// daily regimens at 500 mg a dose, the single 30 mg/kg dose at 1500 mg), the loading regimens with
// too few days, nystatin, the bottle choice at, below and above each bottle, the lists, and the
// cases that must give no Sig line.
#include "dosing/antibiotics/po_abx_text.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "dosing/antibiotics/po_abx_lists.h"

namespace orvane {
namespace {

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

PoAbxRecord liquid(const char* code, const char* name, std::vector<float> mgPer5Ml,
                   int32_t maximum) {
    PoAbxRecord d;
    d.code = code;
    d.name = name;
    d.maximum = maximum;
    d.form = 1;
    d.concentrationCount = static_cast<int32_t>(mgPer5Ml.size());
    for (size_t i = 0; i < mgPer5Ml.size(); ++i) d.concentrations[i].mgPer5Ml = mgPer5Ml[i];
    d.concentrations[0].bottles = {Bottle{80, "$3"}, Bottle{100, "$4"}, Bottle{150, "$5"}};
    d.concentrations[0].flavor = "Bubblegum";
    d.low = 40;
    d.high = 90;
    d.step = 5;
    d.frequencyCode = 3;
    return d;
}

PoAbxRecord amoxicillin() {
    return liquid("B01", "Amoxicillin", {250, 400}, 3000);
}
PoAbxRecord azithromycin() {
    return liquid("A03", "Azithromycin (Zithromax)", {100, 200}, 0);
}
PoAbxRecord fluconazole() {
    return liquid("A06", "Fluconazole (Diflucan)", {50}, 0);
}

struct TextCase {
    const char* what;
    PoAbxRecord drug;
    PoAbxChoice choice;
    float weight;
    const char* expected;
};

TEST(PoAbxTextTest, SigLinesAndVolumesToDispense) {
    const TextCase cases[] = {
        // 10 × 60 = 600 a day, 200 a dose, × 5 ÷ 250 = 4 mL; 10 days × 4 × 3 = 120 mL.
        {"below the maximum",
         amoxicillin(),
         {1, 60, 3, 1, 10},
         10,
         "<BR>Sig: 4 mL (200 mg) TID x 10 days.<BR>M: 120 mL."},
        // 100 × 60 = 6000 capped at 3000: 1000 a dose = 20 mL; 600 mL.
        {"above the maximum",
         amoxicillin(),
         {1, 60, 3, 1, 10},
         100,
         "<BR>Sig: 20 mL (1000 mg) TID x 10 days.<BR>M: 600 mL."},
        // 50 × 60 = 3000: at the maximum, the same.
        {"at the maximum",
         amoxicillin(),
         {1, 60, 3, 1, 10},
         50,
         "<BR>Sig: 20 mL (1000 mg) TID x 10 days.<BR>M: 600 mL."},
        // Rounded past the maximum: 400 mg/5 mL, BID, 70 × 90 = 6300 capped at 3000, 1500 a
        // dose = 18.75 mL, whose whole-mL step 19 mL (1520 mg, x 2 above 3000) is above it:
        // 18 mL, holding 1440 mg, to 25s 1450 mg; 10 days × 18 × 2 = 360 mL.
        {"rounded past the maximum",
         amoxicillin(),
         {1, 90, 2, 2, 10},
         70,
         "<BR>Sig: 18 mL (1450 mg) BID x 10 days.<BR>M: 360 mL."},
        // 400 mg/5 mL, BID, 1 day: 10 × 80 = 800, 400 a dose = 5 mL; 10 mL.
        {"one day",
         amoxicillin(),
         {1, 80, 2, 2, 1},
         10,
         "<BR>Sig: 5 mL (400 mg) BID x 1 day.<BR>M: 10 mL."},
        // A small child: 0.5 × 40 = 20 a day, 6.67 a dose = 0.133 mL, to hundredths 0.13 mL
        // (shown with 2 decimals, not as 0.1), holding 6.5 mg; 3 × 0.13 = 0.39 mL to dispense
        // (not rounded to 0 mL).
        {"small child",
         amoxicillin(),
         {1, 40, 3, 1, 1},
         0.5f,
         "<BR>Sig: 0.13 mL (6.5 mg) TID x 1 day.<BR>M: 0.39 mL."},
        // Azithromycin 12 mg/kg/d at 60 kg = 720 mg: capped at 500 mg a dose (25 mL of 100).
        {"azithromycin daily cap",
         azithromycin(),
         {2, 0, 0, 1, 0},
         60,
         "<BR>Sig: 25 mL (500 mg [Max dose]) QD x 5 days.<BR>M: 125 mL."},
        // 12 mg/kg/d at 10 kg = 120 mg = 6 mL, below the cap.
        {"azithromycin below the cap",
         azithromycin(),
         {2, 0, 0, 1, 0},
         10,
         "<BR>Sig: 6 mL (120 mg) QD x 5 days.<BR>M: 30 mL."},
        // 10 mg/kg/d × 3 d at 60 kg = 600 mg: capped at 500 mg.
        {"azithromycin 3 days",
         azithromycin(),
         {3, 0, 0, 1, 0},
         60,
         "<BR>Sig: 25 mL (500 mg [Max dose]) QD x 3 days.<BR>M: 75 mL."},
        // The single 30 mg/kg dose at 40 kg = 1200 mg: below its 1500 mg cap, given in full.
        {"azithromycin single below",
         azithromycin(),
         {4, 0, 0, 1, 0},
         40,
         "<BR>Sig: 60 mL (1200 mg) QD x 1 day.<BR>M: 60 mL."},
        // At 60 kg = 1800 mg: capped at 1500 mg, 75 mL of 100 or 37.5 mL of 200 (38 mL to give).
        {"azithromycin single cap",
         azithromycin(),
         {4, 0, 0, 1, 0},
         60,
         "<BR>Sig: 75 mL (1500 mg [Max Dose]) QD x 1 day.<BR>M: 75 mL."},
        {"azithromycin single cap 200",
         azithromycin(),
         {4, 0, 0, 2, 0},
         60,
         "<BR>Sig: 37.5 mL (1500 mg [Max Dose]) QD x 1 day.<BR>M: 38 mL."},
        // Loading 600 mg capped at 500 (25 mL), then 300 capped at 250 (12.5 mL) x 4 days:
        // 4 × 12.5 + 25 = 75 mL.
        {"azithromycin loading capped",
         azithromycin(),
         {1, 0, 0, 1, 0},
         60,
         "<BR>Sig: Loading dose of 25 mL (500 mg [Max dose]) then 12.5 mL (250 mg [Max dose]) QD x "
         "4 days.<BR>M: 75 mL."},
        // 10 kg: loading 100 mg = 5 mL, then 50 mg = 2.5 mL; 4 × 2.5 + 5 = 15 mL.
        {"azithromycin loading",
         azithromycin(),
         {1, 0, 0, 1, 0},
         10,
         "<BR>Sig: Loading dose of 5 mL (100 mg) then 2.5 mL (50 mg) QD x 4 days.<BR>M: 15 mL."},
        // Fluconazole 6 mg/kg once: 10 kg = 60 mg = 6 mL; 30 kg = 180 mg, over 150: 15 mL.
        {"fluconazole single",
         fluconazole(),
         {1, 0, 0, 1, 0},
         10,
         "<BR>Sig: 6 mL (60 mg) QD x 1 day.<BR>M: 6 mL."},
        {"fluconazole single capped",
         fluconazole(),
         {1, 0, 0, 1, 0},
         30,
         "<BR>Sig: 15 mL (150 mg) QD x 1 day.<BR>M: 15 mL."},
        // 6 then 3 mg/kg/d for 7 days at 10 kg: 6 mL (60 mg), then 3 mL (30 mg) x 6: 24 mL.
        {"fluconazole loading",
         fluconazole(),
         {2, 0, 0, 1, 7},
         10,
         "<BR>Sig: Loading dose of 6 mL (60 mg) then 3 mL (30 mg) QD x 6 days.<BR>M: 24 mL."},
        // Two days: the loading day, then one day: "x 1 day"; 6 + 1 × 3 = 9 mL.
        {"fluconazole loading 2 days",
         fluconazole(),
         {2, 0, 0, 1, 2},
         10,
         "<BR>Sig: Loading dose of 6 mL (60 mg) then 3 mL (30 mg) QD x 1 day.<BR>M: 9 mL."},
        {"fluconazole loading 1 day",
         fluconazole(),
         {2, 0, 0, 1, 1},
         10,
         "QD x 0 days.<BR>Duration Selected Invalid."},
        {"fluconazole loading no days",
         fluconazole(),
         {3, 0, 0, 1, 0},
         10,
         "Duration Selected Invalid."},
    };
    for (const TextCase& c : cases) {
        const std::string text = poAbxText(c.drug, c.choice, c.weight);
        EXPECT_TRUE(contains(text, c.expected)) << c.what << ": " << text;
    }
}

TEST(PoAbxTextTest, Tablets) {
    PoAbxRecord tabs = amoxicillin();
    tabs.form = kTabletForm;
    tabs.low = 20;
    tabs.concentrationCount = 1;
    tabs.concentrations[0].bottles[0].cost = "$10 for 30 tabs";
    // 10 × 20 = 200 a day, 100 a dose BID.
    const std::string text = poAbxText(tabs, {1, 20, 2, 1, 7}, 10);
    EXPECT_TRUE(contains(text, "<BR>Sig: 100 mg/dose BID x 7 days.<BR>M: $10 for 30 tabs")) << text;
    EXPECT_TRUE(contains(text, "<BR>Cost: $10 for 30 tabs<BR>")) << text;
}

TEST(PoAbxTextTest, Nystatin) {
    const PoAbxRecord nystatin = liquid("C01", "Nystatin (Mycostatin)", {500000}, 0);
    EXPECT_TRUE(
        contains(poAbxText(nystatin, {1, 0, 0, 1, 5}, 10),
                 "<BR>Sig: 1 mL to each cheek QID x 5 days (200,000 U/dose).<BR>M: 40 mL."));
    EXPECT_TRUE(contains(poAbxText(nystatin, {2, 0, 0, 1, 1}, 10),
                         "<BR>Sig: 5 mL swish and swallow QID x 1 day (500,000 U/dose).<BR>M: 20 "
                         "mL."));
}

TEST(PoAbxTextTest, BottleChoiceAtBelowAndAbove) {
    OralConcentration c;
    c.bottles = {Bottle{80, "$3"}, Bottle{100, "$4"}, Bottle{150, "$5"}};
    const std::pair<float, int32_t> cases[] = {{1, 0},   {79, 0},  {80, 0},  {81, 1}, {100, 1},
                                               {101, 2}, {150, 2}, {151, 2}, {999, 2}};
    for (const auto& [ml, bottle] : cases) EXPECT_EQ(chooseBottle(c, ml), bottle) << ml;
    // Without a bottle that holds it: bottle 3, or 2 when 3 has no cost, or 1.
    c.bottles[2].cost = "";
    EXPECT_EQ(chooseBottle(c, 151), 1);
    c.bottles[1].cost = "";
    EXPECT_EQ(chooseBottle(c, 151), 0);
    c.bottles[0].cost = "";
    EXPECT_EQ(chooseBottle(c, 151), -1);
    // The page part: 120 mL goes in the 150 mL bottle.
    const std::string text = poAbxText(amoxicillin(), {1, 60, 3, 1, 10}, 10);
    EXPECT_TRUE(contains(text, "<BR>Flavor: Bubblegum<BR><BR>Cost: $5 for 150 mL bottle.<BR>"))
        << text;
}

TEST(PoAbxTextTest, NoSigWithoutWeightConcentrationOrCount) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    PoAbxRecord zero = amoxicillin();
    zero.concentrations[0].mgPer5Ml = 0;
    EXPECT_FALSE(contains(poAbxText(amoxicillin(), {1, 60, 3, 1, 10}, 0), "Sig"));
    EXPECT_FALSE(contains(poAbxText(amoxicillin(), {1, 60, 3, 1, 10}, nan), "Sig"));
    EXPECT_FALSE(contains(poAbxText(amoxicillin(), {1, 60, 0, 1, 10}, 10), "Sig"));
    EXPECT_FALSE(contains(poAbxText(amoxicillin(), {1, nan, 3, 1, 10}, 10), "Sig"));
    EXPECT_FALSE(contains(poAbxText(zero, {1, 60, 3, 1, 10}, 10), "Sig"));
    // A concentration outside the record's: nothing at all.
    EXPECT_EQ(poAbxText(amoxicillin(), {1, 60, 3, 3, 10}, 10), "");
}

TEST(PoAbxListsTest, ListsOfTheOralKind) {
    PoAbxRecord amox = amoxicillin();
    EXPECT_EQ(poDoseList(amox).size(), 11u);  // 40 to 90 by 5
    EXPECT_EQ(poDoseList(amox)[0].text.str(), "40 mg/kg/d");
    amox.step = 0;
    EXPECT_EQ(poDoseList(amox).size(), 1u);
    amox.frequencyCode = 6;
    const std::vector<OralFrequency> six = poFrequencyList(amox);
    ASSERT_EQ(six.size(), 4u);
    EXPECT_STREQ(six[3].word, "5x/d");
    EXPECT_EQ(six[3].perDay, 5);
    amox.frequencyCode = 11;
    EXPECT_TRUE(poFrequencyList(amox).empty());
    std::vector<std::string> concentrations;
    for (const SharedString& s : poConcentrationList(amoxicillin()))
        concentrations.push_back(s.str());
    EXPECT_EQ(concentrations, (std::vector<std::string>{"250 mg/5 mL", "400 mg/5 mL"}));
    PoAbxRecord four = liquid("B03", "Four", {125, 250, 400, 500}, 0);
    EXPECT_EQ(poConcentrationList(four).size(), 4u);
    four.concentrationCount = 9;  // a damaged count keeps to four
    EXPECT_EQ(poConcentrationList(four).size(), 4u);
    PoAbxRecord damaged = four;
    damaged.concentrations[2].mgPer5Ml = 0;  // a damaged third concentration ends the list
    EXPECT_EQ(poConcentrationList(damaged).size(), 2u);
    damaged.concentrations[0].mgPer5Ml = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(poConcentrationList(damaged).empty());
    PoAbxRecord tabs = amoxicillin();
    tabs.form = kTabletForm;
    tabs.concentrationCount = 1;
    EXPECT_EQ(poConcentrationList(tabs)[0].str(), "Tabs");
    EXPECT_EQ(poConcentrationList(liquid("C01", "Nystatin (Mycostatin)", {500000}, 0))[0].str(),
              "500,000 U/5 mL");
    EXPECT_EQ(poDoseList(azithromycin()).size(), 4u);
    EXPECT_EQ(poDoseList(fluconazole())[2].text.str(), "10 then 6 mg/kg/d, div QD");
    EXPECT_EQ(treatmentDaysList().size(), 99u);
}

}  // namespace
}  // namespace orvane
