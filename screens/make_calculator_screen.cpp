// The screen factory's maker for CalculatorScreen.
#include "screens/calculator_screen.h"
#include "shell/screen_makers.h"

namespace orvane {

std::unique_ptr<Screen> makeCalculatorScreen(PPCOrvaneApp& app, Request request) {
    return std::make_unique<CalculatorScreen>(app, request);
}

}  // namespace orvane
