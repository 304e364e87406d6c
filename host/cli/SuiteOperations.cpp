#include "cli/SuiteOperations.h"

#include "core/Session.h"
#include "core/suites/Suites.h"

#include <scribera/SBSuites.h>

namespace scribera::cli {

const std::vector<std::string>& HostOperations() {
    static const std::vector<std::string> names = SuiteOperationNames();
    return names;
}

bool HostHasOperation(const std::string& name) {
    // The host's own matching of names: a fault armed under `name` fires on the operation's call.
    for (const std::string& operation : HostOperations()) {
        const size_t dot = operation.find('.');
        FaultInjector faults;
        faults.Arm(name, 1, SB_ERR_CANT);
        if (faults.Check(operation.substr(0, dot).c_str(), operation.substr(dot + 1).c_str()) != 0) return true;
    }
    return false;
}

}  // namespace scribera::cli
