// The mirror engine's numeric core without a document: crossings with the axis, their merge and
// sides, pairing into pieces, grouping the pieces into objects and building what is drawn.
#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/VMirrorPieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

using mirror::Crossing;
using mirror::Piece;

namespace {

constexpr double kKappa = 0.5522847498307936;

// A closed circle of four smooth segments, starting at `startDegrees`.
ZPathListV CircleList(double ch, double cv, double r, double startDegrees, bool clockwise = false) {
    ZPathListV list;
    const double dir = clockwise ? -1.0 : 1.0;
    for (int i = 0; i < 4; ++i) {
        const double a = (startDegrees + dir * 90.0 * i) * M_PI / 180.0;
        const double b = (startDegrees + dir * 90.0 * (i + 1)) * M_PI / 180.0;
        const RealPoint p{ch + r * std::cos(a), cv + r * std::sin(a)};
        const RealPoint q{ch + r * std::cos(b), cv + r * std::sin(b)};
        const double k = kKappa * r * dir;
        list.Append(BezierSegment{
            p, {p.h - k * std::sin(a), p.v + k * std::cos(a)}, {q.h + k * std::sin(b), q.v - k * std::cos(b)}, q});
    }
    list.SetClosed(true);
    return list;
}

// A closed polygon of straight segments, handles on their anchors.
ZPathListV Polygon(const std::vector<RealPoint>& corners) {
    ZPathListV list;
    for (size_t i = 0; i < corners.size(); ++i) {
        const RealPoint& a = corners[i];
        const RealPoint& b = corners[(i + 1) % corners.size()];
        list.Append(BezierSegment{a, a, b, b});
    }
    list.SetClosed(true);
    return list;
}

// The vertical axis through h = 100, keeping the right side.
Line Vertical() {
    MirrorParams p;
    p.origin = {100, 100};
    p.angle = 0;
    return mirror::AxisFor(p);
}

ItemArray<Crossing> Collect(const std::vector<const ZPathListV*>& lists, const Line& axis) {
    ItemArray<Crossing> out;
    mirror::CollectCrossings(lists, axis, out);
    return out;
}

bool Near(const RealPoint& a, const RealPoint& b, double tolerance = 1e-3) {
    return std::fabs(a.h - b.h) <= tolerance && std::fabs(a.v - b.v) <= tolerance;
}

// Each segment starts where the one before it ends, the first where the last ends.
void ExpectUnbroken(const ZPathList& list) {
    for (int32_t k = 0; k < list.Count(); ++k) {
        const RealPoint& end = list.SegmentAt((k + list.Count() - 1) % list.Count()).p3;
        EXPECT_TRUE(Near(end, list.SegmentAt(k).p0)) << "break before segment " << k;
    }
}

// The crossings, pieces and clusters of the lists about the axis.
struct Pieces {
    ItemArray<Crossing> crossings;
    ItemArray<Piece> pieces;
    std::vector<std::vector<int32_t>> clusters;
    Pieces(const mirror::PathLists& lists, const Line& axis) {
        mirror::CollectCrossings(lists, axis, crossings);
        mirror::PairCrossings(crossings, pieces);
        clusters = mirror::ClusterPieces(crossings, pieces);
    }
};

Crossing Make(int32_t path, float s, bool before, bool after, bool first, bool last) {
    return Crossing{path, 0, 0.5f, s, uint8_t(first), uint8_t(last), uint8_t(before), uint8_t(after), 0};
}

}  // namespace

