// The "Button" control: push button, check box, radio button, picture button (BS_BITMAP) and
// owner-drawn button (WM_DRAWITEM to the parent). A tap (down and up inside) or the space key
// clicks it: an automatic check box toggles, then BN_CLICKED goes to the parent. BM_CLICK does
// the same. Programmatic changes send no notification: BM_SETCHECK, BM_SETSTATE, BM_SETIMAGE and
// WM_SETTEXT are silent, as in Win32. A tap gives the button the focus.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct ButtonState final : ControlState {
    WPARAM check = BST_UNCHECKED;
    bool pushed = false;
    HBITMAP bitmap;
    int bitmapId = 0;
    void describe(ControlSnapshot& out) const override {
        out.kind = "button";
        out.checkState = static_cast<int>(check);
        out.pushed = pushed;
        out.bitmapId = bitmapId;
    }
};

DWORD typeOf(WindowSystem& ws, HWND hwnd) {
    return StyleOf(ws, hwnd) & BS_TYPEMASK;
}

bool isCheckKind(DWORD type) {
    return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_RADIOBUTTON ||
           type == BS_AUTORADIOBUTTON;
}

void click(WindowSystem& ws, HWND hwnd) {
    ButtonState* s = ControlStateOf<ButtonState>(ws, hwnd);
    if (!s) return;
    const DWORD type = typeOf(ws, hwnd);
    if (type == BS_AUTOCHECKBOX) {
        s->check = s->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        ws.InvalidateRect(hwnd, nullptr, true);
    } else if (type == BS_AUTORADIOBUTTON) {
        for (HWND sibling : ws.GetChildren(ws.GetParent(hwnd))) {
            if (sibling == hwnd || typeOf(ws, sibling) != BS_AUTORADIOBUTTON) continue;
            if (ButtonState* o = ControlStateOf<ButtonState>(ws, sibling)) {
                o->check = BST_UNCHECKED;
                ws.InvalidateRect(sibling, nullptr, true);
            }
        }
        s->check = BST_CHECKED;
        ws.InvalidateRect(hwnd, nullptr, true);
    }
    ws.NotifyParentCommand(hwnd, BN_CLICKED);
}

