// Fills the calculator tags of a result template ("<$result1>" to "<$result9>", "<$input1>" to
// "<$input11>") with the current calculation's texts. In place; appends nothing to a page.
#pragma once

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/input_field.h"

namespace orvane {

// Fills "<$result1>" to "<$result9>" with the result texts, then "<$input1>" to "<$input11>" with
// the inputs' texts (or, when a text is empty or a single space, the value with one decimal after
// the dose bands), each as "<STRONG>" + text + "&nbsp;</STRONG>". Only existing entries are
// filled; the text put in is not scanned again by the same tag.
void fillCalculationTemplates(SharedString& text, const DynArray<InputField>& inputs,
                              const DynArray<SharedString>& results);

}  // namespace orvane
