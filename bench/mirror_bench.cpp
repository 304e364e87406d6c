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

// Shapes that stress the engine's bookkeeping rather than its segment loop: about N segments
// with N / 8 crossings, so the rate (segments plus crossings per second) stays level with N
// when the work is linear.
enum Shape : int64_t { kSpiral, kRings, kBeads, kGroupedBeads };

// A circle of eight smooth anchors, run backwards when `reversed`.
void AddCircle(std::vector<SBPathSegment>& out, double h, double v, double r, bool reversed) {
    const double k = r * 0.2652;  // handle length of an eighth of a circle
    for (int i = 0; i < 8; ++i) {
        const double a = (reversed ? -i : i) * M_PI / 4, c = std::cos(a), s = std::sin(a);
        const double t = reversed ? -k : k;
        const SBRealPoint p{h + r * c, v + r * s};
        out.push_back(SBPathSegment{p, {p.h + t * s, p.v - t * c}, {p.h - t * s, p.v + t * c}, 0});
    }
}

// The input as closed subpaths: in one compound path, or (grouped beads) each in a group of its
// own.
ArtList AddShape(testhost::InProcessHost& host, Shape shape, int n) {
    ArtList input;
    if (shape == kSpiral) {
        // An Archimedean spiral of n / 16 turns round the axis, closed by a line back to its
        // centre (which crosses every turn on its way).
        std::vector<SBPathSegment> anchors;
        const double step = M_PI / 8;
        for (int i = 0; i < n; ++i) {
            const double a = 0.3 + i * step, r = 5 + 2 * a;
            const double ph = 500 + r * std::cos(a), pv = 500 + r * std::sin(a);
            const double th = (2 * std::cos(a) - r * std::sin(a)) * step / 3;
            const double tv = (2 * std::sin(a) + r * std::cos(a)) * step / 3;
            anchors.push_back(SBPathSegment{{ph, pv}, {ph - th, pv - tv}, {ph + th, pv + tv}, 0});
        }
        input.Append(AddPath(host, anchors));
        return input;
    }
    const SBArtHandle compound = shape == kGroupedBeads ? nullptr : host.AddCompoundPath();
    for (int k = 0; k < n / 8; ++k) {
        std::vector<SBPathSegment> circle;
        if (shape == kRings)
            AddCircle(circle, 500, 500, 10 + 3 * k, k % 2 == 1);  // nested, alternating: rings
        else
            AddCircle(circle, 500, 10 + 10 * k, 4, false);  // side by side along the axis
        const SBArtHandle path = host.AddPath(circle, true, compound ? compound : host.AddGroup());
        SBPathStyle style{};
        style.fillPaint = 1;
        style.fill.color.kind = SB_COLOR_GRAY;
        style.stroke.color.kind = SB_COLOR_NONE;
        host.Doc().SetStyle(scribera::FromHandle(path), style);
        input.Append(path);
    }
    return input;
}

void RunShape(benchmark::State& state, int32_t type) {
    const Shape shape = static_cast<Shape>(state.range(0));
    const int n = static_cast<int>(state.range(1));
    testhost::InProcessHost host(1000, 1000);
    MirrorParams params;
    params.origin = {500, 500};
    params.angle = 0;  // the vertical through the spiral's and the rings' centre, and every bead
    params.mirrorType = type;
    const int64_t crossings = n / 8;
    for (auto _ : state) {
        state.PauseTiming();
        for (SBArtHandle art : host.Children(host.LayerGroup())) host.Doc().Dispose(scribera::FromHandle(art));
        const ArtList input = AddShape(host, shape, n);
        state.ResumeTiming();
        VMirror engine(params);
        engine.Run(input);
        benchmark::DoNotOptimize(engine.Results().Count());
    }
    state.counters["segments+crossings/s"] =
        benchmark::Counter(double(n + crossings) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_MirrorCutClosedShape(benchmark::State& state) { RunShape(state, CutClosed); }
void BM_MirrorJoinShape(benchmark::State& state) { RunShape(state, MirrorJoin); }

void ShapeArgs(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape", "N"});
    for (int64_t shape : {kSpiral, kRings, kBeads, kGroupedBeads})
        for (int64_t n : {2000, 8000, 32000}) b->Args({shape, n});
}
BENCHMARK(BM_MirrorCutClosedShape)->Apply(ShapeArgs)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MirrorJoinShape)->Apply(ShapeArgs)->Unit(benchmark::kMillisecond);

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
