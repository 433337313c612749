#include "screens/calculator_screen.h"

#include "foundation/windows1252.h"
#include "modules/page_outcome.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "platform/window_system.h"
#include "rendering/page_builder.h"
#include "screens/calculator_commands.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;
namespace cmd = calculator_command;

CalculatorScreen::CalculatorScreen(PPCOrvaneApp& app, Request request)
    : HTMLScreen(app), request_(request), moduleCode_(moduleCode(request)), u_(screenUnits(app)) {
    TraceScope trace(app_.trace(), "CalculatorScreen::CalculatorScreen");
    WindowSystem& ws = app_.windows();
    const RECT& c = u_.c;
    const int32_t lh = u_.lh;
    const int32_t rh = u_.rh;
    const HWND main = app_.mainWindow();
    smallScreen_ = c.height() < 241;
    scrollBarWidth_ = ws.GetSystemMetrics(SM_CXVSCROLL);

    // The container and panel are windows of the application's own class, so that the
    // notifications of the form's controls reach this screen through the main window procedure.
    const int32_t top = c.top + 2 * lh;
    const int32_t height = (c.bottom - 3 * rh - 1) - top;
    visibleRows_ = lh > 0 ? height / lh : 0;
    container_ = makeControl(app_, kMainWindowClass, u"", WS_VISIBLE, c.left, top,
                             c.right - scrollBarWidth_ - c.left, height, main, 0);
    panel_ = makeControl(app_, kMainWindowClass, u"", WS_VISIBLE, 0, 0, c.right - c.left,
                         panelRows_ * rh, container_, 0);
    scrollBar_ = makeControl(app_, u"ScrollBar", u"", SBS_VERT, c.right - scrollBarWidth_, top,
                             scrollBarWidth_, height, main, 0);

    app_.ShowNavButtons(0);
    ShowKeypad(0);
    view().Move(RECT{c.left, c.bottom - 5 * rh, c.right, c.bottom - 2 * rh});
}

CalculatorScreen::~CalculatorScreen() {
    WindowSystem& ws = app_.windows();
    if (calendar_ && ws.IsWindow(calendar_)) ws.DestroyWindow(calendar_);
    for (const HWND key : keypad_) {
        if (key && ws.IsWindow(key)) ws.DestroyWindow(key);
    }
    for (const HWND window : {imageButton_, scrollBar_, container_}) {
        if (window && ws.IsWindow(window)) ws.DestroyWindow(window);
    }
    if (imageBitmap_) ws.DeleteObject(imageBitmap_);
}

void CalculatorScreen::Resize(const RECT&) {}

HWND CalculatorScreen::keypadButton(int32_t command) const {
    if (command >= cmd::kDigitBase && command <= cmd::kDigitBase + 9) {
        return keypad_[static_cast<size_t>(command - cmd::kDigitBase)];
    }
    switch (command) {
        case cmd::kPoint:
            return keypad_[10];
        case cmd::kBackspace:
            return keypad_[11];
        case cmd::kClear:
            return keypad_[12];
        case cmd::kClearAll:
            return keypad_[13];
        default:
            return HWND();
    }
}

