#include "geometry/PathList.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

bool Differ(const RealPoint& a, const RealPoint& b) {
    return std::fabs(a.h - b.h) > 1e-5 || std::fabs(a.v - b.v) > 1e-5;
}

bool IsDegenerateSegment(const BezierSegment& s) {
    return !Differ(s.c0, s.p0) && !Differ(s.c1, s.p0) && !Differ(s.p3, s.p0);
}

void MovePoint(RealPoint& p, float dh, float dv) {
    p.h += dh;
    p.v += dv;
}

}  // namespace

// --- ZPathList ----------------------------------------------------------------------------------

ZPathList::ZPathList() = default;

ZPathList::ZPathList(const ZPathList& other) : segments_(other.segments_), closed_(other.closed_) {}

ZPathList& ZPathList::operator=(const ZPathList& other) {
    if (this == &other) return *this;
    segments_ = other.segments_;
    closed_ = other.closed_;
    if (tracksFlags_) {
        if (other.tracksFlags_) {
            flags_ = other.flags_;
        } else {
            flags_.Clear();
            for (int32_t i = 0; i < segments_.Count(); ++i) flags_.Append(0);
        }
    }
    return *this;
}

ZPathList::ZPathList(ZPathList&& other) noexcept : segments_(std::move(other.segments_)), closed_(other.closed_) {}

ZPathList& ZPathList::operator=(ZPathList&& other) noexcept {
    if (this == &other) return *this;
    segments_ = std::move(other.segments_);
    closed_ = other.closed_;
    if (tracksFlags_) {
        if (other.tracksFlags_) {
            flags_ = std::move(other.flags_);
        } else {
            flags_.Clear();
            for (int32_t i = 0; i < segments_.Count(); ++i) flags_.Append(0);
        }
    }
    return *this;
}

ZPathList::~ZPathList() = default;

ZPathList ZPathList::FromAnchors(const PathSegment* anchors, int32_t count, bool closed) {
    ZPathList list;
    if (count <= 1) return list;
    int32_t segmentCount = closed ? count : count - 1;
    list.Reserve(segmentCount);
    for (int32_t i = 0; i < segmentCount; ++i) {
        int32_t j = (closed && i == segmentCount - 1) ? 0 : i + 1;
        list.AppendWithFlag(BezierSegment{anchors[i].p, anchors[i].out, anchors[j].in, anchors[j].p}, 0);
    }
    list.closed_ = closed ? 1 : 0;
    return list;
}

int32_t ZPathList::AppendWithFlag(const BezierSegment& segment, uint8_t flag) {
    if (IsDegenerateSegment(segment)) return 0;
    segments_.Append(segment);
    if (tracksFlags_) flags_.Append(flag);
    return segments_.Count();
}

int32_t ZPathList::Append(const BezierSegment& segment) { return AppendWithFlag(segment, 0); }

int32_t ZPathList::AppendRaw(const BezierSegment& segment) {
    segments_.Append(segment);
    if (tracksFlags_) flags_.Append(0);
    return segments_.Count();
}

void ZPathList::AppendAll(const ZPathList& other) {
    int32_t n = other.Count();
    for (int32_t i = 0; i < n; ++i) AppendWithFlag(other.SegmentAt(i), other.FlagAt(i));
}

void ZPathList::AppendAllRaw(const ZPathList& other) {
    int32_t n = other.Count();
    for (int32_t i = 0; i < n; ++i) {
        segments_.Append(other.SegmentAt(i));
        if (tracksFlags_) flags_.Append(other.FlagAt(i));
    }
}

void ZPathList::SetSegmentAt(int32_t index, const BezierSegment& segment) { segments_.At(index) = segment; }

RealPoint ZPathList::FirstPoint() const {
    CheckCondition(Count() > 0);
    return segments_.At(0).p0;
}

RealPoint ZPathList::LastPoint() const {
    CheckCondition(Count() > 0);
    return segments_.At(Count() - 1).p3;
}

RealPoint ZPathList::PointAt(int32_t index, float t) const {
    CheckCondition(t >= 0.0f && t <= 1.0f);
    return SegmentPoint(segments_.At(index), t);
}

