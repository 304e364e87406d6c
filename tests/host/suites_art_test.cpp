// Matching art, paint, styles, the undo suite and the document's geometry through the suites.
#include "suites_fixture.h"

namespace scribera {
namespace {

using testing::SuiteTest;

class ArtSuites : public SuiteTest {
protected:
    std::vector<SBArtHandle> Match(std::vector<SBMatchingArtSpec> criteria) {
        SBArtHandle* list = nullptr;
        int32_t n = -1;
        EXPECT_EQ(matching->GetMatchingArt(criteria.data(), int16_t(criteria.size()), &list, &n), SB_OK);
        std::vector<SBArtHandle> out(list, list + n);
        EXPECT_EQ(memory->MdMemoryDisposeHandle(list), SB_OK);
        return out;
    }
    void Select(SBArtHandle h) { ASSERT_EQ(art->SetArtUserAttr(h, SB_ATTR_SELECTED, SB_ATTR_SELECTED), SB_OK); }

    const SBMatchingArtSuite* matching = Acquire<SBMatchingArtSuite>(kSBMatchingArtSuite, kSBMatchingArtSuiteVersion);
    const SBMdMemorySuite* memory = Acquire<SBMdMemorySuite>(kSBMdMemorySuite, kSBMdMemorySuiteVersion);
    const SBPathStyleSuite* pathStyle = Acquire<SBPathStyleSuite>(kSBPathStyleSuite, kSBPathStyleSuiteVersion);
    const SBArtStyleSuite* artStyle = Acquire<SBArtStyleSuite>(kSBArtStyleSuite, kSBArtStyleSuiteVersion);
    const SBBlendStyleSuite* blend = Acquire<SBBlendStyleSuite>(kSBBlendStyleSuite, kSBBlendStyleSuiteVersion);
    const SBUndoSuite* undo = Acquire<SBUndoSuite>(kSBUndoSuite, kSBUndoSuiteVersion);
    const SBGroupSuite* group = Acquire<SBGroupSuite>(kSBGroupSuite, kSBGroupSuiteVersion);
    const SBGradientSuite* gradient = Acquire<SBGradientSuite>(kSBGradientSuite, kSBGradientSuiteVersion);
    const SBCustomColorSuite* custom = Acquire<SBCustomColorSuite>(kSBCustomColorSuite, kSBCustomColorSuiteVersion);
    const SBDocumentSuite* document = Acquire<SBDocumentSuite>(kSBDocumentSuite, kSBDocumentSuiteVersion);
    const SBDocumentViewSuite* view = Acquire<SBDocumentViewSuite>(kSBDocumentViewSuite, kSBDocumentViewSuiteVersion);
};

TEST_F(ArtSuites, MatchingFollowsDocumentOrderThroughNestedArt) {
    // Layer: top (path), g (group: inner path, cp (compound: two paths)), mesh, bottom (path).
    SBArtHandle bottom = NewPath();
    SBArtHandle mesh = nullptr, g = nullptr, cp = nullptr;
    ASSERT_EQ(art->NewArt(SB_ART_MESH, SB_PLACE_INSIDE_ON_TOP, Layer(), &mesh), SB_OK);
    ASSERT_EQ(art->NewArt(SB_ART_GROUP, SB_PLACE_INSIDE_ON_TOP, Layer(), &g), SB_OK);
    ASSERT_EQ(art->NewArt(SB_ART_COMPOUND_PATH, SB_PLACE_INSIDE_ON_TOP, g, &cp), SB_OK);
    SBArtHandle inner = NewPath(g);
    SBArtHandle m2 = NewPath(cp), m1 = NewPath(cp);
    SBArtHandle top = NewPath();
    for (SBArtHandle h : {bottom, mesh, g, cp, inner, m1, m2, top}) Select(h);
    ASSERT_EQ(art->SetArtUserAttr(m1, SB_ATTR_SELECTED, 0), SB_OK);

    const SBMatchingArtSpec any{SB_ART_ANY, SB_ATTR_SELECTED, SB_ATTR_SELECTED};
    EXPECT_EQ(Match({any}), (std::vector<SBArtHandle>{top, g, inner, cp, m2, mesh, bottom}));
    // Two specifications give one list in document order, each object once.
    const SBMatchingArtSpec paths{SB_ART_PATH, SB_ATTR_SELECTED, SB_ATTR_SELECTED};
    const SBMatchingArtSpec meshes{SB_ART_MESH, SB_ATTR_SELECTED, SB_ATTR_SELECTED};
    EXPECT_EQ(Match({paths, meshes}), (std::vector<SBArtHandle>{top, inner, m2, mesh, bottom}));
    EXPECT_EQ(Match({meshes, paths, paths}), (std::vector<SBArtHandle>{top, inner, m2, mesh, bottom}));
    // Mask and value: the unselected paths.
    EXPECT_EQ(Match({{SB_ART_PATH, SB_ATTR_SELECTED, 0}}), (std::vector<SBArtHandle>{m1}));
    // Mask 0 matches every object of the kind; layer groups never match.
    EXPECT_EQ(Match({{SB_ART_GROUP, 0, 0}}), (std::vector<SBArtHandle>{g}));
    EXPECT_TRUE(Match({}).empty());
    EXPECT_EQ(session.Memory().MemoryHeld(), 0u);

    SBArtHandle* list = nullptr;
    int32_t n = 0;
    EXPECT_EQ(matching->GetMatchingArt(&any, 1, &list, nullptr), SB_ERR_BAD_PARAM);
    EXPECT_EQ(matching->GetMatchingArt(nullptr, 1, &list, &n), SB_ERR_BAD_PARAM);
    int dummy = 0;
    EXPECT_EQ(memory->MdMemoryDisposeHandle(&dummy), SB_ERR_BAD_PARAM);  // not host memory
}

TEST_F(ArtSuites, ArtStylesCarryPaintAndOpacity) {
    SBPathStyle current{};
    ASSERT_EQ(pathStyle->GetCurrentPathStyle(&current), SB_OK);
    current.fill.color.kind = SB_COLOR_FOUR;
    current.fill.color.c.four = {0.1, 0.2, 0.3, 0.4};
    current.stroke.width = 3;
    ASSERT_EQ(pathStyle->SetCurrentPathStyle(&current), SB_OK);

    SBArtStyleHandle s1 = nullptr, s2 = nullptr;
    ASSERT_EQ(artStyle->GetCurrentArtStyle(&s1), SB_OK);
    ASSERT_EQ(artStyle->GetCurrentArtStyle(&s2), SB_OK);
    EXPECT_EQ(s1, s2);  // equal snapshots share one handle
    SBArtHandle p = NewPath();
    ASSERT_EQ(artStyle->SetArtStyle(p, s1), SB_OK);
    SBPathStyle got{};
    ASSERT_EQ(pathStyle->GetPathStyle(p, &got), SB_OK);
    EXPECT_EQ(got.fill.color.kind, SB_COLOR_FOUR);
    EXPECT_EQ(got.fill.color.c.four.black, 0.4);
    EXPECT_EQ(got.stroke.width, 3);

    // A path's style snapshot takes its opacity along; blending copies opacity alone.
    ASSERT_EQ(blend->SetOpacity(p, 0.3), SB_OK);
    SBArtStyleHandle fromP = nullptr;
    ASSERT_EQ(artStyle->GetArtStyle(p, &fromP), SB_OK);
    EXPECT_NE(fromP, s1);
    SBArtHandle q = NewPath();
    ASSERT_EQ(artStyle->SetArtStyle(q, fromP), SB_OK);
    double opacity = 0;
    ASSERT_EQ(blend->GetOpacity(q, &opacity), SB_OK);
    EXPECT_EQ(opacity, 0.3);
    SBArtHandle r = NewPath();
    ASSERT_EQ(blend->CopyBlendingAttributes(p, r), SB_OK);
    ASSERT_EQ(blend->GetOpacity(r, &opacity), SB_OK);
    EXPECT_EQ(opacity, 0.3);
    EXPECT_EQ(blend->SetOpacity(r, -0.1), SB_ERR_BAD_PARAM);
    EXPECT_EQ(artStyle->SetArtStyle(r, reinterpret_cast<SBArtStyleHandle>(p)), SB_ERR_STALE);
}

TEST_F(ArtSuites, PaintHandlesAreChecked) {
    Document& d = session.Doc();
    GradientData gd;
    gd.kind = SB_GRADIENT_RADIAL;
    SBGradientStop stop{};
    stop.rampPoint = 0;
    stop.midPoint = 50;
    stop.color.kind = SB_COLOR_GRAY;
    gd.stops = {stop, stop};
    gd.stops[1].rampPoint = 100;
    const Id gid = d.AddGradient(gd);
    CustomColourData cd;
    cd.name = "Teal";
    cd.definition.kind = SB_COLOR_THREE;
    cd.definition.c.three = {0, 0.5, 0.5};
    const Id cid = d.AddCustomColour(cd);

    int16_t kind = -1, count = 0;
    SBGradientHandle gh = ToHandle<SBGradientHandle>(gid);
    ASSERT_EQ(gradient->GetGradientType(gh, &kind), SB_OK);
    EXPECT_EQ(kind, SB_GRADIENT_RADIAL);
    ASSERT_EQ(gradient->GetGradientStopCount(gh, &count), SB_OK);
    EXPECT_EQ(count, 2);
    SBGradientStop got{};
    ASSERT_EQ(gradient->GetNthGradientStop(gh, 1, &got), SB_OK);
    EXPECT_EQ(got.rampPoint, 100);
    EXPECT_EQ(gradient->GetNthGradientStop(gh, 2, &got), SB_ERR_RANGE);
    EXPECT_EQ(gradient->GetNthGradientStop(gh, -1, &got), SB_ERR_RANGE);
    EXPECT_EQ(gradient->GetGradientType(ToHandle<SBGradientHandle>(cid), &kind), SB_ERR_STALE);

    SBColor def{};
    const char* name = nullptr;
    ASSERT_EQ(custom->GetCustomColor(ToHandle<SBCustomColorHandle>(cid), &def), SB_OK);
    ASSERT_EQ(custom->GetCustomColorName(ToHandle<SBCustomColorHandle>(cid), &name), SB_OK);
    EXPECT_EQ(def.c.three.green, 0.5);
    EXPECT_STREQ(name, "Teal");

    SBArtHandle p = NewPath();
    SBPathStyle style{};
    style.fillPaint = 1;
    style.fill.color.kind = SB_COLOR_GRADIENT;
    style.fill.color.c.gradient.gradient = gh;
    style.fill.color.c.gradient.matrix = {1, 0, 0, 1, 5, 6};
    style.stroke.color.kind = SB_COLOR_CUSTOM;
    style.stroke.color.c.custom = {ToHandle<SBCustomColorHandle>(cid), 0.5};
    ASSERT_EQ(pathStyle->SetPathStyle(p, &style), SB_OK);
    SBPathStyle back{};
    ASSERT_EQ(pathStyle->GetPathStyle(p, &back), SB_OK);
    EXPECT_EQ(back.fill.color.c.gradient.gradient, gh);
    EXPECT_EQ(back.fill.color.c.gradient.matrix.ty, 6);

    style.fill.color.c.gradient.gradient = ToHandle<SBGradientHandle>(FromHandle(p));  // not a gradient
    EXPECT_EQ(pathStyle->SetPathStyle(p, &style), SB_ERR_STALE);
    style.fill.color.kind = 9;
    EXPECT_EQ(pathStyle->SetPathStyle(p, &style), SB_ERR_BAD_PARAM);
    ASSERT_EQ(pathStyle->GetPathStyle(p, &back), SB_OK);
    EXPECT_EQ(back.fill.color.c.gradient.gradient, gh);  // unchanged

    SBArtHandle g = nullptr;
    ASSERT_EQ(art->NewArt(SB_ART_GROUP, SB_PLACE_INSIDE_ON_TOP, Layer(), &g), SB_OK);
    EXPECT_EQ(pathStyle->GetPathStyle(g, &back), SB_ERR_BAD_PARAM);
    SBBool clipped = 1;
    ASSERT_EQ(group->GetGroupClipped(g, &clipped), SB_OK);
    EXPECT_EQ(clipped, 0);
    ASSERT_EQ(group->SetGroupClipped(g, 1), SB_OK);
    ASSERT_EQ(group->GetGroupClipped(g, &clipped), SB_OK);
    EXPECT_EQ(clipped, 1);
    EXPECT_EQ(group->SetGroupClipped(p, 1), SB_ERR_BAD_PARAM);
}

TEST_F(ArtSuites, UndoSuiteRevertsTheDragStepAndNamesTheEntry) {
    Document& d = session.Doc();
    SBArtHandle p = NewPath();
    d.BeginTransaction();                   // mouse down
    for (int step = 0; step < 3; ++step) {  // drag steps
        ASSERT_EQ(undo->UndoChanges(), SB_OK);
        EXPECT_EQ(d.Children(d.CurrentLayerGroup()).size(), 1u);
        NewPath();
        ASSERT_EQ(art->SetArtUserAttr(p, SB_ATTR_SELECTED, SB_ATTR_SELECTED), SB_OK);
    }
    SBUnicodeStringRef u = Text("Undo Rose"), r = Text("Redo Rose");
    ASSERT_EQ(undo->SetUndoTextUS(u, r), SB_OK);
    EXPECT_EQ(undo->SetUndoTextUS(u, nullptr), SB_ERR_BAD_PARAM);
    d.EndTransaction();  // mouse up
    EXPECT_EQ(d.Children(d.CurrentLayerGroup()).size(), 2u);
    EXPECT_EQ(d.UndoNames(), (std::vector<std::string>{"Undo Rose"}));
    ASSERT_EQ(d.Undo(), SB_OK);
    EXPECT_EQ(d.Children(d.CurrentLayerGroup()).size(), 1u);
    EXPECT_EQ(d.Find(FromHandle(p))->userAttr, 0);
    EXPECT_EQ(d.RedoNames(), (std::vector<std::string>{"Redo Rose"}));
}

TEST_F(ArtSuites, TextFromTheSystemCodePageBecomesUtf8) {
    SBUnicodeStringRef s = Text("Caf\xE9");
    const char* utf8 = nullptr;
    ASSERT_EQ(unicode->GetUTF8(s, &utf8), SB_OK);
    EXPECT_STREQ(utf8, "Caf\xC3\xA9");
}

TEST_F(ArtSuites, DocumentGeometry) {
    session.NewDocument(300, 200);
    session.Doc().SetPageOrigin({10, 20});
    session.Doc().SetView({-5, 150, 250, -40});
    session.Doc().SetColourModel(SB_MODEL_CMYK);
    double w = 0, h = 0;
    ASSERT_EQ(document->GetDocumentSize(&w, &h), SB_OK);
    EXPECT_EQ(w, 300);
    EXPECT_EQ(h, 200);
    SBRealPoint origin{};
    ASSERT_EQ(document->GetDocumentRulerOrigin(&origin), SB_OK);
    EXPECT_EQ(origin.v, 20);
    int32_t model = -1;
    ASSERT_EQ(document->GetDocumentColorModel(&model), SB_OK);
    EXPECT_EQ(model, SB_MODEL_CMYK);
    SBRealRect r{};
    ASSERT_EQ(view->GetDocumentViewBounds(nullptr, &r), SB_OK);
    EXPECT_EQ(r.left, -5);
    EXPECT_EQ(r.top, 150);
    EXPECT_GT(r.top, r.bottom);
    EXPECT_EQ(document->GetDocumentSize(&w, nullptr), SB_ERR_BAD_PARAM);
    // A new document has a layer of its own; handles of the old one are stale.
    SBArtHandle first = nullptr;
    ASSERT_EQ(art->GetFirstArtOfLayer(nullptr, &first), SB_OK);
    EXPECT_EQ(FromHandle(first), session.Doc().CurrentLayerGroup());
    int16_t kind = 0;
    ASSERT_EQ(art->GetArtType(first, &kind), SB_OK);
    EXPECT_EQ(kind, SB_ART_GROUP);
}

}  // namespace
}  // namespace scribera
