// Document and selection helpers every tool uses. Each host call inside raises HostError on
// failure; nothing made before a failure is rolled back.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>

// New art of the kind on top of the current layer, wearing the document's current art style.
ArtHandle NewArtOfKind(int16_t kind);
void NewArtOfKind(int16_t kind, ArtHandle* art);

void DeselectAll();

// Append the selected objects of the kinds named, nested ones included, in the host's order.
void CollectSelectedMeshes(ArtList& list);
void CollectSelectedPathsAndMeshes(ArtList& list);
void CollectSelectedPaths(ArtList& list);

// Adds the paths of the tree, and their anchor counts, to the counts. At depth 0 the object's
// siblings are left out.
void CountPathsAndSegments(ArtHandle art, int32_t& paths, int32_t& segments, int32_t depth = 0);

// Extents as (minimum h, maximum h, minimum v, maximum v), vertical axis up.
void ViewExtent(float& minH, float& maxH, float& minV, float& maxV);
void ArtboardExtent(float& minH, float& maxH, float& minV, float& maxV);
void PageExtent(float& minH, float& maxH, float& minV, float& maxV);
