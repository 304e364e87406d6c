// SVG elements, paint and references as files write them, and files that must be refused whole.
#include "io/SvgImport.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>

using namespace scribera;
using namespace scribera::io;

namespace {

constexpr double kHeight = 100;

Artwork Import(const std::string& body, const std::string& rootAttributes = "") {
    std::string text = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"100\" " + rootAttributes +
                       ">" + body + "</svg>";
    Artwork art;
    std::string error;
    EXPECT_TRUE(ImportSvgText(text, "test.svg", kHeight, &art, &error)) << error;
    return art;
}

std::string Refused(const std::string& text) {
    Artwork art;
    art.art.resize(1);  // must stay as it was
    std::string error;
    EXPECT_FALSE(ImportSvgText(text, "bad.svg", kHeight, &art, &error)) << text.substr(0, 80);
    EXPECT_EQ(art.art.size(), 1u);
    EXPECT_EQ(error.rfind("bad.svg: ", 0), 0u) << error;
    return error;
}

void ExpectPoint(SBRealPoint p, double h, double v, double tol = 1e-9) {
    EXPECT_NEAR(p.h, h, tol);
    EXPECT_NEAR(p.v, v, tol);
}

void ExpectRgb(const SBColor& c, double r, double g, double b) {
    ASSERT_EQ(c.kind, SB_COLOR_THREE);
    EXPECT_NEAR(c.c.three.red, r, 1e-12);
    EXPECT_NEAR(c.c.three.green, g, 1e-12);
    EXPECT_NEAR(c.c.three.blue, b, 1e-12);
}

}  // namespace

TEST(SvgImport, ShapesAreFlippedIntoDocumentCoordinates) {
    Artwork art = Import(
        "<rect x='10' y='20' width='30' height='10'/>"
        "<circle cx='50' cy='50' r='10'/>"
        "<ellipse cx='0' cy='0' rx='4' ry='2'/>"
        "<line x1='0' y1='0' x2='10' y2='10'/>"
        "<polyline points='0,0 5,5 10,0'/>"
        "<polygon points='1 1 2 1 2 2'/>"
        "<rect x='0' y='0' width='10' height='10' rx='2'/>");
    // Files list the bottom first; the artwork lists the top first.
    ASSERT_EQ(art.art.size(), 7u);
    const ArtNode& rect = art.art[6];
    ASSERT_EQ(rect.segments.size(), 4u);
    EXPECT_TRUE(rect.closed);
    ExpectPoint(rect.segments[0].p, 10, 80);
    ExpectPoint(rect.segments[2].p, 40, 70);
    EXPECT_TRUE(rect.segments[0].corner);

    const ArtNode& circle = art.art[5];
    ASSERT_EQ(circle.segments.size(), 4u);
    for (const SBPathSegment& s : circle.segments) {
        EXPECT_NEAR(std::hypot(s.p.h - 50, s.p.v - 50), 10, 1e-12);
        EXPECT_FALSE(s.corner);
        EXPECT_NEAR(std::hypot(s.out.h - s.p.h, s.out.v - s.p.v), 10 * 0.5522847498307936, 1e-9);
    }
    ExpectPoint(art.art[4].segments[1].p, 0, 98);  // the ellipse's (0, 2), below the page top
    EXPECT_FALSE(art.art[3].closed);
    ExpectPoint(art.art[3].segments[1].p, 10, 90);
    EXPECT_FALSE(art.art[2].closed);
    EXPECT_EQ(art.art[2].segments.size(), 3u);
    EXPECT_TRUE(art.art[1].closed);
    // Rounded corners: eight anchors, each arc ending where a straight side begins.
    ASSERT_EQ(art.art[0].segments.size(), 8u);
    ExpectPoint(art.art[0].segments[0].p, 2, 100);
    ExpectPoint(art.art[0].segments[1].p, 8, 100);
    ExpectPoint(art.art[0].segments[2].p, 10, 98);
    // Where a side runs on into a corner arc the anchor is smooth; the plain rectangle's are corners.
    for (const SBPathSegment& s : art.art[0].segments) EXPECT_FALSE(s.corner);
    for (const SBPathSegment& s : art.art[1].segments) EXPECT_TRUE(s.corner);

    // Shapes that draw nothing make nothing.
    EXPECT_TRUE(Import("<rect width='0' height='5'/><circle r='0'/><path d=''/><polyline points='1 1'/>").art.empty());
}

