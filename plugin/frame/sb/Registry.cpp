#include "frame/sb/Registry.h"

#include "frame/Suites.h"
#include "frame/sb/Require.h"

namespace sb {

SBToolHandle AddTool(SBPluginRef plugin, const char* name, const SBToolData& data, int32_t options) {
    SBToolHandle tool = nullptr;
    CheckHostResult(HeldSuite(sTool).AddTool(plugin, name, &data, options, &tool));
    return tool;
}

int16_t GetToolNumberFromName(const char* name) {
    int16_t number = 0;
    CheckHostResult(HeldSuite(sTool).GetToolNumberFromName(name, &number));
    return number;
}

SBToolHandle GetSelectedTool() {
    SBToolHandle tool = nullptr;
    CheckHostResult(HeldSuite(sTool).GetSelectedTool(&tool));
    return tool;
}

void SetToolInfoVars(SBToolHandle tool, const int32_t* infoVars) {
    CheckHostResult(HeldSuite(sTool).SetToolInfoVars(tool, infoVars));
}

void SetToolInfoVarValues(const int32_t* infoVars, void** values) {
    CheckHostResult(HeldSuite(sTool).SetToolInfoVarValues(infoVars, values));
}

SBNotifierHandle AddNotifier(SBPluginRef plugin, const char* name, const char* type) {
    SBNotifierHandle notifier = nullptr;
    CheckHostResult(HeldSuite(sNotifier).AddNotifier(plugin, name, type, &notifier));
    return notifier;
}

SBLiveEffectHandle AddLiveEffect(const SBLiveEffectData& definition) {
    SBLiveEffectHandle effect = nullptr;
    CheckHostResult(HeldSuite(sLiveEffect).AddLiveEffect(&definition, &effect));
    return effect;
}

SBMenuItemHandle AddLiveEffectMenuItem(SBLiveEffectHandle effect, const char* itemName,
                                       const SBLiveEffectMenuData& data) {
    SBMenuItemHandle item = nullptr;
    CheckHostResult(HeldSuite(sLiveEffect).AddLiveEffectMenuItem(effect, itemName, &data, &item));
    return item;
}

void UpdateMenuItemAutomatically(SBMenuItemHandle item, int32_t action, const int32_t criteria[6]) {
    CheckHostResult(HeldSuite(sMenu).UpdateMenuItemAutomatically(item, action, criteria[0], criteria[1], criteria[2],
                                                                 criteria[3], criteria[4], criteria[5]));
}

ActionParamType::ActionParamType() { CheckHostResult(HeldSuite(sActionManager).NewActionParamType(&type_)); }

ActionParamType::~ActionParamType() {
    if (type_ && sActionManager) sActionManager->DeleteActionParamType(type_);
}

void ActionParamType::SetKey(uint32_t key, const char* name, uint32_t typeCode, bool shown) {
    CheckHostResult(HeldSuite(sActionManager).SetActionParamTypeKey(type_, key, name, typeCode, shown ? 1 : 0));
}

void ActionParamType::Delete() {
    SBActionParamTypeRef type = type_;
    type_ = nullptr;
    CheckHostResult(HeldSuite(sActionManager).DeleteActionParamType(type));
}

void RegisterActionEvent(const char* eventName, const char* displayName, int32_t version, int32_t flags,
                         SBPluginRef plugin, SBActionParamTypeRef parameters) {
    CheckHostResult(
        HeldSuite(sActionManager)
            .RegisterActionEvent(eventName, displayName, version, flags, nullptr, plugin, nullptr, parameters));
}

bool InRecordMode() {
    SBBool recording = 0;
    CheckHostResult(HeldSuite(sActionManager).InRecordMode(&recording));
    return recording != 0;
}

}  // namespace sb
