// The plug-in's growable array of fixed-size elements. Its growth and shrink steps are part of
// its behaviour: long spirals and meshes append one segment at a time.
#pragma once

#include "geometry/Errors.h"
#include "geometry/GeometryTypes.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <type_traits>

template <class T>
class ItemArray {
    static_assert(std::is_trivially_copyable<T>::value, "ItemArray holds plain records");

public:
    ItemArray() = default;
    ItemArray(const ItemArray& other) { CopyFrom(other); }
    ItemArray(ItemArray&& other) noexcept : data_(other.data_), count_(other.count_), capacity_(other.capacity_) {
        other.data_ = nullptr;
        other.count_ = other.capacity_ = 0;
    }
    ItemArray& operator=(const ItemArray& other) {
        if (this != &other) {
            Release();
            CopyFrom(other);
        }
        return *this;
    }
    ItemArray& operator=(ItemArray&& other) noexcept {
        if (this != &other) {
            Release();
            data_ = other.data_;
            count_ = other.count_;
            capacity_ = other.capacity_;
            other.data_ = nullptr;
            other.count_ = other.capacity_ = 0;
        }
        return *this;
    }
    ~ItemArray() { Release(); }

    int32_t Count() const { return count_; }
    int32_t Capacity() const { return capacity_; }
    static constexpr int32_t ElementSize() { return static_cast<int32_t>(sizeof(T)); }

    // Returns the new count.
    int32_t Append(const T& item) {
        T copy = item;  // the item may live in this array's own storage
        if (count_ == capacity_) Grow();
        data_[count_] = copy;
        return ++count_;
    }

    // Appends unless an element with the same bytes is present; returns the element's index.
    int32_t AppendUnique(const T& item) {
        int32_t found = IndexOf(item);
        if (found >= 0) return found;
        Append(item);
        return count_ - 1;
    }

    // Index of the first element with the same bytes, or -1.
    int32_t IndexOf(const T& item) const {
        for (int32_t i = 0; i < count_; ++i)
            if (std::memcmp(&data_[i], &item, sizeof(T)) == 0) return i;
        return -1;
    }

    T& At(int32_t index) {
        CheckCondition(index >= 0 && index < count_);
        return data_[index];
    }
    const T& At(int32_t index) const {
        CheckCondition(index >= 0 && index < count_);
        return data_[index];
    }
    T& operator[](int32_t index) { return At(index); }
    const T& operator[](int32_t index) const { return At(index); }

    void RemoveAt(int32_t index) {
        CheckCondition(index >= 0 && index < count_);
        if (count_ < capacity_ / 3 && capacity_ > 10) Reallocate(capacity_ / 2);
        std::memmove(&data_[index], &data_[index + 1], sizeof(T) * static_cast<size_t>(count_ - index - 1));
        --count_;
    }

    void Clear() { Release(); }

    // Room for `capacity` elements at once, for a caller that knows how many it will append;
    // never shrinks. Appending past it grows by the usual steps.
    void Reserve(int32_t capacity) {
        if (capacity > capacity_) Reallocate(capacity);
    }

    // Drops the elements from `count` on; the storage stays (for compaction in place).
    void Truncate(int32_t count) {
        CheckCondition(count >= 0 && count <= count_);
        count_ = count;
    }

    // Reverses the order of the elements in place.
    void ReverseOrder() {
        for (int32_t i = 0, j = count_ - 1; i < j; ++i, --j) {
            T t = data_[i];
            data_[i] = data_[j];
            data_[j] = t;
        }
    }

    const T* Data() const { return data_; }
    T* Data() { return data_; }

private:
    void Grow() {
        int64_t next;
        if (capacity_ < 8)
            next = 8;
        else if (capacity_ < 10000)
            next = int64_t(capacity_) * 2;
        else
            next = int64_t(capacity_) + 10000;
        // The count is 32-bit: an array that cannot grow any further is a failed check, not UB.
        CheckCondition(next <= std::numeric_limits<int32_t>::max() / int64_t(sizeof(T)));
        Reallocate(static_cast<int32_t>(next));
    }

    void Reallocate(int32_t capacity) {
        void* grown = std::realloc(data_, sizeof(T) * static_cast<size_t>(capacity));
        if (!grown) throw std::bad_alloc();
        data_ = static_cast<T*>(grown);
        capacity_ = capacity;
    }

    void CopyFrom(const ItemArray& other) {
        if (other.capacity_ > 0) {
            data_ = static_cast<T*>(std::malloc(sizeof(T) * static_cast<size_t>(other.capacity_)));
            if (!data_) throw std::bad_alloc();
            if (other.count_ > 0) std::memcpy(data_, other.data_, sizeof(T) * static_cast<size_t>(other.count_));
        }
        count_ = other.count_;
        capacity_ = other.capacity_;
    }

    void Release() {
        std::free(data_);
        data_ = nullptr;
        count_ = capacity_ = 0;
    }

    T* data_ = nullptr;
    int32_t count_ = 0;
    int32_t capacity_ = 0;
};

// The currency for selections, copies and results. The list never owns the art it names.
using ArtList = ItemArray<ArtHandle>;
