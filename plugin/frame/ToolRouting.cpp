// Tool and live-effect messages, routed to the tool objects by handle.
#include "frame/ToolRouting.h"

#include "frame/ErrorReport.h"
#include "frame/Globals.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Registry.h"
#include "tools/VTool.h"

RoutingHooks gRoutingHooks;

namespace routing {

namespace {

SBToolHandle ZGlobals::*const kActive[kToolCount] = {
    &ZGlobals::roseTool,   &ZGlobals::waveTool,    &ZGlobals::rhombusTool, &ZGlobals::spiralTool,
    &ZGlobals::goldenRectTool, &ZGlobals::gridTool, &ZGlobals::polarMeshTool, &ZGlobals::mirrorTool,
    &ZGlobals::cutTool,    &ZGlobals::rectCutTool, &ZGlobals::tileTool,    &ZGlobals::rosetteTool,
    &ZGlobals::spikeTool,
};

// Info-panel variables set on selection, each ending with -1; null for none.
constexpr int32_t kCentreRadius[] = {15, 16, 4, -1};
constexpr int32_t kCentreWidthHeight[] = {15, 16, 2, 3, -1};
constexpr int32_t kCentreWidth[] = {15, 16, 2, -1};
constexpr int32_t kCentreAngle[] = {15, 16, 10, -1};
const int32_t* const kInfoVariables[kToolCount] = {
    kCentreRadius, kCentreWidthHeight, kCentreWidthHeight, kCentreRadius, kCentreWidth,
    kCentreWidthHeight, kCentreWidth, kCentreAngle, kCentreAngle, kCentreWidthHeight,
    nullptr, nullptr, nullptr,
};

SBToolHandle Registered(const ZarvoPlugin& plugin, int index) {
    return index < ZarvoPlugin::kFirstGroupCount ? plugin.FirstGroupTool(index)
                                                 : plugin.SecondGroupTool(index - ZarvoPlugin::kFirstGroupCount);
}

}  // namespace

VTool* ObjectOf(int index) {
    if (!gZGlobals) return nullptr;
    switch (index) {
    case kRose: return gZGlobals->rose;
    case kWave: return gZGlobals->wave;
    case kRhombus: return gZGlobals->rhombus;
    case kSpiral: return gZGlobals->spiral;
    case kGoldenRect: return gRoutingHooks.goldenRectObject ? gRoutingHooks.goldenRectObject() : nullptr;
    case kGrid: return gZGlobals->grid;
    case kPolarMesh: return gZGlobals->polarMesh;
    case kMirror:
    case kCut: return gZGlobals->mirror;
    case kRectCut: return gRoutingHooks.rectCutObject ? gRoutingHooks.rectCutObject() : nullptr;
    case kTile: return gZGlobals->tile;
    case kRosette: return gZGlobals->rosette;
    case kSpike: return gZGlobals->spike;
    default: return nullptr;
    }
}

int FindActive(SBToolHandle tool) {
    if (!gZGlobals || !tool) return kRose;
    for (int i = 0; i < kToolCount; ++i)
        if (gZGlobals->*kActive[i] == tool) return i;
    return kRose;
}

}  // namespace routing

using namespace routing;

namespace {

// The object of the message, by its active handle; a tool not built yet answers 0.
template <class Call>
SBErr Route(SBToolMessage* message, Call&& call) {
    return Guarded([&]() -> SBErr {
        VTool* object = ObjectOf(FindActive(message ? message->tool : nullptr));
        return object ? call(*object) : 0;
    });
}

}  // namespace

SBErr ZarvoPlugin::ToolSelect(SBToolMessage* message) {
    return Guarded([&]() -> SBErr {
        if (!gZGlobals) return 0;
        int target = kRose;
        for (int i = 0; i < kToolCount; ++i) {
            SBToolHandle registered = Registered(*this, i);
            if (!registered || registered != message->tool) continue;
            gZGlobals->*kActive[i] = message->tool;
            if (kInfoVariables[i]) sb::SetToolInfoVars(message->tool, kInfoVariables[i]);
            target = i;
            break;
        }
        VTool* mirror = ObjectOf(kMirror);
        if (message->tool && message->tool == gZGlobals->mirrorTool) SetMirrorMode(mirror, 0);
        if (message->tool && message->tool == gZGlobals->cutTool) SetMirrorMode(mirror, 1);
        VTool* object = ObjectOf(target);
        return object ? object->Select(message) : 0;
    });
}

void ZarvoPlugin::SetMirrorMode(VTool* mirror, int32_t mode) {
    mirrorMode_ = mode;
    if (mirror && gRoutingHooks.setMirrorMode) gRoutingHooks.setMirrorMode(mirror, mode);
}

SBErr ZarvoPlugin::ToolDeselect(SBToolMessage* message) {
    return Route(message, [&](VTool& tool) { return tool.Deselect(message); });
}

SBErr ZarvoPlugin::ToolTrackCursor(SBToolMessage* message) {
    return Route(message, [&](VTool& tool) { return tool.TrackCursor(message); });
}

SBErr ZarvoPlugin::ToolMouseDown(SBToolMessage* message) {
    return Route(message, [&](VTool& tool) { return tool.MouseDown(message); });
}

SBErr ZarvoPlugin::ToolMouseDrag(SBToolMessage* message) {
    return Route(message, [&](VTool& tool) { return tool.MouseDrag(message); });
}

SBErr ZarvoPlugin::ToolMouseUp(SBToolMessage* message) {
    return Route(message, [&](VTool& tool) { return tool.MouseUp(message); });
}

SBErr ZarvoPlugin::ToolEditOptions(SBToolMessage* message) {
    SetInteractionMode("EditTool");
    return Route(message, [&](VTool& tool) { return tool.EditOptions(message); });
}

// Not caught here: an effect that fails must hand the host its code (the message handler turns
// the exception into it), not an alert in the middle of the host's own rendering.
SBErr ZarvoPlugin::RouteLiveEffect(SBLiveEffectMessage* message, bool edit) {
    if (!gZGlobals || !message || !message->effect) return 0;
    if (message->effect == gZGlobals->mirrorEffect)
        return gRoutingHooks.mirrorEffect ? gRoutingHooks.mirrorEffect(message, false, edit) : 0;
    if (message->effect == gZGlobals->cutEffect)
        return gRoutingHooks.mirrorEffect ? gRoutingHooks.mirrorEffect(message, true, edit) : 0;
    if (message->effect == gZGlobals->rectCutEffect)
        return gRoutingHooks.rectCutEffect ? gRoutingHooks.rectCutEffect(message, edit) : 0;
    return 0;
}

SBErr ZarvoPlugin::LiveEffectEditParameters(SBLiveEffectMessage* message) { return RouteLiveEffect(message, true); }

SBErr ZarvoPlugin::LiveEffectGo(SBLiveEffectMessage* message) { return RouteLiveEffect(message, false); }
