// Drag steps of the polar mesh tool (100 spokes by 100 rings, 9900 patches written into the mesh
// at every step) and of the spike tool over the paths of 200 icons from the corpus, all selected,
// through the stand-in host and the loaded plug-in: each step reverts the previous one and builds
// its result again.
#include "DragLoop.h"
#include "support/CorpusIcons.h"
#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

size_t AnchorCount(hosted::HostedPlugin& r) {
    size_t anchors = 0;
    for (const scribera::Art* path : r.Paths()) anchors += path->segments.size();
    return anchors;
}

// Alternates the cursor between two points after a mouse down, one drag step per iteration.
void Steps(benchmark::State& state, hosted::HostedPlugin& r, SBRealPoint from, SBRealPoint a, SBRealPoint b) {
    DragBackAndForth(state, r, from, a, b);
    state.SetItemsProcessed(state.iterations());
}

void BM_PolarMeshDragStep100x100(benchmark::State& state) {
    hosted::HostedPlugin r("PolarMesh", hosted::HostedOptions().Document(1000, 1000).NoProfile());
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_THREE;
    style.fill.color.c.three = {0.9, 0.3, 0.1};
    r.Doc().SetCurrentStyle(style);
    r.Answer(scribera::PanelScript::Kind::Params, R"({"radialLines":"100","circularLines":"100"})");
    r.EditOptions();
    if (!r.Failures().empty()) {
        state.SkipWithError(r.Failures().front().c_str());
        return;
    }
    Steps(state, r, {500, 500}, {700, 500}, {690, 510});
    const scribera::Art& mesh = r.Last();
    if (mesh.kind != scribera::ArtKind::Mesh || mesh.mesh.columns != 100 || mesh.mesh.rows != 99)
        state.SkipWithError("the drag did not make a 100 x 99 mesh");
}
BENCHMARK(BM_PolarMeshDragStep100x100)->Unit(benchmark::kMillisecond);

void BM_SpikeDragStep200Icons(benchmark::State& state) {
    hosted::HostedPlugin r(hosted::HostedOptions().Document(1000, 1000).NoProfile());
    std::string error = r.Failures().empty() ? "" : r.Failures().front();
    const size_t paths = error.empty() ? corpus::ImportFirstIcons(r.Doc(), 200, &error) : 0;
    if (error.empty() && r.Pick("Spike") != 0) error = "the tool could not be picked";
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    // A line down through the middle of the icons, swinging a little from step to step.
    SBRealRect box{};
    if (!r.Doc().Bounds(r.Doc().CurrentLayerGroup(), &box)) {
        state.SkipWithError("the icons have no extent");
        return;
    }
    const double h = (box.left + box.right) / 2;
    const size_t before = AnchorCount(r);
    Steps(state, r, {h, box.bottom - 2}, {h + 0.25, box.top + 2}, {h - 0.25, box.top + 2});
    if (AnchorCount(r) <= before) state.SkipWithError("the drag spiked nothing");
    state.counters["paths"] = static_cast<double>(paths);
}
BENCHMARK(BM_SpikeDragStep200Icons)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
