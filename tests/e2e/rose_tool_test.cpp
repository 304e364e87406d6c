// The rose tool driven as a user drives it: drags with the arrow keys, clicks answered by its
// panel, the icon's options, recorded actions played back, and the routing that gets it there.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <scribera/SBActionManagerSuite.h>

#include <cmath>
#include <cstring>

namespace {

using namespace hosted;

constexpr SBErr kExTr = static_cast<SBErr>(0x45785472);

// Tips of a rose path: every second anchor, starting with the second.
std::vector<SBRealPoint> Tips(const Art& rose) {
    std::vector<SBRealPoint> tips;
    for (size_t i = 1; i < rose.segments.size(); i += 2) tips.push_back(rose.segments[i].p);
    return tips;
}

TEST(RoseTool, DragDrawsPetalsAroundTheAnchorWithACentreMarkThatMouseUpRemoves) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    s.session.Actions().recording = true;
    const Id rose = s.ToolId("Rose");
    EXPECT_EQ(s.host.TrackCursor(rose, {5, 5}), 0);
    ASSERT_FALSE(s.session.Desktop().desk.cursorLog.empty());
    EXPECT_EQ(s.session.Desktop().desk.cursorLog.back(), "set 32515");

    ASSERT_EQ(s.Down({10, 20}), 0);
    ASSERT_EQ(s.DragTo({10, 70}), 0);

    // The preview and the two strokes of the cross; half size 0.2% of the 1000-wide view.
    auto art = s.TopArt();
    ASSERT_EQ(art.size(), 3u);
    for (int k = 0; k < 2; ++k) {
        const Art& stroke = *art[k];
        ASSERT_EQ(stroke.segments.size(), 2u);
        EXPECT_FALSE(stroke.closed);
        EXPECT_NEAR(std::fabs(stroke.segments[1].p.h - stroke.segments[0].p.h), 4.0, 1e-5);
        EXPECT_NEAR((stroke.segments[0].p.h + stroke.segments[1].p.h) / 2, 10.0, 1e-5);
        EXPECT_NEAR((stroke.segments[0].p.v + stroke.segments[1].p.v) / 2, 20.0, 1e-5);
    }
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 4}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{10, 20, 50}));

    // A step that moves by less than the tolerance neither reverts nor redraws.
    s.session.SetTracing(true);
    ASSERT_EQ(s.DragTo({10, 70.000001}), 0);
    EXPECT_EQ(s.Traced("UndoChanges"), 0);
    s.session.SetTracing(false);

    ASSERT_EQ(s.Up({10, 70}), 0);
    art = s.TopArt();
    ASSERT_EQ(art.size(), 1u);
    const Art& shape = *art[0];
    EXPECT_EQ(shape.kind, ArtKind::Path);
    EXPECT_TRUE(shape.closed);
    EXPECT_TRUE(shape.userAttr & SB_ATTR_SELECTED);
    const auto tips = Tips(shape);
    ASSERT_EQ(tips.size(), 4u);
    ExpectPoint(tips[0], 10, 70);
    ExpectPoint(tips[1], -40, 20);
    ExpectPoint(tips[2], 10, -30);
    ExpectPoint(tips[3], 60, 20);
    for (size_t i = 0; i < shape.segments.size(); i += 2) ExpectPoint(shape.segments[i].p, 10, 20);
    // A plain drag names no undo entry and records nothing.
    EXPECT_EQ(s.UndoNames(), (std::vector<std::string>{"Undo"}));
    EXPECT_TRUE(s.session.Actions().recorded.empty());
    EXPECT_TRUE(s.session.Shown().alerts.empty());
    EXPECT_TRUE(s.session.StaleHandleLog().empty());
}

