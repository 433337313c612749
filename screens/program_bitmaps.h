// Loading the program's own pictures by resource identifier for the list screens: the size of
// each picture is made known to the platform before the first load. Loading only; what a screen
// shows where is the screen's business.
#pragma once

#include "platform/win_types.h"

namespace orvane {

class PPCOrvaneApp;

// The bitmap with the identifier, registering its size first when the platform does not know it.
platform::HBITMAP loadProgramBitmap(PPCOrvaneApp& app, int id, int width, int height);

}  // namespace orvane
