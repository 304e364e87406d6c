// Transforms of whole art trees in place, with the paint that carries its own placement
// (gradient fills, pattern fills, pattern strokes); container searches; gathering and releasing
// groups.
#pragma once

#include "geometry/BezierGeometry.h"
#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>

// Callers pass depth 0: only the object and its descendants change, never its siblings.
void TranslateArt(ArtHandle art, float dh, float dv, int32_t depth = 0);
// (h, v) → (h + dh, 2·axisV − v).
void GlideReflectArt(ArtHandle art, float dh, float axisV, int32_t depth = 0);
void ReflectArtAcrossLine(ArtHandle art, const Line& line, int32_t depth = 0);
// Counter-clockwise about the centre; sinA and cosA are the sine and cosine of the angle.
void RotateArtAboutPoint(ArtHandle art, float angle, float sinA, float cosA, const RealPoint& centre,
                         int32_t depth = 0);

// One object standing for the list (a new group when there are several), or null for none.
ArtHandle GatherArt(const ArtList& list);
ArtHandle FindCompoundPathAncestor(ArtHandle art);
ArtHandle FindClipGroupAncestor(ArtHandle art);
// The children take the group's place in their order; the group is disposed of.
void ReleaseGroup(ArtHandle group);
// Every object of the kind in the object, its following siblings and all their descendants.
void CollectArtOfKind(ArtHandle art, int16_t kind, ArtList& list);
