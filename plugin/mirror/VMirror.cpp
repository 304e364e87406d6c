#include "mirror/VMirror.h"

#include "frame/sb/Art.h"
#include "frame/sb/Math.h"
#include "frame/sb/Path.h"
#include "frame/sb/Style.h"
#include "geometry/ArtTransforms.h"
#include "geometry/Errors.h"
#include "geometry/Numeric.h"
#include "geometry/PathListIO.h"
#include "geometry/RectOverlap.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

using mirror::Crossing;
using mirror::Piece;
using mirror::PieceCluster;

namespace {

void Select(ArtHandle art) { sb::SetArtUserAttr(art, SB_ATTR_SELECTED, SB_ATTR_SELECTED); }

bool IsMirrorCopyMode(int32_t mode) { return mode == CutClosedMirrorCopy || mode == CutOpenMirrorCopy; }

bool BuildsAsPieces(int32_t mode) { return mode == MirrorJoin || mode == CutOpen || mode == CutOpenMirrorCopy; }

// What a run needs from the containers above a path: the nearest compound path and clipping
// group, and the plain groups below the layer, bottom up, each with whether a clipping group
// holds it.
struct Ancestry {
    ArtHandle compound = nullptr;
    ArtHandle clip = nullptr;
    std::vector<std::pair<ArtHandle, bool>> plainGroups;
};

Ancestry ReadAncestry(ArtHandle parent) {
    std::vector<ArtHandle> chain;
    for (; parent; parent = sb::GetArtParent(parent)) chain.push_back(parent);
    std::vector<bool> clipped(chain.size(), false), plain(chain.size(), false);
    Ancestry a;
    for (size_t k = 0; k < chain.size(); ++k) {
        const int16_t type = sb::GetArtType(chain[k]);
        if (type == kArtCompoundPath && !a.compound) a.compound = chain[k];
        if (type != kArtGroup) continue;
        clipped[k] = sb::GetGroupClipped(chain[k]);
        if (clipped[k] && !a.clip) a.clip = chain[k];
        plain[k] = !clipped[k] && k + 1 < chain.size();  // the topmost container is the layer
    }
    bool clippedAbove = false;
    for (size_t k = chain.size(); k-- > 0;) {
        if (plain[k]) a.plainGroups.emplace_back(chain[k], clippedAbove);
        clippedAbove = clippedAbove || clipped[k];
    }
    std::reverse(a.plainGroups.begin(), a.plainGroups.end());
    return a;
}

}  // namespace

VMirror::VMirror(const MirrorParams& params) : params_(params) {}

VMirror::~VMirror() = default;

void VMirror::ComputeAxis() { axis_ = mirror::AxisFor(params_); }

