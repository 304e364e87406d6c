#include "core/MeshGrid.h"

#include <algorithm>
#include <atomic>
#include <cmath>

namespace scribera {

MeshGrid MeshGrid::Rectangular(int32_t columns, int32_t rows, const SBRealRect& area, const SBColor& colour) {
    MeshGrid g;
    if (columns < 1 || rows < 1) return g;
    g.columns = columns;
    g.rows = rows;
    const double left = std::min(area.left, area.right), right = std::max(area.left, area.right);
    const double bottom = std::min(area.bottom, area.top), top = std::max(area.bottom, area.top);
    auto node = [&](int32_t c, int32_t r) {
        return SBRealPoint{left + (right - left) * c / columns, bottom + (top - bottom) * r / rows};
    };
    auto line = [](SBRealPoint a, SBRealPoint b) {
        return std::vector<SBRealPoint>{a,
                                        {a.h + (b.h - a.h) / 3, a.v + (b.v - a.v) / 3},
                                        {a.h + 2 * (b.h - a.h) / 3, a.v + 2 * (b.v - a.v) / 3},
                                        b};
    };
    for (int32_t r = 0; r <= rows; ++r)
        for (int32_t c = 0; c <= columns; ++c) {
            g.nodes.push_back(node(c, r));
            g.colours.push_back(colour);
        }
    for (int32_t r = 0; r <= rows; ++r)
        for (int32_t c = 0; c < columns; ++c) g.rowCurves.push_back(line(node(c, r), node(c + 1, r)));
    for (int32_t c = 0; c <= columns; ++c)
        for (int32_t r = 0; r < rows; ++r) g.columnCurves.push_back(line(node(c, r), node(c, r + 1)));
    return g;
}

uint64_t MeshGrid::NewLayoutStamp() {
    static std::atomic<uint64_t> counter{0};
    return ++counter;
}

bool MeshGrid::Consistent() const {
    if (columns == 0 && rows == 0) return nodes.empty() && rowCurves.empty() && columnCurves.empty();
    if (columns < 1 || rows < 1) return false;
    const size_t I = size_t(columns), J = size_t(rows);
    if (nodes.size() != (I + 1) * (J + 1) || colours.size() != nodes.size()) return false;
    if (rowCurves.size() != (J + 1) * I || columnCurves.size() != (I + 1) * J) return false;
    if (!rowMarks.empty() && rowMarks.size() != rowCurves.size()) return false;
    if (!columnMarks.empty() && columnMarks.size() != columnCurves.size()) return false;
    for (const auto* curves : {&rowCurves, &columnCurves})
        for (const auto& c : *curves)
            if (c.size() < 4 || (c.size() - 1) % 3 != 0) return false;
    for (int side = 0; side < 2; ++side) {
        const auto& marks = side ? columnMarks : rowMarks;
        const auto& curves = side ? columnCurves : rowCurves;
        for (size_t q = 0; q < marks.size(); ++q) {
            int32_t last = -1;
            const int32_t beziers = int32_t((curves[q].size() - 1) / 3);
            for (const MeshVertexMark& m : marks[q]) {
                if (m.bezier <= last || m.bezier >= beziers - 1) return false;
                last = m.bezier;
            }
        }
    }
    return true;
}

namespace {

SBRealPoint Lerp(SBRealPoint a, SBRealPoint b, double t) { return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t}; }

double Mix(double a, double b, double f) { return a + (b - a) * f; }

// The colour at f between a and b: blended component by component when both are of one kind that
// has components to blend, else the nearer one.
SBColor BlendAt(const SBColor& a, const SBColor& b, double f) {
    SBColor out = f > 0.5 ? b : a;
    if (a.kind != b.kind) return out;
    switch (a.kind) {
        case SB_COLOR_GRAY:
            out.c.gray.gray = Mix(a.c.gray.gray, b.c.gray.gray, f);
            break;
        case SB_COLOR_FOUR:
            out.c.four = {Mix(a.c.four.cyan, b.c.four.cyan, f), Mix(a.c.four.magenta, b.c.four.magenta, f),
                          Mix(a.c.four.yellow, b.c.four.yellow, f), Mix(a.c.four.black, b.c.four.black, f)};
            break;
        case SB_COLOR_THREE:
            out.c.three = {Mix(a.c.three.red, b.c.three.red, f), Mix(a.c.three.green, b.c.three.green, f),
                           Mix(a.c.three.blue, b.c.three.blue, f)};
            break;
        case SB_COLOR_CUSTOM:
            if (a.c.custom.color == b.c.custom.color) out.c.custom.tint = Mix(a.c.custom.tint, b.c.custom.tint, f);
            break;
        default:
            break;
    }
    return out;
}

}  // namespace

