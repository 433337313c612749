// DynArray: a growable array with a 16-bit count and capacity that grows 4 items at a time. Every
// slot up to the capacity holds a constructed item. An index outside the items is fatal.
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>

#include "foundation/fatal.h"

namespace orvane {

template <typename T>
class DynArray {
  public:
    static constexpr int16_t kMaxItems = INT16_MAX;

    explicit DynArray(int32_t n = 0) {
        if (n < 0 || n > kMaxItems) fatalError("Index out of range");
        capacity_ = static_cast<int16_t>(n < 5 ? 4 : n);
        items_ = new T[static_cast<size_t>(capacity_)];
        count_ = static_cast<int16_t>(n);
    }
    DynArray(const DynArray& other)
        : count_(other.count_),
          capacity_(other.capacity_),
          items_(new T[static_cast<size_t>(other.capacity_)]) {
        for (int16_t i = 0; i < count_; ++i) items_[i] = other.items_[i];
    }
    DynArray& operator=(const DynArray& other) {
        if (this != &other) {
            DynArray copy(other);
            swap(copy);
        }
        return *this;
    }
    DynArray(DynArray&& other) noexcept : DynArray(0) { swap(other); }
    DynArray& operator=(DynArray&& other) noexcept {
        swap(other);
        return *this;
    }
    virtual ~DynArray() { delete[] items_; }

    void swap(DynArray& other) noexcept {
        std::swap(count_, other.count_);
        std::swap(capacity_, other.capacity_);
        std::swap(items_, other.items_);
    }

    // Grows by 4 when full, then stores the item at the end. An array already holding the most
    // items a 16-bit count can hold cannot take another: fatal.
    void append(T item) {
        if (count_ >= capacity_) {
            if (capacity_ > kMaxItems - 4) fatalError("Index out of range");
            reallocate(capacity_ + 4);
        }
        items_[count_] = std::move(item);
        ++count_;
    }

    T& at(int32_t index) {
        if (index < 0 || index >= count_) fatalError("Index out of range");
        return items_[index];
    }
    const T& at(int32_t index) const {
        if (index < 0 || index >= count_) fatalError("Index out of range");
        return items_[index];
    }
    T& operator[](int32_t index) { return at(index); }
    const T& operator[](int32_t index) const { return at(index); }

    // New storage of exactly the given capacity, the items moved over in order.
    void reallocate(int32_t capacity) {
        if (capacity < count_) fatalError("Can't realloc smaller than size");
        if (capacity > kMaxItems) fatalError("Index out of range");
        T* fresh = new T[static_cast<size_t>(capacity)];
        for (int16_t i = 0; i < count_; ++i) fresh[i] = std::move(items_[i]);
        delete[] items_;
        items_ = fresh;
        capacity_ = static_cast<int16_t>(capacity);
    }

    void resize(int32_t n) {
        if (n == 0) {
            delete[] items_;
            items_ = new T[4];
            capacity_ = 4;
            count_ = 0;
            return;
        }
        if (n < 0 || n < count_) {
            fatalError("Sizing to < current size (other than to 0) is not yet implemented");
        }
        if (n > capacity_) reallocate(n);
        count_ = static_cast<int16_t>(n);
    }

    // Removes up to n items at start (n = −1: up to the end); later items move down in order and
    // the vacated slots at the end are reset to empty items.
    void erase(int32_t start, int32_t n) {
        if (start < 0 || (start > 0 && start >= count_)) fatalError("Index out of range");
        if (n == -1 || n > count_ - start) n = count_ - start;
        if (n <= 0) return;
        for (int32_t i = start; i + n < count_; ++i) items_[i] = std::move(items_[i + n]);
        for (int32_t i = count_ - n; i < count_; ++i) items_[i] = T();
        count_ = static_cast<int16_t>(count_ - n);
    }

    int16_t count() const { return count_; }
    int16_t capacity() const { return capacity_; }

    T* begin() { return items_; }
    T* end() { return items_ + count_; }
    const T* begin() const { return items_; }
    const T* end() const { return items_ + count_; }

  private:
    int16_t count_ = 0;
    int16_t capacity_ = 0;
    T* items_ = nullptr;
};

}  // namespace orvane