TEST(SvgImport, TransformsAreAppliedToTheGeometry) {
    Artwork art = Import(
        "<g transform='translate(10 20) scale(2)'><path d='M1 1L2 1' transform='rotate(90)' stroke='red' "
        "stroke-width='3'/></g>"
        "<path d='M0 0L10 0' transform='matrix(1 0 0 1 5 5) skewX(45)'/>"
        "<path d='M10 0L20 0' transform='rotate(180 15 0)'/>");
    ASSERT_EQ(art.art.size(), 3u);
    const ArtNode& group = art.art[2];
    ASSERT_EQ(group.kind, ArtKind::Group);
    ASSERT_EQ(group.children.size(), 1u);
    const ArtNode& p = group.children[0];
    // rotate(90) maps (1, 1) to (-1, 1); scale 2 and translate give (8, 22); flipped: (8, 78).
    ExpectPoint(p.segments[0].p, 8, 78);
    ExpectPoint(p.segments[1].p, 8, 76);
    EXPECT_NEAR(p.style.stroke.width, 6, 1e-12);
    ExpectPoint(art.art[1].segments[1].p, 15, 95);
    ExpectPoint(art.art[0].segments[0].p, 20, 100);

    Refused("<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1' transform='spin(3)'/></svg>");
    Refused(
        "<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1' transform='scale(1e9) scale(1e9) "
        "scale(1e9)'/></svg>");
}

TEST(SvgImport, PaintFromAttributesStylesAndInheritance) {
    Artwork art = Import(
        "<g fill='#0f0' stroke='blue' color='#ff0000'>"
        "  <path d='M0 0L1 0L1 1z'/>"
        "  <path d='M0 0L1 0L1 1z' style='fill: rgb(100%, 0%, 50%); stroke:none'/>"
        "  <path d='M0 0L1 0L1 1z' fill='currentColor' fill-rule='evenodd'/>"
        "  <path d='M0 0L1 0L1 1z' fill='none' stroke='inherit'/>"
        "</g>"
        "<path d='M0 0L1 0L1 1z'/>"
        "<path d='M0 0L1 0L1 1z' fill='Navy' style='fill:#123456'/>");
    ASSERT_EQ(art.art.size(), 3u);
    // The style attribute wins over the presentation attribute.
    ExpectRgb(art.art[0].style.fill.color, 0x12 / 255.0, 0x34 / 255.0, 0x56 / 255.0);
    // No fill given: black; no stroke: none.
    EXPECT_TRUE(art.art[1].style.fillPaint);
    ExpectRgb(art.art[1].style.fill.color, 0, 0, 0);
    EXPECT_FALSE(art.art[1].style.strokePaint);
    const auto& kids = art.art[2].children;
    ASSERT_EQ(kids.size(), 4u);
    ExpectRgb(kids[3].style.fill.color, 0, 1, 0);
    ExpectRgb(kids[3].style.stroke.color, 0, 0, 1);
    EXPECT_FALSE(kids[3].style.evenOdd);
    ExpectRgb(kids[2].style.fill.color, 1, 0, 0.5);
    EXPECT_FALSE(kids[2].style.strokePaint);
    ExpectRgb(kids[1].style.fill.color, 1, 0, 0);
    EXPECT_TRUE(kids[1].style.evenOdd);
    EXPECT_FALSE(kids[0].style.fillPaint);
    EXPECT_TRUE(kids[0].style.strokePaint);

    Refused("<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1' fill='#12'/></svg>");
    Refused("<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1' fill='blurple'/></svg>");
}

TEST(SvgImport, SeveralSubpathsMakeACompoundPath) {
    Artwork art = Import("<path fill-rule='evenodd' d='M0 0h10v10H0z M2 2h6v6H2z'/>");
    ASSERT_EQ(art.art.size(), 1u);
    const ArtNode& c = art.art[0];
    ASSERT_EQ(c.kind, ArtKind::Compound);
    ASSERT_EQ(c.children.size(), 2u);
    // The first subpath is the compound's top child, and each child carries the element's paint.
    ExpectPoint(c.children[0].segments[0].p, 0, 100);
    ExpectPoint(c.children[1].segments[0].p, 2, 98);
    for (const ArtNode& child : c.children) {
        EXPECT_TRUE(child.style.evenOdd);
        EXPECT_TRUE(child.closed);
    }
}

