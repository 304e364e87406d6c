// The drag the tool benchmarks measure.
#pragma once

#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

// A mouse down at `from`, then one drag step per iteration, the cursor alternating between `a`
// and `b`, and the mouse up where the last step ended. A drag that shows an alert is no figure.
inline void DragBackAndForth(benchmark::State& state, hosted::HostedPlugin& r, SBRealPoint from, SBRealPoint a,
                             SBRealPoint b) {
    r.Down(from);
    bool first = true;
    for (auto _ : state) {
        r.DragTo(first ? a : b);
        first = !first;
    }
    r.Up(first ? a : b);
    if (!r.session.Shown().alerts.empty()) state.SkipWithError("the drag showed an alert");
}
