// What the plug-in registers at start-up, as `scribera info` prints it and as the host's
// registries hold it.
#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

namespace {

using nlohmann::json;

const std::vector<std::string> kTools = {"Rose",   "Wave", "Rhombus", "Spiral", "GoldenRect", "Grid", "PolarMesh",
                                         "Mirror", "Cut",  "RectCut", "Tile",   "Rosette",    "Spike"};
const std::vector<std::string> kEffects = {"Mirror...", "Cut...", "Rectangle cut..."};

struct Key {
    std::string key, name, type;
    bool shown;
};
struct Action {
    std::string event;
    std::vector<Key> keys;
};

std::vector<Action> ExpectedActions() {
    const Key cx{"cntx", "Centre X:", "real", true}, cy{"cnty", "Centre Y:", "real", true};
    const Key w{"wdth", "Width:", "real", true}, h{"hght", "Height:", "real", true};
    const Key mity{"mity", "", "long", false};
    const std::vector<Key> mirror = {
        cx, cy, {"rota", "Rotate:", "real", true}, mity, {"flpa", "Flip again:", "bool", true}};
    return {
        {"sb_plugin_zarvo_rose",
         {{"tool", "", "long", false},
          cx,
          cy,
          {"rdus", "Radius:", "real", true},
          {"lobs", "Lobes:", "long", true},
          {"lwdt", "Lobe width:", "real", true}}},
        {"sb_plugin_zarvo_wave", {cx, cy, w, h, {"wavs", "Waves:", "long", true}}},
        {"sb_plugin_zarvo_rhombus", {cx, cy, w, h}},
        {"sb_plugin_zarvo_spiral",
         {cx,
          cy,
          {"sprd", "Radius:", "real", true},
          {"sptu", "Turns:", "long", true},
          {"spfe", "Fermat:", "bool", true}}},
        {"sb_plugin_zarvo_grect", {cx, cy, w, h}},
        {"sb_plugin_zarvo_grid",
         {cx,
          cy,
          w,
          h,
          {"nsqx", "Squares x:", "long", true},
          {"nsqy", "Squares y:", "long", true},
          {"csqs", "Create as squares:", "bool", true}}},
        {"sb_plugin_zarvo_polar_mesh",
         {cx,
          cy,
          {"pmor", "Outer radius:", "real", true},
          {"pmir", "Inner radius:", "real", true},
          {"pmrp", "Radial points :", "long", true},
          {"pmcp", "Circle points :", "long", true},
          {"pmpo", "Polygon :", "bool", true},
          {"pmcm", "Colour mode :", "long", true}}},
        {"sb_plugin_zarvo_mirror", mirror},
        {"sb_plugin_zarvo_cut", mirror},
        {"sb_plugin_zarvo_rectangle_cut", {cx, cy, w, h, mity}},
    };
}

std::string RunInfo() {
    std::string command = testenv::ScriberaExe() + " info";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return "";
    std::string out;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    int status = pclose(pipe);
    EXPECT_EQ(status, 0) << out;
    return out;
}

// The array under `key`; empty when there is none.
json Items(const json& tree, const std::string& key) {
    const auto it = tree.find(key);
    return it != tree.end() && it->is_array() ? *it : json::array();
}

class FrameInfo : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        *info_ = json::parse(RunInfo(), nullptr, false);
        if (info_->is_discarded()) {
            ADD_FAILURE() << "scribera info printed no JSON";
            *info_ = json::object();
        }
    }
    static json* info_;
};
json* FrameInfo::info_ = new json;

TEST_F(FrameInfo, ToolsInOrderWithIconsGroupsAndToolsets) {
    const json& info = *info_;
    EXPECT_EQ(info.value("name", std::string("")), "Zarvo");
    json tools = Items(info, "tools");
    ASSERT_EQ(tools.size(), kTools.size());
    std::set<int> numbers;
    for (size_t i = 0; i < tools.size(); ++i) {
        SCOPED_TRACE(kTools[i]);
        EXPECT_EQ(tools[i].value("name", std::string("")), kTools[i]);
        EXPECT_EQ(tools[i].value("icon", 0), 16064 + static_cast<int>(i));
        EXPECT_EQ(tools[i].value("options", 0), 1);
        numbers.insert(tools[i].value("number", -1));
    }
    EXPECT_EQ(numbers.size(), kTools.size());
    const int rose = tools[0].at("number").get<int>(), mirror = tools[7].at("number").get<int>();
    for (size_t i = 0; i < tools.size(); ++i) {
        SCOPED_TRACE(kTools[i]);
        // One group for all thirteen; the mirror starts the second toolset.
        EXPECT_EQ(tools[i].value("group", -1), rose);
        EXPECT_EQ(tools[i].value("toolset", -1), i < 7 ? rose : mirror);
    }
}

