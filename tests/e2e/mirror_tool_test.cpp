// The mirror and cut tools through the stand-in host: the kept side, the modifier bits, Shift's
// second pass, the arrow keys, undo names, recorded actions and their playback, the panel.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

namespace {

using namespace hosted;

// A rectangle straddling both axes, wider to the right and taller above.
const char* const kRect = "document 400 400\nfill gray 0.5\npath closed -30,-20 50,-20 50,40 -30,40\nselect all\n";

TEST(MirrorTool, KeepsTheRightHalfAndJoinsItWithItsReflection) {
    auto p = Play(std::string(kRect) +
                  "path closed -140,-10 -100,-10 -100,10 -140,10\nselect all\nrecord on\ntool Mirror\n"
                  "down 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    // The rectangle wholly left of the axis is gone; the other is symmetric about h = 0.
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(paths[0]->closed);
    ExpectExtent(paths, -50, 50, -20, 40);
    EXPECT_TRUE(SymmetricAbout(paths, 0));
    EXPECT_TRUE(paths[0]->userAttr & SB_ATTR_SELECTED);
    // The marker went with mouse up.
    EXPECT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->UndoNames().back(), "Undo Mirror");
    EXPECT_EQ(p->session.Shown().infoValues, (std::vector<double>{0, 0, 0}));

    ASSERT_EQ(p->session.Actions().recorded.size(), 1u);
    const auto& a = p->session.Actions().recorded[0];
    EXPECT_EQ(a.event, "sb_plugin_zarvo_mirror");
    EXPECT_EQ(a.dialog, 0);
    EXPECT_EQ(FindValue(a, "tool")->integer, 7);
    EXPECT_EQ(FindValue(a, "rota")->unit, SB_UNIT_ANGLE);
    EXPECT_EQ(FindValue(a, "mity")->integer, 1);
    EXPECT_FALSE(FindValue(a, "flpa")->boolean);
    EXPECT_TRUE(p->session.Shown().alerts.empty());
}

TEST(MirrorTool, OneUndoRemovesTheWholeDrag) {
    auto p = Play(std::string(kRect) + "tool Mirror\ndown 0 0\ndrag 10 0 steps 3\ndrag 0 0\nup\nundo\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    ExpectExtent(paths, -30, 50, -20, 40);
}

TEST(CutTool, TheModifierBitsChooseClosedOrOpenPieces) {
    // A filled path is cut closed.
    auto plain = Play(std::string(kRect) + "tool Mirror\ntool Cut\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(plain->ok) << plain->error;
    ASSERT_EQ(plain->Paths().size(), 1u);
    EXPECT_TRUE(plain->Paths()[0]->closed);
    ExpectExtent(plain->Paths(), 0, 50, -20, 40);
    EXPECT_EQ(plain->UndoNames().back(), "Undo Cut");

    auto open = Play(std::string(kRect) + "record on\ntool Cut\nmod 0x1000 on\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(open->ok) << open->error;
    ASSERT_EQ(open->Paths().size(), 1u);
    EXPECT_FALSE(open->Paths()[0]->closed);
    ExpectExtent(open->Paths(), 0, 50, -20, 40);
    ASSERT_EQ(open->session.Actions().recorded.size(), 1u);
    EXPECT_EQ(open->session.Actions().recorded[0].event, "sb_plugin_zarvo_cut");
    EXPECT_EQ(FindValue(open->session.Actions().recorded[0], "tool")->integer, 8);
    EXPECT_EQ(FindValue(open->session.Actions().recorded[0], "mity")->integer, 5);

    // 0x0100 closes even a stroke-only path.
    auto closed = Play(
        "document 400 400\nfill none\nstroke gray 0\npath closed -30,-20 50,-20 50,40 -30,40\n"
        "select all\ntool Cut\nmod 0x0100 on\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(closed->ok) << closed->error;
    ASSERT_EQ(closed->Paths().size(), 1u);
    EXPECT_TRUE(closed->Paths()[0]->closed);
    ExpectExtent(closed->Paths(), 0, 50, -20, 40);
}

TEST(MirrorTool, ShiftAddsASecondPassAtNinetyDegrees) {
    auto p = Play(std::string(kRect) + "record on\ntool Mirror\nmod shift on\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    // The upper right quadrant, reflected into four-fold symmetry.
    ExpectExtent(paths, -50, 50, -40, 40);
    EXPECT_TRUE(FindValue(p->session.Actions().recorded.at(0), "flpa")->boolean);
    // The tool's own angle did not turn.
    EXPECT_EQ(FindValue(p->session.Actions().recorded.at(0), "rota")->real, 0);
}

TEST(MirrorTool, ArrowKeysSetTheAngle) {
    auto up = Play(std::string(kRect) + "tool Mirror\nkey Up down\ndown 0 0\ndrag 0 0\nup\nkey Up up\n");
    ASSERT_TRUE(up->ok) << up->error;
    // 270: a horizontal axis keeping what lies below.
    ExpectExtent(up->Paths(), -30, 50, -20, 20);
    EXPECT_EQ(up->session.Shown().infoValues.at(2), 270);

    auto down = Play(std::string(kRect) + "tool Mirror\nkey Down down\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(down->ok) << down->error;
    ExpectExtent(down->Paths(), -30, 50, -40, 40);

    auto right = Play(std::string(kRect) + "tool Mirror\nkey Right down\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(right->ok) << right->error;
    ExpectExtent(right->Paths(), -30, 30, -20, 40);

    // R turns the defaults' angle by 3 degrees at every step, not cumulatively, before the
    // options were opened.
    auto r = Play(std::string(kRect) + "tool Mirror\nkey R down\ndown 0 0\ndrag 1 0\ndrag 2 0\nup\n");
    ASSERT_TRUE(r->ok) << r->error;
    EXPECT_EQ(r->session.Shown().infoValues.at(2), 357);
}

TEST(MirrorTool, AClickWithoutDragChangesNothingButRecordsAndNamesTheEntry) {
    auto p = Play(std::string(kRect) + "record on\ntool Mirror\nclick 0 0\n", HostedOptions().Tracing());
    ASSERT_TRUE(p->ok) << p->error;
    ExpectExtent(p->Paths(), -30, 50, -20, 40);
    EXPECT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->session.Actions().recorded.size(), 1u);
    EXPECT_TRUE(p->Traced("SetUndoText"));
}

TEST(MirrorTool, RecordedActionsPlayBackOnTheSelection) {
    auto p = Play(std::string(kRect) +
                  "record on\ntool Cut\nkey Up down\ndown 0 10\ndrag 0 10\nup\nkey Up up\nundo\nplay 0\n");
    ASSERT_TRUE(p->ok) << p->error;
    // The cut below v = 10 again, closed, and recorded once more.
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(paths[0]->closed);
    ExpectExtent(paths, -30, 50, -20, 10);
    ASSERT_EQ(p->session.Actions().recorded.size(), 2u);
    const auto& again = p->session.Actions().recorded[1];
    EXPECT_EQ(again.event, "sb_plugin_zarvo_cut");
    EXPECT_EQ(FindValue(again, "cnty")->real, 10);
    EXPECT_EQ(FindValue(again, "rota")->real, 270);
    EXPECT_EQ(FindValue(again, "mity")->integer, 7);

    // A mirror action played while the cut tool is current mirrors.
    auto m = Play(std::string(kRect) + "record on\ntool Mirror\ndown 0 0\ndrag 0 0\nup\nundo\ntool Cut\nplay 0\n");
    ASSERT_TRUE(m->ok) << m->error;
    ExpectExtent(m->Paths(), -50, 50, -20, 40);
    EXPECT_EQ(m->session.Actions().recorded.at(1).event, "sb_plugin_zarvo_mirror");
}

TEST(MirrorTool, ThePanelEditsTheAngleAndThePreferencesKeepIt) {
    auto p = Play(std::string(kRect) +
                  "tool Mirror\npanel params {\"rotate\":\"22.5\"}\nedit-options\n"
                  "edit-options\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->Preferences(), "<mirror><rotate>22</rotate></mirror>");
    const auto& opened = scribera::PanelService::Instance().Opened();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].extension, "com.zarvo.MirrorCut");
    EXPECT_EQ(opened[0].sent, "{\"rotate\" : \"0\"}");
    EXPECT_EQ(opened[1].sent, "{\"rotate\" : \"22\"}");

    auto first = Play(std::string(kRect) + "tool Cut\nedit-options\n");
    ASSERT_TRUE(first->ok) << first->error;
    EXPECT_EQ(first->Preferences(), "<mirror><rotate>0</rotate></mirror>");

    // After the options were opened, the panel's angle drives the drag: 45 keeps what lies
    // toward (1, 1).
    auto drag = Play(std::string(kRect) +
                     "record on\ntool Cut\npanel params {\"rotate\":\"45\"}\nedit-options\n"
                     "edit-options\ndown 0 0\ndrag 0 0\nup\n");
    ASSERT_TRUE(drag->ok) << drag->error;
    EXPECT_EQ(scribera::PanelService::Instance().Opened().at(1).sent, "{\"rotate\" : \"45\"}");
    EXPECT_EQ(FindValue(drag->session.Actions().recorded.at(0), "rota")->real, 45);
    auto paths = drag->Paths();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0]->segments.size(), 5u);
    for (const SBPathSegment& s : paths[0]->segments) EXPECT_GE(s.p.h + s.p.v, -1e-3);
}

}  // namespace

namespace {

using namespace hosted;

TEST(MirrorTool, AFailingDragStepShowsTheErrorOnceAndMouseUpLeavesNoStaleArt) {
    // The first step's marker fails to appear; the lists are emptied, so the next step only reverts.
    auto p = Play(std::string(kRect) +
                  "tool Mirror\ndown 0 0\ndrag 0 0\nfail \"SB Art Suite.NewArt\" 1 CANT\n"
                  "drag 1 0\ndrag 2 0\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
    for (const Art* a : p->TopArt()) EXPECT_EQ(a->kind, ArtKind::Path);
    // The failed drag went back to the art before it; the mouse up commits no entry for it.
    EXPECT_EQ(p->TopArt().size(), 1u);
    EXPECT_TRUE(p->UndoNames().empty() || p->UndoNames().back() != "Undo Mirror");

    // The rectangle cut likewise, its outline included.
    auto r = Play(std::string(kRect) +
                  "tool RectCut\ndown -10 -10\ndrag 20 20\nfail \"SB Art Suite.NewArt\" 1 CANT\n"
                  "drag 30 30\ndrag 25 25\nup\n");
    ASSERT_TRUE(r->ok) << r->error;
    EXPECT_EQ(r->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    EXPECT_TRUE(r->session.StaleHandleLog().empty());
    EXPECT_EQ(r->TopArt().size(), 1u);
    EXPECT_TRUE(r->UndoNames().empty() || r->UndoNames().back() != "Undo Rectangle Cut");
}

TEST(MirrorTool, SelectingTheToolsSwitchesTheSharedObjectsMode) {
    auto p = Play(std::string(kRect) +
                  "record on\ntool Cut\ntool Mirror\nclick 0 0\ntool Cut\nclick 0 0\n"
                  "tool Mirror\nclick 0 0\n");
    ASSERT_TRUE(p->ok) << p->error;
    ASSERT_EQ(p->session.Actions().recorded.size(), 3u);
    EXPECT_EQ(p->session.Actions().recorded[0].event, "sb_plugin_zarvo_mirror");
    EXPECT_EQ(FindValue(p->session.Actions().recorded[0], "mity")->integer, 1);
    EXPECT_EQ(p->session.Actions().recorded[1].event, "sb_plugin_zarvo_cut");
    EXPECT_EQ(FindValue(p->session.Actions().recorded[1], "mity")->integer, 7);
    EXPECT_EQ(p->session.Actions().recorded[2].event, "sb_plugin_zarvo_mirror");
}

}  // namespace
