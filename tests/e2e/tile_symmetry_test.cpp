// The tile tool's result is a true wallpaper of the chosen group: an icon with no symmetry of its
// own is tiled over the artboard, the document is drawn, and the filled region must map onto
// itself under the group's translations, rotations, reflections and glides and under none of the
// isometries the group lacks. Beside it: nothing beyond the extent, cells that meet without gaps
// or overlaps, and pattern mode, which cuts nothing.
#include "io/Artwork.h"
#include "io/PngRender.h"
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace hosted;

constexpr double kSide = 16;  // the artboard
constexpr double kPixelsPerUnit = 64;
constexpr double kPi = 3.14159265358979323846;

// p' = (a·h + b·v + e, c·h + d·v + f).
struct Isometry {
    std::string name;
    double a, b, c, d, e, f;
    SBRealPoint operator()(SBRealPoint p) const { return {a * p.h + b * p.v + e, c * p.h + d * p.v + f}; }
};

Isometry Translate(double dh, double dv) {
    std::ostringstream name;
    name << "translation (" << dh << ", " << dv << ")";
    return {name.str(), 1, 0, 0, 1, dh, dv};
}

Isometry Rotate(double degrees, SBRealPoint c) {
    const double r = degrees * kPi / 180, co = std::cos(r), si = std::sin(r);
    std::ostringstream name;
    name << "rotation " << degrees << " about (" << c.h << ", " << c.v << ")";
    return {name.str(), co, -si, si, co, c.h - co * c.h + si * c.v, c.v - si * c.h - co * c.v};
}

// Across the line through p at `degrees`, then `slide` along it.
Isometry Reflect(SBRealPoint p, double degrees, double slide = 0) {
    const double r = degrees * kPi / 180, co = std::cos(2 * r), si = std::sin(2 * r);
    std::ostringstream name;
    name << (slide ? "glide " : "reflection ") << degrees << " through (" << p.h << ", " << p.v << ")";
    if (slide) name << " by " << slide;
    const double dh = slide * std::cos(r), dv = slide * std::sin(r);
    return {name.str(), co, si, si, -co, p.h - co * p.h - si * p.v + dh, p.v - si * p.h + co * p.v + dv};
}

struct Symmetries {
    std::vector<Isometry> has, lacks;
};

SBRealPoint At(SBRealPoint o, double dh, double dv) { return {o.h + dh, o.v + dv}; }
double Sg(double x) { return x > 0 ? 1 : (x < 0 ? -1 : 0); }

