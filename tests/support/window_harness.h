// Shared set-up for the platform tests (and the page tests that drive controls): a window system on
// a fake clock with a driver, a recording window class, and a log of the messages and
// notifications it received.
#pragma once

#include <string>
#include <vector>

#include "platform/driver.h"
#include "platform/window_system.h"

namespace orvane::test_support {

struct LoggedMessage {
    platform::HWND hwnd;
    platform::UINT msg = 0;
    platform::WPARAM wParam = 0;
    platform::LPARAM lParam = 0;
    platform::UINT notifyCode = 0;  // WM_NOTIFY's code
};

// A parent window class "TestHost" whose procedure records what it gets (besides painting).
class WindowHarness {
  public:
    WindowHarness(platform::DisplayConfig display = {})
        : ws(clock, display), driver(ws, &clock), waiter(clock) {
        ws.setIdleWaiter(&waiter);
        platform::WNDCLASS wc;
        wc.lpszClassName = u"TestHost";
        wc.hbrBackground = ws.GetStockBrush(platform::WHITE_BRUSH);
        wc.lpfnWndProc = [this](platform::HWND h, platform::UINT m, platform::WPARAM w,
                                platform::LPARAM l) -> platform::LRESULT {
            LoggedMessage e{h, m, w, l, 0};
            if (m == platform::WM_NOTIFY)
                e.notifyCode = reinterpret_cast<const platform::NMHDR*>(l)->code;
            if (m != platform::WM_PAINT && m != platform::WM_ERASEBKGND &&
                m != platform::WM_CTLCOLORSTATIC && m != platform::WM_CTLCOLOREDIT &&
                m != platform::WM_CTLCOLORLISTBOX && m != platform::WM_CTLCOLORBTN) {
                log.push_back(e);
            }
            if (hook) {
                platform::LRESULT r = 0;
                if (hook(h, m, w, l, &r)) return r;
            }
            return ws.DefWindowProc(h, m, w, l);
        };
        ws.RegisterClass(wc);
        host =
            ws.CreateWindowEx(0, u"TestHost", u"Host", platform::WS_VISIBLE,
                              platform::CW_USEDEFAULT, platform::CW_USEDEFAULT,
                              platform::CW_USEDEFAULT, platform::CW_USEDEFAULT, platform::HWND{});
        driver.pumpUntilIdle();
        log.clear();
    }

    ~WindowHarness() {
        hook = nullptr;
        ws.DestroyWindow(host);
    }
    WindowHarness(const WindowHarness&) = delete;
    WindowHarness& operator=(const WindowHarness&) = delete;

    platform::HWND child(std::u16string_view cls, platform::DWORD style, int id,
                         platform::RECT r = {10, 10, 110, 40}, std::u16string_view text = u"") {
        return ws.CreateWindowEx(0, cls, text, platform::WS_CHILD | platform::WS_VISIBLE | style,
                                 r.left, r.top, r.width(), r.height(), host, id);
    }

    // Command notification codes (HIWORD of WM_COMMAND) received from control id, in order.
    std::vector<platform::UINT> commands(int id) const {
        std::vector<platform::UINT> out;
        for (const auto& e : log) {
            if (e.msg == platform::WM_COMMAND && platform::LOWORD(e.wParam) == id)
                out.push_back(platform::HIWORD(e.wParam));
        }
        return out;
    }
    std::vector<platform::UINT> notifications() const {
        std::vector<platform::UINT> out;
        for (const auto& e : log) {
            if (e.msg == platform::WM_NOTIFY) out.push_back(e.notifyCode);
        }
        return out;
    }

    platform::FakeClock clock;
    platform::WindowSystem ws;
    platform::Driver driver;
    platform::FakeTimeWaiter waiter;
    platform::HWND host;
    std::vector<LoggedMessage> log;
    std::function<bool(platform::HWND, platform::UINT, platform::WPARAM, platform::LPARAM,
                       platform::LRESULT*)>
        hook;
};

}  // namespace orvane::test_support