TEST(RoseTool, UpAndDownKeysStepTheLobesBetweenOneAndFortyWithAPausePerStep) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({0, 100}), 0);
    s.Key(kUp, true);
    const int64_t start = s.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 40; ++i) ASSERT_EQ(s.DragTo({0, 100}), 0);
    // 36 steps from 4 to 40, each followed by a pause of 0.2 s; the rest change nothing.
    EXPECT_EQ(s.session.Desktop().desk.clockMilliseconds - start, 36 * 200);
    ASSERT_EQ(s.TopArt().size(), 3u);
    EXPECT_EQ(Tips(*s.TopArt()[2]).size(), 40u);

    s.Key(kUp, false);
    s.Key(kDown, true);
    for (int i = 0; i < 45; ++i) ASSERT_EQ(s.DragTo({0, 100}), 0);
    s.Key(kDown, false);
    ASSERT_EQ(s.Up({0, 100}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    // One lobe: a single petal, its width from n = 2 (half angle 45°, t = 1).
    const Art& one = *s.TopArt()[0];
    ASSERT_EQ(one.segments.size(), 2u);
    ExpectPoint(one.segments[1].p, 0, 100);
    ExpectPoint(one.segments[0].out, -50, 50);
    ExpectPoint(one.segments[1].in, -25, 100);
}

TEST(RoseTool, LeftAndRightKeysStepTheWidthAndStopPastTheirEnds) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    auto pressSteps = [&](int32_t key, int steps) {
        ASSERT_EQ(s.Down({0, 0}), 0);
        s.Key(key, true);
        for (int i = 0; i < steps; ++i) ASSERT_EQ(s.DragTo({0, 50}), 0);
        s.Key(key, false);
        ASSERT_EQ(s.Up({0, 50}), 0);
    };
    s.Answer(PanelScript::Kind::None);
    pressSteps(kLeft, 15);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"radius" : "50", "lobes" : "4", "width" : "-1.94289e-16"})");
    pressSteps(kLeft, 3);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"radius" : "50", "lobes" : "4", "width" : "-1.94289e-16"})");

    pressSteps(kRight, 40);
    ASSERT_EQ(s.EditOptions(), 0);
    // 0 − 2e-16 + 31 × 0.1 would show 3.1; the last step lands just above 3 and stops.
    EXPECT_EQ(s.LastSent(), R"({"radius" : "50", "lobes" : "4", "width" : "3"})");
    // Width 3 with 4 lobes: half angle 45°, so the first control point is at (−t/2·r, r/2).
    const Art& wide = *s.TopArt()[0];
    ExpectPoint(wide.segments[0].out, -25, 25);
}

TEST(RoseTool, GradientFillIsFittedToTheRose) {
    HostedPlugin s;
    scribera::GradientData linear;
    linear.kind = SB_GRADIENT_LINEAR;
    linear.stops = {SBGradientStop{50, 0, {SB_COLOR_GRAY, {}}}, SBGradientStop{50, 100, {SB_COLOR_GRAY, {}}}};
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_GRADIENT;
    style.fill.color.c.gradient.gradient = scribera::ToHandle<SBGradientHandle>(s.Doc().AddGradient(linear));
    style.fill.color.c.gradient.angle = 0;
    style.fill.color.c.gradient.length = 7;
    style.fill.color.c.gradient.matrix = {2, 0, 0, 2, 5, 5};
    s.Doc().SetCurrentStyle(style);

    ASSERT_EQ(s.Pick("Rose"), 0);
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({30, 40}), 0);
    ASSERT_EQ(s.Up({30, 40}), 0);
    const SBGradientStyle& fitted = s.TopArt()[0]->style.fill.color.c.gradient;
    ASSERT_EQ(s.TopArt()[0]->style.fill.color.kind, SB_COLOR_GRADIENT);
    EXPECT_NEAR(fitted.origin.h, -50, 1e-5);
    EXPECT_NEAR(fitted.origin.v, 0, 1e-5);
    EXPECT_NEAR(fitted.length, 100, 1e-5);
    const SBRealMatrix identity{1, 0, 0, 1, 0, 0};
    EXPECT_EQ(std::memcmp(&fitted.matrix, &identity, sizeof identity), 0);

    // A radial gradient spans the diagonal of the half extents.
    scribera::GradientData radial = linear;
    radial.kind = SB_GRADIENT_RADIAL;
    style.fill.color.c.gradient.gradient = scribera::ToHandle<SBGradientHandle>(s.Doc().AddGradient(radial));
    s.Doc().SetCurrentStyle(style);
    ASSERT_EQ(s.Down({10, 10}), 0);
    ASSERT_EQ(s.DragTo({10, 60}), 0);
    ASSERT_EQ(s.Up({10, 60}), 0);
    const SBGradientStyle& round = s.TopArt()[0]->style.fill.color.c.gradient;
    EXPECT_NEAR(round.origin.h, 10, 1e-5);
    EXPECT_NEAR(round.origin.v, 10, 1e-5);
    EXPECT_NEAR(round.length, std::sqrt(5000.0), 1e-4);
}

