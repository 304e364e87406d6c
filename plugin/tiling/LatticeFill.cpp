#include "tiling/LatticeFill.h"

#include "frame/sb/Art.h"
#include "frame/sb/Undo.h"
#include "frame/sb/User.h"
#include "geometry/ArtTransforms.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "mirror/VMirror.h"

bool LatticeFill::EstimateAndConfirm() {
    int32_t paths = 0, segments = 0;
    CountPathsAndSegments(tileArt_, paths, segments, 0);
    // In 64 bits: a large extent over a small cell must not wrap round to a small estimate.
    const int64_t cells = int64_t{LatticeColumns(lattice_, extent_)} * LatticeRows(lattice_, extent_);
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
    for (int edge = 0; edge < 4; ++edge) {
        if (!crosses[edge]) continue;
        params.angle = angles[edge];
        params.origin = origins[edge];
        engine.SetParams(params);
        engine.Run(paths);
        paths = engine.Results();
    }
}
