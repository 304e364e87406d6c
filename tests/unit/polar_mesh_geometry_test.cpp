// The polar mesh's curves and node colours as the tool builds them, before they reach a document:
// rings and spokes, polygon mode, the colour modes on every flat kind, gradients swept across the
// rings and around the circle, midpoints, stops of mixed colour models, and values from outside.
#include "geometry/BezierGeometry.h"
#include "geometry/Errors.h"
#include "tools/PolarMeshShape.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

PolarMeshParams Mesh(int32_t radial, int32_t circular, bool polygon = false) {
    PolarMeshParams p = kPolarMeshDefaults;
    p.centreH = 10;
    p.centreV = -20;
    p.radialLines = radial;
    p.circularLines = circular;
    p.polygon = polygon;
    return p;
}

double DistanceFrom(const RealPoint& p, double h, double v) { return std::hypot(p.h - h, p.v - v); }

SBColor Gray(double g) {
    SBColor c{};
    c.kind = SB_COLOR_GRAY;
    c.c.gray.gray = g;
    return c;
}
SBColor Rgb(double r, double g, double b) {
    SBColor c{};
    c.kind = SB_COLOR_THREE;
    c.c.three = {r, g, b};
    return c;
}
SBColor Cmyk(double cy, double m, double y, double k) {
    SBColor c{};
    c.kind = SB_COLOR_FOUR;
    c.c.four = {cy, m, y, k};
    return c;
}
SBGradientStop Stop(double position, const SBColor& colour, double midpoint = 50) {
    return SBGradientStop{midpoint, position, colour};
}

void ExpectRgb(const SBColor& c, double r, double g, double b, double tolerance = 1e-6) {
    ASSERT_EQ(c.kind, SB_COLOR_THREE);
    EXPECT_NEAR(c.c.three.red, r, tolerance);
    EXPECT_NEAR(c.c.three.green, g, tolerance);
    EXPECT_NEAR(c.c.three.blue, b, tolerance);
}
void ExpectCmyk(const SBColor& c, double cy, double m, double y, double k, double tolerance = 1e-6) {
    ASSERT_EQ(c.kind, SB_COLOR_FOUR);
    EXPECT_NEAR(c.c.four.cyan, cy, tolerance);
    EXPECT_NEAR(c.c.four.magenta, m, tolerance);
    EXPECT_NEAR(c.c.four.yellow, y, tolerance);
    EXPECT_NEAR(c.c.four.black, k, tolerance);
}

PolarMeshFill Flat(const SBColor& colour) {
    PolarMeshFill fill;
    fill.colour = colour;
    return fill;
}

PolarMeshFill Gradient(std::vector<SBGradientStop> stops) {
    PolarMeshFill fill;
    fill.gradient = true;
    fill.stops = std::move(stops);
    return fill;
}

}  // namespace

TEST(PolarMeshGeometry, RingsAreCircularArcsAndSpokesMeetThemAtTheNodes) {
    const PolarMeshCurves mesh = BuildPolarMeshCurves(Mesh(4, 3));
    ASSERT_EQ(mesh.sectors, 4);
    ASSERT_EQ(mesh.rings, 3);
    ASSERT_EQ(mesh.ringArcs.size(), 12u);
    ASSERT_EQ(mesh.spokes.size(), 10u);
    const double radii[3] = {0, 50, 100};
    for (int i = 0; i < 3; ++i)
        for (int s = 0; s < 4; ++s) {
            const ZPathList& arc = mesh.ringArcs[size_t(i * 4 + s)];
            ASSERT_EQ(arc.Count(), 1);
            // The arc runs counter-clockwise from spoke s to spoke s + 1 and stays on its circle.
            const double from = s * M_PI / 2, to = from + M_PI / 2;
            EXPECT_NEAR(arc.FirstPoint().h, 10 + radii[i] * std::cos(from), 1e-4);
            EXPECT_NEAR(arc.FirstPoint().v, -20 + radii[i] * std::sin(from), 1e-4);
            EXPECT_NEAR(arc.LastPoint().h, 10 + radii[i] * std::cos(to), 1e-4);
            EXPECT_NEAR(arc.LastPoint().v, -20 + radii[i] * std::sin(to), 1e-4);
            for (float t : {0.25f, 0.5f, 0.75f})
                EXPECT_NEAR(DistanceFrom(arc.PointAt(0, t), 10, -20), radii[i], 1e-3 * radii[i] + 1e-4);
        }
    for (int j = 0; j <= 4; ++j)
        for (int g = 0; g < 2; ++g) {
            const BezierSegment spoke = mesh.spokes[size_t(j * 2 + g)].SegmentAt(0);
            EXPECT_TRUE(IsStraightSegment(spoke));
            EXPECT_NEAR(DistanceFrom(spoke.p0, 10, -20), radii[g], 1e-4);
            EXPECT_NEAR(DistanceFrom(spoke.p3, 10, -20), radii[g + 1], 1e-4);
            // Spoke j starts where ring g's arc j (or, for the last spoke, the closing arc) ends.
            const ZPathList& arc = mesh.ringArcs[size_t(g * 4 + (j % 4))];
            EXPECT_LT(DistanceFrom(spoke.p0, arc.FirstPoint().h, arc.FirstPoint().v), 1e-4);
        }
}

