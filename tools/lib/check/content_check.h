// The content check of a folder: the files, the dose records and every page at the bedside
// weights, gathered into one report. The command line and the tests call it; it prints nothing.
#pragma once

#include <string>
#include <vector>

#include "tools/lib/check/check_report.h"

namespace orvane::content_check {

// Checks the content folder `dir` with the pages built at `weights` (kg). False, with nothing
// checked, when the folder cannot be read.
bool checkContentFolder(const std::string& dir, const std::vector<float>& weights,
                        CheckReport& report);

}  // namespace orvane::content_check
