// A gradient mesh in a form the plug-in can change: a grid of nodes with one colour each, and the
// curves between neighbouring nodes as path lists. Reading and writing host meshes is in
// ZMeshDataIO; this part touches no host.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/GeometryTypes.h"
#include "geometry/PathList.h"

#include <scribera/SBTypes.h>

#include <cstdint>
#include <vector>

// The host's colour record, copied whole.
using MeshColour = SBColor;

class ZMeshData {
public:
    ZMeshData();
    // From parts: (J + 1)·I row curves, (I + 1)·J column curves and (I + 1)(J + 1) colours; the
    // node positions are left at the curves' ends. Sizes that do not fit raise CheckFailure.
    ZMeshData(int32_t columns, int32_t rows, const std::vector<ZPathList>& rowCurves,
              const std::vector<ZPathList>& columnCurves, const std::vector<MeshColour>& colours);
    virtual ~ZMeshData();
    ZMeshData(const ZMeshData&) = default;
    ZMeshData& operator=(const ZMeshData&) = default;

    int32_t Columns() const { return columns_; }  // I
    int32_t Rows() const { return rows_; }        // J
    int32_t NodeIndex(int32_t c, int32_t r) const { return r * (columns_ + 1) + c; }
    int32_t NodeCount() const { return (columns_ + 1) * (rows_ + 1); }
    int32_t RowCurveCount() const { return (rows_ + 1) * columns_; }
    int32_t ColumnCurveCount() const { return (columns_ + 1) * rows_; }

    // Copies of a curve; an index outside the array raises CheckFailure.
    void RowCurve(int32_t index, ZPathList& out) const;
    void ColumnCurve(int32_t index, ZPathList& out) const;
    void SetRowCurve(int32_t index, const ZPathList& curve);
    void SetColumnCurve(int32_t index, const ZPathList& curve);
    // The curve itself, for reading without a copy (same check).
    const ZPathList& RowCurveAt(int32_t index) const;
    const ZPathList& ColumnCurveAt(int32_t index) const;

    RealPoint Node(int32_t index) const;
    void SetNode(int32_t index, const RealPoint& point);
    const MeshColour& Colour(int32_t index) const;
    void SetColour(int32_t index, const MeshColour& colour);

    // Every point of every curve reflected across the line; nodes and colours stay.
    void Reflect(const Line& line);

protected:
    // A grid of that size with empty curves, unset nodes and zeroed colours.
    void Resize(int32_t columns, int32_t rows);
    ZPathList& MutableRowCurve(int32_t index);
    ZPathList& MutableColumnCurve(int32_t index);

    std::vector<RealPoint> nodes_;
    std::vector<MeshColour> colours_;
    std::vector<ZPathList> rowCurves_;
    std::vector<ZPathList> columnCurves_;
    int32_t columns_ = 0;
    int32_t rows_ = 0;
};

// The colour at f (0 … 1) between a and b: a copy of b when f > 0.5, else of a; then, when both
// are gray, four-colour, three-colour, or tints of one custom colour, the components blended.
// f outside 0 … 1 raises CheckFailure.
MeshColour BlendMeshColours(const MeshColour& a, const MeshColour& b, float f);