// What the group built from a drag of (w, h) at o must and must not have (skew 1 for p1 and p2).
Symmetries Expected(int symmetry, SBRealPoint start, double w, double h) {
    const double aw = std::fabs(w), ah = std::fabs(h), r3 = std::sqrt(3.0);
    const double t = ah * Sg(w);
    // The lattice the group repeats on; its point nearest the middle of the artboard stands in for
    // the drag's start, so that the isometries' images stay on the artboard.
    SBRealPoint a{2 * aw, 0}, b{0, 2 * ah};
    if (symmetry <= 2) a = {aw, 0}, b = {t, h};
    if (symmetry == 3 || symmetry == 4 || symmetry == 6) b = {0, ah};
    if (symmetry == 6) a = {4 * aw, 0};
    if (symmetry == 8 || symmetry == 9) b = {aw, ah};
    if (symmetry >= 10 && symmetry <= 12) b = {0, 2 * aw};
    if (symmetry >= 13 && symmetry <= 15) b = {aw, 1.5 * 2 * aw / r3};
    if (symmetry >= 16) a = {ah * r3, 0}, b = {ah * r3 / 2, 1.5 * ah};
    SBRealPoint o = start;
    double best = 1e300;
    for (int i = -20; i <= 20; ++i)
        for (int j = -20; j <= 20; ++j) {
            const SBRealPoint c{start.h + i * a.h + j * b.h, start.v + i * a.v + j * b.v};
            const double d = std::hypot(c.h - kSide / 2, c.v - kSide / 2);
            if (d < best) best = d, o = c;
        }
    const SBRealPoint mid = At(o, (w + t) / 2, h / 2);
    const Isometry vertical = Reflect(o, 90), horizontal = Reflect(o, 0);
    switch (symmetry) {
        case 1:
            return {{Translate(w, 0), Translate(t, h)}, {Rotate(180, mid), vertical, Reflect(mid, 0)}};
        case 2:
            return {{Translate(w, 0), Translate(t, h), Rotate(180, mid)},
                    {Rotate(90, mid), Reflect(mid, 90), Reflect(mid, 0), Translate(w / 2, 0)}};
        case 3:
            return {{Translate(2 * w, 0), Translate(0, h), vertical},
                    {horizontal, Reflect(At(o, 0, h / 2), 0), Rotate(180, o)}};
        case 4:
            return {{Translate(2 * w, 0), Translate(0, h), Reflect(At(o, 0, h / 2), 0, w)},
                    {Reflect(At(o, 0, h / 2), 0), vertical, Rotate(180, o), Translate(w, 0)}};
        case 5:
            return {{Translate(2 * w, 0), Translate(0, 2 * h), vertical, horizontal},
                    {Rotate(90, o), Reflect(o, 45), Translate(w, 0)}};
        case 6:
            // Mirrors at O.h ± w, 2|w| apart: the one nearer the middle.
            return {{Translate(4 * w, 0), Translate(0, h),
                     Reflect(At(o, std::fabs(o.h + w - kSide / 2) < std::fabs(o.h - w - kSide / 2) ? w : -w, 0), 90),
                     Reflect(At(o, 0, h / 2), 0, 2 * w)},
                    {Reflect(At(o, 0, h / 2), 0), vertical, Translate(2 * w, 0)}};
        case 7:
            return {{Translate(2 * w, 0), Translate(0, 2 * h), Rotate(180, o), Reflect(At(o, 0, h / 2), 0, w)},
                    {vertical, horizontal, Reflect(At(o, 0, h / 2), 0), Translate(w, h)}};
        case 8:
            return {{Translate(2 * w, 0), Translate(w, h), vertical}, {horizontal, Rotate(180, o), Translate(w, 0)}};
        case 9:
            return {{Translate(2 * w, 0), Translate(w, h), vertical, horizontal},
                    {Rotate(90, o), Translate(w, 0), Reflect(o, 45)}};
        case 10:
            return {{Translate(2 * w, 0), Translate(0, 2 * w), Rotate(90, o)},
                    {vertical, horizontal, Reflect(o, 45), Reflect(At(o, w / 2, 0), 90)}};
        case 11:
            return {{Translate(2 * w, 0), Translate(0, 2 * w), Rotate(90, o), vertical, Reflect(o, 45)},
                    {Translate(w, 0), Reflect(At(o, w / 2, 0), 90), Rotate(90, At(o, w / 2, w / 2))}};
        case 12: {
            const double q = aw * Sg(h);
            return {{Translate(2 * w, 0), Translate(0, 2 * w), Rotate(90, o),
                     Reflect(At(o, w, 0), std::atan2(q, -w) * 180 / kPi)},
                    {vertical, horizontal, Reflect(o, 45), Reflect(o, -45)}};
        }
        case 13:
        case 14:
        case 15: {
            const double bigH = 2 * aw / r3;
            Symmetries s{{Translate(2 * aw, 0), Translate(aw, 1.5 * bigH), Rotate(120, o)},
                         {Rotate(60, o), Rotate(180, o), Translate(aw, 0)}};
            if (symmetry == 13) s.lacks.insert(s.lacks.end(), {vertical, horizontal});
            if (symmetry == 14) {
                s.has.push_back(vertical);
                s.lacks.push_back(horizontal);
            }
            if (symmetry == 15) {
                s.has.push_back(Reflect(At(o, 0, aw / r3 * Sg(h)), 0));
                s.lacks.insert(s.lacks.end(), {vertical, horizontal});
            }
            return s;
        }
        default: {
            const double step = ah * r3;
            Symmetries s{{Translate(step, 0), Translate(step / 2, 1.5 * ah), Rotate(60, o)},
                         {Rotate(90, o), Translate(step / 2, 0)}};
            if (symmetry == 16) s.lacks.insert(s.lacks.end(), {vertical, horizontal, Reflect(o, 30)});
            if (symmetry == 17) s.has.insert(s.has.end(), {vertical, horizontal, Reflect(o, 30)});
            return s;
        }
    }
}

