// Export then import gives the same artwork: the whole icon corpus, and every kind of thing the
// document holds, also through a document.
#include "io/SvgExport.h"
#include "io/SvgImport.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>

using namespace scribera;
using namespace scribera::io;

namespace {

constexpr double kTol = 1e-9;

void ExpectNear(SBRealPoint a, SBRealPoint b, const std::string& where) {
    EXPECT_NEAR(a.h, b.h, kTol) << where;
    EXPECT_NEAR(a.v, b.v, kTol) << where;
}

void ExpectSameColour(const SBColor& a, const SBColor& b, const std::string& where) {
    ASSERT_EQ(a.kind, b.kind) << where;
    switch (a.kind) {
        case SB_COLOR_GRAY:
            EXPECT_EQ(a.c.gray.gray, b.c.gray.gray) << where;
            break;
        case SB_COLOR_THREE:
            EXPECT_EQ(a.c.three.red, b.c.three.red) << where;
            EXPECT_EQ(a.c.three.green, b.c.three.green) << where;
            EXPECT_EQ(a.c.three.blue, b.c.three.blue) << where;
            break;
        case SB_COLOR_FOUR:
            EXPECT_EQ(0, std::memcmp(&a.c.four, &b.c.four, sizeof a.c.four)) << where;
            break;
        case SB_COLOR_CUSTOM:
            EXPECT_EQ(a.c.custom.color, b.c.custom.color) << where;
            EXPECT_EQ(a.c.custom.tint, b.c.custom.tint) << where;
            break;
        case SB_COLOR_PATTERN:
            EXPECT_EQ(a.c.pattern.pattern, b.c.pattern.pattern) << where;
            EXPECT_EQ(0, std::memcmp(&a.c.pattern.matrix, &b.c.pattern.matrix, sizeof(SBRealMatrix))) << where;
            break;
        case SB_COLOR_GRADIENT: {
            const SBGradientStyle &x = a.c.gradient, &y = b.c.gradient;
            EXPECT_EQ(x.gradient, y.gradient) << where;
            ExpectNear(x.origin, y.origin, where);
            EXPECT_NEAR(x.angle, y.angle, kTol) << where;
            EXPECT_NEAR(x.length, y.length, kTol) << where;
            const double* m1 = &x.matrix.a;
            const double* m2 = &y.matrix.a;
            for (int i = 0; i < 6; ++i) EXPECT_NEAR(m1[i], m2[i], kTol) << where;
            break;
        }
        default:
            break;
    }
}

void ExpectSameStyle(const SBPathStyle& a, const SBPathStyle& b, const std::string& where) {
    EXPECT_EQ(a.fillPaint != 0, b.fillPaint != 0) << where;
    EXPECT_EQ(a.strokePaint != 0, b.strokePaint != 0) << where;
    EXPECT_EQ(a.clip != 0, b.clip != 0) << where;
    EXPECT_EQ(a.evenOdd != 0, b.evenOdd != 0) << where;
    EXPECT_EQ(a.fill.overprint != 0, b.fill.overprint != 0) << where;
    EXPECT_EQ(a.stroke.overprint != 0, b.stroke.overprint != 0) << where;
    EXPECT_EQ(a.stroke.width, b.stroke.width) << where;
    if (a.fillPaint || a.fill.color.kind != SB_COLOR_GRADIENT)
        ExpectSameColour(a.fill.color, b.fill.color, where + " fill");
    if (a.strokePaint || a.stroke.color.kind != SB_COLOR_GRADIENT)
        ExpectSameColour(a.stroke.color, b.stroke.color, where + " stroke");
}

void ExpectSameNode(const ArtNode& a, const ArtNode& b, const std::string& where) {
    ASSERT_EQ(static_cast<int>(a.kind), static_cast<int>(b.kind)) << where;
    EXPECT_EQ(a.selected, b.selected) << where;
    EXPECT_EQ(a.closed, b.closed) << where;
    EXPECT_EQ(a.clipped, b.clipped) << where;
    EXPECT_EQ(a.opacity, b.opacity) << where;
    EXPECT_EQ(a.blendMode, b.blendMode) << where;
    ASSERT_EQ(a.segments.size(), b.segments.size()) << where;
    for (size_t i = 0; i < a.segments.size(); ++i) {
        std::string at = where + " anchor " + std::to_string(i);
        ExpectNear(a.segments[i].p, b.segments[i].p, at);
        ExpectNear(a.segments[i].in, b.segments[i].in, at);
        ExpectNear(a.segments[i].out, b.segments[i].out, at);
        EXPECT_EQ(a.segments[i].corner != 0, b.segments[i].corner != 0) << at;
    }
    if (a.kind == ArtKind::Path) ExpectSameStyle(a.style, b.style, where);
    if (a.kind == ArtKind::Mesh) {
        EXPECT_EQ(a.mesh.columns, b.mesh.columns);
        EXPECT_EQ(a.mesh.rows, b.mesh.rows);
        ASSERT_EQ(a.mesh.nodes.size(), b.mesh.nodes.size());
        for (size_t i = 0; i < a.mesh.nodes.size(); ++i) {
            ExpectNear(a.mesh.nodes[i], b.mesh.nodes[i], where + " node");
            ExpectSameColour(a.mesh.colours[i], b.mesh.colours[i], where + " node colour");
        }
        ASSERT_EQ(a.mesh.rowCurves.size(), b.mesh.rowCurves.size());
        for (size_t i = 0; i < a.mesh.rowCurves.size(); ++i) {
            ASSERT_EQ(a.mesh.rowCurves[i].size(), b.mesh.rowCurves[i].size());
            for (size_t k = 0; k < a.mesh.rowCurves[i].size(); ++k)
                ExpectNear(a.mesh.rowCurves[i][k], b.mesh.rowCurves[i][k], where + " row curve");
        }
        EXPECT_EQ(a.mesh.columnCurves.size(), b.mesh.columnCurves.size());
        ASSERT_EQ(a.mesh.rowMarks.size(), b.mesh.rowMarks.size());
        for (size_t i = 0; i < a.mesh.rowMarks.size(); ++i) {
            ASSERT_EQ(a.mesh.rowMarks[i].size(), b.mesh.rowMarks[i].size());
            for (size_t k = 0; k < a.mesh.rowMarks[i].size(); ++k) {
                EXPECT_EQ(a.mesh.rowMarks[i][k].bezier, b.mesh.rowMarks[i][k].bezier);
                ExpectSameColour(a.mesh.rowMarks[i][k].colour, b.mesh.rowMarks[i][k].colour, where + " mark");
            }
        }
        EXPECT_EQ(a.mesh.columnMarks.size(), b.mesh.columnMarks.size());
    }
    if (a.kind != ArtKind::Path && a.kind != ArtKind::Group && a.kind != ArtKind::Compound && a.kind != ArtKind::Mesh) {
        EXPECT_EQ(a.text, b.text);
        ExpectNear({a.frame.left, a.frame.top}, {b.frame.left, b.frame.top}, where + " frame");
        ExpectNear({a.frame.right, a.frame.bottom}, {b.frame.right, b.frame.bottom}, where + " frame");
    }
    ASSERT_EQ(a.children.size(), b.children.size()) << where;
    for (size_t i = 0; i < a.children.size(); ++i)
        ExpectSameNode(a.children[i], b.children[i], where + "/" + std::to_string(i));
}

void ExpectSameArtwork(const Artwork& a, const Artwork& b, const std::string& where) {
    ASSERT_EQ(a.art.size(), b.art.size()) << where;
    for (size_t i = 0; i < a.art.size(); ++i) ExpectSameNode(a.art[i], b.art[i], where + " #" + std::to_string(i));
    ASSERT_EQ(a.gradients.size(), b.gradients.size()) << where;
    for (size_t i = 0; i < a.gradients.size(); ++i) {
        EXPECT_EQ(a.gradients[i].kind, b.gradients[i].kind);
        EXPECT_EQ(a.gradients[i].name, b.gradients[i].name);
        ASSERT_EQ(a.gradients[i].stops.size(), b.gradients[i].stops.size());
        for (size_t k = 0; k < a.gradients[i].stops.size(); ++k) {
            EXPECT_EQ(a.gradients[i].stops[k].rampPoint, b.gradients[i].stops[k].rampPoint);
            EXPECT_EQ(a.gradients[i].stops[k].midPoint, b.gradients[i].stops[k].midPoint);
            ExpectSameColour(a.gradients[i].stops[k].color, b.gradients[i].stops[k].color, where + " stop");
        }
    }
    ASSERT_EQ(a.customColours.size(), b.customColours.size());
    for (size_t i = 0; i < a.customColours.size(); ++i) {
        EXPECT_EQ(a.customColours[i].name, b.customColours[i].name);
        ExpectSameColour(a.customColours[i].definition, b.customColours[i].definition, where + " custom");
    }
    ASSERT_EQ(a.patterns.size(), b.patterns.size());
    for (size_t i = 0; i < a.patterns.size(); ++i) EXPECT_EQ(a.patterns[i].name, b.patterns[i].name);
}

Artwork Reimport(const Artwork& art, double width, double height) {
    SvgPage page;
    page.width = width;
    page.height = height;
    Artwork back;
    std::string error;
    EXPECT_TRUE(ImportSvgText(ExportSvg(art, page), "export.svg", height, &back, &error)) << error;
    return back;
}

SBColor Colour(int kind, double a, double b = 0, double c = 0, double d = 0) {
    SBColor col{};
    col.kind = kind;
    if (kind == SB_COLOR_GRAY) col.c.gray.gray = a;
    if (kind == SB_COLOR_THREE) col.c.three = {a, b, c};
    if (kind == SB_COLOR_FOUR) col.c.four = {a, b, c, d};
    return col;
}

ArtNode PathNode(std::vector<SBRealPoint> points, bool closed, SBPathStyle style) {
    ArtNode n;
    n.closed = closed;
    n.style = style;
    for (size_t i = 0; i < points.size(); ++i) {
        SBRealPoint p = points[i];
        // Alternate straight and curved joins, with an odd smooth flag to see that it is kept.
        SBPathSegment s{p, p, p, 1};
        if (i % 2 == 1) {
            s.in = {p.h - 1.0 / 3, p.v + 0.1};
            s.out = {p.h + 1.0 / 3, p.v - 0.1};
            s.corner = i % 4 == 1 ? 0 : 1;
        }
        n.segments.push_back(s);
    }
    return n;
}

// One of everything the document holds.
Artwork Everything() {
    Artwork art;
    art.customColours.push_back({"Spot Orange", Colour(SB_COLOR_FOUR, 0, 0.5, 1, 0)});
    art.patterns.push_back({"Dots"});
    GradientData lin;
    lin.kind = SB_GRADIENT_LINEAR;
    lin.name = "Sunset";
    lin.stops.push_back({50, 0, Colour(SB_COLOR_THREE, 1, 0.2, 0.1)});
    lin.stops.push_back({33.333333333333336, 37.1, Colour(SB_COLOR_GRAY, 0.25)});
    SBGradientStop spot{50, 100, {}};
    spot.color.kind = SB_COLOR_CUSTOM;
    spot.color.c.custom = {IndexHandle<SBCustomColorHandle>(1), 0.7};
    lin.stops.push_back(spot);
    art.gradients.push_back(lin);
    GradientData rad = lin;
    rad.kind = SB_GRADIENT_RADIAL;
    rad.name = "Glow";
    art.gradients.push_back(rad);

    SBPathStyle plain{};
    plain.fillPaint = 1;
    plain.fill.color = Colour(SB_COLOR_THREE, 0.1, 0.2, 0.30000000000000004);
    plain.strokePaint = 1;
    plain.stroke.color = Colour(SB_COLOR_FOUR, 0.1, 0.2, 0.3, 0.4);
    plain.stroke.width = 2.5;

    SBPathStyle gradient = plain;
    gradient.fill.color.kind = SB_COLOR_GRADIENT;
    gradient.fill.color.c.gradient = {
        IndexHandle<SBGradientHandle>(1), {12.5, 40}, 33, 80.25, {0.5, 0.1, -0.2, 2, 3, -4}};
    gradient.stroke.color.kind = SB_COLOR_GRADIENT;
    gradient.stroke.color.c.gradient = {IndexHandle<SBGradientHandle>(2), {50, 50}, 15, 20, {1, 0, 0, 1, 0, 0}};
    gradient.evenOdd = 1;

    SBPathStyle other = plain;
    other.fill.color.kind = SB_COLOR_CUSTOM;
    other.fill.color.c.custom = {IndexHandle<SBCustomColorHandle>(1), 0.35};
    other.stroke.color.kind = SB_COLOR_PATTERN;
    other.stroke.color.c.pattern = {IndexHandle<SBPatternHandle>(1), {2, 0, 0, 2, 1, 1}};
    other.fill.overprint = 1;

    SBPathStyle off = plain;
    off.fillPaint = 0;  // a colour that is kept but not painted
    off.fill.color = Colour(SB_COLOR_GRAY, 0.5);
    off.strokePaint = 0;
    off.stroke.color.kind = SB_COLOR_NONE;

    art.art.push_back(PathNode({{0.1, 0.2}, {10, 0}, {10, 10}, {0, 10}}, true, gradient));
    art.art.back().selected = true;
    art.art.push_back(PathNode({{1, 1}, {2, 3}, {5, 8}}, false, other));
    art.art.back().opacity = 0.5;
    art.art.back().blendMode = 3;
    art.art.push_back(PathNode({{3, 3}, {4, 4}}, false, off));

    // A compound of equal paint, and one whose children differ.
    ArtNode compound;
    compound.kind = ArtKind::Compound;
    compound.children.push_back(PathNode({{0, 0}, {20, 0}, {20, 20}}, true, plain));
    compound.children.push_back(PathNode({{5, 5}, {6, 5}, {6, 6}}, true, plain));
    art.art.push_back(compound);
    compound.children[1].style = other;
    compound.children[1].selected = true;
    art.art.push_back(compound);
    ArtNode single;
    single.kind = ArtKind::Compound;
    single.children.push_back(PathNode({{7, 7}, {8, 9}}, true, plain));
    art.art.push_back(single);

    // A clipping group (clip path on top), a clipped group without a clip path, nested groups.
    SBPathStyle clipStyle = plain;
    clipStyle.clip = 1;
    clipStyle.fillPaint = 0;
    clipStyle.fill.color.kind = SB_COLOR_NONE;
    ArtNode clipGroup;
    clipGroup.kind = ArtKind::Group;
    clipGroup.clipped = true;
    clipGroup.children.push_back(PathNode({{0, 0}, {30, 0}, {30, 30}, {0, 30}}, true, clipStyle));
    clipGroup.children.push_back(PathNode({{1, 2}, {3, 4}}, false, plain));
    ArtNode inner;
    inner.kind = ArtKind::Group;
    inner.selected = true;
    inner.children.push_back(PathNode({{9, 9}, {8, 8}}, false, other));
    clipGroup.children.push_back(inner);
    art.art.push_back(clipGroup);
    ArtNode looseClip;
    looseClip.kind = ArtKind::Group;
    looseClip.clipped = true;
    looseClip.children.push_back(PathNode({{2, 2}, {4, 4}}, false, plain));
    looseClip.children.push_back(PathNode({{2, 2}, {4, 5}}, true, clipStyle));  // clip flag below the top
    art.art.push_back(looseClip);

    ArtNode mesh;
    mesh.kind = ArtKind::Mesh;
    mesh.mesh = MeshGrid::Rectangular(2, 1, {10, 60, 50, 40}, Colour(SB_COLOR_THREE, 0.2, 0.4, 0.6));
    mesh.mesh.colours[1] = Colour(SB_COLOR_GRAY, 0.75);
    mesh.mesh.nodes[0] = {10.125, 40.5};
    // One curve of two Beziers with a vertex between them.
    auto& curve = mesh.mesh.rowCurves[0];
    curve = {curve[0], curve[1], {14, 41}, {15, 40.25}, {16, 39.5}, curve[2], curve[3]};
    mesh.mesh.rowMarks.assign(mesh.mesh.rowCurves.size(), {});
    mesh.mesh.rowMarks[0].push_back({0, Colour(SB_COLOR_FOUR, 0.5, 0.25, 0, 0.125)});
    art.art.push_back(mesh);

    ArtNode text;
    text.kind = ArtKind::Text;
    text.text = "Hello <world> & \"friends\"";
    text.frame = {1, 9, 5, 2};
    art.art.push_back(text);
    return art;
}

}  // namespace

