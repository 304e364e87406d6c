// Whether any two of many rectangles overlap, without testing every pair.
#pragma once

#include "geometry/GeometryTypes.h"

#include <optional>
#include <utility>
#include <vector>

// A pair (i < j) of overlapping rectangles, if there is one, by the host's own test answered in
// O(n log n): rectangles are closed (touching edges or corners overlap), either corner order is
// accepted, and an edge that is not a number is taken as the host takes it (a rectangle whose left
// or bottom is one overlaps nothing; one whose right or top is one shrinks to its other edge).
std::optional<std::pair<size_t, size_t>> FindOverlappingRects(const std::vector<SBRealRect>& rects);