TEST(PolarMeshGeometry, InnerRadiusAndPolygonModeGiveSquareRingsStandingOnACorner) {
    PolarMeshParams p = Mesh(4, 2, true);
    p.innerRadius = 25;
    const PolarMeshCurves mesh = BuildPolarMeshCurves(p);
    ASSERT_EQ(mesh.ringArcs.size(), 8u);
    ASSERT_EQ(mesh.spokes.size(), 5u);
    const double corners[4][2] = {{1, 0}, {0, 1}, {-1, 0}, {0, -1}};
    for (int i = 0; i < 2; ++i) {
        const double r = i == 0 ? 25 : 100;
        for (int s = 0; s < 4; ++s) {
            const BezierSegment chord = mesh.ringArcs[size_t(i * 4 + s)].SegmentAt(0);
            EXPECT_TRUE(IsStraightSegment(chord));
            EXPECT_NEAR(chord.p0.h, 10 + r * corners[s][0], 1e-4);
            EXPECT_NEAR(chord.p0.v, -20 + r * corners[s][1], 1e-4);
            EXPECT_NEAR(chord.p3.h, 10 + r * corners[(s + 1) % 4][0], 1e-4);
            EXPECT_NEAR(chord.p3.v, -20 + r * corners[(s + 1) % 4][1], 1e-4);
        }
    }
}

TEST(PolarMeshGeometry, CountsFromOutsideAreClampedAndUnusableRadiiDrawNothing) {
    EXPECT_EQ(ClampRadialLines(0), 4);
    EXPECT_EQ(ClampRadialLines(-7), 4);
    EXPECT_EQ(ClampRadialLines(1), 1);
    EXPECT_EQ(ClampRadialLines(3), 3);
    EXPECT_EQ(ClampRadialLines(1000000), kMaxPanelLines);
    EXPECT_EQ(ClampCircularLines(1), 2);
    EXPECT_EQ(ClampCircularLines(std::numeric_limits<int32_t>::min()), 2);
    EXPECT_EQ(ClampCircularLines(150), 150);

    const PolarMeshCurves clamped = BuildPolarMeshCurves(Mesh(0, 0));
    EXPECT_EQ(clamped.sectors, 4);
    EXPECT_EQ(clamped.rings, 2);

    // A single sector still gives a bounded ring.
    const PolarMeshCurves one = BuildPolarMeshCurves(Mesh(1, 2));
    ASSERT_EQ(one.ringArcs.size(), 2u);
    const BezierSegment loop = one.ringArcs[1].SegmentAt(0);
    for (const RealPoint& q : {loop.c0, loop.c1}) EXPECT_LT(DistanceFrom(q, 10, -20), 300);

    for (double bad : {0.0, std::nan(""), 1e40, std::numeric_limits<double>::infinity()}) {
        PolarMeshParams p = Mesh(4, 3);
        p.outerRadius = bad;
        EXPECT_TRUE(BuildPolarMeshCurves(p).Empty()) << bad;
    }
    PolarMeshParams far = Mesh(4, 3);
    far.centreH = 1e39;
    EXPECT_TRUE(BuildPolarMeshCurves(far).Empty());
}