TEST(SvgRoundTrip, EveryKindOfArtAndPaint) {
    Artwork art = Everything();
    Artwork back = Reimport(art, 200, 120);
    ExpectSameArtwork(art, back, "everything");
    // A second trip changes nothing more.
    ExpectSameArtwork(back, Reimport(back, 200, 120), "twice");
}

TEST(SvgRoundTrip, ThroughADocument) {
    Document doc(200, 120);
    Artwork art = Everything();
    std::vector<Id> made;
    ASSERT_EQ(AddToDocument(art, doc, &made), SB_OK);
    EXPECT_EQ(made.size(), art.art.size());
    // Top first: the first node of the artwork is the layer's top child.
    EXPECT_EQ(doc.Children(doc.CurrentLayerGroup()).front(), made.front());
    Artwork read = ReadDocument(doc);
    ExpectSameArtwork(art, read, "document");
    // Adding again puts the copy on top and reuses nothing of the first paint tables.
    ASSERT_EQ(AddToDocument(art, doc), SB_OK);
    EXPECT_EQ(ReadDocument(doc).art.size(), 2 * art.art.size());
}

TEST(SvgRoundTrip, TheIconCorpus) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(testenv::CorpusDir()) / "bootstrap-icons"))
        if (entry.path().extension() == ".svg") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 400u);
    size_t compounds = 0, evenOdd = 0, curves = 0;
    for (const fs::path& file : files) {
        Artwork art;
        std::string error;
        ASSERT_TRUE(ImportSvgFile(file.string(), 16, &art, &error)) << error;
        ASSERT_FALSE(art.art.empty()) << file;
        for (const ArtNode& n : art.art) {
            compounds += n.kind == ArtKind::Compound;
            const ArtNode& path = n.kind == ArtKind::Compound ? n.children.front() : n;
            evenOdd += path.style.evenOdd != 0;
            for (const SBPathSegment& s : path.segments) {
                curves += s.in.h != s.p.h || s.in.v != s.p.v;
                // Icons are 16 units: nothing lies far outside.
                EXPECT_TRUE(s.p.h > -1 && s.p.h < 17 && s.p.v > -1 && s.p.v < 17) << file;
            }
        }
        ExpectSameArtwork(art, Reimport(art, 16, 16), file.filename().string());
        if (HasFatalFailure()) return;
    }
    EXPECT_GT(compounds, 100u);
    EXPECT_GT(evenOdd, 50u);
    EXPECT_GT(curves, 1000u);
}