TEST(MirrorCrossings, CircleCrossingsCarryTheirSidesAndFlags) {
    const Line axis = Vertical();
    // Crossings in mid-segment.
    {
        const ZPathListV circle = CircleList(100, 100, 50, 45);
        const ItemArray<Crossing> c = Collect({&circle}, axis);
        ASSERT_EQ(c.Count(), 2);
        // Counter-clockwise from the upper right: it leaves the kept side at the top first.
        EXPECT_EQ(c[0].segment, 0);
        EXPECT_NEAR(c[0].t, 0.5, 1e-3);
        EXPECT_NEAR(c[0].s, 0.5, 1e-5);
        EXPECT_EQ(c[0].positiveBefore, 1);
        EXPECT_EQ(c[0].positiveAfter, 0);
        EXPECT_EQ(c[0].isFirst, 1);
        EXPECT_EQ(c[0].isLast, 0);
        EXPECT_EQ(c[1].segment, 2);
        EXPECT_NEAR(c[1].s, -0.5, 1e-5);
        EXPECT_EQ(c[1].positiveBefore, 0);
        EXPECT_EQ(c[1].positiveAfter, 1);
        EXPECT_EQ(c[1].isFirst, 0);
        EXPECT_EQ(c[1].isLast, 1);
    }
    // Crossings at segment joins are reported by both segments and kept once.
    {
        const ZPathListV circle = CircleList(100, 100, 50, 0);
        const ItemArray<Crossing> c = Collect({&circle}, axis);
        ASSERT_EQ(c.Count(), 2);
        EXPECT_NEAR(c[0].s, 0.5, 1e-5);
        EXPECT_NEAR(c[1].s, -0.5, 1e-5);
        EXPECT_NEAR(double(c[0].segment) + c[0].t, 1.0, 1e-5);
        EXPECT_NEAR(double(c[1].segment) + c[1].t, 3.0, 1e-5);
        EXPECT_NE(c[0].positiveBefore, c[0].positiveAfter);
        EXPECT_NE(c[1].positiveBefore, c[1].positiveAfter);
    }
    // Two paths: each run of crossings has its own first and last.
    {
        const ZPathListV a = CircleList(100, 100, 50, 45), b = CircleList(100, 300, 50, 45, true);
        const ItemArray<Crossing> c = Collect({&a, &b}, axis);
        ASSERT_EQ(c.Count(), 4);
        EXPECT_EQ(c[2].path, 1);
        EXPECT_EQ(c[2].isFirst, 1);
        EXPECT_EQ(c[3].isLast, 1);
        // Clockwise, it enters the kept side at the top.
        EXPECT_NEAR(c[3].s, 2.5, 1e-5);
        EXPECT_EQ(c[3].positiveAfter, 1);
        EXPECT_EQ(c[2].positiveAfter, 0);
    }
}

TEST(MirrorCrossings, PathsThatOnlyTouchTheAxisHaveNoCrossings) {
    const Line axis = Vertical();
    const ZPathListV tangent = CircleList(150, 100, 50, 45);  // touches at its leftmost point
    const ZPathListV corner = Polygon({{150, 50}, {200, 100}, {150, 150}, {100, 100}});
    const ZPathListV beyond = Polygon({{150, 50}, {200, 100}, {150, 150}, {99, 100}});
    EXPECT_EQ(Collect({&tangent}, axis).Count(), 0);
    EXPECT_EQ(Collect({&corner}, axis).Count(), 0);
    const ItemArray<Crossing> c = Collect({&corner, &beyond}, axis);
    ASSERT_EQ(c.Count(), 2);
    EXPECT_EQ(c[0].path, 1);
    EXPECT_EQ(c[0].isFirst, 1);
    EXPECT_EQ(c[1].isLast, 1);
}

// A cross whose arms' top edges lie along a nearly horizontal axis, corners without handles: the
// search stops just short of each corner, and the side after a crossing is read where the path
// runs along the axis. Both tilts of the axis must give one crossing in and one out.
TEST(MirrorCrossings, EdgesAlongTheAxisBetweenHandlelessCorners) {
    const ZPathListV cross =
        Polygon({{90, 540}, {90, 520}, {110, 520}, {110, 500}, {50, 500}, {50, 520}, {70, 520}, {70, 540}});
    for (double tilt : {-4e-6, 4e-6}) {
        Line axis;
        axis.p1 = {80, 520};
        axis.p2 = {-20, 520 + tilt};
        ItemArray<Crossing> c = Collect({&cross}, axis);
        ASSERT_EQ(c.Count(), 2) << tilt;
        EXPECT_EQ(c[0].positiveBefore, 1);
        EXPECT_EQ(c[0].positiveAfter, 0);
        EXPECT_EQ(c[1].positiveBefore, 0);
        EXPECT_EQ(c[1].positiveAfter, 1);
        ItemArray<Piece> pieces;
        ASSERT_NO_THROW(mirror::PairCrossings(c, pieces));
        ASSERT_EQ(pieces.Count(), 1);
        EXPECT_EQ(pieces[0].wraps, 1);
        EXPECT_EQ(pieces[0].start, 1);
        EXPECT_EQ(pieces[0].end, 0);
    }
}

