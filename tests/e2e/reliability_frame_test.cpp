// What start-up takes and what a reload or shut-down gives back, the preferences file's place and
// the panel bridge's folder, when a host call fails or the host hands out an unusable folder.
#include "core/Document.h"
#include "core/PluginHost.h"
#include "core/Session.h"
#include "core/panels/PanelService.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;
using scribera::Id;
using scribera::PanelService;

struct Host {
    scribera::Session session;
    scribera::PluginHost host{session};
    std::string profile;

    // Starts the plug-in with the bridge in `bridgeFolder`, unless `start` is false.
    explicit Host(const std::string& bridgeFolder = SCRIBERA_BRIDGE_FOLDER, bool start = true) {
        session.MakeCurrent();
        PanelService::Instance().Reset();
        session.NewDocument(400, 400);
        session.Desktop().hostFolder = bridgeFolder;
        profile = testenv::MakeTempDir("reliability-profile");
        session.Desktop().desk.profileFolder = profile;
        std::string error;
        if (!host.Load(testenv::PluginPath(), &error)) ADD_FAILURE() << error;
        if (start) {
            EXPECT_EQ(host.Startup(), 0);
        }
    }
    ~Host() {
        if (host.IsRunning()) host.Shutdown();
        PanelService::Instance().Reset();
        std::error_code ec;
        fs::remove_all(profile, ec);
    }
    Id Tool(const std::string& name) const {
        for (const auto& t : session.Registry().tools)
            if (t.name == name) return t.id;
        ADD_FAILURE() << "no tool " << name;
        return scribera::kNoId;
    }
    SBErr Pick(const std::string& name) {
        session.Registry().selectedTool = Tool(name);
        return host.SelectTool(session.Registry().selectedTool);
    }
    size_t TopLevelCount() { return session.Doc().Children(session.Doc().CurrentLayerGroup()).size(); }
    // A rose dragged out: one message after another, as the host sends them.
    SBErr DragRose() {
        const Id rose = Tool("Rose");
        SBErr result = host.MouseDown(rose, {200, 200});
        if (result == 0) result = host.MouseDrag(rose, {260, 200});
        if (result == 0) result = host.MouseUp(rose, {260, 200});
        return result;
    }
};

constexpr SBErr kRefused = 0x21535554;  // any code a host may fail a call with

}  // namespace

// A reload that cannot acquire a suite leaves the plug-in answering: the suites are acquired again
// by the next message, which says so when that fails too; what start-up took goes back at shut-down.
TEST(ReliabilityFrame, SuiteMissingAtReloadIsAcquiredAgainOrReported) {
    Host h;
    ASSERT_EQ(h.Pick("Rose"), 0);
    ASSERT_EQ(h.session.Desktop().cursorResourcesHeld, 1);
    EXPECT_EQ(h.host.Unload(), 0);
    h.session.Faults().Arm("Basic.AcquireSuite:SB Art", 1, kRefused);
    EXPECT_NE(h.host.Reload(), 0);

    // Still missing: the message is answered with the failure, not 0 with nothing done.
    h.session.Faults().Arm("Basic.AcquireSuite:SB Art", 1, kRefused);
    EXPECT_NE(h.host.MouseDown(h.Tool("Rose"), {200, 200}), 0);
    h.host.MouseUp(h.Tool("Rose"), {200, 200});

    // Acquired again: the tool draws.
    EXPECT_EQ(h.DragRose(), 0);
    EXPECT_EQ(h.TopLevelCount(), 1u);

    EXPECT_EQ(h.host.Shutdown(), 0);
    EXPECT_EQ(h.session.Desktop().cursorResourcesHeld, 0);
    EXPECT_EQ(h.session.SuitesHeld(), 0);
}

TEST(ReliabilityFrame, SuitesLostAtReloadStillReleaseTheCursorAtShutdown) {
    Host h;
    ASSERT_EQ(h.session.Desktop().cursorResourcesHeld, 1);
    EXPECT_EQ(h.host.Unload(), 0);
    h.session.Faults().Arm("Basic.AcquireSuite:SB Art", 1, kRefused);
    EXPECT_NE(h.host.Reload(), 0);
    h.host.Shutdown();
    EXPECT_EQ(h.session.Desktop().cursorResourcesHeld, 0);
    EXPECT_EQ(h.session.SuitesHeld(), 0);
}

