// IndexDocumentScreen: a long list of entries to scroll and pick from (the A-Z index, category,
// document and drug lists). It shows one page of rows at a time in a list view with its own
// scroll bar, reads the entries from the module all at once or one at a time (lazy lists), marks
// rows too long for their column with "»" and shows them in full in a popup, and for the A-Z index
// and the drug lists adds a search row with prefix search and find-next. Choosing an entry
// remembers its number in the patient context (so Back shows the list at the same entry) and
// navigates to the entry's request. When the module's content is missing it says so instead.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/input_field.h"
#include "platform/win_types.h"
#include "shell/screen.h"

namespace orvane {

class CaptionPopup;
class PageBuilder;

namespace index_screen {
// Commands of the screen's controls.
inline constexpr int kFindCommand = 40319;
inline constexpr int kSearchBoxCommand = 40320;
inline constexpr int kMoreCommand = 40806;
inline constexpr int kKeyboardCommand = 40807;
// Identifiers of the list, the scroll bar and the missing-content note (no commands).
inline constexpr int kListId = 40321;
inline constexpr int kScrollBarId = 40322;
inline constexpr int kMissingNoteId = 40323;
// Bitmaps by scale (1, 2).
inline constexpr int kMoreBitmap[2] = {173, 172};       // 13 x 16, 32 x 32
inline constexpr int kFindBitmap[2] = {171, 170};       // 16 x 16, 32 x 32
inline constexpr int kKeyboardBitmap[2] = {174, 175};   // 16 x 14, 32 x 28
inline constexpr int kRowImageBitmaps[2] = {444, 904};  // 9 x 11 each
// The marker of a row too long for its column: "»".
inline constexpr char16_t kMarker = 187;
// The longest search text: typed through the list, and as read back.
inline constexpr int kTypedSearchLimit = 64;
inline constexpr int kSearchReadLimit = 200;
// Shown in place of the list when the module's content could not be read.
inline constexpr char16_t kMissingContent[] =
    u"The content for this list is missing or could not be read.";
// Shown in place of the list when no module answers the request.
inline constexpr char16_t kNoModule[] = u"This module is not available in this version.";
}  // namespace index_screen

class IndexDocumentScreen final : public Screen {
  public:
    IndexDocumentScreen(PPCOrvaneApp& app, Request request);
    // Lowers the input panel, destroys the controls, bitmaps and any popup; the module handle stays
    // with the patient context.
    ~IndexDocumentScreen() override;

    void Resize(const platform::RECT& rect) override;
    void Update(Request request) override;
    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    // For tests and the front end.
    platform::HWND list() const { return list_; }
    platform::HWND scrollBar() const { return scrollBar_; }
    platform::HWND searchBox() const { return searchBox_; }
    platform::HWND findButton() const { return findButton_; }
    platform::HWND moreButton() const { return moreButton_; }
    platform::HWND keyboardButton() const { return keyboardButton_; }
    platform::HWND missingNote() const { return missingNote_; }
    platform::HWND popupWindow() const;
    bool searchEnabled() const { return search_; }
    bool lazy() const { return lazy_; }
    bool allFit() const { return allFit_; }
    bool keyboardUp() const { return keyboardUp_; }
    int32_t rowsPerPage() const { return rowsPerPage_; }
    int32_t entryCount() const { return count_; }
    int32_t top() const { return top_; }
    int32_t current() const { return current_; }
    int32_t textLimit() const { return textLimit_; }
    int16_t scale() const { return scale_; }
    const std::u16string& captionText() const { return captionWide_; }

    // The operations behind the list's keys, the scroll bar and the search row.
    void FillPage();
    void ScrollUp(int32_t n);
    void ScrollDown(int32_t n);
    void ScrollTo(int32_t i);
    void FindPrefix();
    void FindNext();
    void MatchFirstLetter(char16_t key);

  private:
    struct Entry {
        SharedString label;
        Request request = 0;
        bool valid = false;  // false: the entry could not be read
    };

    void ShowControls(int32_t level);
    void PaintScreen();
    // Entry i: from the module one at a time for a lazy list, else from the list field. An entry
    // that cannot be read comes back empty and not valid.
    Entry ReadEntry(int32_t i);
    void Choose(int32_t entry);
    int32_t MaxTop() const;
    // Sets top and refills when it changed; the current entry is selected either way.
    void MoveTop(int32_t newTop);
    void SelectRow(int32_t row);
    int32_t FocusedRow() const;
    int32_t RowsShown() const;
    std::u16string SearchText() const;
    void AppendToSearch(char16_t c);
    void LayOutForKeyboard();
    void RaiseInputPanel(bool up);
    // Hides the list and its controls and shows the note instead.
    void ShowMissingContent(const char16_t* note = index_screen::kMissingContent);
    void SetCurrent(int32_t current);
    platform::LRESULT OnListNotify(platform::LPARAM lParam);

    Request request_;
    int32_t moduleCode_;
    int32_t rowsPerPage_ = 0;
    int32_t rowHeight_ = 0;
    int32_t lineHeight_ = 0;
    bool search_ = false;
    PageBuilder* pageBuilder_ = nullptr;
    InputField* field_ = nullptr;
    SharedString caption_;
    std::u16string captionWide_;
    platform::HWND list_;
    platform::HWND scrollBar_;
    platform::HWND searchBox_;
    platform::HWND findButton_;
    platform::HBITMAP findBitmap_;
    platform::HWND moreButton_;
    platform::HBITMAP moreBitmap_;
    platform::HWND keyboardButton_;
    platform::HBITMAP keyboardBitmap_;
    platform::HWND missingNote_;
    platform::HIMAGELIST images_;
    platform::HBITMAP imageBitmaps_[2];
    std::unique_ptr<CaptionPopup> popup_;
    int16_t scale_ = 1;
    int16_t iconSize_ = 16;
    platform::COLORREF entryColor_ = 0;
    int32_t baseTextWidth_ = 0;
    int32_t textWidth_ = 0;
    int32_t textLimit_ = 0;
    int32_t markerWidth_ = 20;
    int32_t count_ = 0;
    int32_t top_ = -1;
    int32_t current_ = 0;
    bool lazy_ = false;
    bool allFit_ = false;
    bool keyboardUp_ = false;
};

}  // namespace orvane
