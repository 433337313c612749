// SplashScreen: the start-up picture. On each paint it stretches the top-left 239 x 165 pixels of
// bitmap 4001 over the top of the main window (doubled from 480 pixels of width), hides the
// input-panel button and sets the painted flag it was given. Nothing else.
#pragma once

#include "shell/screen.h"

namespace orvane {

class SplashScreen final : public Screen {
  public:
    // painted must outlive the screen; it is set after each paint.
    SplashScreen(PPCOrvaneApp& app, bool* painted) : Screen(app), painted_(painted) {}

    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    // The picture's magnification for a content width: k + 1 is the number of 239-pixel steps
    // from 0 that reach the width (240 gives 1, 480 gives 2); at least 1.
    static int32_t magnification(int32_t contentWidth);

  private:
    void Paint();

    bool* painted_;
};

}  // namespace orvane
