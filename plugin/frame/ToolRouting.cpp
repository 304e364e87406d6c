// Tool and live-effect messages, routed to the tool objects by handle.
#include "frame/ToolRouting.h"

#include "frame/ErrorReport.h"
#include "frame/Globals.h"
#include "frame/ToolCatalogue.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Registry.h"
#include "frame/sb/Undo.h"
#include "geometry/Errors.h"

namespace routing {

int FindActive(const ToolCatalogue& tools, SBToolHandle tool) {
    if (!gZGlobals || !tool) return 0;
    for (int i = 0; i < tools.count; ++i)
        if (gZGlobals->*tools.rows[i].active == tool) return i;
    return 0;
}

}  // namespace routing

namespace {

// The object of the message, by its active handle; a tool not built yet answers 0.
template <class Call>
SBErr Route(const ToolCatalogue& tools, SBToolMessage* message, Call&& call) {
    return GuardedWithAlert([&]() -> SBErr {
        VTool* object = ObjectOf(tools.rows[routing::FindActive(tools, message ? message->tool : nullptr)]);
        return object ? call(*object) : 0;
    });
}

}  // namespace

SBErr ZarvoPlugin::ToolSelect(SBToolMessage* message) {
    return GuardedWithAlert([&]() -> SBErr {
        if (!gZGlobals) return 0;
        const ToolCatalogue& tools = Tools();
        int target = 0;
        for (int i = 0; i < tools.count; ++i) {
            SBToolHandle registered = RegisteredTool(i);
            if (!registered || registered != message->tool) continue;
            const ToolRow& row = tools.rows[i];
            gZGlobals->*row.active = message->tool;
            if (row.infoVariables) sb::SetToolInfoVars(message->tool, row.infoVariables);
            target = i;
            break;
        }
        for (const ToolRow& row : tools)
            if (row.setMode && message->tool && message->tool == gZGlobals->*row.active) SelectMode(row);
        VTool* object = ObjectOf(tools.rows[target]);
        return object ? object->Select(message) : 0;
    });
}

void ZarvoPlugin::SelectMode(const ToolRow& row) {
    mirrorMode_ = row.mode;
    if (VTool* object = ObjectOf(row)) row.setMode(*object, row.mode);
}

SBErr ZarvoPlugin::ToolDeselect(SBToolMessage* message) {
    return Route(Tools(), message, [&](VTool& tool) { return tool.Deselect(message); });
}

SBErr ZarvoPlugin::ToolTrackCursor(SBToolMessage* message) {
    return Route(Tools(), message, [&](VTool& tool) { return tool.TrackCursor(message); });
}

// A failing step has reverted the document to the drag's start and shown the error; what it left
// half-made went with the revert. A later step that succeeds draws again; a mouse up right after
// a failed step commits nothing, so the drag ends with its last good step or the art as it was
// before it, never with a half-built result.
SBErr ZarvoPlugin::ToolMouseDown(SBToolMessage* message) {
    const SBErr result = Route(Tools(), message, [&](VTool& tool) { return tool.MouseDown(message); });
    dragFailed_ = result != 0;
    return result;
}

SBErr ZarvoPlugin::ToolMouseDrag(SBToolMessage* message) {
    const SBErr result = Route(Tools(), message, [&](VTool& tool) { return tool.MouseDrag(message); });
    dragFailed_ = result != 0;
    return result;
}

SBErr ZarvoPlugin::ToolMouseUp(SBToolMessage* message) {
    if (!dragFailed_) return Route(Tools(), message, [&](VTool& tool) { return tool.MouseUp(message); });
    dragFailed_ = false;
    return Route(Tools(), message, [&](VTool& tool) {
        tool.AbandonDrag();
        try {
            sb::UndoChanges();
        } catch (const HostError&) {
        }
        return SBErr(0);
    });
}

SBErr ZarvoPlugin::ToolEditOptions(SBToolMessage* message) {
    SetInteractionMode("EditTool");
    return Route(Tools(), message, [&](VTool& tool) { return tool.EditOptions(message); });
}

// Not caught here: an effect that fails must hand the host its code (the message handler turns
// the exception into it), not an alert in the middle of the host's own rendering.
SBErr ZarvoPlugin::RouteLiveEffect(SBLiveEffectMessage* message, bool edit) {
    if (!gZGlobals || !message || !message->effect) return 0;
    for (const ToolRow& row : Tools())
        if (row.effect && message->effect == gZGlobals->*row.effect)
            return row.liveEffect ? row.liveEffect(message, edit) : 0;
    return 0;
}

SBErr ZarvoPlugin::LiveEffectEditParameters(SBLiveEffectMessage* message) { return RouteLiveEffect(message, true); }

SBErr ZarvoPlugin::LiveEffectGo(SBLiveEffectMessage* message) { return RouteLiveEffect(message, false); }
