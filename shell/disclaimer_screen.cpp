#include "shell/disclaimer_screen.h"

#include <string>

#include "modules/document_list.h"
#include "modules/patient_checks.h"
#include "modules/patient_context.h"
#include "platform/control_messages.h"
#include "platform/typed_controls.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;

Request DisclaimerScreen::requestFor(int32_t kind) {
    switch (kind) {
        case 0:
            return makeRequest(DocumentList::kSecondDocumentCode, 0);
        case 1:
            return makeRequest(DocumentList::kFourthDocumentCode, 0);
        case 2:
            return makeRequest(DocumentList::kFirstDocumentCode, 0);
        default:
            return 0;
    }
}

DisclaimerScreen::DisclaimerScreen(PPCOrvaneApp& app, int32_t kind) : HTMLScreen(app), kind_(kind) {
    TraceScope trace(app_.trace(), "DisclaimerScreen::DisclaimerScreen");
    WindowSystem& ws = app_.windows();
    const RECT c = app_.contentRect();
    const int32_t lh = app_.lineHeight();
    const int32_t s = c.width() >= 360 ? 2 : 1;
    const HWND main = app_.mainWindow();

    closeButton_ = ws.CreateWindowEx(0, u"Button", u"Close", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                     c.right - 52 * s, c.bottom - lh - 1, 50 * s, lh, main,
                                     kCloseCommand, app_.instance());
    checkBox_ =
        ws.CreateWindowEx(0, u"Button", u"Don't show this in the future",
                          WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, c.left + 2, c.bottom - lh - 1,
                          c.right - c.left - 54, lh, main, kDontShowCommand, app_.instance());

    const Request request = requestFor(kind);
    if (request == 0) return;
    module_ = app_.patientContext().moduleFor(request);
    if (module_ == nullptr) return;
    for (const char ch : module_->caption().view()) {
        bandText_.push_back(static_cast<char16_t>(static_cast<uint8_t>(ch)));
    }
    view().Move(RECT{c.left, c.top + lh + 5, c.right, c.bottom - lh - 5});
    const char* page = module_->buildPage(0);
    if (module_->isAvailable() && page != nullptr && page[0] != '\0') {
        view().SetPage(page, false);
    } else {
        // No disclaimer text could be read: say so, and why, rather than show a blank page that
        // can be ticked away; a text never seen cannot be turned off for the future either.
        std::string text = kUnreadableDisclaimer;
        const std::string& notice = app_.patientContext().contentNotice().text;
        if (!notice.empty()) text += "<BR>" + notice;
        view().SetPage(messagePageBody(text), true);
        ws.ShowWindow(checkBox_, SW_HIDE);
    }
    DrawBand();
}

DisclaimerScreen::~DisclaimerScreen() {
    WindowSystem& ws = app_.windows();
    if (closeButton_ && ws.IsWindow(closeButton_)) ws.DestroyWindow(closeButton_);
    if (checkBox_ && ws.IsWindow(checkBox_)) ws.DestroyWindow(checkBox_);
}

void DisclaimerScreen::DrawBand() {
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    if (!main) return;
    const RECT c = app_.contentRect();
    const int32_t lh = app_.lineHeight();
    const HDC dc = ws.GetDC(main);
    const COLORREF band = RGB(212, 208, 220);
    const HPEN pen = ws.CreatePen(PS_SOLID, 1, band);
    const HBRUSH brush = ws.CreateSolidBrush(band);
    const HPEN oldPen = ws.SelectObject(dc, pen);
    const HBRUSH oldBrush = ws.SelectObject(dc, brush);
    ws.Rectangle(dc, c.left, c.top, c.right, c.top + lh + 5);
    ws.SelectObject(dc, oldPen);
    ws.SelectObject(dc, oldBrush);
    ws.DeleteObject(pen);
    ws.DeleteObject(brush);
    const HFONT oldFont = ws.SelectObject(dc, app_.boldFont());
    ws.SetTextColor(dc, RGB(0, 0, 0));
    ws.SetBkMode(dc, TRANSPARENT);
    RECT text{c.left + 2, c.top, c.right, c.top + lh + 5};
    ws.DrawText(dc, bandText_, &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    ws.SelectObject(dc, oldFont);
    ws.ReleaseDC(main, dc);
}

LRESULT DisclaimerScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND && window == app_.mainWindow()) {
        const int id = LOWORD(wParam);
        if (id == kCloseCommand) {
            closed_ = true;
            return 0;
        }
        if (id == kDontShowCommand) {
            dontShow_ = Button(app_.windows(), checkBox_).checked();
            return 0;
        }
    }
    if (message == WM_PAINT && window == app_.mainWindow()) return 0;
    LRESULT result = 0;
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

}  // namespace orvane
