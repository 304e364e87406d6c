// Routing inside the plug-in, with stand-in tool objects in the slots that later tools fill and a
// catalogue whose mode switch and live effects are spies: which object a message reaches, the
// mirror-and-cut mode switch, live effects and playback by code.
#include "support/InProcessHost.h"

#include "frame/Globals.h"
#include "frame/ToolCatalogue.h"
#include "frame/ZarvoPlugin.h"
#include "tools/VTool.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

using scribera::FromHandle;
using scribera::ToHandle;

struct SpyTool : VTool {
    std::vector<std::string> calls;
    std::vector<int32_t> modes;
    bool raise = false;
    SBErr Note(const char* what) {
        calls.push_back(what);
        if (raise) throw std::runtime_error("spy");
        return 0;
    }
    SBErr EditOptions(SBToolMessage*) override { return Note("edit"); }
    SBErr Select(SBToolMessage*) override { return Note("select"); }
    SBErr Deselect(SBToolMessage*) override { return Note("deselect"); }
    SBErr TrackCursor(SBToolMessage*) override { return Note("track"); }
    SBErr MouseDown(SBToolMessage*) override { return Note("down"); }
    SBErr MouseUp(SBToolMessage*) override { return Note("up"); }
    SBErr MouseDrag(SBToolMessage*) override { return Note("drag"); }
};

struct EffectCall {
    std::string effect;
    bool edit;
};
std::vector<EffectCall> gEffectCalls;

class Routing : public ::testing::Test {
protected:
    testhost::InProcessHost host;
    SBPluginRef self = ToHandle<SBPluginRef>(scribera::NewId());
    SBMessageData header{0, self, nullptr, host.Session().BasicSuite()};
    ZarvoPlugin* plugin = nullptr;
    SpyTool rose, mirror;
    // The built-in rows with spies for the mode switch and the effects.
    std::vector<ToolRow> rows;
    ToolCatalogue tools{};

    ToolRow& Row(const std::string& name) {
        for (ToolRow& row : rows)
            if (row.name == name) return row;
        ADD_FAILURE() << name;
        return rows[0];
    }

    void SetUp() override {
        const ToolCatalogue& builtIn = BuiltInToolCatalogue();
        rows.assign(builtIn.begin(), builtIn.end());
        tools = ToolCatalogue{rows.data(), static_cast<int>(rows.size())};
        auto setMode = [](VTool& object, int32_t mode) { static_cast<SpyTool&>(object).modes.push_back(mode); };
        Row("Mirror").setMode = setMode;
        Row("Cut").setMode = setMode;
        Row("Mirror").liveEffect = [](SBLiveEffectMessage*, bool edit) -> SBErr {
            gEffectCalls.push_back({"mirror", edit});
            return 0;
        };
        Row("Cut").liveEffect = [](SBLiveEffectMessage*, bool edit) -> SBErr {
            gEffectCalls.push_back({"cut", edit});
            return 0;
        };
        Row("RectCut").liveEffect = [](SBLiveEffectMessage*, bool edit) -> SBErr {
            gEffectCalls.push_back({"rectangle cut", edit});
            return 0;
        };
        plugin = ZarvoPlugin::Create(self, tools);
        ASSERT_EQ(plugin->OnStartup(&header), 0);
        ASSERT_NE(gZGlobals, nullptr);
        gZGlobals->rose = &rose;
        gZGlobals->mirror = &mirror;
        gEffectCalls.clear();
    }
    void TearDown() override {
        if (gZGlobals) gZGlobals->rose = gZGlobals->mirror = nullptr;
        if (plugin) {
            plugin->OnShutdown(&header);
            delete plugin;
        }
        gZGlobals = nullptr;
    }

    SBToolHandle Tool(const std::string& name) {
        for (const auto& t : host.Session().Registry().tools)
            if (t.name == name) return ToHandle<SBToolHandle>(t.id);
        ADD_FAILURE() << name;
        return nullptr;
    }
    SBToolMessage Message(SBToolHandle tool) {
        SBToolMessage m{};
        m.d = header;
        m.tool = tool;
        m.event = &event;
        return m;
    }
    SBEventRecord event{};
};

TEST_F(Routing, SelectingCutAfterMirrorSwitchesTheSharedObjectAndBack) {
    SBToolMessage m = Message(Tool("Mirror"));
    ASSERT_EQ(plugin->ToolSelect(&m), 0);
    EXPECT_EQ(gZGlobals->mirrorTool, Tool("Mirror"));
    EXPECT_EQ(plugin->MirrorMode(), 0);
    m = Message(Tool("Cut"));
    ASSERT_EQ(plugin->ToolSelect(&m), 0);
    EXPECT_EQ(plugin->MirrorMode(), 1);
    m = Message(Tool("Mirror"));
    ASSERT_EQ(plugin->ToolSelect(&m), 0);
    EXPECT_EQ(plugin->MirrorMode(), 0);
    EXPECT_EQ(mirror.modes, (std::vector<int32_t>{0, 1, 0}));
    EXPECT_EQ(mirror.calls, (std::vector<std::string>{"select", "select", "select"}));
    EXPECT_TRUE(rose.calls.empty());
    // Each selection told the host the tool's info-panel variables.
    EXPECT_EQ(host.Session().Registry().tools[8].infoVariables, (std::vector<int32_t>{15, 16, 10}));

    // Later messages of the cut reach the same object.
    m = Message(Tool("Cut"));
    ASSERT_EQ(plugin->ToolMouseDown(&m), 0);
    ASSERT_EQ(plugin->ToolMouseDrag(&m), 0);
    ASSERT_EQ(plugin->ToolMouseUp(&m), 0);
    EXPECT_EQ(mirror.calls.back(), "up");
    EXPECT_EQ(mirror.calls.size(), 6u);
}

