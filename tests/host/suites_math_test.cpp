// Real math: matrix concatenation order and rectangles.
#include "suites_fixture.h"

#include <cmath>

namespace scribera {
namespace {

using testing::SuiteTest;

class RealMath : public SuiteTest {
protected:
    const SBRealMathSuite* math = Acquire<SBRealMathSuite>(kSBRealMathSuite, kSBRealMathSuiteVersion);
};

SBRealPoint Map(const SBRealMatrix& m, SBRealPoint p) {
    return {m.a * p.h + m.c * p.v + m.tx, m.b * p.h + m.d * p.v + m.ty};
}

void ExpectMatrix(const SBRealMatrix& m, const SBRealMatrix& e) {
    EXPECT_NEAR(m.a, e.a, 1e-12);
    EXPECT_NEAR(m.b, e.b, 1e-12);
    EXPECT_NEAR(m.c, e.c, 1e-12);
    EXPECT_NEAR(m.d, e.d, 1e-12);
    EXPECT_NEAR(m.tx, e.tx, 1e-12);
    EXPECT_NEAR(m.ty, e.ty, 1e-12);
}

TEST_F(RealMath, EachConcatenationAppliesAfterTheExistingMapping) {
    SBRealMatrix m{9, 9, 9, 9, 9, 9};
    ASSERT_EQ(math->RealMatrixSetTranslate(&m, 0, 0), SB_OK);
    ExpectMatrix(m, {1, 0, 0, 1, 0, 0});
    // Translate by (2, 3), then scale by (2, -1), then rotate a quarter turn counter-clockwise.
    ASSERT_EQ(math->RealMatrixConcatTranslate(&m, 2, 3), SB_OK);
    ASSERT_EQ(math->RealMatrixConcatScale(&m, 2, -1), SB_OK);
    ExpectMatrix(m, {2, 0, 0, -1, 4, -3});
    ASSERT_EQ(math->RealMatrixConcatRotate(&m, M_PI / 2), SB_OK);
    // (x, y) -> (2x + 4, -y - 3) -> rotated: (y + 3, 2x + 4).
    ExpectMatrix(m, {0, 2, 1, 0, 3, 4});
    const SBRealPoint p = Map(m, {1, 1});
    EXPECT_NEAR(p.h, 4, 1e-12);
    EXPECT_NEAR(p.v, 6, 1e-12);

    // The other order gives another matrix: rotate first, then translate.
    SBRealMatrix n{};
    ASSERT_EQ(math->RealMatrixSetIdentity(&n), SB_OK);
    ASSERT_EQ(math->RealMatrixConcatRotate(&n, M_PI / 2), SB_OK);
    ASSERT_EQ(math->RealMatrixConcatTranslate(&n, 2, 3), SB_OK);
    ExpectMatrix(n, {0, 1, -1, 0, 2, 3});
    // Rotation of a gradient-style matrix with an offset moves the offset too.
    SBRealMatrix k{};
    ASSERT_EQ(math->RealMatrixSetTranslate(&k, 10, 0), SB_OK);
    ASSERT_EQ(math->RealMatrixConcatRotate(&k, M_PI), SB_OK);
    ExpectMatrix(k, {-1, 0, 0, -1, -10, 0});
    EXPECT_EQ(math->RealMatrixConcatScale(nullptr, 1, 1), SB_ERR_BAD_PARAM);
}

TEST_F(RealMath, RectanglesUnionAndOverlap) {
    auto overlap = [&](SBRealRect a, SBRealRect b) {
        SBBool o = -1;
        EXPECT_EQ(math->RealRectOverlap(&a, &b, &o), SB_OK);
        SBBool back = -1;
        EXPECT_EQ(math->RealRectOverlap(&b, &a, &back), SB_OK);
        EXPECT_EQ(o, back);  // symmetric
        return o;
    };
    const SBRealRect a{0, 10, 10, 0};  // left, top, right, bottom; top above bottom
    EXPECT_EQ(overlap(a, {5, 15, 15, 5}), 1);
    EXPECT_EQ(overlap(a, {2, 8, 8, 2}), 1);         // inside
    EXPECT_EQ(overlap(a, {10, 10, 20, 0}), 1);      // shared edge
    EXPECT_EQ(overlap(a, {10, 20, 20, 10}), 1);     // shared corner
    EXPECT_EQ(overlap(a, {10.001, 10, 20, 0}), 0);  // just apart
    EXPECT_EQ(overlap(a, {0, -1, 10, -5}), 0);      // below
    EXPECT_EQ(overlap(a, {5, 5, 5, 5}), 1);         // a point inside
    EXPECT_EQ(overlap(a, {5, 0, 15, 10}), 1);       // top and bottom given the other way round
    EXPECT_EQ(overlap({-3, 2, -1, 1}, a), 0);

    SBRealRect u{};
    const SBRealRect b{-5, 3, 2, -8};
    ASSERT_EQ(math->RealRectUnion(&a, &b, &u), SB_OK);
    EXPECT_EQ(u.left, -5);
    EXPECT_EQ(u.top, 10);
    EXPECT_EQ(u.right, 10);
    EXPECT_EQ(u.bottom, -8);
    EXPECT_EQ(math->RealRectUnion(&a, nullptr, &u), SB_ERR_BAD_PARAM);
}

}  // namespace
}  // namespace scribera
