#include "geometry/PathListIO.h"

#include "frame/sb/Art.h"
#include "frame/sb/Path.h"
#include "frame/sb/Style.h"
#include "geometry/Errors.h"

#include <vector>

namespace {

ArtHandle NewPathLike(int16_t order, ArtHandle reference) {
    ArtHandle art = sb::NewArt(kArtPath, order, reference);
    sb::CopyBlendingAttributes(reference, art);
    sb::SetArtStyle(art, sb::GetArtStyle(reference));
    return art;
}

// The anchors the list is written as, its straight runs merged. A path its count could not
// say is refused before anything is written: cut short, it would lose the rest of its outline.
std::vector<PathSegment> WritableAnchors(ZPathList& list) {
    list.MergeStraightRuns();
    std::vector<PathSegment> anchors = list.Anchors();
    if (anchors.size() > static_cast<size_t>(ZPathList::kMaxAnchors)) throw HostError(SB_ERR_RANGE);
    return anchors;
}

void WriteAnchors(const std::vector<PathSegment>& anchors, bool closed, ArtHandle path) {
    const int16_t written = static_cast<int16_t>(anchors.size());
    sb::SetPathSegmentCount(path, written);
    sb::SetPathSegments(path, 0, written, anchors.data());
    sb::SetPathClosed(path, closed);
}

}  // namespace

namespace {

// The path's anchors and closed flag in one read; fewer than two anchors give none. A host
// answers a count beyond kMaxAnchors with an error rather than a part of the path.
template <class List>
List ReadAs(ArtHandle path) {
    int16_t anchorCount = sb::GetPathSegmentCount(path);
    if (anchorCount <= 1) return List();
    // Kept from read to read: a drag step reads every selected path, and fresh storage for each
    // was a large share of a small path's cost.
    static thread_local std::vector<PathSegment> anchors;
    anchors.resize(static_cast<size_t>(anchorCount));
    sb::GetPathSegments(path, 0, anchorCount, anchors.data());
    bool closed = sb::GetPathClosed(path);
    return List::FromAnchors(anchors.data(), anchorCount, closed);
}

}  // namespace

ZPathList ReadPathList(ArtHandle path) { return ReadAs<ZPathList>(path); }

ZPathListV ReadPathListV(ArtHandle path) { return ReadAs<ZPathListV>(path); }

bool WritePathList(ZPathList& list, ArtHandle path) {
    const std::vector<PathSegment> anchors = WritableAnchors(list);
    if (anchors.empty()) return false;
    WriteAnchors(anchors, list.IsClosed(), path);
    return true;
}

void WriteAsNewPaths(ZPathListV& list, int16_t order, ArtHandle reference, ArtList& out) {
    // Nothing to draw: an empty path would only litter the document.
    if (list.Count() == 0) return;
    // Every path is checked before the first is made: none is made when one cannot be written.
    if (list.IsClosed() && !list.HasVirtualSegment()) {
        const std::vector<PathSegment> anchors = WritableAnchors(list);
        ArtHandle art = NewPathLike(order, reference);
        if (!anchors.empty()) WriteAnchors(anchors, true, art);
        out.Append(art);
        return;
    }
    std::vector<ZPathListV> runs = list.VisibleRuns();
    std::vector<std::vector<PathSegment>> anchors;
    anchors.reserve(runs.size());
    for (ZPathListV& run : runs) anchors.push_back(WritableAnchors(run));
    for (size_t k = 0; k < runs.size(); ++k) {
        ArtHandle art = NewPathLike(order, reference);
        if (!anchors[k].empty()) WriteAnchors(anchors[k], runs[k].IsClosed(), art);
        out.Append(art);
    }
}
