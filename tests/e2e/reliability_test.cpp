// Faults a probe of every tool found: stale handles after a cut removed a clipping group, half-made
// art after a failed drag step, empty art from values that draw nothing, containers a cut emptied,
// a plug-in left without its suites after a reload, out-of-range mirror types. Each scenario is
// played through the stand-in host and judged by its dump.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/TestEnvironment.h"

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

constexpr int64_t kExTr = 0x45785472;

// Plays the script and returns its dump; the play itself must succeed.
json Play(const std::string& name, const std::string& script) {
    const fs::path dir = testenv::MakeTempDir("reliability");
    const fs::path file = dir / (name + ".scribera");
    const fs::path dump = dir / (name + ".json");
    std::ofstream(file) << script;
    const std::string command = "'" + testenv::ScriberaExe() + "' play '" + file.string() + "' --json '" +
                                dump.string() + "' --plugin '" + testenv::PluginPath() + "' 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        ADD_FAILURE() << "cannot run scribera";
        return json();
    }
    std::string output;
    char buffer[4096];
    size_t n;
    while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) output.append(buffer, n);
    const int status = pclose(pipe);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << name << ": " << output;
    std::ifstream in(dump);
    if (!in) {
        ADD_FAILURE() << name << ": no dump";
        return json();
    }
    return json::parse(in);
}

// Every path has at least two anchors, every group and compound path has content.
void ExpectNothingEmpty(const json& art, const std::string& where) {
    for (const json& a : art) {
        if (a["kind"] == "path") {
            EXPECT_GE(a["anchors"].size(), 2u) << where << ": an empty path";
        } else if (a.contains("children")) {
            EXPECT_FALSE(a["children"].empty()) << where << ": an empty " << a["kind"];
            ExpectNothingEmpty(a["children"], where);
        }
    }
}

size_t CountKind(const json& art, const std::string& kind) {
    size_t count = 0;
    for (const json& a : art) {
        if (a["kind"] == kind) ++count;
        if (a.contains("children")) count += CountKind(a["children"], kind);
    }
    return count;
}

bool HasUndo(const json& dump, const std::string& name) {
    for (const json& u : dump["undo"])
        if (u == name) return true;
    return false;
}

const char* kClipped =
    "document 32 32\n"
    "path closed 20,20 30,20 30,30 20,30\n"
    "path closed 2,2 12,2 12,12 2,12\n"
    "clip 0 1\n"
    "select all\n";

}  // namespace

// The first pass removes the clipping group's content wholly; the later passes must not be handed
// what went with the group.
TEST(Reliability, CutThatRemovesAClippingGroupLeavesNoStaleHandle) {
    const std::string cases[] = {
        "tool RectCut\ndown 13 13\ndrag 19 19\nup\n",
        "effect \"Rectangle cut...\" ZarvoOffsetX=3 ZarvoOffsetY=3\n",
        "tool Cut\nmod shift on\ndown 16 16\ndrag 17 16\nup\n",
        "effect \"Cut...\" ZarvoFlipAgain=1 ZarvoOffset=14\n",
    };
    for (const std::string& steps : cases) {
        const json dump = Play("stale", std::string(kClipped) + steps);
        EXPECT_TRUE(dump["alerts"].empty()) << steps;
        EXPECT_TRUE(dump["results"].empty()) << steps << dump["results"].dump();
        ExpectNothingEmpty(dump["art"], steps);
    }
    // The group is simply gone.
    const json cut = Play("stale-cut", std::string(kClipped) + cases[0]);
    EXPECT_TRUE(cut["art"].empty()) << cut["art"].dump();
}