TEST_F(Routing, UnmatchedHandlesFallToTheRoseAndUnbuiltToolsAnswerZero) {
    // Registered but never selected: no active handle, so the rose answers.
    SBToolMessage m = Message(Tool("Tile"));
    ASSERT_EQ(plugin->ToolMouseDown(&m), 0);
    m = Message(ToHandle<SBToolHandle>(scribera::NewId()));
    ASSERT_EQ(plugin->ToolTrackCursor(&m), 0);
    ASSERT_EQ(plugin->ToolSelect(&m), 0);
    m = Message(nullptr);
    ASSERT_EQ(plugin->ToolDeselect(&m), 0);
    EXPECT_EQ(rose.calls, (std::vector<std::string>{"down", "track", "select", "deselect"}));

    // The tile is selected now; it has no object yet, so nothing runs.
    m = Message(Tool("Tile"));
    ASSERT_EQ(plugin->ToolSelect(&m), 0);
    ASSERT_EQ(plugin->ToolMouseDown(&m), 0);
    ASSERT_EQ(plugin->ToolEditOptions(&m), 0);
    EXPECT_EQ(rose.calls.size(), 4u);
    EXPECT_STREQ(plugin->InteractionMode(), "EditTool");
    // No info-panel list for the tile.
    EXPECT_TRUE(host.Session().Registry().tools[10].infoVariables.empty());
}

TEST_F(Routing, AFailingToolShowsTheErrorOnce) {
    rose.raise = true;
    SBToolMessage m = Message(Tool("Rose"));
    EXPECT_EQ(plugin->ToolMouseDown(&m), static_cast<SBErr>(0x45785472));
    EXPECT_EQ(host.Session().Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
}

TEST_F(Routing, LiveEffectsGoToTheirOperationAndOthersAnswerZero) {
    SBLiveEffectMessage e{};
    e.d = header;
    e.effect = gZGlobals->mirrorEffect;
    EXPECT_EQ(plugin->LiveEffectGo(&e), 0);
    e.effect = gZGlobals->cutEffect;
    EXPECT_EQ(plugin->LiveEffectEditParameters(&e), 0);
    e.effect = gZGlobals->rectCutEffect;
    EXPECT_EQ(plugin->LiveEffectGo(&e), 0);
    e.effect = ToHandle<SBLiveEffectHandle>(scribera::NewId());
    EXPECT_EQ(plugin->LiveEffectGo(&e), 0);
    e.effect = nullptr;
    EXPECT_EQ(plugin->LiveEffectEditParameters(&e), 0);
    ASSERT_EQ(gEffectCalls.size(), 3u);
    EXPECT_EQ(gEffectCalls[0].effect, "mirror");
    EXPECT_FALSE(gEffectCalls[0].edit);
    EXPECT_EQ(gEffectCalls[1].effect, "cut");
    EXPECT_TRUE(gEffectCalls[1].edit);
    EXPECT_EQ(gEffectCalls[2].effect, "rectangle cut");

    // Without an operation (the effect not built yet) every request answers 0.
    Row("Mirror").liveEffect = nullptr;
    e.effect = gZGlobals->mirrorEffect;
    EXPECT_EQ(plugin->LiveEffectGo(&e), 0);
    EXPECT_EQ(gEffectCalls.size(), 3u);
}

TEST_F(Routing, PlaybackOfCodesWithoutAToolDoesNothing) {
    auto play = [&](int32_t code, bool dialog) {
        scribera::ActionValue tool;
        tool.key = SB_FOURCC('t', 'o', 'o', 'l');
        tool.integer = code;
        SBActionMessage a{};
        a.d = header;
        a.showDialog = dialog;
        a.params = ToHandle<SBActionParamValueRef>(host.Session().NewActionValue({tool}));
        return plugin->OnDoAction(&a);
    };
    EXPECT_EQ(play(3, true), 0);
    EXPECT_EQ(play(3, false), 0);
    EXPECT_EQ(play(10, true), 0);
    EXPECT_EQ(play(-1, true), 0);
    EXPECT_EQ(play(1 << 30, true), 0);
    EXPECT_STREQ(plugin->InteractionMode(), "Action");
    EXPECT_TRUE(host.Session().Shown().alerts.empty());
    EXPECT_TRUE(rose.calls.empty());
    EXPECT_TRUE(host.Doc().Children(host.Doc().CurrentLayerGroup()).empty());
}

}  // namespace
