#include "frame/Registration.h"

#include "frame/Globals.h"
#include "frame/Suites.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Registry.h"
#include "geometry/Errors.h"

#include <scribera/SBSuites.h>

#include <cstring>

namespace registration {

const ToolEntry kFirstGroupTools[7] = {
    {"Rose", 16064},       {"Wave", 16065}, {"Rhombus", 16066},   {"Spiral", 16067},
    {"GoldenRect", 16068}, {"Grid", 16069}, {"PolarMesh", 16070},
};

const ToolEntry kSecondGroupTools[6] = {
    {"Mirror", 16071}, {"Cut", 16072}, {"RectCut", 16073}, {"Tile", 16074}, {"Rosette", 16075}, {"Spike", 16076},
};

const NotifierEntry kNotifiers[3] = {
    {"Zarvo SB Panelux Relayzen Setup Complete", kSBPanelSetupCompleteNotifier},
    {"Zarvo", kSBApplicationShutdownNotifier},
    {"Startup", kSBApplicationStartedNotifier},
};

const char* const kLiveEffects[3] = {"Mirror...", "Cut...", "Rectangle cut..."};

namespace {

constexpr uint32_t kReal = SB_ACTION_TYPE_REAL;
constexpr uint32_t kLong = SB_ACTION_TYPE_INTEGER;
constexpr uint32_t kBool = SB_ACTION_TYPE_BOOLEAN;

constexpr ActionKey kCentreX = {SB_FOURCC('c', 'n', 't', 'x'), "Centre X:", kReal, true};
constexpr ActionKey kCentreY = {SB_FOURCC('c', 'n', 't', 'y'), "Centre Y:", kReal, true};
constexpr ActionKey kWidth = {SB_FOURCC('w', 'd', 't', 'h'), "Width:", kReal, true};
constexpr ActionKey kHeight = {SB_FOURCC('h', 'g', 'h', 't'), "Height:", kReal, true};
constexpr ActionKey kMirrorType = {SB_FOURCC('m', 'i', 't', 'y'), "", kLong, false};

const ActionKey kRoseKeys[] = {
    {SB_FOURCC('t', 'o', 'o', 'l'), "", kLong, false},
    kCentreX,
    kCentreY,
    {SB_FOURCC('r', 'd', 'u', 's'), "Radius:", kReal, true},
    {SB_FOURCC('l', 'o', 'b', 's'), "Lobes:", kLong, true},
    {SB_FOURCC('l', 'w', 'd', 't'), "Lobe width:", kReal, true},
};
const ActionKey kWaveKeys[] = {
    kCentreX, kCentreY, kWidth, kHeight, {SB_FOURCC('w', 'a', 'v', 's'), "Waves:", kLong, true},
};
const ActionKey kRectangleKeys[] = {kCentreX, kCentreY, kWidth, kHeight};
const ActionKey kSpiralKeys[] = {
    kCentreX,
    kCentreY,
    {SB_FOURCC('s', 'p', 'r', 'd'), "Radius:", kReal, true},
    {SB_FOURCC('s', 'p', 't', 'u'), "Turns:", kLong, true},
    {SB_FOURCC('s', 'p', 'f', 'e'), "Fermat:", kBool, true},
};
const ActionKey kGridKeys[] = {
    kCentreX,
    kCentreY,
    kWidth,
    kHeight,
    {SB_FOURCC('n', 's', 'q', 'x'), "Squares x:", kLong, true},
    {SB_FOURCC('n', 's', 'q', 'y'), "Squares y:", kLong, true},
    {SB_FOURCC('c', 's', 'q', 's'), "Create as squares:", kBool, true},
};
const ActionKey kPolarMeshKeys[] = {
    kCentreX,
    kCentreY,
    {SB_FOURCC('p', 'm', 'o', 'r'), "Outer radius:", kReal, true},
    {SB_FOURCC('p', 'm', 'i', 'r'), "Inner radius:", kReal, true},
    {SB_FOURCC('p', 'm', 'r', 'p'), "Radial points :", kLong, true},
    {SB_FOURCC('p', 'm', 'c', 'p'), "Circle points :", kLong, true},
    {SB_FOURCC('p', 'm', 'p', 'o'), "Polygon :", kBool, true},
    {SB_FOURCC('p', 'm', 'c', 'm'), "Colour mode :", kLong, true},
};
const ActionKey kMirrorKeys[] = {
    kCentreX,
    kCentreY,
    {SB_FOURCC('r', 'o', 't', 'a'), "Rotate:", kReal, true},
    kMirrorType,
    {SB_FOURCC('f', 'l', 'p', 'a'), "Flip again:", kBool, true},
};
const ActionKey kRectangleCutKeys[] = {kCentreX, kCentreY, kWidth, kHeight, kMirrorType};

template <int N>
constexpr int Count(const ActionKey (&)[N]) {
    return N;
}

}  // namespace

const ActionEntry kActions[10] = {
    {"sb_plugin_zarvo_rose", "Zarvo Rose", kRoseKeys, Count(kRoseKeys)},
    {"sb_plugin_zarvo_wave", "Zarvo Wave", kWaveKeys, Count(kWaveKeys)},
    {"sb_plugin_zarvo_rhombus", "Zarvo Rhombus", kRectangleKeys, Count(kRectangleKeys)},
    {"sb_plugin_zarvo_spiral", "Zarvo Spiral", kSpiralKeys, Count(kSpiralKeys)},
    {"sb_plugin_zarvo_grect", "Zarvo Golden Rectangle", kRectangleKeys, Count(kRectangleKeys)},
    {"sb_plugin_zarvo_grid", "Zarvo Grid", kGridKeys, Count(kGridKeys)},
    {"sb_plugin_zarvo_polar_mesh", "Zarvo Polar Mesh", kPolarMeshKeys, Count(kPolarMeshKeys)},
    {"sb_plugin_zarvo_mirror", "Zarvo Mirror", kMirrorKeys, Count(kMirrorKeys)},
    {"sb_plugin_zarvo_cut", "Zarvo Cut", kMirrorKeys, Count(kMirrorKeys)},
    {"sb_plugin_zarvo_rectangle_cut", "Zarvo Rectangle Cut", kRectangleCutKeys, Count(kRectangleCutKeys)},
};

}  // namespace registration

