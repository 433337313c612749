#include <gtest/gtest.h>

#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

TEST(Subclass, ReplacedProcedureSeesMessagesFirstAndCanCallThePrevious) {
    // Declared before the harness: the procedures use them until the windows are destroyed.
    std::vector<UINT> seen;
    WNDPROC previous;
    Harness h;
    HWND edit = h.child(kEditClass, 0, 7);
    previous = h.ws.SetWindowProc(edit, [&](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        seen.push_back(m);
        if (m == WM_CHAR && w == u'x') return 0;  // filtered
        return h.ws.CallWindowProc(previous, hwnd, m, w, l);
    });
    ASSERT_TRUE(previous);
    h.ws.SetFocus(edit);
    h.driver.typeText(u"axb");
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.GetWindowText(edit), u"ab");
    EXPECT_EQ(std::count(seen.begin(), seen.end(), WM_CHAR), 3);
}

TEST(Subclass, SuperclassOfListBoxPassesTapsToBoth) {
    WNDPROC listProc;
    int firstSeen = 0;
    Harness h;
    WNDCLASS base;
    ASSERT_TRUE(h.ws.GetClassInfo(u"LISTBOX", &base));  // names ignore case
    listProc = base.lpfnWndProc;
    WNDCLASS clickable = base;
    clickable.lpszClassName = u"ClickableListBox";
    clickable.lpfnWndProc = [&](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_LBUTTONDOWN) ++firstSeen;
        return h.ws.CallWindowProc(listProc, hwnd, m, w, l);
    };
    ASSERT_TRUE(h.ws.RegisterClass(clickable));
    EXPECT_FALSE(h.ws.RegisterClass(clickable));  // already there
    HWND list = h.child(u"ClickableListBox", LBS_NOTIFY, 12, RECT{0, 0, 100, 100});
    h.ws.SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"one"));
    h.ws.SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"two"));
    const int itemHeight = static_cast<int>(h.ws.SendMessage(list, LB_GETITEMHEIGHT, 0, 0));
    h.driver.tapWindowAt(list, POINT{5, itemHeight + 1});
    h.driver.pumpUntilIdle();
    EXPECT_EQ(firstSeen, 1);
    EXPECT_EQ(h.ws.SendMessage(list, LB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(h.commands(12), (std::vector<UINT>{LBN_SETFOCUS, LBN_SELCHANGE}));
}

TEST(Windows, FindTopLevelByClassUserDataAndGeometry) {
    Harness h;
    EXPECT_EQ(h.ws.FindWindow(u"TestHost"), h.host);
    EXPECT_EQ(h.ws.FindWindow(u"TestHost", u"Host"), h.host);
    EXPECT_FALSE(h.ws.FindWindow(u"TestHost", u"Other"));
    EXPECT_FALSE(h.ws.FindWindow(u"Edit"));  // children are not top-level windows
    h.ws.SetWindowLongPtr(h.host, GWLP_USERDATA, 1234);
    EXPECT_EQ(h.ws.GetWindowLongPtr(h.host, GWLP_USERDATA), 1234);
    RECT r;
    h.ws.GetWindowRect(h.host, &r);
    EXPECT_EQ(r, (RECT{0, 26, 240, 320}));  // below the task bar
    HWND child = h.child(kStaticClass, 0, 3, RECT{5, 6, 25, 16});
    h.ws.GetWindowRect(child, &r);
    EXPECT_EQ(r, (RECT{5, 32, 25, 42}));
    EXPECT_EQ(h.ws.GetDlgItem(h.host, 3), child);
    EXPECT_EQ(h.ws.GetDlgCtrlID(child), 3);
}

TEST(Windows, NewChildrenGoToTheBottomAndSetWindowPosTopRaisesThem) {
    Harness h;
    HWND a = h.child(u"TestHost", 0, 1);
    HWND b = h.child(u"TestHost", 0, 2);
    EXPECT_EQ(h.ws.GetChildren(h.host), (std::vector<HWND>{a, b}));
    h.ws.SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(h.ws.GetChildren(h.host), (std::vector<HWND>{b, a}));
    // Both at the same place: a tap reaches the top one.
    EXPECT_EQ(h.ws.WindowFromPoint(POINT{20, 40}), b);
}

TEST(Windows, FocusMessagesAndDisabledWindows) {
    Harness h;
    HWND a = h.child(u"TestHost", 0, 1);
    HWND b = h.child(u"TestHost", 0, 2);
    h.ws.SetFocus(a);
    h.log.clear();
    EXPECT_EQ(h.ws.SetFocus(b), a);
    ASSERT_EQ(h.log.size(), 2u);
    EXPECT_EQ(h.log[0].msg, WM_KILLFOCUS);
    EXPECT_EQ(h.log[0].hwnd, a);
    EXPECT_EQ(h.log[1].msg, WM_SETFOCUS);
    EXPECT_EQ(h.log[1].hwnd, b);
    h.ws.EnableWindow(a, false);
    EXPECT_FALSE(h.ws.SetFocus(a));
    EXPECT_EQ(h.ws.GetFocus(), b);
}

}  // namespace
}  // namespace orvane::platform
