// Gradient meshes through the mesh, vertex and segment suites.
#include "suites_fixture.h"

namespace scribera {
namespace {

using testing::SuiteTest;

class MeshSuites : public SuiteTest {
protected:
    SBArtHandle NewMesh(int32_t i, int32_t j) {
        SBArtHandle m = nullptr;
        EXPECT_EQ(art->NewArt(SB_ART_MESH, SB_PLACE_INSIDE_ON_TOP, Layer(), &m), SB_OK);
        EXPECT_EQ(mesh->InitCartesian(m, i, j), SB_OK);
        return m;
    }
    // (u, v, node) of every vertex in walking order.
    struct V {
        double u, v;
        bool node;
        bool operator==(const V& o) const { return u == o.u && v == o.v && node == o.node; }
    };
    std::vector<V> Vertices(SBArtHandle m) {
        std::vector<V> out;
        SBMeshVertexIterator it = nullptr;
        EXPECT_EQ(mesh->GetFirstVertex(m, &it), SB_OK);
        SBBool end = 0;
        while (vertex->AtEnd(it, &end) == SB_OK && !end) {
            V v{};
            SBBool node = 0;
            EXPECT_EQ(vertex->GetUV(it, &v.u, &v.v), SB_OK);
            EXPECT_EQ(vertex->IsNode(it, &node), SB_OK);
            v.node = node != 0;
            out.push_back(v);
            EXPECT_EQ(vertex->Next(it), SB_OK);
        }
        EXPECT_EQ(vertex->Release(it), SB_OK);
        return out;
    }
    // For every segment: (start u, start v, end u, end v, point count).
    std::vector<std::vector<double>> Segments(SBArtHandle m) {
        std::vector<std::vector<double>> out;
        SBMeshSegmentIterator it = nullptr;
        EXPECT_EQ(mesh->GetFirstSegment(m, &it), SB_OK);
        SBBool end = 0;
        while (segment->AtEnd(it, &end) == SB_OK && !end) {
            SBMeshVertexIterator a = nullptr, b = nullptr;
            EXPECT_EQ(segment->GetStartVertex(it, &a), SB_OK);
            EXPECT_EQ(segment->GetEndVertex(it, &b), SB_OK);
            double au = 0, av = 0, bu = 0, bv = 0;
            vertex->GetUV(a, &au, &av);
            vertex->GetUV(b, &bu, &bv);
            vertex->Release(a);
            vertex->Release(b);
            int32_t n = 0;
            EXPECT_EQ(segment->GetPointCount(it, &n), SB_OK);
            out.push_back({au, av, bu, bv, double(n)});
            EXPECT_EQ(segment->Next(it), SB_OK);
        }
        EXPECT_EQ(segment->Release(it), SB_OK);
        return out;
    }

