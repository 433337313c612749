#include "shell/orvane_program.h"

#include <cstdio>
#include <cstdlib>

#include "content/content_folder.h"
#include "content/content_notice.h"
#include "foundation/fatal.h"
#include "platform/debug_output.h"
#include "platform/idle_waiter.h"
#include "platform/registry.h"
#include "platform/single_instance.h"
#include "platform/window_system.h"
#include "shell/orvane_session.h"

namespace orvane {

using namespace platform;

namespace {

// Waits like the real-time waiter while a timer is pending; with none, input would be the only
// thing to wait for, and a headless run without input ends instead.
class UntilIdleWaiter final : public IdleWaiter {
  public:
    bool wait(WindowSystem& system, std::optional<int64_t> deadlineMs) override {
        if (!deadlineMs) return false;
        return real_.wait(system, deadlineMs);
    }

  private:
    RealTimeWaiter real_;
};

}  // namespace

std::string defaultStateDir() {
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state != nullptr && state[0] != '\0') return std::string(state) + "/orvane";
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') return std::string(home) + "/.local/state/orvane";
    return std::string();
}

int runOrvaneProgram(const ProgramOptions& options) {
    if (options.modules == nullptr || options.screens == nullptr) fatalError("NULL impl_");
    const std::string stateDir = options.stateDir.empty() ? defaultStateDir() : options.stateDir;

    SystemClock clock;
    WindowSystem windows(clock, options.display);
    // Made after the window system, so that it stops watching before the system goes.
    SingleInstance single(stateDir.empty() ? std::string(".") : stateDir, "orvane");
    const SingleInstance::Result lock = single.acquire();
    if (lock == SingleInstance::Result::AlreadyRunning) {
        single.askFirstToFront();
        return kExitAlreadyRunning;
    }
    // Within one process the window of the class is the other copy.
    const HWND other = windows.FindWindow(u"Orvane 6.0");
    if (other) {
        windows.SetForegroundWindow(other);
        return kExitAlreadyRunning;
    }
    // The front end runs on this thread from here until the session has ended.
    if (options.frontEnd != nullptr && !options.frontEnd->attach(windows)) return kExitNoFrontEnd;
    struct Detach {
        FrontEnd* frontEnd;
        ~Detach() {
            if (frontEnd != nullptr) frontEnd->detach();
        }
    } detach{options.frontEnd};
    UntilIdleWaiter untilIdle;
    if (options.untilIdle) windows.setIdleWaiter(&untilIdle);

    DebugOutput debug;
    if (!options.traceFile.empty()) debug.openFile(options.traceFile);
    Trace trace;
    if (debug.enabled()) trace.setSink([&debug](std::string_view line) { debug.write(line); });

    // No state folder at all: nothing is stored.
    std::unique_ptr<Registry> registry;
    if (!stateDir.empty()) registry = std::make_unique<Registry>(stateDir + "/registry");

    const ContentCatalogue catalogue(ContentFolder::forRunningProgram(options.contentDir));
    // Said at start: which content folder is used when its files are missing (the home page and
    // the disclaimer say it too).
    const ContentNotice notice = contentNotice(catalogue);
    if (!notice.text.empty()) std::fprintf(stderr, "orvane: %s\n", notice.text.c_str());
    int code = 0;
    {
        OrvaneSession session(windows, registry.get(), catalogue, *options.modules,
                              *options.screens, trace);
        if (lock == SingleInstance::Result::Acquired) {
            single.attach(windows, [&windows, &trace, &options] {
                TraceScope scope(trace, "PPCOrvaneApp::BringToFront");
                const HWND main = windows.FindWindow(u"Orvane 6.0");
                if (main) windows.SetForegroundWindow(main);
                if (options.frontEnd != nullptr) options.frontEnd->bringToFront();
            });
        }
        code = session.run();
    }
    return code;
}

}  // namespace orvane
