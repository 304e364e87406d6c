// The mirror engine on one closed path of N smooth segments, cutting (CutClosed) and joining
// (MirrorJoin) about an axis through its centre, beside lib2geom's boolean intersection of the
// same path with a half-plane rectangle.
#include "mirror/VMirror.h"
#include "support/InProcessHost.h"

#include <benchmark/benchmark.h>

#ifdef ZARVO_HAVE_2GEOM
#include <2geom/bezier-curve.h>
#include <2geom/intersection-graph.h>
#include <2geom/path.h>
#include <2geom/pathvector.h>
#endif

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A wavy circle: N anchors with tangent handles, the radius rippling so that the outline is not
// a plain circle but still crosses a line through the centre only twice.
std::vector<SBPathSegment> Outline(int n) {
    std::vector<SBPathSegment> out;
    const double step = 2 * M_PI / n;
    for (int i = 0; i < n; ++i) {
        const double a = (i + 0.3) * step;
        const double r = 300 + 4 * std::sin(7 * a);
        const double dr = 28 * std::cos(7 * a);
        const double ph = 400 + r * std::cos(a), pv = 300 + r * std::sin(a);
        const double th = (dr * std::cos(a) - r * std::sin(a)) * step / 3;
        const double tv = (dr * std::sin(a) + r * std::cos(a)) * step / 3;
        out.push_back(SBPathSegment{{ph, pv}, {ph - th, pv - tv}, {ph + th, pv + tv}, 0});
    }
    return out;
}

// A closed filled path of the anchors, on top of the layer.
SBArtHandle AddPath(testhost::InProcessHost& host, const std::vector<SBPathSegment>& anchors) {
    const SBArtHandle path = host.AddPath(anchors, true);
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_GRAY;
    style.stroke.color.kind = SB_COLOR_NONE;
    host.Doc().SetStyle(scribera::FromHandle(path), style);
    return path;
}

void RunEngine(benchmark::State& state, int32_t type) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<SBPathSegment> anchors = Outline(n);
    testhost::InProcessHost host(1000, 1000);
    MirrorParams params;
    params.origin = {400, 300};
    params.angle = 37;
    params.mirrorType = type;
    // Inputs are made and results disposed of a batch at a time: pausing the clock around every
    // run cost as much as the engine itself on small paths.
    const int batch = std::max(1, 20000 / n);
    std::vector<ArtList> inputs(static_cast<size_t>(batch));
    std::vector<SBArtHandle> made;
    int pending = 0;
    for (auto _ : state) {
        if (pending == 0) {
            state.PauseTiming();
            for (SBArtHandle art : made) host.Doc().Dispose(scribera::FromHandle(art));
            made.clear();
            for (ArtList& input : inputs) {
                input.Clear();
                input.Append(AddPath(host, anchors));
            }
            pending = batch;
            state.ResumeTiming();
        }
        VMirror engine(params);
        engine.Run(inputs[static_cast<size_t>(--pending)]);
        benchmark::DoNotOptimize(engine.Results().Count());
        for (int32_t i = 0; i < engine.Results().Count(); ++i) made.push_back(engine.Results()[i]);
    }
    state.SetItemsProcessed(state.iterations() * n);
}

void BM_MirrorCutClosed(benchmark::State& state) { RunEngine(state, CutClosed); }
void BM_MirrorJoin(benchmark::State& state) { RunEngine(state, MirrorJoin); }

BENCHMARK(BM_MirrorCutClosed)->Arg(100)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MirrorJoin)->Arg(100)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);

#ifdef ZARVO_HAVE_2GEOM
// The same cut by lib2geom: the path intersected with a rectangle covering the kept half-plane.
void BM_Lib2geomHalfPlane(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const std::vector<SBPathSegment> a = Outline(n);
    Geom::Path path(Geom::Point(a[0].p.h, a[0].p.v));
    for (int i = 0; i < n; ++i) {
        const SBPathSegment& s = a[static_cast<size_t>(i)];
        const SBPathSegment& e = a[static_cast<size_t>((i + 1) % n)];
        path.appendNew<Geom::CubicBezier>(Geom::Point(s.out.h, s.out.v), Geom::Point(e.in.h, e.in.v),
                                          Geom::Point(e.p.h, e.p.v));
    }
    path.close(true);
    const Geom::PathVector shape(path);
    // The kept side of the axis at 37 degrees through (400, 300): toward (cos, sin).
    const double t = 37 * M_PI / 180, c = std::cos(t), s = std::sin(t);
    const Geom::Point o(400, 300), along(-s, c), normal(c, s);
    Geom::Path box(o - along * 2000);
    box.appendNew<Geom::LineSegment>(o + along * 2000);
    box.appendNew<Geom::LineSegment>(o + along * 2000 + normal * 2000);
    box.appendNew<Geom::LineSegment>(o - along * 2000 + normal * 2000);
    box.close(true);
    const Geom::PathVector half(box);
    for (auto _ : state) {
        Geom::PathIntersectionGraph graph(shape, half);
        Geom::PathVector cut = graph.getIntersection();
        benchmark::DoNotOptimize(cut.size());
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_Lib2geomHalfPlane)->Arg(100)->Arg(1000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond);
#endif

}  // namespace

BENCHMARK_MAIN();
