// Path-list edits that need no host.
#include "geometry/PathList.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

namespace {

ZPathList Square(bool closed) {
    ZPathList list;
    list.Append(StraightSegment({0, 0}, {10, 0}));
    list.Append(StraightSegment({10, 0}, {10, 10}));
    list.Append(StraightSegment({10, 10}, {0, 10}));
    list.Append(StraightSegment({0, 10}, {0, 0}));
    list.SetClosed(closed);
    return list;
}

void ExpectPoint(const RealPoint& p, double h, double v) {
    // Split parameters pass through single precision.
    EXPECT_NEAR(p.h, h, 1e-6);
    EXPECT_NEAR(p.v, v, 1e-6);
}

}  // namespace

TEST(PathList, AppendDropsDegenerateSegmentsButAppendRawDoesNot) {
    ZPathList list;
    EXPECT_EQ(list.Append(StraightSegment({0, 0}, {1, 0})), 1);
    BezierSegment tiny{{5, 5}, {5.000009, 5}, {5, 4.999991}, {5.000005, 5.000005}};
    EXPECT_EQ(list.Append(tiny), 0);
    EXPECT_EQ(list.Count(), 1);
    EXPECT_EQ(list.AppendRaw(tiny), 2);
    // A loop back to its start is no degenerate segment: its controls stray.
    EXPECT_EQ(list.Append(BezierSegment{{0, 0}, {1, 1}, {-1, 1}, {0, 0}}), 3);
    EXPECT_THROW(list.SegmentAt(3), CheckFailure);
    EXPECT_THROW(list.SetSegmentAt(-1, tiny), CheckFailure);
    ZPathList empty;
    EXPECT_THROW(empty.FirstPoint(), CheckFailure);
    EXPECT_THROW(empty.LastPoint(), CheckFailure);
}

TEST(PathList, PointsPositionsAndMotions) {
    ZPathList list = Square(true);
    ExpectPoint(list.PointAtPosition(0.5f), 5, 0);
    ExpectPoint(list.PointAtPosition(2.25f), 7.5, 10);
    ExpectPoint(list.PointAtPosition(4.0f), 0, 0);
    ExpectPoint(list.PointAtPosition(3.999995f), 0, 0);
    EXPECT_THROW(list.PointAtPosition(4.5f), CheckFailure);
    EXPECT_THROW(list.PointAtPosition(-0.5f), CheckFailure);
    EXPECT_THROW(list.PointAtPosition(std::nanf("")), CheckFailure);
    EXPECT_THROW(list.PointAt(1, 1.5f), CheckFailure);

    list.Translate(1.5f, -2.0f);
    ExpectPoint(list.FirstPoint(), 1.5, -2);
    ExpectPoint(list.SegmentAt(1).c0, 11.5, -2 + 10.0 / 3);
    list.Rotate({1.5, -2}, 1.0f, 0.0f);  // a quarter turn
    ExpectPoint(list.SegmentAt(0).p3, 1.5, 8);

    ZPathList reversed = Square(false);
    reversed.Reverse();
    ExpectPoint(reversed.FirstPoint(), 0, 0);
    ExpectPoint(reversed.SegmentAt(0).p3, 0, 10);
    ExpectPoint(reversed.SegmentAt(0).c0, 0, 10.0 / 3);
    ExpectPoint(reversed.LastPoint(), 0, 0);
    ExpectPoint(reversed.SegmentAt(3).p0, 10, 0);
}

TEST(PathList, ExtractForwardBackwardAndWrapping) {
    ZPathList list = Square(true);
    ZPathList part;
    list.Extract(part, 0, 0.5f, 2, 0.5f, false);
    ASSERT_EQ(part.Count(), 3);
    ExpectPoint(part.FirstPoint(), 5, 0);
    ExpectPoint(part.LastPoint(), 5, 10);

    // The end before the start, without wrapping: the part between them, running backwards.
    ZPathList back;
    list.Extract(back, 0, 0.5f, 0, 0.25f, false);
    ASSERT_EQ(back.Count(), 1);
    ExpectPoint(back.FirstPoint(), 5, 0);
    ExpectPoint(back.LastPoint(), 2.5, 0);

    // With wrapping: on to the end of the path, then from its start.
    ZPathList around;
    list.Extract(around, 0, 0.5f, 0, 0.25f, true);
    ASSERT_EQ(around.Count(), 5);
    ExpectPoint(around.FirstPoint(), 5, 0);
    ExpectPoint(around.SegmentAt(0).p3, 10, 0);
    ExpectPoint(around.SegmentAt(3).p3, 0, 0);
    ExpectPoint(around.LastPoint(), 2.5, 0);

    // Whole segments at the ends; "to" at (count, 0) means the end of the last segment.
    ZPathList whole;
    list.Extract(whole, 1, 0.0f, 4, 0.0f, false);
    ASSERT_EQ(whole.Count(), 3);
    ExpectPoint(whole.LastPoint(), 0, 0);

    ZPathList bad;
    EXPECT_THROW(list.Extract(bad, 2, 1.0f, 2, 1.0f, false), CheckFailure);  // 0/0 split
    bad.Clear();
    EXPECT_THROW(list.Extract(bad, 0, 0.5f, 5, 0.0f, false), CheckFailure);
    EXPECT_THROW(list.Extract(bad, 0, 1.5f, 1, 0.0f, false), CheckFailure);
    EXPECT_THROW(list.Extract(part, 0, 0.0f, 1, 0.0f, false), CheckFailure);  // out not empty
    ZPathList open = Square(false);
    EXPECT_THROW(open.Extract(bad, 2, 0.5f, 1, 0.5f, true), CheckFailure);  // wrap needs a closed path
}

