#include "web/web_mirror.h"

#include "content/content_folder.h"
#include "content/program_data_folder.h"
#include "platform/window_system.h"
#include "web/snapshot_json.h"

namespace orvane::web {

using namespace platform;

WebFiles defaultWebFiles() {
    const std::string data = runningProgramDataFolder();
    return WebFiles{data + "web", "/usr/share/fonts/truetype/dejavu", data};
}

WebMirror::WebMirror(WebOptions options, WebFiles files, std::FILE* out)
    : options_(std::move(options)), files_(std::move(files)), out_(out) {}

WebMirror::~WebMirror() {
    detach();
}

bool WebMirror::attach(WindowSystem& system) {
    ServerConfig config{options_,           makeSessionToken(),
                        files_.staticDir,   files_.fontDir,
                        files_.resourceDir, ContentFolder::forRunningProgram(options_.contentDir)};
    server_ = std::make_unique<HttpServer>(std::move(config), channel_);
    std::string error;
    if (!server_->start(error)) {
        std::fprintf(stderr, "orvane: %s\n", error.c_str());
        server_.reset();
        return false;
    }
    system_ = &system;
    driver_ = std::make_unique<Driver>(system);
    system.WatchFileDescriptor(channel_.wakeFd(), [this] { applyInput(); });
    system.setIdleWaiter(&waiter_);
    if (options_.listenGiven && options_.listenAddress != "127.0.0.1") {
        std::fprintf(stderr,
                     "orvane: warning: listening on %s, beyond this machine; anyone who can reach "
                     "it and learns the address below can use Orvane\n",
                     options_.listenAddress.c_str());
    }
    std::fprintf(out_, "Orvane is running. Open %s\n", server_->pageAddress().c_str());
    std::fflush(out_);
    return true;
}

void WebMirror::bringToFront() {
    channel_.requestFocus();
}

void WebMirror::detach() {
    channel_.close();
    if (server_) server_->stop();
    server_.reset();
    if (system_) system_->UnwatchFileDescriptor(channel_.wakeFd());
    driver_.reset();
    system_ = nullptr;
}

std::string WebMirror::pageAddress() const {
    return server_ ? server_->pageAddress() : std::string();
}

void WebMirror::applyInput() {
    if (!system_ || !driver_) return;
    for (auto& [sequence, command] : channel_.takeInputs()) {
        channel_.recordOutcome(sequence, applyInputCommand(*driver_, *system_, command));
    }
}

void WebMirror::publish() {
    if (!system_ || !driver_) return;
    channel_.publish(screenJsonText(*driver_, *system_));
}

bool WebMirror::PublishingWaiter::wait(WindowSystem& system, std::optional<int64_t> deadlineMs) {
    mirror_.publish();
    return real_.wait(system, deadlineMs);
}

}  // namespace orvane::web
