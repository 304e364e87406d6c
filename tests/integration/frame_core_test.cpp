// The frame's pieces that no host message reaches on its own: suite tables with optional entries,
// the shared acquisition count, the lock count, the name buffer and the reload constructor.
#include "frame/Globals.h"
#include "frame/SuiteSet.h"
#include "frame/Suites.h"
#include "frame/ZarvoPlugin.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

// A basic suite that hands out dummy tables and records what it was asked.
struct FakeHost {
    static std::vector<std::string> calls;
    static std::map<std::string, SBErr> failures;
    static int token;

    static SBErr Acquire(const char* name, int32_t, const void** suite) {
        calls.push_back(std::string("+") + name);
        auto f = failures.find(name);
        if (f != failures.end()) return f->second;
        *suite = &token;
        return 0;
    }
    static SBErr Release(const char* name, int32_t) {
        calls.push_back(std::string("-") + name);
        return 0;
    }
};
std::vector<std::string> FakeHost::calls;
std::map<std::string, SBErr> FakeHost::failures;
int FakeHost::token;
const SBBasicSuite kFakeBasic = {FakeHost::Acquire, FakeHost::Release};

class SuiteSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        FakeHost::calls.clear();
        FakeHost::failures.clear();
        SuiteSet::SetSharedCount(0);
        saved_ = sBasic;
        sBasic = &kFakeBasic;
    }
    void TearDown() override {
        SuiteSet::SetSharedCount(0);
        sBasic = saved_;
    }

    const void* b1 = nullptr;
    const void* b2 = nullptr;
    const void* r1 = nullptr;
    const void* r2 = nullptr;
    const void* o1 = nullptr;
    const void* o2 = nullptr;
    SuiteImport basic[2] = {{"B1", 1, &b1}, {"B2", 1, &b2}};
    SuiteImport imports[6] = {{"R1", 1, &r1}, {"R2", 1, &r2}, {nullptr, kOptionalSuitesMarker, nullptr},
                              {"O1", 1, &o1}, {"O2", 1, &o2}, {nullptr, 0, nullptr}};

private:
    const SBBasicSuite* saved_ = nullptr;
};

TEST_F(SuiteSetTest, AcquiresInTableOrderAndReleasesEverythingItGot) {
    {
        SuiteSet set(basic, 2, imports);
        EXPECT_EQ(set.Result(), 0);
        EXPECT_EQ(set.RequiredCount(), 2);
        EXPECT_EQ(set.OptionalCount(), 2);
        EXPECT_EQ(set.OptionalAcquired(), 2);
        EXPECT_EQ(SuiteSet::SharedCount(), 1);
        EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"+B1", "+B2", "+R1", "+R2", "+O1", "+O2"}));
        EXPECT_TRUE(b1 && b2 && r1 && r2 && o1 && o2);
        FakeHost::calls.clear();
    }
    EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"-B1", "-B2", "-R1", "-R2", "-O1", "-O2"}));
    EXPECT_FALSE(b1 || b2 || r1 || r2 || o1 || o2);
    EXPECT_EQ(SuiteSet::SharedCount(), 0);
}

TEST_F(SuiteSetTest, OptionalSuitesAreTakenWhenTheyBecomeAvailable) {
    FakeHost::failures["O1"] = 7;
    SuiteSet set(basic, 2, imports);
    EXPECT_EQ(set.Result(), 0);
    EXPECT_EQ(set.OptionalAcquired(), 1);
    EXPECT_EQ(o1, nullptr);
    EXPECT_NE(o2, nullptr);

    FakeHost::calls.clear();
    FakeHost::failures.clear();
    set.AcquireOptional();
    EXPECT_EQ(set.OptionalAcquired(), 2);
    EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"+O1"}));
    // Once all are held, nothing more is asked.
    set.AcquireOptional();
    EXPECT_EQ(FakeHost::calls.size(), 1u);
}

TEST_F(SuiteSetTest, ARequiredFailureStopsAndOnlyWhatWasAcquiredIsReleased) {
    FakeHost::failures["R2"] = 42;
    auto* set = new SuiteSet(basic, 2, imports);
    EXPECT_EQ(set->Result(), 42);
    EXPECT_EQ(SuiteSet::SharedCount(), 0);
    EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"+B1", "+B2", "+R1", "+R2"}));
    EXPECT_EQ(o1, nullptr);

    // The owner marks the set as the holder so that destroying it gives the suites back.
    SuiteSet::SetSharedCount(1);
    FakeHost::calls.clear();
    delete set;
    EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"-B1", "-B2", "-R1"}));
}

