#include "tools/RhombusShape.h"

#include <cmath>

const RhombusParams kRhombusDefaults = {0.0, 0.0, 200.0, 100.0};

ZPathList BuildRhombus(const RhombusParams& params) {
    ZPathList list;
    const float a = static_cast<float>(params.width / 2.0);
    const float b = static_cast<float>(params.height / 2.0);
    const float ch = static_cast<float>(params.centreH);
    const float cv = static_cast<float>(params.centreV);
    if (std::isfinite(a) && std::isfinite(b) && std::isfinite(ch) && std::isfinite(cv)) {
        const double h = params.centreH, v = params.centreV;
        const RealPoint corners[4] = {{h + a, v}, {h, v - b}, {h - a, v}, {h, v + b}};
        for (int i = 0; i < 4; ++i) {
            const RealPoint& from = corners[i];
            const RealPoint& to = corners[(i + 1) % 4];
            list.Append(BezierSegment{from, from, to, to});
        }
    }
    list.SetClosed(true);
    return list;
}
