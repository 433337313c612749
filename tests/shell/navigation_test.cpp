// Navigation through the application: Navigate, Back, Forward, Home and A-Z with the buttons
// shown exactly when their step is possible, "Invalid Document Type" for a request that cannot
// enter the history, and the screen factory's choice of screen by request code.
#include <cxxabi.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <typeinfo>

#include "shell/placeholder_screen.h"
#include "shell/shell_commands.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::ProgramHarness;

// The class a screen stands for: a placeholder's kind, else the screen's own class name.
std::string kindOf(const Screen* screen) {
    if (screen == nullptr) return "none";
    if (const auto* p = dynamic_cast<const PlaceholderScreen*>(screen)) return p->kindName();
    int status = 0;
    char* name = abi::__cxa_demangle(typeid(*screen).name(), nullptr, nullptr, &status);
    std::string out = status == 0 && name != nullptr ? name : typeid(*screen).name();
    std::free(name);
    const size_t colon = out.rfind("::");
    return colon == std::string::npos ? out : out.substr(colon + 2);
}

class NavigationTest : public ::testing::Test {
  protected:
    void SetUp() override { h.start(); }
    PPCOrvaneApp& app() { return h.app(); }
    NavigationHistory& history() { return app().history(); }
    bool shown(uint32_t cmd) { return h.ws.IsWindowVisible(app().navButton(cmd)); }
    void navigate(Request request) {
        app().currentScreen()->Navigate(request);
        h.driver.pumpUntilIdle();
    }
    void press(uint32_t cmd) {
        ASSERT_TRUE(h.driver.tapWindow(app().navButton(cmd)));
        h.driver.pumpUntilIdle();
    }
    Request currentRequest() {
        std::unique_ptr<HistoryEntry> entry = history().currentEntry();
        if (!entry || entry->kind() != history_kind::kRequest) return 0;
        return static_cast<RequestEntry&>(*entry).request();
    }

    ProgramHarness h;
};

TEST_F(NavigationTest, AfterStartUpOnlyAtoZIsShown) {
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(history().current(), 0);
    EXPECT_EQ(kindOf(app().currentScreen()), "ModuleListScreen");
    EXPECT_FALSE(shown(command::kHome));
    EXPECT_FALSE(shown(command::kBack));
    EXPECT_FALSE(shown(command::kForward));
    EXPECT_TRUE(shown(command::kAtoZ));
    // Back and Forward do nothing here.
    h.ws.SendMessage(app().mainWindow(), WM_COMMAND, command::kBack, 0);
    h.ws.SendMessage(app().mainWindow(), WM_COMMAND, command::kForward, 0);
    EXPECT_EQ(history().current(), 0);
}

TEST_F(NavigationTest, PushAfterBackDropsTheEntriesAhead) {
    navigate(makeRequest(12, 0));  // A
    EXPECT_EQ(kindOf(app().currentScreen()), "IndexDocumentScreen");
    EXPECT_TRUE(shown(command::kHome));
    EXPECT_TRUE(shown(command::kBack));
    EXPECT_FALSE(shown(command::kForward));
    navigate(makeRequest(12, 3));  // B
    EXPECT_EQ(kindOf(app().currentScreen()), "DocumentScreen");
    press(command::kBack);  // A again
    EXPECT_EQ(currentRequest(), makeRequest(12, 0));
    EXPECT_TRUE(shown(command::kForward));
    EXPECT_TRUE(shown(command::kBack));
    navigate(makeRequest(4, 1));  // C
    EXPECT_EQ(kindOf(app().currentScreen()), "CalculatorScreen");
    EXPECT_EQ(history().count(), 3);
    EXPECT_EQ(currentRequest(), makeRequest(4, 1));
    EXPECT_FALSE(shown(command::kForward));
}

