// Notifications of the standard controls for a user's change and for the same change made by
// the program (which Win32 mostly keeps silent).
#include <gtest/gtest.h>

#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

LPARAM text(const char16_t* s) {
    return reinterpret_cast<LPARAM>(s);
}

TEST(EditControl, SingleLineNotifiesChangeForTypingAndForSetText) {
    Harness h;
    HWND edit = h.child(kEditClass, WS_BORDER, 40301);
    h.ws.SetWindowText(edit, u"12");
    EXPECT_EQ(h.commands(40301), (std::vector<UINT>{EN_UPDATE, EN_CHANGE}));
    h.log.clear();
    h.driver.tapWindow(edit);
    h.driver.typeText(u"3");
    h.driver.character(8);  // backspace
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.commands(40301),
              (std::vector<UINT>{EN_SETFOCUS, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(h.ws.GetWindowText(edit), u"12");
    h.log.clear();
    h.ws.SendMessage(edit, EM_SETSEL, 0, -1);  // selection changes are silent
    EXPECT_TRUE(h.commands(40301).empty());
    DWORD start = 9, end = 9;
    h.ws.SendMessage(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 2u);
    h.driver.character(u'9');  // replaces the selection
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.GetWindowText(edit), u"9");
}

TEST(EditControl, MultiLineSetTextIsSilentAndCountsWrappedLines) {
    Harness h;
    HWND edit = h.child(kEditClass, ES_MULTILINE | ES_READONLY, 111, RECT{0, 0, 60, 60});
    h.ws.SetWindowText(edit, u"one two three four five six seven");
    EXPECT_TRUE(h.commands(111).empty());
    EXPECT_GT(h.ws.SendMessage(edit, EM_GETLINECOUNT, 0, 0), 1);
    h.ws.SetWindowText(edit, u"one");
    EXPECT_EQ(h.ws.SendMessage(edit, EM_GETLINECOUNT, 0, 0), 1);
    h.ws.SetFocus(edit);
    h.driver.typeText(u"x");  // read-only
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.GetWindowText(edit), u"one");
}

TEST(EditControl, NumberStyleRefusesTypedNonDigitsButTakesProgramText) {
    Harness h;
    HWND edit = h.child(kEditClass, ES_NUMBER, 40313);
    h.ws.SetFocus(edit);
    h.driver.typeText(u"3a.5");
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.GetWindowText(edit), u"35");
    h.ws.SetWindowText(edit, u"4.5");
    EXPECT_EQ(h.ws.GetWindowText(edit), u"4.5");
}

