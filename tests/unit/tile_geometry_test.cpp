// The tiling's numbers before they reach a document: the angle flip of the cells, the lattices of
// the seventeen groups, the walk of the fill over an extent and the guide's inset.
#include "tiling/TileGeometry.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

const RealPoint kO{10, 20};

TilePlan Plan(int32_t symmetry, float w, float h, float skew = 1.0f) {
    TilePlan plan;
    EXPECT_TRUE(PlanTile(symmetry, kO, w, h, skew, &plan)) << symmetry;
    return plan;
}

std::vector<std::pair<double, double>> Walk(const TileLattice& lattice, const TileExtent& extent) {
    std::vector<std::pair<double, double>> at;
    EXPECT_TRUE(WalkLattice(lattice, extent, [&](double h, double v) { at.emplace_back(h, v); }));
    return at;
}

// The box's extent across h for a lattice: centre ± half width.
void ExpectBox(const TileLattice& l, double minH, double maxH, double minV, double maxV) {
    EXPECT_NEAR(l.centre.h - l.halfWidth, minH, 1e-4);
    EXPECT_NEAR(l.centre.h + l.halfWidth, maxH, 1e-4);
    EXPECT_NEAR(l.centre.v - l.halfHeight, minV, 1e-4);
    EXPECT_NEAR(l.centre.v + l.halfHeight, maxV, 1e-4);
}

}  // namespace

TEST(TileGeometry, QuadrantAngleTurnsTheStepsIntoTheDragsQuadrant) {
    EXPECT_EQ(QuadrantAngle(30, 5, 5), 30);
    EXPECT_EQ(QuadrantAngle(30, 5, -5), -30);
    EXPECT_EQ(QuadrantAngle(30, -5, 5), 150);
    EXPECT_EQ(QuadrantAngle(30, -5, -5), -150);
    EXPECT_EQ(QuadrantAngle(30, 0, -5), 30);
    EXPECT_EQ(QuadrantAngle(30, -5, 0), 30);
}

TEST(TileGeometry, GroupsOutsideOneToSeventeenPlanNothing) {
    TilePlan plan;
    for (int32_t s : {0, -3, 18, std::numeric_limits<int32_t>::max()}) EXPECT_FALSE(PlanTile(s, kO, 5, 5, 1, &plan));
    EXPECT_STREQ(WallpaperGroupName(1), "p1");
    EXPECT_STREQ(WallpaperGroupName(10), "p4");
    EXPECT_STREQ(WallpaperGroupName(17), "p6m");
    EXPECT_STREQ(WallpaperGroupName(18), "");
}

TEST(TileGeometry, TheLatticeCellHoldsOneTileInEveryGroupAndEveryDirection) {
    // The tile is a fundamental region of the translations: its area is the lattice cell's.
    const double root3 = std::sqrt(3.0);
    for (float sw : {1.0f, -1.0f})
        for (float sh : {1.0f, -1.0f}) {
            const float w = 6 * sw, h = 4 * sh;
            const double expected[] = {24, 24, 48, 48, 96, 96, 96, 48, 48, 144, 144, 144,
                                       // p3, p3m1: a hexagon of circumradius 2·6/√3; p31m: 2·(6/√3)
                                       1.5 * root3 * 48, 1.5 * root3 * 48, 1.5 * root3 * 48,
                                       // p6, p6m: circumradius |h|
                                       1.5 * root3 * 16, 1.5 * root3 * 16};
            for (int32_t s = 1; s <= 17; ++s) {
                const TileLattice l = Plan(s, w, h).lattice;
                EXPECT_NEAR(double(l.columnStep) * l.rowStep, expected[s - 1], 1e-3 * expected[s - 1])
                    << WallpaperGroupName(s) << " drag " << w << ", " << h;
                EXPECT_GT(l.halfWidth, 0);
                EXPECT_GT(l.halfHeight, 0);
            }
        }
}

