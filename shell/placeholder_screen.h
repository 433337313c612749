// PlaceholderScreen: a minimal stand-in for a kind of screen that is not built yet. It takes the
// module for its request, shows the navigation buttons and draws the title tab and the caption;
// it has no controls and no page. Used only by the screen makers until the real screens exist.
#pragma once

#include <string>

#include "shell/screen.h"

namespace orvane {

class PlaceholderScreen final : public Screen {
  public:
    // kindName names the screen it stands for (for example "DocumentScreen") in its trace.
    // navLevel is the ShowNavButtons level of its Update (3 for the module list, else 2).
    PlaceholderScreen(PPCOrvaneApp& app, Request request, std::string kindName, int navLevel);

    void Update(Request request) override;
    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    Request request() const { return request_; }
    const std::string& kindName() const { return kindName_; }

  private:
    void Paint();

    Request request_;
    std::string kindName_;
    int navLevel_;
};

}  // namespace orvane
