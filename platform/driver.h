// The driver: how tests (and the browser front end) see and work the user interface. It takes
// snapshots of the window tree as plain records and injects user input (taps, keys, characters,
// list and combo choices, scrolling, dates, link taps, message-box answers). Input is queued as
// the platform's input would be; pumpUntilIdle() delivers it (or a running message loop does,
// when the driver is used from an idle waiter). It adds no behaviour of its own: every
// notification comes from the controls themselves.
#pragma once

#include <list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/clock.h"
#include "platform/ui_snapshot.h"
#include "platform/window_system.h"

namespace orvane::platform {

class Driver {
  public:
    // clock: the FakeClock behind the window system, when there is one (for advanceClock).
    explicit Driver(WindowSystem& system, FakeClock* clock = nullptr);

    // ---- Seeing ----
    UiSnapshot snapshot() const;
    WindowSnapshot snapshotWindow(HWND hwnd) const;
    // The first window of the class (and text, when given) anywhere in the tree, top-level
    // windows in z-order, each before its children. Hidden windows count.
    HWND findWindow(std::u16string_view className,
                    std::optional<std::u16string_view> text = std::nullopt) const;
    std::vector<HWND> findAll(std::u16string_view className) const;
    HWND findChild(HWND parent, int id) const { return system_.GetDlgItem(parent, id); }

    // ---- Input (queued) ----
    // A tap (button down and up) at a screen point: goes to the deepest shown window there; false
    // (nothing sent) when that window or one of its parents is disabled or nothing is there. A
    // tap outside a dropped combo box's list closes the list first.
    bool tap(POINT screen);
    // A tap at the centre of a window (or at a point in its client coordinates).
    bool tapWindow(HWND hwnd);
    bool tapWindowAt(HWND hwnd, POINT client);
    bool doubleTap(POINT screen);
    // Keys go to the window that has the focus when they are delivered (the foreground window
    // when none has it).
    bool keyDown(UINT vk);
    bool keyUp(UINT vk);
    bool key(UINT vk);  // down and up
    bool character(char16_t ch);
    bool typeText(std::u16string_view text);
    // The user picks entry index of a combo box, list box or list view (as a tap on it).
    bool chooseItem(HWND control, int index);
    // The user double-taps list view item index.
    bool activateItem(HWND listView, int index);
    // The user scrolls a scroll bar (SB_* code; pos for the thumb codes).
    bool scroll(HWND scrollBar, UINT code, int pos = 0);
    bool chooseDate(HWND monthCal, const SYSTEMTIME& date);
    // The user taps a link of the viewer's page by its raw target text; false when the page has
    // no such link.
    bool tapLink(HWND viewer, std::string_view target);
    // Presses a button of the open message box by its answer (IDOK, ...).
    bool answerMessageBox(int answer);

    // ---- Running ----
    // Dispatches everything ready now (posted messages, paints, due timers) without waiting.
    // Stops at the quit message (quitSeen() then) or after maxMessages. Returns the number
    // dispatched.
    int pumpUntilIdle(int maxMessages = 100000);
    bool quitSeen() const { return quitSeen_; }
    int exitCode() const { return exitCode_; }
    // Moves the fake clock on (false without one). Timers due then fire at the next pump.
    bool advanceClock(int64_t ms);

  private:
    void describe(HWND hwnd, WindowSnapshot& out) const;
    bool postToFocus(UINT msg, WPARAM wParam, LPARAM lParam);
    bool acceptsInput(HWND hwnd) const;

    WindowSystem& system_;
    FakeClock* clock_;
    std::list<std::string> texts_;  // link targets in flight
    std::list<SYSTEMTIME> dates_;   // dates in flight
    bool quitSeen_ = false;
    int exitCode_ = 0;
};

}  // namespace orvane::platform