// A lone straight line is closed by a virtual segment lying over it: the axis meets both at one
// point, which is two crossings (out and back), not one crossing at a join.
TEST(MirrorCrossings, ALineClosedOverItselfCrossesTwiceAtOnePoint) {
    ZPathList line;
    line.Append(BezierSegment{{60, 60}, {60, 60}, {140, 140}, {140, 140}});
    const ZPathListV closed(line);
    ASSERT_EQ(closed.Count(), 2);
    ASSERT_TRUE(closed.IsVirtual(1));
    for (const bool mirrored : {false, true}) {
        MirrorParams p;
        p.origin = {100, 100};
        p.angle = mirrored ? 180 : 0;
        const Line axis = mirror::AxisFor(p);
        Pieces result({&closed}, axis);
        ASSERT_EQ(result.crossings.Count(), 2) << mirrored;
        EXPECT_EQ(result.crossings[0].segment, 0);
        EXPECT_EQ(result.crossings[1].segment, 1);
        ASSERT_EQ(result.pieces.Count(), 1) << mirrored;
        ASSERT_EQ(result.clusters.size(), 1u);
    }
}

TEST(MirrorCrossings, PairingJoinsEachExitToItsEntry) {
    // One path crossing four times: the wrapping piece runs from the last crossing to the first.
    {
        ItemArray<Crossing> c;
        c.Append(Make(0, 0, true, false, true, false));
        c.Append(Make(0, 1, false, true, false, false));
        c.Append(Make(0, 2, true, false, false, false));
        c.Append(Make(0, 3, false, true, false, true));
        ItemArray<Piece> pieces;
        mirror::PairCrossings(c, pieces);
        ASSERT_EQ(pieces.Count(), 2);
        EXPECT_EQ(pieces[0].start, 3);
        EXPECT_EQ(pieces[0].end, 0);
        EXPECT_EQ(pieces[0].wraps, 1);
        EXPECT_EQ(pieces[0].rising, 0);
        EXPECT_EQ(pieces[1].start, 1);
        EXPECT_EQ(pieces[1].end, 2);
        EXPECT_EQ(pieces[1].wraps, 0);
        EXPECT_EQ(pieces[1].rising, 1);
        for (int32_t i = 0; i < c.Count(); ++i) EXPECT_EQ(c[i].used, 1) << i;
    }
    // The same order of axis positions reached through another crossing order of the list.
    {
        ItemArray<Crossing> c;
        c.Append(Make(0, 5, false, true, true, false));
        c.Append(Make(0, -1, true, false, false, true));
        ItemArray<Piece> pieces;
        mirror::PairCrossings(c, pieces);
        ASSERT_EQ(pieces.Count(), 1);
        EXPECT_EQ(pieces[0].start, 0);
        EXPECT_EQ(pieces[0].end, 1);
        EXPECT_EQ(pieces[0].wraps, 0);
        EXPECT_EQ(pieces[0].rising, 0);
    }
    // Inconsistent data fails the check instead of building nonsense.
    {
        ItemArray<Crossing> c;
        c.Append(Make(0, 0, true, true, true, false));
        c.Append(Make(0, 1, true, false, false, true));
        ItemArray<Piece> pieces;
        EXPECT_THROW(mirror::PairCrossings(c, pieces), CheckFailure);
    }
    {
        ItemArray<Crossing> c;
        c.Append(Make(0, 0, true, false, true, false));  // leaves, and nothing brings it back
        ItemArray<Piece> pieces;
        EXPECT_THROW(mirror::PairCrossings(c, pieces), CheckFailure);
    }
}

