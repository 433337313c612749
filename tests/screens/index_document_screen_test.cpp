// The list screen: the A-Z index with its layout, colours, paging by the scroll bar and the keys,
// the search row (prefix search on every change, find-next with its wrap rule), the "»" marker
// with its popup closing on the fake clock, the caption popup, opening an entry and the selection
// kept through Back, first-letter jumps in lists without search, and the missing-content note;
// at both widths.
#include "screens/index_document_screen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "screens/caption_popup.h"
#include "screens/module_list_screen.h"
#include "tests/screens/fake_list_module.h"
#include "tests/support/program_harness.h"

namespace orvane {
namespace {

using namespace platform;
using test_support::FakeListModule;
using test_support::ProgramHarness;

// The sample A-Z index, record by record.
const std::vector<std::u16string> kIndex = {
    u"A-a Gradient (sample)",
    u"AbxNavix (sample)",
    u"ACLS (sample)",
    u"Adult Drips (sample)",
    u"All modules (sample)",
    u"Apgar Score of the newborn at one and five minutes (sample)",
    u"Calculators (sample)",
    u"Cardiology topics (sample)",
    u"Chest Pain (sample)",
    u"Clinical Consult (sample)",
    u"Emergency Meds (sample)",
    u"Fluid Navix (sample)",
    u"Fluids for Burns (sample)",
    u"Glasgow Coma Scale (sample)",
    u"Index (sample)",
    u"Induction Meds (sample)",
    u"Infusion Calc (sample)",
    u"PALS (sample)",
    u"Paralytics (sample)",
    u"Poison Control (sample)",
    u"Pregnancy Calculator (sample)",
    u"Red Blood Cells (sample)",
    u"References (sample)",
    u"RSI Navix (sample)",
    u"Sample document A",
    u"Sample document B",
    u"Sample document C",
    u"Sample document D",
    u"Sedation Meds (sample)",
    u"Toxicology (sample)",
    u"Transfusions (sample)",
    u"TykoAbx (sample)",
    u"TykoCode (sample)",
    u"TykoDrips (sample)",
    u"TykoDrugs (sample)",
    u"TykoFever (sample)",
    u"TykoGrowth (CDC 2000)",
    u"TykoOTC (sample)",
    u"Vecuronium (sample)",
    u"VF and pulseless VT (sample)",
    u"Weight-based code summary for children (TykoCode sample)",
    u"Weight-based defibrillation energy (TykoCode sample)",
    u"Weight-based fluid boluses and maintenance (TykoCode sample)"};
const int kCount = static_cast<int>(kIndex.size());

bool startsWithIgnoringCase(const std::u16string& text, const std::u16string& prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        const auto up = [](char16_t c) { return c >= u'a' && c <= u'z' ? c - 32 : c; };
        if (up(text[i]) != up(prefix[i])) return false;
    }
    return true;
}

class IndexTest : public ::testing::TestWithParam<DisplayConfig> {
  protected:
    void SetUp() override {
        h.start();
        h.press(command::kAtoZ);
    }
    IndexDocumentScreen& index() {
        IndexDocumentScreen* screen = h.screen<IndexDocumentScreen>();
        EXPECT_NE(screen, nullptr);
        return *screen;
    }
    int s() const { return GetParam().width >= 360 ? 2 : 1; }
    int scrollBarWidth() const { return h.ws.GetSystemMetrics(SM_CXVSCROLL); }
    // The rows shown, checked against the index from entry top on.
    void expectPageFrom(int top) {
        const auto rows = h.column(index().list());
        ASSERT_EQ(static_cast<int>(rows.size()), index().rowsPerPage());
        for (size_t r = 0; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r], kIndex[static_cast<size_t>(top) + r]) << "row " << r;
        }
    }
    void focusList() { h.ws.SetFocus(index().list()); }

    ProgramHarness h{GetParam()};
};

