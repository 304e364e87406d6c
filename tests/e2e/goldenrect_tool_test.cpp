// The golden rectangle tool through the stand-in host: sides in the golden ratio by drag and with
// Alt, the action recorded at every press, and its playback.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <algorithm>
#include <cmath>

namespace {

using namespace hosted;

constexpr double kShort = 61.8034;  // 100 / φ

struct GoldenSession : HostedPlugin {
    GoldenSession() : HostedPlugin("GoldenRect") {}
    std::vector<double> Bounds() { return Extent({&Last()}); }
    void ExpectBounds(double minH, double maxH, double minV, double maxV) {
        ExpectExtent({&Last()}, minH, maxH, minV, maxV);
    }
};

TEST(GoldenRectTool, TheLargerDragComponentSetsTheLongSideAndEveryPressIsRecorded) {
    GoldenSession s;
    s.session.Actions().recording = true;
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({100, 10}), 0);
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 2}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{0, 0, 100}));
    ASSERT_EQ(s.Up({100, 10}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_TRUE(s.Last().closed);
    ASSERT_EQ(s.Last().segments.size(), 4u);
    ExpectPoint(s.Last().segments[0].p, 100, kShort);
    ExpectPoint(s.Last().segments[2].p, 0, 0);
    ASSERT_FALSE(s.UndoNames().empty());
    EXPECT_EQ(s.UndoNames().back(), "Undo Golden Rectangle");
    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Golden Rectangle"}));
    ASSERT_EQ(s.Redo(), SB_OK);
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_grect");
    EXPECT_EQ(action.dialog, 3);
    EXPECT_EQ(FindValue(action, "tool")->integer, 6);
    EXPECT_EQ(FindValue(action, "cntx")->real, 50);
    EXPECT_NEAR(FindValue(action, "cnty")->real, kShort / 2, 1e-4);
    EXPECT_EQ(FindValue(action, "wdth")->real, 50);
    EXPECT_NEAR(FindValue(action, "hght")->real, kShort / 2, 1e-4);
    EXPECT_EQ(FindValue(action, "hght")->unit, SB_UNIT_POINTS);

    s.Drag({0, 0}, {10, -100});
    s.ExpectBounds(0, kShort, -100, 0);
    EXPECT_NEAR(FindValue(s.session.Actions().recorded[1], "cnty")->real, -50, 1e-4);
    EXPECT_NEAR(FindValue(s.session.Actions().recorded[1], "wdth")->real, kShort / 2, 1e-4);
    // Along an axis the short side is 0.
    s.Drag({0, 0}, {-100, 0});
    s.ExpectBounds(-100, 0, 0, 0);

    // A press without movement draws nothing, so it records nothing and names no entry.
    const size_t before = s.TopArt().size();
    s.session.SetTracing(true);
    ASSERT_EQ(s.Down({5, 5}), 0);
    ASSERT_EQ(s.Up({5, 5}), 0);
    s.session.SetTracing(false);
    EXPECT_EQ(s.Traced("SetUndoText"), 0);
    EXPECT_EQ(s.TopArt().size(), before);
    ASSERT_EQ(s.session.Actions().recorded.size(), 3u);

    // No panel, no preferences.
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_TRUE(PanelService::Instance().Opened().empty());
    EXPECT_EQ(s.Preferences(), "");
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(GoldenRectTool, AltCentresTheRectangleOnTheAnchorAndPlaybackReproducesIt) {
    GoldenSession s;
    s.session.Actions().recording = true;
    s.Modifiers(SB_MOD_ALT);
    s.Drag({10, 10}, {-40, 20});
    s.Modifiers(0);
    s.ExpectBounds(-40, 60, 10 - 50 / 1.6180339887, 10 + 50 / 1.6180339887);
    const auto drawn = s.Bounds();
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    // A copy: playing back records more.
    const scribera::RecordedAction action = s.session.Actions().recorded[0];
    EXPECT_EQ(FindValue(action, "cntx")->real, 10);
    EXPECT_EQ(FindValue(action, "wdth")->real, 50);

    // Played back, with or without its dialog, the same rectangle comes again and is recorded.
    for (bool dialog : {false, true}) {
        ASSERT_EQ(s.DoAction(dialog, action.values), 0);
        s.Pump();
        const auto again = s.Bounds();
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(again[k], drawn[k], 1e-4);
    }
    EXPECT_EQ(s.TopArt().size(), 3u);
    ASSERT_EQ(s.session.Actions().recorded.size(), 3u);
    EXPECT_NEAR(FindValue(s.session.Actions().recorded[2], "hght")->real, FindValue(action, "hght")->real, 1e-5);
    EXPECT_TRUE(PanelService::Instance().Opened().empty());

    // A corner-mode drag played back keeps its place too.
    s.Drag({0, 0}, {30, 100});
    const auto corner = s.Bounds();
    ASSERT_EQ(s.DoAction(false, s.session.Actions().recorded.back().values), 0);
    const auto replayed = s.Bounds();
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(replayed[k], corner[k], 1e-4);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(GoldenRectTool, PlaybackOfBrokenValuesFailsOrDrawsNothingWithoutACrash) {
    GoldenSession s;
    // A value without its sizes fails as a handler does.
    EXPECT_EQ(s.DoAction(false, {Integer("tool", 6), Real("cntx", 1)}), static_cast<SBErr>(0x45785472));
    EXPECT_EQ(s.session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    EXPECT_TRUE(s.TopArt().empty());
    // Sizes beyond single precision or not numbers at all draw nothing, and leave no empty path.
    for (double bad : {1e300, std::nan("")}) {
        const auto values = {Integer("tool", 6), Real("cntx", 0), Real("cnty", 0), Real("wdth", bad), Real("hght", 5)};
        ASSERT_EQ(s.DoAction(false, values), 0);
        EXPECT_TRUE(s.TopArt().empty());
    }
    EXPECT_EQ(s.session.Shown().alerts.size(), 1u);
}

}  // namespace
