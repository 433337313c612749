// Shared set-up for the document and calculator screen tests: the shell harness (window system on
// a fake clock, driver, sample content) with the application initialised and the home entry
// shown, navigation to a request, the current screen as a given class, viewer page text, and a
// module factory that can add test modules to the program's own table.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "modules/module_factory.h"
#include "modules/patient_context.h"
#include "platform/html_viewer_messages.h"
#include "shell/history_entry.h"
#include "shell/page_frame.h"
#include "shell/ppc_orvane_app.h"
#include "tests/shell/shell_test_support.h"

namespace orvane::testing {

class ScreenTest {
  public:
    explicit ScreenTest(int width = 240, int height = 320)
        : h(platform::DisplayConfig{width, height}) {
        h.makeSession();
        app().Initialise();
        NavigationHistory& history = app().history();
        history.clear();
        history.push(HomeEntry());
        history.showCurrent();
        h.driver.pumpUntilIdle();
    }

    PPCOrvaneApp& app() { return h.app(); }
    PatientContext& patient() { return h.session->patient(); }
    platform::WindowSystem& ws() { return h.ws; }
    platform::HWND main() { return app().mainWindow(); }

    // Adds a test module for a module code; other codes keep the program's table.
    void addModule(int32_t code, std::function<std::unique_ptr<Module>(Request)> make) {
        extra_[code] = std::move(make);
        patient().setModuleFactory([this](Request request, PatientContext& context) {
            const auto found = extra_.find(moduleCode(request));
            if (found != extra_.end()) return found->second(request);
            return createModuleFor(request, context);
        });
    }

    void navigate(Request request) {
        app().currentScreen()->Navigate(request);
        h.driver.pumpUntilIdle();
    }
    void pump() { h.driver.pumpUntilIdle(); }

    template <class T>
    T* screen() {
        return dynamic_cast<T*>(app().currentScreen());
    }

    // The page text the viewer holds (framed), and the same without the frame.
    std::string framedPage(platform::HWND viewer) {
        return h.driver.snapshotWindow(viewer).control.pageText;
    }
    std::string pageBody(platform::HWND viewer) {
        std::string text = framedPage(viewer);
        const std::string header(kPageHeader);
        const std::string footer(kPageFooter);
        if (text.rfind(header, 0) == 0) text.erase(0, header.size());
        if (text.size() >= footer.size() &&
            text.compare(text.size() - footer.size(), footer.size(), footer) == 0) {
            text.erase(text.size() - footer.size());
        }
        return text;
    }
    static std::string redPage(const std::string& message) {
        return "<B><FONT color=\"red\">" + message + "</FONT></B>";
    }

    platform::WindowSnapshot snap(platform::HWND hwnd) { return h.driver.snapshotWindow(hwnd); }
    bool shown(platform::HWND hwnd) { return h.ws.IsWindowVisible(hwnd); }
    std::u16string text(platform::HWND hwnd) { return h.ws.GetWindowText(hwnd); }
    // A window's rectangle in its parent's client coordinates.
    platform::RECT rectOf(platform::HWND hwnd) { return snap(hwnd).rect; }
    // Taps a button (or any control) and delivers everything that follows.
    void tap(platform::HWND hwnd) {
        ASSERT_TRUE(h.driver.tapWindow(hwnd));
        pump();
    }
    void choose(platform::HWND combo, int index) {
        ASSERT_TRUE(h.driver.chooseItem(combo, index));
        pump();
    }
    // A key as the viewer's inner window forwards it: posted to the main window.
    void viewerKey(platform::UINT vk) {
        h.ws.PostMessage(main(), platform::WM_KEYDOWN, vk, 0);
        pump();
    }
    // Taps a link of the page in a viewer.
    void tapLink(platform::HWND viewer, const std::string& target) {
        ASSERT_TRUE(h.driver.tapLink(viewer, target));
        pump();
    }
    Request currentRequest() {
        std::unique_ptr<HistoryEntry> entry = app().history().currentEntry();
        if (!entry || entry->kind() != history_kind::kRequest) return 0;
        return static_cast<RequestEntry&>(*entry).request();
    }

    ShellHarness h;

  private:
    std::map<int32_t, std::function<std::unique_ptr<Module>(Request)>> extra_;
};

}  // namespace orvane::testing
