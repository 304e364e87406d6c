// Whole-tree transforms, gathering and releasing through the stand-in host.
#include "geometry/ArtTransforms.h"
#include "frame/sb/Art.h"
#include "geometry/Errors.h"
#include "support/InProcessHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

using scribera::ArtKind;
using scribera::FromHandle;
using scribera::ToHandle;
using testhost::InProcessHost;

namespace {

using PointMap = std::function<SBRealPoint(SBRealPoint)>;

SBRealPoint Apply(const SBRealMatrix& m, SBRealPoint p) {
    return SBRealPoint{m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

const SBRealMatrix kSkewed{2.0, 0.5, -0.25, 1.5, 30.0, -12.0};

SBPathStyle GradientFill(InProcessHost& host) {
    scribera::GradientData g;
    g.name = "ramp";
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_GRADIENT;
    style.fill.color.c.gradient.gradient = ToHandle<SBGradientHandle>(host.Doc().AddGradient(g));
    style.fill.color.c.gradient.matrix = kSkewed;
    return style;
}

SBPathStyle PatternFillAndStroke(InProcessHost& host) {
    scribera::PatternData p;
    p.name = "dots";
    SBPatternHandle pattern = ToHandle<SBPatternHandle>(host.Doc().AddPattern(p));
    SBPathStyle style{};
    style.fillPaint = 1;
    style.strokePaint = 1;
    style.fill.color.kind = SB_COLOR_PATTERN;
    style.fill.color.c.pattern = SBPatternStyle{pattern, kSkewed};
    style.stroke.color.kind = SB_COLOR_PATTERN;
    style.stroke.color.c.pattern = SBPatternStyle{pattern, SBRealMatrix{1, 0, 0, 1, 5, 5}};
    style.stroke.width = 1;
    return style;
}

// The new matrix must place paint where the point map puts the old placement.
void ExpectMatrixFollows(const SBRealMatrix& before, const SBRealMatrix& after, const PointMap& map) {
    for (SBRealPoint x : {SBRealPoint{0, 0}, SBRealPoint{1, 0}, SBRealPoint{0, 1}, SBRealPoint{-3, 7}}) {
        SBRealPoint expected = map(Apply(before, x)), got = Apply(after, x);
        EXPECT_NEAR(got.h, expected.h, 1e-4);
        EXPECT_NEAR(got.v, expected.v, 1e-4);
    }
}

void ExpectPointsFollow(const std::vector<SBPathSegment>& before, const std::vector<SBPathSegment>& after,
                        const PointMap& map) {
    ASSERT_EQ(before.size(), after.size());
    for (size_t i = 0; i < before.size(); ++i) {
        for (auto field : {&SBPathSegment::p, &SBPathSegment::in, &SBPathSegment::out}) {
            SBRealPoint expected = map(before[i].*field), got = after[i].*field;
            EXPECT_NEAR(got.h, expected.h, 1e-4);
            EXPECT_NEAR(got.v, expected.v, 1e-4);
        }
        EXPECT_EQ(after[i].corner, before[i].corner);
    }
}

int CountTrace(InProcessHost& host, const std::string& op) {
    const auto& trace = host.Session().Trace();
    return int(std::count(trace.begin(), trace.end(), op));
}

}  // namespace

TEST(ArtTransforms, GlideReflectedGradientStaysAlignedWithItsOutline) {
    InProcessHost host;
    std::vector<SBPathSegment> anchors = {
        {{10, 10}, {8, 12}, {12, 8}, 0}, {{40, 20}, {40, 20}, {40, 20}, 1}, {{25, 50}, {30, 52}, {20, 48}, 0}};
    SBArtHandle path = host.AddPath(anchors, true);
    host.Doc().SetStyle(FromHandle(path), GradientFill(host));
    GlideReflectArt(path, 15.0f, 30.0f);
    PointMap glide = [](SBRealPoint p) { return SBRealPoint{p.h + 15.0, 2 * 30.0 - p.v}; };
    ExpectPointsFollow(anchors, host.Anchors(path), glide);
    ExpectMatrixFollows(kSkewed, host.ArtOf(path).style.fill.color.c.gradient.matrix, glide);
}

TEST(ArtTransforms, EveryTransformMovesPointsAndPaintTogether) {
    struct Case {
        const char* name;
        std::function<void(SBArtHandle)> run;
        PointMap map;
    };
    const double s = std::sin(0.7), c = std::cos(0.7);
    Line axis{{3, -2}, {10, 5}};  // the line v = h − 5
    std::vector<Case> cases = {
        {"translate", [](SBArtHandle a) { TranslateArt(a, 12.5f, -4.0f); },
         [](SBRealPoint p) {
             return SBRealPoint{p.h + 12.5, p.v - 4.0};
         }},
        {"rotate",
         [&](SBArtHandle a) {
             RotateArtAboutPoint(a, 0.7f, std::sin(0.7f), std::cos(0.7f), {5, 5});
         },
         [&](SBRealPoint p) {
             double x = p.h - 5, y = p.v - 5;
             return SBRealPoint{5 + x * c - y * s, 5 + x * s + y * c};
         }},
        {"reflect", [&](SBArtHandle a) { ReflectArtAcrossLine(a, axis); },
         [](SBRealPoint p) {
             return SBRealPoint{p.v + 5, p.h - 5};
         }},
    };
    for (const Case& tc : cases) {
        SCOPED_TRACE(tc.name);
        InProcessHost host;
        std::vector<SBPathSegment> anchors = {{{0, 0}, {-2, 1}, {2, -1}, 0}, {{20, 5}, {18, 0}, {22, 10}, 1}};
        SBArtHandle gradient = host.AddPath(anchors, false);
        host.Doc().SetStyle(FromHandle(gradient), GradientFill(host));
        SBArtHandle patterned = host.AddPath(anchors, true);
        SBPathStyle paint = PatternFillAndStroke(host);
        host.Doc().SetStyle(FromHandle(patterned), paint);

        host.Session().SetTracing(true);
        tc.run(gradient);
        // One path: read, write, read the style, write it once per adjusted matrix.
        std::vector<std::string> expected = {"SB Art Suite.GetArtFirstChild",     "SB Art Suite.GetArtType",
                                             "SB Path Suite.GetPathSegmentCount", "SB Path Suite.GetPathSegments",
                                             "SB Path Suite.SetPathSegments",     "SB Path Style Suite.GetPathStyle"};
        std::vector<std::string> trace;
        for (const std::string& op : host.Session().Trace())
            if (op.rfind("SB Real Math", 0) != 0) trace.push_back(op);
        expected.push_back("SB Path Style Suite.SetPathStyle");
        EXPECT_EQ(trace, expected);
        tc.run(patterned);
        host.Session().SetTracing(false);

        ExpectPointsFollow(anchors, host.Anchors(gradient), tc.map);
        ExpectMatrixFollows(kSkewed, host.ArtOf(gradient).style.fill.color.c.gradient.matrix, tc.map);
        ExpectPointsFollow(anchors, host.Anchors(patterned), tc.map);
        // A pattern fill and a pattern stroke: both placed anew, the style written twice.
        const SBPathStyle& moved = host.ArtOf(patterned).style;
        ExpectMatrixFollows(kSkewed, moved.fill.color.c.pattern.matrix, tc.map);
        ExpectMatrixFollows(paint.stroke.color.c.pattern.matrix, moved.stroke.color.c.pattern.matrix, tc.map);
        EXPECT_EQ(CountTrace(host, "SB Path Style Suite.SetPathStyle"), 3);
    }
}

TEST(ArtTransforms, OnlyPathsInsideTheTreeMove) {
    InProcessHost host;
    SBArtHandle above = host.AddPolyline({{0, 0}, {1, 1}}, false);
    SBArtHandle group = host.AddGroup();
    SBArtHandle below = host.AddPolyline({{0, 0}, {1, 1}}, false);
    host.Doc().Reorder(FromHandle(below), SB_PLACE_BELOW, FromHandle(group));
    const SBRealRect frame{5, 20, 15, 10};
    SBArtHandle text = host.AddOther(ArtKind::Text, frame, group);
    SBArtHandle placed = host.AddOther(ArtKind::Placed, frame, group);
    SBArtHandle mesh = host.AddOther(ArtKind::Mesh, frame, group);
    SBColor grey{};
    grey.kind = SB_COLOR_GRAY;
    host.Doc().SetMesh(FromHandle(mesh), scribera::MeshGrid::Rectangular(2, 2, SBRealRect{0, 10, 10, 0}, grey));
    SBArtHandle inner = host.AddGroup(group);
    SBArtHandle deep = host.AddPolyline({{2, 2}, {3, 3}}, false, inner);
    SBArtHandle direct = host.AddPolyline({{4, 4}, {5, 5}}, false, group);

    TranslateArt(group, 100.0f, 0.0f);
    EXPECT_EQ(host.Anchors(deep)[0].p.h, 102.0);
    EXPECT_EQ(host.Anchors(direct)[1].p.h, 105.0);
    EXPECT_EQ(host.ArtOf(mesh).mesh.nodes[4].h, 5.0);  // a mesh is no path: it stays
    for (SBArtHandle other : {text, placed, mesh}) {
        EXPECT_EQ(host.ArtOf(other).frame.left, 5.0);
        EXPECT_EQ(host.ArtOf(other).frame.top, 20.0);
    }
    // The group's siblings stay where they were.
    EXPECT_EQ(host.Anchors(above)[0].p.h, 0.0);
    EXPECT_EQ(host.Anchors(below)[0].p.h, 0.0);
    // Below depth 0 the whole sibling chain is walked.
    TranslateArt(deep, 0.0f, 10.0f, 1);
    EXPECT_EQ(host.Anchors(deep)[0].p.v, 12.0);
}

TEST(ArtTransforms, PathsWithoutAnchors) {
    InProcessHost host;
    SBArtHandle empty = host.AddPath(std::vector<SBPathSegment>{}, false);
    host.Doc().SetStyle(FromHandle(empty), GradientFill(host));
    TranslateArt(empty, 10.0f, 10.0f);
    const SBRealMatrix& kept = host.ArtOf(empty).style.fill.color.c.gradient.matrix;
    EXPECT_EQ(kept.tx, kSkewed.tx);
    EXPECT_EQ(kept.ty, kSkewed.ty);
    EXPECT_TRUE(host.Anchors(empty).empty());
    RotateArtAboutPoint(empty, kHalfPiF, 1.0f, 0.0f, {0, 0});
    const SBRealMatrix& turned = host.ArtOf(empty).style.fill.color.c.gradient.matrix;
    EXPECT_NEAR(turned.tx, 12.0, 1e-4);
    EXPECT_NEAR(turned.ty, 30.0, 1e-4);
    EXPECT_TRUE(host.Anchors(empty).empty());
    EXPECT_THROW(ReflectArtAcrossLine(empty, Line{{1, 1}, {1, 1}}), CheckFailure);
}

TEST(ArtTransforms, GatherArtCases) {
    InProcessHost host;
    ArtList none;
    size_t before = host.Doc().LiveArtCount();
    EXPECT_EQ(GatherArt(none), nullptr);
    EXPECT_EQ(host.Doc().LiveArtCount(), before);

    SBArtHandle lone = host.AddPolyline({{0, 0}, {1, 0}}, false);
    SBArtHandle other = host.AddPolyline({{0, 1}, {1, 1}}, false);
    ArtList one;
    one.Append(lone);
    EXPECT_EQ(GatherArt(one), lone);
    EXPECT_EQ(host.Children(host.LayerGroup()).front(), lone);  // now on top of the layer
    EXPECT_EQ(host.Doc().LiveArtCount(), before + 2);

    SBArtHandle compound = host.AddCompoundPath();
    SBArtHandle a = host.AddPolyline({{0, 0}, {5, 0}, {5, 5}}, true, compound);
    SBArtHandle b = host.AddPolyline({{1, 1}, {2, 1}, {2, 2}}, true, compound);
    ArtList members;
    members.Append(a);
    members.Append(b);
    EXPECT_EQ(GatherArt(members), compound);
    EXPECT_EQ(FindCompoundPathAncestor(a), compound);
    EXPECT_EQ(FindCompoundPathAncestor(lone), nullptr);

    SBArtHandle clip = host.AddGroup(nullptr, true);
    SBArtHandle clippedCompound = host.AddCompoundPath(clip);
    SBArtHandle clippedPath = host.AddPolyline({{0, 0}, {5, 0}, {5, 5}}, true, clippedCompound);
    ArtList inClip;
    inClip.Append(clippedPath);
    EXPECT_EQ(GatherArt(inClip), clip);
    EXPECT_EQ(FindClipGroupAncestor(clippedPath), clip);
    SBArtHandle plainGroup = host.AddGroup();
    SBArtHandle grouped = host.AddPolyline({{0, 0}, {1, 0}}, false, plainGroup);
    EXPECT_EQ(FindClipGroupAncestor(grouped), nullptr);

    // Several objects: a new group on top of the layer holds them in list order.
    ArtList several;
    several.Append(other);
    several.Append(a);
    several.Append(lone);
    several.Append(b);  // same compound as a: not added twice
    SBArtHandle gathered = GatherArt(several);
    ASSERT_NE(gathered, nullptr);
    EXPECT_EQ(host.ArtOf(gathered).kind, ArtKind::Group);
    EXPECT_EQ(host.Children(host.LayerGroup()).front(), gathered);
    std::vector<SBArtHandle> expected = {other, compound, lone};
    EXPECT_EQ(host.Children(gathered), expected);
}

TEST(ArtTransforms, ReleaseGroupAndCollectArtOfKind) {
    InProcessHost host;
    SBArtHandle top = host.AddPolyline({{0, 0}, {1, 0}}, false);
    SBArtHandle group = host.AddGroup();
    SBArtHandle bottom = host.AddPolyline({{0, 0}, {1, 0}}, false);
    host.Doc().Reorder(FromHandle(bottom), SB_PLACE_BELOW, FromHandle(group));
    host.Doc().Reorder(FromHandle(top), SB_PLACE_ABOVE, FromHandle(group));
    SBArtHandle c3 = host.AddPolyline({{3, 0}, {1, 0}}, false, group);
    SBArtHandle sub = host.AddGroup(group);
    SBArtHandle nested = host.AddPolyline({{9, 9}, {1, 0}}, false, sub);
    SBArtHandle c1 = host.AddPolyline({{1, 0}, {1, 1}}, false, group);

    ArtList paths;
    CollectArtOfKind(group, kArtPath, paths);  // the group, its following siblings, all below
    ASSERT_EQ(paths.Count(), 4);
    EXPECT_EQ(paths[0], c1);
    EXPECT_EQ(paths[1], nested);
    EXPECT_EQ(paths[2], c3);
    EXPECT_EQ(paths[3], bottom);
    ArtList groups;
    CollectArtOfKind(host.LayerGroup(), kArtGroup, groups);
    EXPECT_EQ(groups.Count(), 3);  // the layer's own group, the group and the sub-group

    ReleaseGroup(group);
    EXPECT_FALSE(host.Doc().Exists(FromHandle(group)));
    std::vector<SBArtHandle> expected = {top, c1, sub, c3, bottom};
    EXPECT_EQ(host.Children(host.LayerGroup()), expected);

    SBArtHandle empty = host.AddGroup();
    ReleaseGroup(empty);
    EXPECT_FALSE(host.Doc().Exists(FromHandle(empty)));
    EXPECT_EQ(host.Children(host.LayerGroup()), expected);
}

TEST(ArtTransforms, PolarConversions) {
    float r = -1, angle = -1;
    CartesianToPolar(0.0f, 0.0f, r, angle);
    EXPECT_EQ(r, 0.0f);
    EXPECT_EQ(angle, 0.0f);
    CartesianToPolar(0.0f, 1.0f, r, angle);
    EXPECT_EQ(r, 1.0f);
    EXPECT_FLOAT_EQ(angle, kHalfPiF);
    CartesianToPolar(-3.0f, -4.0f, r, angle);
    EXPECT_EQ(r, 5.0f);
    double h = 0, v = 0;
    PolarToCartesian(r, angle, h, v);
    EXPECT_NEAR(h, -3.0, 1e-5);
    EXPECT_NEAR(v, -4.0, 1e-5);
    // Single precision widened: the value is exactly a float.
    EXPECT_EQ(double(float(h)), h);
}

namespace {

std::vector<SBArtHandle> PathsIn(SBArtHandle tree) {
    ArtList list;
    if (SBArtHandle child = sb::GetArtFirstChild(tree)) CollectArtOfKind(child, kArtPath, list);
    std::vector<SBArtHandle> out;
    for (int32_t i = 0; i < list.Count(); ++i) out.push_back(list[i]);
    return out;
}

void ExpectSameMatrix(const SBRealMatrix& a, const SBRealMatrix& b) {
    EXPECT_EQ(a.a, b.a);
    EXPECT_EQ(a.b, b.b);
    EXPECT_EQ(a.c, b.c);
    EXPECT_EQ(a.d, b.d);
    EXPECT_EQ(a.tx, b.tx);
    EXPECT_EQ(a.ty, b.ty);
}

}  // namespace

TEST(ArtTransforms, ASnapshotTurnsDuplicatesExactlyAsRotatingThemDoes) {
    // A tree with every kind of leaf the walk meets: curved and empty paths, paint with and
    // without a placement, a compound path, a nested group, something that is no path.
    InProcessHost host;
    SBArtHandle motif = host.AddGroup();
    SBArtHandle curve = host.AddPath({{{1.25, 2.5}, {0.5, 2}, {2, 3.75}, 0}, {{7.1, -3.3}, {6, -2}, {8.5, -4}, 1}},
                                     true, motif);
    host.Doc().SetStyle(FromHandle(curve), GradientFill(host));
    SBArtHandle compound = host.AddCompoundPath(motif);
    SBArtHandle patterned = host.AddPolyline({{0, 0}, {10, 0}, {10, 10}}, true, compound);
    host.Doc().SetStyle(FromHandle(patterned), PatternFillAndStroke(host));
    host.AddPolyline({{3, 3}, {4, 3}, {4, 4}}, true, compound);
    SBArtHandle inner = host.AddGroup(motif);
    SBArtHandle empty = host.AddPath(std::vector<SBPathSegment>{}, false, inner);
    host.Doc().SetStyle(FromHandle(empty), GradientFill(host));
    host.AddPolyline({{-5, 1e-3}, {123.456, 7.89}}, false, inner);
    host.AddOther(ArtKind::Text, SBRealRect{5, 20, 15, 10}, inner);

    const ArtSnapshot snapshot(motif);
    const RealPoint centre{3.5, -1.25};
    for (int i = 1; i < 8; ++i) {
        SCOPED_TRACE(i);
        const float radians = 0.785f * float(i);
        SBArtHandle viaSnapshot = sb::DuplicateArt(motif, kPlaceAbove, motif);
        SBArtHandle viaRotation = sb::DuplicateArt(motif, kPlaceAbove, motif);
        snapshot.WriteRotated(viaSnapshot, radians, SinF(radians), CosF(radians), centre);
        RotateArtAboutPoint(viaRotation, radians, SinF(radians), CosF(radians), centre);
        const std::vector<SBArtHandle> a = PathsIn(viaSnapshot), b = PathsIn(viaRotation);
        ASSERT_EQ(a.size(), 5u);
        ASSERT_EQ(a.size(), b.size());
        for (size_t k = 0; k < a.size(); ++k) {
            const std::vector<SBPathSegment> x = host.Anchors(a[k]), y = host.Anchors(b[k]);
            ASSERT_EQ(x.size(), y.size());
            for (size_t j = 0; j < x.size(); ++j)
                for (auto field : {&SBPathSegment::p, &SBPathSegment::in, &SBPathSegment::out}) {
                    EXPECT_EQ((x[j].*field).h, (y[j].*field).h);
                    EXPECT_EQ((x[j].*field).v, (y[j].*field).v);
                }
            const SBPathStyle& s = host.ArtOf(a[k]).style;
            const SBPathStyle& t = host.ArtOf(b[k]).style;
            ASSERT_EQ(s.fill.color.kind, t.fill.color.kind);
            if (s.fill.color.kind == SB_COLOR_GRADIENT)
                ExpectSameMatrix(s.fill.color.c.gradient.matrix, t.fill.color.c.gradient.matrix);
            if (s.fill.color.kind == SB_COLOR_PATTERN)
                ExpectSameMatrix(s.fill.color.c.pattern.matrix, t.fill.color.c.pattern.matrix);
            if (s.stroke.color.kind == SB_COLOR_PATTERN)
                ExpectSameMatrix(s.stroke.color.c.pattern.matrix, t.stroke.color.c.pattern.matrix);
        }
        // The copies really turned: the curve's first anchor moved.
        EXPECT_NE(host.Anchors(a[0])[0].p.h, 1.25);
    }

    // A duplicate that no longer has the motif's shape is refused.
    SBArtHandle changed = sb::DuplicateArt(motif, kPlaceAbove, motif);
    host.AddPolyline({{0, 0}, {1, 1}}, false, changed);
    EXPECT_THROW(snapshot.WriteRotated(changed, 1.0f, SinF(1.0f), CosF(1.0f), centre), CheckFailure);
    SBArtHandle lone = host.AddPolyline({{0, 0}, {1, 1}}, false);
    EXPECT_THROW(snapshot.WriteRotated(lone, 1.0f, SinF(1.0f), CosF(1.0f), centre), CheckFailure);
}
