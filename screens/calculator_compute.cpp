// CalculatorScreen: checking the inputs and asking the module for the result, the red message
// page, "Clear All", typing from the keypad, the date calendar and scrolling the form.
#include <algorithm>
#include <array>
#include <optional>

#include "modules/form_binding.h"
#include "modules/patient_checks.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "platform/typed_controls.h"
#include "platform/window_system.h"
#include "rendering/page_builder.h"
#include "screens/calculator_commands.h"
#include "screens/calculator_screen.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;
namespace cmd = calculator_command;

void CalculatorScreen::PostErr(const SharedString& text) {
    lastError_ = SharedString(messagePageBody(text.view()));
    view().SetPage(lastError_.view(), true);
}

bool CalculatorScreen::RunPatientChecks(int32_t& failedInput) {
    failedInput = -1;
    WindowSystem& ws = app_.windows();
    PatientContext& patient = app_.patientContext();
    // The form position of each patient box, in the order of PatientBox.
    const std::array<int32_t, kPatientBoxCount> positions{
        ageIndex_, calcWeightIndex_, adultWeightIndex_, heightIndex_, headIndex_};
    const std::array<InputField*, kPatientBoxCount> fields{age_, calcWeight_, adultWeight_, height_,
                                                           head_};
    // Each box's text goes into its patient field; an empty box gives 0 and counts as untyped.
    PatientBoxes boxes;
    for (size_t b = 0; b < positions.size(); ++b) {
        if (positions[b] < 0 || fields[b] == nullptr) continue;
        boxes.read(static_cast<PatientBox>(b),
                   numberBoxText(app_, controls_[static_cast<size_t>(positions[b])].value),
                   *fields[b]);
    }
    if (sexIndex_ >= 0 && sex_ != nullptr) {
        const bool male = Button(ws, controls_[static_cast<size_t>(sexIndex_)].value).checked();
        sex_->unit = male ? unit::kMale : unit::kFemale;
        sex_->value = sex_->unit;
    }
    const bool childMode = builder_ != nullptr && builder_->weightInput == weight_mode::kChild;
    SharedString message;
    const std::optional<PatientBox> refused =
        checkPatientBoxes(patient, boxes, childMode, &message);
    copyBoundValues(*form_, patient);
    if (refused) {
        PostErr(message);
        failedInput = positions[static_cast<size_t>(*refused)];
        return false;
    }
    return true;
}

void CalculatorScreen::Compute() {
    TraceScope trace(app_.trace(), "CalculatorScreen::Compute");
    checksPassed_ = true;
    if (form_ == nullptr || form_->count() == 0 || controls_.empty()) return;
    view().SetPage("", true);

    int32_t failed = -1;
    const int32_t previousFocus = focusPosition_;
    if (RunPatientChecks(failed)) {
        for (int32_t i = 0; i < inputCount(); ++i) {
            if (!ReadInput(i)) {
                checksPassed_ = false;
                focusPosition_ = static_cast<int16_t>(i);
                break;
            }
        }
    } else {
        checksPassed_ = false;
        if (previousFocus != failed) ReadInput(previousFocus);
        focusPosition_ = static_cast<int16_t>(failed);
    }
    if (focusPosition_ == sexIndex_ && sexIndex_ >= 0) {
        focusPosition_ = static_cast<int16_t>(focusPosition_ + 1);
        if (focusPosition_ >= inputCount()) focusPosition_ = 0;
    }
    if (!checksPassed_) {
        if (builder_ == nullptr || builder_->keepImage != 1) showControl(app_, imageButton_, false);
        return;
    }
    showControl(app_, imageButton_, true);
    compactResult_ = smallScreen_ && builder_ != nullptr && builder_->showImage != 0;
    ShowView(currentView_, true);
}

