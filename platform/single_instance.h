// The single-instance rule across processes: the first start holds an exclusive lock on a file in
// the state folder (flock, released by the kernel when the process ends, so a crash never leaves a
// stale lock) and listens on a Unix socket beside it; a later start finds the lock taken and
// asks, through the socket, for the first to come to the front. The first receives each request
// through its window system's wait (attach) or by polling takeRequests().
#pragma once

#include <functional>
#include <string>

namespace orvane::platform {

class WindowSystem;

class SingleInstance {
  public:
    enum class Result { Acquired, AlreadyRunning, Failed };

    // name: the lock and socket file stem in stateDir ("orvane" gives orvane.lock, orvane.sock).
    SingleInstance(std::string stateDir, std::string name);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // Makes the state folder if needed, then takes the lock and opens the channel.
    Result acquire();
    // From a start that found the lock taken: asks the first to come to the front. Retries for
    // up to timeoutMs while the first is still opening its channel. True when delivered.
    bool askFirstToFront(int timeoutMs = 2000);
    // Accepts waiting requests; returns how many asked to come to the front.
    int takeRequests();
    // Watches the channel in the window system's waits; onFront runs once per request.
    void attach(WindowSystem& system, std::function<void()> onFront);
    int channelFd() const { return listenFd_; }

  private:
    std::string socketAddress() const;
    std::string stateDir_;
    std::string name_;
    int lockFd_ = -1;
    int listenFd_ = -1;
    WindowSystem* attached_ = nullptr;
};

}  // namespace orvane::platform
