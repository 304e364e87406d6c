#include "tools/VPanelShapeTool.h"

#include "frame/sb/Action.h"
#include "frame/sb/Registry.h"
#include "tools/ToolPanel.h"

#include <string>

namespace {

constexpr int32_t kDialogStatus = 3;

constexpr uint32_t kKeyTool = SB_FOURCC('t', 'o', 'o', 'l');
constexpr uint32_t kKeyCentreX = SB_FOURCC('c', 'n', 't', 'x');
constexpr uint32_t kKeyCentreY = SB_FOURCC('c', 'n', 't', 'y');

}  // namespace

VPanelShapeTool::VPanelShapeTool(int32_t toolCode, const char* eventName, const char* undoName)
    : toolCode_(toolCode), eventName_(eventName), undoName_(undoName) {}

SBErr VPanelShapeTool::EditOptions(SBToolMessage*) {
    SetInteractionMode("EditTool");
    OpenPanel();
    return 0;
}

SBErr VPanelShapeTool::MouseUp(SBToolMessage* message) {
    if (!IsClick()) return VObjectCreationTool::MouseUp(message);
    SetInteractionMode("MouseUp");
    savedMouseUp_ = *message;
    // The event record is the host's and lives only as long as this message.
    savedMouseUp_.event = nullptr;
    OpenPanel();
    return 0;
}

void VPanelShapeTool::DrawAt(float h, float v) {
    SetCentre(h, v);
    Draw();
    RecordAction();
}

void VPanelShapeTool::FinishClick() { FinishDrag(); }

void VPanelShapeTool::RecordAction() {
    if (!sb::HasActionManager() || !sb::InRecordMode()) return;
    sb::ActionParamValue value;
    if (!value.IsValid()) return;
    const RealPoint centre = Centre();
    value.SetInteger(kKeyTool, toolCode_);
    value.SetUnitReal(kKeyCentreX, SB_UNIT_POINTS, centre.h);
    value.SetUnitReal(kKeyCentreY, SB_UNIT_POINTS, centre.v);
    WriteAction(value);
    value.Record(eventName_, kDialogStatus);
    value.Delete();
}

void VPanelShapeTool::PlayBack(SBActionParamValueRef values, bool showDialog) {
    const double cntx = sb::GetActionReal(values, kKeyCentreX);
    const double cnty = sb::GetActionReal(values, kKeyCentreY);
    ReadAction(values);
    if (!showDialog) return;
    playbackCentre_ = RealPoint{cntx, cnty};
    OpenPanel();
}

void VPanelShapeTool::AnswerClick(bool draw) {
    // The recorded centre is the click's, not the last drag's.
    SetCentre(Anchor().h, Anchor().v);
    if (draw) Draw();
    RecordAction();
    const std::string name = undoName_;
    SetUndoRedoText("Undo " + name, "Redo " + name);
    FinishClick();
}

void VPanelShapeTool::PanelConfirmed() {
    if (InteractionModeIs("Action")) {
        DrawAt(static_cast<float>(playbackCentre_.h), static_cast<float>(playbackCentre_.v));
    } else if (InteractionModeIs("MouseUp")) {
        AnswerClick(true);
    }
}

void VPanelShapeTool::PanelCancelled() {
    if (InteractionModeIs("Action")) {
        DrawAt(static_cast<float>(playbackCentre_.h), static_cast<float>(playbackCentre_.v));
    } else if (InteractionModeIs("MouseUp")) {
        AnswerClick(false);
    }
}
