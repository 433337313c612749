#include "wasm/browser_front_end.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

#include "platform/window_system.h"
#include "wasm/page_imports.h"
#include "web/input_command.h"
#include "web/snapshot_json.h"

namespace orvane::wasm {

using namespace platform;

namespace {

// The page woke the program because it is going away.
constexpr int kPageGone = -1;
// The longest wait handed to the browser's timer.
constexpr int64_t kLongestWaitMs = int64_t{1} << 30;

std::string readFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

BrowserFrontEnd::BrowserFrontEnd(std::string registryPath)
    : registryPath_(std::move(registryPath)) {}

bool BrowserFrontEnd::attach(WindowSystem& system) {
    system_ = &system;
    driver_ = std::make_unique<Driver>(system);
    system.setIdleWaiter(&waiter_);
    // What the page put there from its storage before the start.
    keptRegistry_ = readFileText(registryPath_);
    return true;
}

void BrowserFrontEnd::detach() {
    if (system_ == nullptr) return;
    keepRegistry();
    driver_.reset();
    system_ = nullptr;
}

void BrowserFrontEnd::publish() {
    if (!system_ || !driver_) return;
    const std::string text = web::screenJsonText(*driver_, *system_);
    orvane_page_show(text.data(), static_cast<int>(text.size()));
}

void BrowserFrontEnd::keepRegistry() {
    std::string now = readFileText(registryPath_);
    if (now == keptRegistry_) return;
    // Refused storage is the page's to say (once); the program goes on with what it has.
    orvane_page_store(now.data(), static_cast<int>(now.size()));
    keptRegistry_ = std::move(now);
}

void BrowserFrontEnd::applyInputs() {
    if (!system_ || !driver_) return;
    char* text = orvane_page_take_inputs();
    if (text == nullptr) return;
    const nlohmann::json inputs = nlohmann::json::parse(text, nullptr, false);
    std::free(text);
    if (!inputs.is_array()) return;
    for (const nlohmann::json& item : inputs) {
        if (!item.is_object() || !item.contains("seq") || !item["seq"].is_number_integer())
            continue;
        const int seq = item["seq"].get<int>();
        std::string error;
        const auto found = item.find("input");
        const std::optional<web::InputCommand> command = found != item.end() && found->is_object()
                                                             ? web::parseInputCommand(*found, error)
                                                             : std::nullopt;
        const int outcome =
            command ? static_cast<int>(web::applyInputCommand(*driver_, *system_, *command))
                    : kBadInput;
        orvane_page_outcome(seq, outcome);
    }
}

bool BrowserFrontEnd::PageWaiter::wait(WindowSystem& system, std::optional<int64_t> deadlineMs) {
    page_.publish();
    page_.keepRegistry();
    int timeout = -1;
    if (deadlineMs) {
        timeout = static_cast<int>(
            std::clamp<int64_t>(*deadlineMs - system.clock().nowMs(), 0, kLongestWaitMs));
    }
    if (orvane_page_wait(timeout) == kPageGone) return false;
    page_.applyInputs();
    return true;
}

}  // namespace orvane::wasm
