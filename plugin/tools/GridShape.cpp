#include "tools/GridShape.h"

#include <algorithm>
#include <cmath>

const GridParams kGridDefaults = {0.0, 0.0, 36.0, 36.0, 4, 3, false};

namespace {

// A straight segment, its control points on its anchors.
BezierSegment Straight(const RealPoint& from, const RealPoint& to) { return BezierSegment{from, from, to, to}; }

}  // namespace

int32_t ClampSquares(int32_t count) { return std::max(1, std::min(count, kMaxSquares)); }

GridShape BuildGrid(const GridParams& p) {
    GridShape shape;
    const int32_t across = ClampSquares(p.squaresX);
    const int32_t down = ClampSquares(p.squaresY);
    const float hw = static_cast<float>(p.width * across / 2.0);
    const float hh = static_cast<float>(p.height * down / 2.0);
    if (!std::isfinite(hw) || !std::isfinite(hh) || !std::isfinite(static_cast<float>(p.centreH)) ||
        !std::isfinite(static_cast<float>(p.centreV)))
        return shape;
    const double ch = p.centreH, cv = p.centreV, w = p.width, h = p.height;
    if (p.createAsSquares) {
        shape.cells.reserve(static_cast<size_t>(across) * static_cast<size_t>(down));
        for (int32_t i = 0; i < across; ++i) {
            for (int32_t j = 0; j < down; ++j) {
                const double x0 = ch + w * i - hw, y0 = cv + h * j - hh;
                const RealPoint corners[4] = {{x0, y0}, {x0, y0 + h}, {x0 + w, y0 + h}, {x0 + w, y0}};
                shape.cells.emplace_back();
                GridCell& cell = shape.cells.back();
                cell.corner = corners[0];
                cell.opposite = corners[2];
                for (int k = 0; k < 4; ++k) cell.outline.Append(Straight(corners[k], corners[(k + 1) % 4]));
                cell.outline.SetClosed(true);
            }
        }
        return shape;
    }
    shape.lines.reserve(static_cast<size_t>(across + down + 2));
    auto line = [&](const RealPoint& from, const RealPoint& to) {
        ZPathList list;
        list.Append(Straight(from, to));
        list.Translate(-hw, -hh);
        list.SetClosed(false);
        shape.lines.push_back(list);
    };
    for (int32_t i = 0; i <= across; ++i) line(RealPoint{ch + w * i, cv + h * down}, RealPoint{ch + w * i, cv});
    for (int32_t j = 0; j <= down; ++j) line(RealPoint{ch + w * across, cv + h * j}, RealPoint{ch, cv + h * j});
    return shape;
}
