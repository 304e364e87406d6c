#include "tools/VRose.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

VRose::VRose(const ToolAction* action) : VParamShapeTool(action, "Rose", kRoseDefaults) {}

bool VRose::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    bool changed = false;
    if (UpdateDragVector(message, false)) {
        const float h = DragH(), v = DragV();
        params_.radius = std::sqrt(h * h + v * v);
        changed = true;
    }
    if (IsUpArrowDown()) {
        if (params_.lobes < kMaxKeyLobes) {
            ++params_.lobes;
            *keyStep = changed = true;
        }
    } else if (IsDownArrowDown()) {
        if (params_.lobes > 1) {
            --params_.lobes;
            *keyStep = changed = true;
        }
    }
    if (IsLeftArrowDown()) {
        if (params_.width > 0) {
            params_.width -= 0.1;
            changed = true;
        }
    } else if (IsRightArrowDown()) {
        if (params_.width < kMaxKeyWidth) {
            params_.width += 0.1;
            changed = true;
        }
    }
    CentreOnAnchor();
    if (changed) ShowCentreInfo(infovariables::kCentreRadius, {params_.radius});
    return changed;
}

void VRose::Draw() {
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV),
                static_cast<float>(params_.radius), static_cast<float>(params_.radius));
    ZPathList list = BuildRose(params_);
    WriteShape(list);
}

PreferencesElement VRose::Preferences() const {
    PreferencesElement element("rose");
    element.Add("radius", params_.radius).Add("lobes", params_.lobes).Add("width", params_.width);
    return element;
}

void VRose::SetRoseParameters(float radius, int32_t lobes, float width) {
    params_.radius = radius;
    params_.lobes = lobes;
    params_.width = width;
}

void VRose::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kRoseRadius, SB_UNIT_POINTS, params_.radius);
    value.SetInteger(actionkey::kLobes, params_.lobes);
    value.SetUnitReal(actionkey::kLobeWidth, SB_UNIT_NONE, params_.width);
}

void VRose::ReadAction(SBActionParamValueRef values) {
    const double rdus = sb::GetActionReal(values, actionkey::kRoseRadius);
    const int32_t lobs = sb::GetActionInteger(values, actionkey::kLobes);
    const double lwdt = sb::GetActionReal(values, actionkey::kLobeWidth);
    SetRoseParameters(static_cast<float>(rdus), lobs, static_cast<float>(lwdt));
}
