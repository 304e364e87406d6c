#include "tools/WaveShape.h"

#include "geometry/BezierGeometry.h"

#include <algorithm>
#include <cmath>

const WaveParams kWaveDefaults = {0.0, 0.0, 200.0, 100.0, 8};

namespace {

// One arch's rising half in units of the arch width and the crest height.
constexpr float kArch[4][2] = {{0.0f, 0.0f}, {0.06f, 0.25f}, {0.25f, 1.0f}, {0.5f, 1.0f}};

}  // namespace

ZPathList BuildWave(const WaveParams& params) {
    ZPathList list;
    const int32_t waves = std::min(params.waves, kMaxDrawnWaves);
    const double width = params.width;
    const float height = static_cast<float>(params.height);
    const double left = params.centreH - width / 2.0;
    const bool finite = std::isfinite(static_cast<float>(width)) && std::isfinite(height) &&
                        std::isfinite(static_cast<float>(params.centreH)) &&
                        std::isfinite(static_cast<float>(params.centreV)) && std::isfinite(left);
    for (int32_t i = 0; finite && i < waves; ++i) {
        const float x0 = static_cast<float>(width * i / waves);
        const float x1 = static_cast<float>(width * (i + 1) / waves);
        const float w = x1 - x0;
        BezierSegment rising, falling;
        RealPoint* up[4] = {&rising.p0, &rising.c0, &rising.c1, &rising.p3};
        for (int j = 0; j < 4; ++j) *up[j] = RealPoint{x0 + w * kArch[j][0], kArch[j][1]};
        falling = rising;
        ReverseSegment(&falling);
        RealPoint* down[4] = {&falling.p0, &falling.c0, &falling.c1, &falling.p3};
        for (int j = 0; j < 4; ++j) down[j]->h = x1 - w * kArch[3 - j][0];
        const float side = i % 2 == 0 ? -height : height;
        for (BezierSegment* s : {&rising, &falling}) {
            for (RealPoint* p : {&s->p0, &s->c0, &s->c1, &s->p3}) {
                p->h += left;
                p->v = p->v * side + params.centreV;
            }
        }
        list.Append(rising);
        list.Append(falling);
    }
    list.SetClosed(false);
    return list;
}
