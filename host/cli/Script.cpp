#include "cli/Script.h"

#include "cli/CommandTable.h"
#include "system/HostSystem.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <sstream>

namespace scribera::cli {

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string Where(const std::string& file, int line) { return file + ":" + std::to_string(line) + ": "; }

// A line whose first two words are a command and the word after which it takes the rest of the
// line as it stands: the command's words are those two and the rest.
bool RawTail(const std::string& line, Command* c) {
    for (const CommandSpec& spec : Commands()) {
        if (!spec.rawAfter) continue;
        const size_t marker = line.find(spec.rawAfter);
        if (marker == std::string::npos) continue;
        const size_t end = marker + std::strlen(spec.rawAfter);
        std::vector<std::string> head;
        std::string why;
        if (!SplitLine(line.substr(0, end), &head, &why) || head.size() != 2 || head[0] != spec.name ||
            head[1] != spec.rawAfter)
            continue;
        const size_t start = line.find_first_not_of(" \t", end);
        c->rest = start == std::string::npos ? "" : line.substr(start);
        c->words = {spec.name, spec.rawAfter, c->rest};
        return true;
    }
    return false;
}

bool PlayedBeforeStart(const Command& c) {
    const CommandSpec* spec = FindCommand(c.words[0]);
    return spec && (spec->flags & CommandSpec::kBeforeStart);
}

}  // namespace

bool SplitLine(const std::string& line, std::vector<std::string>* words, std::string* error) {
    words->clear();
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        if (i >= line.size() || line[i] == '#') break;
        std::string word;
        if (line[i] == '"') {
            ++i;
            bool closed = false;
            while (i < line.size()) {
                char c = line[i++];
                if (c == '"') {
                    closed = true;
                    break;
                }
                if (c == '\\' && i < line.size() && (line[i] == '"' || line[i] == '\\')) c = line[i++];
                word += c;
            }
            if (!closed) {
                *error = "unterminated quoted word";
                return false;
            }
            if (i < line.size() && !IsBlank(line[i])) {
                *error = "a quoted word must be followed by a blank";
                return false;
            }
        } else {
            while (i < line.size() && !IsBlank(line[i])) word += line[i++];
        }
        words->push_back(word);
    }
    return true;
}

bool ParseScript(const std::string& text, const std::string& fileName, std::vector<Command>* commands,
                 std::string* error) {
    std::vector<Command> out;
    std::istringstream in(text);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Command c;
        c.line = number;
        std::string why;
        // A payload (a panel's parameters) is taken exactly as written, whatever it holds.
        if (RawTail(line, &c)) {
            if (c.rest.empty() || out.empty()) {
                *error = Where(fileName, number) +
                         (out.empty() ? "the script must begin with 'document W H'"
                                      : "'" + c.words[0] + " " + c.words[1] + "' needs the parameters");
                return false;
            }
            out.push_back(std::move(c));
            continue;
        }
        if (!SplitLine(line, &c.words, &why)) {
            *error = Where(fileName, number) + why;
            return false;
        }
        if (c.words.empty()) continue;
        const CommandSpec* spec = FindCommand(c.words[0]);
        ArgCheck args(c.words, &why);
        if (!spec) why = "unknown command '" + c.words[0] + "'";
        if (!spec || !spec->check(args)) {
            *error = Where(fileName, number) + why;
            return false;
        }
        if (out.empty() && !(spec->flags & CommandSpec::kMayOpen)) {
            *error = Where(fileName, number) + "the script must begin with 'document W H'";
            return false;
        }
        out.push_back(std::move(c));
    }
    if (out.empty()) {
        *error =
            Where(fileName, number > 0 ? number : 1) + "the script has no commands (it must begin with 'document W H')";
        return false;
    }
    *commands = std::move(out);
    return true;
}

Player::Player(Session& session, const PlayOptions& options) : session_(session), options_(options), host_(session) {
    session_.MakeCurrent();
}

Player::~Player() {
    Finish();
    if (!temporaryProfile_.empty()) {
        std::error_code ec;
        fs::remove_all(temporaryProfile_, ec);
    }
}