void VMirror::Run(const ArtList& paths) {
    results_.Clear();
    // A stored action or an effect's dictionary can hold any number; only the known types run.
    CheckCondition(params_.mirrorType >= MirrorJoin && params_.mirrorType <= CutAuto);
    ComputeAxis();

    const int32_t n = paths.Count();
    // Read once per container: paths side by side share their ancestry, and the walk up to the
    // layer was a large share of a run over many small paths.
    std::unordered_map<ArtHandle, Ancestry> ancestries;
    std::vector<const Ancestry*> ancestry(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        ArtHandle parent = sb::GetArtParent(paths[i]);
        auto found = ancestries.find(parent);
        if (found == ancestries.end()) found = ancestries.emplace(parent, ReadAncestry(parent)).first;
        ancestry[static_cast<size_t>(i)] = &found->second;
    }
    std::vector<ArtHandle> compounds(static_cast<size_t>(n));
    std::unordered_map<ArtHandle, std::vector<int32_t>> members;  // input indices per compound path
    for (int32_t i = 0; i < n; ++i) {
        compounds[static_cast<size_t>(i)] = ancestry[static_cast<size_t>(i)]->compound;
        if (compounds[static_cast<size_t>(i)]) members[compounds[static_cast<size_t>(i)]].push_back(i);
    }

    // Listed in the order the input first meets them, each once.
    ArtList clipGroups, clipCopies;
    std::unordered_map<ArtHandle, int32_t> clipIndex;
    std::vector<int32_t> clipOf(static_cast<size_t>(n), -1);  // index into clipGroups
    for (int32_t i = 0; i < n; ++i) {
        ArtHandle group = ancestry[static_cast<size_t>(i)]->clip;
        if (!group) continue;
        auto found = clipIndex.emplace(group, clipGroups.Count());
        if (found.second) clipGroups.Append(group);
        clipOf[static_cast<size_t>(i)] = found.first->second;
    }
    // The plain groups above the input, so that one the run empties can go; those inside a
    // clipping group go before the clipping groups are tidied, which may dispose of them.
    ArtList innerGroups, outerGroups;
    std::unordered_set<const Ancestry*> ancestriesListed;
    std::unordered_set<ArtHandle> groupsListed;
    for (int32_t i = 0; i < n; ++i) {
        if (!ancestriesListed.insert(ancestry[static_cast<size_t>(i)]).second) continue;
        for (const auto& [group, inner] : ancestry[static_cast<size_t>(i)]->plainGroups)
            if (groupsListed.insert(group).second) (inner ? innerGroups : outerGroups).Append(group);
    }

    // Every group is read before any is changed, so that one nudge serves them all: groups cut at
    // axes a nudge apart would not meet along one line.
    struct Group {
        ArtHandle compound;
        Entries entries;
        int32_t clip;  // index of the clipping group holding the first entry, or -1
    };
    std::vector<Group> groups;
    for (int32_t i = 0; i < n; ++i) {
        ArtHandle compound = compounds[static_cast<size_t>(i)];
        std::vector<int32_t> indices;
        if (compound) {
            const std::vector<int32_t>& all = members[compound];
            if (all.front() != i) continue;  // done with its first member
            indices = all;
        } else {
            indices.push_back(i);
        }
        Group group{compound, Entries(), -1};
        for (int32_t j : indices) {
            auto list = std::make_unique<ZPathListV>(ReadPathListV(paths[j]));
            if (list->Count() == 0) continue;  // fewer than two anchors: left alone
            if (group.entries.empty()) group.clip = clipOf[static_cast<size_t>(j)];
            mirror::PathEntry entry;
            entry.path = paths[j];
            entry.list = std::move(list);
            group.entries.push_back(std::move(entry));
        }
        groups.push_back(std::move(group));
    }
    {
        std::vector<const ZPathListV*> lists;
        for (Group& g : groups)
            for (mirror::PathEntry& e : g.entries) lists.push_back(e.list.get());
        Nudge(lists);
    }
    // Made only once the axis is settled, so that an axis that cannot be used changes nothing.
    for (int32_t g = 0; g < clipGroups.Count(); ++g) {
        ArtHandle copy = sb::NewArt(kArtGroup, kPlaceBelow, clipGroups[g]);
        sb::SetGroupClipped(copy, true);
        clipCopies.Append(copy);
    }

    for (Group& group : groups) {
        groupStart_ = results_.Count();
        Entries& entries = group.entries;
        compound_ = group.compound;

        mode_ = params_.mirrorType;
        if ((mode_ == MirrorJoin || mode_ == MirrorJoinOpen) && !entries.empty()) {
            const SBPathStyle style = sb::GetPathStyle(entries.front().path);
            // Paint with a placement of its own cannot be joined to its image: cut, then copy.
            if (style.fill.color.kind == SB_COLOR_GRADIENT || style.fill.color.kind == SB_COLOR_PATTERN ||
                style.stroke.color.kind == SB_COLOR_PATTERN)
                mode_ = mode_ == MirrorJoin ? CutClosedMirrorCopy : CutOpenMirrorCopy;
        }
        clipCopy_ = group.clip >= 0 ? clipCopies[group.clip] : nullptr;
        if (mode_ == MirrorJoinOpen) mode_ = MirrorJoin;
        if (mode_ == CutAuto && !entries.empty()) {
            const SBPathStyle style = sb::GetPathStyle(entries.front().path);
            mode_ = (style.fillPaint || clipCopy_) ? CutClosed : CutOpen;
        }

        MirrorGroup(entries);

        if (compound_) {
            ArtHandle child = sb::GetArtFirstChild(compound_);
            if (!child) {
                sb::DisposeArt(compound_);
            } else if (!sb::GetArtSibling(child) && sb::GetArtType(child) == kArtPath) {
                sb::ReorderArt(child, kPlaceBelow, compound_);
                sb::DisposeArt(compound_);
            }
            compound_ = nullptr;
        }
        entries.clear();
        if (IsMirrorCopyMode(mode_)) AddMirroredCopies();
    }

    DisposeEmptied(innerGroups);
    for (int32_t g = 0; g < clipGroups.Count(); ++g) {
        TidyClipGroup(clipGroups[g]);
        TidyClipGroup(clipCopies[g]);
    }
    clipCopy_ = nullptr;
    DisposeEmptied(outerGroups);
}

