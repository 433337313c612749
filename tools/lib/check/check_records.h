// The record part of a content check: every record of the dose tables read with its module's own
// reader (the same code the pages use), then the numbers it gave checked for what cannot make a
// dose: a damaged record, a concentration, divisor or step of 0, a negative or non-finite amount,
// a maximum below its minimum, a low dose above its high dose, a code outside its list. It parses
// no record itself.
#pragma once

#include "content/content_catalogue.h"
#include "tools/lib/check/check_report.h"

namespace orvane::content_check {

void checkDoseRecords(const ContentCatalogue& catalogue, CheckReport& report);

}  // namespace orvane::content_check
