// Playback of recorded actions: the tool code picks the tool, which reads its own values.
#include "frame/ErrorReport.h"
#include "frame/Globals.h"
#include "frame/ToolRouting.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Action.h"
#include "tools/VRose.h"
#include "tools/VGoldenRect.h"
#include "tools/VGrid.h"
#include "tools/VRhombus.h"
#include "tools/VSpiral.h"
#include "tools/VWave.h"

namespace {
constexpr uint32_t kKeyTool = SB_FOURCC('t', 'o', 'o', 'l');
constexpr int32_t kMaxToolCode = 12;
}  // namespace

SBErr ZarvoPlugin::OnDoAction(SBActionMessage* message) {
    SetInteractionMode("Action");
    return Guarded([&]() -> SBErr {
        if (!message) return 0;
        const int32_t code = sb::GetActionInteger(message->params, kKeyTool);
        const bool showDialog = message->showDialog != 0;
        if (code == VRose::kToolCode) {
            auto* rose = gZGlobals ? dynamic_cast<VRose*>(gZGlobals->rose) : nullptr;
            if (rose) rose->PlayBack(message->params, showDialog);
        } else if (code == VWave::kToolCode) {
            VWave::PlayBackHook(message->params, showDialog);
        } else if (code == VRhombus::kToolCode) {
            VRhombus::PlayBackHook(message->params, showDialog);
        } else if (code == VSpiral::kToolCode) {
            VSpiral::PlayBackHook(message->params, showDialog);
        } else if (code == VGoldenRectangle::kToolCode) {
            VGoldenRectangle::PlayBackHook(message->params, showDialog);
        } else if (code == VGrid::kToolCode) {
            VGrid::PlayBackHook(message->params, showDialog);
        } else if (code > 0 && code <= kMaxToolCode && gRoutingHooks.playBack[code]) {
            gRoutingHooks.playBack[code](message->params, showDialog);
        }
        return 0;
    });
}
