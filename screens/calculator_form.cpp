// CalculatorScreen: building the form from the module's inputs, filling its controls from the
// fields, and reading a plain input back.
#include <algorithm>

#include "foundation/number_format.h"
#include "foundation/windows1252.h"
#include "modules/form_binding.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "platform/text_metrics.h"
#include "platform/typed_controls.h"
#include "platform/window_system.h"
#include "rendering/page_builder.h"
#include "screens/calculator_commands.h"
#include "screens/calculator_screen.h"
#include "shell/ppc_orvane_app.h"

namespace orvane {

using namespace platform;
namespace cmd = calculator_command;

namespace {

constexpr const char16_t* kWeightUnits[] = {u"Pounds", u"Kilograms", u"Grams"};
constexpr const char16_t* kLengthUnits[] = {u"Inches", u"cms"};
constexpr const char16_t* kEighths[] = {u"0/8", u"1/8", u"1/4", u"3/8",
                                        u"1/2", u"5/8", u"3/4", u"7/8"};

bool isListKind(int32_t kind) {
    return kind == input_kind::kChoiceList || kind == input_kind::kChoiceListAlt;
}

bool isWeightInput(int32_t kind) {
    return kind == input_kind::kCalcWeight || kind == input_kind::kCalcWeightAlt ||
           kind == input_kind::kAdultWeight;
}

bool isHeightInput(int32_t kind) {
    return kind == input_kind::kHeight || kind == input_kind::kHeightNoDefault;
}

std::u16string plainBoxText(const InputField& f) {
    return widenWindows1252(startingBoxText(f));
}

void addItems(WindowSystem& ws, HWND list, std::initializer_list<const char16_t*> items) {
    for (const char16_t* item : items) {
        ComboBox(ws, list).add(item);
    }
}

}  // namespace

void CalculatorScreen::DestroyForm() {
    WindowSystem& ws = app_.windows();
    for (const InputControls& ic : controls_) {
        for (const HWND h : {ic.label, ic.value, ic.units, ic.extra, ic.extra2}) {
            if (h && ws.IsWindow(h)) ws.DestroyWindow(h);
        }
    }
    controls_.clear();
    calcWeight_ = adultWeight_ = height_ = head_ = age_ = sex_ = nullptr;
    calcWeightIndex_ = adultWeightIndex_ = heightIndex_ = headIndex_ = sexIndex_ = ageIndex_ = -1;
    dateIndices_.clear();
    listIndices_.clear();
    lastFocused_ = HWND();
}

void CalculatorScreen::BuildForm() {
    TraceScope trace(app_.trace(), "CalculatorScreen::BuildForm");
    WindowSystem& ws = app_.windows();
    const RECT& c = u_.c;
    const int32_t s = u_.s;
    const int32_t lh = u_.lh;
    const int32_t rh = u_.rh;
    showControl(app_, view().window(), false);
    DestroyForm();
    if (form_ == nullptr) return;
    const int32_t n = form_->count();

    // The viewer goes under the rows of the form.
    int32_t y0 = c.top + 2 * lh;
    for (const InputField& f : *form_) {
        if (f.endsRow == 1) y0 += lh + 1;
    }
    if ((c.bottom - 2 * rh - 4) - (y0 + 4) < rh) {
        view().Move(RECT{c.left, c.bottom - 3 * rh, c.right, c.bottom - 2 * rh});
    } else {
        view().Move(RECT{c.left, y0 + 4, c.right, c.bottom - 2 * rh - 4});
    }

    bindFormInputs(*form_, app_.patientContext());
    controls_.resize(static_cast<size_t>(n));
    int32_t panelWidth = c.right - c.left;
    // The panel has ten rows, more when the module gives more rows of inputs.
    int32_t rows = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (form_->at(i).endsRow == 1 || i == n - 1) ++rows;
    }
    panelRows_ = std::max(10, rows);
    if (widened_) panelWidth += scrollBarWidth_;
    ws.MoveWindow(panel_, 0, -scrollPosition_, panelWidth, panelRows_ * rh, true);
    if (widened_) panelWidth -= scrollBarWidth_;
    const int32_t cellRight = panelWidth - 2;
    int32_t x = 2;
    int32_t y = 2;
    int32_t rowBottom = y + lh;
    for (int32_t i = 0; i < n; ++i) {
        BuildInput(i, x, y, cellRight);
        rowBottom = y + lh;
        const InputField& f = form_->at(i);
        const int32_t rowX = x;
        if (f.endsRow == 1) {
            x = 2;
            y += lh + 1;
        } else if (f.width < 1) {
            x = (cellRight - 2) / 2;
        } else {
            x = x + f.width * s + 2 * s + 1;
        }
        // The input may use its row up to the next input on the same row.
        FitLabel(f, controls_[static_cast<size_t>(i)],
                 f.endsRow == 1 || i == n - 1 || x <= rowX ? cellRight : x - 2 * s);
    }
    FillPatientControls();
    FillControls(false);

