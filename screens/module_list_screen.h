// ModuleListScreen: the home screen. It shows the logo, the product name, the module registry's
// entries in two side-by-side list views, a notice line, the version and the exit picture, moves
// the current entry with the keys within and across the columns, and navigates to the chosen
// module. It reads only the registry's entry list; it opens no content itself.
#pragma once

#include <cstdint>

#include "model/input_field.h"
#include "platform/win_types.h"
#include "shell/screen.h"

namespace orvane {

namespace module_list {
// Bitmaps: the logo by layout, and the exit picture.
inline constexpr int kLogoBitmap = 1500;       // 66 x 44
inline constexpr int kSmallLogoBitmap = 1501;  // 32 x 22, content height 240 or less
inline constexpr int kLargeLogoBitmap = 1520;  // 132 x 88, scale 2
inline constexpr int kExitBitmap = 135;        // 16 x 16
// Control identifiers of the two lists (the exit picture carries the exit command 41002).
inline constexpr int kLeftListId = 1001;
inline constexpr int kRightListId = 1002;
// The one-line notice at the bottom left.
inline constexpr char16_t kNotice[] = u"For clinical reference";
}  // namespace module_list

class ModuleListScreen final : public Screen {
  public:
    ModuleListScreen(PPCOrvaneApp& app, Request request);
    // Destroys the logo, the exit picture, both lists and their bitmaps; the module handle stays
    // with the patient context.
    ~ModuleListScreen() override;

    void Resize(const platform::RECT& rect) override;
    void Update(Request request) override;
    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    // For tests and the front end.
    platform::HWND leftList() const { return left_; }
    platform::HWND rightList() const { return right_; }
    platform::HWND logo() const { return logo_; }
    platform::HWND exitButton() const { return exit_; }
    int16_t half() const { return half_; }
    int16_t scale() const { return scale_; }
    // The current entry (the entry list's chosen-entry number), -1 without a list.
    int32_t current() const { return field_ != nullptr ? field_->unit : -1; }
    int32_t entryCount() const { return field_ != nullptr ? field_->entries.count() : 0; }

  private:
    void ShowDecor(int32_t level);
    void ShowLists(int32_t level);
    void PaintScreen();
    void FillLists();
    // The top of both lists.
    int32_t ListTop() const;
    // The entry an item of a list stands for (right list: plus half).
    int32_t EntryOf(platform::HWND list, int32_t item) const;
    int32_t FocusedItem(platform::HWND list) const;
    void SelectItem(platform::HWND list, int32_t item);
    void Choose(int32_t entry);
    platform::LRESULT OnListNotify(platform::HWND list, platform::LPARAM lParam);

    Request request_;
    int32_t moduleCode_;
    platform::HWND logo_;
    platform::HBITMAP logoBitmap_;
    platform::HWND exit_;
    platform::HBITMAP exitBitmap_;
    platform::HWND left_;
    platform::HWND right_;
    int16_t half_ = 0;
    int16_t scale_ = 1;
    int16_t columnUnit_ = 110;
    int16_t rowsPerColumn_ = 12;
    int16_t rowUnit_ = 15;
    int16_t exitSize_ = 16;
    int32_t lineHeight_ = 0;
    InputField* field_ = nullptr;
};

}  // namespace orvane
