#include "mirror/ZMeshDataIO.h"

#include "frame/sb/Art.h"
#include "frame/sb/Mesh.h"
#include "geometry/Errors.h"

#include <cmath>
#include <vector>

namespace {

// The Beziers of the segment the iterator is on, appended to the curve.
void AppendSegmentBeziers(SBMeshSegmentIterator segment, ZPathList& curve) {
    const int32_t n = sb::MeshSegmentPointCount(segment);
    CheckCondition(n == 4 || (n >= 7 && (n - 4) % 3 == 0));
    const int32_t beziers = n == 4 ? 1 : (n - 4) / 3 + 1;
    for (int32_t b = 0; b < beziers; ++b) {
        curve.AppendRaw(BezierSegment{sb::MeshSegmentPoint(segment, 3 * b), sb::MeshSegmentPoint(segment, 3 * b + 1),
                                      sb::MeshSegmentPoint(segment, 3 * b + 2),
                                      sb::MeshSegmentPoint(segment, 3 * b + 3)});
    }
}

bool EndIsNode(SBMeshSegmentIterator segment) {
    sb::MeshVertexHolder end(sb::MeshSegmentEndVertex(segment));
    const bool node = sb::MeshVertexIsNode(end.Get());
    end.Release();
    return node;
}

// Within 1e-5 of an integer, rounded half away from zero.
int32_t GridCoordinate(double x) {
    const double rounded = std::round(x);
    CheckCondition(std::isfinite(x) && std::fabs(x - rounded) <= 1e-5);
    return static_cast<int32_t>(rounded);
}

}  // namespace

ZMeshDataFromMesh::ZMeshDataFromMesh(ArtHandle mesh) {
    CheckCondition(sb::GetArtType(mesh) == kArtMesh);
    int32_t columns = 0, rows = 0;
    sb::MeshGetSize(mesh, &columns, &rows);
    Resize(columns, rows);

    int32_t next = 0;
    {
        sb::MeshVertexHolder vertex(sb::MeshGetFirstVertex(mesh));
        for (; !sb::MeshVertexAtEnd(vertex.Get()); sb::MeshVertexNext(vertex.Get())) {
            if (!sb::MeshVertexIsNode(vertex.Get())) continue;
            CheckCondition(next < NodeCount());
            SetNode(next, sb::MeshVertexPoint(vertex.Get()));
            SetColour(next, sb::MeshVertexColor(vertex.Get()));
            ++next;
        }
        vertex.Release();
    }
    CheckCondition(next == NodeCount());

    const int32_t I = columns_, J = rows_;
    sb::MeshSegmentHolder segment(sb::MeshGetFirstSegment(mesh));
    while (!sb::MeshSegmentAtEnd(segment.Get())) {
        double u = 0, v = 0, u2 = 0, v2 = 0;
        {
            sb::MeshVertexHolder start(sb::MeshSegmentStartVertex(segment.Get()));
            CheckCondition(sb::MeshVertexIsNode(start.Get()));
            sb::MeshVertexUV(start.Get(), &u, &v);
            start.Release();
            sb::MeshVertexHolder end(sb::MeshSegmentEndVertex(segment.Get()));
            sb::MeshVertexUV(end.Get(), &u2, &v2);
            end.Release();
        }
        const int32_t c = GridCoordinate(u), r = GridCoordinate(v);
        CheckCondition(c >= 0 && c <= I && r >= 0 && r <= J);
        ZPathList* target = nullptr;
        if (std::fabs(u - u2) < 1e-8) {
            CheckCondition(v < v2 && r < J);
            target = &MutableColumnCurve(c * J + r);
        } else if (std::fabs(v - v2) < 1e-8) {
            CheckCondition(u2 > u && c < I);
            target = &MutableRowCurve(r * I + c);
        } else {
            throw CheckFailure();
        }
        // A curve is read once: a second walk over it would double its Beziers.
        CheckCondition(target->Count() == 0);
        AppendSegmentBeziers(segment.Get(), *target);
        while (!EndIsNode(segment.Get())) {
            sb::MeshSegmentNext(segment.Get());
            CheckCondition(!sb::MeshSegmentAtEnd(segment.Get()));
            AppendSegmentBeziers(segment.Get(), *target);
        }
        sb::MeshSegmentNext(segment.Get());
    }
    segment.Release();
    for (const ZPathList& curve : rowCurves_) CheckCondition(curve.Count() > 0);
    for (const ZPathList& curve : columnCurves_) CheckCondition(curve.Count() > 0);
}

