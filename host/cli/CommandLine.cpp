#include "cli/CommandLine.h"

#ifdef SCRIBERA_WITH_STUDIO
#include "studio/StudioServer.h"
#endif

#include "cli/CommandTable.h"
#include "cli/Script.h"
#include "cli/ScriptWords.h"
#include "core/PluginHost.h"
#include "io/InfoJson.h"
#include "io/Report.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef ZARVO_VERSION
#error "ZARVO_VERSION is given by the build, from the project's version"
#endif

namespace scribera::cli {

namespace {

namespace fs = std::filesystem;

const char* const kUsage =
    "usage: scribera play SCRIPT [OPTIONS]   plays a scenario script\n"
    "       scribera info [--plugin PATH]    prints what the plug-in registered, as JSON\n"
#ifdef SCRIBERA_WITH_STUDIO
    "       scribera studio [--port N] [--plugin PATH] [FILE.svg]\n"
    "                                        serves the studio: the tools in a browser\n"
#endif
    "       scribera help [COMMAND]          this text, or what one command does\n"
    "       scribera --help | --version\n";

struct PlayArguments {
    std::string script, svg, png, json, outDir, plugin, report;
    io::PngOptions picture;
    bool keepProfile = false;
};

// "  HEAD   summary" with the summary wrapped under itself.
std::string Entry(const std::string& head, size_t column, const std::string& summary) {
    const size_t width = 100;
    std::string text = "  " + head;
    if (text.size() + 2 > column)
        text += "\n" + std::string(column, ' ');
    else
        text.resize(column, ' ');
    size_t at = column;
    std::istringstream words(summary);
    std::string word;
    bool first = true;
    while (words >> word) {
        if (!first && at + 1 + word.size() > width) {
            text += "\n" + std::string(column, ' ');
            at = column;
        } else if (!first) {
            text += ' ';
            ++at;
        }
        text += word;
        at += word.size();
        first = false;
    }
    return text + "\n";
}

std::string OptionHead(const OptionSpec& o) { return std::string(o.name) + (*o.value ? " " : "") + o.value; }

std::string ScriptCommandHelp(const CommandSpec& c) {
    std::string head = c.name;
    if (*c.arguments) head += std::string(" ") + c.arguments;
    std::string text = head + "\n    " + c.summary + "\n";
    if (c.moreHelp) text += c.moreHelp();
    return text;
}

std::string PlayHelp() {
    std::string text =
        "scribera play SCRIPT [OPTIONS]\n"
        "    plays SCRIPT; a mistake in it stops the play before anything runs (SCRIPT:LINE: what is\n"
        "    wrong, exit status 1); error alerts the plug-in shows are also printed on standard error.\n";
    for (const OptionSpec& o : PlayCommandOptions()) text += Entry(OptionHead(o), 30, o.summary);
    return text;
}

// L,B,R,T with a positive width and height.
bool ParseArea(const std::string& word, SBRealRect* area) {
    std::vector<double> v;
    std::string part;
    std::istringstream in(word);
    while (std::getline(in, part, ',')) {
        double x;
        if (!Number(part, &x)) return false;
        v.push_back(x);
    }
    if (v.size() != 4 || !(v[2] > v[0] && v[3] > v[1])) return false;
    *area = SBRealRect{v[0], v[3], v[2], v[1]};
    return true;
}

// RRGGBB (a leading # allowed) or "transparent".
bool ParseBackground(std::string word, io::PngOptions* picture) {
    if (word == "transparent") {
        picture->transparent = true;
        return true;
    }
    if (!word.empty() && word[0] == '#') word.erase(0, 1);
    if (word.size() != 6) return false;
    for (char c : word)
        if (!std::isxdigit(static_cast<unsigned char>(c))) return false;
    const unsigned long rgb = std::stoul(word, nullptr, 16);
    picture->background = io::Rgb{((rgb >> 16) & 255) / 255.0, ((rgb >> 8) & 255) / 255.0, (rgb & 255) / 255.0};
    picture->transparent = false;
    return true;
}

bool ReadFile(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    *text = s.str();
    return true;
}

int Play(const PlayArguments& a, std::ostream& err) {
    std::string text;
    if (!ReadFile(a.script, &text)) {
        err << a.script << ": cannot be read\n";
        return 1;
    }
    std::vector<Command> commands;
    std::string error;
    if (!ParseScript(text, a.script, &commands, &error)) {
        err << error << "\n";
        return 1;
    }
    std::string outDir = a.outDir;
    if (outDir.empty()) {
        fs::path from = !a.json.empty() ? fs::path(a.json) : !a.svg.empty() ? fs::path(a.svg) : fs::path(a.png);
        outDir = from.has_parent_path() ? from.parent_path().string() : ".";
    }
    std::error_code ec;
    fs::create_directories(outDir, ec);
    PlayOptions options;
    options.pluginPath = a.plugin;
    options.hostFolder = InstalledHostFolder();  // empty: the executable's own folder
    options.scriptDir = fs::path(a.script).has_parent_path() ? fs::path(a.script).parent_path().string() : ".";
    options.outputDir = outDir;
    options.sessionName = fs::path(a.script).stem().string();
    options.png = a.picture;
    options.temporaryProfile = !a.keepProfile;
    const std::string script = a.script;
    options.onAlert = [&err, script](int line, const std::string& alert) {
        err << script << ":" << (line > 0 ? std::to_string(line) + ":" : "") << " alert: " << alert << "\n";
    };
    Session session;
    // The player outlives the files written at the end: they read the profile folder it removes.
    Player player(session, options);
    const bool played = player.Play(commands, a.script, &error);
    // The report is written whether the play went through or not: a failed play is what it is for.
    std::string reportError;
    if (!a.report.empty() && !io::WriteReport(session, {player.Host().IsRunning(), played ? 0 : 1, played ? "" : error},
                                              a.report, &reportError))
        err << reportError << "\n";
    if (!played) {
        err << error << "\n";
        return 1;
    }
    const std::pair<OutputFormat, std::string> outputs[] = {
        {OutputFormat::Svg, a.svg}, {OutputFormat::Png, a.png}, {OutputFormat::Dump, a.json}};
    for (const auto& [format, path] : outputs) {
        if (path.empty()) continue;
        if (!WriteDocument(session, format, a.picture, path, &error)) {
            err << error << "\n";
            return 1;
        }
    }
    return 0;
}

int Info(const std::string& plugin, std::ostream& out, std::ostream& err) {
    Session session;
    PlayOptions options;
    options.pluginPath = plugin;
    options.hostFolder = InstalledHostFolder();  // empty: the executable's own folder
    options.sessionName = "scribera-info";
    options.temporaryProfile = true;
    Player player(session, options);
    std::string error;
    if (!player.Start(&error)) {
        err << error << "\n";
        return 1;
    }
    const std::string info = io::InfoJson(session);
    player.Finish();
    out << info;
    return 0;
}

int Misused(const std::string& what, std::ostream& err) {
    err << "scribera: " << what << "\n" << kUsage << "(scribera --help tells more)\n";
    return 2;
}

}  // namespace

const std::vector<OptionSpec>& PlayCommandOptions() {
    static const std::vector<OptionSpec> options = {
        {"--svg", "OUT.svg", "writes the document as SVG when the script ends"},
        {"--png", "OUT.png", "writes a picture of the document as PNG when the script ends"},
        {"--json", "OUT.json", "writes the JSON dump when the script ends"},
        {"--out", "DIR",
         "where relative save, dump and profile-folder names go (default: the folder of the --json "
         "file, else of --svg, else of --png, else the current folder)"},
        {"--plugin", "PATH", "loads this build of the plug-in (default: the one built with scribera)"},
        {"--png-area", "L,B,R,T",
         "the part of the document a PNG shows, in document units (default: the artboard, 0,0,W,H)"},
        {"--png-scale", "N", "pixels per document unit (default 1), raised to fit --png-min-side"},
        {"--png-min-side", "N", "the fewest pixels of a PNG's larger side (default 512; 0: none)"},
        {"--png-background", "RRGGBB", "a PNG's background colour, or 'transparent' (default ffffff, white)"},
        {"--report", "R.json",
         "writes a report of the session when it ends, even a failed one: faults fired, stale handles, "
         "what the host still holds after shut-down, the document tree's consistency, empty art"},
        {"--keep-profile", "",
         "keeps the plug-in's profile folder as SCRIPT-profile in the output folder (by default a "
         "temporary folder, removed at the end, unless the script names one with profile-folder)"},
    };
    return options;
}

const char* Version() { return ZARVO_VERSION; }

std::string HelpText() {
    std::string text = std::string("scribera ") + Version() +
                       ": the stand-in host of the Zarvo plug-in; plays scenario scripts against it.\n\n" + kUsage +
                       "\noptions of play:\n";
    for (const OptionSpec& o : PlayCommandOptions()) text += Entry(OptionHead(o), 30, o.summary);
    text += "  --plugin PATH is also an option of info.\n\nscript commands (one a line; scribera help COMMAND):\n";
    for (const CommandSpec& c : Commands())
        text += Entry(std::string(c.name) + (*c.arguments ? " " : "") + c.arguments, 38, c.summary);
    text += "\nThe scripts and the JSON dump are described in docs/scenarios.md.\n";
    return text;
}

bool CommandHelp(const std::string& name, std::string* text) {
    if (name == "play") {
        // Both the command line's play and the script's.
        *text = PlayHelp() + "\nIn a script:\n" + ScriptCommandHelp(*FindCommand("play"));
        return true;
    }
    if (name == "info") {
        *text = "scribera info [--plugin PATH]\n    starts the plug-in and prints, as JSON, what it registered.\n";
        return true;
    }
#ifdef SCRIBERA_WITH_STUDIO
    if (name == "studio") {
        *text =
            "scribera studio [--port N] [--plugin PATH] [FILE.svg]\n    serves a page on 127.0.0.1 (port 8765, 0 "
            "for any free one) where a person draws with the plug-in; FILE.svg opens as the document. Stops "
            "on an interrupt. docs/studio.md describes the page and its routes.\n";
        return true;
    }
#endif
    if (name == "help") {
        *text =
            "scribera help [COMMAND]\n    what scribera does, or what one command does (play, info, or a "
            "script command).\n";
        return true;
    }
    if (const CommandSpec* c = FindCommand(name)) {
        *text = ScriptCommandHelp(*c);
        return true;
    }
    return false;
}

int RunCommandLine(const std::vector<std::string>& args, const std::string& defaultPlugin, std::ostream& out,
                   std::ostream& err) {
    if (args.empty()) return Misused("no command", err);
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || (command == "help" && args.size() == 1)) {
        out << HelpText();
        return 0;
    }
    if (command == "--version") {
        out << "scribera " << Version() << "\n";
        return 0;
    }
    if (command == "help") {
        if (args.size() != 2) return Misused("help takes one command name", err);
        std::string text;
        if (!CommandHelp(args[1], &text)) {
            std::string names = "play, info, help";
            for (const CommandSpec& c : Commands()) names += std::string(", ") + c.name;
            err << "scribera: no command '" << args[1] << "' (the commands: " << names << ")\n";
            return 2;
        }
        out << text;
        return 0;
    }
#ifdef SCRIBERA_WITH_STUDIO
    if (command == "studio") return studio::RunStudio(args, defaultPlugin, out, err);
#endif
    if (command != "play" && command != "info") return Misused("unknown command '" + command + "'", err);

