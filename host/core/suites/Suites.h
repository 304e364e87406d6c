// The suite tables the stand-in host hands out, by exact name and version.
#pragma once

#include <cstdint>

namespace scribera {

// The table of the suite, or null when the host has no suite of that name and version.
const void* FindSuite(const char* name, int32_t version);

}  // namespace scribera
