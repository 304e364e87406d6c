// Path data as real files write it: compact numbers, implicit commands, arcs with packed flags.
#include "io/PathData.h"

#include <gtest/gtest.h>

#include <cmath>

using scribera::io::ArcToCubics;
using scribera::io::Cubic;
using scribera::io::ParsePathData;
using scribera::io::Subpath;
using scribera::io::WritePathData;

namespace {

std::vector<Subpath> Parse(const std::string& d) {
    std::vector<Subpath> out;
    std::string error;
    EXPECT_TRUE(ParsePathData(d, &out, &error)) << d << ": " << error;
    return out;
}

void ExpectPoint(SBRealPoint p, double h, double v, double tol = 1e-12) {
    EXPECT_NEAR(p.h, h, tol);
    EXPECT_NEAR(p.v, v, tol);
}

SBRealPoint At(SBRealPoint p0, const Cubic& c, double t) {
    double u = 1 - t;
    return {u * u * u * p0.h + 3 * u * u * t * c.c1.h + 3 * u * t * t * c.c2.h + t * t * t * c.end.h,
            u * u * u * p0.v + 3 * u * u * t * c.c1.v + 3 * u * t * t * c.c2.v + t * t * t * c.end.v};
}

}  // namespace

TEST(PathData, CompactNumbersAndImplicitCommands) {
    auto s = Parse("M1.5.5l-.5-1e-1");
    ASSERT_EQ(s.size(), 1u);
    ASSERT_EQ(s[0].anchors.size(), 2u);
    ExpectPoint(s[0].anchors[0].p, 1.5, 0.5);
    ExpectPoint(s[0].anchors[1].p, 1.0, 0.4);

    // Coordinates after a move continue as lines, relative after a relative move.
    s = Parse("m1 1 2 0 0 2z");
    ASSERT_EQ(s.size(), 1u);
    ASSERT_EQ(s[0].anchors.size(), 3u);
    EXPECT_TRUE(s[0].closed);
    ExpectPoint(s[0].anchors[1].p, 3, 1);
    ExpectPoint(s[0].anchors[2].p, 3, 3);

    s = Parse("M0,0H10V5h-2v-1");
    ASSERT_EQ(s[0].anchors.size(), 5u);
    ExpectPoint(s[0].anchors[2].p, 10, 5);
    ExpectPoint(s[0].anchors[4].p, 8, 4);

    // A drawing command after a close starts again at the closed subpath's start.
    s = Parse("M5 5l1 0 0 1zl-1 0 0-1z");
    ASSERT_EQ(s.size(), 2u);
    ExpectPoint(s[1].anchors[0].p, 5, 5);
    ExpectPoint(s[1].anchors[1].p, 4, 5);

    // Exponents and signs run into each other.
    s = Parse("M-1e1-2E+0L+3.e0 .5e1");
    ExpectPoint(s[0].anchors[0].p, -10, -2);
    ExpectPoint(s[0].anchors[1].p, 3, 5);
}

TEST(PathData, CurvesReflectTheirControls) {
    auto s = Parse("M0 0C0 1 1 2 2 2S4 1 4 0");
    ASSERT_EQ(s[0].anchors.size(), 3u);
    // The S command's first control mirrors the previous second control about the joint.
    ExpectPoint(s[0].anchors[1].out, 3, 2);
    EXPECT_FALSE(s[0].anchors[1].corner);
    ExpectPoint(s[0].anchors[2].in, 4, 1);

    // Q becomes a cubic with controls two thirds of the way to the quadratic control; T mirrors it.
    s = Parse("M0 0Q3 3 6 0T12 0");
    ExpectPoint(s[0].anchors[0].out, 2, 2);
    ExpectPoint(s[0].anchors[1].in, 4, 2);
    ExpectPoint(s[0].anchors[1].out, 8, -2);
    ExpectPoint(s[0].anchors[2].in, 10, -2);

    // S after a line uses the current point as its first control.
    s = Parse("M0 0L1 0S2 1 3 0");
    ExpectPoint(s[0].anchors[1].out, 1, 0);

    // A line running on into a curve along its handle is smooth; a bend is a corner.
    s = Parse("M0 0L10 0C15 0 20 5 20 10");
    EXPECT_FALSE(s[0].anchors[1].corner);
    s = Parse("M0 0L10 0C10 5 20 5 20 10");
    EXPECT_TRUE(s[0].anchors[1].corner);
    EXPECT_TRUE(s[0].anchors[0].corner);
}

