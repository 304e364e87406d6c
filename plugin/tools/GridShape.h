// The grid over a rectangle: open lines, or one closed path per cell.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/PathList.h"

#include <cstdint>
#include <vector>

struct GridParams {
    double centreH;
    double centreV;
    double width;   // of one cell; negative runs the columns the other way
    double height;  // of one cell
    int32_t squaresX;
    int32_t squaresY;
    bool createAsSquares;
};

extern const GridParams kGridDefaults;

// Counts from a panel or a recorded action are kept within 1 … kMaxSquares: below 1 the drag's
// cell division has nothing to divide by, and above it one step would make tens of thousands of
// paths (200 × 200 cells is 40000 paths).
constexpr int32_t kMaxSquares = 200;
int32_t ClampSquares(int32_t count);

struct GridCell {
    RealPoint corner;    // where the outline starts
    RealPoint opposite;  // the diagonally opposite corner
    ZPathList outline;
};

// The grid's paths in drawing order: the cells column by column when the parameters ask for
// squares, otherwise the vertical then the horizontal lines. Counts are clamped as ClampSquares
// does; sizes or a centre not finite in single precision give no paths.
struct GridShape {
    std::vector<GridCell> cells;
    std::vector<ZPathList> lines;
};
GridShape BuildGrid(const GridParams& params);