RealPoint ZPathList::PointAtPosition(float position) const {
    int32_t n = Count();
    CheckCondition(std::isfinite(position) && position >= 0.0f && position <= static_cast<float>(n) + 1e-5f);
    if (std::fabs(position - static_cast<float>(n)) <= 1e-5f) return PointAt(n - 1, 1.0f);
    float whole = std::floor(position);
    return PointAt(static_cast<int32_t>(whole), position - whole);
}

void ZPathList::Translate(float dh, float dv) {
    for (int32_t i = 0; i < Count(); ++i) {
        BezierSegment& s = segments_.At(i);
        MovePoint(s.p0, dh, dv);
        MovePoint(s.c0, dh, dv);
        MovePoint(s.c1, dh, dv);
        MovePoint(s.p3, dh, dv);
    }
}

void ZPathList::Rotate(const RealPoint& centre, float sine, float cosine) {
    for (int32_t i = 0; i < Count(); ++i) {
        BezierSegment& s = segments_.At(i);
        s.p0 = RotatePointBySinCos(s.p0, centre, sine, cosine);
        s.c0 = RotatePointBySinCos(s.c0, centre, sine, cosine);
        s.c1 = RotatePointBySinCos(s.c1, centre, sine, cosine);
        s.p3 = RotatePointBySinCos(s.p3, centre, sine, cosine);
    }
}

void ZPathList::Reverse() {
    segments_.ReverseOrder();
    for (int32_t i = 0; i < Count(); ++i) ReverseSegment(&segments_.At(i));
    if (tracksFlags_) flags_.ReverseOrder();
}

void ZPathList::RemoveAt(int32_t index) {
    segments_.RemoveAt(index);
    if (tracksFlags_ && index < flags_.Count()) flags_.RemoveAt(index);
}

void ZPathList::Reserve(int32_t segments) {
    segments_.Reserve(segments);
    if (tracksFlags_) flags_.Reserve(segments);
}

void ZPathList::Clear() {
    segments_.Clear();
    if (tracksFlags_) flags_.Clear();
}

void ZPathList::Extract(ZPathList& out, int32_t fromIndex, float fromT, int32_t toIndex, float toT, bool wrap) const {
    ExtractInto(out, fromIndex, fromT, toIndex, toT, wrap, true);
}

void ZPathList::ExtractInto(ZPathList& out, int32_t i, float s, int32_t k, float u, bool wrap,
                            bool endIndexAllowed) const {
    int32_t n = Count();
    if (endIndexAllowed && k == n && u < 1e-5f) {
        k = n - 1;
        u = 1.0f;
    }
    CheckCondition(i >= 0 && i < n && k >= 0 && k < n);
    CheckCondition(s >= 0.0f && s <= 1.0f && u >= 0.0f && u <= 1.0f);
    CheckCondition(out.Count() == 0);
    if (wrap) CheckCondition(IsClosed());
    if (static_cast<double>(k) + u >= static_cast<double>(i) + s) {
        out.Reserve(k - i + 1);
        CopyForward(out, i, s, k, u);
    } else if (wrap) {
        out.Reserve(n - i + k + 1);
        CopyForward(out, i, s, n - 1, 1.0f);
        CopyForward(out, 0, 0.0f, k, u);
    } else {
        out.Reserve(i - k + 1);
        CopyForward(out, k, u, i, s);
        out.Reverse();
    }
}

void ZPathList::CopyForward(ZPathList& out, int32_t i, float s, int32_t k, float u) const {
    BezierSegment left, right;
    SplitSegment(segments_.At(i), s, &left, &right);
    if (k == i) {
        BezierSegment piece, rest;
        SplitSegment(right, (u - s) / (1.0f - s), &piece, &rest);
        out.AppendWithFlag(piece, FlagAt(i));
        return;
    }
    out.AppendWithFlag(right, FlagAt(i));
    for (int32_t j = i + 1; j < k; ++j) out.AppendWithFlag(segments_.At(j), FlagAt(j));
    SplitSegment(segments_.At(k), u, &left, &right);
    out.AppendWithFlag(left, FlagAt(k));
}

