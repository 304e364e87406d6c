// The stand-in host with the built plug-in: loading, the start-up and shut-down sequences, unload
// and reload, the desktop, and whole scenarios played by the scribera command.
#include "desk/Desk.h"
#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <dlfcn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

using namespace scribera;

namespace {

std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

struct CommandRun {
    int status;
    std::string output;
};

// Runs the scribera command, capturing what it prints on both streams.
CommandRun Scribera(const std::string& arguments) {
    std::string command =
        "'" + testenv::ScriberaExe() + "' " + arguments + " --plugin '" + testenv::PluginPath() + "' 2>&1";
    CommandRun r{-1, ""};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) return r;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) r.output.append(buffer, n);
    int status = pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

// Whether any object in the tree, at any depth, passes `test`.
template <class Json, class Test>
bool AnyObject(const Json& tree, const Test& test) {
    if (tree.is_object() && test(tree)) return true;
    if (!tree.is_structured()) return false;
    for (const auto& item : tree)
        if (AnyObject(item, test)) return true;
    return false;
}

std::string WriteScript(const std::string& dir, const std::string& name, const std::string& text) {
    std::string path = dir + "/" + name;
    std::ofstream(path) << text;
    return path;
}

}  // namespace

TEST(HostSession, StartupRegistersAndShutdownReleasesEverything) {
    hosted::HostedPlugin plugin(hosted::HostedOptions().NotLoaded().NoPanelBridge());
    Session& session = plugin.session;
    PluginHost& host = plugin.host;
    std::string error;
    EXPECT_FALSE(host.Load("/nonexistent/libnothing.so", &error));
    EXPECT_NE(error.find("/nonexistent/libnothing.so"), std::string::npos);
    ASSERT_TRUE(host.Load(testenv::PluginPath(), &error)) << error;
    EXPECT_FALSE(host.Load(testenv::PluginPath(), &error));

    ASSERT_EQ(host.Startup(), SB_OK);
    ASSERT_TRUE(host.IsRunning());
    EXPECT_EQ(session.Registry().pluginName, "Zarvo");
    EXPECT_EQ(session.Registry().tools.size(), 13u);
    EXPECT_GT(session.SuitesHeld(), 0);
    // The plug-in finds the desktop among the program's symbols.
    EXPECT_EQ(dlsym(RTLD_DEFAULT, SB_DESK_TABLE_SYMBOL), reinterpret_cast<void*>(&ScriberaDeskTable));

    // Unloaded: messages reach no handler and the object stays in the globals slot.
    void* object = host.Globals();
    ASSERT_EQ(host.Unload(), SB_OK);
    EXPECT_EQ(host.Globals(), object);
    size_t tools = session.Registry().tools.size();
    EXPECT_EQ(host.SelectTool(session.Registry().tools[0].id), SB_OK);
    ASSERT_EQ(host.Reload(), SB_OK);
    EXPECT_EQ(host.Globals(), object);
    EXPECT_EQ(session.Registry().tools.size(), tools);

    ASSERT_EQ(host.Shutdown(), SB_OK);
    EXPECT_FALSE(host.IsRunning());
    EXPECT_EQ(session.SuitesHeld(), 0);
    EXPECT_TRUE(session.Shown().results.empty());
    // A message after shut-down is answered without an object.
    EXPECT_EQ(host.SelectTool(session.Registry().tools[0].id), SB_OK);
}

