// The document's art tree: placements, reordering, duplicates, dispose and bounds.
#include "core/Document.h"

#include <gtest/gtest.h>

#include <cmath>

namespace scribera {
namespace {

Id Make(Document& d, ArtKind kind, int16_t placement, Id ref) {
    Id id = kNoId;
    EXPECT_EQ(d.NewArt(kind, placement, ref, &id), SB_OK);
    return id;
}

SBPathSegment Corner(double h, double v) {
    SBPathSegment s{};
    s.p = s.in = s.out = {h, v};
    s.corner = 1;
    return s;
}

TEST(DocumentTree, PlacementsAroundAndIntoGroups) {
    Document d(100, 100);
    const Id layer = d.CurrentLayerGroup();
    const Id a = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer);
    const Id b = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer);     // b above a
    const Id c = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_BOTTOM, layer);  // c at the bottom
    const Id g = Make(d, ArtKind::Group, SB_PLACE_ABOVE, a);                // between b and a
    const Id e = Make(d, ArtKind::Path, SB_PLACE_BELOW, b);                 // between b and g
    EXPECT_EQ(d.Children(layer), (std::vector<Id>{b, e, g, a, c}));
    EXPECT_EQ(d.PriorSibling(b), kNoId);
    EXPECT_EQ(d.NextSibling(c), kNoId);
    EXPECT_EQ(d.PriorSibling(g), e);
    EXPECT_EQ(d.Parent(layer), kNoId);

    const Id in1 = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, g);
    const Id in2 = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_BOTTOM, g);
    const Id in0 = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, g);
    EXPECT_EQ(d.Children(g), (std::vector<Id>{in0, in1, in2}));
    EXPECT_EQ(d.Parent(in2), g);
    EXPECT_EQ(d.FirstChild(g), in0);
    // Document order: top first, parents before children.
    EXPECT_EQ(d.DocumentOrder(), (std::vector<Id>{b, e, g, in0, in1, in2, a, c}));

    // A null reference means the current layer: its top or its bottom.
    const Id top = Make(d, ArtKind::Path, SB_PLACE_ABOVE, kNoId);
    const Id bottom = Make(d, ArtKind::Path, SB_PLACE_BELOW, kNoId);
    EXPECT_EQ(d.FirstChild(layer), top);
    EXPECT_EQ(d.Children(layer).back(), bottom);
}

// Gray is an amount of ink: a path made without a style must show a black stroke (gray 1), not
// a white one that vanishes on the page, and no fill.
TEST(DocumentTree, NewPathWithoutStyleHasAThinBlackStroke) {
    Document d(100, 100);
    const Id p = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, d.CurrentLayerGroup());
    const Art* a = d.Find(p);
    ASSERT_TRUE(a);
    EXPECT_EQ(a->style.fillPaint, 0);
    EXPECT_EQ(a->style.strokePaint, 1);
    EXPECT_EQ(a->style.stroke.color.kind, SB_COLOR_GRAY);
    EXPECT_EQ(a->style.stroke.color.c.gray.gray, 1.0);
    EXPECT_EQ(a->style.stroke.width, 1.0);
    // A group has no paint of its own.
    const Id g = Make(d, ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, d.CurrentLayerGroup());
    EXPECT_EQ(d.Find(g)->style.strokePaint, 0);
}

TEST(DocumentTree, PlacementErrorsChangeNothing) {
    Document d(100, 100);
    const Id layer = d.CurrentLayerGroup();
    const Id p = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer);
    const Id cp = Make(d, ArtKind::Compound, SB_PLACE_INSIDE_ON_TOP, layer);
    Id out = 77;
    EXPECT_EQ(d.NewArt(ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, p, &out), SB_ERR_BAD_PARAM);  // into a path
    EXPECT_EQ(d.NewArt(ArtKind::Path, 0, layer, &out), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.NewArt(ArtKind::Path, 5, layer, &out), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.NewArt(ArtKind::Path, SB_PLACE_ABOVE, layer, &out), SB_ERR_BAD_PARAM);  // beside a layer
    EXPECT_EQ(d.NewArt(ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, cp, &out), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.NewArt(ArtKind::Layer, SB_PLACE_INSIDE_ON_TOP, layer, &out), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.NewArt(ArtKind::Path, SB_PLACE_ABOVE, 999999, &out), SB_ERR_STALE);
    EXPECT_EQ(out, 77u);
    EXPECT_EQ(d.Children(layer), (std::vector<Id>{cp, p}));
    EXPECT_EQ(d.NewArt(ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, cp, &out), SB_OK);  // paths go into compounds
}

