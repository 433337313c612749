// ScreenMakers: how the screen factory makes each kind of screen for a request (Update is called
// by the factory afterwards). The shell only calls them; the screens themselves live above the
// shell, which hands them in when the program starts (see screens/program_screens.h).
#pragma once

#include <memory>

#include "model/request.h"
#include "shell/screen.h"

namespace orvane {

class PPCOrvaneApp;

struct ScreenMakers {
    using Maker = std::unique_ptr<Screen> (*)(PPCOrvaneApp& app, Request request);

    Maker moduleList = nullptr;
    Maker index = nullptr;
    Maker document = nullptr;
    Maker calculator = nullptr;
};

}  // namespace orvane
