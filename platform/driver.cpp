#include "platform/driver.h"

#include "platform/controls/control_support.h"

namespace orvane::platform {

Driver::Driver(WindowSystem& system, FakeClock* clock) : system_(system), clock_(clock) {}

void Driver::describe(HWND hwnd, WindowSnapshot& out) const {
    const Window* w = system_.windowData(hwnd);
    if (!w) return;
    out.handle = hwnd.value();
    out.parent = w->parent.value();
    out.className = w->className;
    out.text = w->text;
    out.style = w->style;
    out.exStyle = w->exStyle;
    out.id = w->id;
    out.rect = w->rect;
    system_.GetWindowRect(hwnd, &out.screenRect);
    system_.GetClientRect(hwnd, &out.clientRect);
    out.visible = w->visible();
    out.shown = system_.IsWindowVisible(hwnd);
    out.enabled = w->enabled();
    out.focused = system_.GetFocus() == hwnd;
    if (w->control) w->control->describe(out.control);
    out.display = w->display;
    for (HWND c : w->children) {
        WindowSnapshot child;
        describe(c, child);
        out.children.push_back(std::move(child));
    }
}

WindowSnapshot Driver::snapshotWindow(HWND hwnd) const {
    WindowSnapshot out;
    describe(hwnd, out);
    return out;
}

UiSnapshot Driver::snapshot() const {
    UiSnapshot s;
    s.nowMs = system_.clock().nowMs();
    s.screenWidth = system_.display().width;
    s.screenHeight = system_.display().height;
    s.focus = system_.GetFocus().value();
    s.foreground = system_.GetForegroundWindow().value();
    s.inputPanelUp = system_.shellState().inputPanelUp;
    s.inputPanelButtonHidden = system_.shellState().inputPanelButtonHidden;
    s.taskbarHidden = system_.shellState().taskbarHidden;
    if (const auto* box = system_.openMessageBox()) {
        s.messageBox = MessageBoxSnapshot{box->window.value(), box->caption, box->text, box->type};
    }
    for (HWND t : system_.TopLevelWindows()) {
        WindowSnapshot w;
        describe(t, w);
        s.windows.push_back(std::move(w));
    }
    return s;
}

HWND Driver::findWindow(std::u16string_view className,
                        std::optional<std::u16string_view> text) const {
    auto all = findAll(className);
    for (HWND h : all) {
        if (!text || system_.windowData(h)->text == *text) return h;
    }
    return HWND{};
}

std::vector<HWND> Driver::findAll(std::u16string_view className) const {
    std::vector<HWND> out;
    auto same = [](std::u16string_view a, std::u16string_view b) {
        if (a.size() != b.size()) return false;
        for (size_t i = 0; i < a.size(); ++i) {
            char16_t x = a[i], y = b[i];
            if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x + 32);
            if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y + 32);
            if (x != y) return false;
        }
        return true;
    };
    std::vector<HWND> stack;
    auto tops = system_.TopLevelWindows();
    for (auto it = tops.rbegin(); it != tops.rend(); ++it) stack.push_back(*it);
    while (!stack.empty()) {
        HWND h = stack.back();
        stack.pop_back();
        const Window* w = system_.windowData(h);
        if (!w) continue;
        if (same(w->className, className)) out.push_back(h);
        for (auto c = w->children.rbegin(); c != w->children.rend(); ++c) stack.push_back(*c);
    }
    return out;
}

bool Driver::acceptsInput(HWND hwnd) const {
    if (!system_.IsWindow(hwnd)) return false;
    for (HWND h = hwnd; h;) {
        const Window* w = system_.windowData(h);
        if (!w) return false;
        if (!w->enabled()) return false;
        if (!(w->style & WS_CHILD)) break;
        h = w->parent;
    }
    return true;
}

