// Path lists read from and written to paths of the stand-in host.
#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"
#include "geometry/PathList.h"
#include "geometry/PathListIO.h"
#include "support/InProcessHost.h"

#include <gtest/gtest.h>

#include <cmath>

using testhost::Corner;
using testhost::InProcessHost;

namespace {

void ExpectAnchor(const SBPathSegment& a, double h, double v, bool corner) {
    EXPECT_NEAR(a.p.h, h, 1e-9);
    EXPECT_NEAR(a.p.v, v, 1e-9);
    EXPECT_EQ(a.corner != 0, corner) << h << "," << v;
}

}  // namespace

TEST(PathListHost, ClosedRectangleReadsAsFourStraightSegmentsAndWritesBackFourCorners) {
    InProcessHost host;
    SBArtHandle rect = host.AddPolyline({{0, 0}, {100, 0}, {100, 50}, {0, 50}}, true);
    ZPathList list = ReadPathList(rect);
    ASSERT_EQ(list.Count(), 4);
    EXPECT_TRUE(list.IsClosed());
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(IsStraightSegment(list.SegmentAt(i)));
    EXPECT_EQ(list.SegmentAt(3).p3.h, 0.0);  // the closing segment ends at anchor 0
    EXPECT_EQ(list.SegmentAt(3).p3.v, 0.0);

    SBArtHandle copy = host.AddPath(std::vector<SBPathSegment>{}, false);
    ASSERT_TRUE(WritePathList(list, copy));
    auto anchors = host.Anchors(copy);
    ASSERT_EQ(anchors.size(), 4u);
    EXPECT_TRUE(host.Closed(copy));
    ExpectAnchor(anchors[0], 0, 0, true);
    ExpectAnchor(anchors[1], 100, 0, true);
    ExpectAnchor(anchors[2], 100, 50, true);
    ExpectAnchor(anchors[3], 0, 50, true);
}

TEST(PathListHost, CurvedRoundTripKeepsHandlesAndMarksOnlyKinks) {
    InProcessHost host;
    // A smooth join at (10, 0) and a kink at (20, 0).
    std::vector<SBPathSegment> in = {
        {{0, 0}, {0, 0}, {3, 5}, 1},
        {{10, 0}, {7, -5}, {13, 5}, 0},
        {{20, 0}, {17, -5}, {20, 8}, 0},
        {{30, 0}, {27, 5}, {30, 0}, 1},
    };
    SBArtHandle path = host.AddPath(in, false);
    ZPathList list = ReadPathList(path);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_FALSE(list.IsClosed());
    ASSERT_TRUE(WritePathList(list, path));
    auto out = host.Anchors(path);
    ASSERT_EQ(out.size(), 4u);
    EXPECT_FALSE(host.Closed(path));
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(out[i].p.h, in[i].p.h);
        if (i > 0) {
            EXPECT_EQ(out[i].in.v, in[i].in.v);
        }
        if (i < 3) {
            EXPECT_EQ(out[i].out.v, in[i].out.v);
        }
    }
    // The open ends carry no handle outward and are no corners.
    EXPECT_EQ(out[0].in.h, 0.0);
    EXPECT_EQ(out[3].out.h, 30.0);
    EXPECT_FALSE(out[0].corner);
    EXPECT_FALSE(out[1].corner);
    EXPECT_TRUE(out[2].corner);
    EXPECT_FALSE(out[3].corner);
}

TEST(PathListHost, StraightCollinearRunsMergeOnWrite) {
    InProcessHost host;
    SBArtHandle line = host.AddPolyline({{0, 0}, {10, 10}, {20, 20}, {30, 30}}, false);
    ZPathList list = ReadPathList(line);
    ASSERT_EQ(list.Count(), 3);
    ASSERT_TRUE(WritePathList(list, line));
    auto anchors = host.Anchors(line);
    // The merge never compares a merged segment with the next one: A, C, D.
    ASSERT_EQ(anchors.size(), 3u);
    ExpectAnchor(anchors[0], 0, 0, false);
    ExpectAnchor(anchors[1], 20, 20, false);  // collinear pieces join smoothly
    ExpectAnchor(anchors[2], 30, 30, false);
    EXPECT_EQ(list.Count(), 2);  // the list itself was merged

    // A run that folds back along its own line keeps its far end.
    SBArtHandle spike = host.AddPolyline({{0, 0}, {10, 0}, {4, 0}}, false);
    ZPathList folded = ReadPathList(spike);
    ASSERT_TRUE(WritePathList(folded, spike));
    auto tip = host.Anchors(spike);
    ASSERT_EQ(tip.size(), 3u);
    EXPECT_EQ(tip[1].p.h, 10.0);

    // A tiny step at a corner (as icons draw them) is no run: the corner and both edges stay.
    SBArtHandle step = host.AddPolyline({{0, 0}, {0.001, 0}, {0.001, 7}}, false);
    ZPathList corner = ReadPathList(step);
    ASSERT_TRUE(WritePathList(corner, step));
    auto kept = host.Anchors(step);
    ASSERT_EQ(kept.size(), 3u);
    ExpectAnchor(kept[1], 0.001, 0, true);
    // Nearly collinear within the tolerance still merges.
    SBArtHandle near = host.AddPolyline({{0, 0}, {5, 0.0003}, {10, 0}}, false);
    ZPathList almost = ReadPathList(near);
    ASSERT_TRUE(WritePathList(almost, near));
    EXPECT_EQ(host.Anchors(near).size(), 2u);
}

