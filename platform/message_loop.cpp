// Messages, painting order and timers of the window system.
#include <poll.h>

#include <algorithm>

#include "foundation/fatal.h"
#include "platform/window_system.h"

namespace orvane::platform {

namespace {
constexpr int kMaxSendDepth = 4000;
}

LRESULT WindowSystem::SendMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Window* w = find(hwnd);
    if (!w) return 0;
    if (sendDepth_ >= kMaxSendDepth) fatalError("Window messages nested too deeply");
    // A copy: the procedure may replace itself (subclassing) while it runs.
    WNDPROC proc = w->proc;
    ++sendDepth_;
    LRESULT result = proc(hwnd, msg, wParam, lParam);
    --sendDepth_;
    return result;
}

bool WindowSystem::PostMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd && !find(hwnd)) return false;
    MSG m;
    m.hwnd = hwnd;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = static_cast<DWORD>(clock_.nowMs());
    queue_.push_back(Queued{m, false});
    return true;
}

void WindowSystem::PostKeyboardMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    MSG m;
    m.message = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.time = static_cast<DWORD>(clock_.nowMs());
    queue_.push_back(Queued{m, true});
}

void WindowSystem::PostQuitMessage(int exitCode) {
    quitPending_ = true;
    quitCode_ = exitCode;
}

bool WindowSystem::findPaintTarget(HWND hwnd, HWND* out) const {
    const Window* w = find(hwnd);
    if (!w || !w->visible()) return false;
    if (w->needsPaint) {
        *out = hwnd;
        return true;
    }
    for (HWND c : w->children) {
        if (findPaintTarget(c, out)) return true;
    }
    return false;
}

std::optional<int64_t> WindowSystem::NextTimerDue() const {
    std::optional<int64_t> due;
    for (const Timer& t : timers_) {
        if (!due || t.due < *due) due = t.due;
    }
    return due;
}

bool WindowSystem::takeMessage(MSG* msg, bool remove) {
    while (!queue_.empty()) {
        MSG m = queue_.front().msg;
        if (queue_.front().toFocus) {
            m.hwnd = focus_ ? focus_ : foreground_;
            if (!m.hwnd) {
                queue_.pop_front();
                continue;
            }
        }
        if (m.hwnd && !find(m.hwnd)) {
            queue_.pop_front();
            continue;
        }
        if (remove) queue_.pop_front();
        *msg = m;
        return true;
    }
    if (quitPending_) {
        MSG m;
        m.message = WM_QUIT;
        m.wParam = static_cast<WPARAM>(quitCode_);
        m.time = static_cast<DWORD>(clock_.nowMs());
        if (remove) {
            quitPending_ = false;
            exitCode_ = quitCode_;
        }
        *msg = m;
        return true;
    }
    for (HWND t : topLevel_) {
        HWND target;
        if (findPaintTarget(t, &target)) {
            MSG m;
            m.hwnd = target;
            m.message = WM_PAINT;
            m.time = static_cast<DWORD>(clock_.nowMs());
            *msg = m;
            return true;
        }
    }
    const int64_t now = clock_.nowMs();
    Timer* next = nullptr;
    for (Timer& t : timers_) {
        if (t.due <= now && (!next || t.due < next->due)) next = &t;
    }
    if (next) {
        MSG m;
        m.hwnd = next->hwnd;
        m.message = WM_TIMER;
        m.wParam = next->id;
        m.time = static_cast<DWORD>(now);
        if (remove) next->due = now + next->period;
        *msg = m;
        return true;
    }
    return false;
}

bool WindowSystem::HasPendingWork() const {
    for (const Queued& q : queue_) {
        if (q.toFocus || !q.msg.hwnd || find(q.msg.hwnd)) return true;
    }
    if (quitPending_) return true;
    for (HWND t : topLevel_) {
        HWND target;
        if (findPaintTarget(t, &target)) return true;
    }
    const int64_t now = clock_.nowMs();
    return std::any_of(timers_.begin(), timers_.end(),
                       [&](const Timer& t) { return t.due <= now; });
}

bool WindowSystem::GetMessage(MSG* msg) {
    while (true) {
        PollWatches(0);
        if (takeMessage(msg, true)) return msg->message != WM_QUIT;
        if (!waiter_->wait(*this, NextTimerDue())) {
            // No input will come any more: end as if the program had been asked to quit.
            *msg = MSG{};
            msg->message = WM_QUIT;
            exitCode_ = 0;
            return false;
        }
    }
}

bool WindowSystem::PeekMessage(MSG* msg, UINT removeFlags) {
    PollWatches(0);
    return takeMessage(msg, (removeFlags & PM_REMOVE) != 0);
}

bool WindowSystem::TranslateMessage(const MSG* msg) {
    if (!msg || msg->message != WM_KEYDOWN) return false;
    const UINT vk = static_cast<UINT>(msg->wParam);
    char16_t ch = 0;
    if (vk >= '0' && vk <= '9') {
        ch = static_cast<char16_t>(vk);
    } else if (vk >= 'A' && vk <= 'Z') {
        ch = static_cast<char16_t>(vk - 'A' + 'a');
    } else if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) {
        ch = static_cast<char16_t>(u'0' + (vk - VK_NUMPAD0));
    } else {
        switch (vk) {
            case VK_SPACE:
                ch = u' ';
                break;
            case VK_BACK:
                ch = 8;
                break;
            case VK_RETURN:
                ch = 13;
                break;
            case VK_ESCAPE:
                ch = 27;
                break;
            case VK_TAB:
                ch = 9;
                break;
            case VK_DECIMAL:
            case VK_OEM_PERIOD:
                ch = u'.';
                break;
            default:
                return false;
        }
    }
    // The character comes right after its key, before anything posted meanwhile.
    MSG m = *msg;
    m.message = WM_CHAR;
    m.wParam = ch;
    queue_.push_front(Queued{m, false});
    return true;
}

