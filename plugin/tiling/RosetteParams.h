// The rosette's settings and the geometry of one rosette: where its wedge lies, how the selection
// is cut and mirrored into it, and the turns of its copies. Pure arithmetic, no host calls.
#pragma once

#include "geometry/GeometryTypes.h"
#include "mirror/MirrorParams.h"

#include <cstdint>

struct RosetteParams {
    int32_t rosettes = 8;  // copies around the centre
    bool cut = true;       // cut the selection to the wedge's first side
    bool mirror = true;    // the second side mirrors instead of cutting
};

// What the tool is built from and what its panel edits until the tool's options are first opened.
extern RosetteParams DefaultRosetteParams;

// The counts the keys step through; the panel's values are held to the same range.
constexpr int32_t kMinRosettes = 1;
constexpr int32_t kMaxRosettes = 50;
int32_t ClampRosettes(int32_t n);

// The drag angle `degrees` (single precision) rounded to the nearest multiple of 360/n, halves
// away from zero.
float SnapRosetteAngle(float degrees, int32_t n);

// The two passes of the mirror engine that put the selection into the wedge next to the drag
// direction `degrees` about `centre`. A pass that is not run leaves the art as it is.
struct RosetteWedge {
    bool runFirst = false;   // cut to the right of the drag direction
    bool runSecond = false;  // cut (or mirror) across the wedge's other side
    MirrorParams first;
    MirrorParams second;
};
// A one-copy rosette is a whole turn: unless it mirrors, nothing is cut.
RosetteWedge RosetteWedgeFor(const RosetteParams& params, const RealPoint& centre, float degrees);

// The turn of copy i (1 … n − 1) counter-clockwise about the centre, in radians (single precision).
float RosetteCopyRadians(int32_t i, int32_t n);
