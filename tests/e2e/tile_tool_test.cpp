// The tile tool through the stand-in host: its panel and preferences, the keys and modifiers of a
// drag, the two questions, Escape, undo, and failures that leave no half-made fill.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>
#include <string>

namespace {

using namespace hosted;

const char* const kDefaultPayload =
    "{\"symmetry\" : \"14\", \"tile_cut_mode\" : \"1\", \"tile_mirror_mode\" : \"0\", "
    "\"group_cut_single_lattice\" : \"0\", \"group_cut_document\" : \"1\", \"group_cut_artboard\" : \"0\", "
    "\"group_cut_page\" : \"0\", \"tile_mirror_closed_cut\" : \"1\"}";

// A filled square larger than the document, selected, the tile tool picked.
const std::string kSolid =
    "document 100 80\nfill gray 0.6\npath closed -50,-50 150,-50 150,150 -50,150\nselect all\ntool Tile\n";

std::string Options(const std::string& params) { return "panel params " + params + "\nedit-options\n"; }

const std::string kSingle =
    Options("{\"symmetry\":\"5\",\"tile_cut_mode\":\"true\",\"group_cut_single_lattice\":\"true\"}");

// The options opened once more at the end of a script: the panel is sent the tool's values.
const std::string kReopen = "panel none\nedit-options\n";

}  // namespace

TEST(TileTool, ThePanelAndThePreferencesShowTheDefaults) {
    auto p = Play(kSolid + "panel none\nedit-options\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->LastSent(), kDefaultPayload);
    EXPECT_EQ(p->Preferences(),
              "<tile><symmetry>14</symmetry><tile_cut_mode>1</tile_cut_mode><tile_mirror_mode>0</tile_mirror_mode>"
              "<group_cut_single_lattice>0</group_cut_single_lattice><group_cut_document>1</group_cut_document>"
              "<group_cut_artboard>0</group_cut_artboard><group_cut_page>0</group_cut_page>"
              "<tile_mirror_closed_cut>1</tile_mirror_closed_cut></tile>");
    const auto panels = p->Dump()["panels"];
    ASSERT_EQ(panels.size(), 1u);
    EXPECT_EQ(panels[0]["extension"], "com.zarvo.Tile");
}

TEST(TileTool, AnAnswerSetsTheGroupTheModeTheExtentAndTheClosedCut) {
    auto p = Play(kSolid +
                  Options("{\"tile_cut_mode\":\"false\",\"group_cut_page\":\"true\",\"symmetry\":\"-3x\","
                          "\"tile_mirror_closed_cut\":\"1\"}") +
                  kReopen);
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->LastSent(),
              "{\"symmetry\" : \"-3\", \"tile_cut_mode\" : \"0\", \"tile_mirror_mode\" : \"1\", "
              "\"group_cut_single_lattice\" : \"0\", \"group_cut_document\" : \"0\", \"group_cut_artboard\" : \"0\", "
              "\"group_cut_page\" : \"1\", \"tile_mirror_closed_cut\" : \"0\"}");
    EXPECT_NE(p->Preferences().find("<group_cut_page>1</group_cut_page>"), std::string::npos);

    // Every extent that is "true" overrides the earlier ones; none leaves it; no digits read 0.
    auto q = Play(kSolid +
                  Options("{\"symmetry\":\"x\",\"group_cut_single_lattice\":\"true\","
                          "\"group_cut_artboard\":\"true\",\"group_cut_page\":\"no\"}") +
                  kReopen + "down 10 10\ndrag 30 30 steps 2\nup\n");
    ASSERT_TRUE(q->ok) << q->error;
    const std::string sent = q->Dump()["panels"][1]["sent"];
    EXPECT_NE(sent.find("\"symmetry\" : \"0\""), std::string::npos) << sent;
    EXPECT_NE(sent.find("\"group_cut_artboard\" : \"1\""), std::string::npos) << sent;
    EXPECT_NE(sent.find("\"group_cut_single_lattice\" : \"0\""), std::string::npos) << sent;
    // A group outside 1..17 builds nothing and fails nothing.
    EXPECT_TRUE(q->session.Shown().alerts.empty());
    ASSERT_EQ(q->TopArt().size(), 1u);
    EXPECT_EQ(q->TopArt()[0]->segments.size(), 4u);

    // A cancelled panel changes nothing.
    auto c = Play(kSolid + "panel cancel\nedit-options\n" + kReopen);
    ASSERT_TRUE(c->ok) << c->error;
    EXPECT_EQ(c->LastSent(), kDefaultPayload);
}

