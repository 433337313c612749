// The program's screen makers: the module list, index, document and calculator screens, handed to
// the shell's screen factory when the program starts.
#pragma once

#include "shell/screen_makers.h"

namespace orvane {

const ScreenMakers& programScreens();

}  // namespace orvane
