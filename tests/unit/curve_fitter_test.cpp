#include "tools/CurveFitter.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

RealPoint PointAt(const BezierSegment& s, double t) {
    double u = 1 - t, w0 = u * u * u, w1 = 3 * t * u * u, w2 = 3 * t * t * u, w3 = t * t * t;
    return RealPoint{w0 * s.p0.h + w1 * s.c0.h + w2 * s.c1.h + w3 * s.p3.h,
                     w0 * s.p0.v + w1 * s.c0.v + w2 * s.c1.v + w3 * s.p3.v};
}

// Largest distance from the samples to the segment's nearest points: a coarse search refined by
// a ternary search around the best sample.
double WorstSampleDistance(const BezierSegment& s, const std::vector<RealPoint>& points) {
    double worst = 0;
    for (const RealPoint& p : points) {
        auto d = [&](double t) {
            RealPoint q = PointAt(s, t);
            return std::hypot(q.h - p.h, q.v - p.v);
        };
        const int steps = 256;
        int best = 0;
        for (int i = 1; i <= steps; ++i)
            if (d(double(i) / steps) < d(double(best) / steps)) best = i;
        double lo = std::max(0.0, (best - 1.0) / steps), hi = std::min(1.0, (best + 1.0) / steps);
        for (int k = 0; k < 100; ++k) {
            double m1 = lo + (hi - lo) / 3, m2 = hi - (hi - lo) / 3;
            if (d(m1) < d(m2))
                hi = m2;
            else
                lo = m1;
        }
        worst = std::max(worst, d((lo + hi) / 2));
    }
    return worst;
}

// Samples of a quarter turn of the spiral r = a·θ, with its exact end tangents, as the spiral tool
// takes them: 12 samples in the first turn, 6 after.
struct QuarterTurn {
    std::vector<RealPoint> points;
    Vec2f start, end;
};

QuarterTurn SpiralQuarter(float a, float theta0, float theta1) {
    QuarterTurn q;
    int n = theta0 < 6.2831855f ? 12 : 6;
    for (int k = 0; k < n; ++k) {
        float theta = theta0 + (float(k) / float(n - 1)) * (theta1 - theta0);
        q.points.push_back({double(a * theta * std::cos(theta)), double(a * theta * std::sin(theta))});
    }
    q.start = Vec2f{a * std::cos(theta0) - a * theta0 * std::sin(theta0),
                    a * std::sin(theta0) + a * theta0 * std::cos(theta0)};
    q.end = Vec2f{-(a * std::cos(theta1) - a * theta1 * std::sin(theta1)),
                  -(a * std::sin(theta1) + a * theta1 * std::cos(theta1))};
    return q;
}

}  // namespace

TEST(CurveFitter, TwoPointsGiveOneThirdHandlesAlongTheTangents) {
    std::vector<RealPoint> pts = {{0, 0}, {6, 8}};
    CurveFitter fitter(2, pts.data(), 1e-5f);
    fitter.FitWithTangents(Vec2f{0, 2}, Vec2f{-3, 0});
    ASSERT_EQ(fitter.SegmentCount(), 1);
    const BezierSegment& s = fitter.Segment(0);
    EXPECT_EQ(s.p0.h, 0.0);
    EXPECT_EQ(s.p3.v, 8.0);
    // Chord 10: handles of 10/3 along the normalised tangents.
    EXPECT_NEAR(s.c0.h, 0.0, 1e-6);
    EXPECT_NEAR(s.c0.v, 10.0 / 3.0, 1e-5);
    EXPECT_NEAR(s.c1.h, 6.0 - 10.0 / 3.0, 1e-5);
    EXPECT_NEAR(s.c1.v, 8.0, 1e-6);
    EXPECT_THROW(fitter.Segment(1), CheckFailure);
}

TEST(CurveFitter, CollinearSamplesUseTheOneThirdRule) {
    std::vector<RealPoint> pts;
    for (int i = 0; i <= 6; ++i) pts.push_back({double(i) * 2.0, double(i) * 1.0});
    CurveFitter fitter(int32_t(pts.size()), pts.data(), 1e-5f);
    fitter.FitWithTangents(Vec2f{2, 1}, Vec2f{-2, -1});
    ASSERT_EQ(fitter.SegmentCount(), 1);
    const BezierSegment& s = fitter.Segment(0);
    double third = std::hypot(12.0, 6.0) / 3.0;
    EXPECT_NEAR(std::hypot(s.c0.h - s.p0.h, s.c0.v - s.p0.v), third, 1e-4);
    EXPECT_NEAR(std::hypot(s.p3.h - s.c1.h, s.p3.v - s.c1.v), third, 1e-4);
    EXPECT_TRUE(IsStraightSegment(s));
}

