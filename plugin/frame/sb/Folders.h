// Host folders.
#pragma once

#include <cstdint>
#include <string>

namespace sb {
// Full path of the host's folder of `type`, without creating it. Raises HostError on failure.
std::string FindFolder(int32_t type);
}  // namespace sb
