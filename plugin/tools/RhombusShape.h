// The rhombus with horizontal and vertical diagonals.
#pragma once

#include "geometry/PathList.h"

#include <cstdint>

struct RhombusParams {
    double centreH;
    double centreV;
    double width;   // horizontal diagonal
    double height;  // vertical diagonal
};

extern const RhombusParams kRhombusDefaults;

// The closed four-segment path; a size or centre not finite in single precision draws nothing.
ZPathList BuildRhombus(const RhombusParams& params);
