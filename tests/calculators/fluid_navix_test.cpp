// Fluid Navix: the menu entries, the bolus and maintenance pages from the child weight, and the
// mode changes. Volumes worked out by hand with the dose bands.
#include "calculators/fluid_navix.h"

#include <gtest/gtest.h>

#include "rendering/page_builder.h"
#include "tests/support/content/pediatric_content.h"

namespace orvane {
namespace {

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.starts_with(prefix);
}

using Fixture = test_support::PediatricFixture;
using test_support::pageText;

void childWeight(PatientContext& context, float value, int16_t unit) {
    context.childWeight().value = value;
    context.childWeight().unit = unit;
}

TEST(FluidNavixTest, MenuListsTheFourCalculators) {
    Fixture f;
    FluidNavix navix(f.context(), makeRequest(7, 0));
    EXPECT_EQ(navix.title().str(), "Fluid Navix");
    EXPECT_EQ(navix.caption().str(), "");
    EXPECT_EQ(navix.choiceList(makeRequest(80, 0)), nullptr);
    InputField* list = navix.choiceList(makeRequest(7, 0));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->label.str(), "Select Fluids Calculator:");
    ASSERT_EQ(list->entries.count(), 4);
    EXPECT_EQ(list->entries[0].label().str(), "Fluids for Burns");
    EXPECT_EQ(list->entries[0].request(), makeRequest(4, 40));
    EXPECT_EQ(list->entries[1].request(), makeRequest(4, 8));
    EXPECT_EQ(list->entries[2].request(), makeRequest(7, 3));
    EXPECT_EQ(list->entries[3].label().str(), "Tyko Maintenance Fluids");
    // (4, 40) = 4 × 2^24 + 40
    EXPECT_PRED2(startsWith, pageText(navix.buildPage(0)),
                 "<A HREF=\"67108904\"><IMG src=\"drug\">&nbsp;<B>Fluids for Burns</B></A><BR>");
}

TEST(FluidNavixTest, BolusPageFromTheChildWeight) {
    Fixture f;
    childWeight(f.context(), 8.5f, unit::kKilograms);
    FluidNavix navix(f.context(), makeRequest(7, 3));
    const std::string page = pageText(navix.buildPage(0));
    // 42.5 → 42 (even), 85, 127.5 → 130, 170
    EXPECT_PRED2(startsWith, page,
                 "Bolus of 5 mL/kg = 42 mL.<BR>Bolus of 10 mL/kg = 85 mL.<BR>"
                 "Bolus of 15 mL/kg = 130 mL.<BR>Bolus of 20 mL/kg = 170 mL.<BR>");
    EXPECT_NE(page.find("<BR><BR>Boluses should be LR or NS.<BR><BR>Recommended Bolus Amount:"
                        "<BR><28 Days of Age: 10 mL/kg<BR>>28 Days of Age: 20 mL/kg<BR><BR>"),
              std::string::npos);
    EXPECT_EQ(navix.caption().str(), "Tyko Bolus Fluids");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
    EXPECT_EQ(f.context().currentWeight(), &f.context().childWeight());
}

TEST(FluidNavixTest, NoWeightGivesZeroes) {
    Fixture f;
    childWeight(f.context(), 0, unit::kKilograms);
    FluidNavix navix(f.context(), makeRequest(7, 3));
    EXPECT_PRED2(startsWith, pageText(navix.buildPage(0)), "Bolus of 5 mL/kg = 0 mL.<BR>");
}

TEST(FluidNavixTest, MaintenancePage) {
    Fixture f;
    childWeight(f.context(), 15, unit::kKilograms);
    FluidNavix navix(f.context(), makeRequest(7, 0));
    navix.handleRequest(makeRequest(7, 4));
    const std::string page = pageText(navix.buildPage(0));
    EXPECT_PRED2(startsWith, page,
                 "Maint x 1 = 50 mL/hr<BR>Maint x 1.5 = 75 mL/hr<BR>Maint x 2 = 100 mL/hr<BR>"
                 "<BR>Type of Fluid<BR>&#8804;10 kg: D5 \xBC NS<BR>>10 kg: D5 \xBD NS<BR><BR>");
    EXPECT_EQ(navix.caption().str(), "Maintenance Fluid Calculation");
    EXPECT_EQ(f.context().pageBuilder().weightInput, 3);
}

TEST(FluidNavixTest, MaintenanceInPoundsJustUnderTenKg) {
    Fixture f;
    // 22 lb × 0.45454544 = 9.9999997 kg: the 4 mL/kg band, 39.9999987 → 40
    childWeight(f.context(), 22, unit::kPounds);
    FluidNavix navix(f.context(), makeRequest(7, 4));
    EXPECT_PRED2(startsWith, pageText(navix.buildPage(0)), "Maint x 1 = 40 mL/hr<BR>");
}

TEST(FluidNavixTest, ModeRequests) {
    Fixture f;
    FluidNavix navix(f.context(), makeRequest(7, 4));
    EXPECT_EQ(navix.mode(), 4);
    navix.handleRequest(makeRequest(33, 2, 2));  // a bolus choice: remembered, mode kept
    EXPECT_EQ(navix.mode(), 4);
    navix.handleRequest(makeRequest(7, 3));
    EXPECT_EQ(navix.mode(), 3);
    navix.handleRequest(makeRequest(7, 0));
    EXPECT_EQ(navix.mode(), 0);
    EXPECT_EQ(pageText(navix.buildPage(0)).find("Bolus of"), std::string::npos);
}

}  // namespace
}  // namespace orvane
