// The host's record of the plug-in: its name, the lock on its code, start-up progress.
#pragma once

#include <scribera/SBTypes.h>

namespace sb {
void SetPluginName(SBPluginRef plugin, const char* name);
SBAccessRef AcquirePluginAccess(SBPluginRef plugin);
void ReleasePluginAccess(SBAccessRef access);
// Shows progress text while the host starts; false when the host has no runtime procedures.
bool ShowStartupProgress(const char* text);
}  // namespace sb
