// Test support: checks that a dosing page never shows a number that is not one (nan, inf, the
// formatter's ERR), a negative amount, or a positive amount written as 0. Knows no module.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>

namespace orvane::test_support {

inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The word on its own, not inside a longer word ("inf" but not "infants").
inline bool containsWord(const std::string& text, const std::string& word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !isLetter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end == text.size() || !isLetter(text[end]);
        if (startsWord && endsWord) return true;
    }
    return false;
}

// No page may show a number that is not one, a negative amount or an amount that reads 0.
inline void expectNoBrokenNumbers(const std::string& page) {
    for (const char* bad : {"nan", "inf", "ERR"}) {
        EXPECT_FALSE(containsWord(page, bad)) << bad << " in " << page;
    }
    for (const char* zero : {"= 0 mg", "[0 mL", "(0 mL", "<B>0</B>", "-0 mg", "Place 0 mg",
                             "- 0 mL", "= -", "<B>-", "[-", "(-"}) {
        EXPECT_EQ(page.find(zero), std::string::npos) << zero << " in " << page;
    }
}

}  // namespace orvane::test_support
