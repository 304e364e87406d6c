#include "tools/VSelectionTool.h"

#include "frame/ErrorReport.h"
#include "frame/sb/Undo.h"
#include "geometry/DesktopHelpers.h"
#include "geometry/DocumentHelpers.h"
#include "geometry/Errors.h"
#include "tools/VObjectCreationTool.h"

#include <string>

void VSelectionTool::TakeSelection() {
    CollectSelectedPaths(paths_);
    CollectSelectedMeshes(meshes_);
}

void VSelectionTool::ReleaseSelection() {
    paths_.Clear();
    meshes_.Clear();
}

SBErr VSelectionTool::MouseDown(SBToolMessage* message) {
    failed_ = false;
    TakeSelection();
    BeginDrag(message);
    return 0;
}

SBErr VSelectionTool::MouseDrag(SBToolMessage* message) {
    // The selection went with the failure: nothing is left to preview.
    if (failed_) return 0;
    try {
        if (!UpdateFromEvent(message)) return 0;
        sb::UndoChanges();
        Preview();
        return 0;
    } catch (...) {
        failed_ = true;
        ReleaseSelection();
        ForgetMarks();
        return ShowZarvoError();
    }
}

void VSelectionTool::AbandonDrag() {
    DrainKeyboardMessages();
    ReleaseSelection();
    ForgetMarks();
}

SBErr VSelectionTool::MouseUp(SBToolMessage*) {
    // A drag that failed ends as the art was before it: no action, no entry.
    if (failed_) {
        failed_ = false;
        AbandonDrag();
        return 0;
    }
    DrainKeyboardMessages();
    ReleaseSelection();
    DisposeMarks();
    RecordAction();
    const std::string name = UndoName();
    VObjectCreationTool::SetUndoRedoText("Undo " + name, "Redo " + name);
    return 0;
}

void VSelectionTool::ShowInfo(const int32_t* variables, const double* values) {
    try {
        VObjectCreationTool::SetInfoValues(variables, values);
    } catch (const HostError&) {
    }
}
