// The wave tool through the stand-in host: arches by drag with Alt and the arrow keys, its panel
// in each mode, its recorded action and playback, and values from outside.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>

namespace {

using namespace hosted;

struct WaveSession : HostedPlugin {
    WaveSession() : HostedPlugin("Wave") {}
};

TEST(WaveTool, DefaultDragDrawsSixteenSegmentsOfSmoothArchesAlternatingAboutTheBaseline) {
    WaveSession s;
    s.session.Actions().recording = true;
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({200, 100}), 0);
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 2, 3}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{100, 100, 200, -100}));
    ASSERT_EQ(s.Up({200, 100}), 0);

    ASSERT_EQ(s.TopArt().size(), 1u);
    const Art& path = s.Last();
    EXPECT_FALSE(path.closed);
    EXPECT_TRUE(path.userAttr & SB_ATTR_SELECTED);
    ASSERT_EQ(path.segments.size(), 17u);
    for (size_t k = 0; k < path.segments.size(); ++k) {
        const SBPathSegment& a = path.segments[k];
        EXPECT_NEAR(a.p.h, 12.5 * k, 1e-4);
        if (k % 2 == 0) {
            // Junctions on the baseline (the mouse height), the control points point-symmetric.
            EXPECT_NEAR(a.p.v, 100, 1e-4);
            if (k > 0 && k < 16) {
                EXPECT_NEAR(a.in.h + a.out.h, 2 * a.p.h, 1e-4);
                EXPECT_NEAR(a.in.v + a.out.v, 2 * a.p.v, 1e-4);
            }
        } else {
            // Crests: the first at the anchor's height, then alternating, the tangent level.
            const double crest = (k / 2) % 2 == 0 ? 0 : 200;
            EXPECT_NEAR(a.p.v, crest, 1e-4);
            EXPECT_NEAR(a.in.v, crest, 1e-4);
            EXPECT_NEAR(a.out.v, crest, 1e-4);
            EXPECT_NEAR(a.out.h - a.p.h, 25 * 0.25, 1e-4);
        }
    }
    ExpectPoint(path.segments[0].out, 25 * 0.06, 100 - 25);
    // A plain drag names no undo entry and records nothing.
    EXPECT_EQ(s.UndoNames(), (std::vector<std::string>{"Undo"}));
    EXPECT_TRUE(s.session.Actions().recorded.empty());
}

TEST(WaveTool, NegativeDragsMirrorTheRowAndSwapTheSides) {
    WaveSession s;
    s.Drag({0, 0}, {-200, -100});
    const Art& path = s.Last();
    ASSERT_EQ(path.segments.size(), 17u);
    ExpectPoint(path.segments[0].p, 0, -100);
    ExpectPoint(path.segments[1].p, -12.5, 0);
    ExpectPoint(path.segments[3].p, -37.5, -200);
    ExpectPoint(path.segments[16].p, -200, -100);
}

TEST(WaveTool, AltCentresTheBaselineOnTheAnchorAndDoublesTheRow) {
    WaveSession s;
    s.Modifiers(SB_MOD_ALT);
    s.Drag({50, 50}, {150, 80});
    s.Modifiers(0);
    const Art& path = s.Last();
    ASSERT_EQ(path.segments.size(), 17u);
    ExpectPoint(path.segments[0].p, -50, 50);
    ExpectPoint(path.segments[1].p, -50 + 12.5, 20);
    ExpectPoint(path.segments[16].p, 150, 50);
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{50, 50, 200, -30}));
}

