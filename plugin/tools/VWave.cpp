#include "tools/VWave.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"

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

VWave::VWave(const ToolAction* action) : VParamShapeTool(action, "Wave", kWaveDefaults) {}

bool VWave::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    bool changed = TrackAltKey(message);
    if (UpdateDragVector(message, false)) changed = true;
    const float h = DragH(), v = DragV();
    if (IsLeftArrowDown()) {
        if (params_.waves > 1) {
            --params_.waves;
            *keyStep = changed = true;
        }
    } else if (IsRightArrowDown() && params_.waves < kMaxKeyWaves) {
        ++params_.waves;
        *keyStep = changed = true;
    }
    if (AltState()) {
        params_.centreH = Anchor().h;
        params_.centreV = Anchor().v;
    } else {
        params_.centreH = Anchor().h + h / 2.0f;
        params_.centreV = Anchor().v + v;
    }
    if (!IsClick()) {
        params_.width = AltState() ? 2.0f * h : h;
        params_.height = v;
    }
    if (changed) ShowCentreInfo(infovariables::kCentreWidthHeight, {std::fabs(params_.width), -std::fabs(params_.height)});
    return changed;
}

void VWave::Draw() {
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV),
                static_cast<float>(params_.width / 2), static_cast<float>(params_.height / 2));
    ZPathList list = BuildWave(params_);
    WriteShape(list);
}

PreferencesElement VWave::Preferences() const {
    PreferencesElement element("wave");
    element.Add("width", params_.width).Add("height", params_.height).Add("waves", params_.waves);
    return element;
}

void VWave::SetWaveParameters(float width, float height, int32_t waves) {
    params_.width = width;
    params_.height = height;
    params_.waves = waves;
}

void VWave::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kWidth, SB_UNIT_POINTS, params_.width);
    value.SetUnitReal(actionkey::kHeight, SB_UNIT_POINTS, params_.height);
    value.SetInteger(actionkey::kWaves, params_.waves);
}

void VWave::ReadAction(SBActionParamValueRef values) {
    const double wdth = sb::GetActionReal(values, actionkey::kWidth);
    const double hght = sb::GetActionReal(values, actionkey::kHeight);
    const int32_t wavs = sb::GetActionInteger(values, actionkey::kWaves);
    SetWaveParameters(static_cast<float>(wdth), static_cast<float>(hght), wavs);
}
