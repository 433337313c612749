// Checks on the text of a built page that hold for every page, whatever the module and the weight:
// no number that is not one ("nan", "inf", "ERR"), no negative amount, no positive amount that
// reads as zero ("0 mg", "0-1.5 mL"), and no content markup or private code left unconverted. The
// content check and the tests both apply them; they know no module and print nothing.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orvane::page_text {

inline bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The word on its own, not inside a longer word ("inf" but not "infants").
bool containsWord(std::string_view text, std::string_view word);

// True when the text shows an amount of exactly "0" before a dose unit, alone or as the low end
// of a range ("0 mg", "<B>0</B>&nbsp;mg", "0-1.5 mL", "0 - 2 mL").
bool showsZeroAmount(std::string_view text);

// Where the first amount of exactly "0" of showsZeroAmount stands, or npos.
std::size_t zeroAmountAt(std::string_view text);

// True when a minus sign stands right before a digit where no range can be ("= -1", "(-2").
bool showsNegativeAmount(std::string_view text);

// True when content markup that the page builder converts is still in the text: a private code
// ("<SC id=N>") or a dose template ("<$...>").
bool showsRawMarkup(std::string_view text);

// What is wrong with a page, one entry per kind of fault.
enum class PageFaultKind { kNotANumber, kZeroAmount, kNegativeAmount, kRawMarkup };

struct PageFault {
    PageFaultKind kind;
    std::string excerpt;  // the words around the first place it shows, for the reader to find it
};

// A short name of the fault's kind ("not-a-number", "zero-amount", ...).
std::string_view faultName(PageFaultKind kind);

// Every kind of fault the page shows, in the order of the enum; empty for a sound page.
std::vector<PageFault> pageFaults(std::string_view page);

}  // namespace orvane::page_text
