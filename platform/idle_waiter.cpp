#include "platform/idle_waiter.h"

#include <algorithm>

#include "platform/window_system.h"

namespace orvane::platform {

bool RealTimeWaiter::wait(WindowSystem& system, std::optional<int64_t> deadlineMs) {
    int timeout = -1;
    if (deadlineMs) {
        const int64_t left = *deadlineMs - system.clock().nowMs();
        timeout = static_cast<int>(std::clamp<int64_t>(left, 0, 1 << 30));
    }
    return system.PollWatches(timeout);
}

bool FakeTimeWaiter::wait(WindowSystem&, std::optional<int64_t> deadlineMs) {
    if (!deadlineMs) return false;
    clock_.advance(*deadlineMs - clock_.nowMs());
    return true;
}

}  // namespace orvane::platform
