// Every drug of the sample adult and child infusion tables, at every standard rate and
// concentration and at 0.5 to 150 kg: where the Infuse section lists common rates, the row of the
// drip's own dose gives the rate its drip line gives. A tenfold row (a dextrose percentage taken
// for mg/mL) or a row worked another way than the drip line is caught here, and so is a rounded
// rate or bolus above the maximum its line states.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

#include "dosing/infusions/adult_drips_module.h"
#include "dosing/infusions/tyko_drips_module.h"
#include "tests/support/content/infusion_content.h"
#include "tests/support/dose_maximum_checks.h"

namespace orvane {
namespace {

using Session = test_support::ContentSession;

constexpr const char* kDripLine = "Directions on Infusing Drip:<BR>";
constexpr const char* kCommonRates = "Common Rates:<BR>";

// The number that starts `text` at `at`, or none.
std::optional<double> numberAt(const std::string& text, size_t at) {
    if (at >= text.size()) return std::nullopt;
    const char* start = text.c_str() + at;
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start) return std::nullopt;
    return value;
}

// The mL/hr rate of the drip line, or none when the section has no drip line.
std::optional<double> dripRate(const std::string& infuse) {
    const size_t at = infuse.find(kDripLine);
    if (at == std::string::npos) return std::nullopt;
    return numberAt(infuse, at + std::string(kDripLine).size());
}

// The mL/hr of the common-rates row of the dose text, or none when there is no such row.
std::optional<double> commonRate(const std::string& infuse, const std::string& doseText) {
    const size_t block = infuse.find(kCommonRates);
    if (block == std::string::npos) return std::nullopt;
    const std::string row = "<BR>" + doseText + " = ";
    const size_t at = infuse.find(row, block + std::string(kCommonRates).size() - 4);
    if (at == std::string::npos) return std::nullopt;
    return numberAt(infuse, at + row.size());
}

// Rows have at most 2 decimals (TykoDrips) or 1 (Adult Drips); a drip line's rate at most 3.
// Below 0.1 mL/hr the row may show the same rate to fewer decimals.
bool sameRate(double row, double drip) {
    const double allowed = (drip < 0.1 ? 0.005 : 0.0) + 1e-9;
    return std::abs(row - drip) <= allowed;
}

template <class M>
void checkEveryDrug(int32_t code, int32_t weightMode, int& compared) {
    Session session{std::string(ORVANE_BIN_DIR)};
    PatientContext& context = session.context;
    M probe(context, makeRequest(code, 0));
    const int32_t drugs = probe.choiceList(makeRequest(code, 0))->entries.count();
    ASSERT_GT(drugs, 0);
    for (const float kg : {0.5f, 3.0f, 13.3f, 70.0f, 150.0f}) {
        test_support::setWeight(context, weightMode, kg);
        for (int32_t d = 1; d <= drugs; ++d) {
            M module(context, makeRequest(code, d));
            const infusion::InfusionRecord& record = module.record();
            const int32_t rates = module.rateList().entries.count();
            for (int32_t k = 1; k <= rates && k <= record.rateCount; ++k) {
                module.handleRequest(makeRequest(33, k, infusion::kRateList));
                const int32_t concs = module.concentrationList().entries.count();
                for (int32_t c = 1; c <= concs; ++c) {
                    module.handleRequest(makeRequest(33, c, infusion::kConcentrationList));
                    module.handleRequest(makeRequest(50, infusion::kInfuse));
                    module.buildPage(0);
                    const std::string& infuse = module.sections()[infusion::kInfuse];
                    const std::string what = record.code + " rate " + std::to_string(k) + " conc " +
                                             std::to_string(c) + " at " + std::to_string(kg) +
                                             " kg: " + infuse;
                    // Every rate and concentration at every weight: no rounded rate or bolus
                    // above the maximum its line states either.
                    test_support::expectNoDoseAboveStatedMaximum(infuse, what);
                    const std::optional<double> drip = dripRate(infuse);
                    const bool listsRates = infuse.find(kCommonRates) != std::string::npos;
                    if (!drip || !listsRates) continue;
                    const std::optional<double> row = commonRate(infuse, record.rateTexts[k - 1]);
                    ASSERT_TRUE(row.has_value()) << what;
                    EXPECT_TRUE(sameRate(*row, *drip)) << *row << " vs " << *drip << " " << what;
                    ++compared;
                }
                module.handleRequest(makeRequest(33, 0, infusion::kRateList));
            }
        }
    }
}

TEST(CommonRatesAgreementTest, TheParsersReadRowsAndDripLines) {
    const std::string infuse =
        "Directions on Infusing Drip:<BR>7.2 mL/hr (720 mg/hr) of D10W.<BR><BR>Common "
        "Rates:<BR>4 mg/kg/min = 7.2 mL/hr<BR>14 mg/kg/min = 25 mL/hr<BR>";
    EXPECT_EQ(dripRate(infuse), 7.2);
    EXPECT_EQ(commonRate(infuse, "4 mg/kg/min"), 7.2);
    EXPECT_EQ(commonRate(infuse, "14 mg/kg/min"), 25.0);
    EXPECT_EQ(commonRate(infuse, "6 mg/kg/min"), std::nullopt);
    EXPECT_TRUE(sameRate(0.05, 0.045));
    EXPECT_FALSE(sameRate(1.3, 1.4));
    EXPECT_FALSE(sameRate(72.0, 7.2));
    EXPECT_FALSE(sameRate(7175.0, 7200.0));
}

TEST(CommonRatesAgreementTest, AdultDrips) {
    int compared = 0;
    checkEveryDrug<AdultDripsModule>(AdultDripsModule::kCode, weight_mode::kAdult, compared);
    EXPECT_GT(compared, 100);
}

TEST(CommonRatesAgreementTest, TykoDrips) {
    int compared = 0;
    checkEveryDrug<TykoDripsModule>(TykoDripsModule::kCode, weight_mode::kChild, compared);
    EXPECT_GT(compared, 100);
}

}  // namespace
}  // namespace orvane
