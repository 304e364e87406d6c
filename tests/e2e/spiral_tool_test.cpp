// The spiral tool through the stand-in host: quarter turns fitted to the exact curve, the keys,
// Shift, the two-armed form, its panel in each mode, its recorded action and playback.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>

namespace {

using namespace hosted;

constexpr int32_t kRKey = 'R';
constexpr double kPi = 3.14159265358979323846;

struct SpiralSession : HostedPlugin {
    SpiralSession() : HostedPlugin("Spiral") {}
    void SetOptions(const std::string& answer) {
        Answer(PanelScript::Kind::Params, answer);
        ASSERT_EQ(EditOptions(), 0);
    }
};

SBRealPoint BezierAt(const SBPathSegment& a, const SBPathSegment& b, double t) {
    const double u = 1 - t;
    auto mix = [&](double p0, double p1, double p2, double p3) {
        return u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
    };
    return SBRealPoint{mix(a.p.h, a.out.h, b.in.h, b.p.h), mix(a.p.v, a.out.v, b.in.v, b.p.v)};
}

TEST(SpiralTool, DefaultDragMakesSixteenQuarterTurnsOnTheCurveEndingAtTheDragPoint) {
    SpiralSession s;
    ASSERT_EQ(s.Down({0, 0}), 0);
    ASSERT_EQ(s.DragTo({100, 0}), 0);
    EXPECT_EQ(s.session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 4}));
    EXPECT_EQ(s.session.Shown().infoValues, (std::vector<double>{0, 0, 100}));
    ASSERT_EQ(s.Up({100, 0}), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    const Art& path = s.Last();
    EXPECT_FALSE(path.closed);
    ASSERT_EQ(path.segments.size(), 17u);
    // Anchor k lies at θ = kπ/2 on r = aθ with a = 100 / 8π.
    const double a = 100 / (8 * kPi);
    for (size_t k = 0; k < path.segments.size(); ++k) {
        const double theta = k * kPi / 2;
        ExpectPoint(path.segments[k].p, a * theta * std::cos(theta), a * theta * std::sin(theta), 2e-3);
    }
    ExpectPoint(path.segments[16].p, 100, 0, 1e-4);
    // Every fitted quarter turn stays on the exact curve in between.
    for (size_t k = 1; k + 1 < path.segments.size(); ++k) {
        for (double t : {0.25, 0.5, 0.75}) {
            const SBRealPoint p = BezierAt(path.segments[k], path.segments[k + 1], t);
            double theta = std::atan2(p.v, p.h);
            const double base = k * kPi / 2;
            while (theta < base - kPi / 4) theta += 2 * kPi;
            while (theta > base + kPi / 2 + kPi / 4) theta -= 2 * kPi;
            // One cubic per quarter turn: within about one percent of the radius.
            EXPECT_NEAR(std::hypot(p.h, p.v), a * theta, 0.012 * a * theta) << "segment " << k << " at " << t;
        }
    }
    EXPECT_TRUE(s.session.Actions().recorded.empty());
}

TEST(SpiralTool, PartialTurnsShiftAndTheTurnKeys) {
    SpiralSession s;
    // No whole turn at 45°: one segment from the centre to the drag point.
    s.SetOptions(R"({"radius":"1","turns":"0","fermat":"false"})");
    s.Drag({10, 10}, {40, 40});
    ASSERT_EQ(s.Last().segments.size(), 2u);
    ExpectPoint(s.Last().segments[0].p, 10, 10);
    ExpectPoint(s.Last().segments[1].p, 40, 40, 1e-4);
    // Just past a quarter turn: a short second segment.
    s.Drag({0, 0}, {-0.5, 50});
    ASSERT_EQ(s.Last().segments.size(), 3u);
    ExpectPoint(s.Last().segments[2].p, -0.5, 50, 1e-4);

    // Shift at exactly 45° snaps to the vertical axis, the radius kept.
    s.SetOptions(R"({"radius":"1","turns":"4","fermat":"false"})");
    s.Modifiers(SB_MOD_SHIFT);
    s.Drag({0, 0}, {30, -30});
    s.Modifiers(0);
    ASSERT_EQ(s.Last().segments.size(), 20u);
    ExpectPoint(s.Last().segments.back().p, 0, -std::sqrt(1800.0), 1e-3);

    // Right stops at 50 turns, Left at 0.
    ASSERT_EQ(s.Down({0, 0}), 0);
    s.Key(kRight, true);
    const int64_t start = s.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 50; ++i) ASSERT_EQ(s.DragTo({0, 100}), 0);
    EXPECT_EQ(s.session.Desktop().desk.clockMilliseconds - start, 46 * 200);
    s.Key(kRight, false);
    EXPECT_EQ(s.TopArt()[2]->segments.size(), 50u * 4 + 2);
    s.Key(kLeft, true);
    for (int i = 0; i < 55; ++i) ASSERT_EQ(s.DragTo({0, 100}), 0);
    s.Key(kLeft, false);
    ASSERT_EQ(s.Up({0, 100}), 0);
    ASSERT_EQ(s.TopArt().size(), 4u);
    EXPECT_EQ(s.Last().segments.size(), 2u);
}

TEST(SpiralTool, TheRKeyMakesTwoArmsThroughTheCentre) {
    SpiralSession s;
    ASSERT_EQ(s.Down({50, 50}), 0);
    s.Key(kRKey, true);
    ASSERT_EQ(s.DragTo({150, 50}), 0);
    s.Key(kRKey, false);
    ASSERT_EQ(s.DragTo({150, 50.5}), 0);
    ASSERT_EQ(s.DragTo({150, 50}), 0);
    ASSERT_EQ(s.Up({150, 50}), 0);
    const Art& path = s.Last();
    ASSERT_EQ(path.segments.size(), 33u);
    ExpectPoint(path.segments[0].p, 150, 50, 1e-4);
    ExpectPoint(path.segments[16].p, 50, 50, 1e-4);
    ExpectPoint(path.segments[32].p, -50, 50, 1e-4);
    // Smooth through the centre.
    const SBPathSegment& centre = path.segments[16];
    EXPECT_NEAR(centre.in.h + centre.out.h, 2 * centre.p.h, 1e-4);
    EXPECT_NEAR(centre.in.v + centre.out.v, 2 * centre.p.v, 1e-4);
}