TEST(TileTool, ArrowsStepTheGroupRoundWithAPauseAndTheToolKeepsIt) {
    // Up, held for four steps from 14: 15, 16, 17, then round to 1.
    const std::string held = "down 10 10\ndrag 30 30 steps 4\nkey Up up\nup\n";
    auto p = Play(kSolid + "key Up down\n" + held + kReopen);
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_NE(p->LastSent().find("\"symmetry\" : \"1\""), std::string::npos);
    // Half a second after each of the four steps.
    auto plain = Play(kSolid + held);
    ASSERT_TRUE(plain->ok) << plain->error;
    EXPECT_EQ(p->session.Desktop().desk.clockMilliseconds - plain->session.Desktop().desk.clockMilliseconds, 2000);

    auto d = Play(kSolid + Options("{\"symmetry\":\"2\"}") + "key Down down\ndown 10 10\ndrag 30 30 steps 2\n" +
                  "key Down up\nup\n" + kReopen);
    ASSERT_TRUE(d->ok) << d->error;
    EXPECT_NE(d->LastSent().find("\"symmetry\" : \"17\""), std::string::npos);
}

TEST(TileTool, LeftAndRightLeanTheP1CellWithinTheirBounds) {
    const std::string p1 =
        Options("{\"symmetry\":\"1\",\"tile_cut_mode\":\"true\",\"group_cut_single_lattice\":\"true\"}");
    // Each step with Right held leans further, up to the first value past 3.
    const std::string rightHeld = kSolid + p1 + "key Right down\ndown 10 10\ndrag 20 14 steps 60\nkey Right up\nup\n";
    auto right = Play(rightHeld);
    ASSERT_TRUE(right->ok) << right->error;
    ASSERT_EQ(right->Paths().size(), 1u);
    const double leanRight = (Extent(right->Paths())[1] - 20) / 4;
    EXPECT_GE(leanRight, 3.0 - 1e-4);
    EXPECT_LT(leanRight, 3.05);
    // The lean stays for the next drag.
    auto again = Play(rightHeld + "undo\nselect all\ndown 10 10\ndrag 20 14\nup\n");
    ASSERT_TRUE(again->ok) << again->error;
    ASSERT_EQ(again->Paths().size(), 1u);
    EXPECT_NEAR((Extent(again->Paths())[1] - 20) / 4, leanRight, 1e-4);

    // Left stops at the first value at or below 0: the cell leans slightly the other way at most.
    auto left = Play(kSolid + p1 + "key Left down\ndown 10 10\ndrag 20 14 steps 40\nkey Left up\nup\n");
    ASSERT_TRUE(left->ok) << left->error;
    const double leanLeft = (Extent(left->Paths())[0] - 10) / 4;
    EXPECT_LE(leanLeft, 1e-4);
    EXPECT_GT(leanLeft, -0.05);
    // One step from the default of 1.
    auto once = Play(kSolid + p1 + "key Left down\ndown 10 10\ndrag 20 14\nkey Left up\nup\n");
    ASSERT_TRUE(once->ok) << once->error;
    ExpectExtent(once->Paths(), 10, 23.8, 10, 14);
}