TEST(MirrorCrossings, ClustersHoleWithOutlineAndIslandApart) {
    const Line axis = Vertical();
    const ZPathListV outer = CircleList(100, 100, 50, 45);
    const ZPathListV hole = CircleList(100, 100, 30, 45, true);
    const ZPathListV island = CircleList(100, 100, 10, 45);
    const ZPathListV apart = CircleList(100, 300, 50, 45);
    ItemArray<Crossing> c = Collect({&outer, &hole, &island, &apart}, axis);
    ASSERT_EQ(c.Count(), 8);
    ItemArray<Piece> pieces;
    mirror::PairCrossings(c, pieces);
    ASSERT_EQ(pieces.Count(), 4);
    // In increasing lower axis position: outline, hole, island, the circle apart.
    for (int32_t i = 0; i < 4; ++i) EXPECT_EQ(c[pieces[i].start].path, i) << i;
    EXPECT_EQ(pieces[0].rising, 1);
    EXPECT_EQ(pieces[1].rising, 0);
    EXPECT_EQ(pieces[2].rising, 1);
    const std::vector<std::vector<int32_t>> clusters = mirror::ClusterPieces(c, pieces);
    ASSERT_EQ(clusters.size(), 3u);
    EXPECT_EQ(clusters[0], (std::vector<int32_t>{0, 1}));
    EXPECT_EQ(clusters[1], (std::vector<int32_t>{2}));
    EXPECT_EQ(clusters[2], (std::vector<int32_t>{3}));
}

TEST(MirrorCrossings, OverlappingOppositePiecesShareACluster) {
    // Two opposite pieces, the second starting inside the first and reaching past it, and a third
    // within the second's reach.
    ItemArray<Crossing> c;
    c.Append(Make(0, 0, false, true, true, false));
    c.Append(Make(0, 2, true, false, false, true));
    c.Append(Make(1, 3, false, true, true, false));
    c.Append(Make(1, 1, true, false, false, true));
    c.Append(Make(2, 2.5f, false, true, true, false));
    c.Append(Make(2, 2.8f, true, false, false, true));
    ItemArray<Piece> pieces;
    mirror::PairCrossings(c, pieces);
    ASSERT_EQ(pieces.Count(), 3);
    const std::vector<std::vector<int32_t>> clusters = mirror::ClusterPieces(c, pieces);
    ASSERT_EQ(clusters.size(), 1u);
    EXPECT_EQ(clusters[0].size(), 3u);
}

namespace {

// The grouping rule read pairwise, piece against every member: the oracle for the indexed grouping.
std::vector<std::vector<int32_t>> ClustersPairwise(const std::vector<float>& lo, const std::vector<float>& hi,
                                                   const std::vector<uint8_t>& rising) {
    const size_t n = lo.size();
    std::vector<uint8_t> taken(n, 0);
    std::vector<std::vector<int32_t>> clusters;
    for (size_t i = 0; i < n; ++i) {
        if (taken[i]) continue;
        taken[i] = 1;
        std::vector<int32_t> members{int32_t(i)};
        float reach = hi[i];
        for (size_t j = i + 1; j < n && lo[j] <= reach; ++j) {
            if (taken[j]) continue;
            bool overlaps = false, within = false, island = false;
            for (int32_t k : members) {
                if (rising[size_t(k)] == rising[j]) {
                    island = island || (lo[size_t(k)] <= lo[j] && hi[j] <= hi[size_t(k)]);
                    continue;
                }
                overlaps = overlaps || (hi[size_t(k)] > lo[j] && hi[j] > hi[size_t(k)]);
                within = within || (lo[j] <= hi[size_t(k)] && hi[j] <= hi[size_t(k)]);
            }
            if (overlaps || (within && !island)) {
                taken[j] = 1;
                members.push_back(int32_t(j));
                reach = std::max(reach, hi[j]);
            }
        }
        clusters.push_back(members);
    }
    return clusters;
}

}  // namespace

