#include "web/http_server.h"

#include <httplib.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <thread>
#include <vector>

#include "rendering/image_names.h"
#include "web/content_length.h"
#include "web/text_encoding.h"

namespace orvane::web {

using nlohmann::json;

namespace {

constexpr int kMaxEventStreams = 8;
constexpr auto kInputWait = std::chrono::milliseconds(5000);
constexpr auto kKeepAlive = std::chrono::milliseconds(10000);
constexpr uintmax_t kMaxStaticFile = 4u * 1024u * 1024u;

// The page's fixed files: request path, file (in the static or font folder), media type.
struct StaticFile {
    const char* path;
    const char* file;
    bool font;
    const char* type;
};
constexpr StaticFile kStaticFiles[] = {
    {"/static/style.css", "style.css", false, "text/css; charset=utf-8"},
    {"/static/fonts/DejaVuSans.ttf", "DejaVuSans.ttf", true, "font/ttf"},
    {"/static/fonts/DejaVuSans-Bold.ttf", "DejaVuSans-Bold.ttf", true, "font/ttf"},
    {"/static/fonts/DejaVuSansCondensed.ttf", "DejaVuSansCondensed.ttf", true, "font/ttf"},
    {"/static/fonts/DejaVuSansCondensed-Bold.ttf", "DejaVuSansCondensed-Bold.ttf", true,
     "font/ttf"},
};

// The page's script modules: web/static/NAME.js and web/static/FOLDER/NAME.js, in lower case
// letters, digits and hyphens only, so that no request reaches outside the static folder. They
// are loaded as ES modules, which the browser runs only when served with a JavaScript type.
constexpr const char* kScriptModulePath = R"(/static/((?:[a-z]+/)?[a-z][a-z0-9-]*\.js))";
constexpr const char* kScriptType = "text/javascript; charset=utf-8";

constexpr const char* kPagePolicy =
    "default-src 'none'; script-src 'self'; style-src 'self' 'unsafe-inline'; img-src 'self'; "
    "font-src 'self'; connect-src 'self'; frame-src 'self' about:; base-uri 'self'; "
    "form-action 'none'; frame-ancestors 'none'";

bool readFile(const std::filesystem::path& path, uintmax_t maxBytes, std::string& out) {
    std::error_code error;
    const auto status = std::filesystem::status(path, error);
    if (error || status.type() != std::filesystem::file_type::regular) return false;
    const uintmax_t size = std::filesystem::file_size(path, error);
    if (error || size > maxBytes) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::string bytes(static_cast<size_t>(size), '\0');
    in.read(bytes.data(), static_cast<std::streamsize>(size));
    if (static_cast<uintmax_t>(in.gcount()) != size) return false;
    out = std::move(bytes);
    return true;
}

void answer(httplib::Response& res, int status, const std::string& message) {
    res.status = status;
    res.set_content(json{{"error", message}}.dump(), "application/json");
}

// The value of one cookie in a Cookie header.
std::string cookieValue(const std::string& header, const std::string& name) {
    size_t at = 0;
    while (at < header.size()) {
        while (at < header.size() && (header[at] == ' ' || header[at] == ';')) ++at;
        const size_t end = header.find(';', at);
        const std::string pair =
            header.substr(at, end == std::string::npos ? std::string::npos : end - at);
        const size_t equals = pair.find('=');
        if (equals != std::string::npos && pair.substr(0, equals) == name) {
            return pair.substr(equals + 1);
        }
        if (end == std::string::npos) break;
        at = end + 1;
    }
    return std::string();
}

}  // namespace

struct HttpServer::Impl {
    ServerConfig config;
    MirrorChannel& channel;
    httplib::Server server;
    std::thread thread;
    int port = 0;
    std::atomic<int> streams{0};

    Impl(ServerConfig c, MirrorChannel& ch) : config(std::move(c)), channel(ch) {}

    std::string cookieName() const { return "orvane_token_" + std::to_string(port); }

