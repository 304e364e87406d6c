// Drag steps of the mirror tool, the cut tool and the rectangle cut through the stand-in host and
// the loaded plug-in, over the paths of 200 icons from the corpus, all selected, or over one long
// zig-zag that crosses the axis at every segment: each step reverts the previous one and runs the
// engine again.
#include "DragLoop.h"
#include "support/CorpusIcons.h"
#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// One closed, filled, selected path of `anchors` corners alternating between heights 40 and 60
// across 10 … 90: a horizontal axis through 50 crosses every one of its segments.
size_t AddZigZag(scribera::Document& doc, int32_t anchors, std::string* error) {
    std::vector<SBPathSegment> segments(static_cast<size_t>(anchors));
    for (int32_t i = 0; i < anchors; ++i) {
        const SBRealPoint p{10.0 + 80.0 * i / anchors, i % 2 == 0 ? 40.0 : 60.0};
        segments[static_cast<size_t>(i)] = {p, p, p, 1};
    }
    scribera::Id path = 0;
    doc.BeginTransaction();
    SBErr code = doc.NewArt(scribera::ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, doc.CurrentLayerGroup(), &path);
    if (code == SB_OK) code = doc.SetSegmentCount(path, anchors);
    if (code == SB_OK) code = doc.SetSegments(path, 0, segments.data(), anchors);
    if (code == SB_OK) code = doc.SetClosed(path, true);
    if (code == SB_OK) code = doc.SetStyle(path, doc.CurrentStyle());
    if (code == SB_OK) code = doc.SetUserAttr(path, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    doc.EndTransaction();
    if (code != SB_OK) *error = "the document refused the zig-zag";
    return code == SB_OK ? 1 : 0;
}

enum class Art { Icons, ZigZag };  // the zig-zag's anchor count is the benchmark's argument

void DragSteps(benchmark::State& state, const char* tool, SBRealPoint from, SBRealPoint a, SBRealPoint b,
               Art art = Art::Icons, int32_t heldKey = 0) {
    hosted::HostedPlugin r(hosted::HostedOptions().Document(1000, 1000).NoProfile());
    std::string error = r.Failures().empty() ? "" : r.Failures().front();
    const bool zigZag = art == Art::ZigZag;
    size_t paths = 0;
    if (error.empty())
        paths = zigZag ? AddZigZag(r.Doc(), static_cast<int32_t>(state.range(0)), &error) : corpus::ImportFirstIcons(r.Doc(), 200, &error);
    if (error.empty() && r.Pick(tool) != 0) error = "the tool could not be picked";
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    if (heldKey) r.Key(heldKey, true);
    DragBackAndForth(state, r, from, a, b);
    state.counters["paths"] = static_cast<double>(paths);
    state.SetItemsProcessed(state.iterations());
    if (zigZag) state.counters["segments/s"] = benchmark::Counter(double(state.range(0)) * double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_MirrorToolDragStep200Icons(benchmark::State& state) {
    DragSteps(state, "Mirror", {8, 8}, {8.25, 8}, {7.75, 8});
}
BENCHMARK(BM_MirrorToolDragStep200Icons)->Unit(benchmark::kMillisecond);

void BM_CutToolDragStep200Icons(benchmark::State& state) { DragSteps(state, "Cut", {8, 8}, {8.25, 8}, {7.75, 8}); }
BENCHMARK(BM_CutToolDragStep200Icons)->Unit(benchmark::kMillisecond);

void BM_RectCutDragStep200Icons(benchmark::State& state) {
    DragSteps(state, "RectCut", {3, 3}, {13, 12}, {12.5, 12.5});
}
BENCHMARK(BM_RectCutDragStep200Icons)->Unit(benchmark::kMillisecond);

// Down held: a horizontal axis keeping what lies above, through every tooth of the zig-zag.
// The step time should grow with the anchor count, not its square.
void BM_MirrorToolDragStepZigZag(benchmark::State& state) {
    DragSteps(state, "Mirror", {50, 50}, {50, 50.25}, {50, 49.75}, Art::ZigZag, hosted::kDown);
}
BENCHMARK(BM_MirrorToolDragStepZigZag)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);

void BM_CutToolDragStepZigZag(benchmark::State& state) {
    DragSteps(state, "Cut", {50, 50}, {50, 50.25}, {50, 49.75}, Art::ZigZag, hosted::kDown);
}
BENCHMARK(BM_CutToolDragStepZigZag)->Arg(8000)->Arg(32000)->Unit(benchmark::kMillisecond);

// Four cuts, two of them through every tooth. The cut along the bottom joins most teeth into one
// outline of three anchors per tooth: beyond some 22 000 anchors it could not be written whole,
// and the step is refused.
void BM_RectCutDragStepZigZag(benchmark::State& state) {
    DragSteps(state, "RectCut", {5, 45}, {95, 55}, {94, 56}, Art::ZigZag);
}
BENCHMARK(BM_RectCutDragStepZigZag)->Arg(8000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
