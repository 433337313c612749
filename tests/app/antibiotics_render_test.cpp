// `orvane render` of TykoAbx on the sample content: the category and drug lists, IV/IM and J500
// pages worked out by hand, every sample IV/IM drug and choice at a range of weights with no
// broken number, and values outside the lists (from the command line, as from a stale link) that
// leave the page as it was.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/dose_maximum_checks.h"
#include "tests/support/page_checks.h"
#include "tests/support/process_run.h"

namespace {

using orvane::test_support::contains;
using orvane::test_support::expectNoBrokenNumbers;
using orvane::test_support::expectNoDoseAboveStatedMaximum;
using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

// The sample IV/IM drugs: records 1 to 11 (pediatric) and 55 to 59 (neonatal protocols).
constexpr int kIvDrugs[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 55, 56, 57, 58, 59};

TEST(AntibioticsRenderTest, CategoryAndDrugLists) {
    const RenderRun categories = render("30 --list");
    ASSERT_EQ(categories.status, 0) << categories.err;
    EXPECT_EQ(categories.out,
              "PO Pediatric Antibiotics\t503316483\n"     // (30, 3)
              "IV/IM Pediatric Antibiotics\t503316482\n"  // (30, 2)
              "IV/IM Neonatal Antibiotics\t503316481\n");
    const RenderRun pediatric = render("30:2 --list");
    ASSERT_EQ(pediatric.status, 0) << pediatric.err;
    EXPECT_EQ(pediatric.out.rfind("Cefazolin (sample)\t150994945\n", 0), 0u) << pediatric.out;
    const RenderRun neonatal = render("30:1 --list");
    ASSERT_EQ(neonatal.status, 0) << neonatal.err;
    EXPECT_EQ(neonatal.out.rfind("Gentamicin under 1200 g (sample)\t150994999\n", 0), 0u)
        << neonatal.out;  // (9, 55)
}

TEST(AntibioticsRenderTest, PagesWorkedOutByHand) {
    // Cefazolin 75 mg/kg/d q8h at 13.3 kg: 997.5 ÷ 3 = 332.5, to tens 330.
    const RenderRun cefazolin =
        render("9:1 --child-weight 13.3kg --weight child --choose 3=2 --choose 4=1");
    ASSERT_EQ(cefazolin.status, 0) << cefazolin.err;
    EXPECT_TRUE(contains(cefazolin.out, "Sig: 330 mg/dose q8h<BR>Max dose/day = 6000 mg."))
        << cefazolin.out;
    EXPECT_TRUE(contains(cefazolin.out, "SAMPLE DATA")) << cefazolin.out;
    // Ampicillin (code 13) labelled per day: 150 mg/kg/d q6h at 10 kg = 1500 ÷ 4 = 375.
    const RenderRun ampicillin =
        render("9:7 --child-weight 10kg --weight child --choose 3=2 --choose 4=2");
    ASSERT_EQ(ampicillin.status, 0) << ampicillin.err;
    EXPECT_TRUE(contains(ampicillin.out, "150 mg/kg/d")) << ampicillin.out;
    EXPECT_TRUE(contains(ampicillin.out, "Sig: 380 mg/dose q6h")) << ampicillin.out;
    // Penicillin G 200000 U/kg/d q6h at 10 kg: 2000000 ÷ 4 = 500000 U.
    const RenderRun penicillin =
        render("9:2 --child-weight 10kg --weight child --choose 3=2 --choose 4=2");
    ASSERT_EQ(penicillin.status, 0) << penicillin.err;
    EXPECT_TRUE(contains(penicillin.out, "Sig: 500000 U/dose q6h")) << penicillin.out;
    EXPECT_TRUE(contains(penicillin.out, "Max dose/day = 24000000 U.")) << penicillin.out;
    // J500 at 45 kg: 400 mg loading, then 6 × 45 = 270.
    const RenderRun j500 = render("9:11 --child-weight 45kg --weight child --choose 3=4");
    ASSERT_EQ(j500.status, 0) << j500.err;
    EXPECT_TRUE(contains(j500.out, "Sig: 400 mg (10 mg/kg) loading dose")) << j500.out;
    EXPECT_TRUE(contains(j500.out, "then 270 mg/dose q24 hrs.")) << j500.out;
    // The protocol 15 drug at 2.1 kg: the warning first.
    const RenderRun neonate = render(
        "9:58 --child-weight 2.1kg --weight child --choose 3=1 "
        "--choose 4=1");
    ASSERT_EQ(neonate.status, 0) << neonate.err;
    EXPECT_TRUE(contains(neonate.out, "Selected Protocol is for 1200-2000 grams")) << neonate.out;
}

TEST(AntibioticsRenderTest, EveryIvDrugAndChoiceAtEveryWeight) {
    for (const char* weight : {"0.5kg", "3kg", "13.3kg", "100kg"}) {
        for (const int n : kIvDrugs) {
            // The first and second entries of both lists (a choice outside a list is ignored).
            for (const char* choices :
                 {" --choose 3=1 --choose 4=1", " --choose 3=2 --choose 4=2"}) {
                const std::string arguments = "9:" + std::to_string(n) + " --child-weight " +
                                              weight + " --weight child" + choices;
                const RenderRun run = render(arguments);
                ASSERT_EQ(run.status, 0) << arguments << run.err;
                EXPECT_TRUE(contains(run.out, "Sig: ")) << arguments << run.out;
                expectNoBrokenNumbers(run.out);
                expectNoDoseAboveStatedMaximum(run.out, arguments);
            }
        }
    }
}

// The sample oral drugs: records 1 to 7 (the last three azithromycin, fluconazole, nystatin).
constexpr int kOralDrugs = 7;

TEST(AntibioticsRenderTest, OralPagesWorkedOutByHand) {
    // Amoxicillin 60 mg/kg/d TID of 250 mg/5 mL for 10 days at 60 kg: 3600 capped at 3000, 1000 mg
    // a dose = 20 mL; 600 mL, more than any bottle: the third.
    const RenderRun amoxicillin = render(
        "47:1 --child-weight 60kg --weight child --choose 3=5 "
        "--choose 4=2 --choose 5=1 --choose 6=10");
    ASSERT_EQ(amoxicillin.status, 0) << amoxicillin.err;
    EXPECT_TRUE(contains(amoxicillin.out, "Sig: 20 mL (1000 mg) TID x 10 days.<BR>M: 600 mL."))
        << amoxicillin.out;
    EXPECT_TRUE(contains(amoxicillin.out, "Cost: $5 (sample) for 150 mL bottle."))
        << amoxicillin.out;
    // Azithromycin 10 then 5 mg/kg/d for a 60 kg child: both amounts capped.
    const RenderRun loading =
        render("47:5 --child-weight 60kg --weight child --choose 3=1 --choose 5=1");
    ASSERT_EQ(loading.status, 0) << loading.err;
    EXPECT_TRUE(contains(loading.out,
                         "Loading dose of 25 mL (500 mg [Max dose]) then 12.5 mL (250 "
                         "mg [Max dose]) QD x 4 days.<BR>M: 75 mL."))
        << loading.out;
    // The single 30 mg/kg dose at 40 kg (1200 mg) is given in full.
    const RenderRun single =
        render("47:5 --child-weight 40kg --weight child --choose 3=4 --choose 5=1");
    ASSERT_EQ(single.status, 0) << single.err;
    EXPECT_TRUE(contains(single.out, "Sig: 60 mL (1200 mg) QD x 1 day.")) << single.out;
    // The duration table: seven days to a row.
    const RenderRun days = render(
        "47:2 --child-weight 13.3kg --weight child --choose 3=1 "
        "--choose 4=1 --choose 5=1");
    ASSERT_EQ(days.status, 0) << days.err;
    EXPECT_TRUE(
        contains(days.out, "Select Duration (days):</STRONG><TABLE><TR><TD \"align=right\">"))
        << days.out;
    EXPECT_TRUE(contains(days.out, "<U>7</U></A></TD></TR><TR><TD \"align=right\">")) << days.out;
    EXPECT_TRUE(contains(days.out, "<U>99</U></A></TD></TR></TABLE><BR><BR>")) << days.out;
}

TEST(AntibioticsRenderTest, EveryOralDrugAndChoiceAtEveryWeight) {
    for (const char* weight : {"0.5kg", "3kg", "13.3kg", "100kg"}) {
        for (int n = 1; n <= kOralDrugs; ++n) {
            for (const char* choices : {" --choose 3=1 --choose 4=1 --choose 5=1 --choose 6=7",
                                        " --choose 3=2 --choose 4=2 --choose 5=2 --choose 6=1"}) {
                const std::string arguments = "47:" + std::to_string(n) + " --child-weight " +
                                              weight + " --weight child" + choices;
                const RenderRun run = render(arguments);
                ASSERT_EQ(run.status, 0) << arguments << run.err;
                EXPECT_TRUE(contains(run.out, "Sig: ") || contains(run.out, "Invalid"))
                    << arguments << run.out;
                expectNoBrokenNumbers(run.out);
                expectNoDoseAboveStatedMaximum(run.out, arguments);
            }
        }
    }
}

TEST(AntibioticsRenderTest, ValuesOutsideTheListsLeaveThePage) {
    const std::string base = "9:1 --child-weight 13.3kg --weight child --choose 3=2";
    const RenderRun kept = render(base);
    ASSERT_EQ(kept.status, 0) << kept.err;
    const RenderRun ignored = render(base +
                                     " --choose 3=9 --choose 4=7 --choose 5=2 --choose 6=3 "
                                     "--send 9:999:0 --send 30:9:0 --send 70:999:0");
    ASSERT_EQ(ignored.status, 0) << ignored.err;
    EXPECT_EQ(ignored.out, kept.out);
}

}  // namespace
