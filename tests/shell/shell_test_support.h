// Shared set-up for the shell tests: a window system on a fake clock with a driver, a registry
// file in a fresh temporary folder, the sample content, a trace that records each line with the
// monotonic time, and an idle step the test scripts (input through the driver). When the idle
// step has nothing to do, a pending timer is reached by moving the fake clock; with none the
// run ends (the loop receives the quit message).
#pragma once

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "content/content_catalogue.h"
#include "platform/driver.h"
#include "platform/registry.h"
#include "platform/window_system.h"
#include "shell/orvane_session.h"
#include "shell/preferences_store.h"
#include "shell/trace.h"

namespace orvane::testing {

inline std::string makeTempDir() {
    std::string pattern = std::filesystem::temp_directory_path().string() + "/orvane-shell-XXXXXX";
    char* made = ::mkdtemp(pattern.data());
    return made != nullptr ? std::string(made) : std::string();
}

class ShellHarness {
  public:
    // What the idle step does: return true when it did something (the loop goes on), false
    // when it has nothing to do.
    using Step = std::function<bool(ShellHarness&)>;

    explicit ShellHarness(platform::DisplayConfig display = {})
        : dir(makeTempDir()),
          ws(clock, display),
          driver(ws, &clock),
          waiter([this](platform::WindowSystem&, std::optional<int64_t> deadline) {
              return idle(deadline);
          }),
          catalogue(ContentFolder("", ORVANE_BIN_DIR)) {
        ws.setIdleWaiter(&waiter);
        trace.setSink([this](std::string_view line) {
            lines.emplace_back(clock.nowMs(), std::string(line));
        });
        registry = std::make_unique<platform::Registry>(dir + "/registry");
    }
    ~ShellHarness() {
        session.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    ShellHarness(const ShellHarness&) = delete;
    ShellHarness& operator=(const ShellHarness&) = delete;

    OrvaneSession& makeSession() {
        session = std::make_unique<OrvaneSession>(ws, registry.get(), catalogue, trace);
        return *session;
    }
    PPCOrvaneApp& app() { return session->app(); }

    // The stored preferences value, as a new store reads it.
    Preferences storedPreferences() { return PreferencesStore(registry.get()).read(); }
    void storePreferences(const Preferences& prefs) {
        PreferencesStore(registry.get()).write(prefs);
    }
    // Whether the "Prefs" value exists at all.
    bool preferencesStored() {
        platform::HKEY key;
        if (registry->RegOpenKeyEx(platform::HKEY_LOCAL_MACHINE, kPreferencesKey, &key) != 0) {
            return false;
        }
        platform::DWORD type = 0;
        platform::DWORD size = 0;
        const bool found =
            registry->RegQueryValueEx(key, kPreferencesValue, &type, nullptr, &size) == 0;
        registry->RegCloseKey(key);
        return found;
    }

    // The time of the first trace line equal to text ("+Class::Event"), or -1.
    int64_t timeOf(const std::string& text) const {
        for (const auto& [time, line] : lines) {
            if (line == text + "\r\n") return time;
        }
        return -1;
    }
    bool traced(const std::string& text) const { return timeOf(text) >= 0; }
    int indexOf(const std::string& text) const {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].second == text + "\r\n") return static_cast<int>(i);
        }
        return -1;
    }

    // The first message box open now, answered with OK; true when there was one.
    bool answerMessageBox() {
        if (ws.openMessageBox() == nullptr) return false;
        return driver.answerMessageBox(platform::IDOK);
    }

    std::string dir;
    platform::FakeClock clock;
    platform::WindowSystem ws;
    platform::Driver driver;
    platform::ScriptedWaiter waiter;
    ContentCatalogue catalogue;
    std::unique_ptr<platform::Registry> registry;
    Trace trace;
    std::vector<std::pair<int64_t, std::string>> lines;
    Step step;
    std::vector<std::string> messageBoxes;  // captions of the message boxes answered
    std::unique_ptr<OrvaneSession> session;

  private:
    bool idle(std::optional<int64_t> deadline) {
        if (const auto* box = ws.openMessageBox()) {
            messageBoxes.emplace_back(box->caption.begin(), box->caption.end());
            return driver.answerMessageBox(platform::IDOK);
        }
        if (step && step(*this)) return true;
        if (deadline) {
            clock.advance(*deadline - clock.nowMs());
            return true;
        }
        return false;
    }
};

}  // namespace orvane::testing