TEST(SvgImport, GradientsByReference) {
    Artwork art = Import(
        "<defs>"
        "<linearGradient id='stops'><stop offset='0' stop-color='red'/><stop offset='50%' style='stop-color:#00f'/>"
        "<stop offset='0.2' stop-color='lime'/></linearGradient>"
        "<linearGradient id='user' href='#stops' gradientUnits='userSpaceOnUse' x1='10' y1='10' x2='10' y2='30'/>"
        "<radialGradient id='round' xlink:href='#stops' cx='0.5' cy='0.5' r='0.5'/>"
        "</defs>"
        "<path d='M0 0H40V40H0z' fill='url(#user)'/>"
        "<path d='M0 0H40V20H0z' fill='url(#round)' stroke='url(#user)'/>",
        "xmlns:xlink='http://www.w3.org/1999/xlink'");
    ASSERT_EQ(art.art.size(), 2u);
    // Both uses share the stops of one definition, once per gradient kind.
    ASSERT_EQ(art.gradients.size(), 2u);
    const GradientData& g = art.gradients[0];
    ASSERT_EQ(g.stops.size(), 3u);
    EXPECT_DOUBLE_EQ(g.stops[1].rampPoint, 50);
    // Offsets never go back.
    EXPECT_DOUBLE_EQ(g.stops[2].rampPoint, 50);
    EXPECT_DOUBLE_EQ(g.stops[0].midPoint, 50);
    ExpectRgb(g.stops[1].color, 0, 0, 1);

    const SBColor& lin = art.art[1].style.fill.color;
    ASSERT_EQ(lin.kind, SB_COLOR_GRADIENT);
    EXPECT_EQ(HandleIndex(lin.c.gradient.gradient), 1u);
    // From (10, 10) down the page to (10, 30): in the document from (10, 90) pointing down.
    ExpectPoint(lin.c.gradient.origin, 10, 90);
    EXPECT_NEAR(lin.c.gradient.angle, -90, 1e-9);
    EXPECT_NEAR(lin.c.gradient.length, 20, 1e-9);
    EXPECT_NEAR(lin.c.gradient.matrix.a, 1, 1e-9);
    EXPECT_NEAR(lin.c.gradient.matrix.d, 1, 1e-9);
    EXPECT_NEAR(lin.c.gradient.matrix.tx, 0, 1e-9);

    // Bounding-box units: the centre of a 40 x 20 box, radius half its size, squashed by the matrix.
    const SBColor& rad = art.art[0].style.fill.color;
    ASSERT_EQ(rad.kind, SB_COLOR_GRADIENT);
    EXPECT_EQ(art.gradients[HandleIndex(rad.c.gradient.gradient) - 1].kind, SB_GRADIENT_RADIAL);
    ExpectPoint(rad.c.gradient.origin, 20, 90);
    EXPECT_TRUE(art.art[0].style.strokePaint);
    EXPECT_EQ(art.art[0].style.stroke.color.kind, SB_COLOR_GRADIENT);

    Refused("<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1' fill='url(#nowhere)'/></svg>");
    Refused(
        "<svg xmlns='http://www.w3.org/2000/svg'><linearGradient id='a' href='#b'/><linearGradient id='b' href='#a'/>"
        "<path d='M0 0L1 1' fill='url(#a)'/></svg>");
    Refused("<svg xmlns='http://www.w3.org/2000/svg'><g id='g'/><path d='M0 0L1 1' fill='url(#g)'/></svg>");
}

TEST(SvgImport, ClipPathMakesAClippingGroup) {
    Artwork art = Import(
        "<clipPath id='c'><circle cx='5' cy='5' r='5'/></clipPath>"
        "<path d='M0 0H10V10H0z' fill='red' clip-path='url(#c)'/>"
        "<g clip-path='url(#c)'><path d='M0 0L3 3'/><path d='M1 0L3 3'/></g>");
    ASSERT_EQ(art.art.size(), 2u);
    const ArtNode& g = art.art[0];
    ASSERT_EQ(g.kind, ArtKind::Group);
    EXPECT_TRUE(g.clipped);
    ASSERT_EQ(g.children.size(), 3u);
    EXPECT_TRUE(g.children[0].style.clip);
    EXPECT_EQ(g.children[0].segments.size(), 4u);
    EXPECT_FALSE(g.children[1].style.clip);

    const ArtNode& wrapped = art.art[1];
    ASSERT_EQ(wrapped.kind, ArtKind::Group);
    EXPECT_TRUE(wrapped.clipped);
    ASSERT_EQ(wrapped.children.size(), 2u);
    EXPECT_TRUE(wrapped.children[0].style.clip);
    ExpectRgb(wrapped.children[1].style.fill.color, 1, 0, 0);

    Refused("<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1 1' clip-path='url(#none)'/></svg>");
    Refused("<svg xmlns='http://www.w3.org/2000/svg'><clipPath id='e'/><path d='M0 0L1 1' clip-path='url(#e)'/></svg>");
}

