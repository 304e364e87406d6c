#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

BezierSegment Seg(double a, double b, double c, double d, double e, double f, double g, double h) {
    return BezierSegment{{a, b}, {c, d}, {e, f}, {g, h}};
}

Line L(double a, double b, double c, double d) { return Line{{a, b}, {c, d}}; }

}  // namespace

TEST(SegmentEvaluation, EndsMiddleAndDerivativeFallback) {
    BezierSegment s = Seg(0, 0, 0, 1, 1, 1, 1, 0);
    RealPoint p = SegmentPoint(s, 0.0f);
    EXPECT_EQ(p.h, 0.0);
    EXPECT_EQ(p.v, 0.0);
    p = SegmentPoint(s, 1.0f);
    EXPECT_EQ(p.h, 1.0);
    EXPECT_EQ(p.v, 0.0);
    p = SegmentPoint(s, 0.5f);
    EXPECT_DOUBLE_EQ(p.h, 0.5);
    EXPECT_DOUBLE_EQ(p.v, 0.75);

    Vec2f d = SegmentDerivative(s, 0.5f);
    EXPECT_FLOAT_EQ(d.h, 1.5f);
    EXPECT_FLOAT_EQ(d.v, 0.0f);

    // A control point on its anchor: the end derivative comes from just inside the segment.
    BezierSegment cusp = Seg(0, 0, 0, 0, 1, 2, 3, 0);
    Vec2f atStart = SegmentDerivative(cusp, 0.0f);
    EXPECT_FALSE(IsNearZero(atStart));
    Vec2f inside = SegmentDerivative(cusp, 0.0001f);
    EXPECT_FLOAT_EQ(atStart.h, inside.h);
    EXPECT_FLOAT_EQ(atStart.v, inside.v);
    BezierSegment cuspEnd = Seg(0, 0, 1, 2, 3, 0, 3, 0);
    Vec2f atEnd = SegmentDerivative(cuspEnd, 1.0f);
    EXPECT_FALSE(IsNearZero(atEnd));
    EXPECT_GT(atEnd.h, 0.0f);  // still heading towards the end anchor
    // At an interior parameter a vanishing derivative is reported as it is.
    BezierSegment still = Seg(1, 1, 1, 1, 1, 1, 1, 1);
    EXPECT_TRUE(IsNearZero(SegmentDerivative(still, 0.5f)));
}

TEST(SegmentSplit, CollapsedEndsHalvesAndBadParameters) {
    BezierSegment s = Seg(0, 0, 1, 3, 4, 3, 5, 0);
    BezierSegment left, right;
    SplitSegment(s, 0.000001f, &left, &right);
    for (const RealPoint& q : {left.p0, left.c0, left.c1, left.p3}) {
        EXPECT_EQ(q.h, 0.0);
        EXPECT_EQ(q.v, 0.0);
    }
    EXPECT_EQ(right.c0.h, 1.0);
    EXPECT_EQ(right.p3.h, 5.0);
    SplitSegment(s, 0.999995f, &left, &right);
    EXPECT_EQ(left.c1.h, 4.0);
    EXPECT_EQ(right.p0.h, 5.0);
    EXPECT_EQ(right.c0.h, 5.0);

    SplitSegment(s, 0.25f, &left, &right);
    RealPoint mid = SegmentPoint(s, 0.25f);
    EXPECT_NEAR(left.p3.h, mid.h, 1e-12);
    EXPECT_NEAR(left.p3.v, mid.v, 1e-12);
    EXPECT_EQ(left.p3.h, right.p0.h);
    for (float t : {0.2f, 0.6f}) {
        RealPoint a = SegmentPoint(left, t), b = SegmentPoint(s, 0.25f * t);
        EXPECT_NEAR(a.h, b.h, 1e-6);
        EXPECT_NEAR(a.v, b.v, 1e-6);
        a = SegmentPoint(right, t);
        b = SegmentPoint(s, 0.25f + 0.75f * t);
        EXPECT_NEAR(a.h, b.h, 1e-6);
        EXPECT_NEAR(a.v, b.v, 1e-6);
    }
    EXPECT_THROW(SplitSegment(s, 1.2f, &left, &right), CheckFailure);
    EXPECT_THROW(SplitSegment(s, -0.1f, &left, &right), CheckFailure);
    EXPECT_THROW(SplitSegment(s, std::nanf(""), &left, &right), CheckFailure);
}

