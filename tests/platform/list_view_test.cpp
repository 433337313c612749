#include <gtest/gtest.h>

#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

HWND makeList(Harness& h, int items) {
    HWND list = h.child(kListViewClass,
                        LVS_REPORT | LVS_SINGLESEL | LVS_NOCOLUMNHEADER | LVS_NOSCROLL | WS_BORDER,
                        77, RECT{0, 0, 110, 182});
    LVCOLUMN col;
    col.mask = LVCF_WIDTH | LVCF_TEXT;
    col.cx = 108;
    col.pszText = u"";
    h.ws.SendMessage(list, LVM_INSERTCOLUMN, 0, reinterpret_cast<LPARAM>(&col));
    for (int i = 0; i < items; ++i) {
        std::u16string label = u"Entry ";
        label += static_cast<char16_t>(u'0' + i);
        LVITEM item;
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = label.data();
        h.ws.SendMessage(list, LVM_INSERTITEM, 0, reinterpret_cast<LPARAM>(&item));
    }
    return list;
}

TEST(ListView, CountPerPageFromRowHeight) {
    Harness h;
    HWND list = makeList(h, 3);
    // System font cell height 13: rows of 15 pixels; client 180 high inside the border.
    EXPECT_EQ(h.ws.SendMessage(list, LVM_GETCOUNTPERPAGE, 0, 0), 12);
}

TEST(ListView, ProgrammaticStateChangeNotifiesLikeWin32) {
    Harness h;
    HWND list = makeList(h, 3);
    h.log.clear();
    LVITEM state;
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    h.ws.SendMessage(list, LVM_SETITEMSTATE, 1, reinterpret_cast<LPARAM>(&state));
    EXPECT_EQ(h.notifications(), (std::vector<UINT>{LVN_ITEMCHANGING, LVN_ITEMCHANGED}));
    std::vector<int> changed;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
        if (m == WM_NOTIFY && reinterpret_cast<const NMHDR*>(l)->code == LVN_ITEMCHANGED) {
            changed.push_back(reinterpret_cast<const NMLISTVIEW*>(l)->iItem);
        }
        return false;
    };
    h.ws.SendMessage(list, LVM_SETITEMSTATE, 2, reinterpret_cast<LPARAM>(&state));
    // The old item loses selection and focus first, then the new one gets them.
    EXPECT_EQ(changed, (std::vector<int>{1, 2}));
    EXPECT_EQ(h.ws.SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
}

TEST(ListView, TapSelectsThenReportsTheClickedItem) {
    Harness h;
    HWND list = makeList(h, 5);
    h.log.clear();
    int clicked = -2;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
        if (m == WM_NOTIFY && reinterpret_cast<const NMHDR*>(l)->code == NM_CLICK) {
            clicked = reinterpret_cast<const NMITEMACTIVATE*>(l)->iItem;
        }
        return false;
    };
    h.driver.tapWindowAt(list, POINT{10, 15 * 3 + 4});
    h.driver.pumpUntilIdle();
    EXPECT_EQ(clicked, 3);
    auto codes = h.notifications();
    std::erase(codes, NM_CUSTOMDRAW);
    ASSERT_FALSE(codes.empty());
    EXPECT_EQ(codes.front(), NM_SETFOCUS);
    EXPECT_EQ(codes.back(), NM_CLICK);
    EXPECT_EQ(h.ws.SendMessage(list, LVM_GETITEMSTATE, 3, LVIS_SELECTED),
              static_cast<LRESULT>(LVIS_SELECTED));
    h.driver.tapWindowAt(list, POINT{10, 170});  // below the items
    h.driver.pumpUntilIdle();
    EXPECT_EQ(clicked, -1);
}

TEST(ListView, KeyDownIsReportedBeforeTheSelectionMoves) {
    Harness h;
    HWND list = makeList(h, 4);
    LVITEM state;
    state.state = state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    h.ws.SendMessage(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
    h.ws.SetFocus(list);
    int focusedAtKey = -2;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT*) {
        if (m == WM_NOTIFY && reinterpret_cast<const NMHDR*>(l)->code == LVN_KEYDOWN) {
            focusedAtKey = static_cast<int>(
                h.ws.SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        }
        return false;
    };
    h.driver.key(VK_DOWN);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(focusedAtKey, 0);
    EXPECT_EQ(h.ws.SendMessage(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1);
    h.log.clear();
    h.driver.key(VK_RETURN);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.notifications(), (std::vector<UINT>{LVN_KEYDOWN, NM_RETURN, LVN_ITEMACTIVATE}));
}

TEST(ListView, CustomDrawDecidesFontAndColoursPerCell) {
    Harness h;
    LOGFONT lf;
    lf.lfHeight = 13;
    lf.lfWeight = FW_BOLD;
    lf.lfFaceName = u"Tahoma";
    HFONT bold = h.ws.CreateFontIndirect(lf);
    std::vector<DWORD> stages;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
        if (m != WM_NOTIFY || reinterpret_cast<const NMHDR*>(l)->code != NM_CUSTOMDRAW)
            return false;
        auto* cd = reinterpret_cast<NMLVCUSTOMDRAW*>(l);
        stages.push_back(cd->nmcd.dwDrawStage);
        if (cd->nmcd.dwDrawStage == CDDS_PREPAINT) {
            *r = CDRF_NOTIFYITEMDRAW;
        } else {
            h.ws.SelectObject(cd->nmcd.hdc, bold);
            cd->clrText = RGB(0, 0, 80);
            cd->clrTextBk = RGB(255, 255, 255);
            *r = CDRF_NEWFONT;
        }
        return true;
    };
    HWND list = makeList(h, 2);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(stages, (std::vector<DWORD>{CDDS_PREPAINT, CDDS_ITEMPREPAINT, CDDS_ITEMPREPAINT}));
    const auto snap = h.driver.snapshotWindow(list);
    ASSERT_EQ(snap.control.rows.size(), 2u);
    EXPECT_EQ(snap.control.rows[1].cells[0].text, u"Entry 1");
    EXPECT_TRUE(snap.control.rows[1].cells[0].font.bold);
    EXPECT_EQ(snap.control.rows[1].cells[0].textColor, RGB(0, 0, 80));
    bool drewEntry = false;
    for (const auto& c : snap.display.commands) {
        if (c.kind == DrawKind::Text && c.text == u"Entry 1") {
            drewEntry = true;
            EXPECT_TRUE(c.font.bold);
            EXPECT_EQ(c.textColor, RGB(0, 0, 80));
        }
    }
    EXPECT_TRUE(drewEntry);
    h.hook = nullptr;
    h.ws.DestroyWindow(list);
    h.ws.DeleteObject(bold);
}

}  // namespace
}  // namespace orvane::platform
