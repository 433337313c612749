// Test support: the page checks of page_text_checks.h as GoogleTest expectations, for the unit
// tests. Knows no module.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/page_text_checks.h"

namespace orvane::test_support {

// No page may show a number that is not one, a negative amount or a positive one as zero.
inline void expectNoBrokenNumbers(const std::string& page) {
    EXPECT_EQ(brokenNumbersIn(page), std::vector<std::string>()) << page;
}

}  // namespace orvane::test_support