void CalculatorScreen::ClearAll() {
    TraceScope trace(app_.trace(), "CalculatorScreen::ClearAll");
    WindowSystem& ws = app_.windows();
    if (module_ != nullptr) module_->handleRequest(makeRequest(0, 0));
    focusPosition_ = 0;
    for (InputField* weight : {calcWeight_, adultWeight_}) {
        if (weight == nullptr) continue;
        weight->value = 0.0f;
        weight->min = 0.1f;
        weight->max = 99999.0f;
        weight->fraction = 0;
    }
    if (height_ != nullptr) {
        height_->value = 0.0f;
        height_->min = 0.1f;
        height_->max = 999.0f;
        height_->fraction = 0;
    }
    if (head_ != nullptr) {
        head_->value = 0.0f;
        head_->fraction = 0;
    }
    if (age_ != nullptr) age_->value = 0.0f;
    const bool wasBusy = busy_;
    busy_ = true;
    for (int32_t i = 0; i < inputCount(); ++i) {
        const int32_t kind = kindOf(i);
        if (kind == input_kind::kSex || kind == input_kind::kDate ||
            kind == input_kind::kChoiceList || kind == input_kind::kChoiceListAlt ||
            kind == input_kind::kCheckBox) {
            continue;
        }
        const HWND box = controls_[static_cast<size_t>(i)].value;
        if (box && ws.GetWindowTextLength(box) > 0) ws.SetWindowText(box, u"");
    }
    busy_ = wasBusy;
    if (form_ != nullptr) copyBoundValues(*form_, app_.patientContext());
    ShowView(currentView_, true);
    FillControls(false);
    if (form_ != nullptr && form_->count() > 0) Compute();
}

void CalculatorScreen::TypeKey(char16_t key) {
    WindowSystem& ws = app_.windows();
    HWND target = lastFocused_;
    if (!target || !ws.IsWindow(target)) target = focusControlOf(focusPosition_);
    if (!target) return;
    ws.SetFocus(target);
    typeIntoNumberBox(app_, target, key);
}

void CalculatorScreen::OpenCalendar(int32_t input) {
    InputField* f = field(input);
    if (f == nullptr || calendar_) return;
    const RECT& c = u_.c;
    ShowForm(true);
    showControl(app_, view().window(), false);
    if (module_ != nullptr) app_.PaintHeader(false, module_->caption());
    calendarInput_ = input;
    calendar_ = makeControl(app_, u"SysMonthCal32", u"", WS_VISIBLE, c.left, 2, c.right - c.left,
                            162, panel_, cmd::kCalendar);
    SYSTEMTIME date;
    date.wYear = static_cast<WORD>(f->fraction);
    date.wMonth = static_cast<WORD>(f->decimals);
    date.wDay = static_cast<WORD>(f->unit);
    MonthCalendar(app_.windows(), calendar_).select(date);
    showControl(app_, container_, true);
}

void CalculatorScreen::CloseCalendar() {
    WindowSystem& ws = app_.windows();
    if (calendar_ && ws.IsWindow(calendar_)) ws.DestroyWindow(calendar_);
    calendar_ = HWND();
    calendarInput_ = -1;
    ShowForm(false);
    showControl(app_, view().window(), true);
    ShowView(currentView_, true);
}

void CalculatorScreen::ScrollForm(UINT code, int32_t thumb) {
    const int32_t rh = u_.rh;
    const int32_t maximum = std::max(0, rh * (panelRows_ - visibleRows_));
    int32_t position = scrollPosition_;
    switch (code) {
        case SB_LINEUP:
            position -= rh;
            break;
        case SB_LINEDOWN:
            position += rh;
            break;
        case SB_PAGEUP:
            position -= 15 * rh;
            break;
        case SB_PAGEDOWN:
            position += 15 * rh;
            break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK:
            position = thumb;
            break;
        case SB_TOP:
            position = 0;
            break;
        case SB_BOTTOM:
            position = maximum;
            break;
        default:
            return;
    }
    position = std::clamp(position, 0, maximum);
    if (position == scrollPosition_) return;
    scrollPosition_ = position;
    SCROLLINFO info;
    info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    info.nMin = 0;
    info.nMax = panelRows_ * rh;
    info.nPage = static_cast<UINT>(rh * visibleRows_);
    info.nPos = position;
    WindowSystem& ws = app_.windows();
    ws.SetScrollInfo(scrollBar_, SB_CTL, &info, true);
    RECT panel;
    ws.GetClientRect(panel_, &panel);
    ws.MoveWindow(panel_, 0, -position, panel.width(), panel.height(), true);
}

}  // namespace orvane
