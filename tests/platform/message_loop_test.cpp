#include <gtest/gtest.h>

#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

constexpr UINT kMsgA = WM_APP + 1;
constexpr UINT kMsgB = WM_APP + 2;
constexpr UINT kMsgC = WM_APP + 3;

std::vector<UINT> appMessages(const Harness& h) {
    std::vector<UINT> out;
    for (const auto& e : h.log) {
        if (e.msg >= WM_APP) out.push_back(e.msg);
    }
    return out;
}

TEST(MessageLoop, SendRunsAtOncePostRunsLaterInOrder) {
    Harness h;
    h.ws.PostMessage(h.host, kMsgA, 0, 0);
    h.ws.PostMessage(h.host, kMsgB, 0, 0);
    h.ws.SendMessage(h.host, kMsgC, 0, 0);
    EXPECT_EQ(appMessages(h), (std::vector<UINT>{kMsgC}));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(appMessages(h), (std::vector<UINT>{kMsgC, kMsgA, kMsgB}));
}

TEST(MessageLoop, SendIsReentrantAndPostFromHandlerRunsAfterIt) {
    Harness h;
    std::vector<std::string> trace;
    h.hook = [&](HWND hwnd, UINT m, WPARAM w, LPARAM, LRESULT* r) {
        if (m == kMsgA) {
            trace.push_back("+A");
            h.ws.PostMessage(hwnd, kMsgC, 0, 0);
            *r = 10 + h.ws.SendMessage(hwnd, kMsgB, w + 1, 0);
            trace.push_back("-A");
            return true;
        }
        if (m == kMsgB) {
            trace.push_back("B" + std::to_string(w));
            *r = static_cast<LRESULT>(w);
            return true;
        }
        if (m == kMsgC) {
            trace.push_back("C");
            return true;
        }
        return false;
    };
    EXPECT_EQ(h.ws.SendMessage(h.host, kMsgA, 1, 0), 12);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(trace, (std::vector<std::string>{"+A", "B2", "-A", "C"}));
}

TEST(MessageLoop, QuitInsideNestedLoopEndsTheOuterLoopToo) {
    Harness h;
    int nestedEnded = 0;
    h.hook = [&](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT*) {
        if (m == kMsgA) {
            h.ws.PostMessage(hwnd, kMsgB, 0, 0);
            const bool done = h.ws.RunMessageLoop([] { return false; });
            EXPECT_FALSE(done);
            ++nestedEnded;
            return true;
        }
        if (m == kMsgB) {
            h.ws.PostQuitMessage(7);
            h.ws.PostMessage(hwnd, kMsgC, 0, 0);  // posted before the quit is taken: still runs
            return true;
        }
        return false;
    };
    h.ws.PostMessage(h.host, kMsgA, 0, 0);
    MSG msg;
    int outerDispatched = 0;
    while (h.ws.GetMessage(&msg)) {
        h.ws.TranslateMessage(&msg);
        h.ws.DispatchMessage(&msg);
        ++outerDispatched;
    }
    EXPECT_EQ(nestedEnded, 1);
    EXPECT_EQ(msg.message, WM_QUIT);
    EXPECT_EQ(msg.wParam, 7u);
    EXPECT_EQ(h.ws.exitCode(), 7);
    EXPECT_EQ(appMessages(h), (std::vector<UINT>{kMsgA, kMsgB, kMsgC}));
    EXPECT_EQ(outerDispatched, 1);  // the outer loop dispatched A only, then saw the quit
}

TEST(MessageLoop, NestedLoopEndsWhenItsConditionHolds) {
    Harness h;
    bool closed = false;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT*) {
        if (m == kMsgB) closed = true;
        return m == kMsgB;
    };
    h.ws.PostMessage(h.host, kMsgA, 0, 0);
    h.ws.PostMessage(h.host, kMsgB, 0, 0);
    h.ws.PostMessage(h.host, kMsgC, 0, 0);
    EXPECT_TRUE(h.ws.RunMessageLoop([&] { return closed; }));
    EXPECT_EQ(appMessages(h), (std::vector<UINT>{kMsgA, kMsgB}));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(appMessages(h), (std::vector<UINT>{kMsgA, kMsgB, kMsgC}));
}

TEST(MessageLoop, NoMoreInputEndsTheLoopAsAQuit) {
    Harness h;  // the fake-time waiter has no timer to wait for
    EXPECT_FALSE(h.ws.RunMessageLoop([] { return false; }));
    EXPECT_TRUE(h.ws.quitPosted());
}

TEST(MessageLoop, TranslateQueuesTheCharacterRightAfterItsKey) {
    Harness h;
    h.ws.SetFocus(h.host);
    h.driver.key('7');
    h.ws.PostMessage(h.host, kMsgA, 0, 0);
    h.driver.pumpUntilIdle();
    std::vector<UINT> order;
    for (const auto& e : h.log) {
        if (e.msg == WM_KEYDOWN || e.msg == WM_CHAR || e.msg == WM_KEYUP || e.msg == kMsgA)
            order.push_back(e.msg);
    }
    EXPECT_EQ(order, (std::vector<UINT>{WM_KEYDOWN, WM_CHAR, WM_KEYUP, kMsgA}));
}

TEST(MessageLoop, MessagesToADestroyedWindowAreDropped) {
    Harness h;
    HWND child = h.child(u"TestHost", 0, 5);
    h.ws.PostMessage(child, kMsgA, 0, 0);
    h.ws.DestroyWindow(child);
    h.log.clear();
    h.driver.pumpUntilIdle();
    EXPECT_TRUE(appMessages(h).empty());
    EXPECT_FALSE(h.ws.PostMessage(child, kMsgA, 0, 0));
    EXPECT_EQ(h.ws.SendMessage(child, kMsgA, 0, 0), 0);
}

TEST(MessageLoop, DestroyingAParentDestroysChildrenParentFirst) {
    Harness h;
    HWND a = h.child(u"TestHost", 0, 1);
    HWND b = h.ws.CreateWindowEx(0, u"TestHost", u"", WS_CHILD, 0, 0, 5, 5, a, 2);
    h.log.clear();
    h.ws.DestroyWindow(h.host);
    std::vector<std::pair<uint32_t, UINT>> seen;
    for (const auto& e : h.log) {
        if (e.msg == WM_DESTROY || e.msg == WM_NCDESTROY) seen.push_back({e.hwnd.value(), e.msg});
    }
    EXPECT_EQ(seen, (std::vector<std::pair<uint32_t, UINT>>{{h.host.value(), WM_DESTROY},
                                                            {a.value(), WM_DESTROY},
                                                            {b.value(), WM_DESTROY},
                                                            {b.value(), WM_NCDESTROY},
                                                            {a.value(), WM_NCDESTROY},
                                                            {h.host.value(), WM_NCDESTROY}}));
    EXPECT_FALSE(h.ws.IsWindow(a));
    EXPECT_FALSE(h.ws.IsWindow(b));
}

}  // namespace
}  // namespace orvane::platform
