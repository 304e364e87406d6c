#include "cli/CommandTable.h"

#include "cli/ScriptWords.h"

namespace scribera::cli {

bool ArgCheck::Exactly(size_t expected) {
    if (Count() == expected) return true;
    return Fail("'" + words[0] + "' takes " + std::to_string(expected) + " argument" + (expected == 1 ? "" : "s"));
}

bool ArgCheck::Numbers(size_t from, size_t count) {
    for (size_t i = from; i < from + count; ++i) {
        double v;
        if (!Number(words[i], &v)) return Fail("bad number '" + words[i] + "'");
    }
    return true;
}

bool ArgCheck::Indices(size_t from) {
    for (size_t i = from; i < words.size(); ++i) {
        int64_t v;
        if (!Integer(words[i], &v) || v < 0) return Fail("bad index '" + words[i] + "'");
    }
    return true;
}

bool ArgCheck::OneOf(size_t at, std::initializer_list<const char*> allowed) {
    for (const char* x : allowed)
        if (words[at] == x) return true;
    std::string list;
    for (const char* x : allowed) list += (list.empty() ? "" : ", ") + std::string(x);
    return Fail("'" + words[0] + "' expects " + list + ", not '" + words[at] + "'");
}

bool ArgCheck::Fail(const std::string& what) {
    *error = what;
    return false;
}

const std::vector<CommandSpec>& Commands() {
    static const std::vector<CommandSpec> all = [] {
        std::vector<CommandSpec> rows;
        for (auto family : {DocumentCommands, FileCommands, UserCommands})
            for (const CommandSpec& row : family()) rows.push_back(row);
        return rows;
    }();
    return all;
}

const CommandSpec* FindCommand(const std::string& name) {
    for (const CommandSpec& c : Commands())
        if (name == c.name) return &c;
    return nullptr;
}

}  // namespace scribera::cli
