#include "core/LiveEffectHost.h"

#include <vector>

namespace scribera {

const LiveEffectRecord* FindLiveEffect(const Session& session, const std::string& name) {
    const LiveEffectRecord* found = nullptr;
    for (const LiveEffectRecord& e : session.Registry().liveEffects)
        if (e.name == name) found = &e;
    return found;
}

EffectOutcome ApplyLiveEffect(Session& session, PluginHost& host, const LiveEffectRecord& effect,
                              const Dictionary& preset) {
    Document& doc = session.Doc();
    std::vector<Id> chosen;
    for (Id a : doc.Children(doc.CurrentLayerGroup())) {
        const Art* art = doc.Find(a);
        if (art && (art->userAttr & SB_ATTR_SELECTED)) chosen.push_back(a);
    }
    if (chosen.empty()) return {EffectOutcome::Kind::NoSelection, SB_OK};
    const Id instance = session.Effects().NewInstance();
    session.Effects().instances[instance] = preset;
    SBErr err = host.LiveEffectEditParameters(effect.id, instance, false);
    if (err != SB_OK) return {};  // the result is logged
    Document& target = session.Doc();
    target.BeginTransaction();
    target.SetUndoText("Undo " + effect.name, "Redo " + effect.name);
    Id art = chosen.front();
    if (chosen.size() > 1) {
        err = target.NewArt(ArtKind::Group, SB_PLACE_ABOVE, chosen.front(), &art);
        for (size_t i = 0; err == SB_OK && i < chosen.size(); ++i)
            err = target.Reorder(chosen[i], SB_PLACE_INSIDE_ON_BOTTOM, art);
        if (err == SB_OK) err = target.SetUserAttr(art, SB_ATTR_SELECTED, SB_ATTR_SELECTED);
        if (err != SB_OK) {
            target.RevertTransaction();
            target.EndTransaction();
            return {EffectOutcome::Kind::GroupRefused, err};
        }
    }
    // A failed effect leaves the art as it was, as a host discards an effect's unfinished output.
    if (host.LiveEffectGo(effect.id, instance, art) != SB_OK && session.Doc().InTransaction())
        session.Doc().RevertTransaction();
    if (session.Doc().InTransaction()) session.Doc().EndTransaction();
    return {};
}

}  // namespace scribera