TEST(SegmentShape, StraightnessLengthsAndReverse) {
    BezierSegment straight = StraightSegment({1, 1}, {4, 7});
    EXPECT_TRUE(IsStraightSegment(straight));
    EXPECT_DOUBLE_EQ(straight.c0.h, 2.0);
    EXPECT_DOUBLE_EQ(straight.c1.v, 5.0);
    EXPECT_TRUE(IsStraightSegment(Seg(0, 0, 0, 0, 5, 5, 5, 5)));
    // On the chord's line but outside the box of the anchors: an overshooting curve.
    EXPECT_FALSE(IsStraightSegment(Seg(0, 0, -1, 0, 3, 0, 2, 0)));
    EXPECT_FALSE(IsStraightSegment(Seg(0, 0, 1, 1, 2, 1, 3, 0)));
    EXPECT_TRUE(IsStraightSegment(Seg(0, 0, 1, 0, 2, 0, 3, 0)));

    EXPECT_FLOAT_EQ(ControlPolygonLength(Seg(0, 0, 3, 4, 3, 0, 6, 0)), 5.0f + 4.0f + 3.0f);
    EXPECT_NEAR(SegmentArcLength(StraightSegment({0, 0}, {10, 0})), 10.0f, 1e-4f);
    // A quarter circle of radius 1: length π/2.
    const double k = 0.5522847498;
    EXPECT_NEAR(SegmentArcLength(Seg(1, 0, 1, k, k, 1, 0, 1)), 1.5707964f, 2e-3f);

    BezierSegment s = Seg(0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8);
    BezierSegment r = s;
    ReverseSegment(&r);
    EXPECT_EQ(r.p0.h, 0.7);
    EXPECT_EQ(r.c0.v, 0.6);
    ReverseSegment(&r);
    EXPECT_EQ(0, std::memcmp(&r, &s, sizeof s));

    BezierSegment turned = RotateSegment(Seg(1, 0, 2, 0, 3, 0, 4, 0), {0, 0}, 90.0f);
    EXPECT_NEAR(turned.p3.h, 0.0, 1e-6);
    EXPECT_NEAR(turned.p3.v, 4.0, 1e-6);
}

TEST(SegmentShape, SmoothJoinWithinOneDegree) {
    auto joinAt = [](double degrees) {
        double r = degrees * M_PI / 180.0;
        BezierSegment a = StraightSegment({-10, 0}, {0, 0});
        BezierSegment b = StraightSegment({0, 0}, {10 * std::cos(r), 10 * std::sin(r)});
        return IsSmoothJoin(a, b);
    };
    EXPECT_TRUE(joinAt(0.0));
    EXPECT_TRUE(joinAt(0.5));
    EXPECT_FALSE(joinAt(2.0));
    EXPECT_FALSE(joinAt(180.0));
    // Control points on the joining anchor: the tangents come from the curves near the join.
    BezierSegment a = Seg(-3, 0, -2, 0, 0, 0, 0, 0);
    BezierSegment b = Seg(0, 0, 0, 0, 2, 0, 3, 0);
    EXPECT_TRUE(IsSmoothJoin(a, b));
    BezierSegment bent = Seg(0, 0, 0, 0, 0, 2, 0, 3);
    EXPECT_FALSE(IsSmoothJoin(a, bent));
    // A collapsed segment has no tangent at all.
    BezierSegment dot = Seg(0, 0, 0, 0, 0, 0, 0, 0);
    EXPECT_FALSE(IsSmoothJoin(a, dot));
}

