// Orvane's own window system: window classes and windows (parent, children in z-order, identifier,
// style, text, rectangle, visibility, enabled state, focus, user data, replaceable procedure),
// messages (post, re-entrant send, get/peek/translate/dispatch, quit, nested loops), paint
// messages from invalidated windows, timers against an injectable clock, drawing into per-window
// retained display lists, the standard controls, the message box and the shell's input-panel and
// full-screen state. It runs on one thread and the same way headless and behind a front end.
// Not here: the registry, debug output, single-instance lock (their own files) and input
// injection (platform/driver.h).
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/clock.h"
#include "platform/common_controls.h"
#include "platform/control_messages.h"
#include "platform/gdi_objects.h"
#include "platform/gdi_types.h"
#include "platform/idle_waiter.h"
#include "platform/shell_state.h"
#include "platform/window.h"
#include "platform/window_messages.h"
#include "platform/window_procedure.h"

namespace orvane::platform {

// The simulated screen. Top-level windows made with CW_USEDEFAULT fill the screen below the
// task bar. 0 for the font height or scroll-bar width means: 13 and 13 on screens narrower than
// 360 pixels, else 26 and 26.
struct DisplayConfig {
    int width = 240;
    int height = 320;
    int taskbarHeight = 26;
    int systemFontHeight = 0;
    int scrollBarWidth = 0;
};

class WindowSystem {
  public:
    explicit WindowSystem(Clock& clock, DisplayConfig display = {});
    ~WindowSystem();
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;

    Clock& clock() { return clock_; }
    const DisplayConfig& display() const { return display_; }
    // The waiter used when a loop has nothing to do; default: a RealTimeWaiter.
    void setIdleWaiter(IdleWaiter* waiter) { waiter_ = waiter; }

    // ---- Classes ----
    // Class names compare without regard to ASCII case. Registering an existing name fails.
    bool RegisterClass(const WNDCLASS& wc);
    bool GetClassInfo(std::u16string_view className, WNDCLASS* out) const;
    bool UnregisterClass(std::u16string_view className);

    // ---- Windows ----
    // id is the control identifier (the HMENU of a child). WM_CREATE is sent before the
    // function returns (-1 from it destroys the window and gives null). A visible new window is
    // invalidated. New children go to the bottom of their siblings' z-order, as in Win32.
    HWND CreateWindowEx(DWORD exStyle, std::u16string_view className,
                        std::u16string_view windowName, DWORD style, int x, int y, int width,
                        int height, HWND parent, int id = 0, HINSTANCE instance = {},
                        LPARAM createParam = 0);
    // Sends WM_DESTROY to the window, then to its children (recursively), then WM_NCDESTROY
    // children first; removes timers; later messages posted to it are dropped.
    bool DestroyWindow(HWND hwnd);
    bool IsWindow(HWND hwnd) const;
    // A top-level window of the class (and the title, when given), top of the z-order first.
    HWND FindWindow(std::u16string_view className,
                    std::optional<std::u16string_view> windowName = std::nullopt) const;
    HWND GetParent(HWND hwnd) const;
    HWND GetDlgItem(HWND parent, int id) const;
    int GetDlgCtrlID(HWND hwnd) const;
    std::vector<HWND> GetChildren(HWND hwnd) const;
    std::vector<HWND> TopLevelWindows() const { return topLevel_; }
    std::u16string GetClassName(HWND hwnd) const;

    LONG_PTR GetWindowLongPtr(HWND hwnd, int index) const;
    LONG_PTR SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value);
    // The subclassing pair: set a new procedure and keep the returned previous one to call it.
    WNDPROC GetWindowProc(HWND hwnd) const;
    WNDPROC SetWindowProc(HWND hwnd, WNDPROC proc);
    LRESULT CallWindowProc(const WNDPROC& proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Default handling: WM_SETTEXT/GETTEXT/GETTEXTLENGTH on the window text, WM_PAINT (begin and
    // end paint), WM_ERASEBKGND (fills with the class brush), WM_CLOSE (destroys the window),
    // WM_SETFONT/GETFONT, WM_CTLCOLOR* (the window-colour brush), WM_SETCURSOR (0); else 0.
    LRESULT DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    bool SetWindowText(HWND hwnd, std::u16string_view text);
    std::u16string GetWindowText(HWND hwnd);
    int GetWindowTextLength(HWND hwnd);

    // Returns whether the window was visible before.
    bool ShowWindow(HWND hwnd, int command);
    // The window and all its ancestors have WS_VISIBLE.
    bool IsWindowVisible(HWND hwnd) const;
    // Returns whether the window was disabled before. Sends WM_ENABLE.
    bool EnableWindow(HWND hwnd, bool enable);
    bool IsWindowEnabled(HWND hwnd) const;
    bool MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint);
    // insertAfter: HWND_TOP (null), HWND_BOTTOM or a sibling. Sends WM_MOVE/WM_SIZE on change.
    bool SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags);
    bool GetWindowRect(HWND hwnd, RECT* rect) const;  // screen coordinates
    bool GetClientRect(HWND hwnd, RECT* rect) const;  // (0, 0, width, height) inside the border
    bool ClientToScreen(HWND hwnd, POINT* point) const;
    bool ScreenToClient(HWND hwnd, POINT* point) const;
    // The deepest shown window at a screen point (top of the z-order first).
    HWND WindowFromPoint(POINT screen) const;

