// The one harness of the shell, screen and module-list tests: the program as it runs, headless
// (ProgramHost), with the taps and choices that must reach their control as test assertions.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "tests/support/program_host.h"

namespace orvane::test_support {

class ProgramHarness : public ProgramHost {
  public:
    using ProgramHost::ProgramHost;
    // What the idle step does: return true when it did something (the loop goes on), false
    // when it has nothing to do.
    using Step = std::function<bool(ProgramHarness&)>;

    // Taps a button (or any control) and delivers everything that follows.
    void tap(platform::HWND hwnd) {
        ASSERT_TRUE(driver.tapWindow(hwnd));
        pump();
    }
    void press(uint32_t cmd) { tap(app().navButton(cmd)); }
    void choose(platform::HWND combo, int index) {
        ASSERT_TRUE(driver.chooseItem(combo, index));
        pump();
    }
    // Taps a link of the page in a viewer.
    void tapLink(platform::HWND viewer, const std::string& target) {
        ASSERT_TRUE(driver.tapLink(viewer, target));
        pump();
    }

    Step step;

  protected:
    bool idleStep() override { return step && step(*this); }
};

// The program started up to the home list, as the screen tests' fixtures begin.
class StartedProgram : public ProgramHarness {
  public:
    explicit StartedProgram(int width = 240, int height = 320)
        : ProgramHarness(platform::DisplayConfig{width, height}) {
        start();
    }
};

}  // namespace orvane::test_support
