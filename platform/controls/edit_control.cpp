// The "Edit" control: single- or multi-line text with a selection. Typing (WM_CHAR), Backspace,
// Delete and EM_REPLACESEL change the text and send EN_UPDATE then EN_CHANGE to the parent.
// WM_SETTEXT on a single-line edit also sends EN_UPDATE and EN_CHANGE, as Win32 does; on a
// multi-line edit it sends none (Win32's documented exception). EM_SETSEL and EM_LIMITTEXT send
// nothing. ES_NUMBER refuses typed characters other than digits (text set by program is taken
// as is); ES_READONLY refuses typing. Focus changes send EN_SETFOCUS and EN_KILLFOCUS; a tap
// gives the edit the focus and puts the caret at the nearest character boundary.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct EditState final : ControlState {
    int selStart = 0;
    int selEnd = 0;
    int limit = 30000;
    bool readOnly = false;
    std::vector<std::u16string> lines;  // filled for multi-line edits when described
    void describe(ControlSnapshot& out) const override {
        out.kind = "edit";
        out.selStart = selStart;
        out.selEnd = selEnd;
        out.readOnly = readOnly;
        out.lines = lines;
    }
};

std::u16string& textOf(WindowSystem& ws, HWND hwnd) {
    return ws.windowData(hwnd)->text;
}

std::vector<std::u16string> wrapped(WindowSystem& ws, HWND hwnd) {
    RECT client;
    ws.GetClientRect(hwnd, &client);
    const DWORD style = StyleOf(ws, hwnd);
    return BreakLines(textOf(ws, hwnd), client.width() - 2, ws.WindowFontSize(hwnd),
                      !(style & ES_AUTOHSCROLL));
}

void changed(WindowSystem& ws, HWND hwnd) {
    ws.InvalidateRect(hwnd, nullptr, true);
    if (EditState* s = ControlStateOf<EditState>(ws, hwnd);
        s && (StyleOf(ws, hwnd) & ES_MULTILINE)) {
        s->lines = wrapped(ws, hwnd);
    }
    ws.NotifyParentCommand(hwnd, EN_UPDATE);
    ws.NotifyParentCommand(hwnd, EN_CHANGE);
}

std::u16string applyCase(WindowSystem& ws, HWND hwnd, std::u16string text) {
    const DWORD style = StyleOf(ws, hwnd);
    for (char16_t& c : text) {
        if ((style & ES_UPPERCASE) && c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - 32);
        if ((style & ES_LOWERCASE) && c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c + 32);
    }
    return text;
}

// Replaces the selection; returns whether the text changed.
bool replaceSelection(WindowSystem& ws, HWND hwnd, EditState& s, std::u16string insert) {
    std::u16string& text = textOf(ws, hwnd);
    const int start = std::min(s.selStart, s.selEnd);
    const int end = std::max(s.selStart, s.selEnd);
    const int room = s.limit - (static_cast<int>(text.size()) - (end - start));
    if (static_cast<int>(insert.size()) > room) {
        insert.resize(static_cast<size_t>(std::max(0, room)));
        ws.NotifyParentCommand(hwnd, EN_MAXTEXT);
        if (insert.empty() && start == end) return false;
    }
    insert = applyCase(ws, hwnd, std::move(insert));
    text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), insert);
    s.selStart = s.selEnd = start + static_cast<int>(insert.size());
    return true;
}

void typeChar(WindowSystem& ws, HWND hwnd, EditState& s, char16_t ch) {
    const DWORD style = StyleOf(ws, hwnd);
    if (s.readOnly) return;
    std::u16string& text = textOf(ws, hwnd);
    if (ch == 8) {
        if (s.selStart == s.selEnd) {
            if (s.selStart == 0) return;
            s.selStart -= 1;
        }
        replaceSelection(ws, hwnd, s, u"");
        changed(ws, hwnd);
        return;
    }
    if (ch == 13) {
        if (!(style & ES_MULTILINE)) return;
        if (replaceSelection(ws, hwnd, s, u"\r\n")) changed(ws, hwnd);
        return;
    }
    if (ch < 32) return;
    if ((style & ES_NUMBER) && (ch < u'0' || ch > u'9')) return;
    (void)text;
    if (replaceSelection(ws, hwnd, s, std::u16string(1, ch))) changed(ws, hwnd);
}

