#include "screens/screen_support.h"

#include "foundation/typed_number.h"
#include "foundation/windows1252.h"
#include "platform/typed_controls.h"
#include "platform/window_system.h"
#include "rendering/plain_text.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;

ScreenUnits screenUnits(const PPCOrvaneApp& app) {
    ScreenUnits u;
    u.c = app.contentRect();
    u.s = u.c.width() >= 360 ? 2 : 1;
    u.icon = u.s == 2 ? 32 : 16;
    u.lh = app.lineHeight();
    u.rh = u.lh + 2;
    return u;
}

std::string narrowText(std::u16string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char16_t ch : text) {
        const std::optional<unsigned char> byte = windows1252FromWide(ch);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

std::u16string controlText(std::string_view text) {
    std::u16string wide = widenWindows1252(text);
    toPlainText(wide);
    return wide;
}

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    size_t at = 0;
    while ((at = text.find(from, at)) != std::string::npos) {
        text.replace(at, from.size(), to);
        at += to.size();
    }
}

}  // namespace

std::u16string captionText(std::string_view caption) {
    std::string text(caption);
    replaceAll(text, "<=", "<SC id=10>");
    replaceAll(text, "=<", "<SC id=10>");
    replaceAll(text, "=>", "<SC id=11>");
    replaceAll(text, ">=", "<SC id=11>");
    return controlText(text);
}

HWND makeControl(PPCOrvaneApp& app, std::u16string_view className, std::u16string_view text,
                 DWORD style, int32_t x, int32_t y, int32_t width, int32_t height, HWND parent,
                 int32_t id) {
    return app.windows().CreateWindowEx(0, className, text, WS_CHILD | style, x, y, width, height,
                                        parent, id, app.instance());
}

std::string controlTextOf(PPCOrvaneApp& app, HWND control, int32_t maxChars) {
    if (!control) return {};
    std::u16string text = app.windows().GetWindowText(control);
    if (static_cast<int32_t>(text.size()) > maxChars) text.resize(static_cast<size_t>(maxChars));
    return narrowText(text);
}

std::string numberBoxText(PPCOrvaneApp& app, HWND box) {
    if (!box) return {};
    return narrowText(app.windows().GetWindowText(box));
}

void typeIntoNumberBox(PPCOrvaneApp& app, HWND box, char16_t key) {
    if (!box) return;
    const TypingBox typing(app.windows(), box);
    if (key == u'.') {
        // What stays of the text once the key replaces the selection.
        std::u16string kept = typing.text();
        DWORD start = 0;
        DWORD end = 0;
        typing.selection(start, end);
        if (start < end && end <= kept.size()) kept.erase(start, end - start);
        if (hasDecimalPoint(narrowText(kept))) return;
    }
    typing.type(key);
}

void showControl(PPCOrvaneApp& app, HWND control, bool shown) {
    if (control) app.windows().ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
}

HBITMAP setButtonBitmap(PPCOrvaneApp& app, HWND button, int32_t bitmapId, int32_t width,
                        int32_t height) {
    WindowSystem& ws = app.windows();
    if (ws.gdi().bitmapResource(bitmapId) == nullptr) {
        ws.registerBitmapResource(bitmapId, width, height);
    }
    const HBITMAP bitmap = ws.LoadBitmap(app.instance(), bitmapId);
    if (button && bitmap) PictureButton(ws, button).setBitmap(bitmap);
    return bitmap;
}

}  // namespace orvane
