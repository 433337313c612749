#include "shell/html_view.h"

#include <memory>
#include <string>

#include "platform/html_viewer_messages.h"
#include "shell/page_frame.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;

HTMLView::HTMLView(PPCOrvaneApp& app, HWND parent)
    : app_(app), instance_(app.instance()), placement_(app.contentRect()) {
    WindowSystem& ws = app_.windows();
    ws.InitHTMLControl(instance_);
    window_ = ws.CreateWindowEx(0, kHtmlViewerClass, u"", WS_CHILD | WS_VISIBLE, placement_.left,
                                placement_.top, placement_.width(), placement_.height(), parent, 0,
                                instance_);
    if (!window_) return;

    // The key filter sits on the inner window that takes the keyboard (the viewer itself when
    // it has none).
    const std::vector<HWND> children = ws.GetChildren(window_);
    const HWND inner = children.empty() ? window_ : children.front();
    const std::shared_ptr<ViewerBridge> bridge = app_.viewerBridge();
    bridge->forwardTarget = parent;
    auto previous = std::make_shared<WNDPROC>();
    *previous = ws.SetWindowProc(
        inner, [&ws, bridge, previous](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_KEYDOWN && (w == VK_RETURN || w == VK_LEFT || w == VK_RIGHT)) {
                if (bridge->forwardTarget) ws.PostMessage(bridge->forwardTarget, WM_KEYDOWN, w, l);
                return 0;
            }
            return ws.CallWindowProc(*previous, h, m, w, l);
        });

    ws.SendMessage(window_, DTM_ENABLESCRIPTING, 0, TRUE);
    ws.SendMessage(window_, DTM_ENABLECLEARTYPE, 0, TRUE);
}

HTMLView::~HTMLView() {
    app_.viewerBridge()->forwardTarget = HWND();
    if (!window_) return;
    app_.windows().ShowWindow(window_, SW_HIDE);
    app_.RegisterBrowserHandle(window_);
}

void HTMLView::AddText(std::string_view text) {
    // The viewer reads a NUL-terminated 8-bit text.
    const std::string copy(text);
    app_.windows().SendMessage(window_, DTM_ADDTEXT, FALSE, reinterpret_cast<LPARAM>(copy.c_str()));
}

void HTMLView::SetPage(std::string_view text, bool framed) {
    if (!window_) return;
    app_.windows().SendMessage(window_, DTM_CLEAR, 0, 0);
    if (framed) AddText(kPageHeader);
    AddText(text);
    if (framed) AddText(kPageFooter);
    app_.windows().SendMessage(window_, DTM_ENDOFSOURCE, 0, 0);
}

void HTMLView::JumpToAnchor(std::string_view name) {
    if (!window_) return;
    const std::string copy(name);
    app_.windows().SendMessage(window_, DTM_ANCHOR, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

void HTMLView::Move(const RECT& rect) {
    if (rect == placement_) return;
    placement_ = rect;
    if (!window_) return;
    app_.windows().SetWindowPos(window_, HWND_TOP, rect.left, rect.top, rect.width(), rect.height(),
                                0);
}

}  // namespace orvane
