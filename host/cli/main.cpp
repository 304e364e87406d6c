// scribera: the stand-in host's command (scribera --help).
#include "cli/CommandLine.h"
#include "core/PluginHost.h"

#include <iostream>
#include <string>
#include <vector>

#ifndef SCRIBERA_DEFAULT_PLUGIN
#define SCRIBERA_DEFAULT_PLUGIN "libzarvo.so"
#endif

int main(int argc, char** argv) {
    return scribera::cli::RunCommandLine(std::vector<std::string>(argv + 1, argv + argc),
                                         scribera::DefaultPluginPath(SCRIBERA_DEFAULT_PLUGIN), std::cout, std::cerr);
}
