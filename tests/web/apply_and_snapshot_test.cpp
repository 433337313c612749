// Input applied to a live window tree, and the JSON form of what it then shows.
#include <gtest/gtest.h>

#include "platform/common_controls.h"
#include "platform/control_messages.h"
#include "tests/support/window_harness.h"
#include "web/input_command.h"
#include "web/snapshot_json.h"

namespace orvane::web {
namespace {

using namespace platform;
using nlohmann::json;
using Harness = test_support::WindowHarness;

LPARAM text(const char16_t* s) {
    return reinterpret_cast<LPARAM>(s);
}

InputCommand choose(HWND window, int index) {
    InputCommand c;
    c.kind = InputKind::Choose;
    c.window = window.value();
    c.index = index;
    return c;
}

json uiOf(Harness& h) {
    return snapshotToJson(h.driver.snapshot(), ScreenFacts{26},
                          [](int) -> std::optional<SIZE> { return std::nullopt; });
}

const json* findWindow(const json& windows, uint32_t handle) {
    for (const json& w : windows) {
        if (w["h"] == handle) return &w;
        if (const json* found = findWindow(w["kids"], handle)) return found;
    }
    return nullptr;
}

TEST(ApplyInput, ChoiceReachesTheControlAndTheSnapshotShowsIt) {
    Harness h;
    HWND combo = h.child(kComboBoxClass, CBS_DROPDOWNLIST, 40307, RECT{0, 0, 70, 80});
    for (const char16_t* s : {u"Pounds", u"Kilograms"})
        h.ws.SendMessage(combo, CB_ADDSTRING, 0, text(s));
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, choose(combo, 1)), InputOutcome::Delivered);
    h.driver.pumpUntilIdle();
    const json ui = uiOf(h);
    const json* w = findWindow(ui["windows"], combo.value());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ((*w)["ctl"]["kind"], "combobox");
    EXPECT_EQ((*w)["ctl"]["selected"], 1);
    EXPECT_EQ((*w)["ctl"]["items"], json::array({"Pounds", "Kilograms"}));
}

TEST(ApplyInput, StaleAndWrongWindowsChangeNothing) {
    Harness h;
    HWND combo = h.child(kComboBoxClass, CBS_DROPDOWNLIST, 40307, RECT{0, 0, 70, 80});
    h.ws.SendMessage(combo, CB_ADDSTRING, 0, text(u"Only"));
    HWND button = h.child(u"Button", BS_PUSHBUTTON, 7, RECT{0, 100, 50, 120}, u"OK");
    const std::string before = uiOf(h).dump();

    EXPECT_EQ(applyInputCommand(h.driver, h.ws, choose(combo, 5)), InputOutcome::Refused);
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, choose(button, 0)), InputOutcome::Refused);
    InputCommand link;
    link.kind = InputKind::Link;
    link.window = combo.value();
    link.target = "12";
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, link), InputOutcome::Refused);
    h.ws.DestroyWindow(button);
    h.driver.pumpUntilIdle();
    const std::string afterDestroy = uiOf(h).dump();
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, choose(button, 0)), InputOutcome::StaleWindow);
    EXPECT_EQ(h.driver.pumpUntilIdle(), 0);
    EXPECT_EQ(uiOf(h).dump(), afterDestroy);
    EXPECT_NE(before, afterDestroy);
    EXPECT_TRUE(h.commands(40307).empty());
}

