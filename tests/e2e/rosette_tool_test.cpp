// The rosette tool through the stand-in host: what a drag leaves, the guide rays, Shift's snapping,
// the keys, the one undo entry, the one-copy rosette, a failing step, the panel and the
// preferences element.
#include "e2e/rosette_fixture.h"
#include "support/HostedChecks.h"

#include <cmath>

namespace {

using namespace rosettetest;

// A filled rectangle right of and above the centre (200, 200), crossing the horizontal through it.
const char* const kRect =
    "document 400 400\nfill gray 0.8\nstroke none\npath closed 210,180 300,180 300,260 210,260\nselect all\n"
    "tool Rosette\n";

std::string WithPanel(const std::string& params) {
    return std::string(kRect) + "panel params " + params + "\nedit-options\n";
}

// The anchors of every path, in order.
std::vector<SBRealPoint> Anchors(const std::vector<const Art*>& paths) {
    std::vector<SBRealPoint> out;
    for (const Art* p : paths)
        for (const SBPathSegment& s : p->segments) out.push_back(s.p);
    return out;
}

void ExpectSameAnchors(const std::vector<SBRealPoint>& a, const std::vector<SBRealPoint>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t i = 0; i < a.size(); ++i) ExpectPoint(a[i], b[i].h, b[i].v, 1e-9);
}

// The far end of a guide ray (a path of two anchors starting at the centre).
SBRealPoint RayEnd(const Art& ray) {
    EXPECT_EQ(ray.kind, ArtKind::Path);
    EXPECT_EQ(ray.segments.size(), 2u);
    EXPECT_FALSE(ray.closed);
    if (ray.segments.size() != 2) return kCentre;
    ExpectPoint(ray.segments[0].p, kCentre.h, kCentre.v);
    return ray.segments[1].p;
}

TEST(RosetteTool, ADragLeavesOneGroupOfNCopiesNamedAsOneUndoEntry) {
    auto p = Play(std::string(kRect) + "record on\ndown 200 200\ndrag 250 200 steps 3\ndrag 300 200\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_TRUE(p->session.Shown().alerts.empty());
    // The guide went with the mouse up: one group of eight turned copies of the mirrored wedge.
    ASSERT_EQ(p->TopArt().size(), 1u);
    const Art& group = *p->TopArt()[0];
    ASSERT_EQ(group.kind, ArtKind::Group);
    EXPECT_EQ(p->Doc().Children(group.id).size(), 8u);
    // The wedge of 22.5° below the drag direction and its mirror image above it, eight times: every
    // anchor lies within the reach of the wedge's farthest corner, (300, 180), and the whole reaches
    // as far left as right and as far down as up.
    const auto e = Extent(p->Paths());
    EXPECT_NEAR(e[1] - 200, 200 - e[0], 1e-3);
    EXPECT_NEAR(e[3] - 200, 200 - e[2], 1e-3);
    for (const SBRealPoint& a : Anchors(p->Paths()))
        EXPECT_LE(std::hypot(a.h - 200, a.v - 200), std::hypot(100, 20) + 1e-3);
    EXPECT_EQ(p->UndoNames().back(), "Undo Rosette");
    // The rosette records no action, even while the host records.
    EXPECT_TRUE(p->session.Actions().recorded.empty());
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
}

// Groups and compound paths without content anywhere in the layer.
int EmptyContainers(HostedPlugin& p) {
    int empty = 0;
    std::vector<scribera::Id> todo = p.Doc().Children(p.Doc().CurrentLayerGroup());
    while (!todo.empty()) {
        const Art* a = p.Doc().Find(todo.back());
        todo.pop_back();
        const auto children = p.Doc().Children(a->id);
        if ((a->kind == ArtKind::Group || a->kind == ArtKind::Compound) && children.empty()) ++empty;
        todo.insert(todo.end(), children.begin(), children.end());
    }
    return empty;
}

TEST(RosetteTool, GroupsTheSelectionWasTakenFromAreNotLeftEmpty) {
    // Two paths in a group inside a group, and a lone one: the rosette takes them all out.
    const std::string art =
        "document 400 400\nfill gray 0.8\npath closed 210,180 300,180 300,260 210,260\n"
        "path closed 220,210 260,210 240,290\ngroup 0 1\npath closed 230,150 330,150 330,170\ngroup 0 1\n"
        "path closed 100,100 120,100 120,120\nselect all\ntool Rosette\n";
    for (const char* params : {"{\"rosettes\":\"8\"}", "{\"rosettes\":\"1\"}",
                               "{\"rosettes\":\"5\",\"cut\":\"false\",\"mirror\":\"false\"}"}) {
        auto p = Play(art + "panel params " + params + "\nedit-options\ndown 200 200\ndrag 300 230\nup\n");
        ASSERT_TRUE(p->ok) << p->error;
        EXPECT_TRUE(p->session.Shown().alerts.empty()) << params;
        EXPECT_FALSE(p->Paths().empty()) << params;
        EXPECT_EQ(EmptyContainers(*p), 0) << params;
        EXPECT_TRUE(p->session.StaleHandleLog().empty()) << params;
    }
}

TEST(RosetteTool, OneUndoTakesTheWholeRosetteBackAndRedoBringsItAgain) {
    auto before = Play(kRect);
    ASSERT_TRUE(before->ok) << before->error;
    auto p = Play(std::string(kRect) + "down 200 200\ndrag 260 230 steps 4\nup\nundo\n");
    ASSERT_TRUE(p->ok) << p->error;
    ExpectSameAnchors(Anchors(p->Paths()), Anchors(before->Paths()));
    ASSERT_EQ(p->TopArt().size(), 1u);
    EXPECT_TRUE(p->TopArt()[0]->userAttr & SB_ATTR_SELECTED);
    EXPECT_EQ(p->RedoNames().at(0), "Redo Rosette");
    ASSERT_EQ(p->Redo(), 0);
    ASSERT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->Doc().Children(p->TopArt()[0]->id).size(), 8u);
}

