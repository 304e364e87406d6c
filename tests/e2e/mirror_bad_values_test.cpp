// Values no user can type but a stored action or a host's effect dictionary can hold (not numbers,
// beyond single precision): the mirror, cut and rectangle-cut operations refuse them and leave
// the artwork exactly as it was, instead of finding every path on no side of a broken axis.
#include "support/HostedChecks.h"
#include "support/HostedPlugin.h"

#include <cmath>
#include <limits>

namespace {

using namespace hosted;
using scribera::Dictionary;
using scribera::DictionaryEntry;

constexpr SBErr kExTr = static_cast<SBErr>(0x45785472);
const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// A filled triangle, selected: bounds [0, 100] x [0, 50].
struct MirrorSession : HostedPlugin {
    Id triangle = scribera::kNoId;
    std::vector<SBPathSegment> anchors;

    MirrorSession() {
        for (SBRealPoint p : {SBRealPoint{0, 0}, SBRealPoint{100, 0}, SBRealPoint{100, 50}})
            anchors.push_back(SBPathSegment{p, p, p, 1});
        Doc().NewArt(ArtKind::Path, SB_PLACE_INSIDE_ON_TOP, Doc().CurrentLayerGroup(), &triangle);
        Doc().SetSegmentCount(triangle, 3);
        Doc().SetSegments(triangle, 0, anchors.data(), 3);
        Doc().SetClosed(triangle, true);
        SBPathStyle style{};
        style.fillPaint = 1;
        style.fill.color.kind = SB_COLOR_GRAY;
        style.stroke.color.kind = SB_COLOR_NONE;
        Doc().SetStyle(triangle, style);
        Doc().SetUserAttr(triangle, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
    }
    // The triangle is the only art and has not moved.
    void ExpectUntouched() {
        const auto top = Doc().Children(Doc().CurrentLayerGroup());
        ASSERT_EQ(top.size(), 1u);
        ASSERT_EQ(top[0], triangle);
        const Art* art = Doc().Find(triangle);
        ASSERT_EQ(art->segments.size(), anchors.size());
        for (size_t i = 0; i < anchors.size(); ++i) {
            EXPECT_EQ(art->segments[i].p.h, anchors[i].p.h);
            EXPECT_EQ(art->segments[i].p.v, anchors[i].p.v);
        }
    }
    // The go message with a preset dictionary, as a host sends it for a stored document.
    SBErr Go(const std::string& effect, const Dictionary& preset) {
        const Id instance = session.Effects().NewInstance();
        session.Effects().instances[instance] = preset;
        return host.LiveEffectGo(Effect(effect), instance, triangle);
    }
};

DictionaryEntry RealEntry(double value) {
    DictionaryEntry e;
    e.type = DictionaryEntry::Type::Real;
    e.real = value;
    return e;
}

TEST(MirrorBadValues, EffectsRefuseAnAxisThatIsNoNumberAndLeaveTheArt) {
    const std::vector<std::pair<std::string, Dictionary>> cases = {
        {"Mirror...", {{"ZarvoAngle", RealEntry(kNaN)}}},
        {"Mirror...", {{"ZarvoAngle", RealEntry(1e300)}}},  // infinite in single precision
        {"Cut...", {{"ZarvoOffset", RealEntry(kInf)}}},
        {"Cut...", {{"ZarvoOffset", RealEntry(1e20)}}},  // a number, but far beyond the artwork's side
        {"Rectangle cut...", {{"ZarvoOffsetX", RealEntry(kNaN)}}},
        {"Rectangle cut...", {{"ZarvoOffsetY", RealEntry(-1e300)}}},
    };
    for (const auto& c : cases) {
        MirrorSession s;
        const SBErr code = s.Go(c.first, c.second);
        EXPECT_NE(code, 0) << c.first << " " << c.second.begin()->first;
        EXPECT_NE(code, kExTr) << "the host gets the failure's own code";
        EXPECT_TRUE(s.session.Shown().alerts.empty());
        s.ExpectUntouched();
    }
    // The same effect with values it can use still cuts: the checks above are the axis'.
    MirrorSession fine;
    EXPECT_EQ(fine.Go("Cut...", {{"ZarvoOffset", RealEntry(10)}}), 0);
    EXPECT_EQ(fine.Doc().Children(fine.Doc().CurrentLayerGroup()).size(), 1u);
    EXPECT_NE(fine.Doc().Find(fine.Doc().Children(fine.Doc().CurrentLayerGroup())[0])->segments.size(), 3u);
}

// One session at a time: a host loads the plug-in once, and so does each of these.
void ExpectRefused(const std::vector<ActionValue>& values) {
    MirrorSession s;
    EXPECT_EQ(s.DoAction(false, values), kExTr);
    EXPECT_EQ(s.session.Shown().alerts, (std::vector<std::string>{"Error in Zarvo"}));
    s.ExpectUntouched();
}

TEST(MirrorBadValues, PlaybackOfBrokenActionsShowsTheErrorAndLeavesTheArt) {
    for (double bad : {kNaN, kInf, 1e300}) {
        ExpectRefused({Integer("tool", 7), Real("cntx", bad), Real("cnty", 25), Real("rota", 0), Integer("mity", 1),
                       Boolean("flpa", false)});
        ExpectRefused({Integer("tool", 8), Real("cntx", 50), Real("cnty", 25), Real("rota", bad), Integer("mity", 3),
                       Boolean("flpa", true)});
        ExpectRefused({Integer("tool", 9), Real("cntx", 50), Real("cnty", 25), Real("wdth", bad), Real("hght", 10),
                       Integer("mity", 3)});
    }
}

}  // namespace
