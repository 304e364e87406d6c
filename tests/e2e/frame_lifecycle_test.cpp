// The plug-in's life in the stand-in host: start-up, notifications, unload and reload, failure
// reports and shut-down, seen from the host's side.
#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

#include <scribera/SBSuites.h>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <string>
#include <vector>

namespace {

using hosted::HostedOptions;
using hosted::HostedPlugin;
using scribera::Session;

// Every suite the plug-in imports, basic table first.
const std::vector<std::string> kAllSuites = {
    kSBAccessSuite,       kSBPluginsSuite,     kSBNotifierSuite,      kSBContextSuite,     kSBUserSuite,
    kSBFilePathSuite,     kSBFoldersSuite,     kSBFilterSuite,        kSBBlocksSuite,      kSBArtSuite,
    kSBArtStyleSuite,     kSBBlendStyleSuite,  kSBBlockSuite,         kSBCustomColorSuite, kSBDictionarySuite,
    kSBPathSuite,         kSBPathStyleSuite,   kSBRealMathSuite,      kSBRandomSuite,      kSBDocumentSuite,
    kSBDocumentViewSuite, kSBGroupSuite,       kSBGradientSuite,      kSBUndoSuite,        kSBToolSuite,
    kSBLiveEffectSuite,   kSBMatchingArtSuite, kSBActionManagerSuite, kSBMenuSuite,        kSBMeshSuite,
    kSBMeshSegmentSuite,  kSBMeshVertexSuite,  kSBUnicodeStringSuite, kSBMdMemorySuite,    kSBStringFormatUtilsSuite,
    kSBRuntimeSuite,
};

constexpr SBErr kCode = static_cast<SBErr>(SB_FOURCC('X', 'Y', 'Z', '1'));

// Loaded, not started, as a host has it before start-up; without the panel bridge or a profile.
struct Running : HostedPlugin {
    Running() : HostedPlugin(HostedOptions().NotStarted().NoPanelBridge().NoProfile()) {}

    SBErr SendNotification(const char* type) {
        SBNotifierMessage message{};
        message.type = type;
        return host.Send(kSBCallerNotifier, kSBSelectorNotify, &message.d);
    }