    bool hostAllowed(const std::string& host) const {
        // Appended rather than written as ":" + std::to_string(port): GCC 12 at -O3 reports a
        // false overlap (-Wrestrict) in the inlined insert of that operator+.
        std::string suffix(1, ':');
        suffix += std::to_string(port);
        if (host.size() <= suffix.size() ||
            host.compare(host.size() - suffix.size(), suffix.size(), suffix) != 0) {
            return false;
        }
        const std::string name = host.substr(0, host.size() - suffix.size());
        if (name == "127.0.0.1" || name == "localhost") return true;
        // Beyond loopback (--listen) a numeric address may be used; never a name, so that a
        // name rebound to this machine is still refused.
        return config.options.listenGiven && isIpv4Address(name);
    }

    bool tokenGiven(const httplib::Request& req) const {
        if (req.has_param("token") && sameSecret(req.get_param_value("token"), config.token)) {
            return true;
        }
        const std::string header = req.get_header_value("X-Orvane-Token");
        if (!header.empty() && sameSecret(header, config.token)) return true;
        const std::string cookie = cookieValue(req.get_header_value("Cookie"), cookieName());
        return !cookie.empty() && sameSecret(cookie, config.token);
    }

    // Host, Origin, fetch site and token; true when the request may go on.
    bool admit(const httplib::Request& req, httplib::Response& res) const {
        if (!hostAllowed(req.get_header_value("Host"))) {
            answer(res, 403, "unknown host");
            return false;
        }
        const std::string origin = req.get_header_value("Origin");
        if (!origin.empty() && (origin.rfind("http://", 0) != 0 || !hostAllowed(origin.substr(7)) ||
                                origin.substr(7) != req.get_header_value("Host"))) {
            answer(res, 403, "cross-site request");
            return false;
        }
        const std::string site = req.get_header_value("Sec-Fetch-Site");
        if (!site.empty() && site != "same-origin" && site != "none") {
            answer(res, 403, "cross-site request");
            return false;
        }
        // Bodies must say their length up front, so that the bound is applied before reading.
        if (req.has_header("Transfer-Encoding")) {
            answer(res, 411, "a request body must come with its length");
            return false;
        }
        if (!tokenGiven(req)) {
            answer(res, 403,
                   "the session token is missing or wrong: open the address Orvane printed");
            return false;
        }
        return true;
    }

    // The declared body length, checked before the body is read: the library itself would read
    // and discard an oversized body before refusing it, and take a malformed length for a
    // number. A request refused here is answered without its body being read.
    static bool admitLength(const httplib::Request& req, httplib::Response& res) {
        std::vector<std::string> lengths;
        const size_t count = req.get_header_value_count("Content-Length");
        for (size_t i = 0; i < count; ++i) {
            lengths.push_back(req.get_header_value("Content-Length", i));
        }
        switch (checkContentLength(lengths, kMaxRequestBody)) {
            case DeclaredLength::kTooLarge:
                answer(res, 413, "the body is too large");
                return false;
            case DeclaredLength::kMalformed:
                answer(res, 400, "the Content-Length is not a length");
                return false;
            case DeclaredLength::kNone:
            case DeclaredLength::kAccepted:
                break;
        }
        return true;
    }

    void securityHeaders(httplib::Response& res) const {
        res.set_header("X-Content-Type-Options", "nosniff");
        res.set_header("Referrer-Policy", "no-referrer");
        res.set_header("Cache-Control", "no-store");
    }

