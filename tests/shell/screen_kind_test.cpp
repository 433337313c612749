// Which kind of screen shows a request.
#include "shell/screen_kind.h"

#include <gtest/gtest.h>

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
    };
    for (const auto& c : cases) {
        EXPECT_EQ(screenKindFor(c.request), c.kind) << c.request;
    }
}

}  // namespace
}  // namespace orvane