    // Rows that fit need no scroll bar; the form then takes its width.
    const int32_t containerTop = c.top + 2 * lh;
    RECT containerRect;
    ws.GetClientRect(container_, &containerRect);
    if (containerTop + rowBottom < c.bottom - 2 * rh) {
        showControl(app_, scrollBar_, false);
        if (!widened_) {
            ws.MoveWindow(container_, c.left, containerTop, containerRect.width() + scrollBarWidth_,
                          containerRect.height(), true);
            ws.MoveWindow(panel_, 0, 0, panelWidth + scrollBarWidth_, panelRows_ * rh, true);
            widened_ = true;
        }
    } else {
        SCROLLINFO info;
        info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
        info.nMin = 0;
        info.nMax = panelRows_ * rh;
        info.nPage = static_cast<UINT>(rh * visibleRows_);
        info.nPos = scrollPosition_;
        ws.SetScrollInfo(scrollBar_, SB_CTL, &info, true);
        showControl(app_, scrollBar_, true);
    }

    showControl(app_, view().window(), true);
    if (!hasInput(focusPosition_)) focusPosition_ = 0;
    FocusInput(focusPosition_);
}

void CalculatorScreen::FitLabel(const InputField& f, const InputControls& ic, int32_t limit) {
    WindowSystem& ws = app_.windows();
    const Window* label = ic.label ? ws.windowData(ic.label) : nullptr;
    if (label == nullptr) return;
    const FontSize font = ws.WindowFontSize(ic.label);
    const int32_t missing = MeasureText(label->text, font) - label->rect.width();
    if (missing <= 0) return;
    int32_t end = label->rect.right;
    for (const HWND h : {ic.value, ic.units, ic.extra, ic.extra2}) {
        if (const Window* w = h ? ws.windowData(h) : nullptr) end = std::max(end, w->rect.right);
    }
    const int32_t spare = std::clamp(limit - end, 0, missing);
    // A choice list or date button alone in its input gives up the width its texts do not need.
    int32_t giveUp = 0;
    const int32_t kind = f.kindCode();
    const Window* value = ic.value ? ws.windowData(ic.value) : nullptr;
    if (value != nullptr && !ic.units && !ic.extra && !ic.extra2 &&
        (isListKind(kind) || kind == input_kind::kDate)) {
        const FontSize valueFont = ws.WindowFontSize(ic.value);
        int32_t widest = MeasureText(controlText(f.text.view()), valueFont);
        for (const MenuItem& entry : f.entries) {
            widest = std::max(widest, MeasureText(controlText(entry.label().view()), valueFont));
        }
        const int32_t frame = 6 * u_.s + (isListKind(kind) ? scrollBarWidth_ : 0);
        giveUp = std::clamp(value->rect.width() - (widest + frame), 0, missing - spare);
    }
    const int32_t grow = spare + giveUp;
    if (grow <= 0) return;
    const RECT r = label->rect;
    ws.MoveWindow(ic.label, r.left, r.top, r.width() + grow, r.height(), true);
    for (const HWND h : {ic.value, ic.units, ic.extra, ic.extra2}) {
        if (const Window* w = h ? ws.windowData(h) : nullptr) {
            const RECT at = w->rect;
            const int32_t narrower = h == ic.value ? giveUp : 0;
            ws.MoveWindow(h, at.left + grow, at.top, at.width() - narrower, at.height(), true);
        }
    }
}

