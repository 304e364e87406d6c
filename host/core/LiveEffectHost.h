// Applying a live effect as the application does from its menu: a new instance preset with the
// given dictionary gets its edit-parameters message, then its go message with the selection
// gathered into one object, inside a transaction of its own that is reverted when the effect
// fails.
#pragma once

#include "core/PluginHost.h"
#include "core/Session.h"

#include <string>

namespace scribera {

// The registered live effect of that name, or null.
const LiveEffectRecord* FindLiveEffect(const Session& session, const std::string& name);

struct EffectOutcome {
    enum class Kind {
        Applied,       // the effect ran; a code it answered with is under the session's results
        NoSelection,   // nothing selected in the current layer: no message was sent
        GroupRefused,  // the document refused the group gathering the selection (`code`)
    };
    Kind kind = Kind::Applied;
    SBErr code = SB_OK;
};

EffectOutcome ApplyLiveEffect(Session& session, PluginHost& host, const LiveEffectRecord& effect,
                              const Dictionary& preset);

}  // namespace scribera
