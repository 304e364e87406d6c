// The patches of a gradient mesh as Coons patches: four cubic sides round the patch and a colour
// at each corner, for the PNG renderer and the SVG export's preview alike.
#pragma once

#include "core/Document.h"

#include <vector>

namespace scribera::io {

struct CoonsPatch {
    // Corners 0 … 3 are nodes (c, r), (c + 1, r), (c + 1, r + 1), (c, r + 1); side k runs from
    // corner k to corner k + 1 (mod 4).
    SBRealPoint sides[4][4];
    size_t corners[4];  // node indices, into the mesh's nodes and colours

    // The point at (u, v), with u along side 0 and v along side 3 reversed, both 0 … 1.
    SBRealPoint At(double u, double v) const;
};

// Every patch whose four curves are whole; a curve of several Beziers becomes one, exact at its
// ends and along its end tangents.
std::vector<CoonsPatch> CoonsPatches(const MeshGrid& mesh);

// A part of a patch: four cubic sides in the order of CoonsPatch's, and the (u, v) of its corners
// in the whole patch.
struct CoonsPiece {
    SBRealPoint sides[4][4];
    double u[4], v[4];

    // The point at (s, t) of the piece's own Coons surface, as CoonsPatch::At.
    SBRealPoint At(double s, double t) const;
};

// Whether a curve round the patch at node (c, r) holds more than one Bezier (false outside the
// grid).
bool HasJoinedCurves(const MeshGrid& mesh, size_t c, size_t r);

// The patch of CoonsPatches' corners at node (c, r) cut at the joins of its curves' Beziers into
// pieces whose sides lie on the patch's Coons surface, exactly where the curves are drawn, so that
// a curve of several Beziers (a spiked edge, a point added on it) is drawn as it is. One piece when
// every curve is one Bezier; nothing when a curve is not whole.
std::vector<CoonsPiece> CoonsPieces(const MeshGrid& mesh, size_t c, size_t r);

}  // namespace scribera::io
