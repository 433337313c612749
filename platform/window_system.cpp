#include "platform/window_system.h"

#include <algorithm>

#include "foundation/fatal.h"
#include "platform/common_controls.h"
#include "platform/controls/standard_controls.h"

namespace orvane::platform {

namespace {

std::u16string classKey(std::u16string_view name) {
    std::u16string key(name);
    for (char16_t& c : key) {
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    }
    return key;
}

int borderOf(const Window& w) {
    if (w.exStyle & WS_EX_CLIENTEDGE) return 2;
    if (w.style & WS_BORDER) return 1;
    return 0;
}

}  // namespace

WindowSystem::WindowSystem(Clock& clock, DisplayConfig display)
    : clock_(clock),
      display_([&] {
          const bool large = display.width >= 360;
          if (display.systemFontHeight == 0) display.systemFontHeight = large ? 26 : 13;
          if (display.scrollBarWidth == 0) display.scrollBarWidth = large ? 26 : 13;
          return display;
      }()),
      gdi_(display_.systemFontHeight) {
    RegisterStaticControl(*this);
    RegisterButtonControl(*this);
    RegisterEditControl(*this);
    RegisterComboBoxControl(*this);
    RegisterListBoxControl(*this);
    RegisterScrollBarControl(*this);
    RegisterListViewControl(*this);
    RegisterMonthCalControl(*this);
    RegisterHtmlViewerControl(*this);
    RegisterMessageBoxClass(*this);
}

WindowSystem::~WindowSystem() {
    // Destroy what is left so that every procedure sees its WM_DESTROY.
    while (!topLevel_.empty()) {
        HWND h = topLevel_.front();
        if (!DestroyWindow(h)) {
            topLevel_.erase(topLevel_.begin());
        }
    }
}

// ---- Classes ----

bool WindowSystem::RegisterClass(const WNDCLASS& wc) {
    if (wc.lpszClassName.empty() || !wc.lpfnWndProc) return false;
    auto key = classKey(wc.lpszClassName);
    if (classes_.count(key)) return false;
    classes_[key] = WindowClassEntry{wc};
    return true;
}

bool WindowSystem::GetClassInfo(std::u16string_view className, WNDCLASS* out) const {
    auto it = classes_.find(classKey(className));
    if (it == classes_.end()) return false;
    if (out) *out = it->second.wc;
    return true;
}

bool WindowSystem::UnregisterClass(std::u16string_view className) {
    return classes_.erase(classKey(className)) > 0;
}

// ---- Windows ----

Window* WindowSystem::find(HWND hwnd) {
    auto it = windows_.find(hwnd.value());
    return it == windows_.end() ? nullptr : it->second.get();
}

const Window* WindowSystem::find(HWND hwnd) const {
    auto it = windows_.find(hwnd.value());
    return it == windows_.end() ? nullptr : it->second.get();
}

Window* WindowSystem::windowData(HWND hwnd) {
    return find(hwnd);
}
const Window* WindowSystem::windowData(HWND hwnd) const {
    return find(hwnd);
}

HWND WindowSystem::CreateWindowEx(DWORD exStyle, std::u16string_view className,
                                  std::u16string_view windowName, DWORD style, int x, int y,
                                  int width, int height, HWND parent, int id, HINSTANCE instance,
                                  LPARAM createParam) {
    auto it = classes_.find(classKey(className));
    if (it == classes_.end()) return HWND{};
    Window* parentWindow = nullptr;
    if (parent) {
        parentWindow = find(parent);
        if (!parentWindow || parentWindow->destroying) return HWND{};
    } else if (style & WS_CHILD) {
        return HWND{};
    }
    const bool child = parentWindow && (style & WS_CHILD);
    if (!child) {
        if (x == CW_USEDEFAULT) {
            x = 0;
            y = display_.taskbarHeight;
        }
        if (width == CW_USEDEFAULT) {
            width = display_.width - x;
            height = display_.height - y;
        }
    } else {
        if (x == CW_USEDEFAULT) x = y = 0;
        if (width == CW_USEDEFAULT) width = height = 0;
    }
    auto w = std::make_unique<Window>();
    HWND handle(nextWindowId_++);
    w->handle = handle;
    w->className = it->second.wc.lpszClassName;
    w->classStyle = it->second.wc.style;
    w->classBackground = it->second.wc.hbrBackground;
    w->proc = it->second.wc.lpfnWndProc;
    w->style = style;
    w->exStyle = exStyle;
    w->id = child ? id : 0;
    w->text = std::u16string(windowName);
    w->rect = RECT{x, y, x + width, y + height};
    Window& ref = *w;
    windows_[handle.value()] = std::move(w);
    if (child) {
        ref.parent = parent;
        parentWindow->children.push_back(handle);
    } else {
        // Owned pop-ups and top-level windows go on top of the other top-level windows.
        ref.parent = parentWindow ? parent : HWND{};
        topLevel_.insert(topLevel_.begin(), handle);
    }
    CREATESTRUCT cs;
    cs.lpCreateParams = createParam;
    cs.hInstance = instance;
    cs.hwndParent = parent;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = style;
    cs.dwExStyle = exStyle;
    cs.lpszName = std::u16string(windowName);
    cs.lpszClass = std::u16string(className);
    if (SendMessage(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        DestroyWindow(handle);
        return HWND{};
    }
    Window* created = find(handle);
    if (!created) return HWND{};
    RECT client = clientArea(*created);
    SendMessage(handle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
    SendMessage(handle, WM_MOVE, 0, MAKELPARAM(x, y));
    created = find(handle);
    if (!created) return HWND{};
    if (created->visible()) {
        InvalidateRect(handle, nullptr, true);
        if (!child) foreground_ = handle;
    }
    return handle;
}

void WindowSystem::removeFromParent(Window& w) {
    if (Window* p = find(w.parent); p && (w.style & WS_CHILD)) {
        std::erase(p->children, w.handle);
    } else {
        std::erase(topLevel_, w.handle);
    }
}

bool WindowSystem::DestroyWindow(HWND hwnd) {
    Window* w = find(hwnd);
    if (!w || w->destroying) return false;
    if (IsWindowVisible(hwnd)) invalidateUnder(*w);
    // The subtree in pre-order (parent before children).
    std::vector<HWND> order;
    std::vector<HWND> stack{hwnd};
    while (!stack.empty()) {
        HWND h = stack.back();
        stack.pop_back();
        Window* x = find(h);
        if (!x) continue;
        x->destroying = true;
        order.push_back(h);
        for (auto c = x->children.rbegin(); c != x->children.rend(); ++c) stack.push_back(*c);
    }
    // Owned pop-ups go with their owner.
    std::vector<HWND> owned;
    for (HWND t : topLevel_) {
        const Window* x = find(t);
        if (x && x->parent && std::find(order.begin(), order.end(), x->parent) != order.end()) {
            owned.push_back(t);
        }
    }
    for (HWND o : owned) DestroyWindow(o);
    for (HWND h : order) {
        if (focus_ == h) focus_ = HWND{};
        if (foreground_ == h) foreground_ = HWND{};
    }
    for (HWND h : order) {
        if (find(h)) SendMessage(h, WM_DESTROY, 0, 0);
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (find(*it)) SendMessage(*it, WM_NCDESTROY, 0, 0);
    }
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        Window* x = find(*it);
        if (!x) continue;
        std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == *it; });
        removeFromParent(*x);
        if (focus_ == *it) focus_ = HWND{};
        windows_.erase(it->value());
    }
    if (!foreground_ && !topLevel_.empty()) foreground_ = topLevel_.front();
    return true;
}

