// The "ComboBox" control as a drop-down list (CBS_DROPDOWNLIST): a closed field showing the
// selected entry and, while dropped, a pop-up list window ("ComboLBox") below it. The window is
// made as tall as the closed field; the height given at creation is the dropped list's.
// Notifications: a user's choice (a tap in the dropped list, Up/Down on the focused field, or the
// driver's choice) sends CBN_SELENDOK, CBN_CLOSEUP when it was dropped, then CBN_SELCHANGE when
// the selection changed. Programmatic changes send nothing: CB_SETCURSEL, CB_ADDSTRING,
// CB_INSERTSTRING, CB_DELETESTRING and CB_RESETCONTENT are silent, as in Win32. Dropping and
// closing send CBN_DROPDOWN and CBN_CLOSEUP (also for CB_SHOWDROPDOWN); focus changes send
// CBN_SETFOCUS and CBN_KILLFOCUS.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

constexpr char16_t kDroppedListClass[] = u"ComboLBox";

struct ComboItem {
    std::u16string text;
    LPARAM data = 0;
};

struct ComboState final : ControlState {
    std::vector<ComboItem> items;
    int selected = -1;
    int droppedHeight = 0;
    HWND list;  // the dropped list while dropped
    int itemHeight = 13;
    void describe(ControlSnapshot& out) const override {
        out.kind = "combobox";
        for (const auto& i : items) out.items.push_back(i.text);
        out.selected = selected;
        out.dropped = static_cast<bool>(list);
        out.itemHeight = itemHeight;
    }
};

bool lessNoCase(const std::u16string& a, const std::u16string& b) {
    auto lower = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c;
    };
    return std::lexicographical_compare(
        a.begin(), a.end(), b.begin(), b.end(),
        [&](char16_t x, char16_t y) { return lower(x) < lower(y); });
}

void syncText(WindowSystem& ws, HWND hwnd, ComboState& s) {
    ws.windowData(hwnd)->text =
        s.selected >= 0 ? s.items[static_cast<size_t>(s.selected)].text : std::u16string();
    ws.InvalidateRect(hwnd, nullptr, true);
}

void closeList(WindowSystem& ws, HWND hwnd, ComboState& s) {
    if (!s.list) return;
    HWND list = s.list;
    s.list = HWND{};
    ws.DestroyWindow(list);
    ws.NotifyParentCommand(hwnd, CBN_CLOSEUP);
}

void openList(WindowSystem& ws, HWND hwnd, ComboState& s) {
    if (s.list) return;
    ws.NotifyParentCommand(hwnd, CBN_DROPDOWN);
    RECT r;
    ws.GetWindowRect(hwnd, &r);
    const int wanted = static_cast<int>(s.items.size()) * s.itemHeight + 2;
    const int height = std::max(s.itemHeight + 2, std::min(wanted, s.droppedHeight - r.height()));
    s.list =
        ws.CreateWindowEx(WS_EX_TOPMOST, kDroppedListClass, u"", WS_POPUP | WS_VISIBLE | WS_BORDER,
                          r.left, r.bottom, r.width(), height, hwnd, 0);
}

// A user's choice of entry index (the dropped list, keys or the driver).
void choose(WindowSystem& ws, HWND hwnd, int index) {
    ComboState* s = ControlStateOf<ComboState>(ws, hwnd);
    if (!s || index < 0 || index >= static_cast<int>(s->items.size())) return;
    const bool changed = s->selected != index;
    s->selected = index;
    syncText(ws, hwnd, *s);
    ws.NotifyParentCommand(hwnd, CBN_SELENDOK);
    if (ControlStateOf<ComboState>(ws, hwnd)) closeList(ws, hwnd, *s);
    if (changed && ws.IsWindow(hwnd)) ws.NotifyParentCommand(hwnd, CBN_SELCHANGE);
}

