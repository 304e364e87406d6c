// The value types the geometry works in. Points and anchors are the host's own records, so path
// data crosses the suite boundary without conversion.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>

using RealPoint = SBRealPoint;
using PathSegment = SBPathSegment;
using ArtHandle = SBArtHandle;

// One cubic Bezier segment: start anchor, control leaving it, control entering the end, end anchor.
struct BezierSegment {
    RealPoint p0, c0, c1, p3;
};

// A single-precision vector: tangents and directions.
struct Vec2f {
    float h = 0.0f;
    float v = 0.0f;
};

// Art kinds and placements as the host numbers them.
constexpr int16_t kArtAny = SB_ART_ANY;
constexpr int16_t kArtGroup = SB_ART_GROUP;
constexpr int16_t kArtPath = SB_ART_PATH;
constexpr int16_t kArtCompoundPath = SB_ART_COMPOUND_PATH;
constexpr int16_t kArtMesh = SB_ART_MESH;

constexpr int16_t kPlaceAbove = SB_PLACE_ABOVE;
constexpr int16_t kPlaceBelow = SB_PLACE_BELOW;
constexpr int16_t kPlaceInsideOnTop = SB_PLACE_INSIDE_ON_TOP;
constexpr int16_t kPlaceInsideOnBottom = SB_PLACE_INSIDE_ON_BOTTOM;
