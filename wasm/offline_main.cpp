// The program inside the offline page: main() runs one session of the program on the browser's
// clock with the page as its front end (no single-instance rule: each page holds its own copy),
// the registry file the page filled from its storage, and the content packed with the page (or
// the user's own content files, when the page was started with them). Two more entries serve the
// page and the tests without touching the running session: the picture for an image name, and
// the render command exactly as `orvane render` runs it.
//
// main's arguments: [--screen 240x320|480x640] [--content DIR]
#include <emscripten/emscripten.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "app/render_command.h"
#include "content/content_catalogue.h"
#include "content/content_folder.h"
#include "content/content_notice.h"
#include "platform/clock.h"
#include "platform/registry.h"
#include "platform/window_system.h"
#include "rendering/image_names.h"
#include "screens/program_screens.h"
#include "shell/orvane_session.h"
#include "suite/program_modules.h"
#include "wasm/browser_front_end.h"
#include "wasm/page_imports.h"
#include "web/web_options.h"

namespace {

// Where the page puts things in the module's memory file system (web/static/line-offline.js
// uses the same names).
constexpr const char* kRegistryPath = "/state/registry";
constexpr const char* kShippedContent = "/content";
// The program's bitmaps lie in /bitmaps: the resource folder is the file system's root.
constexpr const char* kResourceDir = "/";

constexpr int kExitBadArguments = 2;

// The media types resolveImage gives, handed out as texts that live as long as the module.
constexpr const char* kMediaTypes[] = {"image/svg+xml", "image/bmp", "image/png", "image/gif",
                                       "image/jpeg"};

}  // namespace

int main(int argc, char** argv) {
    using namespace orvane;
    platform::DisplayConfig display;
    web::WebOptions defaults;
    display.width = defaults.screenWidth;
    display.height = defaults.screenHeight;
    std::string contentDir = kShippedContent;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--screen" && i + 1 < argc &&
            web::parseScreenSize(argv[i + 1], display.width, display.height)) {
            ++i;
        } else if (arg == "--content" && i + 1 < argc && argv[i + 1][0] != '\0') {
            contentDir = argv[++i];
        } else {
            std::fprintf(stderr, "orvane: unknown option %s\n", argv[i]);
            return kExitBadArguments;
        }
    }

    platform::SystemClock clock;
    platform::WindowSystem windows(clock, display);
    wasm::BrowserFrontEnd page(kRegistryPath);
    page.attach(windows);
    platform::Registry registry(kRegistryPath);
    Trace trace;
    const ContentCatalogue catalogue(ContentFolder::forRunningProgram(contentDir));
    const ContentNotice notice = contentNotice(catalogue);
    if (!notice.text.empty()) std::fprintf(stderr, "orvane: %s\n", notice.text.c_str());
    int code = 0;
    {
        OrvaneSession session(windows, &registry, catalogue, programModules(), programScreens(),
                              trace);
        code = session.run();
    }
    page.detach();
    orvane_page_ended(code);
    return code;
}

// The picture for an image name of a page, written to outPath; its media type, or null (nothing
// written) when the name gives no picture.
extern "C" EMSCRIPTEN_KEEPALIVE const char* orvane_image(const char* name, const char* contentDir,
                                                         const char* outPath) {
    using namespace orvane;
    const ResolvedImage image =
        resolveImage(name, ContentFolder::forRunningProgram(contentDir), kResourceDir);
    if (image.empty()) return nullptr;
    for (const char* type : kMediaTypes) {
        if (image.mediaType != type) continue;
        std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
        out.write(image.bytes.data(), static_cast<std::streamsize>(image.bytes.size()));
        return out ? type : nullptr;
    }
    return nullptr;
}

// `orvane render` with the arguments after "render", one per line of args; what it prints goes
// to outPath and errPath. Returns its exit status.
extern "C" EMSCRIPTEN_KEEPALIVE int orvane_render(const char* args, const char* outPath,
                                                  const char* errPath) {
    std::vector<std::string> words;
    std::string_view rest = args;
    while (!rest.empty()) {
        const size_t end = rest.find('\n');
        words.emplace_back(rest.substr(0, end));
        if (end == std::string_view::npos) break;
        rest.remove_prefix(end + 1);
    }
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    std::fflush(stdout);
    std::fflush(stderr);
    if (std::freopen(outPath, "w", stdout) == nullptr ||
        std::freopen(errPath, "w", stderr) == nullptr)
        return kExitBadArguments;
    const int status = orvane::runRenderCommand(static_cast<int>(words.size()), argv.data());
    std::fflush(stdout);
    std::fflush(stderr);
    return status;
}