TEST(RosetteTool, TwoGuideRaysBoundTheWedgeDuringTheDrag) {
    HostedPlugin r("Rosette", HostedOptions().Document(kSide, kSide));
    ASSERT_GT(PlaceIcon(r, "leaf-fill.svg", 8, {150, 215}), 0u);
    ASSERT_EQ(r.Down(kCentre), 0);
    ASSERT_EQ(r.DragTo({260, 280}), 0);
    // The rays are the topmost art: the one along the drag below the one 360/8 clockwise from it.
    auto top = r.TopArt();
    ASSERT_GE(top.size(), 3u);
    const SBRealPoint first = RayEnd(*top[1]), second = RayEnd(*top[0]);
    ExpectPoint(first, 260, 280, 1e-3);
    const SBRealPoint expected = Turn({260, 280}, -45);
    ExpectPoint(second, expected.h, expected.v, 1e-3);
    ASSERT_EQ(r.Up({260, 280}), 0);
    for (const Art* a : r.TopArt()) EXPECT_EQ(a->kind, ArtKind::Group);
}

TEST(RosetteTool, ShiftSnapsTheDragDirectionToMultiplesOfTheWedge) {
    // At 22.4° the nearest multiple of 45° is 0, at 22.6° it is 45, at −22.6° it is −45.
    const double angles[] = {22.4, 22.6, -22.6, 180, -157.4};
    const double snapped[] = {0, 45, -45, 180, -135};
    for (int i = 0; i < 5; ++i) {
        HostedPlugin r("Rosette", HostedOptions().Document(kSide, kSide));
        ASSERT_GT(PlaceIcon(r, "leaf-fill.svg", 8, {150, 215}), 0u);
        r.Modifiers(SB_MOD_SHIFT);
        ASSERT_EQ(r.Down(kCentre), 0);
        const SBRealPoint to = Turn({300, 200}, angles[i]);
        ASSERT_EQ(r.DragTo(to), 0);
        const SBRealPoint end = RayEnd(*r.TopArt().at(1));
        EXPECT_NEAR(std::remainder(Degrees(end) - snapped[i], 360), 0, 1e-3) << angles[i];
        EXPECT_NEAR(std::hypot(end.h - 200, end.v - 200), 100, 1e-3) << angles[i];
        ASSERT_EQ(r.Up(to), 0);
    }
    // Without Shift the ray follows the pointer.
    HostedPlugin r("Rosette", HostedOptions().Document(kSide, kSide));
    ASSERT_GT(PlaceIcon(r, "leaf-fill.svg", 8, {150, 215}), 0u);
    ASSERT_EQ(r.Down(kCentre), 0);
    ASSERT_EQ(r.DragTo(Turn({300, 200}, 22.4)), 0);
    EXPECT_NEAR(Degrees(RayEnd(*r.TopArt().at(1))), 22.4, 1e-3);
}

