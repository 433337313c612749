// The shared, reference-counted body under strings and record buffers. It counts holders and knows
// whether copies may share it; it does not hold any data itself.
#pragma once

#include <cstdint>

namespace orvane {

class RefCounted {
  public:
    RefCounted() = default;
    RefCounted(const RefCounted&) = delete;
    RefCounted& operator=(const RefCounted&) = delete;
    virtual ~RefCounted() = default;

    // Adds a holder. Returns false (and adds none) when the count cannot grow any further, or the
    // body is not shareable; the caller then makes a body of its own.
    bool addHolder() {
        if (!shareable_ || refCount_ == INT16_MAX) return false;
        ++refCount_;
        return true;
    }
    // Lets go of one holder; the holder that brings the count to 0 deletes the body.
    static void release(RefCounted* body) {
        if (body != nullptr && --body->refCount_ == 0) delete body;
    }

    int16_t refCount() const { return refCount_; }
    bool shareable() const { return shareable_ != 0; }
    void setShareable(bool shareable) { shareable_ = shareable ? 1 : 0; }

  private:
    int16_t refCount_ = 1;
    int16_t shareable_ = 1;
};

}  // namespace orvane
