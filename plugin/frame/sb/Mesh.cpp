#include "frame/sb/Mesh.h"

#include "frame/Suites.h"
#include "frame/sb/Art.h"

namespace sb {
using detail::Require;

void MeshInitCartesian(SBArtHandle mesh, int32_t columns, int32_t rows) {
    CheckHostResult(Require(sMesh).InitCartesian(mesh, columns, rows));
}

void MeshGetSize(SBArtHandle mesh, int32_t* columns, int32_t* rows) {
    CheckHostResult(Require(sMesh).GetSize(mesh, columns, rows));
}

SBMeshVertexIterator MeshGetFirstVertex(SBArtHandle mesh) {
    SBMeshVertexIterator it = nullptr;
    CheckHostResult(Require(sMesh).GetFirstVertex(mesh, &it));
    return it;
}

SBMeshSegmentIterator MeshGetFirstSegment(SBArtHandle mesh) {
    SBMeshSegmentIterator it = nullptr;
    CheckHostResult(Require(sMesh).GetFirstSegment(mesh, &it));
    return it;
}

bool MeshSegmentAtEnd(SBMeshSegmentIterator segment) {
    SBBool atEnd = 1;
    CheckHostResult(Require(sMeshSegment).AtEnd(segment, &atEnd));
    return atEnd != 0;
}

void MeshSegmentNext(SBMeshSegmentIterator segment) { CheckHostResult(Require(sMeshSegment).Next(segment)); }
void MeshSegmentRelease(SBMeshSegmentIterator segment) { CheckHostResult(Require(sMeshSegment).Release(segment)); }

SBMeshVertexIterator MeshSegmentStartVertex(SBMeshSegmentIterator segment) {
    SBMeshVertexIterator it = nullptr;
    CheckHostResult(Require(sMeshSegment).GetStartVertex(segment, &it));
    return it;
}

SBMeshVertexIterator MeshSegmentEndVertex(SBMeshSegmentIterator segment) {
    SBMeshVertexIterator it = nullptr;
    CheckHostResult(Require(sMeshSegment).GetEndVertex(segment, &it));
    return it;
}

int32_t MeshSegmentPointCount(SBMeshSegmentIterator segment) {
    int32_t count = 0;
    CheckHostResult(Require(sMeshSegment).GetPointCount(segment, &count));
    return count;
}

SBRealPoint MeshSegmentPoint(SBMeshSegmentIterator segment, int32_t index) {
    SBRealPoint point{0, 0};
    CheckHostResult(Require(sMeshSegment).GetPoint(segment, index, &point));
    return point;
}

void MeshSegmentSetPoint(SBMeshSegmentIterator segment, int32_t index, const SBRealPoint& point) {
    CheckHostResult(Require(sMeshSegment).SetPoint(segment, index, &point));
}

void MeshSegmentInsertBeziers(SBMeshSegmentIterator segment, int32_t index, int32_t count) {
    CheckHostResult(Require(sMeshSegment).InsertBeziers(segment, index, count));
}

bool MeshVertexAtEnd(SBMeshVertexIterator vertex) {
    SBBool atEnd = 1;
    CheckHostResult(Require(sMeshVertex).AtEnd(vertex, &atEnd));
    return atEnd != 0;
}

void MeshVertexNext(SBMeshVertexIterator vertex) { CheckHostResult(Require(sMeshVertex).Next(vertex)); }
void MeshVertexRelease(SBMeshVertexIterator vertex) { CheckHostResult(Require(sMeshVertex).Release(vertex)); }

bool MeshVertexIsNode(SBMeshVertexIterator vertex) {
    SBBool node = 0;
    CheckHostResult(Require(sMeshVertex).IsNode(vertex, &node));
    return node != 0;
}

SBRealPoint MeshVertexPoint(SBMeshVertexIterator vertex) {
    SBRealPoint point{0, 0};
    CheckHostResult(Require(sMeshVertex).GetPoint(vertex, &point));
    return point;
}

void MeshVertexSetPoint(SBMeshVertexIterator vertex, const SBRealPoint& point) {
    CheckHostResult(Require(sMeshVertex).SetPoint(vertex, &point));
}

SBColor MeshVertexColor(SBMeshVertexIterator vertex) {
    SBColor color{};
    CheckHostResult(Require(sMeshVertex).GetColor(vertex, &color));
    return color;
}

void MeshVertexSetColor(SBMeshVertexIterator vertex, const SBColor& color) {
    CheckHostResult(Require(sMeshVertex).SetColor(vertex, &color));
}

void MeshVertexUV(SBMeshVertexIterator vertex, double* u, double* v) {
    CheckHostResult(Require(sMeshVertex).GetUV(vertex, u, v));
}

MeshSegmentHolder::~MeshSegmentHolder() {
    if (it_ && sMeshSegment) sMeshSegment->Release(it_);
}

void MeshSegmentHolder::Release() {
    SBMeshSegmentIterator it = it_;
    it_ = nullptr;
    if (it) MeshSegmentRelease(it);
}

MeshVertexHolder::~MeshVertexHolder() {
    if (it_ && sMeshVertex) sMeshVertex->Release(it_);
}

void MeshVertexHolder::Release() {
    SBMeshVertexIterator it = it_;
    it_ = nullptr;
    if (it) MeshVertexRelease(it);
}

}  // namespace sb
