#include "tiling/ZTileCells.h"

#include "geometry/Numeric.h"

#include <cmath>

// The steps read {angle, dh, dv}: the axis at that angle placed at the cell origin + (dh, dv), w and
// h being the cell's signed sizes.

ArtHandle ZTileParallelogram::Build() {
    const float w = cellWidth, h = cellHeight;
    const Axis cuts[] = {{90, 0, 0}, {-skewAngle, 0, 0}, {270, 0, h}, {180 - skewAngle, w, 0}};
    return CutsOnly(cuts);
}

ArtHandle ZTilep2::Build() {
    const float w = cellWidth, h = cellHeight;
    // The side from the far bottom corner up to the apex, its normal toward the origin.
    float beta = static_cast<float>(std::atan((cellOrigin.h + w - apex.h) / h)) * 180.0f / kPiF;
    if (w > 0) beta += 180.0f;
    const Axis cuts[] = {{90, 0, 0}, {-skewAngle, 0, 0}, {beta, w, 0, false}};
    return CutsOnly(cuts);
}

ArtHandle ZTilep1m::Build() {
    const float w = cellWidth, h = cellHeight;
    const Axis cuts[] = {{180, w, 0}, {270, 0, h}, {90, 0, 0}};
    const Axis mirrors[] = {{0, 0, 0}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTileRectangle::Build() {
    const float w = cellWidth, h = cellHeight;
    const Axis cuts[] = {{180, w, 0}, {270, 0, h}, {0, 0, 0}, {90, 0, 0}};
    return CutsOnly(cuts);
}

ArtHandle ZTilep2mm::Build() {
    const float w = cellWidth, h = cellHeight;
    const Axis cuts[] = {{180, w, 0}, {270, 0, h}};
    const Axis mirrors[] = {{0, 0, 0}, {90, 0, 0}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilep2mg::Build() {
    const float w = cellWidth, h = cellHeight;
    const Axis cuts[] = {{0, 0, 0}, {270, 0, h}, {90, 0, 0}};
    const Axis mirrors[] = {{180, w, 0}};
    return Steps(cuts, mirrors, mirrors);
}

namespace {

// The rhombus side from (w, 0) to (0, h), as the angle of its inward normal.
float RhombusSideAngle(float w, float h) {
    return 180.0f + static_cast<float>(std::atan(static_cast<double>(std::fabs(w) / std::fabs(h)))) * 180.0f / kPiF;
}

}  // namespace

ArtHandle ZTilec1m::Build() {
    const float w = cellWidth;
    const float theta = RhombusSideAngle(cellWidth, cellHeight);
    const Axis cuts[] = {{theta, w, 0}, {-theta, w, 0}};
    const Axis mirrors[] = {{0, 0, 0}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilec2mm::Build() {
    const float w = cellWidth;
    const float theta = RhombusSideAngle(cellWidth, cellHeight);
    const Axis cuts[] = {{theta, w, 0}};
    const Axis mirrors[] = {{0, 0, 0}, {90, 0, 0}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilep3::Build() {
    const float h = cellHeight;
    const Axis cuts[] = {{240, 0, h}, {-60, 0, h}, {120, 0, 0}, {60, 0, 0}};
    return CutsOnly(cuts);
}

ArtHandle ZTilep3m1::Build() {
    const float h = cellHeight;
    const Axis cuts[] = {{240, 0, h}, {120, 0, 0}};
    const Axis mirrors[] = {{0, 0, 0}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilep31m::Build() {
    const float h = cellHeight;
    const Axis cuts[] = {{60, 0, 0}, {120, 0, 0}};
    const Axis mirrors[] = {{-90, 0, h}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilep4m::Build() {
    const float w = cellWidth;
    const Axis cuts[] = {{180, w, 0}};
    const Axis mirrors[] = {{-45, 0, 0}, {0, 0, 0}, {90, 0, 0}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilep4g::Build() {
    const float h = cellHeight;
    const Axis cuts[] = {{0, 0, 0}, {90, 0, 0}};
    const Axis mirrors[] = {{225, 0, h}};
    return Steps(cuts, mirrors, mirrors);
}

ArtHandle ZTilep6::Build() {
    const float h = cellHeight;
    const Axis cuts[] = {{0, 0, 0}, {240, 0, h}, {120, 0, 0}};
    return CutsOnly(cuts);
}

ArtHandle ZTilep6m::Build() {
    const float h = cellHeight;
    const Axis cuts[] = {{0, 0, 0}, {240, 0, h}};
    const Axis mirrors[] = {{150, 0, 0}};
    const Axis reflects[] = {{120, 0, 0}};
    return Steps(cuts, mirrors, reflects);
}