int caretFromX(WindowSystem& ws, HWND hwnd, int x) {
    const std::u16string& text = textOf(ws, hwnd);
    const FontSize font = ws.WindowFontSize(hwnd);
    int best = 0;
    int bestDistance = std::abs(x - 1);
    for (size_t i = 1; i <= text.size(); ++i) {
        const int w = 1 + MeasureText(std::u16string_view(text).substr(0, i), font);
        if (std::abs(x - w) < bestDistance) {
            bestDistance = std::abs(x - w);
            best = static_cast<int>(i);
        }
    }
    return best;
}

void paint(WindowSystem& ws, HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    const DWORD style = StyleOf(ws, hwnd);
    EditState* s = ControlStateOf<EditState>(ws, hwnd);
    const bool greyed = (s && s->readOnly) || !ws.IsWindowEnabled(hwnd);
    PaintControlBackground(ws, hwnd, dc, greyed ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT);
    ws.SetBkMode(dc, TRANSPARENT);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    UINT align = DT_LEFT;
    if (style & ES_CENTER) align = DT_CENTER;
    if (style & ES_RIGHT) align = DT_RIGHT;
    TEXTMETRIC tm;
    ws.GetTextMetrics(dc, &tm);
    std::vector<std::u16string> lines;
    if (style & ES_MULTILINE) {
        lines = wrapped(ws, hwnd);
    } else {
        lines.push_back(textOf(ws, hwnd));
    }
    int y = 0;
    for (const auto& line : lines) {
        RECT r{1, y, client.right - 1, y + tm.tmHeight};
        ws.DrawText(dc, line, &r, align | DT_SINGLELINE | DT_NOPREFIX);
        y += tm.tmHeight;
    }
    ws.EndPaint(hwnd, &ps);
}

}  // namespace