TEST(SolveQuadratic, RootsOfEveryCase) {
    double r[2];
    ASSERT_EQ(SolveQuadratic(0, 2, -4, r), 1);
    EXPECT_DOUBLE_EQ(r[0], 2.0);
    ASSERT_EQ(SolveQuadratic(1, -2, 1, r), 1);
    EXPECT_DOUBLE_EQ(r[0], 1.0);
    EXPECT_EQ(SolveQuadratic(1, 0, 1, r), 0);
    EXPECT_EQ(SolveQuadratic(0, 0, 5, r), 0);
    EXPECT_EQ(SolveQuadratic(1, std::nan(""), 1, r), 0);
    ASSERT_EQ(SolveQuadratic(1, -3, 2, r), 2);
    EXPECT_DOUBLE_EQ(std::min(r[0], r[1]), 1.0);
    EXPECT_DOUBLE_EQ(std::max(r[0], r[1]), 2.0);
    // Widely spread roots keep their precision (no cancellation).
    ASSERT_EQ(SolveQuadratic(1, -1e8, 1, r), 2);
    EXPECT_NEAR(std::min(r[0], r[1]), 1e-8, 1e-20);
}

TEST(LineOperations, SideShiftProjectionReflectionDistance) {
    Line up = L(0, 0, 0, 1);
    EXPECT_EQ(up.SideOf({1, 0}), 1);
    EXPECT_EQ(up.SideOf({-1, 0}), -1);
    EXPECT_EQ(up.SideOf({0, 5}), 0);
    EXPECT_EQ(up.SideOf({1e-6, 3}), 0);

    // Shifting moves toward the side SideOf calls 1.
    Line shifted = up;
    shifted.ShiftParallel(2.0f);
    EXPECT_DOUBLE_EQ(shifted.p1.h, 2.0);
    EXPECT_DOUBLE_EQ(shifted.p2.h, 2.0);
    EXPECT_EQ(up.SideOf(shifted.p1), 1);

    Line diagonal = L(0, 0, 2, 2);
    EXPECT_FLOAT_EQ(diagonal.ProjectParameter({2, 0}), 0.5f);
    RealPoint q{2, 0};
    diagonal.ReflectPoint(&q);
    EXPECT_NEAR(q.h, 0.0, 1e-6);
    EXPECT_NEAR(q.v, 2.0, 1e-6);
    EXPECT_NEAR(diagonal.DistanceToLine({2, 0}), std::sqrt(2.0f), 1e-6f);
    RealPoint at = diagonal.PointAtDistance(std::sqrt(2.0f));
    EXPECT_NEAR(at.h, 1.0, 1e-6);
    EXPECT_NEAR(at.v, 1.0, 1e-6);
    Vec2f n = L(0, 0, 3, 0).LineNormal();
    EXPECT_FLOAT_EQ(n.h, 0.0f);
    EXPECT_FLOAT_EQ(n.v, 1.0f);
    EXPECT_FLOAT_EQ(L(1, 1, 4, 5).LineLength(), 5.0f);

    Line point = L(1, 1, 1.000001, 1);
    EXPECT_TRUE(point.IsDegenerate());
    EXPECT_THROW(point.LineNormal(), CheckFailure);
    EXPECT_THROW(point.ProjectParameter({0, 0}), CheckFailure);
    EXPECT_THROW(point.SideOf({0, 0}), CheckFailure);
    EXPECT_THROW(point.ShiftParallel(1.0f), CheckFailure);
    EXPECT_THROW(IntersectSegmentWithLine(StraightSegment({0, 0}, {1, 1}), point), CheckFailure);
}

