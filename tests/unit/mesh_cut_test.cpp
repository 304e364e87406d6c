// The mesh cut without a document: colours blended where the curves meet the line, nodes pulled
// onto it, the grid shrunk to what remains; and, over random lines and meshes with curved edges,
// nothing left beyond the line, the outline clipped exactly, the colours kept or blended.
#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/ZMeshDataCut.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <vector>

namespace {

MeshColour Gray(double g) {
    MeshColour c{};
    c.kind = SB_COLOR_GRAY;
    c.c.gray.gray = g;
    return c;
}
MeshColour Cmyk(double c, double m, double y, double k) {
    MeshColour out{};
    out.kind = SB_COLOR_FOUR;
    out.c.four = {c, m, y, k};
    return out;
}
MeshColour Rgb(double r, double g, double b) {
    MeshColour out{};
    out.kind = SB_COLOR_THREE;
    out.c.three = {r, g, b};
    return out;
}

// The axis of a cut at `angle` degrees through `origin`, as the tools make it.
Line Axis(double angle, RealPoint origin) {
    MirrorParams p;
    p.angle = angle;
    p.origin = origin;
    return mirror::AxisFor(p);
}

using Edge = std::function<BezierSegment(const RealPoint&, const RealPoint&)>;

ZPathList Curve(const BezierSegment& s) {
    ZPathList l;
    l.AppendRaw(s);
    return l;
}

// A grid of I × J patches over the given node positions, each edge made by `edge`.
ZMeshData Grid(int32_t I, int32_t J, const std::vector<RealPoint>& nodes, const std::vector<MeshColour>& colours,
               const Edge& edge) {
    std::vector<ZPathList> rows, columns;
    auto at = [&](int32_t c, int32_t r) { return nodes[static_cast<size_t>(r * (I + 1) + c)]; };
    for (int32_t r = 0; r <= J; ++r)
        for (int32_t c = 0; c < I; ++c) rows.push_back(Curve(edge(at(c, r), at(c + 1, r))));
    for (int32_t c = 0; c <= I; ++c)
        for (int32_t r = 0; r < J; ++r) columns.push_back(Curve(edge(at(c, r), at(c, r + 1))));
    return ZMeshData(I, J, rows, columns, colours);
}

std::vector<RealPoint> Lattice(int32_t I, int32_t J, double w, double h) {
    std::vector<RealPoint> nodes;
    for (int32_t r = 0; r <= J; ++r)
        for (int32_t c = 0; c <= I; ++c) nodes.push_back({w * c / I, h * r / J});
    return nodes;
}

BezierSegment Straight(const RealPoint& a, const RealPoint& b) { return StraightSegment(a, b); }

// The 2 × 1 mesh over [0, 2] × [0, 1]: left gray 0, middle gray 0.2 and right gray 0.6 below;
// four-colour, four-colour and three-colour above.
ZMeshData TwoByOne() {
    return Grid(2, 1, Lattice(2, 1, 2, 1),
                {Gray(0), Gray(0.2), Gray(0.6), Cmyk(1, 0, 0, 0), Cmyk(0, 1, 0, 0), Rgb(0, 0, 1)}, Straight);
}

// Points along the outline of the grid's part c0 … c1 × r0 … r1, counter-clockwise.
std::vector<RealPoint> Outline(const ZMeshData& d, const MeshExtent& e, int steps = 64) {
    std::vector<RealPoint> out;
    const int32_t I = d.Columns(), J = d.Rows();
    auto walk = [&](const ZPathList& curve, bool reversed) {
        ZPathList c = curve;
        if (reversed) c.Reverse();
        for (int32_t j = 0; j < c.Count(); ++j)
            for (int k = 0; k < steps; ++k) out.push_back(SegmentPoint(c.SegmentAt(j), float(k) / steps));
    };
    for (int32_t c = e.c0; c < e.c1; ++c) walk(d.RowCurveAt(e.r0 * I + c), false);
    for (int32_t r = e.r0; r < e.r1; ++r) walk(d.ColumnCurveAt(e.c1 * J + r), false);
    for (int32_t c = e.c1 - 1; c >= e.c0; --c) walk(d.RowCurveAt(e.r1 * I + c), true);
    for (int32_t r = e.r1 - 1; r >= e.r0; --r) walk(d.ColumnCurveAt(e.c0 * J + r), true);
    return out;
}

double SignedDistance(const Line& l, const RealPoint& p) {
    const double dh = l.p2.h - l.p1.h, dv = l.p2.v - l.p1.v, len = std::hypot(dh, dv);
    return ((p.h - l.p1.h) * dv - (p.v - l.p1.v) * dh) / len;  // positive on the kept side
}

double Area(const std::vector<RealPoint>& poly) {
    double a = 0;
    for (size_t i = 0; i < poly.size(); ++i) {
        const RealPoint &p = poly[i], &q = poly[(i + 1) % poly.size()];
        a += p.h * q.v - q.h * p.v;
    }
    return a / 2;
}

// The polygon clipped to the kept half-plane (its area is that of the clipped region).
std::vector<RealPoint> ClipToKept(const std::vector<RealPoint>& poly, const Line& l) {
    std::vector<RealPoint> out;
    for (size_t i = 0; i < poly.size(); ++i) {
        const RealPoint &p = poly[i], &q = poly[(i + 1) % poly.size()];
        const double dp = SignedDistance(l, p), dq = SignedDistance(l, q);
        if (dp >= 0) out.push_back(p);
        if ((dp >= 0) != (dq >= 0)) {
            const double t = dp / (dp - dq);
            out.push_back({p.h + (q.h - p.h) * t, p.v + (q.v - p.v) * t});
        }
    }
    return out;
}

MeshExtent Whole(const ZMeshData& d) { return MeshExtent{0, d.Columns(), 0, d.Rows()}; }

// Runs the whole cut as the mesh engine does, returning the part of the grid it writes.
MeshExtent RunCut(ZMeshDataCut& cut) {
    cut.Analyse();
    if (cut.GetStatus() != ZMeshDataCut::Cut) return Whole(cut);
    cut.MoveRemovedNodes();
    cut.FillEmptyCurves();
    return cut.ApplyCut();
}

TEST(MeshColourBlend, SameKindsBlendAndMixedKindsTakeASide) {
    EXPECT_NEAR(BlendMeshColours(Gray(0.2), Gray(0.6), 0.25f).c.gray.gray, 0.3, 1e-7);
    const MeshColour four = Cmyk(0.1, 0.2, 0.3, 0.4), three = Rgb(1, 0, 0);
    EXPECT_EQ(BlendMeshColours(four, three, 0.4f).kind, SB_COLOR_FOUR);
    EXPECT_EQ(BlendMeshColours(four, three, 0.4f).c.four.black, 0.4);
    EXPECT_EQ(BlendMeshColours(four, three, 0.6f).kind, SB_COLOR_THREE);
    EXPECT_EQ(BlendMeshColours(four, three, 0.5f).kind, SB_COLOR_FOUR);  // a tie keeps the start
    EXPECT_NEAR(BlendMeshColours(Rgb(0, 0, 1), Rgb(1, 0, 0), 0.75f).c.three.red, 0.75, 1e-7);
    MeshColour t1{}, t2{}, t3{};
    t1.kind = t2.kind = t3.kind = SB_COLOR_CUSTOM;
    t1.c.custom = {reinterpret_cast<SBCustomColorHandle>(1), 0.0};
    t2.c.custom = {reinterpret_cast<SBCustomColorHandle>(1), 1.0};
    t3.c.custom = {reinterpret_cast<SBCustomColorHandle>(2), 1.0};
    EXPECT_NEAR(BlendMeshColours(t1, t2, 0.25f).c.custom.tint, 0.25, 1e-7);
    EXPECT_EQ(BlendMeshColours(t1, t3, 0.25f).c.custom.tint, 0.0);  // two custom colours: no blend
    EXPECT_THROW(BlendMeshColours(t1, t2, 1.5f), CheckFailure);
    EXPECT_THROW(BlendMeshColours(t1, t2, std::nanf("")), CheckFailure);
}

TEST(MeshCut, TwoByOneAtOneAndAHalfKeepsTheRightHalfColumnWithBlendedColours) {
    ZMeshDataCut cut(TwoByOne(), Axis(0, {1.5, 0.5}));
    const MeshExtent e = RunCut(cut);
    ASSERT_EQ(cut.GetStatus(), ZMeshDataCut::Cut);
    EXPECT_EQ(e.c0, 1);  // the first column collapsed onto the line and went
    EXPECT_EQ(e.c1, 2);
    EXPECT_EQ(e.r0, 0);
    EXPECT_EQ(e.r1, 1);
    for (int32_t r = 0; r <= 1; ++r) {
        EXPECT_NEAR(cut.Node(cut.NodeIndex(1, r)).h, 1.5, 1e-6);
        EXPECT_NEAR(cut.Node(cut.NodeIndex(1, r)).v, r, 1e-6);
        EXPECT_NEAR(cut.ColumnCurveAt(1).FirstPoint().h, 1.5, 1e-6);
    }
    // Gray blended by value; four-colour against three-colour at f = 0.5 takes the start's.
    const MeshColour below = cut.Colour(cut.NodeIndex(1, 0)), above = cut.Colour(cut.NodeIndex(1, 1));
    EXPECT_NEAR(below.c.gray.gray, 0.4, 1e-6);
    ASSERT_EQ(above.kind, SB_COLOR_FOUR);
    EXPECT_EQ(above.c.four.magenta, 1);
    // The right nodes are untouched.
    EXPECT_EQ(cut.Colour(cut.NodeIndex(2, 0)).c.gray.gray, 0.6);
    EXPECT_EQ(cut.Colour(cut.NodeIndex(2, 1)).kind, SB_COLOR_THREE);
    EXPECT_NEAR(std::fabs(Area(Outline(cut, e))), 0.5, 1e-6);

    // A little further right the three-colour end is nearer.
    ZMeshDataCut later(TwoByOne(), Axis(0, {1.6, 0.5}));
    RunCut(later);
    EXPECT_EQ(later.Colour(later.NodeIndex(1, 1)).kind, SB_COLOR_THREE);
    EXPECT_NEAR(later.Colour(later.NodeIndex(1, 0)).c.gray.gray, 0.44, 1e-6);
}

TEST(MeshCut, AlongAnInteriorGridLineNothingStaysBeyondIt) {
    // Keeping the right: the right column, area 1, with its own colours.
    ZMeshDataCut right(TwoByOne(), Axis(0, {1, 0.5}));
    MeshExtent e = RunCut(right);
    ASSERT_EQ(right.GetStatus(), ZMeshDataCut::Cut);
    EXPECT_EQ(e.c0, 1);
    EXPECT_EQ(e.c1, 2);
    EXPECT_NEAR(std::fabs(Area(Outline(right, e))), 1.0, 1e-6);
    EXPECT_EQ(right.Colour(right.NodeIndex(1, 0)).c.gray.gray, 0.2);
    EXPECT_EQ(right.Colour(right.NodeIndex(1, 1)).c.four.magenta, 1);
    EXPECT_EQ(right.Colour(right.NodeIndex(2, 0)).c.gray.gray, 0.6);
    // Keeping the left (angle 180).
    ZMeshDataCut left(TwoByOne(), Axis(180, {1, 0.5}));
    e = RunCut(left);
    ASSERT_EQ(left.GetStatus(), ZMeshDataCut::Cut);
    EXPECT_EQ(e.c0, 0);
    EXPECT_EQ(e.c1, 1);
    EXPECT_NEAR(std::fabs(Area(Outline(left, e))), 1.0, 1e-6);
    EXPECT_EQ(left.Colour(left.NodeIndex(1, 0)).c.gray.gray, 0.2);
    // Along the mesh's own edge, from outside: nothing is cut.
    ZMeshDataCut edge(TwoByOne(), Axis(0, {0, 0.5}));
    edge.Analyse();
    EXPECT_EQ(edge.GetStatus(), ZMeshDataCut::WhollyKept);
}

TEST(MeshCut, WhollyKeptAndWhollyRemoved) {
    ZMeshDataCut kept(TwoByOne(), Axis(0, {-1, 0}));
    kept.Analyse();
    EXPECT_EQ(kept.GetStatus(), ZMeshDataCut::WhollyKept);
    EXPECT_EQ(kept.Samples().Count(), 0);
    ZMeshDataCut removed(TwoByOne(), Axis(0, {3, 0}));
    removed.Analyse();
    EXPECT_EQ(removed.GetStatus(), ZMeshDataCut::WhollyRemoved);
    // Above the mesh with a horizontal line keeping what lies below (angle 270).
    ZMeshDataCut below(TwoByOne(), Axis(270, {0, 5}));
    below.Analyse();
    EXPECT_EQ(below.GetStatus(), ZMeshDataCut::WhollyKept);
}

TEST(MeshCut, AnEdgeThatLeavesAndReentersKeepsBothPartsJoinedAlongTheLine) {
    // A 1 × 1 mesh whose bottom edge dips below v = 0; the line v = 0 keeps what lies above.
    const std::vector<RealPoint> nodes{{0, 0.5}, {2, 0.5}, {0, 2}, {2, 2}};
    ZMeshData d = Grid(1, 1, nodes, {Gray(0), Gray(0), Gray(1), Gray(1)}, Straight);
    d.SetRowCurve(0, Curve(BezierSegment{{0, 0.5}, {0.5, -1}, {1.5, -1}, {2, 0.5}}));
    ZMeshDataCut cut(d, Axis(90, {0, 0}));
    const MeshExtent e = RunCut(cut);
    ASSERT_EQ(cut.GetStatus(), ZMeshDataCut::Cut);
    EXPECT_EQ(e.c0, 0);
    EXPECT_EQ(e.c1, 1);
    const ZPathList& bottom = cut.RowCurveAt(0);
    ASSERT_EQ(bottom.Count(), 3);
    const BezierSegment bridge = bottom.SegmentAt(1);
    EXPECT_NEAR(bridge.p0.v, 0, 1e-5);
    EXPECT_NEAR(bridge.p3.v, 0, 1e-5);
    EXPECT_TRUE(IsStraightSegment(bridge));
    EXPECT_LT(bridge.p0.h, bridge.p3.h);
    EXPECT_NEAR(bottom.FirstPoint().v, 0.5, 1e-9);
    EXPECT_NEAR(bottom.LastPoint().h, 2, 1e-9);
    // The colours stay: no node moved.
    for (int32_t k = 0; k < 4; ++k) EXPECT_EQ(cut.Colour(k).c.gray.gray, d.Colour(k).c.gray.gray);
}

TEST(MeshCut, AnEdgeFromANodeAHairInsideIsNotKeptWhole) {
    // The line at 90 degrees through (84.75, 118) falls by a few millionths over its length, so
    // node (80, 118) lies a hair on the kept side; the edge from it dives below the line.
    const Line axis = Axis(90, {84.75, 118});
    ASSERT_EQ(axis.SideOf({80, 118}), 1);
    const std::vector<RealPoint> nodes{{80, 118}, {113, 114}, {80, 160}, {120, 160}};
    ZMeshDataCut cut(Grid(1, 1, nodes, {Gray(0), Gray(0.5), Gray(1), Gray(1)}, Straight), axis);
    const MeshExtent e = RunCut(cut);
    ASSERT_EQ(cut.GetStatus(), ZMeshDataCut::Cut);
    for (int32_t k = 0; k < 4; ++k) EXPECT_GE(SignedDistance(axis, cut.Node(k)), -1e-4) << k;
    const ZPathList& bottom = cut.RowCurveAt(0);
    for (int32_t j = 0; j < bottom.Count(); ++j)
        for (int k = 0; k <= 8; ++k)
            EXPECT_GE(SignedDistance(axis, SegmentPoint(bottom.SegmentAt(j), k / 8.0f)), -1e-4);
    EXPECT_EQ(e.r0, 0);
    EXPECT_EQ(e.r1, 1);
}

TEST(MeshCut, CurveLengthFraction) {
    ZPathList l;
    l.AppendRaw(StraightSegment({0, 0}, {1, 0}));
    l.AppendRaw(StraightSegment({1, 0}, {4, 0}));
    EXPECT_NEAR(ZMeshDataCut::CurveLengthFraction(l, 0.5f), 0.125, 1e-5);
    EXPECT_NEAR(ZMeshDataCut::CurveLengthFraction(l, 1.5f), 0.625, 1e-5);
    EXPECT_EQ(ZMeshDataCut::CurveLengthFraction(l, 2.0f), 1.0f);
    EXPECT_THROW(ZMeshDataCut::CurveLengthFraction(l, 2.5f), CheckFailure);
    EXPECT_THROW(ZMeshDataCut::CurveLengthFraction(l, -0.1f), CheckFailure);
}

// A jittered grid of I × J patches over about [0, 100] × [0, 80] whose edges bow sideways.
ZMeshData RandomCurvedMesh(std::mt19937& rng, bool curved, std::vector<MeshColour>* colours) {
    std::uniform_int_distribution<int> size(1, 4);
    std::uniform_real_distribution<double> jitter(-0.15, 0.15), bow(-0.2, 0.2);
    const int32_t I = size(rng), J = size(rng);
    std::vector<RealPoint> nodes;
    colours->clear();
    for (int32_t r = 0; r <= J; ++r)
        for (int32_t c = 0; c <= I; ++c) {
            const bool inner = c > 0 && c < I && r > 0 && r < J;
            const double h = 100.0 * (c + (inner ? jitter(rng) : 0)) / I;
            const double v = 80.0 * (r + (inner ? jitter(rng) : 0)) / J;
            nodes.push_back({h, v});
            colours->push_back(Gray(0.2 + h / 200 + v / 400));
        }
    Edge edge = [&](const RealPoint& a, const RealPoint& b) {
        if (!curved) return StraightSegment(a, b);
        const double dh = b.h - a.h, dv = b.v - a.v, k1 = bow(rng), k2 = bow(rng);
        return BezierSegment{a,
                             {a.h + dh / 3 - dv * k1, a.v + dv / 3 + dh * k1},
                             {a.h + 2 * dh / 3 - dv * k2, a.v + 2 * dv / 3 + dh * k2},
                             b};
    };
    return Grid(I, J, nodes, *colours, edge);
}

void CheckRandomCuts(bool curved, unsigned seed) {
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> angle(0, 360), h(-10, 110), v(-10, 90);
    int cuts = 0;
    for (int trial = 0; trial < 150; ++trial) {
        std::vector<MeshColour> colours;
        const ZMeshData input = RandomCurvedMesh(rng, curved, &colours);
        const Line axis = Axis(angle(rng), {h(rng), v(rng)});
        ZMeshDataCut cut(input, axis);
        const MeshExtent e = RunCut(cut);
        const std::vector<RealPoint> clipped = ClipToKept(Outline(input, Whole(input), 256), axis);
        const double expected = std::fabs(Area(clipped));
        SCOPED_TRACE("trial " + std::to_string(trial) + " status " + std::to_string(cut.GetStatus()));
        if (cut.GetStatus() == ZMeshDataCut::WhollyRemoved) {
            EXPECT_NEAR(expected, 0, 1e-6);
            continue;
        }
        cuts += cut.GetStatus() == ZMeshDataCut::Cut;
        const int32_t I = cut.Columns(), J = cut.Rows();
        // Nothing beyond the line: nodes and points along every curve of the written part.
        for (int32_t r = e.r0; r <= e.r1; ++r)
            for (int32_t c = e.c0; c <= e.c1; ++c)
                EXPECT_GE(SignedDistance(axis, cut.Node(cut.NodeIndex(c, r))), -1e-4);
        auto onKeptSide = [&](const ZPathList& curve) {
            for (int32_t j = 0; j < curve.Count(); ++j)
                for (int k = 0; k <= 16; ++k)
                    if (SignedDistance(axis, SegmentPoint(curve.SegmentAt(j), float(k) / 16)) < -1e-4) return false;
            return true;
        };
        for (int32_t r = e.r0; r <= e.r1; ++r)
            for (int32_t c = e.c0; c < e.c1; ++c) EXPECT_TRUE(onKeptSide(cut.RowCurveAt(r * I + c)));
        for (int32_t c = e.c0; c <= e.c1; ++c)
            for (int32_t r = e.r0; r < e.r1; ++r) EXPECT_TRUE(onKeptSide(cut.ColumnCurveAt(c * J + r)));
        // The outline is the input's clipped to the kept half-plane.
        const double area = std::fabs(Area(Outline(cut, e, 256)));
        EXPECT_NEAR(area, expected, 1e-3 * std::max(expected, 1.0));
        // Nodes off the line keep their colours; nodes on it carry a blend of the colours found
        // along it, so within what the input holds.
        double lo = 1, hi = 0;
        for (const MeshColour& c : colours) {
            lo = std::min(lo, c.c.gray.gray);
            hi = std::max(hi, c.c.gray.gray);
        }
        for (int32_t r = e.r0; r <= e.r1; ++r)
            for (int32_t c = e.c0; c <= e.c1; ++c) {
                const int32_t k = cut.NodeIndex(c, r);
                const RealPoint p = cut.Node(k);
                const double g = cut.Colour(k).c.gray.gray;
                if (SignedDistance(axis, p) > 1e-3) {
                    EXPECT_EQ(g, colours[static_cast<size_t>(k)].c.gray.gray);
                    EXPECT_NEAR(p.h, input.Node(k).h, 1e-9);
                } else if (!curved && cut.Samples().Count() > 0) {
                    // Straight edges and a gray that is linear in position: blending along the
                    // line gives the gray of the point itself where samples lie on both sides.
                    const float s = axis.ProjectParameter(p);
                    const auto& samples = cut.Samples();
                    if (s > samples[0].s && s < samples[samples.Count() - 1].s) {
                        EXPECT_NEAR(g, 0.2 + p.h / 200 + p.v / 400, 1e-4);
                    }
                } else {
                    EXPECT_GE(g, lo - 1e-6);
                    EXPECT_LE(g, hi + 1e-6);
                }
            }
    }
    EXPECT_GT(cuts, 75);  // most lines cross the mesh
}

TEST(MeshCutProperties, RandomLinesOnStraightMeshes) { CheckRandomCuts(false, 11); }
TEST(MeshCutProperties, RandomLinesOnMeshesWithCurvedEdges) { CheckRandomCuts(true, 29); }

TEST(MeshData, PartsAreCheckedAndCopied) {
    ZMeshData d = TwoByOne();
    EXPECT_EQ(d.RowCurveCount(), 4);
    EXPECT_EQ(d.ColumnCurveCount(), 3);
    ZPathList out;
    out.AppendRaw(StraightSegment({9, 9}, {8, 8}));
    d.RowCurve(3, out);
    ASSERT_EQ(out.Count(), 1);
    EXPECT_EQ(out.FirstPoint().h, 1);
    EXPECT_EQ(out.FirstPoint().v, 1);
    EXPECT_THROW(d.RowCurve(4, out), CheckFailure);
    EXPECT_THROW(d.ColumnCurve(-1, out), CheckFailure);
    EXPECT_THROW(d.SetColumnCurve(3, out), CheckFailure);
    EXPECT_THROW(ZMeshData(2, 1, {}, {}, {}), CheckFailure);
    // Reflection moves every curve point and leaves the colours.
    d.Reflect(Axis(0, {3, 0}));
    EXPECT_NEAR(d.RowCurveAt(0).FirstPoint().h, 6, 1e-6);
    EXPECT_NEAR(d.ColumnCurveAt(2).LastPoint().h, 4, 1e-6);
    EXPECT_EQ(d.Colour(2).c.gray.gray, 0.6);
}

}  // namespace
