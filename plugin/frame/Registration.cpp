#include "frame/Registration.h"

#include "frame/Globals.h"
#include "frame/Suites.h"
#include "frame/ToolCatalogue.h"
#include "frame/ZarvoPlugin.h"
#include "frame/sb/Registry.h"
#include "geometry/Errors.h"

#include <scribera/SBSuites.h>

#include <cstring>

namespace registration {

const NotifierEntry kNotifiers[3] = {
    {"Zarvo SB Panelux Relayzen Setup Complete", kSBPanelSetupCompleteNotifier},
    {"Zarvo", kSBApplicationShutdownNotifier},
    {"Startup", kSBApplicationStartedNotifier},
};

}  // namespace registration

using namespace registration;

namespace {

// Adds `count` rows as one group of tools; the first joins `groupOf` (or starts
// a new group when null) and starts a new toolset, the others join the first's group and toolset.
SBErr AddToolGroup(SBPluginRef plugin, const ToolRow* tools, int count, const char* groupOf, SBToolHandle* handles) {
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
    // The plug-in object keeps the handles of two groups of tools, 7 and 6.
    if (tools_->count != kFirstGroupCount + kSecondGroupCount) return CheckFailure::kCode;
    const ToolRow* rows = tools_->rows;
    SBErr result = AddToolGroup(PluginRef(), rows, kFirstGroupCount, nullptr, firstGroup_);
    // The mirror's toolset shares the rose's group in the tool panel.
    if (result == 0)
        result = AddToolGroup(PluginRef(), rows + kFirstGroupCount, kSecondGroupCount, rows[0].name, secondGroup_);
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
    static const int32_t kEnableCriteria[6] = {0, 0, 0x400002, 0, 0, 0};
    constexpr int32_t kEnableAction = 1;
    for (const ToolRow& row : *tools_) {
        if (!row.effectName) continue;
        SBLiveEffectHandle* slot = &(gZGlobals->*row.effect);
        char text[64];
        std::strncpy(text, row.effectName, sizeof text - 1);
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
            *slot = sb::AddLiveEffect(definition);

            SBLiveEffectMenuData menu{};
            menu.category = kLiveEffectMenuCategory;
            menu.title = text;
            menu.options = 0;
            item = sb::AddLiveEffectMenuItem(*slot, kLiveEffectMenuItem, menu);
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
        for (const ToolRow& row : *tools_) {
            if (!row.action) continue;
            const ToolAction& action = *row.action;
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