// One failed host call in a drag step: the document goes back to the art before the drag, and the
// mouse up after it commits nothing.
TEST(Reliability, FailedDragStepLeavesTheOriginalArt) {
    const json cut = Play("halfmade-cut",
                          "document 100 100\n"
                          "path-d \"M10 10h60v60h-60z M30 30h20v20h-20z\"\n"
                          "select all\n"
                          "tool RectCut\n"
                          "down 5 5\n"
                          "drag 40 40\n"
                          "fail \"SB Path Suite.SetPathSegmentCount\" 1 1\n"
                          "drag 60 60\n"
                          "drag 65 65\n"
                          "up\n");
    EXPECT_EQ(cut["alerts"].size(), 1u);
    EXPECT_FALSE(HasUndo(cut, "Undo Rectangle Cut"));
    EXPECT_TRUE(cut["actions"].empty());
    ASSERT_EQ(cut["art"].size(), 1u);
    ASSERT_EQ(cut["art"][0]["kind"], "compound");
    ASSERT_EQ(cut["art"][0]["children"].size(), 2u);
    for (const json& p : cut["art"][0]["children"]) EXPECT_EQ(p["anchors"].size(), 4u);

    const json rose = Play("halfmade-rose",
                           "document 200 200\n"
                           "tool Rose\n"
                           "down 100 100\n"
                           "drag 130 100\n"
                           "fail \"SB Path Suite.SetPathSegments\" 1 1\n"
                           "drag 150 100\n"
                           "up\n");
    EXPECT_EQ(rose["alerts"].size(), 1u);
    EXPECT_TRUE(rose["art"].empty()) << rose["art"].dump();
    EXPECT_TRUE(rose["undo"].empty()) << rose["undo"].dump();

    // A panel answer that fails half-way leaves nothing either.
    const json panel = Play("halfmade-panel",
                            "document 200 200\n"
                            "tool Rose\n"
                            "panel params {\"radius\":\"50\",\"lobes\":\"5\"}\n"
                            "fail \"SB Path Suite.SetPathSegments\" 1 1\n"
                            "click 100 100\n");
    EXPECT_EQ(panel["alerts"].size(), 1u);
    EXPECT_TRUE(panel["art"].empty()) << panel["art"].dump();
}

// Values that draw nothing are refused quietly: no art, no undo entry, no recorded action.
TEST(Reliability, ValuesThatDrawNothingLeaveNoTrace) {
    const std::pair<std::string, std::string> cases[] = {
        {"Rose", "{\"radius\":\"0\",\"lobes\":\"5\"}"},
        {"Rose", "{\"radius\":\"50\",\"lobes\":\"0\"}"},
        {"Wave", "{\"width\":\"200\",\"height\":\"30\",\"waves\":\"0\"}"},
        {"Spiral", "{\"radius\":\"0\",\"turns\":\"2\",\"fermat\":\"false\"}"},
        {"Spiral", "{\"radius\":\"60\",\"turns\":\"0\",\"fermat\":\"false\"}"},
        {"Rhombus", "{\"width\":\"0\",\"height\":\"0\"}"},
    };
    for (const auto& c : cases) {
        const json dump = Play("empty", "document 200 200\nrecord on\ntool " + c.first + "\npanel params " + c.second +
                                            "\nclick 100 100\n");
        const std::string what = c.first + " " + c.second;
        EXPECT_TRUE(dump["alerts"].empty()) << what;
        EXPECT_TRUE(dump["art"].empty()) << what << dump["art"].dump();
        EXPECT_TRUE(dump["undo"].empty()) << what << dump["undo"].dump();
        EXPECT_TRUE(dump["actions"].empty()) << what;
    }
    const json golden = Play("empty-golden", "document 200 200\nrecord on\ntool GoldenRect\nclick 100 100\n");
    EXPECT_TRUE(golden["art"].empty());
    EXPECT_TRUE(golden["actions"].empty()) << golden["actions"].dump();
    // The same tool with values that draw still draws and records.
    const json rose = Play("drawn",
                           "document 200 200\nrecord on\ntool Rose\npanel params "
                           "{\"radius\":\"50\",\"lobes\":\"5\"}\nclick 100 100\n");
    EXPECT_EQ(rose["art"].size(), 1u);
    EXPECT_EQ(rose["actions"].size(), 1u);
}

