// The report of a played session, written after the plug-in was shut down: the faults that fired,
// the calls with stale handles, what the plug-in still holds of the host (suites, cursors,
// contexts, access, libraries in the host's folder, blocks, memory, kept handles, panel
// listeners), a walk of the document tree checking that parents and children agree, and art that
// should not be there (paths without anchors, groups and compound paths without content). The
// fault sweep reads it; so can anyone chasing a leak or a half-made object.
#pragma once

#include "core/Session.h"

#include <string>
#include <vector>

namespace scribera::io {

struct TreeFinding {
    Id art = kNoId;
    std::string what;  // "path without anchors", "parent link names 12", ...
};

// The document tree walked from every layer group. `problems` are links that disagree (a child
// whose parent is another object, a sibling chain that does not close, a cycle, a live object
// missing from its parent's children); `emptyArt` are paths without anchors and groups or
// compound paths without children.
struct TreeWalk {
    size_t objects = 0;
    std::vector<TreeFinding> problems;
    std::vector<TreeFinding> emptyArt;
};
TreeWalk WalkTree(const Document& doc);

struct ReportContext {
    bool pluginRunning = false;  // the host still holds a started plug-in
    int exitCode = 0;            // what the command answers
    std::string error;           // the play's error, if any
};

std::string ReportJson(Session& session, const ReportContext& context);
// False with "FILE: what is wrong" when the file cannot be written.
bool WriteReport(Session& session, const ReportContext& context, const std::string& path, std::string* error);

}  // namespace scribera::io
