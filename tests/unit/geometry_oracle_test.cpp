// The primitives against lib2geom on thousands of random cases.
#if __has_include(<2geom/bezier-curve.h>)
#include <2geom/bezier-curve.h>
#include <2geom/bezier-utils.h>
#include <2geom/line.h>

#include "geometry/BezierGeometry.h"
#include "tools/CurveFitter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cmath>
#include <random>
#include <vector>

namespace {

struct Case {
    BezierSegment segment;
    Line line;
};

RealPoint ToReal(const Geom::Point& p) { return RealPoint{p[Geom::X], p[Geom::Y]}; }
Geom::Point ToGeom(const RealPoint& p) { return Geom::Point(p.h, p.v); }

Geom::CubicBezier ToGeom(const BezierSegment& s) {
    return Geom::CubicBezier(ToGeom(s.p0), ToGeom(s.c0), ToGeom(s.c1), ToGeom(s.p3));
}

// Crossing parameters of the reference: roots of the signed distance to the line.
struct Reference {
    std::vector<double> t, s;
    bool wellConditioned = true;
};

Reference ReferenceCrossings(const Case& c) {
    Reference r;
    Geom::CubicBezier bez = ToGeom(c.segment);
    Geom::Line line(ToGeom(c.line.p1), ToGeom(c.line.p2));
    Geom::Affine toAxis = line.rotationToZero(Geom::Y);
    Geom::CubicBezier turned = bez;
    turned *= toAxis;
    std::vector<double> roots = turned.roots(0.0, Geom::Y);
    std::sort(roots.begin(), roots.end());
    Geom::D2<Geom::SBasis> sb = turned.toSBasis();
    Geom::SBasis dy = derivative(sb[Geom::Y]);
    double scale = std::max(1.0, Geom::L2(bez.finalPoint() - bez.initialPoint()));
    Geom::D2<Geom::SBasis> velocity = derivative(sb);
    for (double t : roots) {
        // Away from tangencies, shallow crossings and the segment's ends, where the answer is a
        // matter of rounding and of the search's stopping rule (|y| <= 1e-5) rather than of the method.
        double speed = Geom::L2(velocity.valueAt(t));
        if (std::fabs(dy.valueAt(t)) < std::max(0.05 * scale, 0.2 * speed) || t < 1e-3 || t > 1 - 1e-3)
            r.wellConditioned = false;
        r.t.push_back(t);
        r.s.push_back(line.timeAtProjection(bez.pointAt(t)));
    }
    for (size_t i = 1; i < roots.size(); ++i)
        if (roots[i] - roots[i - 1] < 1e-3) r.wellConditioned = false;
    double y0 = turned.initialPoint()[Geom::Y], y3 = turned.finalPoint()[Geom::Y];
    if (std::fabs(y0) < 1e-3 || std::fabs(y3) < 1e-3) r.wellConditioned = false;
    return r;
}

// Signed distance of the segment's point at t from the line, in double precision.
double Distance(const Case& c, double t) {
    Geom::Point p = ToGeom(c.segment).pointAt(t);
    Geom::Point d = ToGeom(c.line.p2) - ToGeom(c.line.p1);
    return Geom::cross(p - ToGeom(c.line.p1), d) / Geom::L2(d);
}

Case RandomCase(std::mt19937& rng, double extent, double lineLength) {
    std::uniform_real_distribution<double> coord(-extent, extent);
    std::uniform_real_distribution<double> angle(0, 2 * M_PI);
    Case c;
    c.segment = BezierSegment{
        {coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}};
    // Lines through the segment's neighbourhood so that most cases cross it.
    RealPoint through{coord(rng) * 0.5, coord(rng) * 0.5};
    double a = angle(rng);
    double offset = std::uniform_real_distribution<double>(-1.0, 0.5)(rng);
    c.line.p1 = RealPoint{through.h + offset * lineLength * std::cos(a), through.v + offset * lineLength * std::sin(a)};
    c.line.p2 = RealPoint{c.line.p1.h + lineLength * std::cos(a), c.line.p1.v + lineLength * std::sin(a)};
    return c;
}

}  // namespace

