// import, save, dump, profile-folder.
#include "cli/CommandTable.h"

#include "io/Artwork.h"
#include "io/Dump.h"
#include "io/PngRender.h"
#include "io/SvgExport.h"
#include "io/SvgImport.h"

#include <cctype>
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

bool CheckSave(ArgCheck& a) {
    if (!a.Exactly(1)) return false;
    if (SavedFormat(a.words[1]) == OutputFormat::Unknown)
        return a.Fail("'save' writes FILE.svg, FILE.png or FILE.json, not '" + a.words[1] + "'");
    return true;
}

bool RunSave(PlayState& s, const Words& w, std::string* error) {
    return WriteDocument(s.session, SavedFormat(w[1]), s.options.png, FileIn(s.options.outputDir, w[1]).string(),
                         error);
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

OutputFormat SavedFormat(const std::string& fileName) {
    std::string extension = fs::path(fileName).extension().string();
    for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (extension == ".svg") return OutputFormat::Svg;
    if (extension == ".png") return OutputFormat::Png;
    if (extension == ".json") return OutputFormat::Dump;
    return OutputFormat::Unknown;
}

bool WriteDocument(Session& session, OutputFormat format, const io::PngOptions& png, const std::string& path,
                   std::string* error) {
    Document& doc = session.Doc();
    switch (format) {
        case OutputFormat::Svg: {
            io::SvgPage page{doc.Width(), doc.Height(), doc.PageOrigin(), doc.View(), doc.ColourModel()};
            return io::ExportSvgFile(io::ReadDocument(doc), page, path, error);
        }
        case OutputFormat::Png:
            return io::WritePng(doc, png, path, error);
        case OutputFormat::Dump:
            return io::WriteDump(session, path, error);
        case OutputFormat::Unknown:
            break;
    }
    *error = path + ": no format has this extension (.svg, .png, .json)";
    return false;
}

std::vector<CommandSpec> FileCommands() {
    using C = CommandSpec;
    return {
        {"import", "FILE.svg",
         "the artwork of an SVG file, on top of the current layer (a relative name is found beside the script)",
         CheckOneFile, RunImport, "Import"},
        {"save", "FILE.svg|FILE.png|FILE.json",
         "writes the document now; the extension chooses SVG, a PNG picture or the JSON dump", CheckSave, RunSave},
        {"dump", "FILE.json", "writes the JSON dump now", CheckOneFile, RunDump},
        {"profile-folder", "DIR",
         "the folder the plug-in is given for its preferences file (made when missing, and kept)", CheckOneFile,
         RunProfileFolder, nullptr, C::kMayOpen | C::kBeforeStart},
    };
}

}  // namespace scribera::cli
