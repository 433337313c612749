// The retained drawing of one window: the operations drawn into it, in client coordinates, in
// order, as plain records a front end can replay (nothing is rasterised here). An opaque fill
// that covers earlier operations completely removes them, so repeated repainting keeps the list
// as long as what is visible, not as long as the window's history.
#pragma once

#include <string>
#include <vector>

#include "platform/win_types.h"

namespace orvane::platform {

struct FontDescription {
    std::u16string face;  // as requested; drawn with DejaVu Sans Condensed
    LONG height = 0;      // LOGFONT height (> 0 cell, < 0 em), never 0
    bool bold = false;
    double emPixels = 0;  // CSS font-size that matches the measurement
    int ascent = 0;       // pixels from a line's top to its baseline
    int lineHeight = 0;   // tmHeight
    friend bool operator==(const FontDescription&, const FontDescription&) = default;
};

enum class DrawKind { FillRect, Rectangle, Line, Text, Bitmap };

struct DrawCommand {
    DrawKind kind = DrawKind::FillRect;
    // FillRect, Rectangle, Bitmap: the destination. Line: from (left, top) to (right, bottom).
    // Text: the layout rectangle given to DrawText (or the text's own box for TextOut).
    RECT rect;
    // Shapes: fill (filled false for the null brush) and outline (outlined false for the null pen).
    bool filled = false;
    COLORREF fillColor = 0;
    bool outlined = false;
    COLORREF lineColor = 0;
    int lineWidth = 1;
    // Text: one line as drawn (prefix "&" removed, ellipsis applied), its top-left position, its
    // measured width, the format flags asked for, the font and colours. underline is the index
    // of the character underlined by a "&" prefix, or -1.
    std::u16string text;
    POINT origin;
    int textWidth = 0;
    UINT format = 0;
    FontDescription font;
    COLORREF textColor = 0;
    bool opaqueBackground = false;
    COLORREF backColor = 0;
    int underline = -1;
    // Bitmap: resource identifier and source rectangle within it (stretched to rect).
    int bitmapId = 0;
    RECT source;
    // The area the operation may touch (after clipping to the client area); used for culling.
    RECT bounds;
};

struct DisplayList {
    std::vector<DrawCommand> commands;

    void clear() { commands.clear(); }
    // Appends an operation; an opaque fill first drops the operations it hides completely.
    void add(DrawCommand command);
};

}  // namespace orvane::platform
