#include "tools/ToolPanel.h"

#include "frame/Globals.h"
#include "frame/ZarvoPlugin.h"
#include "panels/VexelUIController.h"

#include <cstring>

bool InteractionModeIs(const char* mode) {
    return gCurrentPlugin && std::strcmp(gCurrentPlugin->InteractionMode(), mode) == 0;
}

void SetInteractionMode(const char* mode) {
    if (gCurrentPlugin) gCurrentPlugin->SetInteractionMode(mode);
}

void OpenToolPanel(VexelUIController* panel, const PreferencesElement& element) {
    PreferencesFile file(element);
    if (panel) panel->OpenPanel();
}
