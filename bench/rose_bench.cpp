// One rose drag step with 40 petals, through the stand-in host and the loaded plug-in: the revert
// of the previous preview, the rose drawn again and the centre mark.
#include "core/PluginHost.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int32_t kUpArrow = 0x26;

void BM_RoseDragStep40Lobes(benchmark::State& state) {
    scribera::Session session;
    session.MakeCurrent();
    scribera::PanelService::Instance().Reset();
    session.NewDocument(1000, 1000);
    session.Desktop().hostFolder = SCRIBERA_BRIDGE_FOLDER;
    scribera::PluginHost host(session);
    std::string error;
    if (!host.Load(ZARVO_PLUGIN_PATH, &error) || host.Startup() != 0) {
        state.SkipWithError(error.empty() ? "the plug-in did not start" : error.c_str());
        return;
    }
    scribera::Id rose = scribera::kNoId;
    for (const auto& t : session.Registry().tools)
        if (t.name == "Rose") rose = t.id;
    session.Registry().selectedTool = rose;
    host.SelectTool(rose);

    host.MouseDown(rose, {500, 500});
    // Up held: 4 petals become 40 over 36 steps.
    session.Desktop().desk.keysDown[kUpArrow] = true;
    for (int i = 0; i < 40; ++i) host.MouseDrag(rose, {500, 600});
    session.Desktop().desk.keysDown[kUpArrow] = false;

    double radius = 100;
    for (auto _ : state) {
        radius = radius == 100 ? 120 : 100;
        host.MouseDrag(rose, {500, 500 + radius});
    }
    host.MouseUp(rose, {500, 500 + radius});
    const auto art = session.Doc().Children(session.Doc().CurrentLayerGroup());
    if (art.size() != 1 || session.Doc().Find(art[0])->segments.size() != 80)
        state.SkipWithError("the rose does not have 40 petals");
    state.SetItemsProcessed(state.iterations());
    host.Shutdown();
    scribera::PanelService::Instance().Reset();
}
BENCHMARK(BM_RoseDragStep40Lobes)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
