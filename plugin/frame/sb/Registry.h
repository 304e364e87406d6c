// What a plug-in registers with the host: tools, notifiers, live effects and their menu items,
// recordable actions. Every wrapper raises HostError for a non-zero result.
#pragma once

#include <scribera/SBSuites.h>

#include <cstdint>

namespace sb {

SBToolHandle AddTool(SBPluginRef plugin, const char* name, const SBToolData& data, int32_t options);
int16_t GetToolNumberFromName(const char* name);
SBToolHandle GetSelectedTool();
// The list ends with -1.
void SetToolInfoVars(SBToolHandle tool, const int32_t* infoVars);
// The values shown for the variables (the list ends with -1), one pointer to a double each.
void SetToolInfoVarValues(const int32_t* infoVars, void** values);

SBNotifierHandle AddNotifier(SBPluginRef plugin, const char* name, const char* type);

SBLiveEffectHandle AddLiveEffect(const SBLiveEffectData& definition);
SBMenuItemHandle AddLiveEffectMenuItem(SBLiveEffectHandle effect, const char* itemName,
                                       const SBLiveEffectMenuData& data);
// The criteria in the host's order: in artwork, not in artwork, selected, not selected, is true,
// is not true.
void UpdateMenuItemAutomatically(SBMenuItemHandle item, int32_t action, const int32_t criteria[6]);

// A parameter description, deleted with the object.
class ActionParamType {
public:
    ActionParamType();
    ~ActionParamType();
    ActionParamType(const ActionParamType&) = delete;
    ActionParamType& operator=(const ActionParamType&) = delete;

    void SetKey(uint32_t key, const char* name, uint32_t typeCode, bool shown);
    SBActionParamTypeRef Get() const { return type_; }
    // Deletes now, reporting the host's result.
    void Delete();

private:
    SBActionParamTypeRef type_ = nullptr;
};

void RegisterActionEvent(const char* eventName, const char* displayName, int32_t version, int32_t flags,
                         SBPluginRef plugin, SBActionParamTypeRef parameters);
bool InRecordMode();

}  // namespace sb