TEST(ComboBox, ProgrammaticSelectIsSilentUserChoiceNotifies) {
    Harness h;
    HWND combo = h.child(kComboBoxClass, CBS_DROPDOWNLIST, 40307, RECT{0, 0, 70, 80});
    for (const char16_t* s : {u"Pounds", u"Kilograms", u"Grams"}) {
        h.ws.SendMessage(combo, CB_ADDSTRING, 0, text(s));
    }
    h.ws.SendMessage(combo, CB_SETCURSEL, 1, 0);
    EXPECT_TRUE(h.commands(40307).empty());
    EXPECT_EQ(h.ws.GetWindowText(combo), u"Kilograms");
    RECT r;
    h.ws.GetWindowRect(combo, &r);
    EXPECT_LT(r.height(), 80);  // the closed field only
    ASSERT_TRUE(h.driver.chooseItem(combo, 2));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.commands(40307),
              (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
    EXPECT_EQ(h.ws.SendMessage(combo, CB_GETCURSEL, 0, 0), 2);
    EXPECT_FALSE(h.driver.chooseItem(combo, 3));
}

TEST(ComboBox, TapOpensTheListAndATapInItChooses) {
    Harness h;
    HWND combo = h.child(kComboBoxClass, CBS_DROPDOWNLIST, 41000, RECT{0, 0, 100, 100});
    h.ws.SendMessage(combo, CB_ADDSTRING, 0, text(u"Results"));
    h.ws.SendMessage(combo, CB_ADDSTRING, 0, text(u"Dosing"));
    h.driver.tapWindow(combo);
    h.driver.pumpUntilIdle();
    HWND list = h.driver.findWindow(u"ComboLBox");
    ASSERT_TRUE(list);
    const int itemHeight = h.driver.snapshotWindow(combo).control.itemHeight;
    h.driver.tapWindowAt(list, POINT{5, itemHeight + 2});
    h.driver.pumpUntilIdle();
    EXPECT_FALSE(h.ws.IsWindow(list));
    EXPECT_EQ(h.ws.SendMessage(combo, CB_GETCURSEL, 0, 0), 1);
    EXPECT_EQ(h.commands(41000), (std::vector<UINT>{CBN_SETFOCUS, CBN_DROPDOWN, CBN_SELENDOK,
                                                    CBN_CLOSEUP, CBN_SELCHANGE}));
}

TEST(ComboBox, HeightGivenWhenMovedIsTheDroppedListsRoom) {
    Harness h;
    // The button is made first, so the list lies above it.
    HWND below = h.child(kButtonClass, BS_PUSHBUTTON, 41002, RECT{0, 60, 100, 80}, u"1");
    HWND combo = h.child(kComboBoxClass, CBS_DROPDOWNLIST, 41001, RECT{0, 0, 100, 40});
    for (const char16_t* t : {u"Pounds", u"Kilograms", u"Grams"}) {
        h.ws.SendMessage(combo, CB_ADDSTRING, 0, text(t));
    }
    const int itemHeight = h.driver.snapshotWindow(combo).control.itemHeight;
    RECT r;
    h.ws.GetWindowRect(combo, &r);
    EXPECT_EQ(r.height(), itemHeight + 6);

    // Moved with a tall height: the closed field stays one line high, so the button under it
    // still gets its taps.
    ASSERT_TRUE(h.ws.MoveWindow(combo, 10, 30, 80, 200, true));
    h.ws.GetWindowRect(combo, &r);
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.width(), 80);
    EXPECT_EQ(r.height(), itemHeight + 6);
    h.driver.tapWindowAt(below, POINT{5, 5});
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.commands(41002), (std::vector<UINT>{BN_CLICKED}));

    // The dropped list takes the room given, less the field, as far as its entries need it.
    h.driver.tapWindow(combo);
    h.driver.pumpUntilIdle();
    HWND list = h.driver.findWindow(u"ComboLBox");
    ASSERT_TRUE(list);
    RECT dropped;
    h.ws.GetWindowRect(list, &dropped);
    EXPECT_EQ(dropped.top, r.bottom);
    EXPECT_EQ(dropped.height(), 3 * itemHeight + 2);
    h.driver.tapWindowAt(list, POINT{5, itemHeight / 2});
    h.driver.pumpUntilIdle();

    // Made smaller than its entries need, the list is cut to the room given.
    ASSERT_TRUE(h.ws.MoveWindow(combo, 10, 30, 80, itemHeight * 3, true));
    h.driver.tapWindow(combo);
    h.driver.pumpUntilIdle();
    list = h.driver.findWindow(u"ComboLBox");
    ASSERT_TRUE(list);
    h.ws.GetWindowRect(list, &dropped);
    EXPECT_EQ(dropped.height(), itemHeight * 3 - (itemHeight + 6));
}

TEST(Button, CheckBoxTapTogglesAndNotifiesSetCheckIsSilent) {
    Harness h;
    HWND box = h.child(kButtonClass, BS_AUTOCHECKBOX, 334, RECT{0, 0, 150, 20},
                       u"Don't show this in the future");
    h.ws.SendMessage(box, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_TRUE(h.commands(334).empty());
    h.driver.tapWindow(box);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.SendMessage(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_UNCHECKED));
    EXPECT_EQ(h.commands(334), (std::vector<UINT>{BN_CLICKED}));
    h.ws.SendMessage(box, BM_CLICK, 0, 0);
    EXPECT_EQ(h.ws.SendMessage(box, BM_GETCHECK, 0, 0), static_cast<LRESULT>(BST_CHECKED));
    EXPECT_EQ(h.commands(334).size(), 2u);
}

TEST(Button, CheckBoxGrowsWithItsFont) {
    struct Case {
        LONG fontHeight;
        int box;  // 12 pixels beside a 13-pixel font, in proportion beyond
    };
    for (const Case c : {Case{13, 12}, Case{26, 24}}) {
        SCOPED_TRACE(c.fontHeight);
        Harness h;
        HWND check = h.child(kButtonClass, BS_AUTOCHECKBOX, 335, RECT{0, 0, 200, 40}, u"Tick");
        LOGFONT log;
        log.lfHeight = c.fontHeight;
        log.lfWeight = FW_BOLD;
        const HFONT font = h.ws.CreateFontIndirect(log);
        h.ws.SendMessage(check, WM_SETFONT, static_cast<WPARAM>(font.value()), TRUE);
        h.ws.SendMessage(check, BM_SETCHECK, BST_CHECKED, 0);
        h.driver.pumpUntilIdle();
        bool boxDrawn = false;
        for (const DrawCommand& d : h.driver.snapshotWindow(check).display.commands) {
            if (d.kind == DrawKind::Rectangle) {
                boxDrawn = true;
                EXPECT_EQ(d.rect.width(), c.box);
                EXPECT_EQ(d.rect.height(), c.box);
                EXPECT_EQ(d.rect.top, (40 - c.box) / 2);
            }
            if (d.kind == DrawKind::Text) {
                EXPECT_GE(d.rect.left, c.box + 4);
            }
        }
        EXPECT_TRUE(boxDrawn);
        h.ws.DeleteObject(font);
    }
}

