// The file part of a content check: which of the catalogue's content files lie in the folder and
// open as databases (missing, unreadable, damaged, empty records), and which other files lie there.
// It reads files only through the program's own reader (PdbFile); it knows no record layout.
#pragma once

#include <set>
#include <string>

#include "content/content_folder.h"
#include "tools/lib/check/check_report.h"

namespace orvane::content_check {

// Every content file of the catalogue: present and sound, or why not; every record readable.
void checkCatalogueFiles(const ContentFolder& folder, CheckReport& report);

// The files of the folder that are neither content files nor pictures that a page names.
void checkOtherFiles(const ContentFolder& folder, const std::set<std::string>& pictures,
                     CheckReport& report);

}  // namespace orvane::content_check
