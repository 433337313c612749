#include "shell/html_screen.h"

#include "platform/html_viewer_messages.h"
#include "platform/typed_controls.h"
#include "rendering/image_names.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;

HTMLScreen::HTMLScreen(PPCOrvaneApp& app) : Screen(app), view_(app, app.mainWindow()) {
    view_.Move(app.contentRect());
}

HTMLScreen::~HTMLScreen() = default;

void HTMLScreen::Resize(const RECT& rect) {
    view_.Move(rect);
}

void HTMLScreen::AnswerInlineImage(LPARAM lParam) {
    const auto* note = reinterpret_cast<const NM_HTMLVIEW*>(lParam);
    if (note == nullptr) return;
    WindowSystem& ws = app_.windows();
    const std::string_view name = note->szTarget != nullptr ? note->szTarget : "";
    const ResolvedImage image = resolveImage(name, app_.patientContext().catalogue().folder());
    INLINEIMAGEINFO info;
    info.dwCookie = note->dwCookie;
    info.bOwnBitmap = TRUE;
    if (image.bitmapId != 0) info.hbm = ws.LoadBitmap(app_.instance(), image.bitmapId);
    if (info.hbm) {
        SIZE size;
        ws.GetBitmapSize(info.hbm, &size);
        info.iOrigWidth = size.cx;
        info.iOrigHeight = size.cy;
    }
    HtmlViewer(ws, view_.window()).setImage(info);
}

bool HTMLScreen::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                               LRESULT& result) {
    if (message == WM_SETCURSOR) {
        result = 1;
        return true;
    }
    if (message == WM_NOTIFY) {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        const UINT code = header != nullptr ? header->code : 0;
        if (code == NM_HOTSPOT) {
            result = 1;
        } else if (code == NM_INLINE_IMAGE) {
            AnswerInlineImage(lParam);
            result = 1;
        } else {
            result = 0;
        }
        return true;
    }
    return Screen::HandleMessage(window, message, wParam, lParam, result);
}

}  // namespace orvane
