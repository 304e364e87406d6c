// The rosette's wedge: which points the two passes of the mirror engine keep, for every count and
// both flags, the snapping of the drag direction and the turns of the copies.
#include "tiling/RosetteParams.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr RealPoint kCentre{40, -25};

RealPoint At(double degrees, double radius = 10) {
    return RealPoint{kCentre.h + radius * std::cos(degrees * kPi / 180),
                     kCentre.v + radius * std::sin(degrees * kPi / 180)};
}

// The engine keeps the side its axis normal, at the axis angle, points into.
double Side(const MirrorParams& axis, const RealPoint& p) {
    const double a = axis.angle * kPi / 180;
    return (p.h - axis.origin.h) * std::cos(a) + (p.v - axis.origin.v) * std::sin(a) - axis.offset;
}

bool Kept(const RosetteWedge& w, const RealPoint& p) {
    return (!w.runFirst || Side(w.first, p) > 0) && (!w.runSecond || Side(w.second, p) > 0);
}

const float kDragAngles[] = {0.0f, 37.5f, 90.0f, 179.0f, -12.25f, -135.0f};

TEST(RosetteWedge, CutWithoutMirrorKeepsTheWedgeClockwiseFromTheDragDirection) {
    for (int32_t n = 2; n <= kMaxRosettes; ++n)
        for (float a : kDragAngles) {
            const RosetteWedge w = RosetteWedgeFor(RosetteParams{n, true, false}, kCentre, a);
            ASSERT_TRUE(w.runFirst && w.runSecond);
            EXPECT_EQ(w.first.mirrorType, CutAuto);
            EXPECT_EQ(w.second.mirrorType, CutAuto);
            const double span = 360.0 / n;
            for (double t : {0.02, 0.3, 0.5, 0.98}) EXPECT_TRUE(Kept(w, At(a - t * span))) << n << " " << a << " " << t;
            // Just outside either side.
            EXPECT_FALSE(Kept(w, At(a + 0.02 * span))) << n << " " << a;
            EXPECT_FALSE(Kept(w, At(a - 1.02 * span))) << n << " " << a;
        }
}

TEST(RosetteWedge, MirrorJoinsAcrossTheHalfWedgeNextToTheDragDirection) {
    for (int32_t n = 1; n <= kMaxRosettes; ++n)
        for (float a : kDragAngles)
            for (bool cut : {true, false}) {
                const RosetteWedge w = RosetteWedgeFor(RosetteParams{n, cut, true}, kCentre, a);
                EXPECT_EQ(w.runFirst, cut);
                ASSERT_TRUE(w.runSecond);
                EXPECT_EQ(w.second.mirrorType, MirrorJoin);
                const double half = 180.0 / n;
                // The mirror axis runs along the ray at a − 180/n and keeps the drag direction's side.
                EXPECT_NEAR(Side(w.second, At(a - half)), 0, 1e-4) << n << " " << a;
                EXPECT_GT(Side(w.second, At(a - 0.5 * half)), 0) << n << " " << a;
                if (n > 1) {
                    EXPECT_LT(Side(w.second, At(a - 1.5 * half)), 0) << n << " " << a;
                }
                if (cut) {
                    EXPECT_TRUE(Kept(w, At(a - 0.5 * half))) << n << " " << a;
                    EXPECT_FALSE(Kept(w, At(a + 0.05 * half))) << n << " " << a;
                }
            }
}

TEST(RosetteWedge, WithoutCutOnlyTheSecondSideCuts) {
    const RosetteWedge w = RosetteWedgeFor(RosetteParams{6, false, false}, kCentre, 30.0f);
    EXPECT_FALSE(w.runFirst);
    ASSERT_TRUE(w.runSecond);
    // The half-plane beyond the ray at 30 − 60 = −30 degrees, on the side of the drag direction.
    EXPECT_NEAR(Side(w.second, At(-30)), 0, 1e-4);
    EXPECT_TRUE(Kept(w, At(30)));
    EXPECT_TRUE(Kept(w, At(100)));
    EXPECT_FALSE(Kept(w, At(-90)));
}

