// Drag steps of the mirror tool and of the rectangle cut through the stand-in host and the loaded
// plug-in, over the paths of 200 icons from the corpus, all selected: each step reverts the
// previous one and runs the engine again.
#include "core/PluginHost.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"
#include "io/Artwork.h"
#include "io/SvgImport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Running {
    scribera::Session session;
    scribera::PluginHost host{session};
    scribera::Id tool = scribera::kNoId;
    size_t paths = 0;

    bool Start(const std::string& name, std::string* error) {
        session.MakeCurrent();
        scribera::PanelService::Instance().Reset();
        session.NewDocument(1000, 1000);
        session.Desktop().hostFolder = SCRIBERA_BRIDGE_FOLDER;
        if (!host.Load(ZARVO_PLUGIN_PATH, error) || host.Startup() != 0) return false;
        if (!ImportIcons(error)) return false;
        for (const auto& t : session.Registry().tools)
            if (t.name == name) tool = t.id;
        session.Registry().selectedTool = tool;
        return host.SelectTool(tool) == 0;
    }
    // The first 200 icons by name, 16 units each, stacked on one another about (8, 8), selected.
    bool ImportIcons(std::string* error) {
        std::vector<fs::path> files;
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(fs::path(ZARVO_CORPUS_DIR) / "bootstrap-icons", ec))
            if (entry.path().extension() == ".svg") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        if (files.size() < 200) {
            *error = "the corpus has fewer than 200 icons";
            return false;
        }
        files.resize(200);
        scribera::Document& doc = session.Doc();
        doc.BeginTransaction();
        for (const fs::path& file : files) {
            scribera::io::Artwork art;
            if (!scribera::io::ImportSvgFile(file.string(), doc.Height(), &art, error)) return false;
            if (scribera::io::AddToDocument(art, doc) != SB_OK) {
                *error = "the document refused " + file.string();
                return false;
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
        return true;
    }
    ~Running() {
        if (host.IsRunning()) host.Shutdown();
        scribera::PanelService::Instance().Reset();
    }
};

void DragSteps(benchmark::State& state, const char* tool, SBRealPoint from, SBRealPoint a, SBRealPoint b) {
    Running r;
    std::string error;
    if (!r.Start(tool, &error)) {
        state.SkipWithError(error.empty() ? "the plug-in did not start" : error.c_str());
        return;
    }
    r.host.MouseDown(r.tool, from);
    bool first = true;
    for (auto _ : state) {
        r.host.MouseDrag(r.tool, first ? a : b);
        first = !first;
    }
    r.host.MouseUp(r.tool, first ? a : b);
    if (!r.session.Shown().alerts.empty()) state.SkipWithError("the drag showed an alert");
    state.counters["paths"] = static_cast<double>(r.paths);
    state.SetItemsProcessed(state.iterations());
}

void BM_MirrorToolDragStep200Icons(benchmark::State& state) {
    DragSteps(state, "Mirror", {8, 8}, {8.25, 8}, {7.75, 8});
}
BENCHMARK(BM_MirrorToolDragStep200Icons)->Unit(benchmark::kMillisecond);

void BM_RectCutDragStep200Icons(benchmark::State& state) {
    DragSteps(state, "RectCut", {3, 3}, {13, 12}, {12.5, 12.5});
}
BENCHMARK(BM_RectCutDragStep200Icons)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
