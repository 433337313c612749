// The home screen: the registry's entries in two columns with their layout, colours and fonts,
// the logo, product name, notice and version, the exit picture, keyboard movement within and
// across the columns, and opening a module by Enter, by a tap and by activation; at both widths.
#include "screens/module_list_screen.h"

#include <gtest/gtest.h>

#include "screens/index_document_screen.h"
#include "tests/screens/fake_list_module.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::FakeListModule;
using test_support::ProgramHarness;

// The registry's labels in order: the home list's contents.
const std::vector<std::u16string> kModules = {
    u"AbxNavix",       u"ACLS",         u"Adult Drips",    u"Calculators",   u"Clinical Consult",
    u"Emergency Meds", u"Fluid Navix",  u"Induction Meds", u"Infusion Calc", u"PALS",
    u"Paralytics",     u"TykoAbx",      u"TykoCode",       u"TykoDrips",     u"TykoDrugs",
    u"TykoFever",      u"TykoGrowth",   u"TykoOTC",        u"RSI Navix",     u"Sedation Meds",
    u"Toxicology",     u"Transfusions", u"References"};

class ModuleListTest : public ::testing::TestWithParam<DisplayConfig> {
  protected:
    void SetUp() override { h.start(); }
    ModuleListScreen& home() {
        ModuleListScreen* screen = h.screen<ModuleListScreen>();
        EXPECT_NE(screen, nullptr);
        return *screen;
    }
    int s() const { return GetParam().width >= 360 ? 2 : 1; }
    int selectedIn(HWND list) { return h.control(list).selected; }
    bool focusedRow(HWND list, int row) {
        const auto rows = h.control(list).rows;
        return row < static_cast<int>(rows.size()) && rows[static_cast<size_t>(row)].focused &&
               rows[static_cast<size_t>(row)].selected;
    }

    ProgramHarness h{GetParam()};
};

TEST_P(ModuleListTest, EntriesSplitIntoTwoColumns) {
    ModuleListScreen& screen = home();
    EXPECT_EQ(screen.half(), 12);  // 23 entries: 12 left, 11 right
    const auto left = h.column(screen.leftList());
    const auto right = h.column(screen.rightList());
    ASSERT_EQ(left.size(), 12u);
    ASSERT_EQ(right.size(), 11u);
    for (size_t i = 0; i < kModules.size(); ++i) {
        EXPECT_EQ(i < 12 ? left[i] : right[i - 12], kModules[i]) << i;
    }
    // The first entry is current: selected and focused in the left list, which has the focus.
    EXPECT_EQ(screen.current(), 0);
    EXPECT_TRUE(focusedRow(screen.leftList(), 0));
    EXPECT_EQ(h.ws.GetFocus(), screen.leftList());
}

TEST_P(ModuleListTest, ListsLogoAndExitArePlacedByScale) {
    ModuleListScreen& screen = home();
    const RECT c = h.app().contentRect();
    const int lh = h.app().lineHeight();
    const int w = 110 * s();
    const int listHeight = s() == 1 ? 180 : 384;
    // Content taller than 240: the lists start two line heights and 10 pixels down.
    const int y = c.top + 2 * lh + 10;
    const WindowSnapshot left = h.snap(screen.leftList());
    const WindowSnapshot right = h.snap(screen.rightList());
    EXPECT_EQ(left.rect,
              (RECT{(c.left + c.right) / 2 - w, y, (c.left + c.right) / 2, y + listHeight}));
    EXPECT_EQ(right.rect, (RECT{(c.right - c.left) / 2 - 1, y, (c.right - c.left) / 2 - 1 + w,
                                y + listHeight}));
    // One column as wide as the list, no heading; report view without scrolling, one selection.
    ASSERT_EQ(left.control.columns.size(), 1u);
    EXPECT_EQ(left.control.columns[0].width, w);
    EXPECT_EQ(left.control.columns[0].text, u"");
    EXPECT_TRUE(left.style & LVS_REPORT);
    EXPECT_TRUE(left.style & LVS_NOCOLUMNHEADER);
    EXPECT_TRUE(left.style & LVS_NOSCROLL);
    EXPECT_TRUE(left.style & LVS_SINGLESEL);
    EXPECT_TRUE(left.style & WS_BORDER);

    const WindowSnapshot logo = h.snap(screen.logo());
    EXPECT_EQ(logo.control.bitmapId, s() == 2 ? 1520 : 1500);
    EXPECT_EQ(logo.rect.left, c.left);
    EXPECT_EQ(logo.rect.top, c.top + 2);
    EXPECT_EQ(logo.rect.width(), s() == 2 ? 132 : 66);

    const WindowSnapshot exit = h.snap(screen.exitButton());
    EXPECT_EQ(exit.control.bitmapId, 135);
    EXPECT_EQ(exit.id, 41002);
    const int e = s() == 1 ? 16 : 32;
    EXPECT_EQ(exit.rect.left, c.right - e - 1);
    EXPECT_EQ(exit.rect.top, c.bottom - e - 1);

    // Home stays hidden on the home screen; A-Z is offered.
    EXPECT_FALSE(h.shown(h.app().navButton(command::kHome)));
    EXPECT_TRUE(h.shown(h.app().navButton(command::kAtoZ)));
}

