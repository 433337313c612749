// The application object's measurements, fonts, button geometry, title tab and header drawing,
// local time, deferred viewers, and the program-wide factory's installation rule.
#include <gtest/gtest.h>

#include "shell/object_factory.h"
#include "shell/shell_commands.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::ProgramHarness;

DisplayConfig screenOf(int width, int height) {
    DisplayConfig d;
    d.width = width;
    d.height = height;
    return d;
}

TEST(AppLayout, ScaleChangesAt360) {
    {
        ProgramHarness h(screenOf(359, 320));
        h.makeSession();
        h.app().Initialise();
        EXPECT_EQ(h.app().scale(), 1);
        EXPECT_EQ(h.app().navButtonHeight(), 16);
    }
    {
        ProgramHarness h(screenOf(360, 480));
        h.makeSession();
        h.app().Initialise();
        EXPECT_EQ(h.app().scale(), 2);
        EXPECT_EQ(h.app().navButtonHeight(), 32);
    }
}

TEST(AppLayout, LineHeightAndContentRectangle) {
    ProgramHarness h(screenOf(240, 320));
    h.makeSession();
    h.app().Initialise();
    // The system font of this screen is 13 pixels high.
    EXPECT_EQ(h.app().systemFontHeight(), 13);
    EXPECT_EQ(h.app().lineHeight(), 19);
    RECT window;
    h.ws.GetWindowRect(h.app().mainWindow(), &window);
    RECT content;
    h.app().contentRect(&content);
    EXPECT_EQ(content, (RECT{window.left, 0, window.right, window.bottom - 26}));
}

TEST(AppLayout, FontsAreTheMeasuringFace) {
    ProgramHarness h(screenOf(480, 640));
    h.makeSession();
    h.app().Initialise();
    LOGFONT bold;
    LOGFONT normal;
    LOGFONT large;
    ASSERT_TRUE(h.ws.GetObject(h.app().boldFont(), &bold));
    ASSERT_TRUE(h.ws.GetObject(h.app().normalFont(), &normal));
    ASSERT_TRUE(h.ws.GetObject(h.app().largeBoldFont(), &large));
    EXPECT_EQ(bold.lfFaceName, u"DejaVu Sans");
    EXPECT_EQ(bold.lfHeight, h.app().systemFontHeight());
    EXPECT_EQ(bold.lfWeight, 700);
    EXPECT_EQ(normal.lfWeight, 400);
    EXPECT_EQ(large.lfHeight, 40);  // 20 x scale 2
    EXPECT_EQ(large.lfWeight, 700);
    EXPECT_EQ(bold.lfQuality, 6);
}

TEST(AppLayout, NavigationButtonsFromTheRightEdge) {
    for (const int width : {240, 480}) {
        ProgramHarness h(screenOf(width, width == 240 ? 320 : 640));
        h.makeSession();
        PPCOrvaneApp& app = h.app();
        app.Initialise();
        app.ShowNavButtons(0);
        const int s = width >= 360 ? 2 : 1;
        const int r = app.contentRect().right;
        const int top = app.contentRect().top + s;
        const int height = s == 2 ? 32 : 16;
        const struct {
            uint32_t command;
            int bitmap;
            int x;
        } buttons[] = {{command::kAtoZ, 119, r - s - 32 * s},
                       {command::kForward, 117, r - 2 * (s + 32 * s)},
                       {command::kBack, 150, r - 3 * (s + 32 * s)},
                       {command::kHome, 108, r - 4 * (s + 32 * s)}};
        for (const auto& b : buttons) {
            const HWND button = app.navButton(b.command);
            ASSERT_TRUE(button);
            const WindowSnapshot snap = h.driver.snapshotWindow(button);
            EXPECT_EQ(snap.rect, (RECT{b.x, top, b.x + 32 * s, top + height})) << b.command;
            EXPECT_EQ(snap.control.bitmapId, b.bitmap);
            EXPECT_EQ(snap.id, static_cast<int>(b.command));
        }
        EXPECT_FALSE(h.ws.IsWindowVisible(app.navButton(command::kHome)));
        // A second level 0 makes nothing new.
        const HWND first = app.navButton(command::kBack);
        app.ShowNavButtons(0);
        EXPECT_EQ(app.navButton(command::kBack), first);
    }
}

std::vector<DrawCommand> mainDrawing(ProgramHarness& h) {
    return h.driver.snapshotWindow(h.app().mainWindow()).display.commands;
}

