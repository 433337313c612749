// Test support: the CDC 2000 reference files of the project read directly, as an independent
// check of the program's growth reference. A row is looked up by the "Sex" and "Agemos" texts
// exactly as the file writes them ("1", "12.5") and gives each of its columns by header name.
// Also the LMS value at a Z-score in double precision, and the value as the growth page shows it.
#pragma once

#include <map>
#include <string>

namespace orvane::test_support {

// The folder of the reference files in the source tree.
std::string cdcReferenceFolder();

// The columns of the row of file (e.g. "wtageinf.csv") whose Sex and Agemos fields are exactly
// sex and age; empty when there is none.
std::map<std::string, double> cdcRow(const std::string& file, const std::string& sex,
                                     const std::string& age);

// M (1 + L S Z)^(1 / L), all in double.
double lmsAt(const std::map<std::string, double>& row, double z);

// ((X / M)^L - 1) / (L S), all in double.
double lmsZ(const std::map<std::string, double>& row, double x);

}  // namespace orvane::test_support