TEST(DocumentTree, ReorderKeepsTheTreeSound) {
    Document d(100, 100);
    const Id layer = d.CurrentLayerGroup();
    const Id g = Make(d, ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, layer);
    const Id inner = Make(d, ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, g);
    const Id p = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, inner);
    const Id q = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_BOTTOM, layer);

    EXPECT_EQ(d.Reorder(g, SB_PLACE_INSIDE_ON_TOP, inner), SB_ERR_BAD_PARAM);  // into its own descendant
    EXPECT_EQ(d.Reorder(g, SB_PLACE_INSIDE_ON_TOP, g), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.Reorder(g, SB_PLACE_ABOVE, g), SB_OK);  // no move at all
    EXPECT_EQ(d.Reorder(layer, SB_PLACE_INSIDE_ON_TOP, g), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.Children(layer), (std::vector<Id>{g, q}));

    ASSERT_EQ(d.Reorder(q, SB_PLACE_INSIDE_ON_BOTTOM, inner), SB_OK);
    EXPECT_EQ(d.Children(inner), (std::vector<Id>{p, q}));
    ASSERT_EQ(d.Reorder(p, SB_PLACE_BELOW, q), SB_OK);
    EXPECT_EQ(d.Children(inner), (std::vector<Id>{q, p}));
    ASSERT_EQ(d.Reorder(p, SB_PLACE_ABOVE, g), SB_OK);
    EXPECT_EQ(d.Children(layer), (std::vector<Id>{p, g}));
    EXPECT_EQ(d.Children(inner), (std::vector<Id>{q}));
    EXPECT_EQ(d.Parent(p), layer);
}

TEST(DocumentTree, DuplicateIsDeepWithNewIds) {
    Document d(100, 100);
    const Id layer = d.CurrentLayerGroup();
    const Id g = Make(d, ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, layer);
    const Id p = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, g);
    const SBPathSegment segs[2] = {Corner(0, 0), Corner(10, 5)};
    ASSERT_EQ(d.SetSegmentCount(p, 2), SB_OK);
    ASSERT_EQ(d.SetSegments(p, 0, segs, 2), SB_OK);
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_THREE;
    style.fill.color.c.three = {0.25, 0.5, 0.75};
    ASSERT_EQ(d.SetStyle(p, style), SB_OK);
    ASSERT_EQ(d.SetOpacity(p, 0.5), SB_OK);
    ASSERT_EQ(d.SetClipped(g, true), SB_OK);

    Id copy = kNoId;
    ASSERT_EQ(d.Duplicate(g, SB_PLACE_BELOW, g, &copy), SB_OK);
    EXPECT_NE(copy, g);
    EXPECT_EQ(d.Children(layer), (std::vector<Id>{g, copy}));
    const auto kids = d.Children(copy);
    ASSERT_EQ(kids.size(), 1u);
    EXPECT_NE(kids[0], p);
    const Art* c = d.Find(kids[0]);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->segments.size(), 2u);
    EXPECT_EQ(c->segments[1].p.h, 10);
    EXPECT_EQ(c->style.fill.color.kind, SB_COLOR_THREE);
    EXPECT_EQ(c->style.fill.color.c.three.blue, 0.75);
    EXPECT_EQ(c->opacity, 0.5);
    EXPECT_TRUE(d.Find(copy)->clipped);
    // The copy is independent of the original.
    ASSERT_EQ(d.SetSegmentCount(kids[0], 1), SB_OK);
    EXPECT_EQ(d.Find(p)->segments.size(), 2u);
    // Duplicating a group into itself copies it as it was.
    Id self = kNoId;
    ASSERT_EQ(d.Duplicate(g, SB_PLACE_INSIDE_ON_TOP, g, &self), SB_OK);
    EXPECT_EQ(d.Children(g).size(), 2u);
    EXPECT_EQ(d.Children(self).size(), 1u);
}

TEST(DocumentTree, DisposeTakesTheSubtree) {
    Document d(100, 100);
    const Id layer = d.CurrentLayerGroup();
    const Id g = Make(d, ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, layer);
    const Id p = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, g);
    const Id q = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer);
    ASSERT_EQ(d.Dispose(g), SB_OK);
    EXPECT_FALSE(d.Exists(g));
    EXPECT_FALSE(d.Exists(p));
    EXPECT_EQ(d.Dispose(p), SB_ERR_STALE);
    EXPECT_EQ(d.Dispose(layer), SB_ERR_BAD_PARAM);
    EXPECT_EQ(d.Children(layer), (std::vector<Id>{q}));
    EXPECT_EQ(d.LiveArtCount(), 1u);
}

