#include "tiling/ZTile.h"

#include "frame/sb/Art.h"
#include "geometry/ArtTransforms.h"
#include "geometry/BezierGeometry.h"
#include "geometry/Numeric.h"
#include "mirror/VMirror.h"
#include "tiling/AxisStarts.h"
#include "tiling/TileGeometry.h"

ZTile::ZTile(const ArtList& art, const RealPoint& origin, float width, float height, int32_t mode, int32_t closed)
    : sourceArt(art), cellOrigin(origin), cellWidth(width), cellHeight(height), tileMode(mode), closedCut(closed) {}

ZTile::~ZTile() = default;

float ZTile::QuadrantAngleOf(float angle) const { return QuadrantAngle(angle, cellWidth, cellHeight); }

void ZTile::RunEngine(const Axis& axis, int32_t mirrorType, const ArtList& art) {
    MirrorParams params{};
    params.offset = 0;
    params.flipAgain = false;
    params.angle = axis.flip ? QuadrantAngleOf(axis.angle) : axis.angle;
    params.origin = RealPoint{cellOrigin.h + axis.dh, cellOrigin.v + axis.dv};
    params.mirrorType = mirrorType;
    if (&art != &sourceArt) RestartClosedPathsOffAxis(art, params);
    engine_->SetParams(params);
    engine_->Run(art);
    ArtList results = engine_->Results();
    workingArt = std::move(results);
}

void ZTile::CutStep(const Axis& axis, bool fromSource) {
    if (tileMode == TilePattern) return;
    const int32_t type = tileMode == TileCutClosed ? CutClosed : (tileMode == TileCutOpen ? CutOpen : CutAuto);
    if (fromSource) {
        RunEngine(axis, type, sourceArt);
    } else {
        const ArtList working = workingArt;
        RunEngine(axis, type, working);
    }
}

void ZTile::MirrorStep(const Axis& axis) {
    const ArtList working = workingArt;
    RunEngine(axis, closedCut == 1 ? MirrorJoin : CutClosedMirrorCopy, working);
}

ArtHandle ZTile::ReflectCopyStep(const Axis& axis, ArtHandle art) {
    ArtHandle group = sb::NewArt(kArtGroup, kPlaceAbove, art);
    sb::ReorderArt(art, kPlaceInsideOnBottom, group);
    ArtHandle copy = sb::DuplicateArt(art, kPlaceInsideOnBottom, group);
    const float phi = (90.0f + QuadrantAngleOf(axis.angle)) * kPiF / 180.0f;
    Line line;
    line.p1 = RealPoint{cellOrigin.h + axis.dh, cellOrigin.v + axis.dv};
    line.p2 = RealPoint{line.p1.h + CosF(phi), line.p1.v + SinF(phi)};
    ReflectArtAcrossLine(copy, line);
    return group;
}

ArtHandle ZTile::Steps(const Axis* cuts, int cutCount, const Axis* mirrors, int mirrorCount, const Axis* reflects,
                       int reflectCount) {
    engine_ = std::make_unique<VMirror>(MirrorParams{});
    if (tileMode == TilePattern) {
        ArtHandle motif = GatherArt(sourceArt);
        if (!motif) return nullptr;
        for (int i = 0; i < reflectCount; ++i) motif = ReflectCopyStep(reflects[i], motif);
        return motif;
    }
    for (int i = 0; i < cutCount; ++i) CutStep(cuts[i], i == 0);
    for (int i = 0; i < mirrorCount; ++i) MirrorStep(mirrors[i]);
    return GatherArt(workingArt);
}
