// CalculatorScreen: the handling of messages (link taps, the calendar, keys, the commands of the
// form's controls, the keypad and the image button, scrolling, label colours).
#include "modules/form_binding.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "platform/html_viewer_messages.h"
#include "platform/typed_controls.h"
#include "platform/window_system.h"
#include "rendering/link_target.h"
#include "rendering/page_builder.h"
#include "screens/calculator_commands.h"
#include "screens/calculator_screen.h"
#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;
namespace cmd = calculator_command;

LRESULT CalculatorScreen::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowSystem& ws = app_.windows();
    const HWND main = app_.mainWindow();
    switch (message) {
        case WM_PAINT:
            if (window == main) {
                PaintScreen();
                return 0;
            }
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            if (header == nullptr) break;
            if (header->code == NM_HOTSPOT && window == main) {
                OnLinkClick(lParam);
                return 0;
            }
            if (header->code == MCN_SELECT && calendar_ && header->hwndFrom == calendar_) {
                OnDayPicked(lParam);
                return 0;
            }
            break;
        }
        case WM_KEYDOWN:
            switch (wParam) {
                case VK_RETURN:
                case VK_DOWN:
                    focusPosition_ = static_cast<int16_t>(focusPosition_ + 1);
                    if (focusPosition_ >= inputCount()) focusPosition_ = 0;
                    Compute();
                    return 0;
                case VK_LEFT:
                    // Posted, never sent: Back replaces this screen, which must not happen while
                    // its own handler is still running.
                    ws.PostMessage(main, WM_COMMAND, command::kBack, 0);
                    return 0;
                case VK_RIGHT:
                    ws.PostMessage(main, WM_COMMAND, command::kForward, 0);
                    return 0;
                case VK_UP:
                case VK_F23:
                    return 0;
                default:
                    break;
            }
            break;
        case WM_COMMAND:
            if (OnCommand(window, wParam, lParam)) return 0;
            break;
        case WM_VSCROLL:
            if (scrollBar_ && HwndFromLParam(lParam) == scrollBar_) {
                ScrollForm(LOWORD(wParam), static_cast<int16_t>(HIWORD(wParam)));
                return 0;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (window == panel_) {
                const HDC dc = HDC(static_cast<uint32_t>(wParam));
                ws.SetTextColor(dc, RGB(0, 30, 148));
                ws.SetBkColor(dc, RGB(255, 255, 255));
                ws.SetBkMode(dc, OPAQUE);
                return static_cast<LRESULT>(ws.GetStockBrush(WHITE_BRUSH).value());
            }
            break;
        default:
            break;
    }
    LRESULT result = 0;
    HandleMessage(window, message, wParam, lParam, result);
    return result;
}

bool CalculatorScreen::OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    const UINT code = HIWORD(wParam);
    const HWND control = HwndFromLParam(lParam);
    if (!control) return false;

    for (size_t k = 0; k < keypad_.size(); ++k) {
        if (control != keypad_[k]) continue;
        if (code != BN_CLICKED || busy_) return true;
        if (k <= 9) {
            TypeKey(static_cast<char16_t>(u'0' + k));
        } else if (k == 10) {
            TypeKey(u'.');
        } else if (k == 11) {
            TypeKey(u'\b');
        } else if (k == 12) {
            const HWND box = focusControlOf(focusPosition_);
            if (box && app_.windows().GetClassName(box) == u"Edit") {
                app_.windows().SetWindowText(box, u"");
            }
        } else {
            ClearAll();
        }
        return true;
    }
    if (control == imageButton_) {
        if (code == BN_CLICKED && !busy_) ShowForm(!formHidden_);
        return true;
    }
    if (window != panel_) return false;

    const int32_t input = inputOfControl(control);
    switch (code) {
        case EN_SETFOCUS:
        case CBN_SETFOCUS:
        case BN_SETFOCUS:
            OnControlFocused(control);
            return true;
        case EN_CHANGE:
            if (!busy_) OnTextChanged();
            return true;
        case CBN_SELENDOK: {
            if (busy_ || input < 0) return true;
            const InputControls& ic = controls_[static_cast<size_t>(input)];
            if (control == ic.extra || control == ic.extra2) {
                OnPatientList(control);
            } else if (control == ic.value) {
                OnChoiceList(input);
            }
            return true;
        }
        case BN_CLICKED: {
            if (busy_ || input < 0) return true;
            const int32_t kind = kindOf(input);
            const InputControls& ic = controls_[static_cast<size_t>(input)];
            if (kind == input_kind::kSex) {
                OnSexBox(control == ic.value);
            } else if (kind == input_kind::kDate) {
                if (module_ != nullptr)
                    module_->handleRequest(makeRequest(request_code::kInput, input));
                OpenCalendar(input);
            } else if (kind == input_kind::kCheckBox) {
                ReadInput(input);
                Compute();
            }
            return true;
        }
        default:
            return true;
    }
}

