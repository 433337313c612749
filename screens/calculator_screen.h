// CalculatorScreen: hosts every calculator and every dosing module that needs typed values. It
// builds one row of controls per input field the module hands over through the page builder
// (number boxes with units, the bound patient inputs with their unit and fraction lists, sex, age,
// check boxes, choice lists, date buttons with a month calendar), re-reads the controls on every
// change, checks the values and asks the module for the page again; the result or the red message
// of the first failing input shows in the viewer under the form. A two-row keypad with "Clear All"
// types into the focused field. It never knows which calculator it shows and computes nothing.
// The form holds as many inputs as the module gives.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/dyn_array.h"
#include "foundation/shared_string.h"
#include "model/input_field.h"
#include "screens/screen_support.h"
#include "shell/html_screen.h"

namespace orvane {

class PageBuilder;

class CalculatorScreen final : public HTMLScreen {
  public:
    CalculatorScreen(PPCOrvaneApp& app, Request request);
    ~CalculatorScreen() override;

    void Resize(const platform::RECT& rect) override;
    void Update(Request request) override;
    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    // The controls of one input of the form (null where the kind has none): `value` is the box,
    // list, check box or date button (the "Male" box for sex); patient kinds use `extra` for the
    // unit list (the "Female" box for sex) and `extra2` for the ounces or eighths list.
    struct InputControls {
        platform::HWND label;
        platform::HWND value;
        platform::HWND units;
        platform::HWND extra;
        platform::HWND extra2;
    };

    // ---- State, for tests and the front end ----
    int32_t inputCount() const { return static_cast<int32_t>(controls_.size()); }
    const InputControls& controlsOf(int32_t input) const {
        return controls_.at(static_cast<size_t>(input));
    }
    const DynArray<InputField>* form() const { return form_; }
    int32_t focusPosition() const { return focusPosition_; }
    const SharedString& lastError() const { return lastError_; }
    bool formHidden() const { return formHidden_; }
    bool smallScreen() const { return smallScreen_; }
    bool compactResult() const { return compactResult_; }
    bool checksPassed() const { return checksPassed_; }
    platform::HWND panel() const { return panel_; }
    platform::HWND container() const { return container_; }
    platform::HWND scrollBar() const { return scrollBar_; }
    platform::HWND calendar() const { return calendar_; }
    platform::HWND imageButton() const { return imageButton_; }
    // The keypad button of a command (3400-3412, 3415), or null.
    platform::HWND keypadButton(int32_t command) const;
    int32_t scrollPosition() const { return scrollPosition_; }

  private:
    // ---- Views and the form ----
    void ShowView(int32_t view, bool apply);
    void BuildForm();
    void DestroyForm();
    void BuildInput(int32_t i, int32_t x, int32_t y, int32_t cellRight);
    // A label whose text is wider than its place is widened, first into the room after the
    // input's last control (up to limit), then into the width a lone choice list or date button
    // does not need for its texts; the input's controls move right with it. The label then stands
    // whole on one line instead of wrapping out of its row.
    void FitLabel(const InputField& f, const InputControls& ic, int32_t limit);
    void FillControls(bool skipFocused);
    void FillPatientControls();
    bool ReadInput(int32_t i);
    void Compute();
    bool RunPatientChecks(int32_t& failedInput);
    void PostErr(const SharedString& text);
    void ShowForm(bool hidden);
    void ShowFormControls(bool shown);
    void ShowKeypad(int32_t level);
    void ClearAll();
    void TypeKey(char16_t key);
    void OpenCalendar(int32_t input);
    void CloseCalendar();
    void ScrollForm(platform::UINT code, int32_t thumb);
    void FocusInput(int32_t input);
    void PaintScreen();

    // ---- Messages ----
    bool OnCommand(platform::HWND window, platform::WPARAM wParam, platform::LPARAM lParam);
    bool OnPatientList(platform::HWND control);
    void OnSexBox(bool male);
    void OnChoiceList(int32_t input);
    void OnTextChanged();
    void OnControlFocused(platform::HWND control);
    void OnLinkClick(platform::LPARAM lParam);
    void OnDayPicked(platform::LPARAM lParam);

    // ---- Helpers ----
    int32_t inputOfControl(platform::HWND control) const;
    platform::HWND focusControlOf(int32_t input) const;
    int32_t kindOf(int32_t input) const;
    InputField* field(int32_t input);
    InputField* boundField(int32_t input);
    bool isBound(int32_t input) const;
    bool hasInput(int32_t input) const;

    Request request_;
    int32_t moduleCode_;
    int16_t currentView_ = 0;
    PageBuilder* builder_ = nullptr;
    DynArray<InputField>* form_ = nullptr;
    // Bound patient fields and the index of their input (-1 when absent).
    InputField* calcWeight_ = nullptr;
    InputField* adultWeight_ = nullptr;
    InputField* height_ = nullptr;
    InputField* head_ = nullptr;
    InputField* age_ = nullptr;
    InputField* sex_ = nullptr;
    int16_t calcWeightIndex_ = -1;
    int16_t adultWeightIndex_ = -1;
    int16_t heightIndex_ = -1;
    int16_t headIndex_ = -1;
    int16_t sexIndex_ = -1;
    int16_t ageIndex_ = -1;
    std::vector<int16_t> dateIndices_;
    std::vector<int16_t> listIndices_;
    int16_t focusPosition_ = 0;
    platform::HWND lastFocused_;
    platform::HWND container_;
    platform::HWND panel_;
    platform::HWND scrollBar_;
    int32_t scrollPosition_ = 0;
    int32_t panelRows_ = 10;
    int32_t visibleRows_ = 0;
    int32_t scrollBarWidth_ = 0;
    bool widened_ = false;
    std::vector<InputControls> controls_;
    // Upper row 1 2 3 4 5 . Backsp, lower row 6 7 8 9 0 C "Clear All".
    std::array<platform::HWND, 14> keypad_{};
    platform::HWND imageButton_;
    platform::HBITMAP imageBitmap_;
    platform::HWND calendar_;
    int32_t calendarInput_ = -1;
    SharedString lastError_;
    bool firstBuild_ = true;
    bool formHidden_ = false;
    bool smallScreen_ = false;
    bool compactResult_ = false;
    bool checksPassed_ = false;
    bool keypadHidden_ = false;
    ScreenUnits u_;
};

}  // namespace orvane
