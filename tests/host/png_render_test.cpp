// Pictures drawn with cairo: what each kind of paint and art puts into the pixels.
#include "picture_fixture.h"
#include "support/TestEnvironment.h"

#include "core/Document.h"

#include <gtest/gtest.h>

#if SCRIBERA_HAVE_CAIRO
#include <cairo.h>
#endif

#include <cmath>
#include <filesystem>

using namespace picture;

namespace {

constexpr double kSide = 100;             // documents here are 100 units square
constexpr double kScale = 512.0 / kSide;  // drawn at the default 512 pixels a side

Pixel Sample(const Picture& p, double h, double v) { return At(p, h, v, kScale, kSide); }

SBColor GradientFill(size_t table, SBRealPoint origin, double angle, double length, SBRealMatrix matrix) {
    SBColor c{};
    c.kind = SB_COLOR_GRADIENT;
    c.c.gradient = {IndexHandle<SBGradientHandle>(table), origin, angle, length, matrix};
    return c;
}

GradientData RedToBlue(int16_t kind) {
    GradientData g;
    g.kind = kind;
    g.name = "red to blue";
    g.stops.push_back({50, 0, RgbColour(1, 0, 0)});
    g.stops.push_back({50, 100, RgbColour(0, 0, 1)});
    return g;
}

}  // namespace

#if SCRIBERA_HAVE_CAIRO

TEST(PngRender, PictureSizeFollowsTheArtboard) {
    int w, h;
    double scale;
    std::string error;
    ASSERT_TRUE(PictureSize(16, 16, {}, &w, &h, &scale, &error)) << error;
    EXPECT_EQ(w, 512);
    EXPECT_EQ(h, 512);
    EXPECT_EQ(scale, 32);
    ASSERT_TRUE(PictureSize(1000, 600, {}, &w, &h, &scale, &error));  // already large: one pixel a unit
    EXPECT_EQ(w, 1000);
    EXPECT_EQ(h, 600);
    PngOptions options;
    options.pixelsPerUnit = 2;
    options.minimumSide = 0;
    options.area = {10, 40, 30, 20};  // 20 by 20 units of the document
    ASSERT_TRUE(PictureSize(1000, 600, options, &w, &h, &scale, &error));
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 40);
    EXPECT_FALSE(PictureSize(0, 10, {}, &w, &h, &scale, &error));
    EXPECT_FALSE(PictureSize(1e9, 10, {}, &w, &h, &scale, &error));
    EXPECT_NE(error.find("larger"), std::string::npos) << error;
}

TEST(PngRender, AFilledSquareAndItsPlaceOnThePage) {
    Artwork art;
    art.art.push_back(Square(0, 0, 20, Filled(RgbColour(1, 0, 0))));  // the bottom-left corner of the page
    SBPathStyle stroked = Filled(RgbColour(0, 0, 1));
    stroked.strokePaint = 1;
    stroked.stroke.color = Gray(1);
    stroked.stroke.width = 4;
    art.art.push_back(Square(50, 50, 30, stroked));
    Picture p = Render(art, kSide, kSide);
    ASSERT_EQ(p.width, 512);
    ASSERT_EQ(p.height, 512);
    // The vertical axis points up in the document and down in the picture.
    EXPECT_TRUE(Near(p.At(10, 500), 255, 0, 0));
    EXPECT_TRUE(Near(p.At(10, 10), 255, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 10, 10), 255, 0, 0));
    EXPECT_TRUE(Near(Sample(p, 21, 10), 255, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 65, 65), 0, 0, 255));
    EXPECT_TRUE(Near(Sample(p, 50, 65), 0, 0, 0));  // on the stroke, gray ink 1 is black
    EXPECT_EQ(Sample(p, 65, 65).alpha, 255);

    PngOptions clear;
    clear.transparent = true;
    EXPECT_EQ(Sample(Render(art, kSide, kSide, clear), 90, 10).alpha, 0);
}

TEST(PngRender, ColoursOfEveryKind) {
    Artwork art;
    art.customColours.push_back({"Spot Green", RgbColour(0, 1, 0)});
    art.patterns.push_back({"Stripes"});
    SBColor custom{};
    custom.kind = SB_COLOR_CUSTOM;
    custom.c.custom = {IndexHandle<SBCustomColorHandle>(1), 0.5};
    SBColor pattern{};
    pattern.kind = SB_COLOR_PATTERN;
    pattern.c.pattern = {IndexHandle<SBPatternHandle>(1), {1, 0, 0, 1, 0, 0}};
    art.art.push_back(Square(0, 0, 20, Filled(Gray(0.2))));
    art.art.push_back(Square(20, 0, 20, Filled(Gray(0))));
    art.art.push_back(Square(40, 0, 20, Filled(Cmyk(1, 0, 0, 0))));
    art.art.push_back(Square(60, 0, 20, Filled(custom)));
    art.art.push_back(Square(80, 0, 20, Filled(pattern)));
    art.art.push_back(Square(0, 80, 20, Filled(Cmyk(0, 0, 0, 0.5))));
    art.art.push_back(Square(0, 40, 20, Filled(RgbColour(0, 0, 0))));
    art.art.back().opacity = 0.5;
    Picture p = Render(art, kSide, kSide, {});
    // Gray is ink: a little of it is a light gray, none of it is white.
    EXPECT_TRUE(Near(Sample(p, 10, 10), 204, 204, 204));
    EXPECT_TRUE(Near(Sample(p, 30, 10), 255, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 50, 10), 0, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 70, 10), 128, 255, 128));  // half a tint: halfway to white
    EXPECT_TRUE(Near(Sample(p, 90, 10), 128, 128, 128));  // patterns are a flat middle gray
    EXPECT_TRUE(Near(Sample(p, 10, 90), 128, 128, 128));
    EXPECT_TRUE(Near(Sample(p, 10, 50), 128, 128, 128));  // half opaque black over white
}

