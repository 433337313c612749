// The usage text of the orvane program as a whole: its commands and the options of starting it.
// Each command's own options are described by that command (orvane render --help).
#pragma once

namespace orvane {

inline constexpr const char* kProgramUsage =
    "usage: orvane [serve] [--state-dir DIR] [--trace FILE] [--content DIR] [--port N]\n"
    "              [--screen 240x320|480x640] [--listen ADDR] [--until-idle]\n"
    "       orvane render [OPTIONS] REQUEST\n"
    "       orvane preview [--weight W] [--content DIR] [FILE|-]\n"
    "       orvane --help | --version\n";

}  // namespace orvane
