// The viewer bridge: the page frame byte for byte as the viewer receives it, the key filter,
// Move, inline images, link taps, and the deferred viewer windows of deleted screens.
#include <gtest/gtest.h>

#include "platform/html_viewer_messages.h"
#include "shell/html_screen.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::ProgramHarness;

// The frame, written out here independently of the program's constant.
const std::string kHeader =
    "<html>\r\n<head>\r\n<STYLE TYPE=\"text/css\">\r\nBODY { background-color: #FFFFFF; "
    "MARGIN:0px; PADDING-LEFT:1px; PADDING-RIGHT:0px; PADDING-TOP:2px; PADDING-BOTTOM:1px; "
    "}\nSTRONG { color: #663300}\r\nA:link { text-decoration: none; color: #0033CC}\r\n"
    "A:visited { color: green }\r\nA:active { color: #663366 }\r\nB { color: #000099 }\r\n"
    "</STYLE>\r\n</head>\r\n\r\n<body>\r\n";
const std::string kFooter = "\r\n</body>\r\n</html>";

// A concrete HTML screen that records what reaches its WindowProc.
class TestHtmlScreen final : public HTMLScreen {
  public:
    explicit TestHtmlScreen(PPCOrvaneApp& app) : HTMLScreen(app) {}
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_KEYDOWN) keys.push_back(static_cast<UINT>(wParam));
        LRESULT result = 0;
        lastHandled = HandleMessage(window, message, wParam, lParam, result);
        lastResult = result;
        if (message == WM_NOTIFY) notifyResults.push_back(result);
        return result;
    }
    std::vector<UINT> keys;
    std::vector<LRESULT> notifyResults;
    bool lastHandled = false;
    LRESULT lastResult = 0;
};

class HtmlViewTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.makeSession();
        h.app().Initialise();
        h.app().DisplayScreen(makeRequest(32, 0));  // a screen without a viewer of its own
        h.driver.pumpUntilIdle();
        screen = new TestHtmlScreen(h.app());
        install(screen);
    }
    void install(TestHtmlScreen* made) {
        // Replace the current screen through the factory's own path: the screen is owned by the
        // application once it is current.
        h.app().DisplayScreen(makeRequest(4, 0));  // no screen
        holder.reset(made);
    }
    ControlSnapshot viewer() { return h.driver.snapshotWindow(screen->view().window()).control; }

    ProgramHarness h;
    TestHtmlScreen* screen = nullptr;
    std::unique_ptr<TestHtmlScreen> holder;
};

TEST_F(HtmlViewTest, FramedPageByteForByte) {
    screen->view().SetPage("<B>Dose</B> 5 mg", true);
    const ControlSnapshot v = viewer();
    EXPECT_EQ(v.pageText, kHeader + "<B>Dose</B> 5 mg" + kFooter);
    EXPECT_TRUE(v.complete);
}

TEST_F(HtmlViewTest, EmptyFramedPageStillHasTheFrame) {
    screen->view().SetPage("", true);
    EXPECT_EQ(viewer().pageText, kHeader + kFooter);
}

TEST_F(HtmlViewTest, UnframedPageAsGivenAndReplacedWhole) {
    screen->view().SetPage("first", true);
    screen->view().SetPage("<html><body>x</body></html>", false);
    EXPECT_EQ(viewer().pageText, "<html><body>x</body></html>");
}

TEST_F(HtmlViewTest, AnchorAndMove) {
    screen->view().SetPage("<A NAME=\"anchor\"></A>text", true);
    screen->view().JumpToAnchor("anchor");
    EXPECT_EQ(viewer().anchor, "anchor");

    const RECT content = h.app().contentRect();
    EXPECT_EQ(screen->view().placement(), content);
    const RECT moved{0, 40, 200, 200};
    screen->view().Move(moved);
    EXPECT_EQ(h.driver.snapshotWindow(screen->view().window()).rect, moved);
    // The same rectangle again does not touch the window.
    h.ws.MoveWindow(screen->view().window(), 1, 1, 5, 5, false);
    screen->view().Move(moved);
    EXPECT_EQ(h.driver.snapshotWindow(screen->view().window()).rect, (RECT{1, 1, 6, 6}));
}

