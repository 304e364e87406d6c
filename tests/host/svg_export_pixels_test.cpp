// What a viewer draws from an exported SVG file is what the document means: the file, drawn by
// rsvg-convert, matches the picture drawn by our own renderer pixel by pixel. A compound path
// written as separately filled members, a gray drawn inverted or a lost clip all fail here, where
// re-importing the file cannot see them.
#include "picture_fixture.h"
#include "support/TestEnvironment.h"

#include "io/SvgExport.h"
#include "io/SvgImport.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#if SCRIBERA_HAVE_CAIRO
#include <cairo.h>
#endif

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>

using namespace picture;

#if SCRIBERA_HAVE_CAIRO

namespace {

bool HaveRsvg() { return std::system("rsvg-convert --version >/dev/null 2>&1") == 0; }

// The exported file as rsvg-convert draws it, at the size our renderer chooses.
bool ViewerPicture(const Artwork& art, double width, double height, const std::string& dir, const std::string& name,
                   Picture* out) {
    SvgPage page;
    page.width = width;
    page.height = height;
    page.view = {0, height, width, 0};
    std::string svg = dir + "/" + name + ".svg", png = dir + "/" + name + ".rsvg.png", error;
    if (!ExportSvgFile(art, page, svg, &error)) {
        ADD_FAILURE() << error;
        return false;
    }
    int w, h;
    double scale;
    if (!PictureSize(width, height, {}, &w, &h, &scale, &error)) return false;
    std::string command = "rsvg-convert -b white -w " + std::to_string(w) + " -h " + std::to_string(h) + " -o '" + png +
                          "' '" + svg + "'";
    if (std::system(command.c_str()) != 0) {
        ADD_FAILURE() << "failed: " << command;
        return false;
    }
    cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
    if (cairo_surface_status(s) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(s);
        ADD_FAILURE() << png << " cannot be read";
        return false;
    }
    cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cairo_image_surface_get_width(s),
                                                        cairo_image_surface_get_height(s));
    cairo_t* cr = cairo_create(image);
    cairo_set_source_surface(cr, s, 0, 0);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_flush(image);
    out->width = cairo_image_surface_get_width(image);
    out->height = cairo_image_surface_get_height(image);
    out->pixels.clear();
    const unsigned char* data = cairo_image_surface_get_data(image);
    int stride = cairo_image_surface_get_stride(image);
    for (int y = 0; y < out->height; ++y)
        for (int x = 0; x < out->width; ++x) {
            uint32_t v = *reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride + 4 * x);
            // Opaque on a white background, so no premultiplication to undo.
            out->pixels.push_back({static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v),
                                   static_cast<uint8_t>(v >> 24)});
        }
    cairo_surface_destroy(image);
    cairo_surface_destroy(s);
    return true;
}

int Difference(const Pixel& a, const Pixel& b) {
    return std::max({std::abs(a.red - b.red), std::abs(a.green - b.green), std::abs(a.blue - b.blue)});
}

// Pixels differ by little everywhere; along edges the two may place anti-aliasing a pixel apart,
// so a pixel also agrees when a neighbour in the other picture matches it.
constexpr int kTolerance = 12;

void ExpectSamePicture(const Artwork& art, double width, double height, const std::string& dir,
                       const std::string& name) {
    Picture ours = Render(art, width, height), viewer;
    if (!ViewerPicture(art, width, height, dir, name, &viewer)) return;
    std::string error;
    EXPECT_TRUE(WriteArtworkPng(art, width, height, {}, dir + "/" + name + ".cairo.png", &error)) << error;
    ASSERT_EQ(ours.width, viewer.width) << name;
    ASSERT_EQ(ours.height, viewer.height) << name;
    size_t differing = 0;
    int worst = 0, worstX = 0, worstY = 0;
    for (int y = 0; y < ours.height; ++y)
        for (int x = 0; x < ours.width; ++x) {
            int best = Difference(ours.At(x, y), viewer.At(x, y));
            for (int dy = -1; dy <= 1 && best > kTolerance; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    int nx = x + dx, ny = y + dy;
                    if (nx < 0 || ny < 0 || nx >= ours.width || ny >= ours.height) continue;
                    best = std::min(best, Difference(ours.At(x, y), viewer.At(nx, ny)));
                }
            if (best > kTolerance) ++differing;
            if (best > worst) worst = best, worstX = x, worstY = y;
        }
    // A handful of pixels where thin features meet may still differ; a lost hole is thousands.
    EXPECT_LE(differing, static_cast<size_t>(ours.width) * ours.height / 5000)
        << name << ": " << differing << " pixels differ, the worst by " << worst << " at (" << worstX << ", " << worstY
        << "); see " << dir;
}