TEST(LineOperations, IntersectLines) {
    RealPoint p;
    ASSERT_TRUE(L(0, 0, 4, 4).IntersectLines(L(0, 4, 4, 0), &p));
    EXPECT_NEAR(p.h, 2.0, 1e-6);
    EXPECT_NEAR(p.v, 2.0, 1e-6);
    // Beyond both pairs of points: the lines are infinite.
    ASSERT_TRUE(L(0, 0, 1, 0).IntersectLines(L(10, 5, 10, 6), &p));
    EXPECT_NEAR(p.h, 10.0, 1e-5);
    EXPECT_NEAR(p.v, 0.0, 1e-6);
    EXPECT_FALSE(L(0, 0, 1, 1).IntersectLines(L(0, 1, 1, 2), &p));
    EXPECT_FALSE(L(0, 0, 1, 1).IntersectLines(L(2, 2, 3, 3), &p));
}

TEST(PointOperations, DistanceTurnsCollinearityRotation) {
    EXPECT_FLOAT_EQ(PointDistance({0, 0}, {3, 4}), 5.0f);
    EXPECT_TRUE(IsClockwiseTurn({0, 0}, {0, 1}, {1, 1}));
    EXPECT_FALSE(IsClockwiseTurn({0, 0}, {1, 0}, {1, 1}));
    EXPECT_TRUE(IsCollinear({0, 0}, {1, 1}, {5, 5}));
    EXPECT_TRUE(IsCollinear({0, 0}, {1, 1}, {5, 5.0005}));
    EXPECT_FALSE(IsCollinear({0, 0}, {1, 1}, {5, 5.01}));
    EXPECT_TRUE(IsCollinear({0, 0}, {0.001, 0}, {5, 7}));  // a and b coincide
    RealPoint r = RotatePoint({2, 1}, {1, 1}, kHalfPiF);
    EXPECT_NEAR(r.h, 1.0, 1e-6);
    EXPECT_NEAR(r.v, 2.0, 1e-6);
    r = RotatePointBySinCos({5, 0}, {0, 0}, 0.6f, 0.8f);
    EXPECT_NEAR(r.h, 4.0, 1e-6);
    EXPECT_NEAR(r.v, 3.0, 1e-6);
    Vec2f v = ScaleToLength(Vec2f{3, 4}, 10.0f);
    EXPECT_FLOAT_EQ(v.h, 6.0f);
    EXPECT_FLOAT_EQ(v.v, 8.0f);
    v = ScaleToLength(Vec2f{1e-6f, 0}, 10.0f);
    EXPECT_FLOAT_EQ(v.h, 1e-6f);
    v = ReflectVector(Vec2f{1, 1}, Vec2f{1, 0});
    EXPECT_FLOAT_EQ(v.h, 1.0f);
    EXPECT_FLOAT_EQ(v.v, -1.0f);
}

TEST(SegmentLineIntersection, SingleCrossingAndDirection) {
    BezierSegment s = Seg(0, -1, 0, -1.0 / 3, 0, 1.0 / 3, 0, 1);
    LineCrossings x = IntersectSegmentWithLine(s, L(-1, 0, 1, 0));
    ASSERT_EQ(x.count, 1);
    EXPECT_NEAR(x.t[0], 0.5f, 1e-5f);
    EXPECT_NEAR(x.s[0], 0.5f, 1e-5f);
    x = IntersectSegmentWithLine(s, L(1, 0, -1, 0));
    ASSERT_EQ(x.count, 1);
    EXPECT_NEAR(x.t[0], 0.5f, 1e-5f);
    EXPECT_NEAR(x.s[0], 0.5f, 1e-5f);
    EXPECT_EQ(IntersectSegmentWithLine(s, L(-1, 2, 1, 2)).count, 0);
    // Off the drawn part of the line: s is not limited to [0, 1].
    x = IntersectSegmentWithLine(Seg(10, -1, 10, 0, 10, 0, 10, 1), L(0, 0, 2, 0));
    ASSERT_EQ(x.count, 1);
    EXPECT_NEAR(x.s[0], 5.0f, 1e-5f);
}

