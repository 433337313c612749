// A list of choices drawn as a page section of the child dosing modules (TykoDrugs, TykoAbx): the
// links to choose from under the select heading, or the chosen text under the chosen heading (a
// link that offers the list again, or plain text when there is nothing else to choose). Draws
// only; the lists and choices belong to the modules.
#pragma once

#include <cstdint>

#include "foundation/shared_string.h"
#include "model/request.h"
#include "rendering/page_builder.h"

namespace orvane {

inline constexpr const char* kChoiceListIcon = "drug";

struct ChoiceSection {
    const char* selectHeading;
    const char* chosenHeading;
    int32_t subCode;  // the sub-code of (33, k) that chooses entry k
};

// textOf(k) gives entry k's text (k from 1 to count).
template <class Texts>
void appendChoiceSection(PageBuilder& builder, const ChoiceSection& section, int32_t count,
                         int32_t chosen, const SharedString& chosenText, Texts textOf) {
    if (count <= 0) return;
    if (chosen == 0) {
        builder.appendHeading(section.selectHeading, true);
        for (int32_t k = 1; k <= count; ++k) {
            builder.appendLink(makeRequest(request_code::kSamePage, k, section.subCode), textOf(k),
                               true, false, true, kChoiceListIcon);
        }
        builder.appendLineBreaks(1);
        return;
    }
    builder.appendHeading(section.chosenHeading, false);
    if (count == 1) {
        builder.appendText(chosenText);
        builder.appendLineBreaks(1);
    } else {
        builder.appendLink(makeRequest(request_code::kSamePage, 0, section.subCode), chosenText,
                           true, false, true);
    }
}

}  // namespace orvane
