// Test support: checks on the text of a computed page that hold for every dosing page, whatever
// the weight: no number that is not one ("nan", "inf", "ERR"), no negative amount, and no amount
// that reads as zero ("0 mg", "0-1.5 mL") where a positive one was meant. The rules themselves
// are the content check's (tools/lib/page_text_checks.h); this file states them as test
// expectations and adds the small text helpers the page tests share. Knows no module.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>

#include "tools/lib/page_text_checks.h"

namespace orvane::test_support {

using page_text::isDigit;
using page_text::isLetter;
using page_text::showsNegativeAmount;
using page_text::showsZeroAmount;

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The text between two markers, or "(no start)" / "(no end)" when a marker is missing.
inline std::string between(const std::string& text, const std::string& from,
                           const std::string& to) {
    const std::size_t start = text.find(from);
    if (start == std::string::npos) return "(no start)";
    const std::size_t end = text.find(to, start + from.size());
    if (end == std::string::npos) return "(no end)";
    return text.substr(start + from.size(), end - start - from.size());
}

// The word on its own, not inside a longer word ("inf" but not "infants").
inline bool containsWord(const std::string& text, const std::string& word) {
    return page_text::containsWord(text, word);
}

// No page may show a number that is not one, a negative amount or a positive one as zero.
inline void expectNoBrokenNumbers(const std::string& page) {
    for (const char* bad : {"nan", "inf", "ERR"}) {
        EXPECT_FALSE(containsWord(page, bad)) << bad << " in " << page;
    }
    EXPECT_FALSE(showsZeroAmount(page)) << page;
    EXPECT_FALSE(showsNegativeAmount(page)) << page;
}

}  // namespace orvane::test_support
