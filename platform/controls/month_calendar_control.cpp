// The "SysMonthCal32" control: one month with a selected day (today's local date at creation).
// A user's choice of a day (a tap on a day of the shown month, or the driver's date choice)
// sends MCN_SELCHANGE and then MCN_SELECT (NMSELCHANGE with the date) to the parent.
// MCM_SETCURSEL is silent, as in Win32.
#include <algorithm>
#include <array>

#include "platform/common_controls.h"
#include "platform/controls/control_support.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

struct MonthCalState final : ControlState {
    SYSTEMTIME date;
    void describe(ControlSnapshot& out) const override {
        out.kind = "monthcal";
        out.date = date;
    }
};

int daysInMonth(int year, int month) {
    return static_cast<int>(
        DaysFromCivil(month == 12 ? year + 1 : year, month == 12 ? 1 : month + 1, 1) -
        DaysFromCivil(year, month, 1));
}

SYSTEMTIME normalised(SYSTEMTIME t) {
    SYSTEMTIME out = SystemTimeFromMs1601(DaysFromCivil(t.wYear, t.wMonth, t.wDay) * 86400000LL);
    return out;
}

bool validDate(const SYSTEMTIME& t) {
    return t.wYear >= 1601 && t.wYear <= 9999 && t.wMonth >= 1 && t.wMonth <= 12 && t.wDay >= 1 &&
           t.wDay <= daysInMonth(t.wYear, t.wMonth);
}

// Layout: a title row and a weekday row of one line each, then six week rows.
struct Grid {
    int lineHeight;
    int cellWidth;
    int cellHeight;
    int top;
};

Grid gridOf(WindowSystem& ws, HWND hwnd) {
    RECT client;
    ws.GetClientRect(hwnd, &client);
    Grid g;
    g.lineHeight = FontTextMetrics(ws.WindowFontSize(hwnd)).tmHeight;
    g.top = 2 * g.lineHeight + 4;
    g.cellWidth = std::max(1, client.width() / 7);
    g.cellHeight = std::max(1, (client.height() - g.top) / 6);
    return g;
}

int firstColumn(const SYSTEMTIME& t) {
    return SystemTimeFromMs1601(DaysFromCivil(t.wYear, t.wMonth, 1) * 86400000LL).wDayOfWeek;
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
    const Grid g = gridOf(ws, hwnd);
    std::u16string title = kMonths[static_cast<size_t>(s.date.wMonth - 1)];
    title += u' ';
    for (char c : std::to_string(s.date.wYear)) title += static_cast<char16_t>(c);
    RECT titleRect{0, 0, client.right, g.lineHeight + 2};
    ws.DrawText(dc, title, &titleRect, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    for (int d = 0; d < 7; ++d) {
        RECT r{d * g.cellWidth, g.lineHeight + 2, (d + 1) * g.cellWidth, 2 * g.lineHeight + 2};
        ws.DrawText(dc, kDays[static_cast<size_t>(d)], &r, DT_CENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    const int first = firstColumn(s.date);
    const int days = daysInMonth(s.date.wYear, s.date.wMonth);
    for (int day = 1; day <= days; ++day) {
        const int cell = first + day - 1;
        RECT r{(cell % 7) * g.cellWidth, g.top + (cell / 7) * g.cellHeight,
               (cell % 7 + 1) * g.cellWidth, g.top + (cell / 7 + 1) * g.cellHeight};
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
                    const Grid g = gridOf(ws, hwnd);
                    const POINT p = PointFromLParam(lParam);
                    if (p.y < g.top) return 0;
                    const int cell = ((p.y - g.top) / g.cellHeight) * 7 + p.x / g.cellWidth;
                    const int day = cell - firstColumn(s->date) + 1;
                    if (day < 1 || day > daysInMonth(s->date.wYear, s->date.wMonth)) return 0;
                    SYSTEMTIME picked = s->date;
                    picked.wDay = static_cast<WORD>(day);
                    choose(ws, hwnd, picked);
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