std::string Panel(int symmetry, const char* extent = "group_cut_artboard", bool cut = true) {
    std::ostringstream text;
    text << "panel params {\"symmetry\":\"" << symmetry << "\",\"tile_cut_mode\":\"" << (cut ? "true" : "false")
         << "\",\"" << extent << "\":\"true\",\"tile_mirror_closed_cut\":\"true\"}\n";
    return text.str();
}

std::string Drag(SBRealPoint from, double w, double h) {
    std::ostringstream text;
    text << "down " << from.h << " " << from.v << "\ndrag " << from.h + w << " " << from.v + h << " steps 2\nup\n";
    return text.str();
}

const std::string kIcon = std::string("document 16 16\nimport \"") + ZARVO_CORPUS_DIR +
                          "/bootstrap-icons/piggy-bank-fill.svg\"\nselect all\ntool Tile\n";

scribera::io::Picture Draw(PlayedScript& p, SBRealRect area) {
    scribera::io::PngOptions options;
    options.area = area;
    options.pixelsPerUnit = kPixelsPerUnit;
    options.minimumSide = 1;
    scribera::io::Picture picture;
    std::string error;
    EXPECT_TRUE(
        scribera::io::RenderArtwork(scribera::io::ReadDocument(p.Doc()), kSide, kSide, options, &picture, &error))
        << error;
    return picture;
}

// The filled region of a picture of the artboard, looked up by document point.
struct Region {
    scribera::io::Picture picture;
    bool Filled(SBRealPoint p) const {
        const int x = static_cast<int>(p.h * kPixelsPerUnit), y = static_cast<int>((kSide - p.v) * kPixelsPerUnit);
        const auto px =
            picture.At(std::min(std::max(x, 0), picture.width - 1), std::min(std::max(y, 0), picture.height - 1));
        return px.red + px.green + px.blue < 3 * 128;
    }
    // The share of sample points, away from the border, whose image under g is filled differently.
    double Mismatch(const Isometry& g, int* compared) const {
        constexpr double margin = 0.3, step = 0.04;
        int differ = 0;
        *compared = 0;
        for (double h = margin; h < kSide - margin; h += step)
            for (double v = margin; v < kSide - margin; v += step) {
                const SBRealPoint q = g({h, v});
                if (q.h < margin || q.v < margin || q.h > kSide - margin || q.v > kSide - margin) continue;
                ++*compared;
                differ += Filled({h, v}) != Filled(q);
            }
        return *compared ? double(differ) / *compared : 1.0;
    }
};

