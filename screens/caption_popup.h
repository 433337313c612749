// CaptionPopup: the small yellow window of class "LabelClass" that shows a caption (or a list
// entry) in full when the screen had to shorten it. It holds a read-only multi-line edit box
// (identifier 111) with the text, takes the keyboard focus, and closes on any key, on its timer,
// when minimised, or when the owning screen closes it; the focus then goes back to the window
// that had it. Getting the focus itself never closes it. It knows nothing of modules or pages.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/win_types.h"

namespace orvane {

class PPCOrvaneApp;

inline constexpr char16_t kLabelClass[] = u"LabelClass";
inline constexpr int32_t kCaptionPopupEditId = 111;
inline constexpr uint32_t kCaptionPopupMs = 2000;

class CaptionPopup {
  public:
    explicit CaptionPopup(PPCOrvaneApp& app);
    CaptionPopup(const CaptionPopup&) = delete;
    CaptionPopup& operator=(const CaptionPopup&) = delete;
    // Closes an open popup.
    ~CaptionPopup();

    // Closes any open popup, then opens one at (x, y) of the main window's client area showing
    // the text, closing itself after ms milliseconds. An empty text opens nothing.
    void Open(const std::u16string& text, int32_t x, int32_t y, uint32_t ms = kCaptionPopupMs);
    // Closes the popup when it is open; the focus goes back to the window that had it.
    void Close();
    bool isOpen() const;
    platform::HWND window() const;

  private:
    struct State;
    static void CloseState(State& state);

    PPCOrvaneApp& app_;
    std::shared_ptr<State> state_;
};

}  // namespace orvane
