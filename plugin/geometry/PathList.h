// The plug-in's editable path: an ordered list of cubic segments and a closed flag, converted to
// and from the anchor form host paths hold. Reading and writing host art is in PathListIO.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>
#include <vector>

class ZPathList {
public:
    // The most anchors a host path's 16-bit count can say: the plug-in reads and writes no more.
    static constexpr int32_t kMaxAnchors = 32767;

    ZPathList();
    ZPathList(const ZPathList& other);
    ZPathList& operator=(const ZPathList& other);
    // Moves take the storage as copies would take the contents: lists handed back by value and
    // kept in containers are not copied segment by segment.
    ZPathList(ZPathList&& other) noexcept;
    ZPathList& operator=(ZPathList&& other) noexcept;
    virtual ~ZPathList();

    // Appends unless degenerate (c0, c1 and p3 all within 1e-5 of p0); the new count, or 0.
    int32_t Append(const BezierSegment& segment);
    int32_t AppendRaw(const BezierSegment& segment);
    void AppendAll(const ZPathList& other);
    void AppendAllRaw(const ZPathList& other);

    int32_t Count() const { return segments_.Count(); }
    BezierSegment SegmentAt(int32_t index) const { return segments_.At(index); }
    void SetSegmentAt(int32_t index, const BezierSegment& segment);
    bool IsClosed() const { return closed_ != 0; }
    void SetClosed(bool closed) { closed_ = closed ? 1 : 0; }

    RealPoint FirstPoint() const;
    RealPoint LastPoint() const;
    RealPoint PointAt(int32_t index, float t) const;
    // Segment ⌊p⌋ at p − ⌊p⌋; p equal to the count (within 1e-5) is the end of the last segment.
    RealPoint PointAtPosition(float position) const;

    void Translate(float dh, float dv);
    void Rotate(const RealPoint& centre, float sine, float cosine);
    void Reverse();

    // Copies the part from (fromIndex, fromT) to (toIndex, toT) into the empty list `out`. When the
    // end lies before the start, `wrap` runs through the end of a closed path; without it the part
    // between them is copied running backwards.
    void Extract(ZPathList& out, int32_t fromIndex, float fromT, int32_t toIndex, float toT, bool wrap) const;

    // The segments between a path's anchors (the closing one too when closed); degenerate segments
    // are dropped, corner flags are not kept. Fewer than two anchors give an empty open list.
    static ZPathList FromAnchors(const PathSegment* anchors, int32_t count, bool closed);
    // Joins straight collinear neighbours in place, pairwise from the start.
    void MergeStraightRuns();
    // The anchors a host path holds for the list as it stands, corner flags set where the curve
    // turns; empty when there would be fewer than two. Writers refuse more than kMaxAnchors.
    std::vector<PathSegment> Anchors() const;

    void Clear();
    // Room for `segments` segments (and their flags) before appending them.
    void Reserve(int32_t segments);

protected:
    // One flag per segment, kept parallel to the segments by every edit while tracksFlags_ is set
    // (a ZPathListV); a plain list leaves it empty.
    ItemArray<uint8_t> flags_;
    bool tracksFlags_ = false;

    int32_t AppendWithFlag(const BezierSegment& segment, uint8_t flag);
    void RemoveAt(int32_t index);
    void ExtractInto(ZPathList& out, int32_t i, float s, int32_t k, float u, bool wrap, bool endIndexAllowed) const;
    void CopyForward(ZPathList& out, int32_t i, float s, int32_t k, float u) const;
    uint8_t FlagAt(int32_t index) const {
        return (index >= 0 && index < flags_.Count()) ? flags_.At(index) : 0;
    }

private:
    ItemArray<BezierSegment> segments_;
    int32_t closed_ = 0;
};

// A path list with one "virtual" flag per segment: an open path is handled as closed, its implied
// closing segment present but never written back as visible geometry.
class ZPathListV : public ZPathList {
public:
    ZPathListV();
    // The list's segments, closed; an open list whose ends lie apart gains a virtual segment from
    // its end to its start.
    explicit ZPathListV(const ZPathList& path);
    // ZPathListV(ZPathList::FromAnchors(...)) without the intermediate list.
    static ZPathListV FromAnchors(const PathSegment* anchors, int32_t count, bool closed);
    // Segments first .. last with their flags, wrapping past the end when last < first; open.
    ZPathListV(const ZPathListV& source, int16_t first, int16_t last);
    ZPathListV(const ZPathListV& other);
    ZPathListV& operator=(const ZPathListV& other);
    ZPathListV(ZPathListV&& other) noexcept;
    ZPathListV& operator=(ZPathListV&& other) noexcept;
    ~ZPathListV() override;

    int32_t Append(const BezierSegment& segment, bool isVirtual = false);
    using ZPathList::AppendAll;
    void AppendAll(const ZPathListV& other);
    bool IsVirtual(int32_t index) const {
        CheckCondition(index >= 0 && index < Count());
        return FlagAt(index) != 0;
    }
    void Extract(ZPathListV& out, int32_t fromIndex, float fromT, int32_t toIndex, float toT, bool wrap) const;

    bool HasVirtualSegment() const;
    // The runs of visible segments as open lists, the first starting after the last virtual
    // segment of a closed list. Raises CheckFailure when every segment is virtual.
    std::vector<ZPathListV> VisibleRuns() const;

private:
    void AppendRange(const ZPathListV& source, int32_t first, int32_t last);
};
