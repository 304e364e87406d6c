// The thirteen tools, in registration order: what each registers, how its object and its panel
// controller are made, how it plays back its action and which live effect it carries. A tool not
// built yet has no factories; its row is registered all the same.
#include "frame/ToolCatalogue.h"
#include "mirror/MirrorEffects.h"
#include "mirror/VMirrorDBox.h"
#include "mirror/VMirrorUI.h"
#include "mirror/VRectangularCutUI.h"
#include "tiling/VRosetteDBox.h"
#include "tiling/VRosetteUI.h"
#include "tiling/VTileDBox.h"
#include "tiling/VTileUI.h"
#include "tools/InfoVariables.h"
#include "tools/VGoldenRect.h"
#include "tools/VGridDBox.h"
#include "tools/VPolarMeshDBox.h"
#include "tools/VRhombusDBox.h"
#include "tools/VRoseDBox.h"
#include "tools/VSpikeDBox.h"
#include "tools/VSpiralDBox.h"
#include "tools/VWaveDBox.h"

namespace {

using namespace actionkey;
using namespace infovariables;

// ---- Actions --------------------------------------------------------------------------------------

constexpr uint32_t kReal = SB_ACTION_TYPE_REAL;
constexpr uint32_t kLong = SB_ACTION_TYPE_INTEGER;
constexpr uint32_t kBool = SB_ACTION_TYPE_BOOLEAN;

constexpr ActionKey kCentreXKey = {kCentreX, "Centre X:", kReal, true};
constexpr ActionKey kCentreYKey = {kCentreY, "Centre Y:", kReal, true};
constexpr ActionKey kWidthKey = {kWidth, "Width:", kReal, true};
constexpr ActionKey kHeightKey = {kHeight, "Height:", kReal, true};
constexpr ActionKey kMirrorTypeKey = {kMirrorType, "", kLong, false};

constexpr ActionKey kRoseKeys[] = {
    {kTool, "", kLong, false},
    kCentreXKey,
    kCentreYKey,
    {kRoseRadius, "Radius:", kReal, true},
    {kLobes, "Lobes:", kLong, true},
    {kLobeWidth, "Lobe width:", kReal, true},
};
constexpr ActionKey kWaveKeys[] = {kCentreXKey, kCentreYKey, kWidthKey, kHeightKey, {kWaves, "Waves:", kLong, true}};
constexpr ActionKey kRectangleKeys[] = {kCentreXKey, kCentreYKey, kWidthKey, kHeightKey};
constexpr ActionKey kSpiralKeys[] = {
    kCentreXKey,
    kCentreYKey,
    {kSpiralRadius, "Radius:", kReal, true},
    {kSpiralTurns, "Turns:", kLong, true},
    {kSpiralFermat, "Fermat:", kBool, true},
};
constexpr ActionKey kGridKeys[] = {
    kCentreXKey,
    kCentreYKey,
    kWidthKey,
    kHeightKey,
    {kSquaresX, "Squares x:", kLong, true},
    {kSquaresY, "Squares y:", kLong, true},
    {kCreateAsSquares, "Create as squares:", kBool, true},
};
constexpr ActionKey kPolarMeshKeys[] = {
    kCentreXKey,
    kCentreYKey,
    {kOuterRadius, "Outer radius:", kReal, true},
    {kInnerRadius, "Inner radius:", kReal, true},
    {kRadialPoints, "Radial points :", kLong, true},
    {kCirclePoints, "Circle points :", kLong, true},
    {kPolygon, "Polygon :", kBool, true},
    {kColourMode, "Colour mode :", kLong, true},
};
constexpr ActionKey kMirrorKeys[] = {
    kCentreXKey,
    kCentreYKey,
    {kRotate, "Rotate:", kReal, true},
    kMirrorTypeKey,
    {kFlipAgain, "Flip again:", kBool, true},
};
constexpr ActionKey kRectangleCutKeys[] = {kCentreXKey, kCentreYKey, kWidthKey, kHeightKey, kMirrorTypeKey};

template <int N>
constexpr int Count(const ActionKey (&)[N]) {
    return N;
}

constexpr ToolAction kRoseAction = {1, "sb_plugin_zarvo_rose", "Zarvo Rose", kRoseKeys, Count(kRoseKeys)};
constexpr ToolAction kWaveAction = {2, "sb_plugin_zarvo_wave", "Zarvo Wave", kWaveKeys, Count(kWaveKeys)};
constexpr ToolAction kRhombusAction = {4, "sb_plugin_zarvo_rhombus", "Zarvo Rhombus", kRectangleKeys,
                                       Count(kRectangleKeys)};
constexpr ToolAction kSpiralAction = {5, "sb_plugin_zarvo_spiral", "Zarvo Spiral", kSpiralKeys, Count(kSpiralKeys)};
constexpr ToolAction kGoldenRectAction = {6, "sb_plugin_zarvo_grect", "Zarvo Golden Rectangle", kRectangleKeys,
                                          Count(kRectangleKeys)};
constexpr ToolAction kGridAction = {12, "sb_plugin_zarvo_grid", "Zarvo Grid", kGridKeys, Count(kGridKeys)};
constexpr ToolAction kPolarMeshAction = {11, "sb_plugin_zarvo_polar_mesh", "Zarvo Polar Mesh", kPolarMeshKeys,
                                         Count(kPolarMeshKeys)};
constexpr ToolAction kMirrorAction = {7, "sb_plugin_zarvo_mirror", "Zarvo Mirror", kMirrorKeys, Count(kMirrorKeys)};
constexpr ToolAction kCutAction = {8, "sb_plugin_zarvo_cut", "Zarvo Cut", kMirrorKeys, Count(kMirrorKeys)};
constexpr ToolAction kRectCutAction = {9, "sb_plugin_zarvo_rectangle_cut", "Zarvo Rectangle Cut", kRectangleCutKeys,
                                       Count(kRectangleCutKeys)};

// ---- Objects, panels and playback ----------------------------------------------------------------

// A shape tool with a panel: the object, and its controller kept in `Entry`, answering while the
// tool's `Active` handle is the selected one.
template <class Tool, const ToolAction& Action>
VTool* NewShape() {
    return new Tool(&Action);
}

template <class Tool, class Panel, const auto& Fields, VexelUIController* ZGlobals::*Entry,
          SBToolHandle ZGlobals::*Active>
VexelUIController* NewShapePanel(VTool& object) {
    auto& tool = static_cast<Tool&>(object);
    auto* panel = new Panel(Fields, PanelSlots{Entry, {Active, nullptr}}, tool);
    tool.AttachPanel(panel);
    return panel;
}

void PlayBackShape(VTool* object, SBActionParamValueRef values, bool showDialog) {
    if (object) static_cast<VPanelShapeTool*>(object)->PlayBack(values, showDialog);
}

// The golden rectangle and the rectangle cut are single static objects.
VTool* GoldenRectangle() {
    static VGoldenRectangle tool(kGoldenRectAction);
    return &tool;
}

VTool* RectangleCut() {
    static VRectangularCutUI tool(kRectCutAction);
    return &tool;
}

VexelUIController* NewSpikePanel(VTool& object) {
    auto& tool = static_cast<VSpike&>(object);
    auto* panel = new VSpikeDBox(PanelSlots{&ZGlobals::spikeDBox, {&ZGlobals::spikeTool, nullptr}}, tool);
    tool.AttachPanel(panel);
    return panel;
}

VTool* NewMirror() { return new VMirrorUI(kMirrorAction, kCutAction); }

VexelUIController* NewMirrorPanel(VTool& object) {
    auto& tool = static_cast<VMirrorUI&>(object);
    auto* panel = new VMirrorDBox(PanelSlots{&ZGlobals::mirrorDBox, {&ZGlobals::mirrorTool, &ZGlobals::cutTool}}, tool);
    tool.AttachPanel(panel);
    return panel;
}

void SetMirrorMode(VTool& object, int32_t mode) { static_cast<VMirrorUI&>(object).SetCutMode(mode == 1); }

SBErr MirrorEffect(SBLiveEffectMessage* message, bool edit) {
    return edit ? MirrorEffectEditParameters(message, false) : MirrorEffectGo(message);
}

SBErr CutEffect(SBLiveEffectMessage* message, bool edit) {
    return edit ? MirrorEffectEditParameters(message, true) : MirrorEffectGo(message);
}

SBErr RectCutEffect(SBLiveEffectMessage* message, bool edit) {
    return edit ? RectCutEffectEditParameters(message) : RectCutEffectGo(message);
}

VTool* NewRosette() { return new VRosetteUI(); }

VexelUIController* NewRosettePanel(VTool& object) {
    auto& tool = static_cast<VRosetteUI&>(object);
    auto* panel = new VRosetteDBox(PanelSlots{&ZGlobals::rosetteDBox, {&ZGlobals::rosetteTool, nullptr}}, tool);
    tool.AttachPanel(panel);
    return panel;
}

VTool* NewTile() { return new VTileUI(); }

VexelUIController* NewTilePanel(VTool& object) {
    auto& tool = static_cast<VTileUI&>(object);
    auto* panel = new VTileDBox(PanelSlots{&ZGlobals::tileDBox, {&ZGlobals::tileTool, nullptr}}, tool);
    tool.AttachPanel(panel);
    return panel;
}

using G = ZGlobals;

const ToolRow kRows[] = {
    {"Rose", 16064, kCentreRadius, &kRoseAction, &G::roseTool, nullptr, &G::rose, NewShape<VRose, kRoseAction>,
     &G::roseDBox, NewShapePanel<VRose, VRoseDBox, kRosePanel, &G::roseDBox, &G::roseTool>, PlayBackShape, nullptr, 0,
     nullptr, nullptr, nullptr},
    {"Wave", 16065, kCentreWidthHeight, &kWaveAction, &G::waveTool, nullptr, &G::wave, NewShape<VWave, kWaveAction>,
     &G::waveDBox, NewShapePanel<VWave, VWaveDBox, kWavePanel, &G::waveDBox, &G::waveTool>, PlayBackShape, nullptr, 0,
     nullptr, nullptr, nullptr},
    {"Rhombus", 16066, kCentreWidthHeight, &kRhombusAction, &G::rhombusTool, nullptr, &G::rhombus,
     NewShape<VRhombus, kRhombusAction>, &G::rhombusDBox,
     NewShapePanel<VRhombus, VRhombusDBox, kRhombusPanel, &G::rhombusDBox, &G::rhombusTool>, PlayBackShape, nullptr, 0,
     nullptr, nullptr, nullptr},
    {"Spiral", 16067, kCentreRadius, &kSpiralAction, &G::spiralTool, nullptr, &G::spiral,
     NewShape<VSpiral, kSpiralAction>, &G::spiralDBox,
     NewShapePanel<VSpiral, VSpiralDBox, kSpiralPanel, &G::spiralDBox, &G::spiralTool>, PlayBackShape, nullptr, 0,
     nullptr, nullptr, nullptr},
    {"GoldenRect", 16068, kCentreWidth, &kGoldenRectAction, &G::goldenRectTool, GoldenRectangle, nullptr, nullptr,
     nullptr, nullptr,
     [](VTool* object, SBActionParamValueRef values, bool) {
         if (object) static_cast<VGoldenRectangle*>(object)->PlayBack(values);
     },
     nullptr, 0, nullptr, nullptr, nullptr},
    {"Grid", 16069, kCentreWidthHeight, &kGridAction, &G::gridTool, nullptr, &G::grid, NewShape<VGrid, kGridAction>,
     &G::gridDBox, NewShapePanel<VGrid, VGridDBox, kGridPanel, &G::gridDBox, &G::gridTool>, PlayBackShape, nullptr, 0,
     nullptr, nullptr, nullptr},
    {"PolarMesh", 16070, kCentreWidth, &kPolarMeshAction, &G::polarMeshTool, nullptr, &G::polarMesh,
     NewShape<VPolarMesh, kPolarMeshAction>, &G::polarMeshDBox,
     NewShapePanel<VPolarMesh, VPolarMeshDBox, kPolarMeshPanel, &G::polarMeshDBox, &G::polarMeshTool>, PlayBackShape,
     nullptr, 0, nullptr, nullptr, nullptr},
    {"Mirror", 16071, kCentreAngle, &kMirrorAction, &G::mirrorTool, nullptr, &G::mirror, NewMirror, &G::mirrorDBox,
     NewMirrorPanel,
     [](VTool* object, SBActionParamValueRef values, bool) {
         VMirrorUI::PlayBack(static_cast<VMirrorUI*>(object), values, false);
     },
     SetMirrorMode, 0, "Mirror...", &G::mirrorEffect, MirrorEffect},
    // The cut shares the mirror's object (and its panel), in mode 1.
    {"Cut", 16072, kCentreAngle, &kCutAction, &G::cutTool, nullptr, &G::mirror, nullptr, nullptr, nullptr,
     [](VTool* object, SBActionParamValueRef values, bool) {
         VMirrorUI::PlayBack(static_cast<VMirrorUI*>(object), values, true);
     },
     SetMirrorMode, 1, "Cut...", &G::cutEffect, CutEffect},
    {"RectCut", 16073, kCentreWidthHeight, &kRectCutAction, &G::rectCutTool, RectangleCut, nullptr, nullptr, nullptr,
     nullptr,
     [](VTool* object, SBActionParamValueRef values, bool) {
         if (object) static_cast<VRectangularCutUI*>(object)->PlayBack(values);
     },
     nullptr, 0, "Rectangle cut...", &G::rectCutEffect, RectCutEffect},
    {"Tile", 16074, nullptr, nullptr, &G::tileTool, nullptr, &G::tile, NewTile, &G::tileDBox, NewTilePanel, nullptr,
     nullptr, 0, nullptr, nullptr, nullptr},
    {"Rosette", 16075, nullptr, nullptr, &G::rosetteTool, nullptr, &G::rosette, NewRosette, &G::rosetteDBox,
     NewRosettePanel, nullptr, nullptr, 0, nullptr, nullptr, nullptr},
    {"Spike", 16076, nullptr, nullptr, &G::spikeTool, nullptr, &G::spike,
     [] { return static_cast<VTool*>(new VSpike); }, &G::spikeDBox, NewSpikePanel, nullptr, nullptr, 0, nullptr,
     nullptr, nullptr},
};

const ToolCatalogue kCatalogue = {kRows, static_cast<int>(sizeof kRows / sizeof kRows[0])};

}  // namespace

const ToolCatalogue& BuiltInToolCatalogue() { return kCatalogue; }
