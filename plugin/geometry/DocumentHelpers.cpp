#include "geometry/DocumentHelpers.h"

#include "frame/sb/Art.h"
#include "frame/sb/Document.h"
#include "frame/sb/Path.h"
#include "frame/sb/Style.h"

namespace {

void CollectSelected(const SBMatchingArtSpec* criteria, int16_t count, ArtList& list) {
    sb::MatchingArt matches(criteria, count);
    for (int32_t i = 0; i < matches.Count(); ++i) list.Append(matches.At(i));
    matches.Free();
}

}  // namespace

ArtHandle NewArtOfKind(int16_t kind) {
    ArtHandle layerGroup = sb::GetFirstArtOfLayer(nullptr);
    ArtHandle art = sb::NewArt(kind, kPlaceInsideOnTop, layerGroup);
    sb::SetArtStyle(art, sb::GetCurrentArtStyle());
    return art;
}

void NewArtOfKind(int16_t kind, ArtHandle* art) {
    ArtHandle layerGroup = sb::GetFirstArtOfLayer(nullptr);
    *art = sb::NewArt(kind, kPlaceInsideOnTop, layerGroup);
    sb::SetArtStyle(*art, sb::GetCurrentArtStyle());
}

void DeselectAll() {
    const SBMatchingArtSpec selected{kArtAny, SB_ATTR_SELECTED, SB_ATTR_SELECTED};
    sb::MatchingArt matches(&selected, 1);
    for (int32_t i = 0; i < matches.Count(); ++i) sb::SetArtUserAttr(matches.At(i), SB_ATTR_SELECTED, 0);
    matches.Free();
}

void CollectSelectedMeshes(ArtList& list) {
    const SBMatchingArtSpec selected{kArtMesh, SB_ATTR_SELECTED, SB_ATTR_SELECTED};
    CollectSelected(&selected, 1, list);
}

void CollectSelectedPathsAndMeshes(ArtList& list) {
    const SBMatchingArtSpec criteria[2] = {{kArtPath, SB_ATTR_SELECTED, SB_ATTR_SELECTED},
                                           {kArtMesh, SB_ATTR_SELECTED, SB_ATTR_SELECTED}};
    CollectSelected(criteria, 2, list);
}

void CollectSelectedPaths(ArtList& list) {
    const SBMatchingArtSpec selected{kArtPath, SB_ATTR_SELECTED, SB_ATTR_SELECTED};
    CollectSelected(&selected, 1, list);
}

void CountPathsAndSegments(ArtHandle art, int32_t& paths, int32_t& segments, int32_t depth) {
    for (ArtHandle current = art; current;) {
        ArtHandle next = depth > 0 ? sb::GetArtSibling(current) : nullptr;
        ArtHandle child = sb::GetArtFirstChild(current);
        if (sb::GetArtType(current) == kArtPath) {
            paths += 1;
            segments += sb::GetPathSegmentCount(current);
        }
        if (child) CountPathsAndSegments(child, paths, segments, depth + 1);
        current = next;
    }
}

void ViewExtent(float& minH, float& maxH, float& minV, float& maxV) {
    SBRealRect view = sb::GetDocumentViewBounds(nullptr);
    minH = static_cast<float>(view.left);
    maxH = static_cast<float>(view.right);
    minV = static_cast<float>(view.bottom);
    maxV = static_cast<float>(view.top);
}

void ArtboardExtent(float& minH, float& maxH, float& minV, float& maxV) {
    double width = 0, height = 0;
    sb::GetDocumentSize(&width, &height);
    minH = 0.0f;
    maxH = static_cast<float>(width);
    minV = 0.0f;
    maxV = static_cast<float>(height);
}

void PageExtent(float& minH, float& maxH, float& minV, float& maxV) {
    SBRealPoint origin = sb::GetDocumentRulerOrigin();
    double width = 0, height = 0;
    sb::GetDocumentSize(&width, &height);
    minH = static_cast<float>(origin.h);
    maxH = static_cast<float>(width - origin.h);
    minV = static_cast<float>(origin.v);
    maxV = static_cast<float>(height - origin.v);
}