TEST(PolarMeshColours, ModesLightenFlatFillsRingByRing) {
    // Three rings: f = 0, 0.5, 1.
    auto ring = [](const std::vector<SBColor>& colours, int i) { return colours[size_t(i * 5)]; };
    const std::vector<SBColor> rgb1 = PolarMeshColours(Flat(Rgb(0.2, 0.4, 1)), 4, 3, 1);
    ASSERT_EQ(rgb1.size(), 15u);
    ExpectRgb(ring(rgb1, 0), 1, 1, 1);
    ExpectRgb(ring(rgb1, 1), 0.6, 0.7, 1);
    ExpectRgb(ring(rgb1, 2), 0.2, 0.4, 1);
    // Every spoke of a ring has the ring's colour.
    for (int j = 0; j <= 4; ++j) ExpectRgb(rgb1[size_t(5 + j)], 0.6, 0.7, 1);

    const std::vector<SBColor> rgb0 = PolarMeshColours(Flat(Rgb(0.2, 0.4, 1)), 4, 3, 0);
    ExpectRgb(ring(rgb0, 0), 1, 1, 1);
    ExpectRgb(ring(rgb0, 1), 0.2, 0.4, 1);
    ExpectRgb(ring(rgb0, 2), 1, 1, 1);
    const std::vector<SBColor> rgb2 = PolarMeshColours(Flat(Rgb(0.2, 0.4, 1)), 4, 3, 2);
    ExpectRgb(ring(rgb2, 0), 0.2, 0.4, 1);
    ExpectRgb(ring(rgb2, 2), 1, 1, 1);

    const std::vector<SBColor> cmyk1 = PolarMeshColours(Flat(Cmyk(0.8, 0.4, 0, 0.2)), 4, 3, 1);
    ExpectCmyk(ring(cmyk1, 0), 0, 0, 0, 0);
    ExpectCmyk(ring(cmyk1, 1), 0.4, 0.2, 0, 0.1);
    ExpectCmyk(ring(cmyk1, 2), 0.8, 0.4, 0, 0.2);
    const std::vector<SBColor> cmyk0 = PolarMeshColours(Flat(Cmyk(0.8, 0.4, 0, 0.2)), 4, 3, 0);
    ExpectCmyk(ring(cmyk0, 1), 0.8, 0.4, 0, 0.2);
    ExpectCmyk(ring(cmyk0, 2), 0, 0, 0, 0);

    const std::vector<SBColor> gray2 = PolarMeshColours(Flat(Gray(0.6)), 4, 3, 2);
    EXPECT_NEAR(ring(gray2, 0).c.gray.gray, 0.6, 1e-6);
    EXPECT_NEAR(ring(gray2, 1).c.gray.gray, 0.3, 1e-6);
    EXPECT_NEAR(ring(gray2, 2).c.gray.gray, 0.0, 1e-6);

    // Modes 3 and 4 (and any other) leave flat colours as they are.
    for (int32_t mode : {3, 4, 9, -1}) {
        for (const SBColor& c : PolarMeshColours(Flat(Rgb(0.2, 0.4, 1)), 4, 3, mode)) ExpectRgb(c, 0.2, 0.4, 1);
        for (const SBColor& c : PolarMeshColours(Flat(Gray(0.6)), 4, 3, mode)) EXPECT_NEAR(c.c.gray.gray, 0.6, 1e-6);
        for (const SBColor& c : PolarMeshColours(Flat(Cmyk(0.8, 0.4, 0, 0.2)), 4, 3, mode))
            ExpectCmyk(c, 0.8, 0.4, 0, 0.2);
    }
}

