// The mesh cut of a 20 × 20 mesh with curved edges (every fifth row edge through an added vertex) at a slanted
// axis through its middle: the numeric cut alone, and the whole engine on a host mesh (read, cut,
// write the new mesh; with MirrorJoin also read it again and write its reflection), which is what
// one drag step of the Cut or Mirror tool costs for the mesh.
#include "core/MeshGrid.h"
#include "mirror/VMirrorCrossings.h"
#include "mirror/VMirrorMesh.h"
#include "mirror/ZMeshDataCut.h"
#include "mirror/ZMeshDataIO.h"
#include "support/InProcessHost.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace {

constexpr int32_t kSide = 20;

scribera::MeshGrid CurvedGrid(bool marked = true) {
    SBColor c{};
    c.kind = SB_COLOR_THREE;
    scribera::MeshGrid g = scribera::MeshGrid::Rectangular(kSide, kSide, {0, 600, 600, 0}, c);
    for (size_t k = 0; k < g.colours.size(); ++k)
        g.colours[k].c.three = {double(k % 21) / 20, double(k / 21) / 20, 0.5};
    int n = 0;
    for (auto* curves : {&g.rowCurves, &g.columnCurves})
        for (auto& curve : *curves) {
            curve[1].h += 4 * std::sin(0.7 * n);
            curve[1].v += 4 * std::cos(0.3 * n);
            curve[2].h -= 3 * std::cos(0.5 * n);
            curve[2].v += 3 * std::sin(0.9 * n);
            ++n;
        }
    std::string why;
    for (size_t q = 0; q < g.rowCurves.size() && marked; q += 5) g.AddVertex(false, q, 0.5, &why);
    return g;
}

Line SlantedAxis() {
    MirrorParams p;
    p.origin = {307, 293};
    p.angle = 37;
    return mirror::AxisFor(p);
}

SBArtHandle AddMesh(testhost::InProcessHost& host, const scribera::MeshGrid& grid) {
    scribera::Id id = scribera::kNoId;
    host.Doc().NewArt(scribera::ArtKind::Mesh, SB_PLACE_INSIDE_ON_TOP, host.Doc().CurrentLayerGroup(), &id);
    host.Doc().SetMesh(id, grid);
    return scribera::ToHandle<SBArtHandle>(id);
}

void BM_MeshCutNumeric(benchmark::State& state) {
    testhost::InProcessHost host(1000, 1000);
    const ZMeshDataFromMesh data(AddMesh(host, CurvedGrid()));
    const Line axis = SlantedAxis();
    for (auto _ : state) {
        ZMeshDataCut cut(data, axis);
        cut.Analyse();
        cut.MoveRemovedNodes();
        cut.FillEmptyCurves();
        const MeshExtent e = cut.ApplyCut();
        benchmark::DoNotOptimize(e.c0);
    }
}

void RunEngine(benchmark::State& state, int32_t type, bool marked = true) {
    testhost::InProcessHost host(1000, 1000);
    const scribera::MeshGrid grid = CurvedGrid(marked);
    MirrorParams params;
    params.origin = {307, 293};
    params.angle = 37;
    params.mirrorType = type;
    for (auto _ : state) {
        state.PauseTiming();
        ArtList input;
        input.Append(AddMesh(host, grid));
        state.ResumeTiming();
        VMirrorMesh engine(params);
        engine.Run(input);
        benchmark::DoNotOptimize(engine.Results().Count());
        state.PauseTiming();
        for (int32_t i = 0; i < engine.Results().Count(); ++i)
            host.Doc().Dispose(scribera::FromHandle(engine.Results()[i]));
        state.ResumeTiming();
    }
}

void BM_MeshCutOnHost(benchmark::State& state) { RunEngine(state, CutClosed); }
void BM_MeshMirrorOnHost(benchmark::State& state) { RunEngine(state, MirrorJoin); }
// The same without added vertices: every curve one mesh segment.
void BM_MeshCutOnHostNoVertices(benchmark::State& state) { RunEngine(state, CutClosed, false); }

BENCHMARK(BM_MeshCutNumeric)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshCutOnHost)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshMirrorOnHost)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MeshCutOnHostNoVertices)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
