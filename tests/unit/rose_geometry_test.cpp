// The rose's petals as the tool builds them, before they reach a document.
#include "tools/RoseShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void ExpectNear(const RealPoint& p, double h, double v, double tolerance = 1e-3) {
    EXPECT_NEAR(p.h, h, tolerance);
    EXPECT_NEAR(p.v, v, tolerance);
}

RoseParams Rose(double radius, int32_t lobes, double width, double h = 0, double v = 0) {
    return RoseParams{h, v, radius, lobes, width};
}

TEST(RoseGeometry, DefaultPetalsFollowTheHalfAngle) {
    const ZPathList rose = BuildRose(kRoseDefaults);
    ASSERT_EQ(rose.Count(), 8);
    EXPECT_TRUE(rose.IsClosed());
    // Half angle 22.5°: t = tan 22.5° ≈ 0.41421.
    const BezierSegment out = rose.SegmentAt(0), back = rose.SegmentAt(1);
    ExpectNear(out.p0, 0, 0);
    ExpectNear(out.c0, -20.711, 50);
    ExpectNear(out.c1, -10.355, 100);
    ExpectNear(out.p3, 0, 100);
    ExpectNear(back.p0, 0, 100);
    ExpectNear(back.c0, 10.355, 100);
    ExpectNear(back.c1, 20.711, 50);
    ExpectNear(back.p3, 0, 0);
    // The second petal is the first turned a quarter counter-clockwise.
    ExpectNear(rose.SegmentAt(2).p3, -100, 0);
    ExpectNear(rose.SegmentAt(2).c0, -50, -20.711);
    ExpectNear(rose.SegmentAt(6).p3, 100, 0);
}

TEST(RoseGeometry, TipsOfADragOfFiftyFromTenTwenty) {
    const ZPathList rose = BuildRose(Rose(50, 4, 1.5, 10, 20));
    ASSERT_EQ(rose.Count(), 8);
    ExpectNear(rose.SegmentAt(0).p3, 10, 70);
    ExpectNear(rose.SegmentAt(2).p3, -40, 20);
    ExpectNear(rose.SegmentAt(4).p3, 10, -30);
    ExpectNear(rose.SegmentAt(6).p3, 60, 20);
    for (int i = 0; i < 8; i += 2) ExpectNear(rose.SegmentAt(i).p0, 10, 20);
}

TEST(RoseGeometry, CountsAtAndBeyondTheirEnds) {
    // One lobe: the width of two, one petal.
    const ZPathList one = BuildRose(Rose(100, 1, 1.5));
    ASSERT_EQ(one.Count(), 2);
    ExpectNear(one.SegmentAt(0).c0, -50, 50);
    // Width 3 with two lobes: a half angle of 90°, whose tangent throws the controls far out.
    const ZPathList wide = BuildRose(Rose(100, 2, 3));
    ASSERT_EQ(wide.Count(), 4);
    EXPECT_GT(std::fabs(wide.SegmentAt(0).c0.h), 1e8);
    EXPECT_TRUE(std::isfinite(wide.SegmentAt(0).c0.h));
    // None or fewer: no petals.
    EXPECT_EQ(BuildRose(Rose(100, 0, 1.5)).Count(), 0);
    EXPECT_EQ(BuildRose(Rose(100, -3, 1.5)).Count(), 0);
    // A count from outside is bounded, and the petals still go all the way round.
    const ZPathList many = BuildRose(Rose(100, 2000000000, 1.5));
    ASSERT_EQ(many.Count(), 2 * kMaxDrawnLobes);
    ExpectNear(many.SegmentAt(kMaxDrawnLobes).p3, 0, -100, 1e-2);
    // A radius that does not fit single precision, or a centre that is not a number: nothing.
    EXPECT_EQ(BuildRose(Rose(1e300, 4, 1.5)).Count(), 0);
    EXPECT_EQ(BuildRose(Rose(100, 4, 1.5, std::numeric_limits<double>::quiet_NaN())).Count(), 0);
    // Width 0: the petals collapse onto their spokes but are still drawn.
    EXPECT_EQ(BuildRose(Rose(100, 4, 0)).Count(), 8);
    // A zero radius: every curve degenerate, all skipped.
    EXPECT_EQ(BuildRose(Rose(0, 4, 1.5)).Count(), 0);
}

}  // namespace
