// One bound at both ends: what path data, import and save accept, as resolved points and as
// written numbers, so that the host reads back every file it writes; and no path longer than the
// host interface's 16-bit anchor count.
#include "io/PathData.h"
#include "io/SvgExport.h"
#include "io/SvgImport.h"
#include "io/SvgSyntax.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

using namespace scribera::io;

namespace {

bool Parses(const std::string& d, std::string* error = nullptr) {
    std::vector<Subpath> out;
    std::string message;
    const bool ok = ParsePathData(d, &out, &message);
    if (error) *error = message;
    return ok;
}

std::string Svg(const std::string& body) {
    return "<svg xmlns='http://www.w3.org/2000/svg' width='100' height='100'>" + body + "</svg>";
}

std::string ZigZag(size_t anchors) {
    std::string d = "M0 0";
    for (size_t k = 1; k < anchors; ++k) d += (k % 2 ? " l1 1" : " l1 -1");
    return d;
}

}  // namespace

TEST(SvgBounds, RelativeDataArcsAndTransformsStayWithinTheNumberBound) {
    // Every number is within the bound, the points they resolve to are not.
    for (const char* d : {"M9e8 0 l9e8 0", "M0 0 h6e8 h6e8", "M0 -9e8 v-2e8", "M9e8 9e8 c1e8 0 1e8 0 2e8 0",
                          "M0 0 A9e8 9e8 0 1 1 0 1e8"}) {
        std::string error;
        EXPECT_FALSE(Parses(d, &error)) << d;
        EXPECT_NE(error.find("out of range"), std::string::npos) << d << ": " << error;
    }
    EXPECT_TRUE(Parses("M9e8 0 l1e8 0"));  // exactly at the bound

    Artwork art;
    std::string error;
    EXPECT_FALSE(
        ImportSvgText(Svg("<path transform='translate(9e8 0)' d='M2e8 0 L0 5'/>"), "t.svg", 100, &art, &error));
    EXPECT_NE(error.find("out of range"), std::string::npos) << error;
    EXPECT_FALSE(ImportSvgText(Svg("<path transform='scale(1000)' d='M1e7 0 L0 5'/>"), "s.svg", 100, &art, &error));
    EXPECT_TRUE(ImportSvgText(Svg("<path transform='scale(10)' d='M1e7 0 L0 5'/>"), "ok.svg", 100, &art, &error))
        << error;
}

TEST(SvgBounds, SaveRefusesWhatImportWouldRefuseAndReadsBackWhatItWrites) {
    const std::string dir = testenv::MakeTempDir("svg-bounds");
    SvgPage page;
    page.width = page.height = 100;
    auto artOf = [](double h, double v) {
        Artwork art;
        ArtNode path;
        path.segments = {SBPathSegment{{0, 0}, {0, 0}, {0, 0}, 1}, SBPathSegment{{h, v}, {h, v}, {h, v}, 1}};
        art.art.push_back(path);
        return art;
    };
    std::string error;
    // Beyond the bound in the document, and as written (the written vertical is 100 - v).
    EXPECT_FALSE(ExportSvgFile(artOf(2e9, 0), page, dir + "/far.svg", &error));
    EXPECT_FALSE(std::filesystem::exists(dir + "/far.svg"));
    EXPECT_FALSE(ExportSvgFile(artOf(0, -kMaxCoordinate), page, dir + "/flip.svg", &error));
    // Near the bound: written, and read back.
    ASSERT_TRUE(ExportSvgFile(artOf(kMaxCoordinate, -kMaxCoordinate + 100), page, dir + "/near.svg", &error)) << error;
    Artwork back;
    EXPECT_TRUE(ImportSvgFile(dir + "/near.svg", 100, &back, &error)) << error;
    ASSERT_EQ(back.art.size(), 1u);
    EXPECT_EQ(back.art[0].segments[1].p.h, kMaxCoordinate);
    std::filesystem::remove_all(dir);
}

TEST(SvgBounds, PathsBeyondTheAnchorCountAreRefusedNotCut) {
    EXPECT_TRUE(Parses(ZigZag(kMaxPathAnchors)));
    std::string error;
    EXPECT_FALSE(Parses(ZigZag(kMaxPathAnchors + 1), &error));
    EXPECT_NE(error.find("32767"), std::string::npos) << error;
    EXPECT_FALSE(Parses(ZigZag(40000)));
    // Many subpaths of a compound path each within the count are fine.
    EXPECT_TRUE(Parses(ZigZag(30000) + " " + ZigZag(30000)));

    Artwork art;
    EXPECT_FALSE(ImportSvgText(Svg("<path d='" + ZigZag(40000) + "'/>"), "long.svg", 100, &art, &error));
    EXPECT_NE(error.find("32767"), std::string::npos) << error;
}