void SelectAll(std::vector<ArtNode>& nodes) {
    for (ArtNode& n : nodes) {
        n.selected = true;
        SelectAll(n.children);
    }
}

SBColor GradientFill(size_t table, SBRealPoint origin, double angle, double length, SBRealMatrix matrix) {
    SBColor c{};
    c.kind = SB_COLOR_GRADIENT;
    c.c.gradient = {IndexHandle<SBGradientHandle>(table), origin, angle, length, matrix};
    return c;
}

class SvgExportPixels : public ::testing::Test {
protected:
    void SetUp() override {
        if (!HaveRsvg()) GTEST_SKIP() << "rsvg-convert is not installed";
        dir_ = testenv::MakeTempDir("svg-pixels");
    }
    void TearDown() override {
        // ZARVO_KEEP_PICTURES=1 keeps both pictures of every document to look at.
        if (!HasFailure() && !dir_.empty() && !std::getenv("ZARVO_KEEP_PICTURES")) std::filesystem::remove_all(dir_);
    }
    std::string dir_;
};

}  // namespace

TEST_F(SvgExportPixels, SelectedIconsKeepTheirHoles) {
    // Icons with holes under either fill rule, selected whole and member by member, as every
    // tool leaves its results.
    for (const char* name : {"flower1.svg", "1-circle.svg", "4-square.svg", "bell-fill.svg", "leaf-fill.svg"}) {
        std::filesystem::path file = std::filesystem::path(testenv::CorpusDir()) / "bootstrap-icons" / name;
        Artwork art;
        std::string error;
        ASSERT_TRUE(ImportSvgFile(file.string(), 16, &art, &error)) << error;
        ExpectSamePicture(art, 16, 16, dir_, std::string(name) + "-plain");
        SelectAll(art.art);
        ExpectSamePicture(art, 16, 16, dir_, std::string(name) + "-selected");
        // Only some members selected.
        for (ArtNode& n : art.art) {
            n.selected = false;
            for (size_t i = 0; i < n.children.size(); i += 2) n.children[i].selected = false;
        }
        ExpectSamePicture(art, 16, 16, dir_, std::string(name) + "-partly");
    }
}

TEST_F(SvgExportPixels, PaintClippingAndCompoundPathsOfEveryKind) {
    Artwork art;
    art.customColours.push_back({"Spot Orange", Cmyk(0, 0.5, 1, 0)});
    GradientData linear;
    linear.kind = SB_GRADIENT_LINEAR;
    linear.name = "three stops";
    linear.stops.push_back({25, 0, RgbColour(1, 0.8, 0)});  // midpoints off the middle
    linear.stops.push_back({80, 40, Gray(0.7)});
    linear.stops.push_back({50, 100, Cmyk(1, 0, 0, 0.2)});
    art.gradients.push_back(linear);
    GradientData radial = linear;
    radial.kind = SB_GRADIENT_RADIAL;
    art.gradients.push_back(radial);
    SBColor tint{};
    tint.kind = SB_COLOR_CUSTOM;
    tint.c.custom = {IndexHandle<SBCustomColorHandle>(1), 0.3};

    // Flat colours of every kind, with strokes.
    SBPathStyle stroked = Filled(Gray(0.2));
    stroked.strokePaint = 1;
    stroked.stroke.color = Gray(0.9);
    stroked.stroke.width = 2;
    art.art.push_back(Square(5, 5, 20, stroked));
    art.art.push_back(Square(30, 5, 20, Filled(Cmyk(0.1, 0.6, 0, 0.1))));
    art.art.push_back(Square(55, 5, 20, Filled(tint)));
    art.art.push_back(Square(80, 5, 15, Filled(RgbColour(0.2, 0.5, 0.9))));
    art.art.back().opacity = 0.4;

    // Gradients, one turned and sheared by its matrix.
    art.art.push_back(
        Polygon({{5, 30}, {95, 30}, {95, 45}, {5, 45}}, Filled(GradientFill(1, {10, 37}, 0, 80, {1, 0, 0, 1, 0, 0}))));
    art.art.push_back(Polygon({{5, 50}, {45, 50}, {45, 70}, {5, 70}},
                              Filled(GradientFill(1, {10, 60}, 30, 30, {1, 0.2, 0.3, 0.8, -5, 4}))));
    art.art.push_back(Square(50, 50, 20, Filled(GradientFill(2, {60, 60}, 0, 12, {1.5, 0, 0, 0.7, -30, 18}))));

    // A compound path with a hole, members selected and one of its own paint.
    ArtNode ring = Compound({Square(75, 50, 20, Filled(RgbColour(0.5, 0, 0.5), true)),
                             Square(80, 55, 10, Filled(RgbColour(1, 0, 0), false), true)});
    ring.children[0].selected = true;
    art.art.push_back(ring);

    // A clipping group whose clipping path is a compound path with a selected member.
    SBPathStyle clip = Filled(RgbColour(1, 0, 0));
    clip.clip = 1;
    ArtNode group;
    group.kind = ArtKind::Group;
    group.clipped = true;
    group.children.push_back(Compound({Square(5, 75, 20, clip), Square(10, 80, 10, clip, true)}));
    group.children[0].children[1].selected = true;
    group.children.push_back(Square(0, 72, 30, Filled(RgbColour(0, 0.6, 0.2))));
    art.art.push_back(group);

    // A flat mesh.
    ArtNode mesh;
    mesh.kind = ArtKind::Mesh;
    mesh.mesh = MeshGrid::Rectangular(2, 2, {35, 95, 65, 75}, Gray(0.4));
    art.art.push_back(mesh);
    ExpectSamePicture(art, 100, 100, dir_, "everything");
}

