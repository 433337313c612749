// The airway and sedation pages print their amounts with the shared amount forms (see
// dosing/builders/amount_text.h); this header only brings those names into the airway pages.
#pragma once

#include "dosing/builders/amount_text.h"

namespace orvane::airway {

using amount::f1;
using amount::p1;
using amount::p2;

}  // namespace orvane::airway