    void routes() {
        server.set_pre_routing_handler([this](const httplib::Request& req, httplib::Response& res) {
            securityHeaders(res);
            return admit(req, res) && admitLength(req, res)
                       ? httplib::Server::HandlerResponse::Unhandled
                       : httplib::Server::HandlerResponse::Handled;
        });
        server.set_exception_handler(
            [](const httplib::Request&, httplib::Response& res, std::exception_ptr) {
                answer(res, 500, "internal error");
            });

        server.Get("/", [this](const httplib::Request& req, httplib::Response& res) {
            std::string page;
            if (!readFile(std::filesystem::path(config.staticDir) / "index.html", kMaxStaticFile,
                          page)) {
                answer(res, 500, "the page is missing");
                return;
            }
            if (req.has_param("token")) {
                res.set_header("Set-Cookie", cookieName() + "=" + config.token +
                                                 "; Path=/; HttpOnly; SameSite=Strict");
            }
            res.set_header("Content-Security-Policy", kPagePolicy);
            res.set_header("X-Frame-Options", "DENY");
            res.set_content(page, "text/html; charset=utf-8");
        });

        // The page has no icon of its own; the browser asks for one anyway. An empty answer,
        // not a 404 that the browser reports as an error in the page's console.
        server.Get("/favicon.ico",
                   [](const httplib::Request&, httplib::Response& res) { res.status = 204; });

        for (const StaticFile& file : kStaticFiles) {
            server.Get(file.path, [this, file](const httplib::Request&, httplib::Response& res) {
                const std::string& dir = file.font ? config.fontDir : config.staticDir;
                std::string bytes;
                if (!readFile(std::filesystem::path(dir) / file.file, kMaxStaticFile, bytes)) {
                    answer(res, 404, "not found");
                    return;
                }
                res.set_content(bytes, file.type);
            });
        }

        server.Get(kScriptModulePath, [this](const httplib::Request& req, httplib::Response& res) {
            std::string bytes;
            if (!readFile(std::filesystem::path(config.staticDir) / req.matches[1].str(),
                          kMaxStaticFile, bytes)) {
                answer(res, 404, "not found");
                return;
            }
            res.set_content(bytes, kScriptType);
        });

        server.Get("/api/snapshot", [this](const httplib::Request&, httplib::Response& res) {
            const MirrorChannel::Published published = channel.published();
            if (!published.json) {
                answer(res, 503, "the program has not drawn yet");
                return;
            }
            res.set_content(*published.json, "application/json");
        });

        server.Get("/api/events", [this](const httplib::Request&, httplib::Response& res) {
            if (streams.fetch_add(1) >= kMaxEventStreams) {
                streams.fetch_sub(1);
                answer(res, 503, "too many open pages");
                return;
            }
            res.set_chunked_content_provider(
                "text/event-stream",
                [this, versionSeen = uint64_t{0}, focusSeen = channel.published().focusRequests,
                 first = true](size_t, httplib::DataSink& sink) mutable {
                    const MirrorChannel::Published p =
                        first ? channel.published()
                              : channel.waitChange(versionSeen, focusSeen, kKeepAlive);
                    first = false;
                    std::string out;
                    if (p.version > versionSeen && p.json) {
                        out += "event: snapshot\ndata: " + *p.json + "\n\n";
                        versionSeen = p.version;
                    }
                    if (p.focusRequests > focusSeen) {
                        out += "event: focus\ndata: {}\n\n";
                        focusSeen = p.focusRequests;
                    }
                    if (p.closed) {
                        out += "event: end\ndata: {}\n\n";
                        sink.write(out.data(), out.size());
                        sink.done();
                        return true;
                    }
                    if (out.empty()) out = ": still here\n\n";
                    return sink.write(out.data(), out.size());
                },
                [this](bool) { streams.fetch_sub(1); });
        });

        server.Post("/api/input", [this](const httplib::Request& req, httplib::Response& res) {
            const std::string type = req.get_header_value("Content-Type");
            if (type.rfind("application/json", 0) != 0) {
                answer(res, 415, "input must be sent as application/json");
                return;
            }
            if (req.body.size() > kMaxRequestBody) {
                answer(res, 413, "the body is too large");
                return;
            }
            const json body = json::parse(req.body, nullptr, false);
            if (body.is_discarded()) {
                answer(res, 400, "the body is not JSON");
                return;
            }
            std::string error;
            std::optional<InputCommand> command = parseInputCommand(body, error);
            if (!command) {
                answer(res, 400, error);
                return;
            }
            const std::optional<uint64_t> sequence = channel.submit(std::move(*command));
            if (!sequence) {
                answer(res, 503, "the program is not taking input");
                return;
            }
            const auto result = channel.waitApplied(*sequence, kInputWait);
            if (!result) {
                answer(res, 503, "the program did not answer in time");
                return;
            }
            switch (result->outcome) {
                case InputOutcome::StaleWindow:
                    answer(res, 409, "that window no longer exists");
                    return;
                case InputOutcome::Refused:
                    answer(res, 422, "that window does not take this input");
                    return;
                case InputOutcome::Delivered:
                case InputOutcome::Ignored:
                    break;
            }
            res.set_content(
                json{{"outcome",
                      result->outcome == InputOutcome::Delivered ? "delivered" : "ignored"},
                     {"version", result->version}}
                    .dump(),
                "application/json");
        });

        // The viewer's pages name their images relative to /api/image/.
        server.Get(
            R"(/api/image/(.+))", [this](const httplib::Request& req, httplib::Response& res) {
                const std::optional<std::string> name = windows1252FromUtf8(req.matches[1].str());
                if (!name || name->empty() || name->size() > kMaxImageNameLength) {
                    answer(res, 400, "an image name is needed");
                    return;
                }
                const ResolvedImage image = resolveImage(*name, config.content, config.resourceDir);
                if (image.empty()) {
                    answer(res, 404, "no picture of that name");
                    return;
                }
                res.set_header("Content-Security-Policy",
                               "default-src 'none'; style-src 'unsafe-inline'");
                res.set_content(image.bytes, image.mediaType);
            });

        server.Get(R"(/api/bitmap/(\d{1,6}))", [this](const httplib::Request& req,
                                                      httplib::Response& res) {
            const int id = std::stoi(req.matches[1].str());
            std::string bytes;
            if (id <= 0 ||
                !readFile(std::filesystem::path(config.resourceDir) / programBitmapFile(id),
                          kMaxImageFileBytes, bytes)) {
                answer(res, 404, "no such bitmap");
                return;
            }
            res.set_header("Content-Security-Policy",
                           "default-src 'none'; style-src 'unsafe-inline'");
            res.set_content(bytes, "image/svg+xml");
        });
    }
};

HttpServer::HttpServer(ServerConfig config, MirrorChannel& channel)
    : impl_(std::make_unique<Impl>(std::move(config), channel)) {}

HttpServer::~HttpServer() {
    stop();
}

bool HttpServer::start(std::string& error) {
    Impl& s = *impl_;
    s.server.new_task_queue = [] { return new httplib::ThreadPool(24); };
    s.server.set_payload_max_length(kMaxRequestBody);
    s.server.set_keep_alive_timeout(5);
    s.server.set_keep_alive_max_count(100000);
    s.server.set_tcp_nodelay(true);
    s.routes();
    const std::string& host = s.config.options.listenAddress;
    if (s.config.options.port == 0) {
        s.port = s.server.bind_to_any_port(host);
        if (s.port <= 0) {
            error = "cannot listen on " + host;
            return false;
        }
    } else {
        if (!s.server.bind_to_port(host, s.config.options.port)) {
            error = "cannot listen on " + host + ":" + std::to_string(s.config.options.port) +
                    " (is the port taken? --port 0 picks a free one)";
            return false;
        }
        s.port = s.config.options.port;
    }
    s.thread = std::thread([&s] { s.server.listen_after_bind(); });
    return true;
}

int HttpServer::port() const {
    return impl_->port;
}

std::string HttpServer::pageAddress() const {
    const std::string& host = impl_->config.options.listenAddress;
    const std::string shown = host == "0.0.0.0" ? "127.0.0.1" : host;
    return "http://" + shown + ":" + std::to_string(impl_->port) + "/?token=" + impl_->config.token;
}

void HttpServer::stop() {
    if (!impl_) return;
    if (impl_->thread.joinable()) {
        impl_->server.stop();
        impl_->thread.join();
    }
}

}  // namespace orvane::web
