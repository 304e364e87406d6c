// The plug-in's editable path: an ordered list of cubic segments and a closed flag, read from and
// written to host paths in their anchor form.
#pragma once

#include "geometry/GeometryTypes.h"
#include "geometry/ItemArray.h"

#include <cstdint>

class ZPathList {
public:
    // Host paths hold at most this many anchors when the plug-in writes them.
    static constexpr int32_t kMaxAnchors = 32000;

    ZPathList();
    // The path's segments and closed flag; degenerate segments are dropped, corner flags are not kept.
    explicit ZPathList(ArtHandle path);
    ZPathList(const ZPathList& other);
    ZPathList& operator=(const ZPathList& other);
    virtual ~ZPathList();

    // Appends unless degenerate (c0, c1 and p3 all within 1e-5 of p0); the new count, or 0.
    int32_t Append(const BezierSegment& segment);
    int32_t AppendRaw(const BezierSegment& segment);
    void AppendAll(const ZPathList& other);
    void AppendAllRaw(const ZPathList& other);

    int32_t Count() const { return segments_.Count(); }
    BezierSegment SegmentAt(int32_t index) const;
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

    // Replaces the path's anchors and closed flag, merging straight collinear runs in this list
    // first. False, with the path untouched, when fewer than two anchors would result.
    bool WriteTo(ArtHandle path);

    void Clear();

protected:
    // The virtual flags of a ZPathListV, kept parallel to the segments by every edit; null for a
    // plain list.
    ItemArray<uint8_t>* flags_ = nullptr;

    void ReadFrom(ArtHandle path);
    int32_t AppendWithFlag(const BezierSegment& segment, uint8_t flag);
    void RemoveAt(int32_t index);
    // Joins straight collinear neighbours in place, pairwise from the start.
    void MergeStraightRuns();
    void ExtractInto(ZPathList& out, int32_t i, float s, int32_t k, float u, bool wrap, bool endIndexAllowed) const;
    void CopyForward(ZPathList& out, int32_t i, float s, int32_t k, float u) const;
    uint8_t FlagAt(int32_t index) const;

private:
    ItemArray<BezierSegment> segments_;
    int32_t closed_ = 0;
};

// A path list with one "virtual" flag per segment: an open path is handled as closed, its implied
// closing segment present but never written back as visible geometry.
class ZPathListV : public ZPathList {
public:
    ZPathListV();
    // Read as ZPathList, then closed with a virtual segment when the path was open.
    explicit ZPathListV(ArtHandle path);
    // Segments first .. last with their flags, wrapping past the end when last < first; open.
    ZPathListV(const ZPathListV& source, int16_t first, int16_t last);
    ZPathListV(const ZPathListV& other);
    ZPathListV& operator=(const ZPathListV& other);
    ~ZPathListV() override;

    int32_t Append(const BezierSegment& segment, bool isVirtual = false);
    using ZPathList::AppendAll;
    void AppendAll(const ZPathListV& other);
    bool IsVirtual(int32_t index) const;
    void Extract(ZPathListV& out, int32_t fromIndex, float fromT, int32_t toIndex, float toT, bool wrap) const;

    // New host paths (placed with `order` relative to `reference`, wearing its blending and art
    // style) for the list: one closed path when no segment is virtual, otherwise one open path per
    // run of visible segments. Each new path is appended to `out`. An empty list makes nothing.
    void WriteAsNewPaths(int16_t order, ArtHandle reference, ArtList& out);

private:
    void AppendRange(const ZPathListV& source, int32_t first, int32_t last);
    ArtHandle NewPathLike(int16_t order, ArtHandle reference);

    ItemArray<uint8_t> virtualFlags_;
};
