// The application context a plug-in pushes while it works outside the host's own call chain.
#pragma once

#include <scribera/SBTypes.h>

namespace sb {

// Pushes on construction (raising HostError when the host refuses), pops on destruction, also
// when an exception passes.
class AppContext {
public:
    explicit AppContext(SBPluginRef plugin);
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

private:
    SBAppContext context_ = nullptr;
};

}  // namespace sb