void ZPathList::MergeStraightRuns() {
    const int32_t n = Count();
    if (n < 2) return;
    // One pass in place with a write cursor behind the read cursor: removing merged segments one
    // by one moved the tail each time (quadratic on long paths), and a second array was fresh
    // memory on every write. After a merge the next segment is taken as it is, never compared
    // with the merged one, so three collinear segments still become two.
    const bool withFlags = tracksFlags_ && flags_.Count() == n;
    int32_t w = 1;
    auto keep = [&](int32_t r) {
        if (r != w) {
            segments_.At(w) = segments_.At(r);
            if (withFlags) flags_.At(w) = flags_.At(r);
        }
        ++w;
    };
    // Whether the segment at w − 1 is straight, when known: a segment kept without a merge is
    // the next one's left neighbour, and is not tested twice.
    int aStraight = -1;
    for (int32_t r = 1; r < n;) {
        BezierSegment& a = segments_.At(w - 1);
        const BezierSegment& b = segments_.At(r);
        if (aStraight < 0) aStraight = IsStraightSegment(a) ? 1 : 0;
        int bStraight = -1;
        bool merge = aStraight == 1 && (bStraight = IsStraightSegment(b) ? 1 : 0) == 1 &&
                     IsCollinear(a.p0, a.p3, b.p3);
        // A run that folds back along its own line keeps its turning point.
        if (merge) merge = Dot(Difference(a.p3, a.p0), Difference(b.p3, b.p0)) >= 0.0f;
        // A first segment too short to have a direction passes any third point as collinear:
        // the dropped anchor must also lie on the merged segment's line, or a tiny step at a
        // corner would be merged away and the next edge tilted.
        if (merge) merge = IsCollinear(a.p0, b.p3, a.p3);
        if (merge) {
            a.c1 = b.c1;
            a.p3 = b.p3;
            ++r;
            if (r < n) keep(r++);
            aStraight = -1;
        } else {
            keep(r++);
            aStraight = bStraight;
        }
    }
    if (w == n) return;
    segments_.Truncate(w);
    if (withFlags) flags_.Truncate(w);
}

std::vector<PathSegment> ZPathList::Anchors() const {
    int32_t count = Count();
    bool closed = IsClosed();
    int32_t full = closed ? count : count + 1;
    if (full < 2) return {};
    std::vector<PathSegment> anchors(static_cast<size_t>(full));
    for (int32_t k = 0; k < full; ++k) {
        PathSegment& anchor = anchors[static_cast<size_t>(k)];
        if (k == 0) {
            const BezierSegment& s0 = segments_.At(0);
            anchor.p = s0.p0;
            anchor.out = s0.c0;
            if (closed) {
                const BezierSegment& last = segments_.At(count - 1);
                anchor.in = last.c1;
                anchor.corner = IsSmoothJoin(last, s0) ? 0 : 1;
            } else {
                anchor.in = anchor.p;
                anchor.corner = 0;
            }
        } else if (!closed && k == full - 1) {
            const BezierSegment& before = segments_.At(k - 1);
            anchor.p = before.p3;
            anchor.in = before.c1;
            anchor.out = anchor.p;
            anchor.corner = 0;
        } else {
            const BezierSegment& before = segments_.At(k - 1);
            const BezierSegment& here = segments_.At(k);
            anchor.p = here.p0;
            anchor.in = before.c1;
            anchor.out = here.c0;
            anchor.corner = IsSmoothJoin(before, here) ? 0 : 1;
        }
    }
    return anchors;
}

// --- ZPathListV ---------------------------------------------------------------------------------

ZPathListV::ZPathListV() { tracksFlags_ = true; }

ZPathListV::ZPathListV(const ZPathList& path) : ZPathListV() {
    AppendAll(path);
    SetClosed(path.IsClosed());
    if (!IsClosed() && Count() >= 1) {
        RealPoint end = LastPoint(), start = FirstPoint();
        AppendWithFlag(BezierSegment{end, end, start, start}, 1);
        SetClosed(true);
    }
}

