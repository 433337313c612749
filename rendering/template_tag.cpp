#include "rendering/template_tag.h"

#include <cmath>

#include "rendering/page_builder.h"

namespace orvane {

namespace {

std::string_view valueAt(std::string_view tag, size_t start) {
    const size_t end = tag.find(' ', start);
    return tag.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

// True when the value starts with a decimal number (after white space and a sign): "4", "0.1",
// ".5", "2e3". A value without any digit ("", "nan", "max") is no number.
bool startsWithNumber(std::string_view value) {
    size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || (value[i] >= '\t' && value[i] <= '\r'))) ++i;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) ++i;
    if (i < value.size() && value[i] == '.') ++i;
    return i < value.size() && value[i] >= '0' && value[i] <= '9';
}

// Reads one number into *out; false when it is not usable for a dose.
bool readNumber(std::string_view value, float* out) {
    if (!startsWithNumber(value)) return false;
    const float number = PageBuilder::parseNumber(value);
    if (!std::isfinite(number) || number < 0 || number > kLargestTagNumber) return false;
    *out = number;
    return true;
}

}  // namespace

TemplateTag readTemplateTag(std::string_view tag, size_t nameLength) {
    TemplateTag result;
    if (nameLength > tag.size()) nameLength = tag.size();
    bool valid = readNumber(valueAt(tag, nameLength), &result.amount);
    struct Attribute {
        std::string_view name;
        float* value;
    };
    const Attribute attributes[] = {{"up=", &result.upper},
                                    {"conc=", &result.conc},
                                    {"max=", &result.maximum},
                                    {"min=", &result.minimum}};
    for (const Attribute& attribute : attributes) {
        const size_t at = tag.find(attribute.name);
        if (at == std::string_view::npos) continue;
        if (!readNumber(valueAt(tag, at + attribute.name.size()), attribute.value)) valid = false;
        if (attribute.value == &result.maximum) result.hasMaximum = true;
    }
    const size_t units = tag.find("units=");
    if (units != std::string_view::npos) result.units = valueAt(tag, units + 6);
    result.valid = valid;
    return result;
}

}  // namespace orvane