TEST(TileGeometry, LatticesOfTheRectangularAndSquareGroups) {
    // pm: columns 2|w| apart, rows |h| apart, no offset; cm and cmm offset every row by |w|.
    TileLattice pm = Plan(3, -7, 3).lattice;
    EXPECT_EQ(pm.columnStep, 14);
    EXPECT_EQ(pm.rowStep, 3);
    EXPECT_EQ(pm.rowShift, 0);
    for (int32_t s : {8, 9}) {
        const TileLattice c = Plan(s, -7, 3).lattice;
        EXPECT_EQ(c.columnStep, 14);
        EXPECT_EQ(c.rowShift, 7);
        EXPECT_EQ(c.rowStep, 3);
    }
    // pg from a drag of (20, 10): each copy's box spans its vertical range around O.v + 5.
    const TileLattice pg = Plan(4, 20, 10).lattice;
    ExpectBox(pg, kO.h - 20, kO.h + 20, kO.v, kO.v + 10);
    // p4 from (40, −10): squares of side 40 below the drag start, only the height's sign counts.
    const TilePlan p4 = Plan(10, 40, -10);
    EXPECT_EQ(p4.height, -40);
    ASSERT_EQ(p4.guide.size(), 4u);
    EXPECT_EQ(p4.guide[2].h, kO.h + 40);
    EXPECT_EQ(p4.guide[2].v, kO.v - 40);
    EXPECT_EQ(p4.copies.size(), 3u);
    // pgg: a glide, a half turn of the motif and a half turn of the glide copy.
    const TilePlan pgg = Plan(7, 20, 10);
    ASSERT_EQ(pgg.copies.size(), 3u);
    EXPECT_TRUE(pgg.copies[0].glide);
    EXPECT_EQ(pgg.copies[1].ofCopy, -1);
    EXPECT_EQ(pgg.copies[2].ofCopy, 0);
}

TEST(TileGeometry, HexagonalTilesAreRegularHexagonsAroundTheDragStart) {
    // p6 from (5, 30): circumradius 30, w gives only the side the first cell lies on.
    const TilePlan p6 = Plan(16, 5, 30);
    EXPECT_EQ(p6.copies.size(), 5u);
    ExpectBox(p6.lattice, kO.h - 15 * std::sqrt(3.0), kO.h + 15 * std::sqrt(3.0), kO.v - 30, kO.v + 30);
    EXPECT_NEAR(p6.lattice.rowStep, 45, 1e-4);
    EXPECT_NEAR(p6.width, 15 * std::sqrt(3.0), 1e-4);
    EXPECT_LT(Plan(16, -5, 30).width, 0);
    for (int32_t s : {13, 14, 15}) EXPECT_EQ(Plan(s, 5, 5).copies.size(), 2u);
    for (int32_t s : {10, 12}) EXPECT_EQ(Plan(s, 5, 5).copies.size(), 3u);
    EXPECT_TRUE(Plan(11, 5, 5).copies.empty());
    // Every corner of the p3 rhombus lies on the hexagon of circumradius |H|.
    const TilePlan p3 = Plan(13, 6, -1);
    const double radius = 12 / std::sqrt(3.0);
    ASSERT_EQ(p3.guide.size(), 4u);
    EXPECT_NEAR(std::hypot(p3.guide[2].h - kO.h, p3.guide[2].v - kO.v), radius, 1e-4);
    EXPECT_LT(p3.guide[2].v, kO.v);
}

TEST(TileGeometry, TheSlantedCellsBoxCoversItWhicheverWayItLeans) {
    // A parallelogram O, O+(w, 0), O+(w + t, h), O+(t, h): its box spans min(0, t) … max(w, w + t).
    for (float skew : {1.0f, 0.5f, -0.5f})
        for (float w : {8.0f, -8.0f})
            for (int32_t s : {1, 2}) {
                const float h = 4;
                const float t = h * skew * (w > 0 ? 1 : -1);
                const TileLattice l = Plan(s, w, h, skew).lattice;
                const double lo = std::fmin(std::fmin(0.0f, t), std::fmin(w, w + t));
                const double hi = std::fmax(std::fmax(0.0f, t), std::fmax(w, w + t));
                ExpectBox(l, kO.h + lo, kO.h + hi, kO.v, kO.v + h);
            }
    // The p2 half turn is about the middle of that box.
    const TilePlan p2 = Plan(2, 8, 4, -0.5f);
    ASSERT_EQ(p2.copies.size(), 1u);
    EXPECT_NEAR(p2.copies[0].centre.h, kO.h + 3, 1e-5);
    EXPECT_NEAR(p2.copies[0].centre.v, kO.v + 2, 1e-5);
}

