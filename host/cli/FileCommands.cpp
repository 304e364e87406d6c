// import, save, dump, profile-folder.
#include "cli/CommandTable.h"

#include "io/Artwork.h"
#include "io/Dump.h"
#include "io/SvgExport.h"
#include "io/SvgImport.h"

#include <filesystem>

namespace scribera::cli {

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

bool CheckOneFile(ArgCheck& a) { return a.Exactly(1); }

// A relative name is taken from `folder`.
fs::path FileIn(const std::string& folder, const std::string& name) {
    return fs::path(name).is_absolute() ? fs::path(name) : fs::path(folder) / name;
}

bool RunImport(PlayState& s, const Words& w, std::string* error) {
    Document& doc = s.session.Doc();
    fs::path file = FileIn(s.options.scriptDir, w[1]);
    io::Artwork art;
    if (!io::ImportSvgFile(file.string(), doc.Height(), &art, error)) return false;
    SBErr err = io::AddToDocument(art, doc);
    if (err != SB_OK) {
        *error = file.string() + ": the document refused the art (code " + std::to_string(err) + ")";
        return false;
    }
    return true;
}

bool RunSave(PlayState& s, const Words& w, std::string* error) {
    Document& doc = s.session.Doc();
    io::SvgPage page{doc.Width(), doc.Height(), doc.PageOrigin(), doc.View(), doc.ColourModel()};
    return io::ExportSvgFile(io::ReadDocument(doc), page, FileIn(s.options.outputDir, w[1]).string(), error);
}

bool RunDump(PlayState& s, const Words& w, std::string* error) {
    return io::WriteDump(s.session, FileIn(s.options.outputDir, w[1]).string(), error);
}

bool RunProfileFolder(PlayState& s, const Words& w, std::string* error) {
    fs::path folder = FileIn(s.options.outputDir, w[1]);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        *error = folder.string() + ": cannot be created (" + ec.message() + ")";
        return false;
    }
    s.session.Desktop().desk.profileFolder = fs::absolute(folder, ec).string();
    return true;
}

}  // namespace

std::vector<CommandSpec> FileCommands() {
    using C = CommandSpec;
    return {
        {"import", CheckOneFile, RunImport, "Import"},
        {"save", CheckOneFile, RunSave},
        {"dump", CheckOneFile, RunDump},
        {"profile-folder", CheckOneFile, RunProfileFolder, nullptr, C::kMayOpen | C::kBeforeStart},
    };
}

}  // namespace scribera::cli