void CalculatorScreen::BuildInput(int32_t i, int32_t x, int32_t y, int32_t cellRight) {
    WindowSystem& ws = app_.windows();
    PatientContext& patient = app_.patientContext();
    const int32_t s = u_.s;
    const int32_t lh = u_.lh;
    const InputField& f = form_->at(i);
    const int32_t kind = f.kindCode();
    InputControls& ic = controls_[static_cast<size_t>(i)];
    const HWND panel = panel_;
    const DWORD shown = WS_VISIBLE;
    const std::u16string label = controlText(f.label.view());
    const auto comboHeight = [&](int32_t lines) { return lines * lh; };

    if (isWeightInput(kind)) {
        const bool adult = kind == input_kind::kAdultWeight;
        if (adult) {
            adultWeight_ = &patient.adultWeight();
            adultWeightIndex_ = static_cast<int16_t>(i);
        } else {
            calcWeight_ = &patient.calcWeight();
            calcWeightIndex_ = static_cast<int16_t>(i);
        }
        const int32_t boxW = (adult ? 35 : 40) * s;
        ic.label =
            makeControl(app_, u"Static", label, shown | SS_RIGHT, x, y, 70 * s, lh, panel, 0);
        int32_t at = x + 70 * s + 2 * s;
        ic.value =
            makeControl(app_, u"Edit", u"", shown | WS_BORDER | ES_AUTOHSCROLL | ES_DECIMAL, at, y,
                        boxW, lh, panel, adult ? cmd::kAdultWeightBox : cmd::kCalcWeightBox);
        at += boxW + 2 * s;
        ic.extra = makeControl(app_, u"ComboBox", u"", shown | CBS_DROPDOWNLIST | WS_VSCROLL, at, y,
                               70 * s, comboHeight(3), panel,
                               adult ? cmd::kAdultWeightUnits : cmd::kCalcWeightUnits);
        addItems(ws, ic.extra, {kWeightUnits[0], kWeightUnits[1], kWeightUnits[2]});
        at += 70 * s + 2 * s;
        ic.extra2 = makeControl(app_, u"ComboBox", u"", CBS_DROPDOWNLIST | WS_VSCROLL, at, y,
                                50 * s, comboHeight(15), panel,
                                adult ? cmd::kAdultWeightOunces : cmd::kCalcWeightOunces);
        for (int32_t oz = 0; oz < 16; ++oz) {
            ComboBox(ws, ic.extra2).add(widenWindows1252(std::to_string(oz) + " oz"));
        }
        return;
    }
    if (isHeightInput(kind) || kind == input_kind::kHeadCircumference) {
        const bool head = kind == input_kind::kHeadCircumference;
        if (head) {
            head_ = &patient.headCircumference();
            headIndex_ = static_cast<int16_t>(i);
        } else {
            height_ = &patient.height();
            heightIndex_ = static_cast<int16_t>(i);
        }
        const int32_t labelW = (head ? 60 : 70) * s;
        const int32_t boxW = (head ? 36 : 46) * s;
        const int32_t eighthsW = (head ? 60 : 45) * s;
        const int32_t unitsW = (head ? 70 : 57) * s;
        ic.label =
            makeControl(app_, u"Static", label, shown | SS_RIGHT, x, y, labelW, lh, panel, 0);
        int32_t at = x + labelW + 2 * s;
        ic.value = makeControl(app_, u"Edit", u"", shown | WS_BORDER | ES_AUTOHSCROLL | ES_DECIMAL,
                               at, y, boxW, lh, panel, head ? cmd::kHeadBox : cmd::kHeightBox);
        at += boxW + 2 * s;
        ic.extra2 =
            makeControl(app_, u"ComboBox", u"", CBS_DROPDOWNLIST | WS_VSCROLL, at, y, eighthsW,
                        comboHeight(9), panel, head ? cmd::kHeadEighths : cmd::kHeightEighths);
        for (const char16_t* eighth : kEighths) {
            ComboBox(ws, ic.extra2).add(eighth);
        }
        at += eighthsW + 2 * s;
        ic.extra =
            makeControl(app_, u"ComboBox", u"", shown | CBS_DROPDOWNLIST | WS_VSCROLL, at, y,
                        unitsW, comboHeight(3), panel, head ? cmd::kHeadUnits : cmd::kHeightUnits);
        addItems(ws, ic.extra, {kLengthUnits[0], kLengthUnits[1]});
        return;
    }
    if (kind == input_kind::kAge) {
        age_ = &patient.age();
        ageIndex_ = static_cast<int16_t>(i);
        ic.label = makeControl(app_, u"Static", u"Age (years):", shown | SS_LEFT, x, y, 71 * s, lh,
                               panel, 0);
        ic.value = makeControl(app_, u"Edit", u"", shown | WS_BORDER | ES_AUTOHSCROLL | ES_NUMBER,
                               x + 71 * s + 2 * s, y, 35 * s, lh, panel, cmd::kAgeBox);
        return;
    }
    if (kind == input_kind::kSex) {
        sex_ = &patient.sex();
        sexIndex_ = static_cast<int16_t>(i);
        ic.label =
            makeControl(app_, u"Static", u"Gender:", shown | SS_LEFT, x, y, 62 * s, lh, panel, 0);
        ic.value = makeControl(app_, u"Button", u"Male", shown | BS_AUTOCHECKBOX | BS_NOTIFY,
                               x + 62 * s, y, 70 * s, lh, panel, cmd::kMale);
        ic.extra = makeControl(app_, u"Button", u"Female", shown | BS_AUTOCHECKBOX | BS_NOTIFY,
                               x + 132 * s, y, 70 * s, lh, panel, cmd::kFemale);
        return;
    }
    if (kind == input_kind::kDate) {
        dateIndices_.push_back(static_cast<int16_t>(i));
        const int32_t buttonW = (f.fieldWidth > 0 ? f.fieldWidth : f.width > 0 ? f.width : 140) * s;
        int32_t at = cellRight - 2 - buttonW;
        if (!f.label.empty()) {
            const int32_t labelW =
                f.fieldWidth <= 0 ? 70 * s : ((f.width > 0 ? f.width : 140) - f.fieldWidth) * s;
            ic.label = makeControl(app_, u"Static", label, shown | SS_RIGHT, x, y + 2, labelW,
                                   lh - 2, panel, 0);
            at = x + labelW + 2;
        }
        ic.value = makeControl(app_, u"Button", controlText(f.text.view()),
                               shown | BS_PUSHBUTTON | BS_NOTIFY, at, y, buttonW, lh, panel,
                               cmd::kDateBase + i);
        return;
    }
    if (isListKind(kind)) {
        listIndices_.push_back(static_cast<int16_t>(i));
        const int32_t listW = (f.fieldWidth > 0 ? f.fieldWidth : f.width > 0 ? f.width : 140) * s;
        int32_t at = cellRight - 2 * s - listW;
        if (!f.label.empty()) {
            const int32_t t = f.fieldWidth == 0 ? 70 : (f.width > 0 ? f.width : 140) - f.fieldWidth;
            ic.label = makeControl(app_, u"Static", label, shown | SS_RIGHT, x, y + 2, t * s,
                                   lh - 2, panel, 0);
            at = x + t * s + 2 * s;
        }
        const int32_t dropHeight = std::min(s * (f.entries.count() + 1) * lh, 100 * s);
        ic.value = makeControl(app_, u"ComboBox", u"", shown | CBS_DROPDOWNLIST | WS_VSCROLL, at, y,
                               listW, dropHeight, panel, cmd::kChoiceListBase + i);
        return;
    }
    if (kind == input_kind::kCheckBox) {
        ic.value = makeControl(app_, u"Button", label, shown | BS_AUTOCHECKBOX | BS_NOTIFY, x + 2,
                               y, cellRight - (x + 2), lh - 2, panel, cmd::kCheckBoxBase + i);
        return;
    }
    // A plain number: label, box, units.
    int32_t d = 120;
    int32_t e = 55;
    if (f.width >= 1) {
        if (f.fieldWidth < 1) {
            d = e = f.width / 2;
        } else {
            d = f.width - f.fieldWidth;
            e = f.fieldWidth;
        }
    }
    ic.label =
        makeControl(app_, u"Static", label, shown | SS_RIGHT, x, y + 2, d * s, lh - 2, panel, 0);
    const int32_t boxX = x + d * s + 2 * s;
    ic.value =
        makeControl(app_, u"Edit", plainBoxText(f), shown | WS_BORDER | ES_AUTOHSCROLL | ES_DECIMAL,
                    boxX, y, e * s, lh, panel, 0);
    if (!f.units.empty()) {
        ic.units = makeControl(app_, u"Static", controlText(f.units.view()), shown | SS_LEFT,
                               boxX + e * s + 4, y + 2, 50 * s, lh - 2, panel, 0);
    }
}

