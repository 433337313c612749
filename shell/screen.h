// Screen: the abstract base of every screen (module list, index, document, calculator, HTML
// screens, disclaimer, splash). It holds the busy flag, the module that serves the screen, the
// owning application and its own copy of the history entry that was current when it was made,
// and it records navigation requests. It makes no other screen itself: Navigate records the
// request and posts the command that makes the application show it.
#pragma once

#include <cstdint>
#include <memory>

#include "model/request.h"
#include "modules/module_handle.h"
#include "platform/win_types.h"
#include "shell/history_entry.h"

namespace orvane {

class PPCOrvaneApp;

class Screen {
  public:
    explicit Screen(PPCOrvaneApp& app);
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;
    virtual ~Screen();

    // Moves the screen's parts into a new rectangle; the default does nothing.
    virtual void Resize(const platform::RECT& rect);
    // Shows the content for a request; the default does nothing.
    virtual void Update(Request request);
    // Returns whether the message was handled, its result in result. The default handles the
    // main window's destroy message (posts the quit message, result 0) and gives every other
    // message to the platform's default procedure (result its value, not handled).
    virtual bool HandleMessage(platform::HWND window, platform::UINT message,
                               platform::WPARAM wParam, platform::LPARAM lParam,
                               platform::LRESULT& result);
    // The screen's message handling (routed from the main window procedure).
    virtual platform::LRESULT WindowProc(platform::HWND window, platform::UINT message,
                                         platform::WPARAM wParam, platform::LPARAM lParam) = 0;

    // Sets busy, lets the module see the request, records it in the history and posts the
    // navigate-to-current command. A request that cannot be recorded shows "Invalid Document
    // Type", and the screen stays usable (busy is cleared again).
    void Navigate(Request request);

    // While set, control notifications are ignored (the screen is filling its own controls or is
    // about to be replaced).
    bool busy() const { return busy_; }
    void setBusy(bool busy) { busy_ = busy; }
    ModuleHandle* module() const { return module_.get(); }
    void setModule(ModuleRef module) { module_ = std::move(module); }
    PPCOrvaneApp& app() const { return app_; }
    // The history entry current when the screen was made (null when there was none).
    const HistoryEntry* entry() const { return entry_.get(); }

  protected:
    bool busy_ = false;
    ModuleRef module_;
    PPCOrvaneApp& app_;
    std::unique_ptr<HistoryEntry> entry_;
};

}  // namespace orvane