TEST_F(SvgExportPixels, AMeshOfManyColoursAndCurvedSides) {
    Artwork art;
    ArtNode mesh;
    mesh.kind = ArtKind::Mesh;
    mesh.mesh = MeshGrid::Rectangular(2, 2, {10, 90, 90, 10}, Gray(0));
    SBColor colours[] = {RgbColour(1, 0, 0), Gray(0.5), RgbColour(0, 0, 1), Cmyk(0, 0, 1, 0),  Gray(0),
                         RgbColour(0, 1, 0), Gray(1),   RgbColour(1, 0, 1), Cmyk(0.5, 0, 0, 0)};
    for (size_t i = 0; i < 9; ++i) mesh.mesh.colours[i] = colours[i];
    // The middle row's left curve bows down, the right column's top curve out to the right.
    mesh.mesh.rowCurves[2][1].v -= 15;
    mesh.mesh.rowCurves[2][2].v -= 15;
    mesh.mesh.columnCurves[5][1].h += 8;
    mesh.mesh.columnCurves[5][2].h += 8;
    art.art.push_back(mesh);
    ExpectSamePicture(art, 100, 100, dir_, "mesh");
}

TEST_F(SvgExportPixels, EveryIconOfTheCorpusDrawsAlikeWhenSelected) {
    namespace fs = std::filesystem;
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(fs::path(testenv::CorpusDir()) / "bootstrap-icons"))
        if (entry.path().extension() == ".svg") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    ASSERT_GE(files.size(), 400u);
    // Every twentieth icon keeps the test quick; the hole-heavy ones are covered above.
    for (size_t i = 0; i < files.size(); i += 20) {
        Artwork art;
        std::string error;
        ASSERT_TRUE(ImportSvgFile(files[i].string(), 16, &art, &error)) << error;
        SelectAll(art.art);
        ExpectSamePicture(art, 16, 16, dir_, files[i].stem().string());
    }
}

// What the demo shows: the files every example writes, tools' results selected as they leave them.
TEST_F(SvgExportPixels, TheExamplesDrawAlike) {
    namespace fs = std::filesystem;
    const fs::path examples = fs::path(testenv::SourceDir()) / "examples";
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".scribera") continue;
        const std::string name = entry.path().stem().string();
        const fs::path out = fs::path(dir_) / name;
        fs::create_directories(out);
        const std::string command = "cd '" + out.string() + "' && '" + testenv::ScriberaExe() + "' play '" +
                                    entry.path().string() + "' --svg '" + name + ".svg' --plugin '" +
                                    testenv::PluginPath() + "' >/dev/null 2>&1";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        std::vector<fs::path> svgs;
        for (const auto& written : fs::directory_iterator(out))
            if (written.path().extension() == ".svg") svgs.push_back(written.path());
        for (const fs::path& svg : svgs) {
            // The page size from the file's root element.
            pugi::xml_document xml;
            ASSERT_TRUE(xml.load_file(svg.c_str())) << svg;
            double width = xml.document_element().attribute("width").as_double();
            double height = xml.document_element().attribute("height").as_double();
            Artwork art;
            std::string error;
            ASSERT_TRUE(ImportSvgFile(svg.string(), height, &art, &error)) << error;
            ExpectSamePicture(art, width, height, out.string(), "check-" + svg.stem().string());
            ++files;
        }
    }
    EXPECT_GE(files, 8u);
}

#else

TEST(SvgExportPixels, NeedsCairo) { GTEST_SKIP() << "built without cairo"; }

#endif
