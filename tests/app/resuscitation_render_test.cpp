// `orvane render` of the resuscitation lists on the sample content: the ACLS and PALS lists and
// pages, the emergency medicines at a newborn's, a child's and an adult's weight, and values
// outside the lists that leave the page as it was. Also checks the page checker
// the render tests share, so that it catches what it is meant to.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::contains;
using orvane::test_support::expectNoBrokenNumbers;
using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

int lineCount(const std::string& text) {
    int lines = 0;
    for (const char c : text) lines += c == '\n' ? 1 : 0;
    return lines;
}

TEST(ResuscitationRenderTest, PageChecksCatchBrokenAmounts) {
    using orvane::test_support::showsNegativeAmount;
    using orvane::test_support::showsZeroAmount;
    for (const char* bad : {"= 0 mg.", "<B>0</B>&nbsp;mg", "[0 - 0.5 mL of", "0-1.5 mL", "(0 mL)",
                            "0 - 2 mg", "= 0 Units"}) {
        EXPECT_TRUE(showsZeroAmount(bad)) << bad;
    }
    for (const char* good : {"= 0.04 mg", "10 mg", "0-1 Miller", "PEEP 0 cm H2O",
                             "[0.1 mg =", "20 mg.", "1.0-1.5 mg/kg = 10-15 mg"}) {
        EXPECT_FALSE(showsZeroAmount(good)) << good;
    }
    EXPECT_TRUE(showsNegativeAmount("= -1 mg"));
    EXPECT_TRUE(showsNegativeAmount("(-0.5 mL)"));
    EXPECT_FALSE(showsNegativeAmount("0.5-1 J/kg, q5-10 minutes"));
}

TEST(ResuscitationRenderTest, AclsAndPalsListsAndPages) {
    // ACLS lists records 1 to 13 of the shared table, PALS records 14 to 29.
    const RenderRun acls = render("2 --list");
    ASSERT_EQ(acls.status, 0) << acls.err;
    EXPECT_EQ(lineCount(acls.out), 13) << acls.out;
    EXPECT_TRUE(contains(acls.out, "\t33554433\n")) << acls.out;  // (2, 1)
    EXPECT_TRUE(contains(acls.out, "\t33554445\n")) << acls.out;  // (2, 13)
    const RenderRun pals = render("8 --list");
    ASSERT_EQ(pals.status, 0) << pals.err;
    EXPECT_EQ(lineCount(pals.out), 16) << pals.out;
    EXPECT_EQ(pals.out.find("\t33554433\n"), std::string::npos);
    EXPECT_TRUE(contains(pals.out, "\t134217742\n")) << pals.out;  // (8, 14)
    EXPECT_TRUE(contains(pals.out, "\t134217757\n")) << pals.out;  // (8, 29)

    for (const char* request : {"2:1", "2:13", "8:14", "8:29"}) {
        const RenderRun page = render(request);
        ASSERT_EQ(page.status, 0) << page.err;
        EXPECT_TRUE(contains(page.out, "SAMPLE DATA")) << request << page.out;
    }
}

