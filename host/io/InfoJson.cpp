#include "io/InfoJson.h"

#include "io/Dump.h"
#include "io/Json.h"

namespace scribera::io {

std::string InfoJson(const Session& s) {
    JsonWriter w;
    w.BeginObject().Key("name").String(s.Registry().pluginName);
    w.NewLine().Key("tools").BeginArray();
    for (const ToolRecord& t : s.Registry().tools)
        w.BeginObject()
            .Key("name")
            .String(t.name)
            .Key("number")
            .Integer(t.number)
            .Key("group")
            .Integer(t.group)
            .Key("toolset")
            .Integer(t.toolset)
            .Key("icon")
            .Integer(t.icon)
            .Key("options")
            .Integer(t.options)
            .EndObject();
    w.EndArray();
    w.NewLine().Key("effects").BeginArray();
    for (const LiveEffectRecord& e : s.Registry().liveEffects)
        w.BeginObject()
            .Key("name")
            .String(e.name)
            .Key("title")
            .String(e.title)
            .Key("major")
            .Integer(e.major)
            .Key("minor")
            .Integer(e.minor)
            .Key("inputs")
            .Integer(e.inputs)
            .Key("filters")
            .Integer(e.filters)
            .EndObject();
    w.EndArray();
    w.NewLine().Key("menus").BeginArray();
    for (const MenuItemRecord& m : s.Registry().menuItems) {
        std::string effect;
        for (const LiveEffectRecord& e : s.Registry().liveEffects)
            if (e.id == m.effect) effect = e.name;
        w.BeginObject()
            .Key("effect")
            .String(effect)
            .Key("category")
            .String(m.category)
            .Key("title")
            .String(m.title)
            .EndObject();
    }
    w.EndArray();
    w.NewLine().Key("notifiers").BeginArray();
    for (const NotifierRecord& n : s.Registry().notifiers)
        w.BeginObject().Key("name").String(n.name).Key("type").String(n.type).EndObject();
    w.EndArray();
    w.NewLine().Key("actions").BeginArray();
    for (const ActionEventRecord& a : s.Registry().actionEvents) {
        w.BeginObject().Key("event").String(a.event).Key("keys").BeginArray();
        for (const ActionKeyRecord& k : a.keys)
            w.BeginObject()
                .Key("key")
                .String(FourCharText(k.key))
                .Key("name")
                .String(k.name)
                .Key("type")
                .String(FourCharText(k.type))
                .Key("shown")
                .Bool(k.shown)
                .EndObject();
        w.EndArray().EndObject();
    }
    w.EndArray().EndObject();
    return w.Text() + "\n";
}

}  // namespace scribera::io
