#include <gtest/gtest.h>

#include "platform/html_scan.h"
#include "platform/html_viewer_messages.h"
#include "tests/support/window_harness.h"

namespace orvane::platform {
namespace {

using Harness = test_support::WindowHarness;

void setPage(Harness& h, HWND viewer, const char* page) {
    h.ws.SendMessage(viewer, DTM_CLEAR, 0, 0);
    h.ws.SendMessage(viewer, DTM_ADDTEXT, FALSE, reinterpret_cast<LPARAM>("<html><body>"));
    h.ws.SendMessage(viewer, DTM_ADDTEXT, FALSE, reinterpret_cast<LPARAM>(page));
    h.ws.SendMessage(viewer, DTM_ADDTEXT, FALSE, reinterpret_cast<LPARAM>("</body></html>"));
    h.ws.SendMessage(viewer, DTM_ENDOFSOURCE, 0, 0);
}

TEST(HtmlScan, FindsLinksAnchorsAndImagesRawAndSkipsScripts) {
    const auto scan = ScanHtml(
        "<A NAME=\"anchor\"></a><a href=\"1234&amp;5\">x</A><IMG src=uparr>"
        "<script>document.write('<a href=\"9\">')</script><img SRC='dnarr' alt=\"\">");
    EXPECT_EQ(scan.links, (std::vector<std::string>{"1234&amp;5"}));
    EXPECT_EQ(scan.anchors, (std::vector<std::string>{"anchor"}));
    EXPECT_EQ(scan.images, (std::vector<std::string>{"uparr", "dnarr"}));
}

TEST(HtmlViewer, KeepsThePageAndAsksForEachImageByItsSource) {
    Harness h;
    h.ws.registerBitmapResource(900, 9, 11);
    std::vector<std::string> asked;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
        if (m != WM_NOTIFY) return false;
        const auto* nm = reinterpret_cast<const NM_HTMLVIEW*>(l);
        if (nm->hdr.code == NM_INLINE_IMAGE) {
            asked.push_back(nm->szTarget);
            INLINEIMAGEINFO info;
            info.dwCookie = nm->dwCookie;
            info.hbm = h.ws.LoadBitmap(HINSTANCE{}, 900);
            info.bOwnBitmap = TRUE;
            h.ws.SendMessage(nm->hdr.hwndFrom, DTM_SETIMAGE, 0, reinterpret_cast<LPARAM>(&info));
            *r = 1;
            return true;
        }
        return false;
    };
    HWND viewer = h.child(kHtmlViewerClass, 0, 0, RECT{0, 0, 240, 200});
    setPage(h, viewer, "<B>Dose</B> <IMG src=\"uparr\"> <IMG src=\"dnarr\">");
    EXPECT_EQ(asked, (std::vector<std::string>{"uparr", "dnarr"}));
    const auto snap = h.driver.snapshotWindow(viewer).control;
    EXPECT_EQ(snap.pageText,
              "<html><body><B>Dose</B> <IMG src=\"uparr\"> <IMG src=\"dnarr\"></body></html>");
    EXPECT_TRUE(snap.complete);
    ASSERT_EQ(snap.images.size(), 2u);
    EXPECT_EQ(snap.images[1].bitmapId, 900);
    EXPECT_EQ(snap.images[1].width, 9);
    const auto codes = h.notifications();
    EXPECT_EQ(codes.back(), NM_DOCUMENTCOMPLETE);
    h.hook = nullptr;
    h.ws.SendMessage(viewer, DTM_CLEAR, 0, 0);
    EXPECT_EQ(h.driver.snapshotWindow(viewer).control.pageText, "");
}

TEST(HtmlViewer, LinkTapReportsTheRawTargetAndAnchorsScroll) {
    Harness h;
    std::string tapped;
    h.hook = [&](HWND, UINT m, WPARAM, LPARAM l, LRESULT* r) {
        if (m == WM_NOTIFY && reinterpret_cast<const NMHDR*>(l)->code == NM_HOTSPOT) {
            tapped = reinterpret_cast<const NM_HTMLVIEW*>(l)->szTarget;
            *r = 1;
            return true;
        }
        return false;
    };
    HWND viewer = h.child(kHtmlViewerClass, 0, 0, RECT{0, 0, 240, 200});
    setPage(h, viewer, "<a href=\"838860801\">Next</a><A NAME=\"anchor\">");
    EXPECT_FALSE(h.driver.tapLink(viewer, "999"));
    ASSERT_TRUE(h.driver.tapLink(viewer, "838860801"));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(tapped, "838860801");
    EXPECT_TRUE(h.ws.SendMessage(viewer, DTM_ANCHOR, 0, reinterpret_cast<LPARAM>("anchor")));
    EXPECT_EQ(h.driver.snapshotWindow(viewer).control.anchor, "anchor");
}

TEST(HtmlViewer, KeyFilterOnTheInnerWindowForwardsSomeKeysAndLetsUpDownScroll) {
    std::vector<WPARAM> forwarded;
    WNDPROC previous;
    Harness h;
    HWND viewer = h.child(kHtmlViewerClass, 0, 0, RECT{0, 0, 240, 200});
    const auto inner = h.ws.GetChildren(viewer);
    ASSERT_EQ(inner.size(), 1u);
    HWND host = h.host;
    previous =
        h.ws.SetWindowProc(inner[0], [&, host](HWND hwnd, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_KEYDOWN && (w == VK_RETURN || w == VK_LEFT || w == VK_RIGHT)) {
                h.ws.PostMessage(host, WM_KEYDOWN, w, l);
                return 0;
            }
            return h.ws.CallWindowProc(previous, hwnd, m, w, l);
        });
    h.ws.SetFocus(viewer);
    EXPECT_EQ(h.ws.GetFocus(), inner[0]);  // the viewer hands the keyboard to its inner window
    h.driver.key(VK_DOWN);
    h.driver.key(VK_DOWN);
    h.driver.key(VK_UP);
    h.driver.key(VK_LEFT);
    h.driver.pumpUntilIdle();
    for (const auto& e : h.log) {
        if (e.msg == WM_KEYDOWN) forwarded.push_back(e.wParam);
    }
    EXPECT_EQ(forwarded, (std::vector<WPARAM>{VK_LEFT}));
    EXPECT_EQ(h.driver.snapshotWindow(viewer).control.scrollLine, 1);
}