TEST(PathListHost, TooFewAnchorsWriteNothing) {
    InProcessHost host;
    SBArtHandle target = host.AddPolyline({{5, 5}, {6, 6}, {7, 5}}, true);
    ZPathList one;
    one.Append(BezierSegment{{0, 0}, {1, 1}, {2, 1}, {3, 0}});
    ASSERT_TRUE(WritePathList(one, target));  // open: two anchors
    EXPECT_EQ(host.Anchors(target).size(), 2u);
    EXPECT_FALSE(host.Closed(target));

    SBArtHandle untouched = host.AddPolyline({{5, 5}, {6, 6}, {7, 5}}, true);
    one.SetClosed(true);
    EXPECT_FALSE(WritePathList(one, untouched));
    EXPECT_EQ(host.Anchors(untouched).size(), 3u);
    EXPECT_TRUE(host.Closed(untouched));
    ZPathList none;
    EXPECT_FALSE(WritePathList(none, untouched));

    // A single anchor reads as an empty open list; repeated anchors drop their empty segments.
    SBArtHandle dot = host.AddPolyline({{1, 1}}, true);
    ZPathList fromDot = ReadPathList(dot);
    EXPECT_EQ(fromDot.Count(), 0);
    EXPECT_FALSE(fromDot.IsClosed());
    SBArtHandle repeats = host.AddPolyline({{0, 0}, {0, 0}, {5, 0}, {5, 0}, {5, 5}}, false);
    EXPECT_EQ(ReadPathList(repeats).Count(), 2);
}

// One limit for reading and writing: the 16-bit count's 32 767 anchors. A list that would need
// more is refused whole, the path left as it was, never cut to its first anchors.
TEST(PathListHost, LongListsAreWrittenWholeUpToTheCountAndRefusedBeyond) {
    InProcessHost host;
    auto zigzag = [](int segments, bool closed) {
        ZPathList list;
        for (int i = 0; i < segments; ++i)
            list.Append(StraightSegment({double(i), double(i % 2)}, {double(i + 1), double((i + 1) % 2)}));
        if (closed) list.Append(StraightSegment({double(segments), double(segments % 2)}, {0, -5}));
        list.SetClosed(closed);
        return list;
    };
    SBArtHandle path = host.AddPath(std::vector<SBPathSegment>{}, false);
    ZPathList open = zigzag(32766, false);  // 32 767 anchors
    ASSERT_TRUE(WritePathList(open, path));
    auto anchors = host.Anchors(path);
    ASSERT_EQ(anchors.size(), 32767u);
    EXPECT_EQ(anchors.back().p.h, 32766.0);
    EXPECT_EQ(ReadPathList(path).Count(), 32766);
    ZPathList closed = zigzag(32766, true);  // 32 767 anchors, the last segment closing
    ASSERT_TRUE(WritePathList(closed, path));
    EXPECT_EQ(host.Anchors(path).size(), 32767u);
    EXPECT_TRUE(host.Closed(path));

    SBArtHandle kept = host.AddPolyline({{5, 5}, {6, 6}, {7, 5}}, false);
    for (ZPathList tooLong : {zigzag(32767, false), zigzag(32767, true), zigzag(40000, false)}) {
        try {
            WritePathList(tooLong, kept);
            ADD_FAILURE() << "written";
        } catch (const HostError& e) {
            EXPECT_EQ(e.Code(), SB_ERR_RANGE);
        }
        EXPECT_EQ(host.Anchors(kept).size(), 3u);
        EXPECT_FALSE(host.Closed(kept));
    }
}

