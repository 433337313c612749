#include "screens/document_screen.h"

#include <optional>

#include "foundation/number_format.h"
#include "foundation/typed_number.h"
#include "foundation/windows1252.h"
#include "modules/page_outcome.h"
#include "modules/patient_checks.h"
#include "modules/patient_context.h"
#include "modules/patient_inputs.h"
#include "platform/html_viewer_messages.h"
#include "platform/typed_controls.h"
#include "platform/window_system.h"
#include "rendering/link_target.h"
#include "rendering/page_builder.h"
#include "screens/document_commands.h"
#include "shell/ppc_orvane_app.h"
#include "shell/shell_commands.h"

namespace orvane {

using namespace platform;
namespace cmd = document_command;

namespace {}  // namespace

DocumentScreen::DocumentScreen(PPCOrvaneApp& app, Request request)
    : HTMLScreen(app),
      request_(request),
      moduleCode_(moduleCode(request)),
      u_(screenUnits(app)),
      popup_(app) {
    TraceScope trace(app_.trace(), "DocumentScreen::DocumentScreen");
    keypadShown_ = app_.patientContext().keypadShown() != 0;
    const RECT& c = u_.c;
    const HWND main = app_.mainWindow();

    // The more button takes its bitmap's size and ends a pixel inside the right edge (R - 14 for
    // the small picture; the large one would otherwise run past the screen).
    const bool large = u_.s == 2;
    const int32_t moreW = large ? 32 : 13;
    const int32_t moreH = large ? 32 : 16;
    moreButton_ = makeControl(app_, u"Button", u"", BS_PUSHBUTTON | BS_BITMAP, c.right - moreW - 1,
                              c.top + u_.lh, moreW, moreH, main, cmd::kMore);
    moreBitmap_ = setButtonBitmap(app_, moreButton_,
                                  large ? document_bitmap::kMoreLarge : document_bitmap::kMoreSmall,
                                  moreW, moreH);

    ShowViewControls(0);
    ShowWeightRow(0);
    view().Move(RECT{c.left, c.top + 2 * u_.lh, c.right - 2, c.bottom - 3 * u_.rh - 2});
}

DocumentScreen::~DocumentScreen() {
    popup_.Close();
    WindowSystem& ws = app_.windows();
    std::vector<HWND> controls = {moreButton_,     viewList_,   viewButtons_[0],
                                  viewButtons_[1], weightBox_,  unitList_,
                                  ouncesList_,     showKeypad_, hideKeypad_};
    controls.insert(controls.end(), keypad_.begin(), keypad_.end());
    for (const HWND control : controls) {
        if (control && ws.IsWindow(control)) ws.DestroyWindow(control);
    }
    for (const HBITMAP bitmap : {moreBitmap_, showKeypadBitmap_, hideKeypadBitmap_}) {
        if (bitmap) ws.DeleteObject(bitmap);
    }
}

void DocumentScreen::Resize(const RECT&) {}

HWND DocumentScreen::keypadButton(int32_t command) const {
    if (command >= 0 && command <= 9) return keypad_[static_cast<size_t>(command)];
    if (command == cmd::kClear) return keypad_[10];
    if (command == cmd::kPoint) return keypad_[11];
    if (command == cmd::kBackspace) return keypad_[12];
    return HWND();
}

bool DocumentScreen::hasResultsMenu() const {
    return resultsMenu_ != nullptr && resultsMenu_->entries.count() > 0;
}

int32_t DocumentScreen::viewCount() const {
    return hasResultsMenu() ? resultsMenu_->entries.count() : 0;
}

// ---- Update and views ----

void DocumentScreen::Update(Request request) {
    TraceScope trace(app_.trace(), "DocumentScreen::Update");
    const int32_t code = moduleCode(request);
    if (code == request_code::kNextView) {
        if (hasResultsMenu()) {
            const int32_t next = currentView_ + 1 >= viewCount() ? 0 : currentView_ + 1;
            ShowView(next, true);
        }
    } else if (code == request_code::kPreviousView) {
        if (hasResultsMenu()) {
            const int32_t previous = currentView_ <= 0 ? viewCount() - 1 : currentView_ - 1;
            ShowView(previous, true);
        } else {
            app_.windows().PostMessage(app_.mainWindow(), WM_COMMAND, command::kBack, 0);
        }
    } else {
        request_ = request;
        ModuleRef handle = app_.patientContext().moduleFor(request);
        if (handle != module_) {
            // Another module: its results menu and weight are asked for afresh.
            resultsMenu_ = nullptr;
            firstBuild_ = true;
        }
        module_ = handle;
        if (module_ != nullptr) module_->handleRequest(request);
        ShowView(currentView_, true);
    }
    app_.ShowNavButtons(2);
}

void DocumentScreen::ShowView(int32_t viewIndex, bool apply) {
    int32_t view = viewIndex;
    TraceScope trace(app_.trace(), "DocumentScreen::ShowView");
    WindowSystem& ws = app_.windows();
    PatientContext& patient = app_.patientContext();
    builder_ = &patient.pageBuilder().start(true);
    busy_ = true;
    ++buildCount_;

    if (hasResultsMenu() && apply && module_ != nullptr) {
        const Request chosen = resultsMenu_->entries.at(view).request();
        if (!module_->handleRequest(chosen)) {
            if (viewList_) ComboBox(ws, viewList_).select(0);
            view = 0;
        }
    }
    currentView_ = static_cast<int16_t>(view);
    const char* page = module_ != nullptr ? module_->buildPage(view) : nullptr;
    builder_ = &patient.pageBuilder();

    if (firstBuild_) {
        resultsMenu_ = module_ != nullptr
                           ? module_->choiceList(makeRequest(request_code::kResultsMenu, 0))
                           : nullptr;
        listedViews_.clear();
        if (!hasResultsMenu()) {
            resultsMenu_ = nullptr;
            showControl(app_, viewList_, false);
            showControl(app_, viewButtons_[0], false);
            showControl(app_, viewButtons_[1], false);
        } else if (builder_->hideChoiceList) {
            showControl(app_, viewList_, false);
            // A menu of one entry has no second button to show.
            const int32_t count = resultsMenu_->entries.count();
            // The checked button is the entry the module shows: a module made again may show the
            // second one (TykoFever's remembered medicine), which is then the current view.
            const int32_t shown = resultsMenu_->unit;
            if (shown == 1 && count > 1) currentView_ = 1;
            for (int32_t i = 0; i < 2; ++i) {
                if (i < count) {
                    ws.SetWindowText(viewButtons_[i],
                                     controlText(resultsMenu_->entries.at(i).label().view()));
                    Button(ws, viewButtons_[i]).setChecked(i == currentView_);
                }
                showControl(app_, viewButtons_[i], i < count);
            }
        } else {
            const ComboBox viewList(ws, viewList_);
            viewList.clear();
            for (int32_t i = 0; i < resultsMenu_->entries.count(); ++i) {
                const SharedString& label = resultsMenu_->entries.at(i).label();
                if (label.empty()) continue;
                viewList.add(controlText(label.view()));
                listedViews_.push_back(i);
            }
            showControl(app_, viewButtons_[0], false);
            showControl(app_, viewButtons_[1], false);
            showControl(app_, viewList_, true);
        }
        weightRowShown_ = builder_->weightInput > 0;
        MoveViewer();
    }

    if (hasResultsMenu() && apply) {
        if (!builder_->hideChoiceList) {
            int32_t line = -1;
            for (size_t i = 0; i < listedViews_.size(); ++i) {
                if (listedViews_[i] == currentView_) line = static_cast<int32_t>(i);
            }
            ComboBox(ws, viewList_).select(line);
        } else {
            Button(ws, viewButtons_[0]).setChecked(currentView_ == 0);
            Button(ws, viewButtons_[1]).setChecked(currentView_ == 1);
        }
    }

    // What the page shows (the page, the weight's red message, the missing-content or the
    // no-module page) is decided with the page's weight, which the row then shows.
    const PageOutcome outcome = pageOutcome(patient, module_.get(), page, ScreenKind::kDocument);
    const int16_t weightInput = builder_->weightInput;
    if (weightInput != 0) {
        weightRowShown_ = true;
        weightField_ = outcome.weight.field;
        childWeightMode_ = outcome.weight.childMode;
        weightMessage_ = outcome.message;
        ShowWeightRow(1);
        if (firstBuild_) {
            // A weight of 0 or below is no weight: the box starts empty.
            const float w = weightField_->value;
            const std::u16string text =
                w > 0.0f ? widenWindows1252(formatNumber(w, 1, false).view()) : std::u16string();
            const EditBox box(ws, weightBox_);
            box.setText(text);
            ws.SetFocus(weightBox_);
            const auto end = static_cast<int32_t>(text.size());
            box.selectRange(end, end);
            relayout_ = true;
        }
    } else {
        weightField_ = nullptr;
        weightRowShown_ = false;
        ShowWeightRow(-1);
    }

    if (weightInput > 0) {
        const bool pounds = weightField_ != nullptr && weightField_->unit == unit::kPounds;
        showControl(app_, ouncesList_, pounds);
        if (weightField_ != nullptr) {
            ComboBox(ws, unitList_).select(weightField_->unit);
            if (pounds) ComboBox(ws, ouncesList_).select(weightField_->fraction);
        }
    }

    // A module that built no page leaves the viewer as it is.
    if (outcome.body) HTMLScreen::view().SetPage(*outcome.body, true);
    firstBuild_ = false;
    busy_ = false;
}

void DocumentScreen::ShowMessagePage(const SharedString& text) {
    view().SetPage(messagePageBody(text.view()), true);
}

void DocumentScreen::ReadWeight() {
    weightAccepted_ = true;
    if (weightField_ == nullptr) return;
    WindowSystem& ws = app_.windows();
    const int32_t unitChoice = ComboBox(ws, unitList_).selected();
    if (unitChoice >= 0) weightField_->unit = static_cast<int16_t>(unitChoice);
    const int32_t ounces = ComboBox(ws, ouncesList_).selected();
    if (ounces >= 0) weightField_->fraction = static_cast<int16_t>(ounces);
    // Ounces belong to pounds only, whether or not the weight passes its check.
    showControl(app_, ouncesList_, weightField_->unit == unit::kPounds);

    const std::string text = numberBoxText(app_, weightBox_);
    if (text.empty()) {
        view().SetPage("", true);
        weightAccepted_ = false;
        return;
    }
    SharedString message;
    const std::optional<float> typed = readTypedNumber(text);
    if (!typed) {
        // Not a number: no dose is shown, only the weight's message; the stored weight stays as
        // it was, as for an empty box.
        checkWeight(*weightField_, kUnreadableValue, &message, childWeightMode_);
        weightMessage_ = message;
        ShowMessagePage(message);
        weightAccepted_ = false;
        return;
    }
    weightField_->value = *typed;
    app_.patientContext().markWeightEntered(*weightField_);
    if (!checkPageWeight(PageWeight{weightField_, childWeightMode_}, &message)) {
        weightMessage_ = message;
        ShowMessagePage(message);
        weightAccepted_ = false;
    }
}

// ---- Controls and layout ----

void DocumentScreen::ShowViewControls(int32_t level) {
    app_.ShowNavButtons(level);
    if (level != 0) return;
    const RECT& c = u_.c;
    const int32_t s = u_.s;
    const int32_t lh = u_.lh;
    const HWND main = app_.mainWindow();
    viewList_ = makeControl(app_, u"ComboBox", u"", CBS_DROPDOWNLIST | WS_VSCROLL, c.left + 1,
                            c.top + 2 * lh, 160 * s, 10 * s * lh, main, cmd::kViewList);
    viewButtons_[0] = makeControl(app_, u"Button", u"", BS_PUSHBUTTON, c.left + 1,
                                  c.top + 2 * lh - 3 * s, 100 * s, lh, main, cmd::kFirstView);
    viewButtons_[1] = makeControl(app_, u"Button", u"", BS_PUSHBUTTON, c.left + 1 + 102 * s,
                                  c.top + 2 * lh - 3 * s, 100 * s, lh, main, cmd::kSecondView);
}

void DocumentScreen::MoveViewer() {
    const RECT& c = u_.c;
    const int32_t top = c.top + (hasResultsMenu() ? 3 : 2) * u_.lh;
    int32_t bottom = c.bottom - 2;
    if (weightRowShown_) {
        bottom -= u_.rh;
        if (keypadShown_) bottom -= 2 * u_.rh;
    }
    view().Move(RECT{c.left, top, c.right, bottom});
}

void DocumentScreen::LayOutWeightRow() {
    WindowSystem& ws = app_.windows();
    const RECT& c = u_.c;
    const int32_t s = u_.s;
    const int32_t lh = u_.lh;
    const int32_t y = keypadShown_ ? c.bottom + 1 - 3 * u_.rh : c.bottom + 1 - u_.rh;
    ws.MoveWindow(weightBox_, c.left + 42 * s, y, 35 * s, lh - 1, true);
    // The heights given to the lists are their dropped lists' room; the closed fields keep
    // their own height.
    ws.MoveWindow(unitList_, c.left + 78 * s, y, 70 * s, 4 * lh, true);
    ws.MoveWindow(ouncesList_, c.left + 149 * s, y, 48 * s, 16 * lh, true);
    MoveViewer();
}

void DocumentScreen::ShowKeypadButtons(bool shown) {
    for (const HWND key : keypad_) showControl(app_, key, shown);
}

void DocumentScreen::ShowWeightRow(int32_t level) {
    WindowSystem& ws = app_.windows();
    const RECT& c = u_.c;
    const int32_t s = u_.s;
    const int32_t lh = u_.lh;
    const int32_t rh = u_.rh;
    const HWND main = app_.mainWindow();
    if (level == 0) {
        const int32_t y = c.bottom + 1 - 3 * rh;
        weightBox_ = makeControl(app_, u"Edit", u"", WS_BORDER | ES_AUTOHSCROLL | ES_DECIMAL,
                                 c.left + 44 * s, y, 35 * s, lh - 1, main, cmd::kWeightBox);
        unitList_ = makeControl(app_, u"ComboBox", u"", CBS_DROPDOWNLIST | WS_VSCROLL,
                                c.left + 82 * s, y, 70 * s, 3 * lh, main, cmd::kUnitList);
        for (const char16_t* name : {u"Pounds", u"Kilograms", u"Grams"}) {
            ComboBox(ws, unitList_).add(name);
        }
        ouncesList_ = makeControl(app_, u"ComboBox", u"", CBS_DROPDOWNLIST | WS_VSCROLL,
                                  c.left + 155 * s, y, 48 * s, 15 * lh, main, cmd::kOuncesList);
        for (int32_t oz = 0; oz < 16; ++oz) {
            ComboBox(ws, ouncesList_).add(widenWindows1252(std::to_string(oz) + " oz"));
        }
        // Upper row: 1 2 3 4 5 . ; lower row: 6 7 8 9 0 C Backsp.
        const int32_t upper = c.bottom - 2 * rh;
        const int32_t lower = c.bottom - rh;
        const int32_t upperDigits[] = {1, 2, 3, 4, 5};
        const int32_t lowerDigits[] = {6, 7, 8, 9, 0};
        for (int32_t k = 0; k < 5; ++k) {
            const int32_t d = upperDigits[k];
            keypad_[static_cast<size_t>(d)] =
                makeControl(app_, u"Button", widenWindows1252(std::to_string(d)), BS_PUSHBUTTON,
                            c.left + s + 25 * s * k, upper, 24 * s, lh, main, d);
            const int32_t e = lowerDigits[k];
            keypad_[static_cast<size_t>(e)] =
                makeControl(app_, u"Button", widenWindows1252(std::to_string(e)), BS_PUSHBUTTON,
                            c.left + s + 1 + 25 * s * k, lower, 24 * s, lh, main, e);
        }
        keypad_[11] = makeControl(app_, u"Button", u".", BS_PUSHBUTTON, c.left + s + 25 * s * 5,
                                  upper, 24 * s, lh, main, cmd::kPoint);
        keypad_[10] = makeControl(app_, u"Button", u"C", BS_PUSHBUTTON, c.left + s + 1 + 25 * s * 5,
                                  lower, 24 * s, lh, main, cmd::kClear);
        keypad_[12] =
            makeControl(app_, u"Button", u"Backsp", BS_PUSHBUTTON, c.left + s + 1 + 25 * s * 6,
                        lower, 60 * s, lh, main, cmd::kBackspace);
        const bool large = s == 2;
        const int32_t tx = c.right - 24 * s - 1;
        const int32_t ty = c.bottom - rh + 2;
        showKeypad_ = makeControl(app_, u"Button", u"", BS_PUSHBUTTON | BS_BITMAP, tx, ty,
                                  24 * s - 2, lh, main, cmd::kShowKeypad);
        hideKeypad_ = makeControl(app_, u"Button", u"", BS_PUSHBUTTON | BS_BITMAP, tx, ty,
                                  24 * s - 2, lh, main, cmd::kHideKeypad);
        showKeypadBitmap_ = setButtonBitmap(
            app_, showKeypad_,
            large ? document_bitmap::kShowKeypadLarge : document_bitmap::kShowKeypadSmall,
            24 * s - 2, lh);
        hideKeypadBitmap_ = setButtonBitmap(
            app_, hideKeypad_,
            large ? document_bitmap::kHideKeypadLarge : document_bitmap::kHideKeypadSmall,
            24 * s - 2, lh);
        return;
    }
    if (level > 0) {
        if (relayout_ || (firstBuild_ && !keypadShown_)) {
            LayOutWeightRow();
            relayout_ = false;
        }
        showControl(app_, weightBox_, true);
        showControl(app_, unitList_, true);
        showControl(app_, ouncesList_,
                    weightField_ != nullptr && weightField_->unit == unit::kPounds);
        ShowKeypadButtons(keypadShown_);
        showControl(app_, hideKeypad_, keypadShown_);
        showControl(app_, showKeypad_, !keypadShown_);
    } else {
        showControl(app_, weightBox_, false);
        showControl(app_, unitList_, false);
        showControl(app_, ouncesList_, false);
        ShowKeypadButtons(false);
        showControl(app_, showKeypad_, false);
        showControl(app_, hideKeypad_, false);
        const RECT current = view().placement();
        view().Move(RECT{current.left, current.top, current.right, c.bottom - 2});
    }
    ws.InvalidateRect(main, nullptr, false);
    ws.UpdateWindow(main);
    showControl(app_, view().window(), true);
}

}  // namespace orvane
