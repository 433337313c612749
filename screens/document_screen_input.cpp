// DocumentScreen: painting and the handling of messages (commands of its controls, link taps,
// keys).
#include "foundation/number_format.h"
#include "modules/patient_context.h"
#include "platform/html_viewer_messages.h"
#include "platform/typed_controls.h"
#include "platform/window_system.h"
#include "rendering/link_target.h"
#include "rendering/page_builder.h"
#include "rendering/plain_text.h"
#include "screens/document_commands.h"
#include "screens/document_screen.h"
#include "shell/dc_measurer.h"
#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;
namespace cmd = document_command;

namespace {

constexpr COLORREF kBackground = RGB(245, 245, 245);
// The start-weight note is red, as a refused weight's message is: the doses are for a weight
// nobody gave.
constexpr COLORREF kStartWeightColour = RGB(255, 0, 0);

void fill(WindowSystem& ws, HDC dc, const RECT& rect, COLORREF colour) {
    const OwnedObject<HBRUSH> brush(ws, ws.CreateSolidBrush(colour));
    ws.FillRect(dc, rect, brush.get());
}

}  // namespace

LRESULT DocumentScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window == app_.mainWindow()) {
        switch (message) {
            case WM_PAINT:
                Paint();
                return 0;
            case WM_COMMAND:
                if (OnCommand(wParam, lParam)) return 0;
                break;
            case WM_NOTIFY: {
                const auto* header = reinterpret_cast<const NMHDR*>(lParam);
                if (header != nullptr && header->code == NM_HOTSPOT) {
                    OnLinkClick(lParam);
                    return 0;
                }
                break;
            }
            case WM_KEYDOWN:
                OnKeyDown(wParam);
                break;
            default:
                break;
        }
    }
    LRESULT result = 0;
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

bool DocumentScreen::OnCommand(WPARAM wParam, LPARAM lParam) {
    WindowSystem& ws = app_.windows();
    const int32_t id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    const HWND control = HwndFromLParam(lParam);
    if (!control) return false;

    if (control == viewList_) {
        if (code == CBN_SELENDOK) {
            const int32_t line = ComboBox(ws, viewList_).selected();
            if (line >= 0 && static_cast<size_t>(line) < listedViews_.size()) {
                relayout_ = true;
                ShowView(listedViews_[static_cast<size_t>(line)], true);
            }
        }
        return true;
    }
    if ((control == unitList_ || control == ouncesList_ || control == weightBox_)) {
        const bool change = control == weightBox_ ? code == EN_CHANGE : code == CBN_SELCHANGE;
        if (change && !busy_) {
            ReadWeight();
            if (weightAccepted_) {
                ShowView(currentView_, false);
                if (ws.GetFocus() != weightBox_) ws.SetFocus(weightBox_);
            }
        }
        return true;
    }
    for (size_t k = 0; k < keypad_.size(); ++k) {
        if (control != keypad_[k]) continue;
        if (code != BN_CLICKED) return true;
        if (k <= 9) {
            if (!busy_) TypeIntoWeightBox(static_cast<char16_t>(u'0' + k));
        } else if (k == 11) {
            if (!busy_) TypeIntoWeightBox(u'.');
        } else if (k == 12) {
            if (!busy_) TypeIntoWeightBox(u'\b');
        } else {
            busy_ = true;
            ws.SetWindowText(weightBox_, u"");
            busy_ = false;
            ReadWeight();
        }
        return true;
    }
    if (code != BN_CLICKED) return false;
    switch (id) {
        case cmd::kShowKeypad:
        case cmd::kHideKeypad: {
            const bool shown = id == cmd::kShowKeypad;
            app_.patientContext().setKeypadShown(shown ? 1 : 0);
            keypadShown_ = shown;
            relayout_ = true;
            ShowWeightRow(1);
            return true;
        }
        case cmd::kMore:
            OpenCaptionPopup();
            return true;
        case cmd::kFirstView:
            ChooseViewButton(0);
            return true;
        case cmd::kSecondView:
            ChooseViewButton(1);
            return true;
        default:
            return false;
    }
}

void DocumentScreen::TypeIntoWeightBox(char16_t key) {
    typeIntoNumberBox(app_, weightBox_, key);
}

void DocumentScreen::ChooseViewButton(int32_t which) {
    WindowSystem& ws = app_.windows();
    relayout_ = true;
    ws.InvalidateRect(viewButtons_[1], nullptr, true);
    Button(ws, viewButtons_[0]).setChecked(which == 0);
    Button(ws, viewButtons_[1]).setChecked(which == 1);
    if (currentView_ != which && which < viewCount()) ShowView(which, true);
}

