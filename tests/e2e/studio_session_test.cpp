// The studio's session with the built plug-in: the page's actions as the user's, the panels the
// plug-in opens answered as the page answers them, and refusals that leave the document alone.
#ifdef SCRIBERA_WITH_STUDIO
#include "studio/PluginIcons.h"
#include "studio/StudioSession.h"

#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

using nlohmann::json;
using namespace scribera::studio;

class StudioSessionTest : public ::testing::Test {
protected:
    void SetUp() override {
        StudioOptions options;
        options.pluginPath = testenv::PluginPath();
        options.hostFolder = SCRIBERA_BRIDGE_FOLDER;
        std::string error;
        ASSERT_TRUE(session.Start(options, &error)) << error;
    }
    json Dump() { return json::parse(session.DumpJson()); }
    Outcome Mouse(MouseRequest::Kind kind, double x, double y, std::vector<std::string> keys = {}) {
        MouseRequest m;
        m.kind = kind;
        m.x = x;
        m.y = y;
        m.keys = std::move(keys);
        return session.Mouse(m);
    }
    StudioSession session;
};

TEST_F(StudioSessionTest, ADragDrawsARoseAndAKeyCountsFromTheFirstStep) {
    EXPECT_FALSE(Mouse(MouseRequest::Kind::Down, 10, 10).ok) << "no tool chosen yet";
    ASSERT_TRUE(session.ChooseTool("Rose").ok);
    auto petalsOfADrag = [&](double x, std::vector<std::string> keys) {
        EXPECT_TRUE(Mouse(MouseRequest::Kind::Down, x, 200, keys).ok);
        EXPECT_TRUE(Mouse(MouseRequest::Kind::Drag, x + 60, 200, keys).ok);
        EXPECT_TRUE(Mouse(MouseRequest::Kind::Up, x + 60, 200).ok);
        const json art = Dump()["art"];
        EXPECT_EQ(art[0]["kind"], "path");
        return art[0]["anchors"].size();
    };
    const size_t plain = petalsOfADrag(100, {});
    // Up held from before the mouse went down adds a petal at the first drag step.
    const size_t withUp = petalsOfADrag(300, {"Up"});
    EXPECT_GT(withUp, plain);
    // Released, the count the key left stays with the tool.
    EXPECT_EQ(petalsOfADrag(500, {}), withUp);
    EXPECT_EQ(Dump()["art"].size(), 3u);
    EXPECT_FALSE(session.ChooseTool("Lasso").ok);
}

TEST_F(StudioSessionTest, AClickOpensThePanelAndItsAnswerDrawsThere) {
    ASSERT_TRUE(session.ChooseTool("Rose").ok);
    EXPECT_FALSE(session.AnswerPanel("com.norvane.event.RoseToolParams", "{}").ok) << "no panel open";
    ASSERT_TRUE(Mouse(MouseRequest::Kind::Click, 300, 300).ok);
    json state = session.State({});
    ASSERT_TRUE(state["panel"].is_object());
    EXPECT_EQ(state["panel"]["title"], "Rose");
    EXPECT_EQ(state["panel"]["payload"], R"({"radius" : "100", "lobes" : "4", "width" : "1.5"})");
    // Another panel's event is not the open panel's to send.
    EXPECT_FALSE(session.AnswerPanel("com.norvane.event.WaveToolParams", "{}").ok);
    ASSERT_TRUE(session.AnswerPanel("com.norvane.event.RoseToolParams", R"({"radius":"50","lobes":"6","width":"1"})").ok);
    state = session.State({});
    EXPECT_TRUE(state["panel"].is_null());
    const json art = state["document"]["art"];
    ASSERT_EQ(art.size(), 1u);
    double top = -1e9;
    for (const json& a : art[0]["anchors"]) top = std::max(top, a["p"][1].get<double>());
    EXPECT_NEAR(top, 350, 1e-6);  // the first petal's tip straight above the click, 50 away
    EXPECT_EQ(state["document"]["undo"].back(), "Undo Rose");
}

