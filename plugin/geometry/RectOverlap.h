// Whether any two of many rectangles overlap, without testing every pair.
#pragma once

#include "geometry/GeometryTypes.h"

#include <optional>
#include <utility>
#include <vector>

// A pair (i < j) of overlapping rectangles, if there is one. Rectangles are closed (touching edges
// or corners overlap), either corner order is accepted, and one with a coordinate that is not a
// number overlaps nothing: the host's own test, answered in O(n log n).
std::optional<std::pair<size_t, size_t>> FindOverlappingRects(const std::vector<SBRealRect>& rects);