TEST(PngRender, ACompoundPathsHoleIsBackgroundUnderEitherFillRule) {
    const SBColor black = RgbColour(0, 0, 0);
    struct Case {
        bool evenOdd, innerClockwise, hole;
    } cases[] = {
        {true, false, true},  // even-odd: any inner outline is a hole
        {true, true, true},
        {false, true, true},    // non-zero: an inner outline running the other way is a hole
        {false, false, false},  // ... and one running the same way is not
    };
    for (const Case& c : cases) {
        Artwork art;
        ArtNode ring = Compound({Square(10, 10, 80, Filled(black, c.evenOdd)),
                                 Square(30, 30, 40, Filled(black, c.evenOdd), c.innerClockwise)});
        // Selection changes nothing in the picture.
        ring.selected = true;
        ring.children[1].selected = true;
        art.art.push_back(ring);
        Picture p = Render(art, kSide, kSide);
        std::string where = std::string(c.evenOdd ? "even-odd" : "non-zero") + (c.innerClockwise ? ", clockwise" : "");
        EXPECT_TRUE(Near(Sample(p, 20, 20), 0, 0, 0)) << where;
        if (c.hole)
            EXPECT_TRUE(Near(Sample(p, 50, 50), 255, 255, 255)) << where;
        else
            EXPECT_TRUE(Near(Sample(p, 50, 50), 0, 0, 0)) << where;
    }

    // Members of their own paint: one shape, in the paint of the top member.
    Artwork mixed;
    mixed.art.push_back(Compound(
        {Square(10, 10, 80, Filled(RgbColour(0, 0, 1), true)), Square(30, 30, 40, Filled(RgbColour(1, 0, 0), false))}));
    Picture p = Render(mixed, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 20, 20), 0, 0, 255));
    EXPECT_TRUE(Near(Sample(p, 50, 50), 255, 255, 255));
}

TEST(PngRender, GradientsReachTheirEndColoursWhereTheirGeometrySays) {
    Artwork art;
    art.gradients.push_back(RedToBlue(SB_GRADIENT_LINEAR));
    art.gradients.push_back(RedToBlue(SB_GRADIENT_RADIAL));
    // Left to right across the lower half, from x 20 to x 80; the ends are padded.
    art.art.push_back(
        Polygon({{0, 0}, {100, 0}, {100, 50}, {0, 50}}, Filled(GradientFill(1, {20, 0}, 0, 60, {1, 0, 0, 1, 0, 0}))));
    // The same ramp turned a quarter turn by its matrix about (50, 75): now it runs upwards,
    // from y 45 to y 105 at x 50.
    art.art.push_back(Polygon({{0, 50}, {50, 50}, {50, 100}, {0, 100}},
                              Filled(GradientFill(1, {20, 75}, 0, 60, {0, 1, -1, 0, 125, 25}))));
    // Radial: red at the centre, blue from radius 20 out.
    art.art.push_back(Polygon({{50, 50}, {100, 50}, {100, 100}, {50, 100}},
                              Filled(GradientFill(2, {75, 75}, 0, 20, {1, 0, 0, 1, 0, 0}))));
    Picture p = Render(art, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 5, 25), 255, 0, 0));
    EXPECT_TRUE(Near(Sample(p, 21, 25), 251, 0, 4, 4));
    EXPECT_TRUE(Near(Sample(p, 50, 25), 128, 0, 128, 4));
    EXPECT_TRUE(Near(Sample(p, 95, 25), 0, 0, 255));
    // Turned: constant across, changing upwards.
    EXPECT_TRUE(Near(Sample(p, 10, 52), Sample(p, 45, 52).red, 0, Sample(p, 45, 52).blue, 2));
    EXPECT_TRUE(Near(Sample(p, 25, 52), 225, 0, 30, 4));
    EXPECT_TRUE(Near(Sample(p, 25, 98), 30, 0, 225, 4));
    // Radial.
    EXPECT_TRUE(Near(Sample(p, 75, 75), 255, 0, 0, 8));
    EXPECT_TRUE(Near(Sample(p, 75, 85), 128, 0, 128, 8));
    EXPECT_TRUE(Near(Sample(p, 98, 98), 0, 0, 255));

    // A midpoint moved to a quarter of the way puts the halfway colour there.
    art.gradients[0].stops[0].midPoint = 25;
    p = Render(art, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 35, 25), 128, 0, 128, 4));
}

