#include "io/Format.h"

#include <charconv>
#include <cmath>

namespace scribera::io {

std::string FormatNumber(double value) {
    if (!std::isfinite(value)) return "0";  // writers never emit NaN; callers validate first
    if (value == 0) return "0";             // also folds -0
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

}  // namespace scribera::io
