// Numbers every part of the plug-in shares.
#pragma once

// Pi as the single-precision value the drawing code works with; double(kPiF) where the arithmetic is double.
constexpr float kPiF = 3.1415927f;

// -1, 0 or 1.
inline float Sign(float x) { return x > 0.0f ? 1.0f : (x < 0.0f ? -1.0f : 0.0f); }