void paint(WindowSystem& ws, HWND hwnd, ButtonState& s) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    const DWORD type = typeOf(ws, hwnd);
    const std::u16string text = ws.windowData(hwnd)->text;
    if (type == BS_OWNERDRAW) {
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_BUTTON;
        dis.CtlID = static_cast<UINT>(ws.GetDlgCtrlID(hwnd));
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = (s.pushed ? ODS_SELECTED : 0) | (ws.GetFocus() == hwnd ? ODS_FOCUS : 0) |
                        (ws.IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED);
        dis.hwndItem = hwnd;
        dis.hDC = dc;
        dis.rcItem = client;
        ws.SendMessage(ws.GetParent(hwnd), WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
    } else if (isCheckKind(type)) {
        PaintControlBackground(ws, hwnd, dc, WM_CTLCOLORSTATIC);
        // The box is 12 pixels beside the 13-pixel system font and grows with larger fonts.
        const int fontHeight = FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight;
        const int box = std::max(12, fontHeight * 12 / 13);
        const auto at = [box](int v) { return v * box / 12; };
        const int top = (client.height() - box) / 2;
        ws.SelectObject(dc, ws.GetStockPen(BLACK_PEN));
        ws.SelectObject(dc, ws.GetStockBrush(WHITE_BRUSH));
        ws.Rectangle(dc, 0, top, box, top + box);
        if (s.check == BST_CHECKED) {
            ws.MoveToEx(dc, at(2), top + at(6), nullptr);
            ws.LineTo(dc, at(5), top + at(9));
            ws.LineTo(dc, at(10), top + at(3));
        }
        RECT textRect{box + 4, 0, client.right, client.bottom};
        ws.SetBkMode(dc, TRANSPARENT);
        ws.DrawText(dc, text, &textRect, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    } else {
        ws.SelectObject(dc, ws.GetStockPen(BLACK_PEN));
        HBRUSH face = s.pushed || s.check == BST_CHECKED ? ws.GetStockBrush(GRAY_BRUSH)
                                                         : ws.GetStockBrush(WHITE_BRUSH);
        ws.SelectObject(dc, face);
        ws.Rectangle(dc, 0, 0, client.right, client.bottom);
        SIZE size;
        if ((StyleOf(ws, hwnd) & BS_BITMAP) && s.bitmap && ws.GetBitmapSize(s.bitmap, &size)) {
            HDC mem = ws.CreateCompatibleDC(dc);
            ws.SelectObject(mem, s.bitmap);
            ws.BitBlt(dc, (client.width() - size.cx) / 2, (client.height() - size.cy) / 2, size.cx,
                      size.cy, mem, 0, 0, SRCCOPY);
            ws.DeleteDC(mem);
        } else {
            ws.SetBkMode(dc, TRANSPARENT);
            ws.SetTextColor(dc, s.pushed ? RGB(255, 255, 255) : RGB(0, 0, 0));
            ws.DrawText(dc, text, &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
    }
    ws.EndPaint(hwnd, &ps);
}

}  // namespace

void RegisterButtonControl(WindowSystem& ws) {
    RegisterControlClass(
        ws, kButtonClass, 0, [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            ButtonState* s = ControlStateOf<ButtonState>(ws, hwnd);
            switch (msg) {
                case WM_CREATE:
                    ws.windowData(hwnd)->control = std::make_unique<ButtonState>();
                    return 0;
                case BM_GETCHECK:
                    return s ? static_cast<LRESULT>(s->check) : 0;
                case BM_SETCHECK:
                    if (s && s->check != wParam) {
                        s->check = wParam;
                        ws.InvalidateRect(hwnd, nullptr, true);
                    }
                    return 0;
                case BM_GETSTATE:
                    return s ? static_cast<LRESULT>(s->check | (s->pushed ? BST_PUSHED : 0) |
                                                    (ws.GetFocus() == hwnd ? 8 : 0))
                             : 0;
                case BM_SETSTATE:
                    if (s) {
                        s->pushed = wParam != 0;
                        ws.InvalidateRect(hwnd, nullptr, true);
                    }
                    return 0;
                case BM_SETSTYLE:
                    ws.SetWindowLongPtr(
                        hwnd, GWL_STYLE,
                        static_cast<LONG_PTR>((StyleOf(ws, hwnd) & ~0xFFFFu) | (wParam & 0xFFFFu)));
                    if (lParam) ws.InvalidateRect(hwnd, nullptr, true);
                    return 0;
                case BM_CLICK:
                    if (ws.IsWindowEnabled(hwnd)) click(ws, hwnd);
                    return 0;
                case BM_SETIMAGE: {
                    if (!s || wParam != IMAGE_BITMAP) return 0;
                    HBITMAP old = s->bitmap;
                    s->bitmap = HBITMAP(static_cast<uint32_t>(lParam));
                    s->bitmapId = ws.BitmapResourceId(s->bitmap);
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return static_cast<LRESULT>(old.value());
                }
                case BM_GETIMAGE:
                    return s ? static_cast<LRESULT>(s->bitmap.value()) : 0;
                case WM_LBUTTONDOWN:
                    if (!s) return 0;
                    ws.SetFocus(hwnd);
                    s->pushed = true;
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return 0;
                case WM_LBUTTONUP: {
                    if (!s || !s->pushed) return 0;
                    s->pushed = false;
                    ws.InvalidateRect(hwnd, nullptr, true);
                    RECT client;
                    ws.GetClientRect(hwnd, &client);
                    if (client.contains(PointFromLParam(lParam))) click(ws, hwnd);
                    return 0;
                }
                case WM_KEYDOWN:
                    if (s && wParam == VK_SPACE) {
                        s->pushed = true;
                        ws.InvalidateRect(hwnd, nullptr, true);
                    }
                    return 0;
                case WM_KEYUP:
                    if (s && wParam == VK_SPACE && s->pushed) {
                        s->pushed = false;
                        ws.InvalidateRect(hwnd, nullptr, true);
                        click(ws, hwnd);
                    }
                    return 0;
                case WM_SETFOCUS:
                case WM_KILLFOCUS:
                    ws.InvalidateRect(hwnd, nullptr, true);
                    if (StyleOf(ws, hwnd) & BS_NOTIFY) {
                        ws.NotifyParentCommand(hwnd,
                                               msg == WM_SETFOCUS ? BN_SETFOCUS : BN_KILLFOCUS);
                    }
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
