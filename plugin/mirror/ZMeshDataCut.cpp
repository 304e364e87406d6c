#include "mirror/ZMeshDataCut.h"

#include "geometry/Errors.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

// Path position p as a segment and its parameter; the end of the curve is the end of its last
// segment.
void SplitPosition(const ZPathList& curve, float p, int32_t* index, float* t) {
    const float whole = std::floor(p);
    *index = static_cast<int32_t>(whole);
    *t = p - whole;
    if (*index >= curve.Count()) {
        *index = curve.Count() - 1;
        *t = 1.0f;
    }
}

bool Differ(const RealPoint& a, const RealPoint& b) { return !PointsCoincide(a, b); }

}  // namespace

ZMeshDataCut::ZMeshDataCut(const ZMeshData& data, const Line& cut, ArtHandle mesh)
    : ZMeshData(data), mesh_(mesh), cut_(cut) {
    cutRows_.assign(rowCurves_.size(), ZPathList());
    cutColumns_.assign(columnCurves_.size(), ZPathList());
}

ZMeshDataCut::~ZMeshDataCut() = default;

const ZPathList& ZMeshDataCut::CutRowCurve(int32_t index) const {
    CheckCondition(index >= 0 && index < RowCurveCount());
    return cutRows_[static_cast<size_t>(index)];
}

const ZPathList& ZMeshDataCut::CutColumnCurve(int32_t index) const {
    CheckCondition(index >= 0 && index < ColumnCurveCount());
    return cutColumns_[static_cast<size_t>(index)];
}

float ZMeshDataCut::CurveLengthFraction(const ZPathList& curve, float p) {
    const int32_t n = curve.Count();
    CheckCondition(p >= 0.0f && p <= static_cast<float>(n));
    if (p == static_cast<float>(n)) return 1.0f;
    const int32_t whole = static_cast<int32_t>(std::floor(p));
    float before = 0.0f, total = 0.0f;
    for (int32_t j = 0; j < n; ++j) {
        const float length = SegmentArcLength(curve.SegmentAt(j));
        total += length;
        if (j < whole) before += length;
        if (j == whole) before += length * (p - static_cast<float>(whole));
    }
    // A curve without length (every point on one spot) is cut at its start.
    const float f = total > 0.0f ? before / total : 0.0f;
    CheckCondition(f >= 0.0f && f <= 1.0f);
    return f;
}

void ZMeshDataCut::AddSample(float position, const ZPathList& curve, const RealPoint& point, int32_t startNode,
                             int32_t endNode) {
    const float f = CurveLengthFraction(curve, position);
    ColourSample sample{};
    sample.colour = BlendMeshColours(Colour(startNode), Colour(endNode), f);
    sample.point = point;
    sample.s = cut_.ProjectParameter(point);
    samples_.Append(sample);
}

