#include "tools/lib/page_text_checks.h"

#include <cstddef>

namespace orvane::page_text {

namespace {

// The words that stand for a number that could not be computed.
constexpr std::string_view kNotNumbers[] = {"nan", "inf", "ERR"};
// How much text around a fault its excerpt shows on each side.
constexpr std::size_t kExcerptReach = 30;

// Moves past any of the fillers that stand between a number and its unit or range sign.
std::size_t skipFillers(std::string_view text, std::size_t at) {
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

bool startsWithUnit(std::string_view text) {
    for (std::string_view unit : {"mg", "mL", "mcg", "U ", "U.", "Units", "J", "gram", "mEq"}) {
        if (text.starts_with(unit)) return true;
    }
    return false;
}

// Where a word stands on its own, or npos.
std::size_t findWord(std::string_view text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string_view::npos;
         at = text.find(word, at + 1)) {
        const bool startsWord = at == 0 || !isLetter(text[at - 1]);
        const std::size_t end = at + word.size();
        const bool endsWord = end == text.size() || !isLetter(text[end]);
        if (startsWord && endsWord) return at;
    }
    return std::string_view::npos;
}

std::size_t findZeroAmount(std::string_view text) {
    for (std::size_t at = text.find('0'); at != std::string_view::npos;
         at = text.find('0', at + 1)) {
        const bool startsNumber = at == 0 || (!isDigit(text[at - 1]) && text[at - 1] != '.');
        const std::size_t end = at + 1;
        const bool endsNumber = end == text.size() || (!isDigit(text[end]) && text[end] != '.');
        if (!startsNumber || !endsNumber) continue;
        std::size_t next = skipFillers(text, end);
        if (startsWithUnit(text.substr(next))) return at;
        if (next < text.size() && text[next] == '-') {
            next = skipFillers(text, next + 1);
            while (next < text.size() && (isDigit(text[next]) || text[next] == '.')) ++next;
            if (startsWithUnit(text.substr(skipFillers(text, next)))) return at;
        }
    }
    return std::string_view::npos;
}

std::size_t findNegativeAmount(std::string_view text) {
    for (std::size_t at = text.find('-'); at != std::string_view::npos;
         at = text.find('-', at + 1)) {
        if (at + 1 >= text.size() || !isDigit(text[at + 1])) continue;
        const char before = at == 0 ? ' ' : text[at - 1];
        if (before == ' ' || before == '=' || before == '(' || before == '[' || before == '>') {
            return at;
        }
    }
    return std::string_view::npos;
}

// A private code "<SC id=" in any letter case, or a dose template "<$".
std::size_t findRawMarkup(std::string_view text) {
    for (std::size_t at = text.find('<'); at != std::string_view::npos;
         at = text.find('<', at + 1)) {
        const std::string_view rest = text.substr(at + 1);
        if (rest.starts_with('$')) return at;
        if (rest.size() >= 3 && (rest[0] == 'S' || rest[0] == 's') &&
            (rest[1] == 'C' || rest[1] == 'c') && rest[2] == ' ') {
            return at;
        }
    }
    return std::string_view::npos;
}

std::string excerptAt(std::string_view text, std::size_t at) {
    const std::size_t from = at > kExcerptReach ? at - kExcerptReach : 0;
    std::string out(text.substr(from, 2 * kExcerptReach));
    // Shown in a report: white space as blanks, bytes outside printable ASCII as '?'.
    for (char& c : out) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n' || c == '\t') {
            c = ' ';
        } else if (b < 0x20 || b >= 0x7F) {
            c = '?';
        }
    }
    return out;
}

}  // namespace

bool containsWord(std::string_view text, std::string_view word) {
    return findWord(text, word) != std::string_view::npos;
}

bool showsZeroAmount(std::string_view text) {
    return findZeroAmount(text) != std::string_view::npos;
}

std::size_t zeroAmountAt(std::string_view text) {
    return findZeroAmount(text);
}

bool showsNegativeAmount(std::string_view text) {
    return findNegativeAmount(text) != std::string_view::npos;
}

bool showsRawMarkup(std::string_view text) {
    return findRawMarkup(text) != std::string_view::npos;
}

std::string_view faultName(PageFaultKind kind) {
    switch (kind) {
        case PageFaultKind::kNotANumber:
            return "not-a-number";
        case PageFaultKind::kZeroAmount:
            return "zero-amount";
        case PageFaultKind::kNegativeAmount:
            return "negative-amount";
        case PageFaultKind::kRawMarkup:
            return "raw-markup";
    }
    return "page";
}

std::vector<PageFault> pageFaults(std::string_view page) {
    std::vector<PageFault> faults;
    std::size_t notNumber = std::string_view::npos;
    for (std::string_view word : kNotNumbers) {
        const std::size_t at = findWord(page, word);
        if (at < notNumber) notNumber = at;
    }
    const std::pair<PageFaultKind, std::size_t> found[] = {
        {PageFaultKind::kNotANumber, notNumber},
        {PageFaultKind::kZeroAmount, findZeroAmount(page)},
        {PageFaultKind::kNegativeAmount, findNegativeAmount(page)},
        {PageFaultKind::kRawMarkup, findRawMarkup(page)},
    };
    for (const auto& [kind, at] : found) {
        if (at != std::string_view::npos) faults.push_back(PageFault{kind, excerptAt(page, at)});
    }
    return faults;
}

}  // namespace orvane::page_text
