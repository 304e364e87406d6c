// The grid's lines and cells as the tool builds them, before they reach a document.
#include "tools/GridShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

void ExpectAt(const RealPoint& p, double h, double v) {
    EXPECT_NEAR(p.h, h, 1e-9);
    EXPECT_NEAR(p.v, v, 1e-9);
}

GridParams Grid(double width, double height, int32_t across, int32_t down, bool squares) {
    return GridParams{10, 20, width, height, across, down, squares};
}

}  // namespace

TEST(GridGeometry, LinesRunDownTheColumnsThenAcrossTheRowsCentredOnTheCentre) {
    const GridShape grid = BuildGrid(Grid(36, 24, 4, 3, false));
    EXPECT_TRUE(grid.cells.empty());
    ASSERT_EQ(grid.lines.size(), 9u);  // five verticals, four horizontals
    for (const ZPathList& line : grid.lines) {
        EXPECT_FALSE(line.IsClosed());
        EXPECT_EQ(line.Count(), 1);
    }
    // Half extents 72 and 36 about (10, 20).
    ExpectAt(grid.lines[0].FirstPoint(), -62, 56);
    ExpectAt(grid.lines[0].LastPoint(), -62, -16);
    ExpectAt(grid.lines[4].FirstPoint(), 82, 56);
    ExpectAt(grid.lines[5].FirstPoint(), 82, -16);
    ExpectAt(grid.lines[5].LastPoint(), -62, -16);
    ExpectAt(grid.lines[8].LastPoint(), -62, 56);
}

TEST(GridGeometry, CellsAreClosedSquaresColumnByColumn) {
    const GridShape grid = BuildGrid(Grid(-10, 5, 2, 3, true));
    EXPECT_TRUE(grid.lines.empty());
    ASSERT_EQ(grid.cells.size(), 6u);
    for (const GridCell& cell : grid.cells) {
        EXPECT_TRUE(cell.outline.IsClosed());
        ASSERT_EQ(cell.outline.Count(), 4);
        EXPECT_NEAR(cell.opposite.h - cell.corner.h, -10, 1e-9);
        EXPECT_NEAR(cell.opposite.v - cell.corner.v, 5, 1e-9);
        ExpectAt(cell.outline.FirstPoint(), cell.corner.h, cell.corner.v);
        ExpectAt(cell.outline.SegmentAt(2).p0, cell.opposite.h, cell.opposite.v);
        ExpectAt(cell.outline.LastPoint(), cell.corner.h, cell.corner.v);
    }
    // A negative width runs the columns the other way from the centre's right.
    ExpectAt(grid.cells[0].corner, 20, 12.5);
    ExpectAt(grid.cells[1].corner, 20, 17.5);
    ExpectAt(grid.cells[3].corner, 10, 12.5);
}

TEST(GridGeometry, CountsAreClampedAndNonFiniteSizesDrawNothing) {
    EXPECT_EQ(ClampSquares(0), 1);
    EXPECT_EQ(ClampSquares(-7), 1);
    EXPECT_EQ(ClampSquares(kMaxSquares + 1), kMaxSquares);
    EXPECT_EQ(BuildGrid(Grid(1, 1, 0, -3, true)).cells.size(), 1u);
    EXPECT_EQ(BuildGrid(Grid(1, 1, 100000, 2, false)).lines.size(), size_t(kMaxSquares + 1 + 3));

    const double inf = std::numeric_limits<double>::infinity();
    for (const GridParams& p : {Grid(inf, 1, 2, 2, true), Grid(1, std::nan(""), 2, 2, false),
                                Grid(1e39, 1, 2, 2, false), GridParams{1e39, 0, 1, 1, 2, 2, true}}) {
        const GridShape grid = BuildGrid(p);
        EXPECT_TRUE(grid.cells.empty());
        EXPECT_TRUE(grid.lines.empty());
    }
}
