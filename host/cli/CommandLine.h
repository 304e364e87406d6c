// The `scribera` command: its options, its help and version, and what each of its commands does.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace scribera::cli {

struct OptionSpec {
    const char* name;   // "--svg"
    const char* value;  // what follows it ("OUT.svg"), empty for a switch
    const char* summary;
};

// The options of `scribera play` (`info` takes --plugin only).
const std::vector<OptionSpec>& PlayCommandOptions();

// The project's version, "0.5.0".
const char* Version();

// What `scribera --help` prints: the commands, the options and every script command.
std::string HelpText();
// What `scribera help NAME` prints for a script command or for play, info or help; false when
// there is no command of that name.
bool CommandHelp(const std::string& name, std::string* text);

// Runs the command line; the exit status (0 done, 1 failed, 2 misused).
int RunCommandLine(const std::vector<std::string>& args, const std::string& defaultPlugin, std::ostream& out,
                   std::ostream& err);

}  // namespace scribera::cli
