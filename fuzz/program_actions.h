// The whole-program fuzz target's input: a start byte (screen size and preferences) and then a
// sequence of user actions, each an action byte followed by its own bytes. Decoding only reads
// (a short input ends the sequence, and so does the kMostActions-th action); the encoder writes
// the seeds. Knows nothing of windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/request.h"

namespace orvane::fuzzing {

enum class ActionKind : uint8_t {
    kTap,        // x, y: a screen point (each byte scaled to the screen)
    kDoubleTap,  // x, y
    kKey,        // one key of the table below
    kType,       // length, then that many bytes as typed characters (control bytes too)
    kChoose,     // which drop-down or list box shown, which item
    kActivate,   // which list view shown, which row
    kEditText,   // which edit box shown, length, bytes: the box emptied and the text typed
    kRequest,    // four bytes, little-endian: any request, navigated to
    kLink,       // four bytes: a link with that request in decimal tapped in the page shown
    kBack,       // the navigation buttons
    kForward,
    kHome,
    kAtoZ,
    kScroll,      // which scroll bar shown, code, position
    kWait,        // one byte: that many tenths of a second pass (timers run)
    kPreference,  // one byte: which stored preference toggled (see PreferenceToggle), then the
                  // screen shown again as on a return to it
    kCount,
};

// Start byte: bit 0 the small screen (240 x 320, else 480 x 640); the stored preferences the
// program starts with: bit 1 the keypad shown, bit 2 female, bit 3 the last patient's weights
// small (a child's) instead of the defaults.
inline constexpr uint8_t kStartSmallScreen = 1;
inline constexpr uint8_t kStartKeypad = 2;
inline constexpr uint8_t kStartFemale = 4;
inline constexpr uint8_t kStartChild = 8;

// The preferences a kPreference action toggles (its byte modulo kCount): the keypad shown or
// hidden, the patient's sex, the adult and the child weight's unit (pounds, kilograms, grams in
// turn, the number kept), the weights small (a child's) or the defaults, the height's unit.
enum class PreferenceToggle : uint8_t {
    kKeypad,
    kSex,
    kAdultWeightUnit,
    kChildWeightUnit,
    kSmallWeights,
    kHeightUnit,
    kCount,
};

// The most actions read from one input: longer inputs are cut there, so that no run is long.
inline constexpr size_t kMostActions = 64;

// The keys of the five-way pad and the few others a handheld sends.
inline constexpr uint32_t kActionKeys[] = {
    0x26 /*up*/,   0x28 /*down*/, 0x25 /*left*/, 0x27 /*right*/,  0x0D /*return*/,
    0x08 /*back*/, 0x09 /*tab*/,  0x1B /*esc*/,  0x2E /*delete*/, 0x20 /*space*/,
};
inline constexpr size_t kActionKeyCount = sizeof kActionKeys / sizeof kActionKeys[0];

struct Action {
    ActionKind kind = ActionKind::kWait;
    uint8_t a = 0;  // x, key, which control
    uint8_t b = 0;  // y, item, scroll code
    uint8_t c = 0;  // scroll position
    uint32_t request = 0;
    std::string text;
};

// Reads actions one by one from the bytes after the start byte.
class ActionReader {
  public:
    ActionReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    std::optional<Action> next() {
        uint8_t op = 0;
        if (read_ == kMostActions || !take(op)) return std::nullopt;
        ++read_;
        Action action;
        action.kind = static_cast<ActionKind>(op % static_cast<uint8_t>(ActionKind::kCount));
        bool whole = true;
        switch (action.kind) {
            case ActionKind::kTap:
            case ActionKind::kDoubleTap:
            case ActionKind::kChoose:
            case ActionKind::kActivate:
                whole = take(action.a) && take(action.b);
                break;
            case ActionKind::kKey:
            case ActionKind::kWait:
            case ActionKind::kPreference:
                whole = take(action.a);
                break;
            case ActionKind::kType:
                whole = takeText(action.text);
                break;
            case ActionKind::kEditText:
                whole = take(action.a) && takeText(action.text);
                break;
            case ActionKind::kRequest:
            case ActionKind::kLink:
                for (int i = 0; i < 4 && whole; ++i) {
                    uint8_t byte = 0;
                    whole = take(byte);
                    action.request |= static_cast<uint32_t>(byte) << (8 * i);
                }
                break;
            case ActionKind::kScroll:
                whole = take(action.a) && take(action.b) && take(action.c);
                break;
            default:
                break;
        }
        if (!whole) return std::nullopt;
        return action;
    }

  private:
    static constexpr uint8_t kMaxText = 40;

    bool take(uint8_t& out) {
        if (at_ >= size_) return false;
        out = data_[at_++];
        return true;
    }
    bool takeText(std::string& out) {
        uint8_t length = 0;
        if (!take(length)) return false;
        length = static_cast<uint8_t>(length % (kMaxText + 1));
        if (size_ - at_ < length) return false;
        out.assign(reinterpret_cast<const char*>(data_ + at_), length);
        at_ += length;
        return true;
    }

    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
    size_t read_ = 0;  // actions read so far
};

// Writing actions, for the seeds.
class ActionWriter {
  public:
    explicit ActionWriter(uint8_t start) { out_.push_back(static_cast<char>(start)); }

    ActionWriter& op(ActionKind kind) {
        out_.push_back(static_cast<char>(kind));
        return *this;
    }
    ActionWriter& byte(uint8_t value) {
        out_.push_back(static_cast<char>(value));
        return *this;
    }
    ActionWriter& text(std::string_view text) {
        out_.push_back(static_cast<char>(text.size()));
        out_.append(text);
        return *this;
    }
    ActionWriter& request(ActionKind kind, Request request) {
        op(kind);
        for (int i = 0; i < 4; ++i) byte(static_cast<uint8_t>(request >> (8 * i)));
        return *this;
    }

    const std::string& bytes() const { return out_; }

  private:
    std::string out_;
};

}  // namespace orvane::fuzzing
