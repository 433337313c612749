// Shared set-up for the list screen tests: a window system on a fake clock with its driver, the
// sample content (or a copy of it with some database files left out), a session whose history
// shows the home list, and small readers of the driver's snapshots. Also a module with a list of
// given labels (all at once or one at a time, with entries that cannot be read) for the cases the
// sample content does not have.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "content/content_catalogue.h"
#include "modules/module.h"
#include "modules/module_factory.h"
#include "platform/driver.h"
#include "platform/window_system.h"
#include "shell/orvane_session.h"
#include "shell/shell_commands.h"
#include "shell/trace.h"

namespace orvane::testing {

inline platform::DisplayConfig smallScreen() {
    return platform::DisplayConfig{240, 320};
}
inline platform::DisplayConfig largeScreen() {
    return platform::DisplayConfig{480, 640};
}

// A list module: labels with requests (code, index + 1); lazy lists hand out one entry per
// request (33, i); the indices in `broken` cannot be read (an answer without an entry).
class FakeListModule final : public Module {
  public:
    FakeListModule(std::vector<std::string> labels, int32_t code, bool lazy,
                   std::set<int32_t> broken = {})
        : labels_(std::move(labels)), code_(code), lazy_(lazy), broken_(std::move(broken)) {}

    bool isAvailable() const override { return true; }
    SharedString title() const override { return "Fake"; }
    SharedString caption() const override { return "Fake list"; }
    const char* buildPage(int32_t) override { return nullptr; }
    InputField* choiceList(Request request) override {
        if (moduleCode(request) == 33 && lazy_) {
            const int32_t i = value(request);
            field_.clearEntries();
            if (i < static_cast<int32_t>(labels_.size()) && broken_.count(i) == 0) {
                field_.addEntry(labels_[static_cast<size_t>(i)].c_str(), makeRequest(code_, i + 1));
            }
            return &field_;
        }
        field_.clearEntries();
        field_.label = "Fake list";
        field_.decimals = 0;
        if (lazy_) {
            field_.lazyList = 1;
            field_.max = static_cast<float>(labels_.size());
        } else {
            for (size_t i = 0; i < labels_.size(); ++i) {
                field_.addEntry(labels_[i].c_str(),
                                makeRequest(code_, static_cast<int32_t>(i) + 1));
            }
        }
        return &field_;
    }
    bool handleRequest(Request request) override {
        handled.push_back(request);
        return true;
    }

    std::vector<Request> handled;

  private:
    std::vector<std::string> labels_;
    int32_t code_;
    bool lazy_;
    std::set<int32_t> broken_;
    InputField field_;
};

class ScreenHarness {
  public:
    // Without files to leave out the sample content is read where the build put it; otherwise a
    // copy of it without those files.
    explicit ScreenHarness(platform::DisplayConfig display,
                           const std::vector<std::string>& leaveOut = {})
        : ws(clock, display),
          driver(ws, &clock),
          waiter([this](platform::WindowSystem&, std::optional<int64_t>) {
              // Message boxes are answered; otherwise nothing is left to do.
              if (ws.openMessageBox() != nullptr) {
                  boxes.emplace_back(ws.openMessageBox()->caption);
                  return driver.answerMessageBox(platform::IDOK);
              }
              return false;
          }),
          dir(leaveOut.empty() ? std::string() : copyContent(leaveOut)),
          catalogue(ContentFolder("", dir.empty() ? std::string(ORVANE_BIN_DIR) : dir)) {
        ws.setIdleWaiter(&waiter);
    }
    ~ScreenHarness() {
        session.reset();
        if (!dir.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(dir, ignored);
        }
    }
    ScreenHarness(const ScreenHarness&) = delete;
    ScreenHarness& operator=(const ScreenHarness&) = delete;

    // Makes the session and shows the home list as the start-up sequence does.
    void start() {
        session = std::make_unique<OrvaneSession>(ws, nullptr, catalogue, trace);
        app().Initialise();
        NavigationHistory& history = app().history();
        history.clear();
        history.push(HomeEntry());
        history.showCurrent();
        pump();
    }
    // Modules for one code come from the given maker; every other code as usual.
    void replaceModule(int32_t code, std::function<std::unique_ptr<Module>()> make) {
        patient().setModuleFactory([code, make](Request request, PatientContext& context) {
            if (moduleCode(request) == code) return make();
            return createModuleFor(request, context);
        });
    }

    PPCOrvaneApp& app() { return session->app(); }
    PatientContext& patient() { return session->patient(); }
    template <class T>
    T* screen() {
        return dynamic_cast<T*>(app().currentScreen());
    }
    void pump() { driver.pumpUntilIdle(); }
    void press(uint32_t cmd) {
        ASSERT_TRUE(driver.tapWindow(app().navButton(cmd)));
        pump();
    }
    void key(platform::UINT vk) {
        driver.key(vk);
        pump();
    }
    platform::WindowSnapshot window(platform::HWND hwnd) const {
        return driver.snapshotWindow(hwnd);
    }
    platform::ControlSnapshot control(platform::HWND hwnd) const {
        return driver.snapshotWindow(hwnd).control;
    }
    // The texts of column c of a list view's rows.
    std::vector<std::u16string> column(platform::HWND list, size_t c = 0) const {
        std::vector<std::u16string> out;
        for (const auto& row : control(list).rows) out.push_back(row.cells.at(c).text);
        return out;
    }
    bool shown(platform::HWND hwnd) const { return hwnd && ws.IsWindowVisible(hwnd); }
    Request currentRequest() {
        std::unique_ptr<HistoryEntry> entry = app().history().currentEntry();
        if (!entry || entry->kind() != history_kind::kRequest) return 0;
        return static_cast<RequestEntry&>(*entry).request();
    }
    // The main window's drawn texts with their colours.
    std::vector<platform::DrawCommand> mainTexts() const {
        std::vector<platform::DrawCommand> out;
        for (const auto& c : driver.snapshotWindow(session->app().mainWindow()).display.commands) {
            if (c.kind == platform::DrawKind::Text) out.push_back(c);
        }
        return out;
    }

    platform::FakeClock clock;
    platform::WindowSystem ws;
    platform::Driver driver;
    platform::ScriptedWaiter waiter;
    std::string dir;
    ContentCatalogue catalogue;
    Trace trace;
    std::vector<std::u16string> boxes;
    std::unique_ptr<OrvaneSession> session;

  private:
    static std::string copyContent(const std::vector<std::string>& leaveOut) {
        std::string pattern =
            std::filesystem::temp_directory_path().string() + "/orvane-screens-XXXXXX";
        const char* made = ::mkdtemp(pattern.data());
        if (made == nullptr) return std::string();
        const std::string folder = std::string(made) + "/";
        for (const auto& file : std::filesystem::directory_iterator(ORVANE_BIN_DIR)) {
            const std::string name = file.path().filename().string();
            if (file.path().extension() != ".pdb") continue;
            bool skip = false;
            for (const auto& out : leaveOut) skip = skip || out == name;
            if (!skip) std::filesystem::copy_file(file.path(), folder + name);
        }
        return folder;
    }
};

}  // namespace orvane::testing
