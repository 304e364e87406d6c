// The spike: where a segment crosses the drag line strictly between its ends, the segment is cut
// there and both halves are pulled to a tip further along the line.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/PathList.h"

// The current point snapped to the horizontal or vertical through the anchor, at the unsnapped
// distance; the vertical wins at exactly 45°.
RealPoint SnapToAxis(const RealPoint& anchor, const RealPoint& current);

// Appends `in`'s segments to `out`, each crossed one as two parts meeting at the point
// u + (1 − u)·sharpness of the line, u being its first crossing that lies inside the line
// (u running from p1 to p2, more than 1e-5 from either end, so that a line starting or ending on
// the segment leaves it). Degenerate parts are dropped; the closed flag is not copied. True when
// anything was spiked.
bool SpikePathList(const ZPathList& in, const Line& line, float sharpness, ZPathList& out);
