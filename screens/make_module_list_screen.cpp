// The screen factory's maker for ModuleListScreen. Until that class exists here, a placeholder
// stands in for it; replace the body by: return std::make_unique<ModuleListScreen>(app, request);
#include "shell/placeholder_screen.h"
#include "shell/screen_makers.h"

namespace orvane {

std::unique_ptr<Screen> makeModuleListScreen(PPCOrvaneApp& app, Request request) {
    return std::make_unique<PlaceholderScreen>(app, request, "ModuleListScreen", 3);
}

}  // namespace orvane