LRESULT WindowSystem::DispatchMessage(const MSG* msg) {
    if (!msg) return 0;
    if (msg->message == WM_TIMER) {
        auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Timer& t) {
            return t.hwnd == msg->hwnd && t.id == msg->wParam;
        });
        if (it != timers_.end() && it->proc) {
            TIMERPROC proc = it->proc;
            proc(msg->hwnd, WM_TIMER, msg->wParam, static_cast<DWORD>(clock_.nowMs()));
            return 0;
        }
    }
    if (!msg->hwnd) return 0;
    Window* w = find(msg->hwnd);
    if (!w) return 0;
    if (msg->message != WM_PAINT)
        return SendMessage(msg->hwnd, msg->message, msg->wParam, msg->lParam);
    w->paintBegun = false;
    LRESULT result = SendMessage(msg->hwnd, WM_PAINT, 0, 0);
    if (Window* after = find(msg->hwnd); after && !after->paintBegun) {
        after->needsPaint = false;
        after->needsErase = false;
        after->invalid = RECT{};
    }
    return result;
}

bool WindowSystem::RunMessageLoop(const std::function<bool()>& done) {
    if (done && done()) return true;
    MSG msg;
    while (GetMessage(&msg)) {
        TranslateMessage(&msg);
        DispatchMessage(&msg);
        if (done && done()) return true;
    }
    PostQuitMessage(exitCode_);
    return false;
}

// ---- Painting ----

bool WindowSystem::InvalidateRect(HWND hwnd, const RECT* rect, bool erase) {
    if (!hwnd) {
        for (HWND t : topLevel_) InvalidateRect(t, nullptr, erase);
        return true;
    }
    Window* w = find(hwnd);
    if (!w) return false;
    const RECT client = clientArea(*w);
    const RECT area = rect ? IntersectRect(*rect, client) : client;
    if (area.empty()) return true;
    w->invalid = UnionRect(w->invalid, area);
    w->needsPaint = true;
    if (erase) w->needsErase = true;
    return true;
}

bool WindowSystem::ValidateRect(HWND hwnd, const RECT* rect) {
    Window* w = find(hwnd);
    if (!w) return false;
    if (!rect || rect->containsRect(w->invalid)) {
        w->invalid = RECT{};
        w->needsPaint = false;
        w->needsErase = false;
    }
    return true;
}

bool WindowSystem::UpdateWindow(HWND hwnd) {
    Window* w = find(hwnd);
    if (!w) return false;
    if (!IsWindowVisible(hwnd)) return true;
    if (w->needsPaint) {
        MSG m;
        m.hwnd = hwnd;
        m.message = WM_PAINT;
        DispatchMessage(&m);
    }
    for (HWND c : GetChildren(hwnd)) UpdateWindow(c);
    return true;
}

bool WindowSystem::GetUpdateRect(HWND hwnd, RECT* rect) const {
    const Window* w = find(hwnd);
    if (!w) return false;
    if (rect) *rect = w->invalid;
    return w->needsPaint;
}

// ---- Timers ----

UINT_PTR WindowSystem::SetTimer(HWND hwnd, UINT_PTR id, UINT elapseMs, TIMERPROC proc) {
    if (hwnd && !find(hwnd)) return 0;
    if (!hwnd) id = nextThreadTimerId_++;
    const UINT period = std::max<UINT>(elapseMs, 1);
    const int64_t due = clock_.nowMs() + period;
    for (Timer& t : timers_) {
        if (t.hwnd == hwnd && t.id == id) {
            t.period = period;
            t.due = due;
            t.proc = std::move(proc);
            return id == 0 ? 1 : id;
        }
    }
    timers_.push_back(Timer{hwnd, id, period, due, std::move(proc)});
    return id == 0 ? 1 : id;
}

bool WindowSystem::KillTimer(HWND hwnd, UINT_PTR id) {
    const size_t before = timers_.size();
    std::erase_if(timers_, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    // A WM_TIMER already queued for it is not delivered any more.
    return timers_.size() != before;
}

// ---- Watched file descriptors ----

void WindowSystem::WatchFileDescriptor(int fd, std::function<void()> onReadable) {
    watches_[fd] = std::move(onReadable);
}

void WindowSystem::UnwatchFileDescriptor(int fd) {
    watches_.erase(fd);
}

bool WindowSystem::PollWatches(int timeoutMs) {
    if (watches_.empty()) {
        if (timeoutMs > 0) {
            ::poll(nullptr, 0, timeoutMs);
        } else if (timeoutMs < 0) {
            return false;  // nothing could ever wake the wait
        }
        return true;
    }
    std::vector<pollfd> fds;
    for (auto& [fd, fn] : watches_) fds.push_back(pollfd{fd, POLLIN, 0});
    const int n = ::poll(fds.data(), fds.size(), timeoutMs);
    if (n <= 0) return true;
    for (const pollfd& p : fds) {
        if (p.revents & (POLLIN | POLLHUP | POLLERR)) {
            auto it = watches_.find(p.fd);
            if (it != watches_.end()) {
                auto fn = it->second;
                fn();
            }
        }
    }
    return true;
}

}  // namespace orvane::platform
