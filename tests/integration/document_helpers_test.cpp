// Document, selection and desktop helpers against the stand-in host.
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "support/InProcessHost.h"

#include <gtest/gtest.h>

#include <deque>
#include <limits>

using scribera::ArtKind;
using scribera::FromHandle;
using testhost::InProcessHost;

TEST(DocumentHelpers, NewArtLandsOnTopOfTheCurrentLayerInTheCurrentStyle) {
    InProcessHost host;
    host.AddPolyline({{0, 0}, {1, 1}}, false);
    SBPathStyle current{};
    current.fillPaint = 1;
    current.fill.color.kind = SB_COLOR_THREE;
    current.fill.color.c.three = SBThreeColor{0.25, 0.5, 0.75};
    host.Doc().SetCurrentStyle(current);
    ArtHandle path = NewArtOfKind(kArtPath);
    ArtHandle group = nullptr;
    NewArtOfKind(kArtGroup, &group);
    auto layer = host.Children(host.LayerGroup());
    ASSERT_EQ(layer.size(), 3u);
    EXPECT_EQ(layer[0], group);
    EXPECT_EQ(layer[1], path);
    EXPECT_EQ(host.ArtOf(path).kind, ArtKind::Path);
    EXPECT_EQ(host.ArtOf(path).style.fill.color.kind, SB_COLOR_THREE);
    EXPECT_EQ(host.ArtOf(path).style.fill.color.c.three.green, 0.5);
    host.Session().Faults().Arm("SB Art Suite.NewArt", 1, SB_ERR_MEMORY);
    EXPECT_THROW(NewArtOfKind(kArtPath), HostError);
}

TEST(DocumentHelpers, SelectionIsClearedAndCollectedNestedArtIncluded) {
    InProcessHost host;
    size_t memory = host.Session().Memory().MemoryHeld();
    DeselectAll();  // nothing selected: nothing changes, nothing raised
    EXPECT_EQ(host.Session().Memory().MemoryHeld(), memory);

    SBArtHandle mesh = host.AddOther(ArtKind::Mesh, SBRealRect{0, 10, 10, 0});
    SBArtHandle group = host.AddGroup();
    SBArtHandle inGroup = host.AddPolyline({{0, 0}, {1, 1}}, false, group);
    SBArtHandle compound = host.AddCompoundPath(group);
    SBArtHandle inCompound = host.AddPolyline({{0, 0}, {1, 0}, {1, 1}}, true, compound);
    SBArtHandle unselected = host.AddPolyline({{0, 0}, {2, 2}}, false);
    for (SBArtHandle a : {mesh, group, inGroup, compound, inCompound}) host.Select(a);

    ArtList paths, meshes, both;
    CollectSelectedPaths(paths);
    CollectSelectedMeshes(meshes);
    CollectSelectedPathsAndMeshes(both);
    ASSERT_EQ(paths.Count(), 2);
    EXPECT_EQ(paths.IndexOf(inGroup) >= 0, true);
    EXPECT_EQ(paths.IndexOf(inCompound) >= 0, true);
    EXPECT_EQ(paths.IndexOf(unselected), -1);
    ASSERT_EQ(meshes.Count(), 1);
    EXPECT_EQ(meshes[0], mesh);
    EXPECT_EQ(both.Count(), 3);
    CollectSelectedPaths(paths);  // appends
    EXPECT_EQ(paths.Count(), 4);
    EXPECT_EQ(host.Session().Memory().MemoryHeld(), memory);  // every host list was freed

    // A failure half-way raises, and the host's list is still freed.
    host.Session().Faults().Arm("SB Art Suite.SetArtUserAttr", 2, SB_ERR_CANT);
    EXPECT_THROW(DeselectAll(), HostError);
    EXPECT_EQ(host.Session().Memory().MemoryHeld(), memory);
    host.Session().Faults().Clear();
    DeselectAll();
    ArtList after;
    CollectSelectedPathsAndMeshes(after);
    EXPECT_EQ(after.Count(), 0);
    for (SBArtHandle a : {mesh, group, inGroup, compound, inCompound}) EXPECT_EQ(host.ArtOf(a).userAttr & 1, 0);
}