TEST(MirrorCrossings, ClustersAgreeWithThePairwiseRule) {
    // Random pieces on a coarse grid of axis positions, so that shared ends, nesting, islands
    // and overlaps all occur; pieces come by increasing lower end as the pairing gives them.
    uint32_t state = 12345;
    auto next = [&](uint32_t range) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % range;
    };
    for (int round = 0; round < 400; ++round) {
        const int32_t n = 1 + int32_t(next(40));
        std::vector<float> lo(static_cast<size_t>(n)), hi(static_cast<size_t>(n));
        std::vector<uint8_t> rising(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            lo[size_t(i)] = float(next(30));
            hi[size_t(i)] = lo[size_t(i)] + float(next(round % 2 ? 30 : 6));
            rising[size_t(i)] = uint8_t(next(2));
            if (round % 4 == 3) {
                // Rings within rings, now and then side by side or sharing an end.
                lo[size_t(i)] = float(i + int32_t(next(2)));
                hi[size_t(i)] = float(3 * n - i - int32_t(next(3)));
            }
        }
        std::vector<size_t> order(static_cast<size_t>(n));
        for (size_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return lo[a] < lo[b]; });
        ItemArray<Crossing> c;
        ItemArray<Piece> pieces;
        std::vector<float> sortedLo, sortedHi;
        std::vector<uint8_t> sortedRising;
        for (size_t k : order) {
            const int32_t first = c.Count();
            const float start = rising[k] ? lo[k] : hi[k], end = rising[k] ? hi[k] : lo[k];
            c.Append(Make(int32_t(k), start, false, true, true, false));
            c.Append(Make(int32_t(k), end, true, false, false, true));
            pieces.Append(Piece{first, first + 1, 0, rising[k]});
            sortedLo.push_back(lo[k]);
            sortedHi.push_back(hi[k]);
            sortedRising.push_back(rising[k]);
        }
        EXPECT_EQ(mirror::ClusterPieces(c, pieces), ClustersPairwise(sortedLo, sortedHi, sortedRising)) << round;
    }
}

TEST(MirrorCrossings, ZigZagTeethWithinTheLastPieceJoinIt) {
    // A closed zig-zag of 2000 teeth between heights 40 and 60 (tooth k crosses height 50 at
    // 10 + k/25 + 0.01 and + 0.03), then a corner at (95.04, 60), closed by a diagonal back to
    // (10, 40) that crosses height 50 at 52.52, between teeth 1062 and 1063. The axis keeps what
    // lies above. The last tooth runs on round that corner and down the diagonal: the teeth from
    // 1063 on lie within it and join it, the others are objects of their own.
    std::vector<RealPoint> corners;
    for (int32_t i = 0; i < 4000; ++i) corners.push_back(RealPoint{10.0 + i / 50.0, i % 2 ? 60.0 : 40.0});
    corners.push_back(RealPoint{95.04, 60});
    const ZPathListV zigzag = Polygon(corners);
    MirrorParams params;
    params.origin = {50, 50};
    params.angle = 90;
    const Pieces p({&zigzag}, mirror::AxisFor(params));
    ASSERT_EQ(p.pieces.Count(), 2000);
    ASSERT_EQ(p.clusters.size(), 1064u);
    size_t alone = 0, joined = 0;
    for (const std::vector<int32_t>& cluster : p.clusters) (cluster.size() == 1 ? alone : joined) += cluster.size();
    EXPECT_EQ(alone, 1063u);
    EXPECT_EQ(joined, 937u);
}

TEST(MirrorPieces, AJoinedPieceIsItsKeptHalfFollowedByItsImage) {
    const Line axis = Vertical();
    const ZPathListV circle = CircleList(120, 100, 50, 45);
    const Pieces p({&circle}, axis);
    ASSERT_EQ(p.pieces.Count(), 1);

    const ZPathListV half = mirror::PieceOutline({&circle}, p.crossings, p.pieces[0], axis, false);
    EXPECT_FALSE(half.IsClosed());
    ASSERT_GT(half.Count(), 0);
    EXPECT_NEAR(half.FirstPoint().h, 100, 1e-3);
    EXPECT_NEAR(half.LastPoint().h, 100, 1e-3);
    for (int32_t k = 0; k < half.Count(); ++k) EXPECT_GE(half.SegmentAt(k).p3.h, 100 - 1e-3) << k;

    const ZPathListV joined = mirror::PieceOutline({&circle}, p.crossings, p.pieces[0], axis, true);
    EXPECT_TRUE(joined.IsClosed());
    const int32_t n = joined.Count();
    ASSERT_EQ(n, 2 * half.Count());
    ExpectUnbroken(joined);
    for (int32_t k = 0; k < n / 2; ++k) {
        // Segment n − 1 − k is segment k reflected and run backwards.
        BezierSegment image = joined.SegmentAt(k);
        mirror::ReflectSegment(axis, image);
        const BezierSegment twin = joined.SegmentAt(n - 1 - k);
        EXPECT_TRUE(Near(image.p0, twin.p3) && Near(image.c0, twin.c1) && Near(image.c1, twin.c0) &&
                    Near(image.p3, twin.p0))
            << k;
    }
}