bool MeshGrid::AddVertex(bool column, size_t curve, double fraction, std::string* why) {
    if (!Consistent() || columns < 1) {
        *why = "the mesh is not a whole grid";
        return false;
    }
    auto& curves = column ? columnCurves : rowCurves;
    auto& allMarks = column ? columnMarks : rowMarks;
    if (curve >= curves.size()) {
        *why = "the mesh has " + std::to_string(curves.size()) + (column ? " column" : " row") + " curves";
        return false;
    }
    if (!(fraction > 0 && fraction < 1)) {
        *why = "a vertex goes strictly between the curve's nodes (0 < T < 1)";
        return false;
    }
    std::vector<SBRealPoint>& pts = curves[curve];
    const int32_t beziers = int32_t((pts.size() - 1) / 3);
    const double at = fraction * beziers;
    int32_t b = std::min(int32_t(std::floor(at)), beziers - 1);
    const double t = at - b;
    if (allMarks.empty()) allMarks.assign(curves.size(), {});
    std::vector<MeshVertexMark>& marks = allMarks[curve];
    int32_t markAt;  // the Bezier the new vertex ends
    constexpr double kSame = 1e-9;
    if (t < kSame || t > 1 - kSame) {
        // At an existing Bezier end: only the mark is new.
        markAt = t < kSame ? b - 1 : b;
        if (markAt < 0 || markAt >= beziers - 1) {
            *why = "a vertex goes strictly between the curve's nodes (0 < T < 1)";
            return false;
        }
        for (const MeshVertexMark& m : marks)
            if (m.bezier == markAt) {
                *why = "the curve already has a vertex there";
                return false;
            }
    } else {
        const SBRealPoint* p = &pts[size_t(3 * b)];
        const SBRealPoint a = Lerp(p[0], p[1], t), m = Lerp(p[1], p[2], t), c = Lerp(p[2], p[3], t);
        const SBRealPoint d = Lerp(a, m, t), e = Lerp(m, c, t), f = Lerp(d, e, t);
        const SBRealPoint end = p[3];
        const SBRealPoint split[6] = {a, d, f, e, c, end};
        pts.erase(pts.begin() + 3 * b + 1, pts.begin() + 3 * b + 4);
        pts.insert(pts.begin() + 3 * b + 1, split, split + 6);
        for (MeshVertexMark& mk : marks)
            if (mk.bezier >= b) ++mk.bezier;
        markAt = b;
    }
    const size_t I = size_t(columns), J = size_t(rows);
    size_t start, finish;
    if (column) {
        const size_t c = curve / J, r = curve % J;
        start = r * (I + 1) + c;
        finish = start + I + 1;
    } else {
        const size_t r = curve / I, c = curve % I;
        start = r * (I + 1) + c;
        finish = start + 1;
    }
    MeshVertexMark mark;
    mark.bezier = markAt;
    mark.colour = BlendAt(colours[start], colours[finish], fraction);
    layoutStamp = NewLayoutStamp();
    marks.insert(std::upper_bound(marks.begin(), marks.end(), mark,
                                  [](const MeshVertexMark& x, const MeshVertexMark& y) { return x.bezier < y.bezier; }),
                 mark);
    return true;
}

}  // namespace scribera
