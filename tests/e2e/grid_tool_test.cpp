// The grid tool through the stand-in host: lines or cells in a new group by drag, Alt and the
// arrow keys, its panel in each mode, its recorded action and playback, counts from outside.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace hosted;

struct GridSession : HostedPlugin {
    GridSession() : HostedPlugin("Grid") {}
    // The paths of the topmost group.
    std::vector<const Art*> Paths() {
        std::vector<const Art*> out;
        const Art* group = TopArt().at(0);
        EXPECT_EQ(group->kind, scribera::ArtKind::Group);
        for (Id id : Doc().Children(group->id)) out.push_back(Doc().Find(id));
        return out;
    }
};

TEST(GridTool, DefaultLinesAndSquaresCoverTheDraggedRectangleInANewGroup) {
    GridSession s;
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({144, 108}), 0);
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 2, 3}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{72, 54, 4, -3}));
    ASSERT_EQ(s.Up({144, 108}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    auto paths = s.Paths();
    ASSERT_EQ(paths.size(), 9u);
    int vertical = 0, horizontal = 0;
    for (const Art* line : paths) {
        EXPECT_FALSE(line->closed);
        EXPECT_TRUE(line->userAttr & SB_ATTR_SELECTED);
        ASSERT_EQ(line->segments.size(), 2u);
        const SBRealPoint a = line->segments[0].p, b = line->segments[1].p;
        if (a.h == b.h) {
            ++vertical;
            EXPECT_NEAR(std::fabs(a.v - b.v), 108, 1e-4);
            EXPECT_NEAR(std::fmod(a.h, 36.0), 0, 1e-4);
        } else {
            ++horizontal;
            EXPECT_NEAR(a.v, b.v, 1e-9);
            EXPECT_NEAR(std::fabs(a.h - b.h), 144, 1e-4);
        }
    }
    EXPECT_EQ(vertical, 5);
    EXPECT_EQ(horizontal, 4);
    ExpectExtent(paths, 0, 144, 0, 108);

    // Dragged the other way: negative cells, the same rectangle.
    s.Drag({144, 108}, {0, 0});
    ExpectExtent(s.Paths(), 0, 144, 0, 108);

    s.Answer(PanelScript::Kind::Params, R"({"width":"36","height":"36","sqX":"4","sqY":"3","createAsSquares":"true"})");
    ASSERT_EQ(s.EditOptions(), 0);
    s.Drag({0, 0}, {144, 108});
    paths = s.Paths();
    ASSERT_EQ(paths.size(), 12u);
    for (const Art* cell : paths) {
        EXPECT_TRUE(cell->closed);
        ASSERT_EQ(cell->segments.size(), 4u);
        ExpectExtent({cell}, cell->segments[0].p.h, cell->segments[0].p.h + 36, cell->segments[0].p.v,
                     cell->segments[0].p.v + 36);
    }
    ExpectExtent(paths, 0, 144, 0, 108);
    EXPECT_TRUE(s.session.Actions().recorded.empty());
}

TEST(GridTool, CellsTakeTheGradientFittedToEachCellAndLinesTakeNoPaint) {
    GridSession s;
    scribera::GradientData linear;
    linear.kind = SB_GRADIENT_LINEAR;
    linear.stops = {SBGradientStop{50, 0, {SB_COLOR_GRAY, {}}}, SBGradientStop{50, 100, {SB_COLOR_GRAY, {}}}};
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_GRADIENT;
    style.fill.color.c.gradient.gradient = scribera::ToHandle<SBGradientHandle>(s.Doc().AddGradient(linear));
    style.fill.color.c.gradient.angle = 0;
    style.fill.color.c.gradient.length = 7;
    s.Doc().SetCurrentStyle(style);

    s.Drag({0, 0}, {144, 108});
    for (const Art* line : s.Paths()) EXPECT_NE(line->style.fill.color.kind, SB_COLOR_GRADIENT);

    s.Answer(PanelScript::Kind::Params, R"({"width":"36","height":"36","sqX":"4","sqY":"3","createAsSquares":"true"})");
    ASSERT_EQ(s.EditOptions(), 0);
    // Dragged up and to the left: negative cells, each gradient still spans its own cell.
    s.Drag({144, 108}, {0, 0});
    const auto cells = s.Paths();
    ASSERT_EQ(cells.size(), 12u);
    for (const Art* cell : cells) {
        ASSERT_EQ(cell->style.fill.color.kind, SB_COLOR_GRADIENT);
        const SBGradientStyle& fitted = cell->style.fill.color.c.gradient;
        const auto extent = Extent({cell});
        EXPECT_NEAR(fitted.origin.h, extent[0], 1e-4);
        EXPECT_NEAR(fitted.origin.v, (extent[2] + extent[3]) / 2, 1e-4);
        EXPECT_NEAR(fitted.length, 36, 1e-4);
    }
}

TEST(GridTool, AltCentresTheGridAndTheArrowKeysStopAtOneAndSixty) {
    GridSession s;
    s.Modifiers(SB_MOD_ALT);
    s.Drag({100, 100}, {136, 118});
    s.Modifiers(0);
    ExpectExtent(s.Paths(), 64, 136, 82, 118);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{100, 100, 4, -3}));

    ASSERT_EQ(s.Down({0, 0}), 0);
    s.Key(kUp, true);
    s.Key(kRight, true);
    const int64_t start = s.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 65; ++i) ASSERT_EQ(s.DragTo({120, 120}), 0);
    // One pause per step that changed a count: 57 of them until both reach 60.
    EXPECT_EQ(s.session.Desktop().desk.clockMilliseconds - start, 57 * 200);
    s.Key(kUp, false);
    s.Key(kRight, false);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{60, 60, 60, -60}));
    s.Key(kDown, true);
    s.Key(kLeft, true);
    for (int i = 0; i < 65; ++i) ASSERT_EQ(s.DragTo({120, 120}), 0);
    s.Key(kDown, false);
    s.Key(kLeft, false);
    ASSERT_EQ(s.Up({120, 120}), 0);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{60, 60, 1, -1}));
    EXPECT_EQ(s.Paths().size(), 4u);
    ExpectExtent(s.Paths(), 0, 120, 0, 120);
}

