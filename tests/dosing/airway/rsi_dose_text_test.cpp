// The intubation plan's result text: each adjunct, sedative and narcotic for one weight, the
// paralytic pages, the ketamine atropine rule, the equipment table's weight band, and the
// adjunct's own atropine range.
#include "dosing/airway/rsi_dose_text.h"

#include <gtest/gtest.h>

#include <string>

#include "dosing/airway/paralytics_module.h"
#include "dosing/builders/atropine_block.h"
#include "dosing/builders/equipment_table.h"
#include "tests/support/content/airway_content.h"

namespace orvane::airway {
namespace {

using test_support::contains;
using ContentDir = test_support::AirwayContentDir;
using Session = test_support::ContentSession;

struct Fixture {
    Fixture() : session((dir.writeParalytics(), dir.path())) {}
    ContentDir dir;
    Session session;
    ParalyticsModule paralytics{session.context, makeRequest(37, 0)};

    std::string text(RsiChoices choices, float weight) {
        SharedString out;
        appendRsiDoseText(out, choices, weight, paralytics);
        return out.str();
    }
};

std::string equipment(float weight) {
    SharedString table;
    appendEquipmentTable(table, weight);
    return table.str();
}

std::string atropineBlock(float weight) {
    SharedString block;
    appendAtropineBlock(block, weight);
    return block.str();
}

std::string atropineRange(float weight) {
    SharedString range;
    appendRsiAtropineRange(range, weight);
    return range.str();
}

int count(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++n;
    }
    return n;
}

TEST(RsiDoseTextTest, AtropineRangeByWeight) {
    const struct {
        float weight;
        const char* text;
    } cases[] = {
        // 3 kg: 0.03 and 0.06 mg are both under the 0.1 mg minimum: one dose, 1 mL.
        {3.0f, "0.01-0.02 mg/kg = 0.1 mg (Min Dose).<BR>[1 mL of 1 mg/10 mL soln]."},
        // 7 kg: 0.07 mg is under the minimum but 0.14 mg is not (printed to one decimal); the
        // minimum is recalled under 10 kg; 1 mL to 1.4 mL.
        {7.0f,
         "0.01-0.02 mg/kg = 0.1 mg -0.14 mg.<BR>[0.1 mg = Min Dose]<BR>[1 - 1.4 mL of 1 mg/10 mL "
         "soln]."},
        // 12 kg: 0.12-0.24 mg, one decimal each, in 1.2-2.4 mL; no minimum note from 10 kg.
        {12.0f, "0.01-0.02 mg/kg = 0.12-0.24 mg.<BR>[1.2 - 2.4 mL of 1 mg/10 mL soln]."},
        // The premedication maximum is 0.4 mg, as for every atropine given with the intubation
        // drugs. 20 kg: 0.2-0.4 mg, the high end at the maximum; 2-4 mL.
        {20.0f,
         "0.01-0.02 mg/kg = 0.2-0.4 mg.<BR>[0.4 mg = Max dose]<BR>[2 - 4 mL of 1 mg/10 mL soln]."},
        // 30 kg: 0.3 mg up to 0.6 mg, held at 0.4 mg; 3-4 mL.
        {30.0f,
         "0.01-0.02 mg/kg = 0.3-0.4 mg.<BR>[0.4 mg = Max dose]<BR>[3 - 4 mL of 1 mg/10 mL soln]."},
        // From 40 kg even the low dose (0.01 x 60 = 0.6, 0.7, 1.5 mg) is at or above the maximum:
        // 0.4 mg in 4 mL.
        {60.0f, "0.01 mg/kg = 0.4 mg (Max Dose).<BR>[4 mL of 1 mg/10 mL soln]."},
        {70.0f, "0.01 mg/kg = 0.4 mg (Max Dose).<BR>[4 mL of 1 mg/10 mL soln]."},
        {150.0f, "0.01 mg/kg = 0.4 mg (Max Dose).<BR>[4 mL of 1 mg/10 mL soln]."},
    };
    for (const auto& c : cases) EXPECT_EQ(atropineRange(c.weight), c.text) << c.weight;
}

struct DrugCase {
    RsiChoices choices;
    const char* text;  // before the ketamine atropine block and the equipment table
};

TEST(RsiDoseTextTest, EachDrugAtTwentyKilograms) {
    constexpr const char* kLidocaine =
        "<B>Lidocaine:</B><BR>1-1.5 mg/kg = 20-30 mg.<BR>[1 - 1.5 mL of 20 mg/mL soln].";
    constexpr const char* kMannitol = "<B>Mannitol:</B><BR>0.25-2 Grams/kg = 5-40 Grams.";
    const std::string atropine = "<B>Atropine:</B><BR>" + atropineRange(20.0f);
    const DrugCase cases[] = {
        // The "No ..." entries count as chosen and add nothing.
        {{1, 1, 1, 1}, ""},
        {{1, 0, 0, 0}, ""},
        // Adjuncts: lidocaine 1-1.5 mg/kg of 20 mg/mL; mannitol 0.25-2 g/kg, no volume.
        {{3, 0, 0, 0}, ""},  // filled below
        {{4, 0, 0, 0}, ""},
        {{5, 0, 0, 0}, ""},
        {{6, 0, 0, 0}, ""},
        // Sedatives: etomidate 0.3-0.4 mg/kg of 2 mg/mL (6-8 mg, 3-4 mL).
        {{0, 2, 0, 0},
         "<B>Etomidate:</B><BR>0.3-0.4 mg/kg = 6-8 mg.<BR>[3 - 4 mL of 2 mg/mL soln]."
         "<BR><BR>"},
        // Methohexital 1-1.5 mg/kg (20-30 mg) in 2-3 mL of 10 mg/mL.
        {{0, 4, 0, 0},
         "<B>Methohexital (Brevital):</B><BR>1-1.5 mg/kg = 20-30 mg.<BR>[2 - 3 mL of 10 mg/mL "
         "soln].<BR><BR>"},
        // Midazolam 0.1-0.2 mg/kg (2-4 mg) in 2-4 mL of 1 mg/mL.
        {{0, 5, 0, 0},
         "<B>Midazolam:</B><BR>0.1-0.2 mg/kg = 2-4 mg.<BR>[2 - 4 mL of 1 mg/mL soln].<BR><BR>"},
        // Propofol 1.5-2.5 mg/kg (30-50 mg) in 3-5 mL of 10 mg/mL, with its advice.
        {{0, 6, 0, 0},
         "<B>Propofol:</B><BR>1.5-2.5 mg/kg = 30-50 mg.<BR>[3 - 5 mL of 10 mg/mL soln].<BR>Give "
         "rapid IVP; typically 1.5 mg/kg adequate.<BR><BR>"},
        // Thiopental 3-5 mg/kg (60-100 mg) in 3-5 mL of 20 mg/mL.
        {{0, 7, 0, 0},
         "<B>Thiopental:</B><BR>3-5 mg/kg = 60-100 mg.<BR>[3 - 5 mL of 20 mg/mL soln].<BR><BR>"},
        // Narcotics: fentanyl 1-4 mcg/kg (20-80 mcg) in 0.4-1.6 mL of 50 mcg/mL.
        {{0, 0, 2, 0},
         "<B>Fentanyl:</B><BR>1-4 mcg/kg = 20-80 mcg.<BR>[0.4 - 1.6 mL of 50 mcg/mL soln]."
         "<BR><BR>"},
        // Morphine 0.05-0.2 mg/kg (1-4 mg) in 0.1-0.4 mL of 10 mg/mL.
        {{0, 0, 3, 0},
         "<B>Morphine Sulfate:</B><BR>0.05-0.2 mg/kg = 1-4 mg.<BR>[0.1 - 0.4 mL of 10 mg/mL "
         "soln].<BR><BR>"},
        // A paralytic's page with its label: 0.1 mg/kg × 20 = 2 mg (record 0, and record 2,
        // which has no code of its own).
        {{0, 0, 0, 2}, "<B>Atracurium (Tracium):</B><BR>Dose <B>2</B>&nbsp;mg<BR><BR>"},
        {{0, 0, 0, 4}, "<B>Doxacurium (Nuromax):</B><BR>Dose <B>2</B>&nbsp;mg<BR><BR>"},
        {{0, 0, 0, 9}, "<B>Vecuronium (Norcuron):</B><BR>Dose <B>2</B>&nbsp;mg<BR><BR>"},
    };
    const std::string adjuncts[] = {
        std::string(kLidocaine) + "<BR><BR>",
        std::string(kMannitol) + "<BR><BR>",
        atropine + "<BR>" + kLidocaine + "<BR><BR>",
        std::string(kLidocaine) + "<BR>" + kMannitol + "<BR><BR>",
    };
    Fixture f;
    const std::string table = equipment(20.0f);
    for (const DrugCase& c : cases) {
        std::string expected = c.text;
        if (c.choices.adjunct >= 3) expected = adjuncts[c.choices.adjunct - 3];
        EXPECT_EQ(f.text(c.choices, 20.0f), expected + table)
            << c.choices.adjunct << c.choices.sedative << c.choices.narcotic << c.choices.paralytic;
    }
    // The atropine adjunct alone.
    EXPECT_EQ(f.text({2, 0, 0, 0}, 20.0f), atropine + "<BR><BR>" + table);
}

TEST(RsiDoseTextTest, KetamineCallsForAtropineUnlessGivenOtherwise) {
    Fixture f;
    const std::string ketamine = "<B>Ketamine:</B><BR>1-4 mg/kg = 20-80 mg.<BR><BR>";
    const struct {
        int32_t adjunct;
        int32_t paralytic;
        bool block;
    } cases[] = {
        {0, 0, true},  {1, 0, true},  {3, 0, true}, {4, 0, true}, {6, 0, true},
        {2, 0, false}, {5, 0, false}, {0, 2, true}, {0, 7, true}, {1, 1, true},
    };
    for (const auto& c : cases) {
        const std::string text = f.text({c.adjunct, 3, 0, c.paralytic}, 20.0f);
        EXPECT_TRUE(contains(text, ketamine)) << c.adjunct << " " << c.paralytic;
        const std::string block = atropineBlock(20.0f);
        EXPECT_EQ(text.ends_with(block + equipment(20.0f)), c.block)
            << c.adjunct << " " << c.paralytic << "\n"
            << text;
        EXPECT_EQ(count(text, "Atropine to blunt"), c.block ? 1 : 0) << c.adjunct << c.paralytic;
    }
    // Succinylcholine brings its own block (atropine on, equipment off): one block, one table.
    const std::string withSuccinylcholine = f.text({0, 3, 0, 8}, 20.0f);
    EXPECT_EQ(count(withSuccinylcholine, "Atropine to blunt"), 1) << withSuccinylcholine;
    EXPECT_EQ(count(withSuccinylcholine, "Tube Sizes Weight Based"), 1);
    EXPECT_TRUE(contains(withSuccinylcholine,
                         "<B>Succinylcholine:</B><BR><B>Initial Dose "
                         "(>12 yrs):</B><BR>1 mg/kg = 20 mg.<BR>[1 mL of "
                         "20 mg/mL soln]."))
        << withSuccinylcholine;
    // From 50 kg: no block, no table.
    EXPECT_EQ(f.text({0, 3, 0, 0}, 50.0f), "<B>Ketamine:</B><BR>1-4 mg/kg = 50-200 mg.<BR><BR>");
}

TEST(RsiDoseTextTest, EquipmentTableOnlyForChildrenAboveTwoAndAHalfKilograms) {
    Fixture f;
    const struct {
        float weight;
        bool table;
    } cases[] = {{2.5f, false}, {2.6f, true}, {13.3f, true}, {49.9f, true}, {50.0f, false}};
    for (const auto& c : cases) {
        EXPECT_EQ(f.text({1, 0, 0, 0}, c.weight), c.table ? equipment(c.weight) : "") << c.weight;
    }
}

}  // namespace
}  // namespace orvane::airway