    const SBMeshSuite* mesh = Acquire<SBMeshSuite>(kSBMeshSuite, kSBMeshSuiteVersion);
    const SBMeshVertexSuite* vertex = Acquire<SBMeshVertexSuite>(kSBMeshVertexSuite, kSBMeshVertexSuiteVersion);
    const SBMeshSegmentSuite* segment = Acquire<SBMeshSegmentSuite>(kSBMeshSegmentSuite, kSBMeshSegmentSuiteVersion);
};

TEST_F(MeshSuites, AFreshGridWalksNodesRowByRowAndCurvesInGridOrder) {
    SBArtHandle m = NewMesh(2, 1);
    int32_t i = 0, j = 0;
    ASSERT_EQ(mesh->GetSize(m, &i, &j), SB_OK);
    EXPECT_EQ(i, 2);
    EXPECT_EQ(j, 1);
    const size_t kept = session.Handles().KeptCount();
    EXPECT_EQ(Vertices(m),
              (std::vector<V>{{0, 0, true}, {1, 0, true}, {2, 0, true}, {0, 1, true}, {1, 1, true}, {2, 1, true}}));
    // Row curves row by row, then column curves column by column.
    EXPECT_EQ(Segments(m), (std::vector<std::vector<double>>{{0, 0, 1, 0, 4},
                                                             {1, 0, 2, 0, 4},
                                                             {0, 1, 1, 1, 4},
                                                             {1, 1, 2, 1, 4},
                                                             {0, 0, 0, 1, 4},
                                                             {1, 0, 1, 1, 4},
                                                             {2, 0, 2, 1, 4}}));
    EXPECT_EQ(session.Handles().KeptCount(), kept);  // every iterator released
    EXPECT_EQ(mesh->InitCartesian(m, 0, 1), SB_ERR_BAD_PARAM);
    EXPECT_EQ(mesh->InitCartesian(NewPath(), 1, 1), SB_ERR_BAD_PARAM);
}

TEST_F(MeshSuites, WritingCurvesAndColours) {
    SBArtHandle m = NewMesh(1, 1);
    SBMeshSegmentIterator it = nullptr;
    ASSERT_EQ(mesh->GetFirstSegment(m, &it), SB_OK);
    // Three Beziers in the first row curve: 10 points.
    EXPECT_EQ(segment->InsertBeziers(it, 1, 2), SB_ERR_RANGE);  // the segment has one Bezier
    ASSERT_EQ(segment->InsertBeziers(it, 0, 2), SB_OK);
    int32_t n = 0;
    ASSERT_EQ(segment->GetPointCount(it, &n), SB_OK);
    EXPECT_EQ(n, 10);
    // The split keeps the curve: a straight edge stays straight, evenly spaced.
    SBRealPoint p{};
    ASSERT_EQ(segment->GetPoint(it, 3, &p), SB_OK);
    EXPECT_NEAR(p.h, 10.0 / 3, 1e-9);
    EXPECT_NEAR(p.v, 0, 1e-12);
    for (int32_t k = 0; k < 10; ++k) {
        const SBRealPoint q{double(k), double(k * k)};
        ASSERT_EQ(segment->SetPoint(it, k, &q), SB_OK);
    }
    EXPECT_EQ(segment->GetPoint(it, 10, &p), SB_ERR_RANGE);
    // The last point moved the node (1, 0): the column curve from it starts there too.
    const Art* a = session.Doc().Find(FromHandle(m));
    EXPECT_EQ(a->mesh.nodes[1].h, 9);
    EXPECT_EQ(a->mesh.columnCurves[1].front().v, 81);
    EXPECT_EQ(a->mesh.nodes[0].h, 0);
    ASSERT_EQ(segment->Release(it), SB_OK);
    EXPECT_EQ(segment->Next(it), SB_ERR_STALE);

    SBMeshVertexIterator v = nullptr;
    ASSERT_EQ(mesh->GetFirstVertex(m, &v), SB_OK);
    ASSERT_EQ(vertex->Next(v), SB_OK);
    SBColor red{};
    red.kind = SB_COLOR_THREE;
    red.c.three = {1, 0, 0};
    ASSERT_EQ(vertex->SetColor(v, &red), SB_OK);
    SBColor back{};
    ASSERT_EQ(vertex->GetColor(v, &back), SB_OK);
    EXPECT_EQ(back.kind, SB_COLOR_THREE);
    EXPECT_EQ(session.Doc().Find(FromHandle(m))->mesh.colours[1].c.three.red, 1);
    // Moving a node through its vertex drags the curves' ends and their neighbouring handles.
    const SBRealPoint to{20, 5};
    ASSERT_EQ(vertex->SetPoint(v, &to), SB_OK);
    a = session.Doc().Find(FromHandle(m));
    EXPECT_EQ(a->mesh.rowCurves[0].back().h, 20);
    EXPECT_EQ(a->mesh.columnCurves[1].front().v, 5);
    for (int k = 0; k < 3; ++k) ASSERT_EQ(vertex->Next(v), SB_OK);
    SBBool end = 0;
    ASSERT_EQ(vertex->AtEnd(v, &end), SB_OK);
    EXPECT_EQ(end, 1);
    EXPECT_EQ(vertex->Next(v), SB_ERR_RANGE);
    EXPECT_EQ(vertex->GetColor(v, &back), SB_ERR_RANGE);
    ASSERT_EQ(vertex->Release(v), SB_OK);
}

TEST_F(MeshSuites, NonNodeVerticesSplitACurveIntoSegments) {
    SBArtHandle m = nullptr;
    ASSERT_EQ(art->NewArt(SB_ART_MESH, SB_PLACE_INSIDE_ON_TOP, Layer(), &m), SB_OK);
    SBColor white{};
    MeshGrid g = MeshGrid::Rectangular(1, 1, {0, 10, 10, 0}, white);
    // The bottom row curve holds two Beziers with a vertex between them.
    g.rowCurves[0] = {{0, 0}, {2, 0}, {3, 0}, {5, 0}, {7, 0}, {8, 0}, {10, 0}};
    g.rowMarks.assign(g.rowCurves.size(), {});
    g.rowMarks[0].push_back(MeshVertexMark{0, white});
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);
    EXPECT_EQ(Vertices(m), (std::vector<V>{{0, 0, true}, {1, 0, true}, {0, 1, true}, {1, 1, true}, {0.5, 0, false}}));
    EXPECT_EQ(Segments(m),
              (std::vector<std::vector<double>>{
                  {0, 0, 0.5, 0, 4}, {0.5, 0, 1, 0, 4}, {0, 1, 1, 1, 4}, {0, 0, 0, 1, 4}, {1, 0, 1, 1, 4}}));
    // A mesh whose arrays disagree with its size is refused, not walked.
    g.rowMarks[0][0].bezier = 5;
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);
    SBMeshVertexIterator it = nullptr;
    EXPECT_EQ(mesh->GetFirstVertex(m, &it), SB_ERR_CANT);
}

TEST_F(MeshSuites, IteratorsOfADisposedMeshAreStale) {
    Document& d = session.Doc();
    d.BeginTransaction();
    SBArtHandle m = NewMesh(1, 1);
    SBMeshVertexIterator it = nullptr;
    ASSERT_EQ(mesh->GetFirstVertex(m, &it), SB_OK);
    d.RevertTransaction();
    SBBool end = 0;
    EXPECT_EQ(vertex->AtEnd(it, &end), SB_ERR_STALE);
    EXPECT_EQ(vertex->Release(it), SB_OK);  // the iterator itself is still the host's to release
    d.EndTransaction();
}

}  // namespace
}  // namespace scribera
