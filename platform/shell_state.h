// The Pocket PC shell state the program switches: the on-screen keyboard (input panel) up or
// down, its button hidden or shown, the task bar hidden or shown. A record only; the window
// system keeps one and the driver reports it.
#pragma once

namespace orvane::platform {

struct ShellState {
    bool inputPanelUp = false;
    bool inputPanelButtonHidden = false;
    bool taskbarHidden = false;
};

}  // namespace orvane::platform
