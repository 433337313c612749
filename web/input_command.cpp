#include "web/input_command.h"

#include <array>
#include <string_view>

#include "platform/clock.h"
#include "platform/control_messages.h"
#include "platform/window_messages.h"
#include "web/text_encoding.h"

namespace orvane::web {

using nlohmann::json;
using namespace platform;

namespace {

struct NamedValue {
    std::string_view name;
    uint32_t value;
};

// The keys the page may press by name; single digits and letters are taken as themselves.
constexpr std::array<NamedValue, 16> kKeys{{
    {"Enter", VK_RETURN},
    {"Backspace", VK_BACK},
    {"Tab", VK_TAB},
    {"Escape", VK_ESCAPE},
    {"Space", VK_SPACE},
    {"Left", VK_LEFT},
    {"Up", VK_UP},
    {"Right", VK_RIGHT},
    {"Down", VK_DOWN},
    {"PageUp", VK_PRIOR},
    {"PageDown", VK_NEXT},
    {"Home", VK_HOME},
    {"End", VK_END},
    {"Delete", VK_DELETE},
    {"Period", VK_OEM_PERIOD},
    {"Action", VK_F23},
}};

constexpr std::array<NamedValue, 8> kScrollCodes{{
    {"lineup", SB_LINEUP},
    {"linedown", SB_LINEDOWN},
    {"pageup", SB_PAGEUP},
    {"pagedown", SB_PAGEDOWN},
    {"thumbposition", SB_THUMBPOSITION},
    {"thumbtrack", SB_THUMBTRACK},
    {"top", SB_TOP},
    {"bottom", SB_BOTTOM},
}};

constexpr std::array<NamedValue, 4> kAnswers{{
    {"ok", static_cast<uint32_t>(IDOK)},
    {"cancel", static_cast<uint32_t>(IDCANCEL)},
    {"yes", static_cast<uint32_t>(IDYES)},
    {"no", static_cast<uint32_t>(IDNO)},
}};

template <size_t N>
std::optional<uint32_t> lookup(const std::array<NamedValue, N>& table, std::string_view name) {
    for (const NamedValue& entry : table) {
        if (entry.name == name) return entry.value;
    }
    return std::nullopt;
}

// An integer field within [low, high].
bool readInt(const json& body, const char* name, int64_t low, int64_t high, int64_t& out,
             std::string& error) {
    const auto it = body.find(name);
    if (it == body.end() || !it->is_number_integer()) {
        error = std::string("\"") + name + "\" must be a whole number";
        return false;
    }
    const int64_t value = it->get<int64_t>();
    if (value < low || value > high) {
        error = std::string("\"") + name + "\" is out of range";
        return false;
    }
    out = value;
    return true;
}

bool readString(const json& body, const char* name, std::string& out, std::string& error) {
    const auto it = body.find(name);
    if (it == body.end() || !it->is_string()) {
        error = std::string("\"") + name + "\" must be a text";
        return false;
    }
    out = it->get<std::string>();
    return true;
}

bool readWindow(const json& body, InputCommand& command, std::string& error) {
    int64_t handle = 0;
    if (!readInt(body, "window", 1, 0xFFFFFFFF, handle, error)) return false;
    command.window = static_cast<uint32_t>(handle);
    return true;
}

constexpr int64_t kMaxCoordinate = 100000;

}  // namespace

std::optional<InputCommand> parseInputCommand(const json& body, std::string& error) {
    if (!body.is_object()) {
        error = "the input must be a JSON object";
        return std::nullopt;
    }
    std::string kind;
    if (!readString(body, "kind", kind, error)) return std::nullopt;
    InputCommand command;
    int64_t n = 0;
    if (kind == "tap" || kind == "doubletap") {
        command.kind = kind == "tap" ? InputKind::Tap : InputKind::DoubleTap;
        if (!readInt(body, "x", -kMaxCoordinate, kMaxCoordinate, n, error)) return std::nullopt;
        command.x = static_cast<int>(n);
        if (!readInt(body, "y", -kMaxCoordinate, kMaxCoordinate, n, error)) return std::nullopt;
        command.y = static_cast<int>(n);
        return command;
    }
    if (kind == "key") {
        command.kind = InputKind::Key;
        std::string key;
        if (!readString(body, "key", key, error)) return std::nullopt;
        if (key.size() == 1 &&
            ((key[0] >= '0' && key[0] <= '9') || (key[0] >= 'A' && key[0] <= 'Z'))) {
            command.vk = static_cast<uint32_t>(key[0]);
        } else if (key.size() == 1 && key[0] >= 'a' && key[0] <= 'z') {
            command.vk = static_cast<uint32_t>(key[0] - 'a' + 'A');
        } else if (auto vk = lookup(kKeys, key)) {
            command.vk = *vk;
        } else {
            error = "unknown key \"" + key + "\"";
            return std::nullopt;
        }
        return command;
    }
    if (kind == "chars") {
        command.kind = InputKind::Characters;
        std::string text;
        if (!readString(body, "text", text, error)) return std::nullopt;
        auto wide = utf16FromUtf8(text);
        if (!wide || wide->empty() || wide->size() > kMaxInputText) {
            error = "\"text\" must be 1 to 256 characters of UTF-8";
            return std::nullopt;
        }
        for (char16_t c : *wide) {
            if (c < 0x20 && c != u'\t') {
                error = "\"text\" holds a control character";
                return std::nullopt;
            }
        }
        command.text = std::move(*wide);
        return command;
    }
    if (kind == "choose" || kind == "activate") {
        command.kind = kind == "choose" ? InputKind::Choose : InputKind::Activate;
        if (!readWindow(body, command, error)) return std::nullopt;
        if (!readInt(body, "index", 0, 65535, n, error)) return std::nullopt;
        command.index = static_cast<int>(n);
        return command;
    }
    if (kind == "scroll") {
        command.kind = InputKind::Scroll;
        if (!readWindow(body, command, error)) return std::nullopt;
        std::string code;
        if (!readString(body, "code", code, error)) return std::nullopt;
        const auto value = lookup(kScrollCodes, code);
        if (!value) {
            error = "unknown scroll code \"" + code + "\"";
            return std::nullopt;
        }
        command.scrollCode = *value;
        if (body.contains("pos")) {
            if (!readInt(body, "pos", -32768, 32767, n, error)) return std::nullopt;
            command.position = static_cast<int>(n);
        }
        return command;
    }
    if (kind == "date") {
        command.kind = InputKind::Date;
        if (!readWindow(body, command, error)) return std::nullopt;
        int64_t year = 0, month = 0, day = 0;
        if (!readInt(body, "year", 1601, 30827, year, error) ||
            !readInt(body, "month", 1, 12, month, error) ||
            !readInt(body, "day", 1, 31, day, error)) {
            return std::nullopt;
        }
        const int64_t days =
            DaysFromCivil(static_cast<int>(year), static_cast<int>(month), static_cast<int>(day));
        const SYSTEMTIME check = SystemTimeFromMs1601(days * 86400000);
        if (check.wYear != year || check.wMonth != month || check.wDay != day) {
            error = "no such date";
            return std::nullopt;
        }
        command.date = check;
        return command;
    }
    if (kind == "link") {
        command.kind = InputKind::Link;
        if (!readWindow(body, command, error)) return std::nullopt;
        std::string target;
        if (!readString(body, "target", target, error)) return std::nullopt;
        auto narrow = windows1252FromUtf8(target);
        if (!narrow || narrow->size() > kMaxInputText) {
            error = "\"target\" is not a link target";
            return std::nullopt;
        }
        command.target = std::move(*narrow);
        return command;
    }
    if (kind == "answer") {
        command.kind = InputKind::Answer;
        std::string answer;
        if (!readString(body, "answer", answer, error)) return std::nullopt;
        const auto value = lookup(kAnswers, answer);
        if (!value) {
            error = "unknown answer \"" + answer + "\"";
            return std::nullopt;
        }
        command.answer = static_cast<int>(*value);
        return command;
    }
    error = "unknown input kind \"" + kind + "\"";
    return std::nullopt;
}

InputOutcome applyInputCommand(Driver& driver, WindowSystem& system, const InputCommand& command) {
    const HWND window(command.window);
    const bool needsWindow = command.kind == InputKind::Choose ||
                             command.kind == InputKind::Activate ||
                             command.kind == InputKind::Scroll || command.kind == InputKind::Date ||
                             command.kind == InputKind::Link;
    if (needsWindow && !system.IsWindow(window)) return InputOutcome::StaleWindow;
    auto refusedUnless = [](bool delivered) {
        return delivered ? InputOutcome::Delivered : InputOutcome::Refused;
    };
    switch (command.kind) {
        case InputKind::Tap:
            return driver.tap(POINT{command.x, command.y}) ? InputOutcome::Delivered
                                                           : InputOutcome::Ignored;
        case InputKind::DoubleTap:
            return driver.doubleTap(POINT{command.x, command.y}) ? InputOutcome::Delivered
                                                                 : InputOutcome::Ignored;
        case InputKind::Key:
            return driver.key(command.vk) ? InputOutcome::Delivered : InputOutcome::Ignored;
        case InputKind::Characters:
            return driver.typeText(command.text) ? InputOutcome::Delivered : InputOutcome::Ignored;
        case InputKind::Choose:
            return refusedUnless(driver.chooseItem(window, command.index));
        case InputKind::Activate:
            return refusedUnless(driver.activateItem(window, command.index));
        case InputKind::Scroll:
            return refusedUnless(driver.scroll(window, command.scrollCode, command.position));
        case InputKind::Date:
            return refusedUnless(driver.chooseDate(window, command.date));
        case InputKind::Link:
            return refusedUnless(driver.tapLink(window, command.target));
        case InputKind::Answer:
            return refusedUnless(driver.answerMessageBox(command.answer));
    }
    return InputOutcome::Refused;
}

}  // namespace orvane::web
