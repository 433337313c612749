// The start-up order through the driver with a fake clock: splash for at least two seconds, the
// disclaimer by the stored flag, then the home list; quitting inside the nested loops; the
// preferences written back at the end.
#include <gtest/gtest.h>

#include "platform/control_messages.h"
#include "screens/module_list_screen.h"
#include "shell/disclaimer_screen.h"
#include "shell/placeholder_screen.h"
#include "shell/shell_commands.h"
#include "shell/splash_screen.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::ProgramHarness;

DisclaimerScreen* disclaimerOf(ProgramHarness& h) {
    return dynamic_cast<DisclaimerScreen*>(h.app().currentScreen());
}

bool homeListShown(ProgramHarness& h) {
    return dynamic_cast<ModuleListScreen*>(h.app().currentScreen()) != nullptr;
}

TEST(StartUp, SplashThenDisclaimerThenHomeList) {
    ProgramHarness h;
    h.makeSession();
    bool sawDisclaimer = false;
    bool sawHome = false;
    h.step = [&](ProgramHarness& s) {
        if (DisclaimerScreen* d = disclaimerOf(s); d != nullptr && !d->closed()) {
            sawDisclaimer = true;
            return s.driver.tapWindow(d->closeButton());
        }
        if (homeListShown(s)) sawHome = true;
        return false;
    };
    EXPECT_EQ(h.session->run(), 0);
    EXPECT_TRUE(sawDisclaimer);
    EXPECT_TRUE(sawHome);

    const int64_t painted = h.timeOf("+SplashScreen::PaintScreen");
    const int64_t disclaimer = h.timeOf("+PPCOrvaneApp::ShowDisclaimer");
    ASSERT_GE(painted, 0);
    ASSERT_GE(disclaimer, 0);
    EXPECT_GE(disclaimer - painted, 2000);
    EXPECT_LT(h.indexOf("+PPCOrvaneApp::ShowSplash"), h.indexOf("+PPCOrvaneApp::ShowDisclaimer"));
    EXPECT_LT(h.indexOf("+PPCOrvaneApp::ShowDisclaimer"), h.indexOf("+ModuleListScreen::Update"));
    EXPECT_LT(h.indexOf("+ModuleListScreen::Update"), h.indexOf("+PPCOrvaneApp::Run"));
    // The splash hid the input-panel button.
    EXPECT_TRUE(h.ws.shellState().inputPanelButtonHidden);

    // Not ticked: the disclaimer comes again next time; the history position was written.
    const Preferences stored = h.storedPreferences();
    EXPECT_EQ(stored.showDisclaimer, 1);
    EXPECT_EQ(stored.historyPosition, 0);
}

TEST(StartUp, EveryLineIsAPlusOrMinusTraceLine) {
    ProgramHarness h;
    h.makeSession();
    h.step = [](ProgramHarness& s) {
        if (DisclaimerScreen* d = disclaimerOf(s); d != nullptr && !d->closed()) {
            return s.driver.tapWindow(d->closeButton());
        }
        return false;
    };
    h.session->run();
    ASSERT_FALSE(h.lines.empty());
    int depth = 0;
    for (const auto& [time, line] : h.lines) {
        ASSERT_GE(line.size(), 3u);
        EXPECT_TRUE(line[0] == '+' || line[0] == '-') << line;
        EXPECT_EQ(line.substr(line.size() - 2), "\r\n");
        EXPECT_NE(line.find("::"), std::string::npos) << line;
        depth += line[0] == '+' ? 1 : -1;
        EXPECT_GE(depth, 0);
    }
    EXPECT_EQ(depth, 0);
}

TEST(StartUp, StoredFlagZeroSkipsTheDisclaimer) {
    ProgramHarness h;
    Preferences prefs;
    prefs.showDisclaimer = 0;
    prefs.keypadShown = 0;
    h.storePreferences(prefs);
    h.makeSession();
    bool sawDisclaimer = false;
    h.step = [&](ProgramHarness& s) {
        if (disclaimerOf(s) != nullptr) sawDisclaimer = true;
        return false;
    };
    h.session->run();
    EXPECT_FALSE(sawDisclaimer);
    EXPECT_FALSE(h.traced("+PPCOrvaneApp::ShowDisclaimer"));
    EXPECT_TRUE(h.traced("+ModuleListScreen::Update"));
    EXPECT_GE(h.timeOf("+ModuleListScreen::Update") - h.timeOf("+SplashScreen::PaintScreen"), 2000);
    // The stored keypad setting reached the patient context.
    EXPECT_EQ(h.session->patient().keypadShown(), 0);
}

TEST(StartUp, TickingTheBoxStopsTheDisclaimer) {
    ProgramHarness h;
    h.makeSession();
    h.step = [](ProgramHarness& s) {
        DisclaimerScreen* d = disclaimerOf(s);
        if (d == nullptr || d->closed()) return false;
        if (s.ws.SendMessage(d->checkBox(), BM_GETCHECK, 0, 0) == 0) {
            return s.driver.tapWindow(d->checkBox());
        }
        return s.driver.tapWindow(d->closeButton());
    };
    h.session->run();
    EXPECT_EQ(h.storedPreferences().showDisclaimer, 0);
    EXPECT_EQ(h.storedPreferences().secondDisclaimer, 1);
}

