// The names the page gets for a button's type and a control's style flags.
#include "web/control_style_names.h"

#include <gtest/gtest.h>

#include "platform/common_controls.h"
#include "platform/control_messages.h"

namespace orvane::web {
namespace {

using namespace platform;

struct TypeCase {
    DWORD style;
    const char* name;
};

TEST(ControlStyleNames, ButtonTypes) {
    const TypeCase cases[] = {
        {BS_PUSHBUTTON, "push"},
        {BS_DEFPUSHBUTTON, "push"},
        {BS_PUSHBUTTON | BS_BITMAP | BS_CENTER, "push"},
        {BS_CHECKBOX, "checkbox"},
        {BS_AUTOCHECKBOX | BS_NOTIFY, "checkbox"},
        {BS_RADIOBUTTON, "radio"},
        {BS_AUTORADIOBUTTON | BS_PUSHLIKE, "radio"},
        {BS_OWNERDRAW | BS_NOTIFY, "ownerdraw"},
    };
    for (const TypeCase& c : cases) {
        EXPECT_EQ(buttonTypeName(c.style), c.name) << std::hex << c.style;
    }
}

struct FlagCase {
    const char* kind;
    DWORD style;
    std::vector<std::string> names;
};

TEST(ControlStyleNames, FlagsBelongToTheirKind) {
    const FlagCase cases[] = {
        {"button", BS_AUTOCHECKBOX | BS_BITMAP, {"bitmap"}},
        {"button", BS_RADIOBUTTON, {}},
        {"edit", ES_MULTILINE | ES_AUTOVSCROLL, {"multiline"}},
        {"edit", ES_READONLY | ES_AUTOHSCROLL, {}},
        // What keyboard fits: digits only, or a decimal number (a weight, a calculator value).
        {"edit", ES_NUMBER | ES_AUTOHSCROLL, {"digits"}},
        {"edit", ES_DECIMAL | ES_AUTOHSCROLL, {"decimal"}},
        {"edit", ES_MULTILINE | ES_DECIMAL, {"multiline", "decimal"}},
        {"static", ES_NUMBER | ES_DECIMAL, {}},
        {"listview",
         LVS_REPORT | LVS_NOSCROLL | LVS_NOCOLUMNHEADER,
         {"noscroll", "nocolumnheader"}},
        {"listview", LVS_REPORT | LVS_SINGLESEL, {}},
        // The same bits mean something else, or nothing, in other kinds.
        {"listbox", LVS_NOSCROLL | LVS_NOCOLUMNHEADER, {}},
        {"static", BS_BITMAP | ES_MULTILINE, {}},
        {"", BS_BITMAP, {}},
    };
    for (const FlagCase& c : cases) {
        EXPECT_EQ(controlFlagNames(c.kind, c.style), c.names)
            << c.kind << " " << std::hex << c.style;
    }
}

}  // namespace
}  // namespace orvane::web
