// Reverting one drag step must cost the same in a large document as in a small one: the journal
// replays the step's changes, never the document.
#include "core/Document.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

using scribera::ArtKind;
using scribera::Document;
using scribera::Id;

SBPathSegment Anchor(double h, double v) {
    SBPathSegment s{};
    s.p = s.in = s.out = {h, v};
    s.corner = 1;
    return s;
}

void Square(Document& d, Id p, double at) {
    const SBPathSegment s[4] = {Anchor(at, 0), Anchor(at + 1, 0), Anchor(at + 1, 1), Anchor(at, 1)};
    d.SetSegmentCount(p, 4);
    d.SetSegments(p, 0, s, 4);
    d.SetClosed(p, true);
}

struct Fixture {
    std::unique_ptr<Document> doc = std::make_unique<Document>(1000, 1000);
    std::vector<Id> paths;

    explicit Fixture(int count) {
        const Id layer = doc->CurrentLayerGroup();
        paths.reserve(size_t(count));
        for (int i = 0; i < count; ++i) {
            Id p = scribera::kNoId;
            doc->NewArt(ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer, &p);
            Square(*doc, p, i);
            paths.push_back(p);
        }
    }
};

// One drag step: 300 new paths on top of the layer, then 300 field changes (geometry, selection,
// closed flag) to existing paths and 75 structural ones (40 moved to the top, 35 disposed), each
// on distinct objects. A document of 100 paths takes the three field changes on every path, so
// both documents journal the same number of changes.
void DragStep(Fixture& f, int step) {
    Document& d = *f.doc;
    const Id layer = d.CurrentLayerGroup();
    for (int i = 0; i < 300; ++i) {
        Id p = scribera::kNoId;
        d.NewArt(ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, layer, &p);
        Square(d, p, step + i);
        d.SetUserAttr(p, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    }
    const size_t n = f.paths.size();
    for (size_t i = 0; i < 300; ++i) {
        const bool spread = n >= 300;
        const Id p = f.paths[spread ? (i * 7919 + size_t(step)) % n : i % n];
        switch (spread ? i % 3 : i / n) {
            case 0:
                Square(d, p, -double(i));
                break;
            case 1:
                d.SetUserAttr(p, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
                break;
            default:
                d.SetClosed(p, false);
                break;
        }
    }
    for (size_t j = 0; j < 75; ++j) {
        const Id p = f.paths[(j * 104729 + size_t(step) * 13) % n];
        if (j < 40)
            d.Reorder(p, SB_PLACE_INSIDE_ON_TOP, layer);
        else
            d.Dispose(p);
    }
}

void BM_RevertDragStep(benchmark::State& state) {
    Fixture f(int(state.range(0)));
    f.doc->BeginTransaction();
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        DragStep(f, step++);
        state.counters["changes"] = double(f.doc->PendingChanges());
        state.ResumeTiming();
        f.doc->RevertTransaction();
    }
    f.doc->EndTransaction();
    if (f.doc->LiveArtCount() != f.paths.size()) state.SkipWithError("the revert did not restore the document");
}

// The whole drag step, building included, for comparison.
void BM_DragStepAndRevert(benchmark::State& state) {
    Fixture f(int(state.range(0)));
    f.doc->BeginTransaction();
    int step = 0;
    for (auto _ : state) {
        DragStep(f, step++);
        f.doc->RevertTransaction();
    }
    f.doc->EndTransaction();
}

BENCHMARK(BM_RevertDragStep)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_DragStepAndRevert)->Arg(100)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
