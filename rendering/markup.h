// The content markup conversion: turns line breaks, double spaces, superscript carets, comparison
// pairs and the private codes <SC id=N> of stored texts into HTML. It only rewrites text; dose
// templates are filled in elsewhere before the text gets here.
//
// The conversion is defined as thirty replacements run one after the other, each scanning the text
// left to right and continuing after each replaced occurrence (so later steps see what earlier
// ones wrote). This implementation gives byte for byte the same output in two linear passes.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

class MarkupConverter {
  public:
    // Appends the converted text to out. The converter keeps a scratch buffer between calls so
    // that repeated conversions do not allocate.
    void convertInto(std::string_view text, std::string& out);
    std::string convert(std::string_view text);

  private:
    std::string stage_;
    std::string cluster_;
    std::string swap_;
};

// One-off conversion with a converter of its own.
std::string convertMarkup(std::string_view text);

}  // namespace orvane
