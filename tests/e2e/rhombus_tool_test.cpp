// The rhombus tool through the stand-in host: the inscribed rhombus by drag with Shift and Alt,
// its panel in each mode, its recorded action and playback.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>

namespace {

using namespace hosted;

struct RhombusSession : HostedPlugin {
    RhombusSession() : HostedPlugin("Rhombus") {}
    // The four corners, each a corner anchor with its control points on it.
    void ExpectCorners(double ch, double cv, double a, double b) {
        const Art& path = Last();
        EXPECT_TRUE(path.closed);
        ASSERT_EQ(path.segments.size(), 4u);
        const double corners[4][2] = {{ch + a, cv}, {ch, cv - b}, {ch - a, cv}, {ch, cv + b}};
        for (int i = 0; i < 4; ++i) {
            ExpectPoint(path.segments[i].p, corners[i][0], corners[i][1]);
            ExpectPoint(path.segments[i].in, corners[i][0], corners[i][1]);
            ExpectPoint(path.segments[i].out, corners[i][0], corners[i][1]);
        }
    }
};

TEST(RhombusTool, DragInscribesTheRhombusInTheRectangleWhicheverWayItIsDragged) {
    RhombusSession s;
    s.Drag({0, 0}, {200, 100});
    ASSERT_EQ(s.TopArt().size(), 1u);
    s.ExpectCorners(100, 50, 100, 50);
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 2, 3}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{100, 50, 200, -100}));
    EXPECT_TRUE(s.Last().userAttr & SB_ATTR_SELECTED);
    // The same rectangle dragged from its other corner.
    s.Drag({200, 100}, {0, 0});
    s.ExpectCorners(100, 50, 100, 50);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{100, 50, 200, -100}));
    EXPECT_EQ(s.TopArt().size(), 2u);
    EXPECT_TRUE(s.session.Actions().recorded.empty());
}

TEST(RhombusTool, ShiftMakesASquareOnItsCornerAndAltCentresItOnTheAnchor) {
    RhombusSession s;
    s.Modifiers(SB_MOD_SHIFT);
    s.Drag({0, 0}, {80, -30});
    s.ExpectCorners(40, -40, 40, 40);
    s.Modifiers(SB_MOD_ALT);
    s.Drag({10, 10}, {40, 30});
    s.ExpectCorners(10, 10, 30, 20);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{10, 10, 60, -40}));
    s.Modifiers(SB_MOD_ALT | SB_MOD_SHIFT);
    s.Drag({0, 0}, {-10, 25});
    s.ExpectCorners(0, 0, 25, 25);
    s.Modifiers(0);
}

TEST(RhombusTool, ClickOpensThePanelWhoseAnswerDrawsARecordedUndoableRhombus) {
    RhombusSession s;
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Params, R"({"width":"60.5","height":"30.9"})");
    ASSERT_EQ(s.Click(100, 100), 0);
    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(PanelService::Instance().Opened()[0].extension, "com.zarvo.Rhombus");
    EXPECT_EQ(s.LastSent(), R"({"width": "200", "height": "100"})");
    EXPECT_EQ(s.Preferences(), "<rhombus><width>200</width><height>100</height></rhombus>");
    // The height is read as an integer.
    s.ExpectCorners(100, 100, 30.25, 15);
    ASSERT_FALSE(s.UndoNames().empty());
    EXPECT_EQ(s.UndoNames().back(), "Undo Rhombus");
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_rhombus");
    EXPECT_EQ(action.dialog, 3);
    EXPECT_EQ(action.values.size(), 5u);
    EXPECT_EQ(FindValue(action, "tool")->integer, 4);
    EXPECT_EQ(FindValue(action, "cntx")->real, 100);
    EXPECT_EQ(FindValue(action, "wdth")->real, 60.5);
    EXPECT_EQ(FindValue(action, "hght")->real, 30);
    EXPECT_EQ(FindValue(action, "hght")->unit, SB_UNIT_POINTS);
    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Rhombus"}));
    ASSERT_EQ(s.Redo(), SB_OK);

    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.Click(7, 8), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[1], "cnty")->real, 8);

    // The icon's panel stores only; sizes of both zero, or beyond single precision, draw nothing
    // and record nothing.
    s.Answer(PanelScript::Kind::Params, R"({"width":"0","height":"0"})");
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    s.Answer(PanelScript::Kind::None);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"width": "0", "height": "0"})");
    s.Answer(PanelScript::Kind::Params, R"({"width":"0","height":"0"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    s.Answer(PanelScript::Kind::Params, R"({"width":"1e300","height":"5"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(RhombusTool, PlaybackDrawsThroughItsDialogOnly) {
    RhombusSession s;
    const std::vector<ActionValue> recorded = {Integer("tool", 4), Real("cntx", -20), Real("cnty", 40),
                                               Real("wdth", 16), Real("hght", 8)};
    ASSERT_EQ(s.DoAction(false, recorded), 0);
    s.Pump();
    EXPECT_TRUE(s.TopArt().empty());
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), R"({"width": "16", "height": "8"})");
    s.ExpectCorners(-20, 40, 8, 4);
    s.Answer(PanelScript::Kind::Params, R"({"width":"4","height":"2"})");
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    ASSERT_EQ(s.TopArt().size(), 2u);
    s.ExpectCorners(-20, 40, 2, 1);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

}  // namespace