TEST(PathListV, FlagsFollowTheirSegmentsThroughEveryEdit) {
    ZPathListV list;
    list.Append(StraightSegment({0, 0}, {10, 0}));
    list.Append(StraightSegment({10, 0}, {10, 10}), true);
    list.Append(StraightSegment({10, 10}, {0, 10}));
    list.Append(BezierSegment{{3, 3}, {3, 3}, {3, 3}, {3, 3}}, true);  // dropped with its flag
    list.Append(StraightSegment({0, 10}, {0, 0}));
    list.SetClosed(true);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_FALSE(list.IsVirtual(0));
    EXPECT_TRUE(list.IsVirtual(1));
    EXPECT_FALSE(list.IsVirtual(3));
    EXPECT_THROW(list.IsVirtual(4), CheckFailure);

    ZPathListV wrapped(list, 3, 1);
    ASSERT_EQ(wrapped.Count(), 3);
    EXPECT_FALSE(wrapped.IsClosed());
    EXPECT_FALSE(wrapped.IsVirtual(0));
    EXPECT_FALSE(wrapped.IsVirtual(1));
    EXPECT_TRUE(wrapped.IsVirtual(2));
    EXPECT_THROW(ZPathListV(list, 0, 4), CheckFailure);

    ZPathListV reversed = list;
    reversed.Reverse();
    EXPECT_TRUE(reversed.IsVirtual(2));
    EXPECT_FALSE(reversed.IsVirtual(1));
    EXPECT_TRUE(list.IsVirtual(1));  // the copy is independent

    ZPathListV piece;
    list.Extract(piece, 0, 0.5f, 2, 0.5f, false);
    ASSERT_EQ(piece.Count(), 3);
    EXPECT_FALSE(piece.IsVirtual(0));
    EXPECT_TRUE(piece.IsVirtual(1));
    EXPECT_FALSE(piece.IsVirtual(2));

    // Edits through the base class keep the flags parallel.
    ZPathList& base = list;
    base.Append(StraightSegment({0, 0}, {-5, 0}));
    EXPECT_EQ(list.Count(), 5);
    EXPECT_FALSE(list.IsVirtual(4));
    base.Clear();
    EXPECT_EQ(list.Count(), 0);
    list.Append(StraightSegment({0, 0}, {1, 0}), true);
    EXPECT_TRUE(list.IsVirtual(0));

    ZPathListV all;
    all.AppendAll(wrapped);
    all.AppendAll(Square(true));
    ASSERT_EQ(all.Count(), 7);
    EXPECT_TRUE(all.IsVirtual(2));
    EXPECT_FALSE(all.IsVirtual(6));
}

