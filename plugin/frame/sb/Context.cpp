#include "frame/sb/Context.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {

AppContext::AppContext(SBPluginRef plugin) { CheckHostResult(HeldSuite(sContext).PushAppContext(plugin, &context_)); }

AppContext::~AppContext() {
    // A destructor cannot raise; a failed pop leaves nothing for the plug-in to mend.
    if (sContext) sContext->PopAppContext(context_);
}

}  // namespace sb
