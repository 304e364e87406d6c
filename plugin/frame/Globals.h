// The shared state block and the process-wide pointers of the plug-in.
#pragma once

#include <scribera/SBTypes.h>

class Plugin;
class ZarvoPlugin;
class VexelUIController;  // the panel controllers
class VTool;              // the tool objects

// Allocated from the host's block allocator at start-up, given back at shut-down.
struct ZGlobals {
    SBPluginRef plugin;

    // Active tool handles, filled when a tool is first selected.
    SBToolHandle roseTool;
    SBToolHandle waveTool;
    SBToolHandle gridTool;
    SBToolHandle rhombusTool;
    SBToolHandle spiralTool;
    SBToolHandle goldenRectTool;
    SBToolHandle polarMeshTool;
    SBToolHandle mirrorTool;
    SBToolHandle cutTool;
    SBToolHandle rectCutTool;
    SBToolHandle tileTool;
    SBToolHandle rosetteTool;
    SBToolHandle spikeTool;

    SBLiveEffectHandle mirrorEffect;
    SBLiveEffectHandle cutEffect;
    SBLiveEffectHandle rectCutEffect;

    // Panel controllers.
    VexelUIController* roseDBox;
    VexelUIController* waveDBox;
    VexelUIController* rhombusDBox;
    VexelUIController* spiralDBox;
    VexelUIController* gridDBox;
    VexelUIController* polarMeshDBox;
    VexelUIController* mirrorDBox;  // the mirror-and-cut tool
    VexelUIController* rectCutLEDBox;
    VexelUIController* mirrorLEDBox;
    VexelUIController* tileDBox;
    VexelUIController* rosetteDBox;
    VexelUIController* spikeDBox;

    // Tool objects. The golden-rectangle and rectangle-cut objects are static and have no entry.
    VTool* rose;
    VTool* wave;
    VTool* rhombus;
    VTool* spiral;
    VTool* grid;
    VTool* polarMesh;
    VTool* mirror;  // serves both the mirror and the cut tool
    VTool* tile;
    VTool* rosette;
    VTool* spike;

    SBNotifierHandle startedNotifier;
};

extern ZGlobals* gZGlobals;
// Set by ZarvoPlugin::SetCurrentPlugin; null outside start-up to shut-down and while unloaded.
extern ZarvoPlugin* gCurrentPlugin;
