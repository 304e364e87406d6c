#include "mirror/ZMeshData.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"

ZMeshData::ZMeshData() = default;
ZMeshData::~ZMeshData() = default;

ZMeshData::ZMeshData(int32_t columns, int32_t rows, const std::vector<ZPathList>& rowCurves,
                     const std::vector<ZPathList>& columnCurves, const std::vector<MeshColour>& colours) {
    Resize(columns, rows);
    CheckCondition(rowCurves.size() == rowCurves_.size() && columnCurves.size() == columnCurves_.size() &&
                   colours.size() == colours_.size());
    for (size_t i = 0; i < rowCurves.size(); ++i) rowCurves_[i].AppendAllRaw(rowCurves[i]);
    for (size_t i = 0; i < columnCurves.size(); ++i) columnCurves_[i].AppendAllRaw(columnCurves[i]);
    colours_ = colours;
    // Each node where its row curves meet it.
    for (int32_t r = 0; r <= rows_; ++r)
        for (int32_t c = 0; c <= columns_; ++c) {
            const ZPathList& curve = rowCurves_[static_cast<size_t>(r * columns_ + (c < columns_ ? c : c - 1))];
            if (curve.Count() > 0)
                nodes_[static_cast<size_t>(NodeIndex(c, r))] = c < columns_ ? curve.FirstPoint() : curve.LastPoint();
        }
}

void ZMeshData::Resize(int32_t columns, int32_t rows) {
    CheckCondition(columns >= 1 && rows >= 1);
    columns_ = columns;
    rows_ = rows;
    nodes_.assign(static_cast<size_t>(NodeCount()), RealPoint{0, 0});
    colours_.assign(static_cast<size_t>(NodeCount()), MeshColour{});
    rowCurves_.assign(static_cast<size_t>(RowCurveCount()), ZPathList());
    columnCurves_.assign(static_cast<size_t>(ColumnCurveCount()), ZPathList());
}

const ZPathList& ZMeshData::RowCurveAt(int32_t index) const {
    CheckCondition(index >= 0 && index < RowCurveCount());
    return rowCurves_[static_cast<size_t>(index)];
}

const ZPathList& ZMeshData::ColumnCurveAt(int32_t index) const {
    CheckCondition(index >= 0 && index < ColumnCurveCount());
    return columnCurves_[static_cast<size_t>(index)];
}

ZPathList& ZMeshData::MutableRowCurve(int32_t index) { return const_cast<ZPathList&>(RowCurveAt(index)); }
ZPathList& ZMeshData::MutableColumnCurve(int32_t index) { return const_cast<ZPathList&>(ColumnCurveAt(index)); }

void ZMeshData::RowCurve(int32_t index, ZPathList& out) const {
    const ZPathList& curve = RowCurveAt(index);
    out.Clear();
    out.AppendAllRaw(curve);
}

void ZMeshData::ColumnCurve(int32_t index, ZPathList& out) const {
    const ZPathList& curve = ColumnCurveAt(index);
    out.Clear();
    out.AppendAllRaw(curve);
}

void ZMeshData::SetRowCurve(int32_t index, const ZPathList& curve) {
    ZPathList& target = MutableRowCurve(index);
    ZPathList copy;
    copy.AppendAllRaw(curve);
    target = copy;
}

void ZMeshData::SetColumnCurve(int32_t index, const ZPathList& curve) {
    ZPathList& target = MutableColumnCurve(index);
    ZPathList copy;
    copy.AppendAllRaw(curve);
    target = copy;
}

RealPoint ZMeshData::Node(int32_t index) const {
    CheckCondition(index >= 0 && index < NodeCount());
    return nodes_[static_cast<size_t>(index)];
}

void ZMeshData::SetNode(int32_t index, const RealPoint& point) {
    CheckCondition(index >= 0 && index < NodeCount());
    nodes_[static_cast<size_t>(index)] = point;
}

const MeshColour& ZMeshData::Colour(int32_t index) const {
    CheckCondition(index >= 0 && index < NodeCount());
    return colours_[static_cast<size_t>(index)];
}

void ZMeshData::SetColour(int32_t index, const MeshColour& colour) {
    CheckCondition(index >= 0 && index < NodeCount());
    colours_[static_cast<size_t>(index)] = colour;
}

namespace {

void ReflectCurve(ZPathList& curve, const Line& line) {
    for (int32_t i = 0; i < curve.Count(); ++i) {
        BezierSegment s = curve.SegmentAt(i);
        for (RealPoint* p : {&s.p0, &s.c0, &s.c1, &s.p3}) line.ReflectPoint(p);
        curve.SetSegmentAt(i, s);
    }
}

}  // namespace

void ZMeshData::Reflect(const Line& line) {
    for (ZPathList& curve : rowCurves_) ReflectCurve(curve, line);
    for (ZPathList& curve : columnCurves_) ReflectCurve(curve, line);
}

MeshColour BlendMeshColours(const MeshColour& a, const MeshColour& b, float f) {
    CheckCondition(f >= 0.0f && f <= 1.0f);
    MeshColour out = f > 0.5f ? b : a;
    if (a.kind != b.kind) return out;
    const double g = static_cast<double>(1.0f - f), h = static_cast<double>(f);
    auto mix = [&](double x, double y) { return x * g + y * h; };
    switch (a.kind) {
        case SB_COLOR_GRAY:
            out.c.gray.gray = mix(a.c.gray.gray, b.c.gray.gray);
            break;
        case SB_COLOR_FOUR:
            out.c.four.cyan = mix(a.c.four.cyan, b.c.four.cyan);
            out.c.four.magenta = mix(a.c.four.magenta, b.c.four.magenta);
            out.c.four.yellow = mix(a.c.four.yellow, b.c.four.yellow);
            out.c.four.black = mix(a.c.four.black, b.c.four.black);
            break;
        case SB_COLOR_THREE:
            out.c.three.red = mix(a.c.three.red, b.c.three.red);
            out.c.three.green = mix(a.c.three.green, b.c.three.green);
            out.c.three.blue = mix(a.c.three.blue, b.c.three.blue);
            break;
        case SB_COLOR_CUSTOM:
            if (a.c.custom.color == b.c.custom.color) out.c.custom.tint = mix(a.c.custom.tint, b.c.custom.tint);
            break;
        default:
            break;
    }
    return out;
}
