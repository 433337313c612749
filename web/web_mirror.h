// The browser front end as the program sees it: attached to the window system on the
// user-interface thread, it starts the HTTP server, prints the address to open, applies the
// page's input through the platform's driver when the UI thread's wait wakes for it, and
// publishes the window tree whenever the program has nothing left to dispatch (so after every
// dispatch, paint and timer that changed it). A request from a later start to come to the front
// becomes a "focus" event for the page. The program's own code never sees a thread.
#pragma once

#include <cstdio>
#include <memory>
#include <string>

#include "platform/driver.h"
#include "platform/front_end.h"
#include "platform/idle_waiter.h"
#include "web/http_server.h"
#include "web/mirror_channel.h"
#include "web/web_options.h"

namespace orvane::web {

// Where the page's files and fonts are read from.
struct WebFiles {
    std::string staticDir;
    std::string fontDir;
    std::string resourceDir;
};

// The files of this program: web/ and the bitmaps of the program's data folder (found from its
// executable), Debian's DejaVu fonts.
WebFiles defaultWebFiles();

class WebMirror final : public platform::FrontEnd {
  public:
    // out: where the address (and any warning) is printed.
    WebMirror(WebOptions options, WebFiles files, std::FILE* out = stdout);
    ~WebMirror() override;

    bool attach(platform::WindowSystem& system) override;
    void bringToFront() override;
    void detach() override;

    // The address to open (after attach).
    std::string pageAddress() const;
    MirrorChannel& channel() { return channel_; }

  private:
    // Publishes, then waits as the real-time waiter does.
    class PublishingWaiter final : public platform::IdleWaiter {
      public:
        explicit PublishingWaiter(WebMirror& mirror) : mirror_(mirror) {}
        bool wait(platform::WindowSystem& system, std::optional<int64_t> deadlineMs) override;

      private:
        WebMirror& mirror_;
        platform::RealTimeWaiter real_;
    };

    void applyInput();
    void publish();

    WebOptions options_;
    WebFiles files_;
    std::FILE* out_;
    MirrorChannel channel_;
    std::unique_ptr<HttpServer> server_;
    platform::WindowSystem* system_ = nullptr;
    std::unique_ptr<platform::Driver> driver_;
    PublishingWaiter waiter_{*this};
};

}  // namespace orvane::web