TEST_P(IndexTest, LayoutOfTheListScrollBarAndSearchRow) {
    IndexDocumentScreen& screen = index();
    EXPECT_EQ(h.currentRequest(), makeRequest(53, 0));
    EXPECT_TRUE(screen.searchEnabled());
    EXPECT_TRUE(screen.lazy());
    EXPECT_EQ(screen.entryCount(), kCount);
    const RECT c = h.app().contentRect();
    const int lh = h.app().lineHeight();
    const int rh = lh + 2;
    const int w = scrollBarWidth();
    const int icon = s() == 1 ? 16 : 32;
    const int height = c.bottom - 2 * s() - (c.top + 2 * lh) - rh;

    const WindowSnapshot list = h.snap(screen.list());
    EXPECT_EQ(list.rect, (RECT{c.left, c.top + 2 * lh, c.right - w, c.top + 2 * lh + height}));
    ASSERT_EQ(list.control.columns.size(), 2u);
    const int d = c.right - w - 23 * s() - c.left;
    EXPECT_EQ(list.control.columns[0].width, d);
    EXPECT_EQ(list.control.columns[1].width, 20 * s());
    EXPECT_EQ(screen.textLimit(), d - 20 * s());
    EXPECT_EQ(screen.rowsPerPage(), list.control.countPerPage);
    EXPECT_LT(screen.rowsPerPage(), kCount);

    const WindowSnapshot bar = h.snap(screen.scrollBar());
    EXPECT_TRUE(bar.shown);
    EXPECT_EQ(bar.rect, (RECT{c.right - w, c.top + 2 * lh, c.right, c.top + 2 * lh + height}));
    EXPECT_EQ(bar.control.minPos, 0);
    EXPECT_EQ(bar.control.maxPos, kCount);
    EXPECT_EQ(bar.control.page, screen.rowsPerPage());
    EXPECT_EQ(bar.control.pos, 0);

    const WindowSnapshot box = h.snap(screen.searchBox());
    EXPECT_EQ(box.id, 40320);
    // A search box takes words: no number keyboard.
    EXPECT_EQ(box.style & (ES_DECIMAL | ES_NUMBER), 0u);
    EXPECT_EQ(box.rect, (RECT{c.left + icon + 10 * s(), c.bottom - s() - rh,
                              c.right - w - icon - 30 * s(), c.bottom - s() - rh + lh}));
    const WindowSnapshot find = h.snap(screen.findButton());
    EXPECT_EQ(find.id, 40319);
    EXPECT_EQ(find.control.bitmapId, s() == 1 ? 171 : 170);
    EXPECT_EQ(find.rect, (RECT{c.left + 5 * s(), c.bottom - rh + 2, c.left + 5 * s() + icon,
                               c.bottom - rh + 2 + icon}));
    const WindowSnapshot keys = h.snap(screen.keyboardButton());
    EXPECT_EQ(keys.id, 40807);
    EXPECT_EQ(keys.control.bitmapId, s() == 1 ? 174 : 175);
    EXPECT_EQ(keys.rect.left, c.right - s() - icon);
    // The caption fits: no more button. The A-Z button is not offered on the A-Z index.
    EXPECT_FALSE(h.shown(screen.moreButton()));
    EXPECT_EQ(h.snap(screen.moreButton()).control.bitmapId, s() == 1 ? 173 : 172);
    EXPECT_FALSE(h.shown(h.app().navButton(command::kAtoZ)));
    EXPECT_TRUE(h.shown(h.app().navButton(command::kHome)));
}

TEST_P(IndexTest, FirstPageColoursAndCaption) {
    IndexDocumentScreen& screen = index();
    expectPageFrom(0);
    const auto rows = h.control(screen.list()).rows;
    ASSERT_FALSE(rows.empty());
    EXPECT_TRUE(rows[0].selected);
    EXPECT_TRUE(rows[0].focused);
    for (const auto& row : rows) {
        EXPECT_EQ(row.cells[0].textColor, RGB(0, 0, 143));
        EXPECT_EQ(row.cells[1].textColor, RGB(0, 150, 30));
        EXPECT_EQ(row.cells[0].backColor, RGB(255, 255, 255));
    }
    bool caption = false;
    for (const DrawCommand& t : h.mainTexts()) {
        if (t.text != u"Orvane 6.0 Index") continue;
        caption = true;
        EXPECT_TRUE(t.font.bold);
        EXPECT_EQ(t.textColor, RGB(0, 0, 0));
        EXPECT_EQ(t.rect.left, 2 * s());
        EXPECT_EQ(t.rect.top, h.app().lineHeight());
    }
    EXPECT_TRUE(caption);
    EXPECT_EQ(h.app().title(), u"A-Z Index");
}