// One release that fails does not keep the others: the rest go back, the failure is reported.
TEST(ReliabilityFrame, OneFailingReleaseAtShutdownDoesNotStopTheOthers) {
    Host h;
    ASSERT_GT(h.session.SuitesHeld(), 10);
    h.session.Faults().Arm("Basic.ReleaseSuite:XQ Access", 1, kRefused);
    EXPECT_EQ(h.host.Shutdown(), kRefused);
    EXPECT_EQ(h.session.SuitesHeld(), 1);  // only the one whose release failed
}

// A clean shut-down gives back every lock on the code (start-up's and each panel controller's), the
// access handle that stood for them and the globals block; a start-up that fails part-way gives
// them back at once, as no shut-down follows it.
TEST(ReliabilityFrame, ShutdownAndFailedStartupGiveBackTheLockAndTheBlock) {
    {
        Host h;
        ASSERT_EQ(h.Pick("Rose"), 0);
        EXPECT_EQ(h.DragRose(), 0);
        EXPECT_EQ(h.host.EditOptions(h.Tool("Rose")), 0);
        EXPECT_EQ(h.session.Desktop().accessHeld, 1);
        EXPECT_EQ(h.session.Memory().BlocksHeld(), 1u);
        EXPECT_EQ(h.host.Shutdown(), 0);
        EXPECT_EQ(h.session.Desktop().accessHeld, 0);
        EXPECT_EQ(h.session.Memory().BlocksHeld(), 0u);
        EXPECT_EQ(h.session.Handles().KeptCount(), 0u);
        EXPECT_EQ(h.session.SuitesHeld(), 0);
    }
    for (const char* failing : {"SB Action Manager Suite.SetActionParamTypeKey", "SB Live Effect Suite.AddLiveEffectMenuItem"}) {
        SCOPED_TRACE(failing);
        Host h(SCRIBERA_BRIDGE_FOLDER, false);
        h.session.Faults().Arm(failing, 1, kRefused);
        EXPECT_EQ(h.host.Startup(), kRefused);
        EXPECT_FALSE(h.host.IsRunning());
        EXPECT_EQ(h.session.Desktop().accessHeld, 0);
        EXPECT_EQ(h.session.Memory().BlocksHeld(), 0u);
        EXPECT_EQ(h.session.Handles().KeptCount(), 0u);
        EXPECT_EQ(h.session.SuitesHeld(), 0);
    }
}

// A block the host will not take back is reported; the suites and the lock still go back.
TEST(ReliabilityFrame, AFailingBlockReleaseAtShutdownIsReportedAndStopsNothingElse) {
    Host h;
    h.session.Faults().Arm("SB Block Suite.DisposeBlock", 1, kRefused);
    EXPECT_EQ(h.host.Shutdown(), kRefused);
    EXPECT_EQ(h.session.SuitesHeld(), 0);
    EXPECT_EQ(h.session.Desktop().accessHeld, 0);
}

// Without a profile folder nothing is written (the path would be the file-system root), and the
// panel still opens.
TEST(ReliabilityFrame, NoProfileFolderSkipsThePreferencesAndOpensThePanel) {
    Host h;
    h.session.Desktop().desk.profileFolder.clear();
    ASSERT_EQ(h.Pick("Rose"), 0);
    EXPECT_EQ(h.host.EditOptions(h.Tool("Rose")), 0);
    const auto opened = PanelService::Instance().Opened();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_TRUE(h.session.Shown().alerts.empty());
    EXPECT_TRUE(fs::is_empty(h.profile));
}

// A bridge folder that is not absolute would load whatever library of that name the current folder
// or the search order holds: the plug-in goes without panels instead.
TEST(ReliabilityFrame, BridgeFromAFolderThatIsNotAbsoluteIsRefused) {
    const fs::path relative = fs::relative(SCRIBERA_BRIDGE_FOLDER, fs::current_path());
    ASSERT_FALSE(relative.empty());
    ASSERT_TRUE(relative.is_relative());
    for (const std::string& folder : {relative.string(), std::string()}) {
        Host h(folder);
        ASSERT_EQ(h.Pick("Rose"), 0);
        h.host.EditOptions(h.Tool("Rose"));
        EXPECT_TRUE(PanelService::Instance().Opened().empty()) << "'" << folder << "'";
        // The tool itself still works.
        EXPECT_EQ(h.DragRose(), 0);
        EXPECT_EQ(h.TopLevelCount(), 1u);
    }
    // The same folder given absolute binds the panels.
    Host fine(fs::absolute(relative).string());
    ASSERT_EQ(fine.Pick("Rose"), 0);
    fine.host.EditOptions(fine.Tool("Rose"));
    EXPECT_EQ(PanelService::Instance().Opened().size(), 1u);
}