ZMeshDataFromMesh::~ZMeshDataFromMesh() = default;

ZMeshDataCut::ZMeshDataCut(ArtHandle mesh, const Line& cut) : ZMeshDataCut(ZMeshDataFromMesh(mesh), cut, mesh) {}

namespace {

void WriteCurve(SBMeshSegmentIterator segment, const ZPathList& curve) {
    const int32_t beziers = curve.Count();
    CheckCondition(beziers > 0);
    if (beziers > 1) sb::MeshSegmentInsertBeziers(segment, 0, beziers - 1);
    const BezierSegment first = curve.SegmentAt(0);
    sb::MeshSegmentSetPoint(segment, 0, first.p0);
    sb::MeshSegmentSetPoint(segment, 1, first.c0);
    sb::MeshSegmentSetPoint(segment, 2, first.c1);
    sb::MeshSegmentSetPoint(segment, 3, first.p3);
    for (int32_t b = 1; b < beziers; ++b) {
        const BezierSegment s = curve.SegmentAt(b);
        sb::MeshSegmentSetPoint(segment, 3 * b + 1, s.c0);
        sb::MeshSegmentSetPoint(segment, 3 * b + 2, s.c1);
        sb::MeshSegmentSetPoint(segment, 3 * b + 3, s.p3);
    }
}

}  // namespace

void WriteToMesh(const ZMeshData& data, ArtHandle mesh, int32_t c0, int32_t c1, int32_t r0, int32_t r1) {
    const int32_t I = data.Columns(), J = data.Rows();
    CheckCondition(c0 >= 0 && c1 <= I && c0 < c1 && r0 >= 0 && r1 <= J && r0 < r1);
    for (int32_t r = r0; r <= r1; ++r)
        for (int32_t c = c0; c < c1; ++c) CheckCondition(data.RowCurveAt(r * I + c).Count() > 0);
    for (int32_t c = c0; c <= c1; ++c)
        for (int32_t r = r0; r < r1; ++r) CheckCondition(data.ColumnCurveAt(c * J + r).Count() > 0);

    sb::MeshInitCartesian(mesh, c1 - c0, r1 - r0);
    {
        sb::MeshVertexHolder vertex(sb::MeshGetFirstVertex(mesh));
        for (int32_t r = r0; r <= r1; ++r)
            for (int32_t c = c0; c <= c1; ++c) {
                sb::MeshVertexSetColor(vertex.Get(), data.Colour(data.NodeIndex(c, r)));
                sb::MeshVertexNext(vertex.Get());
            }
        vertex.Release();
    }
    sb::MeshSegmentHolder segment(sb::MeshGetFirstSegment(mesh));
    for (int32_t r = r0; r <= r1; ++r)
        for (int32_t c = c0; c < c1; ++c) {
            WriteCurve(segment.Get(), data.RowCurveAt(r * I + c));
            sb::MeshSegmentNext(segment.Get());
        }
    for (int32_t c = c0; c <= c1; ++c)
        for (int32_t r = r0; r < r1; ++r) {
            WriteCurve(segment.Get(), data.ColumnCurveAt(c * J + r));
            sb::MeshSegmentNext(segment.Get());
        }
    segment.Release();
}

void WriteCut(ZMeshDataCut& data, ArtHandle mesh) {
    const MeshExtent e = data.ApplyCut();
    WriteToMesh(data, mesh, e.c0, e.c1, e.r0, e.r1);
}
