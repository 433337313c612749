// The front end's HTTP server (cpp-httplib): the page and its scripts, styles and fonts, the
// published screen (as a snapshot and as server-sent events), input submission, and the
// pictures (by image name through the program's image resolution, or by program bitmap
// identifier). Every request must carry the session token (query, header or the page's cookie)
// and a Host (and Origin, when sent) of the served address; bodies are bounded; malformed
// requests get a 4xx answer and change nothing. Its threads only talk to the MirrorChannel.
#pragma once

#include <memory>
#include <string>

#include "content/content_folder.h"
#include "web/mirror_channel.h"
#include "web/web_options.h"

namespace orvane::web {

struct ServerConfig {
    WebOptions options;
    std::string token;
    std::string staticDir;    // the page's files
    std::string fontDir;      // where the DejaVu Sans files (regular and condensed) lie
    std::string resourceDir;  // the program's resources (bitmaps/)
    ContentFolder content;
};

// The largest request body accepted.
inline constexpr size_t kMaxRequestBody = 16 * 1024;

class HttpServer {
  public:
    HttpServer(ServerConfig config, MirrorChannel& channel);
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // Binds and starts serving on its own thread; false (with the reason) when it cannot bind.
    bool start(std::string& error);
    int port() const;
    // "http://HOST:PORT/?token=TOKEN": the address to open.
    std::string pageAddress() const;
    void stop();

  private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

}  // namespace orvane::web
