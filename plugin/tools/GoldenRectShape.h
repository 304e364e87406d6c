// The golden rectangle's outline.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/PathList.h"

// The rectangle about `anchor`: with `centred` (w, h) are its half extents and the anchor its
// centre; otherwise (w, h) are its signed sides from the anchor corner. Sizes or an anchor that
// are not finite draw nothing.
ZPathList BuildGoldenRectangle(const RealPoint& anchor, float w, float h, bool centred);
