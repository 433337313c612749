// HTMLScreen: the abstract base of the screens that show a page in the HTML viewer (document,
// calculator and disclaimer screens). It owns one HTMLView placed at the content rectangle and
// answers the viewer's notifications: link taps are marked handled (the concrete screen decodes
// and acts on them first), inline images are resolved and handed to the viewer, the rest are
// acknowledged. It builds no pages.
#pragma once

#include "shell/html_view.h"
#include "shell/screen.h"

namespace orvane {

class HTMLScreen : public Screen {
  public:
    explicit HTMLScreen(PPCOrvaneApp& app);
    ~HTMLScreen() override;

    // Moves the viewer.
    void Resize(const platform::RECT& rect) override;
    // set-cursor: result 1. Notify: link tap result 1, inline image answered with result 1,
    // any other code result 0; all handled. Anything else: the Screen default (not handled).
    bool HandleMessage(platform::HWND window, platform::UINT message, platform::WPARAM wParam,
                       platform::LPARAM lParam, platform::LRESULT& result) override;

    HTMLView& view() { return view_; }

  private:
    void AnswerInlineImage(platform::LPARAM lParam);

    HTMLView view_;
};

}  // namespace orvane
