// What a message loop does when it has nothing to dispatch: wait for input or the next timer.
// The real-time waiter sleeps (in poll) on the watched file descriptors until the next timer is
// due; the fake-time waiter moves a FakeClock to the next timer at once; a scripted waiter runs a
// test's function (which injects input through the driver). Returning false means no input will
// ever come again: the waiting loop then receives the quit message (exit code 0).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

namespace orvane::platform {

class WindowSystem;
class FakeClock;

class IdleWaiter {
  public:
    virtual ~IdleWaiter() = default;
    // deadlineMs: the monotonic time at which the next timer is due, if any.
    virtual bool wait(WindowSystem& system, std::optional<int64_t> deadlineMs) = 0;
};

class RealTimeWaiter final : public IdleWaiter {
  public:
    bool wait(WindowSystem& system, std::optional<int64_t> deadlineMs) override;
};

// With no timer pending there is nothing to wait for: returns false.
class FakeTimeWaiter final : public IdleWaiter {
  public:
    explicit FakeTimeWaiter(FakeClock& clock) : clock_(clock) {}
    bool wait(WindowSystem& system, std::optional<int64_t> deadlineMs) override;

  private:
    FakeClock& clock_;
};

class ScriptedWaiter final : public IdleWaiter {
  public:
    using Step = std::function<bool(WindowSystem&, std::optional<int64_t>)>;
    explicit ScriptedWaiter(Step step) : step_(std::move(step)) {}
    bool wait(WindowSystem& system, std::optional<int64_t> deadlineMs) override {
        return step_(system, deadlineMs);
    }

  private:
    Step step_;
};

}  // namespace orvane::platform
