// The frame's wrappers reach a suite through HeldSuite: a suite that was never acquired fails like
// a host call instead of crashing.
#pragma once

#include "geometry/Errors.h"

#include <scribera/SBTypes.h>

namespace sb {
template <class Suite>
const Suite& HeldSuite(const Suite* suite) {
    if (!suite) throw HostError(SB_ERR_NO_SUITE);
    return *suite;
}
}  // namespace sb