namespace {

// Path elements a viewer draws: hidden members and previews of our own elements aside.
size_t DrawnPaths(const std::string& svg) {
    size_t count = 0;
    for (size_t at = svg.find("<path"); at != std::string::npos; at = svg.find("<path", at + 1)) {
        std::string element = svg.substr(at, svg.find('>', at) - at);
        if (element.find("visibility=\"hidden\"") == std::string::npos) ++count;
    }
    return count;
}

}  // namespace

TEST(SvgRoundTrip, ACompoundPathStaysOneShapeWhateverIsSelected) {
    SBPathStyle plain{};
    plain.fillPaint = 1;
    plain.fill.color = Colour(SB_COLOR_THREE, 0, 0, 0);
    plain.evenOdd = 1;
    ArtNode ring;
    ring.kind = ArtKind::Compound;
    ring.children.push_back(PathNode({{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true, plain));
    ring.children.push_back(PathNode({{3, 3}, {7, 3}, {7, 7}, {3, 7}}, true, plain));
    SvgPage page;
    page.width = page.height = 10;
    for (int selection = 0; selection < 8; ++selection) {
        Artwork art;
        art.art.push_back(ring);
        art.art[0].selected = selection & 1;
        art.art[0].children[0].selected = (selection & 2) != 0;
        art.art[0].children[1].selected = (selection & 4) != 0;
        std::string svg = ExportSvg(art, page);
        std::string where = "selection " + std::to_string(selection);
        EXPECT_EQ(DrawnPaths(svg), 1u) << where << "\n" << svg;
        EXPECT_EQ(svg.find("<g scribera:kind"), std::string::npos) << where;
        ExpectSameArtwork(art, Reimport(art, 10, 10), where);
    }

    // A member selection that does not fit the path is refused, not guessed at.
    Artwork refused;
    std::string error;
    EXPECT_FALSE(
        ImportSvgText("<svg xmlns='http://www.w3.org/2000/svg' xmlns:scribera='urn:scribera:document'>"
                      "<path d='M0 0 L1 0 L1 1 Z M2 2 L3 2 L3 3 Z' scribera:selectedMembers='101'/></svg>",
                      "members.svg", 10, &refused, &error));
    EXPECT_NE(error.find("member selection"), std::string::npos) << error;

    // Members of different paint still draw as one shape, in the paint of the top member.
    Artwork mixed;
    mixed.art.push_back(ring);
    mixed.art[0].children[1].style.fill.color = Colour(SB_COLOR_THREE, 1, 0, 0);
    mixed.art[0].children[1].opacity = 0.5;
    std::string svg = ExportSvg(mixed, page);
    EXPECT_EQ(DrawnPaths(svg), 1u) << svg;
    ExpectSameArtwork(mixed, Reimport(mixed, 10, 10), "mixed members");

    // A clip path with a selected member still clips in a viewer.
    Artwork clipped;
    ArtNode group;
    group.kind = ArtKind::Group;
    group.clipped = true;
    group.children.push_back(ring);
    for (ArtNode& member : group.children[0].children) member.style.clip = 1;
    group.children[0].children[0].selected = true;
    group.children.push_back(PathNode({{0, 0}, {10, 10}}, false, plain));
    clipped.art.push_back(group);
    svg = ExportSvg(clipped, page);
    EXPECT_NE(svg.find("clip-path=\"url(#clip"), std::string::npos) << svg;
    ExpectSameArtwork(clipped, Reimport(clipped, 10, 10), "clipped");
}

TEST(SvgRoundTrip, GrayIsInkAndCustomColoursShowTheirTint) {
    Artwork art;
    art.customColours.push_back({"Spot Blue", Colour(SB_COLOR_THREE, 0, 0, 1)});
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color = Colour(SB_COLOR_GRAY, 0.2);
    style.strokePaint = 1;
    style.stroke.color.kind = SB_COLOR_CUSTOM;
    style.stroke.color.c.custom = {IndexHandle<SBCustomColorHandle>(1), 0.5};
    art.art.push_back(PathNode({{0, 0}, {4, 0}, {4, 4}}, true, style));
    SvgPage page;
    page.width = page.height = 10;
    std::string svg = ExportSvg(art, page);
    // Little ink is a light gray; half a tint of blue is halfway to white.
    EXPECT_NE(svg.find("fill=\"#cccccc\""), std::string::npos) << svg;
    EXPECT_NE(svg.find("stroke=\"#8080ff\""), std::string::npos) << svg;
    ExpectSameArtwork(art, Reimport(art, 10, 10), "gray");

    // A gray from elsewhere is read as the colour it shows.
    Artwork foreign;
    std::string error;
    ASSERT_TRUE(
        ImportSvgText("<svg xmlns='http://www.w3.org/2000/svg'><rect width='2' height='2' fill='#cccccc'/></svg>",
                      "gray.svg", 10, &foreign, &error))
        << error;
    ASSERT_EQ(foreign.art.size(), 1u);
    const SBColor& c = foreign.art[0].style.fill.color;
    ASSERT_EQ(c.kind, SB_COLOR_THREE);
    EXPECT_NEAR(c.c.three.red, 0.8, 1e-12);
}