TEST_F(StudioSessionTest, TheMirrorPanelIsNamedAfterTheToolThatOpenedIt) {
    ASSERT_TRUE(session.ChooseTool("Cut").ok);
    ASSERT_TRUE(session.Command({"edit-options"}).ok);
    json state = session.State({});
    ASSERT_TRUE(state["panel"].is_object());
    EXPECT_EQ(state["panel"]["extension"], "com.zarvo.MirrorCut");
    EXPECT_EQ(state["panel"]["title"], "Cut");
    ASSERT_TRUE(session.AnswerPanel("com.norvane.event.MirrorCutToolCancel", "").ok);
}

TEST_F(StudioSessionTest, BadImportsAndRefusedCommandsLeaveTheDocumentAlone) {
    ASSERT_TRUE(session.Import(R"(<svg xmlns="http://www.w3.org/2000/svg" width="100" height="100">
                                   <rect x="10" y="10" width="30" height="20"/></svg>)")
                    .ok);
    const std::string before = session.DumpJson();
    EXPECT_FALSE(json::parse(before)["art"][0]["selected"].get<bool>()) << "imported art starts unselected";
    EXPECT_FALSE(session.Import("<svg><path d=").ok);
    EXPECT_FALSE(session.Import("not svg at all").ok);
    EXPECT_FALSE(session.Command({"effect", "Mirror..."}).ok) << "nothing is selected";
    EXPECT_FALSE(session.Command({"redo"}).ok);
    EXPECT_FALSE(session.Command({"drag", "1", "2"}).ok);
    EXPECT_EQ(session.DumpJson(), before);
    ASSERT_TRUE(session.Command({"undo"}).ok);
    EXPECT_TRUE(Dump()["art"].empty());
}

TEST(StudioStart, AnSvgFileSetsTheDocumentSizeAndStartsUnselected) {
    const std::string dir = testenv::MakeTempDir("studio-start");
    const std::string file = dir + "/art.svg";
    std::ofstream(file) << R"(<svg xmlns="http://www.w3.org/2000/svg" width="320" height="240">
                              <circle cx="50" cy="50" r="20"/></svg>)";
    StudioSession session;
    StudioOptions options;
    options.pluginPath = testenv::PluginPath();
    options.hostFolder = SCRIBERA_BRIDGE_FOLDER;
    options.svgFile = file;
    std::string error;
    ASSERT_TRUE(session.Start(options, &error)) << error;
    const json dump = json::parse(session.DumpJson());
    EXPECT_EQ(dump["document"]["width"], 320);
    EXPECT_EQ(dump["document"]["height"], 240);
    ASSERT_EQ(dump["art"].size(), 1u);
    EXPECT_FALSE(dump["art"][0]["selected"].get<bool>());

    double w = 0, h = 0;
    EXPECT_FALSE(SvgDocumentSize("<svg width='-0' height='10'/>", &w, &h, &error));
    EXPECT_FALSE(SvgDocumentSize("<html/>", &w, &h, &error));
    EXPECT_FALSE(SvgDocumentSize("<svg width='1e300' height='10'/>", &w, &h, &error));
}

TEST(StudioIcons, ThirteenPngsFromTheLibraryAndNoneFromDamagedCopies) {
    const auto icons = ReadPluginIcons(testenv::PluginPath());
    ASSERT_EQ(icons.size(), 13u);
    for (const auto& [id, png] : icons) {
        EXPECT_GE(id, 16064);
        EXPECT_LE(id, 16076);
        ASSERT_GT(png.size(), 8u);
        EXPECT_EQ(png.substr(1, 3), "PNG");
    }
    std::ifstream in(testenv::PluginPath(), std::ios::binary);
    const std::string image((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // Cut short anywhere, or with its section table pointing off the end, the file gives no more
    // than it holds and nothing is read outside it.
    for (size_t cut : {size_t(0), size_t(10), size_t(64), image.size() / 2, image.size() - 1})
        EXPECT_LE(ReadPluginIconsFromImage(image.substr(0, cut)).size(), 13u);
    std::string damaged = image;
    for (size_t i = 0x28; i < 0x30; ++i) damaged[i] = '\xff';  // e_shoff
    EXPECT_TRUE(ReadPluginIconsFromImage(damaged).empty());
    EXPECT_TRUE(ReadPluginIcons("/nonexistent/libzarvo.so").empty());
}

}  // namespace
#endif
