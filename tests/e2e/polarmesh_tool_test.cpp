// The polar mesh tool through the stand-in host: the mesh a drag makes (centre on the mouse or, with
// Alt, on the anchor), the keys and their limits, colours from flat and gradient fills in the
// document's colour model, its panel in each mode, its recorded action and playback, counts from
// outside.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>

namespace {

using namespace hosted;

struct PolarMeshSession : HostedPlugin {
    PolarMeshSession() : HostedPlugin("PolarMesh") {}
    // The topmost mesh (during a drag the centre's cross lies above it).
    const scribera::MeshGrid& Mesh() {
        for (const Art* art : TopArt())
            if (art->kind == ArtKind::Mesh) return art->mesh;
        ADD_FAILURE() << "no mesh";
        static const scribera::MeshGrid none;
        return none;
    }
};

double Radius(SBRealPoint p, SBRealPoint centre) { return std::hypot(p.h - centre.h, p.v - centre.v); }

const scribera::MeshGrid& OnlyMesh(PlayedScript& p) {
    const auto top = p.TopArt();
    EXPECT_EQ(top.size(), 1u);
    EXPECT_EQ(top.at(0)->kind, ArtKind::Mesh);
    return top.at(0)->mesh;
}

TEST(PolarMeshTool, ADragMakesASelectedMeshOfRingsAndSpokesAroundTheMouse) {
    PolarMeshSession s;
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_THREE;
    style.fill.color.c.three = {0.2, 0.4, 1.0};
    s.Doc().SetCurrentStyle(style);
    ASSERT_EQ(s.Down({100, 100}), 0);
    ASSERT_EQ(s.DragTo({160, 180}), 0);
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 2}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{160, 180, 100}));
    ASSERT_EQ(s.Up({160, 180}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_TRUE(s.Last().userAttr & SB_ATTR_SELECTED);
    const scribera::MeshGrid& g = s.Mesh();
    ASSERT_EQ(g.columns, 4);
    ASSERT_EQ(g.rows, 2);
    ASSERT_EQ(g.nodes.size(), 15u);
    const SBRealPoint centre{160, 180};
    // Ring r, spoke c: the innermost ring collapsed to the centre, the outer one through the anchor.
    for (int r = 0; r <= 2; ++r)
        for (int c = 0; c <= 4; ++c) {
            const SBRealPoint p = g.nodes[size_t(r * 5 + c)];
            EXPECT_NEAR(Radius(p, centre), 50.0 * r, 1e-3);
            if (r == 0) continue;
            // Spoke c at c quarter turns, counter-clockwise from the right.
            EXPECT_NEAR((p.h - centre.h) / (50.0 * r), std::cos(c * M_PI / 2), 1e-5);
            EXPECT_NEAR((p.v - centre.v) / (50.0 * r), std::sin(c * M_PI / 2), 1e-5);
        }
    ExpectPoint(g.nodes[10 + 2], 60, 180, 1e-3);
    // The ring curves are arcs of their circles; the spokes are straight.
    for (float t : {0.25, 0.5}) {
        const auto& arc = g.rowCurves[2 * 4 + 1];
        ASSERT_EQ(arc.size(), 4u);
        const double u = 1 - t;
        const SBRealPoint p{
            u * u * u * arc[0].h + 3 * u * u * t * arc[1].h + 3 * u * t * t * arc[2].h + t * t * t * arc[3].h,
            u * u * u * arc[0].v + 3 * u * u * t * arc[1].v + 3 * u * t * t * arc[2].v + t * t * t * arc[3].v};
        EXPECT_NEAR(Radius(p, centre), 100, 0.05);
    }
    // Colour mode 1: white in the middle, the fill itself on the outer ring.
    for (int c = 0; c <= 4; ++c) {
        EXPECT_EQ(g.colours[size_t(c)].kind, SB_COLOR_THREE);
        EXPECT_NEAR(g.colours[size_t(c)].c.three.red, 1, 1e-6);
        EXPECT_NEAR(g.colours[size_t(5 + c)].c.three.red, 0.6, 1e-6);
        EXPECT_NEAR(g.colours[size_t(10 + c)].c.three.green, 0.4, 1e-6);
    }
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(PolarMeshTool, AltCentresOnTheAnchorAndTheKeysStopAtTheirLimits) {
    PolarMeshSession s;
    s.Modifiers(SB_MOD_ALT);
    s.Drag({200, 200}, {230, 240});
    s.Modifiers(0);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{200, 200, 50}));
    EXPECT_NEAR(Radius(s.Mesh().nodes.back(), {200, 200}), 50, 1e-3);

    ASSERT_EQ(s.Down({0, 0}), 0);
    s.Key(kUp, true);
    s.Key(kRight, true);
    const int64_t start = s.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 100; ++i) ASSERT_EQ(s.DragTo({30, 40}), 0);
    // One pause per step that changed a count: 97 of them until both reach 100.
    EXPECT_EQ(s.session.Desktop().desk.clockMilliseconds - start, 97 * 200);
    s.Key(kUp, false);
    s.Key(kRight, false);
    EXPECT_EQ(s.Mesh().columns, 100);
    EXPECT_EQ(s.Mesh().rows, 99);
    s.Key(kDown, true);
    s.Key(kLeft, true);
    for (int i = 0; i < 100; ++i) ASSERT_EQ(s.DragTo({30, 40}), 0);
    s.Key(kDown, false);
    s.Key(kLeft, false);
    EXPECT_EQ(s.Mesh().columns, 4);
    EXPECT_EQ(s.Mesh().rows, 1);
    // T raises the inner radius by one per cent a step, R lowers it; P turns the rings to chords.
    s.Key(0x54, true);
    for (int i = 0; i < 10; ++i) ASSERT_EQ(s.DragTo({30, 40}), 0);
    s.Key(0x54, false);
    s.Key(0x50, true);
    ASSERT_EQ(s.DragTo({30, 40}), 0);
    s.Key(0x50, false);
    ASSERT_EQ(s.Up({30, 40}), 0);
    const scribera::MeshGrid& g = s.Mesh();
    EXPECT_NEAR(Radius(g.nodes[0], {30, 40}), 5, 1e-3);
    const auto& chord = g.rowCurves[4];
    EXPECT_NEAR(chord[1].h, (2 * chord[0].h + chord[3].h) / 3, 1e-3);
    EXPECT_NEAR(chord[1].v, (2 * chord[0].v + chord[3].v) / 3, 1e-3);
}

