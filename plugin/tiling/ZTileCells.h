// The fifteen cells, one per wallpaper group they serve (full notation); each is its own sequence
// of cut, mirror and reflect-copy axes, written for a drag up and to the right.
#pragma once

#include "tiling/ZTile.h"

// p1: the parallelogram leaning `skewAngle` degrees from the vertical.
class ZTileParallelogram final : public ZTile {
public:
    ZTileParallelogram(const ArtList& art, const RealPoint& origin, float width, float height, float skewAngle,
                       int32_t tileMode, int32_t closedCut)
        : ZTile(art, origin, width, height, tileMode, closedCut), skewAngle(skewAngle) {}
    ArtHandle Build() override;

    float skewAngle;
};

// p2: the triangle of the origin, the far bottom corner and `apex`.
class ZTilep2 final : public ZTile {
public:
    ZTilep2(const ArtList& art, const RealPoint& origin, float width, float height, float skewAngle,
            const RealPoint& apex, int32_t tileMode, int32_t closedCut)
        : ZTile(art, origin, width, height, tileMode, closedCut), skewAngle(skewAngle), apex(apex) {}
    ArtHandle Build() override;

    float skewAngle;
    RealPoint apex;
};

// pm.
class ZTilep1m final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// the plain rectangle: pg, pgg and p4.
class ZTileRectangle final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// pmm.
class ZTilep2mm final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// pmg.
class ZTilep2mg final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// cm.
class ZTilec1m final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// cmm.
class ZTilec2mm final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p3.
class ZTilep3 final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p3m1.
class ZTilep3m1 final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p31m.
class ZTilep31m final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p4m.
class ZTilep4m final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p4g.
class ZTilep4g final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p6.
class ZTilep6 final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};

// p6m.
class ZTilep6m final : public ZTile {
public:
    using ZTile::ZTile;
    ArtHandle Build() override;
};
