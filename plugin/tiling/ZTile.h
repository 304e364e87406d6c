// A cell turns the selected paths into the motif of one wallpaper group: it cuts them down to the
// group's fundamental region with the mirror engine and, for groups with mirror lines, adds the
// mirrored halves. In pattern mode nothing is cut: the selection is gathered and reflect-copied
// across the same lines. Made for one drag step, built once, dropped.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>
#include <memory>

class VMirror;

class ZTile {
public:
    // Copies the handles (the caller keeps its list); the art itself is never owned.
    ZTile(const ArtList& art, const RealPoint& origin, float width, float height, int32_t tileMode, int32_t closedCut);
    virtual ~ZTile();
    ZTile(const ZTile&) = delete;
    ZTile& operator=(const ZTile&) = delete;

    // The motif as one object, or null when nothing is left. What the steps remove or make is
    // changed in the document at once; the drag's revert takes it back.
    virtual ArtHandle Build() = 0;

    // An axis at `angle` degrees placed at the cell origin + (dh, dv); `flip` passes the angle
    // through QuadrantAngle.
    struct Axis {
        float angle;
        double dh, dv;
        bool flip = true;
    };

protected:
    template <int C, int M, int R>
    ArtHandle Steps(const Axis (&cuts)[C], const Axis (&mirrors)[M], const Axis (&reflects)[R]) {
        return Steps(cuts, C, mirrors, M, reflects, R);
    }
    // Cuts alone: the cell has no mirror lines.
    template <int C>
    ArtHandle CutsOnly(const Axis (&cuts)[C]) {
        return Steps(cuts, C, nullptr, 0, nullptr, 0);
    }

    // The whole sequence: the cuts (the first on the selection), then the mirrors in the tile
    // modes; in pattern mode the gathered selection reflect-copied across each `reflects` axis.
    ArtHandle Steps(const Axis* cuts, int cutCount, const Axis* mirrors, int mirrorCount, const Axis* reflects,
                    int reflectCount);

    float QuadrantAngleOf(float angle) const;
    void CutStep(const Axis& axis, bool fromSource);
    void MirrorStep(const Axis& axis);
    ArtHandle ReflectCopyStep(const Axis& axis, ArtHandle art);

    ArtList sourceArt;
    ArtList workingArt;
    RealPoint cellOrigin;
    float cellWidth;
    float cellHeight;
    int32_t tileMode;
    int32_t closedCut;

private:
    void RunEngine(const Axis& axis, int32_t mirrorType, const ArtList& art);
    std::unique_ptr<VMirror> engine_;
};
