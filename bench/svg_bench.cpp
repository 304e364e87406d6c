// SVG import of the whole icon corpus, from text already in memory, and export of what it made.
#include "io/SvgExport.h"
#include "io/SvgImport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

struct Corpus {
    std::vector<std::pair<std::string, std::string>> files;  // name, text
    size_t bytes = 0;
};

const Corpus& Icons() {
    static Corpus corpus = [] {
        Corpus c;
        namespace fs = std::filesystem;
        std::vector<fs::path> paths;
        for (const auto& e : fs::directory_iterator(fs::path(ZARVO_CORPUS_DIR) / "bootstrap-icons"))
            if (e.path().extension() == ".svg") paths.push_back(e.path());
        std::sort(paths.begin(), paths.end());
        for (const fs::path& p : paths) {
            std::ifstream in(p, std::ios::binary);
            std::ostringstream s;
            s << in.rdbuf();
            c.bytes += s.str().size();
            c.files.emplace_back(p.filename().string(), s.str());
        }
        return c;
    }();
    return corpus;
}

void BM_ImportCorpus(benchmark::State& state) {
    const Corpus& c = Icons();
    size_t anchors = 0;
    for (auto _ : state) {
        for (const auto& [name, text] : c.files) {
            scribera::io::Artwork art;
            std::string error;
            if (!scribera::io::ImportSvgText(text, name, 16, &art, &error)) state.SkipWithError(error.c_str());
            anchors += art.art.size();
            benchmark::DoNotOptimize(art);
        }
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * c.files.size()));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * c.bytes));
    state.counters["files"] = static_cast<double>(c.files.size());
}
BENCHMARK(BM_ImportCorpus)->Unit(benchmark::kMillisecond);

void BM_ExportCorpus(benchmark::State& state) {
    const Corpus& c = Icons();
    std::vector<scribera::io::Artwork> imported;
    for (const auto& [name, text] : c.files) {
        scribera::io::Artwork art;
        std::string error;
        scribera::io::ImportSvgText(text, name, 16, &art, &error);
        imported.push_back(std::move(art));
    }
    scribera::io::SvgPage page;
    page.width = page.height = 16;
    for (auto _ : state)
        for (const auto& art : imported) benchmark::DoNotOptimize(scribera::io::ExportSvg(art, page));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * imported.size()));
}
BENCHMARK(BM_ExportCorpus)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
