// The outline of the fundamental cell shown during a tile drag: the cell's outline and, 2 units
// inside it, a second one, so that the cell reads as a double line over any art.
#pragma once

#include "geometry/GeometryTypes.h"

#include <vector>

class VSubTileArt {
public:
    VSubTileArt() = default;
    virtual ~VSubTileArt() = default;
    VSubTileArt(const VSubTileArt&) = delete;
    VSubTileArt& operator=(const VSubTileArt&) = delete;

    // Two new closed paths of straight sides: the outline and its inset.
    void DrawGuide(const std::vector<RealPoint>& polygon);
    void DisposeGuide();
    // Lets go of the paths without touching the document: the drag step's revert took them.
    void ForgetGuide();

    ArtHandle Outline() const { return outline_; }
    ArtHandle Inset() const { return inset_; }

private:
    ArtHandle outline_ = nullptr;
    ArtHandle inset_ = nullptr;
};