void CalculatorScreen::FillPatientControls() {
    WindowSystem& ws = app_.windows();
    const bool wasBusy = busy_;
    busy_ = true;
    const auto fill = [&](int32_t index, const InputField* bound, bool roundAge) {
        if (index < 0 || bound == nullptr || index >= inputCount()) return;
        const InputControls& ic = controls_[static_cast<size_t>(index)];
        const std::u16string text =
            bound->value > 0.0f ? widenWindows1252(formatNumber(bound->value, 1, roundAge).view())
                                : std::u16string();
        if (ws.GetWindowText(ic.value) != text) ws.SetWindowText(ic.value, text);
        if (ic.extra) ComboBox(ws, ic.extra).select(bound->unit);
        if (ic.extra2) {
            ComboBox(ws, ic.extra2).select(bound->fraction);
            // Ounces for pounds and eighths for inches (both unit 0).
            showControl(app_, ic.extra2, bound->unit == 0 && !formHidden_);
        }
    };
    fill(calcWeightIndex_, calcWeight_, false);
    fill(adultWeightIndex_, adultWeight_, false);
    fill(heightIndex_, height_, false);
    fill(headIndex_, head_, false);
    if (ageIndex_ >= 0 && age_ != nullptr) {
        const HWND box = controls_[static_cast<size_t>(ageIndex_)].value;
        const std::u16string text =
            age_->value > 0.0f ? widenWindows1252(formatNumber(age_->value, 1, true).view())
                               : std::u16string();
        if (ws.GetWindowText(box) != text) ws.SetWindowText(box, text);
    }
    if (sexIndex_ >= 0 && sex_ != nullptr) {
        const InputControls& ic = controls_[static_cast<size_t>(sexIndex_)];
        Button(ws, ic.value).setChecked(sex_->unit == unit::kMale);
        Button(ws, ic.extra).setChecked(sex_->unit == unit::kFemale);
    }
    busy_ = wasBusy;
}

