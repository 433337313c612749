#include "platform/single_instance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <cstring>
#include <ctime>

#include "platform/window_system.h"

namespace orvane::platform {

namespace {

constexpr char kFrontRequest[] = "front\n";

void makeDirectories(const std::string& dir) {
    std::string path = dir + "/";
    for (size_t i = 1; i < path.size(); ++i) {
        if (path[i] == '/') ::mkdir(path.substr(0, i).c_str(), 0700);
    }
}

// The socket's address: its path, or (when the path is too long for a socket address) an
// abstract-namespace name made from the path.
bool fillAddress(const std::string& path, sockaddr_un* address, socklen_t* length) {
    std::memset(address, 0, sizeof *address);
    address->sun_family = AF_UNIX;
    if (path.size() < sizeof address->sun_path) {
        std::memcpy(address->sun_path, path.c_str(), path.size() + 1);
        *length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + path.size() + 1);
        return true;
    }
    uint64_t hash = 1469598103934665603ull;
    for (unsigned char c : path) hash = (hash ^ c) * 1099511628211ull;
    const std::string name = "orvane-" + std::to_string(hash);
    address->sun_path[0] = '\0';
    std::memcpy(address->sun_path + 1, name.c_str(), name.size());
    *length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    return true;
}

}  // namespace

SingleInstance::SingleInstance(std::string stateDir, std::string name)
    : stateDir_(std::move(stateDir)), name_(std::move(name)) {}

SingleInstance::~SingleInstance() {
    if (attached_ && listenFd_ >= 0) attached_->UnwatchFileDescriptor(listenFd_);
    if (listenFd_ >= 0) {
        ::close(listenFd_);
        ::unlink(socketAddress().c_str());
    }
    if (lockFd_ >= 0) ::close(lockFd_);
}

std::string SingleInstance::socketAddress() const {
    return stateDir_ + "/" + name_ + ".sock";
}

SingleInstance::Result SingleInstance::acquire() {
    makeDirectories(stateDir_);
    const std::string lockPath = stateDir_ + "/" + name_ + ".lock";
    lockFd_ = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (lockFd_ < 0) return Result::Failed;
    if (::flock(lockFd_, LOCK_EX | LOCK_NB) != 0) {
        const bool taken = errno == EWOULDBLOCK;
        ::close(lockFd_);
        lockFd_ = -1;
        return taken ? Result::AlreadyRunning : Result::Failed;
    }
    listenFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listenFd_ < 0) return Result::Acquired;  // the lock still makes us the only instance
    sockaddr_un address;
    socklen_t length = 0;
    fillAddress(socketAddress(), &address, &length);
    if (address.sun_path[0] != '\0') ::unlink(address.sun_path);  // left by a crashed run
    if (::bind(listenFd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listenFd_, 8) != 0) {
        ::close(listenFd_);
        listenFd_ = -1;
    }
    return Result::Acquired;
}

bool SingleInstance::askFirstToFront(int timeoutMs) {
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    while (true) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        sockaddr_un address;
        socklen_t length = 0;
        fillAddress(socketAddress(), &address, &length);
        if (::connect(fd, reinterpret_cast<sockaddr*>(&address), length) == 0) {
            const ssize_t n = ::send(fd, kFrontRequest, sizeof kFrontRequest - 1, MSG_NOSIGNAL);
            ::close(fd);
            return n == static_cast<ssize_t>(sizeof kFrontRequest - 1);
        }
        ::close(fd);
        timespec now{};
        clock_gettime(CLOCK_MONOTONIC, &now);
        const long elapsed =
            (now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000;
        if (elapsed >= timeoutMs) return false;
        timespec pause{0, 20 * 1000 * 1000};
        nanosleep(&pause, nullptr);
    }
}

int SingleInstance::takeRequests() {
    if (listenFd_ < 0) return 0;
    int requests = 0;
    while (true) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) break;
        // The request is a few bytes written at once; wait briefly for them.
        timeval tv{0, 200 * 1000};
        ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        char buffer[16] = {};
        const ssize_t n = ::recv(fd, buffer, sizeof buffer - 1, 0);
        if (n > 0 && std::strncmp(buffer, kFrontRequest, sizeof kFrontRequest - 1) == 0) ++requests;
        ::close(fd);
    }
    return requests;
}

void SingleInstance::attach(WindowSystem& system, std::function<void()> onFront) {
    if (listenFd_ < 0) return;
    attached_ = &system;
    system.WatchFileDescriptor(listenFd_, [this, onFront = std::move(onFront)] {
        const int n = takeRequests();
        for (int i = 0; i < n; ++i) onFront();
    });
}

}  // namespace orvane::platform
