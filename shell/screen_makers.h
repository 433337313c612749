// The screen factory's makers: one function per kind of screen, each making a new screen for a
// request (Update is called by the factory afterwards). Each is defined in its own file under
// screens/ (make_<kind>_screen.cpp); until a screen class exists there, its maker returns a
// placeholder screen.
#pragma once

#include <memory>

#include "modules/request.h"
#include "shell/screen.h"

namespace orvane {

class PPCOrvaneApp;

std::unique_ptr<Screen> makeModuleListScreen(PPCOrvaneApp& app, Request request);
std::unique_ptr<Screen> makeIndexDocumentScreen(PPCOrvaneApp& app, Request request);
std::unique_ptr<Screen> makeDocumentScreen(PPCOrvaneApp& app, Request request);
std::unique_ptr<Screen> makeCalculatorScreen(PPCOrvaneApp& app, Request request);

}  // namespace orvane
