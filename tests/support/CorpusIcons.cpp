#include "support/CorpusIcons.h"

#include "io/Artwork.h"
#include "io/SvgImport.h"
#include "support/TestEnvironment.h"

#include <algorithm>
#include <filesystem>

namespace corpus {

std::vector<std::string> IconFiles() {
    namespace fs = std::filesystem;
    std::vector<std::string> files;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(fs::path(testenv::CorpusDir()) / "bootstrap-icons", ec))
        if (entry.path().extension() == ".svg") files.push_back(entry.path().string());
    std::sort(files.begin(), files.end());
    return files;
}

size_t SelectAll(scribera::Document& doc) {
    size_t paths = 0;
    std::vector<scribera::Id> todo = doc.Children(doc.CurrentLayerGroup());
    while (!todo.empty()) {
        const scribera::Id id = todo.back();
        todo.pop_back();
        doc.SetUserAttr(id, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
        if (doc.Find(id)->kind == scribera::ArtKind::Path) ++paths;
        for (scribera::Id c : doc.Children(id)) todo.push_back(c);
    }
    return paths;
}

size_t ImportFirstIcons(scribera::Document& doc, size_t count, std::string* error) {
    std::vector<std::string> files = IconFiles();
    if (files.size() < count) {
        *error = "the corpus has fewer than " + std::to_string(count) + " icons";
        return 0;
    }
    files.resize(count);
    doc.BeginTransaction();
    for (const std::string& file : files) {
        scribera::io::Artwork art;
        if (!scribera::io::ImportSvgFile(file, doc.Height(), &art, error)) return 0;
        if (scribera::io::AddToDocument(art, doc) != SB_OK) {
            *error = "the document refused " + file;
            return 0;
        }
    }
    const size_t paths = SelectAll(doc);
    doc.EndTransaction();
    return paths;
}

}  // namespace corpus
