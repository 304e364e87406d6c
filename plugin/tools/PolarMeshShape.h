// The polar mesh: rings crossed by spokes, as the curves and node colours of a gradient mesh of
// S sectors (columns) by N − 1 ring gaps (rows). Colours come from the fill: a flat colour is
// lightened towards white ring by ring, a gradient is sampled across the rings or around the circle.
#pragma once

#include "geometry/PathList.h"

#include <scribera/SBTypes.h>

#include <cstdint>
#include <vector>

struct PolarMeshParams {
    double centreH;
    double centreV;
    double outerRadius;
    double innerRadius;     // per cent of the outer radius
    int32_t radialLines;    // sectors, S
    int32_t circularLines;  // rings, innermost and outermost included, N
    bool polygon;           // straight chords instead of arcs
    int32_t colourMode;
};

extern const PolarMeshParams kPolarMeshDefaults;

// The arrow keys keep the counts within these limits.
constexpr int32_t kMinKeyRadialLines = 4;
constexpr int32_t kMinKeyCircularLines = 2;
constexpr int32_t kMaxKeyLines = 100;
// Counts from a panel or a recorded action: below what a mesh can be made of (one sector, two
// rings) they are taken as the keys' lower limits; above kMaxPanelLines as that, since one step of
// 200 × 200 lines already writes 80000 mesh curves.
constexpr int32_t kMaxPanelLines = 200;
int32_t ClampRadialLines(int32_t count);
int32_t ClampCircularLines(int32_t count);

// The mesh's curves, centred on the parameters' centre: ring arc i·S + s runs on ring i from
// spoke s to spoke s + 1; spoke piece j·(N − 1) + g runs on spoke j from ring g to ring g + 1.
// Empty when the radii or the centre are not finite in single precision or the outer radius is 0.
struct PolarMeshCurves {
    int32_t sectors = 0;  // S
    int32_t rings = 0;    // N
    std::vector<ZPathList> ringArcs;
    std::vector<ZPathList> spokes;
    bool Empty() const { return ringArcs.empty(); }
};
PolarMeshCurves BuildPolarMeshCurves(const PolarMeshParams& params);

// ---- Colours ------------------------------------------------------------------------------------

// How much a flat colour is lightened at ring fraction f: mode 0 2·|f − 0.5|, mode 1 1 − f,
// mode 2 f, any other mode 0.
float ColourModeFactor(int32_t mode, float f);

// The flat fill lightened towards white by w (0 … 1), its values clamped to 0 … 1 first. A fill
// without a colour to lighten (none, pattern, any other kind) gives white: gray 0.
SBColor LightenColour(const SBColor& fill, float w);

// Where the gradient is sampled for the node at ring fraction f and angular fraction α: mode 1 f,
// mode 2 1 − f, mode 3 1 − α, mode 4 α. The other modes sweep nothing of their own: they sample at
// 1 − w(f), the gradient's end where a flat fill keeps its full colour (mode 0: the end on the
// middle ring, the start on the innermost and outermost; modes above 4: the end everywhere).
float GradientSamplePosition(int32_t mode, float f, float alpha);

// Brings stops of gray, four-colour and three-colour (custom colours already replaced by their
// definitions) to one model: four-colour when only four-colour occurs beside gray, three-colour
// when only three-colour does, and the document's model when both occur. Values are clamped to
// 0 … 1. A stop of any other kind raises CheckFailure.
void BringStopsToOneModel(std::vector<SBGradientStop>& stops, bool documentIsFourColour);

// The gradient's colour at x (0 … 1), midpoints honoured. No stops, stops out of order or x outside
// 0 … 1 raise CheckFailure. Midpoints are taken within 1 … 99 per cent.
SBColor SampleGradient(const std::vector<SBGradientStop>& stops, float x);

// The fill the mesh's colours come from: a flat colour, or the stops of a gradient brought to one
// model.
struct PolarMeshFill {
    bool gradient = false;
    SBColor colour{};
    std::vector<SBGradientStop> stops;
};

// The (S + 1)·N node colours, ring by ring from the innermost, spoke 0 to S within a ring.
std::vector<SBColor> PolarMeshColours(const PolarMeshFill& fill, int32_t sectors, int32_t rings, int32_t mode);
