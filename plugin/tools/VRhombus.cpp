#include "tools/VRhombus.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/InfoVariables.h"

#include <algorithm>
#include <cmath>

VRhombus::VRhombus(const ToolAction* action) : VParamShapeTool(action, "Rhombus", kRhombusDefaults) {}

bool VRhombus::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    const bool alt = TrackAltKey(message);
    const bool moved = UpdateDragVector(message, true);
    const float h = DragH(), v = DragV();
    CentreOnAnchorOrMiddle();
    if (!IsClick()) {
        params_.width = AltState() ? std::fabs(2.0f * h) : std::fabs(h);
        params_.height = AltState() ? std::fabs(2.0f * v) : std::fabs(v);
    }
    if (!moved && !alt) return false;
    ShowCentreInfo(infovariables::kCentreWidthHeight, {params_.width, -params_.height});
    return true;
}

void VRhombus::Draw() {
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV),
                static_cast<float>(params_.width / 2.0), static_cast<float>(params_.height / 2.0));
    ZPathList list = BuildRhombus(params_);
    WriteShape(list);
}

PreferencesElement VRhombus::Preferences() const {
    PreferencesElement element("rhombus");
    element.Add("width", params_.width).Add("height", params_.height);
    return element;
}

void VRhombus::SetRhombusParameters(float width, float height) {
    params_.width = width;
    params_.height = height;
}

void VRhombus::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(actionkey::kWidth, SB_UNIT_POINTS, params_.width);
    value.SetUnitReal(actionkey::kHeight, SB_UNIT_POINTS, params_.height);
}

void VRhombus::ReadAction(SBActionParamValueRef values) {
    const double wdth = sb::GetActionReal(values, actionkey::kWidth);
    const double hght = sb::GetActionReal(values, actionkey::kHeight);
    SetRhombusParameters(static_cast<float>(wdth), static_cast<float>(hght));
}