TEST_P(ModuleListTest, EntriesAreBoldDarkBlueOnWhite) {
    ModuleListScreen& screen = home();
    for (HWND list : {screen.leftList(), screen.rightList()}) {
        for (const auto& row : h.control(list).rows) {
            EXPECT_EQ(row.cells[0].textColor, RGB(0, 0, 80));
            EXPECT_EQ(row.cells[0].backColor, RGB(255, 255, 255));
            EXPECT_TRUE(row.cells[0].font.bold);
        }
    }
}

TEST_P(ModuleListTest, ProductNameNoticeVersionAndShadowAreDrawn) {
    home();
    const RECT c = h.app().contentRect();
    const int lh = h.app().lineHeight();
    bool name = false;
    bool version = false;
    bool notice = false;
    for (const DrawCommand& t : h.mainTexts()) {
        if (t.text == u"Orvane 6.0") {
            name = true;
            EXPECT_EQ(t.textColor, RGB(195, 49, 29));
            EXPECT_TRUE(t.font.bold);
            EXPECT_EQ(t.font.height, 20 * s());
            // Right of the logo, above the columns' shadow.
            const int y0 = c.top + 2 * lh + 10 + 2 * s();
            EXPECT_EQ(t.rect, (RECT{66 * s(), y0 - lh - 8, c.right, y0 - 8}));
        }
        if (t.text == u"ver 6.0.1") {
            version = true;
            EXPECT_EQ(t.textColor, RGB(0, 0, 0));
            EXPECT_FALSE(t.font.bold);
            EXPECT_EQ(t.rect, (RECT{c.right - 75 * s(), c.bottom - lh, c.right, c.bottom}));
        }
        if (t.text == module_list::kNotice) {
            notice = true;
            EXPECT_EQ(t.rect, (RECT{2 * s(), c.bottom - lh, 190 * s(), c.bottom}));
        }
    }
    EXPECT_TRUE(name);
    EXPECT_TRUE(version);
    EXPECT_TRUE(notice);

    // The shadow: 2s + 2 to the right of the left column, 2s down, two columns wide.
    const int w = 110 * s();
    const int h0 = s() == 1 ? 180 : 384;
    const int x0 = (c.right - c.left) / 2 - w + 2 * s() + 2;
    const int y0 = c.top + 2 * lh + 10 + 2 * s();
    bool shadow = false;
    for (const DrawCommand& d : h.snap(h.app().mainWindow()).display.commands) {
        if (d.kind == DrawKind::Rectangle && d.fillColor == RGB(172, 161, 156)) {
            shadow = true;
            EXPECT_EQ(d.rect, (RECT{x0, y0, x0 + 2 * w, y0 + h0 + 2 * s()}));
        }
    }
    EXPECT_TRUE(shadow);
    EXPECT_TRUE(h.ws.shellState().inputPanelButtonHidden);
}

TEST_P(ModuleListTest, DownMovesWithinTheLeftColumn) {
    ModuleListScreen& screen = home();
    for (int i = 0; i < 3; ++i) h.key(VK_DOWN);
    EXPECT_EQ(screen.current(), 3);
    EXPECT_TRUE(focusedRow(screen.leftList(), 3));
}

