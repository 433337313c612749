// Test support: checks on the text of a computed page that hold for every dosing page, whatever
// the weight, as GoogleTest expectations: no number that is not one ("nan", "inf", "ERR"), no
// negative amount, no amount that reads as zero where a positive one was meant
// (page_text_checks.h), and where the page states it, every amount within 10% of its per-kg basis
// and every volume agreeing with its mass and concentration. Knows no module.
#pragma once

#include <gtest/gtest.h>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tests/support/page_text_checks.h"

namespace orvane::test_support {

// No page may show a number that is not one, a negative amount or a positive one as zero.
inline void expectNoBrokenNumbers(const std::string& page) {
    EXPECT_EQ(brokenNumbersIn(page), std::vector<std::string>()) << page;
}

// ---- The amount rule: printed amounts against the basis and the concentration the page states.

namespace page_checks_detail {

// The page as plain lines: tags that only style a number dropped, "&nbsp;" a blank, "<BR>" a
// line break.
inline std::string plainText(const std::string& page) {
    std::string out;
    for (std::size_t at = 0; at < page.size();) {
        if (page.compare(at, 4, "<BR>") == 0) {
            out += '\n';
            at += 4;
        } else if (page.compare(at, 6, "&nbsp;") == 0) {
            out += ' ';
            at += 6;
        } else if (page[at] == '<') {
            const std::size_t close = page.find('>', at);
            at = close == std::string::npos ? page.size() : close + 1;
        } else {
            out += page[at++];
        }
    }
    return out;
}

inline std::size_t skipBlanks(std::string_view text, std::size_t at) {
    while (at < text.size() && text[at] == ' ') ++at;
    return at;
}

// A number written forwards from `at` ("12", "0.05", ".5"); its end, or npos when none.
inline std::size_t numberEnd(std::string_view text, std::size_t at) {
    std::size_t end = at;
    bool digits = false;
    while (end < text.size() && (isDigit(text[end]) || text[end] == '.')) {
        digits = digits || isDigit(text[end]);
        ++end;
    }
    if (!digits || text[end - 1] == '.') return std::string_view::npos;
    return end;
}

// An amount or a range of two ("0.05", "0.13-0.27", "0.025 - 0.04") and its unit word with any
// "/..." after it ("mg", "mL/hr", "U").
struct PrintedFigure {
    double low = 0;
    double high = 0;
    std::string unit;
    std::size_t end = 0;
};

inline std::optional<PrintedFigure> readFigure(std::string_view text, std::size_t at) {
    at = skipBlanks(text, at);
    const std::size_t lowEnd = numberEnd(text, at);
    if (lowEnd == std::string_view::npos) return std::nullopt;
    // A number run on from a longer one ("1:10,000") is no amount.
    if (at > 0 && (isDigit(text[at - 1]) || text[at - 1] == ',' || text[at - 1] == ':')) {
        return std::nullopt;
    }
    PrintedFigure figure;
    figure.low = std::stod(std::string(text.substr(at, lowEnd - at)));
    figure.high = figure.low;
    std::size_t next = skipBlanks(text, lowEnd);
    if (next < text.size() && text[next] == '-') {
        const std::size_t highStart = skipBlanks(text, next + 1);
        const std::size_t highEnd = numberEnd(text, highStart);
        if (highEnd != std::string_view::npos) {
            figure.high = std::stod(std::string(text.substr(highStart, highEnd - highStart)));
            next = skipBlanks(text, highEnd);
        }
    }
    std::size_t unitEnd = next;
    while (unitEnd < text.size() && (isLetter(text[unitEnd]) || text[unitEnd] == '/')) ++unitEnd;
    figure.unit = std::string(text.substr(next, unitEnd - next));
    figure.end = unitEnd;
    return figure;
}

// The amount unit of a printed unit, "Units" and "U" taken as one.
inline std::string amountUnit(std::string unit) {
    if (unit.starts_with("Units")) unit = "U" + unit.substr(5);
    while (!unit.empty() && unit.back() == '/') unit.pop_back();
    return unit;
}

// The line around `at`.
inline std::string_view lineAround(std::string_view text, std::size_t at) {
    const std::size_t start = text.rfind('\n', at);
    const std::size_t from = start == std::string_view::npos ? 0 : start + 1;
    const std::size_t end = text.find('\n', at);
    return text.substr(from, (end == std::string_view::npos ? text.size() : end) - from);
}

// How far after an amount a note of its maximum may stand.
inline constexpr std::size_t kCapNoteReach = 200;

// Whether a printed amount is within the tenth of its formula's amount the rule allows (the
// formula's own dose bands round by less), with room for a stated maximum or minimum.
inline bool withinTenth(double printed, double formula, bool capped, bool floored) {
    const double slack = 1e-9 + 1e-6 * formula;
    if (!floored && printed > 1.1 * formula + slack) return false;
    if (!capped && printed < 0.9 * formula - slack) return false;
    return true;
}

// The amount a concentration in "of ..." gives per mL in the unit of the mass: "20 mg/mL",
// "1:10,000" (0.1 mg/mL), "1:1,000" or "1:1000" (1 mg/mL).
inline std::optional<std::pair<double, std::string>> statedConcentration(std::string_view after) {
    const std::size_t of = after.find("of ");
    if (of == std::string_view::npos || of > 12) return std::nullopt;
    const std::string_view rest = after.substr(of + 3);
    if (rest.starts_with("1:10,000")) return std::make_pair(0.1, std::string("mg"));
    if (rest.starts_with("1:1,000") || rest.starts_with("1:1000")) {
        return std::make_pair(1.0, std::string("mg"));
    }
    const std::optional<PrintedFigure> c = readFigure(rest, 0);
    if (!c || c->low != c->high || !c->unit.ends_with("/mL")) return std::nullopt;
    return std::make_pair(c->low, amountUnit(c->unit.substr(0, c->unit.size() - 3)));
}

// How many of a mass unit one of a concentration's unit is (mcg in a mg: 1000).
inline std::optional<double> massScale(const std::string& mass, const std::string& per) {
    if (mass == per) return 1.0;
    if (mass == "mcg" && per == "mg") return 1000.0;
    if (mass == "mg" && per == "mcg") return 0.001;
    return std::nullopt;
}

}  // namespace page_checks_detail

// Every "X unit/kg = Y unit" of the page (X and Y each a number or a range, "/kg/hr" with
// "unit/hr") prints Y within 10% of X times the weight; a line that states a maximum may print
// less, one that states a minimum more. Returns how many amounts were checked.
inline int expectAmountsFollowTheirBasis(const std::string& page, double weightKg,
                                         const std::string& where) {
    using namespace page_checks_detail;
    const std::string text = plainText(page);
    int checked = 0;
    for (std::size_t kg = text.find("/kg"); kg != std::string::npos;
         kg = text.find("/kg", kg + 1)) {
        // Back over the unit word and the number or range before it.
        std::size_t unitStart = kg;
        while (unitStart > 0 && isLetter(text[unitStart - 1])) --unitStart;
        std::size_t start = unitStart;
        while (start > 0 && (isDigit(text[start - 1]) || text[start - 1] == '.' ||
                             text[start - 1] == '-' || text[start - 1] == ' ')) {
            --start;
        }
        start = skipBlanks(text, start);
        while (start < unitStart && text[start] == '-') start = skipBlanks(text, start + 1);
        const std::optional<PrintedFigure> basis = readFigure(text, start);
        if (!basis || basis->end <= kg) continue;
        std::size_t afterBasis = basis->end;
        // "mg/kg/dose" doses "mg"; "mg/kg/hr" gives "mg/hr".
        std::string perWhat = basis->unit.substr(kg - unitStart + 3);
        if (perWhat == "/dose" || perWhat == "/d") perWhat.clear();
        std::size_t equals = skipBlanks(text, afterBasis);
        if (equals >= text.size() || text[equals] != '=') continue;
        const std::optional<PrintedFigure> amount = readFigure(text, equals + 1);
        if (!amount) continue;
        const std::string unit = amountUnit(basis->unit.substr(0, kg - unitStart));
        if (amountUnit(amount->unit) != unit + perWhat) continue;
        const std::string_view line = lineAround(text, equals);
        // A maximum may be stated on the line or in a note just after it.
        const std::string_view after = std::string_view(text).substr(equals, kCapNoteReach);
        const bool capped = after.find("Max") != std::string_view::npos ||
                            after.find("max") != std::string_view::npos;
        const bool floored = line.find("Min") != std::string_view::npos;
        const bool lowOk = withinTenth(amount->low, basis->low * weightKg, capped, floored);
        const bool highOk = withinTenth(amount->high, basis->high * weightKg, capped, floored);
        EXPECT_TRUE(lowOk && highOk) << where << ": '" << text.substr(start, amount->end - start)
                                     << "' at " << weightKg << " kg";
        ++checked;
    }
    return checked;
}

// Every "A mL (B unit) of C unit/mL" (and "A mL/hr (B unit/hr) of ...", "1:10,000" and "1:1,000"
// adrenaline) prints a volume and a mass that agree with the concentration: each within 10% of
// one formula, so B and A times C differ by less than 1.1/0.9. Returns how many were checked.
inline int expectVolumesMatchTheirMass(const std::string& page, const std::string& where) {
    using namespace page_checks_detail;
    const std::string text = plainText(page);
    int checked = 0;
    for (std::size_t ml = text.find(" mL"); ml != std::string::npos;
         ml = text.find(" mL", ml + 1)) {
        std::size_t start = ml;
        while (start > 0 && (isDigit(text[start - 1]) || text[start - 1] == '.')) --start;
        const std::optional<PrintedFigure> volume = readFigure(text, start);
        if (!volume || volume->low != volume->high) continue;
        if (volume->unit != "mL" && volume->unit != "mL/hr") continue;
        std::size_t open = skipBlanks(text, volume->end);
        if (open >= text.size() || text[open] != '(') continue;
        const std::optional<PrintedFigure> mass = readFigure(text, open + 1);
        if (!mass || mass->low != mass->high) continue;
        std::size_t close = skipBlanks(text, mass->end);
        if (close >= text.size() || text[close] != ')') continue;
        const auto concentration = statedConcentration(std::string_view(text).substr(close + 1));
        if (!concentration) continue;
        const std::string perHour = volume->unit == "mL/hr" ? "/hr" : "";
        const std::string massUnit = amountUnit(mass->unit);
        if (!massUnit.ends_with(perHour)) continue;
        const std::optional<double> scale =
            massScale(massUnit.substr(0, massUnit.size() - perHour.size()), concentration->second);
        if (!scale) continue;
        const double fromVolume = volume->low * concentration->first * *scale;
        const double ratio =
            mass->low > fromVolume ? mass->low / fromVolume : fromVolume / mass->low;
        EXPECT_LE(ratio, 1.1 / 0.9 + 1e-6)
            << where << ": '" << text.substr(start, close + 1 - start) << "' of "
            << concentration->first << " " << concentration->second << "/mL";
        ++checked;
    }
    return checked;
}

}  // namespace orvane::test_support
