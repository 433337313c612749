// Small helpers shared by the document and calculator screens: the layout units of a screen
// (content rectangle, scale, icon size, line and row height), 8-bit to 16-bit text for native
// controls, making a child control, reading a control's text back, and the caption text with its
// comparison signs and private codes turned into characters. No screen state lives here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/win_types.h"

namespace orvane {

class PPCOrvaneApp;

// The layout units every screen computes once: (L, T, R, B) of the content rectangle, scale s
// (1 below 360 pixels of content width, else 2), icon size (16 or 32), line height and row height
// (line height + 2).
struct ScreenUnits {
    platform::RECT c;
    int32_t s = 1;
    int32_t icon = 16;
    int32_t lh = 0;
    int32_t rh = 0;
};

ScreenUnits screenUnits(const PPCOrvaneApp& app);

// A control's text back to the program's 8-bit text (Windows-1252); a character outside the code
// page becomes '?'.
std::string narrowText(std::u16string_view text);

// Content text for a native control: widened, private codes "<SC id=N>" become characters.
std::u16string controlText(std::string_view text);

// The caption as the caption band draws it: "<=" and "=<" become the private code 10, "=>" and
// ">=" the code 11, then widened with every private code turned into its character.
std::u16string captionText(std::string_view caption);

// A child control of the given class (hidden unless the style has WS_VISIBLE).
platform::HWND makeControl(PPCOrvaneApp& app, std::u16string_view className,
                           std::u16string_view text, platform::DWORD style, int32_t x, int32_t y,
                           int32_t width, int32_t height, platform::HWND parent, int32_t id);

// A control's text, at most maxChars characters, as 8-bit text.
std::string controlTextOf(PPCOrvaneApp& app, platform::HWND control, int32_t maxChars = 32);
// The whole text of a number box: a typed number is read from all of it, never from the part
// that fits a buffer.
std::string numberBoxText(PPCOrvaneApp& app, platform::HWND box);
// Types a key into a number box as the keypad does: the decimal point only when the box holds
// none yet (a second one would make the text no number).
void typeIntoNumberBox(PPCOrvaneApp& app, platform::HWND box, char16_t key);

// Shows or hides a window when it exists.
void showControl(PPCOrvaneApp& app, platform::HWND control, bool shown);

// Loads a bitmap resource (registering its size first when the platform does not know it yet)
// and puts it on a picture button.
platform::HBITMAP setButtonBitmap(PPCOrvaneApp& app, platform::HWND button, int32_t bitmapId,
                                  int32_t width, int32_t height);

}  // namespace orvane
