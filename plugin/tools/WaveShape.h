// The wave: a row of alternating arches over a baseline, two cubic segments per arch.
#pragma once

#include "geometry/PathList.h"

#include <cstdint>

struct WaveParams {
    double centreH;
    double centreV;
    double width;   // length of the row; negative mirrors it
    double height;  // baseline to crest; negative swaps the sides
    int32_t waves;
};

extern const WaveParams kWaveDefaults;

// A count from a panel or a recorded action above this draws as this many arches (20000 segments,
// within what a host path holds), so no value makes a step unbounded. A count of 0 or below draws
// nothing, and so does a size or centre that is not finite in single precision.
constexpr int32_t kMaxDrawnWaves = 10000;
ZPathList BuildWave(const WaveParams& params);
