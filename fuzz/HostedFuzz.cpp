#include "HostedFuzz.h"

#include "cli/Script.h"
#include "core/panels/PanelService.h"
#include "desk/Desk.h"

#include <cstdio>
#include <dlfcn.h>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" SBErr PluginMain(const char* caller, const char* selector, void* message);

namespace fuzzhost {
namespace {

namespace fs = std::filesystem;

// The empty name opens the program itself, which holds the plug-in's PluginMain.
constexpr const char* kSelf = "";

// Both are looked up by name at run time; naming them here keeps them in the program.
// The plug-in closes the bridge library at shut-down; libFuzzer keeps reading the coverage counters
// it registered when the library was first loaded, so the library must stay mapped.
void KeepBridgeMapped() {
    static void* const bridge = dlopen(ZARVO_FUZZ_BRIDGE_LIBRARY, RTLD_NOW | RTLD_NODELETE);
    if (!bridge) {
        std::fprintf(stderr, "%s: %s\n", ZARVO_FUZZ_BRIDGE_LIBRARY, dlerror());
        std::abort();
    }
}

__attribute__((used)) const void* const kLookedUp[] = {reinterpret_cast<const void*>(&PluginMain),
                                                       reinterpret_cast<const void*>(&ScriberaDeskTable)};

}  // namespace

const std::string& ScratchFolder() {
    static const std::string folder = [] {
        fs::path p = fs::temp_directory_path() / ("zarvo-fuzz-" + std::to_string(::getpid()));
        std::error_code ec;
        fs::create_directories(p, ec);
        std::atexit([] {
            std::error_code ignored;
            fs::remove_all(fs::temp_directory_path() / ("zarvo-fuzz-" + std::to_string(::getpid())), ignored);
        });
        return p.string();
    }();
    return folder;
}

bool PlayScenario(const std::string& text) {
    KeepBridgeMapped();
    std::vector<scribera::cli::Command> commands;
    std::string error;
    if (!scribera::cli::ParseScript(text, "fuzz.scribera", &commands, &error)) return false;
    scribera::PanelService::Instance().Reset();
    scribera::cli::PlayOptions options;
    options.pluginPath = kSelf;
    options.scriptDir = ScratchFolder();
    options.outputDir = ScratchFolder();
    options.sessionName = "play";
    options.hostFolder = ZARVO_FUZZ_BRIDGE_FOLDER;
    scribera::Session session;
    scribera::cli::Player player(session, options);
    player.Play(commands, "fuzz.scribera", &error);
    scribera::PanelService::Instance().Reset();
    // A plug-in that never started would make every run pass.
    if (session.Registry().tools.empty()) {
        std::fprintf(stderr, "the plug-in did not start: %s\n", error.c_str());
        std::abort();
    }
    return true;
}

StartedPlugin::StartedPlugin(double width, double height) {
    KeepBridgeMapped();
    session.MakeCurrent();
    scribera::PanelService::Instance().Reset();
    session.NewDocument(width, height);
    session.Desktop().hostFolder = ZARVO_FUZZ_BRIDGE_FOLDER;
    session.Desktop().desk.profileFolder = ScratchFolder() + "/profile";
    std::string error;
    if (!host.Load(kSelf, &error) || host.Startup() != SB_OK) std::abort();
}

StartedPlugin::~StartedPlugin() {
    if (host.IsRunning()) host.Shutdown();
    scribera::PanelService::Instance().Reset();
}

}  // namespace fuzzhost