void CalculatorScreen::ShowKeypad(int32_t level) {
    const RECT& c = u_.c;
    const int32_t s = u_.s;
    const int32_t lh = u_.lh;
    const int32_t rh = u_.rh;
    if (level == 0) {
        const HWND main = app_.mainWindow();
        const int32_t upper = c.bottom - 2 * rh;
        const int32_t lower = c.bottom + 1 - rh;
        const int32_t upperDigits[] = {1, 2, 3, 4, 5};
        const int32_t lowerDigits[] = {6, 7, 8, 9, 0};
        for (int32_t k = 0; k < 5; ++k) {
            const int32_t x = c.left + s + 24 * s * k;
            for (const auto& [digit, y] :
                 {std::pair{upperDigits[k], upper}, std::pair{lowerDigits[k], lower}}) {
                keypad_[static_cast<size_t>(digit)] = makeControl(
                    app_, u"Button", widenWindows1252(std::to_string(digit)),
                    WS_VISIBLE | BS_PUSHBUTTON, x, y, 23 * s, lh, main, cmd::kDigitBase + digit);
            }
        }
        const int32_t x5 = c.left + s + 24 * s * 5;
        const int32_t x6 = c.left + s + 24 * s * 6;
        keypad_[10] = makeControl(app_, u"Button", u".", WS_VISIBLE | BS_PUSHBUTTON, x5, upper,
                                  23 * s, lh, main, cmd::kPoint);
        keypad_[11] = makeControl(app_, u"Button", u"Backsp", WS_VISIBLE | BS_PUSHBUTTON, x6, upper,
                                  60 * s, lh, main, cmd::kBackspace);
        keypad_[12] = makeControl(app_, u"Button", u"C", WS_VISIBLE | BS_PUSHBUTTON, x5, lower,
                                  23 * s, lh, main, cmd::kClear);
        keypad_[13] = makeControl(app_, u"Button", u"Clear All", WS_VISIBLE | BS_PUSHBUTTON, x6,
                                  lower, 60 * s, lh, main, cmd::kClearAll);
        imageButton_ =
            makeControl(app_, u"Button", u"", BS_PUSHBUTTON | BS_BITMAP, c.right - 23 * s - 2,
                        c.bottom + 1 - rh, 23 * s, lh, main, cmd::kImage);
        imageBitmap_ = setButtonBitmap(app_, imageButton_, calculator_bitmap::kImage, 17, 18);
        keypadHidden_ = false;
        return;
    }
    keypadHidden_ = level < 0;
    for (const HWND key : keypad_) showControl(app_, key, level > 0);
}

void CalculatorScreen::Update(Request request) {
    TraceScope trace(app_.trace(), "CalculatorScreen::Update");
    WindowSystem& ws = app_.windows();
    app_.ShowNavButtons(2);
    request_ = request;
    module_ = app_.patientContext().moduleFor(request);
    ShowView(currentView_, true);
    ws.InvalidateRect(panel_, nullptr, true);
    ws.InvalidateRect(container_, nullptr, true);
    ws.InvalidateRect(app_.mainWindow(), nullptr, true);
    ws.UpdateWindow(app_.mainWindow());
    if (module_ != nullptr) {
        app_.SetTitle(module_->title());
        app_.PaintHeader(false, module_->caption());
    }
    focusPosition_ = static_cast<int16_t>(sexIndex_ == 0 ? 1 : 0);
    if (!hasInput(focusPosition_)) focusPosition_ = 0;
    FocusInput(focusPosition_);
}

void CalculatorScreen::ShowView(int32_t viewIndex, bool /*apply*/) {
    TraceScope trace(app_.trace(), "CalculatorScreen::ShowView");
    WindowSystem& ws = app_.windows();
    PatientContext& patient = app_.patientContext();
    builder_ = &patient.pageBuilder().start(true);
    currentView_ = static_cast<int16_t>(viewIndex);
    const char* page = module_ != nullptr ? module_->buildPage(viewIndex) : nullptr;
    builder_ = &patient.pageBuilder();
    form_ = builder_->inputs();
    const bool hasForm = form_ != nullptr && form_->count() > 0;

    if (firstBuild_) {
        if (hasForm) {
            const bool wasBusy = busy_;
            busy_ = true;
            BuildForm();
            busy_ = wasBusy;
            if (!builder_->showInputs) ShowKeypad(-1);
            if (formHidden_) ShowForm(false);
        }
        if (module_ != nullptr) module_->choiceList(makeRequest(request_code::kResultsMenu, 0));
    }
    showControl(app_, imageButton_, builder_->showImage != 0);
    if (hasForm) {
        firstBuild_ = false;
    } else {
        ShowForm(true);
        showControl(app_, view().window(), true);
    }
    if (!dateIndices_.empty()) FillControls(false);
    if (compactResult_) ShowForm(true);
    ws.UpdateWindow(panel_);
    ws.UpdateWindow(app_.mainWindow());
    const PageOutcome outcome = pageOutcome(patient, module_.get(), page, ScreenKind::kCalculator);
    view().SetPage(outcome.body.value_or(std::string()), true);
}

