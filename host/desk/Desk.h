// The stand-in desktop: what the plug-in's platform layer reads instead of the operating system.
// State lives in the current session (Session::Desktop().desk); the table is exported from the
// host process as ScriberaDeskTable.
#pragma once

#include "core/Session.h"

#include <scribera/SBDesk.h>

#include <string>

extern "C" const SBDeskTable* ScriberaDeskTable(void);

namespace scribera::desk {

// Virtual key of a key name of the scripts (Up, Down, Left, Right, Escape, C, M, P, R, T); -1 if
// the name is unknown.
int32_t KeyCode(const std::string& name);

// Holding a key also queues a keyboard message, as typing does.
void PressKey(DeskState& desk, int32_t virtualKey);
void ReleaseKey(DeskState& desk, int32_t virtualKey);

// The desktop table, for hosts that hand it over directly rather than through the symbol.
const SBDeskTable* Table();

}  // namespace scribera::desk
