// The mirror engine for paths: mirrors or cuts path objects about a straight axis, keeping the
// half-plane the axis normal points into. What crosses the axis is joined to its mirror image,
// closed along the axis, or left as open pieces, depending on the mirror type.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "geometry/PathList.h"
#include "mirror/MirrorParams.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace mirror {

// One path of the group being processed.
struct PathEntry {
    bool consumed = false;  // a piece of it became new art
    ArtHandle path = nullptr;
    std::unique_ptr<ZPathListV> list;  // always closed, at least one segment
};

// Where a path meets the axis.
struct Crossing {
    int32_t path;     // index into the entries
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
    int32_t start;   // crossing indices
    int32_t end;
    uint8_t wraps;   // runs through the start point of its closed path
    uint8_t rising;  // s(start) < s(end)
};

struct PieceCluster {
    ItemArray<Piece> pieces;
    ArtHandle output = nullptr;  // a path, or the compound path holding the cluster's paths
};

struct AxisStop {
    int32_t crossing;
    float s;
};

// The axis for the parameters: through origin + offset·n with n = (cos θ, sin θ), directed
// (−sin θ, cos θ); the side test of the line gives 1 on the kept side.
Line AxisFor(const MirrorParams& params);

// Crossings of the closed lists with the axis, merged, sided and with touching points removed.
// Exposed so that the numeric core can be tested without a host.
void CollectCrossings(const std::vector<const ZPathListV*>& lists, const Line& axis, ItemArray<Crossing>& out);
// Pairs the crossings into pieces (marks every crossing used) in increasing lower axis position.
void PairCrossings(ItemArray<Crossing>& crossings, ItemArray<Piece>& pieces);
// Groups the pieces into the objects they make: each list holds piece indices.
std::vector<std::vector<int32_t>> ClusterPieces(const ItemArray<Crossing>& crossings, const ItemArray<Piece>& pieces);

}  // namespace mirror

class VMirror {
public:
    explicit VMirror(const MirrorParams& params);
    virtual ~VMirror();
    VMirror(const VMirror&) = delete;
    VMirror& operator=(const VMirror&) = delete;

    void SetParams(const MirrorParams& params) { params_ = params; }
    const MirrorParams& Params() const { return params_; }
    void AddAngle(float degrees) { params_.angle += degrees; }

    // Mirrors or cuts the paths; Results then holds what was produced or kept.
    void Run(const ArtList& paths);
    const ArtList& Results() const { return results_; }
    // The axis of the last run, after any nudge.
    const Line& Axis() const { return axis_; }

private:
    using Entries = std::vector<mirror::PathEntry>;

    void ComputeAxis();
    void MirrorGroup(Entries& entries);
    void Nudge(const std::vector<const ZPathListV*>& lists);
    void BuildAsPieces(Entries& entries, const ItemArray<mirror::Crossing>& crossings,
                       const ItemArray<mirror::Piece>& pieces, const std::vector<int32_t>& members,
                       mirror::PieceCluster& cluster);
    void BuildAsRegion(Entries& entries, const ItemArray<mirror::Crossing>& crossings,
                       const ItemArray<mirror::Piece>& pieces, const std::vector<int32_t>& members);
    void ExtractPiece(const Entries& entries, const ItemArray<mirror::Crossing>& crossings,
                      const mirror::Piece& piece, bool reversed, ZPathListV& out) const;
    void AddMirroredCopies();
    void ReflectPaintMatrices(SBPathStyle& style) const;
    static void TidyClipGroup(ArtHandle group);

    MirrorParams params_;
    Line axis_;
    ArtHandle compound_ = nullptr;  // encloses the group being processed
    ArtHandle clipCopy_ = nullptr;  // receives mirrored copies for that group
    int32_t mode_ = MirrorJoin;     // the group's effective mirror type
    ArtList results_;
    int32_t groupStart_ = 0;
};
