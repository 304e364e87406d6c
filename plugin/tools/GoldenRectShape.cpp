#include "tools/GoldenRectShape.h"

#include <cmath>

ZPathList BuildGoldenRectangle(const RealPoint& anchor, float w, float h, bool centred) {
    ZPathList list;
    const float a = centred ? w : w / 2.0f;
    const float b = centred ? h : h / 2.0f;
    if (std::isfinite(a) && std::isfinite(b) && std::isfinite(anchor.h) && std::isfinite(anchor.v)) {
        const double ph = anchor.h, pv = anchor.v;
        const RealPoint corners[4] = {{ph + a, pv + b}, {ph - a, pv + b}, {ph - a, pv - b}, {ph + a, pv - b}};
        for (int i = 0; i < 4; ++i) {
            const RealPoint& from = corners[i];
            const RealPoint& to = corners[(i + 1) % 4];
            list.Append(BezierSegment{from, from, to, to});
        }
        if (!centred) list.Translate(a, b);
    }
    list.SetClosed(true);
    return list;
}
