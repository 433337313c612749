// The process entry of the program (orvane with no command): the single-instance rule (a second
// start asks the first to come to the front and ends with exit code 16), the state folder with
// the registry file, the optional trace file, the window system on the real clock, and one
// session. Until a front end is attached the program runs headless.
#pragma once

#include <string>

#include "platform/front_end.h"
#include "platform/window_system.h"

namespace orvane {

class ModuleTable;
struct ScreenMakers;

inline constexpr int kExitAlreadyRunning = 16;
// The front end could not start (its port is taken, say).
inline constexpr int kExitNoFrontEnd = 3;

struct ProgramOptions {
    std::string stateDir;    // empty: $XDG_STATE_HOME/orvane, else ~/.local/state/orvane
    std::string traceFile;   // empty: no trace
    std::string contentDir;  // empty: the content-folder rule
    // End the program when it would wait with no timer pending (headless runs without input).
    bool untilIdle = false;
    // The simulated screen (its size: 240 x 320 or 480 x 640).
    platform::DisplayConfig display;
    // The front end that shows the program (the browser page), or none: headless.
    platform::FrontEnd* frontEnd = nullptr;
    // What the program is made of: its module table and its screens (both required).
    const ModuleTable* modules = nullptr;
    const ScreenMakers* screens = nullptr;
};

// The state folder by the rule above ("" when neither variable is set).
std::string defaultStateDir();

// Runs the program; returns the exit code (0, or 16 when another copy runs).
int runOrvaneProgram(const ProgramOptions& options);

}  // namespace orvane
