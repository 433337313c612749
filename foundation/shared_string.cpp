#include "foundation/shared_string.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "foundation/fatal.h"
#include "foundation/windows1252.h"

namespace orvane {

// A string body: the characters with their terminator. Storage grows geometrically when the only
// holder appends, so building a long page costs amortised linear time; nothing of this is visible
// outside the string.
class SharedString::Body : public RefCounted {
  public:
    Body(const char* bytes, int32_t length, int32_t capacity)
        : length(length),
          capacity(std::max(capacity, length)),
          chars(new char[this->capacity + 1]) {
        std::memcpy(chars, bytes, static_cast<size_t>(length));
        chars[length] = '\0';
    }
    ~Body() override { delete[] chars; }

    int32_t length;
    int32_t capacity;
    char* chars;
};

namespace {
int32_t checkedLength(size_t length) {
    if (length > static_cast<size_t>(std::numeric_limits<int32_t>::max() / 2)) {
        fatalError("String too long");
    }
    return static_cast<int32_t>(length);
}
}  // namespace

SharedString::SharedString(const char* text) {
    assign(text);
}
SharedString::SharedString(std::string_view text) {
    assign(text);
}

SharedString::SharedString(const SharedString& other) {
    if (other.body_ == nullptr) return;
    if (other.body_->addHolder()) {
        body_ = other.body_;
    } else {
        body_ = new Body(other.body_->chars, other.body_->length, other.body_->length);
    }
}

SharedString::SharedString(SharedString&& other) noexcept : body_(other.body_) {
    other.body_ = nullptr;
}

SharedString::~SharedString() {
    releaseBody();
}

SharedString& SharedString::operator=(const SharedString& other) {
    if (this != &other) {
        SharedString copy(other);
        std::swap(body_, copy.body_);
    }
    return *this;
}

SharedString& SharedString::operator=(SharedString&& other) noexcept {
    if (this != &other) {
        releaseBody();
        body_ = other.body_;
        other.body_ = nullptr;
    }
    return *this;
}

void SharedString::releaseBody() {
    RefCounted::release(body_);
    body_ = nullptr;
}

SharedString& SharedString::assign(const char* text) {
    return assign(text == nullptr ? std::string_view() : std::string_view(text));
}

SharedString& SharedString::assign(std::string_view text) {
    Body* fresh = nullptr;
    if (!text.empty()) {
        int32_t length = checkedLength(text.size());
        fresh = new Body(text.data(), length, length);
    }
    releaseBody();
    body_ = fresh;
    return *this;
}

void SharedString::makeOwn(int32_t extraCapacity) {
    int32_t length = body_ == nullptr ? 0 : body_->length;
    bool owned = body_ != nullptr && body_->refCount() == 1;
    if (owned && body_->capacity - length >= extraCapacity) return;
    int32_t wanted =
        checkedLength(static_cast<size_t>(length) + static_cast<size_t>(extraCapacity));
    int32_t capacity = owned ? std::max(wanted, body_->capacity * 2) : wanted;
    Body* fresh = new Body(body_ == nullptr ? "" : body_->chars, length, capacity);
    if (body_ != nullptr && !body_->shareable()) fresh->setShareable(false);
    releaseBody();
    body_ = fresh;
}

void SharedString::appendBytes(const char* bytes, int32_t count) {
    if (count <= 0) return;
    if (body_ != nullptr && bytes >= body_->chars && bytes <= body_->chars + body_->capacity) {
        // Appending part of this very string: copy the bytes out before the storage moves.
        std::string copy(bytes, static_cast<size_t>(count));
        appendBytes(copy.data(), count);
        return;
    }
    makeOwn(count);
    std::memcpy(body_->chars + body_->length, bytes, static_cast<size_t>(count));
    body_->length += count;
    body_->chars[body_->length] = '\0';
}

SharedString& SharedString::append(const char* text) {
    if (text == nullptr) return *this;
    return append(std::string_view(text));
}

SharedString& SharedString::append(std::string_view text) {
    if (text.empty()) return *this;
    appendBytes(text.data(), checkedLength(text.size()));
    return *this;
}

SharedString& SharedString::append(char character) {
    if (character == '\0') return *this;
    return append(std::string_view(&character, 1));
}

SharedString SharedString::withCharacter(char character) const {
    SharedString result(view());
    result.append(character);
    return result;
}

char* SharedString::charAt(int32_t index) {
    if (body_ == nullptr) fatalError("String is empty");
    if (index < 0 || index >= body_->length) fatalError("Index out of range");
    if (body_->refCount() != 1) {
        Body* fresh = new Body(body_->chars, body_->length, body_->length);
        releaseBody();
        body_ = fresh;
    }
    body_->setShareable(false);
    return body_->chars + index;
}

const char* SharedString::text() const {
    return body_ == nullptr ? "" : body_->chars;
}

std::string_view SharedString::view() const {
    if (body_ == nullptr) return {};
    return {body_->chars, static_cast<size_t>(body_->length)};
}

int32_t SharedString::length() const {
    return body_ == nullptr ? 0 : body_->length;
}

bool SharedString::equals(const char* text) const {
    if (text == nullptr) return length() == 0;
    return view() == std::string_view(text);
}

SharedString SharedString::substring(int32_t start, int32_t count) const {
    int32_t length = this->length();
    if (start < 0 || count <= 0 || start >= length) return {};
    int32_t take = std::min(count, length - start);
    return SharedString(view().substr(static_cast<size_t>(start), static_cast<size_t>(take)));
}

int32_t SharedString::find(std::string_view text, int32_t from) const {
    if (from < 0 || from >= length()) return -1;
    size_t at = view().find(text, static_cast<size_t>(from));
    return at == std::string_view::npos ? -1 : static_cast<int32_t>(at);
}

int32_t SharedString::find(char character, int32_t from) const {
    return find(std::string_view(&character, 1), from);
}

std::u16string SharedString::toWide(int32_t count) const {
    int32_t length = this->length();
    int32_t take = (count <= 0 || count > length) ? length : count;
    std::u16string wide;
    wide.reserve(static_cast<size_t>(take));
    return widenWindows1252(view().substr(0, static_cast<size_t>(take)));
}

int16_t SharedString::holders() const {
    return body_ == nullptr ? 0 : body_->refCount();
}

}  // namespace orvane
