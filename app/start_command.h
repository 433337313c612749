// orvane [serve] [OPTIONS]: starts the program, with its browser page unless --until-idle.
#pragma once

namespace orvane {

// argv holds the options only (no program name). Returns the exit code.
int runStartCommand(int argc, char** argv);

}  // namespace orvane
