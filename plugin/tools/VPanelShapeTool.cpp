#include "tools/VPanelShapeTool.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "tools/ActionRecord.h"

#include <string>

namespace {

constexpr int32_t kDialogStatus = 3;

}  // namespace

VPanelShapeTool::VPanelShapeTool(const ToolAction* action, const char* undoName)
    : action_(action), undoName_(undoName) {}

SBErr VPanelShapeTool::EditOptions(SBToolMessage*) {
    OpenPanel(panelmode::kEditTool);
    return 0;
}

SBErr VPanelShapeTool::MouseUp(SBToolMessage* message) {
    if (!IsClick()) return VObjectCreationTool::MouseUp(message);
    savedMouseUp_ = *message;
    // The event record is the host's and lives only as long as this message.
    savedMouseUp_.event = nullptr;
    OpenPanel(panelmode::kMouseUp);
    return 0;
}

void VPanelShapeTool::DrawAt(float h, float v) {
    SetCentre(h, v);
    Draw();
    if (Drew()) RecordAction();
}

void VPanelShapeTool::FinishClick() { FinishDrag(); }

void VPanelShapeTool::RecordAction() {
    if (!action_) return;
    RecordToolAction(*action_, kDialogStatus, [&](sb::ActionParamValue& value) {
        const RealPoint centre = Centre();
        WriteActionCentre(value, centre.h, centre.v);
        WriteAction(value);
    });
}

void VPanelShapeTool::PlayBack(SBActionParamValueRef values, bool showDialog) {
    const RealPoint centre = ReadActionCentre(values);
    ReadAction(values);
    if (!showDialog) return;
    playbackCentre_ = centre;
    OpenPanel(panelmode::kAction);
}

void VPanelShapeTool::AnswerClick(bool draw) {
    // The recorded centre is the click's, not the last drag's.
    SetCentre(Anchor().h, Anchor().v);
    if (draw) Draw();
    // Values that drew nothing leave no trace: no action, no undo entry.
    if (draw && !Drew()) {
        FinishClick();
        return;
    }
    RecordAction();
    const std::string name = undoName_;
    SetUndoRedoText("Undo " + name, "Redo " + name);
    FinishClick();
}

void VPanelShapeTool::Answer(const std::string& mode, bool confirmed) {
    if (mode == panelmode::kAction) {
        DrawAt(static_cast<float>(playbackCentre_.h), static_cast<float>(playbackCentre_.v));
    } else if (mode == panelmode::kMouseUp) {
        AnswerClick(confirmed);
    }
}

void VPanelShapeTool::PanelConfirmed(const std::string& mode) { Answer(mode, true); }

void VPanelShapeTool::PanelCancelled(const std::string& mode) { Answer(mode, false); }
