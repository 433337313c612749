// The rule-of-six rate tables switch at 10 kg (A) and 20 kg (B); the drip rate line.
#include "dosing/builders/rule_of_six_tables.h"

#include <gtest/gtest.h>

#include <string>

#include "dosing/builders/drip_rate_line.h"

namespace orvane {
namespace {

const std::string kSmallA =
    "0.1 mL/hr = 1 mcg/kg/min<BR>0.25 mL/hr = 2.5 mcg/kg/min<BR>0.5 mL/hr = 5 mcg/kg/min<BR>1 "
    "mL/hr = 10 mcg/kg/min<BR><BR>";
const std::string kLargeA =
    "1 mL/hr = 1 mcg/kg/min<BR>2.5 mL/hr = 2.5 mcg/kg/min<BR>5 mL/hr = 5 mcg/kg/min<BR>10 mL/hr "
    "= 10 mcg/kg/min<BR><BR>";
const std::string kSmallB =
    "1 mL/hr = 0.1 mcg/kg/min<BR>2 mL/hr = 0.2 mcg/kg/min<BR>5 mL/hr = 0.5 mcg/kg/min<BR>10 mL/hr "
    "= 1 mcg/kg/min<BR><BR>";
const std::string kLargeB =
    "10 mL/hr = 0.1 mcg/kg/min<BR>20 mL/hr = 0.2 mcg/kg/min<BR>50 mL/hr = 0.5 mcg/kg/min<BR>100 "
    "mL/hr = 1 mcg/kg/min<BR><BR>";

TEST(RuleOfSixTablesTest, SwitchAtTheirWeights) {
    struct Case {
        float weight;
        const std::string& a;
        const std::string& b;
    };
    const Case cases[] = {
        {0.0f, kSmallA, kSmallB},   {9.99f, kSmallA, kSmallB}, {10.0f, kLargeA, kSmallB},
        {19.99f, kLargeA, kSmallB}, {20.0f, kLargeA, kLargeB}, {90.0f, kLargeA, kLargeB},
    };
    for (const Case& c : cases) {
        SharedString a("A:");
        appendRateTableA(a, c.weight);
        EXPECT_EQ(a.str(), "A:" + c.a) << c.weight;
        SharedString b;
        appendRateTableB(b, c.weight);
        EXPECT_EQ(b.str(), c.b) << c.weight;
    }
}

TEST(DripRateLineTest, RoundsTheRateByTheDoseBands) {
    struct Case {
        float rate;
        const char* shown;  // dose-rounded by hand, at most 3 decimals
    };
    const Case cases[] = {
        {12.345f, "12.5"}, {0.0456f, "0.046"}, {7.25f, "7.2"}, {155.0f, "160"}, {0.0f, "0"}};
    for (const Case& c : cases) {
        SharedString out;
        appendDripRateLine(out, c.rate, "5");
        EXPECT_EQ(out.str(), std::string("5 mcg/kg/min = <B>") + c.shown + "</B>&nbsp;mL/hr<BR>");
    }
}

}  // namespace
}  // namespace orvane