TEST(PolarMeshTool, ClickOpensThePanelWhoseAnswerDrawsARecordedUndoableMesh) {
    PolarMeshSession s;
    s.session.Actions().recording = true;
    s.Answer(
        PanelScript::Kind::Params,
        R"({"outerRadius":"40","innerRadius":"50","radialLines":"6","circularLines":"2.9","polygon":"true","colorMode":"2"})");
    ASSERT_EQ(s.Click(50, 60), 0);
    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(PanelService::Instance().Opened()[0].extension, "com.zarvo.PolarMesh");
    EXPECT_EQ(s.LastSent(), R"({"outerRadius" : "100", "innerRadius" : "0", "radialLines" : "4", )"
                            R"("circularLines" : "3", "polygon" : "0", "colorMode" : "1"})");
    EXPECT_EQ(s.Preferences(),
              "<polarmesh><outerRadius>100</outerRadius><innerRadius>0</innerRadius><radialLines>4</radialLines>"
              "<circularLines>3</circularLines><polygon>0</polygon><colorMode>1</colorMode></polarmesh>");
    const scribera::MeshGrid& g = s.Mesh();
    EXPECT_EQ(g.columns, 6);
    EXPECT_EQ(g.rows, 1);
    EXPECT_NEAR(Radius(g.nodes[0], {50, 60}), 20, 1e-3);
    EXPECT_NEAR(Radius(g.nodes[7], {50, 60}), 40, 1e-3);
    EXPECT_EQ(s.UndoNames().back(), "Undo Polar Mesh");
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_polar_mesh");
    EXPECT_EQ(action.dialog, 3);
    EXPECT_EQ(FindValue(action, "tool")->integer, 11);
    EXPECT_EQ(FindValue(action, "cntx")->real, 50);
    EXPECT_EQ(FindValue(action, "cnty")->real, 60);
    EXPECT_EQ(FindValue(action, "pmor")->real, 40);
    EXPECT_EQ(FindValue(action, "pmor")->unit, SB_UNIT_POINTS);
    EXPECT_EQ(FindValue(action, "pmir")->real, 50);
    EXPECT_EQ(FindValue(action, "pmir")->unit, SB_UNIT_PERCENT);
    EXPECT_EQ(FindValue(action, "pmrp")->integer, 6);
    EXPECT_EQ(FindValue(action, "pmcp")->integer, 2);
    EXPECT_TRUE(FindValue(action, "pmpo")->boolean);
    EXPECT_EQ(FindValue(action, "pmcm")->integer, 2);
    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Polar Mesh"}));

    // Cancelled: recorded all the same, nothing drawn (so no undo entry either).
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.Click(1, 2), 0);
    EXPECT_TRUE(s.TopArt().empty());
    ASSERT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[1], "cntx")->real, 1);
    EXPECT_TRUE(s.UndoNames().empty());

    // Counts below what a mesh can have are the keys' limits; a radius beyond single precision
    // draws nothing and records nothing.
    s.Answer(PanelScript::Kind::Params, R"({"radialLines":"0","circularLines":"-3"})");
    ASSERT_EQ(s.EditOptions(), 0);
    s.Answer(PanelScript::Kind::None);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"outerRadius" : "40", "innerRadius" : "50", "radialLines" : "4", )"
                            R"("circularLines" : "2", "polygon" : "1", "colorMode" : "2"})");
    s.Answer(PanelScript::Kind::Params, R"({"outerRadius":"1e300","radialLines":"99999"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(PolarMeshTool, PlaybackDrawsThroughItsDialogWithCountsClampedToTheKeysLimits) {
    PolarMeshSession s;
    const std::vector<ActionValue> recorded = {Integer("tool", 11), Real("cntx", 10),       Real("cnty", 20),
                                               Real("pmor", 30),    Real("pmir", 0),        Integer("pmrp", 0),
                                               Integer("pmcp", 1),  Boolean("pmpo", false), Integer("pmcm", 4)};
    ASSERT_EQ(s.DoAction(false, recorded), 0);
    s.Pump();
    EXPECT_TRUE(s.TopArt().empty());
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), R"({"outerRadius" : "30", "innerRadius" : "0", "radialLines" : "4", )"
                            R"("circularLines" : "2", "polygon" : "0", "colorMode" : "4"})");
    const scribera::MeshGrid& g = s.Mesh();
    EXPECT_EQ(g.columns, 4);
    EXPECT_EQ(g.rows, 1);
    EXPECT_NEAR(Radius(g.nodes[9], {10, 20}), 30, 1e-3);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(PolarMeshTool, GradientStopsOfBothModelsAreSampledInTheDocumentsModel) {
    const std::string drag = "tool PolarMesh\nmod alt on\ndown 100 100\ndrag 160 100\nup\n";
    const std::string fill = "fill linear 0 0:cmyk:0:0:0:1 100:rgb:1:0:0\n";
    auto cmyk = Play("document 400 400\ncolour-model cmyk\n" + fill + drag);
    ASSERT_TRUE(cmyk->ok) << cmyk->error;
    const scribera::MeshGrid& four = OnlyMesh(*cmyk);
    for (const SBColor& c : four.colours) EXPECT_EQ(c.kind, SB_COLOR_FOUR);
    // Across the rings: black in the middle, red (0, 1, 1, 0) outside, between them half of each.
    EXPECT_NEAR(four.colours[0].c.four.black, 1, 1e-6);
    EXPECT_NEAR(four.colours[5].c.four.black, 0.5, 1e-6);
    EXPECT_NEAR(four.colours[5].c.four.magenta, 0.5, 1e-6);
    EXPECT_NEAR(four.colours[10].c.four.yellow, 1, 1e-6);

    auto rgb = Play("document 400 400\ncolour-model rgb\n" + fill + drag);
    ASSERT_TRUE(rgb->ok) << rgb->error;
    const scribera::MeshGrid& three = OnlyMesh(*rgb);
    for (const SBColor& c : three.colours) EXPECT_EQ(c.kind, SB_COLOR_THREE);
    EXPECT_NEAR(three.colours[0].c.three.red, 0, 1e-6);
    EXPECT_NEAR(three.colours[5].c.three.red, 0.5, 1e-6);
    EXPECT_NEAR(three.colours[10].c.three.red, 1, 1e-6);
}