TEST_F(NavigationTest, BackAndForwardStepAndHideAtTheEnds) {
    navigate(makeRequest(12, 0));
    navigate(makeRequest(12, 3));
    press(command::kBack);
    press(command::kBack);
    EXPECT_EQ(history().current(), 0);
    EXPECT_EQ(kindOf(app().currentScreen()), "ModuleListScreen");
    EXPECT_FALSE(shown(command::kBack));
    EXPECT_TRUE(shown(command::kForward));
    EXPECT_FALSE(shown(command::kHome));
    press(command::kForward);
    press(command::kForward);
    EXPECT_EQ(history().current(), 2);
    EXPECT_EQ(currentRequest(), makeRequest(12, 3));
    EXPECT_FALSE(shown(command::kForward));
    EXPECT_TRUE(shown(command::kBack));
}

TEST_F(NavigationTest, HomeClearsTheHistory) {
    app().patientContext().setListPosition(9);
    navigate(makeRequest(12, 0));
    navigate(makeRequest(12, 3));
    press(command::kHome);
    EXPECT_EQ(history().count(), 1);
    EXPECT_EQ(history().current(), 0);
    EXPECT_EQ(app().patientContext().listPosition(), 0);
    EXPECT_EQ(kindOf(app().currentScreen()), "ModuleListScreen");
    EXPECT_FALSE(shown(command::kBack));
    EXPECT_FALSE(shown(command::kForward));
    EXPECT_FALSE(shown(command::kHome));
}

TEST_F(NavigationTest, AtoZPushesRequest53AndHidesItsButton) {
    press(command::kAtoZ);
    EXPECT_EQ(currentRequest(), makeRequest(53, 0));
    EXPECT_EQ(kindOf(app().currentScreen()), "IndexDocumentScreen");
    EXPECT_FALSE(shown(command::kAtoZ));
    EXPECT_TRUE(shown(command::kBack));
    // The command itself pushes another entry even right after one.
    h.ws.SendMessage(app().mainWindow(), WM_COMMAND, command::kAtoZ, 0);
    EXPECT_EQ(history().count(), 3);
    EXPECT_FALSE(shown(command::kAtoZ));
    navigate(makeRequest(12, 0));
    EXPECT_TRUE(shown(command::kAtoZ));
}

TEST_F(NavigationTest, UnrecordableRequestShowsInvalidDocumentTypeAndKeepsTheScreen) {
    navigate(makeRequest(12, 0));
    Screen* before = app().currentScreen();
    const int32_t count = history().count();
    const int16_t current = history().current();
    navigate(makeRequest(28, 0));
    EXPECT_EQ(h.messageBoxes, std::vector<std::string>{"Invalid Document Type"});
    EXPECT_EQ(history().count(), count);
    EXPECT_EQ(history().current(), current);
    EXPECT_EQ(app().currentScreen(), before);
    // The screen takes input again.
    EXPECT_FALSE(before->busy());
}

TEST_F(NavigationTest, CommandsWaitWhileTheScreenIsBeingReplaced) {
    // 41002 ends the program whatever the state; the navigation commands are routed only when
    // the screen is ready, which it is between messages.
    EXPECT_TRUE(app().screenReady());
    h.ws.SendMessage(app().mainWindow(), WM_COMMAND, command::kExit, 0);
    h.driver.pumpUntilIdle();
    EXPECT_TRUE(h.driver.quitSeen());
}

struct ScreenCase {
    Request request;
    const char* kind;
};