void ZMeshDataCut::AnalyseCurve(const ZPathList& curve, ZPathList& cut, int32_t startNode, int32_t endNode) {
    const int32_t n = curve.Count();
    CheckCondition(n > 0);
    std::vector<float> positions;
    for (int32_t j = 0; j < n; ++j) {
        const LineCrossings crossings = IntersectSegmentWithLine(curve.SegmentAt(j), cut_);
        for (int k = 0; k < crossings.count; ++k) {
            const float p = static_cast<float>(j) + crossings.t[k];
            if (!positions.empty()) {
                CheckCondition(p >= positions.back());
                if (p == positions.back()) continue;
            }
            positions.push_back(p);
        }
    }

    if (!positions.empty()) {
        std::vector<float> bounds;
        bounds.push_back(0.0f);
        bounds.insert(bounds.end(), positions.begin(), positions.end());
        bounds.push_back(static_cast<float>(n));
        const size_t intervals = bounds.size() - 1;
        for (size_t i = 0; i < intervals; ++i) {
            const float a = bounds[i], b = bounds[i + 1];
            CheckCondition(b >= a);
            if (!(b > a)) continue;
            const RealPoint middle = curve.PointAtPosition((a + b) / 2.0f);
            const int side = cut_.SideOf(middle);
            if (side == -1) somethingRemoved_ = true;
            if (side == 1) {
                int32_t fromIndex, toIndex;
                float fromT, toT;
                SplitPosition(curve, a, &fromIndex, &fromT);
                SplitPosition(curve, b, &toIndex, &toT);
                ZPathList part;
                curve.Extract(part, fromIndex, fromT, toIndex, toT, false);
                cut.AppendAllRaw(part);
            } else if (i != 0 && i + 1 != intervals) {
                cut.AppendRaw(StraightSegment(curve.PointAtPosition(a), curve.PointAtPosition(b)));
            }
        }
    }

    if (cut.Count() == 0) {
        // Without a crossing the curve lies on one side. Its first point may lie within a hair of
        // the line, where the side test and the crossing search can disagree; its middle cannot,
        // unless the whole curve runs along the line.
        const int side = cut_.SideOf(curve.PointAtPosition(static_cast<float>(n) / 2.0f));
        if (side == -1) somethingRemoved_ = true;
        if (side == 1) {
            somethingKept_ = true;
            cut.AppendAllRaw(curve);
        }
        return;
    }
    somethingCut_ = true;
    if (Differ(cut.FirstPoint(), curve.FirstPoint()))
        AddSample(positions.front(), curve, cut.FirstPoint(), startNode, endNode);
    if (Differ(cut.LastPoint(), curve.LastPoint()))
        AddSample(positions.back(), curve, cut.LastPoint(), startNode, endNode);
}

void ZMeshDataCut::Analyse() {
    samples_.Clear();
    somethingKept_ = somethingCut_ = somethingRemoved_ = false;
    const int32_t I = columns_, J = rows_;
    for (int32_t i = 0; i < RowCurveCount(); ++i) {
        const int32_t r = i / I, c = i % I;
        const int32_t a = NodeIndex(c, r);
        cutRows_[static_cast<size_t>(i)].Clear();
        AnalyseCurve(RowCurveAt(i), cutRows_[static_cast<size_t>(i)], a, a + 1);
    }
    for (int32_t i = 0; i < ColumnCurveCount(); ++i) {
        const int32_t c = i / J, r = i % J;
        const int32_t a = NodeIndex(c, r);
        cutColumns_[static_cast<size_t>(i)].Clear();
        AnalyseCurve(ColumnCurveAt(i), cutColumns_[static_cast<size_t>(i)], a, a + I + 1);
    }
    std::vector<ColourSample> sorted;
    for (int32_t k = 0; k < samples_.Count(); ++k) sorted.push_back(samples_[k]);
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const ColourSample& x, const ColourSample& y) { return x.s < y.s; });
    samples_.Clear();
    for (const ColourSample& s : sorted) samples_.Append(s);

    // Without a colour sample a mesh may still reach beyond the line: a cut along a grid line
    // (the columns beyond it), or an edge that leaves the kept side and comes back. Such a mesh
    // is cut too: nothing may stay beyond the line, and the nodes kept keep their own colours.
    for (int32_t k = 0; k < NodeCount() && !somethingRemoved_; ++k) somethingRemoved_ = cut_.SideOf(Node(k)) == -1;
    if (somethingCut_ && (samples_.Count() > 0 || somethingRemoved_))
        status_ = Cut;
    else
        status_ = (somethingKept_ || somethingCut_) ? WhollyKept : WhollyRemoved;
}

MeshColour ZMeshDataCut::SampleColour(const RealPoint& point, const MeshColour& unchanged) const {
    const int32_t n = samples_.Count();
    if (n == 0) return unchanged;
    const float s = cut_.ProjectParameter(point);
    if (s <= samples_[0].s) return samples_[0].colour;
    if (s >= samples_[n - 1].s) return samples_[n - 1].colour;
    for (int32_t j = 0; j + 1 < n; ++j) {
        const ColourSample &a = samples_[j], &b = samples_[j + 1];
        if (a.s <= s && s < b.s) return BlendMeshColours(a.colour, b.colour, (s - a.s) / (b.s - a.s));
    }
    return samples_[n - 1].colour;
}

