// The atropine block: minimum below 0.1 mg, the weight-based dose with its volume, the maximum
// from 0.4 mg, and nothing from 50 kg.
#include "dosing/builders/atropine_block.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace orvane {
namespace {

const std::string kLead = "Atropine to blunt bradycardia/secretions recommended:<BR>0.02 mg/kg = ";
const std::string kMin = kLead + "0.1 mg, IV/IO (Min Dose).<BR>[1 mL of 1 mg/10 mL soln]";
const std::string kMax = kLead + "0.4 mg, IV/IO (Max dose).<BR>[4 mL of 1 mg/10 mL soln].";

std::string dosed(const char* dose, const char* volume) {
    return kLead + dose + " mg, IV/IO.<BR>[" + volume + " mL of 1 mg/10 mL soln].";
}

TEST(AtropineBlockTest, ByWeight) {
    struct Case {
        float weight;
        std::string expected;  // 0.02 × W, dose-rounded by hand; the volume is 10 × the dose
    };
    const Case cases[] = {
        {0.0f, kMin},
        {4.0f, kMin},                // 0.08 mg
        {4.9f, kMin},                // 0.098 mg
        {4.99f, dosed("0.1", "1")},  // 0.0998 rounds to thousandths: 0.1
        {5.0f, dosed("0.1", "1")},
        {10.0f, dosed("0.2", "2")},
        {12.5f, dosed("0.25", "2.5")},
        {17.0f, dosed("0.34", "3.4")},
        {19.7f, dosed("0.39", "3.9")},  // 0.394 → 0.39
        // 0.3998 and 0.4 round to 40 × 0.01 in float, 0.39999999, just under 0.4: the dose
        // text, which shows the same 0.4 mg and 4 mL as the maximum text.
        {19.99f, dosed("0.4", "4")},
        {20.0f, dosed("0.4", "4")},
        {20.3f, kMax},  // 0.406 → 0.41
        {25.0f, kMax},
        {49.99f, kMax},
        {50.0f, ""},
        {80.0f, ""},
    };
    for (const Case& c : cases) {
        SharedString out;
        appendAtropineBlock(out, c.weight);
        EXPECT_EQ(out.str(), c.expected) << c.weight;
    }
}

TEST(AtropineBlockTest, AppendsAndIgnoresAWeightThatIsNoNumber) {
    SharedString out("x");
    appendAtropineBlock(out, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(out.str(), "x");
    appendAtropineBlock(out, 4);
    EXPECT_EQ(out.str(), "x" + kMin);
}

}  // namespace
}  // namespace orvane
