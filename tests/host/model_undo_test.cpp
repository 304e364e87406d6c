// The undo journal: reverting the open transaction, undo and redo of whole entries.
#include "core/Document.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace scribera {
namespace {

Id NewPath(Document& d, Id ref, int16_t placement = SB_PLACE_INSIDE_ON_TOP) {
    Id id = kNoId;
    EXPECT_EQ(d.NewArt(ArtKind::Path, placement, ref, &id), SB_OK);
    return id;
}

void SetLine(Document& d, Id p, double h) {
    SBPathSegment s[2] = {};
    s[0].p = s[0].in = s[0].out = {h, 0};
    s[1].p = s[1].in = s[1].out = {h, 10};
    ASSERT_EQ(d.SetSegmentCount(p, 2), SB_OK);
    ASSERT_EQ(d.SetSegments(p, 0, s, 2), SB_OK);
}

double FirstH(const Document& d, Id p) { return d.Find(p)->segments.at(0).p.h; }

// A layer of three paths a, b, c (top first), made outside any transaction.
struct Fixture {
    Document d{200, 200};
    Id layer = d.CurrentLayerGroup();
    Id c = NewPath(d, layer), b = NewPath(d, layer), a = NewPath(d, layer);
    Fixture() {
        SetLine(d, a, 1);
        SetLine(d, b, 2);
        SetLine(d, c, 3);
    }
};

TEST(UndoJournal, RevertRestoresAndMoreChangesFollow) {
    Fixture f;
    Document& d = f.d;
    d.BeginTransaction();
    // Drag step 1: a new path, an edit, a selection, a move and a dispose.
    const Id n1 = NewPath(d, f.layer);
    SetLine(d, n1, 9);
    SetLine(d, f.a, 100);
    ASSERT_EQ(d.SetUserAttr(f.b, SB_ATTR_SELECTED, SB_ATTR_SELECTED), SB_OK);
    ASSERT_EQ(d.Reorder(f.c, SB_PLACE_ABOVE, f.a), SB_OK);
    ASSERT_EQ(d.Dispose(f.b), SB_OK);
    ASSERT_EQ(d.SetClosed(f.c, true), SB_OK);
    EXPECT_GT(d.PendingChanges(), 0u);

    d.RevertTransaction();
    EXPECT_TRUE(d.InTransaction());
    EXPECT_EQ(d.PendingChanges(), 0u);
    EXPECT_EQ(d.Children(f.layer), (std::vector<Id>{f.a, f.b, f.c}));
    EXPECT_FALSE(d.Exists(n1));  // created inside the reverted changes: gone
    EXPECT_TRUE(d.Exists(f.b));  // disposed: back under its old id
    EXPECT_EQ(FirstH(d, f.a), 1);
    EXPECT_EQ(d.Find(f.b)->userAttr, 0);
    EXPECT_FALSE(d.Find(f.c)->closed);

    // Drag step 2 changes the same objects again; a second revert goes back to the start again.
    SetLine(d, f.a, 200);
    ASSERT_EQ(d.Dispose(f.a), SB_OK);
    const Id n2 = NewPath(d, f.b, SB_PLACE_BELOW);
    d.RevertTransaction();
    EXPECT_EQ(d.Children(f.layer), (std::vector<Id>{f.a, f.b, f.c}));
    EXPECT_EQ(FirstH(d, f.a), 1);
    EXPECT_FALSE(d.Exists(n2));

    // The last step stays; the transaction becomes one entry.
    SetLine(d, f.a, 300);
    const Id kept = NewPath(d, f.layer);
    d.SetUndoText("Undo Rose", "Redo Rose");
    d.EndTransaction();
    EXPECT_FALSE(d.InTransaction());
    EXPECT_EQ(d.UndoNames(), (std::vector<std::string>{"Undo Rose"}));
    EXPECT_TRUE(d.Exists(kept));
    EXPECT_EQ(FirstH(d, f.a), 300);
}

TEST(UndoJournal, UndoAndRedoWholeEntriesIncludingSelection) {
    Fixture f;
    Document& d = f.d;

    d.BeginTransaction();  // 1: select a, make a group holding c
    ASSERT_EQ(d.SetUserAttr(f.a, SB_ATTR_SELECTED, SB_ATTR_SELECTED), SB_OK);
    Id g = kNoId;
    ASSERT_EQ(d.NewArt(ArtKind::Group, SB_PLACE_ABOVE, f.c, &g), SB_OK);
    ASSERT_EQ(d.Reorder(f.c, SB_PLACE_INSIDE_ON_TOP, g), SB_OK);
    d.SetUndoText("Undo Group", "Redo Group");
    d.EndTransaction();

    d.BeginTransaction();  // 2: deselect a, select and dispose of b, edit c
    ASSERT_EQ(d.SetUserAttr(f.a, SB_ATTR_SELECTED, 0), SB_OK);
    ASSERT_EQ(d.SetUserAttr(f.b, SB_ATTR_SELECTED, SB_ATTR_SELECTED), SB_OK);
    ASSERT_EQ(d.Dispose(f.b), SB_OK);
    SetLine(d, f.c, 50);
    d.SetUndoText("Undo Cut", "Redo Cut");
    d.EndTransaction();

    d.BeginTransaction();  // a transaction without changes makes no entry
    d.SetUndoText("Undo Nothing", "Redo Nothing");
    d.EndTransaction();
    EXPECT_EQ(d.UndoNames(), (std::vector<std::string>{"Undo Group", "Undo Cut"}));

    ASSERT_EQ(d.Undo(), SB_OK);
    EXPECT_EQ(d.RedoNames(), (std::vector<std::string>{"Redo Cut"}));
    EXPECT_TRUE(d.Exists(f.b));
    EXPECT_EQ(d.Find(f.b)->userAttr, 0);
    EXPECT_EQ(d.Find(f.a)->userAttr, SB_ATTR_SELECTED);
    EXPECT_EQ(FirstH(d, f.c), 3);

    ASSERT_EQ(d.Undo(), SB_OK);
    EXPECT_FALSE(d.Exists(g));
    EXPECT_EQ(d.Find(f.a)->userAttr, 0);
    EXPECT_EQ(d.Children(f.layer), (std::vector<Id>{f.a, f.b, f.c}));
    EXPECT_EQ(d.Undo(), SB_ERR_CANT);

    ASSERT_EQ(d.Redo(), SB_OK);  // the group comes back under its id, holding c
    EXPECT_TRUE(d.Exists(g));
    EXPECT_EQ(d.Children(g), (std::vector<Id>{f.c}));
    EXPECT_EQ(d.Find(f.a)->userAttr, SB_ATTR_SELECTED);
    ASSERT_EQ(d.Redo(), SB_OK);
    EXPECT_FALSE(d.Exists(f.b));
    EXPECT_EQ(FirstH(d, f.c), 50);
    EXPECT_EQ(d.Find(f.a)->userAttr, 0);
    EXPECT_EQ(d.Redo(), SB_ERR_CANT);

    // Undo, then a new change: the redo entry (and the group it made) is gone for good.
    ASSERT_EQ(d.Undo(), SB_OK);
    ASSERT_EQ(d.Undo(), SB_OK);
    d.BeginTransaction();
    SetLine(d, f.a, 7);
    d.EndTransaction();
    EXPECT_FALSE(d.CanRedo());
    EXPECT_FALSE(d.Exists(g));
    EXPECT_EQ(d.UndoNames(), (std::vector<std::string>{"Undo"}));  // unnamed entry
}

TEST(UndoJournal, UndoIsRefusedWhileTheOpenTransactionHasChanges) {
    Fixture f;
    Document& d = f.d;
    d.BeginTransaction();
    SetLine(d, f.a, 5);
    d.EndTransaction();
    d.BeginTransaction();
    SetLine(d, f.b, 6);
    EXPECT_EQ(d.Undo(), SB_ERR_CANT);
    EXPECT_EQ(FirstH(d, f.a), 5);
    d.RevertTransaction();
    EXPECT_EQ(d.Undo(), SB_OK);  // nothing pending any more
    EXPECT_EQ(FirstH(d, f.a), 1);
    d.EndTransaction();
}

TEST(UndoJournal, RevertCostFollowsTheChangesNotTheObjects) {
    Fixture f;
    Document& d = f.d;
    d.BeginTransaction();
    // Many writes to one path journal its segments once; a created path journals no field at all.
    for (int i = 0; i < 50; ++i) SetLine(d, f.a, i);
    const size_t afterEdits = d.PendingChanges();
    EXPECT_EQ(afterEdits, 1u);
    const Id n = NewPath(d, f.layer);
    for (int i = 0; i < 50; ++i) SetLine(d, n, i);
    EXPECT_EQ(d.PendingChanges(), afterEdits + 2);  // its creation and its placement
    d.RevertTransaction();
    EXPECT_EQ(FirstH(d, f.a), 1);
    d.EndTransaction();
    EXPECT_FALSE(d.CanUndo());
}

TEST(UndoJournal, MeshAndPaintChangesRevert) {
    Fixture f;
    Document& d = f.d;
    Id m = kNoId;
    ASSERT_EQ(d.NewArt(ArtKind::Mesh, SB_PLACE_INSIDE_ON_TOP, f.layer, &m), SB_OK);
    SBColor white{};
    ASSERT_EQ(d.SetMesh(m, MeshGrid::Rectangular(2, 1, {0, 10, 20, 0}, white)), SB_OK);
    SBPathStyle style = d.Find(f.a)->style;
    d.BeginTransaction();
    ASSERT_EQ(d.EditMesh(m,
                         [](MeshGrid& g) {
                             g.nodes[0] = {-5, -5};
                             return SBErr(SB_OK);
                         }),
              SB_OK);
    ASSERT_EQ(d.SetMesh(m, MeshGrid::Rectangular(1, 1, {0, 1, 1, 0}, white)), SB_OK);
    SBPathStyle red = style;
    red.fill.color.kind = SB_COLOR_THREE;
    red.fill.color.c.three = {1, 0, 0};
    ASSERT_EQ(d.SetStyle(f.a, red), SB_OK);
    ASSERT_EQ(d.SetOpacity(f.a, 0.25), SB_OK);
    EXPECT_EQ(d.SetOpacity(f.a, 1.5), SB_ERR_BAD_PARAM);
    d.RevertTransaction();
    d.EndTransaction();
    EXPECT_EQ(d.Find(m)->mesh.columns, 2);
    EXPECT_EQ(d.Find(m)->mesh.nodes[0].h, 0);
    EXPECT_EQ(d.Find(f.a)->style.fill.color.kind, style.fill.color.kind);
    EXPECT_EQ(d.Find(f.a)->opacity, 1.0);
}

TEST(UndoJournal, ChangesOutsideATransactionDropTheHistory) {
    // Replaying entries over a tree changed behind the journal's back could link objects to
    // siblings that moved elsewhere; such a change ends the history instead.
    Fixture f;
    Document& d = f.d;
    d.BeginTransaction();
    ASSERT_EQ(d.Reorder(f.a, SB_PLACE_BELOW, f.b), SB_OK);
    d.EndTransaction();
    d.BeginTransaction();
    Id n = NewPath(d, f.layer);
    d.EndTransaction();
    ASSERT_EQ(d.Undo(), SB_OK);  // n now only lives on in the redo entry
    ASSERT_TRUE(d.CanUndo() && d.CanRedo());
    ASSERT_EQ(d.Dispose(f.b), SB_OK);  // unjournalled
    EXPECT_FALSE(d.CanUndo());
    EXPECT_FALSE(d.CanRedo());
    EXPECT_EQ(d.Undo(), SB_ERR_CANT);
    EXPECT_FALSE(d.Exists(n));
    EXPECT_EQ(d.Children(f.layer), (std::vector<Id>{f.a, f.c}));
}

// The structure below an object, as kinds and first points, for comparing a tree with its copy.
std::string Shape(const Document& d, Id id) {
    const Art* a = d.Find(id);
    if (!a) return "gone";
    std::string out = std::to_string(int(a->kind));
    if (!a->segments.empty()) out += "@" + std::to_string(a->segments[0].p.h);
    out += "(";
    for (Id c : d.Children(id)) out += Shape(d, c) + " ";
    return out + ")";
}

TEST(UndoJournal, DuplicatedTreesRevertUndoAndRedoWhole) {
    Fixture f;
    Document& d = f.d;
    // A group holding a compound path of two paths and a path, made outside any transaction.
    Id g = kNoId, compound = kNoId;
    ASSERT_EQ(d.NewArt(ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, f.layer, &g), SB_OK);
    ASSERT_EQ(d.NewArt(ArtKind::Compound, SB_PLACE_INSIDE_ON_TOP, g, &compound), SB_OK);
    SetLine(d, NewPath(d, compound), 4);
    SetLine(d, NewPath(d, compound, SB_PLACE_INSIDE_ON_BOTTOM), 5);
    SetLine(d, NewPath(d, g, SB_PLACE_INSIDE_ON_BOTTOM), 6);
    const std::string shape = Shape(d, g);
    const std::vector<Id> layerBefore = d.Children(f.layer);

    d.BeginTransaction();
    Id copy = kNoId;
    ASSERT_EQ(d.Duplicate(g, SB_PLACE_BELOW, f.c, &copy), SB_OK);
    EXPECT_EQ(Shape(d, copy), shape);
    // Editing and moving the copy's parts is undone with the copy.
    const Id copiedCompound = d.Children(copy).at(0);
    const Id inner = d.Children(copiedCompound).at(1);
    SetLine(d, inner, 50);
    ASSERT_EQ(d.Reorder(inner, SB_PLACE_ABOVE, f.a), SB_OK);
    d.RevertTransaction();
    EXPECT_EQ(d.Children(f.layer), layerBefore);
    EXPECT_FALSE(d.Exists(copy));
    EXPECT_FALSE(d.Exists(inner));
    EXPECT_EQ(Shape(d, g), shape);

    ASSERT_EQ(d.Duplicate(g, SB_PLACE_INSIDE_ON_TOP, g, &copy), SB_OK);  // into itself
    const std::vector<Id> copiedParts = d.Children(copy);
    d.EndTransaction();
    const std::string withCopy = Shape(d, g);
    ASSERT_EQ(d.Undo(), SB_OK);
    EXPECT_EQ(Shape(d, g), shape);
    EXPECT_EQ(d.Find(copy), nullptr);
    for (Id part : copiedParts) EXPECT_EQ(d.Find(part), nullptr);
    ASSERT_EQ(d.Redo(), SB_OK);
    EXPECT_EQ(Shape(d, g), withCopy);
    EXPECT_EQ(d.Children(copy), copiedParts);
}

TEST(UndoJournal, ObjectsTakenOutOfTheTreeAreNotFound) {
    // Every suite call asks whether its object is still in the document; a path found once must
    // not be found after its group leaves the tree, however it leaves.
    Fixture f;
    Document& d = f.d;
    Id g = kNoId, inner = kNoId;
    ASSERT_EQ(d.NewArt(ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, f.layer, &g), SB_OK);
    ASSERT_EQ(d.NewArt(ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, g, &inner), SB_OK);
    const Id p = NewPath(d, inner);
    d.BeginTransaction();
    ASSERT_NE(d.Find(p), nullptr);
    ASSERT_EQ(d.Dispose(g), SB_OK);
    EXPECT_EQ(d.Find(p), nullptr);
    EXPECT_EQ(d.SetClosed(p, true), SB_ERR_STALE);
    d.RevertTransaction();
    ASSERT_NE(d.Find(p), nullptr);

    const Id n = NewPath(d, f.layer);
    Id copy = kNoId;
    ASSERT_EQ(d.Duplicate(g, SB_PLACE_ABOVE, g, &copy), SB_OK);
    const Id copiedPath = d.Children(d.Children(copy).at(0)).at(0);
    ASSERT_NE(d.Find(copiedPath), nullptr);
    ASSERT_NE(d.Find(n), nullptr);
    d.RevertTransaction();
    EXPECT_EQ(d.Find(copiedPath), nullptr);
    EXPECT_EQ(d.Find(n), nullptr);
    ASSERT_NE(d.Find(p), nullptr);

    ASSERT_EQ(d.Duplicate(g, SB_PLACE_ABOVE, g, &copy), SB_OK);
    d.EndTransaction();
    const Id again = d.Children(d.Children(copy).at(0)).at(0);
    ASSERT_NE(d.Find(again), nullptr);
    ASSERT_EQ(d.Undo(), SB_OK);
    EXPECT_EQ(d.Find(again), nullptr);
    ASSERT_EQ(d.Redo(), SB_OK);
    EXPECT_NE(d.Find(again), nullptr);
    ASSERT_EQ(d.Dispose(inner), SB_OK);  // outside a transaction: erased for good
    EXPECT_EQ(d.Find(p), nullptr);
    EXPECT_NE(d.Find(again), nullptr);
}

}  // namespace
}  // namespace scribera
