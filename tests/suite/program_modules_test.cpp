// The program's module table: which screen shows a request, which codes share one module, which
// lists have the search row, and that every module it names can be made.
#include "suite/program_modules.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/support/content/content_writer.h"

namespace orvane {
namespace {

TEST(ScreenKindTest, ByCodeAndArgument) {
    const struct {
        Request request;
        ScreenKind kind;
    } cases[] = {
        {makeRequest(32, 0), ScreenKind::kModuleList},
        {makeRequest(33, 1, 2), ScreenKind::kKeep},
        {makeRequest(12, 0), ScreenKind::kIndex},
        {makeRequest(12, 5), ScreenKind::kDocument},
        {makeRequest(5, 0), ScreenKind::kIndex},
        {makeRequest(5, 3), ScreenKind::kDocument},
        {makeRequest(48, 1, 1), ScreenKind::kIndex},
        {makeRequest(59, 0), ScreenKind::kIndex},
        {makeRequest(53, 0), ScreenKind::kIndex},
        {makeRequest(30, 2), ScreenKind::kIndex},
        {makeRequest(14, 0), ScreenKind::kIndex},
        {makeRequest(14, 1), ScreenKind::kCalculator},
        {makeRequest(27, 0), ScreenKind::kCalculator},
        {makeRequest(4, 1), ScreenKind::kCalculator},
        {makeRequest(4, 18), ScreenKind::kDocument},
        {makeRequest(4, 40), ScreenKind::kCalculator},
        {makeRequest(4, 0), ScreenKind::kNone},
        {makeRequest(4, 41), ScreenKind::kNone},
        {makeRequest(87, 0), ScreenKind::kNone},
        {makeRequest(43, 0), ScreenKind::kDocument},
        {makeRequest(57, 0), ScreenKind::kDocument},
        {makeRequest(13, 0), ScreenKind::kDocument},
        {makeRequest(99, 0), ScreenKind::kDocument},  // unknown: the page says no module answers
        {makeRequest(50, 2), ScreenKind::kDocument},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(programModules().screenKindFor(c.request), c.kind) << c.request;
    }
}

TEST(ProgramModulesTest, FamiliesInModuleCodesAndSearchRows) {
    const ModuleTable& table = programModules();
    const std::vector<std::vector<int32_t>> families = {
        {5, 48}, {24, 46, 57}, {14}, {17, 60}, {9, 30, 47}};
    std::set<ModuleFamily> seen;
    for (const auto& members : families) {
        const ModuleFamily family = table.familyOf(members.front());
        EXPECT_NE(family, ModuleFamily::kNone) << members.front();
        EXPECT_TRUE(seen.insert(family).second) << "two families share " << members.front();
        for (const int32_t code : members) EXPECT_EQ(table.familyOf(code), family) << code;
    }
    for (const int32_t code : {1, 4, 12, 31, 32, 53, 59, 99}) {
        EXPECT_EQ(table.familyOf(code), ModuleFamily::kNone) << code;
    }
    for (int32_t code = 0; code < 256; ++code) {
        const bool inModule = code == 33 || code == 50 || code == 74 || code == 75 || code == 81;
        EXPECT_EQ(table.isInModule(code), inModule) << code;
        const bool search = code == 53 || code == 30 || code == 12;
        EXPECT_EQ(table.hasSearchRow(code), search) << code;
    }
}

TEST(ProgramModulesTest, EveryCalculatorNumberMakesAModuleAndNoCodeIsListedTwice) {
    const ModuleTable& table = programModules();
    test_support::ContentSession session(ORVANE_BIN_DIR);
    for (int32_t n = 1; n <= 40; ++n) {
        ASSERT_NE(table.calculator(n), nullptr) << n;
        EXPECT_NE(table.create(makeRequest(request_code::kCalculator, n), session.context), nullptr)
            << n;
    }
    EXPECT_EQ(table.calculator(0), nullptr);
    EXPECT_EQ(table.calculator(41), nullptr);
    for (int32_t code = 0; code < 256; ++code) {
        if (table.row(code) != nullptr) {
            EXPECT_EQ(table.row(code)->code, code);
        }
    }
    for (const int32_t code : {5, 7, 14, 27, 31, 32, 39, 41, 43, 48, 53, 59, 63}) {
        EXPECT_NE(table.create(makeRequest(code, 0), session.context), nullptr) << code;
    }
    // Action codes and codes of modules this version does not have make nothing.
    for (const int32_t code : {0, 33, 50, 74, 75, 81, 87, 99, 255}) {
        EXPECT_EQ(table.create(makeRequest(code, 0), session.context), nullptr) << code;
    }
}

}  // namespace
}  // namespace orvane
