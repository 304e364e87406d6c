// Transforms of whole art trees in place, with the paint that carries its own placement
// (gradient fills, pattern fills, pattern strokes); container searches; gathering and releasing
// groups.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>
#include <vector>

// Callers pass depth 0: only the object and its descendants change, never its siblings.
void TranslateArt(ArtHandle art, float dh, float dv, int32_t depth = 0);
// (h, v) → (h + dh, 2·axisV − v).
void GlideReflectArt(ArtHandle art, float dh, float axisV, int32_t depth = 0);
void ReflectArtAcrossLine(ArtHandle art, const Line& line, int32_t depth = 0);
// Counter-clockwise about the centre; sinA and cosA are the sine and cosine of the angle.
void RotateArtAboutPoint(ArtHandle art, float angle, float sinA, float cosA, const RealPoint& centre,
                         int32_t depth = 0);

// An object's paths (anchors and paint) read once, so that many duplicates of it can be turned
// without reading each back: WriteRotated on an unchanged duplicate gives exactly what
// RotateArtAboutPoint gives on it, with a third of the host calls per path.
class ArtSnapshot {
public:
    explicit ArtSnapshot(ArtHandle art);
    // A duplicate whose tree differs from the object read raises CheckFailure.
    void WriteRotated(ArtHandle copy, float angle, float sinA, float cosA, const RealPoint& centre) const;

private:
    struct Node {
        bool isPath = false;
        int16_t count = 0;
        size_t first = 0;  // into anchors_
        SBPathStyle style{};
    };
    void Read(ArtHandle art, int32_t depth);

    std::vector<Node> nodes_;  // in the order the transforms walk the tree
    std::vector<PathSegment> anchors_;
};

// One object standing for the list (a new group when there are several), or null for none.
ArtHandle GatherArt(const ArtList& list);
ArtHandle FindCompoundPathAncestor(ArtHandle art);
ArtHandle FindClipGroupAncestor(ArtHandle art);
// The children take the group's place in their order; the group is disposed of.
void ReleaseGroup(ArtHandle group);
// Every object of the kind in the object, its following siblings and all their descendants.
void CollectArtOfKind(ArtHandle art, int16_t kind, ArtList& list);
