// The rosette's region, drawn: icons of the corpus with no symmetry of their own, cut or mirrored
// into the wedge and turned about the centre, must give a picture that turns into itself by 360/n
// and (with mirror) reflects into itself across the drag direction, and by nothing finer; with cut
// the wedge must show exactly what the selection showed there.
#include "e2e/rosette_fixture.h"

namespace {

using namespace rosettetest;

struct Case {
    const char* icon;
    int32_t n;
    bool cut;
    bool mirror;
    SBRealPoint to;  // the drag's end, from the centre
    SBRealPoint at;  // the icon's lower left corner, eight times its size
};

std::string Describe(const Case& c) {
    return std::string(c.icon) + " n " + std::to_string(c.n) + (c.cut ? " cut" : "") + (c.mirror ? " mirror" : "");
}

std::string Panel(const Case& c) {
    return std::string("{\"rosettes\":\"") + std::to_string(c.n) + "\",\"cut\":\"" + (c.cut ? "true" : "false") +
           "\",\"mirror\":\"" + (c.mirror ? "true" : "false") + "\"}";
}

constexpr double kScale = 8;
constexpr SBRealPoint kAbove{150, 215};  // above the centre and to its right, crossing several wedges

// Drags in all four quadrants, odd and even counts, every combination of the flags.
const Case kCases[] = {
    {"piggy-bank-fill.svg", 5, true, false, {260, 330}, kAbove},
    {"piggy-bank-fill.svg", 8, true, true, {240, 340}, kAbove},
    {"leaf-fill.svg", 6, true, true, {130, 300}, kAbove},
    {"leaf-fill.svg", 7, true, false, {190, 320}, kAbove},
    {"person-walking.svg", 3, false, false, {90, 150}, kAbove},
    {"person-walking.svg", 4, false, true, {300, 120}, kAbove},
    {"key-fill.svg", 12, true, true, {100, 100}, {60, 60}},
    {"feather2.svg", 9, true, false, {300, 100}, {230, 40}},
    {"key-fill.svg", 7, true, false, {110, 95}, {60, 60}},
    {"feather2.svg", 10, true, true, {290, 110}, {230, 40}},
};

class RosetteRegion : public ::testing::TestWithParam<Case> {};

TEST_P(RosetteRegion, TurnsIntoItselfByTheWedgeAndReflectsOnlyWhenMirrored) {
    const Case& c = GetParam();
    HostedPlugin r("Rosette", HostedOptions().Document(kSide, kSide));
    r.Answer(PanelScript::Kind::Params, Panel(c));
    ASSERT_EQ(r.EditOptions(), 0);
    ASSERT_GT(PlaceIcon(r, c.icon, kScale, c.at), 0u);
    const Raster before(r.Doc());
    DragOnce(r, c.to);
    ASSERT_TRUE(r.session.Shown().alerts.empty()) << Describe(c);
    const Raster after(r.Doc());

    const double a = Degrees(c.to), wedge = 360.0 / c.n;
    const auto turn = [&](double degrees) { return [=](SBRealPoint p) { return Turn(p, degrees); }; };
    const Comparison turned = Compare(after, after, turn(wedge));
    ASSERT_GT(turned.ink, 2000) << Describe(c) << ": the rosette drew almost nothing";
    EXPECT_LT(turned.Fraction(), 0.002) << Describe(c) << " turned by " << wedge;
    // The half turn of a wedge is not a symmetry (the icons have none of their own) unless the
    // wedge is mirrored, which the reflections below tell apart.
    EXPECT_GT(Compare(after, after, turn(wedge / 2)).Fraction(), 0.02) << Describe(c);

    const Comparison reflected = Compare(after, after, [&](SBRealPoint p) { return Reflect(p, a); });
    if (c.mirror)
        EXPECT_LT(reflected.Fraction(), 0.002) << Describe(c) << " reflected across " << a;
    else
        EXPECT_GT(reflected.Fraction(), 0.02) << Describe(c) << " has a mirror it should lack";

    if (!c.cut) return;
    // The wedge (with mirror, its half next to the drag direction) shows the selection as it was.
    const double span = c.mirror ? wedge / 2 : wedge;
    const auto inside = [&](SBRealPoint p) { return InWedge(p, a, span, 2.0); };
    const auto same = [](SBRealPoint p) { return p; };
    const Comparison kept = Compare(before, after, same, inside);
    ASSERT_GT(kept.ink, 200) << Describe(c) << ": the selection hardly enters the wedge";
    EXPECT_LT(kept.Fraction(), 0.002) << Describe(c) << ": the wedge lost the selection's art";
    EXPECT_LT(Compare(after, before, same, inside).Fraction(), 0.002) << Describe(c) << ": the wedge gained art";
}

INSTANTIATE_TEST_SUITE_P(Icons, RosetteRegion, ::testing::ValuesIn(kCases));

}  // namespace
