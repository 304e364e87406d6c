// Scenario scripts: words, quoting, comments, and errors that name the file and the line.
#include "cli/Script.h"

#include <gtest/gtest.h>

using scribera::cli::Command;
using scribera::cli::ParseScript;
using scribera::cli::SplitLine;

namespace {

std::string Error(const std::string& script) {
    std::vector<Command> commands;
    std::string error;
    EXPECT_FALSE(ParseScript(script, "s.scribera", &commands, &error)) << script;
    return error;
}

}  // namespace

TEST(ScriptParse, WordsQuotesAndComments) {
    std::vector<std::string> w;
    std::string error;
    ASSERT_TRUE(SplitLine("  path-d \"M0 0 L1 1\"   # a comment", &w, &error));
    EXPECT_EQ(w, (std::vector<std::string>{"path-d", "M0 0 L1 1"}));
    ASSERT_TRUE(SplitLine("import \"a \\\"b\\\" \\\\ c.svg\"\t", &w, &error));
    EXPECT_EQ(w, (std::vector<std::string>{"import", "a \"b\" \\ c.svg"}));
    ASSERT_TRUE(SplitLine("# only a comment", &w, &error));
    EXPECT_TRUE(w.empty());
    ASSERT_TRUE(SplitLine("fill rgb#1 0 0", &w, &error));  // '#' inside a word is part of it
    EXPECT_EQ(w.size(), 4u);
    EXPECT_FALSE(SplitLine("path-d \"M0 0", &w, &error));
    EXPECT_FALSE(SplitLine("import \"a\"b", &w, &error));
}

TEST(ScriptParse, AWholeScenario) {
    const char* script =
        "# demo\n"
        "document 400 300\r\n"
        "view 0 0 400 300\n"
        "page-origin 10 20\n"
        "colour-model cmyk\n"
        "fill linear 45 0:rgb:1:0:0 100@30:rgb:0:0:1\n"
        "stroke none\n"
        "fill radial 0:gray:0 100:cmyk:0:0:0:1\n"
        "path closed 0,0 10,0 10,10\n"
        "path-d \"M1.5.5l-.5-1e-1a1 1 0 011 1z\"\n"
        "mesh 2 3 0 0 100 100\n"
        "import art/icon.svg\n"
        "group 0 1\n"
        "clip 0 2\n"
        "select all\n"
        "select 0 3\n"
        "tool Rose\n"
        "edit-options\n"
        "key Up down\n"
        "mod shift on\n"
        "mod 0x1000 off\n"
        "down 10 10\n"
        "drag 20 20 steps 5\n"
        "up\n"
        "click 5 5\n"
        "panel params {\"radius\":\"50\", \"lobes\": \"5\"}  # kept as written\n"
        "panel cancel\n"
        "answer no\n"
        "record on\n"
        "play 0 dialog\n"
        "effect Mirror... ZarvoAngle=30\n"
        "undo\n"
        "redo\n"
        "unload\n"
        "reload\n"
        "fail \"SB Art Suite.NewArt\" 2 'CANT'\n"
        "fail SB.X 1 0x43414E54\n"
        "save out.svg\n"
        "dump out.json\n";
    std::vector<Command> commands;
    std::string error;
    ASSERT_TRUE(ParseScript(script, "demo.scribera", &commands, &error)) << error;
    EXPECT_EQ(commands.size(), 38u);
    EXPECT_EQ(commands[0].line, 2);
    EXPECT_EQ(commands[0].words, (std::vector<std::string>{"document", "400", "300"}));
    const Command& panel = commands[24];
    ASSERT_EQ(panel.words[0], "panel");
    EXPECT_EQ(panel.rest, "{\"radius\":\"50\", \"lobes\": \"5\"}  # kept as written");
}

TEST(ScriptParse, ErrorsNameTheFileAndLine) {
    EXPECT_EQ(Error("document 10 10\n\nfrobnicate 1\n"), "s.scribera:3: unknown command 'frobnicate'");
    EXPECT_EQ(Error("path 0,0 1,1\n"), "s.scribera:1: the script must begin with 'document W H'");
    EXPECT_EQ(Error(""), "s.scribera:1: the script has no commands (it must begin with 'document W H')");
    EXPECT_EQ(Error("document 0 10\n"), "s.scribera:1: the document's width and height must be positive");
    EXPECT_EQ(Error("document 10 nan\n"), "s.scribera:1: bad number 'nan'");
    EXPECT_EQ(Error("document 10 1e400\n"), "s.scribera:1: bad number '1e400'");
    EXPECT_EQ(Error("document 10 10\npath 0,0 1;1\n"), "s.scribera:2: bad point '1;1' (X,Y)");
    EXPECT_EQ(Error("document 10 10\nkey Space down\n").rfind("s.scribera:2: unknown key 'Space'", 0), 0u);
    EXPECT_EQ(Error("document 10 10\nfill rgb 1 2 0\n"), "s.scribera:2: colour value 2 outside 0..1");
    EXPECT_EQ(
        Error("document 10 10\nfill linear 0 120:rgb:1:0:0\n").rfind("s.scribera:2: bad gradient stop position", 0),
        0u);
    EXPECT_EQ(Error("document 10 10\npath-d \"M0 0 L\"\n").rfind("s.scribera:2: bad path data (expected a number", 0),
              0u);
    EXPECT_EQ(Error("document 10 10\ndrag 1 2 steps 0\n"), "s.scribera:2: steps must be a whole number 1..100000");
    EXPECT_EQ(Error("document 10 10\nclip 1 1\n"), "s.scribera:2: an index is given twice");
    EXPECT_EQ(Error("document 10 10\nselect -1\n"), "s.scribera:2: bad index '-1'");
    EXPECT_EQ(Error("document 10 10\nundo now\n"), "s.scribera:2: 'undo' takes 0 arguments");
    EXPECT_EQ(Error("document 10 10\nmesh 0 1 0 0 1 1\n"),
              "s.scribera:2: mesh columns and rows must be whole numbers 1..1000");
    EXPECT_EQ(Error("document 10 10\nfail Art 1 0\n"), "s.scribera:2: 'fail' expects SUITE.OPERATION");
    EXPECT_EQ(Error("document 10 10\nimport \"x.svg\n"), "s.scribera:2: unterminated quoted word");
}