TEST(RosetteTool, UpAndDownStepTheCountBetweenOneAndFiftyWithAPausePerStep) {
    HostedPlugin r("Rosette", HostedOptions().Document(kSide, kSide));
    r.Answer(PanelScript::Kind::Params, "{\"rosettes\":\"48\"}");
    ASSERT_EQ(r.EditOptions(), 0);
    ASSERT_GT(PlaceIcon(r, "leaf-fill.svg", 8, {150, 215}), 0u);
    ASSERT_EQ(r.Down(kCentre), 0);
    ASSERT_EQ(r.DragTo({300, 300}), 0);
    r.Key(kUp, true);
    const int64_t start = r.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 4; ++i) ASSERT_EQ(r.DragTo({300, 300}), 0);
    // 49 and 50, each followed by half a second; at 50 the key changes nothing.
    EXPECT_EQ(r.session.Desktop().desk.clockMilliseconds - start, 2 * 500);
    r.Key(kUp, false);
    ASSERT_EQ(r.Up({300, 300}), 0);
    ASSERT_EQ(r.TopArt().size(), 1u);
    EXPECT_EQ(r.Doc().Children(r.TopArt()[0]->id).size(), 50u);

    // The count stays with the tool for the next drag; Down stops at one copy, which makes no group.
    ASSERT_EQ(r.Undo(), 0);
    r.Answer(PanelScript::Kind::Params, "{\"rosettes\":\"2\"}");
    ASSERT_EQ(r.EditOptions(), 0);
    ASSERT_EQ(r.Down(kCentre), 0);
    r.Key(kDown, true);
    const int64_t down = r.session.Desktop().desk.clockMilliseconds;
    for (int i = 0; i < 3; ++i) ASSERT_EQ(r.DragTo({300, 300}), 0);
    EXPECT_EQ(r.session.Desktop().desk.clockMilliseconds - down, 500);
    r.Key(kDown, false);
    ASSERT_EQ(r.Up({300, 300}), 0);
    for (const Art* a : r.TopArt()) EXPECT_NE(a->kind, ArtKind::Group);
    EXPECT_TRUE(r.session.Shown().alerts.empty());
}

TEST(RosetteTool, CAndMToggleTheFlagsAtEveryStepAndTheToolKeepsThem) {
    HostedPlugin r("Rosette", HostedOptions().Document(kSide, kSide));
    ASSERT_GT(PlaceIcon(r, "leaf-fill.svg", 8, {150, 215}), 0u);
    ASSERT_EQ(r.Down(kCentre), 0);
    r.Key(kKeyC, true);
    const int64_t start = r.session.Desktop().desk.clockMilliseconds;
    // Three steps to the same point: each toggles the flag and pauses, though the pointer is still.
    for (int i = 0; i < 3; ++i) ASSERT_EQ(r.DragTo({300, 300}), 0);
    EXPECT_EQ(r.session.Desktop().desk.clockMilliseconds - start, 3 * 500);
    r.Key(kKeyC, false);
    r.Key(kKeyM, true);
    ASSERT_EQ(r.DragTo({300, 300}), 0);
    r.Key(kKeyM, false);
    ASSERT_EQ(r.Up({300, 300}), 0);
    ASSERT_EQ(r.EditOptions(), 0);
    EXPECT_EQ(r.Preferences(), "<rosette><rosettes>8</rosettes><mirror>0</mirror><cut>0</cut></rosette>");
    EXPECT_EQ(r.LastSent(), "{\"rosettes\" : \"8\", \"cut\" : \"0\", \"mirror\" : \"0\"}");
}