void paint(WindowSystem& ws, HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    ws.SelectObject(dc, ws.GetStockPen(BLACK_PEN));
    ws.SelectObject(dc, ws.GetStockBrush(WHITE_BRUSH));
    ws.Rectangle(dc, 0, 0, client.right, client.bottom);
    const int arrow = client.height();
    RECT textRect{2, 0, client.right - arrow, client.bottom};
    ws.SetBkMode(dc, TRANSPARENT);
    ws.DrawText(dc, ws.windowData(hwnd)->text, &textRect,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ws.MoveToEx(dc, client.right - arrow + 3, client.height() / 2 - 2, nullptr);
    ws.LineTo(dc, client.right - arrow / 2, client.height() / 2 + 2);
    ws.LineTo(dc, client.right - 3, client.height() / 2 - 2);
    ws.EndPaint(hwnd, &ps);
}

LRESULT droppedListProc(WindowSystem& ws, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND combo = ws.GetParent(hwnd);
    ComboState* s = ControlStateOf<ComboState>(ws, combo);
    switch (msg) {
        case WM_LBUTTONUP: {
            if (!s) return 0;
            const int index = GET_Y_LPARAM(lParam) / std::max(1, s->itemHeight);
            choose(ws, combo, index);
            return 0;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ws.BeginPaint(hwnd, &ps);
            RECT client;
            ws.GetClientRect(hwnd, &client);
            ws.FillRect(dc, client, ws.GetStockBrush(WHITE_BRUSH));
            if (s) {
                for (size_t i = 0; i < s->items.size(); ++i) {
                    RECT r{0, static_cast<int>(i) * s->itemHeight, client.right,
                           static_cast<int>(i + 1) * s->itemHeight};
                    if (static_cast<int>(i) == s->selected) {
                        HBRUSH hi = ws.CreateSolidBrush(RGB(0, 0, 128));
                        ws.FillRect(dc, r, hi);
                        ws.DeleteObject(hi);
                        ws.SetTextColor(dc, RGB(255, 255, 255));
                    } else {
                        ws.SetTextColor(dc, RGB(0, 0, 0));
                    }
                    ws.SetBkMode(dc, TRANSPARENT);
                    r.left += 2;
                    ws.DrawText(dc, s->items[i].text, &r, DT_LEFT | DT_SINGLELINE | DT_NOPREFIX);
                }
            }
            ws.EndPaint(hwnd, &ps);
            return 0;
        }
    }
    return ws.DefWindowProc(hwnd, msg, wParam, lParam);
}

}  // namespace

