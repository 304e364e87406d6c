// The studio's reading of the page's bodies: refusals for what the page must not send, and words
// the script's own checks accept for what it may.
#ifdef SCRIBERA_WITH_STUDIO
#include "cli/CommandTable.h"
#include "studio/StudioRequests.h"

#include <gtest/gtest.h>

namespace {

using nlohmann::json;
using namespace scribera::studio;

// Whether the script's check of the command accepts the words.
bool ScriptAccepts(const Words& words, std::string* why) {
    const scribera::cli::CommandSpec* spec = scribera::cli::FindCommand(words.at(0));
    if (!spec) return false;
    scribera::cli::ArgCheck args(words, why);
    return spec->check(args);
}

TEST(StudioRequests, MouseReadsPointKeysAndModifierBits) {
    MouseRequest m;
    std::string error;
    ASSERT_TRUE(ReadMouse(json::parse(R"({"event":"drag","x":10.5,"y":-3,"keys":["Up","R"],
                                           "modifiers":["shift","alt","0x1000","0x0100"]})"),
                          &m, &error))
        << error;
    EXPECT_EQ(m.kind, MouseRequest::Kind::Drag);
    EXPECT_DOUBLE_EQ(m.x, 10.5);
    EXPECT_DOUBLE_EQ(m.y, -3);
    EXPECT_EQ(m.keys, (std::vector<std::string>{"Up", "R"}));
    EXPECT_EQ(m.modifiers, 0x0200 | 0x0800 | 0x1000 | 0x0100);

    for (const char* bad : {R"({"event":"hover","x":1,"y":1})", R"({"event":"down","x":"1","y":1})",
                            R"({"event":"down","y":1})", R"({"event":"down","x":1e8,"y":1})",
                            R"({"event":"down","x":1,"y":1,"keys":["Q"]})",
                            R"({"event":"down","x":1,"y":1,"keys":"Up"})",
                            R"({"event":"down","x":1,"y":1,"modifiers":["control"]})", R"([1,2])"}) {
        SCOPED_TRACE(bad);
        error.clear();
        EXPECT_FALSE(ReadMouse(json::parse(bad), &m, &error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(StudioRequests, PaintGivesWordsTheFillAndStrokeCommandsTake) {
    Words w;
    std::string error;
    ASSERT_TRUE(ReadPaint(json::parse(R"({"target":"fill","paint":{"kind":"rgb","rgb":[1,0.5,0]}})"), &w, &error));
    EXPECT_EQ(w, (Words{"fill", "rgb", "1", "0.5", "0"}));
    EXPECT_TRUE(ScriptAccepts(w, &error)) << error;

    ASSERT_TRUE(ReadPaint(json::parse(R"({"target":"stroke","paint":{"kind":"linear","angle":30,"stops":[
                             {"position":0,"rgb":[1,0,0]},{"position":100,"rgb":[0,0,1]}]}})"),
                          &w, &error))
        << error;
    EXPECT_EQ(w, (Words{"stroke", "linear", "30", "0:rgb:1:0:0", "100:rgb:0:0:1"}));
    EXPECT_TRUE(ScriptAccepts(w, &error)) << error;

    ASSERT_TRUE(ReadPaint(json::parse(R"({"target":"fill","paint":{"kind":"none"}})"), &w, &error));
    EXPECT_TRUE(ScriptAccepts(w, &error)) << error;

    for (const char* bad : {R"({"target":"fill","paint":{"kind":"rgb","rgb":[1,2,0]}})",
                            R"({"target":"fill","paint":{"kind":"rgb","rgb":[1,0]}})",
                            R"({"target":"glow","paint":{"kind":"none"}})",
                            R"({"target":"fill","paint":{"kind":"pattern"}})",
                            R"({"target":"fill","paint":{"kind":"radial","stops":[{"position":50,"rgb":[0,0,0]},
                                                                                   {"position":10,"rgb":[0,0,0]}]}})",
                            R"({"target":"fill","paint":{"kind":"radial","stops":[{"position":0,"rgb":[0,0,0]}]}})"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ReadPaint(json::parse(bad), &w, &error));
    }
}

