// The one meeting point of the HTTP threads and the user-interface thread. HTTP threads submit
// input (queued, with a wake-up file descriptor for the UI thread's wait) and read what the UI
// thread published: the latest screen as JSON text with its version number, the outcome of each
// input, and the count of requests to come to the front. The UI thread takes the queued input,
// records outcomes, and publishes. Everything is behind one mutex; nothing here knows windows.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "web/input_command.h"

namespace orvane::web {

class MirrorChannel {
  public:
    // Inputs waiting beyond this many are refused (the UI thread is not keeping up).
    static constexpr size_t kMaxQueuedInputs = 256;

    MirrorChannel();
    ~MirrorChannel();
    MirrorChannel(const MirrorChannel&) = delete;
    MirrorChannel& operator=(const MirrorChannel&) = delete;

    // Readable while input waits; the UI thread watches it.
    int wakeFd() const { return wakeFd_; }

    struct Published {
        uint64_t version = 0;                     // 0 before the first publication
        std::shared_ptr<const std::string> json;  // {"version":N,"ui":{...}}
        uint64_t focusRequests = 0;
        bool closed = false;
    };

    // ---- HTTP threads ----
    // The input's sequence number, or nothing when the queue is full or the channel closed.
    std::optional<uint64_t> submit(InputCommand command);
    struct Result {
        InputOutcome outcome;
        uint64_t version;  // the screen published after the input was applied
    };
    // Waits until the input has been applied and a screen published after it; nothing on
    // timeout or when the channel closes first.
    std::optional<Result> waitApplied(uint64_t sequence, std::chrono::milliseconds timeout);
    Published published() const;
    // Waits until there is a newer screen or focus request than those seen, the channel closes,
    // or the timeout passes; returns the state then.
    Published waitChange(uint64_t seenVersion, uint64_t seenFocus,
                         std::chrono::milliseconds timeout) const;

    // ---- The UI thread ----
    std::vector<std::pair<uint64_t, InputCommand>> takeInputs();
    void recordOutcome(uint64_t sequence, InputOutcome outcome);
    // Publishes the screen (a new version only when the text changed) and makes every outcome
    // recorded so far visible.
    void publish(const std::string& uiJson);
    void requestFocus();
    // Ends every wait; later submissions are refused.
    void close();

  private:
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    int wakeFd_ = -1;
    uint64_t nextSequence_ = 1;
    std::deque<std::pair<uint64_t, InputCommand>> queue_;
    std::map<uint64_t, InputOutcome> outcomes_;
    uint64_t recordedThrough_ = 0;
    uint64_t publishedThrough_ = 0;
    std::string lastUi_;
    Published published_;
};

}  // namespace orvane::web
