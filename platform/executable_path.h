// The running program's own file path (GetModuleFileName of the program), read from
// /proc/self/exe, and its folder. Empty when it cannot be read.
#pragma once

#include <string>

namespace orvane::platform {

std::string ExecutablePath();
// The folder of the executable, with a trailing slash.
std::string ExecutableDirectory();

}  // namespace orvane::platform