TEST(StudioRequests, EffectTakesTheDictionaryKeysOnly) {
    Words w;
    std::string error;
    ASSERT_TRUE(ReadEffect(json::parse(R"({"name":"Cut...","values":{"ZarvoAngle":"90","ZarvoMirrorType":"3",
                                           "ZarvoFlipAgain":"true","ZarvoOffset":"-2.5"}})"),
                           &w, &error))
        << error;
    EXPECT_EQ(w.at(0), "effect");
    EXPECT_EQ(w.at(1), "Cut...");
    EXPECT_EQ(w.size(), 6u);
    EXPECT_TRUE(ScriptAccepts(w, &error)) << error;

    for (const char* bad : {R"({"name":"Blur..."})", R"({"name":"Mirror...","values":{"ZarvoAngle":"1e400"}})",
                            R"({"name":"Mirror...","values":{"ZarvoAngle":"90 ZarvoOffset=5"}})",
                            R"({"name":"Mirror...","values":{"ZarvoMirrorType":"8"}})",
                            R"({"name":"Mirror...","values":{"ZarvoMirrorType":"2.5"}})",
                            R"({"name":"Mirror...","values":{"ZarvoFlipAgain":"1"}})",
                            R"({"name":"Mirror...","values":{"Other":"1"}})",
                            R"({"name":"Rectangle cut...","values":{"ZarvoOffsetX":""}})"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(ReadEffect(json::parse(bad), &w, &error));
    }
}

TEST(StudioRequests, SelectRecordPlayNameAndPanelAnswer) {
    Words w;
    std::string error, name, type, data;
    ASSERT_TRUE(ReadSelect(json::parse(R"({"indices":[0,3]})"), &w, &error));
    EXPECT_EQ(w, (Words{"select", "0", "3"}));
    EXPECT_TRUE(ScriptAccepts(w, &error)) << error;
    ASSERT_TRUE(ReadSelect(json::parse(R"({"indices":[]})"), &w, &error));
    EXPECT_EQ(w, (Words{"select", "none"}));
    EXPECT_FALSE(ReadSelect(json::parse(R"({"indices":[-1]})"), &w, &error));
    EXPECT_FALSE(ReadSelect(json::parse(R"({"indices":[1.5]})"), &w, &error));
    EXPECT_FALSE(ReadSelect(json::parse(R"({"mode":"some"})"), &w, &error));

    ASSERT_TRUE(ReadRecord(json::parse(R"({"on":true})"), &w, &error));
    EXPECT_EQ(w, (Words{"record", "on"}));
    EXPECT_FALSE(ReadRecord(json::parse(R"({"on":"yes"})"), &w, &error));

    ASSERT_TRUE(ReadPlay(json::parse(R"({"index":2,"dialog":true})"), &w, &error));
    EXPECT_EQ(w, (Words{"play", "2", "dialog"}));
    EXPECT_TRUE(ScriptAccepts(w, &error)) << error;
    EXPECT_FALSE(ReadPlay(json::parse(R"({"index":-1})"), &w, &error));

    EXPECT_TRUE(ReadName(json::parse(R"({"name":"Rose"})"), &name, &error));
    EXPECT_FALSE(ReadName(json::parse(R"({"name":""})"), &name, &error));
    EXPECT_FALSE(ReadName(json::parse(R"({"name":7})"), &name, &error));

    ASSERT_TRUE(ReadPanelAnswer(json::parse(R"({"type":"t","data":"{\"a\":\"1\"}"})"), &type, &data, &error));
    EXPECT_EQ(data, R"({"a":"1"})");
    EXPECT_FALSE(ReadPanelAnswer(json::parse(R"({"type":"t","data":{"a":"1"}})"), &type, &data, &error));
}

TEST(StudioRequests, NumberWordsReadBackExactly) {
    for (double v : {0.0, -0.5, 0.1, 1.0 / 3.0, 123456.789, 1e-7}) {
        SCOPED_TRACE(v);
        EXPECT_EQ(std::stod(NumberWord(v)), v);
    }
}

}  // namespace
#endif
