#include "tools/VRose.h"

#include "frame/Globals.h"
#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/ToolPanel.h"
#include "tools/VRoseDBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 4, -1};
constexpr const char* kEvent = "sb_plugin_zarvo_rose";

constexpr uint32_t kKeyRadius = SB_FOURCC('r', 'd', 'u', 's');
constexpr uint32_t kKeyLobes = SB_FOURCC('l', 'o', 'b', 's');
constexpr uint32_t kKeyWidth = SB_FOURCC('l', 'w', 'd', 't');

}  // namespace

VRose::VRose() : VPanelShapeTool(kToolCode, kEvent, "Rose"), params_(kRoseDefaults) {}

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
    params_.centreH = Anchor().h;
    params_.centreV = Anchor().v;
    if (changed) {
        const double values[] = {params_.centreH, params_.centreV, params_.radius};
        SetInfoValues(kInfoVariables, values);
    }
    return changed;
}

void VRose::Draw() {
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV),
                static_cast<float>(params_.radius), static_cast<float>(params_.radius));
    ZPathList list = BuildRose(params_);
    WriteShape(list);
}

void VRose::OpenPanel() {
    auto* panel = gZGlobals ? dynamic_cast<VRoseDBox*>(gZGlobals->roseDBox) : nullptr;
    if (panel) panel->PointAt(this, &params_);
    PreferencesElement element("rose");
    element.Add("radius", params_.radius).Add("lobes", params_.lobes).Add("width", params_.width);
    OpenToolPanel(panel, element);
}

void VRose::SetRoseParameters(float radius, int32_t lobes, float width) {
    params_.radius = radius;
    params_.lobes = lobes;
    params_.width = width;
}

void VRose::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(kKeyRadius, SB_UNIT_POINTS, params_.radius);
    value.SetInteger(kKeyLobes, params_.lobes);
    value.SetUnitReal(kKeyWidth, SB_UNIT_NONE, params_.width);
}

void VRose::ReadAction(SBActionParamValueRef values) {
    const double rdus = sb::GetActionReal(values, kKeyRadius);
    const int32_t lobs = sb::GetActionInteger(values, kKeyLobes);
    const double lwdt = sb::GetActionReal(values, kKeyWidth);
    SetRoseParameters(static_cast<float>(rdus), lobs, static_cast<float>(lwdt));
}
