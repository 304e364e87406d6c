// A running plug-in in the stand-in host with the panel bridge in place, for the rose's tests:
// tools picked as a user picks them, keys held on the stand-in desktop, panel events delivered
// after each message, one transaction each, as the host does.
#pragma once

#include "core/Document.h"
#include "core/PluginHost.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace rosetest {

using scribera::Art;
using scribera::Id;
using scribera::PanelScript;
using scribera::PanelService;

constexpr int32_t kUp = 0x26, kDown = 0x28, kLeft = 0x25, kRight = 0x27;

struct RoseSession {
    scribera::Session session;
    scribera::PluginHost host{session};
    std::string profile;

    explicit RoseSession(double width = 1000, double height = 600) {
        session.MakeCurrent();
        PanelService::Instance().Reset();
        session.NewDocument(width, height);
        session.Desktop().hostFolder = SCRIBERA_BRIDGE_FOLDER;
        profile = testenv::MakeTempDir("rose-profile");
        session.Desktop().desk.profileFolder = profile;
        std::string error;
        if (!host.Load(testenv::PluginPath(), &error)) ADD_FAILURE() << error;
        EXPECT_EQ(host.Startup(), 0);
    }
    ~RoseSession() {
        if (host.IsRunning()) host.Shutdown();
        PanelService::Instance().Reset();
        std::error_code ec;
        std::filesystem::remove_all(profile, ec);
    }

    scribera::Document& Doc() { return session.Doc(); }

    Id ToolId(const std::string& name) const {
        for (const auto& t : session.Registry().tools)
            if (t.name == name) return t.id;
        ADD_FAILURE() << "no tool " << name;
        return scribera::kNoId;
    }
    // The user picks the tool: the host selects it, then tells the plug-in.
    SBErr Pick(const std::string& name) {
        session.Registry().selectedTool = ToolId(name);
        return host.SelectTool(session.Registry().selectedTool);
    }
    // Delivers every pending panel event, each in a transaction of its own.
    void Pump() {
        for (int guard = 0; guard < 100; ++guard) {
            if (!PanelService::Instance().HasPending()) return;
            Doc().BeginTransaction();
            PanelService::Instance().DeliverNext();
            if (Doc().InTransaction()) Doc().EndTransaction();
        }
        ADD_FAILURE() << "panel events keep coming";
    }
    void Answer(PanelScript::Kind kind, const std::string& text = "") {
        PanelScript script;
        script.kind = kind;
        script.text = text;
        PanelService::Instance().QueueScript(script);
    }
    void Key(int32_t key, bool down) { session.Desktop().desk.keysDown[key] = down; }

    SBErr Click(double h, double v) {
        const Id tool = session.Registry().selectedTool;
        SBErr a = host.MouseDown(tool, {h, v});
        SBErr b = host.MouseUp(tool, {h, v});
        Pump();
        return a ? a : b;
    }
    SBErr EditOptions() {
        SBErr result = host.EditOptions(session.Registry().selectedTool);
        Pump();
        return result;
    }

    // Top-level art, top of the stacking order first.
    std::vector<const Art*> TopArt() {
        std::vector<const Art*> out;
        for (Id id : Doc().Children(Doc().CurrentLayerGroup())) out.push_back(Doc().Find(id));
        return out;
    }
    std::string Preferences() const {
        std::ifstream in(profile + "/ZToolPref.xml");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    std::string LastSent() const {
        const auto& opened = PanelService::Instance().Opened();
        return opened.empty() ? std::string("<none>") : opened.back().sent;
    }
};

}  // namespace rosetest
