// The content markup conversion: turns line breaks, double spaces, superscript carets, comparison
// pairs and the private codes <SC id=N> of stored texts into HTML. It only rewrites text; dose
// templates are filled in elsewhere before the text gets here.
//
// The conversion is defined as thirty replacements run one after the other, each scanning the text
// left to right and continuing after each replaced occurrence (so later steps see what earlier
// ones wrote). This implementation gives byte for byte the same output in linear time: one walk for
// the first seven steps and one play of the others over the places where their search texts occur.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

class MarkupConverter {
  public:
    // Appends the converted text to out. The converter keeps a scratch buffer between calls so
    // that repeated conversions do not allocate.
    void convertInto(std::string_view text, std::string& out);
    std::string convert(std::string_view text);

  private:
    struct Occurrence {
        size_t start;   // in the text after the first walk
        uint32_t step;  // which of the replacements after the first walk
    };
    void findOccurrences(std::string_view text);
    void playGroup(std::string_view text, size_t first, size_t last, std::string& out);

    std::string stage_;
    std::vector<Occurrence> occurrences_;
    std::vector<uint8_t> touched_;
    std::vector<uint8_t> taken_;
};

// One-off conversion with a converter of its own.
std::string convertMarkup(std::string_view text);

}  // namespace orvane
