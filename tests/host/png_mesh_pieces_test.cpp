// Mesh edges of several Beziers in pictures: drawn where the curves run (a spike out of an edge
// shows), in the colours the patch has there; a patch of single Beziers cut into one piece that is
// the patch itself.
#include "io/MeshPatches.h"
#include "picture_fixture.h"

#include <gtest/gtest.h>

using namespace picture;

namespace {

constexpr double kSide = 100;
constexpr double kScale = 512.0 / kSide;

Pixel Sample(const Picture& p, double h, double v) { return At(p, h, v, kScale, kSide); }

// A 1 × 1 mesh over [20, 80] × [30, 80] whose bottom edge is two straight Beziers through a tip
// at (50, 5), red on the left, blue on the right.
MeshGrid SpikedMesh() {
    MeshGrid g = MeshGrid::Rectangular(1, 1, {20, 80, 80, 30}, RgbColour(1, 0, 0));
    g.colours[1] = g.colours[3] = RgbColour(0, 0, 1);
    const SBRealPoint a{20, 30}, tip{50, 5}, b{80, 30};
    auto third = [](SBRealPoint p, SBRealPoint q, double t) {
        return SBRealPoint{p.h + (q.h - p.h) * t, p.v + (q.v - p.v) * t};
    };
    g.rowCurves[0] = {
        a, third(a, tip, 1.0 / 3), third(a, tip, 2.0 / 3), tip, third(tip, b, 1.0 / 3), third(tip, b, 2.0 / 3), b};
    return g;
}

}  // namespace

TEST(MeshPieces, ASpikedEdgeIsCutAtItsJoinAndItsSidesFollowTheCurves) {
    const MeshGrid g = SpikedMesh();
    const std::vector<CoonsPiece> pieces = CoonsPieces(g, 0, 0);
    ASSERT_EQ(pieces.size(), 2u);
    // The two pieces' bottom sides are the edge's two Beziers.
    EXPECT_NEAR(pieces[0].sides[0][0].h, 20, 1e-9);
    EXPECT_NEAR(pieces[0].sides[0][3].h, 50, 1e-9);
    EXPECT_NEAR(pieces[0].sides[0][3].v, 5, 1e-9);
    EXPECT_NEAR(pieces[0].sides[0][1].h, 30, 1e-9);
    EXPECT_NEAR(pieces[0].sides[0][1].v, 30 - 25.0 / 3, 1e-9);
    EXPECT_NEAR(pieces[1].sides[0][0].v, 5, 1e-9);
    EXPECT_NEAR(pieces[1].sides[0][3].h, 80, 1e-9);
    EXPECT_EQ(pieces[0].u[1], 0.5);
    EXPECT_EQ(pieces[1].u[0], 0.5);
    // Straight edges of single Beziers make one piece with the patch's own sides.
    const MeshGrid plain = MeshGrid::Rectangular(1, 1, {20, 80, 80, 30}, Gray(0));
    const std::vector<CoonsPiece> one = CoonsPieces(plain, 0, 0);
    ASSERT_EQ(one.size(), 1u);
    EXPECT_NEAR(one[0].sides[2][0].h, 80, 1e-9);
    EXPECT_NEAR(one[0].sides[2][0].v, 80, 1e-9);
    EXPECT_TRUE(CoonsPieces(plain, 1, 0).empty());
}

TEST(MeshPieces, ThePictureShowsTheSpikeInThePatchsColours) {
    Artwork art;
    ArtNode mesh;
    mesh.kind = ArtKind::Mesh;
    mesh.mesh = SpikedMesh();
    art.art.push_back(mesh);
    const Picture p = Render(art, kSide, kSide);
    // Inside the spike, below the straight line between the edge's ends: the mesh, halfway
    // between its red and blue sides.
    EXPECT_TRUE(Near(Sample(p, 50, 15), 128, 0, 128, 16));
    EXPECT_TRUE(Near(Sample(p, 25, 40), 255 * 0.92, 0, 255 * 0.08, 24));
    // Beside the spike, under the edge's ends: background.
    EXPECT_TRUE(Near(Sample(p, 25, 20), 255, 255, 255));
    EXPECT_TRUE(Near(Sample(p, 75, 20), 255, 255, 255));
}
