// The spike on path lists: where the tip lies for each sharpness, crossings at the ends of the drag
// line left alone, a segment crossed twice spiked once, and the Shift snapping of the drag line.
#include "tools/SpikeShape.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

void ExpectAt(const RealPoint& p, double h, double v, double tolerance = 1e-4) {
    EXPECT_NEAR(p.h, h, tolerance);
    EXPECT_NEAR(p.v, v, tolerance);
}

ZPathList Straight(const RealPoint& a, const RealPoint& b) {
    ZPathList list;
    list.Append(BezierSegment{a, a, b, b});
    return list;
}

}  // namespace

TEST(SpikeGeometry, TheTipLiesAlongTheLineBySharpnessAndBothHalvesMeetThere) {
    const ZPathList edge = Straight({0, 0}, {100, 0});
    const Line line{{40, -50}, {40, 50}};  // crosses at u = 0.5
    const double tips[3][2] = {{0, 0}, {0.5, 25}, {1, 50}};
    for (const auto& expected : tips) {
        ZPathList out;
        ASSERT_TRUE(SpikePathList(edge, line, static_cast<float>(expected[0]), out));
        ASSERT_EQ(out.Count(), 2);
        ExpectAt(out.FirstPoint(), 0, 0);
        ExpectAt(out.SegmentAt(0).p3, 40, expected[1]);
        ExpectAt(out.SegmentAt(1).p0, 40, expected[1]);
        ExpectAt(out.LastPoint(), 100, 0);
    }

    // On a curve, sharpness 0 only adds an anchor: the halves trace the same curve.
    ZPathList arch;
    arch.Append(BezierSegment{{0, 0}, {0, 60}, {100, 60}, {100, 0}});
    ZPathList out;
    ASSERT_TRUE(SpikePathList(arch, Line{{30, -10}, {30, 100}}, 0.0f, out));
    ASSERT_EQ(out.Count(), 2);
    EXPECT_NEAR(out.SegmentAt(0).p3.h, 30, 1e-3);
    for (float t : {0.3f, 0.7f}) {
        const RealPoint left = out.PointAt(0, t);
        const RealPoint right = out.PointAt(1, t);
        // Each point of the halves lies on the arch: the arch's height there matches.
        for (const RealPoint& p : {left, right}) {
            // Solve the arch's h(t) = p.h by bisection on the symmetric arch.
            float lo = 0, hi = 1;
            for (int k = 0; k < 60; ++k) {
                const float mid = (lo + hi) / 2;
                (arch.PointAt(0, mid).h < p.h ? lo : hi) = mid;
            }
            EXPECT_NEAR(arch.PointAt(0, lo).v, p.v, 1e-2);
        }
    }
}

TEST(SpikeGeometry, CrossingsAtTheLinesEndsOrBeyondThemAreNotSpiked) {
    const ZPathList edge = Straight({0, 0}, {100, 0});
    ZPathList out;
    // Starting on the segment (u = 0), ending on it (u = 1), stopping short of it.
    EXPECT_FALSE(SpikePathList(edge, Line{{40, 0}, {40, 50}}, 0.5f, out));
    EXPECT_FALSE(SpikePathList(edge, Line{{40, -50}, {40, 0}}, 0.5f, out));
    EXPECT_FALSE(SpikePathList(edge, Line{{40, 10}, {40, 50}}, 0.5f, out));
    // A line that misses the segment's extent.
    EXPECT_FALSE(SpikePathList(edge, Line{{140, -50}, {140, 50}}, 0.5f, out));
    // What is not spiked is copied as it was.
    ASSERT_EQ(out.Count(), 4);
    for (int n = 0; n < 4; ++n) {
        ExpectAt(out.SegmentAt(n).p0, 0, 0);
        ExpectAt(out.SegmentAt(n).p3, 100, 0);
    }
}

TEST(SpikeGeometry, ASegmentCrossedTwiceGetsOneSpikeAtTheEarlierCrossing) {
    ZPathList arch;
    arch.Append(BezierSegment{{0, 0}, {0, 80}, {100, 80}, {100, 0}});
    ZPathList out;
    // A horizontal line at height 30 crosses the arch near both feet.
    ASSERT_TRUE(SpikePathList(arch, Line{{-50, 30}, {150, 30}}, 1.0f, out));
    ASSERT_EQ(out.Count(), 2);
    ExpectAt(out.SegmentAt(0).p3, 150, 30);
    // The left part is the arch up to its crossing near h = 0, not the one near h = 100.
    EXPECT_LT(out.SegmentAt(0).c0.h, 10);
    EXPECT_LT(out.SegmentAt(0).c0.v, 30);

    // Two segments each crossed once: two spikes, at one tip.
    ZPathList zigzag = Straight({0, 0}, {100, 0});
    zigzag.AppendAll(Straight({100, 0}, {100, 100}));
    ZPathList two;
    ASSERT_TRUE(SpikePathList(zigzag, Line{{0, -40}, {160, 120}}, 1.0f, two));
    ASSERT_EQ(two.Count(), 4);
    ExpectAt(two.SegmentAt(0).p3, 160, 120);
    ExpectAt(two.SegmentAt(2).p3, 160, 120);
}

TEST(SpikeGeometry, ShiftSnapsTheLineToTheNearerAxisKeepingItsLength) {
    const RealPoint anchor{10, 20};
    ExpectAt(SnapToAxis(anchor, {14, 23}), 15, 20);
    ExpectAt(SnapToAxis(anchor, {6, 23}), 5, 20);
    ExpectAt(SnapToAxis(anchor, {13, 24}), 10, 25);
    ExpectAt(SnapToAxis(anchor, {13, 16}), 10, 15);
    // Exactly 45°: the vertical.
    ExpectAt(SnapToAxis(anchor, {13, 23}), 10, 20 + 3 * std::sqrt(2.0));
    ExpectAt(SnapToAxis(anchor, {7, 17}), 10, 20 - 3 * std::sqrt(2.0));
}
