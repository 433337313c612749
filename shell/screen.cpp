#include "shell/screen.h"

#include "modules/module_table.h"
#include "modules/patient_context.h"
#include "platform/window_system.h"
#include "shell/navigation_history.h"
#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;

Screen::Screen(PPCOrvaneApp& app) : app_(app) {
    if (app_.hasHistory()) entry_ = app_.history().currentEntry();
}

Screen::~Screen() = default;

void Screen::Resize(const RECT&) {}

void Screen::Update(Request) {}

bool Screen::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                           LRESULT& result) {
    if (message == WM_DESTROY && window == app_.mainWindow()) {
        app_.windows().PostQuitMessage(0);
        result = 0;
        return true;
    }
    result = app_.windows().DefWindowProc(window, message, wParam, lParam);
    return false;
}

void Screen::Navigate(Request request) {
    busy_ = true;
    if (module_ != nullptr) module_->handleRequest(request);
    // A request the current screen keeps (an entry acted on by the module shown) has had its
    // effect, and one no screen shows (a link into a calculator number or sub-code that does not
    // exist) cannot be shown: recorded, either would be a history entry that no screen shows,
    // leaving the program without a screen or the history and the screen disagreeing.
    const ScreenKind kind = app_.patientContext().modules().screenKindFor(request);
    if (kind == ScreenKind::kKeep) {
        busy_ = false;
        return;
    }
    const std::unique_ptr<RequestEntry> entry =
        kind == ScreenKind::kNone ? nullptr : makeRequestEntry(request);
    if (!entry) {
        app_.ShowError(error_kind::kInvalidDocumentType, SharedString());
        // The screen is not replaced, so it must take input again.
        busy_ = false;
        return;
    }
    app_.history().push(*entry);
    app_.windows().PostMessage(app_.mainWindow(), WM_COMMAND,
                               MAKEWPARAM(command::kNavigateToCurrent, 0), 0);
}

}  // namespace orvane
