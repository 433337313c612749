// The "SysMonthCal32" control: one month with a selected day (today's local date at creation).
// A user's choice of a day (a tap on a day of the shown month, or the driver's date choice)
// sends MCN_SELCHANGE and then MCN_SELECT (NMSELCHANGE with the date) to the parent.
// MCM_SETCURSEL is silent, as in Win32.
#include <algorithm>
#include <array>

#include "platform/common_controls.h"
#include "platform/controls/control_support.h"
#include "platform/controls/month_grid.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct MonthCalState final : ControlState {
    SYSTEMTIME date;
    MonthGrid grid;  // for the current size and font
    void describe(ControlSnapshot& out) const override {
        out.kind = "monthcal";
        out.date = date;
        out.monthGrid = grid;
    }
};

SYSTEMTIME normalised(SYSTEMTIME t) {
    SYSTEMTIME out = SystemTimeFromMs1601(DaysFromCivil(t.wYear, t.wMonth, t.wDay) * 86400000LL);
    return out;
}

bool validDate(const SYSTEMTIME& t) {
    return t.wYear >= 1601 && t.wYear <= 9999 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
           t.wDay <= DaysInMonth(t.wYear, t.wMonth);
}

// The grid for the control's client area and font.
MonthGrid gridOf(WindowSystem& ws, HWND hwnd) {
    RECT client;
    ws.GetClientRect(hwnd, &client);
    return FitMonthGrid(client.width(), client.height(),
                        FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight);
}

void choose(WindowSystem& ws, HWND hwnd, SYSTEMTIME date) {
    MonthCalState* s = ControlStateOf<MonthCalState>(ws, hwnd);
    if (!s || !validDate(date)) return;
    s->date = normalised(date);
    ws.InvalidateRect(hwnd, nullptr, true);
    NMSELCHANGE change;
    change.stSelStart = change.stSelEnd = s->date;
    ws.NotifyParent(hwnd, &change.nmhdr, MCN_SELCHANGE);
    s = ControlStateOf<MonthCalState>(ws, hwnd);
    if (!s) return;
    NMSELCHANGE select;
    select.stSelStart = select.stSelEnd = s->date;
    ws.NotifyParent(hwnd, &select.nmhdr, MCN_SELECT);
}

void paint(WindowSystem& ws, HWND hwnd, const MonthCalState& s) {
    static constexpr std::array<const char16_t*, 12> kMonths = {
        u"January", u"February", u"March",     u"April",   u"May",      u"June",
        u"July",    u"August",   u"September", u"October", u"November", u"December"};
    static constexpr std::array<const char16_t*, 7> kDays = {u"S", u"M", u"T", u"W",
                                                             u"T", u"F", u"S"};
    PAINTSTRUCT ps;
    HDC dc = ws.BeginPaint(hwnd, &ps);
    RECT client;
    ws.GetClientRect(hwnd, &client);
    ws.FillRect(dc, client, ws.GetStockBrush(WHITE_BRUSH));
    ws.SetBkMode(dc, TRANSPARENT);
    const MonthGrid& g = s.grid;
    // The window's font, or a smaller one of the same kind when its lines do not fit the rows.
    LOGFONT fitted;
    fitted.lfHeight = g.textHeight;
    fitted.lfWeight = ws.WindowFontSize(hwnd).bold ? FW_BOLD : FW_NORMAL;
    HFONT font = ws.CreateFontIndirect(fitted);
    HFONT previous = ws.SelectObject(dc, font);
    std::u16string title = kMonths[static_cast<size_t>(s.date.wMonth - 1)];
    title += u' ';
    for (char c : std::to_string(s.date.wYear)) title += static_cast<char16_t>(c);
    RECT titleRect{0, 0, client.right, g.titleHeight};
    ws.DrawText(dc, title, &titleRect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    for (int d = 0; d < 7; ++d) {
        RECT r{d * g.cellWidth, g.titleHeight, (d + 1) * g.cellWidth,
               g.titleHeight + g.weekdayHeight};
        ws.DrawText(dc, kDays[static_cast<size_t>(d)], &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const int days = DaysInMonth(s.date.wYear, s.date.wMonth);
    for (int day = 1; day <= days; ++day) {
        RECT r = DayCell(g, s.date.wYear, s.date.wMonth, day);
        if (day == s.date.wDay) {
            HBRUSH hi = ws.CreateSolidBrush(RGB(0, 0, 128));
            ws.FillRect(dc, r, hi);
            ws.DeleteObject(hi);
            ws.SetTextColor(dc, RGB(255, 255, 255));
        } else {
            ws.SetTextColor(dc, RGB(0, 0, 0));
        }
        std::u16string label;
        for (char c : std::to_string(day)) label += static_cast<char16_t>(c);
        ws.DrawText(dc, label, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ws.SelectObject(dc, previous);
    ws.DeleteObject(font);
    ws.EndPaint(hwnd, &ps);
}

}  // namespace

void RegisterMonthCalControl(WindowSystem& ws) {
    RegisterControlClass(
        ws, kMonthCalClass, 0, [&ws](HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) -> LRESULT {
            MonthCalState* s = ControlStateOf<MonthCalState>(ws, hwnd);
            switch (msg) {
                case WM_CREATE: {
                    auto state = std::make_unique<MonthCalState>();
                    SYSTEMTIME today = ws.clock().localTime();
                    today.wHour = today.wMinute = today.wSecond = today.wMilliseconds = 0;
                    state->date = normalised(today);
                    ws.windowData(hwnd)->control = std::move(state);
                    return 0;
                }
                case MCM_SETCURSEL: {
                    const auto* t = reinterpret_cast<const SYSTEMTIME*>(lParam);
                    if (!s || !t || !validDate(*t)) return FALSE;
                    s->date = normalised(*t);
                    ws.InvalidateRect(hwnd, nullptr, true);
                    return TRUE;
                }
                case MCM_GETCURSEL: {
                    auto* t = reinterpret_cast<SYSTEMTIME*>(lParam);
                    if (!s || !t) return FALSE;
                    *t = s->date;
                    return TRUE;
                }
                case WM_ORVANE_CHOOSE_DATE:
                    if (lParam) choose(ws, hwnd, *reinterpret_cast<const SYSTEMTIME*>(lParam));
                    return 0;
                case WM_LBUTTONDOWN: {
                    if (!s) return 0;
                    const int day =
                        DayAtPoint(s->grid, s->date.wYear, s->date.wMonth, PointFromLParam(lParam));
                    if (day == 0) return 0;
                    SYSTEMTIME picked = s->date;
                    picked.wDay = static_cast<WORD>(day);
                    choose(ws, hwnd, picked);
                    return 0;
                }
                case WM_SIZE:
                case WM_SETFONT: {
                    const LRESULT result = ws.DefWindowProc(hwnd, msg, wParam, lParam);
                    if (s) s->grid = gridOf(ws, hwnd);
                    return result;
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