TEST(HostSession, DesktopKeysMessagesClockAndCursor) {
    Session session;
    session.MakeCurrent();
    const SBDeskTable* desk = ScriberaDeskTable();
    ASSERT_EQ(desk->version, SB_DESK_TABLE_VERSION);
    int32_t up = desk::KeyCode("Up");
    EXPECT_EQ(up, 0x26);
    EXPECT_EQ(desk::KeyCode("T"), 0x54);
    EXPECT_EQ(desk::KeyCode("Space"), -1);

    EXPECT_EQ(desk->GetAsyncKeyState(up), 0);
    desk::PressKey(session.Desktop().desk, up);
    EXPECT_NE(desk->GetAsyncKeyState(up), 0);
    desk::ReleaseKey(session.Desktop().desk, up);
    EXPECT_EQ(desk->GetAsyncKeyState(up), 0);
    // Pressed and released between two queries still counts once.
    desk::PressKey(session.Desktop().desk, up);
    desk::ReleaseKey(session.Desktop().desk, up);
    EXPECT_NE(desk->GetAsyncKeyState(up), 0);
    EXPECT_EQ(desk->GetAsyncKeyState(up), 0);

    // Four keyboard messages are queued; a drain removes them all and then finds none.
    session.Desktop().desk.messageQueue.push_back(15);  // not a keyboard message
    int removed = 0;
    while (desk->RemoveQueuedMessage(SB_DESK_FIRST_KEY_MESSAGE, SB_DESK_LAST_KEY_MESSAGE)) ++removed;
    EXPECT_EQ(removed, 4);
    EXPECT_EQ(session.Desktop().desk.messageQueue.size(), 1u);

    int64_t before = desk->ClockSeconds();
    desk->Sleep(2500);
    EXPECT_EQ(desk->ClockSeconds(), before + 2);
    EXPECT_EQ(session.Desktop().desk.clockMilliseconds % 1000, 500);

    void* cross = desk->LoadSystemCursor(32515);
    ASSERT_NE(cross, nullptr);
    desk->SetCursor(cross);
    EXPECT_EQ(desk->LoadSystemCursor(4), nullptr);
    EXPECT_EQ(session.Desktop().desk.cursorLog, (std::vector<std::string>{"load 32515", "set 32515", "load 4"}));

    char small[4];
    session.Desktop().desk.profileFolder = "/tmp/some/profile";
    EXPECT_NE(desk->GetProfileFolder(small, sizeof small), 0);
    char path[64];
    ASSERT_EQ(desk->GetProfileFolder(path, sizeof path), 0);
    EXPECT_STREQ(path, "/tmp/some/profile");
}

TEST(HostSession, ScenarioPlayedByTheCommand) {
    std::string dir = testenv::MakeTempDir("host-play");
    std::string icon = testenv::CorpusDir() + "/bootstrap-icons/heart-half.svg";
    std::string script = WriteScript(dir, "play.scribera",
                                     "document 32 32\n"
                                     "page-origin 1 2\n"
                                     "fill rgb 1 0 0\n"
                                     "path closed 1,1 5,1 5,5\n"
                                     "import \"" +
                                         icon +
                                         "\"\n"
                                         "select 1\n"
                                         "tool Rose\n"
                                         "key Up down\n"
                                         "mod shift on\n"
                                         "record on\n"
                                         "save mid.svg\n"
                                         "undo\n");
    CommandRun r = Scribera("play '" + script + "' --svg '" + dir + "/out.svg' --json '" + dir + "/out.json'");
    ASSERT_EQ(r.status, 0) << r.output;
    nlohmann::json dump = hosted::ReadJson(dir + "/out.json");
    // The selection was undone; the path and the icon stay.
    EXPECT_EQ(dump["undo"], nlohmann::json({"Undo Path", "Undo Import"})) << dump;
    EXPECT_EQ(dump["document"]["pageOrigin"], nlohmann::json({1, 2}));
    EXPECT_FALSE(AnyObject(dump, [](const nlohmann::json& o) { return o.value("selected", false); }));
    EXPECT_TRUE(AnyObject(dump["art"], [](const nlohmann::json& o) {
        return o.value("kind", "") == "path" && o.contains("selected") && o["selected"] == false &&
               o.value("closed", false) && o.contains("anchors") && !o["anchors"].empty() &&
               o["anchors"][0].value("p", nlohmann::json()) == nlohmann::json({1, 1});
    }));
    EXPECT_NE(Read(dir + "/mid.svg").find("scribera:selected=\"1\""), std::string::npos);
    EXPECT_NE(Read(dir + "/out.svg").find("<path"), std::string::npos);
    // The session's profile folder is a temporary one, not left beside the output (the command
    // line tests keep it with --keep-profile).
    EXPECT_FALSE(std::filesystem::exists(dir + "/play-profile"));
    std::filesystem::remove_all(dir);
}

