// Every page of every dosing module of the sample content, rendered in this process at 0.5, 1, 3,
// 13.3, 70 and 150 kg: no broken number, every amount within 10% of the per-kg basis the page
// states, every volume agreeing with its mass and the concentration the page states, and clean
// texts (no "H20", no double blank, a blank before "[", no range whose two ends read alike).
#include <gtest/gtest.h>

#include <string>

#include "tests/support/dosing_page_sweep.h"
#include "tests/support/page_checks.h"

namespace orvane {
namespace {

using test_support::expectAmountsFollowTheirBasis;
using test_support::expectNoBrokenNumbers;
using test_support::expectVolumesMatchTheirMass;
using test_support::sweepDosingPages;

// The text faults: water is H2O, one blank between words, a blank before a bracket that follows
// a word or number, and a range of two alike ends ("0.2-0.2 mg") printed once.
void expectCleanText(const std::string& page, const std::string& where) {
    const std::string text = test_support::page_checks_detail::plainText(page);
    EXPECT_EQ(text.find("H20"), std::string::npos) << where;
    // Two blanks written as such (the page builder's "&nbsp;" spacing is deliberate).
    EXPECT_EQ(page.find("  "), std::string::npos) << where << ": " << page;
    for (std::size_t at = text.find('['); at != std::string::npos; at = text.find('[', at + 1)) {
        const bool joined = at > 0 && (test_support::isLetter(text[at - 1]) ||
                                       test_support::isDigit(text[at - 1]) || text[at - 1] == ')');
        EXPECT_FALSE(joined) << where << ": '" << text.substr(at > 20 ? at - 20 : 0, 40) << "'";
    }
    EXPECT_EQ(text.find("x 1 days"), std::string::npos) << where;
    for (std::size_t at = text.find('-'); at != std::string::npos; at = text.find('-', at + 1)) {
        std::size_t start = at;
        while (start > 0 && (test_support::isDigit(text[start - 1]) || text[start - 1] == '.')) {
            --start;
        }
        std::size_t end = at + 1;
        while (end < text.size() && (test_support::isDigit(text[end]) || text[end] == '.')) ++end;
        const std::string low = text.substr(start, at - start);
        const std::string high = text.substr(at + 1, end - at - 1);
        if (start > 0 && (test_support::isLetter(text[start - 1]) || text[start - 1] == ':')) {
            continue;  // a code or a time ("D5-1", "1:10-...")
        }
        EXPECT_FALSE(!low.empty() && low == high) << where << ": '" << low << "-" << high << "'";
    }
}

class EveryDosingPageTest : public ::testing::TestWithParam<float> {};

TEST_P(EveryDosingPageTest, AmountsFollowTheRule) {
    const float kg = GetParam();
    const auto pages = sweepDosingPages(kg);
    // The sweep reaches every module's pages (a sweep that renders nothing checks nothing).
    ASSERT_GT(pages.size(), 1000u);
    int bases = 0;
    int volumes = 0;
    for (const auto& swept : pages) {
        expectNoBrokenNumbers(swept.page);
        bases += expectAmountsFollowTheirBasis(swept.page, kg, swept.where);
        volumes += expectVolumesMatchTheirMass(swept.page, swept.where);
        expectCleanText(swept.page, swept.where);
    }
    EXPECT_GT(bases, 100);
    EXPECT_GT(volumes, 100);
}

INSTANTIATE_TEST_SUITE_P(SweepWeights, EveryDosingPageTest,
                         ::testing::Values(0.5f, 1.0f, 3.0f, 13.3f, 70.0f, 150.0f));

}  // namespace
}  // namespace orvane
