// Drag steps of the shape tools through the stand-in host and the loaded plug-in: the revert of
// the previous preview and the shape drawn again, for a 50-turn two-armed spiral and a 60 × 60
// grid of cells.
#include "core/PluginHost.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {

constexpr int32_t kRightArrow = 0x27, kUpArrow = 0x26, kRKey = 'R';

struct Running {
    scribera::Session session;
    scribera::PluginHost host{session};
    scribera::Id tool = scribera::kNoId;

    bool Start(const std::string& name, std::string* error) {
        session.MakeCurrent();
        scribera::PanelService::Instance().Reset();
        session.NewDocument(1000, 1000);
        session.Desktop().hostFolder = SCRIBERA_BRIDGE_FOLDER;
        if (!host.Load(ZARVO_PLUGIN_PATH, error) || host.Startup() != 0) return false;
        for (const auto& t : session.Registry().tools)
            if (t.name == name) tool = t.id;
        session.Registry().selectedTool = tool;
        return host.SelectTool(tool) == 0;
    }
    ~Running() {
        if (host.IsRunning()) host.Shutdown();
        scribera::PanelService::Instance().Reset();
    }
    size_t TopCount() { return session.Doc().Children(session.Doc().CurrentLayerGroup()).size(); }
};

void BM_SpiralDragStep50TurnsFermat(benchmark::State& state) {
    Running r;
    std::string error;
    if (!r.Start("Spiral", &error)) {
        state.SkipWithError(error.empty() ? "the plug-in did not start" : error.c_str());
        return;
    }
    r.host.MouseDown(r.tool, {500, 500});
    // R for one step: two arms; Right held: 4 turns become 50.
    r.session.Desktop().desk.keysDown[kRKey] = true;
    r.host.MouseDrag(r.tool, {600, 500});
    r.session.Desktop().desk.keysDown[kRKey] = false;
    r.session.Desktop().desk.keysDown[kRightArrow] = true;
    for (int i = 0; i < 50; ++i) r.host.MouseDrag(r.tool, {600, 500});
    r.session.Desktop().desk.keysDown[kRightArrow] = false;

    double radius = 100;
    for (auto _ : state) {
        radius = radius == 100 ? 120 : 100;
        r.host.MouseDrag(r.tool, {500 + radius, 500});
    }
    r.host.MouseUp(r.tool, {500 + radius, 500});
    const auto art = r.session.Doc().Children(r.session.Doc().CurrentLayerGroup());
    // 50 turns of 4 quarter turns on each of two arms.
    if (art.size() != 1 || r.session.Doc().Find(art[0])->segments.size() != 401)
        state.SkipWithError("the spiral does not have two arms of 50 turns");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SpiralDragStep50TurnsFermat)->Unit(benchmark::kMillisecond);

void BM_GridDragStep60x60Squares(benchmark::State& state) {
    Running r;
    std::string error;
    if (!r.Start("Grid", &error)) {
        state.SkipWithError(error.empty() ? "the plug-in did not start" : error.c_str());
        return;
    }
    scribera::PanelScript script;
    script.kind = scribera::PanelScript::Kind::Params;
    script.text = R"({"width":"10","height":"10","sqX":"60","sqY":"4","createAsSquares":"true"})";
    scribera::PanelService::Instance().QueueScript(script);
    r.host.EditOptions(r.tool);
    r.host.DeliverPanelEvents();
    r.host.MouseDown(r.tool, {100, 100});
    // Up held: 4 rows become 60.
    r.session.Desktop().desk.keysDown[kUpArrow] = true;
    for (int i = 0; i < 60; ++i) r.host.MouseDrag(r.tool, {700, 700});
    r.session.Desktop().desk.keysDown[kUpArrow] = false;

    double corner = 700;
    for (auto _ : state) {
        corner = corner == 700 ? 760 : 700;
        r.host.MouseDrag(r.tool, {corner, corner});
    }
    r.host.MouseUp(r.tool, {corner, corner});
    const auto art = r.session.Doc().Children(r.session.Doc().CurrentLayerGroup());
    if (art.size() != 1 || r.session.Doc().Children(art[0]).size() != 3600)
        state.SkipWithError("the grid does not have 60 x 60 cells");
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_GridDragStep60x60Squares)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
