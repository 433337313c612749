// Any bytes through the markup conversion, the plain-text form of the codes and a whole document
// append: nothing may crash, and the output stays within a fixed multiple of the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "foundation/shared_string.h"
#include "rendering/markup.h"
#include "rendering/page_builder.h"
#include "rendering/plain_text.h"

namespace {

class CountWidth : public orvane::TextMeasurer {
  public:
    int32_t textWidth(std::u16string_view text) const override {
        return static_cast<int32_t>(text.size()) * 7;
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const std::string once = orvane::convertMarkup(text);
    // Each step at most multiplies the length by a small constant; a blow-up means a bug.
    if (once.size() > size * 16 + 16) std::abort();

    orvane::PageBuilder builder;
    builder.start(true);
    builder.appendDocument(text);
    builder.appendLink(static_cast<orvane::Request>(size), text, true, true, true, "drug", "name");
    builder.appendHeading(text, true);
    (void)builder.finish();
    (void)orvane::PageBuilder::parseNumber(text);

    std::u16string wide(text.begin(), text.end());
    orvane::toPlainText(wide);
    if (wide.size() > size) std::abort();
    orvane::doubleAmpersand(wide);
    orvane::fitWithEllipsis(wide, CountWidth(), static_cast<int32_t>(size % 64));
    return 0;
}
