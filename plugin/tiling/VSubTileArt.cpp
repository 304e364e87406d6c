#include "tiling/VSubTileArt.h"

#include "frame/sb/Art.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "tiling/TileGeometry.h"

namespace {

constexpr float kInset = 2.0f;

ArtHandle NewPolygonPath(const std::vector<RealPoint>& points) {
    ZPathList list;
    const size_t n = points.size();
    for (size_t i = 0; i < n; ++i) {
        const RealPoint& a = points[i];
        const RealPoint& b = points[(i + 1) % n];
        list.Append(BezierSegment{a, a, b, b});
    }
    list.SetClosed(true);
    ArtHandle path = NewArtOfKind(kArtPath);
    WritePathList(list, path);
    return path;
}

}  // namespace

void VSubTileArt::DrawGuide(const std::vector<RealPoint>& polygon) {
    outline_ = inset_ = nullptr;
    if (polygon.size() < 2) return;
    outline_ = NewPolygonPath(polygon);
    const std::vector<RealPoint> inner = InsetPolygon(polygon, kInset);
    if (inner.size() >= 2) inset_ = NewPolygonPath(inner);
}

void VSubTileArt::DisposeGuide() {
    for (ArtHandle* path : {&outline_, &inset_}) {
        if (*path) sb::DisposeArt(*path);
        *path = nullptr;
    }
}

void VSubTileArt::ForgetGuide() { outline_ = inset_ = nullptr; }