TEST(DocumentHelpers, CountPathsAndSegments) {
    InProcessHost host;
    SBArtHandle sibling = host.AddPolyline({{0, 0}, {1, 1}, {2, 0}}, false);
    SBArtHandle group = host.AddGroup();
    SBArtHandle compound = host.AddCompoundPath(group);
    host.AddPolyline({{0, 0}, {1, 0}, {1, 1}, {0, 1}}, true, compound);
    host.AddPolyline({{0, 0}, {1, 0}, {2, 1}, {1, 2}, {0, 1}}, true, compound);
    host.Doc().Reorder(FromHandle(sibling), SB_PLACE_BELOW, FromHandle(group));
    int32_t paths = 0, segments = 0;
    CountPathsAndSegments(group, paths, segments, 0);
    EXPECT_EQ(paths, 2);
    EXPECT_EQ(segments, 9);
    CountPathsAndSegments(group, paths, segments, 0);  // only adds
    EXPECT_EQ(paths, 4);
    paths = segments = 0;
    SBArtHandle lone = host.AddPolyline({{0, 0}, {3, 3}}, false);
    CountPathsAndSegments(lone, paths, segments, 0);  // its siblings are ignored
    EXPECT_EQ(paths, 1);
    EXPECT_EQ(segments, 2);
    paths = segments = 0;
    CountPathsAndSegments(lone, paths, segments, 1);  // below depth 0 the siblings count
    EXPECT_EQ(paths, 4);
    EXPECT_EQ(segments, 2 + 9 + 3);
}

TEST(DocumentHelpers, ViewArtboardAndPageExtents) {
    InProcessHost host(600, 400);
    host.Doc().SetView(SBRealRect{-10.5, 380.25, 590, 20});
    host.Doc().SetPageOrigin(SBRealPoint{18, 36});
    float minH, maxH, minV, maxV;
    ViewExtent(minH, maxH, minV, maxV);
    EXPECT_EQ(minH, -10.5f);
    EXPECT_EQ(maxH, 590.0f);
    EXPECT_EQ(minV, 20.0f);
    EXPECT_EQ(maxV, 380.25f);
    ArtboardExtent(minH, maxH, minV, maxV);
    EXPECT_EQ(minH, 0.0f);
    EXPECT_EQ(maxH, 600.0f);
    EXPECT_EQ(minV, 0.0f);
    EXPECT_EQ(maxV, 400.0f);
    PageExtent(minH, maxH, minV, maxV);
    EXPECT_EQ(minH, 18.0f);
    EXPECT_EQ(maxH, 582.0f);
    EXPECT_EQ(minV, 36.0f);
    EXPECT_EQ(maxV, 364.0f);
    host.Session().Faults().Arm("SB Document Suite.GetDocumentSize", 1, SB_ERR_CANT);
    EXPECT_THROW(ArtboardExtent(minH, maxH, minV, maxV), HostError);
}

TEST(DesktopHelpers, KeysMessagesPauseAndCursorThroughTheDesk) {
    InProcessHost host;
    scribera::DeskState& desk = host.Session().Desktop().desk;
    EXPECT_FALSE(IsUpArrowDown());
    desk.keysDown[0x26] = true;
    EXPECT_TRUE(IsUpArrowDown());
    EXPECT_TRUE(IsKeyDown(0x26));
    EXPECT_FALSE(IsDownArrowDown());
    desk.pressedSince[0x52] = true;  // pressed and released since the last look
    EXPECT_TRUE(IsRKeyDown());

    desk.messageQueue = {15, 256, 512, 257, 258, 265, 266};
    DrainKeyboardMessages();
    std::deque<uint32_t> left = {15, 512, 266};
    EXPECT_EQ(desk.messageQueue, left);

    int64_t clock = desk.clockMilliseconds;
    PauseSeconds(0.2f);
    EXPECT_EQ(desk.clockMilliseconds - clock, 200);
    PauseSeconds(-1.0f);
    PauseSeconds(std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(desk.clockMilliseconds - clock, 200);

    SetCrossCursor();
    ASSERT_FALSE(desk.cursorLog.empty());
    EXPECT_EQ(desk.cursorLog.back(), "set 32515");
}
