#include "tiling/AxisStarts.h"

#include "frame/sb/Art.h"
#include "frame/sb/Path.h"
#include "geometry/BezierGeometry.h"
#include "mirror/VMirrorCrossings.h"

#include <vector>

namespace {

// The engine's reach, and a margin beyond it for the new start.
constexpr float kOnAxis = 0.001f;
constexpr float kClear = 0.002f;

}  // namespace

void RestartClosedPathsOffAxis(const ArtList& paths, const MirrorParams& params) {
    const Line axis = mirror::AxisFor(params);
    std::vector<SBPathSegment> segments;
    for (int32_t i = 0; i < paths.Count(); ++i) {
        ArtHandle path = paths[i];
        if (sb::GetArtType(path) != kArtPath || !sb::GetPathClosed(path)) continue;
        const int16_t n = sb::GetPathSegmentCount(path);
        if (n < 2) continue;
        segments.resize(static_cast<size_t>(n));
        sb::GetPathSegments(path, 0, n, segments.data());
        if (axis.DistanceToLine(segments[0].p) >= kOnAxis) continue;
        for (int16_t k = 1; k < n; ++k) {
            if (axis.DistanceToLine(segments[static_cast<size_t>(k)].p) < kClear) continue;
            std::vector<SBPathSegment> turned(segments.begin() + k, segments.end());
            turned.insert(turned.end(), segments.begin(), segments.begin() + k);
            sb::SetPathSegments(path, 0, n, turned.data());
            break;
        }
    }
}
