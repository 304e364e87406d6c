#include "frame/sb/Mesh.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"
#include "frame/sb/Art.h"

namespace sb {

void MeshInitCartesian(SBArtHandle mesh, int32_t columns, int32_t rows) {
    CheckHostResult(HeldSuite(sMesh).InitCartesian(mesh, columns, rows));
}

void MeshGetSize(SBArtHandle mesh, int32_t* columns, int32_t* rows) {
    CheckHostResult(HeldSuite(sMesh).GetSize(mesh, columns, rows));
}

SBMeshVertexIterator MeshGetFirstVertex(SBArtHandle mesh) {
    SBMeshVertexIterator it = nullptr;
    CheckHostResult(HeldSuite(sMesh).GetFirstVertex(mesh, &it));
    return it;
}

SBMeshSegmentIterator MeshGetFirstSegment(SBArtHandle mesh) {
    SBMeshSegmentIterator it = nullptr;
    CheckHostResult(HeldSuite(sMesh).GetFirstSegment(mesh, &it));
    return it;
}

bool MeshSegmentAtEnd(SBMeshSegmentIterator segment) {
    SBBool atEnd = 1;
    CheckHostResult(HeldSuite(sMeshSegment).AtEnd(segment, &atEnd));
    return atEnd != 0;
}

void MeshSegmentNext(SBMeshSegmentIterator segment) { CheckHostResult(HeldSuite(sMeshSegment).Next(segment)); }
void MeshSegmentRelease(SBMeshSegmentIterator segment) { CheckHostResult(HeldSuite(sMeshSegment).Release(segment)); }

SBMeshVertexIterator MeshSegmentStartVertex(SBMeshSegmentIterator segment) {
    SBMeshVertexIterator it = nullptr;
    CheckHostResult(HeldSuite(sMeshSegment).GetStartVertex(segment, &it));
    return it;
}

SBMeshVertexIterator MeshSegmentEndVertex(SBMeshSegmentIterator segment) {
    SBMeshVertexIterator it = nullptr;
    CheckHostResult(HeldSuite(sMeshSegment).GetEndVertex(segment, &it));
    return it;
}

int32_t MeshSegmentPointCount(SBMeshSegmentIterator segment) {
    int32_t count = 0;
    CheckHostResult(HeldSuite(sMeshSegment).GetPointCount(segment, &count));
    return count;
}

SBRealPoint MeshSegmentPoint(SBMeshSegmentIterator segment, int32_t index) {
    SBRealPoint point{0, 0};
    CheckHostResult(HeldSuite(sMeshSegment).GetPoint(segment, index, &point));
    return point;
}

void MeshSegmentSetPoint(SBMeshSegmentIterator segment, int32_t index, const SBRealPoint& point) {
    CheckHostResult(HeldSuite(sMeshSegment).SetPoint(segment, index, &point));
}

void MeshSegmentInsertBeziers(SBMeshSegmentIterator segment, int32_t index, int32_t count) {
    CheckHostResult(HeldSuite(sMeshSegment).InsertBeziers(segment, index, count));
}

bool MeshVertexAtEnd(SBMeshVertexIterator vertex) {
    SBBool atEnd = 1;
    CheckHostResult(HeldSuite(sMeshVertex).AtEnd(vertex, &atEnd));
    return atEnd != 0;
}

void MeshVertexNext(SBMeshVertexIterator vertex) { CheckHostResult(HeldSuite(sMeshVertex).Next(vertex)); }
void MeshVertexRelease(SBMeshVertexIterator vertex) { CheckHostResult(HeldSuite(sMeshVertex).Release(vertex)); }

bool MeshVertexIsNode(SBMeshVertexIterator vertex) {
    SBBool node = 0;
    CheckHostResult(HeldSuite(sMeshVertex).IsNode(vertex, &node));
    return node != 0;
}

SBRealPoint MeshVertexPoint(SBMeshVertexIterator vertex) {
    SBRealPoint point{0, 0};
    CheckHostResult(HeldSuite(sMeshVertex).GetPoint(vertex, &point));
    return point;
}

void MeshVertexSetPoint(SBMeshVertexIterator vertex, const SBRealPoint& point) {
    CheckHostResult(HeldSuite(sMeshVertex).SetPoint(vertex, &point));
}

SBColor MeshVertexColor(SBMeshVertexIterator vertex) {
    SBColor color{};
    CheckHostResult(HeldSuite(sMeshVertex).GetColor(vertex, &color));
    return color;
}

void MeshVertexSetColor(SBMeshVertexIterator vertex, const SBColor& color) {
    CheckHostResult(HeldSuite(sMeshVertex).SetColor(vertex, &color));
}

void MeshVertexUV(SBMeshVertexIterator vertex, double* u, double* v) {
    CheckHostResult(HeldSuite(sMeshVertex).GetUV(vertex, u, v));
}

MeshSegmentHolder::~MeshSegmentHolder() {
    if (it_ && sMeshSegment) sMeshSegment->Release(it_);
}

// A refused release keeps the iterator, so that the destructor tries once more.
void MeshSegmentHolder::Release() {
    if (!it_) return;
    MeshSegmentRelease(it_);
    it_ = nullptr;
}

MeshVertexHolder::~MeshVertexHolder() {
    if (it_ && sMeshVertex) sMeshVertex->Release(it_);
}

void MeshVertexHolder::Release() {
    if (!it_) return;
    MeshVertexRelease(it_);
    it_ = nullptr;
}

}  // namespace sb