TEST_F(FrameInfo, EffectsMenusAndNotifiers) {
    const json& info = *info_;
    json effects = Items(info, "effects");
    ASSERT_EQ(effects.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(kEffects[i]);
        EXPECT_EQ(effects[i].value("name", std::string("")), kEffects[i]);
        EXPECT_EQ(effects[i].value("title", std::string("")), kEffects[i]);
        EXPECT_EQ(effects[i].value("major", -1), 1);
        EXPECT_EQ(effects[i].value("minor", -1), 0);
        EXPECT_EQ(effects[i].value("inputs", -1), 7);
        EXPECT_EQ(effects[i].value("filters", -1), 2);
    }
    json menus = Items(info, "menus");
    ASSERT_EQ(menus.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(menus[i].value("effect", std::string("")), kEffects[i]);
        EXPECT_EQ(menus[i].value("category", std::string("")), "Zarvo");
        EXPECT_EQ(menus[i].value("title", std::string("")), kEffects[i]);
    }
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Zarvo App Started Notifier", "SB Application Started Notifier"},
        {"Zarvo SB Panelux Relayzen Setup Complete", "SB Panelux Relayzen Setup Complete"},
        {"Zarvo", "SB Application Shutdown Notifier"},
        {"Startup", "SB Application Started Notifier"},
    };
    json notifiers = Items(info, "notifiers");
    ASSERT_EQ(notifiers.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(notifiers[i].value("name", std::string("")), expected[i].first);
        EXPECT_EQ(notifiers[i].value("type", std::string("")), expected[i].second);
    }
}

TEST_F(FrameInfo, ActionsWithKeysTypesAndShownFlags) {
    json actions = Items(*info_, "actions");
    const std::vector<Action> expected = ExpectedActions();
    ASSERT_EQ(actions.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].event);
        EXPECT_EQ(actions[i].value("event", std::string("")), expected[i].event);
        json keys = Items(actions[i], "keys");
        ASSERT_EQ(keys.size(), expected[i].keys.size());
        for (size_t k = 0; k < keys.size(); ++k) {
            const Key& want = expected[i].keys[k];
            SCOPED_TRACE(want.key);
            EXPECT_EQ(keys[k].value("key", std::string("")), want.key);
            EXPECT_EQ(keys[k].value("name", std::string("?")), want.name);
            EXPECT_EQ(keys[k].value("type", std::string("")), want.type);
            EXPECT_EQ(keys[k].value("shown", !want.shown), want.shown);
        }
    }
}

// What `scribera info` leaves out: titles, alternate icons, menu enabling, action display names,
// the host-side name and the start-up progress text.
TEST(FrameRegistration, HostRecordsTheRestOfEachRegistration) {
    hosted::HostedPlugin plugin(hosted::HostedOptions().NoPanelBridge().NoProfile());
    ASSERT_TRUE(plugin.Failures().empty());
    scribera::Session& session = plugin.session;
    scribera::PluginHost& host = plugin.host;

    EXPECT_EQ(session.Registry().pluginName, "Zarvo");
    ASSERT_EQ(session.Registry().startupTexts.size(), 1u);
    EXPECT_EQ(session.Registry().startupTexts[0], "Initialising Zarvo");

    ASSERT_EQ(session.Registry().tools.size(), kTools.size());
    for (size_t i = 0; i < kTools.size(); ++i) {
        const auto& tool = session.Registry().tools[i];
        SCOPED_TRACE(kTools[i]);
        EXPECT_EQ(tool.title, kTools[i]);
        EXPECT_EQ(tool.tooltip, kTools[i]);
        EXPECT_EQ(tool.alternateIcon, tool.icon);
        EXPECT_EQ(tool.plugin, host.Reference());
    }

    ASSERT_EQ(session.Registry().menuItems.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        const auto& item = session.Registry().menuItems[i];
        EXPECT_EQ(item.itemName, "Zarvo");
        EXPECT_EQ(item.options, 0);
        EXPECT_EQ(item.effect, session.Registry().liveEffects[i].id);
        EXPECT_TRUE(item.autoEnable);
        EXPECT_EQ(item.enableAction, 1);
        const int32_t criteria[6] = {0, 0, 0x400002, 0, 0, 0};
        for (int c = 0; c < 6; ++c) EXPECT_EQ(item.criteria[c], criteria[c]) << c;
    }

    const std::vector<std::string> displayNames = {
        "Zarvo Rose", "Zarvo Wave",       "Zarvo Rhombus", "Zarvo Spiral", "Zarvo Golden Rectangle",
        "Zarvo Grid", "Zarvo Polar Mesh", "Zarvo Mirror",  "Zarvo Cut",    "Zarvo Rectangle Cut"};
    ASSERT_EQ(session.Registry().actionEvents.size(), displayNames.size());
    for (size_t i = 0; i < displayNames.size(); ++i) {
        EXPECT_EQ(session.Registry().actionEvents[i].displayName, displayNames[i]);
        EXPECT_EQ(session.Registry().actionEvents[i].version, 1);
        EXPECT_EQ(session.Registry().actionEvents[i].flags, 0);
        EXPECT_EQ(session.Registry().actionEvents[i].plugin, host.Reference());
    }
    EXPECT_EQ(host.Shutdown(), 0);
    EXPECT_TRUE(session.Shown().results.empty());
}

}  // namespace
