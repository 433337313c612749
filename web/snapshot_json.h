// The JSON form of a window-tree snapshot that the browser page draws: the screen, the shell
// state, the open message box and every shown window (hidden windows and their children are
// left out: nothing of them is on the screen) with its place in screen coordinates, border,
// state, control state (its kind, a button's type and its style flags by name, never the raw
// style bits) and display list. Texts become UTF-8 (page texts byte by byte). Colours
// are "#rrggbb". The snapshot's clock is left out, so that an unchanged screen gives the same
// text. The page reads these fields as web/static/snapshot.js describes them (every key, the short
// ones spelled out): a field added, renamed or dropped here is changed there too.
#pragma once

#include <functional>
#include <nlohmann/json.hpp>
#include <optional>

#include "platform/driver.h"
#include "platform/ui_snapshot.h"

namespace orvane::web {

// The size of a program bitmap by resource identifier, if it is known.
using BitmapSizeLookup = std::function<std::optional<platform::SIZE>(int)>;

struct ScreenFacts {
    int taskbarHeight = 0;
};

nlohmann::json snapshotToJson(const platform::UiSnapshot& snapshot, const ScreenFacts& facts,
                              const BitmapSizeLookup& bitmapSize);

// The screen as a front end publishes it: the driver's snapshot of the window system now, with
// the system's task bar and bitmap sizes, as JSON text.
std::string screenJsonText(const platform::Driver& driver, const platform::WindowSystem& system);

}  // namespace orvane::web