    PlayArguments a;
    a.plugin = defaultPlugin;
    for (size_t i = 1; i < args.size(); ++i) {
        const std::string& option = args[i];
        const OptionSpec* spec = nullptr;
        for (const OptionSpec& o : PlayCommandOptions())
            if (option == o.name) spec = &o;
        if (!spec) {
            if (command == "play" && a.script.empty() && option.compare(0, 2, "--") != 0) {
                a.script = option;
                continue;
            }
            return Misused("unexpected argument '" + option + "'", err);
        }
        if (command == "info" && option != "--plugin") return Misused(option + " is an option of play", err);
        if (option == "--keep-profile") {
            a.keepProfile = true;
            continue;
        }
        if (i + 1 >= args.size()) return Misused(option + " needs " + spec->value, err);
        const std::string& value = args[++i];
        double number = 0;
        bool good = true;
        if (option == "--svg")
            a.svg = value;
        else if (option == "--png")
            a.png = value;
        else if (option == "--json")
            a.json = value;
        else if (option == "--out")
            a.outDir = value;
        else if (option == "--plugin")
            a.plugin = value;
        else if (option == "--report")
            a.report = value;
        else if (option == "--png-area")
            good = ParseArea(value, &a.picture.area);
        else if (option == "--png-background")
            good = ParseBackground(value, &a.picture);
        else if (option == "--png-scale") {
            good = Number(value, &number) && number > 0;
            a.picture.pixelsPerUnit = number;
        } else if (option == "--png-min-side") {
            good = Number(value, &number) && number >= 0 && number <= 100000 && number == static_cast<int>(number);
            a.picture.minimumSide = static_cast<int>(number);
        }
        if (!good) return Misused("bad value '" + value + "' for " + option + " (" + spec->value + ")", err);
    }
    if (command == "info") return Info(a.plugin, out, err);
    if (a.script.empty()) return Misused("play needs a SCRIPT", err);
    return Play(a, err);
}

}  // namespace scribera::cli
