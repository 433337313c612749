// SharedString: a reference-counted, copy-on-write 8-bit string. Copies share one body until one of
// them changes; toWide widens it with the program's one rule for 8-bit text (Windows-1252).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "foundation/ref_counted.h"

namespace orvane {

class SharedString {
  public:
    SharedString() = default;
    SharedString(const char* text);  // NOLINT: implicit, texts and strings mix freely
    SharedString(std::string_view text);
    SharedString(const SharedString& other);
    SharedString(SharedString&& other) noexcept;
    ~SharedString();

    SharedString& operator=(const SharedString& other);
    SharedString& operator=(SharedString&& other) noexcept;
    SharedString& operator=(const char* text) { return assign(text); }

    // Always gives a new body (the old one is released).
    SharedString& assign(const char* text);
    SharedString& assign(std::string_view text);

    // Appends text; the empty text changes nothing (and does not unshare). A shared body is first
    // copied so that the other holders keep the old text.
    SharedString& append(const char* text);
    SharedString& append(std::string_view text);
    SharedString& append(const SharedString& text) { return append(text.view()); }
    // Appends one 8-bit character; the character 0 appends nothing.
    SharedString& append(char character);
    SharedString withCharacter(char character) const;

    // Write access to one character: fatal "String is empty" without storage, fatal "Index out of
    // range" outside the string. The body becomes this handle's own and is no longer shareable.
    char* charAt(int32_t index);

    // The characters, or the empty text; never null.
    const char* text() const;
    std::string_view view() const;
    int32_t length() const;
    bool empty() const { return length() == 0; }

    bool equals(const SharedString& other) const { return view() == other.view(); }
    bool equals(const char* text) const;
    bool differs(const char* text) const { return !equals(text); }
    bool operator==(const SharedString& other) const { return equals(other); }
    bool operator==(const char* text) const { return equals(text); }

    void clear() { assign(static_cast<const char*>(nullptr)); }

    // The empty string when start is at or past the end (or an argument is negative); otherwise at
    // most count characters from start.
    SharedString substring(int32_t start, int32_t count) const;
    // −1 when from is outside the string; else the first position at or after from where text
    // starts.
    int32_t find(std::string_view text, int32_t from) const;
    int32_t find(char character, int32_t from) const;

    // 16-bit text: each byte the character of the same code, but 0x8C → U+0152 and 0x9C → U+0153.
    // count 0, a negative count or one above the length converts the whole string.
    std::u16string toWide(int32_t count = 0) const;

    std::string str() const { return std::string(view()); }

    // The number of holders of the body (0 for the empty string); for tests.
    int16_t holders() const;

  private:
    class Body;
    void releaseBody();
    void makeOwn(int32_t extraCapacity);
    void appendBytes(const char* bytes, int32_t count);

    Body* body_ = nullptr;
};

}  // namespace orvane