void ZMeshDataCut::MoveRemovedNodes() {
    const int32_t I = columns_, J = rows_;
    for (int32_t r = 0; r <= J; ++r) {
        for (int32_t c = 0; c <= I; ++c) {
            const int32_t k = NodeIndex(c, r);
            if (cut_.SideOf(Node(k)) == 1) continue;
            // The four cut curves meeting here, each turned to end at this node.
            ZPathList* adjacent[4] = {
                c > 0 ? &cutRows_[static_cast<size_t>(r * I + c - 1)] : nullptr,
                r < J ? &cutColumns_[static_cast<size_t>(c * J + r)] : nullptr,
                c < I ? &cutRows_[static_cast<size_t>(r * I + c)] : nullptr,
                r > 0 ? &cutColumns_[static_cast<size_t>(c * J + r - 1)] : nullptr,
            };
            if (adjacent[1]) adjacent[1]->Reverse();
            if (adjacent[2]) adjacent[2]->Reverse();
            float sumH = 0.0f, sumV = 0.0f;
            int contributed = 0;
            for (ZPathList* curve : adjacent) {
                if (!curve || curve->Count() == 0) continue;
                const RealPoint last = curve->LastPoint();
                sumH += static_cast<float>(last.h);
                sumV += static_cast<float>(last.v);
                ++contributed;
            }
            if (contributed == 0) {
                const RealPoint foot = cut_.PointAtParameter(cut_.ProjectParameter(Node(k)));
                SetNode(k, foot);
                SetColour(k, SampleColour(foot, Colour(k)));
            } else {
                const RealPoint mean{sumH / static_cast<float>(contributed), sumV / static_cast<float>(contributed)};
                for (ZPathList* curve : adjacent) {
                    if (!curve || curve->Count() == 0) continue;
                    if (Differ(curve->LastPoint(), mean)) curve->Append(StraightSegment(curve->LastPoint(), mean));
                }
                SetNode(k, mean);
                SetColour(k, SampleColour(mean, Colour(k)));
            }
            if (adjacent[1]) adjacent[1]->Reverse();
            if (adjacent[2]) adjacent[2]->Reverse();
        }
    }
}

void ZMeshDataCut::FillEmptyCurves() {
    const int32_t I = columns_, J = rows_;
    for (int32_t i = 0; i < RowCurveCount(); ++i) {
        ZPathList& cut = cutRows_[static_cast<size_t>(i)];
        if (cut.Count() > 0) continue;
        const int32_t a = NodeIndex(i % I, i / I);
        cut.AppendRaw(StraightSegment(Node(a), Node(a + 1)));
    }
    for (int32_t i = 0; i < ColumnCurveCount(); ++i) {
        ZPathList& cut = cutColumns_[static_cast<size_t>(i)];
        if (cut.Count() > 0) continue;
        const int32_t a = NodeIndex(i / J, i % J);
        cut.AppendRaw(StraightSegment(Node(a), Node(a + I + 1)));
    }
}

namespace {

bool OnLine(const ZPathList& curve, const Line& line) {
    for (int32_t j = 0; j < curve.Count(); ++j) {
        const BezierSegment s = curve.SegmentAt(j);
        for (const RealPoint* p : {&s.p0, &s.c0, &s.c1, &s.p3})
            if (line.DistanceToLine(*p) > 0.001f) return false;
    }
    return true;
}

}  // namespace

bool ZMeshDataCut::ColumnCollapsed(int32_t c) const {
    for (int32_t r = 0; r < rows_; ++r)
        if (!OnLine(ColumnCurveAt(c * rows_ + r), cut_)) return false;
    return true;
}

bool ZMeshDataCut::RowCollapsed(int32_t r) const {
    for (int32_t c = 0; c < columns_; ++c)
        if (!OnLine(RowCurveAt(r * columns_ + c), cut_)) return false;
    return true;
}