bool Driver::tap(POINT screen) {
    HWND target = system_.WindowFromPoint(screen);
    // A dropped combo box list closes when the tap lands elsewhere.
    for (HWND combo : findAll(kComboBoxClass)) {
        if (system_.SendMessage(combo, CB_GETDROPPEDSTATE, 0, 0) &&
            system_.GetParent(target) != combo) {
            system_.SendMessage(combo, CB_SHOWDROPDOWN, FALSE, 0);
            target = system_.WindowFromPoint(screen);
        }
    }
    if (!target || !acceptsInput(target)) return false;
    POINT p = screen;
    system_.ScreenToClient(target, &p);
    const LPARAM at = MAKELPARAM(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
    system_.PostMessage(target, WM_LBUTTONDOWN, 1, at);
    system_.PostMessage(target, WM_LBUTTONUP, 0, at);
    return true;
}

bool Driver::tapWindow(HWND hwnd) {
    RECT r;
    if (!system_.GetWindowRect(hwnd, &r)) return false;
    return tap(POINT{r.left + r.width() / 2, r.top + r.height() / 2});
}

bool Driver::tapWindowAt(HWND hwnd, POINT client) {
    if (!system_.ClientToScreen(hwnd, &client)) return false;
    return tap(client);
}

bool Driver::doubleTap(POINT screen) {
    if (!tap(screen)) return false;
    HWND target = system_.WindowFromPoint(screen);
    POINT p = screen;
    system_.ScreenToClient(target, &p);
    const LPARAM at = MAKELPARAM(static_cast<unsigned>(p.x), static_cast<unsigned>(p.y));
    system_.PostMessage(target, WM_LBUTTONDBLCLK, 1, at);
    system_.PostMessage(target, WM_LBUTTONUP, 0, at);
    return true;
}

bool Driver::postToFocus(UINT msg, WPARAM wParam, LPARAM lParam) {
    system_.PostKeyboardMessage(msg, wParam, lParam);
    return true;
}

bool Driver::keyDown(UINT vk) {
    return postToFocus(WM_KEYDOWN, vk, 1);
}
bool Driver::keyUp(UINT vk) {
    return postToFocus(WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
}
bool Driver::key(UINT vk) {
    return keyDown(vk) && keyUp(vk);
}
bool Driver::character(char16_t ch) {
    return postToFocus(WM_CHAR, ch, 1);
}

bool Driver::typeText(std::u16string_view text) {
    for (char16_t c : text) {
        if (!character(c)) return false;
    }
    return true;
}

bool Driver::chooseItem(HWND control, int index) {
    const Window* w = system_.windowData(control);
    if (!w || !w->control || !acceptsInput(control)) return false;
    ControlSnapshot state;
    w->control->describe(state);
    const int count = state.kind == "listview" ? static_cast<int>(state.rows.size())
                                               : static_cast<int>(state.items.size());
    if ((state.kind != "combobox" && state.kind != "listbox" && state.kind != "listview") ||
        index < 0 || index >= count) {
        return false;
    }
    return system_.PostMessage(control, WM_ORVANE_CHOOSE, static_cast<WPARAM>(index), 0);
}

bool Driver::activateItem(HWND listView, int index) {
    const Window* w = system_.windowData(listView);
    if (!w || !w->control || !acceptsInput(listView)) return false;
    ControlSnapshot state;
    w->control->describe(state);
    if (state.kind != "listview" || index < 0 || index >= static_cast<int>(state.rows.size()))
        return false;
    return system_.PostMessage(listView, WM_ORVANE_ACTIVATE, static_cast<WPARAM>(index), 0);
}

bool Driver::scroll(HWND scrollBar, UINT code, int pos) {
    const Window* w = system_.windowData(scrollBar);
    if (!w || !w->control || !acceptsInput(scrollBar)) return false;
    ControlSnapshot state;
    w->control->describe(state);
    if (state.kind != "scrollbar" || code > SB_ENDSCROLL) return false;
    return system_.PostMessage(scrollBar, WM_ORVANE_SCROLL, code, pos);
}

bool Driver::chooseDate(HWND monthCal, const SYSTEMTIME& date) {
    const Window* w = system_.windowData(monthCal);
    if (!w || !w->control || !acceptsInput(monthCal)) return false;
    ControlSnapshot state;
    w->control->describe(state);
    if (state.kind != "monthcal") return false;
    dates_.push_back(date);
    return system_.PostMessage(monthCal, WM_ORVANE_CHOOSE_DATE, 0,
                               reinterpret_cast<LPARAM>(&dates_.back()));
}

bool Driver::tapLink(HWND viewer, std::string_view target) {
    const Window* w = system_.windowData(viewer);
    if (!w || !w->control || !acceptsInput(viewer)) return false;
    ControlSnapshot state;
    w->control->describe(state);
    if (state.kind != "htmlviewer") return false;
    bool found = false;
    for (const auto& link : state.links) found = found || link == target;
    if (!found) return false;
    texts_.emplace_back(target);
    return system_.PostMessage(viewer, WM_ORVANE_LINK_TAP, 0,
                               reinterpret_cast<LPARAM>(texts_.back().c_str()));
}

bool Driver::answerMessageBox(int answer) {
    const auto* box = system_.openMessageBox();
    if (!box) return false;
    HWND button = system_.GetDlgItem(box->window, answer);
    return button && tapWindow(button);
}

int Driver::pumpUntilIdle(int maxMessages) {
    int dispatched = 0;
    MSG msg;
    while (dispatched < maxMessages && system_.PeekMessage(&msg, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            quitSeen_ = true;
            exitCode_ = static_cast<int>(msg.wParam);
            break;
        }
        system_.TranslateMessage(&msg);
        system_.DispatchMessage(&msg);
        ++dispatched;
    }
    return dispatched;
}

bool Driver::advanceClock(int64_t ms) {
    if (!clock_) return false;
    clock_->advance(ms);
    return true;
}

}  // namespace orvane::platform
