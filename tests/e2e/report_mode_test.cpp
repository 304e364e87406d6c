// The report a played session leaves (`scribera play --report`): faults fired, stale handles, what
// the plug-in still holds of the host, the tree walk and the art that should not be there.
#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

#include "io/Report.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using namespace hosted;
using nlohmann::json;

const std::string kDocument = "document 400 400\n";
const std::string kDrag = "tool Rose\ndown 200 200\ndrag 260 200 steps 2\nup\n";
const std::string kRoseDrag = kDocument + kDrag;

json Report(PlayedScript& p) {
    return json::parse(scribera::io::ReportJson(p.session, {p.runningAfterPlay, p.ok ? 0 : 1, p.error}));
}

TEST(ReportMode, AQuietPlayHoldsNoMoreThanStartingAndStoppingAndFindsNothing) {
    auto p = Play(kRoseDrag);
    ASSERT_TRUE(p->ok) << p->error;
    const json r = Report(*p);
    EXPECT_EQ(r["faultsFired"], json::array());
    EXPECT_EQ(r["staleHandles"], json::array());
    EXPECT_FALSE(r["held"]["pluginRunning"].get<bool>());
    EXPECT_EQ(r["held"]["suites"], 0);
    EXPECT_EQ(r["held"]["cursors"], 0);
    EXPECT_EQ(r["held"]["contexts"], 0);
    EXPECT_EQ(r["held"]["libraries"], json::array());
    EXPECT_EQ(r["held"]["panelListeners"], 0);
    auto idle = Play("document 400 400\n");
    ASSERT_TRUE(idle->ok) << idle->error;
    EXPECT_EQ(r["held"], Report(*idle)["held"]);
    EXPECT_EQ(r["tree"]["problems"], json::array());
    EXPECT_EQ(r["tree"]["emptyArt"], json::array());
    // The layer and the rose.
    EXPECT_GE(r["tree"]["objects"].get<int>(), 2);
    EXPECT_GT(r["calls"].get<int>(), 0);
    EXPECT_EQ(r["artDigest"].get<std::string>().size(), 16u);
}

// After a clean shut-down the plug-in holds nothing of the host: no lock on its code, no block.
TEST(ReportMode, ACleanShutdownLeavesNothingHeld) {
    for (const std::string& script : {kRoseDrag, kDocument + "tool Mirror\nedit-options\n", kDocument}) {
        auto p = Play(script);
        ASSERT_TRUE(p->ok) << p->error;
        const json r = Report(*p);
        EXPECT_TRUE(r["nothingHeld"].get<bool>()) << r["held"].dump();
        EXPECT_EQ(r["held"]["access"], 0);
        EXPECT_EQ(r["held"]["blocks"], 0);
        EXPECT_EQ(r["held"]["handles"], 0);
    }
}

TEST(ReportMode, NamesEveryFaultThatFiredAndTheWildcardCountsEveryCall) {
    auto named = Play(kDocument + "fail \"SB Path Suite.SetPathSegmentCount\" 1 1\n" + kDrag);
    ASSERT_TRUE(named->ok) << named->error;
    EXPECT_EQ(Report(*named)["faultsFired"], json::array({"SB Path Suite.SetPathSegmentCount"}));

    auto quiet = Play(kRoseDrag);
    const int calls = Report(*quiet)["calls"].get<int>();
    // The first call after arming fails whatever it is; past the last call nothing fires.
    auto first = Play(kDocument + "fail * 1 '!MEM'\n" + kDrag);
    EXPECT_EQ(Report(*first)["faultsFired"].size(), 1u);
    auto beyond = Play(kDocument + "fail * " + std::to_string(calls + 1) + " '!MEM'\n" + kDrag);
    EXPECT_EQ(Report(*beyond)["faultsFired"], json::array());
}

// A fault that never fires says how many calls were left before it: the sweep counts a scenario's
// calls after its set-up in one play. Call numbers beyond 32 bits are refused, not wrapped.
TEST(ReportMode, PendingFaultsCountTheCallsAfterArming) {
    auto counted = Play(kDocument + "fail * 2147483647 '!MEM'\n" + kDrag);
    ASSERT_TRUE(counted->ok) << counted->error;
    const json r = Report(*counted);
    EXPECT_EQ(r["faultsFired"], json::array());
    ASSERT_EQ(r["faultsPending"].size(), 1u);
    EXPECT_EQ(r["faultsPending"][0]["operation"], "*");
    const int64_t calls = 2147483647 - r["faultsPending"][0]["nth"].get<int64_t>();
    ASSERT_GT(calls, 0);
    auto last = Play(kDocument + "fail * " + std::to_string(calls) + " '!MEM'\n" + kDrag);
    EXPECT_EQ(Report(*last)["faultsFired"].size(), 1u);
    EXPECT_EQ(Report(*last)["faultsPending"], json::array());
    auto beyond = Play(kDocument + "fail * " + std::to_string(calls + 1) + " '!MEM'\n" + kDrag);
    EXPECT_EQ(Report(*beyond)["faultsFired"], json::array());
    EXPECT_EQ(Report(*beyond)["faultsPending"][0]["nth"], 1);

    auto named = Play(kDocument + "fail \"SB Path Suite.SetPathSegments\" 100000 1\n" + kDrag);
    EXPECT_EQ(Report(*named)["faultsPending"][0]["operation"], "SB Path.SetPathSegments");  // as matched: "Suite" left out

    for (const char* nth : {"2147483648", "3000000000", "0"}) {
        auto refused = Play(kDocument + "fail * " + nth + " '!MEM'\n" + kDrag);
        EXPECT_FALSE(refused->ok) << nth;
        EXPECT_NE(refused->error.find("call number"), std::string::npos) << refused->error;
    }
}