TEST_F(HtmlViewTest, EnterLeftRightReachTheScreenUpDownScroll) {
    screen->view().SetPage("a<br>b<br>c<br>d<br>e<br>f<br>g<br>h<br>i<br>j", true);
    const HWND viewerWindow = screen->view().window();
    const std::vector<HWND> children = h.ws.GetChildren(viewerWindow);
    ASSERT_FALSE(children.empty());
    const HWND inner = children.front();
    // Record the key-downs that reach the main window.
    std::vector<WPARAM> forwarded;
    const HWND main = h.app().mainWindow();
    const WNDPROC previous = h.ws.GetWindowProc(main);
    h.ws.SetWindowProc(main, [&](HWND w, UINT m, WPARAM wp, LPARAM lp) {
        if (m == WM_KEYDOWN) forwarded.push_back(wp);
        return h.ws.CallWindowProc(previous, w, m, wp, lp);
    });
    for (const UINT key : {VK_RETURN, VK_LEFT, VK_RIGHT, VK_DOWN, VK_UP, VK_DOWN}) {
        EXPECT_EQ(h.ws.SendMessage(inner, WM_KEYDOWN, key, 0), 0);
    }
    // The forwarded keys are posted: none has arrived yet.
    EXPECT_TRUE(forwarded.empty());
    h.driver.pumpUntilIdle();
    EXPECT_EQ(forwarded, (std::vector<WPARAM>{VK_RETURN, VK_LEFT, VK_RIGHT}));
    // Up and Down stayed with the viewer, which scrolled.
    EXPECT_EQ(viewer().scrollLine, 1);
    h.ws.SetWindowProc(main, previous);
}

TEST_F(HtmlViewTest, NotificationsAreAnswered) {
    screen->view().SetPage("<A HREF=\"123\">link</A><IMG src=\"home\">", true);
    // Route the viewer's notifications to the test screen directly.
    NM_HTMLVIEW hot;
    hot.hdr.code = NM_HOTSPOT;
    hot.szTarget = "123";
    LRESULT result = 0;
    EXPECT_TRUE(screen->HandleMessage(h.app().mainWindow(), WM_NOTIFY, 0,
                                      reinterpret_cast<LPARAM>(&hot), result));
    EXPECT_EQ(result, 1);

    NM_HTMLVIEW image;
    image.hdr.code = NM_INLINE_IMAGE;
    image.szTarget = "home";
    image.dwCookie = 1;
    EXPECT_TRUE(screen->HandleMessage(h.app().mainWindow(), WM_NOTIFY, 0,
                                      reinterpret_cast<LPARAM>(&image), result));
    EXPECT_EQ(result, 1);
    const ControlSnapshot v = viewer();
    ASSERT_FALSE(v.images.empty());
    EXPECT_EQ(v.images[0].source, "home");
    EXPECT_EQ(v.images[0].bitmapId, 108);

    for (const UINT code : {NM_TITLE, NM_META, NM_INLINE_SOUND, NM_DOCUMENTCOMPLETE, 12345u}) {
        NM_HTMLVIEW other;
        other.hdr.code = code;
        result = 7;
        EXPECT_TRUE(screen->HandleMessage(h.app().mainWindow(), WM_NOTIFY, 0,
                                          reinterpret_cast<LPARAM>(&other), result));
        EXPECT_EQ(result, 0) << code;
    }
    result = 0;
    EXPECT_TRUE(screen->HandleMessage(h.app().mainWindow(), WM_SETCURSOR, 0, 0, result));
    EXPECT_EQ(result, 1);
}

TEST_F(HtmlViewTest, DeletedScreenKeepsItsViewerHiddenUntilTheModuleList) {
    const HWND viewerWindow = screen->view().window();
    holder.reset();
    screen = nullptr;
    EXPECT_TRUE(h.ws.IsWindow(viewerWindow));
    EXPECT_FALSE(h.ws.IsWindowVisible(viewerWindow));
    ASSERT_EQ(h.app().browserHandles().count(), 1);
    EXPECT_EQ(h.app().browserHandles()[0], viewerWindow);
    h.app().DisplayScreen(static_cast<int32_t>(0));
    EXPECT_FALSE(h.ws.IsWindow(viewerWindow));
    EXPECT_EQ(h.app().browserHandles().count(), 0);
}

}  // namespace
}  // namespace orvane