TEST(RoseTool, ClickOpensThePanelAndItsAnswerDrawsAnUndoableRecordedRose) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Params, R"({"radius":"50","lobes":"5","width":"1.2"})");
    ASSERT_EQ(s.Click(100, 200), 0);

    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(PanelService::Instance().Opened()[0].extension, "com.zarvo.Rose");
    EXPECT_EQ(s.LastSent(), R"({"radius" : "100", "lobes" : "4", "width" : "1.5"})");
    EXPECT_EQ(s.Preferences(), "<rose><radius>100</radius><lobes>4</lobes><width>1.5</width></rose>");

    auto art = s.TopArt();
    ASSERT_EQ(art.size(), 1u);
    const auto tips = Tips(*art[0]);
    ASSERT_EQ(tips.size(), 5u);
    ExpectPoint(tips[0], 100, 250);
    ASSERT_FALSE(s.UndoNames().empty());
    EXPECT_EQ(s.UndoNames().back(), "Undo Rose");

    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_rose");
    EXPECT_EQ(action.dialog, 3);
    ASSERT_EQ(action.values.size(), 6u);
    EXPECT_EQ(action.values[0].key, SB_FOURCC('t', 'o', 'o', 'l'));
    EXPECT_EQ(action.values[0].integer, 1);
    EXPECT_EQ(FindValue(action, "cntx")->real, 100);
    EXPECT_EQ(FindValue(action, "cnty")->real, 200);
    EXPECT_EQ(FindValue(action, "cnty")->unit, SB_UNIT_POINTS);
    EXPECT_EQ(FindValue(action, "rdus")->real, 50);
    EXPECT_EQ(FindValue(action, "lobs")->integer, 5);
    EXPECT_EQ(FindValue(action, "lwdt")->real, 1.2);
    EXPECT_EQ(FindValue(action, "lwdt")->unit, SB_UNIT_NONE);

    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Rose"}));
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(RoseTool, PanelsKeepWorkingAcrossAnUnloadAndReloadOfTheCode) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    // A panel answering while the code is unloaded changes nothing and reaches no suite.
    s.Answer(PanelScript::Kind::Params, R"({"radius":"10"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.host.Unload(), 0);
    s.Answer(PanelScript::Kind::Params, R"({"radius":"20"})");
    ASSERT_EQ(PanelService::Instance().LoadExtension("com.zarvo.Rose"), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), "");
    ASSERT_EQ(s.host.Reload(), 0);

    s.Answer(PanelScript::Kind::Params, R"({"radius":"30","lobes":"3"})");
    ASSERT_EQ(s.Click(50, 50), 0);
    ASSERT_EQ(s.TopArt().size(), 2u);
    const auto tips = Tips(*s.TopArt()[0]);
    ASSERT_EQ(tips.size(), 3u);
    ExpectPoint(tips[0], 50, 80);
    // What the unloaded panel sent was never stored: the click's panel showed the first answer.
    EXPECT_EQ(s.LastSent(), R"({"radius" : "10", "lobes" : "4", "width" : "1.5"})");
    EXPECT_TRUE(s.session.Shown().alerts.empty());
    EXPECT_TRUE(s.session.Desktop().contexts.empty());
}

TEST(RoseTool, CancelledClickRecordsTheActionAtTheClickAndDrawsNothing) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.Click(30, 40), 0);
    EXPECT_TRUE(s.TopArt().empty());
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[0], "cntx")->real, 30);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[0], "cnty")->real, 40);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[0], "rdus")->real, 100);

    // While the host is not recording nothing is recorded.
    s.session.Actions().recording = false;
    s.Answer(PanelScript::Kind::Params, R"({"radius":"20","lobes":"3","width":"1"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(s.session.Actions().recorded.size(), 1u);
}

