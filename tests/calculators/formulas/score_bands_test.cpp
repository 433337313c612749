// Croup, Glasgow Coma Scale and MI risk interpretation bands at and around each boundary.
#include "calculators/formulas/score_bands.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

std::string severity(float score) {
    const CroupBand* band = croupBand(score);
    return band ? band->severity : "none";
}

TEST(CroupBandTest, BandsAndTheirTexts) {
    EXPECT_EQ(severity(0), " 'Mild' ");
    EXPECT_EQ(severity(4), " 'Mild' ");
    EXPECT_EQ(severity(5), " 'Mild/Moderate' ");
    EXPECT_EQ(severity(6), " 'Mild/Moderate' ");
    EXPECT_EQ(severity(7), " 'Moderate' ");
    EXPECT_EQ(severity(8), " 'Moderate' ");
    EXPECT_EQ(severity(9), " 'Severe' ");
    EXPECT_EQ(severity(14), " 'Severe' ");
    EXPECT_EQ(severity(15), " 'Terminal' ");
    // Between bands (fractional points) and outside them: no band.
    EXPECT_EQ(severity(4.5f), "none");
    EXPECT_EQ(severity(14.5f), "none");
    EXPECT_EQ(severity(16), "none");
    EXPECT_EQ(severity(-1), "none");

    const CroupBand* terminal = croupBand(15);
    EXPECT_STREQ(terminal->range, " 15 ");
    EXPECT_STREQ(terminal->advice, " racemic epinephrine, steroids, intubation ");
    const CroupBand* mildModerate = croupBand(6);
    EXPECT_STREQ(mildModerate->range, " 5-6 ");
    EXPECT_STREQ(mildModerate->advice, " cool mist,admit if &lt;6 months or unreliable family ");
    EXPECT_STREQ(croupBand(9)->advice, kCroupSevereAdvice);
    EXPECT_STREQ(croupBand(7)->advice, " racemic epinephrine, consider steroids, admit most ");
    EXPECT_STREQ(croupBand(2)->advice, " cool mist, home care ");
}

TEST(GlasgowComaSeverityTest, Bands) {
    EXPECT_STREQ(glasgowComaSeverity(3), "Severe");
    EXPECT_STREQ(glasgowComaSeverity(8), "Severe");
    EXPECT_STREQ(glasgowComaSeverity(9), "Moderate");
    EXPECT_STREQ(glasgowComaSeverity(12), "Moderate");
    EXPECT_STREQ(glasgowComaSeverity(13), "Mild");
    EXPECT_STREQ(glasgowComaSeverity(15), "Mild");
    EXPECT_EQ(glasgowComaSeverity(8.5f), nullptr);
    EXPECT_EQ(glasgowComaSeverity(16), nullptr);
}

TEST(MiMortalityBandTest, Boundaries) {
    struct Case {
        float score;
        const char* band;
    };
    const Case cases[] = {{100, "<10"},    {129.9f, "<10"}, {130, "10"},    {131, "10-20"},
                          {141, "10-20"},  {142, "20"},     {143, "20-30"}, {149, "30"},
                          {150, "30-40"},  {155, "40"},     {159, "40-50"}, {160, "50"},
                          {160.5f, ">50"}, {161, ">50"}};
    for (const Case& c : cases) EXPECT_STREQ(miMortalityBand(c.score), c.band) << c.score;
}

}  // namespace
}  // namespace orvane
