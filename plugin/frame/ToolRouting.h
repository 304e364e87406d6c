// Where tool and live-effect messages go. The tools that act on the selection (mirror and cut,
// rectangle cut) fill these hooks when they join; until then their messages do nothing.
#pragma once

#include <scribera/SBMessages.h>

#include <cstdint>

class VTool;

struct RoutingHooks {
    // Switches the shared mirror-and-cut object: 0 mirror, 1 cut.
    void (*setMirrorMode)(VTool* mirrorObject, int32_t mode) = nullptr;
    // The golden-rectangle and rectangle-cut tool objects are single static objects.
    VTool* (*goldenRectObject)() = nullptr;
    VTool* (*rectCutObject)() = nullptr;
    // Live effects: `edit` is the parameter editing request, otherwise the effect is applied.
    SBErr (*mirrorEffect)(SBLiveEffectMessage* message, bool cut, bool edit) = nullptr;
    SBErr (*rectCutEffect)(SBLiveEffectMessage* message, bool edit) = nullptr;
    // Action playback by tool code (the rose's is built in); null plays back nothing.
    void (*playBack[13])(SBActionParamValueRef values, bool showDialog) = {};
};

extern RoutingHooks gRoutingHooks;

namespace routing {
constexpr int kToolCount = 13;
// Routing-table order.
enum ToolIndex {
    kRose, kWave, kRhombus, kSpiral, kGoldenRect, kGrid, kPolarMesh,
    kMirror, kCut, kRectCut, kTile, kRosette, kSpike
};
// The tool's object, or null while it is not built.
VTool* ObjectOf(int index);
// Routing-table position of the message's tool by its active handle; the rose when none matches.
int FindActive(SBToolHandle tool);
}  // namespace routing
