// Fills the weight templates of a stored text for one patient: the dose, amount and rate tags
// ("<$dose=...>"), the two conditionals and the fixed resuscitation blocks. The text is changed in
// place; nothing is appended to a page, and the markup conversion runs afterwards
// (PageBuilder::appendDocument). The calculator tags are in calculation_templates.h.
#pragma once

#include "foundation/shared_string.h"

namespace orvane {

// Shown in place of a tag that cannot give a trustworthy number: a concentration that is missing
// or 0 where a volume or rate needs it, a number that is not one ("nan"), too large ("1e30") or
// negative, a result out of range, a weight that is no number, or a conditional without its
// closing tag. It never looks like a dose.
inline constexpr const char* kTemplateErrorText = "<B>[Content error: dose not shown]</B>";

// True for a weight in kilograms that amounts may be computed from: a number from 0 up to a
// million (beyond that a weight is certainly a mistake, and its amounts would not print).
bool isUsableWeight(float weight);

// Fills every weight tag for a weight in kilograms (0 when no weight is entered), one pass per
// tag name in the fixed order: "<$weightif=", "<$doseif=", "<$prm=", "<$dose=", "<$doserange=",
// "<$doseamt=", "<$amt=", "<$amtrange=", "<$rate=", "<$ratehr=", "<$ratemcghr=", "<$tubes>",
// "<$prr06a>", "<$prr06b>", "<$atropine>". A tag without a closing '>' ends its pass and leaves
// the rest of the text as it is. Linear in the length of the text.
void fillWeightTemplates(SharedString& text, float weight);

}  // namespace orvane