TEST(GridTool, ClickOpensThePanelWhoseAnswerDrawsARecordedUndoableGrid) {
    GridSession s;
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Params,
             R"({"width":"-10","height":"20","sqX":"2","sqY":"0","createAsSquares":"true"})");
    ASSERT_EQ(s.Click(50, 60), 0);
    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(PanelService::Instance().Opened()[0].extension, "com.zarvo.Grid");
    EXPECT_EQ(s.LastSent(), R"({"width" : "36", "height" : "36", "sqX" : "4", "sqY" : "3", "createAsSquares" : "0"})");
    EXPECT_EQ(s.Preferences(),
              "<grid><width>36</width><height>36</height><sqX>4</sqX><sqY>3</sqY><createAsSq>0</createAsSq></grid>");
    // Rows of 0 are taken as 1: two cells about the click.
    ASSERT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.Paths().size(), 2u);
    ExpectExtent(s.Paths(), 40, 60, 50, 70);
    ASSERT_FALSE(s.UndoNames().empty());
    EXPECT_EQ(s.UndoNames().back(), "Undo Grid");
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_grid");
    EXPECT_EQ(action.dialog, 3);
    EXPECT_EQ(FindValue(action, "tool")->integer, 12);
    EXPECT_EQ(FindValue(action, "cntx")->real, 50);
    EXPECT_EQ(FindValue(action, "cnty")->real, 60);
    EXPECT_EQ(FindValue(action, "wdth")->real, 10);
    EXPECT_EQ(FindValue(action, "hght")->real, 20);
    EXPECT_EQ(FindValue(action, "nsqx")->integer, 2);
    EXPECT_EQ(FindValue(action, "nsqy")->integer, 1);
    EXPECT_TRUE(FindValue(action, "csqs")->boolean);
    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Grid"}));

    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.Click(1, 2), 0);
    EXPECT_TRUE(s.TopArt().empty());
    ASSERT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[1], "cntx")->real, 1);

    // Counts beyond the bound are held at it; sizes beyond single precision draw nothing: no empty
    // group, no action.
    s.Answer(PanelScript::Kind::Params,
             R"({"width":"1","height":"1","sqX":"999999","sqY":"-4","createAsSquares":"0"})");
    ASSERT_EQ(s.EditOptions(), 0);
    s.Answer(PanelScript::Kind::None);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"width" : "1", "height" : "1", "sqX" : "200", "sqY" : "1", "createAsSquares" : "0"})");
    s.Answer(PanelScript::Kind::Params, R"({"width":"1e300","height":"1","sqX":"3","sqY":"3","createAsSquares":"0"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(GridTool, PlaybackDrawsThroughItsDialogOnlyWithCountsOfAtLeastOne) {
    GridSession s;
    const std::vector<ActionValue> recorded = {Integer("tool", 12), Real("cntx", 0),       Real("cnty", 0),
                                               Real("wdth", 10),    Real("hght", 5),       Integer("nsqx", 0),
                                               Integer("nsqy", 2),  Boolean("csqs", false)};
    ASSERT_EQ(s.DoAction(false, recorded), 0);
    s.Pump();
    EXPECT_TRUE(s.TopArt().empty());
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), R"({"width" : "10", "height" : "5", "sqX" : "1", "sqY" : "2", "createAsSquares" : "0"})");
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(s.Paths().size(), 5u);
    ExpectExtent(s.Paths(), -5, 5, -5, 5);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

}  // namespace
