#include "frame/sb/Host.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {

void SetPluginName(SBPluginRef plugin, const char* name) {
    CheckHostResult(HeldSuite(sPlugins).SetPluginName(plugin, name));
}

SBAccessRef AcquirePluginAccess(SBPluginRef plugin) {
    SBAccessRef access = nullptr;
    CheckHostResult(HeldSuite(sAccess).AcquirePlugin(plugin, &access));
    return access;
}

void ReleasePluginAccess(SBAccessRef access) { CheckHostResult(HeldSuite(sAccess).ReleasePlugin(access)); }

bool ShowStartupProgress(const char* text) {
    constexpr int32_t kProgressText = 2;
    if (!sRuntime) return false;
    SBRuntimeProcs procs{};
    if (sRuntime->GetAppRuntimeProcs(&procs) != 0 || !procs.StartupNotification) return false;
    procs.StartupNotification(kProgressText, text, procs.hostData);
    return true;
}

}  // namespace sb
