// The rose: a closed path of equal petals around a centre.
#pragma once

#include "geometry/PathList.h"

#include <cstdint>

struct RoseParams {
    double centreH;
    double centreV;
    double radius;
    int32_t lobes;
    double width;  // petal width control, 0 to 3 through the keys
};

// The defaults every rose starts from.
extern const RoseParams kRoseDefaults;

// The petals of a rose as a closed path list. A count above kMaxDrawnLobes draws as that many, so
// that no value from a panel or a recorded action can make a drawing step unbounded; a count of 0
// or below draws nothing, and so do a radius, centre or width that are not finite.
constexpr int32_t kMaxDrawnLobes = 10000;
ZPathList BuildRose(const RoseParams& params);
