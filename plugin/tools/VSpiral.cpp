#include "tools/VSpiral.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/ArtTransforms.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/Errors.h"
#include "tools/CurveFitter.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

namespace {}  // namespace

VSpiral::VSpiral(const ToolAction* action) : VParamShapeTool(action, "Archimedean Spiral", kSpiralDefaults) {}

SBErr VSpiral::MouseDown(SBToolMessage* message) {
    dirH_ = dirV_ = 0.0f;
    return VObjectCreationTool::MouseDown(message);
}

bool VSpiral::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    bool changed = false;
    const float hp = dirH_, vp = dirV_;
    float h = dirH_, v = dirV_;
    if (UpdateDragVector(message, false)) {
        h = DragH();
        v = DragV();
        params_.radius = std::sqrt(h * h + v * v);
        changed = true;
    }
    if (message->event && (message->event->modifiers & kShift) != 0) {
        const float radius = static_cast<float>(params_.radius);
        if (std::fabs(h) > std::fabs(v)) {
            h = h > 0.0f ? radius : -radius;
            v = 0.0f;
        } else {
            h = 0.0f;
            v = v > 0.0f ? radius : -radius;
        }
    }
    if (std::fabs(h - hp) > 1e-5f || std::fabs(v - vp) > 1e-5f) changed = true;
    dirH_ = h;
    dirV_ = v;
    if (IsRightArrowDown()) {
        if (params_.turns < kMaxKeyTurns) {
            ++params_.turns;
            *keyStep = changed = true;
        }
    } else if (IsLeftArrowDown() && params_.turns >= 1) {
        --params_.turns;
        *keyStep = changed = true;
    }
    if (IsRKeyDown()) {
        params_.fermat = !params_.fermat;
        changed = true;
    }
    CentreOnAnchor();
    if (changed) ShowCentreInfo(infovariables::kCentreRadius, {params_.radius});
    return changed;
}

void VSpiral::Draw() {
    const float radius = static_cast<float>(params_.radius);
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV), radius, radius);
    ZPathList list = BuildSpiral(params_, dirH_, dirV_);
    WriteShape(list);
}

PreferencesElement VSpiral::Preferences() const {
    PreferencesElement element("spiral");
    element.Add("radius", params_.radius).Add("turns", params_.turns).Add("fermat", params_.fermat ? 1 : 0);
    return element;
}

void VSpiral::SetSpiralParameters(float radius, int32_t turns, bool fermat) {
    params_.radius = radius;
    params_.turns = turns;
    params_.fermat = fermat;
}

void VSpiral::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kSpiralRadius, SB_UNIT_POINTS, params_.radius);
    value.SetInteger(actionkey::kSpiralTurns, params_.turns);
    value.SetBoolean(actionkey::kSpiralFermat, params_.fermat);
}

void VSpiral::ReadAction(SBActionParamValueRef values) {
    const double sprd = sb::GetActionReal(values, actionkey::kSpiralRadius);
    const int32_t sptu = sb::GetActionInteger(values, actionkey::kSpiralTurns);
    const bool spfe = sb::GetActionBoolean(values, actionkey::kSpiralFermat);
    SetSpiralParameters(static_cast<float>(sprd), sptu, spfe);
}
