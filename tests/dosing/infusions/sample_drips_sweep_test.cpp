// Every drug of the sample adult and child infusion tables, at 3, 13.3, 100 and 150 kg, with the
// first standard rate, the first custom rate and the first concentration: every section is built
// and none shows "nan", "inf", "ERR", a negative amount, a positive amount written as 0 or a
// rounded amount above a maximum it states.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>

#include "dosing/infusions/adult_drips_module.h"
#include "dosing/infusions/tyko_drips_module.h"
#include "tests/support/content/infusion_content.h"
#include "tests/support/dose_maximum_checks.h"

namespace orvane {
namespace {

using Session = test_support::ContentSession;

// A number standing alone as 0 before a unit, a minus sign in front of a number (not a range
// such as 20-30), or a value that is not a number.
const std::regex kBroken(
    R"((^|[^0-9.])0 (mL|mg|mcg|U|units)\b|(^|[ (=\[])-[0-9]|\bnan\b|\binf\b|\bERR\b)");

void expectSound(InfusionModule& module, const std::string& what) {
    for (int32_t s = 0; s < infusion::kSectionCount; ++s) {
        module.handleRequest(makeRequest(50, s));
        const char* page = module.buildPage(0);
        ASSERT_NE(page, nullptr) << what;
        const std::string text(page);
        // Every sample code has a generator: its Infuse section is never empty.
        if (s == infusion::kInfuse) {
            EXPECT_FALSE(module.sections()[infusion::kInfuse].empty()) << what;
        }
        std::smatch match;
        EXPECT_FALSE(std::regex_search(text, match, kBroken))
            << what << " section " << s << ": '" << match.str() << "' in " << text;
        test_support::expectNoDoseAboveStatedMaximum(text, what);
    }
}

template <class M>
void sweep(int32_t code, int32_t weightMode) {
    Session session{std::string(ORVANE_BIN_DIR)};
    PatientContext& context = session.context;
    M probe(context, makeRequest(code, 0));
    const int32_t drugs = probe.choiceList(makeRequest(code, 0))->entries.count();
    ASSERT_GT(drugs, 0);
    for (const float kg : {3.0f, 13.3f, 100.0f, 150.0f}) {
        test_support::setWeight(context, weightMode, kg);
        for (int32_t d = 1; d <= drugs; ++d) {
            M module(context, makeRequest(code, d));
            const std::string what = std::to_string(code) + ":" + std::to_string(d) + " at " +
                                     std::to_string(kg) + " kg";
            module.handleRequest(makeRequest(33, 1, 2));
            module.handleRequest(makeRequest(33, 1, 3));
            expectSound(module, what);
            // The custom list's first rate, where the drug offers one.
            const InputField& rates = module.rateList();
            for (int32_t k = 1; k <= rates.entries.count(); ++k) {
                if (rates.entries[k - 1].label() == infusion::kSelectCustomRate) {
                    module.handleRequest(makeRequest(33, 0, 2));
                    module.handleRequest(makeRequest(33, k, 2));
                    module.handleRequest(makeRequest(33, 1, 2));
                    module.handleRequest(makeRequest(33, 1, 3));
                    expectSound(module, what + " custom");
                    break;
                }
            }
        }
    }
}

TEST(SampleDripsSweepTest, BrokenAmountsAreFound) {
    for (const char* bad : {"= 0 mL/hr", "(0 mg)", "at -2 mL/hr", "[-0.5 U", "nan mL", "inf"}) {
        EXPECT_TRUE(std::regex_search(std::string(bad), kBroken)) << bad;
    }
    for (const char* good :
         {"20-30 min", "10 mL", "0.05 mL", "= 60 mL/hr", "Infusion", "0-4 hrs"}) {
        EXPECT_FALSE(std::regex_search(std::string(good), kBroken)) << good;
    }
}

TEST(SampleDripsSweepTest, AdultDrips) {
    sweep<AdultDripsModule>(AdultDripsModule::kCode, weight_mode::kAdult);
}

TEST(SampleDripsSweepTest, TykoDrips) {
    sweep<TykoDripsModule>(TykoDripsModule::kCode, weight_mode::kChild);
}

}  // namespace
}  // namespace orvane