void ExpectWallpaper(int symmetry, SBRealPoint from, double w, double h) {
    SCOPED_TRACE(std::string(symmetry > 0 ? "group " + std::to_string(symmetry) : "") + " drag " + std::to_string(w) +
                 ", " + std::to_string(h));
    auto p = Play(kIcon + Panel(symmetry) + "edit-options\n" + Drag(from, w, h));
    ASSERT_TRUE(p->ok) << p->error;
    ASSERT_TRUE(p->session.Shown().alerts.empty());
    ASSERT_EQ(p->TopArt().size(), 1u);
    EXPECT_EQ(p->UndoNames().back(), "Undo Tile");

    const Region region{Draw(*p, SBRealRect{0, kSide, kSide, 0})};
    int filled = 0, total = 0;
    for (double a = 0.1; a < kSide; a += 0.2)
        for (double b = 0.1; b < kSide; b += 0.2) filled += region.Filled({a, b}), ++total;
    // Something of both the icon and the holes in it in every tile.
    ASSERT_GT(filled, total / 10);
    ASSERT_LT(filled, total * 99 / 100);

    const Symmetries expected = Expected(symmetry, from, w, h);
    for (const Isometry& g : expected.has) {
        int compared = 0;
        const double m = region.Mismatch(g, &compared);
        EXPECT_LT(m, 0.01) << g.name;
        EXPECT_GT(compared, 5000) << g.name;
    }
    for (const Isometry& g : expected.lacks) {
        int compared = 0;
        const double m = region.Mismatch(g, &compared);
        EXPECT_GT(m, 0.04) << g.name;
    }

    // Nothing beyond the artboard: a picture of a wider area is blank outside it.
    const scribera::io::Picture wide = Draw(*p, SBRealRect{-4, kSide + 4, kSide + 4, -4});
    int outside = 0;
    for (int y = 0; y < wide.height; ++y)
        for (int x = 0; x < wide.width; ++x) {
            const double dh = x / kPixelsPerUnit - 4, dv = kSide + 4 - y / kPixelsPerUnit;
            if (dh > -0.1 && dh < kSide + 0.1 && dv > -0.1 && dv < kSide + 0.1) continue;
            const auto px = wide.At(x, y);
            outside += px.red + px.green + px.blue < 3 * 250;
        }
    EXPECT_EQ(outside, 0);
}

class TileGroups : public ::testing::TestWithParam<int> {};

TEST_P(TileGroups, AnIconTilesIntoAWallpaperOfTheGroupFromADragUpAndRight) {
    ExpectWallpaper(GetParam(), {0.5, 4.5}, 3.5, 3);
}

TEST_P(TileGroups, AnIconTilesIntoAWallpaperOfTheGroupFromADragDownAndLeft) {
    ExpectWallpaper(GetParam(), {4, 7.5}, -3.5, -3);
}

std::string GroupName(const ::testing::TestParamInfo<int>& info) {
    static const char* const kNames[] = {"p1", "p2",  "pm",  "pg", "pmm",  "pmg",  "pgg", "cm", "cmm",
                                         "p4", "p4m", "p4g", "p3", "p3m1", "p31m", "p6",  "p6m"};
    return kNames[info.param - 1];
}

INSTANTIATE_TEST_SUITE_P(TileTool, TileGroups, ::testing::Range(1, 18), GroupName);

// The area a closed polygon of straight sides encloses.
double Area(const Art& path) {
    double twice = 0;
    const auto& s = path.segments;
    for (size_t i = 0; i < s.size(); ++i) {
        const SBRealPoint a = s[i].p, b = s[(i + 1) % s.size()].p;
        twice += a.h * b.v - b.h * a.v;
    }
    return std::fabs(twice) / 2;
}

void ExpectInsideArtboard(PlayedScript& p) {
    for (const Art* path : p.Paths())
        for (const SBPathSegment& s : path->segments) {
            EXPECT_GE(s.p.h, -1e-4);
            EXPECT_LE(s.p.h, kSide + 1e-4);
            EXPECT_GE(s.p.v, -1e-4);
            EXPECT_LE(s.p.v, kSide + 1e-4);
        }
}

// A solid square larger than the artboard, tiled: the cells cover the artboard exactly once.
TEST(TileTool, CellsOfEveryGroupMeetWithoutGapsOrOverlaps) {
    const std::string solid =
        "document 16 16\nfill gray 1\npath closed -5,-5 25,-5 25,25 -5,25\nselect all\ntool Tile\n";
    for (int symmetry = 1; symmetry <= 17; ++symmetry) {
        SCOPED_TRACE(symmetry);
        auto p = Play(solid + Panel(symmetry) + "edit-options\n" + Drag({5.2, 6.1}, 2.6, -2.2));
        ASSERT_TRUE(p->ok) << p->error;
        ExpectInsideArtboard(*p);
        double area = 0;
        for (const Art* path : p->Paths()) {
            EXPECT_TRUE(path->closed);
            area += Area(*path);
        }
        EXPECT_NEAR(area, kSide * kSide, 0.01);
    }
}