// Every segment of a long path, the closing one included, takes its points from the right
// anchors, and a repeated corner anchor drops its empty segment.
TEST(PathListHost, LongPathsReadEverySegment) {
    InProcessHost host;
    std::vector<SBPathSegment> anchors;
    for (int i = 0; i < 700; ++i) {
        const double h = i, v = (i * 37) % 11;
        anchors.push_back(SBPathSegment{{h, v}, {h - 0.25, v + 0.5}, {h + 0.25, v - 0.5}, 0});
    }
    // An empty segment: a corner anchor repeated.
    anchors[255].in = anchors[255].out = anchors[255].p;
    anchors[256] = anchors[255];
    for (bool closed : {true, false}) {
        SBArtHandle path = host.AddPath(anchors, closed);
        ZPathList list = ReadPathList(path);
        const int32_t n = static_cast<int32_t>(anchors.size());
        ASSERT_EQ(list.Count(), (closed ? n : n - 1) - 1);
        ASSERT_EQ(list.IsClosed(), closed);
        int32_t k = 0;
        for (int32_t i = 0; i < (closed ? n : n - 1); ++i) {
            if (i == 255) continue;  // 255 -> 256 is empty
            const SBPathSegment& a = anchors[static_cast<size_t>(i)];
            const SBPathSegment& b = anchors[static_cast<size_t>((i + 1) % n)];
            const BezierSegment& s = list.SegmentAt(k++);
            EXPECT_EQ(s.p0.h, a.p.h);
            EXPECT_EQ(s.c0.v, a.out.v);
            EXPECT_EQ(s.c1.h, b.in.h);
            EXPECT_EQ(s.p3.v, b.p.v);
        }
    }
}

TEST(PathListHost, HostFailuresRaiseHostError) {
    InProcessHost host;
    SBArtHandle path = host.AddPolyline({{0, 0}, {10, 0}, {10, 10}}, false);
    ZPathList list = ReadPathList(path);
    host.Session().Faults().Arm("SB Path Suite.SetPathSegments", 1, SB_ERR_MEMORY);
    try {
        WritePathList(list, path);
        FAIL() << "no exception";
    } catch (const HostError& e) {
        EXPECT_EQ(e.Code(), SB_ERR_MEMORY);
    }
    host.Session().Faults().Arm("SB Path Suite.GetPathSegments", 1, SB_ERR_CANT);
    EXPECT_THROW(ReadPathList(path), HostError);
}

TEST(PathListVHost, OpenPathReadVirtuallyClosedAndWrittenBackAsItself) {
    InProcessHost host;
    std::vector<SBPathSegment> in = {
        {{0, 0}, {0, 0}, {5, 10}, 1},
        {{20, 10}, {15, 12}, {25, 8}, 0},
        {{40, 0}, {35, 5}, {40, 0}, 1},
    };
    SBArtHandle open = host.AddPath(in, false);
    host.Doc().SetOpacity(scribera::FromHandle(open), 0.5);
    ZPathListV list = ReadPathListV(open);
    ASSERT_EQ(list.Count(), 3);  // two real segments and the virtual closing one
    EXPECT_TRUE(list.IsClosed());
    EXPECT_FALSE(list.IsVirtual(0));
    EXPECT_FALSE(list.IsVirtual(1));
    EXPECT_TRUE(list.IsVirtual(2));

    ArtList made;
    WriteAsNewPaths(list, kPlaceBelow, open, made);
    ASSERT_EQ(made.Count(), 1);
    auto out = host.Anchors(made[0]);
    EXPECT_FALSE(host.Closed(made[0]));
    ASSERT_EQ(out.size(), in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        EXPECT_EQ(out[i].p.h, in[i].p.h);
        EXPECT_EQ(out[i].p.v, in[i].p.v);
        EXPECT_EQ(out[i].in.h, in[i].in.h);
        EXPECT_EQ(out[i].out.v, in[i].out.v);
    }
    // Placed below the reference, with its blending.
    auto layer = host.Children(host.LayerGroup());
    ASSERT_EQ(layer.size(), 2u);
    EXPECT_EQ(layer[0], open);
    EXPECT_EQ(layer[1], made[0]);
    EXPECT_EQ(host.ArtOf(made[0]).opacity, 0.5);

    // A path whose ends meet has no virtual segment to add.
    SBArtHandle loop = host.AddPolyline({{0, 0}, {10, 0}, {10, 10}, {0, 0}}, false);
    ZPathListV closedUp = ReadPathListV(loop);
    EXPECT_EQ(closedUp.Count(), 3);
    EXPECT_TRUE(closedUp.IsClosed());
}

