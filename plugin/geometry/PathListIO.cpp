#include "geometry/PathListIO.h"

#include "frame/sb/Art.h"
#include "frame/sb/Path.h"
#include "frame/sb/Style.h"

#include <vector>

namespace {

ArtHandle NewPathLike(int16_t order, ArtHandle reference) {
    ArtHandle art = sb::NewArt(kArtPath, order, reference);
    sb::CopyBlendingAttributes(reference, art);
    sb::SetArtStyle(art, sb::GetArtStyle(reference));
    return art;
}

}  // namespace

namespace {

// The path's anchors and closed flag in one read; fewer than two anchors give none.
template <class List>
List ReadAs(ArtHandle path) {
    int16_t anchorCount = sb::GetPathSegmentCount(path);
    if (anchorCount <= 1) return List();
    std::vector<PathSegment> anchors(static_cast<size_t>(anchorCount));
    sb::GetPathSegments(path, 0, anchorCount, anchors.data());
    bool closed = sb::GetPathClosed(path);
    return List::FromAnchors(anchors.data(), anchorCount, closed);
}

}  // namespace

ZPathList ReadPathList(ArtHandle path) { return ReadAs<ZPathList>(path); }

ZPathListV ReadPathListV(ArtHandle path) { return ReadAs<ZPathListV>(path); }

bool WritePathList(ZPathList& list, ArtHandle path) {
    list.MergeStraightRuns();
    const std::vector<PathSegment> anchors = list.Anchors();
    if (anchors.empty()) return false;
    const int16_t written = static_cast<int16_t>(anchors.size());
    sb::SetPathSegmentCount(path, written);
    sb::SetPathSegments(path, 0, written, anchors.data());
    sb::SetPathClosed(path, list.IsClosed());
    return true;
}

void WriteAsNewPaths(ZPathListV& list, int16_t order, ArtHandle reference, ArtList& out) {
    // Nothing to draw: an empty path would only litter the document.
    if (list.Count() == 0) return;
    if (list.IsClosed() && !list.HasVirtualSegment()) {
        ArtHandle art = NewPathLike(order, reference);
        WritePathList(list, art);
        out.Append(art);
        return;
    }
    for (ZPathListV& run : list.VisibleRuns()) {
        ArtHandle art = NewPathLike(order, reference);
        WritePathList(run, art);
        out.Append(art);
    }
}