TEST_P(IndexTest, ScrollBarPagesThroughTheIndex) {
    IndexDocumentScreen& screen = index();
    const int rows = screen.rowsPerPage();
    const int maxTop = kCount - rows;
    struct Step {
        UINT code;
        int pos;
        int top;
    };
    const Step steps[] = {
        {SB_PAGEDOWN, 0, std::min(rows, maxTop)},
        {SB_LINEUP, 0, std::min(rows, maxTop) - 1},
        {SB_BOTTOM, 0, maxTop},
        {SB_LINEDOWN, 0, maxTop},  // already at the bottom
        {SB_PAGEUP, 0, std::max(0, maxTop - rows)},
        {SB_THUMBTRACK, 5, 5},
        {SB_THUMBPOSITION, 50, maxTop},  // limited to the last page
        {SB_TOP, 0, 0},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(h.driver.scroll(screen.scrollBar(), step.code, step.pos));
        h.pump();
        EXPECT_EQ(screen.top(), step.top) << step.code;
        expectPageFrom(step.top);
        EXPECT_EQ(h.control(screen.scrollBar()).pos, step.top);
    }
}

TEST_P(IndexTest, DownOnTheLastRowScrollsByOne) {
    IndexDocumentScreen& screen = index();
    focusList();
    const int rows = screen.rowsPerPage();
    for (int i = 0; i < rows - 1; ++i) h.key(VK_DOWN);
    EXPECT_EQ(screen.current(), rows - 1);
    EXPECT_EQ(screen.top(), 0);
    h.key(VK_DOWN);
    EXPECT_EQ(screen.top(), 1);
    EXPECT_EQ(screen.current(), rows);
    EXPECT_EQ(h.control(screen.list()).selected, rows - 1);
    expectPageFrom(1);
    // Up elsewhere only moves the selection; on the first row it scrolls back.
    for (int i = 0; i < rows - 1; ++i) h.key(VK_UP);
    EXPECT_EQ(screen.top(), 1);
    EXPECT_EQ(screen.current(), 1);
    h.key(VK_UP);
    EXPECT_EQ(screen.top(), 0);
    EXPECT_EQ(screen.current(), 0);
}

TEST_P(IndexTest, TypingFindsAnEntryWithThePrefix) {
    IndexDocumentScreen& screen = index();
    ASSERT_TRUE(h.driver.tapWindow(screen.searchBox()));
    h.pump();
    ASSERT_TRUE(h.driver.typeText(u"ty"));
    h.pump();
    const int found = screen.current();
    ASSERT_GE(found, 0);
    EXPECT_TRUE(startsWithIgnoringCase(kIndex[static_cast<size_t>(found)], u"TY")) << found;
    // The entry is shown selected.
    const int row = found - screen.top();
    ASSERT_GE(row, 0);
    EXPECT_EQ(h.control(screen.list()).selected, row);
    EXPECT_EQ(h.column(screen.list())[static_cast<size_t>(row)],
              kIndex[static_cast<size_t>(found)]);
    // Typing in the search box keeps the input panel up.
    EXPECT_TRUE(screen.keyboardUp());
    EXPECT_TRUE(h.ws.shellState().inputPanelUp);
}

TEST_P(IndexTest, LetterKeysInTheListGoToTheSearchBox) {
    IndexDocumentScreen& screen = index();
    focusList();
    h.key('A');
    EXPECT_EQ(h.ws.GetWindowText(screen.searchBox()), u"A");
    EXPECT_TRUE(startsWithIgnoringCase(kIndex[static_cast<size_t>(screen.current())], u"A"));
    // The search box has the focus now: the next letter is typed there.
    EXPECT_EQ(h.ws.GetFocus(), screen.searchBox());
    h.key('S');
    EXPECT_EQ(h.ws.GetWindowText(screen.searchBox()), u"As");
    // No entry starts with "AS": the current entry stays where "A" found it.
    EXPECT_TRUE(startsWithIgnoringCase(kIndex[static_cast<size_t>(screen.current())], u"A"));
    h.key(VK_BACK);
    h.key('B');
    EXPECT_EQ(h.ws.GetWindowText(screen.searchBox()), u"Ab");
    EXPECT_EQ(screen.current(), 1);  // "AbxNavix (sample)", the only one
}

