#include <gtest/gtest.h>

#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

std::vector<std::pair<uint32_t, UINT>> paintsAndTimers(const Harness& h) {
    std::vector<std::pair<uint32_t, UINT>> out;
    for (const auto& e : h.log) {
        if (e.msg == WM_TIMER || e.msg >= WM_APP) out.push_back({e.hwnd.value(), e.msg});
    }
    return out;
}

TEST(Paint, PaintComesAfterPostedMessagesParentBeforeChild) {
    Harness h;
    std::vector<uint32_t> painted;
    h.hook = [&](HWND hwnd, UINT m, WPARAM, LPARAM, LRESULT*) {
        if (m == WM_PAINT) painted.push_back(hwnd.value());
        if (m == WM_APP) {
            EXPECT_TRUE(painted.empty());
        }
        return false;
    };
    HWND child = h.child(u"TestHost", 0, 3);
    h.ws.InvalidateRect(h.host, nullptr, true);
    h.ws.PostMessage(h.host, WM_APP, 0, 0);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(painted, (std::vector<uint32_t>{h.host.value(), child.value()}));
    painted.clear();
    h.driver.pumpUntilIdle();
    EXPECT_TRUE(painted.empty());  // painting validated both
}

TEST(Paint, HiddenWindowsAreNotPaintedUntilShown) {
    Harness h;
    int paints = 0;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT*) {
        paints += m == WM_PAINT;
        return false;
    };
    h.ws.ShowWindow(h.host, SW_HIDE);
    h.ws.InvalidateRect(h.host, nullptr, false);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(paints, 0);
    h.ws.ShowWindow(h.host, SW_SHOW);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(paints, 1);
}

TEST(Paint, AProcedureThatIgnoresPaintIsNotAskedForever) {
    Harness h;
    int paints = 0;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT* r) {
        if (m != WM_PAINT) return false;
        ++paints;
        *r = 0;
        return true;  // no BeginPaint
    };
    h.ws.InvalidateRect(h.host, nullptr, true);
    EXPECT_EQ(h.driver.pumpUntilIdle(), 1);
    EXPECT_EQ(paints, 1);
}

TEST(Paint, UpdateWindowPaintsAtOnce) {
    Harness h;
    int paints = 0;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM, LRESULT*) {
        paints += m == WM_PAINT;
        return false;
    };
    h.ws.InvalidateRect(h.host, nullptr, true);
    h.ws.UpdateWindow(h.host);
    EXPECT_EQ(paints, 1);
    h.ws.UpdateWindow(h.host);  // nothing invalid any more
    EXPECT_EQ(paints, 1);
}

TEST(Timer, FiresEveryPeriodOfTheFakeClockAndOnlyWhenIdle) {
    Harness h;
    h.ws.SetTimer(h.host, 9, 2000, {});
    h.driver.advanceClock(1999);
    h.driver.pumpUntilIdle();
    EXPECT_TRUE(paintsAndTimers(h).empty());
    h.driver.advanceClock(1);
    h.ws.PostMessage(h.host, WM_APP, 0, 0);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(paintsAndTimers(h), (std::vector<std::pair<uint32_t, UINT>>{
                                      {h.host.value(), WM_APP}, {h.host.value(), WM_TIMER}}));
    h.log.clear();
    h.driver.advanceClock(7000);  // three periods late: one message, not three
    h.driver.pumpUntilIdle();
    EXPECT_EQ(paintsAndTimers(h).size(), 1u);
    h.log.clear();
    h.driver.advanceClock(2000);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(paintsAndTimers(h).size(), 1u);
}

TEST(Timer, KilledTimerAndTimerOfDestroyedWindowNeverFire) {
    Harness h;
    HWND child = h.child(u"TestHost", 0, 4);
    h.ws.SetTimer(h.host, 1, 100, {});
    h.ws.SetTimer(child, 2, 100, {});
    EXPECT_TRUE(h.ws.KillTimer(h.host, 1));
    EXPECT_FALSE(h.ws.KillTimer(h.host, 1));
    h.ws.DestroyWindow(child);
    h.driver.advanceClock(500);
    h.driver.pumpUntilIdle();
    EXPECT_TRUE(paintsAndTimers(h).empty());
    EXPECT_FALSE(h.ws.NextTimerDue().has_value());
}

TEST(Timer, ANestedLoopWaitingForATimerAdvancesTheFakeClockToIt) {
    Harness h;
    const int64_t start = h.clock.nowMs();
    bool fired = false;
    h.hook = [&](HWND hwnd, UINT m, WPARAM w, LPARAM, LRESULT*) {
        if (m == WM_TIMER && w == 5) {
            fired = true;
            h.ws.KillTimer(hwnd, 5);
        }
        return false;
    };
    h.ws.SetTimer(h.host, 5, 2000, {});
    EXPECT_TRUE(h.ws.RunMessageLoop([&] { return fired; }));
    EXPECT_EQ(h.clock.nowMs() - start, 2000);
}

TEST(Timer, ThreadTimerCallsItsProcedure) {
    Harness h;
    int calls = 0;
    const UINT_PTR id = h.ws.SetTimer(HWND{}, 0, 10, [&](HWND, UINT, UINT_PTR, DWORD) { ++calls; });
    EXPECT_NE(id, 0u);
    h.driver.advanceClock(10);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(calls, 1);
}

TEST(Clock, FakeClockMovesTheWallClockAlong) {
    FakeClock clock;
    SYSTEMTIME t;
    t.wYear = 2024;
    t.wMonth = 2;
    t.wDay = 28;
    t.wHour = 23;
    t.wMinute = 59;
    t.wSecond = 59;
    clock.setLocalTime(t);
    clock.advance(1000);
    const SYSTEMTIME now = clock.localTime();
    EXPECT_EQ(now.wMonth, 2);
    EXPECT_EQ(now.wDay, 29);  // a leap year
    EXPECT_EQ(now.wHour, 0);
    EXPECT_EQ(now.wDayOfWeek, 4);  // Thursday
    // 1 January 1904 00:00 is 95 616 288 000 000 000 file-time units after 1601.
    SYSTEMTIME epoch;
    epoch.wYear = 1904;
    epoch.wMonth = 1;
    epoch.wDay = 1;
    EXPECT_EQ(SystemTimeToFileTime(epoch), 95616288000000000ull);
}

}  // namespace
}  // namespace orvane::platform