TEST(SegmentLineIntersection, TwoAndThreeCrossingsInIncreasingT) {
    // An arch over the line crosses it twice.
    BezierSegment arch = Seg(0, -1, 1, 3, 2, 3, 3, -1);
    LineCrossings x = IntersectSegmentWithLine(arch, L(0, 0, 3, 0));
    ASSERT_EQ(x.count, 2);
    EXPECT_LT(x.t[0], x.t[1]);
    for (int i = 0; i < 2; ++i) EXPECT_NEAR(SegmentPoint(arch, x.t[i]).v, 0.0, 1e-5);
    EXPECT_NEAR(x.t[0] + x.t[1], 1.0f, 1e-5f);  // symmetric arch

    // y(t) = 20t³ − 30t² + 12t − 1 = (t − ½)(20t² − 20t + 2); h(t) = 3t.
    BezierSegment s = Seg(0, -1, 1, 3, 2, -3, 3, 1);
    x = IntersectSegmentWithLine(s, L(-1, 0, 1, 0));
    ASSERT_EQ(x.count, 3);
    double r = std::sqrt(400.0 - 160.0) / 40.0;
    double expected[3] = {0.5 - r, 0.5, 0.5 + r};
    for (int i = 0; i < 3; ++i) {
        EXPECT_NEAR(x.t[i], expected[i], 1e-5);
        EXPECT_NEAR(x.s[i], (3.0 * expected[i] + 1.0) / 2.0, 2e-5);
    }
}

TEST(SegmentLineIntersection, TangencySegmentOnLineAndEndsOnLine) {
    // y(t) = 3(1 − 2t)²: touches the line once at t = ½.
    LineCrossings x = IntersectSegmentWithLine(Seg(0, 3, 1, -1, 2, -1, 3, 3), L(-1, 0, 1, 0));
    ASSERT_EQ(x.count, 1);
    EXPECT_FLOAT_EQ(x.t[0], 0.5f);
    EXPECT_FLOAT_EQ(x.s[0], 1.25f);
    // Lying on the line: both ends, at their positions along it.
    x = IntersectSegmentWithLine(Seg(0, 0, 1, 0, 2, 0, 3, 0), L(-1, 0, 1, 0));
    ASSERT_EQ(x.count, 2);
    EXPECT_EQ(x.t[0], 0.0f);
    EXPECT_EQ(x.t[1], 1.0f);
    EXPECT_FLOAT_EQ(x.s[0], 0.5f);
    EXPECT_FLOAT_EQ(x.s[1], 2.0f);
    // An end exactly on the line belongs to the segment that starts there.
    BezierSegment into = StraightSegment({0, 3}, {3, 0});
    BezierSegment onward = StraightSegment({3, 0}, {6, -3});
    EXPECT_EQ(IntersectSegmentWithLine(into, L(-1, 0, 1, 0)).count, 0);
    x = IntersectSegmentWithLine(onward, L(-1, 0, 1, 0));
    ASSERT_EQ(x.count, 1);
    EXPECT_EQ(x.t[0], 0.0f);
    EXPECT_FLOAT_EQ(x.s[0], 2.0f);
    // Wholly on one side, also touching nowhere.
    EXPECT_EQ(IntersectSegmentWithLine(Seg(0, 1, 1, 2, 2, 2, 3, 1), L(-1, 0, 1, 0)).count, 0);
}

