// The program as it runs, headless, without a test framework: the core of the test harness
// (program_harness.h), also driven by the whole-program fuzz target. A window system on a fake
// clock with its driver, a registry file and (when asked) a copy of the sample content without
// some files in a fresh temporary folder, the program's module table and screens, a trace that
// records each line with the monotonic time, and an idle step a subclass may script. Message
// boxes are answered with OK (their captions kept); when the idle step has nothing to do, a
// pending timer is reached by moving the fake clock; with none the run ends. Also the start-up
// up to the home list, navigation, keys, and readers of what the screens show.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "content/content_catalogue.h"
#include "modules/module.h"
#include "modules/patient_checks.h"
#include "modules/patient_context.h"
#include "platform/driver.h"
#include "platform/html_viewer_messages.h"
#include "platform/registry.h"
#include "platform/window_system.h"
#include "screens/program_screens.h"
#include "shell/history_entry.h"
#include "shell/orvane_session.h"
#include "shell/page_frame.h"
#include "shell/ppc_orvane_app.h"
#include "shell/preferences_store.h"
#include "shell/shell_commands.h"
#include "shell/trace.h"
#include "suite/program_modules.h"
#include "tests/support/temp_folder.h"

namespace orvane::test_support {

inline platform::DisplayConfig smallScreen() {
    return platform::DisplayConfig{240, 320};
}
inline platform::DisplayConfig largeScreen() {
    return platform::DisplayConfig{480, 640};
}

class ProgramHost {
  public:
    // Without files to leave out the sample content is read where the build put it; otherwise a
    // copy of it without those files.
    explicit ProgramHost(platform::DisplayConfig display = {},
                         const std::vector<std::string>& leaveOut = {})
        : dir(makeTempFolder("orvane-program")),
          ws(clock, display),
          driver(ws, &clock),
          waiter([this](platform::WindowSystem&, std::optional<int64_t> deadline) {
              return idle(deadline);
          }),
          catalogue(ContentFolder(
              "", leaveOut.empty() ? std::string(ORVANE_BIN_DIR) : copyContent(leaveOut))) {
        ws.setIdleWaiter(&waiter);
        trace.setSink([this](std::string_view line) {
            lines.emplace_back(clock.nowMs(), std::string(line));
        });
        registry = std::make_unique<platform::Registry>(dir + "/registry");
    }
    virtual ~ProgramHost() {
        session.reset();
        std::error_code ignored;
        std::filesystem::remove_all(dir, ignored);
    }
    ProgramHost(const ProgramHost&) = delete;
    ProgramHost& operator=(const ProgramHost&) = delete;

    // ---- The session ----

    // A new session of the program (its module table and screens) on this harness.
    OrvaneSession& makeSession() {
        session.reset();
        session = std::make_unique<OrvaneSession>(ws, registry.get(), catalogue, programModules(),
                                                  programScreens(), trace);
        return *session;
    }
    // Makes the session (unless one is made) and shows the home list as the start-up sequence
    // does after the splash and the disclaimer.
    void start() {
        if (!session) makeSession();
        app().Initialise();
        NavigationHistory& history = app().history();
        history.clear();
        history.push(HomeEntry());
        history.showCurrent();
        pump();
    }
    PPCOrvaneApp& app() { return session->app(); }
    PatientContext& patient() { return session->patient(); }

    // Adds a test module for a module code; other codes keep the program's table.
    void addModule(int32_t code, std::function<std::unique_ptr<Module>(Request)> make) {
        extra_[code] = std::move(make);
        patient().setModuleFactory([this](Request request, PatientContext& context) {
            const auto found = extra_.find(moduleCode(request));
            if (found != extra_.end()) return found->second(request);
            return context.modules().create(request, context);
        });
    }

    // ---- Input ----

    void pump() { driver.pumpUntilIdle(); }
    void navigate(Request request) {
        app().currentScreen()->Navigate(request);
        pump();
    }
    void key(platform::UINT vk) {
        driver.key(vk);
        pump();
    }
    // A key as the viewer's inner window forwards it: posted to the main window.
    void viewerKey(platform::UINT vk) {
        ws.PostMessage(app().mainWindow(), platform::WM_KEYDOWN, vk, 0);
        pump();
    }
    // The first message box open now, answered with OK; true when there was one.
    bool answerMessageBox() {
        if (ws.openMessageBox() == nullptr) return false;
        return driver.answerMessageBox(platform::IDOK);
    }

