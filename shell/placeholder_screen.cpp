#include "shell/placeholder_screen.h"

#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;

PlaceholderScreen::PlaceholderScreen(PPCOrvaneApp& app, Request request, std::string kindName,
                                     int navLevel)
    : Screen(app), request_(request), kindName_(std::move(kindName)), navLevel_(navLevel) {
    app_.ShowNavButtons(0);
}

void PlaceholderScreen::Update(Request request) {
    const std::string name = kindName_ + "::Update";
    TraceScope trace(app_.trace(), name);
    request_ = request;
    module_ = app_.patientContext().moduleFor(request);
    app_.ShowNavButtons(navLevel_);
    app_.SetTitle(module_ != nullptr ? module_->title() : SharedString());
    app_.windows().InvalidateRect(app_.mainWindow(), nullptr, true);
}

void PlaceholderScreen::Paint() {
    const std::string name = kindName_ + "::PaintScreen";
    TraceScope trace(app_.trace(), name);
    WindowSystem& ws = app_.windows();
    PAINTSTRUCT ps;
    const HDC dc = ws.BeginPaint(app_.mainWindow(), &ps);
    if (module_ != nullptr) {
        const SharedString caption = module_->caption();
        if (!caption.empty()) {
            const HFONT old = ws.SelectObject(dc, app_.boldFont());
            ws.SetBkMode(dc, TRANSPARENT);
            ws.SetTextColor(dc, RGB(0, 0, 0));
            const int32_t lh = app_.lineHeight();
            RECT r{2, lh, app_.contentRect().right - 2, 2 * lh};
            ws.DrawText(dc, caption.toWide(), &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
            ws.SelectObject(dc, old);
        }
    }
    ws.EndPaint(app_.mainWindow(), &ps);
    if (!app_.title().empty()) app_.PaintTitle(false);
}

LRESULT PlaceholderScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT && window == app_.mainWindow()) {
        Paint();
        return 0;
    }
    LRESULT result = 0;
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

}  // namespace orvane