TEST(WaveTool, ArrowKeysStepTheWavesBetweenOneAndForty) {
    WaveSession s;
    ASSERT_EQ(s.Down({0, 0}), 0);
    s.Key(kLeft, true);
    const int64_t start = s.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 10; ++i) ASSERT_EQ(s.DragTo({100, 50}), 0);
    // Seven steps from 8 to 1, each with its pause; at 1 Left changes nothing.
    EXPECT_EQ(s.session.Desktop().desk.clockMilliseconds - start, 7 * 200);
    EXPECT_EQ(s.TopArt()[2]->segments.size(), 3u);
    s.Key(kLeft, false);
    s.Key(kRight, true);
    for (int i = 0; i < 45; ++i) ASSERT_EQ(s.DragTo({100, 50}), 0);
    s.Key(kRight, false);
    ASSERT_EQ(s.Up({100, 50}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(s.Last().segments.size(), 81u);
}

TEST(WaveTool, ClickOpensThePanelWhoseAnswerDrawsARecordedUndoableWaveAtTheClick) {
    WaveSession s;
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Params, R"({"width":"90","height":"40.9","waves":"3.7"})");
    ASSERT_EQ(s.Click(10, 20), 0);
    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(PanelService::Instance().Opened()[0].extension, "com.zarvo.Wave");
    EXPECT_EQ(s.LastSent(), R"({"width" : "200", "height" : "100", "waves" : "8"})");
    EXPECT_EQ(s.Preferences(), "<wave><width>200</width><height>100</height><waves>8</waves></wave>");

    // Height reads as an integer, waves truncate: three arches 30 wide, 40 high.
    ASSERT_EQ(s.TopArt().size(), 1u);
    const Art& path = s.Last();
    ASSERT_EQ(path.segments.size(), 7u);
    ExpectPoint(path.segments[0].p, -35, 20);
    ExpectPoint(path.segments[1].p, -20, -20);
    ExpectPoint(path.segments[6].p, 55, 20);
    ASSERT_FALSE(s.UndoNames().empty());
    EXPECT_EQ(s.UndoNames().back(), "Undo Wave");
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_wave");
    EXPECT_EQ(action.dialog, 3);
    EXPECT_EQ(FindValue(action, "tool")->integer, 2);
    EXPECT_EQ(FindValue(action, "cntx")->real, 10);
    EXPECT_EQ(FindValue(action, "cnty")->real, 20);
    EXPECT_EQ(FindValue(action, "wdth")->real, 90);
    EXPECT_EQ(FindValue(action, "wdth")->unit, SB_UNIT_POINTS);
    EXPECT_EQ(FindValue(action, "hght")->real, 40);
    EXPECT_EQ(FindValue(action, "wavs")->integer, 3);
    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Wave"}));

    // Cancelled: the click is recorded, nothing drawn.
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.Click(5, 6), 0);
    EXPECT_TRUE(s.TopArt().empty());
    ASSERT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[1], "cntx")->real, 5);

    // The icon's panel only stores the values; the next drag uses them.
    s.Answer(PanelScript::Kind::Params, R"({"width":"10","height":"10","waves":"2"})");
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_TRUE(s.TopArt().empty());
    s.Drag({0, 0}, {100, 50});
    EXPECT_EQ(s.Last().segments.size(), 5u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(WaveTool, PlaybackDrawsThroughItsDialogOnly) {
    WaveSession s;
    const std::vector<ActionValue> recorded = {Integer("tool", 2), Real("cntx", 100), Real("cnty", 50),
                                               Real("wdth", 40),   Real("hght", 10),  Integer("wavs", 2)};
    ASSERT_EQ(s.DoAction(false, recorded), 0);
    s.Pump();
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_TRUE(PanelService::Instance().Opened().empty());

    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), R"({"width" : "40", "height" : "10", "waves" : "2"})");
    ASSERT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.Last().segments.size(), 5u);
    ExpectPoint(s.Last().segments[0].p, 80, 50);
    ExpectPoint(s.Last().segments[1].p, 90, 40);
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[0], "cntx")->real, 100);

    s.Answer(PanelScript::Kind::Params, R"({"width":"40","height":"10","waves":"1"})");
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    ASSERT_EQ(s.TopArt().size(), 2u);
    EXPECT_EQ(s.Last().segments.size(), 3u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(WaveTool, CountsAndSizesFromOutsideNeverHangOrCrash) {
    WaveSession s;
    // The anchors of the path the click drew; 0 when it drew nothing (and left no empty path).
    auto segmentsFor = [&](const std::string& answer) -> size_t {
        const size_t before = s.TopArt().size();
        s.Answer(PanelScript::Kind::Params, answer);
        EXPECT_EQ(s.Click(0, 0), 0);
        if (s.TopArt().size() == before) return 0;
        EXPECT_FALSE(s.Last().segments.empty());
        return s.Last().segments.size();
    };
    EXPECT_EQ(segmentsFor(R"({"width":"100","height":"10","waves":"0"})"), 0u);
    EXPECT_EQ(segmentsFor(R"({"width":"100","height":"10","waves":"-3"})"), 0u);
    // A count beyond any drawable row is bounded.
    EXPECT_EQ(segmentsFor(R"({"width":"100","height":"10","waves":"1e300"})"), 20001u);
    s.Answer(PanelScript::Kind::None);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"width" : "100", "height" : "10", "waves" : "2147483647"})");
    EXPECT_EQ(segmentsFor(R"({"width":"1e300","height":"10","waves":"4"})"), 0u);
    EXPECT_EQ(segmentsFor(R"({"width":"100","height":"99999999999","waves":"4"})"), 9u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

}  // namespace