    // ---- What the screens show ----

    template <class T>
    T* screen() {
        return dynamic_cast<T*>(app().currentScreen());
    }
    Request currentRequest() {
        std::unique_ptr<HistoryEntry> entry = app().history().currentEntry();
        if (!entry || entry->kind() != history_kind::kRequest) return 0;
        return static_cast<RequestEntry&>(*entry).request();
    }
    platform::WindowSnapshot snap(platform::HWND hwnd) const { return driver.snapshotWindow(hwnd); }
    platform::ControlSnapshot control(platform::HWND hwnd) const {
        return driver.snapshotWindow(hwnd).control;
    }
    bool shown(platform::HWND hwnd) const { return hwnd && ws.IsWindowVisible(hwnd); }
    std::u16string text(platform::HWND hwnd) { return ws.GetWindowText(hwnd); }
    // A window's rectangle in its parent's client coordinates.
    platform::RECT rectOf(platform::HWND hwnd) const { return snap(hwnd).rect; }
    // The texts of column c of a list view's rows.
    std::vector<std::u16string> column(platform::HWND list, size_t c = 0) const {
        std::vector<std::u16string> out;
        for (const auto& row : control(list).rows) out.push_back(row.cells.at(c).text);
        return out;
    }
    // The main window's drawn texts with their colours.
    std::vector<platform::DrawCommand> mainTexts() const {
        std::vector<platform::DrawCommand> out;
        for (const auto& c : driver.snapshotWindow(session->app().mainWindow()).display.commands) {
            if (c.kind == platform::DrawKind::Text) out.push_back(c);
        }
        return out;
    }
    // The page text the viewer holds (framed), and the same without the frame.
    std::string framedPage(platform::HWND viewer) const { return control(viewer).pageText; }
    std::string pageBody(platform::HWND viewer) const {
        std::string page = framedPage(viewer);
        const std::string header(kPageHeader);
        const std::string footer(kPageFooter);
        if (page.rfind(header, 0) == 0) page.erase(0, header.size());
        if (page.size() >= footer.size() &&
            page.compare(page.size() - footer.size(), footer.size(), footer) == 0) {
            page.erase(page.size() - footer.size());
        }
        return page;
    }
    static std::string redPage(const std::string& message) { return messagePageBody(message); }

    // ---- Preferences and trace ----

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
    int64_t timeOf(const std::string& line) const {
        for (const auto& [time, traced] : lines) {
            if (traced == line + "\r\n") return time;
        }
        return -1;
    }
    bool traced(const std::string& line) const { return timeOf(line) >= 0; }
    int indexOf(const std::string& line) const {
        for (size_t i = 0; i < lines.size(); ++i) {
            if (lines[i].second == line + "\r\n") return static_cast<int>(i);
        }
        return -1;
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
    std::vector<std::string> messageBoxes;  // captions of the message boxes answered
    std::unique_ptr<OrvaneSession> session;

  protected:
    // What the idle step does when no message box is open: true when it did something (the loop
    // goes on), false when it has nothing to do.
    virtual bool idleStep() { return false; }

  private:
    bool idle(std::optional<int64_t> deadline) {
        if (const auto* box = ws.openMessageBox()) {
            messageBoxes.emplace_back(box->caption.begin(), box->caption.end());
            return driver.answerMessageBox(platform::IDOK);
        }
        if (idleStep()) return true;
        if (deadline) {
            clock.advance(*deadline - clock.nowMs());
            return true;
        }
        return false;
    }

    // A copy of the sample content without the given files, in the harness's folder.
    std::string copyContent(const std::vector<std::string>& leaveOut) const {
        const std::string folder = dir + "/content/";
        std::filesystem::create_directories(folder);
        for (const auto& file : std::filesystem::directory_iterator(ORVANE_BIN_DIR)) {
            const std::string name = file.path().filename().string();
            if (file.path().extension() != ".pdb") continue;
            bool skip = false;
            for (const auto& out : leaveOut) skip = skip || out == name;
            if (!skip) std::filesystem::copy_file(file.path(), folder + name);
        }
        return folder;
    }

    std::map<int32_t, std::function<std::unique_ptr<Module>(Request)>> extra_;
};

}  // namespace orvane::test_support
