#include "web/mirror_channel.h"

#include <sys/eventfd.h>
#include <unistd.h>

namespace orvane::web {

namespace {
// Outcomes nobody collected (their HTTP request timed out) are dropped this far behind.
constexpr uint64_t kOutcomeWindow = 4096;
}  // namespace

MirrorChannel::MirrorChannel() : wakeFd_(eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {}

MirrorChannel::~MirrorChannel() {
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

std::optional<uint64_t> MirrorChannel::submit(InputCommand command) {
    uint64_t sequence = 0;
    {
        std::lock_guard lock(mutex_);
        if (published_.closed || queue_.size() >= kMaxQueuedInputs) return std::nullopt;
        sequence = nextSequence_++;
        queue_.emplace_back(sequence, std::move(command));
    }
    const uint64_t one = 1;
    if (wakeFd_ >= 0) {
        [[maybe_unused]] const ssize_t n = ::write(wakeFd_, &one, sizeof one);
    }
    return sequence;
}

std::optional<MirrorChannel::Result> MirrorChannel::waitApplied(uint64_t sequence,
                                                                std::chrono::milliseconds timeout) {
    std::unique_lock lock(mutex_);
    const bool done = changed_.wait_for(
        lock, timeout, [&] { return publishedThrough_ >= sequence || published_.closed; });
    if (!done || publishedThrough_ < sequence) return std::nullopt;
    const auto it = outcomes_.find(sequence);
    if (it == outcomes_.end()) return std::nullopt;
    Result result{it->second, published_.version};
    outcomes_.erase(it);
    return result;
}

MirrorChannel::Published MirrorChannel::published() const {
    std::lock_guard lock(mutex_);
    return published_;
}

MirrorChannel::Published MirrorChannel::waitChange(uint64_t seenVersion, uint64_t seenFocus,
                                                   std::chrono::milliseconds timeout) const {
    std::unique_lock lock(mutex_);
    changed_.wait_for(lock, timeout, [&] {
        return published_.version > seenVersion || published_.focusRequests > seenFocus ||
               published_.closed;
    });
    return published_;
}

std::vector<std::pair<uint64_t, InputCommand>> MirrorChannel::takeInputs() {
    uint64_t count = 0;
    if (wakeFd_ >= 0) {
        [[maybe_unused]] const ssize_t n = ::read(wakeFd_, &count, sizeof count);
    }
    std::lock_guard lock(mutex_);
    std::vector<std::pair<uint64_t, InputCommand>> out(std::make_move_iterator(queue_.begin()),
                                                       std::make_move_iterator(queue_.end()));
    queue_.clear();
    return out;
}

void MirrorChannel::recordOutcome(uint64_t sequence, InputOutcome outcome) {
    std::lock_guard lock(mutex_);
    outcomes_[sequence] = outcome;
    if (sequence > recordedThrough_) recordedThrough_ = sequence;
}

void MirrorChannel::publish(const std::string& uiJson) {
    {
        std::lock_guard lock(mutex_);
        if (uiJson != lastUi_ || published_.version == 0) {
            lastUi_ = uiJson;
            ++published_.version;
            published_.json = std::make_shared<const std::string>(
                "{\"version\":" + std::to_string(published_.version) + ",\"ui\":" + uiJson + "}");
        }
        publishedThrough_ = recordedThrough_;
        while (!outcomes_.empty() &&
               outcomes_.begin()->first + kOutcomeWindow < publishedThrough_) {
            outcomes_.erase(outcomes_.begin());
        }
    }
    changed_.notify_all();
}

void MirrorChannel::requestFocus() {
    {
        std::lock_guard lock(mutex_);
        ++published_.focusRequests;
    }
    changed_.notify_all();
}

void MirrorChannel::close() {
    {
        std::lock_guard lock(mutex_);
        published_.closed = true;
        queue_.clear();
    }
    changed_.notify_all();
}

}  // namespace orvane::web
