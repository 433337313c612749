// orvane [serve] [OPTIONS]: starts the program with its browser page.
//   --state-dir DIR   the folder of the registry file and the single-instance lock
//   --trace FILE      write the handler trace to FILE
//   --content DIR     the content folder
//   --port N          the page's port on 127.0.0.1 (default 8640; 0 picks a free port)
//   --screen WxH      the handheld's screen: 240x320 or 480x640 (default)
//   --listen ADDR     listen on the IPv4 address ADDR instead of 127.0.0.1 (warned about)
//   --until-idle      headless, no page: end when nothing but input is left to wait for
#include "app/start_command.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/program_usage.h"
#include "screens/program_screens.h"
#include "shell/orvane_program.h"
#include "suite/program_modules.h"
#include "web/web_mirror.h"

namespace orvane {

namespace {

int badArguments(const char* message, const char* arg) {
    std::fprintf(stderr, "orvane: %s %s\n%s", message, arg, kProgramUsage);
    return 2;
}

}  // namespace

int runStartCommand(int argc, char** argv) {
    ProgramOptions options;
    web::WebOptions web;
    for (int i = 0; i < argc; ++i) {
        const char* arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(arg, "--help") == 0 || std::strcmp(arg, "-h") == 0) {
            std::fputs(kProgramUsage, stdout);
            return 0;
        } else if (std::strcmp(arg, "--state-dir") == 0 && hasValue) {
            options.stateDir = argv[++i];
        } else if (std::strcmp(arg, "--trace") == 0 && hasValue) {
            options.traceFile = argv[++i];
        } else if (std::strcmp(arg, "--content") == 0 && hasValue) {
            options.contentDir = argv[++i];
            web.contentDir = options.contentDir;
        } else if (std::strcmp(arg, "--until-idle") == 0) {
            options.untilIdle = true;
        } else if (std::strcmp(arg, "--port") == 0 && hasValue) {
            if (!web::parsePort(argv[++i], web.port)) return badArguments("not a port:", argv[i]);
        } else if (std::strcmp(arg, "--screen") == 0 && hasValue) {
            if (!web::parseScreenSize(argv[++i], web.screenWidth, web.screenHeight)) {
                return badArguments("not a screen size (240x320 or 480x640):", argv[i]);
            }
        } else if (std::strcmp(arg, "--listen") == 0 && hasValue) {
            if (!web::isIpv4Address(argv[++i])) {
                return badArguments("not an IPv4 address:", argv[i]);
            }
            web.listenAddress = argv[i];
            web.listenGiven = true;
        } else {
            return badArguments("unknown option", arg);
        }
    }
    options.modules = &programModules();
    options.screens = &programScreens();
    options.display.width = web.screenWidth;
    options.display.height = web.screenHeight;
    std::unique_ptr<web::WebMirror> mirror;
    if (!options.untilIdle) {
        mirror = std::make_unique<web::WebMirror>(web, web::defaultWebFiles());
        options.frontEnd = mirror.get();
    }
    return runOrvaneProgram(options);
}

}  // namespace orvane