TEST(RoseTool, EditOptionsWritesThePreferencesAndSendsTheValuesTheNextDragUses) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    s.Answer(PanelScript::Kind::Params, R"({"radius":"75","lobes":"7","width":"2"})");
    ASSERT_EQ(s.EditOptions(), 0);
    // The answer to the icon's panel only stores the values.
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.Preferences(), "<rose><radius>100</radius><lobes>4</lobes><width>1.5</width></rose>");

    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.Preferences(), "<rose><radius>75</radius><lobes>7</lobes><width>2</width></rose>");
    EXPECT_EQ(s.LastSent(), R"({"radius" : "75", "lobes" : "7", "width" : "2"})");
    EXPECT_TRUE(s.TopArt().empty());
    // Opening it again writes the same.
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.Preferences(), "<rose><radius>75</radius><lobes>7</lobes><width>2</width></rose>");

    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({0, 10}), 0);
    ASSERT_EQ(s.Up({0, 10}), 0);
    EXPECT_EQ(Tips(*s.TopArt()[0]).size(), 7u);
}

TEST(RoseTool, HostilePanelAnswersNeverCrashAndKeepWhatTheyLack) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    auto payloadAfter = [&](const std::string& answer) {
        s.Answer(PanelScript::Kind::Params, answer);
        EXPECT_EQ(s.EditOptions(), 0);
        s.Answer(PanelScript::Kind::None);
        EXPECT_EQ(s.EditOptions(), 0);
        return s.LastSent();
    };
    // A missing key leaves its field; spaces after the colon read as 0.
    EXPECT_EQ(payloadAfter(R"({"lobes":"6"})"), R"({"radius" : "100", "lobes" : "6", "width" : "1.5"})");
    EXPECT_EQ(payloadAfter(R"({"radius": "50"})"), R"({"radius" : "0", "lobes" : "6", "width" : "1.5"})");
    EXPECT_EQ(payloadAfter(""), R"({"radius" : "0", "lobes" : "6", "width" : "1.5"})");
    EXPECT_EQ(payloadAfter(R"({"radius":"abc","lobes":"9e99","width":"1e999"})"),
              R"({"radius" : "0", "lobes" : "9", "width" : "0"})");
    EXPECT_EQ(payloadAfter(R"({"radius":"1e300","lobes":"99999999999","width)"),
              R"({"radius" : "1e+300", "lobes" : "2147483647", "width" : "0"})");
    EXPECT_EQ(payloadAfter(std::string(1 << 20, 'x') + R"("lobes":"12")"),
              R"({"radius" : "1e+300", "lobes" : "12", "width" : "0"})");
    EXPECT_TRUE(s.session.Shown().alerts.empty());

    // A click answered with lobes of 0 or below draws nothing (no empty path); a huge count is
    // bounded and a radius beyond single precision draws nothing.
    s.Answer(PanelScript::Kind::Params, R"({"radius":"10","lobes":"0","width":"1"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_TRUE(s.TopArt().empty());
    s.Answer(PanelScript::Kind::Params, R"({"radius":"10","lobes":"-5","width":"1"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_TRUE(s.TopArt().empty());
    s.Answer(PanelScript::Kind::Params, R"({"radius":"10","lobes":"2000000000","width":"1"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(s.TopArt()[0]->segments.size(), 20000u);
    s.Answer(PanelScript::Kind::Params, R"({"radius":"1e300","lobes":"4","width":"1"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(RoseTool, PlaybackSetsTheValuesAndDrawsOnlyThroughItsDialog) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    const std::vector<ActionValue> recorded = {Integer("tool", 1), Real("cntx", 200),  Real("cnty", 100),
                                               Real("rdus", 30),   Integer("lobs", 6), Real("lwdt", 0.7)};

    // Without the dialog: the values change, nothing is drawn, no panel opens.
    ASSERT_EQ(s.DoAction(false, recorded), 0);
    s.Pump();
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_TRUE(PanelService::Instance().Opened().empty());
    s.Answer(PanelScript::Kind::None);
    ASSERT_EQ(s.EditOptions(), 0);
    EXPECT_EQ(s.LastSent(), R"({"radius" : "30", "lobes" : "6", "width" : "0.7"})");

    // With the dialog: the panel opens with the recorded values, its answer draws at the
    // recorded centre and is recorded again.
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Params, R"({"radius":"40","lobes":"3","width":"1"})");
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), R"({"radius" : "30", "lobes" : "6", "width" : "0.7"})");
    ASSERT_EQ(s.TopArt().size(), 1u);
    auto tips = Tips(*s.TopArt()[0]);
    ASSERT_EQ(tips.size(), 3u);
    ExpectPoint(tips[0], 200, 140);
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[0], "rdus")->real, 40);

    // Cancelled: the recorded values are drawn all the same.
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    ASSERT_EQ(s.TopArt().size(), 2u);
    tips = Tips(*s.TopArt()[0]);
    ASSERT_EQ(tips.size(), 6u);
    ExpectPoint(tips[0], 200, 130);

    // Codes without a tool do nothing; a value that lacks a key fails as a handler does.
    ASSERT_EQ(s.DoAction(true, {Integer("tool", 3)}), 0);
    ASSERT_EQ(s.DoAction(true, {Integer("tool", 10)}), 0);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
    EXPECT_EQ(s.DoAction(true, {Integer("tool", 1)}), kExTr);
    EXPECT_EQ(s.DoAction(false, {}), kExTr);
    EXPECT_EQ(s.session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo", "Error in Zarvo"}));
    EXPECT_EQ(s.TopArt().size(), 2u);
}

