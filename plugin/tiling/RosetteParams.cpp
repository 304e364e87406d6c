#include "tiling/RosetteParams.h"

#include "geometry/Numeric.h"

RosetteParams DefaultRosetteParams{8, true, true};

int32_t ClampRosettes(int32_t n) { return n < kMinRosettes ? kMinRosettes : (n > kMaxRosettes ? kMaxRosettes : n); }

float SnapRosetteAngle(float degrees, int32_t n) {
    const float step = 360.0f / static_cast<float>(ClampRosettes(n));
    const float steps = degrees > 0.0f ? degrees / step + 0.5f : degrees / step - 0.5f;
    // Far beyond a float's whole numbers the angle is already a multiple of anything.
    if (!(steps > -1e9f && steps < 1e9f)) return degrees;
    return step * static_cast<float>(static_cast<int64_t>(steps));
}

RosetteWedge RosetteWedgeFor(const RosetteParams& params, const RealPoint& centre, float degrees) {
    const int32_t n = ClampRosettes(params.rosettes);
    RosetteWedge wedge;
    wedge.first.offset = 0;
    wedge.first.angle = static_cast<double>(degrees) - 90.0;
    wedge.first.origin = centre;
    wedge.first.mirrorType = CutAuto;
    wedge.second = wedge.first;
    if (params.mirror) {
        wedge.second.angle = static_cast<double>(degrees) - 90.0 - static_cast<double>(180.0f / n) + 180.0;
        wedge.second.mirrorType = MirrorJoin;
    } else {
        wedge.second.angle = static_cast<double>(degrees) - 90.0 - static_cast<double>(360.0f / n) + 180.0;
    }
    // With one copy and no mirror the two sides are the same line with opposite kept sides:
    // cutting would remove everything, where a whole turn keeps everything.
    const bool wholeTurn = n == 1 && !params.mirror;
    wedge.runFirst = params.cut && !wholeTurn;
    wedge.runSecond = !wholeTurn;
    return wedge;
}

float RosetteCopyRadians(int32_t i, int32_t n) {
    const float degrees = static_cast<float>(i) * 360.0f / static_cast<float>(ClampRosettes(n));
    return degrees * kPiF / 180.0f;
}