bool VMirror::Contains(ArtHandle container, ArtHandle art) {
    for (ArtHandle a = sb::GetArtParent(art); a; a = sb::GetArtParent(a))
        if (a == container) return true;
    return false;
}

void VMirror::Forget(ArtHandle container) {
    for (int32_t r = results_.Count() - 1; r >= 0; --r)
        if (Contains(container, results_[r])) results_.RemoveAt(r);
}

void VMirror::DisposeEmptied(ArtList groups) {
    // Until none is left empty: a group whose only content was an emptied group empties in turn.
    for (bool disposed = true; disposed;) {
        disposed = false;
        for (int32_t g = groups.Count() - 1; g >= 0; --g) {
            if (sb::GetArtFirstChild(groups[g])) continue;
            sb::DisposeArt(groups[g]);
            groups.RemoveAt(g);
            disposed = true;
        }
    }
}

void VMirror::Nudge(const std::vector<const ZPathListV*>& lists) { mirror::NudgeClearOfStarts(params_, axis_, lists); }

void VMirror::MirrorGroup(Entries& entries) {
    std::vector<const ZPathListV*> lists;
    lists.reserve(entries.size());
    for (const mirror::PathEntry& e : entries) lists.push_back(e.list.get());
    Nudge(lists);  // already clear after the nudge over the whole input; kept for direct callers
    ItemArray<Crossing> crossings;
    mirror::CollectCrossings(lists, axis_, crossings);
    ItemArray<Piece> pieces;
    mirror::PairCrossings(crossings, pieces);
    const std::vector<std::vector<int32_t>> clusterMembers = mirror::ClusterPieces(crossings, pieces);

    std::vector<PieceCluster> clusters(clusterMembers.size());
    for (size_t c = 0; c < clusterMembers.size(); ++c) {
        for (int32_t p : clusterMembers[c]) clusters[c].pieces.Append(pieces[p]);
        if (BuildsAsPieces(mode_))
            BuildAsPieces(entries, lists, crossings, pieces, clusterMembers[c], clusters[c]);
        else
            BuildAsRegion(entries, lists, crossings, pieces, clusterMembers[c]);
    }

    std::vector<size_t> consumed, kept, removed;
    for (size_t e = 0; e < entries.size(); ++e) {
        if (entries[e].consumed)
            consumed.push_back(e);
        else if (axis_.SideOf(entries[e].list->FirstPoint()) == 1)
            kept.push_back(e);
        else
            removed.push_back(e);
    }
    for (size_t e : consumed) sb::DisposeArt(entries[e].path);
    for (size_t e : removed) sb::DisposeArt(entries[e].path);

    for (size_t e : kept) {
        ArtHandle path = entries[e].path;
        if (mode_ != MirrorJoin) {
            results_.Append(path);
            continue;
        }
        ZPathList twin = mirror::ReflectedVisibleSegments(axis_, *entries[e].list);
        ArtHandle duplicate = sb::DuplicateArt(path, kPlaceBelow, path);
        results_.Append(duplicate);
        results_.Append(path);
        Select(duplicate);
        WritePathList(twin, duplicate);
        sb::SetPathStyle(duplicate, sb::GetPathStyle(path));
        sb::SetPathClosed(duplicate, sb::GetPathClosed(path));
        // Beside the cut members of the same compound path the image must wind like them.
        if (!consumed.empty()) sb::ReversePathSegments(duplicate);
    }

    if (mode_ == MirrorJoin && kept.size() > 1 && consumed.empty()) {
        CheckCondition(compound_ != nullptr);
        ArtHandle originals = sb::NewArt(kArtCompoundPath, kPlaceBelow, compound_);
        Select(originals);
        for (size_t e : kept) sb::ReorderArt(entries[e].path, kPlaceInsideOnBottom, originals);
    }

    if (mode_ == MirrorJoin && !consumed.empty()) {
        for (PieceCluster& cluster : clusters)
            if (cluster.pieces.Count() > 1 && cluster.output && compound_ &&
                sb::GetArtParent(cluster.output) == compound_)
                ReleaseGroup(cluster.output);
    }

    if (kept.empty() && compound_) {
        std::vector<SBRealRect> bounds;
        for (int32_t r = groupStart_; r < results_.Count(); ++r) bounds.push_back(sb::GetArtBounds(results_[r]));
        // A few results are tried pair by pair. Many (cut subpaths by the thousand took seconds
        // that way) go to a sweep that finds the overlapping pair, if any, and the host has the
        // last word on it: every pair is tried only when it disagrees.
        bool overlap = false;
        auto tryEveryPair = [&] {
            for (size_t a = 0; a < bounds.size() && !overlap; ++a)
                for (size_t b = a + 1; b < bounds.size() && !overlap; ++b)
                    overlap = sb::RealRectOverlap(bounds[a], bounds[b]);
        };
        if (bounds.size() <= 8) {
            tryEveryPair();
        } else if (auto pair = FindOverlappingRects(bounds)) {
            overlap = sb::RealRectOverlap(bounds[pair->first], bounds[pair->second]);
            if (!overlap) tryEveryPair();
        }
        if (!overlap) {
            ReleaseGroup(compound_);
            compound_ = nullptr;
        }
    }
}