TEST(ApplyInput, TapsAndKeysGoThroughThePlatform) {
    Harness h;
    HWND box = h.child(u"Button", BS_AUTOCHECKBOX, 9, RECT{0, 0, 100, 20}, u"Don't show");
    InputCommand tap;
    tap.kind = InputKind::Tap;
    RECT r;
    h.ws.GetWindowRect(box, &r);
    tap.x = r.left + 5;
    tap.y = r.top + 5;
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, tap), InputOutcome::Delivered);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.SendMessage(box, BM_GETCHECK, 0, 0), BST_CHECKED);

    InputCommand nowhere = tap;
    nowhere.x = -50;
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, nowhere), InputOutcome::Ignored);

    HWND edit = h.child(u"Edit", 0, 10, RECT{0, 40, 100, 60});
    h.ws.SetFocus(edit);
    InputCommand typed;
    typed.kind = InputKind::Characters;
    typed.text = u"72.5";
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, typed), InputOutcome::Delivered);
    InputCommand back;
    back.kind = InputKind::Key;
    back.vk = VK_BACK;
    EXPECT_EQ(applyInputCommand(h.driver, h.ws, back), InputOutcome::Delivered);
    h.driver.pumpUntilIdle();
    EXPECT_EQ(h.ws.GetWindowText(edit), u"72.");
    const json ui = uiOf(h);
    const json* w = findWindow(ui["windows"], edit.value());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ((*w)["text"], "72.");
    EXPECT_EQ((*w)["focused"], true);
}

TEST(SnapshotJson, LeavesOutHiddenWindowsAndTheClock) {
    Harness h;
    HWND shown = h.child(u"Button", BS_PUSHBUTTON, 1, RECT{0, 0, 50, 20}, u"Shown");
    HWND hidden = h.child(u"Button", BS_PUSHBUTTON, 2, RECT{0, 30, 50, 50}, u"Hidden");
    h.ws.ShowWindow(hidden, SW_HIDE);
    h.driver.pumpUntilIdle();
    const std::string first = uiOf(h).dump();
    h.clock.advance(5000);
    EXPECT_EQ(uiOf(h).dump(), first);
    const json ui = json::parse(first);
    EXPECT_NE(findWindow(ui["windows"], shown.value()), nullptr);
    EXPECT_EQ(findWindow(ui["windows"], hidden.value()), nullptr);
    EXPECT_EQ(ui["screen"]["taskbar"], 26);
}

TEST(SnapshotJson, NamesEachControlsTypeAndFlagsInsteadOfStyleBits) {
    Harness h;
    struct Case {
        HWND window;
        const char* kind;
        const char* type;  // buttons only
        json flags;
    };
    const Case cases[] = {
        {h.child(kButtonClass, BS_PUSHBUTTON, 1, RECT{0, 0, 50, 20}, u"OK"), "button", "push",
         json::array()},
        {h.child(kButtonClass, BS_AUTOCHECKBOX, 2, RECT{0, 20, 50, 40}, u"Tick"), "button",
         "checkbox", json::array()},
        {h.child(kButtonClass, BS_AUTORADIOBUTTON, 3, RECT{0, 40, 50, 60}, u"One"), "button",
         "radio", json::array()},
        {h.child(kButtonClass, BS_OWNERDRAW, 4, RECT{0, 60, 50, 80}), "button", "ownerdraw",
         json::array()},
        {h.child(kButtonClass, BS_PUSHBUTTON | BS_BITMAP, 5, RECT{0, 80, 50, 100}), "button",
         "push", json::array({"bitmap"})},
        {h.child(kEditClass, ES_MULTILINE, 6, RECT{60, 0, 110, 40}), "edit", nullptr,
         json::array({"multiline"})},
        {h.child(kEditClass, ES_READONLY, 7, RECT{60, 40, 110, 60}), "edit", nullptr,
         json::array()},
        {h.child(kListViewClass, LVS_REPORT | LVS_NOCOLUMNHEADER, 8, RECT{120, 0, 200, 80}),
         "listview", nullptr, json::array({"nocolumnheader"})},
    };
    h.driver.pumpUntilIdle();
    const json ui = uiOf(h);
    for (const Case& c : cases) {
        const json* w = findWindow(ui["windows"], c.window.value());
        ASSERT_NE(w, nullptr);
        EXPECT_FALSE(w->contains("style"));
        EXPECT_FALSE(w->contains("exStyle"));
        const json& ctl = (*w)["ctl"];
        EXPECT_EQ(ctl["kind"], c.kind);
        EXPECT_EQ(ctl["flags"], c.flags) << (*w)["id"];
        if (c.type) {
            EXPECT_EQ(ctl["type"], c.type);
        } else {
            EXPECT_FALSE(ctl.contains("type"));
        }
    }
}

}  // namespace
}  // namespace orvane::web