void CalculatorScreen::OnControlFocused(HWND control) {
    lastFocused_ = control;
    const int32_t input = inputOfControl(control);
    if (input >= 0) focusPosition_ = static_cast<int16_t>(input);
}

void CalculatorScreen::OnTextChanged() {
    if (builder_ != nullptr && builder_->selectionMode == 2) {
        if (ReadInput(focusPosition_)) {
            if (module_ != nullptr)
                module_->handleRequest(makeRequest(request_code::kInput, focusPosition_));
            FillControls(true);
            // A red message left by an earlier text that was not a number gives way to the page.
            if (!lastError_.empty()) {
                lastError_.clear();
                ShowView(currentView_, true);
            }
        }
        return;
    }
    Compute();
}

bool CalculatorScreen::OnPatientList(HWND control) {
    const int32_t input = inputOfControl(control);
    InputField* bound = boundField(input);
    if (bound == nullptr) return false;
    const InputControls& ic = controls_[static_cast<size_t>(input)];
    const int32_t choice = ComboBox(app_.windows(), control).selected();
    if (choice < 0) return false;
    if (control == ic.extra) {
        bound->unit = static_cast<int16_t>(choice);
    } else {
        bound->fraction = static_cast<int16_t>(choice);
    }
    FillPatientControls();
    if (form_ != nullptr) copyBoundValues(*form_, app_.patientContext());
    Compute();
    return true;
}

void CalculatorScreen::OnSexBox(bool maleBox) {
    if (sexIndex_ < 0 || sex_ == nullptr) return;
    const InputControls& ic = controls_[static_cast<size_t>(sexIndex_)];
    const HWND clicked = maleBox ? ic.value : ic.extra;
    const bool checked = Button(app_.windows(), clicked).checked();
    const int16_t sex =
        maleBox ? (checked ? unit::kMale : unit::kFemale) : (checked ? unit::kFemale : unit::kMale);
    sex_->unit = sex;
    sex_->value = sex;
    FillPatientControls();
    if (InputField* f = field(sexIndex_)) {
        f->unit = sex;
        f->value = sex;
    }
    // As for any other input: the result is computed again from every box, or cleared when a box
    // is empty or refused, never redrawn from values read before a box changed.
    if (builder_ != nullptr && builder_->selectionMode == 2) {
        ShowView(currentView_, true);
    } else {
        Compute();
    }
}

void CalculatorScreen::OnChoiceList(int32_t input) {
    InputField* f = field(input);
    if (f == nullptr) return;
    const HWND list = controls_[static_cast<size_t>(input)].value;
    const int32_t choice = ComboBox(app_.windows(), list).selected();
    f->unit = static_cast<int16_t>(choice);
    f->value = static_cast<float>(choice);
    if (module_ != nullptr) module_->handleRequest(makeRequest(request_code::kInput, input));
    if (builder_ != nullptr && builder_->selectionMode == 2) {
        FillControls(false);
        ShowView(currentView_, true);
    } else {
        Compute();
        FillControls(false);
    }
}

void CalculatorScreen::OnLinkClick(LPARAM lParam) {
    const auto* note = reinterpret_cast<const NM_HTMLVIEW*>(lParam);
    if (note == nullptr || note->szTarget == nullptr || module_ == nullptr) return;
    const std::optional<Request> target = decodeLinkTarget(note->szTarget);
    if (!target) return;
    module_->handleRequest(*target);
    const int32_t code = moduleCode(*target);
    if (staysOnPage(code)) {
        ShowView(currentView_, true);
    } else {
        Navigate(*target);
    }
}

void CalculatorScreen::OnDayPicked(LPARAM lParam) {
    const auto* change = reinterpret_cast<const NMSELCHANGE*>(lParam);
    const int32_t input = calendarInput_;
    if (change != nullptr) {
        if (InputField* f = field(input)) {
            f->unit = static_cast<int16_t>(change->stSelStart.wDay);
            f->decimals = change->stSelStart.wMonth;
            f->fraction = static_cast<int16_t>(change->stSelStart.wYear);
            // The module hears of the stored date before the page is built again.
            if (module_ != nullptr)
                module_->handleRequest(makeRequest(request_code::kInput, input));
        }
    }
    CloseCalendar();
}

}  // namespace orvane
