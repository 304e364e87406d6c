#include "tools/SpiralShape.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"
#include "geometry/Numeric.h"
#include "tools/CurveFitter.h"

#include <algorithm>
#include <cmath>

const SpiralParams kSpiralDefaults = {0.0, 0.0, 100.0, 4, false};

namespace {

constexpr float kFullTurnF = 2.0f * kPiF;
constexpr float kQuarterTurnF = kPiF / 2.0f;

}  // namespace

bool SpiralQuarterTurn(float growth, float theta0, float theta1, BezierSegment* segment) {
    const float a = growth;
    const int32_t n = theta0 < kFullTurnF ? 12 : 6;
    RealPoint samples[12];
    for (int32_t k = 0; k < n; ++k) {
        const float theta = theta0 + (static_cast<float>(k) / static_cast<float>(n - 1)) * (theta1 - theta0);
        PolarToCartesian(a * theta, theta, samples[k].h, samples[k].v);
    }
    const float c0 = CosF(theta0), s0 = SinF(theta0);
    const float c1 = CosF(theta1), s1 = SinF(theta1);
    const Vec2f start{a * c0 - a * theta0 * s0, a * s0 + a * theta0 * c0};
    const Vec2f end{-(a * c1 - a * theta1 * s1), -(a * s1 + a * theta1 * c1)};
    CurveFitter fitter(n, samples, 1e-5f);
    fitter.FitWithTangents(start, end);
    if (fitter.SegmentCount() == 0) return false;
    *segment = fitter.Segment(0);
    return true;
}

ZPathList BuildSpiral(const SpiralParams& params, float dirH, float dirV) {
    ZPathList list;
    const float radius = static_cast<float>(params.radius);
    const float ch = static_cast<float>(params.centreH);
    const float cv = static_cast<float>(params.centreV);
    if (!std::isfinite(radius) || !std::isfinite(ch) || !std::isfinite(cv)) return list;
    const int32_t turns = std::min(params.turns, kMaxDrawnTurns);
    float r = 0.0f, phi = 0.0f;
    CartesianToPolar(dirH, dirV, r, phi);
    if (phi < 0.0f) phi += kFullTurnF;
    const float thetaE = kFullTurnF * static_cast<float>(turns) + phi;
    const float a = static_cast<float>(static_cast<double>(radius) / thetaE);
    // Each start angle is one product rather than a running sum: summed in single precision the
    // quarter turns drift short, and far out a spiral gains stray slivers of segments.
    BezierSegment segment;
    for (int32_t k = 0;; ++k) {
        const float theta = static_cast<float>(k) * kQuarterTurnF;
        if (!(thetaE > theta)) break;
        if (SpiralQuarterTurn(a, theta, std::min(theta + kQuarterTurnF, thetaE), &segment)) {
            list.Append(segment);
        } else if (k == 0) {
            // Nothing to fit at all: the radius is 0, and the spiral draws nothing.
            return ZPathList();
        }
        // A later sliver whose samples coincide has nothing to draw.
    }
    if (params.fermat) {
        ZPathList second(list);
        second.Rotate(RealPoint{0, 0}, 0.0f, -1.0f);
        list.Reverse();
        list.AppendAll(second);
    }
    list.Translate(ch, cv);
    list.SetClosed(false);
    return list;
}