ZPathListV ZPathListV::FromAnchors(const PathSegment* anchors, int32_t count, bool closed) {
    ZPathListV list;
    if (count <= 1) return list;
    int32_t segmentCount = closed ? count : count - 1;
    list.Reserve(closed ? segmentCount : segmentCount + 1);
    for (int32_t i = 0; i < segmentCount; ++i) {
        int32_t j = (closed && i == segmentCount - 1) ? 0 : i + 1;
        list.AppendWithFlag(BezierSegment{anchors[i].p, anchors[i].out, anchors[j].in, anchors[j].p}, 0);
    }
    list.SetClosed(closed);
    if (!closed && list.Count() >= 1) {
        RealPoint end = list.LastPoint(), start = list.FirstPoint();
        list.AppendWithFlag(BezierSegment{end, end, start, start}, 1);
        list.SetClosed(true);
    }
    return list;
}

ZPathListV::ZPathListV(const ZPathListV& source, int16_t first, int16_t last) : ZPathListV() {
    AppendRange(source, first, last);
}

ZPathListV::ZPathListV(const ZPathListV& other) : ZPathList(other) {
    tracksFlags_ = true;
    flags_ = other.flags_;
}

ZPathListV& ZPathListV::operator=(const ZPathListV& other) {
    ZPathList::operator=(other);
    return *this;
}

ZPathListV::ZPathListV(ZPathListV&& other) noexcept : ZPathList(std::move(other)) {
    tracksFlags_ = true;
    flags_ = std::move(other.flags_);
}

ZPathListV& ZPathListV::operator=(ZPathListV&& other) noexcept {
    ZPathList::operator=(std::move(other));
    return *this;
}

ZPathListV::~ZPathListV() = default;

void ZPathListV::AppendRange(const ZPathListV& source, int32_t first, int32_t last) {
    int32_t n = source.Count();
    CheckCondition(first >= 0 && first < n && last >= 0 && last < n);
    for (int32_t i = first;; i = (i + 1) % n) {
        ZPathList::AppendRaw(source.SegmentAt(i));
        flags_.At(flags_.Count() - 1) = source.FlagAt(i);
        if (i == last) break;
    }
    SetClosed(false);
}

int32_t ZPathListV::Append(const BezierSegment& segment, bool isVirtual) {
    return AppendWithFlag(segment, isVirtual ? 1 : 0);
}

void ZPathListV::AppendAll(const ZPathListV& other) {
    int32_t n = other.Count();
    for (int32_t i = 0; i < n; ++i) AppendWithFlag(other.SegmentAt(i), other.FlagAt(i));
}

bool ZPathListV::HasVirtualSegment() const {
    for (int32_t i = Count() - 1; i >= 0; --i)
        if (FlagAt(i)) return true;
    return false;
}

void ZPathListV::Extract(ZPathListV& out, int32_t fromIndex, float fromT, int32_t toIndex, float toT, bool wrap) const {
    ExtractInto(out, fromIndex, fromT, toIndex, toT, wrap, false);
}

std::vector<ZPathListV> ZPathListV::VisibleRuns() const {
    std::vector<ZPathListV> runs;
    const int32_t n = Count();
    if (n == 0) return runs;

    int32_t start = 0;
    if (IsClosed()) {
        int32_t lastVirtual = -1;
        for (int32_t i = n - 1; i >= 0; --i) {
            if (FlagAt(i)) {
                lastVirtual = i;
                break;
            }
        }
        start = lastVirtual == n - 1 ? 0 : lastVirtual + 1;
    }

    int32_t index = start;
    for (int32_t steps = 0; FlagAt(index);) {
        index = (index + 1) % n;
        CheckCondition(++steps <= n);
    }
    const int32_t firstRun = index;
    for (;;) {
        CheckCondition(!FlagAt(index));
        int32_t runLast = index;
        for (;;) {
            int32_t next = (runLast + 1) % n;
            if (next == firstRun || FlagAt(next)) break;
            runLast = next;
        }
        runs.emplace_back();
        runs.back().AppendRange(*this, index, runLast);

        index = (runLast + 1) % n;
        if (index == firstRun) break;
        bool backAtStart = false;
        for (int32_t steps = 0; FlagAt(index);) {
            index = (index + 1) % n;
            CheckCondition(++steps <= n);
            if (index == firstRun) {
                backAtStart = true;
                break;
            }
        }
        if (backAtStart) break;
    }
    return runs;
}
