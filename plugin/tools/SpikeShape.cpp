#include "tools/SpikeShape.h"

#include <cmath>

namespace {

constexpr float kLineEndTolerance = 1e-5f;

}  // namespace

RealPoint SnapToAxis(const RealPoint& anchor, const RealPoint& current) {
    const float dh = static_cast<float>(current.h - anchor.h);
    const float dv = static_cast<float>(current.v - anchor.v);
    const float length = std::sqrt(dh * dh + dv * dv);
    if (std::fabs(dv) < std::fabs(dh)) return RealPoint{dh > 0 ? anchor.h + length : anchor.h - length, anchor.v};
    return RealPoint{anchor.h, dv > 0 ? anchor.v + length : anchor.v - length};
}

bool SpikePathList(const ZPathList& in, const Line& line, float sharpness, ZPathList& out) {
    bool spiked = false;
    for (int32_t n = 0; n < in.Count(); ++n) {
        const BezierSegment segment = in.SegmentAt(n);
        const LineCrossings crossings = IntersectSegmentWithLine(segment, line);
        int found = -1;
        // A line that starts or ends on the segment, up to the rounding of the crossing, leaves it.
        for (int k = 0; k < crossings.count && found < 0; ++k)
            if (crossings.s[k] > kLineEndTolerance && crossings.s[k] < 1.0f - kLineEndTolerance) found = k;
        if (found < 0) {
            out.Append(segment);
            continue;
        }
        const float u = crossings.s[found];
        const RealPoint tip = line.PointAtParameter(u + (1.0f - u) * sharpness);
        BezierSegment left, right;
        SplitSegment(segment, crossings.t[found], &left, &right);
        left.p3 = tip;
        right.p0 = tip;
        out.Append(left);
        out.Append(right);
        spiked = true;
    }
    return spiked;
}
