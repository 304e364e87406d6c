// Mesh curve grids read from and written to meshes of the stand-in host: node order, curves in
// grid order, an edge through an added point read as one curve, curves of several Beziers written
// back, and meshes the reader cannot use.
#include "geometry/Errors.h"
#include "support/InProcessHost.h"
#include "tools/MeshCurveGridIO.h"

#include <gtest/gtest.h>

using scribera::ArtKind;
using scribera::FromHandle;
using scribera::MeshGrid;
using testhost::InProcessHost;

namespace {

SBColor Rgb(double r, double g, double b) {
    SBColor c{};
    c.kind = SB_COLOR_THREE;
    c.c.three = {r, g, b};
    return c;
}

SBArtHandle AddMesh(InProcessHost& host, const MeshGrid& grid) {
    SBArtHandle mesh = host.AddOther(ArtKind::Mesh, SBRealRect{0, 10, 10, 0});
    EXPECT_EQ(host.Doc().SetMesh(FromHandle(mesh), grid), SB_OK);
    return mesh;
}

}  // namespace

TEST(MeshCurveGrid, ATwoByOneMeshReadsIntoNodesColoursAndCurvesInGridOrder) {
    InProcessHost host;
    MeshGrid g = MeshGrid::Rectangular(2, 1, SBRealRect{0, 10, 20, 0}, Rgb(0.1, 0.2, 0.3));
    g.colours[4] = Rgb(1, 0, 0);
    SBArtHandle mesh = AddMesh(host, g);
    const MeshCurveGrid grid = ReadMeshCurveGrid(mesh);
    ASSERT_EQ(grid.Columns(), 2);
    ASSERT_EQ(grid.Rows(), 1);
    ASSERT_EQ(grid.NodeCount(), 6);
    ASSERT_EQ(grid.RowCurveCount(), 4);
    ASSERT_EQ(grid.ColumnCurveCount(), 3);
    EXPECT_EQ(grid.Nodes()[4].h, 10);
    EXPECT_EQ(grid.Nodes()[4].v, 10);
    EXPECT_EQ(grid.Colour(4).c.three.red, 1);
    // Row curve r·I + c from node (c, r), column curve c·J + r from node (c, r).
    EXPECT_EQ(grid.RowCurve(3).FirstPoint().h, 10);
    EXPECT_EQ(grid.RowCurve(3).FirstPoint().v, 10);
    EXPECT_EQ(grid.ColumnCurve(2).FirstPoint().h, 20);
    EXPECT_EQ(grid.ColumnCurve(2).LastPoint().v, 10);
    for (int32_t n = 0; n < 4; ++n) EXPECT_EQ(grid.RowCurve(n).Count(), 1);
    EXPECT_THROW(grid.RowCurve(4), CheckFailure);
    EXPECT_THROW(grid.ColumnCurve(-1), CheckFailure);
}

TEST(MeshCurveGrid, AnEdgeThroughAnAddedPointIsOneCurveAndCurvesOfSeveralBeziersAreWrittenBack) {
    InProcessHost host;
    SBColor white{};
    MeshGrid g = MeshGrid::Rectangular(1, 1, SBRealRect{0, 10, 10, 0}, white);
    g.rowCurves[0] = {{0, 0}, {2, 0}, {3, 0}, {5, 0}, {7, 0}, {8, 0}, {10, 0}};
    g.rowMarks.assign(g.rowCurves.size(), {});
    g.rowMarks[0].push_back(scribera::MeshVertexMark{0, white});
    SBArtHandle mesh = AddMesh(host, g);
    MeshCurveGrid grid = ReadMeshCurveGrid(mesh);
    ASSERT_EQ(grid.RowCurve(0).Count(), 2);
    EXPECT_EQ(grid.RowCurve(0).SegmentAt(1).p0.h, 5);

    // Three Beziers on the left edge, written into a fresh grid: its points 0 … 9.
    ZPathList left;
    left.AppendRaw(BezierSegment{{0, 0}, {-1, 1}, {-1, 2}, {0, 3}});
    left.AppendRaw(BezierSegment{{0, 3}, {1, 4}, {1, 5}, {0, 6}});
    left.AppendRaw(BezierSegment{{0, 6}, {-1, 7}, {-1, 9}, {0, 10}});
    grid.SetColumnCurve(0, left);
    WriteMeshCurveGrid(grid, mesh);
    const MeshGrid& out = host.ArtOf(mesh).mesh;
    ASSERT_EQ(out.columnCurves[0].size(), 10u);
    EXPECT_EQ(out.columnCurves[0][4].h, 1);
    EXPECT_EQ(out.columnCurves[0][8].v, 9);
    ASSERT_EQ(out.rowCurves[0].size(), 7u);
    EXPECT_EQ(out.rowCurves[0][3].h, 5);
    // Written as a plain grid: the added point is now a join of the curve, not a vertex.
    EXPECT_TRUE(out.rowMarks.empty() || out.rowMarks[0].empty());
    EXPECT_EQ(out.nodes[2].v, 10);
    const MeshCurveGrid again = ReadMeshCurveGrid(mesh);
    EXPECT_EQ(again.ColumnCurve(0).Count(), 3);
}

TEST(MeshCurveGrid, ArtThatIsNoUsableMeshIsRefused) {
    InProcessHost host;
    SBArtHandle path = host.AddPolyline({{0, 0}, {1, 1}}, false);
    EXPECT_THROW(ReadMeshCurveGrid(path), CheckFailure);
    // A curve of five points is no run of Beziers: the host will not walk it.
    MeshGrid g = MeshGrid::Rectangular(1, 1, SBRealRect{0, 10, 10, 0}, Rgb(0, 0, 0));
    g.rowCurves[1].push_back({3, 3});
    SBArtHandle broken = AddMesh(host, g);
    EXPECT_THROW(ReadMeshCurveGrid(broken), HostError);
    // Parts that do not make a grid of the size asked for.
    EXPECT_THROW(MeshCurveGrid(1, 1, std::vector<ZPathList>(2), std::vector<ZPathList>(2), std::vector<SBColor>(3)),
                 CheckFailure);
    EXPECT_THROW(MeshCurveGrid(0, 1, {}, {}, {}), CheckFailure);
}