TEST(MessageBoxTest, NestedLoopAnsweredThroughTheDriverFromTheWaiter) {
    Harness h;
    int steps = 0;
    ScriptedWaiter script([&](WindowSystem&, std::optional<int64_t>) {
        ++steps;
        const auto snap = h.driver.snapshot();
        if (!snap.messageBox) return false;
        EXPECT_EQ(snap.messageBox->caption, u"Invalid Document Type");
        EXPECT_FALSE(h.ws.IsWindowEnabled(h.host));
        return h.driver.answerMessageBox(IDOK);
    });
    h.ws.setIdleWaiter(&script);
    EXPECT_EQ(h.ws.MessageBox(h.host, u"", u"Invalid Document Type", MB_OK), IDOK);
    EXPECT_TRUE(h.ws.IsWindowEnabled(h.host));
    EXPECT_FALSE(h.ws.openMessageBox());
    EXPECT_FALSE(h.driver.findWindow(u"OrvaneMessageBox"));
    EXPECT_GE(steps, 1);
    h.ws.setIdleWaiter(&h.waiter);
}

TEST(MessageBoxTest, QuitEndsTheBoxAndIsPassedOn) {
    Harness h;
    ScriptedWaiter script([&](WindowSystem& ws, std::optional<int64_t>) {
        ws.PostQuitMessage(3);
        return true;
    });
    h.ws.setIdleWaiter(&script);
    EXPECT_EQ(h.ws.MessageBox(h.host, u"text", u"Missing Database", MB_OK), 0);
    EXPECT_TRUE(h.ws.quitPosted());
    h.ws.setIdleWaiter(&h.waiter);
}

}  // namespace
}  // namespace orvane::platform
