#include "tiling/LatticeFill.h"

#include "frame/sb/Art.h"
#include "frame/sb/Undo.h"
#include "frame/sb/User.h"
#include "geometry/ArtTransforms.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "mirror/VMirror.h"
#include "tiling/AxisStarts.h"

bool LatticeFill::EstimateAndConfirm() {
    int32_t paths = 0, segments = 0;
    CountPathsAndSegments(tileArt_, paths, segments, 0);
    // Not in 32-bit integers: a large extent over a small cell must not wrap round to a small estimate.
    const double cells = double(LatticeColumns(lattice_, extent_)) * LatticeRows(lattice_, extent_);
    if (paths * cells <= 1000 && segments * cells <= 6000) return true;
    if (sb::QuestionAlert(kQuestion)) return true;
    sb::UndoChanges();
    return false;
}

void LatticeFill::FillLattice() {
    if (tileMode_ == TilePattern) {
        const SBRealRect bounds = sb::GetArtBounds(tileArt_);
        const float left = static_cast<float>(bounds.left), right = static_cast<float>(bounds.right);
        const float top = static_cast<float>(bounds.top), bottom = static_cast<float>(bounds.bottom);
        lattice_.halfWidth = (right - left) / 2;
        lattice_.halfHeight = (top - bottom) / 2;
        lattice_.centre = RealPoint{(right + left) / 2.0f, (top + bottom) / 2.0f};
    }
    CheckCondition(lattice_.halfWidth > 0 && lattice_.halfHeight > 0 && lattice_.columnStep > 0 &&
                   lattice_.rowStep > 0);
    filled_ = NewArtOfKind(kArtGroup);
    // The mirror engine disposes of a group its cut leaves empty: while the first copies are cut
    // away whole, this keeps the fill's group alive.
    ArtHandle keeper = sb::NewArt(kArtGroup, kPlaceInsideOnTop, filled_);
    const RealPoint centre = lattice_.centre;
    const bool walked = WalkLattice(lattice_, extent_, [&](double h, double v) {
        const float left = static_cast<float>(h - lattice_.halfWidth),
                    right = static_cast<float>(h + lattice_.halfWidth);
        const float bottom = static_cast<float>(v - lattice_.halfHeight),
                    top = static_cast<float>(v + lattice_.halfHeight);
        // A box that only touches the extent holds nothing the cuts would keep.
        if (right <= extent_.minH || left >= extent_.maxH || top <= extent_.minV || bottom >= extent_.maxV) return;
        ArtHandle copy = sb::DuplicateArt(tileArt_, kPlaceInsideOnBottom, filled_);
        TranslateArt(copy, static_cast<float>(h - centre.h), static_cast<float>(v - centre.v));
        CutAtExtent(copy, left, right, bottom, top);
    });
    CheckCondition(walked);
    sb::DisposeArt(keeper);
    if (!sb::GetArtFirstChild(filled_)) {
        sb::DisposeArt(filled_);
        filled_ = nullptr;
    }
    sb::DisposeArt(tileArt_);
    tileArt_ = nullptr;
}

namespace {

// Which side of an edge a path's bounds lie on: 1 the kept side, −1 the other, 0 across it. Bounds
// within the rounding of the copy's translation count as touching the edge.
int SideOfEdge(const SBRealRect& b, int edge, const TileExtent& e) {
    constexpr double kTouch = 1e-4;
    switch (edge) {
        case 0:
            return b.left >= e.minH - kTouch ? 1 : (b.right <= e.minH + kTouch ? -1 : 0);
        case 1:
            return b.right <= e.maxH + kTouch ? 1 : (b.left >= e.maxH - kTouch ? -1 : 0);
        case 2:
            return b.bottom >= e.minV - kTouch ? 1 : (b.top <= e.minV + kTouch ? -1 : 0);
        default:
            return b.top <= e.maxV + kTouch ? 1 : (b.bottom >= e.maxV - kTouch ? -1 : 0);
    }
}

// Disposes of the groups and compound paths inside `art` (and `art` itself) left without content.
void DisposeEmptied(ArtHandle art) {
    const int16_t kind = sb::GetArtType(art);
    if (kind != kArtGroup && kind != kArtCompoundPath) return;
    for (ArtHandle child = sb::GetArtFirstChild(art); child;) {
        ArtHandle next = sb::GetArtSibling(child);
        DisposeEmptied(child);
        child = next;
    }
    if (!sb::GetArtFirstChild(art)) sb::DisposeArt(art);
}

}  // namespace

void LatticeFill::CutAtExtent(ArtHandle copy, float left, float right, float bottom, float top) {
    const bool crosses[] = {left<extent_.minH, right> extent_.maxH, bottom<extent_.minV, top> extent_.maxV};
    if (!crosses[0] && !crosses[1] && !crosses[2] && !crosses[3]) return;
    ArtList paths;
    CollectArtOfKind(copy, kArtPath, paths);
    MirrorParams params{};
    params.offset = 0;
    params.flipAgain = false;
    params.mirrorType = tileMode_ == TileCutClosed ? CutClosed : (tileMode_ == TileCutOpen ? CutOpen : CutAuto);
    VMirror engine(params);
    const double angles[] = {0, 180, 90, 270};
    const RealPoint origins[] = {{extent_.minH, extent_.minV},
                                 {extent_.maxH, extent_.minV},
                                 {extent_.minH, extent_.minV},
                                 {extent_.minH, extent_.maxV}};
    bool disposed = false;
    for (int edge = 0; edge < 4; ++edge) {
        if (!crosses[edge]) continue;
        // Only what lies across the edge goes to the engine. A path that merely starts on the edge
        // would make the engine nudge its axis inward, leaving a sliver of the extent unfilled.
        ArtList across, kept;
        for (int32_t i = 0; i < paths.Count(); ++i) {
            ArtHandle path = paths[i];
            const int side = FindClipGroupAncestor(path) ? 0 : SideOfEdge(sb::GetArtBounds(path), edge, extent_);
            if (side > 0) {
                kept.Append(path);
            } else if (side < 0) {
                sb::DisposeArt(path);
                disposed = true;
            } else {
                across.Append(path);
            }
        }
        if (across.Count() > 0) {
            params.angle = angles[edge];
            params.origin = origins[edge];
            RestartClosedPathsOffAxis(across, params);
            engine.SetParams(params);
            engine.Run(across);
            const ArtList& results = engine.Results();
            for (int32_t i = 0; i < results.Count(); ++i) kept.Append(results[i]);
        }
        paths = std::move(kept);
    }
    if (disposed && sb::ValidArt(copy)) DisposeEmptied(copy);
}
