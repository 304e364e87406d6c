#include "mirror/VMirrorPieces.h"

#include "geometry/Errors.h"

#include <algorithm>

namespace mirror {

namespace {

// Offset steps before a first anchor is given up on: far more than any real drawing needs, few
// enough that absurd coordinates (where 0.01 no longer moves the axis) fail instead of hanging.
constexpr int kMaxNudges = 100000;

// The edges a closed region gains along the axis: corner anchors without handles.
BezierSegment CornerSegment(const RealPoint& a, const RealPoint& b) { return BezierSegment{a, a, b, b}; }

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

}  // namespace

void NudgeClearOfStarts(MirrorParams& params, Line& axis, const PathLists& lists) {
    for (int attempt = 0;; ++attempt) {
        bool close = false;
        for (const ZPathListV* list : lists)
            if (axis.DistanceToLine(list->FirstPoint()) < 0.001f) {
                close = true;
                break;
            }
        if (!close) return;
        CheckCondition(attempt < kMaxNudges);
        params.offset += 0.01;
        axis = AxisFor(params);
    }
}

void ReflectSegment(const Line& axis, BezierSegment& s) {
    axis.ReflectPoint(&s.p0);
    axis.ReflectPoint(&s.c0);
    axis.ReflectPoint(&s.c1);
    axis.ReflectPoint(&s.p3);
}

void ReflectList(const Line& axis, ZPathList& list) {
    for (int32_t k = 0; k < list.Count(); ++k) {
        BezierSegment s = list.SegmentAt(k);
        ReflectSegment(axis, s);
        list.SetSegmentAt(k, s);
    }
}

ZPathList ReflectedVisibleSegments(const Line& axis, const ZPathListV& list) {
    ZPathList image;
    for (int32_t k = 0; k < list.Count(); ++k) {
        if (list.IsVirtual(k)) continue;
        BezierSegment s = list.SegmentAt(k);
        ReflectSegment(axis, s);
        image.Append(s);
    }
    return image;
}

void ExtractPiece(const PathLists& lists, const ItemArray<Crossing>& crossings, const Piece& piece, bool reversed,
                  ZPathListV& out) {
    const Crossing& from = crossings[piece.start];
    const Crossing& to = crossings[piece.end];
    const ZPathListV& list = *lists[static_cast<size_t>(from.path)];
    const bool forward = double(to.segment) + to.t >= double(from.segment) + from.t;
    if ((SplitSnaps(from.t) || SplitSnaps(to.t)) && (forward || piece.wraps))
        ExtractExactly(list, from.segment, from.t, to.segment, to.t, out);
    else
        list.Extract(out, from.segment, from.t, to.segment, to.t, piece.wraps != 0);
    // Walked backwards: the same stretch reversed. Extracting from end to start instead would
    // take the other, removed, part of a wrapping piece.
    if (reversed) out.Reverse();
}

ZPathListV PieceOutline(const PathLists& lists, const ItemArray<Crossing>& crossings, const Piece& piece,
                        const Line& axis, bool joinImage) {
    ZPathListV list;
    // The piece and its image in one allocation, sized from the piece's own span (never the whole
    // path: a path cut into many pieces would pay for its full length per piece).
    if (joinImage) {
        const Crossing& from = crossings[piece.start];
        int32_t span = crossings[piece.end].segment - from.segment;
        if (span < 0) span += lists[static_cast<size_t>(from.path)]->Count();
        list.Reserve(2 * (span + 2));
    }
    ExtractPiece(lists, crossings, piece, false, list);
    if (joinImage) {
        // The kept piece followed by its image, run backwards: symmetric about the axis.
        list.Reserve(2 * list.Count());
        for (int32_t k = list.Count() - 1; k >= 0; --k) {
            BezierSegment s = list.SegmentAt(k);
            const bool isVirtual = list.IsVirtual(k);
            ReverseSegment(&s);
            ReflectSegment(axis, s);
            list.Append(s, isVirtual);
        }
        list.SetClosed(true);
    } else {
        list.SetClosed(false);
    }
    return list;
}

RegionWalk::RegionWalk(const PathLists& lists, const Line& axis, const ItemArray<Crossing>& crossings,
                       const ItemArray<Piece>& pieces, const std::vector<int32_t>& members)
    : lists_(lists), axis_(axis), crossings_(crossings), pieces_(pieces) {
    stops_.reserve(members.size() * 2);
    for (int32_t p : members) {
        stops_.push_back(AxisStop{pieces[p].start, crossings[pieces[p].start].s});
        stops_.push_back(AxisStop{pieces[p].end, crossings[pieces[p].end].s});
    }
    std::stable_sort(stops_.begin(), stops_.end(), [](const AxisStop& a, const AxisStop& b) { return a.s < b.s; });
    for (size_t k = 0; k < stops_.size(); ++k) stopOf_[stops_[k].crossing] = k;
    for (int32_t p : members) {
        pieceOf_[pieces[p].start] = p;
        pieceOf_[pieces[p].end] = p;
    }
    used_.assign(stops_.size(), 0);
}

bool RegionWalk::Next(Region& region) {
    for (; first_ < stops_.size(); ++first_) {
        if (used_[first_]) continue;
        auto found = pieceOf_.find(stops_[first_].crossing);
        CheckCondition(found != pieceOf_.end());
        const Piece& start = pieces_[found->second];
        region = Region();
        region.referencePath = crossings_[start.start].path;
        region.paths.push_back(region.referencePath);
        ZPathListV& outline = region.outline;
        ExtractPiece(lists_, crossings_, start, false, outline);
        used_[stopOf_[start.start]] = 1;
        used_[stopOf_[start.end]] = 1;
        size_t current = stopOf_[start.end];

        for (;;) {
            const size_t next = (current % 2 == 1) ? current - 1 : current + 1;
            if (next >= stops_.size() || used_[next]) break;
            used_[next] = 1;
            const int32_t x = stops_[next].crossing;
            const RealPoint onAxis = axis_.PointAtParameter(stops_[next].s);
            auto owner = pieceOf_.find(x);
            CheckCondition(owner != pieceOf_.end());
            const Piece& piece = pieces_[owner->second];
            region.paths.push_back(crossings_[piece.start].path);
            ZPathListV part;
            const bool fromStart = x == piece.start;
            ExtractPiece(lists_, crossings_, piece, !fromStart, part);
            if (outline.Count() > 0) outline.Append(CornerSegment(outline.LastPoint(), onAxis), false);
            outline.AppendAll(part);
            const int32_t other = fromStart ? piece.end : piece.start;
            used_[stopOf_[other]] = 1;
            current = stopOf_[other];
        }

        if (outline.Count() > 0) {
            outline.Append(CornerSegment(outline.LastPoint(), outline.FirstPoint()), false);
            outline.SetClosed(true);
        }
        ++first_;
        return true;
    }
    return false;
}

}  // namespace mirror