TEST(CurveFitter, RepeatedSamplesAreFittedAsIfAbsent) {
    QuarterTurn q = SpiralQuarter(1.0f, 0.5f, 0.5f + kHalfPiF);
    std::vector<RealPoint> repeated;
    for (size_t i = 0; i < q.points.size(); ++i) {
        repeated.push_back(q.points[i]);
        if (i % 3 == 0) repeated.push_back({q.points[i].h + 4e-6, q.points[i].v - 4e-6});
        if (i == 5) repeated.push_back(q.points[i]);
    }
    CurveFitter plain(int32_t(q.points.size()), q.points.data(), 1e-5f);
    CurveFitter noisy(int32_t(repeated.size()), repeated.data(), 1e-5f);
    EXPECT_EQ(noisy.PointCount(), plain.PointCount());
    plain.FitWithTangents(q.start, q.end);
    noisy.FitWithTangents(q.start, q.end);
    ASSERT_EQ(plain.SegmentCount(), 1);
    ASSERT_EQ(noisy.SegmentCount(), 1);
    EXPECT_NEAR(noisy.Segment(0).c0.h, plain.Segment(0).c0.h, 1e-4);
    EXPECT_NEAR(noisy.Segment(0).c1.v, plain.Segment(0).c1.v, 1e-4);

    // Every sample in one place: nothing to fit, and reading segment 0 is a failed check.
    std::vector<RealPoint> same(5, RealPoint{3, 3});
    CurveFitter single(5, same.data(), 1e-5f);
    EXPECT_EQ(single.PointCount(), 1);
    single.FitWithTangents(Vec2f{1, 0}, Vec2f{-1, 0});
    single.Fit();
    EXPECT_EQ(single.SegmentCount(), 0);
    EXPECT_THROW(single.Segment(0), CheckFailure);

    CurveFitter none(0, nullptr, 1e-5f);
    EXPECT_THROW(none.Fit(), CheckFailure);
    EXPECT_THROW(none.FitWithTangents(Vec2f{1, 0}, Vec2f{-1, 0}), CheckFailure);
}

TEST(CurveFitter, SplittingOnAndOff) {
    // Three quarters of a circle cannot be one cubic within 1e-4.
    std::vector<RealPoint> pts;
    for (int i = 0; i <= 30; ++i) {
        double a = 1.5 * M_PI * i / 30.0;
        pts.push_back({50 * std::cos(a), 50 * std::sin(a)});
    }
    CurveFitter split(int32_t(pts.size()), pts.data(), 1e-4f);
    split.Fit();
    ASSERT_GT(split.SegmentCount(), 1);
    EXPECT_EQ(split.Segment(0).p0.h, pts.front().h);
    EXPECT_EQ(split.Segment(split.SegmentCount() - 1).p3.v, pts.back().v);
    for (int32_t i = 1; i < split.SegmentCount(); ++i) {
        const BezierSegment& a = split.Segment(i - 1);
        const BezierSegment& b = split.Segment(i);
        EXPECT_EQ(a.p3.h, b.p0.h);
        EXPECT_EQ(a.p3.v, b.p0.v);
        // The tangent at the split is shared, pointing away on each side.
        Vec2f in = Normalise(Difference(a.c1, a.p3)), out = Normalise(Difference(b.c0, b.p0));
        EXPECT_NEAR(Dot(in, out), -1.0f, 1e-5f);
    }
    // Every sample lies within the tolerance (a squared distance) of some segment.
    for (const RealPoint& p : pts) {
        double best = 1e300;
        for (int32_t i = 0; i < split.SegmentCount(); ++i)
            best = std::min(best, WorstSampleDistance(split.Segment(i), {p}));
        EXPECT_LT(best * best, 1.5e-4);
    }

    CurveFitter middle(int32_t(pts.size()), pts.data(), 1e-4f);
    middle.SetSplitAtMiddle(true);
    middle.Fit();
    ASSERT_GT(middle.SegmentCount(), 1);
    bool splitAtFifteen = false;  // the first split falls on index (0 + 30) / 2
    for (int32_t i = 0; i < middle.SegmentCount(); ++i)
        splitAtFifteen |= middle.Segment(i).p3.h == pts[15].h && middle.Segment(i).p3.v == pts[15].v;
    EXPECT_TRUE(splitAtFifteen);

    CurveFitter off(int32_t(pts.size()), pts.data(), 1e-4f);
    off.FitWithTangents(Vec2f{0, 1}, Vec2f{-1, 0});
    EXPECT_EQ(off.SegmentCount(), 1);
}

