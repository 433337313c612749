// The "ScrollBar" control (SBS_VERT or SBS_HORZ): range, page and position. A user's scroll (a
// tap on an arrow, on the track above or below the thumb, or the driver's scroll) sends
// WM_VSCROLL / WM_HSCROLL to the parent with the SB_* code (and the position for thumb codes),
// then SB_ENDSCROLL; the bar does not move by itself: the parent sets the new position, as in
// Win32. Programmatic changes (SBM_SETSCROLLINFO, SBM_SETPOS, SBM_SETRANGE) send nothing.
#include <algorithm>

#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct ScrollState final : ControlState {
    int minPos = 0;
    int maxPos = 100;
    UINT page = 0;
    int pos = 0;
    int trackPos = 0;
    bool vertical = true;
    void describe(ControlSnapshot& out) const override {
        out.kind = "scrollbar";
        out.minPos = minPos;
        out.maxPos = maxPos;
        out.page = static_cast<int>(page);
        out.pos = pos;
        out.vertical = vertical;
    }
    int maxScroll() const {
        return std::max(minPos, maxPos - std::max(0, static_cast<int>(page) - 1));
    }
    void clampPos() { pos = std::clamp(pos, minPos, maxScroll()); }
};

void notify(WindowSystem& ws, HWND hwnd, ScrollState& s, UINT code, int pos) {
    HWND parent = ws.GetParent(hwnd);
    const UINT msg = s.vertical ? WM_VSCROLL : WM_HSCROLL;
    if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) s.trackPos = pos;
    ws.SendMessage(parent, msg, MAKEWPARAM(code, static_cast<unsigned>(pos)), LParamFromHwnd(hwnd));
    if (ws.IsWindow(hwnd) && code != SB_ENDSCROLL && code != SB_THUMBTRACK) {
        ws.SendMessage(parent, msg, MAKEWPARAM(SB_ENDSCROLL, 0), LParamFromHwnd(hwnd));
    }
}

// Thumb geometry along the bar: start and length in pixels.
void thumb(const ScrollState& s, int length, int arrow, int* start, int* size) {
    const int track = std::max(0, length - 2 * arrow);
    const int range = std::max(1, s.maxPos - s.minPos + 1);
    *size = s.page > 0 ? std::max(6, static_cast<int>(static_cast<int64_t>(track) * s.page / range))
                       : std::min(track, arrow);
    *size = std::min(*size, track);
    const int span = std::max(1, s.maxScroll() - s.minPos);
    *start =
        arrow + static_cast<int>(static_cast<int64_t>(track - *size) * (s.pos - s.minPos) / span);
}

void paint(WindowSystem& ws, HWND hwnd, ScrollState& s) {
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    HBRUSH track = ws.CreateSolidBrush(RGB(224, 224, 224));
    ws.FillRect(dc, client, track);
    ws.DeleteObject(track);
    const int length = s.vertical ? client.height() : client.width();
    const int arrow = s.vertical ? client.width() : client.height();
    int start = 0, size = 0;
    thumb(s, length, arrow, &start, &size);
    ws.SelectObject(dc, ws.GetStockPen(BLACK_PEN));
    ws.SelectObject(dc, ws.GetStockBrush(LTGRAY_BRUSH));
    if (s.vertical) {
        ws.Rectangle(dc, 0, 0, arrow, arrow);
        ws.Rectangle(dc, 0, length - arrow, arrow, length);
        ws.Rectangle(dc, 0, start, arrow, start + size);
    } else {
        ws.Rectangle(dc, 0, 0, arrow, arrow);
        ws.Rectangle(dc, length - arrow, 0, length, arrow);
        ws.Rectangle(dc, start, 0, start + size, arrow);
    }
    ws.EndPaint(hwnd, &ps);
}

}  // namespace

void RegisterScrollBarControl(WindowSystem& ws) {
    RegisterControlClass(
        ws, kScrollBarClass, 0,
        [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            ScrollState* s = ControlStateOf<ScrollState>(ws, hwnd);
            switch (msg) {
                case WM_CREATE: {
                    auto state = std::make_unique<ScrollState>();
                    state->vertical = (StyleOf(ws, hwnd) & SBS_VERT) != 0;
                    ws.windowData(hwnd)->control = std::move(state);
                    return 0;
                }
                case SBM_SETSCROLLINFO: {
                    const auto* si = reinterpret_cast<const SCROLLINFO*>(lParam);
                    if (!s || !si) return 0;
                    if (si->fMask & SIF_RANGE) {
                        s->minPos = si->nMin;
                        s->maxPos = std::max(si->nMin, si->nMax);
                    }
                    if (si->fMask & SIF_PAGE) s->page = si->nPage;
                    if (si->fMask & SIF_POS) s->pos = si->nPos;
                    s->clampPos();
                    if (wParam) ws.InvalidateRect(hwnd, nullptr, true);
                    return s->pos;
                }
                case SBM_GETSCROLLINFO: {
                    auto* si = reinterpret_cast<SCROLLINFO*>(lParam);
                    if (!s || !si) return FALSE;
                    if (si->fMask & SIF_RANGE) {
                        si->nMin = s->minPos;
                        si->nMax = s->maxPos;
                    }
                    if (si->fMask & SIF_PAGE) si->nPage = s->page;
                    if (si->fMask & SIF_POS) si->nPos = s->pos;
                    if (si->fMask & SIF_TRACKPOS) si->nTrackPos = s->trackPos;
                    return TRUE;
                }
                case SBM_SETPOS: {
                    if (!s) return 0;
                    const int old = s->pos;
                    s->pos = static_cast<int>(static_cast<intptr_t>(wParam));
                    s->clampPos();
                    if (lParam) ws.InvalidateRect(hwnd, nullptr, true);
                    return old;
                }
                case SBM_GETPOS:
                    return s ? s->pos : 0;
                case SBM_SETRANGE:
                    if (!s) return 0;
                    s->minPos = static_cast<int>(static_cast<intptr_t>(wParam));
                    s->maxPos = std::max(s->minPos, static_cast<int>(lParam));
                    s->clampPos();
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return s->pos;
                case SBM_GETRANGE:
                    if (!s) return 0;
                    if (wParam) *reinterpret_cast<int*>(wParam) = s->minPos;
                    if (lParam) *reinterpret_cast<int*>(lParam) = s->maxPos;
                    return 0;
                case WM_ORVANE_SCROLL:
                    if (s)
                        notify(ws, hwnd, *s, static_cast<UINT>(wParam), static_cast<int>(lParam));
                    return 0;
                case WM_LBUTTONDOWN: {
                    if (!s || !ws.IsWindowEnabled(hwnd)) return 0;
                    RECT client;
                    ws.GetClientRect(hwnd, &client);
                    const POINT p = PointFromLParam(lParam);
                    const int along = s->vertical ? p.y : p.x;
                    const int length = s->vertical ? client.height() : client.width();
                    const int arrow = s->vertical ? client.width() : client.height();
                    int start = 0, size = 0;
                    thumb(*s, length, arrow, &start, &size);
                    if (along < arrow)
                        notify(ws, hwnd, *s, SB_LINEUP, 0);
                    else if (along >= length - arrow)
                        notify(ws, hwnd, *s, SB_LINEDOWN, 0);
                    else if (along < start)
                        notify(ws, hwnd, *s, SB_PAGEUP, 0);
                    else if (along >= start + size)
                        notify(ws, hwnd, *s, SB_PAGEDOWN, 0);
                    return 0;
                }
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
