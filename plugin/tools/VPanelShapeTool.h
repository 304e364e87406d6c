// A shape tool with an options panel. A click, a double-click on the icon and action playback
// open the panel; its answer is acted on according to how the panel was opened.
#pragma once

#include "tools/VObjectCreationTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

namespace sb {
class ActionParamValue;
}

class VPanelShapeTool : public VObjectCreationTool {
public:
    // `eventName` names the recorded action, `undoName` the shape in the undo and redo texts.
    VPanelShapeTool(int32_t toolCode, const char* eventName, const char* undoName);

    SBErr EditOptions(SBToolMessage* message) override;
    // A drag ends as usual; a click opens the panel and the shape waits for its answer.
    SBErr MouseUp(SBToolMessage* message) override;

    // Draws at the point and records the action.
    void DrawAt(float h, float v);
    // The plain mouse up of the click that opened the panel.
    void FinishClick();
    // Writes the action when the host is recording: the tool code, the centre, then the shape's
    // own values.
    void RecordAction();
    // Action playback: sets the parameters; with the dialog, opens the panel at the recorded centre.
    void PlayBack(SBActionParamValueRef values, bool showDialog);

    void PanelConfirmed();
    void PanelCancelled();

    const RealPoint& PlaybackCentre() const { return playbackCentre_; }

protected:
    // Hands the tool's parameters to its panel controller and opens the panel.
    virtual void OpenPanel() = 0;
    virtual RealPoint Centre() const = 0;
    virtual void SetCentre(double h, double v) = 0;
    // The values after the centre, in the order they are recorded.
    virtual void WriteAction(sb::ActionParamValue& value) const = 0;
    // The same values read back from a recorded action.
    virtual void ReadAction(SBActionParamValueRef values) = 0;

private:
    void AnswerClick(bool draw);

    int32_t toolCode_;
    const char* eventName_;
    const char* undoName_;
    RealPoint playbackCentre_{0, 0};
    SBToolMessage savedMouseUp_{};
};