TEST(PathListVHost, RunsBetweenVirtualSegmentsBecomeSeparatePathsInOrder) {
    InProcessHost host;
    SBArtHandle reference = host.AddPolyline({{0, 0}, {1, 0}}, false);
    ZPathListV list;
    list.Append(StraightSegment({0, 0}, {10, 0}));
    list.Append(StraightSegment({10, 0}, {10, 10}), true);
    list.Append(StraightSegment({10, 10}, {0, 10}));
    list.Append(BezierSegment{{0, 10}, {-3, 7}, {-3, 3}, {0, 5}});
    list.Append(StraightSegment({0, 5}, {0, 0}), true);
    list.SetClosed(true);
    ArtList made;
    WriteAsNewPaths(list, kPlaceBelow, reference, made);
    // The first run starts after the last virtual segment: 0; then 2..3.
    ASSERT_EQ(made.Count(), 2);
    auto first = host.Anchors(made[0]);
    auto second = host.Anchors(made[1]);
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].p.h, 0.0);
    EXPECT_EQ(first[1].p.h, 10.0);
    ASSERT_EQ(second.size(), 3u);
    EXPECT_EQ(second[0].p.v, 10.0);
    EXPECT_EQ(second[2].p.v, 5.0);
    EXPECT_FALSE(host.Closed(made[0]));
    EXPECT_FALSE(host.Closed(made[1]));
    // "Below" stacks each new path right under the reference, above the earlier ones.
    auto layer = host.Children(host.LayerGroup());
    ASSERT_EQ(layer.size(), 3u);
    EXPECT_EQ(layer[0], reference);
    EXPECT_EQ(layer[1], made[1]);
    EXPECT_EQ(layer[2], made[0]);

    // Without virtual segments a closed list is one closed path.
    ZPathListV ring;
    ring.Append(StraightSegment({0, 0}, {5, 0}));
    ring.Append(StraightSegment({5, 0}, {5, 5}));
    ring.Append(StraightSegment({5, 5}, {0, 0}));
    ring.SetClosed(true);
    ArtList one;
    WriteAsNewPaths(ring, kPlaceAbove, reference, one);
    ASSERT_EQ(one.Count(), 1);
    EXPECT_TRUE(host.Closed(one[0]));
    EXPECT_EQ(host.Anchors(one[0]).size(), 3u);

    // Nothing visible: nothing made.
    ZPathListV empty;
    ArtList nothing;
    WriteAsNewPaths(empty, kPlaceAbove, reference, nothing);
    EXPECT_EQ(nothing.Count(), 0);
    EXPECT_EQ(host.Children(host.LayerGroup()).size(), 4u);
    ZPathListV allVirtual;
    allVirtual.Append(StraightSegment({0, 0}, {5, 0}), true);
    allVirtual.Append(StraightSegment({5, 0}, {0, 0}), true);
    allVirtual.SetClosed(true);
    EXPECT_THROW(WriteAsNewPaths(allVirtual, kPlaceAbove, reference, nothing), CheckFailure);
}

// New paths for a list that cannot be written whole are not made at all: neither the run that is
// too long nor the runs before it.
TEST(PathListVHost, NoNewPathIsMadeWhenOneRunIsTooLong) {
    InProcessHost host;
    SBArtHandle reference = host.AddPolyline({{0, 0}, {1, 0}}, false);
    ZPathListV list;
    list.Append(StraightSegment({0, -10}, {0, -20}));
    list.Append(StraightSegment({0, -20}, {0, 0}), true);
    for (int i = 0; i < 33000; ++i)
        list.Append(StraightSegment({double(i), double(i % 2)}, {double(i + 1), double((i + 1) % 2)}));
    list.Append(StraightSegment({33000, 0}, {0, -10}), true);
    list.SetClosed(true);
    ArtList made;
    try {
        WriteAsNewPaths(list, kPlaceBelow, reference, made);
        ADD_FAILURE() << "written";
    } catch (const HostError& e) {
        EXPECT_EQ(e.Code(), SB_ERR_RANGE);
    }
    EXPECT_EQ(made.Count(), 0);
    EXPECT_EQ(host.Children(host.LayerGroup()).size(), 1u);

    ZPathListV ring;
    for (int i = 0; i < 33000; ++i) ring.Append(StraightSegment({double(i), double(i % 2)}, {double(i + 1), double((i + 1) % 2)}));
    ring.Append(StraightSegment({33000, 0}, {0, 0}));
    ring.SetClosed(true);
    EXPECT_THROW(WriteAsNewPaths(ring, kPlaceBelow, reference, made), HostError);
    EXPECT_EQ(made.Count(), 0);
    EXPECT_EQ(host.Children(host.LayerGroup()).size(), 1u);
}
