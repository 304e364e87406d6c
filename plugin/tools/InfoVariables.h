// The host's info-panel variables the tools show, each list ending with -1. Selection hands a
// tool's list to the host and its drags set values for the same list, so both take it from here.
#pragma once

#include <cstdint>

namespace infovariables {

// Variables 15 and 16 are the centre's horizontal and vertical position in every list.
constexpr int32_t kCentreRadius[] = {15, 16, 4, -1};
constexpr int32_t kCentreWidthHeight[] = {15, 16, 2, 3, -1};
constexpr int32_t kCentreWidth[] = {15, 16, 2, -1};
constexpr int32_t kCentreAngle[] = {15, 16, 10, -1};

}  // namespace infovariables