void VMirror::BuildAsPieces(Entries& entries, const mirror::PathLists& lists, const ItemArray<Crossing>& crossings,
                            const ItemArray<Piece>& pieces, const std::vector<int32_t>& members,
                            PieceCluster& cluster) {
    const bool several = members.size() > 1;
    if (several) {
        const int32_t firstPath = crossings[pieces[members.front()].start].path;
        cluster.output = sb::NewArt(kArtCompoundPath, kPlaceBelow, entries[static_cast<size_t>(firstPath)].path);
        Select(cluster.output);
    }
    for (int32_t p : members) {
        const Piece& piece = pieces[p];
        mirror::PathEntry& entry = entries[static_cast<size_t>(crossings[piece.start].path)];
        const SBPathStyle style = sb::GetPathStyle(entry.path);
        ZPathListV list = mirror::PieceOutline(lists, crossings, piece, axis_, mode_ == MirrorJoin);
        ArtList made;
        WriteAsNewPaths(list, kPlaceBelow, entry.path, made);
        for (int32_t k = 0; k < made.Count(); ++k) {
            results_.Append(made[k]);
            Select(made[k]);
            if (several) sb::ReorderArt(made[k], kPlaceInsideOnTop, cluster.output);
            sb::SetPathStyle(made[k], style);
        }
        entry.consumed = true;
        if (!several && made.Count() > 0 && !cluster.output) cluster.output = made[0];
    }
    // Pieces wholly on the removed side make nothing: no empty compound path is left for them.
    if (several && !sb::GetArtFirstChild(cluster.output)) {
        sb::DisposeArt(cluster.output);
        cluster.output = nullptr;
    }
}

void VMirror::BuildAsRegion(Entries& entries, const mirror::PathLists& lists, const ItemArray<Crossing>& crossings,
                            const ItemArray<Piece>& pieces, const std::vector<int32_t>& members) {
    mirror::RegionWalk walk(lists, axis_, crossings, pieces, members);
    mirror::Region region;
    while (walk.Next(region)) {
        for (int32_t path : region.paths) entries[static_cast<size_t>(path)].consumed = true;
        if (region.outline.Count() == 0) continue;
        const ArtHandle reference = entries[static_cast<size_t>(region.referencePath)].path;
        const SBPathStyle style = sb::GetPathStyle(reference);
        ArtList made;
        WriteAsNewPaths(region.outline, kPlaceBelow, reference, made);
        for (int32_t k = 0; k < made.Count(); ++k) {
            results_.Append(made[k]);
            Select(made[k]);
            sb::SetPathStyle(made[k], style);
        }
    }
}

