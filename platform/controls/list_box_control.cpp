// The "ListBox" control: a single-selection list of texts. A tap on an entry (or Up/Down on the
// focused list, or the driver's choice) selects it and, with LBS_NOTIFY, sends LBN_SELCHANGE;
// a double tap sends LBN_DBLCLK. Programmatic changes send nothing: LB_SETCURSEL,
// LB_ADDSTRING, LB_INSERTSTRING, LB_DELETESTRING, LB_RESETCONTENT and LB_SETTOPINDEX are silent,
// as in Win32. Focus changes send LBN_SETFOCUS and LBN_KILLFOCUS. The tap handling is in the
// class procedure, so a superclass ("ClickableListBox") that passes WM_LBUTTONDOWN on gets it.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct ListItem {
    std::u16string text;
    LPARAM data = 0;
};

struct ListBoxState final : ControlState {
    std::vector<ListItem> items;
    int selected = -1;
    int top = 0;
    int itemHeight = 13;
    void describe(ControlSnapshot& out) const override {
        out.kind = "listbox";
        for (const auto& i : items) out.items.push_back(i.text);
        out.selected = selected;
        out.topIndex = top;
        out.itemHeight = itemHeight;
    }
};

int visibleRows(WindowSystem& ws, HWND hwnd, const ListBoxState& s) {
    RECT client;
    ws.GetClientRect(hwnd, &client);
    return std::max(1, client.height() / std::max(1, s.itemHeight));
}

void ensureVisible(WindowSystem& ws, HWND hwnd, ListBoxState& s, int index) {
    const int rows = visibleRows(ws, hwnd, s);
    if (index < s.top) s.top = index;
    if (index >= s.top + rows) s.top = index - rows + 1;
    s.top = std::max(0, s.top);
}

void userSelect(WindowSystem& ws, HWND hwnd, ListBoxState& s, int index) {
    if (index < 0 || index >= static_cast<int>(s.items.size())) return;
    s.selected = index;
    ensureVisible(ws, hwnd, s, index);
    ws.InvalidateRect(hwnd, nullptr, true);
    if (StyleOf(ws, hwnd) & LBS_NOTIFY) ws.NotifyParentCommand(hwnd, LBN_SELCHANGE);
}

void paint(WindowSystem& ws, HWND hwnd, ListBoxState& s) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    PaintControlBackground(ws, hwnd, dc, WM_CTLCOLORLISTBOX);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    ws.SetBkMode(dc, TRANSPARENT);
    const COLORREF normal = ws.DcTextColor(dc);
    for (int i = s.top; i < static_cast<int>(s.items.size()); ++i) {
        const int y = (i - s.top) * s.itemHeight;
        if (y >= client.bottom) break;
        RECT r{0, y, client.right, y + s.itemHeight};
        if (i == s.selected) {
            HBRUSH hi = ws.CreateSolidBrush(RGB(0, 0, 128));
            ws.FillRect(dc, r, hi);
            ws.DeleteObject(hi);
            ws.SetTextColor(dc, RGB(255, 255, 255));
        } else {
            ws.SetTextColor(dc, normal);
        }
        r.left += 2;
        ws.DrawText(dc, s.items[static_cast<size_t>(i)].text, &r,
                    DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
    }
    ws.EndPaint(hwnd, &ps);
}

}  // namespace