TEST_F(SuiteSetTest, OnlyTheLastHolderReleasesAndEntriesWithoutDestinationAreSkipped) {
    imports[1].destination = nullptr;
    auto* first = new SuiteSet(basic, 2, imports);
    EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"+B1", "+B2", "+R1", "+O1", "+O2"}));
    FakeHost::calls.clear();
    auto* second = new SuiteSet(basic, 2, imports);
    EXPECT_TRUE(FakeHost::calls.empty());
    EXPECT_EQ(SuiteSet::SharedCount(), 1);  // the second found the suites held and took nothing
    SuiteSet::SetSharedCount(2);
    delete second;
    EXPECT_TRUE(FakeHost::calls.empty());
    EXPECT_NE(b1, nullptr);
    delete first;
    EXPECT_EQ(FakeHost::calls, (std::vector<std::string>{"-B1", "-B2", "-R1", "-O1", "-O2"}));
}

// An access suite that counts its calls.
struct FakeAccess {
    static int acquired, released;
    static SBErr Acquire(SBPluginRef, SBAccessRef* access) {
        ++acquired;
        *access = reinterpret_cast<SBAccessRef>(&acquired);
        return 0;
    }
    static SBErr Release(SBAccessRef) {
        ++released;
        return 0;
    }
};
int FakeAccess::acquired, FakeAccess::released;
const SBAccessSuite kFakeAccess = {FakeAccess::Acquire, FakeAccess::Release};

TEST(FramePlugin, KeepLoadedTakesOneAccessForAnyNestingAndIgnoresExtraReleases) {
    const SBAccessSuite* saved = sAccess;
    sAccess = &kFakeAccess;
    FakeAccess::acquired = FakeAccess::released = 0;
    {
        ZarvoPlugin plugin(nullptr);
        EXPECT_EQ(plugin.KeepLoaded(false), 0);
        EXPECT_EQ(plugin.LockCount(), 0);
        EXPECT_EQ(FakeAccess::released, 0);
        EXPECT_EQ(plugin.KeepLoaded(true), 0);
        EXPECT_EQ(plugin.KeepLoaded(true), 0);
        EXPECT_EQ(plugin.LockCount(), 2);
        EXPECT_EQ(FakeAccess::acquired, 1);
        plugin.KeepLoaded(false);
        EXPECT_EQ(FakeAccess::released, 0);
        plugin.KeepLoaded(false);
        plugin.KeepLoaded(false);
        EXPECT_EQ(plugin.LockCount(), 0);
        EXPECT_EQ(FakeAccess::released, 1);
        // A new first lock takes a new access.
        plugin.KeepLoaded(true);
        EXPECT_EQ(FakeAccess::acquired, 2);
    }
    sAccess = saved;
}

TEST(FramePlugin, GetNameCopiesAtMostTheLengthAndTerminates) {
    ZarvoPlugin plugin(nullptr);
    EXPECT_STREQ(plugin.Name(), "Zarvo");
    char buffer[16];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(plugin.GetName(buffer, 3), 3);
    EXPECT_STREQ(buffer, "Zar");
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(plugin.GetName(buffer, 5), 5);
    EXPECT_STREQ(buffer, "Zarvo");
    EXPECT_EQ(plugin.GetName(buffer, 15), 5);
    EXPECT_STREQ(buffer, "Zarvo");
    EXPECT_EQ(plugin.GetName(buffer, 0), 0);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(plugin.GetName(nullptr, 5), 0);
    EXPECT_EQ(plugin.GetName(buffer, -1), 0);
}

TEST(FramePlugin, ReloadResetsOnlyTheInteractionMode) {
    const SBAccessSuite* saved = sAccess;
    sAccess = &kFakeAccess;
    auto* plugin = ZarvoPlugin::Create(reinterpret_cast<SBPluginRef>(0x1234));
    ASSERT_NE(plugin, nullptr);
    plugin->KeepLoaded(true);
    plugin->SetInteractionMode("EditTool");
    EXPECT_STREQ(plugin->InteractionMode(), "EditTool");
    plugin->SetInteractionMode("a mode text far longer than the buffer holds");
    EXPECT_EQ(std::strlen(plugin->InteractionMode()), 15u);
    plugin->SetInteractionMode("MouseUp");

    Plugin* survivor = plugin;
    ZarvoPlugin* reloaded = ZarvoPlugin::Reestablish(survivor);
    EXPECT_EQ(static_cast<Plugin*>(reloaded), survivor);
    EXPECT_STREQ(reloaded->InteractionMode(), "");
    EXPECT_STREQ(reloaded->Name(), "Zarvo");
    EXPECT_EQ(reloaded->PluginRef(), reinterpret_cast<SBPluginRef>(0x1234));
    EXPECT_EQ(reloaded->LockCount(), 1);
    EXPECT_FALSE(reloaded->HasSuites());
    // Still dispatches as a ZarvoPlugin.
    SBMenuMessage menu{};
    EXPECT_EQ(reloaded->MenuGo(&menu), 0);
    delete reloaded;
    sAccess = saved;
}

}  // namespace