void VMirror::ReflectPaintMatrices(SBPathStyle& style) const {
    const float theta = static_cast<float>(params_.angle * double(kPiF) / 180.0);
    const double off = params_.offset;
    const RealPoint a{params_.origin.h + off * double(CosF(theta)), params_.origin.v + off * double(SinF(theta))};
    auto reflect = [&](SBRealMatrix* m) {
        sb::RealMatrixConcatTranslate(m, -a.h, -a.v);
        sb::RealMatrixConcatRotate(m, -double(theta));
        sb::RealMatrixConcatScale(m, -1.0, 1.0);
        sb::RealMatrixConcatRotate(m, double(theta));
        sb::RealMatrixConcatTranslate(m, a.h, a.v);
    };
    if (style.fill.color.kind == SB_COLOR_GRADIENT)
        reflect(&style.fill.color.c.gradient.matrix);
    else if (style.fill.color.kind == SB_COLOR_PATTERN)
        reflect(&style.fill.color.c.pattern.matrix);
    if (style.stroke.color.kind == SB_COLOR_PATTERN) reflect(&style.stroke.color.c.pattern.matrix);
}

void VMirror::AddMirroredCopies() {
    const int32_t end = results_.Count();
    std::vector<ArtHandle> ancestors;
    for (int32_t r = groupStart_; r < end; ++r) ancestors.push_back(FindCompoundPathAncestor(results_[r]));
    std::unordered_map<ArtHandle, ArtHandle> containers;  // ancestor → its mirrored counterpart
    for (int32_t r = groupStart_; r < end; ++r) {
        ArtHandle original = results_[r];
        ArtHandle ancestor = ancestors[static_cast<size_t>(r - groupStart_)];
        ArtHandle container = nullptr;
        if (ancestor) {
            auto found = containers.find(ancestor);
            if (found != containers.end()) {
                container = found->second;
            } else {
                container = sb::NewArt(kArtCompoundPath, kPlaceBelow, ancestor);
                if (clipCopy_) sb::ReorderArt(container, kPlaceInsideOnBottom, clipCopy_);
                containers[ancestor] = container;
            }
        }
        ArtHandle duplicate = sb::DuplicateArt(original, kPlaceBelow, original);
        sb::SetPathSegmentCount(duplicate, 0);
        ZPathList list = ReadPathList(original);
        mirror::ReflectList(axis_, list);
        WritePathList(list, duplicate);
        Select(duplicate);
        SBPathStyle style = sb::GetPathStyle(original);
        ReflectPaintMatrices(style);
        sb::SetPathStyle(duplicate, style);
        if (container)
            sb::ReorderArt(duplicate, kPlaceInsideOnBottom, container);
        else if (clipCopy_)
            sb::ReorderArt(duplicate, kPlaceInsideOnBottom, clipCopy_);
        results_.Append(duplicate);
    }
}

namespace {

void CollectClipObjects(ArtHandle first, ArtList& objects) {
    for (ArtHandle art = first; art; art = sb::GetArtSibling(art)) {
        if (sb::GetArtType(art) == kArtPath) {
            if (sb::GetPathStyle(art).clip) {
                ArtHandle parent = sb::GetArtParent(art);
                if (parent && sb::GetArtType(parent) == kArtCompoundPath)
                    objects.AppendUnique(parent);
                else
                    objects.AppendUnique(art);
            }
        }
        if (ArtHandle child = sb::GetArtFirstChild(art)) CollectClipObjects(child, objects);
    }
}

}  // namespace

void VMirror::TidyClipGroup(ArtHandle group) {
    ArtHandle first = sb::GetArtFirstChild(group);
    if (!first) {
        sb::SetGroupClipped(group, false);
        sb::DisposeArt(group);
        return;
    }
    ArtList objects;
    CollectClipObjects(first, objects);
    if (objects.Count() == 0) {
        // Its clipping path lay wholly on the removed side: nothing of it can show. What the run
        // kept inside it goes with it, and must not be handed to a later pass.
        Forget(group);
        sb::DisposeArt(group);
    } else if (objects.Count() == 1) {
        sb::ReorderArt(objects[0], kPlaceInsideOnTop, group);
    } else {
        ArtHandle compound = sb::NewArt(kArtCompoundPath, kPlaceInsideOnTop, group);
        for (int32_t k = 0; k < objects.Count(); ++k) sb::ReorderArt(objects[k], kPlaceInsideOnTop, compound);
    }
}