void RegisterComboBoxControl(WindowSystem& ws) {
    RegisterControlClass(ws, kDroppedListClass, 0,
                         [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
                             return droppedListProc(ws, hwnd, msg, wParam, lParam);
                         });
    RegisterControlClass(
        ws, kComboBoxClass, 0, [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            ComboState* s = ControlStateOf<ComboState>(ws, hwnd);
            const int count = s ? static_cast<int>(s->items.size()) : 0;
            switch (msg) {
                case WM_CREATE: {
                    auto state = std::make_unique<ComboState>();
                    const auto* cs = reinterpret_cast<const CREATESTRUCT*>(lParam);
                    state->droppedHeight = cs->cy;
                    state->itemHeight = FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight;
                    ws.windowData(hwnd)->text.clear();
                    ws.windowData(hwnd)->control = std::move(state);
                    // The window itself is the closed field.
                    Window* w = ws.windowData(hwnd);
                    w->rect.bottom =
                        w->rect.top + ControlStateOf<ComboState>(ws, hwnd)->itemHeight + 6;
                    return 0;
                }
                case WM_SETFONT:
                    ws.DefWindowProc(hwnd, msg, wParam, lParam);
                    if (s) {
                        // The closed field follows the new font's height.
                        s->itemHeight = FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight;
                        Window* w = ws.windowData(hwnd);
                        w->rect.bottom = w->rect.top + s->itemHeight + 6;
                    }
                    return 0;
                case WM_WINDOWPOSCHANGING: {
                    // As with the system's drop-down lists, a height given to the box is the
                    // room of its dropped list; the box itself stays as tall as its closed field.
                    auto* pos = reinterpret_cast<WINDOWPOS*>(lParam);
                    if (s && pos && !(pos->flags & SWP_NOSIZE)) {
                        s->droppedHeight = pos->cy;
                        pos->cy = s->itemHeight + 6;
                    }
                    return 0;
                }
                case WM_SIZE:
                    return 0;
                case CB_ADDSTRING:
                case CB_INSERTSTRING: {
                    if (!s) return CB_ERR;
                    const auto* text = reinterpret_cast<const char16_t*>(lParam);
                    ComboItem item{text ? std::u16string(text) : std::u16string(), 0};
                    int index = count;
                    if (msg == CB_INSERTSTRING) {
                        const int at = static_cast<int>(static_cast<intptr_t>(wParam));
                        if (at > count) return CB_ERR;
                        if (at >= 0) index = at;
                    } else if (StyleOf(ws, hwnd) & CBS_SORT) {
                        index = static_cast<int>(
                            std::upper_bound(s->items.begin(), s->items.end(), item,
                                             [](const ComboItem& a, const ComboItem& b) {
                                                 return lessNoCase(a.text, b.text);
                                             }) -
                            s->items.begin());
                    }
                    s->items.insert(s->items.begin() + index, item);
                    if (s->selected >= index) ++s->selected;
                    ws.InvalidateRect(hwnd, nullptr, true);
                    if (s->list) ws.InvalidateRect(s->list, nullptr, true);
                    return index;
                }
                case CB_DELETESTRING: {
                    const int at = static_cast<int>(wParam);
                    if (!s || at < 0 || at >= count) return CB_ERR;
                    s->items.erase(s->items.begin() + at);
                    if (s->selected == at)
                        s->selected = -1;
                    else if (s->selected > at)
                        --s->selected;
                    syncText(ws, hwnd, *s);
                    return count - 1;
                }
                case CB_RESETCONTENT:
                    if (s) {
                        s->items.clear();
                        s->selected = -1;
                        syncText(ws, hwnd, *s);
                    }
                    return 0;
                case CB_GETCOUNT:
                    return count;
                case CB_GETCURSEL:
                    return s ? s->selected : CB_ERR;
                case CB_SETCURSEL: {
                    if (!s) return CB_ERR;
                    const int at = static_cast<int>(static_cast<intptr_t>(wParam));
                    s->selected = (at >= 0 && at < count) ? at : -1;
                    syncText(ws, hwnd, *s);
                    return s->selected >= 0 ? s->selected : CB_ERR;
                }
                case CB_GETLBTEXT: {
                    const int at = static_cast<int>(wParam);
                    if (!s || at < 0 || at >= count || !lParam) return CB_ERR;
                    const auto& text = s->items[static_cast<size_t>(at)].text;
                    auto* out = reinterpret_cast<char16_t*>(lParam);
                    std::copy(text.begin(), text.end(), out);
                    out[text.size()] = 0;
                    return static_cast<LRESULT>(text.size());
                }
                case CB_GETLBTEXTLEN: {
                    const int at = static_cast<int>(wParam);
                    if (!s || at < 0 || at >= count) return CB_ERR;
                    return static_cast<LRESULT>(s->items[static_cast<size_t>(at)].text.size());
                }
                case CB_SETITEMDATA: {
                    const int at = static_cast<int>(wParam);
                    if (!s || at < 0 || at >= count) return CB_ERR;
                    s->items[static_cast<size_t>(at)].data = lParam;
                    return 0;
                }
                case CB_GETITEMDATA: {
                    const int at = static_cast<int>(wParam);
                    if (!s || at < 0 || at >= count) return CB_ERR;
                    return s->items[static_cast<size_t>(at)].data;
                }
                case CB_FINDSTRINGEXACT: {
                    if (!s || !lParam) return CB_ERR;
                    const std::u16string wanted(reinterpret_cast<const char16_t*>(lParam));
                    const int start = static_cast<int>(static_cast<intptr_t>(wParam));
                    for (int k = 0; k < count; ++k) {
                        const int i = (start + 1 + k + count) % count;
                        const auto& t = s->items[static_cast<size_t>(i)].text;
                        if (!lessNoCase(t, wanted) && !lessNoCase(wanted, t)) return i;
                    }
                    return CB_ERR;
                }
                case CB_SHOWDROPDOWN:
                    if (!s) return 0;
                    if (wParam)
                        openList(ws, hwnd, *s);
                    else
                        closeList(ws, hwnd, *s);
                    return TRUE;
                case CB_GETDROPPEDSTATE:
                    return s && s->list ? TRUE : FALSE;
                case WM_ORVANE_CHOOSE:
                    if (s && !s->list) openList(ws, hwnd, *s);
                    choose(ws, hwnd, static_cast<int>(wParam));
                    return 0;
                case WM_LBUTTONDOWN:
                    if (!s) return 0;
                    ws.SetFocus(hwnd);
                    if (s->list)
                        closeList(ws, hwnd, *s);
                    else
                        openList(ws, hwnd, *s);
                    return 0;
                case WM_KEYDOWN:
                    if (!s) return 0;
                    if (wParam == VK_DOWN && s->selected + 1 < count)
                        choose(ws, hwnd, s->selected + 1);
                    if (wParam == VK_UP && s->selected > 0) choose(ws, hwnd, s->selected - 1);
                    return 0;
                case WM_SETFOCUS:
                    ws.NotifyParentCommand(hwnd, CBN_SETFOCUS);
                    return 0;
                case WM_KILLFOCUS:
                    if (s && s->list && ws.IsWindow(s->list)) {
                        ws.NotifyParentCommand(hwnd, CBN_SELENDCANCEL);
                        closeList(ws, hwnd, *s);
                    }
                    ws.NotifyParentCommand(hwnd, CBN_KILLFOCUS);
                    return 0;
                case WM_DESTROY:
                    if (s && s->list) {
                        HWND list = s->list;
                        s->list = HWND{};
                        ws.DestroyWindow(list);
                    }
                    return 0;
                case WM_PAINT:
                    paint(ws, hwnd);
                    return 0;
                case WM_SETTEXT:
                    return FALSE;
            }
            return ws.DefWindowProc(hwnd, msg, wParam, lParam);
        });
}

}  // namespace orvane::platform
