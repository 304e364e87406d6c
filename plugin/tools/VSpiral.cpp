#include "tools/VSpiral.h"

#include "frame/Globals.h"
#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/ArtTransforms.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/Errors.h"
#include "tools/CurveFitter.h"
#include "tools/ToolPanel.h"
#include "tools/VSpiralDBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 4, -1};
constexpr const char* kEvent = "sb_plugin_zarvo_spiral";

constexpr uint32_t kKeyRadius = SB_FOURCC('s', 'p', 'r', 'd');
constexpr uint32_t kKeyTurns = SB_FOURCC('s', 'p', 't', 'u');
constexpr uint32_t kKeyFermat = SB_FOURCC('s', 'p', 'f', 'e');

}  // namespace

VSpiral::VSpiral() : VPanelShapeTool(kToolCode, kEvent, "Archimedean Spiral"), params_(kSpiralDefaults) {}

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
    params_.centreH = Anchor().h;
    params_.centreV = Anchor().v;
    if (changed) {
        const double values[] = {params_.centreH, params_.centreV, params_.radius};
        SetInfoValues(kInfoVariables, values);
    }
    return changed;
}

void VSpiral::Draw() {
    const float radius = static_cast<float>(params_.radius);
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV), radius, radius);
    ZPathList list = BuildSpiral(params_, dirH_, dirV_);
    WriteShape(list);
}

void VSpiral::OpenPanel() {
    auto* panel = gZGlobals ? dynamic_cast<VSpiralDBox*>(gZGlobals->spiralDBox) : nullptr;
    if (panel) panel->PointAt(this, &params_);
    PreferencesElement element("spiral");
    element.Add("radius", params_.radius).Add("turns", params_.turns).Add("fermat", params_.fermat ? 1 : 0);
    OpenToolPanel(panel, element);
}

void VSpiral::SetSpiralParameters(float radius, int32_t turns, bool fermat) {
    params_.radius = radius;
    params_.turns = turns;
    params_.fermat = fermat;
}

void VSpiral::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(kKeyRadius, SB_UNIT_POINTS, params_.radius);
    value.SetInteger(kKeyTurns, params_.turns);
    value.SetBoolean(kKeyFermat, params_.fermat);
}

void VSpiral::ReadAction(SBActionParamValueRef values) {
    const double sprd = sb::GetActionReal(values, kKeyRadius);
    const int32_t sptu = sb::GetActionInteger(values, kKeyTurns);
    const bool spfe = sb::GetActionBoolean(values, kKeyFermat);
    SetSpiralParameters(static_cast<float>(sprd), sptu, spfe);
}

void VSpiral::PlayBackHook(SBActionParamValueRef values, bool showDialog) {
    auto* spiral = gZGlobals ? dynamic_cast<VSpiral*>(gZGlobals->spiral) : nullptr;
    if (spiral) spiral->PlayBack(values, showDialog);
}
