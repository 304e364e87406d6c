#include "mirror/VMirror.h"

#include "frame/sb/Art.h"
#include "frame/sb/Math.h"
#include "frame/sb/Path.h"
#include "frame/sb/Style.h"
#include "geometry/ArtTransforms.h"
#include "geometry/Errors.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

using mirror::AxisStop;
using mirror::Crossing;
using mirror::Piece;
using mirror::PieceCluster;

namespace {

// Offset steps before a first anchor is given up on: far more than any real drawing needs, few
// enough that absurd coordinates (where 0.01 no longer moves the axis) fail instead of hanging.
constexpr int kMaxNudges = 100000;

// The edges a closed region gains along the axis: corner anchors without handles.
BezierSegment CornerSegment(const RealPoint& a, const RealPoint& b) { return BezierSegment{a, a, b, b}; }

void Select(ArtHandle art) { sb::SetArtUserAttr(art, SB_ATTR_SELECTED, SB_ATTR_SELECTED); }

void ReflectSegment(const Line& axis, BezierSegment& s) {
    axis.ReflectPoint(&s.p0);
    axis.ReflectPoint(&s.c0);
    axis.ReflectPoint(&s.c1);
    axis.ReflectPoint(&s.p3);
}

bool IsMirrorCopyMode(int32_t mode) { return mode == CutClosedMirrorCopy || mode == CutOpenMirrorCopy; }

// A path split this close to a segment's end snaps to the anchor, which on a fast segment lies
// well off the axis: a piece would stop short of its crossing, or run on past it onto the
// removed side.
bool SplitSnaps(float t) { return (t > 0.0f && t < 1e-5f) || (t > 0.99999f && t < 1.0f); }

BezierSegment SubSegment(const BezierSegment& s, double from, double to) {
    auto blend = [](const RealPoint& a, const RealPoint& b, double t) {
        return RealPoint{a.h * (1.0 - t) + b.h * t, a.v * (1.0 - t) + b.v * t};
    };
    auto split = [&](const BezierSegment& q, double t, BezierSegment* l, BezierSegment* r) {
        const RealPoint p01 = blend(q.p0, q.c0, t), p12 = blend(q.c0, q.c1, t), p23 = blend(q.c1, q.p3, t);
        const RealPoint p012 = blend(p01, p12, t), p123 = blend(p12, p23, t);
        const RealPoint p0123 = blend(p012, p123, t);
        *l = BezierSegment{q.p0, p01, p012, p0123};
        *r = BezierSegment{p0123, p123, p23, q.p3};
    };
    BezierSegment left, rest = s;
    if (from > 0.0) split(s, from, &left, &rest);
    if (to < 1.0) split(rest, (to - from) / (1.0 - from), &rest, &left);
    return rest;
}

// The forward (or wrapping) stretch of a closed list from (i, s) to (k, u), split exactly where
// the list's own split would snap.
void ExtractExactly(const ZPathListV& list, int32_t i, float s, int32_t k, float u, ZPathListV& out) {
    const int32_t n = list.Count();
    CheckCondition(i >= 0 && i < n && k >= 0 && k < n && out.Count() == 0);
    if (i == k && u >= s) {
        out.Append(SubSegment(list.SegmentAt(i), s, u), list.IsVirtual(i));
        return;
    }
    out.Append(SubSegment(list.SegmentAt(i), s, 1.0), list.IsVirtual(i));
    for (int32_t j = (i + 1) % n; j != k; j = (j + 1) % n) out.Append(list.SegmentAt(j), list.IsVirtual(j));
    out.Append(SubSegment(list.SegmentAt(k), 0.0, u), list.IsVirtual(k));
}

bool BuildsAsPieces(int32_t mode) { return mode == MirrorJoin || mode == CutOpen || mode == CutOpenMirrorCopy; }

}  // namespace

VMirror::VMirror(const MirrorParams& params) : params_(params) {}

VMirror::~VMirror() = default;

void VMirror::ComputeAxis() { axis_ = mirror::AxisFor(params_); }