TEST(TileTool, ShiftSquaresTheCell) {
    auto p = Play(kSolid + kSingle + "mod shift on\ndown 50 40\ndrag 80 30\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    // pmm: the cell (30, −30) mirrored about the drag's start.
    ExpectExtent(p->Paths(), 20, 80, 10, 70);
    auto zero = Play(kSolid + kSingle + "mod shift on\ndown 50 40\ndrag 50 52\nup\n");
    ASSERT_TRUE(zero->ok) << zero->error;
    ExpectExtent(zero->Paths(), 38, 62, 28, 52);
}

TEST(TileTool, ModifiersChooseHowTheCutsCloseAndPAndTSwitchPatternMode) {
    const std::string outline =
        "document 100 80\nfill none\nstroke gray 1\npath closed 5,3 9,7 4,7\nselect all\ntool Tile\n" +
        Options("{\"symmetry\":\"2\",\"tile_cut_mode\":\"true\",\"group_cut_single_lattice\":\"true\"}");
    const std::string drag = "down 5.2 6.1\ndrag 7.8 3.9\nup\n";
    for (const char* mod : {"", "mod 0x1000 on\n", "mod 0x0100 on\n"}) {
        auto p = Play(outline + mod + drag);
        ASSERT_TRUE(p->ok) << p->error;
        EXPECT_TRUE(p->session.Shown().alerts.empty());
        ASSERT_FALSE(p->Paths().empty()) << mod;
        // A stroke alone is cut open unless 0x0100 asks for closed cuts.
        const bool closed = std::string(mod) == "mod 0x0100 on\n";
        for (const Art* path : p->Paths()) EXPECT_EQ(path->closed, closed) << mod;
    }

    // P switches to pattern mode (the triangle stays whole); T back to cutting.
    auto pattern = Play(outline + "key P down\n" + drag + "key P up\n" + kReopen);
    ASSERT_TRUE(pattern->ok) << pattern->error;
    ASSERT_EQ(pattern->Paths().size(), 2u);
    for (const Art* path : pattern->Paths()) EXPECT_EQ(path->segments.size(), 3u);
    EXPECT_NE(pattern->LastSent().find("\"tile_cut_mode\" : \"0\""), std::string::npos);
    auto back = Play(outline + "key P down\n" + drag + "key P up\nundo\nselect all\nkey T down\n" + drag +
                     "key T up\n" + kReopen);
    ASSERT_TRUE(back->ok) << back->error;
    EXPECT_NE(back->LastSent().find("\"tile_cut_mode\" : \"1\""), std::string::npos);
}

TEST(TileTool, PatternModeAsksFirstWhenTheSelectionIsLarge) {
    std::string eleven = "document 100 80\nfill gray 1\n";
    for (int i = 0; i < 11; ++i)
        eleven +=
            "path closed " + std::to_string(i) + ",0 " + std::to_string(i) + ",5 " + std::to_string(i + 1) + ",0\n";
    eleven += "select all\ntool Tile\n";
    const std::string question = "That's a lot of art for Pattern mode! Proceed anyway?";

    // P with eleven paths asks; "no" keeps cutting.
    auto no = Play(eleven + "answer no\nkey P down\ndown 2 2\ndrag 6 6\nkey P up\nup\n" + kReopen);
    ASSERT_TRUE(no->ok) << no->error;
    ASSERT_FALSE(no->session.Shown().questions.empty());
    EXPECT_EQ(no->session.Shown().questions[0].text, question);
    EXPECT_NE(no->LastSent().find("\"tile_cut_mode\" : \"1\""), std::string::npos);

    // Already in pattern mode, the question comes at mouse down, and "no" cancels the drag.
    auto cancel = Play(eleven + Options("{\"tile_cut_mode\":\"false\"}") + "answer no\ndown 2 2\ndrag 6 6\nup\n");
    ASSERT_TRUE(cancel->ok) << cancel->error;
    ASSERT_EQ(cancel->session.Shown().questions.size(), 1u);
    EXPECT_EQ(cancel->TopArt().size(), 11u);
    bool stopped = false;
    for (const auto& r : cancel->session.Shown().results) stopped = stopped || r.result == 0x53544F50;
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(cancel->session.Shown().alerts.empty());

    // Ten paths ask nothing.
    std::string ten = eleven;
    ten.replace(ten.find("path closed 10,0"),
                ten.find('\n', ten.find("path closed 10,0")) - ten.find("path closed 10,0") + 1, "");
    auto quiet = Play(ten + "key P down\ndown 2 2\ndrag 6 6\nkey P up\nup\n" + kReopen);
    ASSERT_TRUE(quiet->ok) << quiet->error;
    for (const auto& q : quiet->session.Shown().questions) EXPECT_NE(q.text, question);
    EXPECT_NE(quiet->LastSent().find("\"tile_cut_mode\" : \"0\""), std::string::npos);
}

TEST(TileTool, ALargeFillAsksAndNoLeavesTheDocumentAsItWas) {
    // A 100 × 80 view filled with 4 × 4 cells: 25 × 20 copies of a tile of 4 paths.
    const std::string large = kSolid + Options("{\"symmetry\":\"5\",\"tile_cut_mode\":\"true\"}");
    auto no = Play(large + "answer no\ndown 10 10\ndrag 12 12\nup\n");
    ASSERT_TRUE(no->ok) << no->error;
    ASSERT_EQ(no->session.Shown().questions.size(), 1u);
    EXPECT_EQ(no->session.Shown().questions[0].text, "That's a lot of art you're going to create. Proceed?");
    ASSERT_EQ(no->TopArt().size(), 1u);
    ExpectExtent(no->Paths(), -50, 150, -50, 150);
    EXPECT_TRUE(no->UndoNames().empty() || no->UndoNames().back() != "Undo Tile");

    auto yes = Play(large + "down 10 10\ndrag 12 12\nup\n");
    ASSERT_TRUE(yes->ok) << yes->error;
    ASSERT_EQ(yes->TopArt().size(), 1u);
    EXPECT_EQ(yes->Paths().size(), 25u * 20u * 4u);
    ExpectExtent(yes->Paths(), 0, 100, 0, 80);
    // One undo takes the whole fill back.
    EXPECT_EQ(yes->UndoNames().back(), "Undo Tile");
    ASSERT_EQ(yes->Undo(), 0);
    ASSERT_EQ(yes->TopArt().size(), 1u);
    ExpectExtent(yes->Paths(), -50, 150, -50, 150);
}

TEST(TileTool, EscapeAtReleaseAndTinyCellsLeaveNothing) {
    auto esc = Play(kSolid + "down 10 10\ndrag 30 30\nkey Escape down\nup\nkey Escape up\n");
    ASSERT_TRUE(esc->ok) << esc->error;
    ASSERT_EQ(esc->TopArt().size(), 1u);
    ExpectExtent(esc->Paths(), -50, 150, -50, 150);
    EXPECT_TRUE(esc->UndoNames().empty() || esc->UndoNames().back() != "Undo Tile");

    // Less than a unit shows nothing; in a view 100 wide a cell must be 1 wide for a tile.
    auto tiny = Play(kSolid + kSingle + "down 10 10\ndrag 10.5 20\nup\n");
    ASSERT_TRUE(tiny->ok) << tiny->error;
    ExpectExtent(tiny->Paths(), -50, 150, -50, 150);
    auto narrow = Play(kSolid + Options("{\"symmetry\":\"5\"}") + "view 0 0 1000 80\ndown 10 10\ndrag 19 20\nup\n");
    ASSERT_TRUE(narrow->ok) << narrow->error;
    ExpectExtent(narrow->Paths(), -50, 150, -50, 150);
    auto wide = Play(kSolid + Options("{\"symmetry\":\"5\"}") + "view 0 0 1000 80\ndown 10 10\ndrag 20 20\nup\n");
    ASSERT_TRUE(wide->ok) << wide->error;
    ExpectExtent(wide->Paths(), 0, 1000, 0, 80);
}

TEST(TileTool, AClickAfterAFillOrAnUndoneTileUsesNoStaleHandle) {
    auto p = Play(kSolid + Options("{\"symmetry\":\"5\",\"group_cut_artboard\":\"true\"}") +
                  "down 10 10\ndrag 30 30\nup\nselect all\nclick 40 40\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
    EXPECT_TRUE(p->session.Shown().alerts.empty());
    EXPECT_TRUE(p->session.Shown().results.empty());

    // The tile a single lattice kept, undone, then a click with the artboard as the extent: the
    // click has no tile to fill.
    auto kept = Play(kSolid + kSingle + "down 10 10\ndrag 30 30\nup\nundo\n" +
                     Options("{\"group_cut_artboard\":\"true\"}") + "select all\nclick 40 40\n");
    ASSERT_TRUE(kept->ok) << kept->error;
    EXPECT_TRUE(kept->session.StaleHandleLog().empty());
    EXPECT_TRUE(kept->session.Shown().alerts.empty());
    ASSERT_EQ(kept->TopArt().size(), 1u);
    ExpectExtent(kept->Paths(), -50, 150, -50, 150);
}

TEST(TileTool, AFailingFillIsReportedAndLeavesNoHalfFilledGroup) {
    const std::string drag =
        Options("{\"symmetry\":\"5\",\"group_cut_artboard\":\"true\"}") + "down 10 10\ndrag 30 30\n";
    for (const char* fault : {"fail \"SB Art Suite.DuplicateArt\" 3 CANT\n", "fail \"SB Art Suite.NewArt\" 2 CANT\n"}) {
        auto p = Play(kSolid + drag + fault + "up\n");
        ASSERT_TRUE(p->ok) << p->error;
        EXPECT_EQ(p->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"})) << fault;
        ASSERT_EQ(p->TopArt().size(), 1u) << fault;
        ExpectExtent(p->Paths(), -50, 150, -50, 150);
        EXPECT_TRUE(p->UndoNames().empty() || p->UndoNames().back() != "Undo Tile");
        bool reported = false;
        for (const auto& r : p->session.Shown().results) reported = reported || r.result == 0x45785472;
        EXPECT_TRUE(reported) << fault;
        EXPECT_TRUE(p->session.StaleHandleLog().empty());
    }

    // A failing drag step: the error once, the later steps and the mouse up change nothing.
    auto step = Play(kSolid + Options("{\"symmetry\":\"5\"}") + "down 10 10\ndrag 20 20\n" +
                     "fail \"SB Art Suite.DuplicateArt\" 1 CANT\ndrag 30 30\ndrag 35 35\nup\n");
    ASSERT_TRUE(step->ok) << step->error;
    EXPECT_EQ(step->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    ASSERT_EQ(step->TopArt().size(), 1u);
    ExpectExtent(step->Paths(), -50, 150, -50, 150);
    EXPECT_TRUE(step->session.StaleHandleLog().empty());
}

TEST(TileTool, TheCellsOutlineShowsDuringTheDragAndGoesAtRelease) {
    // A pmm cell of 30 × 20 over nothing selected: the document holds the two outlines alone.
    auto p = Play("document 100 80\ntool Tile\n" + kSingle + "down 10 10\ndrag 40 30\nsave mid.json\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    const auto mid = ReadJson(p->outputDir + "/mid.json");
    ASSERT_EQ(mid["art"].size(), 2u);
    // Below, the outline; on top, the same rectangle 2 units inside.
    const double expected[2][4] = {{10, 40, 10, 30}, {12, 38, 12, 28}};
    for (int i = 0; i < 2; ++i) {
        const auto& path = mid["art"][1 - i];
        EXPECT_TRUE(path["closed"].get<bool>());
        ASSERT_EQ(path["anchors"].size(), 4u);
        double b[4] = {1e9, -1e9, 1e9, -1e9};
        for (const auto& a : path["anchors"]) {
            b[0] = std::min(b[0], a["p"][0].get<double>());
            b[1] = std::max(b[1], a["p"][0].get<double>());
            b[2] = std::min(b[2], a["p"][1].get<double>());
            b[3] = std::max(b[3], a["p"][1].get<double>());
        }
        for (int k = 0; k < 4; ++k) EXPECT_NEAR(b[k], expected[i][k], 1e-4);
    }
    EXPECT_TRUE(p->TopArt().empty());
}

TEST(TileTool, PatternModeKeepsTheSelectionWholeForGroupsWithoutMirrorLines) {
    const std::string triangle = "document 40 40\nfill gray 1\npath closed 11,11 14,11 11,13\nselect all\ntool Tile\n";
    for (int symmetry : {1, 2, 4, 7, 13, 16}) {
        auto p = Play(triangle +
                      Options("{\"symmetry\":\"" + std::to_string(symmetry) +
                              "\",\"tile_cut_mode\":\"false\",\"group_cut_single_lattice\":\"true\"}") +
                      "down 10 10\ndrag 12 12\nup\n");
        ASSERT_TRUE(p->ok) << p->error;
        const auto paths = p->Paths();
        ASSERT_FALSE(paths.empty()) << symmetry;
        // The selection itself, then the copies the group adds, each a whole triangle.
        for (const Art* path : paths) EXPECT_EQ(path->segments.size(), 3u) << symmetry;
        bool original = false;
        for (const Art* path : paths)
            original = original || (path->segments[0].p.h == 11 && path->segments[0].p.v == 11 &&
                                    path->segments[1].p.h == 14 && path->segments[2].p.v == 13);
        EXPECT_TRUE(original) << symmetry;
    }
}