TEST(PolarMeshColours, CustomColoursTakeTheFactorAsTintAndUnpaintableFillsGiveWhite) {
    SBColor custom{};
    custom.kind = SB_COLOR_CUSTOM;
    custom.c.custom.tint = 0.8;
    const std::vector<SBColor> mode1 = PolarMeshColours(Flat(custom), 4, 3, 1);
    EXPECT_EQ(mode1[0].kind, SB_COLOR_CUSTOM);
    EXPECT_NEAR(mode1[0].c.custom.tint, 0.8, 1e-6);
    EXPECT_NEAR(mode1[5].c.custom.tint, 0.4, 1e-6);
    EXPECT_NEAR(mode1[10].c.custom.tint, 0.0, 1e-6);
    for (const SBColor& c : PolarMeshColours(Flat(custom), 4, 3, 4)) EXPECT_EQ(c.c.custom.tint, 0.0);

    SBColor none{};
    none.kind = SB_COLOR_NONE;
    SBColor pattern{};
    pattern.kind = SB_COLOR_PATTERN;
    for (const SBColor& fill : {none, pattern})
        for (int32_t mode = 0; mode <= 4; ++mode)
            for (const SBColor& c : PolarMeshColours(Flat(fill), 4, 3, mode)) {
                EXPECT_EQ(c.kind, SB_COLOR_GRAY);
                EXPECT_EQ(c.c.gray.gray, 0.0);
            }

    // Values outside 0 … 1 are clamped first; a value that is no number ends the draw.
    ExpectRgb(PolarMeshColours(Flat(Rgb(-1, 2, 0.5)), 4, 3, 2)[0], 0, 1, 0.5);
    EXPECT_THROW(PolarMeshColours(Flat(Rgb(std::nan(""), 0, 0)), 4, 3, 1), CheckFailure);
}

TEST(PolarMeshColours, GradientsSweepAcrossTheRingsOrOnceAroundTheCircle) {
    const PolarMeshFill redToBlue = Gradient({Stop(0, Rgb(1, 0, 0)), Stop(100, Rgb(0, 0, 1))});
    const int S = 8, N = 3;
    const std::vector<SBColor> around = PolarMeshColours(redToBlue, S, N, 4);
    ASSERT_EQ(around.size(), size_t((S + 1) * N));
    for (int i = 0; i < N; ++i) {
        // Spoke 0 and spoke S take the two ends, whatever the ring.
        ExpectRgb(around[size_t(i * (S + 1))], 1, 0, 0);
        ExpectRgb(around[size_t(i * (S + 1) + S)], 0, 0, 1);
        ExpectRgb(around[size_t(i * (S + 1) + 2)], 0.75, 0, 0.25);
    }
    const std::vector<SBColor> reversed = PolarMeshColours(redToBlue, S, N, 3);
    ExpectRgb(reversed[0], 0, 0, 1);
    ExpectRgb(reversed[size_t(S)], 1, 0, 0);

    const std::vector<SBColor> across = PolarMeshColours(redToBlue, S, N, 1);
    ExpectRgb(across[0], 1, 0, 0);
    ExpectRgb(across[size_t(S + 1 + 3)], 0.5, 0, 0.5);
    ExpectRgb(across[size_t(2 * (S + 1))], 0, 0, 1);
    ExpectRgb(PolarMeshColours(redToBlue, S, N, 2)[0], 0, 0, 1);

    // Mode 0: the end on the middle ring, the start on the others; modes above 4: the end.
    const std::vector<SBColor> middle = PolarMeshColours(redToBlue, S, N, 0);
    ExpectRgb(middle[0], 1, 0, 0);
    ExpectRgb(middle[size_t(S + 1)], 0, 0, 1);
    ExpectRgb(middle[size_t(2 * (S + 1))], 1, 0, 0);
    for (const SBColor& c : PolarMeshColours(redToBlue, S, N, 7)) ExpectRgb(c, 0, 0, 1);
}

