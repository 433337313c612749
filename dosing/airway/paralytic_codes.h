// The record codes by which other modules name the paralytic pages ("A30" atracurium, "C10"
// cisatracurium, "M30" mivacurium, "P10" pancuronium, "R20" rocuronium, "S30" succinylcholine,
// "V20" vecuronium; doxacurium has none). A lookup only: the pages are drawn by
// ParalyticsModule::appendPage.
#pragma once

#include <cstdint>
#include <string_view>

namespace orvane::airway {

// The paralytic page (record of the paralytic table, from 0) of a code compared as a whole text,
// or -1 when the code names no paralytic page.
int32_t paralyticPageOf(std::string_view code);

}  // namespace orvane::airway
