// Gradient meshes read from and written to the stand-in host, and the mesh engine on host meshes:
// vertices added on edges, write-then-read, the reflected copy of the mirror types, the removed
// mesh, and a mesh that cannot be read leaving every mesh as it was.
#include "geometry/Errors.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/VMirrorMesh.h"
#include "mirror/ZMeshDataIO.h"
#include "support/InProcessHost.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <string>

using scribera::ArtKind;
using scribera::FromHandle;
using scribera::MeshGrid;
using scribera::ToHandle;
using testhost::InProcessHost;

namespace {

SBColor Gray(double g) {
    SBColor c{};
    c.kind = SB_COLOR_GRAY;
    c.c.gray.gray = g;
    return c;
}

SBArtHandle AddMesh(InProcessHost& host, const MeshGrid& grid) {
    scribera::Id id = scribera::kNoId;
    EXPECT_EQ(host.Doc().NewArt(ArtKind::Mesh, SB_PLACE_INSIDE_ON_TOP, host.Doc().CurrentLayerGroup(), &id), SB_OK);
    EXPECT_EQ(host.Doc().SetMesh(id, grid), SB_OK);
    return ToHandle<SBArtHandle>(id);
}

// A grid over [0, 2] × [0, 1] (2 × 1) with gray 0.1·k at node k.
MeshGrid TwoByOne() {
    MeshGrid g = MeshGrid::Rectangular(2, 1, {0, 1, 2, 0}, Gray(0));
    for (size_t k = 0; k < g.colours.size(); ++k) g.colours[k] = Gray(0.1 * double(k));
    return g;
}

// Random curves of one to three Beziers between jittered nodes, colours of every blendable kind.
MeshGrid RandomGrid(std::mt19937& rng) {
    std::uniform_int_distribution<int> size(1, 4), kind(0, 3);
    std::uniform_real_distribution<double> unit(0, 1), wobble(-3, 3);
    MeshGrid g = MeshGrid::Rectangular(size(rng), size(rng), {0, 80, 100, 0}, Gray(0));
    for (SBColor& c : g.colours) {
        switch (kind(rng)) {
            case 0:
                c = Gray(unit(rng));
                break;
            case 1:
                c.kind = SB_COLOR_FOUR;
                c.c.four = {unit(rng), unit(rng), unit(rng), unit(rng)};
                break;
            case 2:
                c.kind = SB_COLOR_THREE;
                c.c.three = {unit(rng), unit(rng), unit(rng)};
                break;
            default:
                c.kind = SB_COLOR_NONE;
                break;
        }
    }
    for (auto* curves : {&g.rowCurves, &g.columnCurves})
        for (auto& curve : *curves) {
            curve[1].h += wobble(rng);
            curve[2].v += wobble(rng);
        }
    std::string why;
    for (int k = 0; k < 3; ++k) {
        const bool column = unit(rng) < 0.5;
        const size_t count = column ? g.columnCurves.size() : g.rowCurves.size();
        g.AddVertex(column, size_t(unit(rng) * double(count)) % count, 0.2 + 0.6 * unit(rng), &why);
    }
    return g;
}

void ExpectSameColour(const SBColor& a, const SBColor& b) {
    ASSERT_EQ(a.kind, b.kind);
    EXPECT_EQ(std::memcmp(&a.c, &b.c, sizeof(SBFourColor)), 0);
}

TEST(MeshData, AnEdgeThroughAnAddedVertexIsReadAsOneCurveOfTwoBeziers) {
    InProcessHost host;
    MeshGrid g = TwoByOne();
    g.rowCurves[1] = {{1, 0}, {1.2, -0.5}, {1.8, -0.5}, {2, 0}};
    std::string why;
    ASSERT_TRUE(g.AddVertex(false, 1, 0.5, &why)) << why;
    const SBArtHandle m = AddMesh(host, g);
    ZMeshDataFromMesh d(m);
    ASSERT_EQ(d.Columns(), 2);
    ASSERT_EQ(d.Rows(), 1);
    ASSERT_EQ(d.NodeCount(), 6);
    EXPECT_EQ(d.RowCurveAt(0).Count(), 1);
    const ZPathList& split = d.RowCurveAt(1);
    ASSERT_EQ(split.Count(), 2);
    EXPECT_NEAR(split.SegmentAt(0).p3.h, 1.5, 1e-12);
    EXPECT_NEAR(split.SegmentAt(0).p3.v, -0.375, 1e-12);
    EXPECT_EQ(split.LastPoint().h, 2);
    for (int32_t i = 0; i < d.ColumnCurveCount(); ++i) EXPECT_EQ(d.ColumnCurveAt(i).Count(), 1);
    for (int32_t k = 0; k < 6; ++k) EXPECT_NEAR(d.Colour(k).c.gray.gray, 0.1 * k, 1e-12);
    EXPECT_EQ(d.Node(4).h, 1);
    EXPECT_EQ(d.Node(4).v, 1);
}

TEST(MeshData, WhatIsWrittenReadsBackTheSame) {
    std::mt19937 rng(5);
    for (int trial = 0; trial < 40; ++trial) {
        InProcessHost host;
        const SBArtHandle source = AddMesh(host, RandomGrid(rng));
        const ZMeshDataFromMesh d(source);
        const SBArtHandle target = AddMesh(host, MeshGrid::Rectangular(1, 1, {0, 1, 1, 0}, Gray(0)));
        WriteToMesh(d, target, 0, d.Columns(), 0, d.Rows());
        const ZMeshDataFromMesh back(target);
        ASSERT_EQ(back.Columns(), d.Columns());
        ASSERT_EQ(back.Rows(), d.Rows());
        for (int32_t k = 0; k < d.NodeCount(); ++k) {
            ExpectSameColour(back.Colour(k), d.Colour(k));
            EXPECT_EQ(back.Node(k).h, d.Node(k).h);
            EXPECT_EQ(back.Node(k).v, d.Node(k).v);
        }
        auto same = [](const ZPathList& a, const ZPathList& b) {
            if (a.Count() != b.Count()) return false;
            for (int32_t j = 0; j < a.Count(); ++j) {
                const BezierSegment x = a.SegmentAt(j), y = b.SegmentAt(j);
                if (std::memcmp(&x, &y, sizeof x) != 0) return false;
            }
            return true;
        };
        for (int32_t i = 0; i < d.RowCurveCount(); ++i) EXPECT_TRUE(same(back.RowCurveAt(i), d.RowCurveAt(i)));
        for (int32_t i = 0; i < d.ColumnCurveCount(); ++i) EXPECT_TRUE(same(back.ColumnCurveAt(i), d.ColumnCurveAt(i)));
    }
}

TEST(MeshData, WritingAPartOfTheGridAndRefusedExtents) {
    InProcessHost host;
    const SBArtHandle m = AddMesh(host, TwoByOne());
    const ZMeshDataFromMesh d(m);
    const SBArtHandle target = AddMesh(host, MeshGrid::Rectangular(1, 1, {0, 1, 1, 0}, Gray(0)));
    WriteToMesh(d, target, 1, 2, 0, 1);
    const MeshGrid& part = host.ArtOf(target).mesh;
    ASSERT_EQ(part.columns, 1);
    EXPECT_EQ(part.nodes[0].h, 1);
    EXPECT_EQ(part.nodes[3].h, 2);
    EXPECT_NEAR(part.colours[0].c.gray.gray, 0.1, 1e-12);
    EXPECT_NEAR(part.colours[3].c.gray.gray, 0.5, 1e-12);
    const MeshGrid before = host.ArtOf(target).mesh;
    EXPECT_THROW(WriteToMesh(d, target, 1, 1, 0, 1), CheckFailure);
    EXPECT_THROW(WriteToMesh(d, target, 0, 3, 0, 1), CheckFailure);
    EXPECT_THROW(WriteToMesh(d, target, 0, 2, -1, 1), CheckFailure);
    EXPECT_EQ(host.ArtOf(target).mesh.nodes.size(), before.nodes.size());
    EXPECT_EQ(host.ArtOf(target).mesh.nodes[3].h, 2);
    // A path is not a mesh.
    const SBArtHandle path = host.AddPolyline({{0, 0}, {1, 1}}, false);
    EXPECT_THROW(ZMeshDataFromMesh{path}, CheckFailure);
}

MirrorParams At(double h, int32_t type, double angle = 0) {
    MirrorParams p;
    p.origin = {h, 0.5};
    p.angle = angle;
    p.mirrorType = type;
    return p;
}

TEST(MeshEngine, MirrorTypesAddAReflectedCopyBelow) {
    for (int32_t type : {int32_t(MirrorJoin), int32_t(MirrorJoinOpen)}) {
        InProcessHost host;
        const SBArtHandle m = AddMesh(host, TwoByOne());
        VMirrorMesh engine(At(-1, type));  // the whole mesh on the kept side
        ArtList meshes;
        meshes.Append(m);
        engine.Run(meshes);
        ASSERT_EQ(engine.Results().Count(), 2);
        EXPECT_EQ(engine.Results()[0], m);
        const SBArtHandle copy = engine.Results()[1];
        EXPECT_EQ(host.Doc().NextSibling(FromHandle(m)), FromHandle(copy));
        const MeshGrid& g = host.ArtOf(copy).mesh;
        ASSERT_EQ(g.columns, 2);
        // Node (c, r) reflected across h = -1: (−2 − c, r), with the colour of (c, r).
        for (int32_t k = 0; k < 6; ++k) {
            EXPECT_NEAR(g.nodes[size_t(k)].h, -2.0 - (k % 3), 1e-5);
            EXPECT_NEAR(g.nodes[size_t(k)].v, k / 3, 1e-5);
            EXPECT_NEAR(g.colours[size_t(k)].c.gray.gray, 0.1 * k, 1e-12);
        }
        EXPECT_TRUE(host.ArtOf(copy).userAttr & SB_ATTR_SELECTED);

        // Cut through the middle: the right half column and its mirror image; the input goes.
        const SBArtHandle second = AddMesh(host, TwoByOne());
        meshes.Clear();
        meshes.Append(second);
        VMirrorMesh cutter(At(1.5, type));
        cutter.Run(meshes);
        ASSERT_EQ(cutter.Results().Count(), 2);
        EXPECT_FALSE(host.Doc().Exists(FromHandle(second)));
        const MeshGrid& kept = host.ArtOf(cutter.Results()[0]).mesh;
        const MeshGrid& image = host.ArtOf(cutter.Results()[1]).mesh;
        ASSERT_EQ(kept.columns, 1);
        ASSERT_EQ(image.columns, 1);
        EXPECT_NEAR(kept.nodes[0].h, 1.5, 1e-5);
        EXPECT_NEAR(kept.nodes[1].h, 2, 1e-9);
        EXPECT_NEAR(image.nodes[1].h, 1, 1e-5);  // (2, 0) reflected across h = 1.5
        EXPECT_NEAR(image.colours[1].c.gray.gray, 0.2, 1e-12);
        EXPECT_NEAR(kept.colours[0].c.gray.gray, 0.15, 1e-6);
    }
    // The cut types keep what they keep and add nothing.
    for (int32_t type : {int32_t(CutClosed), int32_t(CutOpen), int32_t(CutAuto), int32_t(CutClosedMirrorCopy)}) {
        InProcessHost host;
        const SBArtHandle m = AddMesh(host, TwoByOne());
        ArtList meshes;
        meshes.Append(m);
        VMirrorMesh engine(At(-1, type));
        engine.Run(meshes);
        ASSERT_EQ(engine.Results().Count(), 1);
        EXPECT_EQ(host.Children(host.LayerGroup()).size(), 1u);
    }
}

TEST(MeshEngine, AMeshWhollyBeyondTheAxisGoesAndUnknownTypesAreRefused) {
    InProcessHost host;
    const SBArtHandle m = AddMesh(host, TwoByOne());
    ArtList meshes;
    meshes.Append(m);
    VMirrorMesh engine(At(5, MirrorJoin));
    engine.Run(meshes);
    EXPECT_EQ(engine.Results().Count(), 0);
    EXPECT_FALSE(host.Doc().Exists(FromHandle(m)));

    const SBArtHandle n = AddMesh(host, TwoByOne());
    meshes.Clear();
    meshes.Append(n);
    VMirrorMesh odd(At(1.5, 9));
    EXPECT_THROW(odd.Run(meshes), CheckFailure);
    EXPECT_EQ(host.ArtOf(n).mesh.columns, 2);
}

TEST(MeshEngine, AMeshThatCannotBeReadLeavesEveryMeshAsItWas) {
    InProcessHost host;
    const SBArtHandle good = AddMesh(host, TwoByOne());
    MeshGrid broken = TwoByOne();
    broken.colours.pop_back();  // the host refuses to walk it
    const SBArtHandle bad = AddMesh(host, broken);
    ArtList meshes;
    meshes.Append(good);
    meshes.Append(bad);
    VMirrorMesh engine(At(1.5, CutClosed));
    EXPECT_ANY_THROW(engine.Run(meshes));
    EXPECT_EQ(host.Children(host.LayerGroup()).size(), 2u);
    EXPECT_EQ(host.ArtOf(good).mesh.columns, 2);
    EXPECT_EQ(host.ArtOf(good).mesh.nodes[0].h, 0);
}

}  // namespace
