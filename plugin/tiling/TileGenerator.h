// One tile per drag step: the previous step is reverted, the cell of the chosen group builds the
// motif from the selection, the group's rotated or glide-reflected copies join it in one group,
// and the lattice the tile repeats on is described for the fill.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "tiling/TileGeometry.h"

class VSubTileArt;

struct TileDrag {
    RealPoint cellOrigin{0, 0};
    float width = 0, height = 0;  // signed
    TileExtent extent;
};

class TileGenerator {
public:
    // Reverts the drag's changes so far, then builds the tile and its guide. True when the drag was
    // large enough for a tile (the step that a symmetry change pauses after).
    bool Generate(const TileParams& params, const TileDrag& drag, const ArtList& selection, VSubTileArt* guide);

    // The motif and its copies (null for none) and where copies of it go.
    ArtHandle tileArt = nullptr;
    TileLattice lattice;

private:
    ArtHandle Assemble(ArtHandle motif, const TilePlan& plan);
};

// The cell of the plan, built on the selection; null when nothing is left.
ArtHandle BuildCell(const TilePlan& plan, const ArtList& selection, const RealPoint& origin, int32_t tileMode,
                    int32_t closedCut);