TEST_P(ModuleListTest, RightFromRowThreeLandsOnEntryFifteen) {
    ModuleListScreen& screen = home();
    for (int i = 0; i < 3; ++i) h.key(VK_DOWN);
    h.key(VK_RIGHT);
    EXPECT_EQ(screen.current(), 15);
    EXPECT_EQ(h.ws.GetFocus(), screen.rightList());
    EXPECT_TRUE(focusedRow(screen.rightList(), 3));
    EXPECT_EQ(h.column(screen.rightList())[3], u"TykoFever");
    // Right again: nothing happens from the right column.
    h.key(VK_RIGHT);
    EXPECT_EQ(screen.current(), 15);
    // Left comes back to the same row of the left column.
    h.key(VK_LEFT);
    EXPECT_EQ(screen.current(), 3);
    EXPECT_EQ(h.ws.GetFocus(), screen.leftList());
    EXPECT_TRUE(focusedRow(screen.leftList(), 3));
}

TEST_P(ModuleListTest, RightFromTheLastLeftRowIsClampedToTheLastEntry) {
    ModuleListScreen& screen = home();
    for (int i = 0; i < 11; ++i) h.key(VK_DOWN);
    EXPECT_EQ(screen.current(), 11);
    h.key(VK_RIGHT);
    // 11 + 12 = 23 is past the last entry (22).
    EXPECT_EQ(screen.current(), 22);
    EXPECT_TRUE(focusedRow(screen.rightList(), 10));
    EXPECT_EQ(h.column(screen.rightList())[10], u"References");
}

TEST_P(ModuleListTest, EnterOpensTheCurrentModule) {
    ModuleListScreen& screen = home();
    for (int i = 0; i < 3; ++i) h.key(VK_DOWN);
    ASSERT_EQ(screen.current(), 3);
    h.key(VK_RETURN);
    // "Calculators" is request (59, 0): a list screen.
    EXPECT_EQ(h.currentRequest(), makeRequest(59, 0));
    EXPECT_NE(h.screen<IndexDocumentScreen>(), nullptr);
    EXPECT_TRUE(h.shown(h.app().navButton(command::kHome)));
    EXPECT_TRUE(h.shown(h.app().navButton(command::kBack)));
}

TEST_P(ModuleListTest, TapOnARightColumnEntryOpensIt) {
    ModuleListScreen& screen = home();
    ASSERT_TRUE(h.driver.chooseItem(screen.rightList(), 4));  // entry 16: TykoGrowth
    h.pump();
    EXPECT_EQ(h.currentRequest(), makeRequest(14, 0));
}

TEST_P(ModuleListTest, ActivatingAnEntryOpensIt) {
    ModuleListScreen& screen = home();
    ASSERT_TRUE(h.driver.activateItem(screen.leftList(), 4));  // Clinical Consult
    h.pump();
    EXPECT_EQ(h.currentRequest(), makeRequest(5, 0));
}

TEST_P(ModuleListTest, BackMakesTheHomeListAnewAtItsFirstEntry) {
    ASSERT_TRUE(h.driver.chooseItem(home().rightList(), 4));  // TykoGrowth, entry 16
    h.pump();
    ASSERT_EQ(h.currentRequest(), makeRequest(14, 0));
    h.press(command::kBack);
    ModuleListScreen& screen = home();
    EXPECT_EQ(screen.half(), 12);
    EXPECT_EQ(screen.current(), 0);
    EXPECT_TRUE(focusedRow(screen.leftList(), 0));
    EXPECT_EQ(h.ws.GetFocus(), screen.leftList());
    EXPECT_FALSE(h.shown(h.app().navButton(command::kHome)));
}

TEST_P(ModuleListTest, TheExitPictureEndsTheProgram) {
    ASSERT_TRUE(h.driver.tapWindow(home().exitButton()));
    h.pump();
    EXPECT_TRUE(h.driver.quitSeen());
    EXPECT_EQ(h.driver.exitCode(), 0);
}

