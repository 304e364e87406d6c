// A gradient mesh as the tools change it: I columns by J rows of patches, one colour per node and
// the curves between neighbouring nodes as path lists. Node (c, r) has the index r·(I + 1) + c;
// row curve r·I + c runs from node (c, r) to (c + 1, r), column curve c·J + r from (c, r) to
// (c, r + 1). Reading and writing host meshes is in MeshCurveGridIO.
#pragma once

#include "geometry/PathList.h"

#include <scribera/SBTypes.h>

#include <cstdint>
#include <vector>

class MeshCurveGrid {
public:
    MeshCurveGrid() = default;
    // The arrays must have (J + 1)·I row curves, (I + 1)·J column curves and (I + 1)(J + 1)
    // colours, with I and J at least 1 (CheckFailure otherwise).
    MeshCurveGrid(int32_t columns, int32_t rows, std::vector<ZPathList> rowCurves, std::vector<ZPathList> columnCurves,
                  std::vector<SBColor> colours);

    int32_t Columns() const { return columns_; }
    int32_t Rows() const { return rows_; }
    int32_t NodeCount() const { return static_cast<int32_t>(colours_.size()); }
    int32_t RowCurveCount() const { return static_cast<int32_t>(rowCurves_.size()); }
    int32_t ColumnCurveCount() const { return static_cast<int32_t>(columnCurves_.size()); }

    // An index outside the array raises CheckFailure.
    const ZPathList& RowCurve(int32_t index) const;
    const ZPathList& ColumnCurve(int32_t index) const;
    void SetRowCurve(int32_t index, const ZPathList& curve);
    void SetColumnCurve(int32_t index, const ZPathList& curve);
    const SBColor& Colour(int32_t node) const;
    // Node positions as read from a host mesh; empty for a grid made from parts.
    const std::vector<RealPoint>& Nodes() const { return nodes_; }

protected:
    int32_t columns_ = 0;
    int32_t rows_ = 0;
    std::vector<RealPoint> nodes_;
    std::vector<SBColor> colours_;
    std::vector<ZPathList> rowCurves_;
    std::vector<ZPathList> columnCurves_;
};