TEST(HostSession, BadScriptsFailWithTheirLine) {
    std::string dir = testenv::MakeTempDir("host-bad");
    std::string bad = WriteScript(dir, "bad.scribera", "document 10 10\npath 0,0 1,1\nwiggle 3\n");
    CommandRun r = Scribera("play '" + bad + "' --json '" + dir + "/never.json'");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find(bad + ":3: unknown command 'wiggle'"), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(dir + "/never.json"));

    // Errors found while playing name their line too, and a hostile file names itself.
    std::ofstream(dir + "/evil.svg") << "<svg xmlns='http://www.w3.org/2000/svg'><path d='M0 0L1e999 0'/></svg>";
    std::string late = WriteScript(dir, "late.scribera", "document 10 10\nselect 4\n");
    r = Scribera("play '" + late + "'");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find(late + ":2: no object 4"), std::string::npos) << r.output;
    std::string evil = WriteScript(dir, "evil.scribera", "document 10 10\n\nimport evil.svg\n");
    r = Scribera("play '" + evil + "'");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find(evil + ":3: " + dir + "/evil.svg: bad path data"), std::string::npos) << r.output;
    std::string later = WriteScript(dir, "later.scribera", "document 10 10\neffect Mirror...\n");
    r = Scribera("play '" + later + "'");
    EXPECT_NE(r.output.find(":2: 'effect' needs a selection"), std::string::npos) << r.output;
    std::string drag = WriteScript(dir, "drag.scribera", "document 10 10\ntool Rose\ndrag 1 1\n");
    r = Scribera("play '" + drag + "'");
    EXPECT_NE(r.output.find(":3: 'drag' without 'down'"), std::string::npos) << r.output;

    r = Scribera("play");
    EXPECT_EQ(r.status, 2);
    r = Scribera("play '" + dir + "/missing.scribera'");
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find("missing.scribera: cannot be read"), std::string::npos);
    std::filesystem::remove_all(dir);
}

TEST(HostSession, InfoListsWhatThePluginRegistered) {
    CommandRun r = Scribera("info");
    ASSERT_EQ(r.status, 0) << r.output;
    // In the order written: the plug-in's name comes first.
    auto info = nlohmann::ordered_json::parse(r.output, nullptr, false);
    ASSERT_TRUE(info.is_object()) << r.output;
    ASSERT_FALSE(info.empty());
    EXPECT_EQ(info.begin().key(), "name");
    EXPECT_EQ(info["name"], "Zarvo");
    const auto& tools = info["tools"];
    EXPECT_TRUE(AnyObject(tools, [](const auto& t) { return t.value("name", "") == "Rose" && t.contains("number"); }));
    EXPECT_TRUE(AnyObject(tools, [](const auto& t) { return t.value("icon", 0) == 16076; }));
    EXPECT_TRUE(AnyObject(
        info["menus"], [](const auto& m) { return m.value("effect", "") == "Mirror..." && m.contains("category"); }));
    const nlohmann::ordered_json toolKey = {{"key", "tool"}, {"name", ""}, {"type", "long"}, {"shown", false}};
    EXPECT_TRUE(AnyObject(info["actions"], [&](const auto& k) { return k == toolKey; }));
    EXPECT_TRUE(AnyObject(info["notifiers"],
                          [](const auto& n) { return n.value("type", "") == "SB Application Started Notifier"; }));
}

TEST(HostSession, PlayerSwitchesToolsAndClosesEveryDrag) {
    auto p = hosted::Play(
        "document 100 100\n"
        "tool Rose\n"
        "tool Wave\n"
        "down 10 10\n"
        "drag 40 40 steps 3\n"
        "up\n"
        "click 5 5\n",
        hosted::HostedOptions().NoPanelBridge().Tracing());
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_FALSE(p->runningAfterPlay);
    EXPECT_FALSE(p->Doc().InTransaction());
    const Session& session = p->session;
    EXPECT_EQ(session.Registry().tools[1].name, "Wave");
    EXPECT_EQ(session.Registry().selectedTool, session.Registry().tools[1].id);
    EXPECT_EQ(session.SuitesHeld(), 0);
    EXPECT_TRUE(session.StaleHandleLog().empty());
}
