// `orvane render` run as a process on the sample content for the pediatric fluids, burn, infusion,
// induction, growth and pregnancy modules: a page or list of each, end to end.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/process_run.h"

namespace {

using PageRun = orvane::test_support::ProcessRun;

PageRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(RenderPediatricTest, FluidNavixMenuAndBoluses) {
    const PageRun list = render("7 --list");
    EXPECT_EQ(list.status, 0);
    // (4, 40) = 67108904, (7, 3) = 117440515
    EXPECT_TRUE(has(list.out, "Fluids for Burns\t67108904\n")) << list.out;
    EXPECT_TRUE(has(list.out, "Tyko Bolus Fluids\t117440515\n")) << list.out;
    // 12 kg: 60, 120, 180, 240 mL
    const PageRun bolus = render("7:3 --child-weight 12kg");
    EXPECT_EQ(bolus.status, 0);
    EXPECT_TRUE(has(bolus.out,
                    "Bolus of 5 mL/kg = 60 mL.<BR>Bolus of 10 mL/kg = 120 mL.<BR>"
                    "Bolus of 15 mL/kg = 180 mL.<BR>Bolus of 20 mL/kg = 240 mL.<BR>"))
        << bolus.out;
}

TEST(RenderPediatricTest, ParklandWithFluidAlreadyGiven) {
    // 30 kg, 20 %: E = 1200, F = 70, R1 = (560 + 1200) / 8 = 220, R2 = (1120 + 1200) / 16 = 145 →
    // tens, 14.5 to the even 14: 140; 3 hours: X = 660; 200 given: K = 460 / 4 + 220 = 335 →
    // tens: 33.5 to the even 34: 340
    const PageRun run = render("4:40 --input 1=30kg --input 2=20 --input 3=3 --input 4=200");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(has(run.out, "0-8 hrs: 220 mL/hr.<BR>9-24 hrs: 140 mL/hr.")) << run.out;
    EXPECT_TRUE(has(run.out, "Next 4 hours: 340 mL/hr")) << run.out;
    EXPECT_TRUE(has(run.out, "as 200 mL of fluids given since burn and 660 mL should")) << run.out;
}

// The burn area's label holds a private code (the degree sign): the red range message shows it as
// the character, never as the raw code.
TEST(RenderPediatricTest, ARangeMessageShowsTheCodesOfItsLabelAsCharacters) {
    const PageRun run = render("4:40 --input 1=30kg --input 2=150");
    EXPECT_EQ(run.status, 5);
    EXPECT_TRUE(has(run.out, "BSA Burned (2nd/3rd&#176;)\r\nMust be in range 0 to 100 %"))
        << run.out;
    EXPECT_FALSE(has(run.out, "<SC id")) << run.out;
}

TEST(RenderPediatricTest, BurnAreaOnTheSampleSurfaces) {
    // Sample band "1-3 years": the back is 0.13 of the body; 20-25 % of it is 22.5 % × 0.13
    const PageRun run = render("4:8 --choose 1=2 --choose 2=3 --choose 3=6");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(has(run.out, "Back&nbsp;:&nbsp;&nbsp;<A HREF=\"553779203\"><B><U>20-25</U>"))
        << run.out;
}

TEST(RenderPediatricTest, InfusionRateAndTheZeroVolume) {
    const std::string known =
        "27 --choose 1=1 --choose 2=1 --input 1=70kg --input 2=400 "
        "--input 3=2 --input 5=5 --input 6=1 ";
    const PageRun run = render(known + "--input 4=250");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "<BR><B>Calculated Result = 13&nbsp;mL/hr</B>");
    const PageRun zero = render(known + "--input 4=0");
    EXPECT_EQ(zero.status, 0);
    EXPECT_EQ(zero.out, "");
}

TEST(RenderPediatricTest, InductionDrugsListAndDocument) {
    const PageRun list = render("39 --list");
    EXPECT_EQ(list.status, 0);
    EXPECT_TRUE(has(list.out, "Etomidate (sample)\t654311425\n")) << list.out;
    // 0.3 mg/kg × 20 kg = 6 mg, 3 mL at 2 mg/mL
    const PageRun doc = render("39:1 --adult-weight 20kg");
    EXPECT_EQ(doc.status, 0);
    EXPECT_TRUE(has(doc.out, "SAMPLE DATA - not clinical guidance."));
    EXPECT_TRUE(has(doc.out, "<B>6</B>&nbsp;mg (3 mL)")) << doc.out;
}

TEST(RenderPediatricTest, GrowthBoysAndGirlsReadDifferentRows) {
    const PageRun boy = render("14:38 --sex male --input 2=14kg");
    const PageRun girl = render("14:38 --sex female --input 2=14kg");
    EXPECT_EQ(boy.status, 0);
    EXPECT_EQ(girl.status, 0);
    EXPECT_TRUE(has(boy.out, "Weight %tile = ")) << boy.out;
    EXPECT_TRUE(has(boy.out, "<B>Head Circumference Percentiles</B>"));
    EXPECT_NE(boy.out, girl.out);
    const PageRun list = render("14 --list");
    EXPECT_TRUE(has(list.out, "3 yrs 3 mos\t234881063\n")) << list.out;
}

TEST(RenderPediatricTest, PregnancyOnAFixedToday) {
    const PageRun run = render("4:29 --today 2008-01-15 --input 1=2007-12-18");
    EXPECT_EQ(run.status, 0);
    // 28 days: 4 weeks; due 12/18/2007 + 280 = day 352 + 280 = day 267 of 2008 (leap) = 9/23
    EXPECT_EQ(run.out,
              "<STRONG>Todays Date</STRONG>:&nbsp;&nbsp;1/15/2008<BR><STRONG>First day LMP"
              "</STRONG>:&nbsp;&nbsp;12/18/2007<BR><STRONG>Currently:</STRONG>&nbsp;&nbsp;4&nbsp;"
              "wks&nbsp;pregnant<BR><STRONG>Due Date</STRONG>:&nbsp;&nbsp;9/23/2008<BR><STRONG>"
              "Expected B-HCG</STRONG>:&nbsp;36-900");
}

}  // namespace
