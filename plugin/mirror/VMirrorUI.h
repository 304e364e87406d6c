// The "Mirror" and "Cut" tools share this object: the axis passes through the cursor, keys turn
// it, modifier bits pick the mirror type, and every drag step reverts and applies again.
#pragma once

#include "frame/ActionKeys.h"
#include "geometry/GeometryTypes.h"
#include "mirror/MirrorParams.h"
#include "tools/VSelectionTool.h"

#include <scribera/SBMessages.h>

#include <cstdint>

class VMirrorUI;

// What the mirror tool sees of its panel controller: the opening, with a copy of the values to show.
class VMirrorPanel {
public:
    virtual void Open(const MirrorParams& values, const char* mode) = 0;

protected:
    ~VMirrorPanel() = default;
};

class VMirrorUI : public VSelectionTool {
public:
    // The two actions it records, by mode.
    VMirrorUI(const ToolAction& mirrorAction, const ToolAction& cutAction);

    SBErr EditOptions(SBToolMessage* message) override;
    SBErr Select(SBToolMessage* message) override;

    void SetCutMode(bool cut) { cut_ = cut; }
    bool IsCut() const { return cut_; }
    void AttachPanel(VMirrorPanel* panel) { panel_ = panel; }

    // Applies the operation to the selection as recorded, and records it again.
    void ApplyFromAction(double h, double v, double angle, int32_t type, bool flipAgain);
    bool UpdateFromEvent(SBToolMessage* message) override;
    void DrawAxisMarker();
    void RecordMirrorAction();
    // The angle the panel answered with. Before the options were first opened the panel edits
    // the program-wide defaults, and the tool takes them whole.
    void PanelAnswered(const MirrorParams& values);

    MirrorParams& Params() { return params_; }
    const MirrorParams& Params() const { return params_; }

    // Playback of the mirror (cut false) and cut actions: the values are read, then applied on
    // `tool` in that mode when there is one.
    static void PlayBack(VMirrorUI* tool, SBActionParamValueRef values, bool cut);

protected:
    void BeginDrag(const SBToolMessage* message) override;
    void Preview() override;
    void DisposeMarks() override;
    void ForgetMarks() override { ForgetMarker(); }
    void RecordAction() override { RecordMirrorAction(); }
    const char* UndoName() const override { return cut_ ? "Cut" : "Mirror"; }

private:
    // The record the panel edits: the defaults until the options were first opened.
    const MirrorParams& PanelRecord() const;
    void ForgetMarker();

    const ToolAction& mirrorAction_;
    const ToolAction& cutAction_;
    VMirrorPanel* panel_ = nullptr;
    MirrorParams params_;
    bool cut_ = false;
    RealPoint lastOrigin_{-1e10, -1e10};
    float minH_ = 0, maxH_ = 0, minV_ = 0, maxV_ = 0;
    ArtHandle marker_[4] = {nullptr, nullptr, nullptr, nullptr};
    bool optionsOpened_ = false;
};
