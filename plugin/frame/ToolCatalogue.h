// The tool catalogue: one row per tool, in registration order, holding everything the frame needs
// of a tool. Registration, routing, the panel controllers' life and action playback read the rows;
// the frame knows the tools only through them. The rows themselves are in plugin/catalogue.
#pragma once

#include "frame/ActionKeys.h"
#include "frame/Globals.h"
#include "tools/VTool.h"  // the operations every tool object answers

#include <scribera/SBMessages.h>

#include <cstdint>

class VexelUIController;

struct ToolRow {
    const char* name;  // registered name, title and tooltip
    int32_t icon;      // normal and alternate icon resource
    // Info-panel variables handed to the host on selection, ending with -1; null for none.
    const int32_t* infoVariables;
    // The action it records and plays back; null for a tool without one.
    const ToolAction* action;
    SBToolHandle ZGlobals::*active;

    // The object: a single static one, or one made with the panel controllers into its entry.
    // `newObject` is null while the tool is not built yet; its messages then do nothing.
    VTool* (*staticObject)();
    VTool* ZGlobals::*entry;
    VTool* (*newObject)();
    // Its panel controller, made for the object just made; null entry for none of its own.
    VexelUIController* ZGlobals::*panel;
    VexelUIController* (*newPanel)(VTool& object);

    // Plays back its action on the object (null when the object is not made); null plays nothing.
    void (*playBack)(VTool* object, SBActionParamValueRef values, bool showDialog);
    // Tools sharing one object: selection hands the object the row's mode. Null for the others.
    void (*setMode)(VTool& object, int32_t mode);
    int32_t mode;

    // Its live effect: the registered name, the handle's entry and the operation (`edit`: the
    // parameter editing request, otherwise the effect is applied). Null name for none.
    const char* effectName;
    SBLiveEffectHandle ZGlobals::*effect;
    SBErr (*liveEffect)(SBLiveEffectMessage* message, bool edit);
};

struct ToolCatalogue {
    const ToolRow* rows;
    int count;

    const ToolRow* begin() const { return rows; }
    const ToolRow* end() const { return rows + count; }
};

// The thirteen tools of the plug-in.
const ToolCatalogue& BuiltInToolCatalogue();

// The row's object; null while it is not made (or not built at all).
VTool* ObjectOf(const ToolRow& row);
