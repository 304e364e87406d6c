#include "tools/VWave.h"

#include "frame/Globals.h"
#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "geometry/BezierGeometry.h"
#include "geometry/DesktopHelpers.h"
#include "tools/ToolPanel.h"
#include "tools/VWaveDBox.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kInfoVariables[] = {15, 16, 2, 3, -1};
constexpr const char* kEvent = "sb_plugin_zarvo_wave";

constexpr uint32_t kKeyWidth = SB_FOURCC('w', 'd', 't', 'h');
constexpr uint32_t kKeyHeight = SB_FOURCC('h', 'g', 'h', 't');
constexpr uint32_t kKeyWaves = SB_FOURCC('w', 'a', 'v', 's');

}  // namespace

VWave::VWave() : VPanelShapeTool(kToolCode, kEvent, "Wave"), params_(kWaveDefaults) {}

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
    if (changed) {
        const double values[] = {params_.centreH, params_.centreV, std::fabs(params_.width), -std::fabs(params_.height)};
        SetInfoValues(kInfoVariables, values);
    }
    return changed;
}

void VWave::Draw() {
    FitGradient(static_cast<float>(params_.centreH), static_cast<float>(params_.centreV),
                static_cast<float>(params_.width / 2), static_cast<float>(params_.height / 2));
    ZPathList list = BuildWave(params_);
    WriteShape(list);
}

void VWave::OpenPanel() {
    auto* panel = gZGlobals ? dynamic_cast<VWaveDBox*>(gZGlobals->waveDBox) : nullptr;
    if (panel) panel->PointAt(this, &params_);
    PreferencesElement element("wave");
    element.Add("width", params_.width).Add("height", params_.height).Add("waves", params_.waves);
    OpenToolPanel(panel, element);
}

void VWave::SetWaveParameters(float width, float height, int32_t waves) {
    params_.width = width;
    params_.height = height;
    params_.waves = waves;
}

void VWave::WriteAction(sb::ActionParamValue& value) const {
    value.SetUnitReal(kKeyWidth, SB_UNIT_POINTS, params_.width);
    value.SetUnitReal(kKeyHeight, SB_UNIT_POINTS, params_.height);
    value.SetInteger(kKeyWaves, params_.waves);
}

void VWave::ReadAction(SBActionParamValueRef values) {
    const double wdth = sb::GetActionReal(values, kKeyWidth);
    const double hght = sb::GetActionReal(values, kKeyHeight);
    const int32_t wavs = sb::GetActionInteger(values, kKeyWaves);
    SetWaveParameters(static_cast<float>(wdth), static_cast<float>(hght), wavs);
}

void VWave::PlayBackHook(SBActionParamValueRef values, bool showDialog) {
    auto* wave = gZGlobals ? dynamic_cast<VWave*>(gZGlobals->wave) : nullptr;
    if (wave) wave->PlayBack(values, showDialog);
}
