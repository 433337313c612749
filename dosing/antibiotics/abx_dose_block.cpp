#include "dosing/antibiotics/abx_dose_block.h"

#include <cctype>
#include <cmath>
#include <optional>

#include "dosing/antibiotics/abx_frequency_words.h"
#include "dosing/builders/short_amounts.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"

namespace orvane {

namespace {

constexpr const char* kHeading = "<BR><STRONG>Calculated Dose: </STRONG>";
constexpr const char* kUnitsWord = " U ";
constexpr const char* kPenicillin = "penicillin";
// Amounts have at most 3 decimals after the dose bands.
constexpr int32_t kAmountDecimals = 3;
// A stored figure (a dose per kg, a maximum) starts from at most 3 decimals.
constexpr int32_t kStoredDecimals = 3;
// The dose for the weight, per single dose, with the maximum it is held to.
struct LineAmounts {
    float low = 0.0f;
    float high = 0.0f;
    float cap = 0.0f;  // 0: none
};

// The guide's bands; a positive amount they would bring to 0 keeps its own value, so that it
// never reads as no dose.
float banded(float raw) {
    const float rounded = bandRound(raw);
    return rounded <= 0.0f && raw > 0.0f ? raw : rounded;
}

// The step an amount is printed on: the guide's bands, then the dose bands of its printed form.
float printedStep(float raw) {
    return doseRound(banded(raw));
}

// Numbers from 2^31 on have no printed form (see number_format.h).
constexpr float kPrintableLimit = 2147483648.0f;

bool isSoundNumber(float x) {
    return std::isfinite(x) && x >= 0.0f && x < kPrintableLimit;
}

// The amounts of a line, or none when its numbers cannot give one: a damaged number, no weight or
// no dose, a daily dose with no count (or one its route names no frequency for) to divide it by,
// or an amount too small to print.
std::optional<LineAmounts> lineAmounts(const AbxDoseEntry& entry, float weight) {
    if (!isSoundNumber(entry.low) || !isSoundNumber(entry.high) || !isSoundNumber(entry.maximum) ||
        !isSoundNumber(weight) || weight <= 0.0f || entry.low <= 0.0f ||
        entry.perDayFlag > AbxDoseEntry::kPerDay) {
        return std::nullopt;
    }
    float low = entry.low * weight;
    float high = entry.high * weight;
    float maximum = entry.maximum;
    if (entry.perDay()) {
        if (entry.dosesPerDay == 0 ||
            abxFrequencyWords(entry.route, entry.dosesPerDay) == nullptr) {
            return std::nullopt;
        }
        const auto count = static_cast<float>(entry.dosesPerDay);
        low = low / count;
        high = high / count;
        maximum = maximum / count;
    }
    // The maximum as printed is the largest step not above it: rounded to the nearest step it
    // could read more than the maximum (875 mg a dose printed 880).
    const LineAmounts amounts{banded(low), banded(high),
                              roundedNotAbove(maximum, maximum, printedStep)};
    const bool lowTooSmall = low > 0.0f && doseRound(amounts.low) <= 0.0f;
    const bool capTooSmall = maximum > 0.0f && amounts.cap <= 0.0f;
    if (!isSoundNumber(amounts.low) || !isSoundNumber(amounts.high) ||
        !isSoundNumber(amounts.cap) || lowTooSmall || capTooSmall) {
        return std::nullopt;
    }
    return amounts;
}

std::string amountText(float x) {
    return amountOrTooSmall(x, kAmountDecimals, true).str();
}

// A stored number (a dose per kg, a maximum) as it is, with at most 3 decimals first: printed by
// the amount rule like every amount, so that a tiny one from a damaged record never reads "0".
std::string storedText(float x) {
    return amountOrTooSmall(x, kStoredDecimals, false).str();
}

// Whether a stored figure is a positive number the amount rule prints.
bool printsAsDose(float x) {
    return isSoundNumber(x) && x > 0.0f && printedAmount(x, kStoredDecimals, false).has_value();
}

// The frequency words, with the dose per kg in brackets.
std::string frequencyText(const AbxDoseEntry& entry, bool penicillin) {
    const AbxFrequencyWords* words = abxFrequencyWords(entry.route, entry.dosesPerDay);
    std::string text = words != nullptr ? words->word : "";
    // Appended piece by piece: a text built as "-" + text inserts at the front of a temporary,
    // which GCC 12's optimiser misreads as an overlapping copy (-Wrestrict).
    text += " (";
    text += storedText(entry.low);
    if (entry.high != 0.0f) {
        text += '-';
        text += storedText(entry.high);
    }
    text += penicillin ? kUnitsWord : " mg";
    text += entry.perDay() ? "/kg/d" : "/kg/dose";
    if (words != nullptr) text += words->division;
    text += ")";
    return text;
}

}  // namespace

bool isPenicillin(std::string_view name) {
    const std::string_view word(kPenicillin);
    if (name.size() < word.size()) return false;
    for (size_t at = 0; at + word.size() <= name.size(); ++at) {
        bool same = true;
        for (size_t i = 0; i < word.size() && same; ++i) {
            same = std::tolower(static_cast<unsigned char>(name[at + i])) == word[i];
        }
        if (same) return true;
    }
    return false;
}

std::string abxDoseLine(const AbxDoseEntry& entry, float weight) {
    const bool penicillin = isPenicillin(entry.name.view());
    std::string line = "<BR><SC id=28><B>" + entry.name.str() + "&nbsp;</B> ";
    const std::optional<LineAmounts> amounts = lineAmounts(entry, weight);
    // The dose per kg is shown only where it prints as one: a stored 0, or one too small for
    // the amount rule, from a damaged record is no dose.
    const bool sound = printsAsDose(entry.low) &&
                       (entry.high == 0.0f || (entry.high > 0.0f && printsAsDose(entry.high)));
    bool capped = false;
    if (amounts) {
        const LineAmounts& a = *amounts;
        line += "&nbsp;";
        if (a.cap != 0.0f && a.low >= a.cap) {
            line += amountText(a.cap);
            capped = true;
        } else if (entry.high == 0.0f) {
            line += amountText(a.low);
        } else {
            capped = a.cap != 0.0f && a.high >= a.cap;
            line += amountText(a.low) + "-" + amountText(capped ? a.cap : a.high);
        }
        line += penicillin ? kUnitsWord : entry.perDay() ? "&nbsp;mg" : "&nbsp;mg/dose";
    }
    line += abxRouteWord(entry.route);
    if (sound) line += frequencyText(entry, penicillin) + " ";
    if (capped) {
        // One space before the note, whether or not a frequency left one.
        if (!line.ends_with(' ')) line += ' ';
        line += "[max ";
        line += storedText(entry.maximum);
        line += penicillin ? kUnitsWord : entry.perDay() ? " mg/day" : " mg/dose";
        line += "]";
    }
    line += "<BR>";
    return line;
}

std::string abxDoseBlock(const std::vector<AbxDoseEntry>& entries, float weight) {
    std::string block = kHeading;
    for (const AbxDoseEntry& entry : entries) block += abxDoseLine(entry, weight);
    return block;
}

}  // namespace orvane
