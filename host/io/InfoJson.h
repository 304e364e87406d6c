// What a started plug-in registered (tools, live effects, menus, notifiers, actions) as the JSON
// `scribera info` prints.
#pragma once

#include "core/Session.h"

#include <string>

namespace scribera::io {

std::string InfoJson(const Session& session);

}  // namespace scribera::io
