// The spike tool through the stand-in host: spikes on selected paths by drag, Shift and the arrow
// keys, the guide lines, one undo entry per drag, a mesh edge spiked alone, its panel.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>

namespace {

using namespace hosted;

// A horizontal line from (0, 0) to (200, 0) and a square well away from it, both selected.
const char* const kArt =
    "document 400 400\nfill none\nstroke gray 1\npath 0,0 200,0\npath closed 300,300 340,300 340,340 300,340\n"
    "select all\ntool Spike\n";

std::vector<SBRealPoint> Anchors(const Art& path) {
    std::vector<SBRealPoint> out;
    for (const SBPathSegment& s : path.segments) out.push_back(s.p);
    return out;
}

// The top-level path whose first anchor is at (h, v).
const Art* PathFrom(PlayedScript& p, double h, double v) {
    for (const Art* art : p.TopArt())
        if (art->kind == ArtKind::Path && !art->segments.empty() && std::fabs(art->segments[0].p.h - h) < 1e-6 &&
            std::fabs(art->segments[0].p.v - v) < 1e-6)
            return art;
    return nullptr;
}

TEST(SpikeTool, ADragAcrossAPathPullsASpikeAlongItAndOneUndoTakesItBack) {
    auto p = Play(std::string(kArt) + "down 100 -50\ndrag 100 0 steps 2\ndrag 100 50\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    // The guide lines went with mouse up: the two paths only.
    ASSERT_EQ(p->TopArt().size(), 2u);
    const Art* line = PathFrom(*p, 0, 0);
    ASSERT_NE(line, nullptr);
    const auto anchors = Anchors(*line);
    ASSERT_EQ(anchors.size(), 3u);
    // Crossed at the middle of the drag line: the tip halfway on to its end.
    ExpectPoint(anchors[1], 100, 25, 1e-3);
    ExpectPoint(anchors[2], 200, 0, 1e-3);
    EXPECT_TRUE(line->userAttr & SB_ATTR_SELECTED);
    const Art* square = PathFrom(*p, 300, 300);
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->segments.size(), 4u);
    EXPECT_EQ(p->UndoNames().back(), "Undo Spike");
    EXPECT_TRUE(p->session.Shown().alerts.empty());
    ASSERT_EQ(p->Undo(), SB_OK);
    EXPECT_EQ(Anchors(*PathFrom(*p, 0, 0)).size(), 2u);
    EXPECT_EQ(p->RedoNames(), (std::vector<std::string>{"Redo Spike"}));
}

TEST(SpikeTool, TheGuideLinesFollowTheDragUntilTheMouseIsReleased) {
    auto p = Play(std::string(kArt) + "down 100 -50\ndrag 100 50\ndump mid.json\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    const auto mid = ReadJson(p->outputDir + "/mid.json");
    ASSERT_EQ(mid["art"].size(), 4u);
    for (int k = 0; k < 2; ++k) {
        const auto& guide = mid["art"][k];
        ASSERT_EQ(guide["anchors"].size(), 2u);
        EXPECT_EQ(guide["anchors"][0]["p"], nlohmann::json::array({100, -50}));
        EXPECT_EQ(guide["anchors"][1]["p"], nlohmann::json::array({100, 50}));
    }
}

TEST(SpikeTool, ShiftSnapsTheLineAndTheArrowKeysStepTheSharpness) {
    // Dragged to (110, 50) with Shift: the line is vertical, as long as the unsnapped one.
    auto shift = Play(std::string(kArt) + "mod shift on\ndown 100 -50\ndrag 110 50\nup\n");
    ASSERT_TRUE(shift->ok) << shift->error;
    const double length = std::sqrt(10.0 * 10.0 + 100.0 * 100.0);
    const double u = 50 / length;
    ExpectPoint(Anchors(*PathFrom(*shift, 0, 0))[1], 100, -50 + length * (u + (1 - u) * 0.5), 1e-3);

    // Up held: 0.05 a step, a 0.1 s pause each, stopping at 1: the tip at the line's end.
    auto plain = Play(std::string(kArt) + "down 100 -50\ndrag 100 50 steps 14\nup\n");
    auto up = Play(std::string(kArt) + "down 100 -50\nkey Up down\ndrag 100 50 steps 14\nkey Up up\nup\n");
    ASSERT_TRUE(plain->ok) << plain->error;
    ASSERT_TRUE(up->ok) << up->error;
    ExpectPoint(Anchors(*PathFrom(*up, 0, 0))[1], 100, 50, 1e-3);
    EXPECT_EQ(up->session.Desktop().desk.clockMilliseconds - plain->session.Desktop().desk.clockMilliseconds, 10 * 100);

    // Down held past 0: the tip on the crossing, the added anchor on the straight line merged away.
    auto down = Play(std::string(kArt) + "down 100 -50\nkey Down down\ndrag 100 50 steps 12\nkey Down up\nup\n");
    ASSERT_TRUE(down->ok) << down->error;
    const auto flat = Anchors(*PathFrom(*down, 0, 0));
    ASSERT_EQ(flat.size(), 2u);
    ExpectPoint(flat[1], 200, 0, 1e-6);
}

TEST(SpikeTool, AClickChangesNothing) {
    auto p = Play(std::string(kArt) + "click 100 0\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(Anchors(*PathFrom(*p, 0, 0)).size(), 2u);
    ASSERT_EQ(p->TopArt().size(), 2u);
    EXPECT_TRUE(p->session.Shown().alerts.empty());
}

TEST(SpikeTool, OnAMeshOnlyTheCrossedEdgeChanges) {
    const std::string mesh = "document 400 400\nfill rgb 0.2 0.6 0.9\nmesh 2 1 0 0 200 100\nselect all\ntool Spike\n";
    auto before = Play(mesh);
    auto p = Play(mesh + "down 50 -20\ndrag 50 20\nup\n");
    ASSERT_TRUE(before->ok) << before->error;
    ASSERT_TRUE(p->ok) << p->error;
    ASSERT_EQ(p->TopArt().size(), 1u);
    const Art& art = *p->TopArt()[0];
    ASSERT_EQ(art.kind, ArtKind::Mesh);
    EXPECT_TRUE(art.userAttr & SB_ATTR_SELECTED);
    const scribera::MeshGrid& g = art.mesh;
    const scribera::MeshGrid& was = before->TopArt().at(0)->mesh;
    ASSERT_EQ(g.columns, 2);
    ASSERT_EQ(g.rows, 1);
    // The bottom edge of the left patch: two Beziers meeting at the tip.
    ASSERT_EQ(g.rowCurves[0].size(), 7u);
    ExpectPoint(g.rowCurves[0][0], 0, 0, 1e-6);
    ExpectPoint(g.rowCurves[0][3], 50, 10, 1e-3);
    ExpectPoint(g.rowCurves[0][6], 100, 0, 1e-6);
    // Every other curve, every node and every colour as it was.
    for (size_t q = 1; q < g.rowCurves.size(); ++q) {
        ASSERT_EQ(g.rowCurves[q].size(), was.rowCurves[q].size());
        for (size_t k = 0; k < g.rowCurves[q].size(); ++k)
            ExpectPoint(g.rowCurves[q][k], was.rowCurves[q][k].h, was.rowCurves[q][k].v, 1e-9);
    }
    ASSERT_EQ(g.columnCurves.size(), was.columnCurves.size());
    for (size_t q = 0; q < g.columnCurves.size(); ++q)
        for (size_t k = 0; k < g.columnCurves[q].size(); ++k)
            ExpectPoint(g.columnCurves[q][k], was.columnCurves[q][k].h, was.columnCurves[q][k].v, 1e-9);
    ASSERT_EQ(g.colours.size(), was.colours.size());
    for (size_t n = 0; n < g.colours.size(); ++n) {
        EXPECT_EQ(g.colours[n].kind, was.colours[n].kind);
        EXPECT_EQ(g.colours[n].c.three.green, was.colours[n].c.three.green);
        ExpectPoint(g.nodes[n], was.nodes[n].h, was.nodes[n].v, 1e-9);
    }
    EXPECT_EQ(p->UndoNames().back(), "Undo Spike");

    // A line that crosses nothing leaves the mesh as it was.
    auto miss = Play(mesh + "down 300 -20\ndrag 300 20\nup\n");
    ASSERT_TRUE(miss->ok) << miss->error;
    EXPECT_EQ(miss->TopArt().at(0)->mesh.rowCurves[0].size(), 4u);
}

TEST(SpikeTool, ThePanelShowsAndSetsTheSharpnessAndDrawsNothing) {
    auto p = Play(std::string(kArt) +
                  "panel params {\"sharpness\":\"0.2\"}\nedit-options\n"
                  "down 100 -50\ndrag 100 50\nup\n"
                  "panel params {\"other\":\"1\"}\nedit-options\n"
                  "panel params {\"sharpness\":\"-3e38\"}\nedit-options\n"
                  "panel params {\"sharpness\":\"7\"}\nedit-options\n"
                  "panel none\nedit-options\n");
    ASSERT_TRUE(p->ok) << p->error;
    const auto dump = p->Dump();
    ASSERT_EQ(dump["panels"].size(), 5u);
    EXPECT_EQ(dump["panels"][0]["extension"], "com.zarvo.Spike");
    EXPECT_EQ(dump["panels"][0]["sent"], R"({"sharpness" : "0.5"})");
    // An answer without the sharpness keeps it.
    EXPECT_EQ(dump["panels"][1]["sent"], R"({"sharpness" : "0.2"})");
    // Values beyond 0 … 1 are held at its ends.
    EXPECT_EQ(dump["panels"][3]["sent"], R"({"sharpness" : "0"})");
    EXPECT_EQ(dump["panels"][4]["sent"], R"({"sharpness" : "1"})");
    EXPECT_EQ(p->Preferences(), "<spike><sharpness>1</sharpness></spike>");
    ExpectPoint(Anchors(*PathFrom(*p, 0, 0))[1], 100, 0 + 50 * 0.2, 1e-3);
    EXPECT_EQ(p->TopArt().size(), 2u);
    EXPECT_TRUE(p->session.Shown().alerts.empty());
}

}  // namespace

namespace {

TEST(SpikeTool, AMeshItsReaderCannotUseIsReportedAndLeftAsItWas) {
    hosted::HostedPlugin s("Spike");
    scribera::MeshGrid g = scribera::MeshGrid::Rectangular(1, 1, SBRealRect{0, 100, 100, 0}, SBColor{});
    g.rowCurves[1].push_back({50, 120});  // five points: no run of Beziers
    scribera::Document& doc = s.Doc();
    doc.BeginTransaction();
    scribera::Id mesh = scribera::kNoId;
    ASSERT_EQ(doc.NewArt(scribera::ArtKind::Mesh, SB_PLACE_INSIDE_ON_TOP, doc.CurrentLayerGroup(), &mesh), SB_OK);
    ASSERT_EQ(doc.SetMesh(mesh, g), SB_OK);
    ASSERT_EQ(doc.SetUserAttr(mesh, SB_ATTR_SELECTED, SB_ATTR_SELECTED), SB_OK);
    doc.EndTransaction();
    ASSERT_EQ(s.Down({50, -20}), 0);
    EXPECT_NE(s.DragTo({50, 20}), 0);
    s.Up({50, 20});
    EXPECT_EQ(s.session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    const scribera::MeshGrid& after = doc.Find(mesh)->mesh;
    EXPECT_EQ(after.rowCurves[0].size(), 4u);
    EXPECT_EQ(after.rowCurves[1].size(), 5u);
    // Only the mesh: no guide line left behind.
    EXPECT_EQ(s.TopArt().size(), 1u);
}

}  // namespace