TEST(RoseTool, AFailingHostCallInADragShowsTheErrorAndTheNextStepRecovers) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({0, 40}), 0);
    s.session.Faults().Arm("SB Path Suite.SetPathSegments", 1, SB_ERR_CANT);
    EXPECT_EQ(s.DragTo({0, 50}), kExTr);
    EXPECT_EQ(s.session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    ASSERT_EQ(s.DragTo({0, 60}), 0);
    ASSERT_EQ(s.Up({0, 60}), 0);
    // One rose, no stray cross, no stale handle used.
    ASSERT_EQ(s.TopArt().size(), 1u);
    ExpectPoint(Tips(*s.TopArt()[0])[0], 0, 60);
    EXPECT_TRUE(s.session.StaleHandleLog().empty());
}

TEST(RoseTool, MessagesOfAToolNeverSelectedReachTheRose) {
    HostedPlugin s;
    // No tool was picked; a handle the plug-in does not know still draws a rose.
    const Id stranger = scribera::NewId();
    ASSERT_EQ(s.host.MouseDown(stranger, {0, 0}), 0);
    ASSERT_EQ(s.host.MouseDrag(stranger, {0, 25}), 0);
    ASSERT_EQ(s.host.MouseUp(stranger, {0, 25}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(Tips(*s.TopArt()[0]).size(), 4u);

    // Selecting another tool tells the host that tool's info-panel variables.
    ASSERT_EQ(s.Pick("Wave"), 0);
    EXPECT_EQ(s.session.Registry().tools[1].infoVariables, (std::vector<int32_t>{15, 16, 2, 3}));
}

TEST(RoseTool, AReadyPanelIsAnsweredOnlyWhileTheRoseIsSelected) {
    HostedPlugin s;
    ASSERT_EQ(s.Pick("Rose"), 0);
    const Id rose = s.ToolId("Rose");
    s.session.Registry().selectedTool = s.ToolId("Wave");
    s.Answer(PanelScript::Kind::Params, R"({"radius":"60"})");
    ASSERT_EQ(s.host.EditOptions(rose), 0);
    s.Pump();
    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(s.LastSent(), "");

    s.session.Registry().selectedTool = rose;
    s.Answer(PanelScript::Kind::None);
    ASSERT_EQ(s.host.EditOptions(rose), 0);
    s.Pump();
    // The parameters still arrived and were stored.
    EXPECT_EQ(s.LastSent(), R"({"radius" : "60", "lobes" : "4", "width" : "1.5"})");
}

TEST(RoseTool, ShutDownRemovesEveryListener) {
    HostedPlugin s;
    // At least the rose's three: parameters, cancel, ready.
    EXPECT_GE(PanelService::Instance().ListenerCount(), 3u);
    ASSERT_EQ(s.host.Shutdown(), 0);
    EXPECT_EQ(PanelService::Instance().ListenerCount(), 0u);
    EXPECT_EQ(s.session.Desktop().contexts.size(), 0u);
}

}  // namespace
