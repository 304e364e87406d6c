#include "tools/MeshCurveGridIO.h"

#include "frame/sb/Art.h"
#include "frame/sb/Mesh.h"
#include "geometry/Errors.h"

#include <cmath>
#include <utility>
#include <vector>

namespace {

// A grid filled by the reader.
class ReadGrid : public MeshCurveGrid {
public:
    explicit ReadGrid(ArtHandle mesh);
    MeshCurveGrid Take() { return std::move(*this); }

private:
    void ReadNodes(ArtHandle mesh);
    void ReadCurves(ArtHandle mesh);
};

// The Beziers of the segment under the iterator, appended to the curve.
void AppendSegmentBeziers(SBMeshSegmentIterator segment, ZPathList& curve) {
    const int32_t n = sb::MeshSegmentPointCount(segment);
    CheckCondition(n == 4 || (n >= 7 && (n - 4) % 3 == 0));
    const int32_t beziers = n == 4 ? 1 : (n - 4) / 3 + 1;
    for (int32_t b = 0; b < beziers; ++b)
        curve.AppendRaw(BezierSegment{sb::MeshSegmentPoint(segment, 3 * b), sb::MeshSegmentPoint(segment, 3 * b + 1),
                                      sb::MeshSegmentPoint(segment, 3 * b + 2),
                                      sb::MeshSegmentPoint(segment, 3 * b + 3)});
}

struct VertexPlace {
    bool node;
    double u, v;
};

VertexPlace PlaceOf(SBMeshVertexIterator vertex) {
    sb::MeshVertexHolder held(vertex);
    VertexPlace place{sb::MeshVertexIsNode(vertex), 0, 0};
    sb::MeshVertexUV(vertex, &place.u, &place.v);
    held.Release();
    return place;
}

// Halves away from zero.
int32_t RoundedCoordinate(double x) {
    CheckCondition(std::fabs(x - std::round(x)) <= 1e-5 && std::fabs(x) < 1e6);
    return static_cast<int32_t>(std::round(x));
}

}  // namespace

ReadGrid::ReadGrid(ArtHandle mesh) {
    CheckCondition(sb::GetArtType(mesh) == kArtMesh);
    sb::MeshGetSize(mesh, &columns_, &rows_);
    CheckCondition(columns_ >= 1 && rows_ >= 1);
    const size_t I = static_cast<size_t>(columns_), J = static_cast<size_t>(rows_);
    rowCurves_.resize((J + 1) * I);
    columnCurves_.resize((I + 1) * J);
    ReadNodes(mesh);
    ReadCurves(mesh);
}

void ReadGrid::ReadNodes(ArtHandle mesh) {
    const size_t expected = static_cast<size_t>(columns_ + 1) * static_cast<size_t>(rows_ + 1);
    sb::MeshVertexHolder vertex(sb::MeshGetFirstVertex(mesh));
    for (; !sb::MeshVertexAtEnd(vertex.Get()); sb::MeshVertexNext(vertex.Get())) {
        if (!sb::MeshVertexIsNode(vertex.Get())) continue;
        CheckCondition(nodes_.size() < expected);
        nodes_.push_back(sb::MeshVertexPoint(vertex.Get()));
        colours_.push_back(sb::MeshVertexColor(vertex.Get()));
    }
    vertex.Release();
    CheckCondition(nodes_.size() == expected);
}

void ReadGrid::ReadCurves(ArtHandle mesh) {
    const int32_t I = columns_, J = rows_;
    sb::MeshSegmentHolder segment(sb::MeshGetFirstSegment(mesh));
    while (!sb::MeshSegmentAtEnd(segment.Get())) {
        const VertexPlace start = PlaceOf(sb::MeshSegmentStartVertex(segment.Get()));
        VertexPlace end = PlaceOf(sb::MeshSegmentEndVertex(segment.Get()));
        CheckCondition(start.node);
        const int32_t c = RoundedCoordinate(start.u), r = RoundedCoordinate(start.v);
        CheckCondition(c >= 0 && r >= 0 && c <= I && r <= J);
        ZPathList* target = nullptr;
        if (std::fabs(start.u - end.u) < 1e-8) {
            CheckCondition(start.v < end.v && r < J);
            target = &columnCurves_[static_cast<size_t>(c) * J + r];
        } else if (std::fabs(start.v - end.v) < 1e-8) {
            CheckCondition(end.u > start.u && c < I);
            target = &rowCurves_[static_cast<size_t>(r) * I + c];
        } else {
            throw CheckFailure();
        }
        AppendSegmentBeziers(segment.Get(), *target);
        while (!end.node) {
            sb::MeshSegmentNext(segment.Get());
            CheckCondition(!sb::MeshSegmentAtEnd(segment.Get()));
            end = PlaceOf(sb::MeshSegmentEndVertex(segment.Get()));
            AppendSegmentBeziers(segment.Get(), *target);
        }
        sb::MeshSegmentNext(segment.Get());
    }
    segment.Release();
    for (const auto* curves : {&rowCurves_, &columnCurves_})
        for (const ZPathList& curve : *curves) CheckCondition(curve.Count() > 0);
}

MeshCurveGrid ReadMeshCurveGrid(ArtHandle mesh) { return ReadGrid(mesh).Take(); }

namespace {

void WriteCurve(SBMeshSegmentIterator segment, const ZPathList& curve) {
    const int32_t beziers = curve.Count();
    CheckCondition(beziers > 0);
    if (beziers > 1) sb::MeshSegmentInsertBeziers(segment, 0, beziers - 1);
    const BezierSegment first = curve.SegmentAt(0);
    sb::MeshSegmentSetPoint(segment, 0, first.p0);
    for (int32_t b = 0; b < beziers; ++b) {
        const BezierSegment s = b == 0 ? first : curve.SegmentAt(b);
        sb::MeshSegmentSetPoint(segment, 3 * b + 1, s.c0);
        sb::MeshSegmentSetPoint(segment, 3 * b + 2, s.c1);
        sb::MeshSegmentSetPoint(segment, 3 * b + 3, s.p3);
    }
}

}  // namespace

void WriteMeshCurveGrid(const MeshCurveGrid& grid, ArtHandle mesh) {
    const int32_t I = grid.Columns(), J = grid.Rows();
    CheckCondition(I >= 1 && J >= 1);
    sb::MeshInitCartesian(mesh, I, J);
    sb::MeshVertexHolder vertex(sb::MeshGetFirstVertex(mesh));
    for (int32_t node = 0; node < grid.NodeCount(); ++node) {
        sb::MeshVertexSetColor(vertex.Get(), grid.Colour(node));
        sb::MeshVertexNext(vertex.Get());
    }
    vertex.Release();
    sb::MeshSegmentHolder segment(sb::MeshGetFirstSegment(mesh));
    for (int32_t r = 0; r <= J; ++r)
        for (int32_t c = 0; c < I; ++c) {
            WriteCurve(segment.Get(), grid.RowCurve(r * I + c));
            sb::MeshSegmentNext(segment.Get());
        }
    for (int32_t c = 0; c <= I; ++c)
        for (int32_t r = 0; r < J; ++r) {
            WriteCurve(segment.Get(), grid.ColumnCurve(c * J + r));
            sb::MeshSegmentNext(segment.Get());
        }
    segment.Release();
}
