#include "tools/VWave.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

namespace {}  // namespace

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
    if (changed)
        ShowCentreInfo(infovariables::kCentreWidthHeight, {std::fabs(params_.width), -std::fabs(params_.height)});
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