TEST(RosetteTool, EscapeHeldAtReleaseKeepsTheRosette) {
    // The rosette reads no Escape: the release keeps what the last step made, and undo takes it back.
    auto p = Play(std::string(kRect) + "down 200 200\ndrag 300 220\nkey Escape down\nup\nkey Escape up\n");
    ASSERT_TRUE(p->ok) << p->error;
    ASSERT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->TopArt()[0]->kind, ArtKind::Group);
    EXPECT_EQ(p->UndoNames().back(), "Undo Rosette");
    EXPECT_TRUE(p->session.Shown().alerts.empty());
    for (const auto& r : p->session.Shown().results) EXPECT_NE(r.result, 0x53544F50) << r.selector;
}

TEST(RosetteTool, AOneCopyRosetteKeepsTheSelectionUnlessItMirrors) {
    auto before = Play(kRect);
    ASSERT_TRUE(before->ok) << before->error;
    // Cut without mirror, and neither: a whole turn keeps everything as it was.
    for (const char* params : {"{\"rosettes\":\"1\",\"cut\":\"true\",\"mirror\":\"false\"}",
                               "{\"rosettes\":\"1\",\"cut\":\"false\",\"mirror\":\"false\"}"}) {
        auto p = Play(WithPanel(params) + "down 200 200\ndrag 300 240\nup\n");
        ASSERT_TRUE(p->ok) << p->error;
        ExpectSameAnchors(Anchors(p->Paths()), Anchors(before->Paths()));
        EXPECT_TRUE(p->session.Shown().alerts.empty()) << params;
    }
    // With mirror the half right of the drag direction (here: below the horizontal) is mirrored
    // above it; no copies are made. The cut left anchors on the axis, so the mirror moves it by
    // 0.01 toward the kept side first.
    auto m = Play(WithPanel("{\"rosettes\":\"1\",\"cut\":\"true\",\"mirror\":\"true\"}") +
                  "down 200 200\ndrag 300 200\nup\n");
    ASSERT_TRUE(m->ok) << m->error;
    ASSERT_EQ(m->Paths().size(), 1u);
    ExpectExtent(m->Paths(), 210, 300, 180, 220, 0.03);
    EXPECT_NE(m->TopArt()[0]->kind, ArtKind::Group);
}