TEST(PolarMeshTool, AGradientThatCannotBeSampledShowsTheErrorAndLeavesNoMesh) {
    PolarMeshSession s;
    scribera::GradientData backwards;
    SBColor black{}, white{};
    black.kind = white.kind = SB_COLOR_GRAY;
    black.c.gray.gray = 1;
    backwards.stops = {SBGradientStop{50, 80, black}, SBGradientStop{50, 20, white}};
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_GRADIENT;
    style.fill.color.c.gradient.gradient = scribera::ToHandle<SBGradientHandle>(s.Doc().AddGradient(backwards));
    s.Doc().SetCurrentStyle(style);
    ASSERT_EQ(s.Down({100, 100}), 0);
    EXPECT_NE(s.DragTo({150, 100}), 0);
    s.Up({150, 100});
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
}

TEST(PolarMeshTool, ColourModeFourSweepsTheGradientOnceAroundTheCircle) {
    auto p = Play(
        "document 400 400\nfill linear 0 0:rgb:1:0:0 100:rgb:0:0:1\ntool PolarMesh\n"
        "panel params {\"outerRadius\":\"80\",\"innerRadius\":\"0\",\"radialLines\":\"8\",\"circularLines\":\"3\","
        "\"polygon\":\"false\",\"colorMode\":\"4\"}\nclick 200 200\n");
    ASSERT_TRUE(p->ok) << p->error;
    const scribera::MeshGrid& g = OnlyMesh(*p);
    ASSERT_EQ(g.columns, 8);
    for (int r = 0; r <= 2; ++r) {
        EXPECT_NEAR(g.colours[size_t(r * 9)].c.three.red, 1, 1e-6);
        EXPECT_NEAR(g.colours[size_t(r * 9 + 8)].c.three.blue, 1, 1e-6);
        EXPECT_NEAR(g.colours[size_t(r * 9 + 4)].c.three.blue, 0.5, 1e-6);
    }
}

}  // namespace
