// SVG path data: parsing into anchors (every command, the compact syntax of real files), arcs as
// cubics, and writing anchors back as path data.
#pragma once

#include "io/SvgSyntax.h"

#include <scribera/SBTypes.h>

#include <string>
#include <vector>

namespace scribera::io {

struct Subpath {
    std::vector<SBPathSegment> anchors;
    bool closed = false;
};

// The most anchors a path can have: its count crosses the host interface as a 16-bit number.
constexpr size_t kMaxPathAnchors = 32767;

// Parses path data in its own coordinates. On failure returns false, leaves `out` untouched and
// says what is wrong and where ("bad number at offset 12"). A closing segment that ends on the
// subpath's start is folded into the first anchor. A subpath of more than kMaxPathAnchors anchors,
// or with a point beyond the coordinate bound, is refused.

bool ParsePathData(const std::string& data, std::vector<Subpath>* out, std::string* error);

// One cubic: control leaving the start, control entering the end, end.
struct Cubic {
    SBRealPoint c1, c2, end;
};

// The SVG elliptical arc from `from` to `to` as cubics of at most 90 degrees each. Zero radii give
// a straight line; coincident end points give nothing.
std::vector<Cubic> ArcToCubics(SBRealPoint from, double rx, double ry, double rotationDegrees, bool largeArc,
                               bool sweep, SBRealPoint to);

// True unless the anchor's two handles are both present and point in opposite directions.
bool IsCornerAnchor(const SBPathSegment& anchor);

// Sets every anchor's corner flag. An anchor with one handle, where a straight side meets a curve,
// is smooth when the handle continues the side.
void MarkCorners(Subpath& subpath);

// Path data for the subpaths: absolute commands, numbers that read back exactly, the closing
// segment written out so that reading gives the same anchors.
std::string WritePathData(const std::vector<Subpath>& subpaths);

}  // namespace scribera::io