bool WindowSystem::IsWindow(HWND hwnd) const {
    return hwnd && find(hwnd) != nullptr;
}

HWND WindowSystem::FindWindow(std::u16string_view className,
                              std::optional<std::u16string_view> windowName) const {
    const auto key = classKey(className);
    for (HWND h : topLevel_) {
        const Window* w = find(h);
        if (!w || w->destroying) continue;
        if (classKey(w->className) != key) continue;
        if (windowName && w->text != *windowName) continue;
        return h;
    }
    return HWND{};
}

HWND WindowSystem::GetParent(HWND hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->parent : HWND{};
}

HWND WindowSystem::GetDlgItem(HWND parent, int id) const {
    const Window* p = find(parent);
    if (!p) return HWND{};
    for (HWND c : p->children) {
        const Window* w = find(c);
        if (w && w->id == id) return c;
    }
    return HWND{};
}

int WindowSystem::GetDlgCtrlID(HWND hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->id : 0;
}

std::vector<HWND> WindowSystem::GetChildren(HWND hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->children : std::vector<HWND>{};
}

std::u16string WindowSystem::GetClassName(HWND hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->className : std::u16string{};
}

LONG_PTR WindowSystem::GetWindowLongPtr(HWND hwnd, int index) const {
    const Window* w = find(hwnd);
    if (!w) return 0;
    switch (index) {
        case GWL_STYLE:
            return static_cast<LONG_PTR>(w->style);
        case GWL_EXSTYLE:
            return static_cast<LONG_PTR>(w->exStyle);
        case GWL_ID:
            return w->id;
        case GWLP_USERDATA:
            return w->userData;
        default:
            return 0;
    }
}

