// One piece of user input from the browser page (a tap, a key, typed characters, a list, combo or
// calendar choice, scrolling, a link tap, a message-box answer): read from its JSON form on an
// HTTP thread, checked for shape only, and later applied through the platform's driver on the
// user-interface thread, where window handles are checked against the live window tree. Parsing
// never touches the window system; applying never parses.
#pragma once

#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "platform/driver.h"

namespace orvane::web {

enum class InputKind {
    Tap,
    DoubleTap,
    Key,
    Characters,
    Choose,
    Activate,
    Scroll,
    Date,
    Link,
    Answer
};

struct InputCommand {
    InputKind kind = InputKind::Tap;
    int x = 0;  // Tap, DoubleTap: screen coordinates
    int y = 0;
    uint32_t vk = 0;            // Key
    std::u16string text;        // Characters
    uint32_t window = 0;        // Choose, Activate, Scroll, Date, Link
    int index = 0;              // Choose, Activate
    uint32_t scrollCode = 0;    // Scroll: SB_*
    int position = 0;           // Scroll: thumb position
    platform::SYSTEMTIME date;  // Date
    std::string target;         // Link: the raw 8-bit target text
    int answer = 0;             // Answer: IDOK, IDCANCEL, IDYES, IDNO
};

// The longest text of one Characters input, and of one link target.
inline constexpr size_t kMaxInputText = 256;

// The command a JSON object describes, or nothing with the reason in error.
std::optional<InputCommand> parseInputCommand(const nlohmann::json& body, std::string& error);

// What applying a command came to.
enum class InputOutcome {
    Delivered,    // queued as the platform's input
    Ignored,      // a legal input that reached nothing (a tap on nothing, a disabled window)
    StaleWindow,  // the window no longer exists
    Refused,      // the window is of the wrong kind, the index or link is not there
};

// On the user-interface thread: checks the command against the window tree and queues it.
InputOutcome applyInputCommand(platform::Driver& driver, platform::WindowSystem& system,
                               const InputCommand& command);

}  // namespace orvane::web