TEST(GeometryOracle, SegmentLineCrossingsAgreeWithLib2geom) {
    std::mt19937 rng(20261209);
    int compared = 0, crossings = 0, byCount[4] = {0, 0, 0, 0};
    double worstT = 0, worstS = 0;
    for (int i = 0; i < 20000; ++i) {
        double extent = i % 2 ? 10.0 : 200.0;
        double length = (i % 3 == 0) ? 1.0 : (i % 3 == 1 ? 100.0 : 1000.0);
        Case c = RandomCase(rng, extent, length);
        Reference ref = ReferenceCrossings(c);
        if (!ref.wellConditioned) continue;
        LineCrossings mine = IntersectSegmentWithLine(c.segment, c.line);
        ++compared;
        ASSERT_EQ(mine.count, int(ref.t.size())) << "case " << i;
        ++byCount[mine.count];
        for (int k = 0; k < mine.count; ++k) {
            EXPECT_NEAR(mine.t[k], ref.t[k], 1e-4) << "case " << i;
            EXPECT_NEAR(mine.s[k], ref.s[k], 1e-4) << "case " << i;
            EXPECT_LT(std::fabs(Distance(c, mine.t[k])), 1e-4) << "case " << i;
            worstT = std::max(worstT, std::fabs(mine.t[k] - ref.t[k]));
            worstS = std::max(worstS, std::fabs(mine.s[k] - ref.s[k]));
            ++crossings;
        }
    }
    std::printf("compared %d cases, %d crossings (0/1/2/3: %d %d %d %d); worst |dt| %.3g, |ds| %.3g\n", compared,
                crossings, byCount[0], byCount[1], byCount[2], byCount[3], worstT, worstS);
    // The sample really covers every count of crossings.
    EXPECT_GT(compared, 15000);
    EXPECT_GT(byCount[0], 500);
    EXPECT_GT(byCount[1], 500);
    EXPECT_GT(byCount[2], 500);
    EXPECT_GT(byCount[3], 50);
    EXPECT_GT(crossings, 10000);
}

TEST(GeometryOracle, EvaluationAndSplitAgreeWithLib2geom) {
    std::mt19937 rng(7);
    std::uniform_real_distribution<double> coord(-500, 500);
    std::uniform_real_distribution<float> param(0.0f, 1.0f);
    for (int i = 0; i < 5000; ++i) {
        BezierSegment s{
            {coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}};
        Geom::CubicBezier bez = ToGeom(s);
        // The weights are single precision: parameters k/128 keep them exact, so any difference
        // is the evaluation's.
        float t = float(i % 129) / 128.0f;
        RealPoint mine = SegmentPoint(s, t);
        RealPoint ref = ToReal(bez.pointAt(t));
        ASSERT_NEAR(mine.h, ref.h, 1e-9);
        ASSERT_NEAR(mine.v, ref.v, 1e-9);

        float u = std::clamp(param(rng), 2e-5f, 0.99998f);
        BezierSegment left, right;
        SplitSegment(s, u, &left, &right);
        std::pair<Geom::CubicBezier, Geom::CubicBezier> halves = bez.subdivide(double(u));
        const RealPoint* mineL[4] = {&left.p0, &left.c0, &left.c1, &left.p3};
        const RealPoint* mineR[4] = {&right.p0, &right.c0, &right.c1, &right.p3};
        for (int k = 0; k < 4; ++k) {
            RealPoint l = ToReal(halves.first[k]), r = ToReal(halves.second[k]);
            ASSERT_NEAR(mineL[k]->h, l.h, 1e-9);
            ASSERT_NEAR(mineL[k]->v, l.v, 1e-9);
            ASSERT_NEAR(mineR[k]->h, r.h, 1e-9);
            ASSERT_NEAR(mineR[k]->v, r.v, 1e-9);
        }
    }
}