void DocumentScreen::OnLinkClick(LPARAM lParam) {
    const auto* note = reinterpret_cast<const NM_HTMLVIEW*>(lParam);
    if (note == nullptr || note->szTarget == nullptr) return;
    const std::optional<Request> target = decodeLinkTarget(note->szTarget);
    if (!target || module_ == nullptr) return;
    module_->handleRequest(*target);
    const int32_t code = moduleCode(*target);
    if (staysOnPage(code)) {
        ShowView(currentView_, true);
        view().JumpToAnchor("anchor");
    } else {
        app_.patientContext().setListPosition(0);
        Navigate(*target);
    }
}

void DocumentScreen::OnKeyDown(WPARAM key) {
    const HWND main = app_.mainWindow();
    WindowSystem& ws = app_.windows();
    switch (key) {
        case VK_LEFT:
            if (hasResultsMenu()) {
                app_.StepPage(-1);
            } else {
                ws.PostMessage(main, WM_COMMAND, command::kBack, 0);
            }
            break;
        case VK_RIGHT:
            if (hasResultsMenu()) app_.StepPage(1);
            break;
        case VK_RETURN:
            if (module_ != nullptr)
                module_->handleRequest(makeRequest(request_code::kPreviousView, 0));
            ws.PostMessage(main, WM_COMMAND, command::kBack, 0);
            break;
        default:
            break;
    }
}

void DocumentScreen::OpenCaptionPopup() {
    popup_.Open(caption_, 2, 2 * u_.lh);
}

void DocumentScreen::Paint() {
    TraceScope trace(app_.trace(), "DocumentScreen::PaintScreen");
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    const RECT& c = u_.c;
    const int32_t lh = u_.lh;
    PAINTSTRUCT ps;
    const HDC dc = ws.BeginPaint(main, &ps);
    fill(ws, dc, c, kBackground);
    // The more button is shown only for a shortened caption; its visibility changes only when
    // needed, since every change repaints the window.
    bool shortened = false;
    ws.SetTextColor(dc, RGB(0, 0, 0));
    ws.SetBkMode(dc, TRANSPARENT);

    // The label is drawn in the normal weight: in bold it would run under the weight box.
    {
        const ScopedSelection<HFONT> normal(ws, dc, app_.normalFont());
        if (weightRowShown_) PaintWeightLabel(dc);
    }
    {
        const ScopedSelection<HFONT> bold(ws, dc, app_.boldFont());
        RECT band{c.left, lh, c.right, 2 * lh};
        fill(ws, dc, band, kBackground);
        if (module_ != nullptr) {
            const SharedString text = module_->caption();
            if (!text.empty()) {
                caption_ = captionText(text.view());
                std::u16string drawn = caption_;
                doubleAmpersand(drawn);
                const DcMeasurer measurer(ws, dc);
                shortened = fitWithEllipsis(drawn, measurer, band.width() - 4 - u_.icon);
                RECT r{c.left + 2, lh, c.right - 2, 2 * lh};
                ws.DrawText(dc, drawn, &r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
            }
        }
    }
    ws.EndPaint(main, &ps);
    if (moreButton_ && ws.IsWindowVisible(moreButton_) != shortened) {
        showControl(app_, moreButton_, shortened);
    }

    if (module_ != nullptr) {
        const SharedString title = module_->title();
        if (!title.empty()) {
            app_.SetTitle(title);
            app_.PaintTitle(false);
        }
    }
    ws.SHFullScreen(main, SHFS_HIDESIPBUTTON);
}

bool DocumentScreen::showsChildWeight() const {
    return weightField_ != nullptr && weightField_ == &app_.patientContext().childWeight();
}

bool DocumentScreen::showsStartWeight() const {
    return weightField_ != nullptr && app_.patientContext().isStartWeight(*weightField_);
}

void DocumentScreen::PaintWeightLabel(HDC dc) {
    WindowSystem& ws = app_.windows();
    const RECT& c = u_.c;
    const int32_t s = u_.s;
    const int32_t rh = u_.rh;
    const int32_t y0 = keypadShown_ ? c.bottom - 3 * rh : c.bottom - rh;
    RECT label{2, y0, 40 * s, y0 + rh};
    const char16_t* name = showsChildWeight() ? document_screen::kChildWeightLabel
                                              : document_screen::kAdultWeightLabel;
    ws.DrawText(dc, name, &label, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    if (!showsStartWeight()) return;
    // A start weight is in kilograms, so the ounces list is hidden and its place is free; the
    // note ends before the keypad toggle.
    RECT note{c.left + 155 * s, y0, c.right - 24 * s - 2, y0 + rh};
    const COLORREF previous = ws.SetTextColor(dc, kStartWeightColour);
    ws.DrawText(dc, document_screen::kStartWeightNote, &note, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    ws.SetTextColor(dc, previous);
}

}  // namespace orvane
