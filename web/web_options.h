// The options of the browser front end (address, port, screen size) with their command-line
// parsing, and the random session token every request must carry.
#pragma once

#include <string>
#include <string_view>

namespace orvane::web {

inline constexpr int kDefaultPort = 8640;

struct WebOptions {
    std::string listenAddress = "127.0.0.1";
    bool listenGiven = false;  // --listen: reachable beyond this machine (warned about)
    int port = kDefaultPort;   // 0: any free port
    int screenWidth = 480;
    int screenHeight = 640;
    std::string contentDir;  // the content folder ("" for the content-folder rule)
};

// "240x320" or "480x640".
bool parseScreenSize(std::string_view text, int& width, int& height);
// A decimal port 0 to 65535.
bool parsePort(std::string_view text, int& port);
// A numeric IPv4 address (four decimal parts of 0 to 255).
bool isIpv4Address(std::string_view text);

// 32 random hexadecimal digits from the system's random source.
std::string makeSessionToken();

// Compares without leaking where two texts first differ.
bool sameSecret(std::string_view a, std::string_view b);

}  // namespace orvane::web
