// scribera: the stand-in host's command.
//   scribera play SCRIPT [--svg OUT.svg] [--json OUT.json] [--out DIR] [--plugin PATH] [--report R.json]
//   scribera info [--plugin PATH]
#include "cli/Script.h"
#include "io/Artwork.h"
#include "io/Dump.h"
#include "io/InfoJson.h"
#include "io/Report.h"
#include "io/SvgExport.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <unistd.h>

#ifndef SCRIBERA_DEFAULT_PLUGIN
#define SCRIBERA_DEFAULT_PLUGIN "libzarvo.so"
#endif

namespace fs = std::filesystem;
using namespace scribera;

namespace {

int Usage() {
    std::cerr << "usage: scribera play SCRIPT [--svg OUT.svg] [--json OUT.json] [--out DIR] [--plugin PATH]\n"
                 "                     [--report R.json]\n"
                 "       scribera info [--plugin PATH]\n";
    return 2;
}

int Play(const std::string& script, const std::string& svg, const std::string& json, std::string outDir,
         const std::string& plugin, const std::string& report) {
    std::ifstream in(script, std::ios::binary);
    if (!in) {
        std::cerr << script << ": cannot be read\n";
        return 1;
    }
    std::ostringstream text;
    text << in.rdbuf();
    std::vector<cli::Command> commands;
    std::string error;
    if (!cli::ParseScript(text.str(), script, &commands, &error)) {
        std::cerr << error << "\n";
        return 1;
    }
    if (outDir.empty()) {
        fs::path from = !json.empty() ? fs::path(json) : !svg.empty() ? fs::path(svg) : fs::path();
        outDir = from.has_parent_path() ? from.parent_path().string() : ".";
    }
    std::error_code ec;
    fs::create_directories(outDir, ec);
    cli::PlayOptions options;
    options.pluginPath = plugin;
    options.scriptDir = fs::path(script).has_parent_path() ? fs::path(script).parent_path().string() : ".";
    options.outputDir = outDir;
    options.sessionName = fs::path(script).stem().string();
    Session session;
    cli::Player player(session, options);
    const bool played = player.Play(commands, script, &error);
    std::string reportError;
    if (!report.empty() && !io::WriteReport(session, {player.Host().IsRunning(), played ? 0 : 1, played ? "" : error},
                                            report, &reportError))
        std::cerr << reportError << "\n";
    if (!played) {
        std::cerr << error << "\n";
        return 1;
    }
    Document& doc = session.Doc();
    if (!svg.empty()) {
        io::SvgPage page{doc.Width(), doc.Height(), doc.PageOrigin(), doc.View(), doc.ColourModel()};
        if (!io::ExportSvgFile(io::ReadDocument(doc), page, svg, &error)) {
            std::cerr << error << "\n";
            return 1;
        }
    }
    if (!json.empty() && !io::WriteDump(session, json, &error)) {
        std::cerr << error << "\n";
        return 1;
    }
    return 0;
}

int Info(const std::string& plugin) {
    Session session;
    cli::PlayOptions options;
    options.pluginPath = plugin;
    options.outputDir = fs::temp_directory_path().string();
    options.sessionName = "scribera-info-" + std::to_string(::getpid());
    cli::Player player(session, options);
    std::string error;
    if (!player.Start(&error)) {
        std::cerr << error << "\n";
        return 1;
    }
    std::string info = io::InfoJson(session);
    player.Finish();
    std::error_code ec;
    fs::remove_all(session.Desktop().desk.profileFolder, ec);
    std::cout << info;
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage();
    std::string command = argv[1];
    std::string script, svg, json, outDir, report, plugin = SCRIBERA_DEFAULT_PLUGIN;
    for (int i = 2; i < argc; ++i) {
        std::string a = argv[i];
        auto value = [&](std::string* into) {
            if (i + 1 >= argc) return false;
            *into = argv[++i];
            return true;
        };
        if (a == "--svg") {
            if (!value(&svg)) return Usage();
        } else if (a == "--json") {
            if (!value(&json)) return Usage();
        } else if (a == "--out") {
            if (!value(&outDir)) return Usage();
        } else if (a == "--report") {
            if (!value(&report)) return Usage();
        } else if (a == "--plugin") {
            if (!value(&plugin)) return Usage();
        } else if (command == "play" && script.empty() && a.compare(0, 2, "--") != 0) {
            script = a;
        } else {
            std::cerr << "scribera: unexpected argument '" << a << "'\n";
            return Usage();
        }
    }
    if (command == "play") {
        if (script.empty()) return Usage();
        return Play(script, svg, json, outDir, plugin, report);
    }
    if (command == "info") return Info(plugin);
    std::cerr << "scribera: unknown command '" << command << "'\n";
    return Usage();
}
