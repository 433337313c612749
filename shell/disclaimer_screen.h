// DisclaimerScreen: the modal disclaimer page with its caption band, a "Close" button and the
// check box "Don't show this in the future". The page is the document-list module's page for
// the kind (0: request 31, 1: 63, 2: 43), shown as the complete document it is. The screen only
// records what the user did; ShowDisclaimer stores the choice.
#pragma once

#include <cstdint>
#include <string>

#include "shell/html_screen.h"

namespace orvane {

class DisclaimerScreen final : public HTMLScreen {
  public:
    static constexpr int kCloseCommand = 333;
    static constexpr int kDontShowCommand = 334;
    // Shown, with the content notice, when the disclaimer's text cannot be read.
    static constexpr const char* kUnreadableDisclaimer =
        "The disclaimer could not be read: the content is missing or damaged.";

    DisclaimerScreen(PPCOrvaneApp& app, int32_t kind);
    ~DisclaimerScreen() override;

    // Command 333 closes, 334 reads the check box; paint messages draw nothing; the rest is the
    // HTML screen's handling (links in the disclaimer do nothing).
    platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                 platform::WPARAM wParam, platform::LPARAM lParam) override;

    bool closed() const { return closed_; }
    bool dontShowAgain() const { return dontShow_; }
    int32_t kind() const { return kind_; }
    platform::HWND closeButton() const { return closeButton_; }
    platform::HWND checkBox() const { return checkBox_; }

    // The content request for a kind; 0 for a kind without content.
    static Request requestFor(int32_t kind);

  private:
    void DrawBand();

    int32_t kind_;
    bool closed_ = false;
    bool dontShow_ = false;
    std::u16string bandText_;
    platform::HWND closeButton_;
    platform::HWND checkBox_;
};

}  // namespace orvane
