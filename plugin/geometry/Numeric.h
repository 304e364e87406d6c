// Numbers every part of the plug-in shares.
#pragma once

#include <cmath>

// Pi as the single-precision value the drawing code works with; double(kPiF) where the arithmetic is double.
constexpr float kPiF = 3.1415927f;

// -1, 0 or 1.
inline float Sign(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }

// Sine, cosine, tangent and arc tangent of single-precision values, rounded from the double ones:
// the float versions of the C libraries round differently from one platform to the next, and a
// drawing must come out the same bits on every host.
inline float SinF(float x) { return static_cast<float>(std::sin(static_cast<double>(x))); }
inline float CosF(float x) { return static_cast<float>(std::cos(static_cast<double>(x))); }
inline float TanF(float x) { return static_cast<float>(std::tan(static_cast<double>(x))); }
inline float Atan2F(float y, float x) {
    return static_cast<float>(std::atan2(static_cast<double>(y), static_cast<double>(x)));
}
