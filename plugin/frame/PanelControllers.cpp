// The options-panel controllers' life: created when the application has started, listening from
// the panel service's setup-complete notification, removed and destroyed at shut-down. The tool
// objects are created and destroyed with them.
#include "frame/Globals.h"
#include "frame/ResultCodes.h"
#include "frame/ZarvoPlugin.h"
#include "geometry/Errors.h"
#include "panels/VexelUIController.h"
#include "tools/VRose.h"
#include "tools/VRoseDBox.h"
#include "tools/VGoldenRect.h"
#include "tools/VGrid.h"
#include "tools/VGridDBox.h"
#include "tools/VRhombus.h"
#include "tools/VRhombusDBox.h"
#include "tools/VSpiral.h"
#include "tools/VSpiralDBox.h"
#include "tools/VWave.h"
#include "tools/VWaveDBox.h"
#include "frame/ToolRouting.h"
#include "mirror/VMirrorDBox.h"
#include "mirror/VMirrorUI.h"

#include <new>

namespace {

// Panel tools in controller order: rose, wave, rhombus, spiral, grid, polar mesh, mirror-and-cut,
// tile, rosette, spike. Each tool's work adds its factories.
struct PanelTool {
    VexelUIController* ZGlobals::*controller;
    VTool* ZGlobals::*object;
    VexelUIController* (*newController)();
    VTool* (*newObject)();
};

const PanelTool kPanelTools[] = {
    {&ZGlobals::roseDBox, &ZGlobals::rose, [] { return static_cast<VexelUIController*>(new VRoseDBox(&kRoseDefaults)); },
     [] { return static_cast<VTool*>(new VRose()); }},
    {&ZGlobals::waveDBox, &ZGlobals::wave, [] { return static_cast<VexelUIController*>(new VWaveDBox(&kWaveDefaults)); },
     [] { return static_cast<VTool*>(new VWave()); }},
    {&ZGlobals::rhombusDBox, &ZGlobals::rhombus,
     [] { return static_cast<VexelUIController*>(new VRhombusDBox(&kRhombusDefaults)); },
     [] { return static_cast<VTool*>(new VRhombus()); }},
    {&ZGlobals::spiralDBox, &ZGlobals::spiral,
     [] { return static_cast<VexelUIController*>(new VSpiralDBox(&kSpiralDefaults)); },
     [] { return static_cast<VTool*>(new VSpiral()); }},
    {&ZGlobals::gridDBox, &ZGlobals::grid, [] { return static_cast<VexelUIController*>(new VGridDBox(&kGridDefaults)); },
     [] { return static_cast<VTool*>(new VGrid()); }},
    {&ZGlobals::polarMeshDBox, &ZGlobals::polarMesh, nullptr, nullptr},
    {&ZGlobals::mirrorDBox, &ZGlobals::mirror, [] { return static_cast<VexelUIController*>(new VMirrorDBox()); },
     [] { return static_cast<VTool*>(new VMirrorUI()); }},
    {&ZGlobals::tileDBox, &ZGlobals::tile, nullptr, nullptr},
    {&ZGlobals::rosetteDBox, &ZGlobals::rosette, nullptr, nullptr},
    {&ZGlobals::spikeDBox, &ZGlobals::spike, nullptr, nullptr},
};

}  // namespace

SBErr ZarvoPlugin::CreatePanelControllers() {
    if (!gZGlobals) return 0;
    gRoutingHooks.goldenRectObject = [] { return static_cast<VTool*>(VGoldenRectangle::Instance()); };
    InstallMirrorHooks();
    for (const PanelTool& tool : kPanelTools) {
        if (gZGlobals->*tool.controller || !tool.newController) continue;
        try {
            if (!(gZGlobals->*tool.object)) gZGlobals->*tool.object = tool.newObject();
            gZGlobals->*tool.controller = tool.newController();
        } catch (const std::bad_alloc&) {
            return kOutOfMemory;
        } catch (const HostError& e) {
            return e.Code();
        }
        SBErr result = KeepLoaded(true);
        if (result != 0) return result;
    }
    return 0;
}

void ZarvoPlugin::AddPanelListeners() {
    if (!gZGlobals) return;
    for (const PanelTool& tool : kPanelTools) {
        if (auto* controller = gZGlobals->*tool.controller) controller->AddListeners();
    }
}

void ZarvoPlugin::DestroyPanelControllers() {
    if (!gZGlobals) return;
    for (const PanelTool& tool : kPanelTools) {
        if (VexelUIController* controller = gZGlobals->*tool.controller) {
            controller->RemoveListeners();
            gZGlobals->*tool.controller = nullptr;
            delete controller;
        }
        if (VTool* object = gZGlobals->*tool.object) {
            gZGlobals->*tool.object = nullptr;
            delete object;
        }
    }
}
