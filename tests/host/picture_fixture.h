// Artwork for the picture tests: shapes, paint and a look at the pixels drawn.
#pragma once

#include "io/Artwork.h"
#include "io/PngRender.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace picture {

using namespace scribera;
using namespace scribera::io;

inline SBColor Gray(double ink) {
    SBColor c{};
    c.kind = SB_COLOR_GRAY;
    c.c.gray.gray = ink;
    return c;
}

inline SBColor RgbColour(double r, double g, double b) {
    SBColor c{};
    c.kind = SB_COLOR_THREE;
    c.c.three = {r, g, b};
    return c;
}

inline SBColor Cmyk(double c, double m, double y, double k) {
    SBColor col{};
    col.kind = SB_COLOR_FOUR;
    col.c.four = {c, m, y, k};
    return col;
}

inline SBPathStyle Filled(const SBColor& fill, bool evenOdd = false) {
    SBPathStyle s{};
    s.fillPaint = 1;
    s.fill.color = fill;
    s.stroke.color.kind = SB_COLOR_NONE;
    s.evenOdd = evenOdd;
    return s;
}

// A closed polygon through the points, in document units (vertical axis up).
inline ArtNode Polygon(const std::vector<SBRealPoint>& points, const SBPathStyle& style) {
    ArtNode n;
    n.kind = ArtKind::Path;
    n.closed = true;
    n.style = style;
    for (SBRealPoint p : points) n.segments.push_back({p, p, p, 1});
    return n;
}

// Counter-clockwise unless `clockwise`.
inline ArtNode Square(double left, double bottom, double size, const SBPathStyle& style, bool clockwise = false) {
    std::vector<SBRealPoint> points{
        {left, bottom}, {left + size, bottom}, {left + size, bottom + size}, {left, bottom + size}};
    if (clockwise) points = {points[0], points[3], points[2], points[1]};
    return Polygon(points, style);
}

inline ArtNode Compound(std::vector<ArtNode> members) {
    ArtNode n;
    n.kind = ArtKind::Compound;
    n.children = std::move(members);
    return n;
}

inline Picture Render(const Artwork& art, double width, double height, const PngOptions& options = {}) {
    Picture picture;
    std::string error;
    EXPECT_TRUE(RenderArtwork(art, width, height, options, &picture, &error)) << error;
    return picture;
}

// The pixel showing document point (h, v) of a picture drawn with `scale` pixels per unit of a
// document `height` high.
inline Pixel At(const Picture& p, double h, double v, double scale, double height) {
    return p.At(static_cast<int>(h * scale), static_cast<int>((height - v) * scale));
}

inline ::testing::AssertionResult Near(const Pixel& p, int r, int g, int b, int tolerance = 3) {
    if (std::abs(p.red - r) <= tolerance && std::abs(p.green - g) <= tolerance && std::abs(p.blue - b) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << int(p.red) << ", " << int(p.green) << ", " << int(p.blue)
                                         << ") is not near (" << r << ", " << g << ", " << b << ")";
}

}  // namespace picture
