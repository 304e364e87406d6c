// The JSON dump of a session: the document's art and what the user was shown, in the shape
// scenario tests read.
#pragma once

#include "core/Session.h"

#include <string>

namespace scribera::io {

// 'tool' -> "tool"; bytes outside printable ASCII are written as '?'.
std::string FourCharText(uint32_t code);

std::string DumpJson(Session& session);
// False with "FILE: what is wrong" when the file cannot be written.
bool WriteDump(Session& session, const std::string& path, std::string* error);

// The preferences file the plug-in last wrote into the profile folder, if any.
bool ReadPreferences(const Session& session, std::string* content);

}  // namespace scribera::io