TEST(ResuscitationRenderTest, ValuesOutsideTheListsAreIgnored) {
    for (const char* request : {"2:14", "8:13", "2:30", "8:32767"}) {
        const RenderRun run = render(request);
        EXPECT_EQ(run.status, 0) << request << run.err;
        EXPECT_EQ(run.out, "") << request;
    }
    const RenderRun kept = render("2:4");
    const RenderRun sent = render("2:4 --send 2:20:0 --send 8:15:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_FALSE(kept.out.empty());
    EXPECT_EQ(sent.out, kept.out);
}

constexpr const char* kWeights[] = {"3kg", "13.3kg", "60kg"};

RenderRun emergencyPage(int drug, const std::string& weight, const std::string& more = "") {
    return render("6:" + std::to_string(drug) + " --child-weight " + weight + " --weight child" +
                  more);
}

TEST(ResuscitationRenderTest, EmergencyMedicinesAtThreeWeights) {
    const RenderRun list = render("6 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(lineCount(list.out), 13) << list.out;
    EXPECT_EQ(list.out.rfind("Adenosine\t100663297\n", 0), 0u) << list.out;         // (6, 1)
    EXPECT_TRUE(contains(list.out, "Diazepam (Valium)\t100663300\n")) << list.out;  // (6, 4)

    for (const char* weight : kWeights) {
        for (int drug = 1; drug <= lineCount(list.out); ++drug) {
            const RenderRun run = emergencyPage(drug, weight);
            ASSERT_EQ(run.status, 0) << run.err;
            EXPECT_FALSE(run.out.empty()) << drug << " at " << weight;
            expectNoBrokenNumbers(run.out);
        }
    }
}

TEST(ResuscitationRenderTest, EmergencyMedicinePagesForAChild) {
    // Diazepam at 13.3 kg: 0.2 × 13.3 = 2.66 → 2.7 mg; 0.5 × 13.3 = 6.65 → 6.6 mg (tenths, the
    // tie to the even 66); volumes of 5 mg/mL 0.54 and 1.32 mL; 6.6 mg reaches the 5 mg of the
    // young child's note.
    const RenderRun diazepam = emergencyPage(4, "13.3kg");
    EXPECT_TRUE(contains(diazepam.out,
                         "(IV/IO):<BR>0.2-0.5 mg/kg = 2.7-6.6 mg.<BR>[0.54 - 1.32 "
                         "mL of 5 mg/mL soln]."))
        << diazepam.out;
    EXPECT_TRUE(contains(diazepam.out, "Max dose 5 mg.")) << diazepam.out;
    // At 3 kg the umbilical route and no note: 0.6-1.5 mg.
    const RenderRun newborn = emergencyPage(4, "3kg");
    EXPECT_TRUE(contains(newborn.out, "(IV/IO/UVC):<BR>0.2-0.5 mg/kg = 0.6-1.5 mg."))
        << newborn.out;
    EXPECT_FALSE(contains(newborn.out, "Max dose 5 mg.")) << newborn.out;

    // Succinylcholine ("S30"), drawn from the paralytics table: 13.3 mg → 13.5 (halves) in
    // 0.665 → 0.7 mL; 26.6 mg → 26.5 in 1.33 → 1.3 mL; with the atropine block and the yellow
    // band of the equipment table.
    const RenderRun succinylcholine = emergencyPage(11, "13.3kg");
    EXPECT_TRUE(contains(succinylcholine.out, "1 mg/kg = 13.5 mg.<BR>[0.7 mL of 20 mg/mL soln]"))
        << succinylcholine.out;
    EXPECT_TRUE(contains(succinylcholine.out, "2 mg/kg = 26.5 mg.<BR>[1.3 mL of 20 mg/mL soln]"))
        << succinylcholine.out;
    EXPECT_TRUE(contains(succinylcholine.out, "Atropine to blunt")) << succinylcholine.out;
    EXPECT_TRUE(contains(succinylcholine.out, "(Yellow)")) << succinylcholine.out;

    // Rocuronium ("R20"): its paralytic document, 0.6-1.2 mg/kg = 7.98 → 8 and 15.96 → 16 mg.
    const RenderRun rocuronium = emergencyPage(10, "13.3kg");
    EXPECT_TRUE(contains(rocuronium.out, "<B>8</B>&nbsp;-&nbsp;<B>16</B>&nbsp;mg"))
        << rocuronium.out;

    // Adenosine, a templated document: 0.1 × 13.3 = 1.33 → 1.3 mg, in 1.3 / 3 = 0.43 mL.
    const RenderRun adenosine = emergencyPage(1, "13.3kg");
    EXPECT_TRUE(contains(adenosine.out, "Dose: <B>1.3</B>&nbsp;mg")) << adenosine.out;
    EXPECT_TRUE(contains(adenosine.out, "<B>0.43</B>&nbsp;mL")) << adenosine.out;
}

TEST(ResuscitationRenderTest, EmergencyMedicineValuesOutsideTheListAreIgnored) {
    const RenderRun none = render("6:14");
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "");
    const RenderRun kept = emergencyPage(4, "20kg");
    const RenderRun sent = emergencyPage(4, "20kg", " --send 6:14:0 --send 6:32767:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_FALSE(kept.out.empty());
    EXPECT_EQ(sent.out, kept.out);
}

TEST(ResuscitationRenderTest, IndexEntriesOpenTheirPages) {
    const RenderRun index = render("53 --list");
    ASSERT_EQ(index.status, 0) << index.err;
    // (6, 13): vecuronium of the emergency medicines; (2, 1): the first ACLS record.
    EXPECT_TRUE(contains(index.out, "Vecuronium (sample)\t100663309\n")) << index.out;
    EXPECT_TRUE(contains(index.out, "VF and pulseless VT (sample)\t33554433\n")) << index.out;
    // Vecuronium at 20 kg: 0.1 mg/kg = 2 mg, under its 10 mg maximum.
    const RenderRun vecuronium = emergencyPage(13, "20kg");
    EXPECT_TRUE(contains(vecuronium.out, "<B>2</B>&nbsp;mg")) << vecuronium.out;
    EXPECT_TRUE(contains(render("2:1").out, "Shockable Rhythm"));
}

}  // namespace