TEST_P(IndexTest, PrefixSearchPastTheLastEntryEndsWithoutAMatch) {
    IndexDocumentScreen& screen = index();
    // "ZZ" sorts after every entry: the search probes up to the last entry and stops there.
    h.ws.SetWindowText(screen.searchBox(), u"zz");
    h.pump();
    EXPECT_EQ(screen.current(), 0);
    EXPECT_EQ(screen.top(), 0);
    // The last entry: the list shows its last page.
    h.ws.SetWindowText(screen.searchBox(), u"Weight-based fluid");
    h.pump();
    EXPECT_EQ(screen.current(), kCount - 1);
    EXPECT_EQ(screen.top(), kCount - screen.rowsPerPage());
}

// The prefix search as the rule gives it, written out for the test: a binary search over the
// entries compared on the search text's length, ignoring case; any entry with the prefix is a
// match (not necessarily the first), and no match leaves the current entry where it was.
int referencePrefixSearch(const std::u16string& typed, int current) {
    const auto up = [](std::u16string t) {
        for (char16_t& c : t) c = c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
        return t;
    };
    const std::u16string text = up(typed);
    int lo = 0;
    int hi = static_cast<int>(kIndex.size()) - 1;
    while (hi >= lo) {
        const int mid = lo + (hi - lo) / 2;
        const int cmp = up(kIndex[static_cast<size_t>(mid)].substr(0, text.size())).compare(text);
        if (cmp == 0) return mid;
        if (cmp < 0) {
            lo = mid + 1;
        } else {
            hi = mid - 1;
        }
    }
    return current;
}

// The position of a sample index entry, found by its label.
int positionOf(const std::u16string& label) {
    const auto at = std::find(kIndex.begin(), kIndex.end(), label);
    EXPECT_NE(at, kIndex.end()) << "not in the sample index";
    return static_cast<int>(at - kIndex.begin());
}