TEST(PolarMeshColours, SamplingHonoursStopPositionsAndMidpoints) {
    const std::vector<SBGradientStop> inset = {Stop(20, Gray(0)), Stop(80, Gray(1))};
    EXPECT_EQ(SampleGradient(inset, 0.1f).c.gray.gray, 0.0);
    EXPECT_NEAR(SampleGradient(inset, 0.2f).c.gray.gray, 0.0, 1e-6);
    EXPECT_NEAR(SampleGradient(inset, 0.5f).c.gray.gray, 0.5, 1e-6);
    EXPECT_EQ(SampleGradient(inset, 0.9f).c.gray.gray, 1.0);

    // The midpoint's place takes half of the colour change.
    for (double mid : {25.0, 50.0, 70.0}) {
        const std::vector<SBGradientStop> stops = {Stop(0, Gray(0), mid), Stop(100, Gray(1))};
        EXPECT_NEAR(SampleGradient(stops, static_cast<float>(mid / 100)).c.gray.gray, 0.5, 1e-6) << mid;
    }
    const std::vector<SBGradientStop> early = {Stop(0, Gray(0), 25), Stop(100, Gray(1))};
    EXPECT_GT(SampleGradient(early, 0.5f).c.gray.gray, 0.5);
    const std::vector<SBGradientStop> late = {Stop(0, Gray(0), 75), Stop(100, Gray(1))};
    EXPECT_LT(SampleGradient(late, 0.5f).c.gray.gray, 0.5);
    // Midpoints at the very ends are taken within 1 … 99 per cent: still a colour in range.
    for (double mid : {0.0, 100.0, -5.0}) {
        const std::vector<SBGradientStop> stops = {Stop(0, Gray(0), mid), Stop(100, Gray(1))};
        const double g = SampleGradient(stops, 0.5f).c.gray.gray;
        EXPECT_TRUE(g >= 0 && g <= 1) << mid;
    }
}

TEST(PolarMeshColours, StopsOfMixedModelsAreBroughtToOne) {
    // Four-colour and three-colour stops: the document's model decides.
    std::vector<SBGradientStop> mixed = {Stop(0, Cmyk(0, 0, 0, 1)), Stop(100, Rgb(1, 0, 0))};
    std::vector<SBGradientStop> asRgb = mixed;
    BringStopsToOneModel(asRgb, false);
    ExpectRgb(asRgb[0].color, 0, 0, 0);
    ExpectRgb(asRgb[1].color, 1, 0, 0);
    std::vector<SBGradientStop> asCmyk = mixed;
    BringStopsToOneModel(asCmyk, true);
    ExpectCmyk(asCmyk[0].color, 0, 0, 0, 1);
    ExpectCmyk(asCmyk[1].color, 0, 1, 1, 0);
    ExpectCmyk(SampleGradient(asCmyk, 0.5f), 0, 0.5, 0.5, 0.5);

    // Gray beside one other model joins it.
    std::vector<SBGradientStop> grayFour = {Stop(0, Gray(0.25)), Stop(100, Cmyk(1, 0, 0, 0))};
    BringStopsToOneModel(grayFour, false);
    ExpectCmyk(grayFour[0].color, 0, 0, 0, 0.25);
    std::vector<SBGradientStop> grayThree = {Stop(0, Gray(0.25)), Stop(100, Rgb(0, 1, 0))};
    BringStopsToOneModel(grayThree, true);
    ExpectRgb(grayThree[0].color, 0.75, 0.75, 0.75);
    // Dark four-colour inks give no negative light.
    std::vector<SBGradientStop> dark = {Stop(0, Cmyk(0.7, 0.2, 0, 0.5)), Stop(100, Rgb(0, 0, 1))};
    BringStopsToOneModel(dark, false);
    ExpectRgb(dark[0].color, 0, 0.3, 0.5);

    // One model only: left as it is.
    std::vector<SBGradientStop> gray = {Stop(0, Gray(0.25)), Stop(100, Gray(1))};
    BringStopsToOneModel(gray, true);
    EXPECT_EQ(gray[0].color.kind, SB_COLOR_GRAY);
}

TEST(PolarMeshColours, GradientsThatCannotBeSampledEndTheDraw) {
    EXPECT_THROW(SampleGradient({}, 0.5f), CheckFailure);
    EXPECT_THROW(SampleGradient({Stop(60, Gray(0)), Stop(40, Gray(1))}, 0.5f), CheckFailure);
    EXPECT_THROW(SampleGradient({Stop(0, Gray(0)), Stop(100, Gray(1))}, 1.5f), CheckFailure);
    SBColor pattern{};
    pattern.kind = SB_COLOR_PATTERN;
    std::vector<SBGradientStop> patterned = {Stop(0, Gray(0)), Stop(100, pattern)};
    EXPECT_THROW(BringStopsToOneModel(patterned, false), CheckFailure);
    EXPECT_THROW(PolarMeshColours(Gradient({}), 4, 3, 1), CheckFailure);
}