TEST(Button, DisabledButtonIgnoresTaps) {
    Harness h;
    HWND button = h.child(kButtonClass, BS_PUSHBUTTON, 333, RECT{0, 0, 50, 20}, u"Close");
    h.ws.EnableWindow(button, false);
    EXPECT_FALSE(h.driver.tapWindow(button));
    h.driver.pumpUntilIdle();
    EXPECT_TRUE(h.commands(333).empty());
}

TEST(StaticControl, PictureTakesBitmapSizeAndNotifiesOnlyWithNotifyStyle) {
    Harness h;
    h.ws.registerBitmapResource(135, 16, 16);
    HWND exit = h.child(kStaticClass, SS_BITMAP | SS_NOTIFY, 41002, RECT{100, 100, 132, 132});
    HWND logo = h.child(kStaticClass, SS_BITMAP, 1, RECT{0, 0, 66, 44});
    h.ws.SendMessage(exit, STM_SETIMAGE, IMAGE_BITMAP, h.ws.LoadBitmap(HINSTANCE{}, 135).value());
    RECT r;
    h.ws.GetClientRect(exit, &r);
    EXPECT_EQ(r, (RECT{0, 0, 16, 16}));
    EXPECT_FALSE(h.ws.LoadBitmap(HINSTANCE{}, 9999));  // no such resource
    h.driver.tapWindow(exit);
    h.driver.tapWindow(logo);  // falls through to the host
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.commands(41002), (std::vector<UINT>{STN_CLICKED}));
    EXPECT_TRUE(h.commands(1).empty());
    EXPECT_EQ(h.driver.snapshotWindow(exit).control.bitmapId, 135);
}

TEST(ListBox, ProgrammaticSelectIsSilent) {
    Harness h;
    HWND list = h.child(kListBoxClass, LBS_NOTIFY, 20, RECT{0, 0, 100, 100});
    h.ws.SendMessage(list, LB_ADDSTRING, 0, text(u"a"));
    h.ws.SendMessage(list, LB_ADDSTRING, 0, text(u"b"));
    h.ws.SendMessage(list, LB_SETCURSEL, 1, 0);
    EXPECT_TRUE(h.commands(20).empty());
    h.driver.chooseItem(list, 0);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.commands(20), (std::vector<UINT>{LBN_SELCHANGE}));
}

TEST(ScrollBar, UserScrollNotifiesParentWhichSetsThePosition) {
    Harness h;
    HWND bar = h.child(kScrollBarClass, SBS_VERT, 50, RECT{200, 0, 213, 200});
    SCROLLINFO si;
    si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    si.nMin = 0;
    si.nMax = 30;
    si.nPage = 12;
    si.nPos = 40;  // beyond the end: held at max - page + 1
    h.ws.SetScrollInfo(bar, SB_CTL, &si, true);
    EXPECT_EQ(h.ws.GetScrollPos(bar, SB_CTL), 19);
    EXPECT_TRUE(h.log.empty());
    h.driver.scroll(bar, SB_THUMBTRACK, 7);
    h.driver.tapWindowAt(bar, POINT{5, 2});  // the up arrow
    h.driver.pumpUntilIdle();
    std::vector<UINT> codes;
    for (const auto& e : h.log) {
        if (e.msg == WM_VSCROLL) {
            EXPECT_EQ(HwndFromLParam(e.lParam), bar);
            codes.push_back(LOWORD(e.wParam));
        }
    }
    EXPECT_EQ(codes, (std::vector<UINT>{SB_THUMBTRACK, SB_LINEUP, SB_ENDSCROLL}));
    EXPECT_EQ(h.ws.GetScrollPos(bar, SB_CTL), 19);  // unchanged until the parent sets it
}

TEST(MonthCal, UserChoiceNotifiesSetCurSelIsSilent) {
    Harness h;
    HWND cal = h.ws.CreateWindowEx(0, kMonthCalClass, u"", WS_CHILD | WS_VISIBLE, 0, 2, 240, 162,
                                   h.host, 1301);
    SYSTEMTIME d;
    d.wYear = 2023;
    d.wMonth = 5;
    d.wDay = 17;
    h.ws.SendMessage(cal, MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(&d));
    EXPECT_TRUE(h.notifications().empty());
    d.wDay = 31;
    ASSERT_TRUE(h.driver.chooseDate(cal, d));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.notifications(), (std::vector<UINT>{MCN_SELCHANGE, MCN_SELECT}));
    SYSTEMTIME got;
    h.ws.SendMessage(cal, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(&got));
    EXPECT_EQ(got.wDay, 31);
    EXPECT_EQ(got.wDayOfWeek, 3);  // 31 May 2023 was a Wednesday
}

}  // namespace
}  // namespace orvane::platform