LONG_PTR WindowSystem::SetWindowLongPtr(HWND hwnd, int index, LONG_PTR value) {
    Window* w = find(hwnd);
    if (!w) return 0;
    LONG_PTR old = GetWindowLongPtr(hwnd, index);
    switch (index) {
        case GWL_STYLE:
            w->style = static_cast<DWORD>(value);
            break;
        case GWL_EXSTYLE:
            w->exStyle = static_cast<DWORD>(value);
            break;
        case GWL_ID:
            w->id = static_cast<int>(value);
            break;
        case GWLP_USERDATA:
            w->userData = value;
            break;
        default:
            return 0;
    }
    return old;
}

WNDPROC WindowSystem::GetWindowProc(HWND hwnd) const {
    const Window* w = find(hwnd);
    return w ? w->proc : WNDPROC{};
}

WNDPROC WindowSystem::SetWindowProc(HWND hwnd, WNDPROC proc) {
    Window* w = find(hwnd);
    if (!w || !proc) return WNDPROC{};
    WNDPROC old = std::move(w->proc);
    w->proc = std::move(proc);
    return old;
}

LRESULT WindowSystem::CallWindowProc(const WNDPROC& proc, HWND hwnd, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
    if (!proc) return 0;
    return proc(hwnd, msg, wParam, lParam);
}

LRESULT WindowSystem::DefWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = find(hwnd);
    if (!w) return 0;
    switch (msg) {
        case WM_SETTEXT: {
            const auto* text = reinterpret_cast<const char16_t*>(lParam);
            w->text = text ? std::u16string(text) : std::u16string();
            InvalidateRect(hwnd, nullptr, true);
            return TRUE;
        }
        case WM_GETTEXT: {
            auto* buffer = reinterpret_cast<char16_t*>(lParam);
            if (!buffer || wParam == 0) return 0;
            const size_t n = std::min<size_t>(w->text.size(), wParam - 1);
            std::copy_n(w->text.begin(), n, buffer);
            buffer[n] = 0;
            return static_cast<LRESULT>(n);
        }
        case WM_GETTEXTLENGTH:
            return static_cast<LRESULT>(w->text.size());
        case WM_PAINT: {
            PAINTSTRUCT ps;
            BeginPaint(hwnd, &ps);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_ERASEBKGND: {
            if (!w->classBackground) return 0;
            RECT client = clientArea(*w);
            FillRect(HDC(static_cast<uint32_t>(wParam)), client, w->classBackground);
            return 1;
        }
        case WM_CLOSE:
            DestroyWindow(hwnd);
            return 0;
        case WM_SETFONT:
            w->font = HFONT(static_cast<uint32_t>(wParam));
            if (lParam) InvalidateRect(hwnd, nullptr, true);
            return 0;
        case WM_GETFONT:
            return static_cast<LRESULT>(w->font.value());
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORLISTBOX:
            return static_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW).value());
        default:
            return 0;
    }
}

bool WindowSystem::SetWindowText(HWND hwnd, std::u16string_view text) {
    if (!find(hwnd)) return false;
    std::u16string copy(text);
    return SendMessage(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(copy.c_str())) != 0;
}

std::u16string WindowSystem::GetWindowText(HWND hwnd) {
    if (!find(hwnd)) return {};
    const LRESULT n = SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0);
    std::u16string buffer(static_cast<size_t>(n) + 1, u'\0');
    const LRESULT got =
        SendMessage(hwnd, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<size_t>(got));
    return buffer;
}

