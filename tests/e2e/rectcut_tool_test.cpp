// The rectangle cut tool through the stand-in host: corner and centred rectangles, Shift's square,
// the empty rectangle, the recorded action and its playback.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

namespace {

using namespace hosted;

const char* const kSquare =
    "document 600 600\nfill gray 0.5\npath closed -150,-150 200,-150 200,100 -150,100\n"
    "select all\n";

TEST(RectCutTool, KeepsWhatLiesInsideTheDraggedRectangle) {
    auto p = Play(std::string(kSquare) + "record on\ntool RectCut\ndown 0 0\ndrag 50 -20\ndrag 100 -50\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(paths[0]->closed);
    ExpectExtent(paths, 0, 100, -50, 0);
    // The outline went with mouse up.
    EXPECT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->UndoNames().back(), "Undo Rectangle Cut");
    EXPECT_EQ(p->session.Shown().infoVariables, (std::vector<int32_t>{15, 16, 2, 3}));
    EXPECT_EQ(p->session.Shown().infoValues, (std::vector<double>{0, 0, 100, -50}));

    ASSERT_EQ(p->session.Actions().recorded.size(), 1u);
    const auto& a = p->session.Actions().recorded[0];
    EXPECT_EQ(a.event, "sb_plugin_zarvo_rectangle_cut");
    EXPECT_EQ(a.dialog, 0);
    EXPECT_EQ(FindValue(a, "tool")->integer, 9);
    EXPECT_EQ(FindValue(a, "cntx")->real, 50);
    EXPECT_EQ(FindValue(a, "cnty")->real, -25);
    EXPECT_EQ(FindValue(a, "wdth")->real, 100);
    EXPECT_EQ(FindValue(a, "hght")->real, 50);
    EXPECT_EQ(FindValue(a, "mity")->integer, 7);
}

TEST(RectCutTool, AltCentresTheRectangleAndShiftMakesItSquare) {
    auto alt = Play(std::string(kSquare) + "record on\ntool RectCut\nmod alt on\ndown 0 0\ndrag 100 -50\nup\n");
    ASSERT_TRUE(alt->ok) << alt->error;
    ExpectExtent(alt->Paths(), -100, 100, -50, 50);
    const auto& a = alt->session.Actions().recorded.at(0);
    EXPECT_EQ(FindValue(a, "cntx")->real, 0);
    EXPECT_EQ(FindValue(a, "wdth")->real, 200);
    EXPECT_EQ(FindValue(a, "hght")->real, 100);

    auto shift = Play(std::string(kSquare) + "tool RectCut\nmod shift on\ndown 0 0\ndrag 100 -50\nup\n");
    ASSERT_TRUE(shift->ok) << shift->error;
    ExpectExtent(shift->Paths(), 0, 100, -100, 0);

    auto open = Play(std::string(kSquare) + "record on\ntool RectCut\nmod 0x1000 on\ndown 0 0\ndrag 100 -50\nup\n");
    ASSERT_TRUE(open->ok) << open->error;
    EXPECT_EQ(FindValue(open->session.Actions().recorded.at(0), "mity")->integer, 5);
}

TEST(RectCutTool, AnEmptyRectangleRemovesEverythingAndNoDragCutsNothing) {
    auto p = Play(std::string(kSquare) + "tool RectCut\ndown 0 0\ndrag 100 -50\ndrag 0 0\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_TRUE(p->TopArt().empty());
    EXPECT_TRUE(p->session.Shown().alerts.empty());

    auto click = Play(std::string(kSquare) + "record on\ntool RectCut\nclick 10 10\n", HostedOptions().Tracing());
    ASSERT_TRUE(click->ok) << click->error;
    ExpectExtent(click->Paths(), -150, 200, -150, 100);
    EXPECT_EQ(click->session.Actions().recorded.size(), 1u);
    EXPECT_TRUE(click->Traced("SetUndoText"));
}

TEST(RectCutTool, ARecordedCutPlaysBackTheSameRectangle) {
    auto p = Play(std::string(kSquare) + "record on\ntool RectCut\ndown 0 0\ndrag 100 -50\nup\nundo\nplay 0\n");
    ASSERT_TRUE(p->ok) << p->error;
    ExpectExtent(p->Paths(), 0, 100, -50, 0);
    ASSERT_EQ(p->session.Actions().recorded.size(), 2u);
    const auto& again = p->session.Actions().recorded[1];
    EXPECT_EQ(FindValue(again, "cntx")->real, 50);
    EXPECT_EQ(FindValue(again, "cnty")->real, -25);
    EXPECT_EQ(FindValue(again, "wdth")->real, 100);
    EXPECT_EQ(FindValue(again, "hght")->real, 50);
}

}  // namespace

namespace {

// A stroke-only circle around (50, -25) that crosses the rectangle's top and bottom sides: the
// open cut keeps the two arcs inside it, each on the circle, and nothing of the parts outside.
TEST(RectCutTool, AStrokeIsCutIntoTheOpenArcsInsideTheRectangle) {
    const std::string circle =
        "document 600 600\nfill none\nstroke gray 0\n"
        "path-d \"M 90 -25 A 40 40 0 0 1 50 15 A 40 40 0 0 1 10 -25 A 40 40 0 0 1 50 -65 A 40 40 0 0 1 90 -25 Z\"\n"
        "select all\ntool RectCut\n";
    for (const char* mods : {"", "mod 0x1000 on\n"}) {
        auto p = Play(circle + mods + "down 0 0\ndrag 100 -50\nup\n");
        ASSERT_TRUE(p->ok) << p->error;
        const auto paths = p->Paths();
        ASSERT_EQ(paths.size(), 2u) << mods;
        for (const Art* arc : paths) {
            EXPECT_FALSE(arc->closed);
            for (const SBPathSegment& a : arc->segments) {
                // The arcs are cubics: within their error of the true circle.
                EXPECT_NEAR(std::hypot(a.p.h - 50, a.p.v + 25), 40, 0.02);
                EXPECT_GE(a.p.v, -50 - 1e-4);
                EXPECT_LE(a.p.v, 1e-4);
            }
        }
        ExpectExtent(paths, 50 - 40, 50 + 40, -50, 0);
    }
}

}  // namespace
