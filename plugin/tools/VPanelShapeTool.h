// A shape tool with an options panel. A click, a double-click on the icon and action playback
// open the panel; its answer is acted on according to how the panel was opened.
#pragma once

#include "frame/ActionKeys.h"
#include "frame/Preferences.h"
#include "tools/VObjectCreationTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>
#include <initializer_list>
#include <string>

namespace sb {
class ActionParamValue;
}

// How a panel was opened: by action playback, a double-click on the icon, a click in the document.
namespace panelmode {
constexpr const char* kAction = "Action";
constexpr const char* kEditTool = "EditTool";
constexpr const char* kMouseUp = "MouseUp";
}  // namespace panelmode

class VPanelShapeTool : public VObjectCreationTool {
public:
    // `action` is what the tool records (nothing when null), `undoName` names the shape in the undo
    // and redo texts.
    VPanelShapeTool(const ToolAction* action, const char* undoName);

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

    // The panel's answer, by the mode it was opened in: "Action" draws at the playback centre,
    // "MouseUp" answers the click (drawing only when confirmed), any other mode does nothing more.
    void PanelConfirmed(const std::string& mode);
    void PanelCancelled(const std::string& mode);

    const RealPoint& PlaybackCentre() const { return playbackCentre_; }

protected:
    // Writes the preferences element and opens the panel with the tool's parameters.
    virtual void OpenPanel(const char* mode) = 0;
    virtual RealPoint Centre() const = 0;
    virtual void SetCentre(double h, double v) = 0;
    // The values after the centre, in the order they are recorded.
    virtual void WriteAction(sb::ActionParamValue& value) const = 0;
    // The same values read back from a recorded action.
    virtual void ReadAction(SBActionParamValueRef values) = 0;

private:
    void AnswerClick(bool draw);
    void Answer(const std::string& mode, bool confirmed);

    const ToolAction* action_;
    const char* undoName_;
    RealPoint playbackCentre_{0, 0};
    SBToolMessage savedMouseUp_{};
};

// What a shape tool sees of its panel controller: the opening, with a copy of the values to show.
template <class Params>
class VShapePanel {
public:
    virtual void Open(const Params& values, const char* mode) = 0;

protected:
    ~VShapePanel() = default;
};

// A panel shape tool with its parameter record `Params` (a centre and the shape's own values).
template <class Params>
class VParamShapeTool : public VPanelShapeTool {
public:
    VParamShapeTool(const ToolAction* action, const char* undoName, const Params& defaults)
        : VPanelShapeTool(action, undoName), params_(defaults), defaults_(defaults) {}

    const Params& Parameters() const { return params_; }
    const Params& Defaults() const { return defaults_; }
    void AttachPanel(VShapePanel<Params>* panel) { panel_ = panel; }

    // The values the panel answered with and how it was opened. Before the tool first opened
    // its panel there is nothing to answer: nothing changes.
    void PanelAnswered(const Params& values, const std::string& mode) {
        if (!panelOpened_) return;
        params_ = values;
        PanelConfirmed(mode);
    }
    void PanelClosed(const std::string& mode) {
        if (panelOpened_) PanelCancelled(mode);
    }

protected:
    // The tool's element of the preferences file.
    virtual PreferencesElement Preferences() const = 0;

    // The file stays open while the panel loads; without a controller it is still written.
    void OpenPanel(const char* mode) override {
        if (panel_) panelOpened_ = true;
        PreferencesFile file(Preferences());
        if (panel_) panel_->Open(params_, mode);
    }
    RealPoint Centre() const override { return RealPoint{params_.centreH, params_.centreV}; }
    void SetCentre(double h, double v) override {
        params_.centreH = h;
        params_.centreV = v;
    }

    // The centre on the drag's anchor.
    void CentreOnAnchor() { SetCentre(Anchor().h, Anchor().v); }
    // With Alt the centre is the anchor, otherwise the middle of the drag.
    void CentreOnAnchorOrMiddle() {
        if (AltState())
            CentreOnAnchor();
        else
            SetCentre(Anchor().h + DragH() / 2.0f, Anchor().v + DragV() / 2.0f);
    }
    // Shows the centre and then `more` for the variables (15, 16, ...).
    void ShowCentreInfo(const int32_t* variables, std::initializer_list<double> more) {
        double values[16] = {params_.centreH, params_.centreV};
        int count = 2;
        for (double value : more)
            if (count < 16) values[count++] = value;
        SetInfoValues(variables, values);
    }

    Params params_;

private:
    const Params& defaults_;
    VShapePanel<Params>* panel_ = nullptr;
    bool panelOpened_ = false;
};
