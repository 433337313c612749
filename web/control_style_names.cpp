#include "web/control_style_names.h"

#include "platform/common_controls.h"
#include "platform/control_messages.h"

namespace orvane::web {

using namespace platform;

namespace {

struct NamedFlag {
    const char* kind;
    DWORD bit;
    const char* name;
};

// clang-format off
constexpr NamedFlag kNamedFlags[] = {
    {"button", BS_BITMAP, "bitmap"},
    {"edit", ES_MULTILINE, "multiline"},
    {"edit", ES_NUMBER, "digits"},
    {"edit", ES_DECIMAL, "decimal"},
    {"listview", LVS_NOSCROLL, "noscroll"},
    {"listview", LVS_NOCOLUMNHEADER, "nocolumnheader"},
};
// clang-format on

}  // namespace

std::string buttonTypeName(DWORD style) {
    switch (style & BS_TYPEMASK) {
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
            return "checkbox";
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return "radio";
        case BS_OWNERDRAW:
            return "ownerdraw";
        default:
            return "push";
    }
}

std::vector<std::string> controlFlagNames(const std::string& kind, DWORD style) {
    std::vector<std::string> names;
    for (const NamedFlag& flag : kNamedFlags) {
        if (kind == flag.kind && (style & flag.bit) != 0) names.emplace_back(flag.name);
    }
    return names;
}

}  // namespace orvane::web