TEST(PathList, AnchorsAndBackKeepEverySegmentAndTheClosedFlag) {
    ZPathList curve;
    curve.Append(BezierSegment{{0, 0}, {5, 5}, {10, 5}, {15, 0}});
    curve.Append(BezierSegment{{15, 0}, {20, -5}, {25, -5}, {30, 0}});  // smooth through (15, 0)
    curve.Append(StraightSegment({30, 0}, {30, 20}));                   // a corner at (30, 0)
    curve.Append(BezierSegment{{30, 20}, {20, 20}, {0, 10}, {0, 0}});
    for (bool closed : {false, true}) {
        ZPathList list = curve;
        list.SetClosed(closed);
        const std::vector<PathSegment> anchors = list.Anchors();
        // Closed, the last segment's end is the first anchor, not an anchor of its own.
        ASSERT_EQ(anchors.size(), closed ? 4u : 5u);
        EXPECT_EQ(anchors[1].corner, 0);
        EXPECT_EQ(anchors[2].corner, 1);
        EXPECT_EQ(anchors[0].in.v, closed ? 10.0 : 0.0);
        EXPECT_EQ(anchors[1].in.h, 10.0);
        EXPECT_EQ(anchors[1].out.h, 20.0);
        const ZPathList back = ZPathList::FromAnchors(anchors.data(), static_cast<int32_t>(anchors.size()), closed);
        EXPECT_EQ(back.IsClosed(), closed);
        ASSERT_EQ(back.Count(), 4);
        for (int32_t k = 0; k < 4; ++k) {
            const BezierSegment a = list.SegmentAt(k), b = back.SegmentAt(k);
            EXPECT_TRUE(a.p0.h == b.p0.h && a.c0.v == b.c0.v && a.c1.h == b.c1.h && a.p3.v == b.p3.v) << k;
        }
    }

    // One anchor reads as an empty open list even when marked closed; nothing writes as no anchors.
    const PathSegment dot{{1, 1}, {1, 1}, {1, 1}, 0};
    const ZPathList single = ZPathList::FromAnchors(&dot, 1, true);
    EXPECT_EQ(single.Count(), 0);
    EXPECT_FALSE(single.IsClosed());
    EXPECT_TRUE(single.Anchors().empty());
}

TEST(PathList, StraightCollinearRunsMergePairwiseFromTheStart) {
    ZPathList line;
    for (int i = 0; i < 3; ++i) line.Append(StraightSegment({double(i), 0}, {double(i + 1), 0}));
    line.Append(StraightSegment({3, 0}, {3, 4}));
    line.MergeStraightRuns();
    // After a merge the next segment is taken as it is: three collinear segments become two.
    ASSERT_EQ(line.Count(), 3);
    ExpectPoint(line.SegmentAt(0).p3, 2, 0);
    ExpectPoint(line.SegmentAt(1).p3, 3, 0);
    ExpectPoint(line.SegmentAt(2).p3, 3, 4);

    ZPathListV folded;
    folded.Append(StraightSegment({0, 0}, {10, 0}));
    folded.Append(StraightSegment({10, 0}, {5, 0}), true);
    folded.MergeStraightRuns();
    EXPECT_EQ(folded.Count(), 2);  // a run folding back keeps its turning point
    EXPECT_TRUE(folded.IsVirtual(1));
}

TEST(PathListV, AnOpenListIsClosedByAVirtualSegmentAndPlainListsCarryNoFlags) {
    ZPathList corner;
    corner.Append(StraightSegment({0, 0}, {10, 0}));
    corner.Append(StraightSegment({10, 0}, {10, 10}));
    const ZPathListV closedUp(corner);
    ASSERT_EQ(closedUp.Count(), 3);
    EXPECT_TRUE(closedUp.IsClosed());
    EXPECT_TRUE(closedUp.IsVirtual(2));
    EXPECT_FALSE(closedUp.IsVirtual(1));
    ExpectPoint(closedUp.LastPoint(), 0, 0);
    // Open with its ends together, or closed: nothing to add.
    for (bool closed : {false, true}) {
        const ZPathListV already(Square(closed));
        EXPECT_EQ(already.Count(), 4);
        EXPECT_TRUE(already.IsClosed());
        EXPECT_FALSE(already.HasVirtualSegment());
    }
    EXPECT_EQ(ZPathListV(ZPathList()).Count(), 0);

    // A plain copy of the list keeps its segments but not the flags; assigned back into a list
    // with flags, every segment is visible.
    ZPathList plain = closedUp;
    ZPathListV again;
    again.AppendAll(plain);
    EXPECT_FALSE(again.HasVirtualSegment());
    ZPathListV assigned = closedUp;
    static_cast<ZPathList&>(assigned) = plain;
    ASSERT_EQ(assigned.Count(), 3);
    EXPECT_FALSE(assigned.HasVirtualSegment());
}

