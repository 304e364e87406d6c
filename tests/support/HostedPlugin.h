// The built plug-in running in the stand-in host, as the end-to-end tests and the benchmarks drive
// it: a session, the library loaded through PluginMain and started, a tool picked by name, keys and
// modifiers held, mouse gestures, panel answers queued and their events delivered, recorded actions
// played back, and what came of it read back (the top art, the undo entries, the dump as JSON).
// Scenario scripts are played in such a session too. What goes wrong in the set-up or in a helper
// is reported as a test failure and kept in Failures().
#pragma once

#include "core/Document.h"
#include "core/PluginHost.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"

#include <nlohmann/json.hpp>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace hosted {

using scribera::ActionValue;
using scribera::Art;
using scribera::ArtKind;
using scribera::Id;
using scribera::PanelScript;
using scribera::PanelService;

// Virtual-key codes of the keys the tools read while dragging.
constexpr int32_t kUp = 0x26, kDown = 0x28, kLeft = 0x25, kRight = 0x27;

struct HostedOptions {
    double width = 1000, height = 600;  // the document
    bool panelBridge = true;            // the host's folder holds the panel-bridge library
    bool profile = true;                // a fresh profile folder, removed with the session
    bool load = true;                   // the library loaded through PluginMain
    bool start = true;                  // and started up
    bool trace = false;                 // the plug-in's suite calls kept for Traced()

    HostedOptions& Document(double w, double h) {
        width = w;
        height = h;
        return *this;
    }
    HostedOptions& NoPanelBridge() {
        panelBridge = false;
        return *this;
    }
    HostedOptions& NoProfile() {
        profile = false;
        return *this;
    }
    HostedOptions& NotLoaded() {
        load = start = false;
        return *this;
    }
    HostedOptions& NotStarted() {
        start = false;
        return *this;
    }
    HostedOptions& Tracing() {
        trace = true;
        return *this;
    }
};

class HostedPlugin {
public:
    explicit HostedPlugin(const HostedOptions& options = HostedOptions());
    // Started, with `tool` picked.
    explicit HostedPlugin(const std::string& tool, const HostedOptions& options = HostedOptions());
    ~HostedPlugin();
    HostedPlugin(const HostedPlugin&) = delete;
    HostedPlugin& operator=(const HostedPlugin&) = delete;

    // The host's side, for what the helpers below do not cover.
    scribera::Session session;
    scribera::PluginHost host{session};

    scribera::Document& Doc() { return session.Doc(); }
    const std::vector<std::string>& Failures() const { return failures_; }

    // Tools. Pick selects the tool as the user does: the host selects it, then tells the plug-in.
    Id ToolId(const std::string& name) const;
    SBErr Pick(const std::string& name);
    Id Picked() const { return session.Registry().selectedTool; }

    // The mouse on the picked tool, with the keys and modifiers held at the time.
    SBErr Down(SBRealPoint where) { return host.MouseDown(Picked(), where); }
    SBErr DragTo(SBRealPoint where) { return host.MouseDrag(Picked(), where); }
    SBErr Up(SBRealPoint where) { return host.MouseUp(Picked(), where); }
    // Down, `steps` drag steps to the same point, up; the first step that fails ends the gesture.
    void Drag(SBRealPoint from, SBRealPoint to, int steps = 1);
    // Down and up in place, then the panel events that follow.
    SBErr Click(double h, double v);
    // The picked tool's options (its icon double-clicked), then the panel events that follow.
    SBErr EditOptions();
    void Key(int32_t key, bool down) { session.Desktop().desk.keysDown[key] = down; }
    void Modifiers(uint16_t modifiers) { host.SetModifiers(modifiers); }

    // Panels: the answer the next panel that opens gives, and the delivery of pending events.
    void Answer(PanelScript::Kind kind, const std::string& text = "");
    void Pump();
    // What the plug-in sent to the last panel opened ("<none>" when none was).
    std::string LastSent() const;

    // Recorded actions played back: a parameter value from typed values, and the message itself.
    SBActionParamValueRef Value(const std::vector<ActionValue>& values);
    SBErr DoAction(bool showDialog, const std::vector<ActionValue>& values) {
        return host.DoAction(showDialog, Value(values));
    }
    // A registered live effect by name.
    Id Effect(const std::string& name) const;

    // The undo journal: entry names oldest first (redo: the next first), and the steps.
    std::vector<std::string> UndoNames() { return session.Doc().UndoNames(); }
    std::vector<std::string> RedoNames() { return session.Doc().RedoNames(); }
    SBErr Undo() { return session.Doc().Undo(); }
    SBErr Redo() { return session.Doc().Redo(); }

    // The current layer's art, top of the stacking order first; the topmost one.
    std::vector<const Art*> TopArt();
    const Art& Last();
    // Every path in the layer, inside groups and compound paths too.
    std::vector<const Art*> Paths();

    // The preferences file the plug-in wrote in the profile folder ("" when none).
    std::string Preferences() const;
    // How many traced suite calls name `call`.
    int Traced(const std::string& call) const;
    // The one live-effect instance's dictionary.
    const scribera::Dictionary& OnlyDictionary();
    // The session's dump, parsed.
    nlohmann::json Dump();

protected:
    void Fail(const std::string& what) const;

private:
    void SetUp(const HostedOptions& options);

    std::string profile_;
    mutable std::vector<std::string> failures_;
};

// A scenario script played in a session of its own by the host's scenario player, which loads,
// starts and shuts down the plug-in itself; the session stays for inspection.
struct PlayedScript : HostedPlugin {
    explicit PlayedScript(const HostedOptions& options);
    ~PlayedScript();
    bool ok = false;
    std::string error;              // "FILE:LINE: what is wrong" when not ok
    bool runningAfterPlay = false;  // whether the player left the plug-in running
    std::string outputDir;          // where `save`, `dump` and the player's profile went
};
std::unique_ptr<PlayedScript> Play(const std::string& script, const HostedOptions& options = HostedOptions());

// A JSON file (a dump or an export the scribera command wrote), parsed; null with a test failure
// when it is missing or no JSON.
nlohmann::json ReadJson(const std::string& path);

}  // namespace hosted
