// The mirror engine against the stand-in host: each mirror type on simple shapes whose result is
// known, the nudge, compound paths, clip groups and paint with its own placement.
#include "geometry/ArtTransforms.h"
#include "geometry/Errors.h"
#include "mirror/VMirror.h"
#include "mirror_fixture.h"
#include "support/InProcessHost.h"

#include <gtest/gtest.h>

#include <cmath>

using mirrortest::Circle;
using mirrortest::KeptDistance;
using mirrortest::Sample;
using mirrortest::Segments;
using mirrortest::SignedArea;
using scribera::ArtKind;
using scribera::FromHandle;
using scribera::ToHandle;
using testhost::InProcessHost;

namespace {

SBPathStyle Filled() {
    SBPathStyle s{};
    s.fillPaint = 1;
    s.fill.color.kind = SB_COLOR_GRAY;
    s.stroke.color.kind = SB_COLOR_NONE;
    return s;
}

SBPathStyle StrokeOnly() {
    SBPathStyle s{};
    s.fillPaint = 0;
    s.fill.color.kind = SB_COLOR_NONE;
    s.strokePaint = 1;
    s.stroke.color.kind = SB_COLOR_GRAY;
    s.stroke.width = 1;
    return s;
}

MirrorParams Params(int32_t type, double angle = 0, RealPoint origin = {100, 100}, double offset = 0) {
    MirrorParams p;
    p.offset = offset;
    p.angle = angle;
    p.origin = origin;
    p.mirrorType = type;
    return p;
}

SBArtHandle AddStyled(InProcessHost& host, const std::vector<SBPathSegment>& anchors, bool closed,
                      const SBPathStyle& style, SBArtHandle parent = nullptr) {
    SBArtHandle path = host.AddPath(anchors, closed, parent);
    host.Doc().SetStyle(FromHandle(path), style);
    return path;
}

ArtList ListOf(std::initializer_list<SBArtHandle> items) {
    ArtList list;
    for (SBArtHandle a : items) list.Append(a);
    return list;
}

bool Exists(InProcessHost& host, SBArtHandle art) { return host.Doc().Exists(FromHandle(art)); }

std::vector<BezierSegment> CurveOf(InProcessHost& host, SBArtHandle path) {
    return Segments(host.Anchors(path), host.Closed(path));
}

// Every sampled curve point lies on the kept side (within the crossing search's tolerance).
void ExpectOnKeptSide(InProcessHost& host, SBArtHandle path, const Line& axis) {
    for (const RealPoint& p : Sample(CurveOf(host, path))) ASSERT_GT(KeptDistance(axis, p), -1e-4) << p.h << "," << p.v;
}

// Every sampled curve point lies on the original outline (or, with `axis`, on it or its image).
void ExpectOnOutline(InProcessHost& host, SBArtHandle path, const std::vector<BezierSegment>& outline, double tol,
                     const Line* axis = nullptr) {
    const std::vector<RealPoint> dense = Sample(outline, 2000);
    for (const RealPoint& p : Sample(CurveOf(host, path))) {
        double d = mirrortest::DistanceToPolyline(p, dense);
        if (axis) {
            RealPoint q = p;
            axis->ReflectPoint(&q);
            d = std::min(d, mirrortest::DistanceToPolyline(q, dense));
        }
        ASSERT_LT(d, tol) << p.h << "," << p.v;
    }
}

// The curve maps onto itself under the reflection: every sampled point has its image near the
// curve (measured against a dense sampling).
void ExpectSymmetric(InProcessHost& host, SBArtHandle path, const Line& axis, double tol) {
    const std::vector<RealPoint> dense = Sample(CurveOf(host, path), 400);
    for (const RealPoint& p : Sample(CurveOf(host, path), 16)) {
        RealPoint q = p;
        axis.ReflectPoint(&q);
        double best = 1e300;
        for (const RealPoint& d : dense) best = std::min(best, std::hypot(d.h - q.h, d.v - q.v));
        ASSERT_LT(best, tol) << p.h << "," << p.v;
    }
}

}  // namespace