bool Player::MakeProfileFolder(std::string* error) {
    std::error_code ec;
    if (!options_.temporaryProfile) {
        fs::path profile = fs::path(options_.outputDir) / (options_.sessionName + "-profile");
        fs::create_directories(profile, ec);
        session_.Desktop().desk.profileFolder = fs::absolute(profile, ec).string();
        return true;
    }
    // A folder of our own: create_directory answers false when the name is taken already.
    const fs::path base = fs::temp_directory_path(ec);
    std::random_device random;
    for (int attempt = 0; !ec && attempt < 100; ++attempt) {
        const fs::path folder = base / (options_.sessionName + "-profile-" + std::to_string(random()));
        if (!fs::create_directory(folder, ec) || ec) continue;
        temporaryProfile_ = folder.string();
        session_.Desktop().desk.profileFolder = temporaryProfile_;
        return true;
    }
    *error = "a temporary profile folder cannot be made in " + base.string();
    return false;
}

void Player::ReportAlerts(int line) {
    const auto& alerts = session_.Shown().alerts;
    if (alertsReported_ > alerts.size()) alertsReported_ = 0;  // a new log
    for (; alertsReported_ < alerts.size(); ++alertsReported_)
        if (options_.onAlert) options_.onAlert(line, alerts[alertsReported_]);
}

bool Player::Start(std::string* error) {
    if (started_) return true;
    std::string folder = options_.hostFolder;
    if (folder.empty()) {
        std::error_code ec;
        fs::path self = fs::read_symlink("/proc/self/exe", ec);
        if (!ec) folder = self.parent_path().string();
#ifdef _WIN32
        folder = system::ExecutableFolder();
#endif
    }
    session_.Desktop().hostFolder = folder;
    if (session_.Desktop().desk.profileFolder.empty() && !MakeProfileFolder(error)) return false;
    if (!host_.Load(options_.pluginPath, error)) return false;
    host_.Startup();
    started_ = true;
    ReportAlerts(0);
    return true;
}

void Player::Finish() {
    if (!started_) return;
    started_ = false;
    const Id tool = session_.Registry().selectedTool;
    if (host_.Dragging() && tool != kNoId) host_.MouseUp(tool, state_.last);
    host_.Shutdown();
    ReportAlerts(0);
}

bool Player::Play(const std::vector<Command>& commands, const std::string& fileName, std::string* error) {
    // A profile folder named by the script takes effect before the plug-in starts.
    for (const Command& c : commands) {
        if (!PlayedBeforeStart(c)) break;
        std::string why;
        if (!Run(c, &why)) {
            *error = Where(fileName, c.line) + why;
            return false;
        }
    }
    if (!Start(error)) {
        *error = fileName + ": " + *error;
        return false;
    }
    bool leading = true;
    for (const Command& c : commands) {
        if (leading && PlayedBeforeStart(c)) continue;
        leading = false;
        std::string why;
        const bool ok = Run(c, &why);
        ReportAlerts(c.line);
        if (!ok) {
            *error = Where(fileName, c.line) + why;
            Finish();
            return false;
        }
    }
    Finish();
    return true;
}

bool Player::RunWords(const std::vector<std::string>& words, std::string* error) {
    if (words.empty()) {
        *error = "no command";
        return false;
    }
    const CommandSpec* spec = FindCommand(words[0]);
    if (!spec) {
        *error = "unknown command '" + words[0] + "'";
        return false;
    }
    if (!started_) {
        *error = "the plug-in has not started";
        return false;
    }
    Command c;
    c.words = words;
    ArgCheck args(c.words, error);
    if (!spec->check(args)) return false;
    const bool ok = Run(c, error);
    ReportAlerts(0);
    return ok;
}

bool Player::Run(const Command& c, std::string* error) {
    const CommandSpec* spec = FindCommand(c.words[0]);
    if (!spec) {
        *error = "unknown command '" + c.words[0] + "'";
        return false;
    }
    // What the script changes in the document is done as a user would, one undo entry per command.
    Document& doc = session_.Doc();
    if (!spec->undoEntry || doc.InTransaction()) return spec->run(state_, c.words, error);
    doc.BeginTransaction();
    doc.SetUndoText(std::string("Undo ") + spec->undoEntry, std::string("Redo ") + spec->undoEntry);
    const bool ok = spec->run(state_, c.words, error);
    if (!ok) doc.RevertTransaction();
    doc.EndTransaction();
    return ok;
}

}  // namespace scribera::cli
