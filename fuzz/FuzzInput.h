// Reading a fuzzer's bytes as the values a target needs; past the end every read answers zero.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool Empty() const { return at_ >= size_; }
    size_t Left() const { return at_ < size_ ? size_ - at_ : 0; }

    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    bool Bit() { return Byte() & 1; }
    int16_t Short() {
        const uint16_t lo = Byte(), hi = Byte();
        return static_cast<int16_t>(lo | (hi << 8));
    }
    int32_t Int() {
        uint32_t v = 0;
        for (int i = 0; i < 4; ++i) v |= uint32_t(Byte()) << (8 * i);
        return static_cast<int32_t>(v);
    }
    // Any double, NaN and infinities included.
    double Raw() {
        uint64_t bits = 0;
        for (int i = 0; i < 8; ++i) bits |= uint64_t(Byte()) << (8 * i);
        double d;
        std::memcpy(&d, &bits, sizeof d);
        return d;
    }
    // A coordinate on a grid of 1/16 within +-2048: crossings and coincidences come often.
    double Coordinate() { return Short() / 16.0; }
    // Up to `most` bytes as text.
    std::string Text(size_t most) {
        const size_t n = Left() < most ? Left() : most;
        std::string s(reinterpret_cast<const char*>(data_ + at_), n);
        at_ += n;
        return s;
    }
    std::string Rest() { return Text(Left()); }

private:
    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