TEST(CurveFitter, ErrorEqualToTheToleranceIsRejected) {
    // Evenly spaced collinear samples are met exactly: the error is 0.
    std::vector<RealPoint> pts = {{0, 0}, {1, 0}, {2, 0}};
    CurveFitter exact(3, pts.data(), 0.0f);
    exact.Fit();
    EXPECT_EQ(exact.SegmentCount(), 2);  // 0 < 0 fails, so the run is split
    CurveFitter loose(3, pts.data(), 1e-30f);
    loose.Fit();
    EXPECT_EQ(loose.SegmentCount(), 1);
}

TEST(CurveFitter, CircleArcsMeetTheToleranceOrComeCloseToTheBestCubic) {
    // The best single cubic for a quarter circle strays about 2.7e-4 of the radius from it. For a
    // unit circle that is within the tolerance (a squared distance of 1e-5), which the fit stops at.
    for (double radius : {1.0, 100.0, 1000.0}) {
        std::vector<RealPoint> pts;
        for (int i = 0; i < 12; ++i) {
            double a = (M_PI / 2) * i / 11.0;
            pts.push_back({radius * std::cos(a), radius * std::sin(a)});
        }
        CurveFitter fitter(12, pts.data(), 1e-5f);
        fitter.FitWithTangents(Vec2f{0, 1}, Vec2f{1, 0});
        ASSERT_EQ(fitter.SegmentCount(), 1);
        const BezierSegment& s = fitter.Segment(0);
        double bound = radius == 1.0 ? std::sqrt(1e-5) : 4e-4 * radius;
        EXPECT_LT(WorstSampleDistance(s, pts), bound) << radius;
        double worstRadial = 0;
        for (int i = 0; i <= 200; ++i) {
            RealPoint q = SegmentPoint(s, float(i) / 200.0f);
            worstRadial = std::max(worstRadial, std::fabs(std::hypot(q.h, q.v) - radius));
        }
        EXPECT_LT(worstRadial, bound) << radius;
    }
}

TEST(CurveFitter, SpiralQuarterTurnsBeatTheOneThirdGuess) {
    const float a = 100.0f / (4.0f * 2.0f * kPiF);  // four turns out to radius 100
    float theta = 0.0f;
    const float end = 8.0f * kPiF;
    int segments = 0;
    while (end > theta) {
        float next = std::min(theta + kHalfPiF, end);
        QuarterTurn q = SpiralQuarter(a, theta, next);
        CurveFitter fitter(int32_t(q.points.size()), q.points.data(), 1e-5f);
        fitter.FitWithTangents(q.start, q.end);
        ASSERT_EQ(fitter.SegmentCount(), 1);
        const BezierSegment& s = fitter.Segment(0);
        EXPECT_EQ(s.p0.h, q.points.front().h);
        EXPECT_EQ(s.p3.v, q.points.back().v);
        double fitted = WorstSampleDistance(s, q.points);
        float third = PointDistance(q.points.front(), q.points.back()) / 3.0f;
        BezierSegment guess{s.p0, Offset(s.p0, ScaleToLength(q.start, third)),
                            Offset(s.p3, ScaleToLength(q.end, third)), s.p3};
        EXPECT_LT(fitted, 0.5 * WorstSampleDistance(guess, q.points)) << theta;
        // Past the tight first turn a quarter is nearly a circle arc.
        if (theta >= 2 * kPiF) {
            EXPECT_LT(fitted, 2e-3 * a * next) << theta;
        }
        theta += kHalfPiF;
        ++segments;
    }
    EXPECT_EQ(segments, 16);
}

TEST(CurveFitter, NonFiniteSamplesEndWithoutHangingOrCrashing) {
    std::vector<RealPoint> pts = {{0, 0}, {1, std::nan("")}, {2, 1}, {INFINITY, 3}, {4, 0}, {5, 1e300}, {6, 0}};
    CurveFitter split(int32_t(pts.size()), pts.data(), 1e-5f);
    split.Fit();
    EXPECT_GE(split.SegmentCount(), 1);
    EXPECT_LE(split.SegmentCount(), int32_t(pts.size()) - 1);
    CurveFitter one(int32_t(pts.size()), pts.data(), 1e-5f);
    one.FitWithTangents(Vec2f{std::nanf(""), 0}, Vec2f{-1, 0});
    EXPECT_EQ(one.SegmentCount(), 1);
}