// With a single lattice the tile stays as built: its cuts hold the cell and the copies that fill
// one lattice cell exactly.
TEST(TileTool, ASingleLatticeKeepsOneTileTheSizeOfTheLatticeCell) {
    const std::string solid =
        "document 40 40\nfill gray 1\npath closed -50,-50 90,-50 90,90 -50,90\nselect all\ntool Tile\n";
    auto p1 = Play(solid + Panel(1, "group_cut_single_lattice") + "edit-options\n" + Drag({10, 10}, 6, 4));
    ASSERT_TRUE(p1->ok) << p1->error;
    ASSERT_EQ(p1->Paths().size(), 1u);
    // The parallelogram O, O+(6, 0), O+(10, 4), O+(4, 4) with the default lean of 45°.
    ExpectExtent(p1->Paths(), 10, 20, 10, 14);
    EXPECT_NEAR(Area(*p1->Paths()[0]), 24, 1e-3);
    EXPECT_TRUE(p1->session.Shown().alerts.empty());

    auto p6 = Play(solid + Panel(16, "group_cut_single_lattice") + "edit-options\n" + Drag({20, 20}, 1, 5));
    ASSERT_TRUE(p6->ok) << p6->error;
    ASSERT_EQ(p6->Paths().size(), 6u);
    double area = 0;
    for (const Art* path : p6->Paths()) area += Area(*path);
    EXPECT_NEAR(area, 1.5 * std::sqrt(3.0) * 25, 1e-2);
    ExpectExtent(p6->Paths(), 20 - 2.5 * std::sqrt(3.0), 20 + 2.5 * std::sqrt(3.0), 15, 25);
}

// Pattern mode repeats the selection whole: nothing is cut but at the extent's edges.
TEST(TileTool, PatternModeCutsNothingButTheExtentsEdges) {
    const std::string triangle = "document 40 40\nfill gray 1\npath closed 11,11 14,11 11,13\nselect all\ntool Tile\n";
    auto single =
        Play(triangle + Panel(5, "group_cut_single_lattice", false) + "edit-options\n" + Drag({10, 10}, 2, 2));
    ASSERT_TRUE(single->ok) << single->error;
    // A group of (the triangle and its image across the vertical) and that group's image.
    ASSERT_EQ(single->TopArt().size(), 1u);
    const Art& top = *single->TopArt()[0];
    EXPECT_EQ(top.kind, ArtKind::Group);
    ASSERT_EQ(single->Paths().size(), 4u);
    for (const Art* path : single->Paths()) EXPECT_EQ(path->segments.size(), 3u);
    ExpectExtent(single->Paths(), 6, 14, 7, 13);

    auto filled = Play(triangle + Panel(5, "group_cut_artboard", false) + "edit-options\n" + Drag({10, 10}, 2, 2));
    ASSERT_TRUE(filled->ok) << filled->error;
    ASSERT_EQ(filled->TopArt().size(), 1u);
    int whole = 0;
    for (const Art* path : filled->Paths()) {
        const auto b = Extent({path});
        const bool inside = b[0] > 0.01 && b[1] < 39.99 && b[2] > 0.01 && b[3] < 39.99;
        if (inside) {
            EXPECT_EQ(path->segments.size(), 3u);
        }
        whole += inside;
    }
    // Tile bounds 8 × 6 on a 4 × 4 lattice: 4 triangles per copy, the copies overlapping.
    EXPECT_GT(whole, 4 * 60);
    ExpectExtent(filled->Paths(), 0, 40, 0, 40);
}

}  // namespace
