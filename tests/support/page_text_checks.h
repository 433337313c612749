// Checks on the text of a computed page that hold for every dosing page, whatever the weight: no
// number that is not one ("nan", "inf", "ERR"), no negative amount, and no amount that reads as
// zero ("0 mg", "0-1.5 mL") where a positive one was meant. The rules themselves are the content
// check's (tools/lib/page_text_checks.h); this file gives them the names the unit tests
// (page_checks.h) and the fuzz targets share, without a test framework, and adds the small text
// helpers the page tests use. Knows no module.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lib/page_text_checks.h"

namespace orvane::test_support {

using page_text::isDigit;
using page_text::isLetter;
using page_text::showsNegativeAmount;
using page_text::showsZeroAmount;

// The page a module built, or "(none)" when it gave none.
inline std::string pageText(const char* page) {
    return page ? std::string(page) : std::string("(none)");
}

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

// The problem brokenNumbersIn names for a positive amount that reads 0.
inline constexpr const char* kZeroAmountProblem = "a positive amount shown as 0";

// Every check above the page fails, named (empty when it passes them all).
inline std::vector<std::string> brokenNumbersIn(const std::string& page) {
    std::vector<std::string> problems;
    for (const char* bad : {"nan", "inf", "ERR"}) {
        if (containsWord(page, bad)) problems.push_back(std::string("\"") + bad + "\" on the page");
    }
    if (showsZeroAmount(page)) problems.push_back(kZeroAmountProblem);
    if (showsNegativeAmount(page)) problems.push_back("a negative amount");
    return problems;
}

}  // namespace orvane::test_support
