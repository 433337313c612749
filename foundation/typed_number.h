// The one rule by which a number typed into a box is read: the whole text of the box must be the
// number, nothing before or after it. Accepted: an optional sign ('-' or '+'), then digits with at
// most one decimal point, written '.' or ',' (so "7,5" is 7.5), and at least one digit ("5." and
// ".5" are numbers; ".", "-" and "" are not). Refused: blanks anywhere, exponents ("1e2"), a
// second point or comma ("12.5.5", "7,5,1"), a comma that may be a thousands separator ("1,000",
// "7,500": a whole part other than 0 and exactly three digits after the comma), letters ("12a0"),
// hexadecimal, "inf" and "nan", and a number that does not fit a float. The value is the nearest
// float to the decimal text. It does not decide what an empty box means (the callers do) and is not
// the rule of numbers in content (dose templates and records keep their own).
#pragma once

#include <optional>
#include <string_view>

namespace orvane {

// The number the whole text writes, or nothing when the text is not wholly a number (an empty
// text is not a number either).
std::optional<float> readTypedNumber(std::string_view text);

// Whether the text already holds a decimal point ('.' or ','): a keypad types no second one.
bool hasDecimalPoint(std::string_view text);

}  // namespace orvane
