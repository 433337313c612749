// The HTTP server answering requests whose declared body length it refuses: an oversized length
// is refused with 413 and a malformed one with 400, at once and without the body ever being sent
// (the library on its own would wait to read and discard an oversized body first); and the
// browser's request for an icon answered with no content. The bound on
// the answer time is a behaviour check (no waiting for the body), not a measure of speed.
#include "web/http_server.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>

namespace orvane::web {
namespace {

// The whole answer to a raw request on a fresh connection: what arrives until the server closes
// the connection or nothing more comes for `quiet`.
std::string exchange(int port, const std::string& request, std::chrono::milliseconds quiet) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) return {};
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    std::string reply;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
        ::send(fd, request.data(), request.size(), 0) == static_cast<ssize_t>(request.size())) {
        char buffer[4096];
        pollfd wait{fd, POLLIN, 0};
        while (::poll(&wait, 1, static_cast<int>(quiet.count())) > 0) {
            const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
            if (got <= 0) break;
            reply.append(buffer, static_cast<size_t>(got));
            // One complete answer (its JSON body ends the message) is all that is waited for.
            if (reply.find("\r\n\r\n") != std::string::npos && reply.back() == '}') break;
        }
    }
    ::close(fd);
    return reply;
}

class HttpServerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        WebOptions options;
        options.port = 0;
        const ServerConfig config{options, "test-token", "", "", "", ContentFolder("", "")};
        server_ = std::make_unique<HttpServer>(config, channel_);
        std::string error;
        ASSERT_TRUE(server_->start(error)) << error;
    }
    void TearDown() override { server_->stop(); }

    std::string post(const std::string& lengthHeaders) {
        const std::string host = "127.0.0.1:" + std::to_string(server_->port());
        return exchange(server_->port(),
                        "POST /api/input?token=test-token HTTP/1.1\r\nHost: " + host +
                            "\r\nContent-Type: application/json\r\n" + lengthHeaders + "\r\n",
                        kQuiet);
    }

    // Far above an immediate answer and far below the library's own wait for a body.
    static constexpr std::chrono::milliseconds kQuiet{4000};
    MirrorChannel channel_;
    std::unique_ptr<HttpServer> server_;
};

TEST_F(HttpServerTest, DeclaredLengthsAreRefusedAtOnce) {
    const struct {
        const char* headers;
        const char* status;
    } cases[] = {
        {"Content-Length: 10485760\r\n", "HTTP/1.1 413"},
        {"Content-Length: 100000000000000000000\r\n", "HTTP/1.1 413"},
        {"Content-Length: 16385\r\n", "HTTP/1.1 413"},
        {"Content-Length: -1\r\n", "HTTP/1.1 400"},
        {"Content-Length: garbage\r\n", "HTTP/1.1 400"},
        {"Content-Length: 1e20\r\n", "HTTP/1.1 400"},
        {"Content-Length: 5\r\nContent-Length: 6\r\n", "HTTP/1.1 400"},
    };
    for (const auto& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        const std::string reply = post(c.headers);
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_EQ(reply.rfind(c.status, 0), 0u) << c.headers << reply;
        // Answered without waiting for the body that never comes.
        EXPECT_LT(waited, std::chrono::milliseconds(kQuiet)) << c.headers;
    }
}

// The browser's own request for an icon is answered with no content, not an error (a 404 shows
// as an error in the page's console: found by the soak of the real page).
TEST_F(HttpServerTest, TheIconRequestGetsAnEmptyAnswer) {
    const std::string host = "127.0.0.1:" + std::to_string(server_->port());
    const std::string reply =
        exchange(server_->port(),
                 "GET /favicon.ico?token=test-token HTTP/1.1\r\nHost: " + host +
                     "\r\nConnection: close\r\n\r\n",
                 kQuiet);
    EXPECT_EQ(reply.rfind("HTTP/1.1 204", 0), 0u) << reply;
}

}  // namespace
}  // namespace orvane::web