void VMirror::Run(const ArtList& paths) {
    results_.Clear();
    ComputeAxis();

    const int32_t n = paths.Count();
    std::vector<ArtHandle> compounds(static_cast<size_t>(n));
    std::unordered_map<ArtHandle, std::vector<int32_t>> members;  // input indices per compound path
    for (int32_t i = 0; i < n; ++i) {
        compounds[static_cast<size_t>(i)] = FindCompoundPathAncestor(paths[i]);
        if (compounds[static_cast<size_t>(i)]) members[compounds[static_cast<size_t>(i)]].push_back(i);
    }

    ArtList clipGroups, clipCopies;
    for (int32_t i = 0; i < n; ++i) {
        ArtHandle group = FindClipGroupAncestor(paths[i]);
        if (group) clipGroups.AppendUnique(group);
    }

    // Every group is read before any is changed, so that one nudge serves them all: groups cut at
    // axes a nudge apart would not meet along one line.
    struct Group {
        ArtHandle compound;
        Entries entries;
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
        Group group{compound, Entries()};
        for (int32_t j : indices) {
            auto list = std::make_unique<ZPathListV>(paths[j]);
            if (list->Count() == 0) continue;  // fewer than two anchors: left alone
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
        clipCopy_ = nullptr;
        if (!entries.empty()) {
            ArtHandle clip = FindClipGroupAncestor(entries.front().path);
            if (clip) clipCopy_ = clipCopies[clipGroups.IndexOf(clip)];
        }
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

    for (int32_t g = 0; g < clipGroups.Count(); ++g) {
        TidyClipGroup(clipGroups[g]);
        TidyClipGroup(clipCopies[g]);
    }
    clipCopy_ = nullptr;
}

void VMirror::Nudge(const std::vector<const ZPathListV*>& lists) {
    for (int attempt = 0;; ++attempt) {
        bool close = false;
        for (const ZPathListV* list : lists)
            if (axis_.DistanceToLine(list->FirstPoint()) < 0.001f) {
                close = true;
                break;
            }
        if (!close) return;
        CheckCondition(attempt < kMaxNudges);
        params_.offset += 0.01;
        ComputeAxis();
    }
}

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
            BuildAsPieces(entries, crossings, pieces, clusterMembers[c], clusters[c]);
        else
            BuildAsRegion(entries, crossings, pieces, clusterMembers[c]);
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
        const ZPathListV& source = *entries[e].list;
        ZPathList twin;
        for (int32_t k = 0; k < source.Count(); ++k) {
            if (source.IsVirtual(k)) continue;
            BezierSegment s = source.SegmentAt(k);
            ReflectSegment(axis_, s);
            twin.Append(s);
        }
        ArtHandle duplicate = sb::DuplicateArt(path, kPlaceBelow, path);
        results_.Append(duplicate);
        results_.Append(path);
        Select(duplicate);
        twin.WriteTo(duplicate);
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
        bool overlap = false;
        for (size_t a = 0; a < bounds.size() && !overlap; ++a)
            for (size_t b = a + 1; b < bounds.size() && !overlap; ++b)
                overlap = sb::RealRectOverlap(bounds[a], bounds[b]);
        if (!overlap) {
            ReleaseGroup(compound_);
            compound_ = nullptr;
        }
    }
}

void VMirror::ExtractPiece(const Entries& entries, const ItemArray<Crossing>& crossings, const Piece& piece,
                           bool reversed, ZPathListV& out) const {
    const Crossing& from = crossings[piece.start];
    const Crossing& to = crossings[piece.end];
    const ZPathListV& list = *entries[static_cast<size_t>(from.path)].list;
    const bool forward = double(to.segment) + to.t >= double(from.segment) + from.t;
    if ((SplitSnaps(from.t) || SplitSnaps(to.t)) && (forward || piece.wraps))
        ExtractExactly(list, from.segment, from.t, to.segment, to.t, out);
    else
        list.Extract(out, from.segment, from.t, to.segment, to.t, piece.wraps != 0);
    // Walked backwards: the same stretch reversed. Extracting from end to start instead would
    // take the other, removed, part of a wrapping piece.
    if (reversed) out.Reverse();
}

void VMirror::BuildAsPieces(Entries& entries, const ItemArray<Crossing>& crossings, const ItemArray<Piece>& pieces,
                            const std::vector<int32_t>& members, PieceCluster& cluster) {
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
        ZPathListV list;
        ExtractPiece(entries, crossings, piece, false, list);
        if (mode_ == MirrorJoin) {
            // The kept piece followed by its image, run backwards: symmetric about the axis.
            for (int32_t k = list.Count() - 1; k >= 0; --k) {
                BezierSegment s = list.SegmentAt(k);
                const bool isVirtual = list.IsVirtual(k);
                ReverseSegment(&s);
                ReflectSegment(axis_, s);
                list.Append(s, isVirtual);
            }
            list.SetClosed(true);
        } else {
            list.SetClosed(false);
        }
        ArtList made;
        list.WriteAsNewPaths(kPlaceBelow, entry.path, made);
        for (int32_t k = 0; k < made.Count(); ++k) {
            results_.Append(made[k]);
            Select(made[k]);
            if (several) sb::ReorderArt(made[k], kPlaceInsideOnTop, cluster.output);
            sb::SetPathStyle(made[k], style);
        }
        entry.consumed = true;
        if (!several && made.Count() > 0 && !cluster.output) cluster.output = made[0];
    }
}

