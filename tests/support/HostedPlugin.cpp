#include "support/HostedPlugin.h"

#include "cli/Script.h"
#include "desk/Desk.h"
#include "io/Dump.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace hosted {

namespace {

std::string ReadFile(const std::string& path, bool* found) {
    std::ifstream in(path, std::ios::binary);
    *found = bool(in);
    std::stringstream text;
    if (*found) text << in.rdbuf();
    return text.str();
}

void RemoveFolder(const std::string& folder) {
    if (folder.empty()) return;
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
}

}  // namespace

HostedPlugin::HostedPlugin(const HostedOptions& options) { SetUp(options); }

HostedPlugin::HostedPlugin(const std::string& tool, const HostedOptions& options) {
    SetUp(options);
    if (const SBErr result = Pick(tool)) Fail("picking " + tool + " answered " + std::to_string(result));
}

void HostedPlugin::SetUp(const HostedOptions& options) {
    session.MakeCurrent();
    // The plug-in's platform layer looks the desktop up among the process's symbols; naming it
    // here keeps it linked into every program that hosts the plug-in.
    if (!ScriberaDeskTable()) Fail("no stand-in desktop");
    PanelService::Instance().Reset();
    session.NewDocument(options.width, options.height);
    session.SetTracing(options.trace);
    if (options.panelBridge) session.Desktop().hostFolder = SCRIBERA_BRIDGE_FOLDER;
    if (options.profile) session.Desktop().desk.profileFolder = profile_ = testenv::MakeTempDir("profile");
    if (!options.load) return;
    std::string error;
    if (!host.Load(testenv::PluginPath(), &error)) {
        Fail(error);
        return;
    }
    if (!options.start) return;
    if (const SBErr result = host.Startup()) Fail("start-up answered " + std::to_string(result));
}

HostedPlugin::~HostedPlugin() {
    if (host.IsRunning()) host.Shutdown();
    PanelService::Instance().Reset();
    RemoveFolder(profile_);
}

void HostedPlugin::Fail(const std::string& what) const {
    failures_.push_back(what);
    ADD_FAILURE() << what;
}

Id HostedPlugin::ToolId(const std::string& name) const {
    for (const auto& t : session.Registry().tools)
        if (t.name == name) return t.id;
    Fail("no tool " + name);
    return scribera::kNoId;
}

SBErr HostedPlugin::Pick(const std::string& name) {
    session.Registry().selectedTool = ToolId(name);
    return host.SelectTool(session.Registry().selectedTool);
}

void HostedPlugin::Drag(SBRealPoint from, SBRealPoint to, int steps) {
    if (const SBErr result = Down(from)) return Fail("mouse down answered " + std::to_string(result));
    for (int i = 0; i < steps; ++i)
        if (const SBErr result = DragTo(to)) return Fail("drag step answered " + std::to_string(result));
    if (const SBErr result = Up(to)) Fail("mouse up answered " + std::to_string(result));
}

SBErr HostedPlugin::Click(double h, double v) {
    const SBErr down = Down({h, v});
    const SBErr up = Up({h, v});
    Pump();
    return down ? down : up;
}

SBErr HostedPlugin::EditOptions() {
    const SBErr result = host.EditOptions(Picked());
    Pump();
    return result;
}

void HostedPlugin::Answer(PanelScript::Kind kind, const std::string& text) {
    PanelScript script;
    script.kind = kind;
    script.text = text;
    PanelService::Instance().QueueScript(script);
}

void HostedPlugin::Pump() {
    host.DeliverPanelEvents();
    if (PanelService::Instance().HasPending()) Fail("panel events keep coming");
}

std::string HostedPlugin::LastSent() const {
    const auto& opened = PanelService::Instance().Opened();
    return opened.empty() ? std::string("<none>") : opened.back().sent;
}

SBActionParamValueRef HostedPlugin::Value(const std::vector<ActionValue>& values) {
    return scribera::ToHandle<SBActionParamValueRef>(session.NewActionValue(values));
}

Id HostedPlugin::Effect(const std::string& name) const {
    for (const auto& e : session.Registry().liveEffects)
        if (e.name == name) return e.id;
    Fail("no effect " + name);
    return scribera::kNoId;
}

std::vector<const Art*> HostedPlugin::TopArt() {
    std::vector<const Art*> out;
    for (Id id : Doc().Children(Doc().CurrentLayerGroup())) out.push_back(Doc().Find(id));
    return out;
}

const Art& HostedPlugin::Last() { return *TopArt().at(0); }

std::vector<const Art*> HostedPlugin::Paths() {
    std::vector<const Art*> out;
    std::vector<Id> todo = Doc().Children(Doc().CurrentLayerGroup());
    while (!todo.empty()) {
        const Art* a = Doc().Find(todo.back());
        todo.pop_back();
        if (!a) continue;
        if (a->kind == ArtKind::Path) out.push_back(a);
        for (Id c : Doc().Children(a->id)) todo.push_back(c);
    }
    return out;
}

std::string HostedPlugin::Preferences() const {
    bool found = false;
    return ReadFile(session.Desktop().desk.profileFolder + "/ZToolPref.xml", &found);
}

int HostedPlugin::Traced(const std::string& call) const {
    int count = 0;
    for (const std::string& c : session.Trace()) count += c.find(call) != std::string::npos;
    return count;
}

const scribera::Dictionary& HostedPlugin::OnlyDictionary() {
    const auto& instances = session.Effects().instances;
    if (instances.size() != 1) Fail(std::to_string(instances.size()) + " live-effect instances, not one");
    static const scribera::Dictionary none;
    return instances.empty() ? none : instances.begin()->second;
}

nlohmann::json HostedPlugin::Dump() {
    nlohmann::json dump = nlohmann::json::parse(scribera::io::DumpJson(session), nullptr, false);
    if (dump.is_discarded()) Fail("the dump is no JSON");
    return dump;
}

PlayedScript::PlayedScript(const HostedOptions& options)
    : HostedPlugin(HostedOptions(options).NotLoaded().NoProfile()), outputDir(testenv::MakeTempDir("played")) {}

PlayedScript::~PlayedScript() { RemoveFolder(outputDir); }

std::unique_ptr<PlayedScript> Play(const std::string& script, const HostedOptions& options) {
    auto p = std::make_unique<PlayedScript>(options);
    scribera::cli::PlayOptions play;
    play.pluginPath = testenv::PluginPath();
    if (options.panelBridge) play.hostFolder = SCRIBERA_BRIDGE_FOLDER;
    play.outputDir = p->outputDir;
    std::vector<scribera::cli::Command> commands;
    if (!scribera::cli::ParseScript(script, "t.scribera", &commands, &p->error)) return p;
    scribera::cli::Player player(p->session, play);
    p->ok = player.Play(commands, "t.scribera", &p->error);
    p->runningAfterPlay = player.Host().IsRunning();
    return p;
}

nlohmann::json ReadJson(const std::string& path) {
    bool found = false;
    const std::string text = ReadFile(path, &found);
    if (!found) {
        ADD_FAILURE() << path << " cannot be read";
        return nullptr;
    }
    nlohmann::json json = nlohmann::json::parse(text, nullptr, false);
    if (json.is_discarded()) {
        ADD_FAILURE() << path << " holds no JSON";
        return nullptr;
    }
    return json;
}

}  // namespace hosted