TEST(MirrorPieces, ReflectedCopiesLeaveVirtualSegmentsOut) {
    const Line axis = Vertical();
    ZPathListV open;
    open.Append(StraightSegment({110, 0}, {130, 0}));
    open.Append(StraightSegment({130, 0}, {130, 20}));
    open.Append(StraightSegment({130, 20}, {110, 0}), true);
    open.SetClosed(true);
    const ZPathList image = mirror::ReflectedVisibleSegments(axis, open);
    ASSERT_EQ(image.Count(), 2);
    EXPECT_TRUE(Near(image.SegmentAt(0).p0, {90, 0}));
    EXPECT_TRUE(Near(image.SegmentAt(1).p3, {70, 20}));

    ZPathList all = open;
    mirror::ReflectList(axis, all);
    ASSERT_EQ(all.Count(), 3);
    EXPECT_TRUE(Near(all.SegmentAt(2).p0, {70, 20}));
    EXPECT_TRUE(Near(all.SegmentAt(2).p3, {90, 0}));
}

TEST(MirrorPieces, AHalfRingIsOneRegionClosedAlongTheAxisAndAnIslandAnother) {
    const Line axis = Vertical();
    const ZPathListV outer = CircleList(100, 100, 50, 45);
    const ZPathListV hole = CircleList(100, 100, 30, 45, true);
    const ZPathListV island = CircleList(100, 100, 10, 45);
    const mirror::PathLists lists{&outer, &hole, &island};
    const Pieces p(lists, axis);
    ASSERT_EQ(p.clusters.size(), 2u);

    mirror::RegionWalk ring(lists, axis, p.crossings, p.pieces, p.clusters[0]);
    mirror::Region region;
    ASSERT_TRUE(ring.Next(region));
    EXPECT_EQ(region.referencePath, 0);
    EXPECT_EQ(region.paths, (std::vector<int32_t>{0, 1}));
    const ZPathListV& outline = region.outline;
    EXPECT_TRUE(outline.IsClosed());
    ExpectUnbroken(outline);
    // The outer arc, an edge down the axis to the hole, the hole's arc, an edge back.
    int32_t onAxis = 0;
    for (int32_t k = 0; k < outline.Count(); ++k) {
        const BezierSegment& s = outline.SegmentAt(k);
        EXPECT_GE(s.p3.h, 100 - 1e-3) << k;
        if (std::fabs(s.p0.h - 100) < 1e-3 && std::fabs(s.p3.h - 100) < 1e-3) {
            ++onAxis;
            EXPECT_TRUE(IsStraightSegment(s)) << k;
            EXPECT_NEAR(std::fabs(s.p3.v - s.p0.v), 20, 1e-3) << k;
        }
    }
    EXPECT_EQ(onAxis, 2);
    EXPECT_FALSE(ring.Next(region));

    mirror::RegionWalk alone(lists, axis, p.crossings, p.pieces, p.clusters[1]);
    ASSERT_TRUE(alone.Next(region));
    EXPECT_EQ(region.paths, (std::vector<int32_t>{2}));
    ExpectUnbroken(region.outline);
    EXPECT_FALSE(alone.Next(region));
}

TEST(MirrorPieces, TheAxisStepsOffAPathThatStartsOnIt) {
    MirrorParams params;
    params.origin = {100, 100};
    Line axis = mirror::AxisFor(params);
    const ZPathListV onAxis = Polygon({{100, 50}, {150, 50}, {150, 150}});
    const ZPathListV clear = Polygon({{120, 50}, {150, 50}, {150, 150}});
    mirror::NudgeClearOfStarts(params, axis, {&clear});
    EXPECT_EQ(params.offset, 0.0);
    mirror::NudgeClearOfStarts(params, axis, {&clear, &onAxis});
    EXPECT_NEAR(params.offset, 0.01, 1e-12);
    EXPECT_GE(axis.DistanceToLine(onAxis.FirstPoint()), 0.001f);
    EXPECT_NEAR(axis.p1.h, 100.01, 1e-6);
}
