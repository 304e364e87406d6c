#include "tools/RoseShape.h"

#include "geometry/BezierGeometry.h"
#include "geometry/Numeric.h"

#include <algorithm>
#include <cmath>

const RoseParams kRoseDefaults = {0.0, 0.0, 100.0, 4, 1.5};

ZPathList BuildRose(const RoseParams& params) {
    ZPathList list;
    const int32_t lobes = std::min(params.lobes, kMaxDrawnLobes);
    const float r = static_cast<float>(params.radius);
    const float ch = static_cast<float>(params.centreH);
    const float cv = static_cast<float>(params.centreV);
    const int32_t n = std::max(lobes, 2);
    const float phi = static_cast<float>(params.width / 3.0 * 360.0 / (2.0 * n));
    const float t = TanF(phi * kPiF / 180.0f);
    if (std::isfinite(r) && std::isfinite(ch) && std::isfinite(cv) && std::isfinite(t)) {
        const BezierSegment petal[2] = {
            {{0, 0}, {-t / 2.0f, 0.5}, {-t / 4.0f, 1}, {0, 1}},
            {{0, 1}, {t / 4.0f, 1}, {t / 2.0f, 0.5}, {0, 0}},
        };
        for (int32_t i = 0; i < lobes; ++i) {
            const float angle = 360.0f * static_cast<float>(i) / static_cast<float>(lobes);
            for (const BezierSegment& unit : petal) {
                BezierSegment s = RotateSegment(unit, RealPoint{0, 0}, angle);
                for (RealPoint* p : {&s.p0, &s.c0, &s.c1, &s.p3}) {
                    p->h = p->h * r + ch;
                    p->v = p->v * r + cv;
                }
                list.Append(s);
            }
        }
    }
    list.SetClosed(true);
    return list;
}
