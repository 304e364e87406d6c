#include "tools/VRhombus.h"

#include "frame/Globals.h"
#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/ToolPanel.h"
#include "tools/VRhombusDBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 2, 3, -1};
constexpr const char* kEvent = "sb_plugin_zarvo_rhombus";

constexpr uint32_t kKeyWidth = SB_FOURCC('w', 'd', 't', 'h');
constexpr uint32_t kKeyHeight = SB_FOURCC('h', 'g', 'h', 't');

}  // namespace

VRhombus::VRhombus() : VPanelShapeTool(kToolCode, kEvent, "Rhombus"), params_(kRhombusDefaults) {}

bool VRhombus::UpdateFromDrag(SBToolMessage* message, bool* keyStep) {
    *keyStep = false;
    const bool alt = TrackAltKey(message);
    const bool moved = UpdateDragVector(message, true);
    const float h = DragH(), v = DragV();
    if (AltState()) {
        params_.centreH = Anchor().h;
        params_.centreV = Anchor().v;
    } else {
        params_.centreH = Anchor().h + h / 2.0f;
        params_.centreV = Anchor().v + v / 2.0f;
    }
    if (!IsClick()) {
        params_.width = AltState() ? std::fabs(2.0f * h) : std::fabs(h);
        params_.height = AltState() ? std::fabs(2.0f * v) : std::fabs(v);
    }
    if (!moved && !alt) return false;
    const double values[] = {params_.centreH, params_.centreV, params_.width, -params_.height};
    SetInfoValues(kInfoVariables, values);
    return true;
}

void VRhombus::Draw() {
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV),
                static_cast<float>(params_.width / 2.0), static_cast<float>(params_.height / 2.0));
    ZPathList list = BuildRhombus(params_);
    WriteShape(list);
}

void VRhombus::OpenPanel() {
    auto* panel = gZGlobals ? dynamic_cast<VRhombusDBox*>(gZGlobals->rhombusDBox) : nullptr;
    if (panel) panel->PointAt(this, &params_);
    PreferencesElement element("rhombus");
    element.Add("width", params_.width).Add("height", params_.height);
    OpenToolPanel(panel, element);
}

void VRhombus::SetRhombusParameters(float width, float height) {
    params_.width = width;
    params_.height = height;
}

void VRhombus::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(kKeyWidth, SB_UNIT_POINTS, params_.width);
    value.SetUnitReal(kKeyHeight, SB_UNIT_POINTS, params_.height);
}

void VRhombus::ReadAction(SBActionParamValueRef values) {
    const double wdth = sb::GetActionReal(values, kKeyWidth);
    const double hght = sb::GetActionReal(values, kKeyHeight);
    SetRhombusParameters(static_cast<float>(wdth), static_cast<float>(hght));
}

void VRhombus::PlayBackHook(SBActionParamValueRef values, bool showDialog) {
    auto* rhombus = gZGlobals ? dynamic_cast<VRhombus*>(gZGlobals->rhombus) : nullptr;
    if (rhombus) rhombus->PlayBack(values, showDialog);
}