void CalculatorScreen::ShowFormControls(bool shown) {
    for (const InputControls& ic : controls_) {
        for (const HWND h : {ic.label, ic.value, ic.units, ic.extra}) showControl(app_, h, shown);
        if (!shown) showControl(app_, ic.extra2, false);
    }
    // The fraction lists are shown only for pounds and inches.
    if (shown) FillPatientControls();
}

void CalculatorScreen::ShowForm(bool hidden) {
    WindowSystem& ws = app_.windows();
    const RECT& c = u_.c;
    const int32_t lh = u_.lh;
    const int32_t rh = u_.rh;
    formHidden_ = hidden;
    if (hidden) {
        ShowFormControls(false);
        showControl(app_, scrollBar_, false);
        for (const HWND key : keypad_) showControl(app_, key, false);
        view().Move(RECT{c.left, c.top + 2 * lh, c.right, c.bottom - lh - 6});
        showControl(app_, view().window(), true);
    } else {
        showControl(app_, container_, true);
        ShowFormControls(true);
        ShowKeypad(builder_ != nullptr && !builder_->showInputs ? -1 : 1);
        const int32_t n = inputCount();
        const int32_t top = c.top + (n + 2) * (lh + 2);
        int32_t bottom = c.bottom - 2 * rh - 4 * u_.s;
        if (keypadHidden_) bottom += rh;
        if (top >= bottom) {
            view().Move(RECT{c.left, c.bottom - 3 * rh, c.right, c.bottom - 2 * rh});
        } else {
            view().Move(RECT{c.left, top, c.right, bottom});
        }
    }
    ws.InvalidateRect(app_.mainWindow(), nullptr, true);
    ws.UpdateWindow(app_.mainWindow());
    if (module_ != nullptr) app_.PaintHeader(false, module_->caption());
}

void CalculatorScreen::FocusInput(int32_t input) {
    if (!hasInput(input)) return;
    if (kindOf(input) == input_kind::kSex) return;
    const HWND control = focusControlOf(input);
    if (control && app_.windows().IsWindowVisible(control)) app_.windows().SetFocus(control);
}

void CalculatorScreen::PaintScreen() {
    TraceScope trace(app_.trace(), "CalculatorScreen::PaintScreen");
    if (module_ != nullptr) {
        app_.PaintHeader(true, module_->caption());
    } else {
        PAINTSTRUCT ps;
        app_.windows().BeginPaint(app_.mainWindow(), &ps);
        app_.windows().EndPaint(app_.mainWindow(), &ps);
    }
}

// ---- Helpers ----

bool CalculatorScreen::hasInput(int32_t input) const {
    return form_ != nullptr && input >= 0 && input < form_->count() && input < inputCount();
}

InputField* CalculatorScreen::field(int32_t input) {
    return hasInput(input) ? &form_->at(input) : nullptr;
}

int32_t CalculatorScreen::kindOf(int32_t input) const {
    return hasInput(input) ? form_->at(input).kindCode() : -1;
}

bool CalculatorScreen::isBound(int32_t input) const {
    return isPatientKind(kindOf(input));
}

InputField* CalculatorScreen::boundField(int32_t input) {
    if (input < 0) return nullptr;
    if (input == calcWeightIndex_) return calcWeight_;
    if (input == adultWeightIndex_) return adultWeight_;
    if (input == heightIndex_) return height_;
    if (input == headIndex_) return head_;
    if (input == ageIndex_) return age_;
    if (input == sexIndex_) return sex_;
    return nullptr;
}

int32_t CalculatorScreen::inputOfControl(HWND control) const {
    if (!control) return -1;
    for (size_t i = 0; i < controls_.size(); ++i) {
        const InputControls& ic = controls_[i];
        if (control == ic.label || control == ic.value || control == ic.units ||
            control == ic.extra || control == ic.extra2) {
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

HWND CalculatorScreen::focusControlOf(int32_t input) const {
    if (input < 0 || input >= inputCount()) return HWND();
    return controls_[static_cast<size_t>(input)].value;
}

}  // namespace orvane
