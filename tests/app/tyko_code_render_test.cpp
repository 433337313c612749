// `orvane render` of the resuscitation module on the sample content: its page list, every page
// at a small, a middle and a large child weight with no broken, negative or zero amount, and
// values outside the list that leave the page as it was.
#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "tests/support/process_run.h"

namespace {

using RenderRun = orvane::test_support::ProcessRun;

RenderRun render(const std::string& arguments) {
    return orvane::test_support::runOrvane("render " + arguments);
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The fixed texts of the equipment table that hold a 0 which is no amount.
std::string withoutFixedZeros(std::string page) {
    for (const char* fixed : {"Laryngoscope: 0", "PEEP 0 cm", "0-1 Miller"}) {
        for (std::size_t at = page.find(fixed); at != std::string::npos; at = page.find(fixed)) {
            page.erase(at, std::string(fixed).size());
        }
    }
    return page;
}

void expectSoundAmounts(const std::string& page, const std::string& where) {
    // A word that is no number, a minus sign before a number that is not the end of a range, and
    // a 0 standing alone (a positive dose printed as 0).
    static const std::regex broken("(^|[^A-Za-z])(nan|inf|ERR)([^A-Za-z]|$)");
    static const std::regex negative("(^|[^0-9A-Za-z.)\\]])-[0-9]");
    static const std::regex zero("(^|[^0-9.,])0([^0-9.]|$)");
    EXPECT_FALSE(std::regex_search(page, broken)) << where << "\n" << page;
    EXPECT_FALSE(std::regex_search(page, negative)) << where << "\n" << page;
    EXPECT_FALSE(std::regex_search(withoutFixedZeros(page), zero)) << where << "\n" << page;
}

TEST(TykoCodeRenderTest, ListsTheFortyTwoPages) {
    const RenderRun list = render("10 --list");
    ASSERT_EQ(list.status, 0) << list.err;
    EXPECT_EQ(list.out.rfind("Anaphylaxis\t167772161\n", 0), 0u);  // (10, 1)
    EXPECT_TRUE(contains(list.out, "Procainamide\t167772197\n"));  // (10, 37)
    EXPECT_TRUE(contains(list.out, "Vecuronium\t167772202\n"));    // (10, 42)
}

TEST(TykoCodeRenderTest, EveryPageAtThreeWeights) {
    for (const char* weight : {"3kg", "13.3kg", "60kg"}) {
        for (int page = 1; page <= 42; ++page) {
            const std::string where = "page " + std::to_string(page) + " at " + weight;
            const RenderRun run =
                render("10:" + std::to_string(page) + " --child-weight " + weight);
            ASSERT_EQ(run.status, 0) << where << ": " << run.err;
            EXPECT_FALSE(run.out.empty()) << where;
            expectSoundAmounts(run.out, where);
        }
    }
}

TEST(TykoCodeRenderTest, FluidsPageAndTrailingText) {
    // 13.3 kg: maintenance 40 + 2 × 3.3 = 46.6, banded to wholes: 47 mL/hr.
    const RenderRun fluids = render("10:27 --child-weight 13.3kg");
    ASSERT_EQ(fluids.status, 0) << fluids.err;
    EXPECT_TRUE(contains(fluids.out, "Maintenance x 1 = 47 mL/hr.")) << fluids.out;
    const RenderRun calcium = render("10:15 --child-weight 13.3kg");
    EXPECT_TRUE(contains(calcium.out, "SAMPLE DATA")) << calcium.out;
}

TEST(TykoCodeRenderTest, ValuesOutsideTheListAreIgnored) {
    const RenderRun outside = render("10:99 --child-weight 10kg");
    EXPECT_EQ(outside.status, 0) << outside.err;
    EXPECT_EQ(outside.out, "");
    const RenderRun kept = render("10:27 --child-weight 10kg");
    const RenderRun sent = render("10:27 --child-weight 10kg --send 10:99:0");
    ASSERT_EQ(sent.status, 0) << sent.err;
    EXPECT_EQ(sent.out, kept.out);
    EXPECT_TRUE(contains(sent.out, "Maintenance x 1 = 40 mL/hr."));
}

}  // namespace
