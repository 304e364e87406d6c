// The demo is what a newcomer sees first: every example scenario must play cleanly against the
// built plug-in, write its SVG and dump, and show no error alert.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/HostedPlugin.h"
#include "support/TestEnvironment.h"

namespace fs = std::filesystem;

namespace {
std::string Slurp(const fs::path& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}
}  // namespace

TEST(Examples, EveryScenarioPlaysCleanly) {
    const fs::path examples = fs::path(testenv::SourceDir()) / "examples";
    const std::string out = testenv::MakeTempDir("examples");
    int played = 0;
    for (const auto& entry : fs::directory_iterator(examples)) {
        if (entry.path().extension() != ".scribera") continue;
        const std::string name = entry.path().stem().string();
        const fs::path svg = fs::path(out) / (name + ".svg");
        const fs::path json = fs::path(out) / (name + ".json");
        const std::string command = "'" + testenv::ScriberaExe() + "' play '" + entry.path().string() + "' --svg '" +
                                    svg.string() + "' --json '" + json.string() + "' --plugin '" +
                                    testenv::PluginPath() + "' 2>&1";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
        const int status = pclose(pipe);
        ++played;
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << ": " << output;
        ASSERT_TRUE(fs::exists(svg)) << name;
        ASSERT_TRUE(fs::exists(json)) << name;
        nlohmann::json dump = hosted::ReadJson(json.string());
        EXPECT_EQ(dump["alerts"], nlohmann::json::array()) << name << " showed an alert";
        EXPECT_NE(Slurp(svg).find("<svg"), std::string::npos) << name;
    }
    EXPECT_GE(played, 3);
}
