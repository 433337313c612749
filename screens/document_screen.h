// DocumentScreen: shows one page of a module in the HTML viewer, with the module's title tab and
// caption band above it, a view selector when the module offers several views, and, when the page
// depends on the patient's weight, a weight row (a label naming the weight, child or adult, and
// marking a start weight nobody entered; box, unit list, ounces list) with an on-screen keypad
// under it; every change of the weight rebuilds the page. Links act inside the module
// (codes 33 and 50: the page is rebuilt and scrolled to "anchor") or navigate. It computes nothing:
// the module builds every page; a stored or typed weight that fails its check shows the red
// message page instead of a page computed from it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/shared_string.h"
#include "model/input_field.h"
#include "screens/caption_popup.h"
#include "screens/screen_support.h"
#include "shell/html_screen.h"

namespace orvane {

class PageBuilder;

namespace document_screen {
// The weight row's label names the weight the page doses by.
inline constexpr char16_t kChildWeightLabel[] = u"Child";
inline constexpr char16_t kAdultWeightLabel[] = u"Adult";
// Drawn beside the unit list while the weight is the start value nobody entered.
inline constexpr char16_t kStartWeightNote[] = u"(default)";
}  // namespace document_screen

class DocumentScreen final : public HTMLScreen {
  public:
    DocumentScreen(PPCOrvaneApp& app, Request request);
    ~DocumentScreen() override;

    void Resize(const platform::RECT& rect) override;
    void Update(Request request) override;
    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    // ---- State, for tests and the front end ----
    int16_t currentView() const { return currentView_; }
    bool weightRowShown() const { return weightRowShown_; }
    bool keypadShown() const { return keypadShown_; }
    bool childWeightMode() const { return childWeightMode_; }
    // Whether the row's weight is the child weight (else the adult one), and whether it still is
    // the start value nobody entered.
    bool showsChildWeight() const;
    bool showsStartWeight() const;
    const InputField* weightField() const { return weightField_; }
    const SharedString& weightMessage() const { return weightMessage_; }
    const std::u16string& caption() const { return caption_; }
    const CaptionPopup& popup() const { return popup_; }
    platform::HWND weightBox() const { return weightBox_; }
    platform::HWND unitList() const { return unitList_; }
    platform::HWND ouncesList() const { return ouncesList_; }
    platform::HWND viewList() const { return viewList_; }
    platform::HWND viewButton(int32_t i) const { return viewButtons_[i]; }
    platform::HWND moreButton() const { return moreButton_; }
    platform::HWND keypadToggle(bool show) const { return show ? showKeypad_ : hideKeypad_; }
    // The keypad button of a command (digits 0-9, 10 "C", 12 ".", 13 "Backsp"), or null.
    platform::HWND keypadButton(int32_t command) const;
    // The number of times a page was built (each ShowView).
    int32_t buildCount() const { return buildCount_; }

  private:
    void ShowView(int32_t view, bool apply);
    void ReadWeight();
    void ShowMessagePage(const SharedString& text);
    void ShowViewControls(int32_t level);
    void ShowWeightRow(int32_t level);
    void ShowKeypadButtons(bool shown);
    void MoveViewer();
    void LayOutWeightRow();
    void Paint();
    void PaintWeightLabel(platform::HDC dc);
    void OpenCaptionPopup();
    void ChooseViewButton(int32_t which);
    void TypeIntoWeightBox(char16_t key);
    bool OnCommand(platform::WPARAM wParam, platform::LPARAM lParam);
    void OnLinkClick(platform::LPARAM lParam);
    void OnKeyDown(platform::WPARAM key);
    bool hasResultsMenu() const;
    int32_t viewCount() const;

    Request request_;
    int32_t moduleCode_;
    PageBuilder* builder_ = nullptr;
    InputField* weightField_ = nullptr;
    bool weightRowShown_ = false;
    ScreenUnits u_;
    int16_t currentView_ = 0;
    std::u16string caption_;
    CaptionPopup popup_;
    platform::HWND moreButton_;
    platform::HBITMAP moreBitmap_;
    platform::HWND viewList_;
    std::array<platform::HWND, 2> viewButtons_{};
    // The entry of the results menu each line of the view list stands for (entries with empty
    // labels are not listed).
    std::vector<int32_t> listedViews_;
    InputField* resultsMenu_ = nullptr;
    platform::HWND weightBox_;
    platform::HWND unitList_;
    platform::HWND ouncesList_;
    // Digits 0-9 at their index, then "C", ".", "Backsp".
    std::array<platform::HWND, 13> keypad_{};
    platform::HWND showKeypad_;
    platform::HWND hideKeypad_;
    platform::HBITMAP showKeypadBitmap_;
    platform::HBITMAP hideKeypadBitmap_;
    bool relayout_ = false;
    bool firstBuild_ = true;
    bool keypadShown_ = true;
    bool childWeightMode_ = false;
    bool weightAccepted_ = false;
    SharedString weightMessage_;
    int32_t buildCount_ = 0;
};

}  // namespace orvane
