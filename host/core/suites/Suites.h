// The suite tables the stand-in host hands out, by exact name and version.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace scribera {

// The table of the suite, or null when the host has no suite of that name and version.
const void* FindSuite(const char* name, int32_t version);

// Every operation of every suite, as fault injection names it: "SB Art Suite.NewArt", and the
// basic suite's "Basic.AcquireSuite:SB Art Suite" and "Basic.ReleaseSuite:SB Art Suite".
std::vector<std::string> SuiteOperationNames();

}  // namespace scribera
