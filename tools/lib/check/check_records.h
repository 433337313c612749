// The record part of a content check: every record of every database whose module reads its own
// layout, read with that module's own reader (the same code the pages use), then what it gave
// checked: records cut short, counts and codes outside their lists, number texts that are no
// number, and numbers that cannot make a dose (a concentration, divisor or step of 0, a negative
// or non-finite amount, a maximum below its minimum, a low dose above its high dose); and the
// fixed record ranges of the modules' lists against the files (past the end, overlapping). It
// parses no record itself.
#pragma once

#include "content/content_catalogue.h"
#include "tools/lib/check/check_report.h"

namespace orvane::content_check {

// Every table below.
void checkRecords(const ContentCatalogue& catalogue, CheckReport& report);

// The antibiotic tables: TykoAbx's IV/IM (9) and oral (47) drugs, AbxNavix's categories (1) and
// dose lists (45).
void checkAntibioticRecords(const ContentCatalogue& catalogue, CheckReport& report);
// The tables made of texts only: every record holds the texts its module reads.
void checkTextRecords(const ContentCatalogue& catalogue, CheckReport& report);
// The index tables (53, 58, 30): every entry's target is a number.
void checkIndexRecords(const ContentCatalogue& catalogue, CheckReport& report);
// The fixed record ranges of the OTC categories, the TykoAbx categories and the ACLS and PALS
// lists against their files.
void checkRecordRanges(const ContentCatalogue& catalogue, CheckReport& report);
// The calculators' tables: burn surfaces (54), peak-flow coefficients (55), score points (56) and
// the growth reference (14).
void checkCalculatorRecords(const ContentCatalogue& catalogue, CheckReport& report);

}  // namespace orvane::content_check