TEST(RosetteTool, AFailingStepShowsTheErrorOnceAndLeavesTheArtAsItWas) {
    auto before = Play(kRect);
    ASSERT_TRUE(before->ok) << before->error;
    // The second step's first new art (the engine's, or the group's) fails.
    auto p = Play(std::string(kRect) +
                  "down 200 200\ndrag 300 220\nfail \"SB Art Suite.NewArt\" 1 CANT\ndrag 300 240\ndrag 300 260\nup\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    EXPECT_TRUE(p->session.StaleHandleLog().empty());
    ExpectSameAnchors(Anchors(p->Paths()), Anchors(before->Paths()));
    EXPECT_TRUE(p->UndoNames().empty() || p->UndoNames().back() != "Undo Rosette");

    // A failure while the copies are turned: the same.
    auto t = Play(std::string(kRect) + "fail \"SB Art Suite.DuplicateArt\" 3 CANT\ndown 200 200\ndrag 300 220\nup\n");
    ASSERT_TRUE(t->ok) << t->error;
    EXPECT_EQ(t->session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    ExpectSameAnchors(Anchors(t->Paths()), Anchors(before->Paths()));
    EXPECT_EQ(t->TopArt().size(), 1u);
}

TEST(RosettePanel, SendsTheCountAndFlagsAndWritesThePreferencesElement) {
    auto p = Play(std::string(kRect) + "edit-options\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->Preferences(), "<rosette><rosettes>8</rosettes><mirror>1</mirror><cut>1</cut></rosette>");
    const auto opened = PanelService::Instance().Opened();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].extension, "com.zarvo.Rosette");
    EXPECT_EQ(opened[0].sent, "{\"rosettes\" : \"8\", \"cut\" : \"1\", \"mirror\" : \"1\"}");
    // A click neither opens the panel nor changes the art.
    auto click = Play(std::string(kRect) + "click 200 200\n");
    ASSERT_TRUE(click->ok) << click->error;
    EXPECT_TRUE(PanelService::Instance().Opened().empty());
    ASSERT_EQ(click->TopArt().size(), 1u);
    EXPECT_EQ(click->TopArt()[0]->kind, ArtKind::Path);
}

TEST(RosettePanel, AnswersAreStoredForTheNextDragAndDrawNothing) {
    auto p = Play(WithPanel("{\"rosettes\":\"12\",\"cut\":\"false\",\"mirror\":\"true\"}") + "edit-options\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->Preferences(), "<rosette><rosettes>12</rosettes><mirror>1</mirror><cut>0</cut></rosette>");
    const auto opened = PanelService::Instance().Opened();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[1].sent, "{\"rosettes\" : \"12\", \"cut\" : \"0\", \"mirror\" : \"1\"}");
    ASSERT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->TopArt()[0]->kind, ArtKind::Path);
    EXPECT_TRUE(p->UndoNames().empty() || p->UndoNames().back() != "Undo Rosette");

    // A cancelled panel changes nothing; a key the answer lacks keeps its value; 1 is not true.
    auto c = Play(WithPanel("{\"rosettes\":\"5\",\"cut\":\"1\"}") + "panel cancel\nedit-options\nedit-options\n");
    ASSERT_TRUE(c->ok) << c->error;
    EXPECT_EQ(c->Preferences(), "<rosette><rosettes>5</rosettes><mirror>1</mirror><cut>0</cut></rosette>");

    // The next drag uses the answer: twelve copies.
    auto d = Play(WithPanel("{\"rosettes\":\"12\",\"cut\":\"true\",\"mirror\":\"true\"}") +
                  "down 200 200\ndrag 300 220\nup\n");
    ASSERT_TRUE(d->ok) << d->error;
    ASSERT_EQ(d->TopArt().size(), 1u);
    EXPECT_EQ(d->Doc().Children(d->TopArt()[0]->id).size(), 12u);
}

TEST(RosettePanel, CountsOutsideOneToFiftyAreHeldToThatRange) {
    const std::pair<const char*, const char*> cases[] = {
        {"0", "1"}, {"-7", "1"}, {"", "1"}, {"many", "1"}, {"51", "50"}, {"99999999999", "50"}, {"7.9", "7"},
    };
    for (const auto& [given, kept] : cases) {
        auto p = Play(WithPanel(std::string("{\"rosettes\":\"") + given + "\"}") + "edit-options\n" +
                      "down 200 200\ndrag 300 220\nup\n");
        ASSERT_TRUE(p->ok) << p->error;
        EXPECT_EQ(p->Preferences(),
                  std::string("<rosette><rosettes>") + kept + "</rosettes><mirror>1</mirror><cut>1</cut></rosette>")
            << given;
        EXPECT_TRUE(p->session.Shown().alerts.empty()) << given;
        const int n = std::stoi(kept);
        ASSERT_EQ(p->TopArt().size(), 1u) << given;
        if (n > 1) {
            EXPECT_EQ(p->Doc().Children(p->TopArt()[0]->id).size(), size_t(n)) << given;
        }
    }
}

}  // namespace
