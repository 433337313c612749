// The disclaimer screen's layout, its unframed page and its two controls; the "ClickableListBox"
// class; StepPage.
#include <gtest/gtest.h>

#include "platform/control_messages.h"
#include "platform/html_viewer_messages.h"
#include "shell/disclaimer_screen.h"
#include "shell/page_frame.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::ProgramHarness;

class DisclaimerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        h.makeSession();
        h.app().Initialise();
        h.driver.pumpUntilIdle();
    }
    // Shows the disclaimer; the idle step looks at it once, then closes it.
    void showAndInspect(const std::function<void(DisclaimerScreen&)>& inspect) {
        bool inspected = false;
        h.step = [&](ProgramHarness& s) {
            auto* d = dynamic_cast<DisclaimerScreen*>(s.app().currentScreen());
            if (d == nullptr || d->closed()) return false;
            if (!inspected) {
                inspected = true;
                inspect(*d);
            }
            return s.driver.tapWindow(d->closeButton());
        };
        h.app().ShowDisclaimer(0);
        EXPECT_TRUE(inspected);
    }
    ProgramHarness h;
};

TEST_F(DisclaimerTest, LayoutAt240) {
    showAndInspect([&](DisclaimerScreen& d) {
        const int lh = h.app().lineHeight();
        ASSERT_EQ(lh, 19);
        const WindowSnapshot close = h.driver.snapshotWindow(d.closeButton());
        EXPECT_EQ(close.text, u"Close");
        EXPECT_EQ(close.id, 333);
        EXPECT_EQ(close.rect, (RECT{240 - 52, 294 - 19 - 1, 240 - 52 + 50, 294 - 1}));
        const WindowSnapshot box = h.driver.snapshotWindow(d.checkBox());
        EXPECT_EQ(box.text, u"Don't show this in the future");
        EXPECT_EQ(box.id, 334);
        EXPECT_EQ(box.rect, (RECT{2, 274, 2 + 240 - 54, 293}));
        const WindowSnapshot viewer = h.driver.snapshotWindow(d.view().window());
        EXPECT_EQ(viewer.rect, (RECT{0, 19 + 5, 240, 294 - 19 - 5}));

        // The band, drawn once outside painting.
        const WindowSnapshot main = h.driver.snapshotWindow(h.app().mainWindow());
        bool band = false;
        for (const DrawCommand& c : main.display.commands) {
            if (c.kind == DrawKind::Rectangle && c.rect == RECT{0, 0, 240, 24}) {
                band = true;
                EXPECT_EQ(c.fillColor, RGB(212, 208, 220));
            }
            if (c.kind == DrawKind::Text && c.rect == RECT{2, 0, 240, 24}) {
                EXPECT_EQ(c.textColor, RGB(0, 0, 0));
                EXPECT_TRUE(c.font.bold);
                EXPECT_EQ(c.format, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
            }
        }
        EXPECT_TRUE(band);
    });
}

TEST_F(DisclaimerTest, PageIsTheDocumentListPageUnframed) {
    showAndInspect([&](DisclaimerScreen& d) {
        const std::string page = h.driver.snapshotWindow(d.view().window()).control.pageText;
        ASSERT_NE(d.module(), nullptr);
        const char* built = d.module()->buildPage(0);
        ASSERT_NE(built, nullptr);
        EXPECT_EQ(page, std::string(built));
        EXPECT_NE(page.rfind(std::string(kPageHeader), 0), 0u);
        EXPECT_EQ(moduleCode(d.module()->request()), 31);
    });
}

// Without its content the disclaimer is not a blank page that can be ticked away: it says the text
// could not be read and which content folder lacks what, and offers no "don't show" box.
TEST(DisclaimerWithoutContentTest, SaysTheContentIsMissing) {
    ProgramHarness h(platform::DisplayConfig{}, {"vemra6_00a.pdb"});
    h.makeSession();
    h.app().Initialise();
    h.driver.pumpUntilIdle();
    bool inspected = false;
    h.step = [&](ProgramHarness& s) {
        auto* d = dynamic_cast<DisclaimerScreen*>(s.app().currentScreen());
        if (d == nullptr || d->closed()) return false;
        if (!inspected) {
            inspected = true;
            const std::string page = s.driver.snapshotWindow(d->view().window()).control.pageText;
            EXPECT_NE(page.find(DisclaimerScreen::kUnreadableDisclaimer), std::string::npos)
                << page;
            EXPECT_NE(page.find("1 of the 31 content files are missing or damaged: "
                                "vemra6_00a.pdb."),
                      std::string::npos)
                << page;
            EXPECT_NE(page.find("Content folder " + s.dir + "/content/"), std::string::npos)
                << page;
            EXPECT_FALSE(s.ws.IsWindowVisible(d->checkBox()));
        }
        return s.driver.tapWindow(d->closeButton());
    };
    h.app().ShowDisclaimer(0);
    EXPECT_TRUE(inspected);
}

TEST_F(DisclaimerTest, CheckBoxIsReadOnItsCommand) {
    bool ticked = false;
    h.step = [&](ProgramHarness& s) {
        auto* d = dynamic_cast<DisclaimerScreen*>(s.app().currentScreen());
        if (d == nullptr || d->closed()) return false;
        if (!ticked) {
            ticked = true;
            s.driver.tapWindow(d->checkBox());
            return true;
        }
        EXPECT_TRUE(d->dontShowAgain());
        return s.driver.tapWindow(d->closeButton());
    };
    h.app().ShowDisclaimer(1);
    EXPECT_EQ(h.storedPreferences().secondDisclaimer, 0);
    EXPECT_EQ(h.storedPreferences().showDisclaimer, 1);
}

TEST_F(DisclaimerTest, KindsAndTheirRequests) {
    EXPECT_EQ(DisclaimerScreen::requestFor(0), makeRequest(31, 0));
    EXPECT_EQ(DisclaimerScreen::requestFor(1), makeRequest(63, 0));
    EXPECT_EQ(DisclaimerScreen::requestFor(2), makeRequest(43, 0));
    EXPECT_EQ(DisclaimerScreen::requestFor(3), 0u);
}

// Records what reaches a screen's WindowProc and its Update calls.
class RecordingScreen final : public Screen {
  public:
    explicit RecordingScreen(PPCOrvaneApp& app) : Screen(app) {}
    void Update(Request request) override { updates.push_back(request); }
    LRESULT WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_LBUTTONDOWN) taps.push_back(window);
        LRESULT result = 0;
        HandleMessage(window, message, wParam, lParam, result);
        return result;
    }
    std::vector<HWND> taps;
    std::vector<Request> updates;
};

