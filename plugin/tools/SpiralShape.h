// The Archimedean spiral r = a·θ, one fitted cubic per quarter turn.
#pragma once

#include "geometry/PathList.h"

#include <cstdint>

struct SpiralParams {
    double centreH;
    double centreV;
    double radius;
    int32_t turns;
    bool fermat;  // two arms through the centre
};

extern const SpiralParams kSpiralDefaults;

// Turns from a panel or a recorded action above this draw as this many: 4 segments a turn, twice
// that with two arms, stays within what a host path holds and keeps a step bounded.
constexpr int32_t kMaxDrawnTurns = 3000;

// The quarter turn from theta0 to theta1 (radians) of r = growth·θ, fitted to its samples; false
// when the samples coincide.
bool SpiralQuarterTurn(float growth, float theta0, float theta1, BezierSegment* segment);
// The spiral about the origin ending in the direction (dirH, dirV), centred on the parameters'
// centre. Raises CheckFailure when even the first quarter turn has nothing to fit (a radius of 0);
// a final sliver too short to fit is left out. A radius or centre that is not finite draws nothing.
ZPathList BuildSpiral(const SpiralParams& params, float dirH, float dirV);
