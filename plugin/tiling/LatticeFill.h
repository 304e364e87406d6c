// The fill at mouse up: the tile repeated over the extent on its lattice, the copies that reach
// past the extent trimmed at its edges with the mirror engine, all of them in one new group that
// takes the single tile's place. Before it, an estimate of the art it makes, and a question when
// that is a lot.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"
#include "tiling/TileGeometry.h"

#include <cstdint>

class LatticeFill {
public:
    LatticeFill(ArtHandle tileArt, const TileLattice& lattice, const TileExtent& extent, int32_t tileMode)
        : tileArt_(tileArt), lattice_(lattice), extent_(extent), tileMode_(tileMode) {}

    // False when the user declined to make that much art; the drag is then reverted.
    bool EstimateAndConfirm();
    // Raises HostError or CheckFailure part way; the caller reverts the drag.
    void FillLattice();
    // Trims one copy whose lattice box is given at the extent's edges it crosses.
    void CutAtExtent(ArtHandle copy, float left, float right, float bottom, float top);

    // The group holding every copy, after the fill.
    ArtHandle Filled() const { return filled_; }
    const TileLattice& Lattice() const { return lattice_; }

    static constexpr const char* kQuestion = "That's a lot of art you're going to create. Proceed?";

private:
    ArtHandle tileArt_;
    TileLattice lattice_;
    TileExtent extent_;
    int32_t tileMode_;
    ArtHandle filled_ = nullptr;
};
