// The tool objects' and options-panel controllers' life: made when the application has started,
// listening from the panel service's setup-complete notification, removed and destroyed at
// shut-down. The catalogue's rows say which there are and how each is made.
#include "frame/Globals.h"
#include "frame/ResultCodes.h"
#include "frame/ToolCatalogue.h"
#include "frame/ZarvoPlugin.h"
#include "geometry/Errors.h"
#include "panels/VexelUIController.h"

#include <new>

SBErr ZarvoPlugin::CreatePanelControllers() {
    if (!gZGlobals) return 0;
    for (const ToolRow& row : Tools()) {
        if (!row.panel || gZGlobals->*row.panel || !row.newObject) continue;
        try {
            if (!(gZGlobals->*row.entry)) gZGlobals->*row.entry = row.newObject();
            gZGlobals->*row.panel = row.newPanel(*(gZGlobals->*row.entry));
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
    for (const ToolRow& row : Tools()) {
        if (!row.panel) continue;
        if (auto* controller = gZGlobals->*row.panel) controller->AddListeners();
    }
}

void ZarvoPlugin::DestroyPanelControllers() {
    if (!gZGlobals) return;
    for (const ToolRow& row : Tools()) {
        if (!row.panel) continue;
        if (VexelUIController* controller = gZGlobals->*row.panel) {
            controller->RemoveListeners();
            gZGlobals->*row.panel = nullptr;
            delete controller;
            KeepLoaded(false);  // the lock its creation took
        }
        if (VTool* object = gZGlobals->*row.entry) {
            gZGlobals->*row.entry = nullptr;
            delete object;
        }
    }
}
