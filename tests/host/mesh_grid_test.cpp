// Vertices added on mesh edges: the edge keeps its shape, the vertex its blended colour, and the
// suites then walk the edge as one segment more.
#include "suites_fixture.h"

#include "core/MeshGrid.h"

#include <cmath>
#include <string>

namespace scribera {
namespace {

SBColor Gray(double g) {
    SBColor c{};
    c.kind = SB_COLOR_GRAY;
    c.c.gray.gray = g;
    return c;
}

SBRealPoint Bezier(const std::vector<SBRealPoint>& pts, size_t b, double t) {
    const SBRealPoint* p = &pts[3 * b];
    const double u = 1 - t;
    return {u * u * u * p[0].h + 3 * u * u * t * p[1].h + 3 * u * t * t * p[2].h + t * t * t * p[3].h,
            u * u * u * p[0].v + 3 * u * u * t * p[1].v + 3 * u * t * t * p[2].v + t * t * t * p[3].v};
}

// A 2 × 1 grid over [0, 20] × [0, 10] whose bottom middle-to-right edge bulges downwards.
MeshGrid CurvedGrid() {
    MeshGrid g = MeshGrid::Rectangular(2, 1, {0, 10, 20, 0}, Gray(0));
    g.rowCurves[1] = {{10, 0}, {12, -6}, {18, -6}, {20, 0}};
    for (size_t k = 0; k < g.colours.size(); ++k) g.colours[k] = Gray(0.1 * double(k));
    return g;
}

TEST(MeshGridVertices, SplittingKeepsTheEdgeAndBlendsTheNodeColours) {
    MeshGrid g = CurvedGrid();
    const std::vector<SBRealPoint> before = g.rowCurves[1];
    std::string why;
    ASSERT_TRUE(g.AddVertex(false, 1, 0.25, &why)) << why;
    ASSERT_TRUE(g.Consistent());
    const std::vector<SBRealPoint>& after = g.rowCurves[1];
    ASSERT_EQ(after.size(), 7u);
    // The same curve: its first Bezier is the old one up to 0.25, its second the rest.
    for (double t : {0.0, 0.3, 0.7, 1.0}) {
        const SBRealPoint a = Bezier(after, 0, t), b = Bezier(before, 0, 0.25 * t);
        EXPECT_NEAR(a.h, b.h, 1e-12);
        EXPECT_NEAR(a.v, b.v, 1e-12);
        const SBRealPoint c = Bezier(after, 1, t), d = Bezier(before, 0, 0.25 + 0.75 * t);
        EXPECT_NEAR(c.h, d.h, 1e-12);
        EXPECT_NEAR(c.v, d.v, 1e-12);
    }
    ASSERT_EQ(g.rowMarks.size(), g.rowCurves.size());
    ASSERT_EQ(g.rowMarks[1].size(), 1u);
    EXPECT_EQ(g.rowMarks[1][0].bezier, 0);
    // Nodes 1 and 2 are gray 0.1 and 0.2.
    EXPECT_NEAR(g.rowMarks[1][0].colour.c.gray.gray, 0.125, 1e-12);

    // A second vertex before the first splits the first Bezier again and moves the first vertex
    // to the end of the next one.
    ASSERT_TRUE(g.AddVertex(false, 1, 0.1, &why)) << why;
    ASSERT_EQ(g.rowMarks[1].size(), 2u);
    EXPECT_EQ(g.rowMarks[1][0].bezier, 0);
    EXPECT_EQ(g.rowMarks[1][1].bezier, 1);
    EXPECT_TRUE(g.Consistent());
}

TEST(MeshGridVertices, ColoursOfEveryKind) {
    MeshGrid g = MeshGrid::Rectangular(1, 1, {0, 10, 10, 0}, Gray(0));
    SBColor cmyk{}, rgb{}, tint1{}, tint2{};
    cmyk.kind = SB_COLOR_FOUR;
    cmyk.c.four = {1, 0, 0, 0.5};
    rgb.kind = SB_COLOR_THREE;
    rgb.c.three = {0, 1, 0};
    tint1.kind = tint2.kind = SB_COLOR_CUSTOM;
    tint1.c.custom = {reinterpret_cast<SBCustomColorHandle>(7), 0.2};
    tint2.c.custom = {reinterpret_cast<SBCustomColorHandle>(7), 0.6};
    g.colours = {cmyk, cmyk, rgb, rgb};
    g.colours[1].c.four.black = 1;
    std::string why;
    ASSERT_TRUE(g.AddVertex(false, 0, 0.5, &why));
    EXPECT_NEAR(g.rowMarks[0][0].colour.c.four.black, 0.75, 1e-12);
    EXPECT_EQ(g.rowMarks[0][0].colour.c.four.cyan, 1);
    // Four-colour below three-colour: no blend, the nearer end's colour.
    ASSERT_TRUE(g.AddVertex(true, 0, 0.4, &why));
    EXPECT_EQ(g.columnMarks[0][0].colour.kind, SB_COLOR_FOUR);
    ASSERT_TRUE(g.AddVertex(true, 1, 0.6, &why));
    EXPECT_EQ(g.columnMarks[1][0].colour.kind, SB_COLOR_THREE);
    // One custom colour: its tint blends.
    g.colours = {tint1, tint2, tint1, tint2};
    ASSERT_TRUE(g.AddVertex(false, 1, 0.5, &why));
    EXPECT_NEAR(g.rowMarks[1][0].colour.c.custom.tint, 0.4, 1e-12);
}

TEST(MeshGridVertices, RefusesWhatIsNotStrictlyInsideACurve) {
    MeshGrid g = MeshGrid::Rectangular(1, 1, {0, 10, 10, 0}, Gray(0));
    std::string why;
    EXPECT_FALSE(g.AddVertex(false, 2, 0.5, &why));
    EXPECT_NE(why.find("2 row curves"), std::string::npos) << why;
    EXPECT_FALSE(g.AddVertex(true, 0, 0, &why));
    EXPECT_FALSE(g.AddVertex(true, 0, 1, &why));
    EXPECT_FALSE(g.AddVertex(true, 0, std::nan(""), &why));
    ASSERT_TRUE(g.AddVertex(true, 0, 0.5, &why));
    EXPECT_FALSE(g.AddVertex(true, 0, 0.5, &why));  // already there
    EXPECT_NE(why.find("already"), std::string::npos) << why;
    EXPECT_TRUE(g.Consistent());
    MeshGrid broken = g;
    broken.colours.pop_back();
    EXPECT_FALSE(broken.AddVertex(false, 0, 0.5, &why));
}

class MeshGridSuites : public testing::SuiteTest {
protected:
    const SBMeshSegmentSuite* segment = Acquire<SBMeshSegmentSuite>(kSBMeshSegmentSuite, kSBMeshSegmentSuiteVersion);
    const SBMeshVertexSuite* vertex = Acquire<SBMeshVertexSuite>(kSBMeshVertexSuite, kSBMeshVertexSuiteVersion);
    const SBMeshSuite* mesh = Acquire<SBMeshSuite>(kSBMeshSuite, kSBMeshSuiteVersion);
};

TEST_F(MeshGridSuites, AnAddedVertexIsWalkedAsANonNodeBetweenTwoSegments) {
    SBArtHandle m = nullptr;
    ASSERT_EQ(art->NewArt(SB_ART_MESH, SB_PLACE_INSIDE_ON_TOP, Layer(), &m), SB_OK);
    MeshGrid g = CurvedGrid();
    std::string why;
    ASSERT_TRUE(g.AddVertex(false, 1, 0.5, &why));
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);

