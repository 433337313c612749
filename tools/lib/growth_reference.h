// Database 14 (TykoGrowth's reference curves) generated from the CDC 2000 growth reference's LMS
// files: 144 records, girls' bands 1 to 72 (records 0 to 71) then boys' (72 to 143). A record is
// the reference's name as its label, a flag byte 0, the age in months of the weight row, the L, M
// and S of weight, length or stature, head circumference and BMI, each a single-precision float;
// a measure the band does not use is written as three zeros. The ages each band takes are in
// growth_band_ages.h. It reads the files and makes the database; writing it is the caller's.
#pragma once

#include <string>

#include "tools/lib/content_compiler.h"

namespace orvane::tools {

// The label of every record and the database's name.
inline constexpr const char* kGrowthReferenceName = "CDC 2000 growth reference";

// Reads the six LMS files (wtageinf.csv, lenageinf.csv, hcageinf.csv, wtage.csv, statage.csv,
// bmiagerev.csv) from folder and makes the database. False with a message when a file is missing
// or damaged or lacks an age that a band needs.
bool buildGrowthReference(const std::string& folder, CompiledSource& out, std::string& error);

}  // namespace orvane::tools
