// Reads the numbers and the unit of one weight template tag ("<$dose=0.1 max=4 units=mg>"). It
// checks that every number is usable for a dose; it computes nothing and fills nothing in.
#pragma once

#include <string_view>

namespace orvane {

// The values of one tag; an attribute that is absent is 0 ("mg" for the unit).
struct TemplateTag {
    float amount = 0;   // the number right after the tag name, per kg (V)
    float upper = 0;    // "up=": the upper amount per kg of a range (U)
    float conc = 0;     // "conc=": amount per mL
    float maximum = 0;  // "max=": the largest dose, or the threshold of a condition (M)
    float minimum = 0;  // "min=": the smallest dose (N)
    bool hasMaximum = false;
    std::string_view units = "mg";
    // False when a number in the tag is present but unusable: empty, not a number ("nan"), out of
    // the float range ("1e30"), negative, or above kLargestTagNumber. The tag is then a content
    // error and nothing may be computed from it.
    bool valid = true;
};

// The largest number a tag may hold (a maximum of 10 million units is more than any drug needs).
inline constexpr float kLargestTagNumber = 1.0e7f;

// Reads a tag: `tag` runs from the tag name up to (not including) its closing '>'; the name is the
// first nameLength characters. Each attribute is found by searching the whole tag for its name
// (the first occurrence counts); a value runs up to the next space or the end of the tag.
TemplateTag readTemplateTag(std::string_view tag, size_t nameLength);

}  // namespace orvane
