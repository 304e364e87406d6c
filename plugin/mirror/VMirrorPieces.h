// What the mirror engine draws from the pieces, before it reaches a document: each piece on its
// own or joined to its image, the regions a cluster closes along the axis, reflected copies, and
// the axis nudged clear of the paths' start points.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/ItemArray.h"
#include "geometry/PathList.h"
#include "mirror/MirrorParams.h"
#include "mirror/VMirrorCrossings.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace mirror {

using PathLists = std::vector<const ZPathListV*>;

// Moves the axis by steps of 0.01 along its normal until no list starts within 0.001 of it: the
// side of a path is read at its first point. Raises CheckFailure when the steps no longer get
// clear (coordinates so large that a step does not move the axis).
void NudgeClearOfStarts(MirrorParams& params, Line& axis, const PathLists& lists);

void ReflectSegment(const Line& axis, BezierSegment& s);
void ReflectList(const Line& axis, ZPathList& list);
// The visible segments of the list, reflected.
ZPathList ReflectedVisibleSegments(const Line& axis, const ZPathListV& list);

// The stretch of its path the piece covers, into the empty list `out`; `reversed` runs it
// backwards.
void ExtractPiece(const PathLists& lists, const ItemArray<Crossing>& crossings, const Piece& piece, bool reversed,
                  ZPathListV& out);
// The piece as drawn: followed by its image run backwards into a closed list when `joinImage`,
// otherwise open on its own.
ZPathListV PieceOutline(const PathLists& lists, const ItemArray<Crossing>& crossings, const Piece& piece,
                        const Line& axis, bool joinImage);

// One closed region of a cluster: its pieces in the order the walk along the axis meets them,
// joined by straight edges on the axis.
struct Region {
    ZPathListV outline;          // closed; empty when its pieces held nothing
    int32_t referencePath = -1;  // the path of the piece it starts with
    std::vector<int32_t> paths;  // the path of every piece in it
};

// The regions of a cluster. A cluster is normally walked as one region from its lowest stop on
// the axis; should the walk close before it has visited every piece, the rest start regions of
// their own rather than being dropped.
class RegionWalk {
public:
    RegionWalk(const PathLists& lists, const Line& axis, const ItemArray<Crossing>& crossings,
               const ItemArray<Piece>& pieces, const std::vector<int32_t>& members);

    // The next region, or false when every piece is in one.
    bool Next(Region& region);

private:
    const PathLists& lists_;
    const Line& axis_;
    const ItemArray<Crossing>& crossings_;
    const ItemArray<Piece>& pieces_;
    std::vector<AxisStop> stops_;
    std::unordered_map<int32_t, size_t> stopOf_;    // crossing → stop
    std::unordered_map<int32_t, int32_t> pieceOf_;  // crossing → piece
    std::vector<uint8_t> used_;
    size_t first_ = 0;
};

}  // namespace mirror
