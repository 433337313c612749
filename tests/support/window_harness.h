// Shared set-up for the platform tests: a window system on a fake clock with a driver, a
// recording window class, and a log of the messages and notifications it received.
#pragma once

#include <string>
#include <vector>

#include "platform/driver.h"
#include "platform/window_system.h"

namespace orvane::platform::testing {

struct Logged {
    HWND hwnd;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    UINT notifyCode = 0;  // WM_NOTIFY's code
};

// A parent window class "TestHost" whose procedure records what it gets (besides painting).
class Harness {
  public:
    Harness(DisplayConfig display = {}) : ws(clock, display), driver(ws, &clock), waiter(clock) {
        ws.setIdleWaiter(&waiter);
        WNDCLASS wc;
        wc.lpszClassName = u"TestHost";
        wc.hbrBackground = ws.GetStockBrush(WHITE_BRUSH);
        wc.lpfnWndProc = [this](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            Logged e{h, m, w, l, 0};
            if (m == WM_NOTIFY) e.notifyCode = reinterpret_cast<const NMHDR*>(l)->code;
            if (m != WM_PAINT && m != WM_ERASEBKGND && m != WM_CTLCOLORSTATIC &&
                m != WM_CTLCOLOREDIT && m != WM_CTLCOLORLISTBOX && m != WM_CTLCOLORBTN) {
                log.push_back(e);
            }
            if (hook) {
                LRESULT r = 0;
                if (hook(h, m, w, l, &r)) return r;
            }
            return ws.DefWindowProc(h, m, w, l);
        };
        ws.RegisterClass(wc);
        host = ws.CreateWindowEx(0, u"TestHost", u"Host", WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                                 CW_USEDEFAULT, CW_USEDEFAULT, HWND{});
        driver.pumpUntilIdle();
        log.clear();
    }

    ~Harness() {
        hook = nullptr;
        ws.DestroyWindow(host);
    }
    Harness(const Harness&) = delete;
    Harness& operator=(const Harness&) = delete;

    HWND child(std::u16string_view cls, DWORD style, int id, RECT r = {10, 10, 110, 40},
               std::u16string_view text = u"") {
        return ws.CreateWindowEx(0, cls, text, WS_CHILD | WS_VISIBLE | style, r.left, r.top,
                                 r.width(), r.height(), host, id);
    }

    // Command notification codes (HIWORD of WM_COMMAND) received from control id, in order.
    std::vector<UINT> commands(int id) const {
        std::vector<UINT> out;
        for (const auto& e : log) {
            if (e.msg == WM_COMMAND && LOWORD(e.wParam) == id) out.push_back(HIWORD(e.wParam));
        }
        return out;
    }
    std::vector<UINT> notifications() const {
        std::vector<UINT> out;
        for (const auto& e : log) {
            if (e.msg == WM_NOTIFY) out.push_back(e.notifyCode);
        }
        return out;
    }

    FakeClock clock;
    WindowSystem ws;
    Driver driver;
    FakeTimeWaiter waiter;
    HWND host;
    std::vector<Logged> log;
    std::function<bool(HWND, UINT, WPARAM, LPARAM, LRESULT*)> hook;
};

}  // namespace orvane::platform::testing