    SBErr SendTool(const char* selector) {
        SBEventRecord event{};
        SBToolMessage message{};
        message.event = &event;
        return host.Send(kSBCallerTool, selector, &message.d);
    }
};

void ExpectEverySuiteReleased(const Session& session) {
    EXPECT_EQ(session.SuitesHeld(), 0);
    for (const std::string& suite : kAllSuites)
        EXPECT_EQ(session.AcquireCount(suite), session.ReleaseCount(suite)) << suite;
}

TEST(FrameLifecycle, StartupHoldsEverySuiteOnceAndShutdownReleasesThemAll) {
    Running r;
    ASSERT_EQ(r.host.Startup(), 0);
    EXPECT_TRUE(r.host.IsRunning());
    for (const std::string& suite : kAllSuites) {
        // The user suite is in both tables but held once.
        EXPECT_EQ(r.session.AcquireCount(suite), 1) << suite;
        EXPECT_EQ(r.session.ReleaseCount(suite), 0) << suite;
    }
    EXPECT_EQ(r.session.SuitesHeld(), static_cast<int32_t>(kAllSuites.size()));

    ASSERT_EQ(r.host.Shutdown(), 0);
    EXPECT_FALSE(r.host.IsRunning());
    ExpectEverySuiteReleased(r.session);
    EXPECT_TRUE(r.session.Shown().results.empty());

    // Nothing is left to answer: later messages do nothing and return 0.
    r.session.SetTracing(true);
    EXPECT_EQ(r.SendTool(kSBSelectorSelect), 0);
    EXPECT_EQ(r.SendNotification(kSBApplicationStartedNotifier), 0);
    EXPECT_TRUE(r.session.Trace().empty());
}

TEST(FrameLifecycle, ApplicationStartedTwiceCreatesTheCursorResourceOnce) {
    Running r;
    r.session.SetTracing(true);
    ASSERT_EQ(r.host.Startup(), 0);
    // Start-up registers two notifiers for the type, so it arrives twice.
    int startedNotifiers = 0;
    for (const auto& n : r.session.Registry().notifiers) startedNotifiers += n.type == kSBApplicationStartedNotifier;
    EXPECT_EQ(startedNotifiers, 2);
    EXPECT_EQ(r.Traced("CreateCursorResourceManager"), 1);

    const size_t tools = r.session.Registry().tools.size(), notifiers = r.session.Registry().notifiers.size();
    const size_t effects = r.session.Registry().liveEffects.size(), actions = r.session.Registry().actionEvents.size();
    EXPECT_EQ(r.host.Notify(kSBApplicationStartedNotifier), 0);
    EXPECT_EQ(r.Traced("CreateCursorResourceManager"), 1);
    EXPECT_EQ(r.session.Registry().tools.size(), tools);
    EXPECT_EQ(r.session.Registry().notifiers.size(), notifiers);
    EXPECT_EQ(r.session.Registry().liveEffects.size(), effects);
    EXPECT_EQ(r.session.Registry().actionEvents.size(), actions);
    // Each notification ran inside an application context of its own.
    EXPECT_EQ(r.Traced("PushAppContext"), r.Traced("PopAppContext"));
    EXPECT_GE(r.Traced("PushAppContext"), 5);

    // The shut-down notification gives the resource back, once.
    EXPECT_EQ(r.host.Notify(kSBApplicationShutdownNotifier), 0);
    EXPECT_EQ(r.Traced("DisposeCursorResourceManager"), 1);
    ASSERT_EQ(r.host.Shutdown(), 0);
    EXPECT_EQ(r.Traced("DisposeCursorResourceManager"), 1);
    EXPECT_TRUE(r.session.Shown().results.empty());
}

TEST(FrameLifecycle, AFailedAcquisitionOfAnySuiteLeavesNothingHeld) {
    for (const std::string& suite : kAllSuites) {
        SCOPED_TRACE(suite);
        Running r;
        r.session.Faults().Arm("Basic.AcquireSuite:" + suite, 1, kCode);
        EXPECT_EQ(r.host.Startup(), kCode);
        EXPECT_FALSE(r.host.IsRunning());
        EXPECT_EQ(r.host.Globals(), nullptr);
        EXPECT_TRUE(r.session.Registry().tools.empty());
        ExpectEverySuiteReleased(r.session);
        ASSERT_FALSE(r.session.Shown().results.empty());
        EXPECT_EQ(r.session.Shown().results.back().result, kCode);

        // The plug-in stays inert.
        r.session.SetTracing(true);
        EXPECT_EQ(r.SendTool(kSBSelectorMouseDown), 0);
        EXPECT_TRUE(r.session.Trace().empty());
    }
}

TEST(FrameLifecycle, AFailedRegistrationEndsStartupAndReleasesTheSuites) {
    struct Case {
        const char* operation;
        int nth;
        size_t toolsRegistered;
    };
    const Case cases[] = {
        {"SB Tool Suite.AddTool", 3, 2},
        {"SB Tool Suite.GetToolNumberFromName", 1, 1},
        {"SB Notifier Suite.AddNotifier", 2, 13},  // the base's notifier is the first
        {"SB Live Effect Suite.AddLiveEffectMenuItem", 2, 13},
        {"SB Action Manager Suite.SetActionParamTypeKey", 7, 13},
        {"SB Block Suite.AllocateBlock", 1, 0},
        {"XQ Plug-ins Suite.SetPluginName", 1, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.operation);
        Running r;
        r.session.Faults().Arm(c.operation, c.nth, kCode);
        EXPECT_EQ(r.host.Startup(), kCode);
        EXPECT_FALSE(r.host.IsRunning());
        EXPECT_EQ(r.session.Registry().tools.size(), c.toolsRegistered);
        ExpectEverySuiteReleased(r.session);
    }
}

TEST(FrameLifecycle, UnloadSilencesDispatchUntilReloadKeepsTheSameObject) {
    Running r;
    ASSERT_EQ(r.host.Startup(), 0);
    void* object = r.host.Globals();
    ASSERT_NE(object, nullptr);

    ASSERT_EQ(r.host.Unload(), 0);
    EXPECT_EQ(r.host.Globals(), object);
    ExpectEverySuiteReleased(r.session);

    // No handler runs: a notification would push an application context.
    r.session.SetTracing(true);
    EXPECT_EQ(r.SendNotification(kSBApplicationStartedNotifier), 0);
    EXPECT_EQ(r.SendTool(kSBSelectorSelect), 0);
    EXPECT_EQ(r.host.MenuGo(0), 0);
    EXPECT_TRUE(r.session.Trace().empty());

    ASSERT_EQ(r.host.Reload(), 0);
    EXPECT_EQ(r.host.Globals(), object);
    EXPECT_EQ(r.session.SuitesHeld(), static_cast<int32_t>(kAllSuites.size()));
    EXPECT_EQ(r.SendNotification(kSBApplicationStartedNotifier), 0);
    EXPECT_EQ(r.Traced("PushAppContext"), 1);
    // The object kept its registrations and its cursor resource: nothing is made again.
    EXPECT_EQ(r.session.Registry().tools.size(), 13u);
    EXPECT_EQ(r.Traced("CreateCursorResourceManager"), 0);

    ASSERT_EQ(r.host.Shutdown(), 0);
    ExpectEverySuiteReleased(r.session);
    EXPECT_TRUE(r.session.Shown().results.empty());
}

TEST(FrameLifecycle, UnhandledMessagesAnswerZero) {
    Running r;
    ASSERT_EQ(r.host.Startup(), 0);
    SBMessageData plain{};
    EXPECT_EQ(r.SendTool("SB No Such Selector"), 0);
    EXPECT_EQ(r.SendTool(kSBSelectorMouseDown), 0);
    EXPECT_EQ(r.host.Send("No Such Caller", kSBSelectorGo, &plain), 0);
    EXPECT_EQ(r.host.Send(kSBCallerCache, kSBSelectorPurge, &plain), 0);
    EXPECT_EQ(r.host.Send(kSBCallerInterface, kSBSelectorAbout, &plain), 0);
    EXPECT_EQ(r.host.Send(kSBCallerProperties, "Acquire", &plain), 0);
    EXPECT_EQ(r.host.Send(kSBCallerClipboard, "SB Can Copy", &plain), 0);
    EXPECT_EQ(r.host.Send(kSBCallerWorkspace, "Write Workspace", &plain), 0);
    EXPECT_EQ(r.host.Send(kSBCallerFileFormat, "SB Update SB140", &plain), 0);
    SBLiveEffectMessage effect{};
    EXPECT_EQ(r.host.Send(kSBCallerLiveEffect, "SB Live Effect Interpolate Parameters", &effect.d), 0);
    // Comparisons are exact.
    EXPECT_EQ(r.host.Send("xq cache", kSBSelectorPurge, &plain), 0);
    EXPECT_TRUE(r.session.Shown().results.empty());
    EXPECT_TRUE(r.host.IsRunning());
}

TEST(FrameLifecycle, AHostFailureInsideAHandlerComesBackAsItsCode) {
    Running r;
    ASSERT_EQ(r.host.Startup(), 0);
    r.session.Faults().Arm("SB Context Suite.PushAppContext", 1, kCode);
    EXPECT_EQ(r.SendNotification(kSBApplicationStartedNotifier), kCode);
    ASSERT_FALSE(r.session.Shown().results.empty());
    EXPECT_EQ(r.session.Shown().results.back().result, kCode);
    // The plug-in carries on.
    EXPECT_EQ(r.SendNotification(kSBApplicationStartedNotifier), 0);
    EXPECT_TRUE(r.host.IsRunning());
}

// A failed reload leaves the object without suites, so its failure report borrows the user suite
// for the moment: one acquisition more than the reload's own shows that the report was made.
TEST(FrameLifecycle, RepeatedFailuresAreReportedOncePerFiveSeconds) {
    Running r;
    ASSERT_EQ(r.host.Startup(), 0);
    ASSERT_EQ(r.host.Unload(), 0);

    auto failedReload = [&](SBErr code) {
        int32_t before = r.session.AcquireCount(kSBUserSuite);
        r.session.Faults().Arm(std::string("Basic.AcquireSuite:") + kSBArtSuite, 1, code);
        EXPECT_EQ(r.host.Reload(), code);
        EXPECT_EQ(r.session.SuitesHeld(), 0);
        return r.session.AcquireCount(kSBUserSuite) - before - 1;  // reports made
    };
    auto advance = [&](int64_t ms) { r.session.Desktop().desk.clockMilliseconds += ms; };

    EXPECT_EQ(failedReload(kCode), 1);
    EXPECT_EQ(failedReload(kCode), 0);
    advance(4000);
    EXPECT_EQ(failedReload(kCode), 0);
    advance(1000);
    EXPECT_EQ(failedReload(kCode), 1);
    // Another code is reported at once and becomes the one suppressed.
    const SBErr other = static_cast<SBErr>(SB_FOURCC('X', 'Y', 'Z', '2'));
    EXPECT_EQ(failedReload(other), 1);
    EXPECT_EQ(failedReload(other), 0);
    EXPECT_EQ(failedReload(kCode), 1);
    // Silent codes are never reported and do not reset the suppression.
    EXPECT_EQ(failedReload(static_cast<SBErr>(SB_FOURCC('D', 'O', 'N', 'E'))), 0);
    EXPECT_EQ(failedReload(361), 0);
    EXPECT_EQ(failedReload(SB_ERR_CANCEL), 0);
    EXPECT_EQ(failedReload(kCode), 0);

    ASSERT_EQ(r.host.Reload(), 0);
    EXPECT_EQ(r.session.SuitesHeld(), static_cast<int32_t>(kAllSuites.size()));
    ASSERT_EQ(r.host.Shutdown(), 0);
    ExpectEverySuiteReleased(r.session);
}

TEST(FrameLifecycle, EntryPointRefusesAMissingMessage) {
    void* library = dlopen(testenv::PluginPath().c_str(), RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    auto main = reinterpret_cast<SBPluginMainProc>(dlsym(library, "PluginMain"));
    ASSERT_NE(main, nullptr);
    SBMessageData message{};
    EXPECT_NE(main(kSBCallerInterface, kSBSelectorStartup, nullptr), 0);
    EXPECT_NE(main(nullptr, kSBSelectorStartup, &message), 0);
    EXPECT_NE(main(kSBCallerInterface, nullptr, &message), 0);
    EXPECT_EQ(message.globals, nullptr);
    // Without an object every message but start-up is answered 0.
    EXPECT_EQ(main(kSBCallerTool, kSBSelectorMouseDown, &message), 0);
    dlclose(library);
}

}  // namespace