TEST(RosetteWedge, OneCopyWithoutMirrorIsAWholeTurnAndCutsNothing) {
    for (bool cut : {true, false})
        for (float a : kDragAngles) {
            const RosetteWedge w = RosetteWedgeFor(RosetteParams{1, cut, false}, kCentre, a);
            EXPECT_FALSE(w.runFirst);
            EXPECT_FALSE(w.runSecond);
            for (double b = -180; b < 180; b += 15) EXPECT_TRUE(Kept(w, At(b)));
        }
    // Counts the keys cannot reach are read as the nearest they can.
    const RosetteWedge zero = RosetteWedgeFor(RosetteParams{0, true, false}, kCentre, 10.0f);
    EXPECT_FALSE(zero.runFirst || zero.runSecond);
    const RosetteWedge many = RosetteWedgeFor(RosetteParams{1000, true, true}, kCentre, 10.0f);
    EXPECT_NEAR(Side(many.second, At(10 - 180.0 / kMaxRosettes)), 0, 1e-4);
    EXPECT_TRUE(std::isfinite(many.second.angle));
}

TEST(RosetteSnap, RoundsToTheNearestMultipleOfTheWedgeHalvesAwayFromZero) {
    EXPECT_EQ(SnapRosetteAngle(22.4f, 8), 0.0f);
    EXPECT_EQ(SnapRosetteAngle(22.6f, 8), 45.0f);
    EXPECT_EQ(SnapRosetteAngle(-22.6f, 8), -45.0f);
    EXPECT_EQ(SnapRosetteAngle(-22.4f, 8), 0.0f);
    EXPECT_EQ(SnapRosetteAngle(22.5f, 8), 45.0f);
    EXPECT_EQ(SnapRosetteAngle(-22.5f, 8), -45.0f);
    EXPECT_EQ(SnapRosetteAngle(179.0f, 1), 0.0f);
    EXPECT_EQ(SnapRosetteAngle(180.0f, 1), 360.0f);
    EXPECT_EQ(SnapRosetteAngle(-180.0f, 1), -360.0f);
    EXPECT_EQ(SnapRosetteAngle(0.0f, 5), 0.0f);
    for (int32_t n = 1; n <= kMaxRosettes; ++n)
        for (float a = -180.0f; a <= 180.0f; a += 7.3f) {
            const float step = 360.0f / n, s = SnapRosetteAngle(a, n);
            EXPECT_LE(std::fabs(s - a), step / 2 + 1e-3f) << n << " " << a;
            EXPECT_NEAR(std::remainder(double(s), double(step)), 0, 1e-3) << n << " " << a;
        }
    // A count out of range snaps as the nearest count in range.
    EXPECT_EQ(SnapRosetteAngle(100.0f, 0), SnapRosetteAngle(100.0f, 1));
    EXPECT_EQ(SnapRosetteAngle(3.0f, 400), SnapRosetteAngle(3.0f, kMaxRosettes));
}

TEST(RosetteCopies, TurnByEqualStepsRoundTheCircle) {
    EXPECT_FLOAT_EQ(RosetteCopyRadians(1, 4), 3.1415927f / 2);
    EXPECT_FLOAT_EQ(RosetteCopyRadians(7, 8), 7 * 3.1415927f / 4);
    for (int32_t n = 2; n <= kMaxRosettes; ++n) EXPECT_NEAR(RosetteCopyRadians(n - 1, n), 2 * kPi * (n - 1) / n, 1e-5);
    EXPECT_EQ(ClampRosettes(0), 1);
    EXPECT_EQ(ClampRosettes(-2147483647 - 1), 1);
    EXPECT_EQ(ClampRosettes(51), 50);
    EXPECT_EQ(ClampRosettes(17), 17);
}

}  // namespace