// With content files missing the home screen says, in red under the lists, which content folder
// is used and which of its files are missing; with the content complete it says nothing of it.
TEST_P(ModuleListTest, MissingContentIsSaidUnderTheLists) {
    const auto redLines = [](ProgramHarness& harness) {
        std::u16string said;
        for (const DrawCommand& c : harness.mainTexts()) {
            if (c.textColor == RGB(255, 0, 0)) said += c.text + u" ";
        }
        return said;
    };
    EXPECT_EQ(redLines(h), u"");

    ProgramHarness missing(GetParam(), {"vemra6_12a.pdb"});
    missing.start();
    ASSERT_NE(missing.screen<ModuleListScreen>(), nullptr);
    const std::u16string said = redLines(missing);
    EXPECT_NE(said.find(u"/content/"), std::u16string::npos)
        << std::string(said.begin(), said.end());
    EXPECT_NE(said.find(u"Content files missing (1 of 31) in content folder "),
              std::u16string::npos)
        << std::string(said.begin(), said.end());
    // Every line of it lies inside its place under the lists, above the bottom notice row.
    for (const DrawCommand& command : missing.mainTexts()) {
        if (command.textColor != RGB(255, 0, 0)) continue;
        EXPECT_GE(command.origin.x, command.rect.left);
        EXPECT_LE(command.origin.x + command.textWidth, command.rect.right);
        EXPECT_LE(command.origin.y + command.font.lineHeight, command.rect.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(BothScales, ModuleListTest,
                         ::testing::Values(test_support::smallScreen(),
                                           test_support::largeScreen()));

// ---- With a registry of other sizes, and short screens ----

std::unique_ptr<Module> registryOf(int n, size_t labelLength = 0) {
    std::vector<std::string> labels;
    for (int i = 0; i < n; ++i) {
        labels.push_back(labelLength > 0 ? std::string(labelLength, static_cast<char>('a' + i))
                                         : "Module " + std::to_string(i));
    }
    return std::make_unique<FakeListModule>(labels, 1, false);
}

class SmallRegistryTest : public ::testing::Test {
  protected:
    void open(int n, size_t labelLength = 0) {
        h.makeSession();
        h.addModule(32, [n, labelLength](Request) { return registryOf(n, labelLength); });
        h.start();
    }
    ModuleListScreen& home() { return *h.screen<ModuleListScreen>(); }

    ProgramHarness h{test_support::smallScreen()};
};

TEST_F(SmallRegistryTest, SevenEntriesGiveFourAndThree) {
    open(7);
    EXPECT_EQ(home().half(), 4);
    EXPECT_EQ(h.column(home().leftList()).size(), 4u);
    EXPECT_EQ(h.column(home().rightList()).size(), 3u);
    // Right from entry 3 (the last left row): 3 + 4 = 7 is clamped to 6, item 2 on the right.
    for (int i = 0; i < 3; ++i) h.key(VK_DOWN);
    h.key(VK_RIGHT);
    EXPECT_EQ(home().current(), 6);
    EXPECT_EQ(h.control(home().rightList()).selected, 2);
    // Left from 6: 6 - 4 = 2.
    h.key(VK_LEFT);
    EXPECT_EQ(home().current(), 2);
    EXPECT_EQ(h.control(home().leftList()).selected, 2);
}

TEST_F(SmallRegistryTest, OneEntryLeavesTheRightColumnEmpty) {
    open(1);
    EXPECT_EQ(home().half(), 1);
    EXPECT_EQ(h.column(home().leftList()).size(), 1u);
    EXPECT_TRUE(h.column(home().rightList()).empty());
    // Right has nowhere to go.
    h.key(VK_RIGHT);
    EXPECT_EQ(home().current(), 0);
    EXPECT_EQ(h.ws.GetFocus(), home().leftList());
}

TEST_F(SmallRegistryTest, LongLabelsAreCutTo255Characters) {
    open(2, 300);
    const auto left = h.column(home().leftList());
    ASSERT_EQ(left.size(), 1u);
    EXPECT_EQ(left[0], std::u16string(255, u'a'));
}

TEST(ModuleListShortScreen, ContentHeight240UsesTheShortLayout) {
    // 266 - 26: a content rectangle exactly 240 high.
    ProgramHarness h(DisplayConfig{240, 266});
    h.start();
    ModuleListScreen* screen = h.screen<ModuleListScreen>();
    ASSERT_NE(screen, nullptr);
    const RECT c = h.app().contentRect();
    ASSERT_EQ(c.height(), 240);
    const int lh = h.app().lineHeight();
    EXPECT_EQ(h.snap(screen->logo()).control.bitmapId, 1501);
    EXPECT_EQ(h.snap(screen->leftList()).rect.top, c.top + lh);
    bool name = false;
    for (const DrawCommand& t : h.mainTexts()) {
        if (t.text != u"Orvane 6.0") continue;
        name = true;
        EXPECT_EQ(t.rect, (RECT{34, 1, 194, lh + 1}));
    }
    EXPECT_TRUE(name);
}

}  // namespace
}  // namespace orvane
