// The driver's picture of the user interface at one moment: every window with its class, place,
// text, style, visibility, control state and retained drawing, plus the shell state and the open
// message box. Plain records only, to be compared in tests or serialised by a front end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/controls/month_grid.h"
#include "platform/display_list.h"
#include "platform/win_types.h"

namespace orvane::platform {

struct ListViewColumnSnapshot {
    std::u16string text;
    int width = 0;
    int format = 0;
};

struct ListViewCellSnapshot {
    std::u16string text;
    // Decided by custom draw at the last paint (the list's defaults when it was not asked).
    FontDescription font;
    COLORREF textColor = 0;
    COLORREF backColor = 0;
};

struct ListViewRowSnapshot {
    std::vector<ListViewCellSnapshot> cells;  // one per column
    int image = -1;
    bool selected = false;
    bool focused = false;
    LPARAM param = 0;
};

struct ListViewImageSnapshot {
    int bitmapId = 0;
    int sourceLeft = 0;
};

struct ImageRequestSnapshot {
    std::string source;  // the <IMG src> text
    uint32_t cookie = 0;
    int bitmapId = 0;  // 0 while unanswered
    int width = 0;
    int height = 0;
};

// The state of a control; only the fields of its kind are filled.
struct ControlSnapshot {
    std::string kind;  // "static", "button", "edit", "combobox", "listbox", "scrollbar",
                       // "listview", "monthcal", "htmlviewer", "" for plain windows
    // static / button
    int bitmapId = 0;
    int checkState = 0;
    bool pushed = false;
    // edit
    int selStart = 0;
    int selEnd = 0;
    bool readOnly = false;
    std::vector<std::u16string> lines;  // multi-line edits: the lines as wrapped
    // combobox / listbox
    std::vector<std::u16string> items;
    int selected = -1;
    int topIndex = 0;
    bool dropped = false;
    int itemHeight = 0;
    // scrollbar
    int minPos = 0;
    int maxPos = 0;
    int page = 0;
    int pos = 0;
    bool vertical = true;
    // listview
    std::vector<ListViewColumnSnapshot> columns;
    std::vector<ListViewRowSnapshot> rows;
    int countPerPage = 0;
    // The small images a row's image number picks: each a slice of a bitmap resource.
    std::vector<ListViewImageSnapshot> rowImages;
    int rowImageWidth = 0;
    int rowImageHeight = 0;
    // monthcal
    SYSTEMTIME date;
    MonthGrid monthGrid;
    // htmlviewer
    std::string pageText;            // everything added since the last clear
    bool complete = false;           // end-of-source received
    std::string anchor;              // the last anchor scrolled to
    std::vector<std::string> links;  // raw targets of <A HREF> in page order
    std::vector<ImageRequestSnapshot> images;
    int scrollLine = 0;  // lines scrolled by Up/Down
};

struct WindowSnapshot {
    uint32_t handle = 0;
    uint32_t parent = 0;
    std::u16string className;
    std::u16string text;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int id = 0;
    RECT rect;             // in the parent's client coordinates (screen for top-level windows)
    RECT screenRect;       // in screen coordinates
    RECT clientRect;       // client area in the window's own coordinates
    bool visible = false;  // its own WS_VISIBLE
    bool shown = false;    // it and every ancestor visible
    bool enabled = true;
    bool focused = false;
    ControlSnapshot control;
    DisplayList display;
    std::vector<WindowSnapshot> children;  // top of the z-order first
};

struct MessageBoxSnapshot {
    uint32_t window = 0;
    std::u16string caption;
    std::u16string text;
    uint32_t type = 0;
};

struct UiSnapshot {
    int64_t nowMs = 0;
    int screenWidth = 0;
    int screenHeight = 0;
    uint32_t focus = 0;
    uint32_t foreground = 0;
    bool inputPanelUp = false;
    bool inputPanelButtonHidden = false;
    bool taskbarHidden = false;
    std::optional<MessageBoxSnapshot> messageBox;
    std::vector<WindowSnapshot> windows;  // top-level windows, top of the z-order first
};

}  // namespace orvane::platform
