// The tile tool through the stand-in host and the loaded plug-in: one drag step of each of the
// seventeen groups over 20 and over 200 selected icon paths on a view of 1000 × 800 (the step reverts the last
// tile and builds the next), and the fill of a view with 100 × 100 cells at mouse up.
#include "io/Artwork.h"
#include "io/SvgImport.h"
#include "support/CorpusIcons.h"
#include "support/HostedPlugin.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void Scale(std::vector<scribera::io::ArtNode>& nodes, double by, double dh, double dv) {
    for (scribera::io::ArtNode& n : nodes) {
        for (SBPathSegment& s : n.segments)
            for (SBRealPoint* p : {&s.p, &s.in, &s.out}) *p = {p->h * by + dh, p->v * by + dv};
        Scale(n.children, by, dh, dv);
    }
}

size_t CountPaths(const std::vector<scribera::io::ArtNode>& nodes) {
    size_t n = 0;
    for (const scribera::io::ArtNode& a : nodes) n += (a.kind == scribera::ArtKind::Path) + CountPaths(a.children);
    return n;
}

// Icons of the corpus, by name, until they hold `limit` paths: for 20 paths each drawn 200 units
// wide in rows of 5 from the bottom of the view, for more 100 units wide in rows of 10; all selected.
size_t ImportIcons(scribera::Document& doc, size_t limit, std::string* error) {
    const size_t columns = limit <= 20 ? 5 : 10;
    const double width = 1000.0 / double(columns);
    size_t paths = 0, placed = 0;
    doc.BeginTransaction();
    for (const std::string& file : corpus::IconFiles()) {
        if (paths >= limit) break;
        scribera::io::Artwork art;
        if (!scribera::io::ImportSvgFile(file, 16, &art, error)) return 0;
        const size_t here = CountPaths(art.art);
        if (paths + here > limit) continue;
        Scale(art.art, width / 16.0, width * double(placed % columns), width * double(placed / columns));
        if (scribera::io::AddToDocument(art, doc) != SB_OK) {
            *error = "the document refused " + file;
            return 0;
        }
        paths += here;
        ++placed;
    }
    corpus::SelectAll(doc);
    doc.EndTransaction();
    return paths;
}

std::string GroupPanel(int symmetry, const char* extent) {
    return "{\"symmetry\":\"" + std::to_string(symmetry) + "\",\"tile_cut_mode\":\"true\",\"" + extent + "\":\"true\"}";
}

void TileDragSteps(benchmark::State& state, size_t limit) {
    const int symmetry = static_cast<int>(state.range(0));
    hosted::HostedPlugin r(hosted::HostedOptions().Document(1000, 800).NoProfile());
    std::string error = r.Failures().empty() ? "" : r.Failures().front();
    const size_t paths = error.empty() ? ImportIcons(r.Doc(), limit, &error) : 0;
    if (error.empty() && r.Pick("Tile") != 0) error = "the tool could not be picked";
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    r.Answer(hosted::PanelScript::Kind::Params, GroupPanel(symmetry, "group_cut_document"));
    r.EditOptions();
    r.Down({330, 60});
    bool first = true;
    for (auto _ : state) {
        r.DragTo(first ? SBRealPoint{460, 170} : SBRealPoint{470, 180});
        first = !first;
    }
    // What the last step left: the tile's paths beside what the cuts did not reach.
    state.counters["after"] = static_cast<double>(r.Paths().size());
    r.Up(first ? SBRealPoint{460, 170} : SBRealPoint{470, 180});
    if (!r.session.Shown().alerts.empty()) state.SkipWithError("the drag showed an alert");
    state.counters["paths"] = static_cast<double>(paths);
    state.SetLabel(std::to_string(symmetry));
}
void BM_TileDragStep(benchmark::State& state) { TileDragSteps(state, 20); }
BENCHMARK(BM_TileDragStep)->DenseRange(1, 17)->Unit(benchmark::kMillisecond);

// The selection the other tools' drag steps are measured with: 200 icon paths.
void BM_TileDragStep200Paths(benchmark::State& state) { TileDragSteps(state, 200); }
BENCHMARK(BM_TileDragStep200Paths)->DenseRange(1, 17)->Unit(benchmark::kMillisecond);

// A filled square tiled p1 on cells of 10 × 10 over a view of 1000 × 1000: 10 000 copies, those on
// the border trimmed. Each iteration is one mouse up; the fill is undone between them.
void BM_TileFill100x100Cells(benchmark::State& state) {
    hosted::HostedPlugin r(hosted::HostedOptions().Document(1000, 1000).NoProfile());
    r.Doc().BeginTransaction();
    scribera::io::Artwork square;
    scribera::io::ArtNode n;
    n.kind = scribera::ArtKind::Path;
    n.closed = true;
    n.selected = true;
    n.style.fillPaint = 1;
    n.style.fill.color.kind = SB_COLOR_GRAY;
    n.style.fill.color.c.gray.gray = 0.5;
    for (SBRealPoint p : {SBRealPoint{-10, -10}, {30, -10}, {30, 30}, {-10, 30}}) n.segments.push_back({p, p, p, 1});
    square.art.push_back(n);
    std::string error = r.Failures().empty() ? "" : r.Failures().front();
    if (error.empty() && scribera::io::AddToDocument(square, r.Doc()) != SB_OK) error = "the square was refused";
    r.Doc().EndTransaction();
    if (error.empty() && r.Pick("Tile") != 0) error = "the tool could not be picked";
    if (!error.empty()) {
        state.SkipWithError(error.c_str());
        return;
    }
    r.Answer(hosted::PanelScript::Kind::Params, GroupPanel(1, "group_cut_document"));
    r.EditOptions();
    size_t copies = 0;
    for (auto _ : state) {
        state.PauseTiming();
        r.Down({5, 5});
        r.DragTo({15, 15});
        state.ResumeTiming();
        r.Up({15, 15});
        state.PauseTiming();
        copies = r.TopArt().empty()
                     ? 0
                     : r.session.Doc()
                           .Children(r.session.Doc().Children(r.session.Doc().CurrentLayerGroup()).front())
                           .size();
        r.Undo();
        state.ResumeTiming();
    }
    if (!r.session.Shown().alerts.empty()) state.SkipWithError("the fill showed an alert");
    state.counters["copies"] = static_cast<double>(copies);
}
BENCHMARK(BM_TileFill100x100Cells)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