void RegisterListBoxControl(WindowSystem& ws) {
    RegisterControlClass(
        ws, kListBoxClass, 0, [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            ListBoxState* s = ControlStateOf<ListBoxState>(ws, hwnd);
            const int count = s ? static_cast<int>(s->items.size()) : 0;
            const int at = static_cast<int>(static_cast<intptr_t>(wParam));
            switch (msg) {
                case WM_CREATE: {
                    auto state = std::make_unique<ListBoxState>();
                    state->itemHeight = FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight;
                    ws.windowData(hwnd)->control = std::move(state);
                    return 0;
                }
                case WM_SETFONT:
                    ws.DefWindowProc(hwnd, msg, wParam, lParam);
                    if (s) s->itemHeight = FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight;
                    return 0;
                case LB_ADDSTRING:
                case LB_INSERTSTRING: {
                    if (!s) return LB_ERR;
                    const auto* text = reinterpret_cast<const char16_t*>(lParam);
                    ListItem item{text ? std::u16string(text) : std::u16string(), 0};
                    int index = count;
                    if (msg == LB_INSERTSTRING) {
                        if (at > count) return LB_ERR;
                        if (at >= 0) index = at;
                    } else if (StyleOf(ws, hwnd) & LBS_SORT) {
                        index = static_cast<int>(
                            std::upper_bound(s->items.begin(), s->items.end(), item,
                                             [](const ListItem& a, const ListItem& b) {
                                                 return a.text < b.text;
                                             }) -
                            s->items.begin());
                    }
                    s->items.insert(s->items.begin() + index, item);
                    if (s->selected >= index) ++s->selected;
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return index;
                }
                case LB_DELETESTRING:
                    if (!s || at < 0 || at >= count) return LB_ERR;
                    s->items.erase(s->items.begin() + at);
                    if (s->selected == at)
                        s->selected = -1;
                    else if (s->selected > at)
                        --s->selected;
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return count - 1;
                case LB_RESETCONTENT:
                    if (s) {
                        s->items.clear();
                        s->selected = -1;
                        s->top = 0;
                        ws.InvalidateRect(hwnd, nullptr, true);
                    }
                    return 0;
                case LB_SETCURSEL:
                    if (!s) return LB_ERR;
                    s->selected = (at >= 0 && at < count) ? at : -1;
                    if (s->selected >= 0) ensureVisible(ws, hwnd, *s, s->selected);
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return s->selected >= 0 ? s->selected : LB_ERR;
                case LB_GETCURSEL:
                    return s ? s->selected : LB_ERR;
                case LB_GETCOUNT:
                    return count;
                case LB_GETTEXT: {
                    if (!s || at < 0 || at >= count || !lParam) return LB_ERR;
                    const auto& text = s->items[static_cast<size_t>(at)].text;
                    auto* out = reinterpret_cast<char16_t*>(lParam);
                    std::copy(text.begin(), text.end(), out);
                    out[text.size()] = 0;
                    return static_cast<LRESULT>(text.size());
                }
                case LB_GETTEXTLEN:
                    if (!s || at < 0 || at >= count) return LB_ERR;
                    return static_cast<LRESULT>(s->items[static_cast<size_t>(at)].text.size());
                case LB_GETTOPINDEX:
                    return s ? s->top : 0;
                case LB_SETTOPINDEX:
                    if (!s || at < 0 || (at >= count && count > 0)) return LB_ERR;
                    s->top = at;
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return 0;
                case LB_SETITEMDATA:
                    if (!s || at < 0 || at >= count) return LB_ERR;
                    s->items[static_cast<size_t>(at)].data = lParam;
                    return 0;
                case LB_GETITEMDATA:
                    if (!s || at < 0 || at >= count) return LB_ERR;
                    return s->items[static_cast<size_t>(at)].data;
                case LB_GETITEMHEIGHT:
                    return s ? s->itemHeight : 0;
                case WM_ORVANE_CHOOSE:
                    if (s) userSelect(ws, hwnd, *s, at);
                    return 0;
                case WM_LBUTTONDOWN:
                    ws.SetFocus(hwnd);
                    if (s)
                        userSelect(ws, hwnd, *s,
                                   s->top + GET_Y_LPARAM(lParam) / std::max(1, s->itemHeight));
                    return 0;
                case WM_LBUTTONDBLCLK:
                    if (s && (StyleOf(ws, hwnd) & LBS_NOTIFY))
                        ws.NotifyParentCommand(hwnd, LBN_DBLCLK);
                    return 0;
                case WM_KEYDOWN:
                    if (!s) return 0;
                    if (wParam == VK_DOWN)
                        userSelect(ws, hwnd, *s, std::min(count - 1, s->selected + 1));
                    if (wParam == VK_UP) userSelect(ws, hwnd, *s, std::max(0, s->selected - 1));
                    return 0;
                case WM_SETFOCUS:
                    ws.InvalidateRect(hwnd, nullptr, false);
                    ws.NotifyParentCommand(hwnd, LBN_SETFOCUS);
                    return 0;
                case WM_KILLFOCUS:
                    ws.InvalidateRect(hwnd, nullptr, false);
                    ws.NotifyParentCommand(hwnd, LBN_KILLFOCUS);
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
