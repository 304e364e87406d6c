// The dump's fields, spellings and numbers, as scenario checks read them.
#include "io/Dump.h"
#include "io/Json.h"

#include "io/Artwork.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace scribera;
using namespace scribera::io;

namespace {

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(DumpJson, WriterEscapesAndKeepsEveryDigit) {
    JsonWriter w;
    w.BeginObject().Key("a\"b").String("line\nnext\t\x01\\").Key("n").BeginArray();
    w.Number(0.1).Number(1.0 / 3).Number(-0.0).Number(1e300).Number(std::nan("")).Integer(-5).Bool(true).Null();
    w.EndArray().EndObject();
    EXPECT_EQ(w.Text(),
              "{\"a\\\"b\": \"line\\nnext\\t\\u0001\\\\\", \"n\": [0.1, 0.3333333333333333, 0, 1e+300, null, -5, true, "
              "null]}");
    // The shortest text reads back as the same double.
    double third = std::stod("0.3333333333333333");
    EXPECT_EQ(third, 1.0 / 3);
}

TEST(DumpJson, DocumentArtAndSessionRecords) {
    Session session;
    session.NewDocument(300, 200);
    Document& doc = session.Doc();
    doc.SetView({0, 200, 300, 10});
    doc.SetPageOrigin({5, 6});

    Artwork art;
    ArtNode path;
    path.closed = true;
    path.selected = true;
    path.segments = {{{1, 2}, {1, 2}, {3, 4}, 1}, {{5, 6}, {7, 8}, {5, 6}, 0}};
    path.style.fillPaint = 1;
    path.style.fill.color.kind = SB_COLOR_GRAY;
    path.style.fill.color.c.gray.gray = 0.25;
    path.style.evenOdd = 1;
    ArtNode group;
    group.kind = ArtKind::Group;
    group.clipped = true;
    ArtNode child = path;
    child.selected = false;
    child.style.fill.color.kind = SB_COLOR_FOUR;
    child.style.fill.color.c.four = {0.1, 0.2, 0.3, 0.4};
    child.style.clip = 1;
    group.children.push_back(child);
    GradientData g;
    g.stops.push_back({50, 0, {}});
    g.stops[0].color.kind = SB_COLOR_THREE;
    g.stops[0].color.c.three = {1, 0.5, 0};
    art.gradients.push_back(g);
    ArtNode shaded = path;
    shaded.selected = false;
    shaded.style.strokePaint = 1;
    shaded.style.stroke.color.kind = SB_COLOR_GRADIENT;
    shaded.style.stroke.color.c.gradient = {IndexHandle<SBGradientHandle>(1), {10, 20}, 45, 7, {1, 0, 0, 1, 0, 0}};
    ArtNode mesh;
    mesh.kind = ArtKind::Mesh;
    SBColor red{};
    red.kind = SB_COLOR_THREE;
    red.c.three = {1, 0, 0};
    mesh.mesh = MeshGrid::Rectangular(1, 1, {0, 10, 10, 0}, red);
    art.art = {path, group, shaded, mesh};
    ASSERT_EQ(AddToDocument(art, doc), SB_OK);

    session.Shown().alerts.push_back("Error in Zarvo");
    session.Shown().questions.push_back({"Replace?", false});
    RecordedAction action;
    action.event = "sb_plugin_zarvo_rose";
    action.dialog = 3;
    action.values.push_back({SB_FOURCC('t', 'o', 'o', 'l'), ActionValue::Type::Integer, 1, false, 0, 0});
    action.values.push_back(
        {SB_FOURCC('c', 'n', 't', 'x'), ActionValue::Type::UnitReal, 0, false, 10.5, SB_FOURCC('#', 'P', 'x', 'l')});
    action.values.push_back({SB_FOURCC('s', 'p', 'f', 'e'), ActionValue::Type::Boolean, 0, true, 0, 0});
    session.Actions().recorded.push_back(action);
    session.Shown().infoVariables = {15, 16};
    session.Shown().infoValues = {10, 20.5};
    session.Shown().panels.push_back({"com.zarvo.Rose", "{\"radius\":\"50\"}"});
    session.Shown().results.push_back({"SB Tool", "SB Mouse Up", 1165522034});

    std::string json = DumpJson(session);
    EXPECT_TRUE(Has(
        json, "\"document\": {\"width\": 300, \"height\": 200, \"view\": [0, 10, 300, 200], \"pageOrigin\": [5, 6]}"))
        << json;
    EXPECT_TRUE(Has(json,
                    "\"art\": [{\"kind\": \"path\", \"selected\": true, \"closed\": true, \"anchors\": "
                    "[{\"p\": [1, 2], \"in\": [1, 2], \"out\": [3, 4], \"corner\": true}, "
                    "{\"p\": [5, 6], \"in\": [7, 8], \"out\": [5, 6], \"corner\": false}], "
                    "\"style\": {\"fill\": {\"gray\": 0.25}, \"stroke\": null, \"clip\": false, \"evenodd\": true"))
        << json;
    EXPECT_TRUE(
        Has(json, "{\"kind\": \"group\", \"selected\": false, \"clipped\": true, \"children\": [{\"kind\": \"path\""));
    EXPECT_TRUE(Has(json, "\"fill\": {\"cmyk\": [0.1, 0.2, 0.3, 0.4]}, \"stroke\": null, \"clip\": true"));
    EXPECT_TRUE(Has(json,
                    "\"stroke\": {\"gradient\": \"linear\", \"origin\": [10, 20], \"angle\": 45, \"length\": 7, "
                    "\"matrix\": [1, 0, 0, 1, 0, 0], \"stops\": [{\"position\": 0, \"midpoint\": 50, "
                    "\"colour\": {\"rgb\": [1, 0.5, 0]}}]}"))
        << json;
    EXPECT_TRUE(
        Has(json, "{\"kind\": \"mesh\", \"selected\": false, \"columns\": 1, \"rows\": 1, \"nodes\": [{\"p\": "));
    EXPECT_TRUE(Has(json, "\"colour\": {\"rgb\": [1, 0, 0]}"));
    // Every curve of the mesh as its flat list of points: one row curve per node row, one column
    // curve per node column.
    EXPECT_TRUE(Has(json,
                    "\"rowCurves\": [[[0, 0], [3.3333333333333335, 0], [6.666666666666667, 0], [10, 0]], "
                    "[[0, 10], [3.3333333333333335, 10], [6.666666666666667, 10], [10, 10]]], "
                    "\"columnCurves\": [[[0, 0], [0, 3.3333333333333335], [0, 6.666666666666667], [0, 10]], "
                    "[[10, 0], [10, 3.3333333333333335], [10, 6.666666666666667], [10, 10]]]}"))
        << json;
    EXPECT_TRUE(Has(json, "\"alerts\": [\"Error in Zarvo\"]"));
    EXPECT_TRUE(Has(json, "\"questions\": [{\"text\": \"Replace?\", \"answer\": false}]"));
    EXPECT_TRUE(Has(json,
                    "\"actions\": [{\"event\": \"sb_plugin_zarvo_rose\", \"dialog\": 3, \"params\": ["
                    "{\"key\": \"tool\", \"type\": \"integer\", \"value\": 1}, "
                    "{\"key\": \"cntx\", \"type\": \"unitreal\", \"value\": 10.5, \"unit\": \"#Pxl\"}, "
                    "{\"key\": \"spfe\", \"type\": \"boolean\", \"value\": true}]}]"))
        << json;
    EXPECT_TRUE(Has(json, "\"info\": {\"variables\": [15, 16], \"values\": [10, 20.5]}"));
    EXPECT_TRUE(
        Has(json, "\"panels\": [{\"extension\": \"com.zarvo.Rose\", \"sent\": \"{\\\"radius\\\":\\\"50\\\"}\"}]"));
    EXPECT_TRUE(Has(json, "\"preferences\": null"));
    EXPECT_TRUE(
        Has(json, "\"results\": [{\"caller\": \"SB Tool\", \"selector\": \"SB Mouse Up\", \"result\": 1165522034}]"));
    EXPECT_TRUE(Has(json, "\"undo\": []"));
}

TEST(DumpJson, PreferencesFileFromTheProfileFolder) {
    namespace fs = std::filesystem;
    Session session;
    fs::path dir = fs::temp_directory_path() / ("zarvo-dump-prefs-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    session.Desktop().desk.profileFolder = dir.string();
    std::string content;
    EXPECT_FALSE(ReadPreferences(session, &content));
    std::ofstream(dir / "ZToolPref.xml") << "<rose><radius>100</radius></rose>";
    ASSERT_TRUE(ReadPreferences(session, &content));
    EXPECT_EQ(content, "<rose><radius>100</radius></rose>");
    EXPECT_NE(DumpJson(session).find("\"preferences\": \"<rose><radius>100</radius></rose>\""), std::string::npos);
    std::string error;
    EXPECT_FALSE(WriteDump(session, (dir / "missing" / "out.json").string(), &error));
    EXPECT_NE(error.find("out.json"), std::string::npos);
    fs::remove_all(dir);
}
