// The curve fitter on points and a tolerance from the input: finite points fit to finite curves.
#include "FuzzInput.h"
#include "tools/CurveFitter.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

bool Finite(const RealPoint& p) { return std::isfinite(p.h) && std::isfinite(p.v); }

void CheckFinite(const CurveFitter& fitter) {
    for (int32_t i = 0; i < fitter.SegmentCount(); ++i) {
        const BezierSegment& s = fitter.Segment(i);
        if (!Finite(s.p0) || !Finite(s.c0) || !Finite(s.c1) || !Finite(s.p3)) {
            std::fprintf(stderr, "segment %d of %d is not finite\n", i, fitter.SegmentCount());
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const uint8_t mode = in.Byte();
    // Tolerances from a hair to several units, as the tools use them.
    const float tolerance = float(1 + in.Byte()) / 16.0f;
    std::vector<RealPoint> points;
    while (in.Left() >= 4 && points.size() < 2000) {
        const double h = in.Coordinate(), v = in.Coordinate();
        points.push_back(RealPoint{h, v});
    }
    if (points.empty()) return 0;
    CurveFitter fitter(static_cast<int32_t>(points.size()), points.data(), tolerance);
    fitter.SetSplitAtMiddle(mode & 1);
    fitter.SetSplitAllowed(!(mode & 2));
    if (mode & 4) {
        const double a = (mode >> 3) * 0.2, b = a + 1.7;
        fitter.FitWithTangents(Vec2f{float(std::cos(a)), float(std::sin(a))},
                               Vec2f{float(std::cos(b)), float(std::sin(b))});
    } else {
        fitter.Fit();
    }
    CheckFinite(fitter);
    return 0;
}
