#include "geometry/ArtTransforms.h"
#include "geometry/Numeric.h"

#include "frame/sb/Art.h"
#include "frame/sb/Math.h"
#include "frame/sb/Path.h"
#include "frame/sb/Style.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"

#include <cmath>
#include <cstddef>
#include <vector>

namespace {

// How one transform moves points and paint matrices.
class ArtMap {
public:
    virtual ~ArtMap() = default;
    virtual RealPoint Point(const RealPoint& p) const = 0;
    virtual void Matrix(SBRealMatrix* m) const = 0;
    // Translation leaves a path without anchors alone, paint included.
    virtual bool SkipsEmptyPaths() const { return false; }
};

// The paint of a path moved by the map, written back where it carries a placement.
void MapPaint(ArtHandle path, SBPathStyle style, const ArtMap& map) {
    if (style.fill.color.kind == SB_COLOR_GRADIENT) {
        map.Matrix(&style.fill.color.c.gradient.matrix);
        sb::SetPathStyle(path, style);
    } else if (style.fill.color.kind == SB_COLOR_PATTERN) {
        map.Matrix(&style.fill.color.c.pattern.matrix);
        sb::SetPathStyle(path, style);
    }
    if (style.stroke.color.kind == SB_COLOR_PATTERN) {
        map.Matrix(&style.stroke.color.c.pattern.matrix);
        sb::SetPathStyle(path, style);
    }
}

// Only calls and stores: g++ pairs each returned point's two halves through the stack and reads
// them back as one, a stalled load per point, which cost a tenth of a large rosette step.
#if defined(__GNUC__) && !defined(__clang__)
__attribute__((optimize("no-tree-slp-vectorize")))
#endif
void MapAnchors(PathSegment* anchors, int16_t count, const ArtMap& map) {
    for (int16_t k = 0; k < count; ++k) {
        PathSegment& a = anchors[k];
        a.p = map.Point(a.p);
        a.in = map.Point(a.in);
        a.out = map.Point(a.out);
    }
}

void MapPath(ArtHandle path, const ArtMap& map) {
    int16_t count = sb::GetPathSegmentCount(path);
    if (count <= 0 && map.SkipsEmptyPaths()) return;
    if (count > 0) {
        std::vector<PathSegment> anchors(static_cast<size_t>(count));
        sb::GetPathSegments(path, 0, count, anchors.data());
        MapAnchors(anchors.data(), count, map);
        sb::SetPathSegments(path, 0, count, anchors.data());
    }
    MapPaint(path, sb::GetPathStyle(path), map);
}

void WalkArt(ArtHandle art, int32_t depth, const ArtMap& map) {
    for (ArtHandle current = art; current;) {
        ArtHandle next = depth >= 1 ? sb::GetArtSibling(current) : nullptr;
        ArtHandle child = sb::GetArtFirstChild(current);
        if (sb::GetArtType(current) == kArtPath) MapPath(current, map);
        if (child) WalkArt(child, depth + 1, map);
        current = next;
    }
}

class TranslateMap : public ArtMap {
public:
    TranslateMap(float dh, float dv) : dh_(dh), dv_(dv) {}
    RealPoint Point(const RealPoint& p) const override { return RealPoint{p.h + dh_, p.v + dv_}; }
    void Matrix(SBRealMatrix* m) const override { sb::RealMatrixConcatTranslate(m, dh_, dv_); }
    bool SkipsEmptyPaths() const override { return true; }

private:
    float dh_, dv_;
};

class GlideMap : public ArtMap {
public:
    GlideMap(float dh, float axisV) : dh_(dh), axisV_(axisV) {}
    RealPoint Point(const RealPoint& p) const override { return RealPoint{p.h + dh_, p.v + 2.0 * (axisV_ - p.v)}; }
    void Matrix(SBRealMatrix* m) const override {
        sb::RealMatrixConcatScale(m, 1.0, -1.0);
        sb::RealMatrixConcatTranslate(m, dh_, 2.0 * double(axisV_));
    }

private:
    float dh_, axisV_;
};

class ReflectMap : public ArtMap {
public:
    explicit ReflectMap(const Line& line)
        : line_(line),
          theta_(Atan2F(static_cast<float>(line.p1.h - line.p2.h), static_cast<float>(line.p2.v - line.p1.v))) {}
    RealPoint Point(const RealPoint& p) const override {
        RealPoint q = p;
        line_.ReflectPoint(&q);
        return q;
    }
    void Matrix(SBRealMatrix* m) const override {
        sb::RealMatrixConcatTranslate(m, -line_.p1.h, -line_.p1.v);
        sb::RealMatrixConcatRotate(m, -theta_);
        sb::RealMatrixConcatScale(m, -1.0, 1.0);
        sb::RealMatrixConcatRotate(m, theta_);
        sb::RealMatrixConcatTranslate(m, line_.p1.h, line_.p1.v);
    }

private:
    Line line_;
    float theta_;
};

class RotateMap : public ArtMap {
public:
    RotateMap(float angle, float sinA, float cosA, const RealPoint& centre)
        : angle_(angle), sin_(sinA), cos_(cosA), centre_(centre) {}
    RealPoint Point(const RealPoint& p) const override { return RotatePointBySinCos(p, centre_, sin_, cos_); }
    void Matrix(SBRealMatrix* m) const override {
        sb::RealMatrixConcatTranslate(m, -centre_.h, -centre_.v);
        sb::RealMatrixConcatRotate(m, angle_);
        sb::RealMatrixConcatTranslate(m, centre_.h, centre_.v);
    }

private:
    float angle_, sin_, cos_;
    RealPoint centre_;
};

}  // namespace

