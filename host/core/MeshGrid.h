// A gradient mesh as the stand-in host holds it: the grid of nodes with their colours, the curves
// between neighbouring nodes, and the vertices users add on those curves.
#pragma once

#include <scribera/SBTypes.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace scribera {

// A vertex on a mesh curve that is not a node: it sits at the end of Bezier `bezier` of its curve
// (0-based), so the curve shows as two or more mesh segments.
struct MeshVertexMark {
    int32_t bezier = 0;
    SBColor colour{};
};

// A gradient mesh: I columns by J rows of patches. Curves run from the lower-index node to the
// higher one and hold 4 points (one Bezier) or 3k + 4 points (k + 1 Beziers).
struct MeshGrid {
    int32_t columns = 0;                                 // I
    int32_t rows = 0;                                    // J
    std::vector<SBRealPoint> nodes;                      // (I + 1)(J + 1), row by row: index r * (I + 1) + c
    std::vector<SBColor> colours;                        // same index
    std::vector<std::vector<SBRealPoint>> rowCurves;     // (J + 1) * I: node (c, r) to (c + 1, r) at r * I + c
    std::vector<std::vector<SBRealPoint>> columnCurves;  // (I + 1) * J: node (c, r) to (c, r + 1) at c * J + r
    // Non-node vertices per curve, ascending by Bezier; either empty or one list per curve.
    std::vector<std::vector<MeshVertexMark>> rowMarks, columnMarks;
    // Names how many vertices each curve holds: a new stamp whenever that may have changed (the
    // document sets one on every grid it takes), so the suites can keep their numbering of the
    // vertices and segments until it changes. 0: not known, never kept.
    uint64_t layoutStamp = 0;
    static uint64_t NewLayoutStamp();

    // A straight-edged grid over the rectangle with every node coloured `colour`.
    static MeshGrid Rectangular(int32_t columns, int32_t rows, const SBRealRect& area, const SBColor& colour);

    // The arrays agree with the size, every curve holds 4 or 3k + 4 points, and the vertices on a
    // curve lie at distinct inner Bezier ends in ascending order. The suites walk nothing else.
    bool Consistent() const;

    // Adds a vertex on row (or column) curve `curve` at `fraction` (0 … 1) of its parameter, each
    // Bezier counting alike: the Bezier there is split, so the curve keeps its shape. The vertex
    // takes the colour of the curve's two nodes blended at that fraction where the two can be
    // blended, else the nearer node's. False, with the reason, when the curve does not exist, the
    // fraction is not strictly inside, or a vertex is already there.
    bool AddVertex(bool column, size_t curve, double fraction, std::string* why);
};

}  // namespace scribera