void VMirror::BuildAsRegion(Entries& entries, const ItemArray<Crossing>& crossings, const ItemArray<Piece>& pieces,
                            const std::vector<int32_t>& members) {
    std::vector<AxisStop> stops;
    stops.reserve(members.size() * 2);
    for (int32_t p : members) {
        stops.push_back(AxisStop{pieces[p].start, crossings[pieces[p].start].s});
        stops.push_back(AxisStop{pieces[p].end, crossings[pieces[p].end].s});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const AxisStop& a, const AxisStop& b) { return a.s < b.s; });
    std::unordered_map<int32_t, size_t> stopOf;     // crossing → stop
    std::unordered_map<int32_t, int32_t> pieceOf;   // crossing → piece
    for (size_t k = 0; k < stops.size(); ++k) stopOf[stops[k].crossing] = k;
    for (int32_t p : members) {
        pieceOf[pieces[p].start] = p;
        pieceOf[pieces[p].end] = p;
    }
    std::vector<uint8_t> used(stops.size(), 0);

    // A cluster is normally walked as one region from its lowest stop. Should the walk close
    // before it has visited every piece, the rest start regions of their own rather than being
    // dropped.
    for (size_t first = 0; first < stops.size(); ++first) {
        if (used[first]) continue;
        auto found = pieceOf.find(stops[first].crossing);
        CheckCondition(found != pieceOf.end());
        const Piece& start = pieces[found->second];
        mirror::PathEntry& startEntry = entries[static_cast<size_t>(crossings[start.start].path)];
        startEntry.consumed = true;
        ZPathListV region;
        ExtractPiece(entries, crossings, start, false, region);
        used[stopOf[start.start]] = 1;
        used[stopOf[start.end]] = 1;
        const SBPathStyle style = sb::GetPathStyle(startEntry.path);
        ArtHandle reference = startEntry.path;
        size_t current = stopOf[start.end];

        for (;;) {
            const size_t next = (current % 2 == 1) ? current - 1 : current + 1;
            if (next >= stops.size() || used[next]) break;
            used[next] = 1;
            const int32_t x = stops[next].crossing;
            const RealPoint onAxis = axis_.PointAtParameter(stops[next].s);
            auto owner = pieceOf.find(x);
            CheckCondition(owner != pieceOf.end());
            const Piece& piece = pieces[owner->second];
            entries[static_cast<size_t>(crossings[piece.start].path)].consumed = true;
            ZPathListV part;
            const bool fromStart = x == piece.start;
            ExtractPiece(entries, crossings, piece, !fromStart, part);
            if (region.Count() > 0) region.Append(CornerSegment(region.LastPoint(), onAxis), false);
            region.AppendAll(part);
            const int32_t other = fromStart ? piece.end : piece.start;
            used[stopOf[other]] = 1;
            current = stopOf[other];
        }

        if (region.Count() == 0) continue;
        region.Append(CornerSegment(region.LastPoint(), region.FirstPoint()), false);
        region.SetClosed(true);
        ArtList made;
        region.WriteAsNewPaths(kPlaceBelow, reference, made);
        for (int32_t k = 0; k < made.Count(); ++k) {
            results_.Append(made[k]);
            Select(made[k]);
            sb::SetPathStyle(made[k], style);
        }
    }
}

void VMirror::ReflectPaintMatrices(SBPathStyle& style) const {
    const float theta = static_cast<float>(params_.angle * 3.1415927410125732 / 180.0);
    const double off = params_.offset;
    const RealPoint a{params_.origin.h + off * double(std::cos(theta)), params_.origin.v + off * double(std::sin(theta))};
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
        ZPathList list(original);
        for (int32_t k = 0; k < list.Count(); ++k) {
            BezierSegment s = list.SegmentAt(k);
            ReflectSegment(axis_, s);
            list.SetSegmentAt(k, s);
        }
        list.WriteTo(duplicate);
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
        // Its clipping path lay wholly on the removed side: nothing of it can show.
        sb::DisposeArt(group);
    } else if (objects.Count() == 1) {
        sb::ReorderArt(objects[0], kPlaceInsideOnTop, group);
    } else {
        ArtHandle compound = sb::NewArt(kArtCompoundPath, kPlaceInsideOnTop, group);
        for (int32_t k = 0; k < objects.Count(); ++k) sb::ReorderArt(objects[k], kPlaceInsideOnTop, compound);
    }
}
