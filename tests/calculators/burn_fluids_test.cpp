// The burn-fluid calculator: its form, the Parkland page for a deficit, an excess and a plan on
// time, and no page text while an input is out of its limits.
#include "calculators/burn_fluids.h"

#include <gtest/gtest.h>

#include "foundation/number_format.h"
#include "modules/form_binding.h"
#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

using Fixture = test_support::PediatricFixture;
using test_support::pageText;

const std::string kMiddle =
    "These calculations provide a good starting point; however, clinical judgement and "
    "monitoring of urinary output will guide adjustments needed during the course of therapy."
    "<BR><BR>LR or NS should be used for initial fluid replacement. Close monitoring of "
    "electrolytes with individualized replacement will be needed.<BR><BR>Details of the "
    "calculation above are from a combination of burn related fluid needs and maintenance "
    "fluids.<BR><BR>";

// The detail sentence; its double spaces come out of the markup conversion as " &nbsp;".
std::string detail(const char* maintenance, const char* burn) {
    return std::string("The maintenance fluids are calculated at ") + maintenance +
           " mL/hr. &nbsp;Burn related fluids are estimated at " + burn +
           " mL to be given during hours 0-8 then an additional " + burn +
           " mL given during hours 9-24.";
}

class BurnFluidsTest : public ::testing::Test {
  protected:
    BurnFluidsTest() : burn_(f_.context(), makeRequest(4, 40)) {
        bindFormInputs(burn_.inputs(), f_.context());
    }

    std::string page(float kg, float burned, float hours, float given) {
        f_.context().calcWeight().value = kg;
        f_.context().calcWeight().unit = unit::kKilograms;
        const float values[3] = {burned, hours, given};
        for (int i = 0; i < 3; ++i) {
            InputField& field = burn_.inputs()[i + 1];
            field.value = values[i];
            field.text = formatNumber(values[i], 1, false);
            field.entered = 1;
        }
        copyBoundValues(burn_.inputs(), f_.context());
        return pageText(burn_.buildPage(0));
    }

    Fixture f_;
    BurnFluids burn_;
};

TEST_F(BurnFluidsTest, FormOfFourInputs) {
    EXPECT_EQ(burn_.caption().str(), "Fluids for Burns");
    EXPECT_EQ(burn_.title().str(), "Calculators");
    ASSERT_EQ(burn_.inputs().count(), 4);
    const InputField& weight = burn_.inputs()[0];
    EXPECT_EQ(weight.kindCode(), 71);
    EXPECT_EQ(weight.label.str(), "Weight");
    EXPECT_FLOAT_EQ(weight.min, 0.1f);
    EXPECT_FLOAT_EQ(weight.max, 999);
    const InputField& burned = burn_.inputs()[1];
    EXPECT_EQ(burned.label.str(), "BSA Burned (2nd/3rd<SC id=6>)");
    EXPECT_EQ(burned.units.str(), "%");
    EXPECT_FLOAT_EQ(burned.max, 100);
    EXPECT_EQ(burned.width, 200);
    EXPECT_EQ(burned.fieldWidth, 30);
    EXPECT_EQ(burn_.inputs()[2].units.str(), "hrs");
    EXPECT_FLOAT_EQ(burn_.inputs()[2].max, 24);
    EXPECT_EQ(burn_.inputs()[3].label.str(), "Fluid Already");
    EXPECT_FLOAT_EQ(burn_.inputs()[3].max, 99999.9f);
    EXPECT_EQ(burn_.inputs()[3].fieldWidth, 50);
    EXPECT_FLOAT_EQ(burn_.inputs()[3].value, -1);
}

TEST_F(BurnFluidsTest, DeficitGivesTheCatchUpOrder) {
    // E = 400, F = 60, R1 = 110, R2 = 85, X = 440, K = 220
    EXPECT_EQ(page(20, 10, 4, 0),
              "Parkland Formula Calculation (fluid requirements from time of burn):<BR>"
              "0-8 hrs: 110 mL/hr.<BR>9-24 hrs: 85 mL/hr.<BR><BR>Recommended fluid orders:<BR>"
              "Next 4 hours: 220 mL/hr (due to fluid deficit from time of burn existing) then "
              "resume the recommended infusion rate from the time of burn listed above.<BR><BR>" +
                  kMiddle + detail("60", "400") +
                  "<BR><BR>Adjustment suggested for fluid deficit as 0 mL of fluids given "
                  "since burn and 440 mL should have been given. Recommendations above replace "
                  "this deficit over next 4 hours.");
}

TEST_F(BurnFluidsTest, LateArrivalWithSomeFluidGiven) {
    // 12 hours, 500 mL: X = 880 + 340 = 1220 → 1225; K = 725 / 4 + 85 = 266.25 → 270
    const std::string text = page(20, 10, 12, 500);
    EXPECT_NE(text.find("Next 4 hours: 270 mL/hr"), std::string::npos);
    EXPECT_NE(text.find("as 500 mL of fluids given since burn and 1225 mL should"),
              std::string::npos);
}

TEST_F(BurnFluidsTest, CatchUpOrderRoundedToTens) {
    // 5 kg, 10 %, 2 hours: R1 32.5, R2 26, X 65, K 48.75 → 49, ordered 50
    const std::string text = page(5, 10, 2, 0);
    EXPECT_NE(text.find("0-8 hrs: 32.5 mL/hr.<BR>9-24 hrs: 26 mL/hr."), std::string::npos);
    EXPECT_NE(text.find("Next 4 hours: 50 mL/hr"), std::string::npos);
    EXPECT_NE(text.find(detail("20", "100")), std::string::npos);
}

TEST_F(BurnFluidsTest, ExcessAndOnPlan) {
    EXPECT_EQ(page(20, 10, 4, 500),
              "Parkland Formula Calculation (fluid requirements from time of burn):<BR>"
              "0-8 hrs: 110 mL/hr.<BR>9-24 hrs: 85 mL/hr.<BR><BR>" +
                  kMiddle + detail("60", "400") +
                  "<BR><BR>It is noted that based upon Parkland Formula, excess fluids of 60 mL "
                  "has been given. &nbsp;Consider resuming the calculated rate of infusion "
                  "listed above.");
    // 439.5 rounds to 440 like the expected 440: no orders and no adjustment sentence
    EXPECT_EQ(page(20, 10, 4, 439.5f),
              "Parkland Formula Calculation (fluid requirements from time of burn):<BR>"
              "0-8 hrs: 110 mL/hr.<BR>9-24 hrs: 85 mL/hr.<BR><BR>" +
                  kMiddle + detail("60", "400"));
}

TEST_F(BurnFluidsTest, NothingUntilEveryInputPasses) {
    EXPECT_EQ(page(20, 101, 4, 0), "");
    EXPECT_EQ(page(20, 10, 24.5f, 0), "");
    EXPECT_EQ(page(20, 10, 4, -1), "");
    EXPECT_EQ(page(0, 10, 4, 0), "");  // no weight
    EXPECT_NE(page(20, 0, 0, 0), "");  // limits themselves pass
}

}  // namespace
}  // namespace orvane