TEST(StartUp, QuitDuringTheDisclaimerEndsTheProgramWithoutStoring) {
    ProgramHarness h;
    h.makeSession();
    bool posted = false;
    h.step = [&](ProgramHarness& s) {
        if (disclaimerOf(s) != nullptr && !posted) {
            posted = true;
            s.ws.PostMessage(s.app().mainWindow(), WM_COMMAND, command::kExit, 0);
            return true;
        }
        return false;
    };
    EXPECT_EQ(h.session->run(), 0);
    EXPECT_TRUE(posted);
    EXPECT_FALSE(h.traced("+ModuleListScreen::Update"));
    EXPECT_FALSE(h.traced("+PPCOrvaneApp::Run"));
    EXPECT_FALSE(h.preferencesStored());
}

TEST(StartUp, QuitDuringTheSplashEndsTheProgram) {
    ProgramHarness h;
    h.makeSession();
    bool posted = false;
    h.step = [&](ProgramHarness& s) {
        if (dynamic_cast<SplashScreen*>(s.app().currentScreen()) != nullptr && !posted) {
            posted = true;
            s.ws.PostMessage(s.app().mainWindow(), WM_CLOSE, 0, 0);
            return true;
        }
        return false;
    };
    EXPECT_EQ(h.session->run(), 0);
    EXPECT_TRUE(posted);
    EXPECT_FALSE(h.traced("+PPCOrvaneApp::ShowDisclaimer"));
    EXPECT_FALSE(h.traced("+PPCOrvaneApp::Run"));
    EXPECT_FALSE(h.preferencesStored());
}

TEST(StartUp, SplashWaitIgnoresTheWallClockGoingBack) {
    ProgramHarness h;
    Preferences prefs;
    prefs.showDisclaimer = 0;
    h.storePreferences(prefs);
    h.makeSession();
    bool moved = false;
    h.step = [&](ProgramHarness& s) {
        if (dynamic_cast<SplashScreen*>(s.app().currentScreen()) != nullptr && !moved) {
            moved = true;
            SYSTEMTIME past;
            past.wYear = 1999;
            past.wMonth = 1;
            past.wDay = 1;
            s.clock.setLocalTime(past);
        }
        return false;
    };
    h.session->run();
    EXPECT_TRUE(moved);
    EXPECT_TRUE(h.traced("+ModuleListScreen::Update"));
    const int64_t waited =
        h.timeOf("+ModuleListScreen::Update") - h.timeOf("+SplashScreen::PaintScreen");
    EXPECT_GE(waited, 2000);
    EXPECT_LT(waited, 2100);
}

TEST(StartUp, ExitWritesThePatientValues) {
    ProgramHarness h;
    Preferences prefs;
    prefs.showDisclaimer = 0;
    prefs.spare12 = 7;
    h.storePreferences(prefs);
    OrvaneSession& session = h.makeSession();
    session.patient().adultWeight().value = 81.5f;
    session.patient().adultWeight().unit = 1;
    session.patient().childWeight().value = 12.25f;
    session.patient().height().fraction = 3;
    session.patient().age().value = 44.0f;
    session.patient().sex().unit = 1;
    session.run();
    const Preferences stored = h.storedPreferences();
    EXPECT_EQ(stored.adultWeight, (StoredMeasure{1, 0, 81.5f}));
    EXPECT_EQ(stored.childWeight.value, 12.25f);
    EXPECT_EQ(stored.height.fraction, 3);
    EXPECT_EQ(stored.age, 44.0f);
    EXPECT_EQ(stored.sex, 1);
    // Flags the program does not change keep their stored values.
    EXPECT_EQ(stored.spare12, 7);
    EXPECT_EQ(stored.showDisclaimer, 0);
}

TEST(StartUp, MagnificationOfTheSplashPicture) {
    EXPECT_EQ(SplashScreen::magnification(240), 1);
    EXPECT_EQ(SplashScreen::magnification(478), 1);
    EXPECT_EQ(SplashScreen::magnification(479), 2);
    EXPECT_EQ(SplashScreen::magnification(480), 2);
}

TEST(StartUp, SplashDrawsBitmap4001) {
    ProgramHarness h;
    h.makeSession();
    bool checked = false;
    h.step = [&](ProgramHarness& s) {
        if (!checked && dynamic_cast<SplashScreen*>(s.app().currentScreen()) != nullptr) {
            checked = true;
            const WindowSnapshot main = s.driver.snapshotWindow(s.app().mainWindow());
            bool found = false;
            for (const DrawCommand& c : main.display.commands) {
                if (c.kind == DrawKind::Bitmap && c.bitmapId == 4001) {
                    found = true;
                    EXPECT_EQ(c.rect, (RECT{1, 1, 240, 166}));
                    EXPECT_EQ(c.source, (RECT{0, 0, 239, 165}));
                }
            }
            EXPECT_TRUE(found);
            s.ws.PostQuitMessage(0);
            return true;
        }
        return false;
    };
    h.session->run();
    EXPECT_TRUE(checked);
}

}  // namespace
}  // namespace orvane