int WindowSystem::GetWindowTextLength(HWND hwnd) {
    return static_cast<int>(SendMessage(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

// ---- Geometry and visibility ----

RECT WindowSystem::clientArea(const Window& w) const {
    const int b = borderOf(w);
    int width = w.rect.width() - 2 * b;
    // A drop-down list's scroll style belongs to its dropped list, not to its closed field.
    const bool scrollsItself = w.className != kComboBoxClass;
    if ((w.style & WS_VSCROLL) && scrollsItself) width -= display_.scrollBarWidth;
    int height = w.rect.height() - 2 * b;
    if ((w.style & WS_HSCROLL) && scrollsItself) height -= display_.scrollBarWidth;
    return RECT{0, 0, std::max(0, width), std::max(0, height)};
}

POINT WindowSystem::clientOrigin(const Window& w) const {
    const int b = borderOf(w);
    POINT p{w.rect.left + b, w.rect.top + b};
    if (w.style & WS_CHILD) {
        if (const Window* parent = find(w.parent)) {
            POINT o = clientOrigin(*parent);
            p.x += o.x;
            p.y += o.y;
        }
    }
    return p;
}

bool WindowSystem::GetWindowRect(HWND hwnd, RECT* rect) const {
    const Window* w = find(hwnd);
    if (!w || !rect) return false;
    *rect = w->rect;
    if (w->style & WS_CHILD) {
        if (const Window* parent = find(w->parent)) {
            POINT o = clientOrigin(*parent);
            *rect = RECT{rect->left + o.x, rect->top + o.y, rect->right + o.x, rect->bottom + o.y};
        }
    }
    return true;
}

bool WindowSystem::GetClientRect(HWND hwnd, RECT* rect) const {
    const Window* w = find(hwnd);
    if (!w || !rect) return false;
    *rect = clientArea(*w);
    return true;
}

bool WindowSystem::ClientToScreen(HWND hwnd, POINT* point) const {
    const Window* w = find(hwnd);
    if (!w || !point) return false;
    POINT o = clientOrigin(*w);
    point->x += o.x;
    point->y += o.y;
    return true;
}

bool WindowSystem::ScreenToClient(HWND hwnd, POINT* point) const {
    const Window* w = find(hwnd);
    if (!w || !point) return false;
    POINT o = clientOrigin(*w);
    point->x -= o.x;
    point->y -= o.y;
    return true;
}

HWND WindowSystem::deepestAt(HWND hwnd, POINT screen) const {
    const Window* w = find(hwnd);
    if (!w || !w->visible()) return HWND{};
    RECT r;
    GetWindowRect(hwnd, &r);
    if (!r.contains(screen)) return HWND{};
    for (HWND c : w->children) {
        if (HWND hit = deepestAt(c, screen)) return hit;
    }
    // A static control without SS_NOTIFY lets taps through to what lies beneath it.
    if ((w->style & WS_CHILD) && classKey(w->className) == u"static" && !(w->style & SS_NOTIFY)) {
        return HWND{};
    }
    return hwnd;
}

HWND WindowSystem::WindowFromPoint(POINT screen) const {
    for (HWND t : topLevel_) {
        if (HWND hit = deepestAt(t, screen)) return hit;
    }
    return HWND{};
}

void WindowSystem::invalidateUnder(const Window& w) {
    if ((w.style & WS_CHILD) && find(w.parent)) {
        InvalidateRect(w.parent, &w.rect, true);
    } else {
        for (HWND t : topLevel_) {
            if (t == w.handle) continue;
            const Window* other = find(t);
            if (!other) continue;
            RECT local = w.rect;
            POINT o = clientOrigin(*other);
            local = RECT{local.left - o.x, local.top - o.y, local.right - o.x, local.bottom - o.y};
            InvalidateRect(t, &local, true);
        }
    }
}

bool WindowSystem::ShowWindow(HWND hwnd, int command) {
    Window* w = find(hwnd);
    if (!w) return false;
    const bool wasVisible = w->visible();
    const bool show = command != SW_HIDE && command != SW_MINIMIZE;
    if (show == wasVisible) return wasVisible;
    SendMessage(hwnd, WM_SHOWWINDOW, show ? TRUE : FALSE, 0);
    w = find(hwnd);
    if (!w) return wasVisible;
    if (show) {
        w->style |= WS_VISIBLE;
        // The window and every visible window inside it are painted again.
        std::vector<HWND> stack{hwnd};
        while (!stack.empty()) {
            HWND h = stack.back();
            stack.pop_back();
            Window* x = find(h);
            if (!x || !x->visible()) continue;
            InvalidateRect(h, nullptr, true);
            for (HWND c : x->children) stack.push_back(c);
        }
        if (!(w->style & WS_CHILD)) foreground_ = hwnd;
    } else {
        w->style &= ~WS_VISIBLE;
        invalidateUnder(*w);
        if (command == SW_MINIMIZE) SendMessage(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    }
    return wasVisible;
}

bool WindowSystem::IsWindowVisible(HWND hwnd) const {
    const Window* w = find(hwnd);
    while (w) {
        if (!w->visible()) return false;
        if (!(w->style & WS_CHILD)) return true;
        w = find(w->parent);
    }
    return false;
}

bool WindowSystem::EnableWindow(HWND hwnd, bool enable) {
    Window* w = find(hwnd);
    if (!w) return false;
    const bool wasDisabled = !w->enabled();
    if (enable == wasDisabled) {
        if (enable) {
            w->style &= ~WS_DISABLED;
        } else {
            w->style |= WS_DISABLED;
            if (focus_ == hwnd) SetFocus(HWND{});
        }
        SendMessage(hwnd, WM_ENABLE, enable ? TRUE : FALSE, 0);
        InvalidateRect(hwnd, nullptr, true);
    }
    return wasDisabled;
}

bool WindowSystem::IsWindowEnabled(HWND hwnd) const {
    const Window* w = find(hwnd);
    return w && w->enabled();
}

bool WindowSystem::MoveWindow(HWND hwnd, int x, int y, int width, int height, bool repaint) {
    return SetWindowPos(hwnd, HWND_TOP, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0u : SWP_NOREDRAW));
}

bool WindowSystem::SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy,
                                UINT flags) {
    Window* w = find(hwnd);
    if (!w) return false;
    if (!(flags & SWP_NOSIZE) || !(flags & SWP_NOMOVE)) {
        // The window may adjust the place it is given (a drop-down list keeps its closed
        // field's height and takes the height given as its dropped list's room).
        WINDOWPOS pos{hwnd, insertAfter, x, y, cx, cy, flags};
        SendMessage(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&pos));
        w = find(hwnd);
        if (!w) return false;
        x = pos.x, y = pos.y, cx = pos.cx, cy = pos.cy;
    }
    const RECT old = w->rect;
    RECT r = old;
    if (!(flags & SWP_NOMOVE)) r = RECT{x, y, x + r.width(), y + r.height()};
    if (!(flags & SWP_NOSIZE))
        r.right = r.left + std::max(0, cx), r.bottom = r.top + std::max(0, cy);
    const bool moved = r.left != old.left || r.top != old.top;
    const bool sized = r.width() != old.width() || r.height() != old.height();
    if (!(flags & SWP_NOZORDER)) {
        std::vector<HWND>* siblings = nullptr;
        if (Window* p = find(w->parent); p && (w->style & WS_CHILD)) {
            siblings = &p->children;
        } else {
            siblings = &topLevel_;
        }
        std::erase(*siblings, hwnd);
        if (insertAfter == HWND_TOP) {
            siblings->insert(siblings->begin(), hwnd);
        } else if (insertAfter == HWND_BOTTOM) {
            siblings->push_back(hwnd);
        } else {
            auto it = std::find(siblings->begin(), siblings->end(), insertAfter);
            siblings->insert(it == siblings->end() ? siblings->end() : it + 1, hwnd);
        }
        if (IsWindowVisible(hwnd) && !(flags & SWP_NOREDRAW)) InvalidateRect(hwnd, nullptr, true);
    }
    if (moved || sized) {
        const bool visible = IsWindowVisible(hwnd);
        if (visible && !(flags & SWP_NOREDRAW)) invalidateUnder(*w);
        w->rect = r;
        if (visible && !(flags & SWP_NOREDRAW)) InvalidateRect(hwnd, nullptr, true);
        if (moved) SendMessage(hwnd, WM_MOVE, 0, MAKELPARAM(r.left, r.top));
        if (sized) {
            if (Window* again = find(hwnd)) {
                RECT client = clientArea(*again);
                SendMessage(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
            }
        }
    }
    if (flags & SWP_SHOWWINDOW) ShowWindow(hwnd, SW_SHOW);
    if (flags & SWP_HIDEWINDOW) ShowWindow(hwnd, SW_HIDE);
    return true;
}

// ---- Focus ----

HWND WindowSystem::SetFocus(HWND hwnd) {
    const HWND old = focus_;
    if (hwnd) {
        const Window* w = find(hwnd);
        if (!w || !w->enabled()) return HWND{};
    }
    if (hwnd == old) return old;
    focus_ = hwnd;
    if (old && find(old)) SendMessage(old, WM_KILLFOCUS, WParamFromHwnd(hwnd), 0);
    if (hwnd && find(hwnd) && focus_ == hwnd) {
        // The top-level window that holds the focus comes to the front.
        HWND top = hwnd;
        while (const Window* w = find(top)) {
            if (!(w->style & WS_CHILD)) break;
            top = w->parent;
        }
        if (find(top)) foreground_ = top;
        SendMessage(hwnd, WM_SETFOCUS, WParamFromHwnd(old), 0);
    }
    return old;
}

bool WindowSystem::SetForegroundWindow(HWND hwnd) {
    if (!find(hwnd)) return false;
    HWND top = hwnd;
    while (const Window* w = find(top)) {
        if (!(w->style & WS_CHILD)) break;
        top = w->parent;
    }
    foreground_ = top;
    auto it = std::find(topLevel_.begin(), topLevel_.end(), top);
    if (it != topLevel_.end()) {
        topLevel_.erase(it);
        topLevel_.insert(topLevel_.begin(), top);
    }
    // Its owned pop-ups stay above it.
    std::vector<HWND> owned;
    for (HWND t : topLevel_) {
        const Window* w = find(t);
        if (w && w->parent == top) owned.push_back(t);
    }
    for (HWND o : owned) {
        std::erase(topLevel_, o);
        topLevel_.insert(topLevel_.begin(), o);
    }
    return true;
}

int WindowSystem::GetSystemMetrics(int index) const {
    switch (index) {
        case SM_CXSCREEN:
            return display_.width;
        case SM_CYSCREEN:
            return display_.height;
        case SM_CXVSCROLL:
        case SM_CYHSCROLL:
            return display_.scrollBarWidth;
        default:
            return 0;
    }
}

COLORREF WindowSystem::GetSysColor(int index) const {
    switch (index) {
        case COLOR_WINDOW:
            return RGB(255, 255, 255);
        case COLOR_WINDOWTEXT:
            return RGB(0, 0, 0);
        case COLOR_BTNFACE:
            return RGB(192, 192, 192);
        default:
            return RGB(255, 255, 255);
    }
}

HBRUSH WindowSystem::GetSysColorBrush(int index) {
    auto it = sysColorBrushes_.find(index);
    if (it != sysColorBrushes_.end()) return it->second;
    HBRUSH b = gdi_.createBrush(GetSysColor(index));
    sysColorBrushes_[index] = b;
    return b;
}

// ---- Shell ----

bool WindowSystem::SHFullScreen(HWND hwnd, DWORD state) {
    if (hwnd && !find(hwnd)) return false;
    if (state & SHFS_HIDESIPBUTTON) shell_.inputPanelButtonHidden = true;
    if (state & SHFS_SHOWSIPBUTTON) shell_.inputPanelButtonHidden = false;
    if (state & SHFS_HIDETASKBAR) shell_.taskbarHidden = true;
    if (state & SHFS_SHOWTASKBAR) shell_.taskbarHidden = false;
    return true;
}

bool WindowSystem::SHSipShowIM(DWORD flags) {
    shell_.inputPanelUp = (flags & SIPF_ON) != 0;
    return true;
}

// ---- Control helpers ----

LRESULT WindowSystem::NotifyParentCommand(HWND control, UINT code) {
    const Window* w = find(control);
    if (!w || !w->parent) return 0;
    return SendMessage(w->parent, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(w->id), code),
                       LParamFromHwnd(control));
}

LRESULT WindowSystem::NotifyParent(HWND control, NMHDR* header, UINT code) {
    const Window* w = find(control);
    if (!w || !w->parent) return 0;
    header->hwndFrom = control;
    header->idFrom = static_cast<UINT_PTR>(w->id);
    header->code = code;
    return SendMessage(w->parent, WM_NOTIFY, static_cast<WPARAM>(w->id),
                       reinterpret_cast<LPARAM>(header));
}

FontSize WindowSystem::WindowFontSize(HWND hwnd) const {
    const Window* w = find(hwnd);
    if (w && w->font) {
        if (const FontObject* f = gdi_.font(w->font)) return f->size;
    }
    return gdi_.font(gdi_.systemFont())->size;
}

FontDescription WindowSystem::DescribeFont(HFONT font) const {
    const FontObject* f = gdi_.font(font);
    if (!f) f = gdi_.font(gdi_.systemFont());
    FontDescription d;
    d.face = f->log.lfFaceName;
    d.height = f->size.height;
    d.bold = f->size.bold;
    d.emPixels = FontEmPixels(f->size);
    TEXTMETRIC tm = FontTextMetrics(f->size);
    d.ascent = tm.tmAscent;
    d.lineHeight = tm.tmHeight;
    return d;
}

}  // namespace orvane::platform
