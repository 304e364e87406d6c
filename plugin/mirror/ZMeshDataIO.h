// Gradient meshes of the host read into ZMeshData and written back, whole or a rectangle of the
// grid, through the SB Mesh, Mesh Vertex and Mesh Segment Suites.
#pragma once

#include "mirror/ZMeshData.h"
#include "mirror/ZMeshDataCut.h"

#include <cstdint>

class ZMeshDataFromMesh : public ZMeshData {
public:
    // Reads nodes, colours and curves; a mesh whose walk does not make a whole grid (a curve
    // missing, a segment between vertices that are not neighbours, a point count other than 4 or
    // 3k + 4) raises CheckFailure before anything is changed.
    explicit ZMeshDataFromMesh(ArtHandle mesh);
    ~ZMeshDataFromMesh() override;
};

// Re-initialises the host mesh as the grid of nodes c0 … c1 × r0 … r1 of `data` and writes their
// colours and the curves between them. CheckFailure, before the mesh is touched, for an empty or
// out-of-range extent or a curve without segments.
void WriteToMesh(const ZMeshData& data, ArtHandle mesh, int32_t c0, int32_t c1, int32_t r0, int32_t r1);

// The cut grid, shrunk to what did not collapse onto the line, into the (new) mesh.
void WriteCut(ZMeshDataCut& data, ArtHandle mesh);
