// Drag steps of the rosette tool through the stand-in host and the loaded plug-in: 20 one-path
// icons of the corpus stacked on one another, all selected, turned into rosettes of 50 copies.
// Each step reverts the previous rosette, cuts and mirrors the icons into the wedge again and
// turns the 49 copies.
#include "io/Artwork.h"
#include "io/SvgImport.h"
#include "DragLoop.h"
#include "support/CorpusIcons.h"
#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

constexpr size_t kPaths = 20;

// The first icons by name that are one path each, 16 units, stacked at the document's top left,
// selected. Returns how many; 0 with the reason otherwise.
size_t ImportIconPaths(scribera::Document& doc, std::string* error) {
    size_t paths = 0;
    doc.BeginTransaction();
    for (const std::string& file : corpus::IconFiles()) {
        if (paths == kPaths) break;
        scribera::io::Artwork art;
        if (!scribera::io::ImportSvgFile(file, doc.Height(), &art, error)) return 0;
        if (art.art.size() != 1 || art.art[0].kind != scribera::ArtKind::Path) continue;
        art.art[0].selected = true;
        if (scribera::io::AddToDocument(art, doc) != SB_OK) {
            *error = "the document refused " + file;
            return 0;
        }
        ++paths;
    }
    for (scribera::Id id : doc.Children(doc.CurrentLayerGroup()))
        doc.SetUserAttr(id, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    doc.EndTransaction();
    if (paths < kPaths) *error = "the corpus has fewer than 20 one-path icons";
    return paths < kPaths ? 0 : paths;
}

void RosetteDragSteps(benchmark::State& state, const char* panel, bool all200 = false) {
    hosted::HostedPlugin r(hosted::HostedOptions().Document(1000, 1000));
    std::string error = r.Failures().empty() ? "" : r.Failures().front();
    if (error.empty() && r.Pick("Rosette") != 0) error = "the tool could not be picked";
    if (error.empty()) {
        r.Answer(scribera::PanelScript::Kind::Params, panel);
        if (r.EditOptions() != 0) error = "the options did not open";
    }
    const size_t paths = error.empty() ? (all200 ? corpus::ImportFirstIcons(r.Doc(), 200, &error) : ImportIconPaths(r.Doc(), &error)) : 0;
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    // The centre in the middle of the stack; the drag direction swings a little between steps.
    const double height = r.Doc().Height();
    DragBackAndForth(state, r, {8, height - 8}, {16, height - 5}, {16, height - 4.5});
    // The last step's rosette stays: one group of the fifty copies.
    const auto top = r.TopArt();
    if (top.empty() || top[0]->kind != scribera::ArtKind::Group || r.Doc().Children(top[0]->id).size() != 50)
        state.SkipWithError("the drag made no rosette of 50 copies");
    size_t made = 0;
    for (const scribera::Art* path : r.Paths()) made += path->segments.empty() ? 0 : 1;
    state.counters["result paths"] = static_cast<double>(made);
    state.counters["paths"] = static_cast<double>(paths);
    state.SetItemsProcessed(state.iterations());
}

void BM_RosetteDragStep50Copies20Icons(benchmark::State& state) {
    RosetteDragSteps(state, "{\"rosettes\":\"50\",\"cut\":\"true\",\"mirror\":\"true\"}");
}
BENCHMARK(BM_RosetteDragStep50Copies20Icons)->Unit(benchmark::kMillisecond);

void BM_RosetteDragStep50CopiesCutOnly20Icons(benchmark::State& state) {
    RosetteDragSteps(state, "{\"rosettes\":\"50\",\"cut\":\"true\",\"mirror\":\"false\"}");
}
BENCHMARK(BM_RosetteDragStep50CopiesCutOnly20Icons)->Unit(benchmark::kMillisecond);

// The selection the other tools' drag steps are measured with: 200 icons, 829 paths.
void BM_RosetteDragStep50Copies200Icons(benchmark::State& state) {
    RosetteDragSteps(state, "{\"rosettes\":\"50\",\"cut\":\"true\",\"mirror\":\"true\"}", true);
}
BENCHMARK(BM_RosetteDragStep50Copies200Icons)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