TEST_P(IndexTest, PrefixSearchCasesFromUse) {
    struct Case {
        const char16_t* typed;  // the whole text of the search box, typed letter by letter
        int expected;           // the entry the rule lands on
        const char* why;
    };
    const int sampleC = positionOf(u"Sample document C");
    const Case cases[] = {
        // "Sample document A" comes first, but the halving meets "Sample document C" first.
        {u"s", sampleC, "any entry with the prefix"},
        {u"sa", sampleC, "one of the four sample documents"},
        {u"rs", positionOf(u"RSI Navix (sample)"), "the longer prefix has one entry"},
        {u"ref", positionOf(u"References (sample)"), "the longer prefix has one entry"},
        // No entry starts with "SQ": the entry found for "s" stays.
        {u"sq", sampleC, "no match leaves the current entry"},
        // Nothing starts with "Q": the first entry, current since the start, stays.
        {u"q", 0, "no match leaves the current entry"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        ProgramHarness fresh{GetParam()};
        fresh.start();
        fresh.press(command::kAtoZ);
        IndexDocumentScreen* screen = fresh.screen<IndexDocumentScreen>();
        ASSERT_NE(screen, nullptr);
        ASSERT_TRUE(fresh.driver.tapWindow(screen->searchBox()));
        fresh.pump();
        int model = 0;
        const std::u16string typed = c.typed;
        for (size_t n = 1; n <= typed.size(); ++n) {
            ASSERT_TRUE(fresh.driver.typeText(typed.substr(n - 1, 1)));
            fresh.pump();
            model = referencePrefixSearch(typed.substr(0, n), model);
        }
        EXPECT_EQ(model, c.expected) << "the reference model";
        EXPECT_EQ(screen->current(), c.expected);
    }
}

TEST_P(IndexTest, EnterInTheSearchBoxFindsNextEnterInTheListOpens) {
    IndexDocumentScreen& screen = index();
    ASSERT_TRUE(h.driver.tapWindow(screen.searchBox()));
    h.pump();
    ASSERT_TRUE(h.driver.typeText(u"sample d"));
    h.pump();
    const int found = screen.current();
    const int first = positionOf(u"Sample document A");
    const int last = positionOf(u"Sample document D");
    ASSERT_GE(found, first);
    ASSERT_LE(found, last);
    // Enter in the search box is find-next: the next entry containing the text, not opening it.
    h.key(VK_RETURN);
    EXPECT_EQ(screen.current(), found == last ? first : found + 1);
    EXPECT_NE(h.screen<IndexDocumentScreen>(), nullptr);
    // Enter in the list opens the selected entry.
    const int chosen = screen.current();
    focusList();
    h.key(VK_RETURN);
    EXPECT_EQ(h.screen<IndexDocumentScreen>(), nullptr);
    EXPECT_EQ(h.patient().listPosition(), chosen);
}

TEST_P(IndexTest, FindNextWrapsOnlyFromTheThirdEntryOn) {
    IndexDocumentScreen& screen = index();
    focusList();
    h.key(VK_DOWN);
    ASSERT_EQ(screen.current(), 1);
    // Only entry 0 contains "GRADIENT"; no entry starts with it, so typing moves nothing.
    h.ws.SetWindowText(screen.searchBox(), u"gradient");
    h.pump();
    ASSERT_EQ(screen.current(), 1);
    ASSERT_TRUE(h.driver.tapWindow(screen.findButton()));
    h.pump();
    EXPECT_EQ(screen.current(), 1);  // from entry 1 there is no wrap
    focusList();
    h.key(VK_DOWN);
    ASSERT_EQ(screen.current(), 2);
    ASSERT_TRUE(h.driver.tapWindow(screen.findButton()));
    h.pump();
    EXPECT_EQ(screen.current(), 0);  // from entry 2 it wraps to the beginning
    EXPECT_EQ(h.ws.GetFocus(), screen.searchBox());
}

TEST_P(IndexTest, FindNextMovesToTheNextEntryContainingTheText) {
    IndexDocumentScreen& screen = index();
    h.ws.SetWindowText(screen.searchBox(), u"document");
    h.pump();
    ASSERT_EQ(screen.current(), 0);  // no entry starts with "DOCUMENT"
    // The four sample documents, then back to the first of them.
    const int a = static_cast<int>(std::find(kIndex.begin(), kIndex.end(), u"Sample document A") -
                                   kIndex.begin());
    const int expected[] = {a, a + 1, a + 2, a + 3, a};
    for (const int e : expected) {
        ASSERT_TRUE(h.driver.tapWindow(screen.findButton()));
        h.pump();
        EXPECT_EQ(screen.current(), e);
        EXPECT_EQ(h.control(screen.list()).selected, e - screen.top());
    }
}

TEST_P(IndexTest, TheMarkerOpensTheFullEntryForTwoSeconds) {
    IndexDocumentScreen& screen = index();
    const ControlSnapshot list = h.control(screen.list());
    int row = -1;
    for (size_t r = 0; r < list.rows.size(); ++r) {
        const std::u16string& marker = list.rows[r].cells[1].text;
        if (!marker.empty()) {
            EXPECT_EQ(marker, std::u16string(1, char16_t(187)));
            if (row < 0) row = static_cast<int>(r);
        }
    }
    ASSERT_GE(row, 0) << "no entry of the first page is wider than the text limit";
    const int lh = h.app().lineHeight();
    const POINT at{list.columns[0].width + 5, row * list.itemHeight + list.itemHeight / 2};
    ASSERT_TRUE(h.driver.tapWindowAt(screen.list(), at));
    h.pump();
    const HWND popup = screen.popupWindow();
    ASSERT_TRUE(popup);
    const WindowSnapshot shown = h.snap(popup);
    EXPECT_EQ(shown.className, u"LabelClass");
    EXPECT_TRUE(shown.shown);
    EXPECT_EQ(shown.rect.left, 2);
    EXPECT_EQ(shown.rect.top, std::min(row * 15 + 2 * lh, 300));
    const HWND edit = h.ws.GetDlgItem(popup, 111);
    EXPECT_EQ(h.ws.GetWindowText(edit), list.rows[static_cast<size_t>(row)].cells[0].text);
    // The list keeps the focus; no entry was opened.
    EXPECT_EQ(h.ws.GetFocus(), screen.list());
    EXPECT_EQ(h.currentRequest(), makeRequest(53, 0));

    h.driver.advanceClock(1999);
    h.pump();
    EXPECT_TRUE(h.ws.IsWindow(popup));
    h.driver.advanceClock(1);
    h.pump();
    EXPECT_FALSE(h.ws.IsWindow(popup));
    EXPECT_EQ(h.screen<IndexDocumentScreen>(), &screen);
}

TEST_P(IndexTest, TheMoreCommandShowsTheCaptionUntilAKey) {
    IndexDocumentScreen& screen = index();
    h.ws.SendMessage(h.app().mainWindow(), WM_COMMAND, 40806, 0);
    const HWND popup = screen.popupWindow();
    ASSERT_TRUE(popup);
    EXPECT_EQ(h.snap(popup).rect.top, 2 * h.app().lineHeight());
    EXPECT_EQ(h.ws.GetWindowText(h.ws.GetDlgItem(popup, 111)), u"Orvane 6.0 Index");
    // The popup's edit box has the focus and the popup stays up with it.
    h.pump();
    EXPECT_TRUE(h.ws.IsWindow(popup));
    EXPECT_EQ(h.ws.GetFocus(), h.ws.GetDlgItem(popup, 111));
    h.key(VK_DOWN);
    EXPECT_FALSE(h.ws.IsWindow(popup));
    EXPECT_EQ(h.ws.GetFocus(), screen.list());
}

TEST_P(IndexTest, BackShowsTheListAtTheEntryOpened) {
    IndexDocumentScreen* screen = &index();
    focusList();
    for (int i = 0; i < 15; ++i) h.key(VK_DOWN);
    ASSERT_EQ(screen->current(), 15);  // "Induction Meds (sample)"
    h.key(VK_RETURN);
    EXPECT_EQ(h.currentRequest(), makeRequest(39, 0));
    EXPECT_EQ(h.patient().listPosition(), 15);
    h.press(command::kBack);
    screen = h.screen<IndexDocumentScreen>();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(h.currentRequest(), makeRequest(53, 0));
    EXPECT_EQ(screen->current(), 15);
    // Opened at an entry beyond the first page, the list starts at it (or at the last page).
    const int rows = screen->rowsPerPage();
    const int top = 15 < rows ? 0 : std::min(15, kCount - rows);
    EXPECT_EQ(screen->top(), top);
    EXPECT_EQ(h.control(screen->list()).selected, 15 - top);
    expectPageFrom(top);
}

TEST_P(IndexTest, TappingAnEntryOpensIt) {
    IndexDocumentScreen& screen = index();
    ASSERT_TRUE(h.driver.chooseItem(screen.list(), 6));  // "Calculators (sample)"
    h.pump();
    EXPECT_EQ(h.currentRequest(), makeRequest(59, 0));
    EXPECT_EQ(h.patient().listPosition(), 6);
}

TEST_P(IndexTest, LeftGoesBack) {
    focusList();
    h.key(VK_LEFT);
    EXPECT_NE(h.screen<ModuleListScreen>(), nullptr);
}

TEST_P(IndexTest, TheKeyboardToggleShortensTheList) {
    IndexDocumentScreen& screen = index();
    const int before = h.snap(screen.list()).rect.height();
    ASSERT_TRUE(h.driver.tapWindow(screen.keyboardButton()));
    h.pump();
    EXPECT_TRUE(screen.keyboardUp());
    EXPECT_TRUE(h.ws.shellState().inputPanelUp);
    EXPECT_EQ(h.ws.GetFocus(), screen.searchBox());
    RECT client;
    h.ws.GetClientRect(h.app().mainWindow(), &client);
    const int lh = h.app().lineHeight();
    const int expected = client.bottom - 3 * s() - (lh + 2) - (client.top + 2 * lh) - 84 * s();
    EXPECT_EQ(h.snap(screen.list()).rect.height(), expected);
    EXPECT_LT(expected, before);
    ASSERT_TRUE(h.driver.tapWindow(screen.keyboardButton()));
    h.pump();
    EXPECT_FALSE(screen.keyboardUp());
    EXPECT_FALSE(h.ws.shellState().inputPanelUp);
    EXPECT_EQ(h.snap(screen.list()).rect.height(), expected + 84 * s());
}

INSTANTIATE_TEST_SUITE_P(BothScales, IndexTest,
                         ::testing::Values(test_support::smallScreen(),
                                           test_support::largeScreen()));

// ---- Lists without search, remembered positions, unreadable and missing content ----

class ListTest : public ::testing::TestWithParam<DisplayConfig> {
  protected:
    void open(Request request) {
        if (!h.session) h.start();
        h.app().currentScreen()->Navigate(request);
        h.pump();
    }
    IndexDocumentScreen& screen() {
        IndexDocumentScreen* s = h.screen<IndexDocumentScreen>();
        EXPECT_NE(s, nullptr);
        return *s;
    }
    int s() const { return GetParam().width >= 360 ? 2 : 1; }
    std::vector<std::string> labels(int n) {
        std::vector<std::string> out;
        for (int i = 0; i < n; ++i) out.push_back("Entry " + std::to_string(100 + i));
        return out;
    }

    ProgramHarness h{GetParam()};
};

TEST_P(ListTest, FirstLetterJumpsInAListWithoutSearch) {
    open(makeRequest(59, 0));  // the Calculators menu
    IndexDocumentScreen& list = screen();
    EXPECT_FALSE(list.searchEnabled());
    EXPECT_FALSE(h.shown(list.searchBox()));
    EXPECT_EQ(list.entryCount(), 40);
    h.ws.SetFocus(list.list());
    h.key('B');
    EXPECT_EQ(list.current(), 4);  // "Basal Energy Expenditure"
    h.key(VK_DOWN);
    h.key('B');
    EXPECT_EQ(list.current(), 5);  // "Body Mass Index": the current entry counts
    for (int i = 0; i < 3; ++i) h.key(VK_DOWN);
    ASSERT_EQ(list.current(), 8);
    h.key('B');
    EXPECT_EQ(list.current(), 4);  // none after 8: from the beginning
    // Entries of a list other than the A-Z index are drawn in 0, 0, 43.
    EXPECT_EQ(h.control(list.list()).rows[0].cells[0].textColor, RGB(0, 0, 43));
}

TEST_P(ListTest, ARememberedPositionBeyondTheLastEntryOpensAtTheFirst) {
    h.start();
    for (const int position : {kCount, kCount + 1, 500}) {
        h.patient().setListPosition(position);
        // The A-Z button is hidden on the index itself: the command opens it again.
        h.ws.SendMessage(h.app().mainWindow(), WM_COMMAND, command::kAtoZ, 0);
        h.pump();
        EXPECT_EQ(screen().current(), 0) << position;
        EXPECT_EQ(screen().top(), 0) << position;
        EXPECT_EQ(h.control(screen().list()).selected, 0) << position;
    }
    h.patient().setListPosition(kCount - 1);
    h.ws.SendMessage(h.app().mainWindow(), WM_COMMAND, command::kAtoZ, 0);
    h.pump();
    EXPECT_EQ(screen().current(), kCount - 1);
}

TEST_P(ListTest, ScrollToAPositionStopsAtTheLastPage) {
    h.start();
    h.addModule(59,
                [this](Request) { return std::make_unique<FakeListModule>(labels(30), 1, false); });
    h.patient().setListPosition(20);
    open(makeRequest(59, 0));
    IndexDocumentScreen& list = screen();
    const int rows = list.rowsPerPage();
    ASSERT_LT(rows, 30);
    const int top = std::min(20, 30 - rows);
    EXPECT_EQ(list.top(), top);
    EXPECT_EQ(list.current(), 20);
    EXPECT_EQ(h.control(list.list()).selected, 20 - top);
}

TEST_P(ListTest, AllEntriesOnOnePageHideTheScrollBar) {
    h.start();
    h.addModule(59,
                [this](Request) { return std::make_unique<FakeListModule>(labels(5), 1, false); });
    open(makeRequest(59, 0));
    IndexDocumentScreen& list = screen();
    EXPECT_TRUE(list.allFit());
    EXPECT_FALSE(h.shown(list.scrollBar()));
    const RECT c = h.app().contentRect();
    const int lh = h.app().lineHeight();
    const int w = h.ws.GetSystemMetrics(SM_CXVSCROLL);
    const WindowSnapshot shown = h.snap(list.list());
    EXPECT_EQ(shown.rect,
              (RECT{c.left + 2 * s(), c.top + 2 * lh, c.right - 2 * s(), c.bottom - 3 * s()}));
    const int d = c.right - w - 23 * s() - c.left + w;
    EXPECT_EQ(shown.control.columns[0].width, d);
    EXPECT_EQ(list.textLimit(), d - 20 * s());
    EXPECT_EQ(h.column(list.list()).size(), 5u);
}

TEST_P(ListTest, AnEntryThatCannotBeReadIsAnEmptyRow) {
    h.start();
    h.addModule(53, [this](Request) {
        return std::make_unique<FakeListModule>(labels(40), 1, true, std::set<int32_t>{2});
    });
    h.press(command::kAtoZ);
    IndexDocumentScreen& list = screen();
    EXPECT_TRUE(list.lazy());
    const auto rows = h.column(list.list());
    ASSERT_GT(rows.size(), 3u);
    EXPECT_EQ(rows[1], u"Entry 101");
    EXPECT_EQ(rows[2], u"");
    EXPECT_EQ(rows[3], u"Entry 103");
    // Choosing it opens nothing.
    h.ws.SetFocus(list.list());
    h.key(VK_DOWN);
    h.key(VK_DOWN);
    ASSERT_EQ(list.current(), 2);
    h.key(VK_RETURN);
    EXPECT_EQ(h.screen<IndexDocumentScreen>(), &list);
    EXPECT_EQ(h.currentRequest(), makeRequest(53, 0));
    // A search reading it finds the others.
    h.ws.SetWindowText(list.searchBox(), u"entry 13");
    h.pump();
    EXPECT_TRUE(list.current() >= 30 && list.current() <= 39) << list.current();
}

INSTANTIATE_TEST_SUITE_P(BothScales, ListTest,
                         ::testing::Values(test_support::smallScreen(),
                                           test_support::largeScreen()));

// ---- Missing content ----

struct MissingCase {
    const char* file;  // the database file left out
    Request request;   // what is opened
};

class MissingContentTest : public ::testing::TestWithParam<std::tuple<MissingCase, DisplayConfig>> {
};

TEST_P(MissingContentTest, TheListSaysItsContentIsMissing) {
    const auto& [missing, display] = GetParam();
    ProgramHarness h(display, {missing.file});
    h.start();
    h.app().currentScreen()->Navigate(missing.request);
    h.pump();
    IndexDocumentScreen* screen = h.screen<IndexDocumentScreen>();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(h.shown(screen->missingNote()));
    EXPECT_EQ(h.ws.GetWindowText(screen->missingNote()), index_screen::kMissingContent);
    EXPECT_FALSE(h.shown(screen->list()));
    EXPECT_FALSE(h.shown(screen->scrollBar()));
    EXPECT_FALSE(h.shown(screen->searchBox()));
    // The program goes on: Back returns to the home list.
    h.press(command::kBack);
    EXPECT_NE(h.screen<ModuleListScreen>(), nullptr);
}

TEST_P(MissingContentTest, AModuleNotInThisVersionSaysSo) {
    const DisplayConfig display = std::get<1>(GetParam());
    ProgramHarness h(display, {});
    h.start();
    // Code 30 opens a list screen; here no module answers it (as for a code whose module this
    // version lacks).
    h.addModule(30, [](Request) { return std::unique_ptr<Module>(); });
    h.app().currentScreen()->Navigate(makeRequest(30, 0));
    h.pump();
    IndexDocumentScreen* screen = h.screen<IndexDocumentScreen>();
    ASSERT_NE(screen, nullptr);
    EXPECT_TRUE(h.shown(screen->missingNote()));
    EXPECT_EQ(h.ws.GetWindowText(screen->missingNote()), index_screen::kNoModule);
    EXPECT_FALSE(h.shown(screen->list()));
    h.press(command::kBack);
    EXPECT_NE(h.screen<ModuleListScreen>(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Databases, MissingContentTest,
    ::testing::Combine(::testing::Values(MissingCase{"orvane_index.pdb", makeRequest(53, 0)},
                                         MissingCase{"vemra6_06a.pdb", makeRequest(59, 0)},
                                         MissingCase{"vemra6_08a.pdb", makeRequest(5, 0)}),
                       ::testing::Values(test_support::smallScreen(),
                                         test_support::largeScreen())));

}  // namespace
}  // namespace orvane
