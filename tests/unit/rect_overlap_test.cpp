#include "geometry/RectOverlap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>

namespace {

// The host's test, pair by pair.
bool Overlap(const SBRealRect& a, const SBRealRect& b) {
    auto lo = [](double x, double y) { return std::min(x, y); };
    auto hi = [](double x, double y) { return std::max(x, y); };
    return lo(a.left, a.right) <= hi(b.left, b.right) && lo(b.left, b.right) <= hi(a.left, a.right) &&
           lo(a.bottom, a.top) <= hi(b.bottom, b.top) && lo(b.bottom, b.top) <= hi(a.bottom, a.top);
}

bool AnyPairOverlaps(const std::vector<SBRealRect>& rects) {
    for (size_t i = 0; i < rects.size(); ++i)
        for (size_t j = i + 1; j < rects.size(); ++j)
            if (Overlap(rects[i], rects[j])) return true;
    return false;
}

SBRealRect Rect(double left, double top, double right, double bottom) { return SBRealRect{left, top, right, bottom}; }

}  // namespace

TEST(RectOverlap, EdgesCornersOrderAndNaN) {
    EXPECT_FALSE(FindOverlappingRects({}));
    EXPECT_FALSE(FindOverlappingRects({Rect(0, 10, 10, 0)}));
    // Touching edges and corners count; a hair apart does not.
    EXPECT_TRUE(FindOverlappingRects({Rect(0, 10, 10, 0), Rect(10, 10, 20, 0)}));
    EXPECT_TRUE(FindOverlappingRects({Rect(0, 10, 10, 0), Rect(10, 20, 20, 10)}));
    EXPECT_FALSE(FindOverlappingRects({Rect(0, 10, 10, 0), Rect(10.000001, 10, 20, 0)}));
    // Corners given in either order.
    auto pair = FindOverlappingRects({Rect(50, 50, 60, 60), Rect(10, 0, 0, 10), Rect(5, 5, 15, 15)});
    ASSERT_TRUE(pair);
    EXPECT_EQ(*pair, std::make_pair(size_t(1), size_t(2)));
    // A coordinate that is not a number answers as the host's test does: a rectangle whose first
    // edge (left, bottom) is one overlaps nothing, one whose second edge is one shrinks to its
    // first edge.
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(FindOverlappingRects({Rect(nan, 10, 10, 0), Rect(0, 10, 10, 0)}));
    EXPECT_FALSE(FindOverlappingRects({Rect(0, 10, 10, nan), Rect(0, 10, 10, 0)}));
    EXPECT_TRUE(FindOverlappingRects({Rect(0, 10, nan, 0), Rect(0, 10, 10, 0)}));
    EXPECT_FALSE(FindOverlappingRects({Rect(-1, 10, nan, 0), Rect(0, 10, 10, 0)}));
    EXPECT_TRUE(FindOverlappingRects({Rect(-inf, 10, inf, 0), Rect(0, 100, 10, 50), Rect(5, 5, 6, 6)}));
}

TEST(RectOverlap, AgreesWithEveryPairOnRandomSets) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 3000; ++trial) {
        const int n = 1 + trial % 40;
        // Coarse coordinates, so that shared edges and equal bottoms come up often.
        std::uniform_int_distribution<int> coordinate(0, 6 + trial % 60);
        std::vector<SBRealRect> rects;
        for (int i = 0; i < n; ++i) {
            const double a = coordinate(random), b = a + coordinate(random) % 4;
            const double c = coordinate(random), d = c + coordinate(random) % 4;
            rects.push_back(i % 3 == 0 ? Rect(b, c, a, d) : Rect(a, d, b, c));
            if (trial % 7 == 0 && i % 5 == 1) {
                SBRealRect& r = rects.back();
                double* edges[] = {&r.left, &r.top, &r.right, &r.bottom};
                *edges[coordinate(random) % 4] = std::nan("");
            }
        }
        const auto pair = FindOverlappingRects(rects);
        ASSERT_EQ(pair.has_value(), AnyPairOverlaps(rects)) << "trial " << trial;
        if (pair) {
            EXPECT_LT(pair->first, pair->second);
            EXPECT_TRUE(Overlap(rects[pair->first], rects[pair->second])) << "trial " << trial;
        }
    }
}
