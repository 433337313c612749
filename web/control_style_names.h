// The names under which the page learns how a control looks and behaves: a button's type
// ("push", "checkbox", "radio", "ownerdraw") and the style flags the page draws by ("bitmap",
// "multiline", "noscroll", "nocolumnheader") or offers a keyboard by ("digits": an edit that takes
// digits only, "decimal": an edit that takes a decimal number), so that the page never decodes
// the platform's style bits itself. It names only what changes how a control is drawn or typed
// into in the page; styles the platform handles alone (alignment, notification, scrolling of an
// edit) are left out.
#pragma once

#include <string>
#include <vector>

#include "platform/win_types.h"

namespace orvane::web {

// The type of a button control by its style; "push" for every push-like type.
std::string buttonTypeName(platform::DWORD style);

// The named flags of a control of this snapshot kind ("button", "edit", "listview", ...).
std::vector<std::string> controlFlagNames(const std::string& kind, platform::DWORD style);

}  // namespace orvane::web
