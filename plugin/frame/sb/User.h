// What the user is shown: alerts, questions, the plug-in's cursor resource.
#pragma once

#include <scribera/SBTypes.h>

#include <string>

namespace sb {
void ErrorAlert(const std::string& text);
// True for yes.
bool QuestionAlert(const std::string& text);
SBCursorResource CreateCursorResource(SBPluginRef plugin);
void DisposeCursorResource(SBCursorResource resource);
}  // namespace sb
