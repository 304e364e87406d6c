// Gradient meshes under the mirror, cut and rectangle-cut tools and their live effects, through
// the built plug-in: what each keeps, the reflected copies, one undo for the whole drag, playback,
// and a failing mesh call that leaves the meshes as they were.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>

namespace {

using namespace hosted;

// A 4 × 2 mesh over [-100, 100] × [-50, 50] and nothing else, selected.
const char* const kMesh = "document 400 400\nfill rgb 0.2 0.6 0.9\nmesh 4 2 -100 -50 100 50\nselect all\n";

std::vector<const Art*> Meshes(PlayedScript& p) {
    std::vector<const Art*> out;
    for (const Art* a : p.TopArt())
        if (a->kind == ArtKind::Mesh) out.push_back(a);
    return out;
}

// The extent of a mesh's nodes: left, right, bottom, top.
std::vector<double> Extent(const Art& a) {
    std::vector<double> e{1e300, -1e300, 1e300, -1e300};
    for (const SBRealPoint& p : a.mesh.nodes) {
        e[0] = std::min(e[0], p.h);
        e[1] = std::max(e[1], p.h);
        e[2] = std::min(e[2], p.v);
        e[3] = std::max(e[3], p.v);
    }
    return e;
}

void ExpectExtentNear(const Art& a, double l, double r, double b, double t) {
    const std::vector<double> e = Extent(a);
    EXPECT_NEAR(e[0], l, 1e-3);
    EXPECT_NEAR(e[1], r, 1e-3);
    EXPECT_NEAR(e[2], b, 1e-3);
    EXPECT_NEAR(e[3], t, 1e-3);
}

TEST(MeshTools, CutKeepsTheRightPartAndOneUndoBringsTheMeshBack) {
    auto p = Play(std::string(kMesh) + "record on\ntool Cut\ndown 10 0\ndrag 20 0\ndrag 10 0\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto meshes = Meshes(*p);
    ASSERT_EQ(meshes.size(), 1u);
    // Columns at -100, -50, 0, 50, 100: the axis at 10 keeps 10 … 100, the column left of 50 cut.
    EXPECT_EQ(meshes[0]->mesh.columns, 2);
    ExpectExtentNear(*meshes[0], 10, 100, -50, 50);
    EXPECT_TRUE(meshes[0]->userAttr & SB_ATTR_SELECTED);
    EXPECT_EQ(p->UndoNames().back(), "Undo Cut");
    EXPECT_TRUE(p->session.Shown().alerts.empty());
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
    ASSERT_EQ(p->Undo(), SB_OK);
    meshes = Meshes(*p);
    ASSERT_EQ(meshes.size(), 1u);
    EXPECT_EQ(meshes[0]->mesh.columns, 4);

    // The recorded cut played back on the whole mesh does the same.
    auto again = Play(std::string(kMesh) +
                      "record on\ntool Cut\ndown 10 0\ndrag 20 0\ndrag 10 0\nup\n"
                      "record off\nundo\nselect all\nplay 0\n");
    ASSERT_TRUE(again->ok) << again->error;
    meshes = Meshes(*again);
    ASSERT_EQ(meshes.size(), 1u);
    ExpectExtentNear(*meshes[0], 10, 100, -50, 50);
}

TEST(MeshTools, MirrorWithShiftMakesFourFoldSymmetry) {
    auto p = Play(std::string(kMesh) + "tool Mirror\nmod shift on\ndown 30 10\ndrag 30 10\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto meshes = Meshes(*p);
    ASSERT_EQ(meshes.size(), 4u);
    // The quadrant h ≥ 30, v ≥ 10 (the second pass at 90 degrees keeps what lies above) and its
    // images.
    std::vector<std::vector<double>> extents;
    for (const Art* m : meshes) extents.push_back(Extent(*m));
    for (const auto& e : extents) {
        EXPECT_NEAR(e[1] - e[0], 70, 1e-3);
        EXPECT_NEAR(e[3] - e[2], 40, 1e-3);
        EXPECT_TRUE(std::fabs(e[0] - 30) < 1e-3 || std::fabs(e[1] - 30) < 1e-3);
        EXPECT_TRUE(std::fabs(e[2] - 10) < 1e-3 || std::fabs(e[3] - 10) < 1e-3);
    }
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
}

TEST(MeshTools, RectangleCutKeepsTheMeshInsideTheRectangle) {
    auto p = Play(std::string(kMesh) + "tool RectCut\ndown -20 -30\ndrag 60 20\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto meshes = Meshes(*p);
    ASSERT_EQ(meshes.size(), 1u);
    ExpectExtentNear(*meshes[0], -20, 60, -30, 20);
    for (const auto* curves : {&meshes[0]->mesh.rowCurves, &meshes[0]->mesh.columnCurves})
        for (const auto& curve : *curves)
            for (const SBRealPoint& q : curve) {
                EXPECT_GE(q.h, -20 - 1e-3);
                EXPECT_LE(q.h, 60 + 1e-3);
                EXPECT_GE(q.v, -30 - 1e-3);
                EXPECT_LE(q.v, 20 + 1e-3);
            }
    EXPECT_EQ(p->UndoNames().back(), "Undo Rectangle Cut");
}

TEST(MeshTools, TheLiveEffectsCutMeshesToo) {
    auto cut = Play(std::string(kMesh) + "effect Cut...\n");
    ASSERT_TRUE(cut->ok) << cut->error;
    auto meshes = Meshes(*cut);
    ASSERT_EQ(meshes.size(), 1u);
    ExpectExtentNear(*meshes[0], 0, 100, -50, 50);

    auto mirror = Play(std::string(kMesh) + "effect Mirror... ZarvoOffset=-50\n");
    ASSERT_TRUE(mirror->ok) << mirror->error;
    meshes = Meshes(*mirror);
    ASSERT_EQ(meshes.size(), 2u);  // the right half and its image, about h = 50 (the offset is negated)

    auto rect = Play(std::string(kMesh) + "effect \"Rectangle cut...\" ZarvoOffsetX=40 ZarvoOffsetY=20\n");
    ASSERT_TRUE(rect->ok) << rect->error;
    meshes = Meshes(*rect);
    ASSERT_EQ(meshes.size(), 1u);
    ExpectExtentNear(*meshes[0], -40, 40, -20, 20);
}

TEST(MeshTools, AFailingMeshCallShowsTheErrorAndLeavesTheMeshAsItWas) {
    auto p = Play(std::string(kMesh) +
                  "tool Cut\ndown 10 0\nfail \"SB Mesh Segment Suite.GetPointCount\" 3 CANT\ndrag 20 0\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    auto meshes = Meshes(*p);
    ASSERT_EQ(meshes.size(), 1u);
    EXPECT_EQ(meshes[0]->mesh.columns, 4);
    ExpectExtentNear(*meshes[0], -100, 100, -50, 50);
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
    EXPECT_TRUE(p->UndoNames().empty() || p->UndoNames().back() != "Undo Cut");
}

TEST(MeshTools, ARefusedIteratorReleaseIsTriedAgainSoNothingStaysHeld) {
    const std::string drag = "tool Cut\ndown 10 0\ndrag 20 0\nup\n";
    auto clean = Play(std::string(kMesh) + drag);
    ASSERT_TRUE(clean->ok) << clean->error;
    auto refused = Play(std::string(kMesh) + "fail \"SB Mesh Vertex Suite.Release\" 2 CANT\n" + drag);
    ASSERT_TRUE(refused->ok) << refused->error;
    EXPECT_EQ(refused->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    EXPECT_EQ(refused->session.Handles().KeptCount(), clean->session.Handles().KeptCount());
    ASSERT_EQ(Meshes(*refused).size(), 1u);
    EXPECT_EQ(Meshes(*refused)[0]->mesh.columns, 4);
}

TEST(MeshTools, MeshPointAddsAVertexAndRefusesWhatIsNoMeshEdge) {
    auto p = Play(std::string(kMesh) + "mesh-point 0 column 3 0.25\n");
    ASSERT_TRUE(p->ok) << p->error;
    const Art& m = *Meshes(*p).at(0);
    ASSERT_EQ(m.mesh.columnMarks.size(), m.mesh.columnCurves.size());
    EXPECT_EQ(m.mesh.columnMarks[3].size(), 1u);
    EXPECT_EQ(m.mesh.columnCurves[3].size(), 7u);
    EXPECT_EQ(p->UndoNames().back(), "Undo Add Mesh Point");

    auto far = Play(std::string(kMesh) + "mesh-point 0 row 12 0.5\n");
    EXPECT_FALSE(far->ok);
    EXPECT_NE(far->error.find("the mesh has 12 row curves"), std::string::npos) << far->error;
    auto end = Play(std::string(kMesh) + "mesh-point 0 row 1 1\n");
    EXPECT_FALSE(end->ok);
    EXPECT_NE(end->error.find("0 < T < 1"), std::string::npos) << end->error;
    auto path = Play("document 100 100\npath 0,0 10,10\nmesh-point 0 row 0 0.5\n");
    EXPECT_FALSE(path->ok);
    EXPECT_NE(path->error.find("not a mesh"), std::string::npos) << path->error;
    auto none = Play(std::string(kMesh) + "mesh-point 3 row 0 0.5\n");
    EXPECT_FALSE(none->ok);
}

}  // namespace
