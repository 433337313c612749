// The succinylcholine page: the only paralytic whose dosing page the program computes. It gives
// the adolescent (1 mg/kg) and child (2 mg/kg) intubating doses with their volumes of the
// 20 mg/mL solution, then optionally the atropine block, the drug's stored document (its dose
// templates are not filled) and optionally the equipment table. It reads no content itself.
#pragma once

#include "foundation/shared_string.h"

namespace orvane::airway {

// What the page adds besides the doses and the document. The paralytics list and the
// resuscitation pages draw it with both; the intubation plan with atropine only (it adds its own
// equipment table).
struct SuccinylcholineOptions {
    bool atropine = true;   // the atropine block, under 50 kg
    bool equipment = true;  // the equipment table
};

// Appends the page for a weight in kg to out; `document` is the drug's stored dosing document.
void appendSuccinylcholinePage(SharedString& out, float weight, const SharedString& document,
                               SuccinylcholineOptions options);

}  // namespace orvane::airway
