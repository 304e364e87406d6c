// The numeric core of the mirror engine: where closed path lists cross the axis, the pieces on the
// kept side between crossings, and the objects the pieces make. Nothing here touches a document.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/ItemArray.h"
#include "geometry/PathList.h"
#include "mirror/MirrorParams.h"

#include <cstdint>
#include <vector>

namespace mirror {

// Where a path meets the axis.
struct Crossing {
    int32_t path;  // index into the entries
    int32_t segment;
    float t;          // on the segment
    float s;          // along the axis: 0 at p1, 1 at p2, unbounded
    uint8_t isFirst;  // first and last crossing of its path in path order
    uint8_t isLast;
    uint8_t positiveBefore;  // kept side just before and just after
    uint8_t positiveAfter;
    uint8_t used;
};

// A stretch of a path on the kept side, from one crossing to another in the path's direction.
struct Piece {
    int32_t start;  // crossing indices
    int32_t end;
    uint8_t wraps;   // runs through the start point of its closed path
    uint8_t rising;  // s(start) < s(end)
};

struct AxisStop {
    int32_t crossing;
    float s;
};

// The axis for the parameters: through origin + offset·n with n = (cos θ, sin θ), directed
// (−sin θ, cos θ); the side test of the line gives 1 on the kept side.
Line AxisFor(const MirrorParams& params);

// Crossings of the closed lists with the axis, merged, sided and with touching points removed.
void CollectCrossings(const std::vector<const ZPathListV*>& lists, const Line& axis, ItemArray<Crossing>& out);
// Pairs the crossings into pieces (marks every crossing used) in increasing lower axis position.
void PairCrossings(ItemArray<Crossing>& crossings, ItemArray<Piece>& pieces);
// Groups the pieces into the objects they make: each list holds piece indices.
std::vector<std::vector<int32_t>> ClusterPieces(const ItemArray<Crossing>& crossings, const ItemArray<Piece>& pieces);

}  // namespace mirror