TEST(PathListV, VisibleRunsStartAfterTheLastVirtualSegment) {
    ZPathListV list;
    list.Append(StraightSegment({0, 0}, {10, 0}));
    list.Append(StraightSegment({10, 0}, {10, 10}), true);
    list.Append(StraightSegment({10, 10}, {0, 10}));
    list.Append(StraightSegment({0, 10}, {0, 5}));
    list.Append(StraightSegment({0, 5}, {0, 0}), true);
    list.SetClosed(true);
    std::vector<ZPathListV> runs = list.VisibleRuns();
    ASSERT_EQ(runs.size(), 2u);
    ASSERT_EQ(runs[0].Count(), 1);
    ExpectPoint(runs[0].FirstPoint(), 0, 0);
    ASSERT_EQ(runs[1].Count(), 2);
    ExpectPoint(runs[1].FirstPoint(), 10, 10);
    for (const ZPathListV& run : runs) {
        EXPECT_FALSE(run.IsClosed());
        EXPECT_FALSE(run.HasVirtualSegment());
    }

    // A visible run across the end of a closed list stays one run.
    ZPathListV wrap;
    wrap.Append(StraightSegment({0, 0}, {10, 0}));
    wrap.Append(StraightSegment({10, 0}, {10, 10}), true);
    wrap.Append(StraightSegment({10, 10}, {0, 10}));
    wrap.Append(StraightSegment({0, 10}, {0, 0}));
    wrap.SetClosed(true);
    runs = wrap.VisibleRuns();
    ASSERT_EQ(runs.size(), 1u);
    ASSERT_EQ(runs[0].Count(), 3);
    ExpectPoint(runs[0].FirstPoint(), 10, 10);
    ExpectPoint(runs[0].LastPoint(), 10, 0);

    EXPECT_TRUE(ZPathListV().VisibleRuns().empty());
    ZPathListV hidden;
    hidden.Append(StraightSegment({0, 0}, {1, 0}), true);
    hidden.Append(StraightSegment({1, 0}, {0, 0}), true);
    hidden.SetClosed(true);
    EXPECT_THROW(hidden.VisibleRuns(), CheckFailure);
}

namespace {

void ExpectSameList(const ZPathListV& a, const ZPathListV& b) {
    ASSERT_EQ(a.Count(), b.Count());
    EXPECT_EQ(a.IsClosed(), b.IsClosed());
    for (int32_t k = 0; k < a.Count(); ++k) {
        const BezierSegment x = a.SegmentAt(k), y = b.SegmentAt(k);
        EXPECT_EQ(std::memcmp(&x, &y, sizeof x), 0) << k;
        EXPECT_EQ(a.IsVirtual(k), b.IsVirtual(k)) << k;
    }
}

}  // namespace

TEST(PathListV, ReadStraightFromAnchorsAsThroughAPlainList) {
    // Open and closed; ends apart and together; a repeated anchor (a degenerate segment, dropped);
    // one anchor and none; every anchor in one place.
    const std::vector<std::vector<PathSegment>> shapes = {
        {{{0, 0}, {-1, 0}, {1, 1}, 0}, {{10, 0}, {9, 2}, {11, -2}, 1}, {{10, 10}, {10, 9}, {10, 11}, 0}},
        {{{0, 0}, {0, 0}, {0, 0}, 1}, {{5, 0}, {5, 0}, {5, 0}, 1}, {{5, 0}, {5, 0}, {5, 0}, 1}, {{0, 0}, {0, 0}, {0, 0}, 1}},
        {{{3, 3}, {3, 3}, {3, 3}, 0}},
        {},
        {{{2, 2}, {2, 2}, {2, 2}, 0}, {{2, 2}, {2, 2}, {2, 2}, 0}, {{2, 2}, {2, 2}, {2, 2}, 0}},
    };
    for (size_t i = 0; i < shapes.size(); ++i) {
        for (bool closed : {false, true}) {
            SCOPED_TRACE(testing::Message() << "shape " << i << (closed ? " closed" : " open"));
            const PathSegment* anchors = shapes[i].data();
            const int32_t count = static_cast<int32_t>(shapes[i].size());
            ExpectSameList(ZPathListV::FromAnchors(anchors, count, closed),
                           ZPathListV(ZPathList::FromAnchors(anchors, count, closed)));
        }
    }
}

TEST(PathListV, MovesKeepSegmentsAndFlagsAsCopiesDo) {
    ZPathList corner;
    corner.Append(StraightSegment({0, 0}, {10, 0}));
    corner.Append(StraightSegment({10, 0}, {10, 10}));
    const ZPathListV original(corner);
    ZPathListV source = original;
    ZPathListV moved(std::move(source));
    ExpectSameList(moved, original);
    ZPathListV target;
    target.Append(StraightSegment({5, 5}, {6, 6}));
    target = std::move(moved);
    ExpectSameList(target, original);
    std::vector<ZPathListV> lists;
    for (int k = 0; k < 20; ++k) lists.push_back(original);  // grows by moving
    for (const ZPathListV& list : lists) ExpectSameList(list, original);

    // A plain list moved into one with flags: every segment visible, as by copy.
    ZPathList plain = original;
    ZPathListV assigned = original;
    static_cast<ZPathList&>(assigned) = std::move(plain);
    ASSERT_EQ(assigned.Count(), 3);
    EXPECT_FALSE(assigned.HasVirtualSegment());
}
