#include "shell/html_view.h"

#include <memory>
#include <string>

#include "platform/html_viewer_messages.h"
#include "platform/typed_controls.h"
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

    const HtmlViewer viewer(ws, window_);
    viewer.enableScripting();
    viewer.enableClearType();
}

HTMLView::~HTMLView() {
    app_.viewerBridge()->forwardTarget = HWND();
    if (!window_) return;
    app_.windows().ShowWindow(window_, SW_HIDE);
    app_.RegisterBrowserHandle(window_);
}

void HTMLView::AddText(std::string_view text) {
    HtmlViewer(app_.windows(), window_).addText(text);
}

void HTMLView::SetPage(std::string_view text, bool framed) {
    if (!window_) return;
    const HtmlViewer viewer(app_.windows(), window_);
    viewer.clear();
    if (framed) AddText(kPageHeader);
    AddText(text);
    if (framed) AddText(kPageFooter);
    viewer.endOfSource();
}

void HTMLView::JumpToAnchor(std::string_view name) {
    if (!window_) return;
    HtmlViewer(app_.windows(), window_).goToAnchor(name);
}

void HTMLView::Move(const RECT& rect) {
    if (rect == placement_) return;
    placement_ = rect;
    if (!window_) return;
    app_.windows().SetWindowPos(window_, HWND_TOP, rect.left, rect.top, rect.width(), rect.height(),
                                0);
}

}  // namespace orvane
