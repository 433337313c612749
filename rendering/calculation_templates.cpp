#include "rendering/calculation_templates.h"

#include <string>
#include <string_view>

#include "foundation/number_format.h"

namespace orvane {

namespace {

// Replaces every occurrence of `tag` by `with`, scanning left to right; the text put in is not
// scanned again.
void replaceAll(std::string& text, std::string_view tag, std::string_view with) {
    size_t at = text.find(tag);
    if (at == std::string::npos) return;
    std::string out;
    size_t scan = 0;
    for (; at != std::string::npos; at = text.find(tag, scan)) {
        out.append(text, scan, at - scan);
        out += with;
        scan = at + tag.size();
    }
    out.append(text, scan);
    text.swap(out);
}

std::string strong(std::string_view shown) {
    return "<STRONG>" + std::string(shown) + "&nbsp;</STRONG>";
}

}  // namespace

void fillCalculationTemplates(SharedString& text, const DynArray<InputField>& inputs,
                              const DynArray<SharedString>& results) {
    constexpr int32_t kResultTags = 9;
    constexpr int32_t kInputTags = 11;
    std::string work = text.str();
    for (int32_t i = 0; i < results.count() && i < kResultTags; ++i) {
        replaceAll(work, "<$result" + std::to_string(i + 1) + ">", strong(results[i].view()));
    }
    for (int32_t i = 0; i < inputs.count() && i < kInputTags; ++i) {
        const InputField& input = inputs[i];
        const bool blank = input.text.empty() || input.text.view() == " ";
        const SharedString shown = blank ? formatNumber(input.value, 1, true) : input.text;
        replaceAll(work, "<$input" + std::to_string(i + 1) + ">", strong(shown.view()));
    }
    text = SharedString(work);
}

}  // namespace orvane
