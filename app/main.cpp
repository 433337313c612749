// The orvane program: with no command it starts the program; each command is dispatched to its
// own file (app/<command>_command.cpp).
#include <cstdio>
#include <cstring>

#include "app/preview_command.h"
#include "app/program_usage.h"
#include "app/render_command.h"
#include "app/start_command.h"

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("Orvane 6.0");
        return 0;
    }
    if (argc > 1 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(orvane::kProgramUsage, stdout);
        return 0;
    }
    if (argc > 1 && std::strcmp(argv[1], "render") == 0) {
        return orvane::runRenderCommand(argc - 2, argv + 2);
    }
    if (argc > 1 && std::strcmp(argv[1], "preview") == 0) {
        return orvane::runPreviewCommand(argc - 2, argv + 2);
    }
    if (argc > 1 && std::strcmp(argv[1], "serve") == 0) {
        return orvane::runStartCommand(argc - 2, argv + 2);
    }
    if (argc == 1 || std::strncmp(argv[1], "--", 2) == 0) {
        return orvane::runStartCommand(argc - 1, argv + 1);
    }
    std::fputs(orvane::kProgramUsage, stderr);
    return 2;
}