TEST(PngRender, AClippingGroupClipsAndItsClipPathIsNotPainted) {
    Artwork art;
    SBPathStyle clip = Filled(RgbColour(1, 0, 0));
    clip.clip = 1;
    ArtNode group;
    group.kind = ArtKind::Group;
    group.clipped = true;
    group.children.push_back(Square(40, 40, 20, clip));
    group.children.push_back(Square(0, 0, 100, Filled(RgbColour(0, 0, 1))));
    art.art.push_back(group);
    Picture p = Render(art, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 50, 50), 0, 0, 255));
    EXPECT_TRUE(Near(Sample(p, 20, 20), 255, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 70, 50), 255, 255, 255));

    // A compound clipping path with a hole: the hole clips away too.
    art.art[0].children[0] = Compound({Square(20, 20, 60, clip), Square(40, 40, 20, clip, true)});
    p = Render(art, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 30, 30), 0, 0, 255));
    EXPECT_TRUE(Near(Sample(p, 50, 50), 255, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 10, 10), 255, 255, 255));

    // A group marked clipped whose top member is no clipping path clips nothing.
    art.art[0].children[0] = Square(40, 40, 20, Filled(RgbColour(1, 0, 0)));
    p = Render(art, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 50, 50), 255, 0, 0));
    EXPECT_TRUE(Near(Sample(p, 20, 20), 0, 0, 255));
}

TEST(PngRender, AMeshShowsItsNodeColoursAtItsCorners) {
    Artwork art;
    ArtNode mesh;
    mesh.kind = ArtKind::Mesh;
    mesh.mesh = MeshGrid::Rectangular(2, 1, {10, 90, 90, 10}, Gray(0));
    // Nodes row by row from the bottom: (10,10) (50,10) (90,10), then (10,90) (50,90) (90,90).
    mesh.mesh.colours[0] = RgbColour(1, 0, 0);
    mesh.mesh.colours[2] = RgbColour(0, 0, 1);
    mesh.mesh.colours[3] = Gray(1);
    mesh.mesh.colours[5] = RgbColour(0, 1, 0);
    art.art.push_back(mesh);
    Picture p = Render(art, kSide, kSide);
    EXPECT_TRUE(Near(Sample(p, 11, 11), 255, 0, 0, 12));
    EXPECT_TRUE(Near(Sample(p, 89, 11), 0, 0, 255, 12));
    EXPECT_TRUE(Near(Sample(p, 11, 89), 0, 0, 0, 12));
    EXPECT_TRUE(Near(Sample(p, 89, 89), 0, 255, 0, 12));
    EXPECT_TRUE(Near(Sample(p, 50, 89), 255, 255, 255, 12));  // gray ink 0 is white
    EXPECT_TRUE(Near(Sample(p, 50, 5), 255, 255, 255));       // outside the mesh: background
    // Halfway up the left side, between red and black.
    EXPECT_TRUE(Near(Sample(p, 10.5, 50), 128, 0, 0, 12));
}

TEST(PngRender, ADocumentWrittenAsAPngFile) {
    scribera::Document doc(40, 20);
    Artwork art;
    art.art.push_back(Square(0, 0, 10, Filled(RgbColour(0, 1, 0))));
    ASSERT_EQ(AddToDocument(art, doc), SB_OK);
    std::string dir = testenv::MakeTempDir("png-render");
    std::string path = dir + "/doc.png";
    std::string error;
    ASSERT_TRUE(WritePng(doc, {}, path, &error)) << error;
    cairo_surface_t* s = cairo_image_surface_create_from_png(path.c_str());
    ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);
    EXPECT_EQ(cairo_image_surface_get_width(s), 512);
    EXPECT_EQ(cairo_image_surface_get_height(s), 256);
    // Bottom-left pixel green, top-right white.
    const unsigned char* data = cairo_image_surface_get_data(s);
    int stride = cairo_image_surface_get_stride(s);
    uint32_t bottomLeft = *reinterpret_cast<const uint32_t*>(data + 250 * stride + 4 * 5);
    uint32_t topRight = *reinterpret_cast<const uint32_t*>(data + 5 * stride + 4 * 500);
    EXPECT_EQ(bottomLeft, 0xff00ff00u);
    EXPECT_EQ(topRight, 0xffffffffu);
    cairo_surface_destroy(s);

    EXPECT_FALSE(WritePng(doc, {}, dir + "/no/such/folder/doc.png", &error));
    EXPECT_EQ(error.rfind(dir + "/no/such/folder/doc.png: ", 0), 0u) << error;
    std::filesystem::remove_all(dir);
}

#else

TEST(PngRender, NeedsCairo) { GTEST_SKIP() << "built without cairo"; }

#endif
