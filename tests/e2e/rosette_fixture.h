// What the rosette tool's tests share: an icon of the corpus placed large in a hosted document and
// selected, the document drawn to pixels, and pixel-wise comparisons of the drawn region under a
// map of the plane (a turn or a reflection about the rosette's centre).
#pragma once

#include "io/Artwork.h"
#include "io/PngRender.h"
#include "io/SvgImport.h"
#include "support/CorpusIcons.h"
#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

namespace rosettetest {

using namespace hosted;

constexpr int32_t kKeyC = 0x43, kKeyM = 0x4D, kKeyEscape = 0x1B;
constexpr double kSide = 400;             // the document, square
constexpr SBRealPoint kCentre{200, 200};  // where every rosette here is centred
constexpr double kPi = 3.14159265358979323846;

inline void MapNode(scribera::io::ArtNode& node, double scale, SBRealPoint at) {
    auto map = [&](SBRealPoint& p) { p = SBRealPoint{at.h + scale * p.h, at.v + scale * p.v}; };
    for (SBPathSegment& s : node.segments) {
        map(s.p);
        map(s.in);
        map(s.out);
    }
    for (scribera::io::ArtNode& child : node.children) MapNode(child, scale, at);
}

// The icon, `scale` times its size with its lower left corner at `at`, on top of the document and
// selected with everything in it. Returns how many paths it holds (0 with a test failure).
inline size_t PlaceIcon(HostedPlugin& r, const std::string& icon, double scale, SBRealPoint at) {
    scribera::io::Artwork art;
    std::string error;
    const std::string file = testenv::CorpusDir() + "/bootstrap-icons/" + icon;
    // Read on a 16-unit page, the icon's own, so that it stands upright from (0, 0).
    if (!scribera::io::ImportSvgFile(file, 16, &art, &error)) {
        ADD_FAILURE() << file << ": " << error;
        return 0;
    }
    for (scribera::io::ArtNode& node : art.art) MapNode(node, scale, at);
    scribera::Document& doc = r.Doc();
    doc.BeginTransaction();
    std::vector<scribera::Id> created;
    EXPECT_EQ(scribera::io::AddToDocument(art, doc, &created), SB_OK);
    const size_t paths = corpus::SelectAll(doc);
    doc.EndTransaction();
    EXPECT_GT(paths, 0u) << icon;
    return paths;
}

// The document drawn at one pixel per unit, and what each point of it shows: ink, paper, or an
// edge pixel in between.
class Raster {
public:
    enum Shade { kPaper, kInk, kEdge };

    explicit Raster(const scribera::Document& doc) {
        scribera::io::PngOptions options;
        options.pixelsPerUnit = 1;
        options.minimumSide = 0;
        std::string error;
        EXPECT_TRUE(scribera::io::RenderArtwork(scribera::io::ReadDocument(doc), doc.Width(), doc.Height(), options,
                                                &picture_, &error))
            << error;
    }

    int Width() const { return picture_.width; }
    int Height() const { return picture_.height; }
    // The document point at the middle of pixel (x, y).
    SBRealPoint PointOf(int x, int y) const { return SBRealPoint{x + 0.5, picture_.height - (y + 0.5)}; }

    Shade PixelShade(int x, int y) const {
        if (x < 0 || y < 0 || x >= picture_.width || y >= picture_.height) return kPaper;
        const scribera::io::Pixel p = picture_.At(x, y);
        const int level = (p.red + p.green + p.blue) / 3;
        return level < 96 ? kInk : (level > 160 ? kPaper : kEdge);
    }
    Shade At(SBRealPoint p) const {
        return PixelShade(static_cast<int>(std::floor(p.h)), static_cast<int>(std::floor(picture_.height - p.v)));
    }
    // Whether a pixel next to the point (or under it) shows `shade` or an edge.
    bool NearShade(SBRealPoint p, Shade shade) const {
        const int x = static_cast<int>(std::floor(p.h)), y = static_cast<int>(std::floor(picture_.height - p.v));
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const Shade s = PixelShade(x + dx, y + dy);
                if (s == shade || s == kEdge) return true;
            }
        return false;
    }

private:
    scribera::io::Picture picture_;
};

struct Comparison {
    long ink = 0;       // ink pixels compared
    long mismatch = 0;  // pixels whose image shows the other shade all around
    double Fraction() const { return ink ? double(mismatch) / double(ink) : 1.0; }
};

// Every clear pixel of `a` for which `where` holds, against the point `map` takes it to in `b`.
inline Comparison Compare(const Raster& a, const Raster& b, const std::function<SBRealPoint(SBRealPoint)>& map,
                          const std::function<bool(SBRealPoint)>& where = nullptr) {
    Comparison c;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const Raster::Shade s = a.PixelShade(x, y);
            if (s == Raster::kEdge) continue;
            const SBRealPoint p = a.PointOf(x, y);
            if (where && !where(p)) continue;
            if (s == Raster::kInk) ++c.ink;
            if (!b.NearShade(map(p), s)) ++c.mismatch;
        }
    return c;
}

inline SBRealPoint Turn(SBRealPoint p, double degrees, SBRealPoint about = kCentre) {
    const double a = degrees * kPi / 180, x = p.h - about.h, y = p.v - about.v;
    return SBRealPoint{about.h + x * std::cos(a) - y * std::sin(a), about.v + x * std::sin(a) + y * std::cos(a)};
}

// Across the line through `about` at `degrees`.
inline SBRealPoint Reflect(SBRealPoint p, double degrees, SBRealPoint about = kCentre) {
    const double a = 2 * degrees * kPi / 180, x = p.h - about.h, y = p.v - about.v;
    return SBRealPoint{about.h + x * std::cos(a) + y * std::sin(a), about.v + x * std::sin(a) - y * std::cos(a)};
}

inline double Degrees(SBRealPoint p, SBRealPoint about = kCentre) {
    return std::atan2(p.v - about.v, p.h - about.h) * 180 / kPi;
}

// The point lies strictly between the rays from the centre at `from` and at `from` − `span`
// degrees (clockwise), at least `margin` units from both rays and from the centre.
inline bool InWedge(SBRealPoint p, double from, double span, double margin) {
    const double x = p.h - kCentre.h, y = p.v - kCentre.v, r = std::hypot(x, y);
    if (r < 2 * margin) return false;
    double turn = from - Degrees(p);  // clockwise from the first ray
    while (turn < 0) turn += 360;
    while (turn >= 360) turn -= 360;
    if (turn >= span) return false;
    const double toFirst = r * std::sin(std::min(turn, 90.0) * kPi / 180);
    const double toSecond = r * std::sin(std::min(span - turn, 90.0) * kPi / 180);
    return toFirst > margin && toSecond > margin;
}

// Down at the centre, one drag step to `to`, up there.
inline void DragOnce(HostedPlugin& r, SBRealPoint to) {
    EXPECT_EQ(r.Down(kCentre), 0);
    EXPECT_EQ(r.DragTo(to), 0);
    EXPECT_EQ(r.Up(to), 0);
}

}  // namespace rosettetest
