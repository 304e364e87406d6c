// What a user reads stays in step with what the player knows: every script command and every
// option of `scribera play` is in docs/scenarios.md and has help; `save` knows its formats by the
// extension; `fail` knows the host's operations by asking the suites.
#include "cli/CommandLine.h"
#include "cli/CommandTable.h"
#include "cli/Script.h"
#include "cli/SuiteOperations.h"
#include "core/Session.h"
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <regex>
#include <sstream>

using namespace scribera::cli;

namespace {

std::string Slurp(const std::string& path) {
    std::ifstream in(path);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::string ScenariosPage() { return Slurp(testenv::SourceDir() + "/docs/scenarios.md"); }

// The commands the page's tables document: every `word` in a row's first cell ("| `undo` / `redo` |").
std::set<std::string> DocumentedCommands(const std::string& page) {
    std::set<std::string> names;
    std::istringstream lines(page);
    std::string line;
    const std::regex command("`([a-z][a-z-]*)[ `]");
    while (std::getline(lines, line)) {
        if (line.rfind("| `", 0) != 0) continue;
        const std::string cell = line.substr(0, line.find(" |", 1));
        for (std::sregex_iterator it(cell.begin(), cell.end(), command), end; it != end; ++it) names.insert((*it)[1]);
    }
    return names;
}

}  // namespace

TEST(ScriptDocs, AskingTheSuitesLeavesTheSessionAlone) {
    scribera::Session session;
    session.MakeCurrent();
    const int64_t calls = session.CallCount();
    ASSERT_FALSE(HostOperations().empty());
    EXPECT_TRUE(HostHasOperation("SB Path.SetPathSegments") || HostHasOperation("SB Path.GetPathSegments"));
    EXPECT_EQ(&scribera::Session::Current(), &session);
    EXPECT_EQ(session.CallCount(), calls);
    EXPECT_TRUE(session.Faults().Fired().empty());
}

TEST(ScriptDocs, EveryCommandHasARowInTheScenariosPageAndHelp) {
    const std::set<std::string> documented = DocumentedCommands(ScenariosPage());
    ASSERT_GE(Commands().size(), 30u);
    for (const CommandSpec& c : Commands()) {
        EXPECT_EQ(documented.count(c.name), 1u) << c.name << " has no row in docs/scenarios.md";
        ASSERT_NE(c.summary, nullptr) << c.name;
        ASSERT_NE(c.arguments, nullptr) << c.name;
        EXPECT_GT(std::string(c.summary).size(), 8u) << c.name;
        std::string help;
        ASSERT_TRUE(CommandHelp(c.name, &help)) << c.name;
        const std::string head = std::string(c.name) + (*c.arguments ? " " : "") + c.arguments + "\n";
        EXPECT_NE(help.find(head), std::string::npos) << help;
        EXPECT_NE(help.find(c.summary), std::string::npos) << help;
    }
}

TEST(ScriptDocs, EveryOptionOfPlayIsInTheScenariosPage) {
    const std::string page = ScenariosPage();
    ASSERT_GE(PlayCommandOptions().size(), 5u);
    for (const OptionSpec& o : PlayCommandOptions()) {
        EXPECT_NE(page.find(std::string("`") + o.name), std::string::npos) << o.name;
        EXPECT_NE(HelpText().find(o.name), std::string::npos) << o.name;
    }
    std::string help;
    EXPECT_TRUE(CommandHelp("play", &help));
    EXPECT_TRUE(CommandHelp("info", &help));
    EXPECT_FALSE(CommandHelp("frobnicate", &help));
}

TEST(ScriptDocs, SaveChoosesTheFormatByTheExtensionBeforeAnythingRuns) {
    EXPECT_EQ(SavedFormat("a.svg"), OutputFormat::Svg);
    EXPECT_EQ(SavedFormat("dir.png/A.PNG"), OutputFormat::Png);
    EXPECT_EQ(SavedFormat("out/a.json"), OutputFormat::Dump);
    EXPECT_EQ(SavedFormat("a.svg.txt"), OutputFormat::Unknown);
    EXPECT_EQ(SavedFormat("svg"), OutputFormat::Unknown);
    std::vector<Command> commands;
    std::string error;
    ASSERT_TRUE(ParseScript("document 10 10\nsave a.svg\nsave b.png\nsave c.json\n", "s.scribera", &commands, &error))
        << error;
    EXPECT_FALSE(ParseScript("document 10 10\nsave a.svg\nsave b.gif\n", "s.scribera", &commands, &error));
    EXPECT_EQ(error, "s.scribera:3: 'save' writes FILE.svg, FILE.png or FILE.json, not 'b.gif'");
}

TEST(ScriptDocs, TheHostNamesItsOwnSuiteOperations) {
    const std::vector<std::string>& names = HostOperations();
    auto has = [&](const std::string& n) { return std::find(names.begin(), names.end(), n) != names.end(); };
    EXPECT_TRUE(has("SB Art Suite.NewArt"));
    EXPECT_TRUE(has("SB Real Math Suite.RealRectUnion"));
    EXPECT_TRUE(has("Basic.AcquireSuite:SB Path Suite"));
    EXPECT_TRUE(has("Basic.ReleaseSuite:SB Mesh Suite"));

    // Every suite of the interface is there, with as many operations as its record has.
    const std::string sdk = testenv::SourceDir() + "/sdk/include/scribera/";
    const std::string all = Slurp(sdk + "SBSuites.h");
    std::regex include("#include \"(SB\\w+Suite\\.h)\"");
    int suites = 0;
    size_t total = 0;
    for (std::sregex_iterator it(all.begin(), all.end(), include), end; it != end; ++it) {
        const std::string header = Slurp(sdk + (*it)[1].str());
        std::smatch name;
        ASSERT_TRUE(std::regex_search(header, name, std::regex("#define kSB\\w+Suite \"([^\"]+)\""))) << (*it)[1];
        size_t members = 0;
        for (size_t at = header.find("(*"); at != std::string::npos; at = header.find("(*", at + 1)) ++members;
        const std::string prefix = name[1].str() + ".";
        const size_t probed = static_cast<size_t>(
            std::count_if(names.begin(), names.end(), [&](const std::string& n) { return n.rfind(prefix, 0) == 0; }));
        // A suite the host fills in part leaves the rest null; these are whole.
        EXPECT_LE(probed, members) << name[1];
        if (name[1] == "SB Art Suite" || name[1] == "SB Path Suite" || name[1] == "SB Mesh Suite") {
            EXPECT_EQ(probed, members) << name[1];
        }
        total += probed;
        EXPECT_TRUE(has("Basic.AcquireSuite:" + name[1].str())) << name[1];
        ++suites;
    }
    EXPECT_GE(suites, 30);
    EXPECT_EQ(total + 2 * static_cast<size_t>(suites), names.size());

    EXPECT_TRUE(HostHasOperation("SB Art Suite.NewArt"));
    EXPECT_TRUE(HostHasOperation("SB Art.NewArt"));
    EXPECT_TRUE(HostHasOperation("Basic.AcquireSuite:SB Art"));
    EXPECT_FALSE(HostHasOperation("SB Art Suite.Frobnicate"));
    EXPECT_FALSE(HostHasOperation("SB Nothing Suite.NewArt"));
    EXPECT_FALSE(HostHasOperation("SB.X"));
}