TEST(MirrorEngine, CircleUnderEachTypeKeepsTheRightHalf) {
    const double r = 50;
    const std::vector<BezierSegment> outline = Segments(Circle(100, 100, r, 0), true);
    const double area = SignedArea(outline);
    {
        InProcessHost host;
        SBArtHandle circle = AddStyled(host, Circle(100, 100, r, 0), true, Filled());
        VMirror engine(Params(MirrorJoin));
        engine.Run(ListOf({circle}));
        EXPECT_FALSE(Exists(host, circle));
        ASSERT_EQ(engine.Results().Count(), 1);
        SBArtHandle out = engine.Results()[0];
        EXPECT_TRUE(host.Closed(out));
        ExpectOnOutline(host, out, outline, 1e-4, &engine.Axis());
        ExpectSymmetric(host, out, engine.Axis(), 0.05);
        EXPECT_NEAR(std::fabs(SignedArea(CurveOf(host, out))), area, area * 1e-4);
        EXPECT_EQ(host.ArtOf(out).userAttr & SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    }
    {
        InProcessHost host;
        SBArtHandle circle = AddStyled(host, Circle(100, 100, r, 0), true, Filled());
        VMirror engine(Params(CutClosed));
        engine.Run(ListOf({circle}));
        EXPECT_FALSE(Exists(host, circle));
        ASSERT_EQ(engine.Results().Count(), 1);
        SBArtHandle out = engine.Results()[0];
        EXPECT_TRUE(host.Closed(out));
        ExpectOnKeptSide(host, out, engine.Axis());
        EXPECT_NEAR(std::fabs(SignedArea(CurveOf(host, out))), area / 2, area * 1e-4);
        // The straight side lies on the axis.
        int onAxis = 0;
        for (const SBPathSegment& a : host.Anchors(out)) onAxis += std::fabs(a.p.h - 100) < 1e-4;
        EXPECT_EQ(onAxis, 2);
        // That side is a plain edge: its end anchors are corners with no handle along the axis.
        const auto anchors = host.Anchors(out);
        for (size_t i = 0; i < anchors.size(); ++i) {
            const SBPathSegment& a = anchors[i];
            const SBPathSegment& b = anchors[(i + 1) % anchors.size()];
            if (std::fabs(a.p.h - 100) > 1e-4 || std::fabs(b.p.h - 100) > 1e-4) continue;
            EXPECT_EQ(a.out.h, a.p.h);
            EXPECT_EQ(a.out.v, a.p.v);
            EXPECT_EQ(b.in.h, b.p.h);
            EXPECT_EQ(b.in.v, b.p.v);
            EXPECT_TRUE(a.corner);
            EXPECT_TRUE(b.corner);
        }
    }
    {
        InProcessHost host;
        SBArtHandle circle = AddStyled(host, Circle(100, 100, r, 0), true, StrokeOnly());
        VMirror engine(Params(CutOpen));
        engine.Run(ListOf({circle}));
        EXPECT_FALSE(Exists(host, circle));
        ASSERT_EQ(engine.Results().Count(), 1);
        SBArtHandle out = engine.Results()[0];
        EXPECT_FALSE(host.Closed(out));
        ExpectOnOutline(host, out, outline, 1e-5);
        ExpectOnKeptSide(host, out, engine.Axis());
        auto anchors = host.Anchors(out);
        ASSERT_GE(anchors.size(), 2u);
        EXPECT_NEAR(anchors.front().p.h, 100, 1e-4);
        EXPECT_NEAR(anchors.back().p.h, 100, 1e-4);
        EXPECT_NEAR(std::fabs(anchors.front().p.v - anchors.back().p.v), 2 * r, 1e-4);
    }
}

TEST(MirrorEngine, AxisAngleAndOffsetChooseTheKeptSide) {
    // Angle 90: the axis is horizontal and the kept side is the upper half; a positive offset
    // moves the axis up.
    InProcessHost host;
    SBArtHandle circle = AddStyled(host, Circle(100, 100, 50, 0), true, Filled());
    VMirror engine(Params(CutClosed, 90, {100, 100}, 20));
    engine.Run(ListOf({circle}));
    ASSERT_EQ(engine.Results().Count(), 1);
    for (const SBPathSegment& a : host.Anchors(engine.Results()[0])) EXPECT_GE(a.p.v, 120 - 1e-4);
    // The circular segment above v = 120, corrected by the drawn circle's excess over a true one.
    const double excess = SignedArea(Segments(Circle(100, 100, 50, 0), true)) / (M_PI * 2500);
    const double segmentArea = (50 * 50 * std::acos(20.0 / 50) - 20 * std::sqrt(50.0 * 50 - 20 * 20)) * excess;
    EXPECT_NEAR(std::fabs(SignedArea(CurveOf(host, engine.Results()[0]))), segmentArea, segmentArea * 1e-4);
}

TEST(MirrorEngine, PathsWhollyOnOneSide) {
    InProcessHost host;
    SBArtHandle keptSquare = AddStyled(
        host,
        {testhost::Corner(120, 0), testhost::Corner(140, 0), testhost::Corner(140, 20), testhost::Corner(120, 20)},
        true, Filled());
    SBArtHandle goneSquare = AddStyled(
        host, {testhost::Corner(20, 0), testhost::Corner(40, 0), testhost::Corner(40, 20), testhost::Corner(20, 20)},
        true, Filled());
    // Touches the axis at one corner from the removed side: it lies on that side.
    SBArtHandle touching = AddStyled(
        host, {testhost::Corner(80, 50), testhost::Corner(100, 60), testhost::Corner(80, 70)}, true, Filled());
    VMirror engine(Params(MirrorJoin));
    engine.Run(ListOf({keptSquare, goneSquare, touching}));
    EXPECT_FALSE(Exists(host, goneSquare));
    EXPECT_FALSE(Exists(host, touching));
    ASSERT_TRUE(Exists(host, keptSquare));
    ASSERT_EQ(engine.Results().Count(), 2);
    SBArtHandle twin = engine.Results()[0];
    EXPECT_EQ(engine.Results()[1], keptSquare);
    // The twin lies directly below the kept path and is its reflection.
    EXPECT_EQ(host.Doc().NextSibling(FromHandle(keptSquare)), FromHandle(twin));
    EXPECT_TRUE(host.Closed(twin));
    SBRealRect b{};
    ASSERT_TRUE(host.Doc().Bounds(FromHandle(twin), &b));
    EXPECT_NEAR(b.left, 60, 1e-9);
    EXPECT_NEAR(b.right, 80, 1e-9);

    // The other modes keep the path alone and make no twin.
    for (int32_t type : {int32_t(CutClosed), int32_t(CutOpen), int32_t(CutAuto)}) {
        InProcessHost h2;
        SBArtHandle kept = AddStyled(
            h2, {testhost::Corner(120, 0), testhost::Corner(140, 0), testhost::Corner(140, 20)}, true, Filled());
        SBArtHandle gone =
            AddStyled(h2, {testhost::Corner(20, 0), testhost::Corner(40, 0), testhost::Corner(40, 20)}, true, Filled());
        VMirror e2(Params(type));
        e2.Run(ListOf({kept, gone}));
        ASSERT_EQ(e2.Results().Count(), 1) << type;
        EXPECT_EQ(e2.Results()[0], kept);
        EXPECT_FALSE(Exists(h2, gone));
    }
    // A type the engine does not know is refused before anything changes.
    for (int32_t type : {0, 8, -1, 99}) {
        InProcessHost h3;
        SBArtHandle gone =
            AddStyled(h3, {testhost::Corner(20, 0), testhost::Corner(40, 0), testhost::Corner(40, 20)}, true, Filled());
        VMirror e3(Params(type));
        EXPECT_THROW(e3.Run(ListOf({gone})), CheckFailure) << type;
        EXPECT_TRUE(Exists(h3, gone)) << type;
    }
}

TEST(MirrorEngine, FirstAnchorOnTheAxisNudgesTheAxisTowardTheKeptSide) {
    InProcessHost host;
    // The first anchor (100, 150) lies on the axis; so does the second after one nudge would
    // not be, so one step of 0.01 suffices.
    SBArtHandle circle = AddStyled(host, Circle(100, 100, 50, 90), true, Filled());
    VMirror engine(Params(CutClosed));
    engine.Run(ListOf({circle}));
    EXPECT_NEAR(engine.Params().offset, 0.01, 1e-12);
    EXPECT_NEAR(engine.Axis().p1.h, 100.01, 1e-5);
    ASSERT_EQ(engine.Results().Count(), 1);
    double minH = 1e9;
    for (const SBPathSegment& a : host.Anchors(engine.Results()[0])) minH = std::min(minH, a.p.h);
    EXPECT_NEAR(minH, 100.01, 1e-4);

    // The nudged offset stays with the engine: a second run starts from it.
    SBArtHandle second = AddStyled(host, Circle(100.01, 300, 20, 90), true, Filled());
    engine.Run(ListOf({second}));
    EXPECT_NEAR(engine.Params().offset, 0.02, 1e-12);
}

TEST(MirrorEngine, RingCutClosedMakesOneCShape) {
    InProcessHost host;
    SBArtHandle ring = host.AddCompoundPath();
    SBArtHandle outer = AddStyled(host, Circle(100, 100, 50, 30), true, Filled(), ring);
    SBArtHandle inner = AddStyled(host, Circle(100, 100, 30, 200, true), true, Filled(), ring);
    VMirror engine(Params(CutClosed));
    engine.Run(ListOf({outer, inner}));
    EXPECT_FALSE(Exists(host, outer));
    EXPECT_FALSE(Exists(host, inner));
    ASSERT_EQ(engine.Results().Count(), 1);
    SBArtHandle c = engine.Results()[0];
    EXPECT_TRUE(host.Closed(c));
    // The compound path had one child left and gave way to it.
    EXPECT_FALSE(Exists(host, ring));
    const double half =
        (SignedArea(Segments(Circle(100, 100, 50), true)) - SignedArea(Segments(Circle(100, 100, 30), true))) / 2;
    EXPECT_NEAR(std::fabs(SignedArea(CurveOf(host, c))), half, half * 1e-4);
    ExpectOnKeptSide(host, c, engine.Axis());
    // Outer half, axis segment, inner half, axis segment: four anchors on the axis.
    int onAxis = 0;
    for (const SBPathSegment& a : host.Anchors(c)) onAxis += std::fabs(a.p.h - 100) < 1e-4;
    EXPECT_EQ(onAxis, 4);
}

TEST(MirrorEngine, RingMirrorJoinStaysACompoundPathWithAHole) {
    InProcessHost host;
    SBArtHandle ring = host.AddCompoundPath();
    SBArtHandle outer = AddStyled(host, Circle(100, 100, 50, 30), true, Filled(), ring);
    SBArtHandle inner = AddStyled(host, Circle(100, 100, 30, 200, true), true, Filled(), ring);
    VMirror engine(Params(MirrorJoin));
    engine.Run(ListOf({outer, inner}));
    ASSERT_EQ(engine.Results().Count(), 2);
    ASSERT_TRUE(Exists(host, ring));
    double net = 0;
    for (int32_t i = 0; i < 2; ++i) {
        SBArtHandle p = engine.Results()[i];
        EXPECT_EQ(host.Doc().Parent(FromHandle(p)), FromHandle(ring));
        ExpectSymmetric(host, p, engine.Axis(), 0.05);
        net += SignedArea(CurveOf(host, p));
    }
    // Opposite windings: the inner circle stays a hole.
    const double full =
        SignedArea(Segments(Circle(100, 100, 50), true)) - SignedArea(Segments(Circle(100, 100, 30), true));
    EXPECT_NEAR(std::fabs(net), full, full * 1e-4);
}

TEST(MirrorEngine, OpenArcCutOpenKeepsOnlyVisibleGeometry) {
    InProcessHost host;
    // An open half circle from the bottom through the right to the top, crossing x = 120.
    auto c = Circle(100, 100, 50, -90);
    std::vector<SBPathSegment> arc{c[0], c[1], c[2]};
    SBArtHandle path = AddStyled(host, arc, false, StrokeOnly());
    VMirror engine(Params(CutOpen, 0, {120, 100}));
    engine.Run(ListOf({path}));
    ASSERT_EQ(engine.Results().Count(), 1);
    SBArtHandle out = engine.Results()[0];
    EXPECT_FALSE(host.Closed(out));
    // On the arc, never on the straight chord that closed it virtually.
    ExpectOnOutline(host, out, Segments(arc, false), 1e-5);
    ExpectOnKeptSide(host, out, engine.Axis());
}

TEST(MirrorEngine, OpenArcMirrorJoinOpenJoinsTheKeptPartToItsImage) {
    InProcessHost host;
    auto c = Circle(100, 100, 50, -90);
    SBArtHandle path = AddStyled(host, {c[0], c[1], c[2]}, false, StrokeOnly());
    VMirror engine(Params(MirrorJoinOpen, 0, {120, 100}));
    engine.Run(ListOf({path}));
    // The kept stretch of the arc lies between its two crossings, away from the virtual chord:
    // joined to its image it closes into a lens.
    ASSERT_EQ(engine.Results().Count(), 1);
    SBArtHandle out = engine.Results()[0];
    EXPECT_TRUE(host.Closed(out));
    ExpectOnOutline(host, out, Segments({c[0], c[1], c[2]}, false), 1e-4, &engine.Axis());
    ExpectSymmetric(host, out, engine.Axis(), 0.05);
}

TEST(MirrorEngine, GradientFillIsCutAndCopiedWithItsMatrixReflected) {
    InProcessHost host;
    scribera::GradientData g;
    g.name = "ramp";
    SBPathStyle style = Filled();
    style.fill.color.kind = SB_COLOR_GRADIENT;
    style.fill.color.c.gradient.gradient = ToHandle<SBGradientHandle>(host.Doc().AddGradient(g));
    style.fill.color.c.gradient.matrix = SBRealMatrix{2, 0.5, -0.25, 1.5, 130, -12};
    SBArtHandle circle = AddStyled(host, Circle(100, 100, 50, 0), true, style);
    VMirror engine(Params(MirrorJoin));
    engine.Run(ListOf({circle}));
    ASSERT_EQ(engine.Results().Count(), 2);
    SBArtHandle half = engine.Results()[0], copy = engine.Results()[1];
    EXPECT_TRUE(host.Closed(half));
    ExpectOnKeptSide(host, half, engine.Axis());
    const double area = SignedArea(Segments(Circle(100, 100, 50, 0), true)) / 2;
    EXPECT_NEAR(std::fabs(SignedArea(CurveOf(host, copy))), area, area * 1e-4);
    for (const SBPathSegment& a : host.Anchors(copy)) EXPECT_LE(a.p.h, 100 + 1e-4);
    // The copy sits directly below its original.
    EXPECT_EQ(host.Doc().NextSibling(FromHandle(half)), FromHandle(copy));
    // The copy's gradient is the original's, reflected across x = 100.
    const SBRealMatrix m0 = host.ArtOf(half).style.fill.color.c.gradient.matrix;
    const SBRealMatrix m1 = host.ArtOf(copy).style.fill.color.c.gradient.matrix;
    for (RealPoint x : {RealPoint{0, 0}, RealPoint{1, 0}, RealPoint{0, 1}, RealPoint{-3, 7}}) {
        const double h0 = m0.a * x.h + m0.c * x.v + m0.tx, v0 = m0.b * x.h + m0.d * x.v + m0.ty;
        const double h1 = m1.a * x.h + m1.c * x.v + m1.tx, v1 = m1.b * x.h + m1.d * x.v + m1.ty;
        EXPECT_NEAR(h1, 200 - h0, 1e-4);
        EXPECT_NEAR(v1, v0, 1e-4);
    }
}

TEST(MirrorEngine, CutAutoFollowsTheFillAndClipGroups) {
    {
        InProcessHost host;
        SBArtHandle filled = AddStyled(host, Circle(100, 100, 50, 0), true, Filled());
        VMirror engine(Params(CutAuto));
        engine.Run(ListOf({filled}));
        ASSERT_EQ(engine.Results().Count(), 1);
        EXPECT_TRUE(host.Closed(engine.Results()[0]));
    }
    {
        InProcessHost host;
        SBArtHandle stroked = AddStyled(host, Circle(100, 100, 50, 0), true, StrokeOnly());
        VMirror engine(Params(CutAuto));
        engine.Run(ListOf({stroked}));
        ASSERT_EQ(engine.Results().Count(), 1);
        EXPECT_FALSE(host.Closed(engine.Results()[0]));
    }
    {
        InProcessHost host;
        SBArtHandle group = host.AddGroup(nullptr, true);
        SBPathStyle clip = StrokeOnly();
        clip.clip = 1;
        SBArtHandle mask = AddStyled(host, Circle(100, 100, 60, 0), true, clip, group);
        SBArtHandle stroked = AddStyled(host, Circle(100, 100, 50, 0), true, StrokeOnly(), group);
        VMirror engine(Params(CutAuto));
        engine.Run(ListOf({mask, stroked}));
        ASSERT_EQ(engine.Results().Count(), 2);
        for (int32_t i = 0; i < 2; ++i) EXPECT_TRUE(host.Closed(engine.Results()[i]));
        // The clip group keeps a clipping path on top; its empty copy is gone.
        ASSERT_TRUE(Exists(host, group));
        auto children = host.Children(group);
        ASSERT_EQ(children.size(), 2u);
        EXPECT_TRUE(host.ArtOf(children[0]).style.clip);
        EXPECT_FALSE(host.Doc().NextSibling(FromHandle(group)) != scribera::kNoId &&
                     host.Doc().Find(host.Doc().NextSibling(FromHandle(group)))->kind == ArtKind::Group);
    }
}

TEST(MirrorEngine, CompoundPathReleasedOnlyWhenPiecesStandApart) {
    // Two squares crossing the axis far apart: their cut pieces do not overlap.
    auto square = [](double h, double v) {
        return std::vector<SBPathSegment>{testhost::Corner(h - 20, v - 10), testhost::Corner(h + 20, v - 10),
                                          testhost::Corner(h + 20, v + 10), testhost::Corner(h - 20, v + 10)};
    };
    {
        InProcessHost host;
        SBArtHandle compound = host.AddCompoundPath();
        SBArtHandle a = AddStyled(host, square(100, 0), true, Filled(), compound);
        SBArtHandle b = AddStyled(host, square(100, 200), true, Filled(), compound);
        VMirror engine(Params(CutClosed));
        engine.Run(ListOf({a, b}));
        ASSERT_EQ(engine.Results().Count(), 2);
        EXPECT_FALSE(Exists(host, compound));
        for (int32_t i = 0; i < 2; ++i)
            EXPECT_EQ(host.ArtOf(engine.Results()[i]).parent, FromHandle(host.LayerGroup()));
    }
    {
        InProcessHost host;
        SBArtHandle compound = host.AddCompoundPath();
        SBArtHandle a = AddStyled(host, square(100, 0), true, Filled(), compound);
        SBArtHandle b = AddStyled(host, square(100, 15), true, Filled(), compound);
        VMirror engine(Params(CutClosed));
        engine.Run(ListOf({a, b}));
        ASSERT_EQ(engine.Results().Count(), 2);
        ASSERT_TRUE(Exists(host, compound));
        for (int32_t i = 0; i < 2; ++i) EXPECT_EQ(host.ArtOf(engine.Results()[i]).parent, FromHandle(compound));
    }
}

TEST(MirrorEngine, ManyCutMembersReleaseTheirCompoundOnlyWhenAllStandApart) {
    // Twelve circles down the axis, each cut in half; in the second run two of them touch.
    for (const double gap : {30.0, 20.0}) {
        InProcessHost host;
        SBArtHandle compound = host.AddCompoundPath();
        ArtList input;
        for (int k = 0; k < 12; ++k) {
            const double v = 20 + 30 * k - (k == 7 ? 30 - gap : 0);
            input.Append(AddStyled(host, Circle(100, v, 10, 0), true, Filled(), compound));
        }
        VMirror engine(Params(CutClosed));
        engine.Run(input);
        ASSERT_EQ(engine.Results().Count(), 12);
        const bool apart = gap > 20.0;
        EXPECT_EQ(Exists(host, compound), !apart) << gap;
        const scribera::Id parent = apart ? FromHandle(host.LayerGroup()) : FromHandle(compound);
        for (int32_t i = 0; i < 12; ++i) EXPECT_EQ(host.ArtOf(engine.Results()[i]).parent, parent) << gap;
    }
}

TEST(MirrorEngine, CompoundPathWhollyKeptGetsATwinCompound) {
    InProcessHost host;
    SBArtHandle compound = host.AddCompoundPath();
    SBArtHandle outer = AddStyled(host, Circle(200, 100, 50, 0), true, Filled(), compound);
    SBArtHandle inner = AddStyled(host, Circle(200, 100, 20, 0, true), true, Filled(), compound);
    VMirror engine(Params(MirrorJoin));
    engine.Run(ListOf({outer, inner}));
    ASSERT_EQ(engine.Results().Count(), 4);
    // The originals moved into a new compound path below the old one, which keeps the twins.
    const scribera::Id originals = host.ArtOf(outer).parent;
    EXPECT_NE(originals, FromHandle(compound));
    EXPECT_EQ(host.ArtOf(inner).parent, originals);
    EXPECT_EQ(host.Doc().NextSibling(FromHandle(compound)), originals);
    EXPECT_EQ(host.Children(compound).size(), 2u);
}

TEST(MirrorEngine, ClipGroupWhoseMaskIsRemovedGoesWithItsContent) {
    InProcessHost host;
    SBArtHandle group = host.AddGroup(nullptr, true);
    SBPathStyle clip = Filled();
    clip.clip = 1;
    SBArtHandle mask = AddStyled(host, Circle(40, 100, 20, 0), true, clip, group);
    SBArtHandle art = AddStyled(host, Circle(100, 100, 50, 0), true, Filled(), group);
    VMirror engine(Params(CutClosed));
    engine.Run(ListOf({mask, art}));
    EXPECT_FALSE(Exists(host, mask));
    EXPECT_FALSE(Exists(host, group));
    EXPECT_EQ(host.Children(host.LayerGroup()).size(), 0u);
}

TEST(MirrorEngine, GroupsEmptiedByTheCutGoInsideAndOutsideAClipGroup) {
    // layer > outer group > { clip group > { mask, inner group > two paths }, side group > path }
    InProcessHost host;
    SBArtHandle outer = host.AddGroup(nullptr, false);
    SBArtHandle clipGroup = host.AddGroup(outer, true);
    SBArtHandle side = host.AddGroup(outer, false);
    SBArtHandle inner = host.AddGroup(clipGroup, false);
    SBPathStyle clip = Filled();
    clip.clip = 1;
    SBArtHandle mask = AddStyled(host, Circle(100, 100, 60, 0), true, clip, clipGroup);
    // Wholly on the removed side: their groups are left empty.
    SBArtHandle a = AddStyled(host, Circle(40, 100, 10, 0), true, Filled(), inner);
    SBArtHandle b = AddStyled(host, Circle(40, 140, 10, 0), true, Filled(), inner);
    SBArtHandle c = AddStyled(host, Circle(40, 60, 10, 0), true, Filled(), side);
    VMirror engine(Params(CutClosed));
    engine.Run(ListOf({a, mask, b, c}));
    ASSERT_EQ(engine.Results().Count(), 1);
    EXPECT_FALSE(Exists(host, a) || Exists(host, b) || Exists(host, c));
    EXPECT_FALSE(Exists(host, inner));
    EXPECT_FALSE(Exists(host, side));
    ASSERT_TRUE(Exists(host, clipGroup));
    ASSERT_TRUE(Exists(host, outer));
    // The clip group holds the cut mask alone; its copy, left empty, is gone.
    auto children = host.Children(clipGroup);
    ASSERT_EQ(children.size(), 1u);
    EXPECT_TRUE(host.ArtOf(children[0]).style.clip);
    EXPECT_EQ(host.Children(outer).size(), 1u);
    EXPECT_EQ(host.Children(host.LayerGroup()).size(), 1u);

    // The mask wholly removed: the clip group goes with the group inside it, which must not be
    // looked at again; the outer group, left empty, goes too.
    InProcessHost second;
    outer = second.AddGroup(nullptr, false);
    clipGroup = second.AddGroup(outer, true);
    inner = second.AddGroup(clipGroup, false);
    mask = AddStyled(second, Circle(40, 100, 20, 0), true, clip, clipGroup);
    a = AddStyled(second, Circle(160, 100, 10, 0), true, Filled(), inner);
    b = AddStyled(second, Circle(160, 140, 10, 0), true, Filled(), inner);
    VMirror again(Params(CutClosed));
    again.Run(ListOf({a, mask, b}));
    EXPECT_EQ(again.Results().Count(), 0);
    EXPECT_FALSE(Exists(second, clipGroup) || Exists(second, inner) || Exists(second, outer));
    EXPECT_EQ(second.Children(second.LayerGroup()).size(), 0u);
}

TEST(MirrorEngine, MirrorCopyInsideAClipGroupLandsInItsCopy) {
    InProcessHost host;
    SBArtHandle group = host.AddGroup(nullptr, true);
    SBPathStyle clip = Filled();
    clip.clip = 1;
    SBArtHandle mask = AddStyled(host, Circle(100, 100, 60, 0), true, clip, group);
    SBArtHandle art = AddStyled(host, Circle(130, 100, 20, 0), true, Filled(), group);
    VMirror engine(Params(CutClosedMirrorCopy));
    engine.Run(ListOf({mask, art}));
    ASSERT_TRUE(Exists(host, group));
    const scribera::Id copy = host.Doc().NextSibling(FromHandle(group));
    ASSERT_NE(copy, scribera::kNoId);
    const scribera::Art* c = host.Doc().Find(copy);
    ASSERT_TRUE(c);
    EXPECT_EQ(c->kind, ArtKind::Group);
    EXPECT_TRUE(c->clipped);
    // The copy holds the mirrored mask on top and the mirrored art.
    auto inside = host.Doc().Children(copy);
    ASSERT_EQ(inside.size(), 2u);
    EXPECT_TRUE(host.Doc().Find(inside[0])->style.clip);
    SBRealRect b{};
    ASSERT_TRUE(host.Doc().Bounds(inside[1], &b));
    EXPECT_NEAR(b.left, 50, 1e-6);
    EXPECT_NEAR(b.right, 90, 1e-6);
}

TEST(MirrorEngine, ShortPathsAreLeftAlone) {
    InProcessHost host;
    SBArtHandle single = AddStyled(host, {testhost::Corner(50, 50)}, false, Filled());
    SBArtHandle empty = AddStyled(host, {}, false, Filled());
    VMirror engine(Params(MirrorJoin));
    engine.Run(ListOf({single, empty}));
    EXPECT_TRUE(Exists(host, single));
    EXPECT_TRUE(Exists(host, empty));
    EXPECT_EQ(engine.Results().Count(), 0);
}

// The path crosses the axis 3e-6 into a segment whose handle reaches 150 units across it: a
// split there would snap to the anchor, 1.4e-3 off the axis. The pieces must end on the axis.
TEST(MirrorEngine, CrossingNextToAFastAnchorEndsOnTheAxis) {
    const std::vector<SBPathSegment> anchors = {
        {{100.0014, 50}, {100.0014, 50}, {-50, 150}, 0},
        {{60, 160}, {20, 160}, {60, 160}, 1},
        {{140, 160}, {140, 160}, {140, 160}, 1},
    };
    const std::vector<BezierSegment> outline = Segments(anchors, true);
    const auto endsOnAxis = [](InProcessHost& host, SBArtHandle path, const Line& axis) {
        const std::vector<SBPathSegment> a = host.Anchors(path);
        ASSERT_GE(a.size(), 2u);
        EXPECT_LT(std::fabs(KeptDistance(axis, a.front().p)), 1e-4);
        EXPECT_LT(std::fabs(KeptDistance(axis, a.back().p)), 1e-4);
    };
    {
        InProcessHost host;
        SBArtHandle path = AddStyled(host, anchors, true, StrokeOnly());
        VMirror engine(Params(CutOpen));
        engine.Run(ListOf({path}));
        ASSERT_EQ(engine.Results().Count(), 1);
        SBArtHandle out = engine.Results()[0];
        EXPECT_FALSE(host.Closed(out));
        endsOnAxis(host, out, engine.Axis());
        ExpectOnKeptSide(host, out, engine.Axis());
        ExpectOnOutline(host, out, outline, 5e-4);  // the sampled outline is that coarse
    }
    {
        InProcessHost host;
        SBArtHandle path = AddStyled(host, anchors, true, Filled());
        VMirror engine(Params(MirrorJoin));
        engine.Run(ListOf({path}));
        ASSERT_EQ(engine.Results().Count(), 1);
        SBArtHandle out = engine.Results()[0];
        // Written back, the two short pieces either side of the crossing merge into one straight-ish
        // segment that misses the crossing point by 6e-4.
        ExpectOnOutline(host, out, outline, 1e-3, &engine.Axis());
        // The anchors map onto one another.
        const std::vector<SBPathSegment> a = host.Anchors(out);
        for (const SBPathSegment& p : a) {
            RealPoint q = p.p;
            engine.Axis().ReflectPoint(&q);
            double best = 1e300;
            for (const SBPathSegment& o : a) best = std::min(best, std::hypot(o.p.h - q.h, o.p.v - q.v));
            EXPECT_LT(best, 1e-4) << p.p.h << "," << p.p.v;
        }
    }
    {
        InProcessHost host;
        SBArtHandle path = AddStyled(host, anchors, true, Filled());
        VMirror engine(Params(CutClosed));
        engine.Run(ListOf({path}));
        ASSERT_EQ(engine.Results().Count(), 1);
        ExpectOnKeptSide(host, engine.Results()[0], engine.Axis());
    }
}

// A long straight run written back merges its segments in pairs, as every written path does:
// the kept 500 of 1000 collinear segments become 250.
TEST(MirrorEngine, LongStraightRunMergesInPairs) {
    std::vector<SBPathSegment> anchors;
    for (int i = 0; i <= 1000; ++i) {
        const SBRealPoint p{50 + 0.1 * i, 100};
        anchors.push_back(SBPathSegment{p, p, p, 1});
    }
    InProcessHost host;
    SBArtHandle path = AddStyled(host, anchors, false, StrokeOnly());
    VMirror engine(Params(CutOpen));
    engine.Run(ListOf({path}));
    ASSERT_EQ(engine.Results().Count(), 1);
    const SBArtHandle out = engine.Results()[0];
    EXPECT_FALSE(host.Closed(out));
    const std::vector<SBPathSegment> kept = host.Anchors(out);
    ASSERT_EQ(kept.size(), 251u);
    EXPECT_NEAR(kept.front().p.h, 100, 1e-4);
    EXPECT_NEAR(kept.back().p.h, 150, 1e-4);
    for (size_t i = 1; i < kept.size(); ++i) EXPECT_NEAR(kept[i].p.h - kept[i - 1].p.h, 0.2, 1e-4) << i;
}
