// Where tool messages go: to the object of the catalogue row whose active handle the message
// carries.
#pragma once

#include <scribera/SBTypes.h>

struct ToolCatalogue;

namespace routing {
// Catalogue position of the message's tool by its active handle; the first row (the rose) when
// none matches.
int FindActive(const ToolCatalogue& tools, SBToolHandle tool);
}  // namespace routing
