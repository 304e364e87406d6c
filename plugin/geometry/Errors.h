// The two exceptions of the plug-in and the checks that raise them.
#pragma once

#include <cstdint>
#include <exception>

// A non-zero host result code.
class HostError : public std::exception {
public:
    explicit HostError(int32_t code) : code_(code) {}
    int32_t Code() const { return code_; }
    const char* what() const noexcept override { return "host call failed"; }

private:
    int32_t code_;
};

// An internal check failed: index out of range, degenerate line, inconsistent geometry.
class CheckFailure : public std::exception {
public:
    static constexpr int32_t kCode = 1010;
    int32_t Code() const { return kCode; }
    const char* what() const noexcept override { return "internal check failed"; }
};

inline void CheckHostResult(int32_t code) {
    if (code != 0) throw HostError(code);
}

inline void CheckCondition(bool condition) {
    if (!condition) throw CheckFailure();
}