TEST(PathData, ArcsBecomeQuarterCubicsOnTheEllipse) {
    // Flags written together without separators, as in real icon files.
    auto s = Parse("M0 0a1 1 0 011 1");
    ASSERT_EQ(s[0].anchors.size(), 2u);
    ExpectPoint(s[0].anchors[1].p, 1, 1);

    // A full circle of radius 5 in two halves: every piece is at most 90 degrees and stays on it.
    std::vector<Cubic> c1 = ArcToCubics({0, 0}, 5, 5, 0, true, true, {10, 0});
    ASSERT_EQ(c1.size(), 2u);
    SBRealPoint from{0, 0};
    for (const Cubic& c : c1) {
        for (double t : {0.25, 0.5, 0.75}) {
            SBRealPoint p = At(from, c, t);
            EXPECT_NEAR(std::hypot(p.h - 5, p.v), 5, 5 * 3e-4);  // a quarter cubic strays 0.027% at most
        }
        from = c.end;
    }
    ExpectPoint(c1.back().end, 10, 0, 0);

    // Sweep decides the side: sweep 1 turns clockwise on a y-down page, over the top (y < 0).
    EXPECT_LT(At({0, 0}, c1[0], 1).v, 0);
    std::vector<Cubic> other = ArcToCubics({0, 0}, 5, 5, 0, true, false, {10, 0});
    EXPECT_GT(At({0, 0}, other[0], 1).v, 0);

    // A rotated ellipse: points stay on it.
    std::vector<Cubic> r = ArcToCubics({0, 0}, 4, 2, 30, false, true, {3, 3});
    ASSERT_FALSE(r.empty());
    EXPECT_LE(r.size(), 4u);
    ExpectPoint(r.back().end, 3, 3, 0);
}

TEST(PathData, DegenerateArcs) {
    // Zero radius: a straight line.
    std::vector<Cubic> line = ArcToCubics({0, 0}, 0, 5, 0, false, true, {4, 0});
    ASSERT_EQ(line.size(), 1u);
    ExpectPoint(line[0].c1, 0, 0);
    ExpectPoint(line[0].c2, 4, 0);
    // Same end points: nothing is drawn.
    EXPECT_TRUE(ArcToCubics({1, 1}, 3, 3, 0, true, true, {1, 1}).empty());
    // Radii too small for the chord grow to a half ellipse through both points.
    std::vector<Cubic> grown = ArcToCubics({0, 0}, 1, 1, 0, false, true, {10, 0});
    ASSERT_EQ(grown.size(), 2u);
    ExpectPoint(grown[0].end, 5, -5, 1e-9);
    // Huge and negative radii are taken by magnitude without overflow.
    std::vector<Cubic> big = ArcToCubics({0, 0}, -1e9, 1e9, 45, false, false, {1, 1});
    ASSERT_FALSE(big.empty());
    for (const Cubic& c : big) EXPECT_TRUE(std::isfinite(c.c1.h) && std::isfinite(c.c2.v));

    auto s = Parse("M0 0A0 0 0 0 1 5 5A3 3 0 1 1 5 5");
    ASSERT_EQ(s[0].anchors.size(), 2u);
}

TEST(PathData, BadDataIsRefusedWithItsPlace) {
    const char* bad[] = {"L1 1",    "M1 1 L",    "M 1e400 0",     "M nan 0", "M0 0 a1 1 0 2 1 1 1",
                         "M0 0z 5", "M0 0 L1 x", "M0 0 C1 1 2 2", "M 2e9 0", "M0,,0"};
    for (const char* d : bad) {
        std::vector<Subpath> out{Subpath{}};
        std::string error;
        EXPECT_FALSE(ParsePathData(d, &out, &error)) << d;
        EXPECT_NE(error.find("at offset"), std::string::npos) << d << ": " << error;
        EXPECT_EQ(out.size(), 1u) << "output touched for " << d;
    }
    // Relative steps that add up beyond the limit are refused too.
    std::string creep = "M0 0";
    for (int i = 0; i < 10; ++i) creep += " l1e9 0";
    std::vector<Subpath> out;
    std::string error;
    EXPECT_FALSE(ParsePathData(creep, &out, &error));
}

TEST(PathData, WrittenDataReadsBackAsTheSameAnchors) {
    // A curved closing segment, a zero-length closing segment, an open path that returns to its start.
    std::vector<Subpath> in = Parse("M0 0C1 2 3 4 5 5C6 3 2 1 0 0Z M10 10L20 10L10 10Z M0 0L1 1L0 0");
    // The first subpath's closing curve folds into its first anchor.
    ASSERT_EQ(in.size(), 3u);
    EXPECT_EQ(in[0].anchors.size(), 2u);
    ExpectPoint(in[0].anchors[0].in, 2, 1);
    EXPECT_EQ(in[1].anchors.size(), 2u);
    EXPECT_FALSE(in[2].closed);
    EXPECT_EQ(in[2].anchors.size(), 3u);

    std::vector<Subpath> again = Parse(WritePathData(in));
    ASSERT_EQ(again.size(), in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        ASSERT_EQ(again[i].anchors.size(), in[i].anchors.size()) << i;
        EXPECT_EQ(again[i].closed, in[i].closed);
        for (size_t k = 0; k < in[i].anchors.size(); ++k) {
            ExpectPoint(again[i].anchors[k].p, in[i].anchors[k].p.h, in[i].anchors[k].p.v, 0);
            ExpectPoint(again[i].anchors[k].in, in[i].anchors[k].in.h, in[i].anchors[k].in.v, 0);
            ExpectPoint(again[i].anchors[k].out, in[i].anchors[k].out.h, in[i].anchors[k].out.v, 0);
        }
    }
    // A closed path whose last anchor sits on its first keeps both.
    Subpath dup;
    dup.closed = true;
    for (SBRealPoint p : {SBRealPoint{0, 0}, SBRealPoint{4, 0}, SBRealPoint{0, 0}}) dup.anchors.push_back({p, p, p, 1});
    std::vector<Subpath> back = Parse(WritePathData({dup}));
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].anchors.size(), 3u);
    EXPECT_TRUE(back[0].closed);
}