TEST_F(NavigationTest, ScreenFactoryTable) {
    const ScreenCase cases[] = {
        {makeRequest(1, 0), "IndexDocumentScreen"},
        {makeRequest(1, 2), "DocumentScreen"},
        {makeRequest(49, 0), "IndexDocumentScreen"},
        {makeRequest(49, 1), "DocumentScreen"},
        {makeRequest(48, 5), "IndexDocumentScreen"},
        {makeRequest(60, 5), "IndexDocumentScreen"},
        {makeRequest(30, 5), "IndexDocumentScreen"},
        {makeRequest(59, 5), "IndexDocumentScreen"},
        {makeRequest(53, 0), "IndexDocumentScreen"},
        {makeRequest(14, 0), "IndexDocumentScreen"},
        {makeRequest(14, 3), "CalculatorScreen"},
        {makeRequest(27, 0), "CalculatorScreen"},
        {makeRequest(4, 4), "DocumentScreen"},
        {makeRequest(4, 39), "DocumentScreen"},
        {makeRequest(4, 1), "CalculatorScreen"},
        {makeRequest(4, 40), "CalculatorScreen"},
        {makeRequest(4, 0), "none"},
        {makeRequest(4, 41), "none"},
        {makeRequest(32, 0), "ModuleListScreen"},
        {makeRequest(13, 0), "DocumentScreen"},
        {makeRequest(22, 0), "DocumentScreen"},
        {makeRequest(57, 0), "DocumentScreen"},
        {makeRequest(87, 0), "none"},
        {makeRequest(63, 0), "DocumentScreen"},
    };
    for (const ScreenCase& c : cases) {
        app().DisplayScreen(c.request);
        EXPECT_EQ(kindOf(app().currentScreen()), c.kind)
            << moduleCode(c.request) << ":" << value(c.request);
        EXPECT_TRUE(app().screenReady());
    }
}

TEST_F(NavigationTest, Request33KeepsTheCurrentScreen) {
    app().DisplayScreen(makeRequest(12, 3));
    Screen* before = app().currentScreen();
    app().DisplayScreen(makeRequest(33, 1));
    EXPECT_EQ(app().currentScreen(), before);
}

// A same-page request handed to Navigate (a list entry or a link of the home page with code 33)
// is the module's to act on: it enters no history, so the history and the screen still agree and
// Back leaves the screen at once.
TEST_F(NavigationTest, ASamePageRequestNavigatedToEntersNoHistory) {
    navigate(makeRequest(12, 0));
    Screen* before = app().currentScreen();
    const int32_t count = history().count();
    navigate(makeRequest(33, 5, 2));
    EXPECT_EQ(history().count(), count);
    EXPECT_EQ(currentRequest(), makeRequest(12, 0));
    EXPECT_EQ(app().currentScreen(), before);
    EXPECT_FALSE(before->busy());
    EXPECT_TRUE(h.messageBoxes.empty());
    press(command::kBack);
    EXPECT_EQ(kindOf(app().currentScreen()), "ModuleListScreen");
}

// A recordable code whose request no screen shows (a calculator number or sub-code that does not
// exist) is refused like an unrecordable one: recorded, it would leave
// the program without a screen.
TEST_F(NavigationTest, ARequestNoScreenShowsIsRefusedAndKeepsTheScreen) {
    for (const Request request : {makeRequest(4, 2, 2), makeRequest(4, 41)}) {
        navigate(makeRequest(12, 0));
        Screen* before = app().currentScreen();
        const int32_t count = history().count();
        h.messageBoxes.clear();
        navigate(request);
        EXPECT_EQ(h.messageBoxes, std::vector<std::string>{"Invalid Document Type"}) << request;
        EXPECT_EQ(history().count(), count) << request;
        EXPECT_EQ(currentRequest(), makeRequest(12, 0)) << request;
        EXPECT_EQ(app().currentScreen(), before) << request;
        EXPECT_FALSE(before->busy()) << request;
    }
}

TEST_F(NavigationTest, ScreenCopiesTheCurrentEntry) {
    navigate(makeRequest(12, 0));
    const HistoryEntry* entry = app().currentScreen()->entry();
    ASSERT_NE(entry, nullptr);
    ASSERT_EQ(entry->kind(), history_kind::kRequest);
    EXPECT_EQ(static_cast<const RequestEntry*>(entry)->request(), makeRequest(12, 0));
}

}  // namespace
}  // namespace orvane