    // Sends WM_KILLFOCUS to the old and WM_SETFOCUS to the new window; returns the old one.
    // A hidden or disabled window cannot take the focus (returns null, nothing changes).
    HWND SetFocus(HWND hwnd);
    HWND GetFocus() const { return focus_; }
    bool SetForegroundWindow(HWND hwnd);
    HWND GetForegroundWindow() const { return foreground_; }

    int GetSystemMetrics(int index) const;
    COLORREF GetSysColor(int index) const;
    HBRUSH GetSysColorBrush(int index);

    // ---- Messages ----
    // Calls the window procedure at once (re-entrant); 0 for a destroyed window.
    LRESULT SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Queues the message; false for a window that does not exist. A null window is a thread
    // message: GetMessage returns it and DispatchMessage does nothing with it.
    bool PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // Queues keyboard input (WM_KEYDOWN, WM_KEYUP, WM_CHAR) for the window that has the focus
    // when it is taken from the queue (the foreground window when none has it).
    void PostKeyboardMessage(UINT msg, WPARAM wParam, LPARAM lParam);
    // The next GetMessage/PeekMessage that finds no posted message returns WM_QUIT.
    void PostQuitMessage(int exitCode);
    // Order: posted messages, then the quit message, then WM_PAINT for an invalidated shown
    // window (parents before children), then a due WM_TIMER. When none is there the idle waiter
    // runs. Returns false with WM_QUIT.
    bool GetMessage(MSG* msg);
    bool PeekMessage(MSG* msg, UINT removeFlags);
    // Posts WM_CHAR for a key-down of a key that types a character (digits, letters in lower
    // case, space, point, backspace, enter, escape, tab).
    bool TranslateMessage(const MSG* msg);
    // Calls the procedure of the message's window. After a WM_PAINT whose procedure never
    // called BeginPaint the window is validated, so that a procedure that ignores paint
    // messages (as the disclaimer screen does) does not get them forever.
    LRESULT DispatchMessage(const MSG* msg);
    // A nested (or the main) message loop: get, translate and dispatch until done() is true
    // after a dispatch (checked first, too) or the quit message arrives. Returns true when done;
    // false at quit, after posting the quit message again so that the loops around it end too.
    bool RunMessageLoop(const std::function<bool()>& done = {});
    bool quitPosted() const { return quitPending_; }
    // The exit code of the last quit message taken from the queue.
    int exitCode() const { return exitCode_; }
    // Whether anything is ready to dispatch now (posted, quit, paint, due timer).
    bool HasPendingWork() const;

    // ---- Painting ----
    bool InvalidateRect(HWND hwnd, const RECT* rect, bool erase);
    bool ValidateRect(HWND hwnd, const RECT* rect);
    // Sends WM_PAINT at once when the window has an update region.
    bool UpdateWindow(HWND hwnd);
    bool GetUpdateRect(HWND hwnd, RECT* rect) const;

