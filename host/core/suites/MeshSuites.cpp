// Gradient meshes: the grid, vertex and segment iterators.
//
// Vertices are numbered nodes first (row by row), then the non-node vertices of the row curves and
// of the column curves in curve order. Segments run over the row curves (row by row), then the
// column curves (column by column); a curve through non-node vertices gives one segment per piece.
#include "core/suites/SuiteTables.h"
#include "core/suites/SuiteUtil.h"

#include <algorithm>
#include <memory>

namespace scribera::suites {

namespace {

struct VertexIter {
    Id mesh;
    int32_t index;
};
struct SegmentIter {
    Id mesh;
    int32_t index;
};

struct CurveRef {
    bool column;
    size_t index;
};

std::vector<SBRealPoint>& CurvePoints(MeshGrid& g, CurveRef c) {
    return c.column ? g.columnCurves[c.index] : g.rowCurves[c.index];
}
const std::vector<SBRealPoint>& CurvePoints(const MeshGrid& g, CurveRef c) {
    return c.column ? g.columnCurves[c.index] : g.rowCurves[c.index];
}
const std::vector<MeshVertexMark>* Marks(const MeshGrid& g, CurveRef c) {
    const auto& all = c.column ? g.columnMarks : g.rowMarks;
    return all.empty() ? nullptr : &all[c.index];
}
std::vector<MeshVertexMark>* Marks(MeshGrid& g, CurveRef c) {
    auto& all = c.column ? g.columnMarks : g.rowMarks;
    return all.empty() ? nullptr : &all[c.index];
}
size_t MarkCount(const MeshGrid& g, CurveRef c) {
    const auto* m = Marks(g, c);
    return m ? m->size() : 0;
}
int32_t Beziers(const MeshGrid& g, CurveRef c) { return int32_t((CurvePoints(g, c).size() - 1) / 3); }

size_t NodeCount(const MeshGrid& g) {
    return g.columns > 0 && g.rows > 0 ? size_t(g.columns + 1) * size_t(g.rows + 1) : 0;
}

bool Consistent(const MeshGrid& g) { return g.Consistent(); }

// The arrays have the sizes the grid asks for. Enough to walk it: each call then checks the curves
// it reads or moves, so a long walk does not check the whole grid at every step. The iterators
// start only on a wholly consistent grid.
bool Shaped(const MeshGrid& g) {
    if (g.columns == 0 && g.rows == 0) return g.nodes.empty() && g.rowCurves.empty() && g.columnCurves.empty();
    if (g.columns < 1 || g.rows < 1) return false;
    const size_t I = size_t(g.columns), J = size_t(g.rows);
    return g.nodes.size() == (I + 1) * (J + 1) && g.colours.size() == g.nodes.size() &&
           g.rowCurves.size() == (J + 1) * I && g.columnCurves.size() == (I + 1) * J &&
           (g.rowMarks.empty() || g.rowMarks.size() == g.rowCurves.size()) &&
           (g.columnMarks.empty() || g.columnMarks.size() == g.columnCurves.size());
}

size_t CurveCount(const MeshGrid& g) { return g.rowCurves.size() + g.columnCurves.size(); }
CurveRef CurveAt(const MeshGrid& g, size_t n) {
    return n < g.rowCurves.size() ? CurveRef{false, n} : CurveRef{true, n - g.rowCurves.size()};
}

// A grid without added vertices (every grid the suites initialise) numbers its vertices and
// segments directly, without walking the curves.
bool Plain(const MeshGrid& g) { return g.rowMarks.empty() && g.columnMarks.empty(); }

// How many added vertices come before each curve (q = 0 … CurveCount): kept while the grid's
// layout stamp says the counts are the same, so a walk does not count at every step.
const std::vector<size_t>& MarksBefore(const MeshGrid& g) {
    struct Kept {
        uint64_t stamp = 0;
        std::vector<size_t> before;
    };
    static thread_local Kept kept;
    if (g.layoutStamp != 0 && kept.stamp == g.layoutStamp && kept.before.size() == CurveCount(g) + 1)
        return kept.before;
    kept.before.assign(CurveCount(g) + 1, 0);
    for (size_t q = 0; q < CurveCount(g); ++q) kept.before[q + 1] = kept.before[q] + MarkCount(g, CurveAt(g, q));
    kept.stamp = g.layoutStamp;
    return kept.before;
}

size_t CurveNumber(const MeshGrid& g, CurveRef c) { return c.column ? g.rowCurves.size() + c.index : c.index; }

size_t VertexCount(const MeshGrid& g) {
    if (Plain(g)) return NodeCount(g);
    return NodeCount(g) + MarksBefore(g).back();
}

size_t SegmentCount(const MeshGrid& g) {
    if (Plain(g)) return CurveCount(g);
    return CurveCount(g) + MarksBefore(g).back();
}

// A vertex in the numbering above: a node, or a mark on a curve.
struct VertexRef {
    bool node;
    size_t index;  // of the node
    CurveRef curve;
    size_t mark;
};

// `k` is below VertexCount.
VertexRef LocateVertex(const MeshGrid& g, size_t k) {
    VertexRef v{k < NodeCount(g), k, {}, 0};
    if (!v.node) {
        const std::vector<size_t>& before = MarksBefore(g);
        const size_t m = k - NodeCount(g);
        const size_t q = size_t(std::upper_bound(before.begin(), before.end(), m) - before.begin()) - 1;
        v.curve = CurveAt(g, q);
        v.mark = m - before[q];
    }
    return v;
}

const MeshVertexMark& MarkAt(const MeshGrid& g, const VertexRef& v) { return (*Marks(g, v.curve))[v.mark]; }

SBRealPoint VertexPoint(const MeshGrid& g, const VertexRef& v) {
    return v.node ? g.nodes[v.index] : CurvePoints(g, v.curve)[size_t(MarkAt(g, v).bezier + 1) * 3];
}
const SBColor& VertexColour(const MeshGrid& g, const VertexRef& v) {
    return v.node ? g.colours[v.index] : MarkAt(g, v).colour;
}
SBColor& VertexColour(MeshGrid& g, const VertexRef& v) {
    return v.node ? g.colours[v.index] : (*Marks(g, v.curve))[v.mark].colour;
}

// One curve holds 4 or 3k + 4 points and its vertices lie at distinct inner Bezier ends in order.
bool CurveSane(const MeshGrid& g, CurveRef c) {
    const auto& pts = CurvePoints(g, c);
    if (pts.size() < 4 || (pts.size() - 1) % 3 != 0) return false;
    const auto* marks = Marks(g, c);
    if (!marks) return true;
    int32_t last = -1;
    for (const MeshVertexMark& m : *marks) {
        if (m.bezier <= last || m.bezier >= Beziers(g, c) - 1) return false;
        last = m.bezier;
    }
    return true;
}

// The curves that meet node k, which moving it changes.
bool NodeCurvesSane(const MeshGrid& g, size_t k) {
    const int32_t I = g.columns, J = g.rows;
    const int32_t c = int32_t(k % size_t(I + 1)), r = int32_t(k / size_t(I + 1));
    return (c >= I || CurveSane(g, {false, size_t(r * I + c)})) &&
           (c == 0 || CurveSane(g, {false, size_t(r * I + c - 1)})) &&
           (r >= J || CurveSane(g, {true, size_t(c * J + r)})) &&
           (r == 0 || CurveSane(g, {true, size_t(c * J + r - 1)}));
}

size_t MarkVertex(const MeshGrid& g, CurveRef curve, size_t mark) {
    return NodeCount(g) + MarksBefore(g)[CurveNumber(g, curve)] + mark;
}

size_t NodeIndex(const MeshGrid& g, int32_t c, int32_t r) { return size_t(r) * size_t(g.columns + 1) + size_t(c); }

void CurveNodes(const MeshGrid& g, CurveRef curve, size_t* start, size_t* end) {
    if (!curve.column) {
        const int32_t r = int32_t(curve.index) / g.columns, c = int32_t(curve.index) % g.columns;
        *start = NodeIndex(g, c, r);
        *end = NodeIndex(g, c + 1, r);
    } else {
        const int32_t c = int32_t(curve.index) / g.rows, r = int32_t(curve.index) % g.rows;
        *start = NodeIndex(g, c, r);
        *end = NodeIndex(g, c, r + 1);
    }
}

struct Piece {
    CurveRef curve;
    size_t piece;
    int32_t firstBezier, endBezier;  // [first, end)
};

bool LocateSegment(const MeshGrid& g, size_t segment, Piece* out) {
    if (Plain(g)) {
        if (segment >= CurveCount(g)) return false;
        out->curve = CurveAt(g, segment);
        out->piece = 0;
        out->firstBezier = 0;
        out->endBezier = Beziers(g, out->curve);
        return true;
    }
    // Segments before curve q: its vertices before it plus q; the first curve whose count passes
    // the segment holds it.
    const std::vector<size_t>& before = MarksBefore(g);
    if (segment >= CurveCount(g) + before.back()) return false;
    size_t lo = 0, hi = CurveCount(g);  // before[lo] + lo <= segment < before[hi] + hi
    while (hi - lo > 1) {
        const size_t mid = (lo + hi) / 2;
        if (before[mid] + mid <= segment)
            lo = mid;
        else
            hi = mid;
    }
    out->curve = CurveAt(g, lo);
    out->piece = segment - (before[lo] + lo);
    const auto* marks = Marks(g, out->curve);
    const size_t k = out->piece;
    out->firstBezier = k == 0 ? 0 : (*marks)[k - 1].bezier + 1;
    out->endBezier = k == MarkCount(g, out->curve) ? Beziers(g, out->curve) : (*marks)[k].bezier + 1;
    return true;
}

size_t StartVertex(const MeshGrid& g, const Piece& p) {
    size_t s, e;
    CurveNodes(g, p.curve, &s, &e);
    return p.piece == 0 ? s : MarkVertex(g, p.curve, p.piece - 1);
}
size_t EndVertex(const MeshGrid& g, const Piece& p) {
    size_t s, e;
    CurveNodes(g, p.curve, &s, &e);
    return p.piece == MarkCount(g, p.curve) ? e : MarkVertex(g, p.curve, p.piece);
}

// Moves node k; the curves meeting there move their end points (and, with `handles`, the control
// points next to them by the same amount).
void MoveNode(MeshGrid& g, size_t k, SBRealPoint to, bool handles) {
    const SBRealPoint from = g.nodes[k];
    const double dh = to.h - from.h, dv = to.v - from.v;
    g.nodes[k] = to;
    const int32_t c = int32_t(k % size_t(g.columns + 1)), r = int32_t(k / size_t(g.columns + 1));
    auto fix = [&](std::vector<SBRealPoint>& pts, bool atStart) {
        const size_t end = atStart ? 0 : pts.size() - 1;
        const size_t near = atStart ? 1 : pts.size() - 2;
        pts[end] = to;
        if (handles) {
            pts[near].h += dh;
            pts[near].v += dv;
        }
    };
    const int32_t I = g.columns, J = g.rows;
    if (c < I) fix(g.rowCurves[size_t(r * I + c)], true);
    if (c > 0) fix(g.rowCurves[size_t(r * I + c - 1)], false);
    if (r < J) fix(g.columnCurves[size_t(c * J + r)], true);
    if (r > 0) fix(g.columnCurves[size_t(c * J + r - 1)], false);
}

void MoveMark(MeshGrid& g, CurveRef curve, size_t mark, SBRealPoint to, bool handles) {
    auto& pts = CurvePoints(g, curve);
    const size_t at = size_t((*Marks(g, curve))[mark].bezier + 1) * 3;
    const double dh = to.h - pts[at].h, dv = to.v - pts[at].v;
    pts[at] = to;
    if (handles) {
        for (size_t n : {at - 1, at + 1}) {
            pts[n].h += dh;
            pts[n].v += dv;
        }
    }
}

SBRealPoint Lerp(SBRealPoint a, SBRealPoint b, double t) { return {a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t}; }

// Splits one Bezier at t: the left part in l[0..3], the right in r[0..3].
void Split(const SBRealPoint* p, double t, SBRealPoint* l, SBRealPoint* r) {
    const SBRealPoint a = Lerp(p[0], p[1], t), b = Lerp(p[1], p[2], t), c = Lerp(p[2], p[3], t);
    const SBRealPoint d = Lerp(a, b, t), e = Lerp(b, c, t), f = Lerp(d, e, t);
    l[0] = p[0], l[1] = a, l[2] = d, l[3] = f;
    r[0] = f, r[1] = e, r[2] = c, r[3] = p[3];
}

}  // namespace

namespace mesh {
constexpr const char* kSuite = kSBMeshSuite;
// Per side, as the script's mesh command and the SVG import allow: a cut or a rewrite can give any
// grid back that the document already held. Beyond that an argument has run away.
constexpr int32_t kMaxPatches = 1000;

#define SB_MESH(var, handle) \
    SB_ART(var, handle);     \
    if (var->kind != ArtKind::Mesh) return SB_ERR_BAD_PARAM

SBErr InitCartesian(SBArtHandle handle, int32_t i, int32_t j) {
    SB_ENTER();
    SB_MESH(a, handle);
    if (i < 1 || j < 1 || i > kMaxPatches || j > kMaxPatches) return SB_ERR_BAD_PARAM;
    SBRealRect area;
    if (!S.Doc().Bounds(a->id, &area) || area.left == area.right || area.top == area.bottom)
        area = SBRealRect{0, 10.0 * j, 10.0 * i, 0};
    SBColor colour{};
    colour.kind = SB_COLOR_GRAY;  // gray 0 is white
    if (!a->mesh.colours.empty()) colour = a->mesh.colours.front();
    return S.Doc().SetMesh(a->id, MeshGrid::Rectangular(i, j, area, colour));
}

SBErr GetSize(SBArtHandle handle, int32_t* i, int32_t* j) {
    SB_ENTER();
    SB_NEED(i && j);
    SB_MESH(a, handle);
    *i = a->mesh.columns;
    *j = a->mesh.rows;
    return SB_OK;
}

SBErr GetFirstVertex(SBArtHandle handle, SBMeshVertexIterator* out) {
    SB_ENTER();
    SB_NEED(out);
    SB_MESH(a, handle);
    if (!Consistent(a->mesh)) return SB_ERR_CANT;
    *out = ToHandle<SBMeshVertexIterator>(S.Handles().Keep(std::make_shared<VertexIter>(VertexIter{a->id, 0})));
    return SB_OK;
}

SBErr GetFirstSegment(SBArtHandle handle, SBMeshSegmentIterator* out) {
    SB_ENTER();
    SB_NEED(out);
    SB_MESH(a, handle);
    if (!Consistent(a->mesh)) return SB_ERR_CANT;
    *out = ToHandle<SBMeshSegmentIterator>(S.Handles().Keep(std::make_shared<SegmentIter>(SegmentIter{a->id, 0})));
    return SB_OK;
}

SB_SUITE_TABLE(SBMeshSuite, InitCartesian, GetSize, GetFirstVertex, GetFirstSegment);
}  // namespace mesh

// An iterator, the live mesh it walks (its arrays of the right sizes), or return.
#define SB_ITER(T, it, m, handle)                                                 \
    SB_KEPT(T, it, handle);                                                       \
    const Art* m = S.Doc().Find(it->mesh);                                        \
    if (!m || m->kind != ArtKind::Mesh) return Unknown(S, kSuite, op_, it->mesh); \
    if (!Shaped(m->mesh)) return SB_ERR_CANT

namespace vertex {
constexpr const char* kSuite = kSBMeshVertexSuite;

#define SB_VERTEX(it, m, handle)        \
    SB_ITER(VertexIter, it, m, handle); \
    if (size_t(it->index) >= VertexCount(m->mesh)) return SB_ERR_RANGE

// As SB_VERTEX, and `v` says where the vertex lives.
#define SB_VERTEX_AT(it, m, v, handle)                            \
    SB_VERTEX(it, m, handle);                                     \
    const VertexRef v = LocateVertex(m->mesh, size_t(it->index)); \
    if (v.node ? !NodeCurvesSane(m->mesh, v.index) : !CurveSane(m->mesh, v.curve)) return SB_ERR_CANT

SBErr AtEnd(SBMeshVertexIterator handle, SBBool* atEnd) {
    SB_ENTER();
    SB_NEED(atEnd);
    SB_ITER(VertexIter, it, m, handle);
    *atEnd = size_t(it->index) >= VertexCount(m->mesh) ? 1 : 0;
    return SB_OK;
}

SBErr Next(SBMeshVertexIterator handle) {
    SB_ENTER();
    SB_VERTEX(it, m, handle);
    ++it->index;
    return SB_OK;
}

SBErr Release(SBMeshVertexIterator handle) {
    SB_ENTER();
    SB_KEPT(VertexIter, it, handle);
    (void)it;
    S.Handles().Forget(FromHandle(handle));
    return SB_OK;
}

SBErr IsNode(SBMeshVertexIterator handle, SBBool* isNode) {
    SB_ENTER();
    SB_NEED(isNode);
    SB_VERTEX(it, m, handle);
    *isNode = size_t(it->index) < NodeCount(m->mesh) ? 1 : 0;
    return SB_OK;
}

SBErr GetPoint(SBMeshVertexIterator handle, SBRealPoint* point) {
    SB_ENTER();
    SB_NEED(point);
    SB_VERTEX_AT(it, m, v, handle);
    *point = VertexPoint(m->mesh, v);
    return SB_OK;
}

SBErr SetPoint(SBMeshVertexIterator handle, const SBRealPoint* point) {
    SB_ENTER();
    SB_NEED(point);
    SB_VERTEX_AT(it, m, v, handle);
    const SBRealPoint to = *point;
    return S.Doc().EditMesh(m->id, [&](MeshGrid& g) {
        if (v.node)
            MoveNode(g, v.index, to, true);
        else
            MoveMark(g, v.curve, v.mark, to, true);
        return SBErr(SB_OK);
    });
}

SBErr GetColor(SBMeshVertexIterator handle, SBColor* color) {
    SB_ENTER();
    SB_NEED(color);
    SB_VERTEX_AT(it, m, v, handle);
    *color = VertexColour(m->mesh, v);
    return SB_OK;
}

SBErr SetColor(SBMeshVertexIterator handle, const SBColor* color) {
    SB_ENTER();
    SB_NEED(color);
    SB_VERTEX_AT(it, m, v, handle);
    if (color->kind < SB_COLOR_GRAY || color->kind > SB_COLOR_NONE) return SB_ERR_BAD_PARAM;
    const SBColor value = *color;
    return S.Doc().EditMesh(m->id, [&](MeshGrid& g) {
        VertexColour(g, v) = value;
        return SBErr(SB_OK);
    });
}

SBErr GetUV(SBMeshVertexIterator handle, double* u, double* v) {
    SB_ENTER();
    SB_NEED(u && v);
    SB_VERTEX_AT(it, m, vertex, handle);
    const MeshGrid& g = m->mesh;
    if (vertex.node) {
        *u = double(vertex.index % size_t(g.columns + 1));
        *v = double(vertex.index / size_t(g.columns + 1));
        return SB_OK;
    }
    const CurveRef c = vertex.curve;
    size_t start, end;
    CurveNodes(g, c, &start, &end);
    const double f = double(MarkAt(g, vertex).bezier + 1) / Beziers(g, c);
    *u = double(start % size_t(g.columns + 1)) + (c.column ? 0 : f);
    *v = double(start / size_t(g.columns + 1)) + (c.column ? f : 0);
    return SB_OK;
}

SB_SUITE_TABLE(SBMeshVertexSuite, AtEnd, Next, Release, IsNode, GetPoint, SetPoint, GetColor, SetColor, GetUV);
}  // namespace vertex

namespace segment {
constexpr const char* kSuite = kSBMeshSegmentSuite;
constexpr int32_t kMaxInsert = 1000;

#define SB_SEGMENT(it, m, p, handle)                                         \
    SB_ITER(SegmentIter, it, m, handle);                                     \
    Piece p{};                                                               \
    if (!LocateSegment(m->mesh, size_t(it->index), &p)) return SB_ERR_RANGE; \
    if (!CurveSane(m->mesh, p.curve)) return SB_ERR_CANT

SBErr AtEnd(SBMeshSegmentIterator handle, SBBool* atEnd) {
    SB_ENTER();
    SB_NEED(atEnd);
    SB_ITER(SegmentIter, it, m, handle);
    *atEnd = size_t(it->index) >= SegmentCount(m->mesh) ? 1 : 0;
    return SB_OK;
}

SBErr Next(SBMeshSegmentIterator handle) {
    SB_ENTER();
    SB_SEGMENT(it, m, p, handle);
    ++it->index;
    return SB_OK;
}

SBErr Release(SBMeshSegmentIterator handle) {
    SB_ENTER();
    SB_KEPT(SegmentIter, it, handle);
    (void)it;
    S.Handles().Forget(FromHandle(handle));
    return SB_OK;
}

SBErr NewVertexIterator(Session& S, Id mesh, size_t index, SBMeshVertexIterator* out) {
    *out = ToHandle<SBMeshVertexIterator>(
        S.Handles().Keep(std::make_shared<VertexIter>(VertexIter{mesh, int32_t(index)})));
    return SB_OK;
}

SBErr GetStartVertex(SBMeshSegmentIterator handle, SBMeshVertexIterator* vertex) {
    SB_ENTER();
    SB_NEED(vertex);
    SB_SEGMENT(it, m, p, handle);
    return NewVertexIterator(S, m->id, StartVertex(m->mesh, p), vertex);
}

SBErr GetEndVertex(SBMeshSegmentIterator handle, SBMeshVertexIterator* vertex) {
    SB_ENTER();
    SB_NEED(vertex);
    SB_SEGMENT(it, m, p, handle);
    return NewVertexIterator(S, m->id, EndVertex(m->mesh, p), vertex);
}

SBErr GetPointCount(SBMeshSegmentIterator handle, int32_t* count) {
    SB_ENTER();
    SB_NEED(count);
    SB_SEGMENT(it, m, p, handle);
    *count = 3 * (p.endBezier - p.firstBezier) + 1;
    return SB_OK;
}

SBErr GetPoint(SBMeshSegmentIterator handle, int32_t index, SBRealPoint* point) {
    SB_ENTER();
    SB_NEED(point);
    SB_SEGMENT(it, m, p, handle);
    if (index < 0 || index > 3 * (p.endBezier - p.firstBezier)) return SB_ERR_RANGE;
    *point = CurvePoints(m->mesh, p.curve)[size_t(3 * p.firstBezier + index)];
    return SB_OK;
}

// Setting an end point moves the vertex there: a node takes every curve meeting it along.
SBErr SetPoint(SBMeshSegmentIterator handle, int32_t index, const SBRealPoint* point) {
    SB_ENTER();
    SB_NEED(point);
    SB_SEGMENT(it, m, p, handle);
    const int32_t last = 3 * (p.endBezier - p.firstBezier);
    if (index < 0 || index > last) return SB_ERR_RANGE;
    const SBRealPoint to = *point;
    const Piece piece = p;
    size_t first, final;
    CurveNodes(m->mesh, piece.curve, &first, &final);
    if (!NodeCurvesSane(m->mesh, first) || !NodeCurvesSane(m->mesh, final)) return SB_ERR_CANT;
    return S.Doc().EditMesh(m->id, [&](MeshGrid& g) {
        size_t start, end;
        CurveNodes(g, piece.curve, &start, &end);
        if (index == 0 && piece.piece == 0)
            MoveNode(g, start, to, false);
        else if (index == last && piece.piece == MarkCount(g, piece.curve))
            MoveNode(g, end, to, false);
        else
            CurvePoints(g, piece.curve)[size_t(3 * piece.firstBezier + index)] = to;
        return SBErr(SB_OK);
    });
}

// The Bezier is split into count + 1 equal-parameter parts, so the curve keeps its shape.
SBErr InsertBeziers(SBMeshSegmentIterator handle, int32_t index, int32_t count) {
    SB_ENTER();
    SB_SEGMENT(it, m, p, handle);
    if (count < 0 || count > kMaxInsert) return SB_ERR_BAD_PARAM;
    if (index < 0 || index >= p.endBezier - p.firstBezier) return SB_ERR_RANGE;
    if (count == 0) return SB_OK;
    const Piece piece = p;
    return S.Doc().EditMesh(m->id, [&](MeshGrid& g) {
        auto& pts = CurvePoints(g, piece.curve);
        const int32_t b = piece.firstBezier + index;
        SBRealPoint rest[4] = {pts[size_t(3 * b)], pts[size_t(3 * b + 1)], pts[size_t(3 * b + 2)],
                               pts[size_t(3 * b + 3)]};
        std::vector<SBRealPoint> inserted;  // points after the Bezier's start
        for (int32_t k = 0; k < count; ++k) {
            SBRealPoint l[4], r[4];
            Split(rest, 1.0 / double(count + 1 - k), l, r);
            inserted.insert(inserted.end(), {l[1], l[2], l[3]});
            std::copy(r, r + 4, rest);
        }
        inserted.insert(inserted.end(), {rest[1], rest[2], rest[3]});
        pts.erase(pts.begin() + 3 * b + 1, pts.begin() + 3 * b + 4);
        pts.insert(pts.begin() + 3 * b + 1, inserted.begin(), inserted.end());
        if (auto* marks = Marks(g, piece.curve))
            for (MeshVertexMark& mk : *marks)
                if (mk.bezier >= b) mk.bezier += count;
        return SBErr(SB_OK);
    });
}

SB_SUITE_TABLE(SBMeshSegmentSuite, AtEnd, Next, Release, GetStartVertex, GetEndVertex, GetPointCount, GetPoint,
               SetPoint, InsertBeziers);
}  // namespace segment

SuiteTable MeshTable() { return {&mesh::kTable, mesh::kOperations}; }
SuiteTable MeshVertexTable() { return {&vertex::kTable, vertex::kOperations}; }
SuiteTable MeshSegmentTable() { return {&segment::kTable, segment::kOperations}; }

}  // namespace scribera::suites
