// The "Mirror...", "Cut..." and "Rectangle cut..." live effects through the script's effect
// command: new and preset dictionaries, the art the effect applies to, bad commands.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

namespace {

using namespace hosted;
using scribera::DictionaryEntry;

// A triangle whose bounds are [0, 100] x [0, 50]: centre (50, 25).
const char* const kTriangle = "document 600 600\nfill gray 0.5\npath closed 0,0 100,0 100,50\nselect all\n";

void ExpectReal(const scribera::Dictionary& d, const std::string& key, double value) {
    auto it = d.find(key);
    ASSERT_NE(it, d.end()) << key;
    EXPECT_EQ(it->second.type, DictionaryEntry::Type::Real) << key;
    EXPECT_EQ(it->second.real, value) << key;
}

TEST(MirrorEffect, ANewInstanceMirrorsAboutTheCentreOfItsArt) {
    auto p = Play(std::string(kTriangle) + "effect Mirror...\n");
    ASSERT_TRUE(p->ok) << p->error;
    const auto& d = p->OnlyDictionary();
    ExpectReal(d, "ZarvoAngle", 0);
    ExpectReal(d, "ZarvoOffset", 0);
    ASSERT_TRUE(d.count("ZarvoMirrorType"));
    EXPECT_EQ(d.at("ZarvoMirrorType").integer, 1);
    ASSERT_TRUE(d.count("ZarvoFlipAgain"));
    EXPECT_EQ(d.at("ZarvoFlipAgain").type, DictionaryEntry::Type::Boolean);
    EXPECT_FALSE(d.at("ZarvoFlipAgain").boolean);
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(SymmetricAbout(paths, 50));
    ExpectExtent(paths, 0, 100, 0, 50);
    EXPECT_EQ(p->UndoNames().back(), "Undo Mirror...");
}

TEST(CutEffect, CutsAlongTheCentreAndTheOffsetMovesTheAxisLeft) {
    auto p = Play(std::string(kTriangle) + "effect Cut...\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_EQ(p->OnlyDictionary().at("ZarvoMirrorType").integer, 3);
    ASSERT_EQ(p->Paths().size(), 1u);
    EXPECT_TRUE(p->Paths()[0]->closed);
    ExpectExtent(p->Paths(), 50, 100, 0, 50);

    auto offset = Play(std::string(kTriangle) + "effect Cut... ZarvoOffset=10 ZarvoAngle=0\n");
    ASSERT_TRUE(offset->ok) << offset->error;
    ExpectExtent(offset->Paths(), 40, 100, 0, 50);
    ExpectReal(offset->OnlyDictionary(), "ZarvoOffset", 10);

    // A preset type and angle: an open cut keeping the left half.
    auto left = Play(std::string(kTriangle) + "effect Cut... ZarvoAngle=180 ZarvoMirrorType=5 ZarvoFlipAgain=false\n");
    ASSERT_TRUE(left->ok) << left->error;
    ASSERT_EQ(left->Paths().size(), 1u);
    EXPECT_FALSE(left->Paths()[0]->closed);
    ExpectExtent(left->Paths(), 0, 50, 0, 25);
    EXPECT_EQ(left->OnlyDictionary().at("ZarvoMirrorType").integer, 5);

    // A preset flip adds the second pass about the horizontal line through the centre.
    auto flip = Play(std::string(kTriangle) + "effect Mirror... ZarvoFlipAgain=1\n");
    ASSERT_TRUE(flip->ok) << flip->error;
    EXPECT_TRUE(flip->OnlyDictionary().at("ZarvoFlipAgain").boolean);
    ExpectExtent(flip->Paths(), 0, 100, 0, 50);
    // The tent's peak (50, 25) lay below the second axis and is gone.
    for (const Art* path : flip->Paths())
        for (const SBPathSegment& s : path->segments) EXPECT_FALSE(std::fabs(s.p.h - 50) < 1 && s.p.v < 24);
}

TEST(RectCutEffect, KeepsTheHalfSizesAroundTheCentre) {
    const std::string big = "document 600 600\nfill gray 0.5\npath closed 0,0 400,0 400,300 0,300\nselect all\n";
    auto p = Play(big + "effect \"Rectangle cut...\"\n");
    ASSERT_TRUE(p->ok) << p->error;
    ExpectReal(p->OnlyDictionary(), "ZarvoOffsetX", 100);
    ExpectReal(p->OnlyDictionary(), "ZarvoOffsetY", 100);
    ExpectExtent(p->Paths(), 100, 300, 50, 250);

    auto preset = Play(big + "effect \"Rectangle cut...\" ZarvoOffsetX=50 ZarvoOffsetY=20\n");
    ASSERT_TRUE(preset->ok) << preset->error;
    ExpectExtent(preset->Paths(), 150, 250, 130, 170);
}

TEST(EffectCommand, TheSelectionIsGatheredAndNothingElseChanges) {
    // Two selected rectangles become one group; the unselected one below them stays whole.
    auto p = Play(
        "document 600 600\nfill gray 0.5\npath closed 300,0 400,0 400,10 300,10\n"
        "path closed 0,0 40,0 40,10 0,10\npath closed 60,20 100,20 100,30 60,30\nselect 0 1\n"
        "effect Cut...\n");
    ASSERT_TRUE(p->ok) << p->error;
    auto top = p->TopArt();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[0]->kind, ArtKind::Group);
    std::vector<const Art*> inGroup;
    for (Id c : p->Doc().Children(top[0]->id)) inGroup.push_back(p->Doc().Find(c));
    // Bounds [0, 100]: only the rectangle right of 50 is left in the group.
    ExpectExtent(inGroup, 60, 100, 20, 30);
    ExpectExtent({top[1]}, 300, 400, 0, 10);
}

// A host call that fails inside the effect reaches the host as that call's code, without an
// alert, and the host throws the unfinished output away: the art is as it was.
TEST(EffectCommand, AFailingEffectHandsTheHostItsCodeAndLeavesTheArt) {
    auto p = Play(std::string(kTriangle) + "fail \"SB Art Suite.NewArt\" 1 CANT\neffect Cut...\n");
    ASSERT_TRUE(p->ok) << p->error;
    EXPECT_TRUE(p->session.Shown().alerts.empty());
    bool reported = false;
    for (const auto& r : p->session.Shown().results)
        reported = reported || (r.selector == kSBSelectorLiveEffectGo && r.result == SB_ERR_CANT);
    EXPECT_TRUE(reported);
    auto paths = p->Paths();
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_EQ(paths[0]->segments.size(), 3u);
    ExpectExtent(paths, 0, 100, 0, 50);
}

TEST(EffectCommand, BadCommandsAreRefusedClearly) {
    auto unknown = Play(std::string(kTriangle) + "effect Blur...\n");
    EXPECT_FALSE(unknown->ok);
    EXPECT_NE(unknown->error.find("no live effect named 'Blur...'"), std::string::npos) << unknown->error;

    auto value = Play(std::string(kTriangle) + "effect Mirror... ZarvoAngle=wide\n");
    EXPECT_FALSE(value->ok);
    EXPECT_NE(value->error.find("ZarvoAngle"), std::string::npos) << value->error;

    auto flag = Play(std::string(kTriangle) + "effect Mirror... ZarvoFlipAgain=yes\n");
    EXPECT_FALSE(flag->ok);

    auto key = Play(std::string(kTriangle) + "effect Mirror... Radius=3\n");
    EXPECT_FALSE(key->ok);
    EXPECT_NE(key->error.find("Radius"), std::string::npos) << key->error;

    auto none = Play("document 600 600\npath closed 0,0 100,0 100,50\nselect none\neffect Mirror...\n");
    EXPECT_FALSE(none->ok);
    EXPECT_NE(none->error.find("selection"), std::string::npos) << none->error;
    ExpectExtent(none->Paths(), 0, 100, 0, 50);
}

}  // namespace
