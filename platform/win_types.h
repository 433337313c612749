// The basic value types of Orvane's window system, named as in Win32: message parameters,
// handles, points, rectangles and colours. Handles are small typed numbers, never pointers, so a
// stale handle is detected instead of dereferenced. Holds no behaviour.
#pragma once

#include <compare>
#include <cstddef>
#include <cstdint>

namespace orvane::platform {

using UINT = uint32_t;
using DWORD = uint32_t;
using WORD = uint16_t;
using BYTE = uint8_t;
using LONG = int32_t;
using BOOL = int;
using WPARAM = uintptr_t;
using LPARAM = intptr_t;
using LRESULT = intptr_t;
using LONG_PTR = intptr_t;
using UINT_PTR = uintptr_t;
using COLORREF = uint32_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

// A typed handle; the value 0 is the null handle.
template <class Tag>
class Handle {
  public:
    constexpr Handle() = default;
    constexpr Handle(std::nullptr_t) {}
    constexpr explicit Handle(uint32_t value) : value_(value) {}
    constexpr uint32_t value() const { return value_; }
    constexpr explicit operator bool() const { return value_ != 0; }
    friend constexpr bool operator==(Handle, Handle) = default;
    friend constexpr auto operator<=>(Handle, Handle) = default;

  private:
    uint32_t value_ = 0;
};

using HWND = Handle<struct WindowTag>;
using HDC = Handle<struct DeviceContextTag>;
using HFONT = Handle<struct FontTag>;
using HPEN = Handle<struct PenTag>;
using HBRUSH = Handle<struct BrushTag>;
using HBITMAP = Handle<struct BitmapTag>;
using HIMAGELIST = Handle<struct ImageListTag>;
using HINSTANCE = Handle<struct InstanceTag>;

// A window handle carried in an LPARAM (WM_COMMAND's control, WM_VSCROLL's scroll bar).
inline constexpr LPARAM LParamFromHwnd(HWND hwnd) {
    return static_cast<LPARAM>(hwnd.value());
}
inline constexpr HWND HwndFromLParam(LPARAM lParam) {
    return HWND(static_cast<uint32_t>(lParam));
}
inline constexpr WPARAM WParamFromHwnd(HWND hwnd) {
    return static_cast<WPARAM>(hwnd.value());
}
inline constexpr HWND HwndFromWParam(WPARAM wParam) {
    return HWND(static_cast<uint32_t>(wParam));
}

struct POINT {
    int32_t x = 0;
    int32_t y = 0;
    friend constexpr bool operator==(const POINT&, const POINT&) = default;
};

struct SIZE {
    int32_t cx = 0;
    int32_t cy = 0;
    friend constexpr bool operator==(const SIZE&, const SIZE&) = default;
};

struct RECT {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
    constexpr int32_t width() const { return right - left; }
    constexpr int32_t height() const { return bottom - top; }
    constexpr bool empty() const { return right <= left || bottom <= top; }
    constexpr bool contains(POINT p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    constexpr bool containsRect(const RECT& r) const {
        return r.left >= left && r.top >= top && r.right <= right && r.bottom <= bottom;
    }
    friend constexpr bool operator==(const RECT&, const RECT&) = default;
};

// The union of two rectangles; an empty rectangle adds nothing.
constexpr RECT UnionRect(const RECT& a, const RECT& b) {
    if (a.empty()) return b;
    if (b.empty()) return a;
    return RECT{a.left < b.left ? a.left : b.left, a.top < b.top ? a.top : b.top,
                a.right > b.right ? a.right : b.right, a.bottom > b.bottom ? a.bottom : b.bottom};
}

// The overlap of two rectangles (empty when they do not meet).
constexpr RECT IntersectRect(const RECT& a, const RECT& b) {
    RECT r{a.left > b.left ? a.left : b.left, a.top > b.top ? a.top : b.top,
           a.right < b.right ? a.right : b.right, a.bottom < b.bottom ? a.bottom : b.bottom};
    if (r.empty()) return RECT{};
    return r;
}

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr WORD LOWORD(uintptr_t v) {
    return static_cast<WORD>(v & 0xFFFF);
}
constexpr WORD HIWORD(uintptr_t v) {
    return static_cast<WORD>((v >> 16) & 0xFFFF);
}
constexpr WPARAM MAKEWPARAM(unsigned lo, unsigned hi) {
    return static_cast<WPARAM>((lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16));
}
constexpr LPARAM MAKELPARAM(unsigned lo, unsigned hi) {
    return static_cast<LPARAM>(static_cast<int32_t>((lo & 0xFFFFu) | ((hi & 0xFFFFu) << 16)));
}
// Signed coordinates packed in an LPARAM (mouse messages).
constexpr int GET_X_LPARAM(LPARAM l) {
    return static_cast<int16_t>(l & 0xFFFF);
}
constexpr int GET_Y_LPARAM(LPARAM l) {
    return static_cast<int16_t>((l >> 16) & 0xFFFF);
}

// Date and time as the platform reports local time.
struct SYSTEMTIME {
    WORD wYear = 0;
    WORD wMonth = 0;
    WORD wDayOfWeek = 0;
    WORD wDay = 0;
    WORD wHour = 0;
    WORD wMinute = 0;
    WORD wSecond = 0;
    WORD wMilliseconds = 0;
    friend constexpr bool operator==(const SYSTEMTIME&, const SYSTEMTIME&) = default;
};

// The position a window is about to take, sent with WM_WINDOWPOSCHANGING; the window's procedure
// may change x, y, cx and cy before they are applied.
struct WINDOWPOS {
    HWND hwnd;
    HWND hwndInsertAfter;
    int x = 0;
    int y = 0;
    int cx = 0;
    int cy = 0;
    UINT flags = 0;
};

}  // namespace orvane::platform
