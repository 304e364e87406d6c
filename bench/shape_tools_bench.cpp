// Drag steps of the shape tools through the stand-in host and the loaded plug-in: the revert of
// the previous preview and the shape drawn again, for a 50-turn two-armed spiral and a 60 × 60
// grid of cells.
#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

namespace {

using hosted::HostedOptions;
using hosted::HostedPlugin;

constexpr int32_t kRKey = 'R';

const HostedOptions kBench = HostedOptions().Document(1000, 1000).NoProfile();

bool Started(benchmark::State& state, const HostedPlugin& plugin) {
    if (plugin.Failures().empty()) return true;
    state.SkipWithError(plugin.Failures().front().c_str());
    return false;
}

void BM_SpiralDragStep50TurnsFermat(benchmark::State& state) {
    HostedPlugin spiral("Spiral", kBench);
    if (!Started(state, spiral)) return;
    spiral.Down({500, 500});
    // R for one step: two arms; Right held: 4 turns become 50.
    spiral.Key(kRKey, true);
    spiral.DragTo({600, 500});
    spiral.Key(kRKey, false);
    spiral.Key(hosted::kRight, true);
    for (int i = 0; i < 50; ++i) spiral.DragTo({600, 500});
    spiral.Key(hosted::kRight, false);

    double radius = 100;
    for (auto _ : state) {
        radius = radius == 100 ? 120 : 100;
        spiral.DragTo({500 + radius, 500});
    }
    spiral.Up({500 + radius, 500});
    const auto art = spiral.TopArt();
    // 50 turns of 4 quarter turns on each of two arms.
    if (art.size() != 1 || art[0]->segments.size() != 401)
        state.SkipWithError("the spiral does not have two arms of 50 turns");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SpiralDragStep50TurnsFermat)->Unit(benchmark::kMillisecond);

void BM_GridDragStep60x60Squares(benchmark::State& state) {
    HostedPlugin grid("Grid", kBench);
    if (!Started(state, grid)) return;
    grid.Answer(hosted::PanelScript::Kind::Params,
                R"({"width":"10","height":"10","sqX":"60","sqY":"4","createAsSquares":"true"})");
    grid.EditOptions();
    grid.Down({100, 100});
    // Up held: 4 rows become 60.
    grid.Key(hosted::kUp, true);
    for (int i = 0; i < 60; ++i) grid.DragTo({700, 700});
    grid.Key(hosted::kUp, false);

    double corner = 700;
    for (auto _ : state) {
        corner = corner == 700 ? 760 : 700;
        grid.DragTo({corner, corner});
    }
    grid.Up({corner, corner});
    const auto art = grid.TopArt();
    if (art.size() != 1 || grid.Doc().Children(art[0]->id).size() != 3600)
        state.SkipWithError("the grid does not have 60 x 60 cells");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GridDragStep60x60Squares)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
