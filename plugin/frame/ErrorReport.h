// The one message every handler that catches an exception shows.
#pragma once

#include <scribera/SBTypes.h>

#include <exception>

// Reverts the document to its last undo point, so that no half-made art outlives the failure,
// then shows "Error in Zarvo" (a host that cannot show it is not asked again) and returns 'ExTr'.
SBErr ShowZarvoError() noexcept;

// Runs `body` and turns any exception it raises into the revert, the alert and 'ExTr'.
template <class Body>
SBErr GuardedWithAlert(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return ShowZarvoError();
    }
}
