// The scenario player's commands, one row each: the name, the check of its words (syntax only;
// what they refer to is checked when the command is played) and how it is played. The rows live
// with their family: the document and its art, files, and what the user does.
#pragma once

#include "cli/Script.h"

#include <initializer_list>
#include <string>
#include <vector>

namespace scribera::cli {

// Checks of a command's words; what is wrong names the command as the script spells it.
class ArgCheck {
public:
    ArgCheck(const std::vector<std::string>& words, std::string* error) : words(words), error(error) {}

    const std::vector<std::string>& words;  // the command's name first
    std::string* const error;               // what is wrong, when a check fails
    size_t Count() const { return words.size() - 1; }

    bool Exactly(size_t expected);            // that many arguments
    bool Numbers(size_t from, size_t count);  // words[from...] are numbers
    bool Indices(size_t from);                // words[from...] to the end are indices 0, 1, ...
    bool OneOf(size_t at, std::initializer_list<const char*> allowed);
    // Says what is wrong; false.
    bool Fail(const std::string& what);
};

struct CommandSpec {
    enum Flags : unsigned {
        kNone = 0,
        kMayOpen = 1,      // may be the script's first command
        kBeforeStart = 2,  // among a script's first commands, played before the plug-in starts
    };
    const char* name;
    // What `scribera help NAME` and `--help` print: the words after the name, and what it does.
    const char* arguments;
    const char* summary;
    bool (*check)(ArgCheck& args);
    bool (*run)(PlayState& state, const std::vector<std::string>& words, std::string* error);
    // What the command changes in the document is one undo entry of this name, as a user's
    // action would be; null for commands that leave undo to the plug-in.
    const char* undoEntry = nullptr;
    unsigned flags = kNone;
    // With this second word the rest of the line is taken exactly as written (a panel's payload).
    const char* rawAfter = nullptr;
    // More for `scribera help NAME`, when the words it takes are known only to the host.
    std::string (*moreHelp)() = nullptr;
};

// Every command, and the one of a name (null when there is none).
const std::vector<CommandSpec>& Commands();
const CommandSpec* FindCommand(const std::string& name);

// What a file name's extension asks `save` (and the command line) to write.
enum class OutputFormat { Svg, Png, Dump, Unknown };
OutputFormat SavedFormat(const std::string& fileName);
// Writes the session's document in that format; false with "FILE: what is wrong".
bool WriteDocument(Session& session, OutputFormat format, const io::PngOptions& png, const std::string& path,
                   std::string* error);

// The families, each in a source file of its own.
std::vector<CommandSpec> DocumentCommands();  // document, paint, art, selection
std::vector<CommandSpec> FileCommands();      // import, save, dump, the profile folder
std::vector<CommandSpec> UserCommands();      // tools, mouse and keys, panels, actions, undo, faults

}  // namespace scribera::cli
