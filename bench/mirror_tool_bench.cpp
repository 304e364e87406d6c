// Drag steps of the mirror tool, the cut tool and the rectangle cut through the stand-in host and the loaded
// plug-in, over the paths of 200 icons from the corpus, all selected: each step reverts the
// previous one and runs the engine again.
#include "io/Artwork.h"
#include "io/SvgImport.h"
#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// The first 200 icons by name, 16 units each, stacked on one another about (8, 8), selected.
// Returns how many paths they hold; 0 with the reason otherwise.
size_t ImportIcons(scribera::Document& doc, std::string* error) {
    std::vector<fs::path> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(testenv::CorpusDir()) / "bootstrap-icons", ec))
        if (entry.path().extension() == ".svg") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    if (files.size() < 200) {
        *error = "the corpus has fewer than 200 icons";
        return 0;
    }
    files.resize(200);
    size_t paths = 0;
    doc.BeginTransaction();
    for (const fs::path& file : files) {
        scribera::io::Artwork art;
        if (!scribera::io::ImportSvgFile(file.string(), doc.Height(), &art, error)) return 0;
        if (scribera::io::AddToDocument(art, doc) != SB_OK) {
            *error = "the document refused " + file.string();
            return 0;
        }
    }
    std::vector<scribera::Id> todo = doc.Children(doc.CurrentLayerGroup());
    while (!todo.empty()) {
        const scribera::Id id = todo.back();
        todo.pop_back();
        doc.SetUserAttr(id, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
        if (doc.Find(id)->kind == scribera::ArtKind::Path) ++paths;
        for (scribera::Id c : doc.Children(id)) todo.push_back(c);
    }
    doc.EndTransaction();
    return paths;
}

void DragSteps(benchmark::State& state, const char* tool, SBRealPoint from, SBRealPoint a, SBRealPoint b) {
    hosted::HostedPlugin r(hosted::HostedOptions().Document(1000, 1000).NoProfile());
    std::string error = r.Failures().empty() ? "" : r.Failures().front();
    const size_t paths = error.empty() ? ImportIcons(r.Doc(), &error) : 0;
    if (error.empty() && r.Pick(tool) != 0) error = "the tool could not be picked";
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    r.Down(from);
    bool first = true;
    for (auto _ : state) {
        r.DragTo(first ? a : b);
        first = !first;
    }
    r.Up(first ? a : b);
    if (!r.session.Shown().alerts.empty()) state.SkipWithError("the drag showed an alert");
    state.counters["paths"] = static_cast<double>(paths);
    state.SetItemsProcessed(state.iterations());
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

}  // namespace

BENCHMARK_MAIN();
