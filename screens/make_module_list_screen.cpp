// The screen factory's maker for ModuleListScreen.
#include "screens/module_list_screen.h"
#include "shell/screen_makers.h"

namespace orvane {

std::unique_ptr<Screen> makeModuleListScreen(PPCOrvaneApp& app, Request request) {
    return std::make_unique<ModuleListScreen>(app, request);
}

}  // namespace orvane
