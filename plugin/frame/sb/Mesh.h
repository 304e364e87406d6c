// Gradient meshes through the SB Mesh, Mesh Segment and Mesh Vertex Suites.
#pragma once

#include <scribera/SBTypes.h>

#include <cstdint>

namespace sb {

void MeshInitCartesian(SBArtHandle mesh, int32_t columns, int32_t rows);
void MeshGetSize(SBArtHandle mesh, int32_t* columns, int32_t* rows);
SBMeshVertexIterator MeshGetFirstVertex(SBArtHandle mesh);
SBMeshSegmentIterator MeshGetFirstSegment(SBArtHandle mesh);

bool MeshSegmentAtEnd(SBMeshSegmentIterator segment);
void MeshSegmentNext(SBMeshSegmentIterator segment);
void MeshSegmentRelease(SBMeshSegmentIterator segment);
SBMeshVertexIterator MeshSegmentStartVertex(SBMeshSegmentIterator segment);
SBMeshVertexIterator MeshSegmentEndVertex(SBMeshSegmentIterator segment);
int32_t MeshSegmentPointCount(SBMeshSegmentIterator segment);
SBRealPoint MeshSegmentPoint(SBMeshSegmentIterator segment, int32_t index);
void MeshSegmentSetPoint(SBMeshSegmentIterator segment, int32_t index, const SBRealPoint& point);
void MeshSegmentInsertBeziers(SBMeshSegmentIterator segment, int32_t index, int32_t count);

bool MeshVertexAtEnd(SBMeshVertexIterator vertex);
void MeshVertexNext(SBMeshVertexIterator vertex);
void MeshVertexRelease(SBMeshVertexIterator vertex);
bool MeshVertexIsNode(SBMeshVertexIterator vertex);
SBRealPoint MeshVertexPoint(SBMeshVertexIterator vertex);
void MeshVertexSetPoint(SBMeshVertexIterator vertex, const SBRealPoint& point);
SBColor MeshVertexColor(SBMeshVertexIterator vertex);
void MeshVertexSetColor(SBMeshVertexIterator vertex, const SBColor& color);
void MeshVertexUV(SBMeshVertexIterator vertex, double* u, double* v);

// Releases an iterator when it goes out of scope, so a raising call leaks none.
class MeshSegmentHolder {
public:
    explicit MeshSegmentHolder(SBMeshSegmentIterator it = nullptr) : it_(it) {}
    ~MeshSegmentHolder();
    MeshSegmentHolder(const MeshSegmentHolder&) = delete;
    MeshSegmentHolder& operator=(const MeshSegmentHolder&) = delete;
    SBMeshSegmentIterator Get() const { return it_; }
    // Releases now, reporting a refusal; a refused release is tried again when the holder goes.
    void Release();

private:
    SBMeshSegmentIterator it_;
};

class MeshVertexHolder {
public:
    explicit MeshVertexHolder(SBMeshVertexIterator it = nullptr) : it_(it) {}
    ~MeshVertexHolder();
    MeshVertexHolder(const MeshVertexHolder&) = delete;
    MeshVertexHolder& operator=(const MeshVertexHolder&) = delete;
    SBMeshVertexIterator Get() const { return it_; }
    void Release();

private:
    SBMeshVertexIterator it_;
};

}  // namespace sb