MeshExtent ZMeshDataCut::ApplyCut() {
    for (size_t i = 0; i < cutRows_.size(); ++i) rowCurves_[i] = cutRows_[i];
    for (size_t i = 0; i < cutColumns_.size(); ++i) columnCurves_[i] = cutColumns_[i];
    // Columns and rows collapsed onto the line go, but for the one beside what remains: it
    // forms the cut edge.
    auto keep = [](int32_t count, auto collapsed, int32_t* first, int32_t* last) {
        *first = 0;
        for (int32_t k = 0; k <= count; ++k)
            if (!collapsed(k)) {
                *first = std::max(*first, k - 1);
                break;
            }
        *last = count;
        int32_t k = count;
        for (; k > *first; --k)
            if (!collapsed(k)) {
                *last = std::min(*last, k + 1);
                break;
            }
        if (k == *first) *last = *first + 1;
    };
    MeshExtent e{};
    keep(
        columns_, [this](int32_t c) { return ColumnCollapsed(c); }, &e.c0, &e.c1);
    keep(
        rows_, [this](int32_t r) { return RowCollapsed(r); }, &e.r0, &e.r1);
    return e;
}

#ifdef ZARVO_MESH_TRACE
namespace {

void TraceCurves(std::FILE* f, const char* title, const std::vector<ZPathList>& curves) {
    std::fprintf(f, "%s", title);
    for (size_t i = 0; i < curves.size(); ++i) {
        std::fprintf(f, "%2d\n", static_cast<int>(i));
        for (int32_t j = 0; j < curves[i].Count(); ++j) {
            const BezierSegment s = curves[i].SegmentAt(j);
            std::fprintf(f, "    %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f %6.2f \n", s.p0.h, s.p0.v, s.c0.h, s.c0.v,
                         s.c1.h, s.c1.v, s.p3.h, s.p3.v);
        }
    }
}

// The first three components of a colour, whatever its kind.
void FirstThree(const MeshColour& c, double out[3]) {
    const double* values = reinterpret_cast<const double*>(&c.c);
    for (int i = 0; i < 3; ++i) out[i] = values[i];
}

}  // namespace
#endif

void ZMeshDataCut::DumpTrace() const {
#ifdef ZARVO_MESH_TRACE
    std::FILE* f = std::fopen("junkzzz", "w");
    if (!f) return;
    std::fprintf(f, "\nCut Line\n%6.2f %6.2f\n%6.2f %6.2f\n", cut_.p1.h, cut_.p1.v, cut_.p2.h, cut_.p2.v);
    std::fprintf(f, "\nNodes\n");
    for (int32_t k = 0; k < NodeCount(); ++k)
        std::fprintf(f, "%2d  %6.2f %6.2f %2d\n", k, nodes_[static_cast<size_t>(k)].h, nodes_[static_cast<size_t>(k)].v,
                     cut_.SideOf(nodes_[static_cast<size_t>(k)]));
    TraceCurves(f, "\nHorizontal paths\n", rowCurves_);
    TraceCurves(f, "\nVertical paths\n", columnCurves_);
    std::fprintf(f, "\nColours\n");
    for (int32_t k = 0; k < NodeCount(); ++k) {
        double v[3];
        FirstThree(colours_[static_cast<size_t>(k)], v);
        std::fprintf(f, "    %2d %4.3f %4.3f %4.3f\n", k, v[0], v[1], v[2]);
    }
    TraceCurves(f, "\nHorizontal paths post cut\n", cutRows_);
    TraceCurves(f, "\nVertical paths post cut\n", cutColumns_);
    std::fprintf(f, "\nIntersection List\n");
    for (int32_t k = 0; k < samples_.Count(); ++k) {
        double v[3];
        FirstThree(samples_[k].colour, v);
        std::fprintf(f, " %2d %5.3f %6.2f %6.2f  %4.3f %4.3f %4.3f\n", k, static_cast<double>(samples_[k].s),
                     samples_[k].point.h, samples_[k].point.v, v[0], v[1], v[2]);
    }
    std::fclose(f);
#endif
}