TEST(SpiralTool, ClickOpensThePanelWhoseAnswerDrawsARecordedUndoableSpiral) {
    SpiralSession s;
    s.session.Actions().recording = true;
    s.Answer(PanelScript::Kind::Params, R"({"radius":"50","turns":"1","fermat":"true"})");
    ASSERT_EQ(s.Click(100, 200), 0);
    ASSERT_EQ(PanelService::Instance().Opened().size(), 1u);
    EXPECT_EQ(PanelService::Instance().Opened()[0].extension, "com.zarvo.Spiral");
    EXPECT_EQ(s.LastSent(), R"({"radius" : "100", "turns" : "4", "fermat" : "0"})");
    EXPECT_EQ(s.Preferences(), "<spiral><radius>100</radius><turns>4</turns><fermat>0</fermat></spiral>");
    // One whole turn on each arm, ending on the horizontal through the click.
    ASSERT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.Last().segments.size(), 9u);
    ExpectPoint(s.Last().segments[0].p, 150, 200, 1e-4);
    ExpectPoint(s.Last().segments[4].p, 100, 200, 1e-4);
    ExpectPoint(s.Last().segments[8].p, 50, 200, 1e-4);
    ASSERT_FALSE(s.UndoNames().empty());
    EXPECT_EQ(s.UndoNames().back(), "Undo Archimedean Spiral");
    ASSERT_EQ(s.session.Actions().recorded.size(), 1u);
    const auto& action = s.session.Actions().recorded[0];
    EXPECT_EQ(action.event, "sb_plugin_zarvo_spiral");
    EXPECT_EQ(action.dialog, 3);
    EXPECT_EQ(FindValue(action, "tool")->integer, 5);
    EXPECT_EQ(FindValue(action, "cntx")->real, 100);
    EXPECT_EQ(FindValue(action, "cnty")->real, 200);
    EXPECT_EQ(FindValue(action, "sprd")->real, 50);
    EXPECT_EQ(FindValue(action, "sprd")->unit, SB_UNIT_POINTS);
    EXPECT_EQ(FindValue(action, "sptu")->integer, 1);
    EXPECT_TRUE(FindValue(action, "spfe")->boolean);
    ASSERT_EQ(s.Undo(), SB_OK);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_EQ(s.RedoNames(), (std::vector<std::string>{"Redo Archimedean Spiral"}));
    ASSERT_EQ(s.Redo(), SB_OK);

    // Cancelled: recorded at the click, nothing drawn.
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.Click(3, 4), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.session.Actions().recorded.size(), 2u);
    EXPECT_EQ(FindValue(s.session.Actions().recorded[1], "cntx")->real, 3);
    EXPECT_EQ(s.Preferences(), "<spiral><radius>50</radius><turns>1</turns><fermat>1</fermat></spiral>");
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(SpiralTool, ARadiusOfZeroDrawsNothingAndHugeTurnsAreBounded) {
    SpiralSession s;
    // Like every value that draws nothing: no art, no error.
    s.Answer(PanelScript::Kind::Params, R"({"radius":"0","turns":"2","fermat":"false"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_TRUE(s.TopArt().empty());
    EXPECT_TRUE(s.session.Shown().alerts.empty());

    // Beyond any drawable count the turns are bounded, negative ones draw nothing.
    s.Answer(PanelScript::Kind::Params, R"({"radius":"100","turns":"2000000000","fermat":"false"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    ASSERT_EQ(s.TopArt().size(), 1u);
    EXPECT_EQ(s.Last().segments.size(), 3000u * 4 + 1);
    // 2π enters in single precision: over 3000 turns the end drifts by a few hundredths.
    ExpectPoint(s.Last().segments.back().p, 100, 0, 0.1);
    s.Answer(PanelScript::Kind::Params, R"({"radius":"100","turns":"-7","fermat":"true"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    s.Answer(PanelScript::Kind::Params, R"({"radius":"1e300","turns":"1","fermat":"false"})");
    ASSERT_EQ(s.Click(0, 0), 0);
    EXPECT_EQ(s.TopArt().size(), 1u);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

TEST(SpiralTool, PlaybackDrawsThroughItsDialogOnly) {
    SpiralSession s;
    const std::vector<ActionValue> recorded = {Integer("tool", 5), Real("cntx", 10),   Real("cnty", 20),
                                               Real("sprd", 30),   Integer("sptu", 2), Boolean("spfe", false)};
    ASSERT_EQ(s.DoAction(false, recorded), 0);
    s.Pump();
    EXPECT_TRUE(s.TopArt().empty());
    s.Answer(PanelScript::Kind::Cancel);
    ASSERT_EQ(s.DoAction(true, recorded), 0);
    s.Pump();
    EXPECT_EQ(s.LastSent(), R"({"radius" : "30", "turns" : "2", "fermat" : "0"})");
    ASSERT_EQ(s.TopArt().size(), 1u);
    ASSERT_EQ(s.Last().segments.size(), 9u);
    ExpectPoint(s.Last().segments[0].p, 10, 20);
    ExpectPoint(s.Last().segments[8].p, 40, 20, 1e-4);
    EXPECT_TRUE(s.session.Shown().alerts.empty());
}

}  // namespace
