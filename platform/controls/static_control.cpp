// The "Static" control: a text label or a picture (SS_BITMAP). With SS_NOTIFY a tap sends
// STN_CLICKED to the parent; without it taps fall through to the window beneath.
// Programmatic changes (WM_SETTEXT, STM_SETIMAGE) send no notification. A picture control
// takes the size of the bitmap it is given, as in Win32.
#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct StaticState final : ControlState {
    HBITMAP bitmap;
    int bitmapId = 0;
    void describe(ControlSnapshot& out) const override {
        out.kind = "static";
        out.bitmapId = bitmapId;
    }
};

void paint(WindowSystem& ws, HWND hwnd, StaticState& s) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    const DWORD style = StyleOf(ws, hwnd);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    if ((style & SS_TYPEMASK) == SS_BITMAP) {
        SIZE size;
        if (s.bitmap && ws.GetBitmapSize(s.bitmap, &size)) {
            HDC mem = ws.CreateCompatibleDC(dc);
            ws.SelectObject(mem, s.bitmap);
            int x = 0, y = 0;
            if (style & SS_CENTERIMAGE) {
                x = (client.width() - size.cx) / 2;
                y = (client.height() - size.cy) / 2;
            }
            ws.BitBlt(dc, x, y, size.cx, size.cy, mem, 0, 0, SRCCOPY);
            ws.DeleteDC(mem);
        }
    } else {
        PaintControlBackground(ws, hwnd, dc, WM_CTLCOLORSTATIC);
        UINT format = DT_LEFT;
        if ((style & SS_TYPEMASK) == SS_CENTER) format = DT_CENTER;
        if ((style & SS_TYPEMASK) == SS_RIGHT) format = DT_RIGHT;
        if (style & SS_CENTERIMAGE) {
            format |= DT_VCENTER | DT_SINGLELINE;
        } else if ((style & SS_TYPEMASK) != SS_LEFTNOWORDWRAP) {
            format |= DT_WORDBREAK;
        }
        ws.SetBkMode(dc, TRANSPARENT);
        ws.DrawText(dc, ws.windowData(hwnd)->text, &client, format);
    }
    ws.EndPaint(hwnd, &ps);
}

}  // namespace

void RegisterStaticControl(WindowSystem& ws) {
    RegisterControlClass(ws, kStaticClass, 0,
                         [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
                             StaticState* s = ControlStateOf<StaticState>(ws, hwnd);
                             switch (msg) {
                                 case WM_CREATE:
                                     ws.windowData(hwnd)->control = std::make_unique<StaticState>();
                                     return 0;
                                 case STM_SETIMAGE: {
                                     if (!s || wParam != IMAGE_BITMAP) return 0;
                                     HBITMAP old = s->bitmap;
                                     s->bitmap = HBITMAP(static_cast<uint32_t>(lParam));
                                     s->bitmapId = ws.BitmapResourceId(s->bitmap);
                                     SIZE size;
                                     if ((StyleOf(ws, hwnd) & SS_TYPEMASK) == SS_BITMAP &&
                                         !(StyleOf(ws, hwnd) & SS_CENTERIMAGE) &&
                                         ws.GetBitmapSize(s->bitmap, &size)) {
                                         ws.SetWindowPos(hwnd, HWND_TOP, 0, 0, size.cx, size.cy,
                                                         SWP_NOMOVE | SWP_NOZORDER);
                                     }
                                     ws.InvalidateRect(hwnd, nullptr, true);
                                     return static_cast<LRESULT>(old.value());
                                 }
                                 case STM_GETIMAGE:
                                     return s ? static_cast<LRESULT>(s->bitmap.value()) : 0;
                                 case WM_LBUTTONUP:
                                     if (StyleOf(ws, hwnd) & SS_NOTIFY)
                                         ws.NotifyParentCommand(hwnd, STN_CLICKED);
                                     return 0;
                                 case WM_LBUTTONDBLCLK:
                                     if (StyleOf(ws, hwnd) & SS_NOTIFY)
                                         ws.NotifyParentCommand(hwnd, STN_DBLCLK);
                                     return 0;
                                 case WM_PAINT:
                                     if (s) {
                                         paint(ws, hwnd, *s);
                                         return 0;
                                     }
                                     break;
                             }
                             return ws.DefWindowProc(hwnd, msg, wParam, lParam);
                         });
}

}  // namespace orvane::platform
