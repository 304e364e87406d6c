// Mesh curve grids read from and written to host gradient meshes.
#pragma once

#include "geometry/GeometryTypes.h"
#include "tools/MeshCurveGrid.h"

// The mesh's nodes, colours and curves; an edge through vertices that are not nodes is read as one
// curve of several Beziers. Raises CheckFailure when the art is not a mesh or its vertices and
// segments do not make the grid its size says.
MeshCurveGrid ReadMeshCurveGrid(ArtHandle mesh);

// Re-initialises the host mesh as the grid's I × J patches, then gives it the grid's colours and
// curves; the curves' end points place the nodes. A curve without a segment raises CheckFailure
// (the mesh is then partly rewritten).
void WriteMeshCurveGrid(const MeshCurveGrid& grid, ArtHandle mesh);
