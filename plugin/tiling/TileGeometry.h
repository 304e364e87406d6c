// The numbers of the tiling, without the host: the tool's parameters, the angle flip of the cells,
// the plan of one tile (cell class and sizes, the copies the group adds, the lattice, the guide
// outline) for each of the seventeen wallpaper groups, the walk of the lattice over an extent and
// the inset outline of the guide.
#pragma once

#include "geometry/GeometryTypes.h"

#include <cstdint>
#include <vector>

enum TileMode : int32_t {
    TilePattern = 1,
    TileCutAuto = 2,
    TileCutClosed = 3,
    TileCutOpen = 4,
};

struct TileParams {
    int32_t symmetry = 14;  // wallpaper group 1..17 (p1 … p6m); any other builds nothing
    int32_t tileMode = TileCutAuto;
    int32_t closedCut = 2;   // 1 off, 2 on
    int32_t extentMode = 2;  // 1 single lattice, 2 view, 3 artboard, 4 page
    float skew = 1.0f;       // tangent of the side lean of the p1 and p2 cells
    bool showGuide = true;
};

// What the tool starts from, and the record the panel edits until the options were first opened.
extern TileParams DefaultTileParams;

constexpr int32_t kFirstSymmetry = 1;
constexpr int32_t kLastSymmetry = 17;
// "p1" … "p6m"; "" outside 1..17.
const char* WallpaperGroupName(int32_t symmetry);

// Copies of the tile sit at centre + (i·columnStep + j·rowShift, j·rowStep); the box of half sizes
// around each is what the fill tests against the extent.
struct TileLattice {
    RealPoint centre{0, 0};
    float halfWidth = 0, halfHeight = 0, columnStep = 0, rowShift = 0, rowStep = 0;
};

struct TileExtent {
    float minH = 0, maxH = 0, minV = 0, maxV = 0;
};

// Flips a cell's step angle so that the cell grows in the drag's direction (the steps are written
// for a drag up and to the right).
float QuadrantAngle(float angle, float width, float height);

// The fifteen cell classes, in the order they are listed.
enum class TileCell : int32_t {
    Parallelogram,
    P2,
    P1m,
    Rectangle,
    P2mm,
    P2mg,
    C1m,
    C2mm,
    P3,
    P3m1,
    P31m,
    P4m,
    P4g,
    P6,
    P6m,
};

// One copy the group adds to the motif: a rotation about `centre`, or a glide reflection
// (h, v) → (h + dh, 2·axisV − v). `ofCopy` is the index of an earlier copy it transforms, or −1 for
// the motif itself.
struct TileCopy {
    bool glide = false;
    float degrees = 0;
    RealPoint centre{0, 0};
    float dh = 0, axisV = 0;
    int ofCopy = -1;
};

struct TilePlan {
    TileCell cell = TileCell::Rectangle;
    float width = 0, height = 0;  // the cell's signed sizes
    float skewAngle = 0;          // degrees (p1, p2)
    RealPoint apex{0, 0};         // top end of the p2 cell's left side
    std::vector<TileCopy> copies;
    TileLattice lattice;
    std::vector<RealPoint> guide;  // the fundamental cell's outline
};

// The plan for a drag of (w, h) from `origin`; false for a symmetry outside 1..17.
bool PlanTile(int32_t symmetry, const RealPoint& origin, float w, float h, float skew, TilePlan* plan);

// A cell so small that more than 100 copies would line up along one side of the extent.
bool CellTooSmall(const TileExtent& extent, float w, float h);

// The lattice positions whose boxes meet the extent, row by row from the bottom, each row from the
// left, as the fill visits them. False, part way, when the walk would take more than `maxSteps`
// moves: steps too small for the coordinates to change, or a lattice far from the extent.
constexpr int64_t kMaxLatticeWalk = 4000000;
template <class Visit>
bool WalkLattice(const TileLattice& lattice, const TileExtent& extent, Visit&& visit,
                 int64_t maxSteps = kMaxLatticeWalk) {
    int64_t steps = 0;
    double h = lattice.centre.h, v = lattice.centre.v;
    while ((v - lattice.rowStep) + lattice.halfHeight >= extent.minV) {
        if (++steps > maxSteps) return false;
        h -= lattice.rowShift;
        v -= lattice.rowStep;
    }
    while (extent.maxV > v - lattice.halfHeight) {
        if (h + lattice.halfWidth > extent.minH) {
            while ((h - lattice.columnStep) + lattice.halfWidth >= extent.minH) {
                if (++steps > maxSteps) return false;
                h -= lattice.columnStep;
            }
        } else {
            while (extent.minH > h + lattice.halfWidth) {
                if (++steps > maxSteps) return false;
                h += lattice.columnStep;
            }
        }
        while (extent.maxH > h - lattice.halfWidth) {
            if (++steps > maxSteps) return false;
            visit(h, v);
            h += lattice.columnStep;
        }
        h += lattice.rowShift;
        v += lattice.rowStep;
        if (++steps > maxSteps) return false;
    }
    return true;
}

// The whole columns and rows of the lattice across the extent, as the size estimate counts them.
int32_t LatticeColumns(const TileLattice& lattice, const TileExtent& extent);
int32_t LatticeRows(const TileLattice& lattice, const TileExtent& extent);

// The outline moved `inset` units inward at every corner (for a convex outline); a corner whose
// two shifted sides are parallel is left out.
std::vector<RealPoint> InsetPolygon(const std::vector<RealPoint>& outline, float inset);
