// Small helpers shared by the standard controls: reaching a control's private state, registering
// a control class, reading mouse positions, and the private messages through which the driver
// performs a user's choice on a control (so that the control sends the notifications a real
// choice sends). Not a public interface for the program.
#pragma once

#include <string>

#include "platform/window_system.h"

namespace orvane::platform {

// Driver input messages (in the class-private message range, clear of the controls' own).
// WM_ORVANE_CHOOSE: the user picks item wParam (combo box, list box, list view).
inline constexpr UINT WM_ORVANE_CHOOSE = 0x7F00;
// WM_ORVANE_ACTIVATE: the user double-taps item wParam of a list view.
inline constexpr UINT WM_ORVANE_ACTIVATE = 0x7F01;
// WM_ORVANE_CHOOSE_DATE: the user picks the date at lParam (const SYSTEMTIME*).
inline constexpr UINT WM_ORVANE_CHOOSE_DATE = 0x7F02;
// WM_ORVANE_LINK_TAP: the user taps the link whose raw target is lParam (const char*).
inline constexpr UINT WM_ORVANE_LINK_TAP = 0x7F03;
// WM_ORVANE_SCROLL: the user scrolls a scroll bar: wParam the SB_* code, lParam the position.
inline constexpr UINT WM_ORVANE_SCROLL = 0x7F04;

template <class T>
T* ControlStateOf(WindowSystem& ws, HWND hwnd) {
    Window* w = ws.windowData(hwnd);
    return w ? dynamic_cast<T*>(w->control.get()) : nullptr;
}

inline void RegisterControlClass(WindowSystem& ws, std::u16string name, UINT style, WNDPROC proc) {
    WNDCLASS wc;
    wc.style = style;
    wc.lpfnWndProc = std::move(proc);
    wc.lpszClassName = std::move(name);
    ws.RegisterClass(wc);
}

inline POINT PointFromLParam(LPARAM lParam) {
    return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
}

inline DWORD StyleOf(WindowSystem& ws, HWND hwnd) {
    return static_cast<DWORD>(ws.GetWindowLongPtr(hwnd, GWL_STYLE));
}

// Asks the parent for the colours of a control (WM_CTLCOLOR*) and fills the client area with
// the brush it returns (nothing when it returns none).
inline void PaintControlBackground(WindowSystem& ws, HWND hwnd, HDC dc, UINT colorMessage) {
    HWND parent = ws.GetParent(hwnd);
    const LRESULT brush =
        parent ? ws.SendMessage(parent, colorMessage, dc.value(), LParamFromHwnd(hwnd)) : 0;
    RECT client;
    ws.GetClientRect(hwnd, &client);
    if (brush) ws.FillRect(dc, client, HBRUSH(static_cast<uint32_t>(brush)));
}

}  // namespace orvane::platform