void CalculatorScreen::FillControls(bool skipFocused) {
    if (form_ == nullptr) return;
    WindowSystem& ws = app_.windows();
    const bool wasBusy = busy_;
    busy_ = true;
    for (int32_t i = 0; i < inputCount() && i < form_->count(); ++i) {
        if (isBound(i)) continue;
        const InputField& f = form_->at(i);
        const int32_t kind = f.kindCode();
        const HWND control = controls_[static_cast<size_t>(i)].value;
        if (!control) continue;
        if (kind == input_kind::kDate) {
            ws.SetWindowText(control, controlText(f.text.view()));
        } else if (isListKind(kind)) {
            const ComboBox list(ws, control);
            if (list.count() == 0) {
                for (const MenuItem& entry : f.entries) list.add(controlText(entry.label().view()));
            }
            list.select(f.unit);
        } else if (kind == input_kind::kCheckBox) {
            Button(ws, control).setChecked(f.value > 0.0f);
        } else {
            if (skipFocused && i == focusPosition_) continue;
            // A typed value stays as typed (even outside its limits); an untouched box shows the
            // field's value only when it is a usable one.
            const std::u16string text =
                f.entered ? widenWindows1252(
                                formatNumber(f.value, std::clamp(f.decimals, 0, 6), false).view())
                          : plainBoxText(f);
            if (ws.GetWindowText(control) != text) ws.SetWindowText(control, text);
        }
    }
    busy_ = wasBusy;
}

bool CalculatorScreen::ReadInput(int32_t i) {
    InputField* f = field(i);
    if (f == nullptr || isBound(i)) return true;
    WindowSystem& ws = app_.windows();
    const int32_t kind = f->kindCode();
    const HWND control = controls_[static_cast<size_t>(i)].value;
    if (kind == input_kind::kDate) return true;
    if (kind == input_kind::kCheckBox) {
        f->unit = static_cast<int16_t>(Button(ws, control).checked() ? 1 : 0);
        f->value = f->unit;
        return true;
    }
    if (isListKind(kind)) {
        f->unit = static_cast<int16_t>(ComboBox(ws, control).selected());
        f->value = f->unit;
        return true;
    }
    const std::string text = numberBoxText(app_, control);
    SharedString message;
    if (readNumberBox(*f, text, &message)) return true;
    if (!message.empty()) PostErr(message);
    return false;
}

}  // namespace orvane
