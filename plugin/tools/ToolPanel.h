// What every tool with an options panel shares: the interaction mode that says how the panel was
// opened, and the opening itself (preferences element written, panel loaded, file closed).
#pragma once

#include "frame/Preferences.h"

class VexelUIController;

// "Action", "EditTool", "MouseUp" or empty; no plug-in object reads as empty.
bool InteractionModeIs(const char* mode);
void SetInteractionMode(const char* mode);

// Without a controller (no panel bridge) the file is still written and no panel opens.
void OpenToolPanel(VexelUIController* panel, const PreferencesElement& element);
