// The mesh suites' checks on grids that go bad while an iterator walks them: each call checks the
// curves it touches, so a broken curve is refused where it is reached, and the rest of the grid
// stays usable.
#include "suites_fixture.h"

namespace scribera {
namespace {

using testing::SuiteTest;

class MeshSuiteChecks : public SuiteTest {
protected:
    SBArtHandle NewMesh(int32_t i, int32_t j) {
        SBArtHandle m = nullptr;
        EXPECT_EQ(art->NewArt(SB_ART_MESH, SB_PLACE_INSIDE_ON_TOP, Layer(), &m), SB_OK);
        EXPECT_EQ(mesh->InitCartesian(m, i, j), SB_OK);
        return m;
    }

    const SBMeshSuite* mesh = Acquire<SBMeshSuite>(kSBMeshSuite, kSBMeshSuiteVersion);
    const SBMeshVertexSuite* vertex = Acquire<SBMeshVertexSuite>(kSBMeshVertexSuite, kSBMeshVertexSuiteVersion);
    const SBMeshSegmentSuite* segment = Acquire<SBMeshSegmentSuite>(kSBMeshSegmentSuite, kSBMeshSegmentSuiteVersion);
};

TEST_F(MeshSuiteChecks, ACurveBrokenUnderAnIteratorIsRefusedWhereItIsReached) {
    SBArtHandle m = NewMesh(2, 1);
    SBMeshSegmentIterator seg = nullptr;
    SBMeshVertexIterator node = nullptr;
    ASSERT_EQ(mesh->GetFirstSegment(m, &seg), SB_OK);
    ASSERT_EQ(mesh->GetFirstVertex(m, &node), SB_OK);
    // Row curve 1 loses points behind the iterators' backs.
    MeshGrid g = session.Doc().Find(FromHandle(m))->mesh;
    g.rowCurves[1].resize(2);
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);

    // The first curve is sound and still answers.
    SBRealPoint p{};
    int32_t count = 0;
    EXPECT_EQ(segment->GetPointCount(seg, &count), SB_OK);
    EXPECT_EQ(count, 4);
    ASSERT_EQ(segment->GetPoint(seg, 3, &p), SB_OK);
    EXPECT_EQ(p.h, 10);
    ASSERT_EQ(segment->Next(seg), SB_OK);
    // The broken one is refused, whatever is asked of it.
    EXPECT_EQ(segment->GetPointCount(seg, &count), SB_ERR_CANT);
    EXPECT_EQ(segment->GetPoint(seg, 0, &p), SB_ERR_CANT);
    const SBRealPoint to{1, 1};
    EXPECT_EQ(segment->SetPoint(seg, 1, &to), SB_ERR_CANT);
    EXPECT_EQ(segment->InsertBeziers(seg, 0, 2), SB_ERR_CANT);
    EXPECT_EQ(segment->Next(seg), SB_ERR_CANT);
    // Node (1, 0) ends the broken curve: moving it is refused; node (0, 0) does not.
    EXPECT_EQ(vertex->SetPoint(node, &to), SB_OK);
    ASSERT_EQ(vertex->Next(node), SB_OK);
    EXPECT_EQ(vertex->SetPoint(node, &to), SB_ERR_CANT);
    // A new walk refuses the grid as a whole.
    SBMeshSegmentIterator again = nullptr;
    EXPECT_EQ(mesh->GetFirstSegment(m, &again), SB_ERR_CANT);
    EXPECT_EQ(segment->Release(seg), SB_OK);
    EXPECT_EQ(vertex->Release(node), SB_OK);
}

TEST_F(MeshSuiteChecks, AGridWhoseArraysNoLongerMatchItsSizeIsRefusedByEveryCall) {
    SBArtHandle m = NewMesh(2, 2);
    SBMeshVertexIterator v = nullptr;
    ASSERT_EQ(mesh->GetFirstVertex(m, &v), SB_OK);
    MeshGrid g = session.Doc().Find(FromHandle(m))->mesh;
    g.columns = 3;
    ASSERT_EQ(session.Doc().SetMesh(FromHandle(m), g), SB_OK);
    SBBool end = 0;
    EXPECT_EQ(vertex->AtEnd(v, &end), SB_ERR_CANT);
    SBColor c{};
    EXPECT_EQ(vertex->GetColor(v, &c), SB_ERR_CANT);
    EXPECT_EQ(vertex->Release(v), SB_OK);
}

}  // namespace
}  // namespace scribera