    SBMeshSegmentIterator it = nullptr;
    ASSERT_EQ(mesh->GetFirstSegment(m, &it), SB_OK);
    ASSERT_EQ(segment->Next(it), SB_OK);  // row curve 1: node (1, 0) to the vertex
    SBMeshVertexIterator end = nullptr;
    ASSERT_EQ(segment->GetEndVertex(it, &end), SB_OK);
    SBBool node = 1;
    double u = 0, v = 0;
    ASSERT_EQ(vertex->IsNode(end, &node), SB_OK);
    ASSERT_EQ(vertex->GetUV(end, &u, &v), SB_OK);
    EXPECT_EQ(node, 0);
    EXPECT_DOUBLE_EQ(u, 1.5);
    EXPECT_DOUBLE_EQ(v, 0);
    SBRealPoint p{};
    ASSERT_EQ(vertex->GetPoint(end, &p), SB_OK);
    EXPECT_NEAR(p.h, 15, 1e-12);
    EXPECT_NEAR(p.v, -4.5, 1e-12);
    SBColor c{};
    ASSERT_EQ(vertex->GetColor(end, &c), SB_OK);
    EXPECT_NEAR(c.c.gray.gray, 0.15, 1e-12);
    ASSERT_EQ(vertex->Release(end), SB_OK);
    int32_t n = 0;
    ASSERT_EQ(segment->GetPointCount(it, &n), SB_OK);
    EXPECT_EQ(n, 4);
    ASSERT_EQ(segment->Next(it), SB_OK);  // the vertex to node (2, 0)
    ASSERT_EQ(segment->GetEndVertex(it, &end), SB_OK);
    ASSERT_EQ(vertex->IsNode(end, &node), SB_OK);
    EXPECT_EQ(node, 1);
    ASSERT_EQ(vertex->Release(end), SB_OK);
    ASSERT_EQ(segment->Release(it), SB_OK);