TEST(DocumentTree, BoundsAreTheCurvesExtent) {
    Document d(100, 100);
    const Id layer = d.CurrentLayerGroup();
    const Id p = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer);
    SBRealRect r{};
    EXPECT_FALSE(d.Bounds(p, &r));  // no anchors
    // One arch from (0,0) to (10,0) with both controls at height 8: its top is at 6, not 8.
    SBPathSegment s[2] = {Corner(0, 0), Corner(10, 0)};
    s[0].out = {0, 8};
    s[1].in = {10, 8};
    ASSERT_EQ(d.SetSegmentCount(p, 2), SB_OK);
    ASSERT_EQ(d.SetSegments(p, 0, s, 2), SB_OK);
    ASSERT_TRUE(d.Bounds(p, &r));
    EXPECT_DOUBLE_EQ(r.left, 0);
    EXPECT_DOUBLE_EQ(r.right, 10);
    EXPECT_DOUBLE_EQ(r.bottom, 0);
    EXPECT_NEAR(r.top, 6, 1e-12);
    // Closing the path adds the span back from the last anchor to the first, here a straight line.
    ASSERT_EQ(d.SetClosed(p, true), SB_OK);
    ASSERT_TRUE(d.Bounds(p, &r));
    EXPECT_NEAR(r.top, 6, 1e-12);
    // A curve bulging sideways past its anchors.
    SBPathSegment t[2] = {Corner(0, 0), Corner(0, 10)};
    t[0].out = {-6, 3};
    t[1].in = {9, 7};
    const Id q = Make(d, ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer);
    ASSERT_EQ(d.SetSegmentCount(q, 2), SB_OK);
    ASSERT_EQ(d.SetSegments(q, 0, t, 2), SB_OK);
    ASSERT_TRUE(d.Bounds(q, &r));
    double lo = 0, hi = 0;
    for (int i = 0; i <= 100000; ++i) {
        const double u = i / 100000.0, w = 1 - u;
        const double h = 3 * w * w * u * -6 + 3 * w * u * u * 9;
        lo = std::min(lo, h);
        hi = std::max(hi, h);
    }
    EXPECT_NEAR(r.left, lo, 1e-6);
    EXPECT_NEAR(r.right, hi, 1e-6);
    EXPECT_LE(r.left, lo);
    // The layer's bounds are the union of its art.
    ASSERT_TRUE(d.Bounds(layer, &r));
    EXPECT_NEAR(r.right, 10, 1e-12);
    EXPECT_NEAR(r.top, 10, 1e-12);
}

}  // namespace
}  // namespace scribera

namespace scribera {
namespace {

// Imported artwork may nest far deeper than anything drawn by hand; nothing may recurse on it.
TEST(DocumentTree, DeepNestingIsWalkedCopiedAndDisposed) {
    Document d(100, 100);
    Id parent = d.CurrentLayerGroup();
    std::vector<Id> chain;
    for (int i = 0; i < 5000; ++i) {
        Id g = kNoId;
        ASSERT_EQ(d.NewArt(ArtKind::Group, SB_PLACE_INSIDE_ON_TOP, parent, &g), SB_OK);
        chain.push_back(g);
        parent = g;
    }
    Id leaf = kNoId;
    ASSERT_EQ(d.NewArt(ArtKind::Text, SB_PLACE_INSIDE_ON_TOP, parent, &leaf), SB_OK);
    ASSERT_EQ(d.SetText(leaf, "deep", {1, 4, 3, 2}), SB_OK);
    SBRealRect r{};
    ASSERT_TRUE(d.Bounds(chain.front(), &r));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(r.top, 4);
    EXPECT_EQ(d.DocumentOrder().size(), chain.size() + 1);
    Id copy = kNoId;
    d.BeginTransaction();
    ASSERT_EQ(d.Duplicate(chain[4990], SB_PLACE_BELOW, chain[4990], &copy), SB_OK);
    EXPECT_EQ(d.Children(copy).size(), 1u);
    d.RevertTransaction();
    d.EndTransaction();
    EXPECT_FALSE(d.Exists(copy));
    ASSERT_EQ(d.Dispose(chain.front()), SB_OK);
    EXPECT_EQ(d.LiveArtCount(), 0u);
}

}  // namespace
}  // namespace scribera
