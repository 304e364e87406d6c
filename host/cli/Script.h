// Scenario scripts: one command per line, checked as a whole before anything is played, then
// played against a plug-in in a session. The commands are the rows of cli/CommandTable.h.
#pragma once

#include "core/PluginHost.h"
#include "core/Session.h"
#include "io/PngRender.h"

#include <functional>
#include <string>
#include <vector>

namespace scribera::cli {

struct Command {
    int line = 0;
    std::vector<std::string> words;  // the command name first
    std::string rest;                // the raw text after the second word (panel params)
};

// Splits a line into words: blanks separate, double quotes hold blanks (\" and \\ inside), a word
// starting with # starts a comment. False with what is wrong.
bool SplitLine(const std::string& line, std::vector<std::string>* words, std::string* error);

// Reads and checks a whole script. Errors read "FILE:LINE: what is wrong".
bool ParseScript(const std::string& text, const std::string& fileName, std::vector<Command>* commands,
                 std::string* error);

struct PlayOptions {
    std::string pluginPath;
    std::string scriptDir = ".";  // where `import` finds relative files
    std::string outputDir = ".";  // where `save`, `dump` and the profile folder go
    std::string sessionName = "session";
    std::string hostFolder;  // the folder of the panel-bridge library; empty: the program's
    io::PngOptions png;      // how `save NAME.png` draws
    // With no `profile-folder` in the script: a fresh temporary folder, removed with the player,
    // rather than NAME-profile in the output folder.
    bool temporaryProfile = false;
    // Told every error alert the plug-in shows, with the script's line (0 outside the commands).
    std::function<void(int line, const std::string& text)> onAlert;
};

// What playing a command works on.
struct PlayState {
    Session& session;
    PluginHost& host;
    const PlayOptions& options;
    SBRealPoint last{0, 0};  // where the mouse last went
};

class Player {
public:
    Player(Session& session, const PlayOptions& options);
    ~Player();

    // Loads and starts the plug-in, plays the commands, then shuts the plug-in down. False with
    // "FILE:LINE: what is wrong" at the first command that fails.
    bool Play(const std::vector<Command>& commands, const std::string& fileName, std::string* error);

    // Loads and starts the plug-in only (for `info`); Finish() shuts it down.
    bool Start(std::string* error);
    void Finish();
    PluginHost& Host() { return host_; }

    // One command given as its words, checked as a script line is, then played in the started
    // session (the studio's page acts through these). False with what is wrong.
    bool RunWords(const std::vector<std::string>& words, std::string* error);

private:
    bool Run(const Command& c, std::string* error);
    bool MakeProfileFolder(std::string* error);
    // Hands the alerts shown since the last report to options_.onAlert.
    void ReportAlerts(int line);

    Session& session_;
    PlayOptions options_;
    PluginHost host_;
    PlayState state_{session_, host_, options_, {0, 0}};
    bool started_ = false;
    std::string temporaryProfile_;  // removed with the player
    size_t alertsReported_ = 0;
};

}  // namespace scribera::cli
