// The suite operations the host has, under the names fault injection (`fail`) gives them: from the
// suites' own tables, so no second list can drift from them.
#pragma once

#include <string>
#include <vector>

namespace scribera::cli {

// "SB Art Suite.NewArt", ..., and the basic suite's "Basic.AcquireSuite:SB Art Suite", ...
const std::vector<std::string>& HostOperations();

// Whether a fault of this name could fire: one of HostOperations() as the host matches names
// ("SB Art.NewArt" names "SB Art Suite.NewArt").
bool HostHasOperation(const std::string& name);

}  // namespace scribera::cli