    // Re-initialising as a grid drops the vertex and every curve is one Bezier again.
    ASSERT_EQ(mesh->InitCartesian(m, 3, 2), SB_OK);
    const MeshGrid& fresh = session.Doc().Find(FromHandle(m))->mesh;
    EXPECT_TRUE(fresh.Consistent());
    EXPECT_EQ(fresh.columns, 3);
    EXPECT_EQ(fresh.rows, 2);
    for (const auto& marks : fresh.rowMarks) EXPECT_TRUE(marks.empty());
    for (const auto& curve : fresh.rowCurves) EXPECT_EQ(curve.size(), 4u);
}

TEST_F(MeshGridSuites, VerticesOnSeveralCurvesAreNumberedInCurveOrderAfterEveryChange) {
    SBArtHandle m = nullptr;
    ASSERT_EQ(art->NewArt(SB_ART_MESH, SB_PLACE_INSIDE_ON_TOP, Layer(), &m), SB_OK);
    MeshGrid g = MeshGrid::Rectangular(2, 2, {0, 20, 20, 0}, Gray(0));
    std::string why;
    ASSERT_TRUE(g.AddVertex(false, 1, 0.5, &why));
    ASSERT_TRUE(g.AddVertex(false, 3, 0.25, &why));
    ASSERT_TRUE(g.AddVertex(false, 3, 0.75, &why));
    ASSERT_TRUE(g.AddVertex(true, 4, 0.5, &why));
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);
    // (start u, start v, end u, end v) of every segment, walked twice: the second walk sees the same.
    // An added vertex's u (or v) counts the Beziers of its curve: the row curve 3 of three Beziers
    // has its two at thirds.
    const double third = 1.0 / 3, twoThirds = 2.0 / 3;
    auto walk = [&]() {
        std::vector<std::vector<double>> out;
        SBMeshSegmentIterator it = nullptr;
        EXPECT_EQ(mesh->GetFirstSegment(m, &it), SB_OK);
        SBBool end = 0;
        while (segment->AtEnd(it, &end) == SB_OK && !end) {
            SBMeshVertexIterator a = nullptr, b = nullptr;
            EXPECT_EQ(segment->GetStartVertex(it, &a), SB_OK);
            EXPECT_EQ(segment->GetEndVertex(it, &b), SB_OK);
            double au = 0, av = 0, bu = 0, bv = 0;
            EXPECT_EQ(vertex->GetUV(a, &au, &av), SB_OK);
            EXPECT_EQ(vertex->GetUV(b, &bu, &bv), SB_OK);
            vertex->Release(a);
            vertex->Release(b);
            out.push_back({au, av, bu, bv});
            EXPECT_EQ(segment->Next(it), SB_OK);
        }
        segment->Release(it);
        return out;
    };
    const std::vector<std::vector<double>> expected{{0, 0, 1, 0},
                                                    {1, 0, 1.5, 0},
                                                    {1.5, 0, 2, 0},
                                                    {0, 1, 1, 1},
                                                    {1, 1, 1 + third, 1},
                                                    {1 + third, 1, 1 + twoThirds, 1},
                                                    {1 + twoThirds, 1, 2, 1},
                                                    {0, 2, 1, 2},
                                                    {1, 2, 2, 2},
                                                    {0, 0, 0, 1},
                                                    {0, 1, 0, 2},
                                                    {1, 0, 1, 1},
                                                    {1, 1, 1, 2},
                                                    {2, 0, 2, 0.5},
                                                    {2, 0.5, 2, 1},
                                                    {2, 1, 2, 2}};
    EXPECT_EQ(walk(), expected);
    EXPECT_EQ(walk(), expected);
    // A vertex added since: the numbering follows.
    ASSERT_TRUE(g.AddVertex(false, 0, 0.5, &why));
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);
    const auto after = walk();
    ASSERT_EQ(after.size(), expected.size() + 1);
    EXPECT_EQ(after[0], (std::vector<double>{0, 0, 0.5, 0}));
    EXPECT_EQ(after[1], (std::vector<double>{0.5, 0, 1, 0}));
    EXPECT_EQ(after.back(), expected.back());
    // The vertices: nine nodes, then the five added ones in curve order.
    SBMeshVertexIterator v = nullptr;
    ASSERT_EQ(mesh->GetFirstVertex(m, &v), SB_OK);
    std::vector<double> us;
    SBBool end = 0;
    while (vertex->AtEnd(v, &end) == SB_OK && !end) {
        double u = 0, w = 0;
        vertex->GetUV(v, &u, &w);
        us.push_back(u + 10 * w);
        vertex->Next(v);
    }
    vertex->Release(v);
    EXPECT_EQ(us, (std::vector<double>{0, 1, 2, 10, 11, 12, 20, 21, 22, 0.5, 1.5, 11 + third, 11 + twoThirds, 7}));
}

}  // namespace
}  // namespace scribera
