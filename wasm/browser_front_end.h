// The offline page's front end: the program runs inside the page (WebAssembly) on the page's own
// thread. When a message loop has nothing left to dispatch, the waiter hands the screen to the
// page, keeps the registry file in the browser's storage when it changed, and hands control back
// to the browser until input comes or the next timer is due (the program's stack is kept and
// resumed there). Input comes as the same JSON commands the server takes, read and applied by the
// same code (web/input_command.h) through the platform's driver. It owns no program state.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/driver.h"
#include "platform/front_end.h"
#include "platform/idle_waiter.h"

namespace orvane::wasm {

// The outcome of an input the page sent that is not an input command at all.
inline constexpr int kBadInput = 100;

class BrowserFrontEnd final : public platform::FrontEnd {
  public:
    // registryPath: the registry file the program writes (in the module's memory file system).
    explicit BrowserFrontEnd(std::string registryPath);

    bool attach(platform::WindowSystem& system) override;
    void bringToFront() override {}
    void detach() override;

  private:
    class PageWaiter final : public platform::IdleWaiter {
      public:
        explicit PageWaiter(BrowserFrontEnd& page) : page_(page) {}
        bool wait(platform::WindowSystem& system, std::optional<int64_t> deadlineMs) override;

      private:
        BrowserFrontEnd& page_;
    };

    void publish();
    void applyInputs();
    void keepRegistry();

    std::string registryPath_;
    std::string keptRegistry_;
    platform::WindowSystem* system_ = nullptr;
    std::unique_ptr<platform::Driver> driver_;
    PageWaiter waiter_{*this};
};

}  // namespace orvane::wasm
