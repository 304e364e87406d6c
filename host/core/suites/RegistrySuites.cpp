// What plug-ins register with the host: tools, live effects and their menu items, dictionaries of
// effect instances, and the action manager.
#include "core/suites/SuiteTables.h"
#include "core/suites/SuiteUtil.h"

#include <algorithm>

namespace scribera::suites {

namespace tool {
constexpr const char* kSuite = kSBToolSuite;
constexpr int16_t kFirstToolNumber = 1000;
constexpr int kMaxInfoVariables = 256;  // a list without its -1 ends here instead of running on

ToolRecord* ByNumber(Session& s, int16_t number) {
    for (ToolRecord& t : s.Registry().tools)
        if (t.number == number) return &t;
    return nullptr;
}

ToolRecord* ById(Session& s, Id id) {
    for (ToolRecord& t : s.Registry().tools)
        if (t.id == id) return &t;
    return nullptr;
}

SBErr AddTool(SBPluginRef plugin, const char* name, const SBToolData* data, int32_t options, SBToolHandle* out) {
    SB_ENTER();
    SB_NEED(plugin && name && data && out);
    for (const ToolRecord& t : S.Registry().tools)
        if (t.name == name) return SB_ERR_CANT;
    if (S.Registry().tools.size() >= size_t(INT16_MAX - kFirstToolNumber)) return SB_ERR_CANT;  // numbers are 16-bit
    ToolRecord r;
    r.number = int16_t(kFirstToolNumber + int16_t(S.Registry().tools.size()));
    if (data->sameGroupAs == SB_TOOL_NEW_GROUP) {
        r.group = r.number;
    } else {
        const ToolRecord* g = ByNumber(S, data->sameGroupAs);
        if (!g) return SB_ERR_BAD_PARAM;
        r.group = g->group;
    }
    if (data->sameToolsetAs == SB_TOOL_NEW_TOOLSET) {
        r.toolset = r.number;
    } else {
        const ToolRecord* t = ByNumber(S, data->sameToolsetAs);
        if (!t) return SB_ERR_BAD_PARAM;
        r.toolset = t->toolset;
    }
    r.id = NewId();
    r.plugin = plugin;
    r.name = name;
    r.title = data->title ? data->title : "";
    r.tooltip = data->tooltip ? data->tooltip : "";
    r.icon = data->normalIconId;
    r.alternateIcon = data->alternateIconId;
    r.options = options;
    S.Registry().tools.push_back(r);
    *out = ToHandle<SBToolHandle>(r.id);
    return SB_OK;
}

SBErr GetToolNumberFromName(const char* name, int16_t* number) {
    SB_ENTER();
    SB_NEED(name && number);
    for (const ToolRecord& t : S.Registry().tools)
        if (t.name == name) {
            *number = t.number;
            return SB_OK;
        }
    return SB_ERR_BAD_PARAM;
}

SBErr GetSelectedTool(SBToolHandle* out) {
    SB_ENTER();
    SB_NEED(out);
    *out = ToHandle<SBToolHandle>(S.Registry().selectedTool);
    return SB_OK;
}

SBErr SetToolInfoVars(SBToolHandle handle, const int32_t* infoVars) {
    SB_ENTER();
    SB_NEED(infoVars);
    ToolRecord* t = ById(S, FromHandle(handle));
    if (!t) return Unknown(S, kSuite, op_, FromHandle(handle));
    std::vector<int32_t> vars;
    for (int i = 0; infoVars[i] != -1; ++i) {
        if (i == kMaxInfoVariables) return SB_ERR_BAD_PARAM;
        vars.push_back(infoVars[i]);
    }
    t->infoVariables = vars;
    return SB_OK;
}

SBErr SetToolInfoVarValues(const int32_t* infoVars, void** values) {
    SB_ENTER();
    SB_NEED(infoVars && values);
    std::vector<int32_t> vars;
    std::vector<double> vals;
    for (int i = 0; infoVars[i] != -1; ++i) {
        if (i == kMaxInfoVariables || !values[i]) return SB_ERR_BAD_PARAM;
        vars.push_back(infoVars[i]);
        vals.push_back(*static_cast<const double*>(values[i]));
    }
    S.Shown().infoVariables = vars;
    S.Shown().infoValues = vals;
    return SB_OK;
}

SB_SUITE_TABLE(SBToolSuite, AddTool, GetToolNumberFromName, GetSelectedTool, SetToolInfoVars, SetToolInfoVarValues);
}  // namespace tool

namespace liveeffect {
constexpr const char* kSuite = kSBLiveEffectSuite;

SBErr AddLiveEffect(const SBLiveEffectData* def, SBLiveEffectHandle* out) {
    SB_ENTER();
    SB_NEED(def && out && def->name);
    for (const LiveEffectRecord& e : S.Registry().liveEffects)
        if (e.name == def->name) return SB_ERR_CANT;
    LiveEffectRecord r;
    r.id = NewId();
    r.plugin = def->self;
    r.name = def->name;
    r.title = def->title ? def->title : "";
    r.major = def->majorVersion;
    r.minor = def->minorVersion;
    r.inputs = def->preferredInputs;
    r.filters = def->styleFilterFlags;
    S.Registry().liveEffects.push_back(r);
    *out = ToHandle<SBLiveEffectHandle>(r.id);
    return SB_OK;
}

SBErr AddLiveEffectMenuItem(SBLiveEffectHandle effect, const char* itemName, const SBLiveEffectMenuData* data,
                            SBMenuItemHandle* out) {
    SB_ENTER();
    SB_NEED(itemName && data && out);
    auto it = std::find_if(S.Registry().liveEffects.begin(), S.Registry().liveEffects.end(),
                           [&](const LiveEffectRecord& e) { return e.id == FromHandle(effect); });
    if (it == S.Registry().liveEffects.end()) return Unknown(S, kSuite, op_, FromHandle(effect));
    MenuItemRecord m;
    m.id = NewId();
    m.effect = it->id;
    m.itemName = itemName;
    m.category = data->category ? data->category : "";
    m.title = data->title ? data->title : "";
    m.options = data->options;
    S.Registry().menuItems.push_back(m);
    *out = ToHandle<SBMenuItemHandle>(m.id);
    return SB_OK;
}

SBErr UpdateParameters(SBLiveEffectParamContext ctx) {
    SB_ENTER();
    SB_KEPT(LiveEffectContextData, c, ctx);
    S.Effects().parameterUpdates.push_back(c->instance);
    return SB_OK;
}

SB_SUITE_TABLE(SBLiveEffectSuite, AddLiveEffect, AddLiveEffectMenuItem, UpdateParameters);
}  // namespace liveeffect

namespace menu {
constexpr const char* kSuite = kSBMenuSuite;

SBErr UpdateMenuItemAutomatically(SBMenuItemHandle item, int32_t action, int32_t c1, int32_t c2, int32_t c3, int32_t c4,
                                  int32_t c5, int32_t c6) {
    SB_ENTER();
    auto it = std::find_if(S.Registry().menuItems.begin(), S.Registry().menuItems.end(),
                           [&](const MenuItemRecord& m) { return m.id == FromHandle(item); });
    if (it == S.Registry().menuItems.end()) return Unknown(S, kSuite, op_, FromHandle(item));
    it->autoEnable = true;
    it->enableAction = action;
    const int32_t criteria[6] = {c1, c2, c3, c4, c5, c6};
    std::copy(criteria, criteria + 6, it->criteria);
    return SB_OK;
}

SB_SUITE_TABLE(SBMenuSuite, UpdateMenuItemAutomatically);
}  // namespace menu

namespace dictionary {
constexpr const char* kSuite = kSBDictionarySuite;

SBErr Key(const char* name, SBDictKey* key) {
    SB_ENTER();
    SB_NEED(name && key);
    auto it = S.Effects().keys.find(name);
    if (it == S.Effects().keys.end()) {
        Id id = NewId();
        it = S.Effects().keys.emplace(name, id).first;
        S.Effects().keyNames[id] = name;
    }
    *key = ToHandle<SBDictKey>(it->second);
    return SB_OK;
}

// The dictionary and the key's name, or return.
#define SB_DICT(dict, name, dictRef, key)                                                            \
    auto dictIt_ = S.Effects().instances.find(FromHandle(dictRef));                                  \
    if (dictIt_ == S.Effects().instances.end()) return Unknown(S, kSuite, op_, FromHandle(dictRef)); \
    auto keyIt_ = S.Effects().keyNames.find(FromHandle(key));                                        \
    if (keyIt_ == S.Effects().keyNames.end()) return Unknown(S, kSuite, op_, FromHandle(key));       \
    Dictionary& dict = dictIt_->second;                                                              \
    const std::string& name = keyIt_->second

SBErr IsKnown(SBDictionaryRef dictRef, SBDictKey key, SBBool* known) {
    SB_ENTER();
    SB_NEED(known);
    SB_DICT(d, name, dictRef, key);
    *known = d.count(name) ? 1 : 0;
    return SB_OK;
}

// A missing entry fails with SB_ERR_NO_SUCH_KEY, one of another type with SB_ERR_BAD_PARAM.
template <class T>
SBErr Get(Session& S, const char* op_, SBDictionaryRef dictRef, SBDictKey key, DictionaryEntry::Type type, T* out,
          T DictionaryEntry::*field) {
    SB_NEED(out);
    SB_DICT(d, name, dictRef, key);
    auto it = d.find(name);
    if (it == d.end()) return SB_ERR_NO_SUCH_KEY;
    if (it->second.type != type) return SB_ERR_BAD_PARAM;
    *out = it->second.*field;
    return SB_OK;
}

template <class T>
SBErr Set(Session& S, const char* op_, SBDictionaryRef dictRef, SBDictKey key, DictionaryEntry::Type type, T value,
          T DictionaryEntry::*field) {
    SB_DICT(d, name, dictRef, key);
    DictionaryEntry e;
    e.type = type;
    e.*field = value;
    d[name] = e;
    return SB_OK;
}

SBErr GetRealEntry(SBDictionaryRef d, SBDictKey k, double* v) {
    SB_ENTER();
    return Get(S, op_, d, k, DictionaryEntry::Type::Real, v, &DictionaryEntry::real);
}
SBErr SetRealEntry(SBDictionaryRef d, SBDictKey k, double v) {
    SB_ENTER();
    return Set(S, op_, d, k, DictionaryEntry::Type::Real, v, &DictionaryEntry::real);
}
SBErr GetIntegerEntry(SBDictionaryRef d, SBDictKey k, int32_t* v) {
    SB_ENTER();
    return Get(S, op_, d, k, DictionaryEntry::Type::Integer, v, &DictionaryEntry::integer);
}
SBErr SetIntegerEntry(SBDictionaryRef d, SBDictKey k, int32_t v) {
    SB_ENTER();
    return Set(S, op_, d, k, DictionaryEntry::Type::Integer, v, &DictionaryEntry::integer);
}
SBErr GetBooleanEntry(SBDictionaryRef d, SBDictKey k, SBBool* v) {
    SB_ENTER();
    SB_NEED(v);
    bool b = false;
    SBErr e = Get(S, op_, d, k, DictionaryEntry::Type::Boolean, &b, &DictionaryEntry::boolean);
    if (e == SB_OK) *v = b ? 1 : 0;
    return e;
}
SBErr SetBooleanEntry(SBDictionaryRef d, SBDictKey k, SBBool v) {
    SB_ENTER();
    return Set(S, op_, d, k, DictionaryEntry::Type::Boolean, v != 0, &DictionaryEntry::boolean);
}

SB_SUITE_TABLE(SBDictionarySuite, Key, IsKnown, GetRealEntry, SetRealEntry, GetIntegerEntry, SetIntegerEntry,
               GetBooleanEntry, SetBooleanEntry);
}  // namespace dictionary

namespace actions {
constexpr const char* kSuite = kSBActionManagerSuite;

SBErr NewActionParamType(SBActionParamTypeRef* out) {
    SB_ENTER();
    SB_NEED(out);
    *out = ToHandle<SBActionParamTypeRef>(S.Handles().Keep(std::make_shared<ActionParamTypeData>()));
    return SB_OK;
}

SBErr SetActionParamTypeKey(SBActionParamTypeRef ref, uint32_t key, const char* name, uint32_t typeCode, SBBool shown) {
    SB_ENTER();
    SB_KEPT(ActionParamTypeData, t, ref);
    if (typeCode != SB_ACTION_TYPE_INTEGER && typeCode != SB_ACTION_TYPE_REAL && typeCode != SB_ACTION_TYPE_BOOLEAN)
        return SB_ERR_BAD_PARAM;
    ActionKeyRecord k;
    k.key = key;
    k.name = name ? name : "";
    k.type = typeCode;
    k.shown = shown != 0;
    auto it = std::find_if(t->keys.begin(), t->keys.end(), [&](const ActionKeyRecord& r) { return r.key == key; });
    if (it != t->keys.end())
        *it = k;
    else
        t->keys.push_back(k);
    return SB_OK;
}

SBErr DeleteActionParamType(SBActionParamTypeRef ref) {
    SB_ENTER();
    SB_KEPT(ActionParamTypeData, t, ref);
    (void)t;
    S.Handles().Forget(FromHandle(ref));
    return SB_OK;
}

SBErr RegisterActionEvent(const char* eventName, const char* displayName, int32_t version, int32_t flags,
                          void* /*callback*/, SBPluginRef plugin, void* /*userData*/, SBActionParamTypeRef params) {
    SB_ENTER();
    SB_NEED(eventName);
    ActionEventRecord r;
    if (params) {
        SB_KEPT(ActionParamTypeData, t, params);
        r.keys = t->keys;
    }
    for (const ActionEventRecord& e : S.Registry().actionEvents)
        if (e.event == eventName) return SB_ERR_CANT;
    r.event = eventName;
    r.displayName = displayName ? displayName : "";
    r.version = version;
    r.flags = flags;
    r.plugin = plugin;
    S.Registry().actionEvents.push_back(r);
    return SB_OK;
}

SBErr InRecordMode(SBBool* recording) {
    SB_ENTER();
    SB_NEED(recording);
    *recording = S.Actions().recording ? 1 : 0;
    return SB_OK;
}

SBErr NewActionParamValue(SBActionParamValueRef* out) {
    SB_ENTER();
    SB_NEED(out);
    *out = ToHandle<SBActionParamValueRef>(S.Handles().Keep(std::make_shared<ActionParamValueData>()));
    return SB_OK;
}

SBErr DeleteActionParamValue(SBActionParamValueRef ref) {
    SB_ENTER();
    SB_KEPT(ActionParamValueData, v, ref);
    (void)v;
    S.Handles().Forget(FromHandle(ref));
    return SB_OK;
}

// Setting a key again replaces its value (and type) in place.
void Put(ActionParamValueData& data, const ActionValue& value) {
    auto it =
        std::find_if(data.values.begin(), data.values.end(), [&](const ActionValue& v) { return v.key == value.key; });
    if (it != data.values.end())
        *it = value;
    else
        data.values.push_back(value);
}

const ActionValue* Find(const ActionParamValueData& data, uint32_t key) {
    for (const ActionValue& v : data.values)
        if (v.key == key) return &v;
    return nullptr;
}

SBErr SetActionParamInteger(SBActionParamValueRef ref, uint32_t key, int32_t number) {
    SB_ENTER();
    SB_KEPT(ActionParamValueData, v, ref);
    ActionValue a;
    a.key = key;
    a.type = ActionValue::Type::Integer;
    a.integer = number;
    Put(*v, a);
    return SB_OK;
}

SBErr SetActionParamBoolean(SBActionParamValueRef ref, uint32_t key, SBBool flag) {
    SB_ENTER();
    SB_KEPT(ActionParamValueData, v, ref);
    ActionValue a;
    a.key = key;
    a.type = ActionValue::Type::Boolean;
    a.boolean = flag != 0;
    Put(*v, a);
    return SB_OK;
}

SBErr SetActionParamUnitReal(SBActionParamValueRef ref, uint32_t key, uint32_t unit, double number) {
    SB_ENTER();
    SB_KEPT(ActionParamValueData, v, ref);
    ActionValue a;
    a.key = key;
    a.type = ActionValue::Type::UnitReal;
    a.unit = unit;
    a.real = number;
    Put(*v, a);
    return SB_OK;
}

// A key the value does not hold fails with SB_ERR_NO_SUCH_KEY; one of another type with
// SB_ERR_BAD_PARAM.
SBErr GetActionParamInteger(SBActionParamValueRef ref, uint32_t key, int32_t* number) {
    SB_ENTER();
    SB_NEED(number);
    SB_KEPT(ActionParamValueData, v, ref);
    const ActionValue* a = Find(*v, key);
    if (!a) return SB_ERR_NO_SUCH_KEY;
    if (a->type != ActionValue::Type::Integer) return SB_ERR_BAD_PARAM;
    *number = a->integer;
    return SB_OK;
}

SBErr GetActionParamBoolean(SBActionParamValueRef ref, uint32_t key, SBBool* flag) {
    SB_ENTER();
    SB_NEED(flag);
    SB_KEPT(ActionParamValueData, v, ref);
    const ActionValue* a = Find(*v, key);
    if (!a) return SB_ERR_NO_SUCH_KEY;
    if (a->type != ActionValue::Type::Boolean) return SB_ERR_BAD_PARAM;
    *flag = a->boolean ? 1 : 0;
    return SB_OK;
}

SBErr GetActionParamUnitReal(SBActionParamValueRef ref, uint32_t key, uint32_t* unit, double* number) {
    SB_ENTER();
    SB_NEED(number);
    SB_KEPT(ActionParamValueData, v, ref);
    const ActionValue* a = Find(*v, key);
    if (!a) return SB_ERR_NO_SUCH_KEY;
    if (a->type != ActionValue::Type::UnitReal) return SB_ERR_BAD_PARAM;
    if (unit) *unit = a->unit;
    *number = a->real;
    return SB_OK;
}

SBErr RecordActionEvent(const char* eventName, int32_t dialogStatus, SBActionParamValueRef ref) {
    SB_ENTER();
    SB_NEED(eventName);
    RecordedAction r;
    if (ref) {
        SB_KEPT(ActionParamValueData, v, ref);
        r.values = v->values;
    }
    const bool known = std::any_of(S.Registry().actionEvents.begin(), S.Registry().actionEvents.end(),
                                   [&](const ActionEventRecord& e) { return e.event == eventName; });
    if (!known) return SB_ERR_BAD_PARAM;
    r.event = eventName;
    r.dialog = dialogStatus;
    S.Actions().recorded.push_back(r);
    return SB_OK;
}

SB_SUITE_TABLE(SBActionManagerSuite, NewActionParamType, SetActionParamTypeKey, DeleteActionParamType,
               RegisterActionEvent, InRecordMode, NewActionParamValue, DeleteActionParamValue, SetActionParamInteger,
               SetActionParamBoolean, SetActionParamUnitReal, GetActionParamInteger, GetActionParamBoolean,
               GetActionParamUnitReal, RecordActionEvent);
}  // namespace actions

SuiteTable ToolTable() { return {&tool::kTable, tool::kOperations}; }
SuiteTable LiveEffectTable() { return {&liveeffect::kTable, liveeffect::kOperations}; }
SuiteTable MenuTable() { return {&menu::kTable, menu::kOperations}; }
SuiteTable DictionaryTable() { return {&dictionary::kTable, dictionary::kOperations}; }
SuiteTable ActionManagerTable() { return {&actions::kTable, actions::kOperations}; }

}  // namespace scribera::suites