TEST(SegmentLineIntersection, LongLinesAtAnyAngleStillWork) {
    // The rotated end of a line thousands of units long misses the horizontal by more than 2e-4
    // through single-precision rounding alone; that is no inconsistent geometry.
    for (double length : {10.0, 500.0, 5000.0, 20000.0}) {
        for (int i = 0; i < 2000; ++i) {
            double a = 2 * M_PI * i / 2000.0 + 0.001;
            Line line{{-123.0 + i % 7, 45.0 - i % 11}, {0, 0}};
            line.p2 = RealPoint{line.p1.h + length * std::cos(a), line.p1.v + length * std::sin(a)};
            RealPoint mid = line.PointAtParameter(0.5f);
            BezierSegment s = StraightSegment({mid.h - 5 * std::sin(a), mid.v + 5 * std::cos(a)},
                                              {mid.h + 5 * std::sin(a), mid.v - 5 * std::cos(a)});
            LineCrossings x;
            ASSERT_NO_THROW(x = IntersectSegmentWithLine(s, line)) << length << " " << a;
            ASSERT_EQ(x.count, 1) << length << " " << a;
            EXPECT_NEAR(x.s[0], 0.5f, 1e-4f) << length << " " << a;
        }
    }
}

TEST(FindCrossingParameter, RejectsBadBracketsAndConverges) {
    BezierSegment s = StraightSegment({0, -1}, {1, 3});  // y = 4t − 1
    EXPECT_NEAR(FindCrossingParameter(s, -1.0f, 0.0f, 3.0f, 1.0f), 0.25f, 1e-5f);
    EXPECT_THROW(FindCrossingParameter(s, -1.0f, 0.5f, 3.0f, 0.5f), CheckFailure);
    EXPECT_THROW(FindCrossingParameter(s, 1.0f, 0.0f, 3.0f, 1.0f), CheckFailure);
    EXPECT_THROW(FindCrossingParameter(s, 0.0f, 0.0f, 3.0f, 1.0f), CheckFailure);
    EXPECT_THROW(FindCrossingParameter(s, -1.0f, -0.5f, 3.0f, 1.0f), CheckFailure);
}

TEST(SegmentLineIntersection, SteepCrossingLandsOnTheLine) {
    // Near this crossing one step of a float parameter moves the curve by more than 1e-5, so the
    // search can never bring |y| under 1e-5; it must still stop at the nearest parameter instead of
    // bisecting from a stale bracket until its passes run out.
    BezierSegment s{{68.661003973616459, 11.942244529845652},
                    {-56.043429725597036, 146.76235226839674},
                    {99.18953504113739, 135.65000633437938},
                    {-158.74900885593942, 91.097609135438802}};
    Line line{{-94.598298499497915, 30.12879163240618}, {-94.640498151498079, 31.12790083032754}};
    LineCrossings x = IntersectSegmentWithLine(s, line);
    ASSERT_EQ(x.count, 1);
    RealPoint p = SegmentPoint(s, x.t[0]);
    double dh = line.p2.h - line.p1.h, dv = line.p2.v - line.p1.v;
    double distance = ((p.h - line.p1.h) * dv - (p.v - line.p1.v) * dh) / std::hypot(dh, dv);
    EXPECT_LT(std::fabs(distance), 1e-4);
    EXPECT_NEAR(x.s[0], 72.3646f, 2e-3f);
}

TEST(HostileInput, NonFiniteAndHugeCoordinatesRaiseOrAnswerButNeverMisbehave) {
    const double bad[] = {std::nan(""), INFINITY, -INFINITY, 1e300, -1e300, 1e-300, 0.0, 3.5};
    int raised = 0, answered = 0;
    for (double a : bad) {
        for (double b : bad) {
            BezierSegment s{{a, 0}, {1, b}, {b, -1}, {2, a}};
            for (const Line& line : {L(0, 0, 1, 0), L(a, b, 1, 1), L(0, 0, a, b)}) {
                try {
                    LineCrossings x = IntersectSegmentWithLine(s, line);
                    EXPECT_GE(x.count, 0);
                    EXPECT_LE(x.count, 3);
                    ++answered;
                } catch (const CheckFailure&) {
                    ++raised;
                }
            }
            BezierSegment left, right;
            SplitSegment(s, 0.5f, &left, &right);
            (void)IsStraightSegment(s);
            (void)IsSmoothJoin(s, left);
            (void)SegmentArcLength(s);
        }
    }
    EXPECT_GT(raised, 0);
    EXPECT_GT(answered, 0);
}
