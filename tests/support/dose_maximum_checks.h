// Test support: the check that no rounded dose on a computed page is above a maximum the page
// states for it. It reads the statements "[max N mg/day]" (the line's dose times its doses a day),
// "[max N mg/dose]", "[Max N mL/hr]", "[Max N mL Bolus]" (the line's amount before the statement)
// and "Max dose/day = N" (every "Sig:" dose of the page times its doses a day). Amounts are read
// as printed; a range counts by its upper end. Knows no module.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <vector>

namespace orvane::test_support {

namespace dose_maximum_detail {

// The doses a day of a frequency word ("bid", "q8h", "5x/day"), or none for a word it does not
// know.
inline std::optional<double> dosesPerDay(const std::string& word) {
    if (word == "qd") return 1.0;
    if (word == "bid") return 2.0;
    if (word == "tid") return 3.0;
    if (word == "qid") return 4.0;
    if (word == "5x/day") return 5.0;
    static const std::regex hours(R"(q(\d+) ?h(rs)?)");
    std::smatch m;
    if (std::regex_match(word, m, hours)) return 24.0 / std::atof(m[1].str().c_str());
    return std::nullopt;
}

// The first frequency word of a text, as dosesPerDay reads it.
inline std::optional<double> firstFrequency(const std::string& text) {
    static const std::regex word(R"((^|[ (])(qd|bid|tid|qid|5x/day|q\d+ ?h(rs)?)($|[ ).<]))");
    std::smatch m;
    if (!std::regex_search(text, m, word)) return std::nullopt;
    return dosesPerDay(m[2].str());
}

// The first amount of a text printed in the unit of a "[max ...]" statement, by its upper end.
inline std::optional<double> firstAmount(const std::string& text, const std::string& unit) {
    std::string pattern = R"(([0-9]+(\.[0-9]+)?)(-([0-9]+(\.[0-9]+)?))?(&nbsp;| ))";
    if (unit == "mL/hr") {
        pattern += R"(mL/hr)";
    } else if (unit == "mL Bolus" || unit == "mL") {
        pattern += R"(mL(?!/))";
    } else if (unit == "U") {
        pattern += R"(U\b)";
    } else {
        pattern += R"(mg(?!/kg))";
    }
    const std::regex amount(pattern);
    std::smatch m;
    if (!std::regex_search(text, m, amount)) return std::nullopt;
    return std::atof((m[4].matched ? m[4] : m[1]).str().c_str());
}

inline std::vector<std::string> lines(const std::string& page) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t at = page.find("<BR>"); at != std::string::npos; at = page.find("<BR>", start)) {
        out.push_back(page.substr(start, at - start));
        start = at + 4;
    }
    out.push_back(page.substr(start));
    return out;
}

// A tiny allowance for the printed decimals of both numbers.
inline bool above(double amount, double maximum) {
    return amount > maximum * (1.0 + 1e-6);
}

}  // namespace dose_maximum_detail

// Every dose of the page above a maximum the page states for it, described; empty when none is.
inline std::vector<std::string> dosesAboveStatedMaximum(const std::string& page) {
    using namespace dose_maximum_detail;
    std::vector<std::string> found;
    static const std::regex statement(
        R"(\[[mM]ax ([0-9]+(\.[0-9]+)?) ?(mg/day|mg/dose|mL/hr|mL Bolus|mL|mg|U))");
    for (const std::string& line : lines(page)) {
        std::smatch m;
        if (!std::regex_search(line, m, statement)) continue;
        const double maximum = std::atof(m[1].str().c_str());
        const std::string unit = m[3].str();
        const std::string before = line.substr(0, static_cast<size_t>(m.position(0)));
        const std::optional<double> amount = firstAmount(before, unit);
        if (!amount) continue;
        double perDay = 1.0;
        if (unit == "mg/day" || (unit == "U" && line.find("/kg/d ") != std::string::npos)) {
            const std::optional<double> count = firstFrequency(before);
            if (!count) {
                found.push_back("no frequency for a daily maximum: " + line);
                continue;
            }
            perDay = *count;
        }
        if (above(*amount * perDay, maximum)) {
            found.push_back(std::to_string(*amount) + " x " + std::to_string(perDay) + " above " +
                            std::to_string(maximum) + ": " + line);
        }
    }
    static const std::regex daily(R"(Max dose/day = ([0-9]+) (mg|U)\.)");
    static const std::regex sig(R"((Sig: |then )([0-9]+(\.[0-9]+)?) (mg|U)/dose ([^<]*))");
    std::smatch d;
    if (std::regex_search(page, d, daily)) {
        const double maximum = std::atof(d[1].str().c_str());
        for (std::sregex_iterator it(page.begin(), page.end(), sig), end; it != end; ++it) {
            const double dose = std::atof((*it)[2].str().c_str());
            const std::optional<double> count = firstFrequency((*it)[5].str());
            if (count && above(dose * *count, maximum)) {
                found.push_back((*it).str() + " above " + d.str());
            }
        }
    }
    return found;
}

inline void expectNoDoseAboveStatedMaximum(const std::string& page, const std::string& what) {
    for (const std::string& fault : dosesAboveStatedMaximum(page)) {
        ADD_FAILURE() << what << ": " << fault;
    }
}

}  // namespace orvane::test_support