TEST(TileGeometry, TheFillVisitsEveryBoxThatMeetsTheExtent) {
    // pmm from a drag of (100, 50) at (0, 0) over 0..1000 × 0..500.
    TilePlan plan;
    ASSERT_TRUE(PlanTile(5, RealPoint{0, 0}, 100, 50, 1, &plan));
    const TileExtent extent{0, 1000, 0, 500};
    EXPECT_EQ(LatticeColumns(plan.lattice, extent), 5);
    EXPECT_EQ(LatticeRows(plan.lattice, extent), 5);
    const auto at = Walk(plan.lattice, extent);
    ASSERT_EQ(at.size(), 36u);
    EXPECT_EQ(at.front(), std::make_pair(0.0, 0.0));
    EXPECT_EQ(at[5], std::make_pair(1000.0, 0.0));
    EXPECT_EQ(at.back(), std::make_pair(1000.0, 500.0));

    // Offset rows start again at the left edge; no box lies wholly beyond it.
    TilePlan cm;
    ASSERT_TRUE(PlanTile(8, RealPoint{333, 77}, 30, 20, 1, &cm));
    const TileExtent box{-50, 400, -10, 300};
    for (const auto& p : Walk(cm.lattice, box)) {
        EXPECT_GE(p.first + cm.lattice.halfWidth, box.minH);
        EXPECT_LT(p.first - cm.lattice.halfWidth, box.maxH);
        EXPECT_GE(p.second + cm.lattice.halfHeight, box.minV);
        EXPECT_LT(p.second - cm.lattice.halfHeight, box.maxV);
    }
}

TEST(TileGeometry, AWalkThatCannotEndGivesUp) {
    // Steps too small to move coordinates this large: the walk stops after its bound.
    TileLattice lattice{RealPoint{1e17, 1e17}, 1, 1, 1, 0, 1};
    int visits = 0;
    EXPECT_FALSE(WalkLattice(
        lattice, TileExtent{0, 1000, 0, 1000}, [&](double, double) { ++visits; }, 10000));
    EXPECT_EQ(visits, 0);
    // Counts of a step that is not a number, or a zero step, are none.
    TileLattice broken{RealPoint{0, 0}, 1, 1, std::numeric_limits<float>::quiet_NaN(), 0, 0};
    EXPECT_EQ(LatticeColumns(broken, TileExtent{0, 100, 0, 100}), 0);
    EXPECT_EQ(LatticeRows(broken, TileExtent{0, 100, 0, 100}), std::numeric_limits<int32_t>::max());
}

TEST(TileGeometry, AHundredCopiesAlongASideIsTheLimit) {
    const TileExtent view{0, 1000, 0, 500};
    EXPECT_TRUE(CellTooSmall(view, 9, 50));
    EXPECT_FALSE(CellTooSmall(view, 10, 50));
    EXPECT_FALSE(CellTooSmall(view, -10, -5));
    EXPECT_TRUE(CellTooSmall(view, -10, 4.9f));
}

TEST(TileGeometry, TheGuideInsetLiesTwoUnitsInsideEitherWayRound) {
    for (bool clockwise : {false, true}) {
        std::vector<RealPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
        if (clockwise) square = {square[0], square[3], square[2], square[1]};
        const std::vector<RealPoint> inner = InsetPolygon(square, 2);
        ASSERT_EQ(inner.size(), 4u);
        for (const RealPoint& p : inner) {
            EXPECT_NEAR(std::fmin(p.h, 10 - p.h), 2, 1e-4);
            EXPECT_NEAR(std::fmin(p.v, 10 - p.v), 2, 1e-4);
        }
    }
    // A corner between parallel sides has no inset point.
    const std::vector<RealPoint> straight{{0, 0}, {5, 0}, {10, 0}, {5, 8}};
    EXPECT_EQ(InsetPolygon(straight, 2).size(), 3u);
}