// A cut that removes all of a group's content removes the group.
TEST(Reliability, CutDisposesOfTheContainersItEmptied) {
    const std::string groups =
        "document 100 100\n"
        "path closed 10,10 20,10 20,20 10,20\n"
        "path closed 30,10 40,10 40,20 30,20\n"
        "path closed 60,60 80,60 80,80 60,80\n"
        "group 1 2\n"
        "select all\n";
    const std::string cases[] = {
        "tool RectCut\ndown 55 55\ndrag 90 90\nup\n",
        "tool RectCut\nmod 0x1000 on\ndown 55 55\ndrag 90 90\nup\n",
        "tool Cut\ndown 50 50\ndrag 51 50\nup\n",
    };
    for (const std::string& steps : cases) {
        const json dump = Play("emptied", groups + steps);
        EXPECT_TRUE(dump["alerts"].empty()) << steps;
        EXPECT_EQ(CountKind(dump["art"], "group"), 0u) << steps << dump["art"].dump();
        EXPECT_EQ(CountKind(dump["art"], "path"), 1u) << steps;
        ExpectNothingEmpty(dump["art"], steps);
    }
    // Nested: the inner group empties, then the outer one it was the only content of.
    const json nested = Play("emptied-nested",
                             "document 100 100\n"
                             "path closed 10,10 20,10 20,20 10,20\n"
                             "path closed 30,10 40,10 40,20 30,20\n"
                             "path closed 60,60 80,60 80,80 60,80\n"
                             "group 1 2\n"
                             "group 1\n"
                             "select all\n"
                             "tool RectCut\ndown 55 55\ndrag 90 90\nup\n");
    EXPECT_EQ(CountKind(nested["art"], "group"), 0u) << nested["art"].dump();
    EXPECT_EQ(CountKind(nested["art"], "path"), 1u);
    const json effect = Play("emptied-effect",
                             "document 100 100\n"
                             "path closed 10,10 20,10 20,20 10,20\n"
                             "path closed 30,10 40,10 40,20 30,20\n"
                             "group 0 1\n"
                             "select all\n"
                             "effect \"Cut...\" ZarvoOffset=-40\n");
    EXPECT_TRUE(effect["results"].empty()) << effect["results"].dump();
    EXPECT_EQ(CountKind(effect["art"], "group"), 0u) << effect["art"].dump();
}

// A type the engine does not know is refused with a code, the art left as it was.
TEST(Reliability, OutOfRangeMirrorTypesAreRefused) {
    for (const char* type : {"0", "8", "-1"}) {
        for (const char* effect : {"Mirror...", "Cut..."}) {
            const json dump = Play("mirrortype", std::string("document 100 100\n"
                                                             "path closed 10,10 60,10 60,60 10,60\n"
                                                             "select all\n"
                                                             "effect \"") +
                                                     effect + "\" ZarvoMirrorType=" + type + "\n");
            ASSERT_EQ(dump["results"].size(), 1u) << effect << type;
            EXPECT_NE(dump["results"][0]["result"], 0);
            EXPECT_NE(dump["results"][0]["result"], kExTr);
            EXPECT_TRUE(dump["alerts"].empty());
            ASSERT_EQ(dump["art"].size(), 1u);
            EXPECT_EQ(dump["art"][0]["anchors"].size(), 4u);
            EXPECT_EQ(dump["art"][0]["anchors"][1]["p"], json::array({60, 10}));
        }
    }
}

// A mirror whose joined shape would need more anchors than a path can hold is refused whole: the
// alert shows and the path stays as it was, not cut to its first 32 000 anchors. The same shape
// about an axis that keeps little of it is joined as usual.
TEST(Reliability, AShapeTooLongToWriteIsRefusedNotCut) {
    std::string zigzag = "document 100 100\npath closed";
    for (int i = 0; i < 20000; ++i)
        zigzag += " " + std::to_string(10.0 + 80.0 * i / 20000) + (i % 2 ? ",60" : ",40");
    zigzag += "\nselect all\ntool Mirror\n";
    // Right held: a vertical axis keeping the left side, through (85, 50): 18 750 anchors kept,
    // twice as many joined.
    const json refused = Play("too-long", zigzag + "key Right down\ndown 85 50\ndrag 85.1 50\nup\n");
    EXPECT_EQ(refused["alerts"], json::array({"Error in Zarvo"}));
    ASSERT_EQ(refused["art"].size(), 1u);
    EXPECT_EQ(refused["art"][0]["anchors"].size(), 20000u);
    EXPECT_EQ(refused["art"][0]["anchors"][19999]["p"][0].get<double>(), 89.996);
    EXPECT_FALSE(HasUndo(refused, "Undo Mirror"));

    // Left held: keeping the right side of 85, some 1 250 anchors and their image.
    const json joined = Play("long-enough", zigzag + "key Left down\ndown 85 50\ndrag 85.1 50\nup\n");
    EXPECT_TRUE(joined["alerts"].empty());
    ASSERT_EQ(joined["art"].size(), 1u);
    const size_t anchors = joined["art"][0]["anchors"].size();
    EXPECT_GT(anchors, 2400u);
    EXPECT_LT(anchors, 2600u);
}
