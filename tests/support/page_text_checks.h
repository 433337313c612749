// Checks on the text of a computed page that hold for every dosing page, whatever the weight: no
// number that is not one ("nan", "inf", "ERR"), no negative amount, and no amount that reads as
// zero ("0 mg", "0-1.5 mL") where a positive one was meant. Plain functions on text, without a
// test framework, so that the unit tests (page_checks.h) and the fuzz targets share them. Knows no
// module.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::test_support {

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

inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
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

namespace page_checks_detail {

// Moves past any of the fillers that stand between a number and its unit or range sign.
inline std::size_t skipFillers(std::string_view text, std::size_t at) {
    for (bool moved = true; moved;) {
        moved = false;
        for (std::string_view filler : {" ", "&nbsp;", "</B>", "</STRONG>"}) {
            if (text.substr(at).starts_with(filler)) {
                at += filler.size();
                moved = true;
            }
        }
    }
    return at;
}

inline bool startsWithUnit(std::string_view text) {
    for (std::string_view unit : {"mg", "mL", "mcg", "U ", "U.", "Units", "J", "gram", "mEq"}) {
        if (text.starts_with(unit)) return true;
    }
    return false;
}

}  // namespace page_checks_detail

// True when the text shows an amount of exactly "0" before a dose unit, alone or as the low end
// of a range ("0 mg", "<B>0</B>&nbsp;mg", "0-1.5 mL", "0 - 2 mL").
inline bool showsZeroAmount(std::string_view text) {
    using page_checks_detail::skipFillers;
    using page_checks_detail::startsWithUnit;
    for (std::size_t at = text.find('0'); at != std::string_view::npos;
         at = text.find('0', at + 1)) {
        const bool startsNumber = at == 0 || (!isDigit(text[at - 1]) && text[at - 1] != '.');
        const std::size_t end = at + 1;
        const bool endsNumber = end == text.size() || (!isDigit(text[end]) && text[end] != '.');
        if (!startsNumber || !endsNumber) continue;
        std::size_t next = skipFillers(text, end);
        if (startsWithUnit(text.substr(next))) return true;
        if (next < text.size() && text[next] == '-') {
            next = skipFillers(text, next + 1);
            while (next < text.size() && (isDigit(text[next]) || text[next] == '.')) ++next;
            if (startsWithUnit(text.substr(skipFillers(text, next)))) return true;
        }
    }
    return false;
}

// True when a minus sign stands right before a digit where no range can be ("= -1", "(-2").
inline bool showsNegativeAmount(std::string_view text) {
    for (std::size_t at = text.find('-'); at != std::string_view::npos;
         at = text.find('-', at + 1)) {
        if (at + 1 >= text.size() || !isDigit(text[at + 1])) continue;
        const char before = at == 0 ? ' ' : text[at - 1];
        if (before == ' ' || before == '=' || before == '(' || before == '[' || before == '>') {
            return true;
        }
    }
    return false;
}

// Every check above the page fails, named (empty when it passes them all).
inline std::vector<std::string> brokenNumbersIn(const std::string& page) {
    std::vector<std::string> problems;
    for (const char* bad : {"nan", "inf", "ERR"}) {
        if (containsWord(page, bad)) problems.push_back(std::string("\"") + bad + "\" on the page");
    }
    if (showsZeroAmount(page)) problems.push_back("a positive amount shown as 0");
    if (showsNegativeAmount(page)) problems.push_back("a negative amount");
    return problems;
}

}  // namespace orvane::test_support