TEST(GeometryOracle, LineIntersectionAndReflectionAgreeWithLib2geom) {
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> coord(-100, 100);
    int compared = 0;
    for (int i = 0; i < 5000; ++i) {
        Line a{{coord(rng), coord(rng)}, {coord(rng), coord(rng)}};
        Line b{{coord(rng), coord(rng)}, {coord(rng), coord(rng)}};
        Geom::Line ga(ToGeom(a.p1), ToGeom(a.p2)), gb(ToGeom(b.p1), ToGeom(b.p2));
        RealPoint mine;
        bool found = a.IntersectLines(b, &mine);
        std::vector<Geom::ShapeIntersection> ref = ga.intersect(gb);
        double sine = std::fabs(Geom::cross(ga.versor(), gb.versor()));
        if (sine > 0.05) {
            ASSERT_TRUE(found);
            ASSERT_EQ(ref.size(), 1u);
            Geom::Point p = ref[0].point();
            // Single-precision directions: the error grows with the distance from the points.
            double reach = 1.0 + Geom::L2(p - ToGeom(a.p1));
            EXPECT_NEAR(mine.h, p[Geom::X], 2e-5 * reach / sine);
            EXPECT_NEAR(mine.v, p[Geom::Y], 2e-5 * reach / sine);
            ++compared;
        }
        RealPoint q{coord(rng), coord(rng)};
        RealPoint reflected = q;
        a.ReflectPoint(&reflected);
        Geom::Point gr = ToGeom(q) * ga.reflection();
        EXPECT_NEAR(reflected.h, gr[Geom::X], 1e-3);
        EXPECT_NEAR(reflected.v, gr[Geom::Y], 1e-3);
    }
    EXPECT_GT(compared, 4000);
}

TEST(GeometryOracle, CurveFitterComesAsCloseAsLib2geomOnSpiralQuarterTurns) {
    // The spiral tool's fits: one segment along the exact tangents. lib2geom's fitter of the same
    // method gives up rather than exceed its bound, so it gets the least bound it can meet.
    const float a = 100.0f / (8.0f * kPiF);
    auto worst = [](const Geom::CubicBezier& bez, const std::vector<Geom::Point>& pts) {
        double w = 0;
        for (const Geom::Point& p : pts) w = std::max(w, Geom::distance(bez.pointAt(bez.nearestTime(p)), p));
        return w;
    };
    for (float t0 = 0.0f; t0 < 8.0f * kPiF; t0 += kHalfPiF) {
        float t1 = t0 + kHalfPiF;
        int n = t0 < 6.2831855f ? 12 : 6;
        std::vector<RealPoint> pts;
        std::vector<Geom::Point> gpts;
        for (int k = 0; k < n; ++k) {
            float th = t0 + (float(k) / float(n - 1)) * (t1 - t0);
            pts.push_back({double(a * th * std::cos(th)), double(a * th * std::sin(th))});
            gpts.emplace_back(pts.back().h, pts.back().v);
        }
        Vec2f start{a * std::cos(t0) - a * t0 * std::sin(t0), a * std::sin(t0) + a * t0 * std::cos(t0)};
        Vec2f end{-(a * std::cos(t1) - a * t1 * std::sin(t1)), -(a * std::sin(t1) + a * t1 * std::cos(t1))};
        CurveFitter fitter(n, pts.data(), 1e-5f);
        fitter.FitWithTangents(start, end);
        ASSERT_EQ(fitter.SegmentCount(), 1);
        const BezierSegment& s = fitter.Segment(0);
        double mine = worst(ToGeom(s), gpts);

        Geom::Point bez[4];
        int split[2];
        Geom::Point th1 = Geom::unit_vector(Geom::Point(start.h, start.v)),
                    th2 = Geom::unit_vector(Geom::Point(end.h, end.v));
        double lo = 0, hi = 1e6;
        for (int k = 0; k < 80; ++k) {
            double mid = k < 40 ? std::sqrt((lo + 1e-12) * hi) : (lo + hi) / 2;
            (Geom::bezier_fit_cubic_full(bez, split, gpts.data(), n, th1, th2, mid, 1) > 0 ? hi : lo) = mid;
        }
        ASSERT_EQ(Geom::bezier_fit_cubic_full(bez, split, gpts.data(), n, th1, th2, hi, 1), 1);
        double reference = worst(Geom::CubicBezier(bez[0], bez[1], bez[2], bez[3]), gpts);
        EXPECT_LT(mine, 1.2 * reference + 1e-4) << "quarter from " << t0;
    }
}
#endif