    // ---- Timers ----
    // WM_TIMER (wParam = id, lParam 0) comes every elapseMs of the clock, when the queue is
    // otherwise empty; a late timer fires once, not once per missed period. Setting an existing
    // (window, id) pair restarts it. A null window gets a new id; its timer calls proc.
    UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc = {});
    bool KillTimer(HWND hwnd, UINT_PTR id);
    // Monotonic time of the next due timer, if any.
    std::optional<int64_t> NextTimerDue() const;

    // ---- Drawing ----
    // BeginPaint validates the window, sends WM_ERASEBKGND when erasing is pending, and gives a
    // DC whose drawing is recorded into the window's display list (cleared first when the whole
    // client area is being painted). GetDC drawing outside painting is added to the list.
    HDC BeginPaint(HWND hwnd, PAINTSTRUCT* ps);
    bool EndPaint(HWND hwnd, const PAINTSTRUCT* ps);
    HDC GetDC(HWND hwnd);
    int ReleaseDC(HWND hwnd, HDC dc);
    HDC CreateCompatibleDC(HDC dc);
    bool DeleteDC(HDC dc);
    HWND WindowFromDC(HDC dc) const;

    HFONT CreateFontIndirect(const LOGFONT& font);
    HPEN CreatePen(int style, int width, COLORREF color);
    HBRUSH CreateSolidBrush(COLORREF color);
    HFONT SelectObject(HDC dc, HFONT font);
    HPEN SelectObject(HDC dc, HPEN pen);
    HBRUSH SelectObject(HDC dc, HBRUSH brush);
    HBITMAP SelectObject(HDC dc, HBITMAP bitmap);
    bool DeleteObject(HFONT font);
    bool DeleteObject(HPEN pen);
    bool DeleteObject(HBRUSH brush);
    bool DeleteObject(HBITMAP bitmap);
    HBRUSH GetStockBrush(int which) const { return gdi_.stockBrush(which); }
    HPEN GetStockPen(int which) const { return gdi_.stockPen(which); }
    HFONT GetSystemFont() const { return gdi_.systemFont(); }
    bool GetObject(HFONT font, LOGFONT* out) const;

    bool GetTextMetrics(HDC dc, TEXTMETRIC* tm) const;
    bool GetTextExtentPoint32(HDC dc, std::u16string_view text, SIZE* size) const;
    COLORREF SetTextColor(HDC dc, COLORREF color);
    COLORREF SetBkColor(HDC dc, COLORREF color);
    int SetBkMode(HDC dc, int mode);
    int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
    // Outline with the selected pen, inside filled with the selected brush.
    bool Rectangle(HDC dc, int left, int top, int right, int bottom);
    bool MoveToEx(HDC dc, int x, int y, POINT* previous);
    bool LineTo(HDC dc, int x, int y);
    bool TextOut(HDC dc, int x, int y, std::u16string_view text);
    // Draws text in a rectangle by the DT_* flags ("&" prefixes unless DT_NOPREFIX; end
    // ellipsis; word break; DT_CALCRECT only measures and sets the rectangle's size). Returns
    // the height of the text drawn.
    int DrawText(HDC dc, std::u16string_view text, RECT* rect, UINT format);

    // Bitmaps by resource identifier (sizes registered with registerBitmapResource).
    void registerBitmapResource(int id, int width, int height) {
        gdi_.registerBitmapResource(id, width, height);
    }
    HBITMAP LoadBitmap(HINSTANCE instance, int resourceId);
    HBITMAP LoadImage(HINSTANCE instance, int resourceId, UINT type, int cx, int cy, UINT flags);
    bool GetBitmapSize(HBITMAP bitmap, SIZE* size) const;
    int BitmapResourceId(HBITMAP bitmap) const;
    // Copies from a memory DC with a bitmap selected into a window DC (recorded as a bitmap
    // drawing of the bitmap's resource, source rectangle and destination).
    bool BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, DWORD rop);
    bool StretchBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int sx, int sy, int scx,
                    int scy, DWORD rop);

    HIMAGELIST ImageList_Create(int cx, int cy, UINT flags, int initial, int grow);
    // Adds the bitmap's images (its width / cx of them); returns the first new index or -1.
    int ImageList_Add(HIMAGELIST list, HBITMAP bitmap, HBITMAP mask);
    bool ImageList_Destroy(HIMAGELIST list);
    const ImageListObject* ImageListData(HIMAGELIST list) { return gdi_.imageList(list); }

    // ---- Scroll bar controls (bar must be SB_CTL: the program uses scroll bar windows) ----
    int SetScrollInfo(HWND hwnd, int bar, const SCROLLINFO* info, bool redraw) {
        if (bar != SB_CTL) return 0;
        return static_cast<int>(SendMessage(hwnd, SBM_SETSCROLLINFO, redraw ? TRUE : FALSE,
                                            reinterpret_cast<LPARAM>(info)));
    }
    bool GetScrollInfo(HWND hwnd, int bar, SCROLLINFO* info) {
        if (bar != SB_CTL) return false;
        return SendMessage(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)) != 0;
    }
    int SetScrollPos(HWND hwnd, int bar, int pos, bool redraw) {
        if (bar != SB_CTL) return 0;
        return static_cast<int>(SendMessage(hwnd, SBM_SETPOS, static_cast<WPARAM>(pos), redraw));
    }
    int GetScrollPos(HWND hwnd, int bar) {
        return bar == SB_CTL ? static_cast<int>(SendMessage(hwnd, SBM_GETPOS, 0, 0)) : 0;
    }
    bool SetScrollRange(HWND hwnd, int bar, int minPos, int maxPos, bool) {
        if (bar != SB_CTL) return false;
        SendMessage(hwnd, SBM_SETRANGE, static_cast<WPARAM>(minPos), maxPos);
        return true;
    }

    // ---- Shell services ----
    bool SHFullScreen(HWND hwnd, DWORD state);
    bool SHSipShowIM(DWORD flags);
    const ShellState& shellState() const { return shell_; }
    // Nothing to initialise: the control libraries are part of the window system. Kept so
    // program code reads like its platform's (InitCommonControlsEx, InitHTMLControl).
    bool InitCommonControls() { return true; }
    bool InitHTMLControl(HINSTANCE) { return true; }
    // A modal message box: a window of class "OrvaneMessageBox" with the text and its buttons
    // (identifiers IDOK, IDCANCEL, IDYES, IDNO) owned by owner, which is disabled meanwhile. A
    // nested loop runs until a button is pressed (a tap, or the driver). The quit message ends
    // it with 0 and is posted again.
    int MessageBox(HWND owner, std::u16string_view text, std::u16string_view caption, UINT type);

    // ---- For controls and the driver ----
    Window* windowData(HWND hwnd);
    const Window* windowData(HWND hwnd) const;
    GdiObjects& gdi() { return gdi_; }
    const GdiObjects& gdi() const { return gdi_; }
    // Sends WM_COMMAND (id, code) from a control to its parent.
    LRESULT NotifyParentCommand(HWND control, UINT code);
    // Sends WM_NOTIFY from a control to its parent; the header's window, id and code are set.
    LRESULT NotifyParent(HWND control, NMHDR* header, UINT code);
    // The font a control draws with (WM_SETFONT's, else the system font).
    FontSize WindowFontSize(HWND hwnd) const;
    FontDescription DescribeFont(HFONT font) const;
    HFONT DcFont(HDC dc) const;
    COLORREF DcTextColor(HDC dc) const;
    COLORREF DcBkColor(HDC dc) const;
    // Watched file descriptors: the real-time waiter wakes when one is readable and calls its
    // function. pollWatches(0) checks without waiting.
    void WatchFileDescriptor(int fd, std::function<void()> onReadable);
    void UnwatchFileDescriptor(int fd);
    bool PollWatches(int timeoutMs);
    // The message box open now, if any (its window and texts).
    struct OpenMessageBox {
        HWND window;
        std::u16string text;
        std::u16string caption;
        UINT type = 0;
        int answer = 0;
    };
    const OpenMessageBox* openMessageBox() const {
        return messageBoxes_.empty() ? nullptr : messageBoxes_.back().get();
    }
    // Ends the open message box with an answer (what its buttons do).
    void AnswerMessageBox(HWND box, int answer);

  private:
    struct Timer {
        HWND hwnd;
        UINT_PTR id = 0;
        UINT period = 0;
        int64_t due = 0;
        TIMERPROC proc;
    };
    struct DeviceContext {
        HWND hwnd;
        bool paint = false;
        bool memory = false;
        HFONT font;
        HPEN pen;
        HBRUSH brush;
        HBITMAP bitmap;
        COLORREF textColor = 0;
        COLORREF bkColor = RGB(255, 255, 255);
        int bkMode = OPAQUE;
        POINT current;
    };
    struct WindowClassEntry {
        WNDCLASS wc;
    };

    Window* find(HWND hwnd);
    const Window* find(HWND hwnd) const;
    DeviceContext* dcOf(HDC dc);
    const DeviceContext* dcOf(HDC dc) const;
    void destroyTree(HWND hwnd);
    void removeFromParent(Window& w);
    bool findPaintTarget(HWND hwnd, HWND* out) const;
    bool takeMessage(MSG* msg, bool remove);
    void invalidateUnder(const Window& w);
    RECT clientArea(const Window& w) const;
    POINT clientOrigin(const Window& w) const;
    HWND deepestAt(HWND hwnd, POINT screen) const;
    void record(HDC dc, DrawCommand command);
    RECT dcClip(const DeviceContext& dc) const;
    void registerStandardClasses();
    void registerMessageBoxClass();

    Clock& clock_;
    DisplayConfig display_;
    RealTimeWaiter defaultWaiter_;
    IdleWaiter* waiter_ = &defaultWaiter_;
    GdiObjects gdi_;
    std::map<std::u16string, WindowClassEntry> classes_;  // key: lower-case name
    std::unordered_map<uint32_t, std::unique_ptr<Window>> windows_;
    std::vector<HWND> topLevel_;
    uint32_t nextWindowId_ = 1;
    struct Queued {
        MSG msg;
        bool toFocus = false;
    };
    std::deque<Queued> queue_;
    bool quitPending_ = false;
    int quitCode_ = 0;
    int exitCode_ = 0;
    std::vector<Timer> timers_;
    UINT_PTR nextThreadTimerId_ = 0x7000;
    std::unordered_map<uint32_t, DeviceContext> dcs_;
    uint32_t nextDcId_ = 1;
    HWND focus_;
    HWND foreground_;
    ShellState shell_;
    int sendDepth_ = 0;
    std::map<int, std::function<void()>> watches_;
    std::vector<std::unique_ptr<OpenMessageBox>> messageBoxes_;
    std::map<int, HBRUSH> sysColorBrushes_;
};

}  // namespace orvane::platform