void RegisterEditControl(WindowSystem& ws) {
    RegisterControlClass(
        ws, kEditClass, 0, [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            EditState* s = ControlStateOf<EditState>(ws, hwnd);
            switch (msg) {
                case WM_CREATE: {
                    auto state = std::make_unique<EditState>();
                    state->readOnly = (StyleOf(ws, hwnd) & ES_READONLY) != 0;
                    ws.windowData(hwnd)->control = std::move(state);
                    if (StyleOf(ws, hwnd) & ES_MULTILINE) {
                        ControlStateOf<EditState>(ws, hwnd)->lines = wrapped(ws, hwnd);
                    }
                    return 0;
                }
                case WM_SIZE:
                    if (s && (StyleOf(ws, hwnd) & ES_MULTILINE)) s->lines = wrapped(ws, hwnd);
                    return 0;
                case WM_SETTEXT: {
                    const auto* text = reinterpret_cast<const char16_t*>(lParam);
                    textOf(ws, hwnd) = text ? std::u16string(text) : std::u16string();
                    if (s) s->selStart = s->selEnd = 0;
                    if (StyleOf(ws, hwnd) & ES_MULTILINE) {
                        if (s) s->lines = wrapped(ws, hwnd);
                        ws.InvalidateRect(hwnd, nullptr, true);
                    } else {
                        changed(ws, hwnd);
                    }
                    return TRUE;
                }
                case WM_CHAR:
                    if (s) typeChar(ws, hwnd, *s, static_cast<char16_t>(wParam));
                    return 0;
                case WM_KEYDOWN: {
                    if (!s) return 0;
                    const int len = static_cast<int>(textOf(ws, hwnd).size());
                    const int caret = s->selEnd;
                    switch (wParam) {
                        case VK_LEFT:
                            s->selStart = s->selEnd =
                                std::max(0, std::min(s->selStart, caret) -
                                                (s->selStart == s->selEnd ? 1 : 0));
                            break;
                        case VK_RIGHT:
                            s->selStart = s->selEnd =
                                std::min(len, std::max(s->selStart, caret) +
                                                  (s->selStart == s->selEnd ? 1 : 0));
                            break;
                        case VK_HOME:
                            s->selStart = s->selEnd = 0;
                            break;
                        case VK_END:
                            s->selStart = s->selEnd = len;
                            break;
                        case VK_DELETE:
                            if (s->readOnly) break;
                            if (s->selStart == s->selEnd) {
                                if (s->selEnd >= len) break;
                                s->selEnd += 1;
                            }
                            replaceSelection(ws, hwnd, *s, u"");
                            changed(ws, hwnd);
                            break;
                        default:
                            break;
                    }
                    return 0;
                }
                case EM_GETSEL: {
                    if (!s) return 0;
                    const int a = std::min(s->selStart, s->selEnd),
                              b = std::max(s->selStart, s->selEnd);
                    if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(a);
                    if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(b);
                    return static_cast<LRESULT>(
                        MAKELPARAM(static_cast<unsigned>(a), static_cast<unsigned>(b)));
                }
                case EM_SETSEL: {
                    if (!s) return 0;
                    const int len = static_cast<int>(textOf(ws, hwnd).size());
                    const int start = static_cast<int>(static_cast<intptr_t>(wParam));
                    const int end = static_cast<int>(lParam);
                    if (start == -1) {
                        s->selStart = s->selEnd;
                    } else {
                        const int a = std::clamp(start, 0, len);
                        const int b = end < 0 ? len : std::clamp(end, 0, len);
                        s->selStart = std::min(a, b);
                        s->selEnd = std::max(a, b);
                    }
                    ws.InvalidateRect(hwnd, nullptr, false);
                    return 0;
                }
                case EM_REPLACESEL: {
                    if (!s) return 0;
                    const auto* text = reinterpret_cast<const char16_t*>(lParam);
                    if (replaceSelection(ws, hwnd, *s,
                                         text ? std::u16string(text) : std::u16string())) {
                        changed(ws, hwnd);
                    }
                    return 0;
                }
                case EM_LIMITTEXT:
                    if (s) s->limit = wParam == 0 ? 0x7FFFFFFE : static_cast<int>(wParam);
                    return 0;
                case EM_GETLIMITTEXT:
                    return s ? s->limit : 0;
                case EM_SETREADONLY: {
                    if (!s) return 0;
                    s->readOnly = wParam != 0;
                    DWORD style = StyleOf(ws, hwnd);
                    style = s->readOnly ? (style | ES_READONLY) : (style & ~ES_READONLY);
                    ws.SetWindowLongPtr(hwnd, GWL_STYLE, static_cast<LONG_PTR>(style));
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return TRUE;
                }
                case EM_GETLINECOUNT:
                    if (!(StyleOf(ws, hwnd) & ES_MULTILINE)) return 1;
                    return static_cast<LRESULT>(std::max<size_t>(1, wrapped(ws, hwnd).size()));
                case WM_LBUTTONDOWN:
                    ws.SetFocus(hwnd);
                    if (s && !(StyleOf(ws, hwnd) & ES_MULTILINE)) {
                        s->selStart = s->selEnd = caretFromX(ws, hwnd, GET_X_LPARAM(lParam));
                    } else if (s) {
                        s->selStart = s->selEnd = static_cast<int>(textOf(ws, hwnd).size());
                    }
                    return 0;
                case WM_SETFOCUS:
                    ws.InvalidateRect(hwnd, nullptr, false);
                    ws.NotifyParentCommand(hwnd, EN_SETFOCUS);
                    return 0;
                case WM_KILLFOCUS:
                    ws.InvalidateRect(hwnd, nullptr, false);
                    ws.NotifyParentCommand(hwnd, EN_KILLFOCUS);
                    return 0;
                case WM_PAINT:
                    paint(ws, hwnd);
                    return 0;
            }
            return ws.DefWindowProc(hwnd, msg, wParam, lParam);
        });
}

}  // namespace orvane::platform
