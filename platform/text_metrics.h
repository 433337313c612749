// Deterministic text measurement from the advance widths of DejaVu Sans Condensed (Debian
// fonts-dejavu-extra), the face the browser page also draws with. A font is its LOGFONT height
// (> 0 cell height, < 0 em height, in pixels) and boldness; no kerning, no shaping. A run's width
// is the sum of its advances scaled to pixels and rounded once, to nearest, halves up.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi_types.h"

namespace orvane::platform {

// A resolved font size: never 0 (the system font height is substituted before).
struct FontSize {
    LONG height = 13;
    bool bold = false;
};

// Advance of one character in font units (the missing-glyph advance when not covered).
int GlyphAdvanceUnits(char16_t c, bool bold);
// Units per em of the face (2048).
int FontUnitsPerEm();

// Width in pixels of a single line of text.
int MeasureText(std::u16string_view text, FontSize font);
// The CSS font-size (em height in pixels) the browser must use to match MeasureText.
double FontEmPixels(FontSize font);
TEXTMETRIC FontTextMetrics(FontSize font);

// Breaks text into lines no wider than width where possible: at CR LF / LF always, and with
// wordBreak also between words (a word wider than the line stays whole on its own line).
std::vector<std::u16string> BreakLines(std::u16string_view text, int width, FontSize font,
                                       bool wordBreak);

// Text shortened from the end with "..." so that it fits width (Win32's DT_END_ELLIPSIS).
std::u16string EllipsizeEnd(std::u16string_view text, int width, FontSize font);

}  // namespace orvane::platform
