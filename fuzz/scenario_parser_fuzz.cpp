// The scenario parser on any text: every line split, every command's arguments checked.
#include "cli/Script.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

using namespace scribera::cli;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<Command> commands;
    std::string error;
    if (ParseScript(text, "fuzz.scribera", &commands, &error)) {
        for (const Command& c : commands)
            if (c.words.empty() || c.line < 1) {
                std::fprintf(stderr, "a parsed command without a name or line\n");
                std::abort();
            }
    } else if (error.rfind("fuzz.scribera:", 0) != 0) {
        std::fprintf(stderr, "an error that names no place: %s\n", error.c_str());
        std::abort();
    }
    std::vector<std::string> words;
    SplitLine(text.substr(0, text.find('\n')), &words, &error);
    return 0;
}