TEST(ReportMode, CountsWhatARunningPlugInHolds) {
    HostedPlugin never(HostedOptions().NotLoaded());
    EXPECT_TRUE(json::parse(scribera::io::ReportJson(never.session, {false, 0, ""}))["nothingHeld"].get<bool>());

    HostedPlugin h("Rose");
    json r = json::parse(scribera::io::ReportJson(h.session, {h.host.IsRunning(), 0, ""}));
    EXPECT_TRUE(r["held"]["pluginRunning"].get<bool>());
    EXPECT_GT(r["held"]["suites"].get<int>(), 0);
    EXPECT_FALSE(r["nothingHeld"].get<bool>());
    h.host.Shutdown();
    r = json::parse(scribera::io::ReportJson(h.session, {h.host.IsRunning(), 0, ""}));
    EXPECT_EQ(r["held"]["suites"], 0);
    EXPECT_EQ(r["held"]["cursors"], 0);
    EXPECT_EQ(r["held"]["panelListeners"], 0);
}

TEST(ReportMode, FindsPathsWithoutAnchorsAndContainersWithoutContent) {
    HostedPlugin h(HostedOptions().NotLoaded());
    scribera::Document& doc = h.Doc();
    Id group = 0, path = 0, compound = 0, inner = 0;
    ASSERT_EQ(doc.NewArt(ArtKind::Group, SB_PLACE_ABOVE, scribera::kNoId, &group), SB_OK);
    ASSERT_EQ(doc.NewArt(ArtKind::Path, SB_PLACE_ABOVE, scribera::kNoId, &path), SB_OK);
    ASSERT_EQ(doc.NewArt(ArtKind::Compound, SB_PLACE_ABOVE, scribera::kNoId, &compound), SB_OK);
    scribera::io::TreeWalk walk = scribera::io::WalkTree(doc);
    EXPECT_TRUE(walk.problems.empty());
    ASSERT_EQ(walk.emptyArt.size(), 3u);

    // A path with anchors inside the group: the group is no longer empty, the path never was.
    ASSERT_EQ(doc.NewArt(ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, group, &inner), SB_OK);
    const SBPathSegment anchors[2] = {{{0, 0}, {0, 0}, {0, 0}, 1}, {{10, 0}, {10, 0}, {10, 0}, 1}};
    ASSERT_EQ(doc.SetSegmentCount(inner, 2), SB_OK);
    ASSERT_EQ(doc.SetSegments(inner, 0, anchors, 2), SB_OK);
    walk = scribera::io::WalkTree(doc);
    EXPECT_TRUE(walk.problems.empty());
    std::vector<Id> empty;
    for (const auto& f : walk.emptyArt) empty.push_back(f.art);
    EXPECT_EQ(empty.size(), 2u);
    EXPECT_NE(std::find(empty.begin(), empty.end(), path), empty.end());
    EXPECT_NE(std::find(empty.begin(), empty.end(), compound), empty.end());
    EXPECT_EQ(walk.objects, 5u);  // the layer, the group, its path, the path, the compound
}

TEST(ReportMode, TheCommandWritesTheReportAlsoWhenThePlayFails) {
    const std::string dir = testenv::MakeTempDir("report");
    const std::string script = dir + "/fails.scribera", report = dir + "/r.json";
    std::ofstream(script) << kRoseDrag << "undo\nundo\n";
    const std::string command = "'" + testenv::ScriberaExe() + "' play '" + script + "' --report '" + report +
                                "' --plugin '" + testenv::PluginPath() + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 1);
    const json r = ReadJson(report);
    EXPECT_EQ(r["exitCode"], 1);
    EXPECT_NE(r["error"].get<std::string>().find("fails.scribera:7"), std::string::npos) << r["error"];
    EXPECT_EQ(r["held"]["pluginRunning"], false);
    EXPECT_EQ(r["held"]["suites"], 0);
    std::error_code ec;
    fs::remove_all(dir, ec);
}

}  // namespace