void TranslateArt(ArtHandle art, float dh, float dv, int32_t depth) { WalkArt(art, depth, TranslateMap(dh, dv)); }

void GlideReflectArt(ArtHandle art, float dh, float axisV, int32_t depth) { WalkArt(art, depth, GlideMap(dh, axisV)); }

void ReflectArtAcrossLine(ArtHandle art, const Line& line, int32_t depth) {
    CheckCondition(!line.IsDegenerate());
    WalkArt(art, depth, ReflectMap(line));
}

void RotateArtAboutPoint(ArtHandle art, float angle, float sinA, float cosA, const RealPoint& centre, int32_t depth) {
    WalkArt(art, depth, RotateMap(angle, sinA, cosA, centre));
}

// --- ArtSnapshot ----------------------------------------------------------------------------------

ArtSnapshot::ArtSnapshot(ArtHandle art) { Read(art, 0); }

void ArtSnapshot::Read(ArtHandle art, int32_t depth) {
    // WalkArt's order: each object, then its descendants, then (below the top) its next sibling.
    for (ArtHandle current = art; current;) {
        ArtHandle next = depth >= 1 ? sb::GetArtSibling(current) : nullptr;
        ArtHandle child = sb::GetArtFirstChild(current);
        Node node;
        node.isPath = sb::GetArtType(current) == kArtPath;
        if (node.isPath) {
            node.count = sb::GetPathSegmentCount(current);
            node.first = anchors_.size();
            if (node.count > 0) {
                anchors_.resize(anchors_.size() + static_cast<size_t>(node.count));
                sb::GetPathSegments(current, 0, node.count, anchors_.data() + node.first);
            }
            node.style = sb::GetPathStyle(current);
        }
        nodes_.push_back(node);
        if (child) Read(child, depth + 1);
        current = next;
    }
}

void ArtSnapshot::WriteRotated(ArtHandle copy, float angle, float sinA, float cosA, const RealPoint& centre) const {
    const RotateMap map(angle, sinA, cosA, centre);
    std::vector<PathSegment> turned;
    size_t index = 0;
    // The same walk over the duplicate, its objects matched to the snapshot's by position.
    auto walk = [&](auto& self, ArtHandle art, int32_t depth) -> void {
        for (ArtHandle current = art; current;) {
            ArtHandle next = depth >= 1 ? sb::GetArtSibling(current) : nullptr;
            ArtHandle child = sb::GetArtFirstChild(current);
            CheckCondition(index < nodes_.size());
            const Node& node = nodes_[index++];
            CheckCondition(node.isPath == (sb::GetArtType(current) == kArtPath));
            if (node.isPath) {
                if (node.count > 0) {
                    turned.assign(anchors_.begin() + static_cast<std::ptrdiff_t>(node.first),
                                  anchors_.begin() + static_cast<std::ptrdiff_t>(node.first + size_t(node.count)));
                    MapAnchors(turned.data(), node.count, map);
                    sb::SetPathSegments(current, 0, node.count, turned.data());
                }
                MapPaint(current, node.style, map);
            }
            if (child) self(self, child, depth + 1);
            current = next;
        }
    };
    walk(walk, copy, 0);
    CheckCondition(index == nodes_.size());
}

ArtHandle FindCompoundPathAncestor(ArtHandle art) {
    for (ArtHandle parent = sb::GetArtParent(art); parent; parent = sb::GetArtParent(parent))
        if (sb::GetArtType(parent) == kArtCompoundPath) return parent;
    return nullptr;
}

ArtHandle FindClipGroupAncestor(ArtHandle art) {
    for (ArtHandle parent = sb::GetArtParent(art); parent; parent = sb::GetArtParent(parent))
        if (sb::GetArtType(parent) == kArtGroup && sb::GetGroupClipped(parent)) return parent;
    return nullptr;
}

ArtHandle GatherArt(const ArtList& list) {
    ArtList entries;
    for (int32_t i = 0; i < list.Count(); ++i) {
        ArtHandle art = list.At(i);
        if (ArtHandle clip = FindClipGroupAncestor(art)) {
            entries.AppendUnique(clip);
        } else if (ArtHandle compound = FindCompoundPathAncestor(art)) {
            entries.AppendUnique(compound);
        } else {
            entries.Append(art);
        }
    }
    if (entries.Count() == 0) return nullptr;
    if (entries.Count() == 1) {
        ArtHandle only = entries.At(0);
        sb::ReorderArt(only, kPlaceInsideOnTop, sb::GetFirstArtOfLayer(nullptr));
        return only;
    }
    ArtHandle group = NewArtOfKind(kArtGroup);
    for (int32_t i = 0; i < entries.Count(); ++i) sb::ReorderArt(entries.At(i), kPlaceInsideOnBottom, group);
    return group;
}

void ReleaseGroup(ArtHandle group) {
    ArtHandle previous = group;
    for (ArtHandle child = sb::GetArtFirstChild(group); child;) {
        ArtHandle next = sb::GetArtSibling(child);
        sb::ReorderArt(child, kPlaceBelow, previous);
        previous = child;
        child = next;
    }
    sb::DisposeArt(group);
}

void CollectArtOfKind(ArtHandle art, int16_t kind, ArtList& list) {
    for (ArtHandle current = art; current;) {
        ArtHandle next = sb::GetArtSibling(current);
        ArtHandle child = sb::GetArtFirstChild(current);
        if (sb::GetArtType(current) == kind) list.Append(current);
        if (child) CollectArtOfKind(child, kind, list);
        current = next;
    }
}
