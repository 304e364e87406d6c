// The mirror engine for paths: mirrors or cuts path objects about a straight axis, keeping the
// half-plane the axis normal points into. What crosses the axis is joined to its mirror image,
// closed along the axis, or left as open pieces, depending on the mirror type.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "geometry/PathList.h"
#include "mirror/MirrorParams.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/VMirrorPieces.h"

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

struct PieceCluster {
    ItemArray<Piece> pieces;
    ArtHandle output = nullptr;  // a path, or the compound path holding the cluster's paths
};

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
    void BuildAsPieces(Entries& entries, const mirror::PathLists& lists, const ItemArray<mirror::Crossing>& crossings,
                       const ItemArray<mirror::Piece>& pieces, const std::vector<int32_t>& members,
                       mirror::PieceCluster& cluster);
    void BuildAsRegion(Entries& entries, const mirror::PathLists& lists, const ItemArray<mirror::Crossing>& crossings,
                       const ItemArray<mirror::Piece>& pieces, const std::vector<int32_t>& members);
    void AddMirroredCopies();
    void ReflectPaintMatrices(SBPathStyle& style) const;
    void TidyClipGroup(ArtHandle group);
    static bool Contains(ArtHandle container, ArtHandle art);
    // Drops the results inside the container.
    void Forget(ArtHandle container);
    // Disposes of the groups the run left without content.
    static void DisposeEmptied(ArtList groups);

    MirrorParams params_;
    Line axis_;
    ArtHandle compound_ = nullptr;  // encloses the group being processed
    ArtHandle clipCopy_ = nullptr;  // receives mirrored copies for that group
    int32_t mode_ = MirrorJoin;     // the group's effective mirror type
    ArtList results_;
    int32_t groupStart_ = 0;
};