TEST(AppDrawing, TitleTab) {
    ProgramHarness h(screenOf(240, 320));
    h.makeSession();
    h.app().Initialise();
    h.driver.pumpUntilIdle();
    h.app().SetTitle("Drugs");
    EXPECT_EQ(h.app().title(), u"Drugs");
    h.app().PaintTitle(false);
    const std::vector<DrawCommand> drawn = mainDrawing(h);
    ASSERT_GE(drawn.size(), 3u);
    const DrawCommand& shadow = drawn[drawn.size() - 3];
    const DrawCommand& tab = drawn[drawn.size() - 2];
    const DrawCommand& text = drawn[drawn.size() - 1];
    EXPECT_EQ(shadow.kind, DrawKind::Rectangle);
    EXPECT_EQ(shadow.rect, (RECT{3, 3, 103, 19}));
    EXPECT_EQ(shadow.fillColor, RGB(192, 192, 192));
    EXPECT_EQ(shadow.lineColor, RGB(192, 192, 192));
    EXPECT_EQ(tab.rect, (RECT{1, 1, 101, 17}));
    EXPECT_EQ(tab.fillColor, RGB(140, 20, 20));
    EXPECT_EQ(tab.lineColor, RGB(140, 20, 20));
    EXPECT_EQ(text.kind, DrawKind::Text);
    EXPECT_EQ(text.text, u"Drugs");
    EXPECT_EQ(text.rect, (RECT{2, 1, 101, 17}));
    EXPECT_EQ(text.textColor, RGB(255, 255, 255));
    EXPECT_FALSE(text.opaqueBackground);
    EXPECT_EQ(text.format, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    EXPECT_TRUE(text.font.bold);
}

TEST(AppDrawing, CalculatorHeaderAtScale2) {
    ProgramHarness h(screenOf(480, 640));
    h.makeSession();
    PPCOrvaneApp& app = h.app();
    app.Initialise();
    h.driver.pumpUntilIdle();
    app.SetTitle("Anion Gap");
    app.PaintHeader(false, "Enter values");
    const std::vector<DrawCommand> drawn = mainDrawing(h);
    ASSERT_GE(drawn.size(), 5u);
    const RECT c = app.contentRect();
    const int lh = app.lineHeight();
    const DrawCommand& band = drawn[drawn.size() - 5];
    EXPECT_EQ(band.rect, c);
    EXPECT_EQ(band.fillColor, RGB(240, 240, 240));
    // At the large scale the tab is as tall as the title tab (2 + 32 = 34), so the doubled bold
    // font fits inside it; the shadow's bottom stays 2 below the tab's.
    EXPECT_EQ(drawn[drawn.size() - 4].rect, (RECT{4, 4, 204, 36}));
    EXPECT_EQ(drawn[drawn.size() - 3].rect, (RECT{2, 2, 202, 34}));
    EXPECT_LE(app.lineHeight() * 2 / 3, 34 - 2);
    const DrawCommand& caption = drawn.back();
    EXPECT_EQ(caption.text, u"Enter values");
    EXPECT_EQ(caption.rect, (RECT{2, lh, c.right - 2, 2 * lh}));
    EXPECT_EQ(caption.textColor, RGB(0, 0, 0));
    EXPECT_EQ(caption.format, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
}

TEST(AppTime, CurrentTimeCountsFrom1904) {
    ProgramHarness h;
    h.makeSession();
    SYSTEMTIME t;
    t.wYear = 1904;
    t.wMonth = 1;
    t.wDay = 1;
    h.clock.setLocalTime(t);
    EXPECT_EQ(h.app().CurrentTime(), 0);
    t.wYear = 2004;
    t.wMonth = 3;
    t.wDay = 2;
    t.wHour = 1;
    t.wMinute = 2;
    t.wSecond = 3;
    t.wMilliseconds = 999;
    h.clock.setLocalTime(t);
    // Days from 1904-01-01 to 2004-03-02: 100 years with 25 leap days, then Jan and Feb 2004
    // (31 + 29) and one more day.
    const int64_t days = 100 * 365 + 25 + 31 + 29 + 1;
    EXPECT_EQ(h.app().CurrentTime(), days * 86400 + 3600 + 120 + 3);
}

TEST(AppViewers, DeferredViewersAreDestroyedInOrder) {
    ProgramHarness h;
    h.makeSession();
    PPCOrvaneApp& app = h.app();
    app.Initialise();
    std::vector<HWND> made;
    for (int i = 0; i < 6; ++i) {
        made.push_back(
            h.ws.CreateWindowEx(0, u"Static", u"", WS_CHILD, 0, 0, 1, 1, app.mainWindow(), 0));
        app.RegisterBrowserHandle(made.back());
    }
    EXPECT_EQ(app.browserHandles().count(), 6);
    std::vector<uint32_t> destroyed;
    for (const HWND w : made) {
        const WNDPROC previous = h.ws.GetWindowProc(w);
        h.ws.SetWindowProc(w, [&h, &destroyed, previous](HWND hw, UINT m, WPARAM wp, LPARAM lp) {
            if (m == WM_DESTROY) destroyed.push_back(hw.value());
            return h.ws.CallWindowProc(previous, hw, m, wp, lp);
        });
    }
    app.DestroyBrowserHandle();
    EXPECT_EQ(app.browserHandles().count(), 0);
    EXPECT_EQ(app.browserHandles().capacity(), 4);
    ASSERT_EQ(destroyed.size(), made.size());
    for (size_t i = 0; i < made.size(); ++i) {
        EXPECT_EQ(destroyed[i], made[i].value());
        EXPECT_FALSE(h.ws.IsWindow(made[i]));
    }
}

TEST(AppErrors, CaptionsByKind) {
    ProgramHarness h;
    h.makeSession();
    h.app().Initialise();
    for (int kind = 0; kind < 5; ++kind) h.app().ShowError(kind, "x");
    EXPECT_EQ(h.messageBoxes,
              (std::vector<std::string>{"Invalid Document Type", "Missing Database",
                                        "Missing Document", "Invalid Entry", "Invalid Link"}));
}

TEST(ObjectFactoryDeath, ReachingItBeforeInstallationIsFatal) {
    installObjectFactory(nullptr);
    EXPECT_EXIT(objectFactory(), ::testing::ExitedWithCode(1), "NULL impl_");
}

TEST(ObjectFactory, InstalledForTheSessionOnly) {
    {
        ProgramHarness h;
        OrvaneSession& session = h.makeSession();
        EXPECT_EQ(&objectFactory(), &session.factory());
        EXPECT_NE(objectFactory().createHistoryList(nullptr), nullptr);
        EXPECT_FALSE(objectFactory().openDatabase(9999)->isOpen());
    }
    EXPECT_FALSE(objectFactoryInstalled());
}

}  // namespace
}  // namespace orvane
