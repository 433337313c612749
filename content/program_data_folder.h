// The folder of the program's own read-only files: the program bitmaps (bitmaps/), the browser
// page's files (web/) and the sample content (content/). It lies at a fixed place relative to the
// executable, <executable's folder>/../share/orvane/ unless the build was configured with other
// install folders, in the build tree and in an installed tree alike, so the program needs neither
// the source tree nor an absolute path compiled in. It computes the path only; it opens nothing.
#pragma once

#include <string>
#include <string_view>

namespace orvane {

// The data folder, with its trailing "/", of a program whose executable lies at executablePath;
// empty when the path has no folder.
std::string programDataFolder(std::string_view executablePath);

// The data folder of this running program (its executable path read from /proc/self/exe); empty
// when that cannot be read.
std::string runningProgramDataFolder();

}  // namespace orvane
