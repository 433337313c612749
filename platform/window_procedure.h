// The window procedure type and the class record of Orvane's window system. A procedure is a
// callable so that a program object can own its handling; a subclass keeps the previous one and
// calls it through WindowSystem::CallWindowProc.
#pragma once

#include <functional>
#include <string>

#include "platform/win_types.h"

namespace orvane::platform {

using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;
using TIMERPROC = std::function<void(HWND, UINT, UINT_PTR, DWORD)>;

struct WNDCLASS {
    UINT style = 0;
    WNDPROC lpfnWndProc;
    HINSTANCE hInstance;
    HBRUSH hbrBackground;
    std::u16string lpszClassName;
};

struct CREATESTRUCT {
    LPARAM lpCreateParams = 0;
    HINSTANCE hInstance;
    HWND hwndParent;
    int cy = 0;
    int cx = 0;
    int y = 0;
    int x = 0;
    DWORD style = 0;
    std::u16string lpszName;
    std::u16string lpszClass;
    DWORD dwExStyle = 0;
};

struct MSG {
    HWND hwnd;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    DWORD time = 0;
    POINT pt;
};

}  // namespace orvane::platform
