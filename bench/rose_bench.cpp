// One rose drag step with 40 petals, through the stand-in host and the loaded plug-in: the revert
// of the previous preview, the rose drawn again and the centre mark.
#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

namespace {

using hosted::HostedOptions;
using hosted::HostedPlugin;

void BM_RoseDragStep40Lobes(benchmark::State& state) {
    HostedPlugin rose("Rose", HostedOptions().Document(1000, 1000).NoProfile());
    if (!rose.Failures().empty()) {
        state.SkipWithError(rose.Failures().front().c_str());
        return;
    }
    rose.Down({500, 500});
    // Up held: 4 petals become 40 over 36 steps.
    rose.Key(hosted::kUp, true);
    for (int i = 0; i < 40; ++i) rose.DragTo({500, 600});
    rose.Key(hosted::kUp, false);

    double radius = 100;
    for (auto _ : state) {
        radius = radius == 100 ? 120 : 100;
        rose.DragTo({500, 500 + radius});
    }
    rose.Up({500, 500 + radius});
    const auto art = rose.TopArt();
    if (art.size() != 1 || art[0]->segments.size() != 80) state.SkipWithError("the rose does not have 40 petals");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RoseDragStep40Lobes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