using namespace registration;

namespace {

// Adds one group of tools; the first joins `groupOf` (or starts a new group when null) and starts a
// new toolset, the others join the first's group and toolset.
SBErr AddToolGroup(SBPluginRef plugin, const ToolEntry* tools, int count, const char* groupOf,
                   SBToolHandle* handles) {
    try {
        const char* first = tools[0].name;
        for (int i = 0; i < count; ++i) {
            SBToolData data{};
            data.title = tools[i].name;
            data.tooltip = tools[i].name;
            data.normalIconId = tools[i].icon;
            data.alternateIconId = tools[i].icon;
            if (i == 0) {
                data.sameGroupAs = groupOf ? sb::GetToolNumberFromName(groupOf) : SB_TOOL_NEW_GROUP;
                data.sameToolsetAs = SB_TOOL_NEW_TOOLSET;
            } else {
                int16_t number = sb::GetToolNumberFromName(first);
                data.sameGroupAs = number;
                data.sameToolsetAs = number;
            }
            handles[i] = sb::AddTool(plugin, tools[i].name, data, kToolOptions);
        }
    } catch (const HostError& e) {
        return e.Code();
    }
    return 0;
}

}  // namespace

SBErr ZarvoPlugin::RegisterTools() {
    SBErr result = AddToolGroup(PluginRef(), registration::kFirstGroupTools, kFirstGroupCount, nullptr, firstGroup_);
    // The mirror's toolset shares the rose's group in the tool panel.
    if (result == 0)
        result = AddToolGroup(PluginRef(), registration::kSecondGroupTools, kSecondGroupCount,
                              registration::kFirstGroupTools[0].name, secondGroup_);
    return result;
}

SBErr ZarvoPlugin::RegisterNotifiers() {
    SBNotifierHandle* slots[3] = {&setupCompleteNotifier_, &shutdownNotifier_, &gZGlobals->startedNotifier};
    try {
        // Stops at the first refusal: a notifier the host never took would leave its step silent.
        for (int i = 0; i < 3; ++i) *slots[i] = sb::AddNotifier(PluginRef(), kNotifiers[i].name, kNotifiers[i].type);
    } catch (const HostError& e) {
        return e.Code();
    }
    return 0;
}

SBErr ZarvoPlugin::RegisterLiveEffects() {
    SBLiveEffectHandle* slots[3] = {&gZGlobals->mirrorEffect, &gZGlobals->cutEffect, &gZGlobals->rectCutEffect};
    static const int32_t kEnableCriteria[6] = {0, 0, 0x400002, 0, 0, 0};
    constexpr int32_t kEnableAction = 1;
    for (int i = 0; i < 3; ++i) {
        char text[64];
        std::strncpy(text, kLiveEffects[i], sizeof text - 1);
        text[sizeof text - 1] = '\0';
        SBMenuItemHandle item = nullptr;
        try {
            SBLiveEffectData definition{};
            definition.self = PluginRef();
            definition.name = text;
            definition.title = text;
            definition.majorVersion = 1;
            definition.minorVersion = 0;
            definition.preferredInputs = 7;
            definition.styleFilterFlags = 2;
            *slots[i] = sb::AddLiveEffect(definition);

            SBLiveEffectMenuData menu{};
            menu.category = kLiveEffectMenuCategory;
            menu.title = text;
            menu.options = 0;
            item = sb::AddLiveEffectMenuItem(*slots[i], kLiveEffectMenuItem, menu);
        } catch (const HostError& e) {
            return e.Code();
        }
        try {
            sb::UpdateMenuItemAutomatically(item, kEnableAction, kEnableCriteria);
        } catch (const HostError&) {
            // Without automatic enabling the item is merely always enabled.
        }
    }
    return 0;
}

SBErr ZarvoPlugin::RegisterActions() {
    if (!sActionManager) return 0;
    try {
        for (const ActionEntry& action : kActions) {
            sb::ActionParamType parameters;
            for (int k = 0; k < action.keyCount; ++k) {
                const ActionKey& key = action.keys[k];
                parameters.SetKey(key.key, key.name, key.type, key.shown);
            }
            sb::RegisterActionEvent(action.event, action.displayName, 1, 0, PluginRef(), parameters.Get());
            parameters.Delete();
        }
    } catch (const HostError& e) {
        return e.Code();
    }
    return 0;
}
