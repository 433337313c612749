#include "dosing/builders/dose_templates.h"

#include <cmath>
#include <string>
#include <string_view>

#include "dosing/builders/atropine_block.h"
#include "dosing/builders/dose_range_line.h"
#include "dosing/builders/equipment_table.h"
#include "dosing/builders/rule_of_six_tables.h"
#include "foundation/number_format.h"
#include "foundation/printed_amount.h"
#include "foundation/rounding.h"
#include "rendering/template_tag.h"

namespace orvane {

namespace {

// Any printed number must stay well inside what formatNumber writes as a number.
constexpr float kLargestPrinted = 1.0e9f;
// The heaviest weight amounts are computed for.
constexpr float kLargestWeightKg = 1.0e6f;

bool printable(float x) {
    return std::isfinite(x) && std::fabs(x) < kLargestPrinted;
}

// Formats numbers for one tag and remembers whether any of them was out of range. Amounts are
// printed by the amount rule (printedAmount): within 10% of the amount, or said to be too small.
class Printer {
  public:
    std::string operator()(float x, int32_t decimals = 2) {
        if (!printable(x)) ok_ = false;
        return amountOrTooSmall(x, decimals, false).str();
    }
    bool ok() const { return ok_; }

  private:
    bool ok_ = true;
};

enum class TagKind {
    WeightIf,
    DoseIf,
    RangeLine,
    Dose,
    DoseRange,
    DoseAmount,
    Amount,
    AmountRange,
    Rate,
    RatePerHour,
    RateMcgPerHour,
    Tubes,
    RateTableA,
    RateTableB,
    Atropine,
};

struct TagPass {
    std::string_view name;
    TagKind kind;
};

constexpr TagPass kPasses[] = {
    {"<$weightif=", TagKind::WeightIf},
    {"<$doseif=", TagKind::DoseIf},
    {"<$prm=", TagKind::RangeLine},
    {"<$dose=", TagKind::Dose},
    {"<$doserange=", TagKind::DoseRange},
    {"<$doseamt=", TagKind::DoseAmount},
    {"<$amt=", TagKind::Amount},
    {"<$amtrange=", TagKind::AmountRange},
    {"<$rate=", TagKind::Rate},
    {"<$ratehr=", TagKind::RatePerHour},
    {"<$ratemcghr=", TagKind::RateMcgPerHour},
    {"<$tubes>", TagKind::Tubes},
    {"<$prr06a>", TagKind::RateTableA},
    {"<$prr06b>", TagKind::RateTableB},
    {"<$atropine>", TagKind::Atropine},
};

bool needsConcentration(TagKind kind) {
    switch (kind) {
        case TagKind::DoseAmount:
        case TagKind::Amount:
        case TagKind::AmountRange:
        case TagKind::Rate:
        case TagKind::RatePerHour:
        case TagKind::RateMcgPerHour:
            return true;
        default:
            return false;
    }
}

// "<B>" + number + "</B>&nbsp;"
std::string bold(const std::string& number) {
    return "<B>" + number + "</B>&nbsp;";
}

std::string maxForm(Printer& fmt, float maximum, std::string_view units) {
    return bold(fmt(maximum)) + std::string(units) + " [Max dose]";
}

// The replacement of one computing tag; the empty text with ok false when it cannot be trusted.
std::string computeTag(TagKind kind, const TemplateTag& t, float weight, bool* ok) {
    Printer fmt;
    const float maximum = t.maximum;
    const float dose = doseRound(t.amount * weight);
    const float upperDose = doseRound(t.upper * weight);
    const bool capped = maximum > 0 && dose >= maximum;
    // The volume of the maximum: a volume rounded to its step never holds more (none without one).
    const float mostVolume = maximum > 0 ? maximum / t.conc : 0.0f;
    // A stored amount per kg that is 0 or below or no number (a damaged tag, "<$dose=0.0E"), or
    // a dose for a weight that the dose bands bring to 0, would print an amount of 0: the tag
    // cannot be trusted. The range line says so in its own way.
    if (kind != TagKind::RangeLine && (!(t.amount > 0) || (weight > 0 && !(dose > 0)))) {
        *ok = false;
        return {};
    }
    // A range whose upper end is missing or damaged in the stored text (no "up=" amount) would
    // print its top as 0: it cannot be trusted.
    if ((kind == TagKind::DoseRange || kind == TagKind::AmountRange) && !capped &&
        !(upperDose > 0)) {
        *ok = false;
        return {};
    }
    const std::string units(t.units);
    std::string out;
    switch (kind) {
        case TagKind::Dose: {
            if (capped) {
                out = maxForm(fmt, maximum, units);
            } else {
                const float shown = (t.minimum > 0 && dose < t.minimum) ? t.minimum : dose;
                out = bold(fmt(shown)) + units;
            }
            break;
        }
        case TagKind::DoseRange: {
            if (capped) {
                out = maxForm(fmt, maximum, units);
            } else {
                out = "<B>" + fmt(dose) + "</B>&nbsp;-&nbsp;";
                if (maximum > 0 && upperDose >= maximum) {
                    out += maxForm(fmt, maximum, units);
                } else {
                    out += bold(fmt(upperDose)) + units;
                }
            }
            break;
        }
        case TagKind::DoseAmount: {
            if (capped) {
                out = bold(fmt(maximum)) + units + " (" + fmt(maximum / t.conc) + " mL [Max dose])";
            } else {
                out = bold(fmt(dose)) + units + " (" + fmt(dose / t.conc) + " mL)";
            }
            break;
        }
        case TagKind::Amount: {
            float amount = dose;
            if (maximum > 0 && amount >= maximum) amount = maximum;
            if (t.minimum > 0 && amount < t.minimum) amount = t.minimum;
            out = bold(fmt(roundedNotAbove(amount / t.conc, mostVolume)));
            break;
        }
        case TagKind::AmountRange: {
            if (capped) {
                out = bold(fmt(roundedNotAbove(maximum / t.conc, mostVolume)));
            } else {
                const float upper = (maximum > 0 && upperDose >= maximum) ? maximum : upperDose;
                out = "<B>" + fmt(roundedNotAbove(dose / t.conc, mostVolume)) +
                      "</B>&nbsp;-&nbsp;" + bold(fmt(roundedNotAbove(upper / t.conc, mostVolume)));
            }
            break;
        }
        case TagKind::Rate:
            out = bold(fmt(doseRound((weight / t.conc) * t.amount), 3));
            break;
        case TagKind::RatePerHour:
            out = bold(fmt(roundWhole((weight / t.conc) * 60.0f * t.amount * 10.0f) * 0.1f, 3));
            break;
        case TagKind::RateMcgPerHour:
            out = bold(fmt(doseRound((weight / t.conc) * 60.0f * t.amount * 0.001f), 3));
            break;
        case TagKind::RangeLine: {
            // The line prints doses, the maximum and, with a concentration, their volumes.
            const float low = t.amount * weight;
            const float high = t.upper * weight;
            bool inRange = printable(low) && printable(high) && printable(maximum);
            if (t.conc > 0) {
                inRange = inRange && printable(low / t.conc) && printable(high / t.conc) &&
                          printable(maximum / t.conc);
            }
            if (!inRange) {
                *ok = false;
                return {};
            }
            DoseRange range;
            range.weight = weight;
            range.low = t.amount;
            range.lowText = formatNumber(t.amount, 2, true);
            range.high = t.upper;
            range.highText = formatNumber(t.upper, 2, true);
            range.maximum = maximum;
            range.unit = SharedString(t.units);
            range.concentration = t.conc;
            SharedString line;
            appendDoseRangeLine(line, range);
            out = line.str();
            break;
        }
        default:
            break;
    }
    *ok = fmt.ok();
    return out;
}

std::string fixedBlock(TagKind kind, float weight) {
    SharedString block;
    switch (kind) {
        case TagKind::Tubes:
            appendEquipmentTable(block, weight);
            break;
        case TagKind::RateTableA:
            appendRateTableA(block, weight);
            break;
        case TagKind::RateTableB:
            appendRateTableB(block, weight);
            break;
        case TagKind::Atropine:
            appendAtropineBlock(block, weight);
            break;
        default:
            break;
    }
    return block.str();
}

// Whether a conditional keeps its block.
bool keepsBlock(TagKind kind, const TemplateTag& t, float weight) {
    if (kind == TagKind::WeightIf) {
        if (!t.hasMaximum) return weight > t.amount;
        return t.amount <= weight && weight <= t.maximum;
    }
    return t.maximum > 0 && doseRound(t.amount * weight) >= t.maximum;
}

// One pass over the text for one tag name.
void runPass(std::string& text, const TagPass& pass, float weight, bool weightUsable) {
    const std::string_view name = pass.name;
    const bool fixed = name.back() == '>';
    const bool conditional = pass.kind == TagKind::WeightIf || pass.kind == TagKind::DoseIf;
    std::string out;
    size_t scan = 0;
    while (true) {
        const size_t at = text.find(name, scan);
        if (at == std::string::npos) break;
        const size_t close = fixed ? at + name.size() - 1 : text.find('>', at + name.size());
        if (close == std::string::npos) break;  // no '>' ahead: the rest stays as it is
        out.append(text, scan, at - scan);
        scan = close + 1;
        if (fixed) {
            out += weightUsable ? fixedBlock(pass.kind, weight) : kTemplateErrorText;
            continue;
        }
        const TemplateTag tag =
            readTemplateTag(std::string_view(text).substr(at, close - at), name.size());
        if (conditional) {
            const std::string closing =
                pass.kind == TagKind::WeightIf ? "</$weightif>" : "</$doseif>";
            const size_t end = text.find(closing, scan);
            const bool trusted = weightUsable && tag.valid;
            const bool keep = trusted && keepsBlock(pass.kind, tag, weight);
            if (end == std::string::npos) {
                // The block runs to the end of the text; say that the closing tag is missing.
                out += kTemplateErrorText;
                if (keep) out.append(text, scan);
                scan = text.size();
                break;
            }
            if (!trusted) out += kTemplateErrorText;
            if (keep) out.append(text, scan, end - scan);
            scan = end + closing.size();
            continue;
        }
        bool ok = weightUsable && tag.valid && !(needsConcentration(pass.kind) && !(tag.conc > 0));
        std::string replacement;
        if (ok) replacement = computeTag(pass.kind, tag, weight, &ok);
        out += ok ? replacement : kTemplateErrorText;
    }
    out.append(text, scan);
    text.swap(out);
}

}  // namespace

bool isUsableWeight(float weight) {
    return std::isfinite(weight) && weight >= 0 && weight <= kLargestWeightKg;
}

void fillWeightTemplates(SharedString& text, float weight) {
    if (text.find("<$", 0) < 0) return;
    const bool weightUsable = isUsableWeight(weight);
    std::string work = text.str();
    for (const TagPass& pass : kPasses) runPass(work, pass, weight, weightUsable);
    text = SharedString(work);
}

}  // namespace orvane
