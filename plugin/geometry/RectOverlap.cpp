#include "geometry/RectOverlap.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <queue>

namespace {

struct Box {
    double h0, h1, v0, v1;
    size_t index;
};

}  // namespace

std::optional<std::pair<size_t, size_t>> FindOverlappingRects(const std::vector<SBRealRect>& rects) {
    std::vector<Box> boxes;
    boxes.reserve(rects.size());
    for (size_t i = 0; i < rects.size(); ++i) {
        const SBRealRect& r = rects[i];
        // The same min and max as the host's test: with a NaN among them every comparison fails.
        const Box b{std::min(r.left, r.right), std::max(r.left, r.right), std::min(r.bottom, r.top),
                    std::max(r.bottom, r.top), i};
        if (std::isnan(b.h0) || std::isnan(b.h1) || std::isnan(b.v0) || std::isnan(b.v1)) continue;
        boxes.push_back(b);
    }
    std::sort(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.h0 < b.h0; });

    // A sweep from left to right. The boxes the sweep line crosses share it, so while no pair
    // has been found they are apart vertically: kept by their bottoms, a new box need only be
    // checked against the one just below its top.
    std::map<double, const Box*> active;
    using Expiry = std::pair<double, double>;  // right edge, key in `active`
    std::priority_queue<Expiry, std::vector<Expiry>, std::greater<Expiry>> expiries;
    for (const Box& box : boxes) {
        while (!expiries.empty() && expiries.top().first < box.h0) {
            active.erase(expiries.top().second);
            expiries.pop();
        }
        auto above = active.upper_bound(box.v1);
        if (above != active.begin()) {
            const Box& below = *std::prev(above)->second;
            if (below.v1 >= box.v0)
                return std::make_pair(std::min(below.index, box.index), std::max(below.index, box.index));
        }
        active.emplace(box.v0, &box);
        expiries.emplace(box.h1, box.v0);
    }
    return std::nullopt;
}