TEST_F(DisclaimerTest, ClickableListBoxLetsTheScreenSeeTheTapFirst) {
    auto* screen = new RecordingScreen(h.app());
    h.app().ShowScreen(std::unique_ptr<Screen>(screen));
    const HWND list = h.ws.CreateWindowEx(0, u"ClickableListBox", u"", WS_CHILD | WS_VISIBLE, 0, 40,
                                          200, 100, h.app().mainWindow(), 77);
    ASSERT_TRUE(list);
    h.ws.SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"first"));
    h.ws.SendMessage(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(u"second"));
    ASSERT_TRUE(h.driver.tapWindowAt(list, POINT{5, 3}));
    h.driver.pumpUntilIdle();
    EXPECT_EQ(screen->taps, std::vector<HWND>{list});
    // The list box handled the tap too: the first entry is selected.
    EXPECT_EQ(h.ws.SendMessage(list, LB_GETCURSEL, 0, 0), 0);

    h.app().StepPage(-1);
    h.app().StepPage(0);
    h.app().StepPage(1);
    h.app().StepPage(5);
    EXPECT_EQ(screen->updates, (std::vector<Request>{makeRequest(74, 0), makeRequest(74, 0),
                                                     makeRequest(75, 0), makeRequest(75, 0)}));
}

}  // namespace
}  // namespace orvane
