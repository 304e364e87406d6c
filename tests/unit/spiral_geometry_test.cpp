// The spiral's quarter turns as the tool builds them, before they reach a document.
#include "geometry/Errors.h"
#include "tools/CurveFitter.h"
#include "tools/SpiralShape.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

SpiralParams Spiral(double radius, int32_t turns, bool fermat = false) {
    return SpiralParams{0, 0, radius, turns, fermat};
}

// |(b − a) × (c − b)| relative to the lengths: 0 when a, b, c lie on one line.
double Kink(const RealPoint& a, const RealPoint& b, const RealPoint& c) {
    const double ux = b.h - a.h, uy = b.v - a.v, wx = c.h - b.h, wy = c.v - b.v;
    const double lengths = std::hypot(ux, uy) * std::hypot(wx, wy);
    return lengths == 0 ? 0 : std::fabs(ux * wy - uy * wx) / lengths;
}

TEST(SpiralGeometry, QuarterTurnsJoinSmoothlyAndEndOnTheCurve) {
    for (bool fermat : {false, true}) {
        const ZPathList spiral = BuildSpiral(Spiral(100, 4, fermat), 0.0f, 1.0f);
        // φ = π/2: 17 quarter turns a arm.
        ASSERT_EQ(spiral.Count(), fermat ? 34 : 17);
        EXPECT_FALSE(spiral.IsClosed());
        for (int32_t k = 0; k + 1 < spiral.Count(); ++k) {
            const BezierSegment a = spiral.SegmentAt(k), b = spiral.SegmentAt(k + 1);
            // Each end is its own single-precision sample of the curve.
            EXPECT_NEAR(a.p3.h, b.p0.h, 1e-3);
            EXPECT_NEAR(a.p3.v, b.p0.v, 1e-3);
            EXPECT_LT(Kink(a.c1, a.p3, b.c0), 1e-4) << "junction " << k << (fermat ? " fermat" : "");
        }
        const RealPoint end = spiral.LastPoint();
        EXPECT_NEAR(end.h, 0, 1e-3);
        EXPECT_NEAR(end.v, fermat ? -100 : 100, 1e-3);
    }
}

TEST(SpiralGeometry, EndAnglesJustPastAQuarterTurnNeverFailTheDraw) {
    // Directions a few single-precision steps past each axis: the last quarter turn is a sliver
    // or nothing at all, and the spiral still ends at the drag direction.
    for (int quadrant = 0; quadrant < 4; ++quadrant) {
        for (double epsilon : {0.0, 1e-7, 3e-7, 5e-7, 1e-6, 3e-6, 1e-5}) {
            const double angle = quadrant * 1.5707963267948966 + epsilon;
            const float h = static_cast<float>(100 * std::cos(angle));
            const float v = static_cast<float>(100 * std::sin(angle));
            for (int32_t turns : {0, 1, 7}) {
                ZPathList spiral;
                ASSERT_NO_THROW(spiral = BuildSpiral(Spiral(100, turns), h, v))
                    << quadrant << " " << epsilon << " " << turns;
                if (turns == 0 && quadrant == 0 && epsilon == 0.0) {
                    EXPECT_EQ(spiral.Count(), 0);
                    continue;
                }
                const int32_t whole = 4 * turns + quadrant;
                EXPECT_GE(spiral.Count(), whole);
                EXPECT_LE(spiral.Count(), whole + 1);
                EXPECT_NEAR(spiral.LastPoint().h, h, 1e-3);
                EXPECT_NEAR(spiral.LastPoint().v, v, 1e-3);
            }
        }
    }
}

// A radius of 0 draws nothing, like every other value that draws nothing: no error, no path.
TEST(SpiralGeometry, ARadiusOfZeroDrawsNothingAndOutsideValuesStayBounded) {
    EXPECT_EQ(BuildSpiral(Spiral(0, 4), 1.0f, 0.0f).Count(), 0);
    EXPECT_EQ(BuildSpiral(Spiral(1e-9, 2, true), 0.0f, -1.0f).Count(), 0);
    EXPECT_EQ(BuildSpiral(Spiral(100, -3), 1.0f, 1.0f).Count(), 0);
    EXPECT_EQ(BuildSpiral(Spiral(std::nan(""), 3), 1.0f, 1.0f).Count(), 0);
    EXPECT_EQ(BuildSpiral(Spiral(1e39, 3), 1.0f, 1.0f).Count(), 0);
    EXPECT_EQ(BuildSpiral(Spiral(100, 2147483647, true), 1.0f, 0.0f).Count(), 2 * 4 * kMaxDrawnTurns);
}

}  // namespace

namespace {

// The quarter turn fitted from `count` samples of the exact curve, in double precision.
BezierSegment FittedFrom(int count, double a, double t0, double t1) {
    std::vector<RealPoint> samples;
    for (int k = 0; k < count; ++k) {
        const double t = t0 + (t1 - t0) * k / (count - 1);
        samples.push_back(RealPoint{a * t * std::cos(t), a * t * std::sin(t)});
    }
    const Vec2f start{static_cast<float>(a * std::cos(t0) - a * t0 * std::sin(t0)),
                      static_cast<float>(a * std::sin(t0) + a * t0 * std::cos(t0))};
    const Vec2f end{static_cast<float>(-(a * std::cos(t1) - a * t1 * std::sin(t1))),
                    static_cast<float>(-(a * std::sin(t1) + a * t1 * std::cos(t1)))};
    CurveFitter fitter(count, samples.data(), 1e-5f);
    fitter.FitWithTangents(start, end);
    return fitter.Segment(0);
}

double ControlDistance(const BezierSegment& x, const BezierSegment& y) {
    return std::max(std::hypot(x.c0.h - y.c0.h, x.c0.v - y.c0.v), std::hypot(x.c1.h - y.c1.h, x.c1.v - y.c1.v));
}

TEST(SpiralGeometry, TheFirstTurnIsFittedFromTwelveSamplesTheRestFromSix) {
    const ZPathList spiral = BuildSpiral(Spiral(100, 4), 1.0f, 0.0f);
    ASSERT_EQ(spiral.Count(), 16);
    const double a = 100 / (8 * 3.14159265358979323846);
    for (int k = 0; k < 16; ++k) {
        const double t0 = k * 1.5707963267948966, t1 = t0 + 1.5707963267948966;
        const BezierSegment fine = FittedFrom(12, a, t0, t1), coarse = FittedFrom(6, a, t0, t1);
        const BezierSegment& drawn = spiral.SegmentAt(k);
        const double toFine = ControlDistance(drawn, fine), toCoarse = ControlDistance(drawn, coarse);
        // Fits of the two sample counts differ by 1e-3 or more; the drawn one is its own count's.
        const double match = k < 4 ? toFine : toCoarse, other = k < 4 ? toCoarse : toFine;
        EXPECT_LT(match, 3e-4) << "quarter turn " << k;
        EXPECT_GT(other, 5e-4) << "quarter turn " << k;
    }
}

}  // namespace
