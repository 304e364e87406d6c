// The plug-in linked into the fuzz target and hosted in-process: scenario text played by the host's
// scenario player, or a started plug-in for targets that call the host directly.
#pragma once

#include "core/PluginHost.h"
#include "core/Session.h"

#include <memory>
#include <string>

namespace fuzzhost {

// Parses and plays a scenario against the linked plug-in (started and shut down by the player).
// False when the text does not parse; a command that fails only ends the play.
bool PlayScenario(const std::string& text);

// A session with the linked plug-in loaded and started; shut down when it goes.
class StartedPlugin {
public:
    StartedPlugin(double width, double height);
    ~StartedPlugin();
    StartedPlugin(const StartedPlugin&) = delete;
    StartedPlugin& operator=(const StartedPlugin&) = delete;

    scribera::Session session;
    scribera::PluginHost host{session};
};

// Where the plug-in's profile goes: one folder per process, made on first use.
const std::string& ScratchFolder();

}  // namespace fuzzhost