TEST(SvgImport, HostileFilesAreRefusedWhole) {
    const std::string head = "<svg xmlns='http://www.w3.org/2000/svg'>";
    EXPECT_NE(Refused(head + "<path d='M0 0L1 1'/><path d='M0 0 L NaN 1'/></svg>").find("path data"),
              std::string::npos);
    Refused(head + "<path d='M0 0 L1e400 1'/></svg>");
    Refused(head + "<rect width='1e400' height='1'/></svg>");
    Refused(head + "<circle r='nan'/></svg>");
    Refused(head + "<rect width='-1' height='1'/></svg>");
    Refused(head + "<polygon points='1 2 3'/></svg>");
    Refused("<svg><path d='M0 0L1 1'></svg>");
    Refused("<html/>");
    Refused("");

    std::string deep = head;
    for (int i = 0; i < 300; ++i) deep += "<g>";
    deep += "<path d='M0 0L1 1'/>";
    for (int i = 0; i < 300; ++i) deep += "</g>";
    EXPECT_NE(Refused(deep + "</svg>").find("nesting"), std::string::npos);

    // Very deep XML must not exhaust the stack either.
    std::string abyss = head;
    for (int i = 0; i < 100000; ++i) abyss += "<g>";
    for (int i = 0; i < 100000; ++i) abyss += "</g>";
    Refused(abyss + "</svg>");

    // A use that refers to itself, and uses that double at every level.
    Refused(head + "<g id='loop'><use href='#loop'/></g></svg>");
    std::string fan = head + "<path id='p0' d='M0 0L1 1'/>";
    for (int i = 1; i < 40; ++i)
        fan += "<g id='p" + std::to_string(i) + "'><use href='#p" + std::to_string(i - 1) + "'/><use href='#p" +
               std::to_string(i - 1) + "'/></g>";
    EXPECT_NE(Refused(fan + "</svg>").find("objects"), std::string::npos);
    Refused(head + "<use href='#missing'/></svg>");

    Artwork art;
    std::string error;
    EXPECT_FALSE(ImportSvgFile("/nonexistent/file.svg", kHeight, &art, &error));
    EXPECT_NE(error.find("/nonexistent/file.svg"), std::string::npos);
}

TEST(SvgImport, UseAndNestedSvgPlaceTheirContent) {
    Artwork art = Import(
        "<defs><path id='tri' d='M0 0L2 0L2 2z'/></defs>"
        "<use href='#tri' x='10' y='5'/>"
        "<svg x='20' y='0'><path d='M0 0L1 0'/></svg>"
        "<g display='none'><path d='M0 0L1 0'/></g>"
        "<text>ignored</text>");
    ASSERT_EQ(art.art.size(), 2u);
    ASSERT_EQ(art.art[0].kind, ArtKind::Group);
    ExpectPoint(art.art[0].children[0].segments[0].p, 20, 100);
    ExpectPoint(art.art[1].segments[1].p, 12, 95);
}

TEST(SvgImport, MutatedIconsNeverCrash) {
    // Random byte changes of real files: each either imports or is refused with its name.
    const char* icons[] = {"0-circle-fill.svg", "flower1.svg", "bell-fill.svg", "heart-half.svg"};
    const char alphabet[] = "0123456789.-+eE,MmLlHhVvCcSsQqTtAaZz #()<>/='\"%";
    uint32_t seed = 12345;
    auto next = [&seed]() {
        seed = seed * 1664525u + 1013904223u;
        return seed >> 8;
    };
    int refused = 0, imported = 0;
    for (const char* icon : icons) {
        std::string path = testenv::CorpusDir() + "/bootstrap-icons/" + icon;
        Artwork original;
        std::string error;
        ASSERT_TRUE(ImportSvgFile(path, 16, &original, &error)) << error;
        std::ifstream in(path, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        for (int round = 0; round < 300; ++round) {
            std::string m = text;
            int edits = 1 + static_cast<int>(next() % 4);
            for (int e = 0; e < edits; ++e) {
                size_t at = next() % m.size();
                switch (next() % 3) {
                    case 0:
                        m[at] = alphabet[next() % (sizeof alphabet - 1)];
                        break;
                    case 1:
                        m.erase(at, 1 + next() % 3);
                        break;
                    default:
                        m.insert(at, 1, alphabet[next() % (sizeof alphabet - 1)]);
                        break;
                }
                if (m.empty()) m = "<";
            }
            Artwork art;
            if (ImportSvgText(m, "mutant.svg", 16, &art, &error)) {
                ++imported;
                for (const ArtNode& n : art.art)
                    for (const SBPathSegment& s : n.segments) ASSERT_TRUE(std::isfinite(s.p.h) && std::isfinite(s.p.v));
            } else {
                ++refused;
                ASSERT_EQ(error.rfind("mutant.svg: ", 0), 0u) << error;
            }
        }
    }
    EXPECT_GT(refused, 0);
    EXPECT_GT(imported, 0);
}
